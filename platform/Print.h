// Printing. A document goes to the desktop's printer through its print dialog
// where the desktop has a printer; where it has none (a bare machine, CI), a
// save dialog asks for a PDF file and the pages are rendered into that file.
// Either way the caller draws its pages with a QPainter on the printer it is
// handed and lays them out from the page size, never from screen pixels.
#pragma once

#include <functional>
#include <memory>
#include <string>

class QPainter;
class QPrinter;

namespace qeb {

// Which dialog the command shows where a printer exists: the print dialog
// (pages, copies) or the printer set-up dialog. Both pick the printer.
enum class PrintDialogKind { Print, Setup };

// Opens a printer for one document titled `title` (A4, high resolution):
// the print dialog where a printer exists, else a save dialog for a PDF file
// ("PDF (*.pdf)", starting in `dir`, suggested "<title>.pdf"; ".pdf" is added
// when the name has no suffix). nullptr when the user cancelled.
std::unique_ptr<QPrinter> OpenPrinter(const std::string& title, PrintDialogKind kind = PrintDialogKind::Print,
                                      const std::string& dir = std::string());

// Opens a printer as above and runs `draw` with a painter that is active on it.
// Returns false when the user cancelled (nothing printed) or the printer could
// not be started; a printer that cannot be started is said through Message.
bool PrintDocument(const std::string& title, const std::function<void(QPainter&, QPrinter&)>& draw,
                   PrintDialogKind kind = PrintDialogKind::Print, const std::string& dir = std::string());

// Whether the desktop has a printer. Tests pin it: 0 none, 1 one, -1 the real answer.
bool HasPrinter();
void SetPrinterOverride(int hasPrinter);

}  // namespace qeb
