// The printed report: the main two-page report of the project with its
// inputs, results, SIA 384/6 line and graphs, and the one-page reports of the
// course window and of the graph window. The three share one block of result
// lines, kept as one table of rows and painted by one routine.
#pragma once

#include <QCursor>
#include <QGuiApplication>
#include <QString>
#include <string>
#include <vector>

class QPainter;

namespace qeb {

// Which reports print a row of the result block.
enum BerichtArt : int { kHauptbericht = 1, kVerlaufbericht = 2, kGrafikbericht = 4, kFensterberichte = 6, kAlle = 7 };

// One printed line: at (x W, y H), printed by the reports in `berichte` when
// `bedingung` holds (nullptr: always); the text is text number `text` of the
// report's language (or `festtext` when `text` is 0), then `trenner`, the value
// and the unit.
struct Berichtszeile {
  double x, y;
  int berichte;
  bool (*bedingung)();
  int text;
  const char* festtext;
  const char* trenner;
  QString (*wert)();
  const char* einheit;
};
const std::vector<Berichtszeile>& Berichtszeilen();
// The line a row prints.
QString Zeilentext(const Berichtszeile& z);
// Paints every row of the table that report `art` prints, on a page W x H.
void ErgebnisblockDrucken(QPainter& p, double W, double H, int art);

// Text n in the report's language: the table of the letter "D", "E", "F",
// "I" or "S"; German for any other letter.
QString BerichtText(int n);
// The identification line of the program at the foot of every page.
QString Kennzeile();
// The main window's title edits into Projekttitel1..4.
void TitelAusEingaben();

// The hourglass while a report prints.
class Sanduhr {
 public:
  Sanduhr() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
  ~Sanduhr() { QGuiApplication::restoreOverrideCursor(); }
  Sanduhr(const Sanduhr&) = delete;
  Sanduhr& operator=(const Sanduhr&) = delete;
};

class TForm1;
// Binds the main window's report commands and result-window buttons.
void ConnectReportHandlers(TForm1* f);

// The three reports; each is false when nothing was printed.
bool BerichtDrucken();
bool VerlaufBerichtDrucken();
bool GrafikBerichtDrucken();

}  // namespace qeb
