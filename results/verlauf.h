// The multi-year course window "Verlauf": the fluid temperatures of every
// simulated year and of the last year in ten graphs, drawn into an off-screen
// picture that the window shows, the clipboard takes and the reports print.
#pragma once

#include <QImage>
#include <QWidget>

#include "input/QEBInput.h"

namespace qeb {

// The x axis is the twelve months of the last year.
extern bool VerlaufLetztesJahr;
// The daily minima and maxima of the last year are drawn.
extern bool TagesMinMax;
// Mode flags of the graph.
extern bool ModusJahresMinMax, ModusMin, ModusMax, ModusMittel, ModusBrine, ModusBrineMittel;
// Daily TSink minima and maxima of the last year, days 1..365.
extern double TSinkMinTag[366];
extern double TSinkMaxTag[366];
// The course graph as last drawn (1011 x 704 pixels).
extern QImage VerlaufBitmap;
inline constexpr int VerlaufBreite = 1264;
inline constexpr int VerlaufHoehe = 880;

// The unit's start-up values of the mode flags.
void VerlaufInit();
// Temperature range of the graphs from the yearly extremes of `n` years:
// multiples of 10 around them; -10..20 when there is no finite range.
void VerlaufSkala(int n, double& ymin, double& ymax);
// Pixel of a horizontal fraction, and of a vertical fraction counted upwards.
int VerlaufXKoord(double v);
int VerlaufYKoord(double v);
// Fills TSinkMinTag and TSinkMaxTag from the hourly series of the last year.
void TagesstatistikBerechnen();

class TForm9 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm9(QWidget* parent = nullptr);
#define QEB_TABLE_FILE "results/verlauf_controls.inc"
#include "widgets/WindowMembers.inc"
#undef QEB_TABLE_FILE
  static const FormTables& Tables();

 public slots:
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Button6Click();
  void Button7Click();
  void Button8Click();
  void Button9Click();
  void Button10Click();
  void CopyClick();
  void DruckenClick();
  void Form9SchliessenClick();
  // Draws the graph of the current mode into VerlaufBitmap.
  void ZeichneGfunc();
  // After a language switch: the course on screen is drawn again in its mode,
  // so its captions read in the new language.
  void BildInSprache();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void Modus(bool jahresMinMax, bool min, bool max, bool mittel, bool brine, bool brineMittel);
  void Zeigen();
  QWidget* bild_ = nullptr;
};

extern TForm9* Form9;

}  // namespace qeb
