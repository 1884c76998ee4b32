// Controls to shared state: EingabenUebernehmen and the ground layers.
#include <QAction>
#include <cmath>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"
#include "input/Cooling.h"
#include "input/QEBInput.h"
#include "input/SystemForms.h"
#include "input/system2.h"
#include "results/Grafik.h"
#include "platform/Platform.h"
#include "widgets/Typing.h"

namespace qeb {

double TForm1::R(const QLineEdit* e) const { return EditReal(e, Fehlercode); }
int TForm1::I(const QLineEdit* e) const { return EditInt(e, Fehlercode); }

void TForm1::RaGrenzeMelden() { Warning(" Max Ra = 4 x Rb ! "); }

void TForm1::SchichtenUebernehmen() {
  const auto schicht = Reihe<QLineEdit>("ESchicht", 10);
  const auto cp = Reihe<QLineEdit>("ECperde", 10);
  const auto rho = Reihe<QLineEdit>("ErhoErde", 10);
  const auto lam = Reihe<QLineEdit>("ELambdaerde", 10);
  const auto eff = Reihe<QLineEdit>("ELambdaeff", 10);
  // A count read from a file or typed may lie outside the arrays: the layer
  // index never leaves 1..20.
  const int N = DimAxi < 1 ? 1 : (DimAxi > 20 ? 20 : DimAxi);
  const double H = Sondenlaenge;

  if (!SchichtenGleichmaessig) {
    Schicht[0] = 0.0;
    for (int i = 1; i <= 10; ++i) Schicht[i] = R(schicht[i]);
    if (Schicht[N] < H)
      for (int i = N; i <= 20; ++i) Schicht[i] = H;
  }
  for (int i = 1; i <= 10; ++i) lambdaErde_eff[i] = R(eff[i]);

  if (SchichtenGleichmaessig) {
    for (int i = 1; i <= 10; ++i) {
      cpErde[i] = R(cp[i]);
      rhoErde[i] = R(rho[i]);
      lambdaErde[i] = R(lam[i]);
      lambdaErde_effSegment[i] = lambdaErde_eff[i];
    }
    return;
  }

  for (int i = 1; i <= 10; ++i) {
    cpErdeSchicht[i] = R(cp[i]);
    rhoErdeSchicht[i] = R(rho[i]);
    lambdaErdeSchicht[i] = R(lam[i]);
  }
  // Each segment takes the length-weighted mean of the layers it crosses; with
  // no probe length there are no segments to weigh, and they keep their values.
  if (H > 0.0) {
    const double seg = H / N;
    for (int i = 1; i <= N; ++i) {
      const double zo = (i - 1) * seg;
      const double zu = i * seg;
      double c = 0.0, r = 0.0, l = 0.0, e = 0.0;
      for (int j = 1; j <= N; ++j) {
        const double top = Schicht[j - 1];
        const double bottom = Schicht[j];
        double w = 0.0;
        if (bottom <= zo || top >= zu) {
          w = 0.0;
        } else if (top <= zo) {
          w = (std::min(bottom, zu) - zo) / seg;
        } else {
          w = (std::min(bottom, zu) - top) / seg;
        }
        c += w * cpErdeSchicht[j];
        r += w * rhoErdeSchicht[j];
        l += w * lambdaErdeSchicht[j];
        e += w * lambdaErde_eff[j];
      }
      cpErde[i] = c;
      rhoErde[i] = r;
      lambdaErde[i] = l;
      lambdaErde_effSegment[i] = e;
    }
  }
  for (int i = N + 1; i <= 20; ++i) cpErde[i] = rhoErde[i] = lambdaErde[i] = lambdaErde_effSegment[i] = 0.0;
}

void TForm1::EingabenUebernehmen() {
  raLimitPending_ = false;
  // 1. grid counts, fluid, fill and ground; the layers
  DimAxi = I(EDimAxi);
  DimRad = I(EDimRad);
  cpSole = R(ECpSole);
  rhoSole = R(ErhoSole);
  lambdaSole = R(ELambdaSole);
  nueSole = R(EnueSole);
  cpFill = R(EcpFill);
  rhoFill = R(ERhoFill);
  lambdaFill = R(ELambdaFill);
  cpErd = R(ECperd);
  rhoErd = R(ErhoErd);
  lambdaErd = R(ELambdaErd);
  SchichtenGleichmaessig = C(Egleichmaessig);
  ungleichmaessig = !SchichtenGleichmaessig;
  // The layers are spread over the length the user typed, not over the one of
  // the previous transfer (step 3 reads it again in its place).
  Sondenlaenge = R(ESondenlaenge);
  SchichtenUebernehmen();

  // 2. backfill rows
  const auto cpf = Reihe<QLineEdit>("ECpFill", 10);
  const auto rhof = Reihe<QLineEdit>("ErhoFill", 10);
  const auto lf = Reihe<QLineEdit>("ELambdaFill", 10);
  const auto ra = Reihe<QLineEdit>("ERa", 10);
  const auto rb = Reihe<QLineEdit>("ERb", 10);
  const auto rc = Reihe<QLineEdit>("ERc", 10);
  for (int i = 1; i <= 10; ++i) {
    cpFillV[i] = R(cpf[i]);
    rhoFillV[i] = R(rhof[i]);
    lambdaFillV[i] = R(lf[i]);
    RaV[i] = R(ra[i]);
    RbV[i] = R(rb[i]);
    RcV[i] = R(rc[i]);
  }

  // 3. grid and probe
  RepRandbed = I(EReprandbed);
  Rechenradius = R(ERechenradius);
  Gitterfaktor = R(EGitterfaktor);
  AnzahlSonden = I(EAnzahlSonden);
  Sondenlaenge = R(ESondenlaenge);
  Sondendurchmesser = R(ESondendurchmesser);
  Bohrdurchmesser = R(EBohrdurchmesser);
  Dicke_Sondenrohr = R(EDicke_Sondenrohr);
  Dicke_Innenrohr = R(EDicke_Innenrohr);
  lambdaInnenrohr = R(ElambdaInnenrohr);
  lambdaRohr = R(ElambdaRohr);
  Ra = R(ERa);
  Rb = R(ERb);
  Rc = R(ERc);

  // 4./5. the resistance limit. The window is refreshed only once every control
  // has been read, so nothing the user typed further down is lost.
  if (Ra > 4.0 * Rb && !KoaxialSonde) {
    RaGrenzeMelden();
    Ra = 4.0 * Rb;
    Hellstroem = false;
    EHellstroem->setItemIndex(1);
    raLimitPending_ = true;
  }
  Rd = R(ERd);
  for (int i = 1; i <= 10; ++i) {
    if (RaV[i] > 4.0 * RbV[i] && !KoaxialSonde) {
      RaGrenzeMelden();
      RaV[i] = 4.0 * RbV[i];
      raLimitPending_ = true;
    }
  }

  // 6.
  Massenstrom = Auslegungsmassenstrom = R(EAuslegungsmassenstrom);
  TGrad = R(ETgrad);
  Jahresmitteltemp = R(EJahresmitteltemp);
  Bodenerwaermung = R(EBodenerwaermung);
  Einspeisung = R(EEinspeisung);
  Sicherheit1 = R(ESicherheit1);
  Sicherheit2 = R(ESicherheit2);
  Zeitschritt = I(EZeitschritt);
  writefile = C(EwriteFile);
  Sondengrafik = C(ESondengrafik);
  Frostbegrenzung = C(EFrostbegrenzung);
  Frostgrenze = R(EFrostgrenze);
  COP_Frostgrenze = R(ECOP_Frostgrenze);

  // 7. probe number for the graph
  if (!Sondengrafik) {
    SondeNr = 0;
    ESondeNr->setHidden(true);
    TSonde_Nr->setHidden(true);
    ESondeNr->setText(QStringLiteral("0"));
  }

  // 8.
  MonitorAxi = I(EMonitorAxi);
  MonitorRad = I(EMonitorRad);
  numrows = I(Enumrows);
  Simulationsdauer = numrows;
  Leistungsinput = true;
  Leistung = C(ELeistung);
  stationaer = C(EStationaer);
  Genauigkeit = R(EGenauigkeit);
  StepWrite = I(EStepwrite);
  stepWrite_TEarth = I(EStepWrite_TEarth);
  Druckberechnung = C(EDruck);
  g1 = R(Eg1);
  g2 = R(Eg2);
  g3 = R(Eg3);
  g4 = R(Eg4);
  g5 = R(Eg5);
  gfunction = C(Egfunction);
  Sondenabstand = R(ESondenabstand);
  g_Sondenabstand = R(Eg_Sondenabstand);
  Starttemp = C(EStarttemp);
  LastYear = I(ELastyear);
  MessungJahre = I(ELastyear1);
  Allsteps = C(EAllsteps);
  const auto lz = Reihe<QLineEdit>("ELaufzeit", 12);
  for (int m = 1; m <= 12; ++m) Laufzeit[m] = I(lz[m]);
  QSpitzeFeb = R(EQSpitzeFeb);
  DauerLastSpitze = I(EDauerLastSpitze);
  KoaxialSonde = C(EKoaxialSonde);
  Durchschnittsentzug = C(EDurchschnitt);

  // 9. load input from file: the "Lastprofil" tab decides
  Lasteinlesen = InputFileErzeugen2->itemIndex() == 1;
  InputFileErzeugen->setItemIndex(Lasteinlesen ? 1 : 0);
  InputFileErzeugen2->setItemIndex(Lasteinlesen ? 1 : 0);

  // 10.
  Innenrohrdurchmesser = R(EInnenrohrdurchmesser);
  Auslegungsentzug = R(EAuslegungsentzug);
  Projekttitel1 = ToBytes(EBeschreibung->text());
  Projekttitel2 = ToBytes(EProjektname->text());
  Projekttitel3 = ToBytes(EErsteller->text());
  Projekttitel4 = ToBytes(EAnmerkungen->text());

  // 11. system definition from the dialog that matches the plant
  auto readSystem = [&](auto* f, bool second) {
    TaMax = R(f->ETaMax);
    TaMin = R(f->ETaMin);
    TKondens = R(f->ETKondens);
    TZulSoll = R(f->ETZulSoll);
    DTVenti = R(f->EDTVenti);
    EtaWRG = R(f->EEtaWRG);
    Kaeltemaschine = R(f->EKaeltemaschine);
    Ak1 = R(f->EAK1);
    Ak2 = R(f->EAK2);
    Ak3 = R(f->EAK3);
    zz1 = R(f->Ezz1);
    zz2 = R(f->Ezz2);
    zz3 = R(f->Ezz3);
    // The dialogs take pump flows in kg/h; the state holds kg/s.
    m1 = R(f->Em1) / 3600.0;
    m2 = R(f->Em2) / 3600.0;
    m3 = R(f->Em3) / 3600.0;
    m4 = R(f->Em4) / 3600.0;
    mZul = R(f->EmZul);
    mZul2 = R(f->EmZul2);
    TRL20 = R(f->ETRL20);
    TRL30 = R(f->ETRL30);
    AussentempRampe();
    Systemsimulation = C(f->ESystem);
    if (Systemsimulation) {
      Leistung = false;
      Leistungsinput = false;
      if (!second) SparsamZeichnen = false;
      LastbegrenzungUebernehmen(f->ELastbegrenzung->itemIndex());
    }
  };
  if (!DirektkuehlungWP) {
    readSystem(Form6, false);
    EDeltaVerdampfer->setHidden(Systemsimulation);
    TDeltaVerdampfer->setHidden(Systemsimulation);
  } else {
    readSystem(system_2, true);
    m5 = R(system_2->Em5) / 3600.0;
  }

  // 12.
  AnfahrfileSchreiben = C(EAnfahrfileSchreiben);
  Sprungantwort = C(ESprungantwort);
  QSource = R(EQSource);
  if (Sprungantwort) Auslegungsentzug = QSource;

  // 13. the source temperature comes from the "Lastprofil" tab
  TSink = R(ETSink2);
  TSink3 = R(ETSink3);
  TSinkKopie = TSink;
  TTSink = TSink;

  // 14. shank spacing
  Bu = R(EBu);
  BuMin = Sondendurchmesser;
  BuMax = Bohrdurchmesser - Sondendurchmesser;
  if (Bohrdurchmesser > 0.0) BuRelativ = Bu / Bohrdurchmesser;

  // 15.
  Hellstroem = C(EHellstroem);
  Stundensprung = C(DauerSprungantwort);
  FillVariabel = EFillVariabel->itemIndex() == 1;
  homogen = C(Ehomogen);
  Freecooling = C(EFreecooling2);
  const auto ea = Reihe<QComboBox>("CErdauswahl", 10);
  for (int i = 1; i <= 10; ++i) Erdauswahli[i] = ea[i]->currentIndex();
  DeltaVerdampfer = R(EDeltaVerdampfer);
  TEarth = C(ETEarth);
  Rueckkuehlung = C(ERueckkuehlung);
  COPRueckkuehlung = R(ECOPRueckkuehlung);
  MinDeckungFreecooling = R(EMinDeckungFreecooling);
  NenndruckVerdampfer = R(ENenndruckVerdampfer);
  NenndurchsatzVerdampfer = R(ENenndurchsatzVerdampfer);
  NenndruckVerteiler = R(ENenndruckVerteiler);
  NenndurchsatzVerteiler = R(ENenndurchsatzVerteiler);
  NenndruckMessung = R(ENenndruckMessung);
  NenndurchsatzMessung = R(ENenndurchsatzMessung);
  DurchmesserAnschluss = R(EDurchmesserAnschluss);
  LaengeAnschluss = R(ELaengeAnschluss);
  NenndruckVentil = R(ENenndruckVentil);
  NenndurchsatzVentil = R(ENenndurchsatzVentil);
  AnzahlBogen90 = I(EAnzahlBogen90);
  AnzahlParallel = I(EAnzahlParallel);
  Sondenverlaengerung = R(ESondenverlaengerung);
  const auto hl = Reihe<QLineEdit>("EHeizlast", 12);
  const auto kl = Reihe<QLineEdit>("EKuehllast", 12);
  const auto fc = Reihe<QLineEdit>("EFreecool", 12);
  for (int m = 1; m <= 12; ++m) {
    Heizlast[m] = R(hl[m]);
    Kuehllast[m] = R(kl[m]);
    Freecool[m] = R(fc[m]);
  }
  COP_Volllast = R(ECOP_Volllast);
  COP_Heizlast = R(ECOP_Heizlast);
  COP_WW = R(ECOP_WW);
  {
    // An EER of 0 would let the cooling loads' heat vanish: the held one stays.
    const double eer = R(EEER_Kuehllast);
    if (eer != 0.0) EER_Kuehllast = eer;
  }
  Jahresheizlast = R(EJahresheizlast);
  Jahreskuehllast = R(EJahresKuehllast);
  HeizlastWW = R(EHeizlastWW);
  Heizbandlast = R(EHeizbandlast);
  Kuehlbandlast = R(EKuehlbandlast);
  Heizleistung_Vollast = R(EHeizleistung_Vollast);
  Heizleistung_Teillast = R(EHeizleistung_Teillast);
  Heizleistung_WW = R(EHeizleistung_WW);
  Kuehlleistung = R(EKuehlleistung);
  TageVollast = I(ETageVollast);

  // 16.
  SondeNr = I(ESondeNr);
  if (SondeNr > Zaehler) SondeNr = 0;

  // 17.
  Lastprofil2 = C(Lastprofil2erzeugen);
  if (Lastprofil2) {
    WP = false;
    bivalent = false;
    Wrmepumpe1->setVisible(false);
  }
  alpha_pro_Schritt = C(Ealpha_pro_Schritt);

  // 18. characteristic time of the ground, H²/(9a) in years; without a
  // conductivity there is none, and the value stays as it was
  if (lambdaErd > 0.0) tsJahre = Sondenlaenge * Sondenlaenge / 9.0 / lambdaErd * cpErd * rhoErd / 3600.0 / 8760.0;

  // 19.
  Laenge_berechnen = C(ELaenge_berechnen);
  MinSondentemp = R(EMinSondentemp);
  Laenge_im_Feld = C(ELaenge_im_Feld);
  TempProfil = C(ETempProfil);
  if (!TempProfil) Erdmitteltemp = Jahresmitteltemp + Bodenerwaermung + TGrad * Sondenlaenge / 2.0;

  // 20. groundwater
  Grundwasser = C(EGrundwasser);
  const auto tp = Reihe<QLineEdit>("ETProfil", 10);
  const auto zp = Reihe<QLineEdit>("zTProfil", 10);
  for (int i = 1; i <= 10; ++i) {
    TProfil[i] = R(tp[i]);
    zTProfil[i] = R(zp[i]);
  }
  Niveau = R(ENiveau);
  Isohypse1 = R(EIsohypse1);
  Isohypse2 = R(EIsohypse2);
  Porositaet1 = R(EPorositaet1);
  Porositaet2 = R(EPorositaet2);
  Porositaet3 = R(EPorositaet3);
  Durchlaessigkeit1 = R(EDurchlaessigkeit1);
  Durchlaessigkeit2 = R(EDurchlaessigkeit2);
  Durchlaessigkeit3 = R(EDurchlaessigkeit3);
  zSchicht1 = R(EzSchicht1);
  zSchicht2 = R(EzSchicht2);
  zSchicht3 = R(EzSchicht3);
  zSchicht4 = R(EzSchicht4);
  TempKellerSommer = R(ETempKellerSommer);
  TempKellerWinter = R(ETempKellerWinter);
  UWertKeller = R(EUWertKeller);
  Mittlerer_Abstand = R(EMittlerer_Abstand);
  Druckgradient = R(EDruckgradient);
  Leitfaehigkeit1 = ELeitfaehigkeit1->currentIndex();
  Leitfaehigkeit2 = ELeitfaehigkeit2->currentIndex();
  Leitfaehigkeit3 = ELeitfaehigkeit3->currentIndex();
  hydrDruckgradient = C(EHydrDruckgradient);
  Gegenstrom = C(EGegenstrom);
  Jahreszeiten = C(EJahreszeiten);
  Amplitude = R(EAmplitude);
  Phasenverschiebung = R(EPhasenverschiebung);
  inSerie = R(EinSerie);
  Kellerflaeche = R(EKellerflaeche);
  Grundwasser1->setVisible(GW_zeigen);
  Grundwasser2->setVisible(GW_zeigen);

  // 21.
  qeb::TRT = C(ETRT);
  Hell = C(EHell);
  Aufteilung = C(EAufteilung);
  Freecoolleistung = R(EFreecoolleistung);
  JahresFreecooling = R(EFreecoollast);
  AnzahlSonden2 = I(EAnzahlSonden2);
  Auslegungsmassenstrom3 = R(EAuslegungsmassenstrom3);

  // 22. solar collectors
  solar = C(ESolar);
  unverglast = C(Eunverglast);
  Kollektor = R(EKollektor);
  Absorber = R(EAbsorber);
  u = R(Eu);
  parallel = R(Eparallel);
  b_u = R(Eb_u);
  b_1 = R(Eb_1);
  b_2 = R(Eb_2);
  Eta0 = R(EEta0);
  a1 = R(Ea1);
  a2 = R(Ea2);
  Azimut = R(EAzimut);
  Neigung = R(ENeigung);
  // 44.9° marks a collector without an orientation.
  if (std::fabs(Neigung - 44.9) < 0.01) {
    for (QWidget* w : {static_cast<QWidget*>(Label308), static_cast<QWidget*>(Label309),
                       static_cast<QWidget*>(Label317), static_cast<QWidget*>(Label318),
                       static_cast<QWidget*>(ENeigung), static_cast<QWidget*>(EAzimut)})
      w->setHidden(true);
  }
  KollektorFaktor = CollectorOrientationFactor(Neigung, Azimut);

  // 23.
  MaxSondenruecklauf = R(EMaxSondenruecklauf);
  mKollektor = R(EmKollektor);
  zzKollektor = R(EzzKollektor);
  cp_Kollektor = R(Ecp_Kollektor);
  Ak_Kollektor = R(EAk_Kollektor);
  MeteoStandard = C(EMeteoStandard);
  WWsolar = C(EWWsolar);
  Koll_Verlustfakt = C(EKoll_Verlustfakt);
  WWTauscher = R(EWWTauscher);
  Solarspeicher = R(ESolarspeicher);
  Speicherverluste = R(ESpeicherverluste);
  Ak_Fak_WWTauscher = R(EAk_Fak_WWTauscher);
  WW_Bedarf = R(EWW_Bedarf);
  Geocoax = C(EGeocoax);
  WWTemperatur = R(EWWTemperatur);
  mKuehl = R(EmKuehl);

  // 24. the cooling flow is given either as a mass flow or as a temperature difference
  if (mKuehl < 0.0001) {
    Label356->setHidden(true);
    EmKuehl->setHidden(true);
  } else {
    EDTKuehl->setHidden(true);
    Label355->setHidden(true);
  }

  // 25.
  Waermefluss = R(EWaermefluss);
  Klimaerwaermung = R(EKlimaerwaermung);
  if (Lastprofil2 && COP_Volllast > 0.0) {
    Auslegungsentzug = Heizleistung_Vollast / COP_Volllast * (COP_Volllast - 1.0);
    EAuslegungsentzug->setText(FixedText(Auslegungsentzug, 2));
  }

  // 26.
  Durchsatz_const = C(EDurchsatz_const);
  mit_Waermefluss = R(Emit_Waermefluss);
  TemperaturprofilZeigen();
  Offset = I(EOffset);

  // 27.
  Wellrohr1 = R(EWellrohr) != 0.0;
  Reserve7 = R(EReserve7) != 0.0;
  mitRueckkuehler = C(ERueckkuehler);
  Rueckkuehler1 = mitRueckkuehler ? 1.0 : 0.0;
  RueckkuehlLeistung = R(ERueckkuehlLeistung);
  Ein_Rueckkuehler = R(EEin_Rueckkuehler);
  Hoeh = R(EHoeh);
  TageVollastKuehlung = I(ETageVollast2);
  if (TageVollastKuehlung > 0) KuehlspitzeZeigen();
  EER_Vollast = R(EEER_Vollast);
  KuehlleistungVollast = R(EKuehlleistung_Vollast);
  WWPrio = R(EReserve17) != 0.0;
  Reserve18 = R(EReserve18);
  Reserve19 = R(EReserve19);
  x_CH_Koord = R(EReserve20);
  y_CH_Koord = R(EReserve21);
  x_Ref = R(EReserve22);
  y_Ref = R(EReserve23);

  // 28. import menu
  keineMesswerteeinlesen1->setVisible(Messung != 0.0);
  Messwerteeinlesen1->setVisible(Messung == 0.0);
  x_Stao = R(EReserve25);
  y_Stao = R(EReserve26);
  ImportTempStao1->setVisible(StaoGelesen);

  // 29. finer grid for wide boreholes
  Standorthoehe = R(EStandorthoehe);
  TRT_Methode = R(ETRT_Methode);
  if (Bohrdurchmesser > 0.3 && DimRad == 5 && Gitterfaktor == 2.0) {
    DimRad = 10;
    Gitterfaktor = 1.1;
  }

  // 30.
  Wellrohr1 = EGlattrohr->itemIndex() == 1;
  WWPrio = C(EWWPrio);
  Freecool_Max = C(EFreecool_Max);
  start_Messung = C(EStartStundenwerte);
  StaoWert3 = R(EVerlegetiefe);
  qeb::Horizontalrohr = this->Horizontalrohr->itemIndex() == 1;
  if (Lastprofil2) Wrmepumpe2->setVisible(false);

  // 31.
  Hoehe1 = R(EHoehe1);
  x_koord = I(Ex_koord);
  y_koord = I(Ey_koord);
  Projektstrasse = ToBytes(EStrasse->text());
  Projektort = ToBytes(EOrt->text());
  TRTOhneNachlauf = C(ETRT4);
  TRTAuto = C(ETRT_Auto);
  qeb::SommerRegeneration = C(this->SommerRegeneration);
  Ta_nurLuftbetrieb = R(ETa_nurLuftbetrieb);
  Ta_nurQEBbetrieb = R(ETa_nurQEBbetrieb);

  if (raLimitPending_) {
    raLimitPending_ = false;
    EingabenAnzeigen();
  }
}

}  // namespace qeb
