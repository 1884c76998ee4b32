#include "platform/Print.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/Platform.h"

namespace qeb {
namespace {
int g_printerOverride = -1;
}  // namespace

bool HasPrinter() {
  if (g_printerOverride >= 0) return g_printerOverride != 0;
  return !QPrinterInfo::availablePrinterNames().isEmpty();
}
void SetPrinterOverride(int hasPrinter) { g_printerOverride = hasPrinter; }

std::unique_ptr<QPrinter> OpenPrinter(const std::string& title, PrintDialogKind kind, const std::string& dir) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setPageOrientation(QPageLayout::Portrait);
  printer->setDocName(QString::fromUtf8(title.c_str()));
  if (HasPrinter()) {
    if (!UI().PrintDialog(*printer, kind == PrintDialogKind::Setup)) return nullptr;
    return printer;
  }
  std::string file = UI().SaveFileName("PDF (*.pdf)", dir, title + ".pdf");
  if (file.empty()) return nullptr;
  if (QFileInfo(QString::fromUtf8(file.c_str())).suffix().isEmpty()) file += ".pdf";
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(QString::fromUtf8(file.c_str()));
  return printer;
}

bool PrintDocument(const std::string& title, const std::function<void(QPainter&, QPrinter&)>& draw,
                   PrintDialogKind kind, const std::string& dir) {
  std::unique_ptr<QPrinter> printer = OpenPrinter(title, kind, dir);
  if (!printer) return false;
  QPainter painter;
  if (!painter.begin(printer.get())) {
    const std::string where = printer->outputFileName().isEmpty()
                                  ? printer->printerName().toUtf8().toStdString()
                                  : printer->outputFileName().toUtf8().toStdString();
    Message(" Drucken nicht möglich  /  printing failed : " + where);
    return false;
  }
  draw(painter, *printer);
  return painter.end();
}

}  // namespace qeb
