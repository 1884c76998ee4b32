// The field editor "Programm QEB:  Sondenanordnung": a canvas on which the
// engineer places, moves, renumbers and deletes the boreholes of a field and
// its neighbour boreholes with the mouse, measures a known distance to set
// the scale, enters groundwater contour lines, a reference and a site point,
// sees each borehole's long-term g-value in colour, and hands the field to
// the project with "Ende". The field itself lives in the module's globals
// (Zaehler, SondeX, SondeY, Nachbarsonde, Sondenbelastung, Multiplikator).
#pragma once

#include <QImage>
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "input/QEBInput.h"

class QScrollBar;

namespace qeb {

// ---- state the editor shares with the other windows ----
extern bool Nachbarmodus;        // new and double-clicked boreholes become neighbours
extern bool Isohypse1Eingabe;    // the next clicks enter contour line 1
extern bool Isohypse2Eingabe;    // ... contour line 2
extern bool Referenzmodus;       // the next click sets the reference point
extern bool mitReferenzpunkt;    // reference coordinates were entered
extern bool Staomodus;           // the next click sets the site point
extern bool StaoGesetzt;         // a site point was set
extern bool NrGetauscht;         // the last double-click renumbered; no drag or delete until the next click
extern bool KartenZoom;          // a map zoom image or overlay is shown
extern bool Ueberblendung;       // an overlay is shown instead of the plain plan
extern double x_Stao_CH;         // site point in national grid coordinates
extern double y_Stao_CH;
// The site temperature change the module read from the site file, K (the
// module's TStandort50 under the editor's name).
extern double& StaoTemperaturaenderung;
extern int Auswertejahre;        // years of the evaluation's second pass
extern int Ergebnismarker;       // marker radius of the full redraw while results are shown
extern double Grundmassstab;     // scale of map zoom step 0, m per pixel

// ---- the editor's own state ----
extern bool NeueSonde;           // the last click hit no borehole
extern int AktiveSonde;          // the borehole hit last
extern int Punktzaehler;         // clicks so far of a two-point entry
extern double Messpunkt1[2];     // points of a two-point entry, m
extern double Messpunkt2[2];
extern double Messdistanz;       // measured distance at the current scale, m
extern double Solldistanz;       // true distance typed by the user, m
extern double Skalierfaktor;     // last scale correction
extern bool Messmodus;           // clicks measure
extern bool PlanVerschieben;     // clicks grab the plan
extern bool PlanZiehen;          // the plan is being dragged
extern int PlanLinks, PlanOben;  // top-left corner of the plan image, px
extern bool Nummernmodus;        // renumbering mode
extern bool KompaktModus;        // small markers, no labels, hit test within 4 m
extern bool Schnellstart;        // the middle-click quick start is under way
extern bool PlanAktiv;           // a plan is shown behind the field
extern bool Ergebnisanzeige;     // the per-borehole result texts are shown
extern int Gitterweite;          // grid step, m
extern bool Schrittgitter;       // only the lines of the grid step are drawn
extern double FeldGMin, FeldGMax;  // range of the boreholes' long-term g-values
extern bool SteuerelementeSichtbar;
extern double PlanFaktor;

// ---- the background plan ----
extern QImage PlanBild;          // the plan drawn behind the field at (Posx, Posy)
extern bool PlanGeaendert;       // the plan was loaded or changed and is saved when fixed
extern double Streckfaktor;      // stretch of the plan under work (scroll position / 50)
extern int PlanGriffX, PlanGriffY;  // where the plan was grabbed, relative to its corner
extern int Helligkeit;           // cumulative brightness offset of the plan, steps of 5
extern int KartenZoomStufe;      // zoom step of the project's map file
extern double FarbSkala;         // full-scale temperature change of the colour map, K
// A plan picture larger than this on either side is refused (memory).
inline constexpr int kMaxPlanSeite = 16384;
// The scratch files of the plan, in the current directory.
inline constexpr const char* kPlanDatei = "plan.qeb";
inline constexpr const char* kPlanArbeitskopie = "temp.bmp";
// The picture enlarged (or reduced, negative) by the percentage; a null
// picture when the result would be empty or larger than kMaxPlanSeite.
QImage BildSkalieren(const QImage& bild, int prozent);
int MaxWert(int a, int b);
int MinWert(int a, int b);
// The field's g-value for the graph year, the lengths read from the project window.
double FeldTemperatur();

// The scale the editor starts with and falls back to (m per pixel).
inline constexpr double kStandardMassstab = 0.05;
// The scales an engineer can draw at (m per pixel): a tenth of a millimetre
// to a kilometre a pixel. Beyond them the grid and the boreholes collapse
// into a pixel or spread past every screen.
inline constexpr double kKleinsterMassstab = 1.0e-4;
inline constexpr double kGroessterMassstab = 1.0e3;
// Why a scale (m per pixel) cannot be taken: empty when it is a positive
// number within the module's range for the multiplier and within the
// scales the editor draws.
std::string MassstabFehler(double massstab);
inline constexpr const char* kKeineEigeneSonde =
    " Keine eigene Sonde im Feld, keine Karte  /  no borehole of the plant in the field, no map ";
// The field in the shared state becomes the project's borehole
// configuration as "Ende" hands it over (own and neighbour counts, field
// type, g-values, the input window's controls); false when the module
// refused the g-values (the message was shown).
bool FeldUebergeben();
// The same for a field that did not come through the editor (an import):
// the field counts as drawn and the g-function is switched on, as opening
// the editor does, then it is handed over.
bool FeldInKraftSetzen();

// Sets the editor's state to its values at program start.
void FeldeditorInitialisieren();

class TFeld;

// The canvas: a persistent picture the editor draws on; pixel (0,0) is the
// editor's origin and the mouse reaches the editor in its coordinates.
class FeldZeichenflaeche : public QWidget {
  Q_OBJECT

 public:
  explicit FeldZeichenflaeche(TFeld* feld);
  QImage Bild;
  // Makes the picture at least as large as the canvas, keeping what it shows.
  void BildAnpassen();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  TFeld* feld_;
};

class TFeld : public QWidget {
  Q_OBJECT

 public:
  explicit TFeld(QWidget* parent = nullptr);
#define QEB_TABLE_FILE "field/Sondenfeld_controls.inc"
#include "widgets/WindowMembers.inc"
#undef QEB_TABLE_FILE
  static const FormTables& Tables();
  FeldZeichenflaeche* Zeichenflaeche = nullptr;
  QScrollBar* ScrollBar1 = nullptr;
  bool KopieAusstehend = false;  // a copy through "Copy" for the project picture is under way

  // Pixel of a position in metres at the current scale.
  int Px(double m) const;
  // The borehole under a pixel, 0 when none (the highest number wins).
  int Treffer(int X, int Y) const;

 public slots:
  // ---- mouse (X, Y in canvas pixels) ----
  void FormMouseDown(Qt::MouseButton Button, Qt::MouseButtons Shift, int X, int Y, bool Doppelklick = false);
  void FormMouseMove(Qt::MouseButtons Shift, int X, int Y);
  void FormMouseUp(Qt::MouseButton Button, Qt::MouseButtons Shift, int X, int Y);
  // ---- mode buttons ----
  void MessenClick();
  void Wasser1Click();
  void Wasser2Click();
  void KoordinatenClick();
  void StaoClick();
  void NachbarClick();
  void Nachbar1Click();
  void Button31Click();
  void NeuClick();
  void ESondeNrChange();
  // ---- drawing, evaluation and grids ----
  void Gitter();
  void Button4Click();
  void Button2Click();
  void Button3Click();
  void Button19Click();
  void Button16Click();
  void Button13Click();
  void Button14Click();
  void Button17Click();
  void Button18Click();
  void Button21Click();
  void Button22Click();
  void Button23Click();
  void Year_of_graphClick();
  void EYear_GrafikKeyPress(int key);
  void Button15Click();
  // Clears the canvas to the button face.
  void Refresh();
  // ---- hand-over to the project ----
  void Button1Click();
  void FormButton1Click();
  // ---- background plan ----
  void ClipClick();
  void Button5Click();
  void Button6Click();
  void Button7Click();
  void Button8Click();
  void Button10Click();
  void Button11Click();
  void Scroll();
  void PlanklClick();
  void PlanklClickgr();
  void FarbClick();
  void Farb2Click();
  void Button60Click();
  void Button61Click();
  // ---- colour map ----
  void Farb9Click();
  void Farb4Click();
  void Farb8Click();
  void Farb0Click();
  void Farb5Click();
  void Farb6Click();
  void Farb7Click();
  void Farb3Click();
  void PlanClick();
  // ---- presentation and cross-fade ----
  void ScreClick();
  void Copy0Click();
  void CheckBox1Click();
  void FormAusblenden();
  void BlendClick();
  void Blend1Click();
  void FormPaint() {}

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  friend class FeldZeichenflaeche;
  void Scheibe(QPainter& p, int x, int y, int r) const;
  void SondeMalen(QPainter& p, int i, int r) const;
  QRect Beschriftung(QPainter& p, const QString& text, int X, int Y, const QColor& grund) const;
  QString SondenText(int n, double x, double y) const;
  void Rasterlinien(QPainter& p, bool mausVariante) const;
  void FeldNeuZeichnen();  // grid and boreholes as after a mouse release
  void Konturlinien(QPainter& p) const;
  void Messpunkte(QPainter& p) const;
  void Schnellstarten();
  void SondeLoeschen(int k);
  void Rastertaste(int weite, bool schritt, bool kompakt, int marker, int treffer, QPushButton* anzeige);
  // Brings the project's field values up to date and computes each
  // borehole's long-term g-value; false when the module refused.
  bool Auswerten();
  void Auswertungsbild();
  // Puts a scale that is no positive number back to the default and keeps
  // the borehole count within the tables.
  void FeldPruefen();
  QColor Knopfflaeche() const;
  // Takes a picture as the new plan under work (file or clipboard).
  void PlanNehmen(const QImage& bild);
  // Reads "plan.qeb" from the current directory, else from Planverzeichnis.
  QImage PlanLaden() const;
  // The plan from the work copy stretched by the factor, saved as "plan.qeb".
  void Groesse_aendern(double faktor);
  void Helligkeitsschritt(int richtung);
  void Kartenzoom(int schritt);
  void Skalenknopf(double skala);
  void JahrUebernehmen();
  // Hides the listed controls (saving their visibility) or gives it back.
  void AlleAusblenden(bool verstecken);
  void Bildschirmkopie();
  std::vector<std::pair<QWidget*, bool>> SichtbarGespeichert;
  bool auswertungFehler_ = false;
};

extern TFeld* Feld;

}  // namespace qeb
