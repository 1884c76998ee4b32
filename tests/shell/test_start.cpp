// Start-up, the start dialog and the end of the program, as a user meets them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "shell/Info.h"
#include "shell/QEB.h"
#include "shell/Sprachen.h"
#include "shell/start.h"

namespace qeb {
namespace {

void Touch(const std::string& name) { std::ofstream(name) << "x\r\n"; }

class StartDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::remove("sprache.qeb");
    CreateApplicationWindows();
  }
  void TearDown() override { std::filesystem::remove("sprache.qeb"); }
};

// The start dialog is the main window, created first; every window once.
TEST_F(StartDialog, StartsWithTheStartDialogAsMainWindow) {
  ASSERT_FALSE(ApplicationWindows().empty());
  // As at a fresh start: no letter set, no language file.
  Sprache.clear();
  Form3->Button3Click();
  EXPECT_EQ(Sprache, "S");
  EXPECT_EQ(ApplicationWindows().front(), Form3);
  EXPECT_TRUE(Form3->isVisible());
  EXPECT_FALSE(Form1->isVisible());
  // Without a language file and with no letter set, the dialog speaks
  // Spanish, its title and those of the windows included.
  EXPECT_EQ(Utf8ToWin1252(Form3->windowTitle().toStdString()), LanguageText(845, "S"));
  EXPECT_EQ(Utf8ToWin1252(Form2->windowTitle().toStdString()), LanguageText(846, "S"));
  EXPECT_EQ(Utf8ToWin1252(Form1->windowTitle().toStdString()), LanguageText(840, "S"));
  EXPECT_EQ(Form3->ButtonBeenden->text().toStdString(), LanguageText(13, "S"));
  EXPECT_EQ(Form3->ButtonLaden->text().toStdString(), LanguageText(10, "S"));
  // A decimal comma reads as the point, whatever the desktop's locale.
  int code = 0;
  EXPECT_EQ(ValReal(QStringLiteral("2,5"), code), 2.5);
  EXPECT_EQ(code, 0);
}

TEST_F(StartDialog, LanguageFileLetterEGivesEnglish) {
  WriteLanguageFiles();
  std::filesystem::rename("Sprache.txt", "sprache.qeb");
  // Line 2 of the file is the letter.
  std::ifstream in("sprache.qeb", std::ios::binary);
  std::string all((std::istreambuf_iterator<char>(in)), {});
  const auto l1 = all.find("\r\n");
  const auto l2 = all.find("\r\n", l1 + 2);
  all.replace(l1 + 2, l2 - l1 - 2, "E");
  std::ofstream("sprache.qeb", std::ios::binary) << all;
  Sprache.clear();
  Form3->Button3Click();
  EXPECT_EQ(Sprache, "E");
  EXPECT_EQ(Form3->ButtonBeenden->text().toStdString(), LanguageText(13, "E"));
}

TEST_F(StartDialog, NewProjectShowsTheInputWindowWithoutCloseBox) {
  ScriptedInteraction ui;
  Form3->show();
  Form3->ButtonNeuClick();
  EXPECT_TRUE(Form1->isVisible());
  EXPECT_FALSE(Form3->isVisible());
  EXPECT_FALSE(DateiGewaehlt);
  EXPECT_FALSE(Form1->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(Form1->Sondenfeld2->isHidden());
  Form1->SetCloseBoxGreyed(false);
  EXPECT_TRUE(Form1->windowFlags() & Qt::WindowCloseButtonHint);
  Form1->hide();
}

// The desktop still draws the greyed close box (and Alt+F4 still works): its
// close request asks the quit question of "Schliessen" in the language in
// force; No keeps the window, Yes ends the program as "Schliessen" does.
TEST_F(StartDialog, TheDesktopsCloseRequestAsksTheQuitQuestionOfSchliessen) {
  // The window manager's request as the platform hands it to the window:
  // a spontaneous close event, which the window passes on to its widget.
  auto schliessfeld = [] {
    QCloseEvent ev;
    QSpontaneKeyEvent::setSpontaneous(&ev);
    static_cast<QObject*>(Form1->windowHandle())->event(&ev);
  };
  Sprache = "D";
  SetLanguage(Sprache);
  ScriptedInteraction ui;
  Form3->show();
  Form3->ButtonNeuClick();
  ASSERT_TRUE(Form1->isVisible());
  ui.AnswerAsk(kNein);
  schliessfeld();
  ASSERT_EQ(ui.Texts("ask").size(), 1u);
  EXPECT_EQ(ui.Texts("ask")[0], "Wollen Sie das Programm QEB beenden?");
  EXPECT_TRUE(Form1->isVisible());
  EXPECT_FALSE(Form3->isVisible());

  // "Projekt laden" (cancelled), then English: Yes ends the program.
  Form1->hide();
  Form3->show();
  ui.AnswerFile("");
  Form3->Button6Click();
  ASSERT_TRUE(Form1->isVisible());
  Sprache = "E";
  SetLanguage(Sprache);
  ui.Clear();
  ui.AnswerAsk(kJa);
  bool quit = false;
  const auto verbindung = QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&] { quit = true; });
  QTimer::singleShot(0, schliessfeld);
  QTimer::singleShot(2000, [] { QCoreApplication::exit(1); });  // a guard, never reached
  EXPECT_EQ(QApplication::exec(), 0);
  QObject::disconnect(verbindung);
  EXPECT_TRUE(ui.AllAnswersUsed());
  ASSERT_EQ(ui.Texts("ask").size(), 1u);
  EXPECT_EQ(ui.Texts("ask")[0], "Exit the program QEB ?");
  EXPECT_TRUE(quit);
  EXPECT_FALSE(Form1->isVisible());
  EXPECT_FALSE(Form3->isVisible());
  Sprache = "D";
  SetLanguage(Sprache);
}

// "Info" from the start dialog is not modal; the main menu shows it modally.
TEST_F(StartDialog, AboutBoxIsModelessFromTheStartDialog) {
  Form3->Info();
  EXPECT_TRUE(Form2->isVisible());
  EXPECT_FALSE(Form2->isModal());
  EXPECT_EQ(Form2->Label2->text().toStdString(), "Version 5.6, Apr 2025");
  ScriptedInteraction ui;
  Form2->Button3Click();
  ASSERT_EQ(ui.Texts("shell").size(), 1u);
  EXPECT_EQ(ui.Texts("shell")[0].rfind("MAILTO:", 0), 0u);
  Form2->Button1Click();
  EXPECT_FALSE(Form2->isVisible());
}

// "Beenden" removes exactly the scratch files and ends the event loop.
TEST_F(StartDialog, EndRemovesExactlyTheScratchFilesAndQuits) {
  for (const char* f : {"plan.qeb", "Bsp1.qeb", "Bsp3.qeb", "Bsp10.qeb", "temp.bmp", "Bsp.qeb", "Ausgabe.qeb"})
    Touch(f);
  bool quit = false;
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&] { quit = true; });
  QTimer::singleShot(0, [] { Form3->ButtonBeendenClick(); });
  QTimer::singleShot(2000, [] { QCoreApplication::exit(1); });  // a guard, never reached
  const int rc = QApplication::exec();
  EXPECT_EQ(rc, 0);
  EXPECT_TRUE(quit);
  for (const char* f : {"plan.qeb", "Bsp1.qeb", "Bsp3.qeb", "Bsp10.qeb", "temp.bmp"})
    EXPECT_FALSE(std::filesystem::exists(f)) << f;
  for (const char* f : {"Bsp.qeb", "Ausgabe.qeb"}) {
    EXPECT_TRUE(std::filesystem::exists(f)) << f;
    std::filesystem::remove(f);
  }
}

}  // namespace
}  // namespace qeb
