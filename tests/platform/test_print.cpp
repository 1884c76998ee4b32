// Printing where the desktop has no printer: the pages land in a PDF file the
// user names; cancelling prints nothing.
#include <gtest/gtest.h>

#include <QPainter>
#include <QPrinter>
#include <filesystem>
#include <fstream>

#include "platform/Platform.h"
#include "platform/Print.h"

namespace qeb {
namespace {

struct NoPrinter {
  NoPrinter() { SetPrinterOverride(0); }
  ~NoPrinter() { SetPrinterOverride(-1); }
};

std::string Head(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string s(5, '\0');
  in.read(s.data(), 5);
  return s;
}

TEST(Print, WithoutPrinterTheNamedPdfHoldsEveryPageAndGetsItsSuffix) {
  NoPrinter none;
  ScriptedInteraction ui;
  const std::string base = (std::filesystem::current_path() / "bericht").string();
  std::filesystem::remove(base + ".pdf");
  ui.AnswerFile(base);  // typed without a suffix
  int pages = 0;
  double pageMm = 0;
  const bool ok = PrintDocument("QEB Bericht", [&](QPainter& p, QPrinter& pr) {
    pageMm = pr.pageLayout().fullRect(QPageLayout::Millimeter).width();
    p.drawText(100, 100, QStringLiteral("Seite 1"));
    pr.newPage();
    p.drawText(100, 100, QStringLiteral("Seite 2"));
    pages = 2;
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(pages, 2);
  EXPECT_NEAR(pageMm, 210.0, 0.5);  // A4
  ASSERT_EQ(ui.Texts("save").size(), 1u);
  EXPECT_EQ(ui.Texts("save")[0], "PDF (*.pdf)");
  ASSERT_TRUE(std::filesystem::exists(base + ".pdf"));
  EXPECT_EQ(Head(base + ".pdf"), "%PDF-");
}

TEST(Print, CancelledDialogsPrintNothing) {
  {
    NoPrinter none;
    ScriptedInteraction ui;
    ui.AnswerFile("");
    bool drawn = false;
    EXPECT_FALSE(PrintDocument("x", [&](QPainter&, QPrinter&) { drawn = true; }));
    EXPECT_FALSE(drawn);
  }
  {
    SetPrinterOverride(1);
    ScriptedInteraction ui;
    ui.AnswerPrint(false);
    EXPECT_EQ(OpenPrinter("x", PrintDialogKind::Setup), nullptr);
    EXPECT_EQ(ui.Texts("print").size(), 1u);
    SetPrinterOverride(-1);
  }
}

TEST(Print, APrinterThatCannotStartIsSaid) {
  NoPrinter none;
  ScriptedInteraction ui;
  ui.AnswerFile("/nonexistent-folder/x/bericht.pdf");
  bool drawn = false;
  EXPECT_FALSE(PrintDocument("x", [&](QPainter&, QPrinter&) { drawn = true; }));
  EXPECT_FALSE(drawn);
  ASSERT_EQ(ui.Texts("message").size(), 1u);
  EXPECT_NE(ui.Texts("message")[0].find("/nonexistent-folder/x/bericht.pdf"), std::string::npos);
}

}  // namespace
}  // namespace qeb
