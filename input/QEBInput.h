// The project input window "Eingabedaten QEB": every project input in its
// controls, copied into the shared state before every calculation, save and
// print (EingabenUebernehmen) and back after every load and calculation
// (EingabenAnzeigen).
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPixmap>
#include <QPushButton>
#include <array>
#include <map>
#include <string>

#include "widgets/Controls.h"

class QTabWidget;
class QAction;

namespace qeb {

// ---- window-side shared state owned by this unit ----
// Position (1-based) of the first bad character of the last text-to-number
// conversion of any window; 0 when the whole text was a number.
extern int Fehlercode;
// Ground rows are the probe's equal segments (item 0 of Egleichmaessig).
extern bool SchichtenGleichmaessig;
extern double TSinkKopie;
extern double tsJahre;        // characteristic time H²/(9a) of the ground, years
extern double SummeSpeicherverluste;
extern double WWDeckung;
extern double GW_Flaeche[4];  // groundwater cross-sections of layers 1..3, m²
extern double Darcy[4];       // Darcy velocities of layers 1..3, m/s
extern double Richtung[5];    // groundwater flow direction values of the last display
extern bool Tageslastprofil;
// Monthly shares of the annual heating, cooling and free-cooling energies
// (without the band loads), months 1..12: an annual value is spread by them.
extern double (&AnteilHeizung)[13];
extern double AnteilKuehlung[13];
extern double AnteilFreecooling[13];
extern double SpezEntzugLeistung;  // specific extraction power at full load, W/m
extern double SpezEntzugEnergie;   // specific annual extraction energy, kWh/m
// Days of month m of the model year (February 28); `sonst` for a month above 12.
int TageImMonat(int m, int sonst);
extern bool TRTAusgewertet;
extern double AnzahlSondenKreis[4];  // probe counts of the three circuits
extern double DruckSondeKreis[4];    // pressure drops shown per circuit, Pa
extern double DruckZulKreis[4];
extern double ReynoldsKreis[4];
extern bool Laminar2;
extern bool Laminar3;
extern bool Freecool_Max;
extern double Hoehe1;            // site altitude on the info tab, m
extern bool& TRTOhneNachlauf;  // the module's TRTOption under the window's name
extern bool SommerRegeneration;
extern double BHgfunction;       // B/H of the chosen g-function layout
extern double SummeGraedigkeit;
extern int AnzahlGraedigkeit;
// Screen size stored once at start; the window scale level (zoom).
extern int ScreenWidthAtStart;
extern int ScreenHeightAtStart;
extern int WindowScaleLevel;
// The user's Print-key setting found at start; -1 when the value did not exist.
extern int DruckTasteAlt;
extern bool LogoGeladen;
extern bool DateiGewaehlt;  // the start dialog's "Projekt laden": open a project when shown
extern bool ProjektBeimZeigenOeffnen;  // that opening is still to come (once)
extern bool SystemProjektGelesen;  // the project read last simulates a system
extern bool BeispielWirdGeladen;   // an example project is being loaded
extern std::string Programmverzeichnis;

// A control the tables name but the window lacks is a build fault, not a user's.
void RequireControl(const void* p, const char* name);

// Control kinds as the tables name them.
using CtlType_Edit = QLineEdit;
using CtlType_Label = QLabel;
using CtlType_Radio = RadioGroup;
using CtlType_Combo = QComboBox;
using CtlType_Check = QCheckBox;
using CtlType_Button = QPushButton;

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);

  // Every control of the window, by its name.
#define QEB_TABLE_FILE "input/QEBInput_controls.inc"
#define QEB_MENU_FILE "input/QEBInput_menus.inc"
#define QEB_TAB_MEMBERS
#include "widgets/WindowMembers.inc"
#undef QEB_TABLE_FILE
#undef QEB_MENU_FILE
#undef QEB_TAB_MEMBERS
  QTabWidget* PageControl1 = nullptr;

  QPixmap Logobild;
  // One-shot flags: the first soil-list refresh skips the language refresh.
  bool SkipPulldownRefresh = false;
  bool SkipPulldownRefresh2 = false;

  static const FormTables& Tables();

 public slots:
  // Transfer between the controls and the shared state.
  void EingabenUebernehmen();
  void SchichtenUebernehmen();
  void RaGrenzeMelden();
  void EingabenAnzeigen();
  void EingabenAnzeigenDurchgang();

  // Language menu (input/QEBInput_language.cpp).
  void Deutsch1Click();
  void Englisch1Click();
  void Franzsisch1Click();
  void Italienisch1Click();
  void Spanisch1Click();
  void Sprachfileschreiben1Click();
  // Grows the window so the widest tab needs no horizontal scroll bar.
  void BreiteAnTexteAnpassen();

  // Visibility of input groups.
  void KuehlspitzeZeigen();
  void KuehlspitzeClick();
  void MitteltemperaturZeigen(bool& flag);
  void FuellungZeilenZeigen();
  void SchichtenZeilenZeigen();
  void TemperaturprofilZeigen();
  void ResultatZeilenZeigen();

  // Lifecycle.
  void Kreate();
  void Zeigen();
  void Zu();
  void Schliessen();
  void Beenden3Click();
  // The close box of the title bar: greyed while the start dialog is hidden,
  // so the window is left through its own "Schliessen" (a close request the
  // desktop still sends asks the question of "Schliessen").
  void SetCloseBoxGreyed(bool greyed);

  // The load and heat-pump chain (QEBInput_loads.cpp).
  void ELastyearChange();
  void ELastyear2Change();
  void EJahresheizlastChange();
  void EHeizlast1Change();
  void EHeizleistung_VollastChange();
  void ECOP_VolllastChange();
  void EDeltaVerdampferChange();
  void EAuslegungsentzugChange();
  void EAuslegungsmassenstromChange();
  void EQSpitzeFebChange();
  void ETSinkChange();
  void ETSink1Change();
  void ETSink2Change();
  void AnteileAusMonatswerten();
  void SpezifischenEntzugZeigen();

  // Opening a project.
  void ToolButtonOeffnenClick();
  // Reads the project file into the shared state and shows it; a file the
  // module refuses leaves the project as it was (one message, false).
  bool Einlesen(const std::string& fileName);
  // Before a command replaces the project on screen: asks "Speichern?" when
  // it holds unsaved changes and saves on Yes. False when that save was
  // cancelled or failed (the project stays).
  bool VorErsetzenSpeichern();

  // The second load profile's tab.
  void Lastprofil1Click();

  // The SIA 384/6 requirement class picked in its combo box (R1..R4).
  void SIA_Grenzwert1Change();
  // ---- Response test, imports and examples (QEBInput_trt*.cpp,
  // QEBInput_import.cpp, shell/Exp.cpp; bound by ConnectTRTHandlers).
  void TRTClick();
  bool TRTDateiAuswerten(const std::string& datei);
  void ETRTClick();
  void ETRT4Click();
  void ETRT_AutoClick();
  void ELaengeChange();
  void EMitteltemChange();
  void TRTFileClick();
  void WetterdatenMeteonorm1Click();
  void Messwerteeinlesen1Click();
  void keineMesswerteeinlesen1Click();
  void TempFile1Click();
  void TempFile2Click();
  void TempFile3Click();
  void Beispiele1Click();
  void Beispiel11Click();
  void Beispiel21Click();
  void Beispiel31Click();
  void Beispiel41Click();
  void Beispiel51Click();
  void Beispiel61Click();
  void Beispiel71Click();
  void Beispiel81Click();
  void Beispiel91Click();
  void Beispiel101Click();
  void EBspNrChange();
  // ---- end of response test, imports and examples

  // ---- Calculation, saving and pressure drop (QEBInput_calc.cpp,
  // QEBInput_save.cpp, QEBInput_pressure.cpp; bound by ConnectCalculationHandlers).
  // The commands that run a calculation say whether it ran to its end.
  bool Button14Click();
  bool StartGrafik();
  void Button10Click();
  void Button3Click();
  void WPdirekt_oeffnen();
  // The heat pump dialog (input/WP1.cpp).
  void WP_oeffnen();
  // The ventilation schedule dialog (input/Fahrplan.cpp).
  void Lftungsfahrplan1Click();
  void ResultatClick();
  void ResultateClick();
  void Eingaben();
  void Schreiben(const std::string& fileName);
  bool Rechnen();
  bool ToolButtonSpeichernClick();
  void Button1Click();
  void Button9Click();
  // ---- end of calculation, saving and pressure drop

  // ---- Report and result windows (QEBInput_report.cpp, bound by ConnectReportHandlers).
  // The two-page report; false when nothing was printed.
  bool ToolButtonDruckenClick();
  void GrafikSimulationsdauer1Click();
  // Opens the course window (the button of that name serves the response-test file).
  void Button12Click();
  void Button20Click();

  // Routines other units fill in; here they keep the window consistent.
  void SchichtdatenAnzeigen();
  void SchichttiefenAnzeigen();
  void PulldownErde();
  void SwqebDatenEinlesen();
  void AussentempRampe();

  // Ground tab and catalogues (QEBInput_ground.cpp, QEBInput_catalog.cpp)
  void SchichtwiderstaendeAnzeigen();
  void ErdauswahlUebernehmen(int k, int m);
  void CErdauswahl1Change();
  void CErdauswahl2Change();
  void CErdauswahl3Change();
  void CErdauswahl4Change();
  void CErdauswahl5Change();
  void CErdauswahl6Change();
  void CErdauswahl7Change();
  void CErdauswahl8Change();
  void CErdauswahl9Change();
  void CErdauswahl10Change();
  void EhomogenClick();
  void ELambdaErdChange();
  void ErhoErdChange();
  void ECperdChange();
  void ELambdaFillChange();
  void ErhoFillChange();
  void EcpFillChange();
  void EFillVariabelClick();
  void ELambdaerde1Change();
  void ELambdaFill1Change();
  void ELambdaeff1Change();
  void ESchicht2Change();
  void ESchicht3Change();
  void ESchicht4Change();
  void ESchicht5Change();
  void ESchicht6Change();
  void ESchicht7Change();
  void ESchicht8Change();
  void ESchicht9Change();
  void ESchicht10Change();
  void CheckSondenabstand();
  void EinSerie1Change();
  void WahlSondendurchmesserChange();
  void ComboFluidChange();
  void CKollektorwahlChange();
  void GfunctionVorgabe();
  void Wahlgfunction();
  // End of ground tab and catalogues

  // The g-function window and the field editor (QEBInput_field.cpp).
  void Button8Click();
  void Sondenfeld1Click();

  // ---- Probe, grid and design flow (QEBInput_probe.cpp) ----
  void EAnzahlSondenChange();
  void ESondenlaengeChange();
  void ESondenabstandChange();
  void ESondendurchmesserChange();
  void EDimRadChange();
  void EDimAxiChange2();
  void ELaufzeit1Change();
  void Widerstand();
  void ECOP_WWChange();
  // Monthly run times as energies or hours, load options (QEBInput_probe.cpp).
  void EDurchschnittClick();
  void EFreecoolingClick();
  void EFreecooling2Click();
  void EAufteilungClick();
  void EFeld1Click();

  // ---- Calculation method options (QEBInput_method.cpp) ----
  void SprungantwortSchritte();
  void ESprungantwortClick();
  void DauerSprungantwortClick();
  void EgfunctionClick();
  void EgEingabeClick();
  void Eg_SondenabstandChange();
  void EKoaxialSondeClick();
  void EStationaerClick();
  void EAnfahrfileSchreibenClick();
  void EHellstroemClick();
  void EHellClick();
  void EBuChange();
  void ECpSoleChange();
  void EFreecool1Change();
  void InputFileErzeugenClick();
  void InputFileErzeugen2Click();
  void Ealpha_pro_SchrittClick();
  void EgleichmaessigClick();
  void ELaenge_berechnenClick();

  // ---- Groundwater, temperature profile and site (QEBInput_site.cpp) ----
  void Button13Click();
  void EzSchicht1Change();
  void EHoehChange();
  void Grundwasser1Click();
  void Grundwasser2Click();
  void ELeitfaehigkeit1Change();
  void ELeitfaehigkeit2Change();
  void ELeitfaehigkeit3Change();
  void EHydrDruckgradientClick();
  void EGrundwasserClick();
  void ETempProfilClick();
  void ETProfil1Change();
  void TemProfilClick();
  void TemperaturgradientClick();
  void UebernehmClick();
  void Button16Click();
  void Aus_StandorthoeheClick();

  // ---- Collectors, outdoor-air exchanger and weather (QEBInput_collector.cpp) ----
  void Button15Click();
  void Rckkhler1Click();
  void AussenluftTauscheraus1Click();
  void Kollektoren1Click();
  void WetterdatenClick();
  void ESolarClick();
  void ERueckkuehlerClick();
  void EWWsolarClick();
  void EAzimutChange();
  void EmKuehlChange();
  void EKoll_VerlustfaktClick();
  void EVerlustfakt1Click();
  void EMaxSondenruecklaufChange();
  void SommerRegenerationClick();
  void Freecooling1Click();
  void OffsetWetterdatenClick();
  void OffsetWetterdaten6h1Click();
  void OffsetWetterdaten7h1Click();
  void OffsetWetterdaten8h1Click();
  void OffsetWetterdaten10h1Click();
  void OffsetWetterdaten12h1Click();
  void OffsetWetterdaten15h1Click();
  void KlimadatenAusClick();
  void KlimadatenAus1Click();

  // ---- Menus, navigation and display flags (QEBInput_menus.cpp) ----
  void ESondengrafikClick();
  void HorizontalrohrClick();
  void Zoom2Click();
  void Zoom3Click();
  void Kopieren1Click();
  void Einfgen1Click();
  void Erde1Click();
  void Info2Click();
  void Parameter1Click();
  void Parameter2Click();
  void Simulation1Click();
  void Rechenparameter1Click();
  void Entzug1Click();
  void DruckClick();
  void PageControl1Change();
  void Durchsatz1Click();
  void Wrmepumpeaus1Click();
  void Einzelsonde1Click();
  void ESondeNrChange();
  void NeuClick();
  void WrmeflussNAGRANTB99081Click();
  void WrmeleitfhigkeitlambdaderMolasse1Click();
  void Tageslastprofil1Click();
  void mKuehlfall1Click();
  void EGlattrohrClick();
  void Horizontalrohr1Click();
  void SondenfeldGrafikjahr1Click();
  void ZoomSondenfeld1Click();
  void Mac1Click();
  void Win101Click();
  void Win11SnippingToolon1Click();
  void Win11SnippingTooloff1Click();
  void Button22Click();
  // ---- end of the handlers of QEBInput_probe/_method/_site/_collector/_menus

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  // Reads an edit the way the transfer does (the parse position goes to Fehlercode).
  double R(const QLineEdit* e) const;
  int I(const QLineEdit* e) const;
  bool C(const RadioGroup* r) const { return r->itemIndex() == 0; }
  // The load tabs and the design flow follow the load profile in force, so
  // the engineer always sees the inputs the next run uses.
  void LastprofilSeitenZeigen();
  void Show(QLineEdit* e, double v) const;  // with the edit's own decimals
  void ShowInt(QLineEdit* e, long long v) const { e->setText(IntText(v)); }
  void ShowChoice(RadioGroup* r, bool v) const { r->setItemIndex(v ? 0 : 1); }
  // The numbered controls of a table row (ECperde1..ECperde10), index 1..n;
  // found by name once and kept.
  template <class T>
  std::array<T*, 13> Reihe(const char* prefix, int n) {
    std::array<QWidget*, 13>& r = reihen_[prefix];
    if (r[1] == nullptr)
      for (int k = 1; k <= n; ++k) {
        r[k] = findChild<QWidget*>(QString::fromLatin1(prefix) + QString::number(k));
        RequireControl(r[k], prefix);
      }
    std::array<T*, 13> out{};
    for (int k = 1; k <= n; ++k) out[k] = static_cast<T*>(r[k]);
    return out;
  }
  std::map<std::string, std::array<QWidget*, 13>> reihen_;
  // The display guard: while the window fills its controls from the shared
  // state, the change handlers leave the state and the other controls alone.
  bool Anzeigend() const { return anzeige_ > 0; }
  int anzeige_ = 0;
  // Shows a value, except in the edit the user is typing in.
  void Zeige(QLineEdit* e, double v, int decimals);
  void ZeigeInt(QLineEdit* e, long long v);
  void JahreAusEdit(QLineEdit* e);
  void TSinkAusEdit(QLineEdit* e);
  bool raLimitPending_ = false;
  bool inTransfer_ = false;
};

extern TForm1* Form1;
// Binds the ground tab's and the catalogues' handlers to their controls.
void ConnectCatalogHandlers(TForm1* form);
// Binds the response test's, the imports' and the examples' handlers.
void ConnectTRTHandlers(TForm1* form);

// Binds the load and heat-pump chain's handlers to their controls.
void ConnectLoadHandlers(TForm1* form);
// Connects the g-function button and the field editor's menu item.
void ConnectFieldHandlers(TForm1* form);
// Bind the handlers of the probe and load inputs, the method options, the
// site and groundwater inputs, the collectors and weather, and the menus.
void ConnectProbeHandlers(TForm1* form);
void ConnectMethodHandlers(TForm1* form);
void ConnectSiteHandlers(TForm1* form);
void ConnectCollectorHandlers(TForm1* form);
void ConnectMenuHandlers(TForm1* form);
// A project picture was loaded from a file or the clipboard.
extern bool ProjektbildGeladen;
// A screen copy of the field editor was made (it may become the project picture).
extern bool FeldKopieErstellt;

// Connects the language menu items to their handlers (called once by the
// window's constructor).
void ConnectLanguageMenu(TForm1* form);

// Windows-only settings of the Print key; on other systems they do nothing.
bool IstWindows11();
void ProzessBeenden(const std::string& exeName);
void DruckTasteLesen();
void DruckTasteAus();
void DruckTasteSetzen(bool on);
void DruckTasteZurueck();
void SnippingBeenden();

// Scales a window from a design screen size to the current screen.
void FormSkalieren(QWidget* form, int designWidth, int designHeight);
bool Standard96Dpi();

}  // namespace qeb
