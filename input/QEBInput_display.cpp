// Shared state to controls: EingabenAnzeigen.
#include <QAction>
#include <algorithm>
#include <cmath>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "input/QEBInput_handlers.h"
#include "shell/Sprachen.h"
#include "widgets/Typing.h"

namespace qeb {

void TForm1::Show(QLineEdit* e, double v) const {
  const int d = EditDecimals(e);
  e->setText(d >= 0 ? FixedText(v, d) : FixedText(v, 3));
}

void TForm1::EingabenAnzeigen() {
  const bool aussen = !Anzeigend();
  {
    Anzeigedurchgang durchgang(this, anzeige_);
    EingabenAnzeigenDurchgang();
  }
  // What no display step shows follows the state once the pass is done.
  if (aussen) {
    AnteileAusMonatswerten();
    SpezifischenEntzugZeigen();
  }
}

void TForm1::EingabenAnzeigenDurchgang() {
  // 1. Change handlers fired on the way may alter this flag; it is put back below.
  const bool savedUngleichmaessig = ungleichmaessig;

  // 2.
  if (Tageslastprofil) Tageslastprofil1->setVisible(true);

  // 3. resistances, fluid, fill, ground, grid and probe
  Show(ERa, Ra);
  Show(ERb, Rb);
  Show(ERc, Rc);
  Show(ERd, Rd);
  ERbTRT->setText(ERb->text());
  Show(ECpSole, cpSole);
  Show(ErhoSole, rhoSole);
  Show(ELambdaSole, lambdaSole);
  Show(EnueSole, nueSole);
  Show(EcpFill, cpFill);
  Show(ERhoFill, rhoFill);
  Show(ELambdaFill, lambdaFill);
  Show(ECperd, cpErd);
  Show(ErhoErd, rhoErd);
  Show(ELambdaErd, lambdaErd);
  SchichtdatenAnzeigen();
  ShowInt(EDimAxi, DimAxi);
  ShowInt(EDimRad, DimRad);
  ShowInt(EReprandbed, RepRandbed);
  Show(ERechenradius, Rechenradius);
  Show(EGitterfaktor, Gitterfaktor);
  ShowInt(EAnzahlSonden, AnzahlSonden);
  Show(ESondenlaenge, Sondenlaenge);
  Show(ESondendurchmesser, Sondendurchmesser);
  Show(EBohrdurchmesser, Bohrdurchmesser);
  Show(EDicke_Sondenrohr, Dicke_Sondenrohr);
  Show(EDicke_Innenrohr, Dicke_Innenrohr);
  Show(ElambdaInnenrohr, lambdaInnenrohr);
  Show(ElambdaRohr, lambdaRohr);

  // 4. measured values; the import menu offers what the project can do
  // next, also after a project without them replaced one with them.
  keineMesswerteeinlesen1->setVisible(Messung != 0.0);
  Messwerteeinlesen1->setVisible(Messung == 0.0);
  if (Messung != 0.0) {
    for (QWidget* w : {static_cast<QWidget*>(Label407), static_cast<QWidget*>(Label408),
                       static_cast<QWidget*>(Label409), static_cast<QWidget*>(ELastyear1),
                       static_cast<QWidget*>(EStartStundenwerte)})
      w->setHidden(false);
  }

  // 5.
  InputFileErzeugen->setItemIndex(Lasteinlesen ? 1 : 0);
  InputFileErzeugen2->setItemIndex(Lasteinlesen ? 1 : 0);

  // 6. catalogues first on their empty item; they take their rows after the titles
  ComboFluid->setCurrentIndex(0);
  CWahlgfunction->setCurrentIndex(0);
  WahlSondendurchmesser->setCurrentIndex(0);

  Show(EAuslegungsmassenstrom, Auslegungsmassenstrom);
  Show(ETgrad, TGrad);
  Show(EJahresmitteltemp, Jahresmitteltemp);
  Show(EBodenerwaermung, Bodenerwaermung);
  Show(EEinspeisung, Einspeisung);
  Show(ESicherheit1, Sicherheit1);
  Show(ESicherheit2, Sicherheit2);
  ShowInt(EZeitschritt, Zeitschritt);
  ShowChoice(EwriteFile, writefile);
  ShowChoice(ESondengrafik, Sondengrafik);
  ShowChoice(EFrostbegrenzung, Frostbegrenzung);
  Show(EFrostgrenze, Frostgrenze);
  Show(ECOP_Frostgrenze, COP_Frostgrenze);
  ShowInt(EMonitorAxi, MonitorAxi);
  ShowInt(EMonitorRad, MonitorRad);
  ShowInt(Enumrows, numrows);
  ShowChoice(ELeistung, Leistung);
  ShowChoice(EStationaer, stationaer);
  Show(EGenauigkeit, Genauigkeit);
  ShowInt(EStepwrite, StepWrite);
  ShowInt(EStepWrite_TEarth, stepWrite_TEarth);
  ShowChoice(EDruck, Druckberechnung);
  Show(Eg1, g1);
  Show(Eg2, g2);
  Show(Eg3, g3);
  Show(Eg4, g4);
  Show(Eg5, g5);
  ShowChoice(Egfunction, gfunction);
  Show(ESondenabstand, Sondenabstand);
  Show(Eg_Sondenabstand, g_Sondenabstand);
  ShowChoice(EStarttemp, Starttemp);
  ShowInt(ELastyear, LastYear);
  ShowInt(ELastyear2, LastYear);
  ShowInt(ELastyear1, MessungJahre);
  ShowChoice(EAllsteps, Allsteps);
  const auto lz = Reihe<QLineEdit>("ELaufzeit", 12);
  for (int m = 1; m <= 12; ++m) ShowInt(lz[m], Laufzeit[m]);
  Show(EQSpitzeFeb, QSpitzeFeb);
  ShowInt(EDauerLastSpitze, DauerLastSpitze);
  ShowChoice(EKoaxialSonde, KoaxialSonde);
  ShowChoice(EDurchschnitt, Durchschnittsentzug);
  LaufzeitEinheitZeigen(*this);
  Show(EInnenrohrdurchmesser, Innenrohrdurchmesser);
  Show(EAuslegungsentzug, Auslegungsentzug);
  EBeschreibung->setText(FromBytes(Projekttitel1));
  EProjektname->setText(FromBytes(Projekttitel2));
  EErsteller->setText(FromBytes(Projekttitel3));
  EAnmerkungen->setText(FromBytes(Projekttitel4));
  ComboFluid->setCurrentIndex(Fluidtyp);
  // The probe-type catalogue holds the probe type, the g-function list its layout.
  WahlSondendurchmesser->setCurrentIndex(Sondentyp);
  CWahlgfunction->setCurrentIndex(gfuntyp);
  // Items R1..R4 are indexes 0..3.
  SIA_Grenzwert->setCurrentIndex(std::clamp(Anforderung, 1, 4) - 1);
  SIA_Grenzwert1->setText(QStringLiteral("R") + IntText(Anforderung));
  ShowChoice(EAnfahrfileSchreiben, AnfahrfileSchreiben);
  ShowChoice(ESprungantwort, Sprungantwort);
  Show(EQSource, QSource);

  // 7. source temperature
  TSink = TTSink;
  Show(ETSink, TSink);
  Show(ETSink2, TSink);
  Show(ETSink1, TSink);
  Show(ETSink3, TSink3);
  Show(EBu, Bu);
  ShowChoice(EHellstroem, Hellstroem);
  ShowChoice(DauerSprungantwort, Stundensprung);
  EFillVariabel->setItemIndex(FillVariabel ? 1 : 0);
  ShowChoice(Ehomogen, homogen);
  ShowChoice(EFreecooling, Freecooling);
  ShowChoice(EFreecooling2, Freecooling);

  // 8. soil choices
  const auto ea = Reihe<QComboBox>("CErdauswahl", 10);
  for (int i = 1; i <= 10; ++i) ea[i]->setCurrentIndex(0);
  if (Erdauswahl)
    for (int i = 1; i <= 10; ++i) ea[i]->setCurrentIndex(Erdauswahli[i]);

  // 9.
  ShowInt(EDimAxi, DimAxi);
  SchichttiefenAnzeigen();
  Show(EDeltaVerdampfer, DeltaVerdampfer);
  Show(EBHgfunction, BHgfunction);
  ShowChoice(EgEingabe, gEingabe);
  ShowChoice(ETEarth, TEarth);
  ShowChoice(ERueckkuehlung, Rueckkuehlung);
  Show(ECOPRueckkuehlung, COPRueckkuehlung);
  Show(EMinDeckungFreecooling, MinDeckungFreecooling);

  // 10. hydraulic parts: rated flows also as volume flows
  Show(ENenndruckVerdampfer, NenndruckVerdampfer);
  Show(ENenndurchsatzVerdampfer, NenndurchsatzVerdampfer);
  Show(ENenndruckVerteiler, NenndruckVerteiler);
  Show(ENenndurchsatzVerteiler, NenndurchsatzVerteiler);
  Show(ENenndruckMessung, NenndruckMessung);
  Show(ENenndurchsatzMessung, NenndurchsatzMessung);
  Show(EDurchmesserAnschluss, DurchmesserAnschluss);
  Show(ELaengeAnschluss, LaengeAnschluss);
  Show(ENenndruckVentil, NenndruckVentil);
  Show(ENenndurchsatzVentil, NenndurchsatzVentil);
  ShowInt(EAnzahlBogen90, AnzahlBogen90);
  ShowInt(EAnzahlParallel, AnzahlParallel);
  Show(ESondenverlaengerung, Sondenverlaengerung);
  auto volume = [](double kgs) { return rhoSole > 0.0 ? kgs / rhoSole * 3600.0 : 0.0; };
  Show(EDurchsatzVerdampfer, volume(NenndurchsatzVerdampfer));
  Show(EDurchsatzVerteiler, volume(NenndurchsatzVerteiler));
  Show(EDurchsatzMessung, volume(NenndurchsatzMessung));
  Show(EDurchsatzVentil, volume(NenndurchsatzVentil));
  Show(EDruckabfallSonde, AuslegungsDruckabfall_Sondenkreis);
  Show(EDruckabfallSonde1, AuslegungsDruckabfall_Sondenkreis);
  Show(EDruckabfallSonde2, DruckSondeKreis[2]);
  Show(EDruckabfallSonde3, DruckSondeKreis[3]);

  // 11. flow regime
  const QString lam = QString::fromStdString(Beschriftung(976, "laminar")),
                turb = QString::fromStdString(Beschriftung(977, "turbulent"));
  Elaminar->setText(laminar ? lam : turb);
  ELaminar1->setText(laminar ? lam : turb);
  Elaminar2->setText(Laminar2 ? lam : turb);
  Elaminar3->setText(Laminar3 ? lam : turb);

  // 12. monthly loads; the free-cooling sum before the heat-pump values
  const auto hl = Reihe<QLineEdit>("EHeizlast", 12);
  const auto kl = Reihe<QLineEdit>("EKuehllast", 12);
  const auto fc = Reihe<QLineEdit>("EFreecool", 12);
  JahresFreecooling = 0.0;
  for (int m = 1; m <= 12; ++m) {
    Show(hl[m], Heizlast[m]);
    Show(kl[m], Kuehllast[m]);
    Show(fc[m], Freecool[m]);
    JahresFreecooling += Freecool[m];
  }
  Show(ECOP_Volllast, COP_Volllast);
  Show(ECOP_Heizlast, COP_Heizlast);
  Show(ECOP_WW, COP_WW);
  Show(EEER_Kuehllast, EER_Kuehllast);
  Show(EJahresheizlast, Jahresheizlast);
  Show(EJahresKuehllast, Jahreskuehllast);
  Show(EHeizlastWW, HeizlastWW);
  Show(EHeizbandlast, Heizbandlast);
  Show(EKuehlbandlast, Kuehlbandlast);
  Show(EHeizleistung_Vollast, Heizleistung_Vollast);
  Show(EHeizleistung_Teillast, Heizleistung_Teillast);
  Show(EHeizleistung_WW, Heizleistung_WW);
  Show(EKuehlleistung, Kuehlleistung);
  ShowInt(ETageVollast, TageVollast);

  // 13.
  ShowInt(ESondeNr, SondeNr);
  if (SondeNr > 0) {
    ESondeNr->setHidden(false);
    TSonde_Nr->setHidden(false);
  }
  ShowChoice(Lastprofil2erzeugen, Lastprofil2);
  if (Lastprofil2) {
    Kuehlspitze->setVisible(true);
    mKuehlfall1->setVisible(true);
  }
  ShowChoice(Ealpha_pro_Schritt, alpha_pro_Schritt);
  ShowChoice(ELaenge_berechnen, Laenge_berechnen);
  Show(EMinSondentemp, MinSondentemp);
  ShowChoice(ELaenge_im_Feld, Laenge_im_Feld);

  // 14. the ground table's mode as it was found
  ungleichmaessig = savedUngleichmaessig;
  SchichtenGleichmaessig = !ungleichmaessig;
  Egleichmaessig->setItemIndex(SchichtenGleichmaessig ? 0 : 1);
  const auto schicht = Reihe<QLineEdit>("ESchicht", 10);
  for (int i = 1; i <= 10; ++i) Show(schicht[i], Schicht[i]);
  SchichtenZeilenZeigen();

  // 15. groundwater
  ShowChoice(EGrundwasser, Grundwasser);
  const auto tp = Reihe<QLineEdit>("ETProfil", 10);
  const auto zp = Reihe<QLineEdit>("zTProfil", 10);
  for (int i = 1; i <= 10; ++i) {
    Show(tp[i], TProfil[i]);
    Show(zp[i], zTProfil[i]);
  }
  Show(ENiveau, Niveau);
  Show(EIsohypse1, Isohypse1);
  Show(EIsohypse2, Isohypse2);
  Show(EPorositaet1, Porositaet1);
  Show(EPorositaet2, Porositaet2);
  Show(EPorositaet3, Porositaet3);
  EDurchlaessigkeit1->setText(ShortExpText(Durchlaessigkeit1));
  EDurchlaessigkeit2->setText(ShortExpText(Durchlaessigkeit2));
  EDurchlaessigkeit3->setText(ShortExpText(Durchlaessigkeit3));
  Show(EzSchicht1, zSchicht1);
  Show(EzSchicht2, zSchicht2);
  Show(EzSchicht3, zSchicht3);
  Show(EzSchicht4, zSchicht4);
  Show(ETempKellerSommer, TempKellerSommer);
  Show(ETempKellerWinter, TempKellerWinter);
  Show(EUWertKeller, UWertKeller);
  ELeitfaehigkeit1->setCurrentIndex(Leitfaehigkeit1);
  ELeitfaehigkeit2->setCurrentIndex(Leitfaehigkeit2);
  ELeitfaehigkeit3->setCurrentIndex(Leitfaehigkeit3);
  ShowChoice(EHydrDruckgradient, hydrDruckgradient);
  ShowChoice(EGegenstrom, Gegenstrom);
  ShowChoice(EJahreszeiten, Jahreszeiten);
  Show(EAmplitude, Amplitude);
  Show(EPhasenverschiebung, Phasenverschiebung);
  Show(EinSerie, inSerie);
  Show(EinSerie1, inSerie);
  Show(EKellerflaeche, Kellerflaeche);
  // The groundwater values come from the module; a failure there must not end
  // the display half done, so only these fields are skipped.
  try {
    ComputeGroundwaterFlow();
    const double zs[5] = {0.0, zSchicht1, zSchicht2, zSchicht3, zSchicht4};
    const double k[4] = {0.0, Durchlaessigkeit1, Durchlaessigkeit2, Durchlaessigkeit3};
    QLineEdit* fl[4] = {nullptr, E_GW_Flaeche1, E_GW_Flaeche2, E_GW_Flaeche3};
    QLineEdit* da[4] = {nullptr, EDarcy1, EDarcy2, EDarcy3};
    for (int j = 1; j <= 3; ++j) {
      const double a = (zs[j + 1] - zs[j]) * GWFeldbreite;
      const double v = Druckgradient * k[j];
      GW_Flaeche[j] = std::isfinite(a) ? a : 0.0;
      Darcy[j] = std::isfinite(v) ? v : 0.0;
      Show(fl[j], GW_Flaeche[j]);
      da[j]->setText(ShortExpText(Darcy[j]));
    }
  } catch (const CalcError&) {
  }
  Show(EDruckgradient, Druckgradient);
  Show(EMittlerer_Abstand, Mittlerer_Abstand);

  // 16.
  ShowChoice(ETRT, qeb::TRT);
  ShowChoice(EHell, Hell);
  if (qeb::TRT) MitteltemperaturZeigen(qeb::TRT);
  Show(EErdmitteltemp, Erdmitteltemp);
  ShowInt(ETRT_Methode, static_cast<long long>(RoundHalfEven(TRT_Methode)));

  // 17. probe counts and circuit flows
  ShowInt(EAnzahlSonden1, AnzahlSonden);
  ShowInt(EAnzahlSonden2, AnzahlSonden2);
  ShowInt(EAnzahlSonden3, static_cast<long long>(AnzahlSondenKreis[3]));
  Show(EAuslegungsmassenstrom1, Auslegungsmassenstrom);
  Show(EAuslegungsmassenstrom2, Auslegungsmassenstrom);
  Show(EAuslegungsmassenstrom3, Auslegungsmassenstrom3);
  ShowChoice(EAufteilung, Aufteilung);
  AufteilungZeigen(*this);
  Show(EFreecoolleistung, Freecoolleistung);
  Show(EFreecoollast, JahresFreecooling);

  // 18. pressure drop of each hydraulic part at the flow of the first circuit
  auto part = [](double dpRated, double flowRated) {
    return flowRated < 0.0001 ? 0.0 : dpRated / (flowRated * flowRated) * Auslegungsmassenstrom * Auslegungsmassenstrom;
  };
  const double dpV = part(NenndruckVerdampfer, NenndurchsatzVerdampfer);
  const double dpT = part(NenndruckVerteiler, NenndurchsatzVerteiler);
  const double dpM = part(NenndruckMessung, NenndurchsatzMessung);
  const double dpVe = part(NenndruckVentil, NenndurchsatzVentil);
  for (QLineEdit* e : {EpVerdampfer1, EpVerdampfer2, EpVerdampfer3}) Show(e, dpV);
  for (QLineEdit* e : {EpVerteiler1, EpVerteiler2, EpVerteiler3}) Show(e, dpT);
  for (QLineEdit* e : {EpMessung1, EpMessung2, EpMessung3}) Show(e, dpM);
  for (QLineEdit* e : {EpVentil1, EpVentil2, EpVentil3}) Show(e, dpVe);
  QLineEdit* ds[4] = {nullptr, EDruckSonde1, EDruckSonde2, EDruckSonde3};
  QLineEdit* dz[4] = {nullptr, EpZul1, EpZul2, EpZul3};
  QLineEdit* re[4] = {nullptr, ERe11, ERe21, ERe31};
  for (int j = 1; j <= 3; ++j) {
    Show(ds[j], DruckSondeKreis[j]);
    Show(dz[j], DruckZulKreis[j]);
    Show(re[j], ReynoldsKreis[j]);
  }

  // 19. collectors
  ShowChoice(ESolar, solar);
  ShowChoice(Eunverglast, unverglast);
  Show(EKollektor, Kollektor);
  Show(EAbsorber, Absorber);
  Show(Eu, u);
  Show(Eparallel, parallel);
  Show(Eb_u, b_u);
  Show(Eb_1, b_1);
  Show(Eb_2, b_2);
  Show(EEta0, Eta0);
  Show(Ea1, a1);
  Show(Ea2, a2);
  Show(EAzimut, Azimut);
  Show(ENeigung, Neigung);
  if (std::fabs(Neigung - 44.9) < 0.01) {
    for (QWidget* w : {static_cast<QWidget*>(Label308), static_cast<QWidget*>(Label309),
                       static_cast<QWidget*>(Label317), static_cast<QWidget*>(Label318),
                       static_cast<QWidget*>(ENeigung), static_cast<QWidget*>(EAzimut)})
      w->setHidden(true);
  }
  Show(EMaxSondenruecklauf, MaxSondenruecklauf);
  if (solar || mitRueckkuehler) ETSink2->setText(FixedText(MaxSondenruecklauf, 2));
  Show(EmKollektor, mKollektor);
  Show(EzzKollektor, zzKollektor);
  Show(Ecp_Kollektor, cp_Kollektor);
  Show(EAk_Kollektor, Ak_Kollektor);
  ShowChoice(EMeteoStandard, MeteoStandard);
  ShowChoice(EWWsolar, WWsolar);
  ShowChoice(EKoll_Verlustfakt, Koll_Verlustfakt);
  ShowChoice(EVerlustfakt1, Koll_Verlustfakt);
  Show(EWWTauscher, WWTauscher);
  Show(ESolarspeicher, Solarspeicher);
  Show(ESpeicherverluste, Speicherverluste);
  Show(EAk_Fak_WWTauscher, Ak_Fak_WWTauscher);
  Show(EWW_Bedarf, WW_Bedarf);
  ShowChoice(EGeocoax, Geocoax);
  Show(EWWTemperatur, WWTemperatur);
  SummeSpeicherverluste = 0.0;
  for (int h = 1; h <= 8760; ++h) SummeSpeicherverluste += QSpeicherVerlustStunde[h];
  Show(ESP_Verluste, SummeSpeicherverluste);
  if (WWsolar) {
    double sum = 0.0;
    for (int h = 1; h <= 8760; ++h) sum += QwwSolarStunde[h];
    WWDeckung = sum - SummeSpeicherverluste -
                (TSpeicherStunde[8760] - TSpeicherStunde[0]) * 4200.0 / 1000.0 * Solarspeicher / 3600.0;
  }
  Show(EWWDeckung, WWDeckung);
  Show(EVerlustfakt, KollVerlustAnteil * 100.0);
  Show(EGraedigkeit_WT, AnzahlGraedigkeit > 0 ? SummeGraedigkeit / AnzahlGraedigkeit : 0.0);
  Show(EmKuehl, mKuehl);

  // 20. cooling flow
  if (mKuehl > 0.001) {
    Label356->setHidden(false);
    EmKuehl->setHidden(false);
    EDTKuehl->setHidden(true);
    Label355->setHidden(true);
  }
  Show(EWaermefluss, Waermefluss);
  Show(EKlimaerwaermung, Klimaerwaermung);
  ShowChoice(EDurchsatz_const, Durchsatz_const);
  Show(Emit_Waermefluss, mit_Waermefluss);
  TemperaturprofilZeigen();
  ShowInt(EOffset, Offset);
  EWellrohr->setText(FullExpText(Wellrohr1 ? 1.0 : 0.0));
  Show(EReserve7, Reserve7 ? 1.0 : 0.0);
  Show(EReserve8, Rueckkuehler1);
  Show(EReserve9, RueckkuehlLeistung);
  Show(EReserve10, Ein_Rueckkuehler);
  ShowChoice(ERueckkuehler, mitRueckkuehler);
  Show(ERueckkuehlLeistung, RueckkuehlLeistung);
  Show(EEin_Rueckkuehler, Ein_Rueckkuehler);
  Show(EHoeh, Hoeh);
  ShowInt(ETageVollast2, TageVollastKuehlung);
  Show(EEER_Vollast, EER_Vollast);
  Show(EKuehlleistung_Vollast, KuehlleistungVollast);
  Show(EReserve17, WWPrio ? 1.0 : 0.0);
  Show(EReserve18, Reserve18);
  Show(EReserve19, Reserve19);
  EReserve20->setText(FullExpText(x_CH_Koord));
  EReserve21->setText(FullExpText(y_CH_Koord));
  Show(EReserve22, x_Ref);
  Show(EReserve23, y_Ref);
  Show(EReserve25, x_Stao);
  Show(EReserve26, y_Stao);

  // 21. recooler height. While the user types the altitude it stays where
  // the keys go; its visibility follows when it is left.
  if (!GetipptImDurchgang(EHoeh)) {
    const bool hoehe = mitRueckkuehler && std::fabs(Hoeh - 553.1) >= 0.01;
    Label388->setHidden(!hoehe);
    Label389->setHidden(!hoehe);
    EHoeh->setHidden(!hoehe);
  }

  // 22. site file
  ExportTempStao1->setVisible(x_Stao > 1.0);
  Show(EReserve27, Reserve27 ? 1.0 : 0.0);
  ImportTempStao1->setVisible(StaoGelesen && !Reserve27);
  NoImportTempStao1->setVisible(Reserve27);

  // 23.
  Show(EStandorthoehe, Standorthoehe);
  EGlattrohr->setItemIndex(Wellrohr1 ? 1 : 0);
  if (Wellrohr1) EGlattrohr->setHidden(false);
  ShowChoice(EWWPrio, WWPrio);
  ShowChoice(EFreecool_Max, Freecool_Max);
  ShowChoice(EStartStundenwerte, start_Messung);
  Show(EVerlegetiefe, StaoWert3);
  this->Horizontalrohr->setItemIndex(qeb::Horizontalrohr ? 1 : 0);
  Show(EHoehe1, Hoehe1);
  ShowInt(Ex_koord, x_koord);
  ShowInt(Ey_koord, y_koord);
  EStrasse->setText(FromBytes(Projektstrasse));
  EOrt->setText(FromBytes(Projektort));
  ShowChoice(ETRT4, TRTOhneNachlauf);
  ShowChoice(ETRT_Auto, TRTAuto);
  ShowChoice(this->SommerRegeneration, qeb::SommerRegeneration);
  Show(ETa_nurLuftbetrieb, Ta_nurLuftbetrieb);
  Show(ETa_nurQEBbetrieb, Ta_nurQEBbetrieb);
  ShowChoice(EFeld1, Feld1);
  CWahlgfunction->setCurrentIndex(Sondenauswahl);
  CKollektorwahl->setCurrentIndex(Kollektorwahl);
  if (Sondenauswahl == 43 && AnzahlSonden > 1 && Sondengrafik) {
    for (QWidget* w : {static_cast<QWidget*>(ESondenabstand), static_cast<QWidget*>(TSondenabstand),
                       static_cast<QWidget*>(TBHeff), static_cast<QWidget*>(EBH)})
      w->setHidden(true);
  }

  // 24. last
  ShowChoice(ETempProfil, TempProfil);
  if (!TempProfil) {
    for (QWidget* w : {static_cast<QWidget*>(T31), static_cast<QWidget*>(T32),
                       static_cast<QWidget*>(EJahresmitteltemp), static_cast<QWidget*>(EBodenerwaermung)})
      w->setHidden(false);
  }
}

}  // namespace qeb
