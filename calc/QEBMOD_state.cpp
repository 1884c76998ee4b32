// Generated from the parameter dictionary; edit the dictionary, not this file.
#include "calc/QEBMOD.h"

namespace qeb {

double TErdoberflaeche{};
double BuMin{};
double BuMax{};
double BuRelativ{};
int AnzahlSonden{};
double Sondenlaenge{};
double Bohrdurchmesser{};
double Sondendurchmesser{};
double Dicke_Sondenrohr{};
double R1{};
double Ra{};
double Rb{};
bool KoaxialSonde{};
double Innenrohrdurchmesser{};
bool Geocoax{};
double Rc{};
double Dicke_Innenrohr{};
double lambdaInnenrohr{};
int Sondentyp{};
bool Hellstroem{};
double Bu{};
double lambdaRohr{};
bool RaKorr{};
double RaKorr_einfachU{};
bool einfachU{};
bool Gegenstrom{};
double Rd{};
bool Wellrohr1{};
double lambdaFill{};
double rhoFill{};
double cpFill{};
bool FillVariabel{};
double lambdaFillV[21]{};
double rhoFillV[21]{};
double cpFillV[21]{};
double R1V[21]{};
double RaV[21]{};
double RbV[21]{};
double RcV[21]{};
double lambdaSole{};
double rhoSole{};
double cpSole{};
double nueSole{};
double Auslegungsmassenstrom{};
double Massenstrom{};
bool stationaer{};
int Fluidtyp{};
double cpGlykol{};
double mKuehl{};
bool Durchsatz_const{};
double lambdaErd{};
double rhoErd{};
double cpErd{};
double lambdaErde[21]{};
double rhoErde[21]{};
double cpErde[21]{};
double Jahresmitteltemp{};
double TGrad{};
double Bodenerwaermung{};
double lambdaErde_eff[21]{};
bool homogen{};
bool Erdauswahl{};
int Erdauswahli[11]{};
bool ungleichmaessig{};
int Leitfaehigkeit2{};
int Leitfaehigkeit3{};
double Schicht[21]{};
double cpErdeSchicht[21]{};
double rhoErdeSchicht[21]{};
double lambdaErdeSchicht[21]{};
bool TempProfil{};
bool Jahreszeiten{};
double Waermefluss{};
double Klimaerwaermung{};
int Leitfaehigkeit1{};
double Amplitude{};
double Phasenverschiebung{};
double mit_Waermefluss{};
double TProfil[31]{};
double zTProfil[31]{};
double Starttemperatur[21]{};
bool Grundwasser{};
bool hydrDruckgradient{};
bool GW_zeigen{};
double Druckgradient{};
double Mittlerer_Abstand{};
double Niveau{};
double x1Isohypse1{};
double y1Isohypse1{};
double x2Isohypse1{};
double y2Isohypse1{};
double x1Isohypse2{};
double y1Isohypse2{};
double x2Isohypse2{};
double y2Isohypse2{};
double Isohypse1{};
double Isohypse2{};
double Porositaet1{};
double Porositaet2{};
double Porositaet3{};
double Durchlaessigkeit1{};
double Durchlaessigkeit2{};
double Durchlaessigkeit3{};
double zSchicht1{};
double zSchicht2{};
double zSchicht3{};
double zSchicht4{};
double TempKellerSommer{};
double UWertKeller{};
double Kellerflaeche{};
double TempKellerWinter{};
int Beginn{};
int numrows{};
int LastYear{};
int Simulationsdauer{};
double DeltaT{};
int MonitorAxi{};
int MonitorRad{};
double Sicherheit1{};
double Sicherheit2{};
int Zeitschritt{};
int RepRandbed{};
int DimRad{};
int DimAxi{};
double Gitterfaktor{};
double Rechenradius{};
double Genauigkeit{};
int StepWrite{};
bool readfile{};
bool writefile{};
bool Allsteps{};
bool Starttemp{};
double g1{};
double g2{};
double g3{};
double g4{};
double g5{};
double Sondenabstand{};
double g_Sondenabstand{};
bool gfunction{};
int subdt{};
int substep_run{};
int substep_stop{};
int gfuntyp{};
bool Sprungantwort{};
bool Stundensprung{};
bool gEingabe{};
int Sondenauswahl{};
bool TEarth{};
int stepWrite_TEarth{};
bool Sondengrafik{};
bool alpha_pro_Schritt{};
bool Laenge_berechnen{};
bool Laenge_im_Feld{};
bool MeteoStandard{};
bool TRT{};
bool Hell{};
bool start_Messung{};
double Messung{};
double TRT_Methode{};
bool Leistung{};
bool Leistungsinput{};
double TSink{};
double QSource{};
bool Durchschnittsentzug{};
int Laufzeit[13]{};
double QSpitzeFeb{};
int DauerLastSpitze{};
bool Kuehlsonde{};
double Einspeisung{};
bool Lasteinlesen{};
bool Lastprofil{};
bool Warmwasser{};
int Jahreslaufzeit{};
int JahreEinschwingen{};
bool MaxQ{};
bool MaxQKuehl{};
bool Lastprofil2{};
double Heizleistung_Teillast{};
double Heizleistung_WW{};
double Kuehlleistung{};
double Heizleistung_Vollast{};
double Heizlast[13]{};
double Kuehllast[13]{};
double COP_Heizlast{};
double COP_WW{};
double EER_Kuehllast{};
double Jahresheizlast{};
double Jahreskuehllast{};
double HeizlastWW{};
double Heizbandlast{};
double Kuehlbandlast{};
int TageVollast{};
double SummeQHeiz{};
double SummeQKuehl{};
int TageVollastKuehlung{};
double EER_Vollast{};
int Offset{};
double KuehlleistungVollast{};
bool Reserve7{};
int Anforderung{};
double Heizanteil[13]{};
double Kuehlanteil[13]{};
double KuehlanteilProfil[13]{};
double JahresFreecooling{};
double WWTagesprofil[25]{};
bool WP{};
bool bivalent{};
double Kesselleistung{};
double COP_5{};
double COP_0{};
double COP5{};
double COP10{};
double COP15{};
double WPHeizleistung{};
double WPFrostgrenze{};
double Kaeltemaschine{};
double TSink3{};
double COP_Volllast{};
double DeltaVerdampfer{};
bool Freecooling{};
double TTSink{};
bool Rueckkuehlung{};
double COPRueckkuehlung{};
double MinDeckungFreecooling{};
bool DirektkuehlungWP{};
bool Frostbegrenzung{};
double Frostgrenze{};
double COP_Frostgrenze{};
double MinSondentemp{};
bool Aufteilung{};
bool Feld1{};
double Freecoolleistung{};
double Freecool[13]{};
bool Systemsimulation{};
double TaMin{};
double TaMax{};
double TKondens{};
double EtaWRG{};
double Ak1{};
double zz1{};
double Ak2{};
double zz2{};
double Ak3{};
double zz3{};
double m1{};
double m2{};
double m3{};
double m4{};
double TZulSoll{};
double mZul{};
double mZul2{};
double TRL20{};
double TRL30{};
double DTVenti{};
bool Frostschutz{};
bool LFahrplan{};
double LF[40]{};
double m5{};
int LFNr[8]{};
bool System2Erstlauf{true};
double Sondenpumpe{};
double TRaum{};
double Rueckkuehler1{};
double RueckkuehlLeistung{};
double Ta_nurLuftbetrieb{};
double Ta_nurQEBbetrieb{};
double Ein_Rueckkuehler{};
bool Koll_Verlustfakt{};
bool WWsolar{};
double WW_Bedarf{};
int Kollektorwahl{};
double WWTauscher{};
double Solarspeicher{};
double a2{};
double Ak_Kollektor{};
bool solar{};
bool unverglast{};
bool Res1{};
double zzKollektor{};
double cp_Kollektor{};
double Kollektor{};
double Absorber{};
double b_u{};
double u{};
double b_1{};
double a1{};
double b_2{};
double VarA{};
double Eta0{};
double VarB{};
double parallel{};
double VarC{};
double Azimut{};
double Ak_Fak_WWTauscher{};
double Neigung{};
double Speicherverluste{};
double MaxSondenruecklauf{};
double mKollektor{};
double inSerie{};
bool WWPrio{};
double WWTemperatur{};
bool Druck{};
double Auslegungsdruck{};
double DruckabfallSonde{};
bool Druckberechnung{};
double NenndruckVerdampfer{};
double NenndurchsatzVerdampfer{};
double NenndruckVerteiler{};
double NenndurchsatzVerteiler{};
double NenndruckMessung{};
double NenndurchsatzMessung{};
double DurchmesserAnschluss{};
double LaengeAnschluss{};
double NenndruckVentil{};
double NenndurchsatzVentil{};
int AnzahlBogen90{};
double Sondenverlaengerung{};
double AuslegungsDruckabfall_Sondenkreis{};
int AnzahlParallel{};
int AnzahlSonden2{};
double Auslegungsmassenstrom3{};
int Zaehler{};
double Multiplikator{};
int SondeNr{};
double SondeX[601]{};
double SondeY[601]{};
double Sondenbelastung[601]{};
bool Nachbarsonde[601]{};
bool mitPlan{};
int Posx{};
int Posy{};
double x_Ref{};
double y_Ref{};
int Anz_Nachbarsonden{};
double x_Stao{};
double y_Stao{};
bool swqebinput{};
bool AnfahrfileSchreiben{};
double y_CH_Koord{};
double Hoeh{};
bool Reserve27{};
double Reserve18{};
double Standorthoehe{};
double Reserve19{};
double mit_Standorthoehe{};
double ReserveA{};
double x_CH_Koord{};
double ReserveC{};
double ReserveD{};
std::string Projekttitel1{};
std::string Projekttitel2{};
std::string Projekttitel3{};
std::string Projekttitel4{};
std::string SwqebFile{};
std::string Anfahrfile{};
std::string Sprache{};
std::string Inputfile{};
std::string Inputfile2{};
std::string Outputfile{};
std::string StaoFile{};
std::string Projektstrasse{};
std::string Projektort{};
std::string Planverzeichnis{};
double Auslegungsentzug{};
double TSource{};
int Jahr{};
int Rechenstatus{};
int Laufminuten{};
int SchritteProJahr{};
int OffsetAktuell{};
bool Vorlauf{};
bool AnlageAktiv{};
bool gKurzzeitBreit{};
bool ZweitesFeld{};
bool Einzelsonde{};
bool ProjektGeoeffnet{};
bool MacModus{};
bool Win10Modus{};
bool SondenfeldGrafikjahr{};
int Markergroesse{};
int Trefferradius{};
int FileVersion{};
bool GeologieGelesen{};
bool StaoGefunden{};
bool StaoGelesen{};
double TKaltwasser{};
double DeltaT_WW{};
double SummeGlobalstrahlung{};
double SummeAussentemperatur{};
bool StaoFehlt{};
double TStandort50{};
bool RueckkuehlerHeizen{};
double lambdaRadial[21]{};
bool MassenstromAusEntzug{};
bool Horizontalrohr{};
double StaoWert3{};
bool Koaxialrohr2{};
int JahrGrafik{};
int x_koord{};
int y_koord{};
double StaoWert8{};
bool TRTOption{};
bool TRTAuto{};
std::string Kopfzeile{};
std::string KopfzeileAnlage{};
std::string KopfzeileAnlageWP{};
std::string KopfzeileSolar{};

// The plain constants of the dictionary. Values derived from others, the
// per-borehole arrays and the not-reset variables are left to SetDefaults.
void ApplyDictionaryDefaults() {
    AnzahlSonden = 1;
    Sondenlaenge = 20;
    Bohrdurchmesser = 0.12;
    Sondendurchmesser = 0.032;
    Dicke_Sondenrohr = 0.003;
    R1 = 0;
    Ra = 0;
    Rb = 0;
    KoaxialSonde = false;
    Geocoax = false;
    Rc = 0;
    Dicke_Innenrohr = 0.0025;
    lambdaInnenrohr = 0.42;
    Sondentyp = 0;
    Hellstroem = true;
    lambdaRohr = 0.42;
    RaKorr = true;
    RaKorr_einfachU = 0.7;
    einfachU = false;
    Gegenstrom = false;
    Rd = 0;
    Wellrohr1 = false;
    lambdaFill = 0.81;
    rhoFill = 1180;
    cpFill = 3040;
    FillVariabel = false;
    for (int i = 1; i <= 20; ++i) lambdaFillV[i] = 0.81;
    for (int i = 1; i <= 20; ++i) rhoFillV[i] = 1180;
    for (int i = 1; i <= 20; ++i) cpFillV[i] = 3040;
    for (int i = 1; i <= 20; ++i) R1V[i] = 0;
    for (int i = 1; i <= 20; ++i) RaV[i] = 0;
    for (int i = 1; i <= 20; ++i) RbV[i] = 0;
    for (int i = 1; i <= 20; ++i) RcV[i] = 0;
    lambdaSole = 0.5;
    rhoSole = 1036.72;
    cpSole = 3904.6;
    nueSole = 3.49E-06;
    Auslegungsmassenstrom = 0.085;
    Massenstrom = 0.085;
    stationaer = true;
    Fluidtyp = 7;
    cpGlykol = 3800;
    mKuehl = 0;
    Durchsatz_const = false;
    lambdaErd = 2.4;
    rhoErd = 2600;
    cpErd = 1000;
    for (int i = 1; i <= 20; ++i) lambdaErde[i] = 2.4;
    for (int i = 1; i <= 20; ++i) rhoErde[i] = 2600;
    for (int i = 1; i <= 20; ++i) cpErde[i] = 1000;
    Jahresmitteltemp = 9;
    TGrad = 0.03;
    Bodenerwaermung = 0.8;
    for (int i = 1; i <= 20; ++i) lambdaErde_eff[i] = 2.4;
    homogen = true;
    Erdauswahl = true;
    for (int i = 1; i <= 10; ++i) Erdauswahli[i] = 0;
    ungleichmaessig = false;
    Leitfaehigkeit2 = 0;
    Leitfaehigkeit3 = 0;
    for (int i = 1; i <= 20; ++i) cpErdeSchicht[i] = 1000;
    for (int i = 1; i <= 20; ++i) rhoErdeSchicht[i] = 2600;
    for (int i = 1; i <= 20; ++i) lambdaErdeSchicht[i] = 2.4;
    TempProfil = false;
    Jahreszeiten = false;
    Waermefluss = 0.072;
    Klimaerwaermung = 1.5;
    Leitfaehigkeit1 = 0;
    Amplitude = 9;
    Phasenverschiebung = 15;
    mit_Waermefluss = 0;
    Grundwasser = false;
    hydrDruckgradient = true;
    GW_zeigen = false;
    Mittlerer_Abstand = 10;
    Niveau = 400;
    x1Isohypse1 = 0;
    y1Isohypse1 = 0;
    x2Isohypse1 = 0;
    y2Isohypse1 = 0;
    x1Isohypse2 = 0;
    y1Isohypse2 = 0;
    x2Isohypse2 = 0;
    y2Isohypse2 = 0;
    Isohypse1 = 399;
    Isohypse2 = 398;
    Porositaet1 = 0.15;
    Porositaet2 = 0.15;
    Porositaet3 = 0.15;
    Durchlaessigkeit1 = 1E-06;
    Durchlaessigkeit2 = 1E-06;
    Durchlaessigkeit3 = 1E-06;
    zSchicht1 = 1;
    zSchicht2 = 2;
    zSchicht3 = 3;
    zSchicht4 = 4;
    TempKellerSommer = 10;
    UWertKeller = 1;
    Kellerflaeche = 0;
    TempKellerWinter = 10;
    LastYear = 3;
    Simulationsdauer = 8760;
    DeltaT = 0;
    MonitorAxi = 1;
    MonitorRad = 1;
    Sicherheit1 = 4;
    Sicherheit2 = 2;
    Zeitschritt = 60;
    RepRandbed = 1;
    DimRad = 5;
    DimAxi = 1;
    Gitterfaktor = 2;
    Rechenradius = 2.5;
    Genauigkeit = 0.01;
    StepWrite = 1;
    readfile = true;
    writefile = false;
    Allsteps = false;
    Starttemp = false;
    g1 = 4.82;
    g2 = 5.69;
    g3 = 6.29;
    g4 = 6.57;
    g5 = 6.6;
    Sondenabstand = 10;
    g_Sondenabstand = 10;
    gfunction = false;
    gfuntyp = 0;
    Sprungantwort = false;
    Stundensprung = false;
    gEingabe = false;
    Sondenauswahl = 0;
    TEarth = false;
    stepWrite_TEarth = 730;
    Sondengrafik = false;
    alpha_pro_Schritt = true;
    Laenge_berechnen = false;
    Laenge_im_Feld = false;
    MeteoStandard = true;
    TRT = false;
    Hell = true;
    start_Messung = false;
    TRT_Methode = 1;
    Leistung = true;
    Leistungsinput = false;
    TSink = 20;
    QSource = 1;
    Durchschnittsentzug = false;
    Laufzeit[1] = 12;
    Laufzeit[2] = 11;
    Laufzeit[3] = 9;
    Laufzeit[4] = 7;
    Laufzeit[5] = 3;
    Laufzeit[6] = 2;
    Laufzeit[7] = 2;
    Laufzeit[8] = 2;
    Laufzeit[9] = 3;
    Laufzeit[10] = 7;
    Laufzeit[11] = 9;
    Laufzeit[12] = 11;
    QSpitzeFeb = 1;
    DauerLastSpitze = 2;
    Kuehlsonde = true;
    Einspeisung = 1;
    Lasteinlesen = false;
    Lastprofil = false;
    Warmwasser = false;
    Jahreslaufzeit = 2400;
    JahreEinschwingen = 1;
    MaxQ = false;
    MaxQKuehl = false;
    Lastprofil2 = false;
    Heizleistung_Teillast = 1.3;
    Heizleistung_WW = 1.3;
    Kuehlleistung = 2.5;
    Heizleistung_Vollast = 1.3;
    COP_Heizlast = 4.2;
    COP_WW = 2.8;
    EER_Kuehllast = 3;
    Jahresheizlast = 1800;
    Jahreskuehllast = 1200;
    HeizlastWW = 600;
    Heizbandlast = 0;
    Kuehlbandlast = 0;
    TageVollast = 2;
    TageVollastKuehlung = 0;
    EER_Vollast = 3;
    Offset = 0;
    KuehlleistungVollast = 2.5;
    Reserve7 = false;
    Anforderung = 1;
    Heizanteil[1] = 0.185;
    Heizanteil[2] = 0.15;
    Heizanteil[3] = 0.14;
    Heizanteil[4] = 0.095;
    Heizanteil[5] = 0.015;
    Heizanteil[6] = 0;
    Heizanteil[7] = 0;
    Heizanteil[8] = 0;
    Heizanteil[9] = 0;
    Heizanteil[10] = 0.1;
    Heizanteil[11] = 0.14;
    Heizanteil[12] = 0.175;
    Kuehlanteil[1] = 0;
    Kuehlanteil[2] = 0;
    Kuehlanteil[3] = 0;
    Kuehlanteil[4] = 0;
    Kuehlanteil[5] = 0.05;
    Kuehlanteil[6] = 0.2;
    Kuehlanteil[7] = 0.35;
    Kuehlanteil[8] = 0.3;
    Kuehlanteil[9] = 0.1;
    Kuehlanteil[10] = 0;
    Kuehlanteil[11] = 0;
    Kuehlanteil[12] = 0;
    JahresFreecooling = 1200;
    WWTagesprofil[1] = 0.01;
    WWTagesprofil[2] = 0;
    WWTagesprofil[3] = 0;
    WWTagesprofil[4] = 0;
    WWTagesprofil[5] = 0;
    WWTagesprofil[6] = 0.02;
    WWTagesprofil[7] = 0.1;
    WWTagesprofil[8] = 0.09;
    WWTagesprofil[9] = 0.05;
    WWTagesprofil[10] = 0.04;
    WWTagesprofil[11] = 0.04;
    WWTagesprofil[12] = 0.08;
    WWTagesprofil[13] = 0.07;
    WWTagesprofil[14] = 0.04;
    WWTagesprofil[15] = 0.03;
    WWTagesprofil[16] = 0.04;
    WWTagesprofil[17] = 0.05;
    WWTagesprofil[18] = 0.08;
    WWTagesprofil[19] = 0.1;
    WWTagesprofil[20] = 0.05;
    WWTagesprofil[21] = 0.03;
    WWTagesprofil[22] = 0.03;
    WWTagesprofil[23] = 0.03;
    WWTagesprofil[24] = 0.02;
    WP = false;
    bivalent = false;
    Kesselleistung = 0;
    COP_5 = 2.5;
    COP_0 = 3;
    COP5 = 3.5;
    COP10 = 4;
    COP15 = 4.5;
    WPHeizleistung = 1.5;
    WPFrostgrenze = -10;
    Kaeltemaschine = 0;
    TSink3 = 20;
    COP_Volllast = 3.8;
    DeltaVerdampfer = 3;
    Freecooling = false;
    TTSink = 20;
    Rueckkuehlung = false;
    COPRueckkuehlung = 3.5;
    MinDeckungFreecooling = 0.7;
    DirektkuehlungWP = false;
    Frostbegrenzung = false;
    Frostgrenze = -3;
    COP_Frostgrenze = 9999;
    MinSondentemp = -3;
    Aufteilung = false;
    Feld1 = true;
    Freecoolleistung = 2.5;
    Systemsimulation = false;
    TaMin = 16;
    TaMax = 10;
    TKondens = 14;
    EtaWRG = 0;
    Ak1 = 500;
    zz1 = 0.5;
    Ak2 = 99999;
    zz2 = 1;
    Ak3 = 300;
    zz3 = 0.5;
    m1 = 0.04;
    m2 = 0.04;
    m3 = 0.04;
    m4 = 0.045;
    TZulSoll = 19;
    mZul = 240;
    mZul2 = 360;
    TRL20 = 18;
    TRL30 = 22;
    DTVenti = 0;
    Frostschutz = false;
    LFahrplan = false;
    for (int i = 10; i <= 39; ++i) LF[i] = 1;
    m5 = 0;
    for (int i = 1; i <= 7; ++i) LFNr[i] = 1;
    Sondenpumpe = 50;
    TRaum = 20;
    // The recooler's switch is the working form of Rueckkuehler1: a new
    // project has none, whatever the project before had.
    Rueckkuehler1 = 0;
    mitRueckkuehler = false;
    RueckkuehlLeistung = 0;
    Ta_nurLuftbetrieb = 1000;
    Ta_nurQEBbetrieb = 2;
    Ein_Rueckkuehler = 3;
    Koll_Verlustfakt = true;
    WWsolar = false;
    WW_Bedarf = 700;
    Kollektorwahl = 0;
    WWTauscher = 9;
    Solarspeicher = 1000;
    a2 = 0;
    Ak_Kollektor = 999999.9;
    solar = false;
    unverglast = true;
    Res1 = false;
    zzKollektor = 0.5;
    cp_Kollektor = 3600;
    Kollektor = 10;
    Absorber = 10;
    b_u = 0.012;
    u = 1.5;
    b_1 = 11.26;
    a1 = 15.65;
    b_2 = 2.45;
    VarA = 0;
    Eta0 = 0.925;
    VarB = 0;
    parallel = 1;
    VarC = 0;
    Azimut = 45;
    Ak_Fak_WWTauscher = 100;
    Neigung = 45;
    Speicherverluste = 0.01;
    MaxSondenruecklauf = 40;
    mKollektor = 0.1;
    inSerie = 1;
    WWPrio = false;
    WWTemperatur = 60;
    Druck = true;
    Druckberechnung = true;
    NenndruckVerdampfer = 10000;
    NenndurchsatzVerdampfer = 99;
    NenndruckVerteiler = 5000;
    NenndurchsatzVerteiler = 99;
    NenndruckMessung = 0;
    NenndurchsatzMessung = 99;
    DurchmesserAnschluss = 1;
    LaengeAnschluss = 5;
    NenndruckVentil = 0;
    NenndurchsatzVentil = 99;
    AnzahlBogen90 = 6;
    Sondenverlaengerung = 10;
    AnzahlParallel = 1;
    AnzahlSonden2 = 2;
    Auslegungsmassenstrom3 = 0;
    Zaehler = 0;
    Multiplikator = 0.05;
    mitPlan = false;
    Posx = 0;
    Posy = 0;
    x_Ref = 0;
    y_Ref = 0;
    Anz_Nachbarsonden = 0;
    x_Stao = 0;
    y_Stao = 0;
    swqebinput = false;
    AnfahrfileSchreiben = false;
    y_CH_Koord = 200000;
    Hoeh = 553;
    Reserve27 = false;
    Standorthoehe = 700;
    mit_Standorthoehe = 0;
    x_CH_Koord = 600000;
    Projekttitel1 = "Programm QEB, Ver 5.6 mit Default-Werten";
    Projekttitel2 = "Projekt Erdwaermesonden";
    Projekttitel3 = "";
    Projekttitel4 = "";
    SwqebFile = "swqeb.dat";
    Anfahrfile = "anfahr.qeb";
    Sprache = "S";
    Inputfile = "input.qeb";
    Inputfile2 = "input.qeb";
    Outputfile = "Ausgabe.qeb";
    Projektstrasse = "";
    Projektort = "";
    Planverzeichnis = "";
    TSource = 0;
    Jahr = 1;
    Rechenstatus = 0;
    Laufminuten = 60;
    OffsetAktuell = 0;
    Vorlauf = false;
    AnlageAktiv = true;
    gKurzzeitBreit = true;
    ZweitesFeld = true;
    Einzelsonde = true;
    ProjektGeoeffnet = false;
    MacModus = false;
    Win10Modus = false;
    SondenfeldGrafikjahr = false;
    Markergroesse = 6;
    Trefferradius = 7;
    TKaltwasser = 10;
    DeltaT_WW = 0;
    SummeGlobalstrahlung = 1.0;
    SummeAussentemperatur = 1.0;
    StaoFehlt = false;
    TStandort50 = 0;
    RueckkuehlerHeizen = true;
    for (int i = 1; i <= 20; ++i) lambdaRadial[i] = 2.4;
    MassenstromAusEntzug = true;
    Horizontalrohr = false;
    StaoWert3 = 1.0;
    Koaxialrohr2 = false;
    JahrGrafik = 50;
    TRTOption = true;
    TRTAuto = true;
}

const std::vector<StateVar>& StateRegistry() {
  static const std::vector<StateVar> table = {
    {"TErdoberflaeche", VarType::Double, &TErdoberflaeche, 0, 0, false},
    {"BuMin", VarType::Double, &BuMin, 0, 0, false},
    {"BuMax", VarType::Double, &BuMax, 0, 0, false},
    {"BuRelativ", VarType::Double, &BuRelativ, 0, 0, false},
    {"AnzahlSonden", VarType::Int, &AnzahlSonden, 0, 0, false},
    {"Sondenlaenge", VarType::Double, &Sondenlaenge, 0, 0, false},
    {"Bohrdurchmesser", VarType::Double, &Bohrdurchmesser, 0, 0, false},
    {"Sondendurchmesser", VarType::Double, &Sondendurchmesser, 0, 0, false},
    {"Dicke_Sondenrohr", VarType::Double, &Dicke_Sondenrohr, 0, 0, false},
    {"R1", VarType::Double, &R1, 0, 0, false},
    {"Ra", VarType::Double, &Ra, 0, 0, false},
    {"Rb", VarType::Double, &Rb, 0, 0, false},
    {"KoaxialSonde", VarType::Bool, &KoaxialSonde, 0, 0, false},
    {"Innenrohrdurchmesser", VarType::Double, &Innenrohrdurchmesser, 0, 0, false},
    {"Geocoax", VarType::Bool, &Geocoax, 0, 0, false},
    {"Rc", VarType::Double, &Rc, 0, 0, false},
    {"Dicke_Innenrohr", VarType::Double, &Dicke_Innenrohr, 0, 0, false},
    {"lambdaInnenrohr", VarType::Double, &lambdaInnenrohr, 0, 0, false},
    {"Sondentyp", VarType::Int, &Sondentyp, 0, 0, false},
    {"Hellstroem", VarType::Bool, &Hellstroem, 0, 0, false},
    {"Bu", VarType::Double, &Bu, 0, 0, false},
    {"lambdaRohr", VarType::Double, &lambdaRohr, 0, 0, false},
    {"RaKorr", VarType::Bool, &RaKorr, 0, 0, false},
    {"RaKorr_einfachU", VarType::Double, &RaKorr_einfachU, 0, 0, false},
    {"einfachU", VarType::Bool, &einfachU, 0, 0, false},
    {"Gegenstrom", VarType::Bool, &Gegenstrom, 0, 0, false},
    {"Rd", VarType::Double, &Rd, 0, 0, false},
    {"Wellrohr1", VarType::Bool, &Wellrohr1, 0, 0, false},
    {"lambdaFill", VarType::Double, &lambdaFill, 0, 0, false},
    {"rhoFill", VarType::Double, &rhoFill, 0, 0, false},
    {"cpFill", VarType::Double, &cpFill, 0, 0, false},
    {"FillVariabel", VarType::Bool, &FillVariabel, 0, 0, false},
    {"lambdaFillV", VarType::Double, lambdaFillV, 1, 20, false},
    {"rhoFillV", VarType::Double, rhoFillV, 1, 20, false},
    {"cpFillV", VarType::Double, cpFillV, 1, 20, false},
    {"R1V", VarType::Double, R1V, 1, 20, false},
    {"RaV", VarType::Double, RaV, 1, 20, false},
    {"RbV", VarType::Double, RbV, 1, 20, false},
    {"RcV", VarType::Double, RcV, 1, 20, false},
    {"lambdaSole", VarType::Double, &lambdaSole, 0, 0, false},
    {"rhoSole", VarType::Double, &rhoSole, 0, 0, false},
    {"cpSole", VarType::Double, &cpSole, 0, 0, false},
    {"nueSole", VarType::Double, &nueSole, 0, 0, false},
    {"Auslegungsmassenstrom", VarType::Double, &Auslegungsmassenstrom, 0, 0, false},
    {"Massenstrom", VarType::Double, &Massenstrom, 0, 0, false},
    {"stationaer", VarType::Bool, &stationaer, 0, 0, false},
    {"Fluidtyp", VarType::Int, &Fluidtyp, 0, 0, false},
    {"cpGlykol", VarType::Double, &cpGlykol, 0, 0, false},
    {"mKuehl", VarType::Double, &mKuehl, 0, 0, false},
    {"Durchsatz_const", VarType::Bool, &Durchsatz_const, 0, 0, false},
    {"lambdaErd", VarType::Double, &lambdaErd, 0, 0, false},
    {"rhoErd", VarType::Double, &rhoErd, 0, 0, false},
    {"cpErd", VarType::Double, &cpErd, 0, 0, false},
    {"lambdaErde", VarType::Double, lambdaErde, 1, 20, false},
    {"rhoErde", VarType::Double, rhoErde, 1, 20, false},
    {"cpErde", VarType::Double, cpErde, 1, 20, false},
    {"Jahresmitteltemp", VarType::Double, &Jahresmitteltemp, 0, 0, false},
    {"TGrad", VarType::Double, &TGrad, 0, 0, false},
    {"Bodenerwaermung", VarType::Double, &Bodenerwaermung, 0, 0, false},
    {"lambdaErde_eff", VarType::Double, lambdaErde_eff, 1, 20, false},
    {"homogen", VarType::Bool, &homogen, 0, 0, false},
    {"Erdauswahl", VarType::Bool, &Erdauswahl, 0, 0, false},
    {"Erdauswahli", VarType::Int, Erdauswahli, 1, 10, false},
    {"ungleichmaessig", VarType::Bool, &ungleichmaessig, 0, 0, false},
    {"Leitfaehigkeit2", VarType::Int, &Leitfaehigkeit2, 0, 0, false},
    {"Leitfaehigkeit3", VarType::Int, &Leitfaehigkeit3, 0, 0, false},
    {"Schicht", VarType::Double, Schicht, 1, 20, false},
    {"cpErdeSchicht", VarType::Double, cpErdeSchicht, 1, 20, false},
    {"rhoErdeSchicht", VarType::Double, rhoErdeSchicht, 1, 20, false},
    {"lambdaErdeSchicht", VarType::Double, lambdaErdeSchicht, 1, 20, false},
    {"TempProfil", VarType::Bool, &TempProfil, 0, 0, false},
    {"Jahreszeiten", VarType::Bool, &Jahreszeiten, 0, 0, false},
    {"Waermefluss", VarType::Double, &Waermefluss, 0, 0, false},
    {"Klimaerwaermung", VarType::Double, &Klimaerwaermung, 0, 0, false},
    {"Leitfaehigkeit1", VarType::Int, &Leitfaehigkeit1, 0, 0, false},
    {"Amplitude", VarType::Double, &Amplitude, 0, 0, false},
    {"Phasenverschiebung", VarType::Double, &Phasenverschiebung, 0, 0, false},
    {"mit_Waermefluss", VarType::Double, &mit_Waermefluss, 0, 0, false},
    {"TProfil", VarType::Double, TProfil, 1, 30, false},
    {"zTProfil", VarType::Double, zTProfil, 1, 30, false},
    {"Starttemperatur", VarType::Double, Starttemperatur, 1, 20, true},
    {"Grundwasser", VarType::Bool, &Grundwasser, 0, 0, false},
    {"hydrDruckgradient", VarType::Bool, &hydrDruckgradient, 0, 0, false},
    {"GW_zeigen", VarType::Bool, &GW_zeigen, 0, 0, false},
    {"Druckgradient", VarType::Double, &Druckgradient, 0, 0, true},
    {"Mittlerer_Abstand", VarType::Double, &Mittlerer_Abstand, 0, 0, false},
    {"Niveau", VarType::Double, &Niveau, 0, 0, false},
    {"x1Isohypse1", VarType::Double, &x1Isohypse1, 0, 0, false},
    {"y1Isohypse1", VarType::Double, &y1Isohypse1, 0, 0, false},
    {"x2Isohypse1", VarType::Double, &x2Isohypse1, 0, 0, false},
    {"y2Isohypse1", VarType::Double, &y2Isohypse1, 0, 0, false},
    {"x1Isohypse2", VarType::Double, &x1Isohypse2, 0, 0, false},
    {"y1Isohypse2", VarType::Double, &y1Isohypse2, 0, 0, false},
    {"x2Isohypse2", VarType::Double, &x2Isohypse2, 0, 0, false},
    {"y2Isohypse2", VarType::Double, &y2Isohypse2, 0, 0, false},
    {"Isohypse1", VarType::Double, &Isohypse1, 0, 0, false},
    {"Isohypse2", VarType::Double, &Isohypse2, 0, 0, false},
    {"Porositaet1", VarType::Double, &Porositaet1, 0, 0, false},
    {"Porositaet2", VarType::Double, &Porositaet2, 0, 0, false},
    {"Porositaet3", VarType::Double, &Porositaet3, 0, 0, false},
    {"Durchlaessigkeit1", VarType::Double, &Durchlaessigkeit1, 0, 0, false},
    {"Durchlaessigkeit2", VarType::Double, &Durchlaessigkeit2, 0, 0, false},
    {"Durchlaessigkeit3", VarType::Double, &Durchlaessigkeit3, 0, 0, false},
    {"zSchicht1", VarType::Double, &zSchicht1, 0, 0, false},
    {"zSchicht2", VarType::Double, &zSchicht2, 0, 0, false},
    {"zSchicht3", VarType::Double, &zSchicht3, 0, 0, false},
    {"zSchicht4", VarType::Double, &zSchicht4, 0, 0, false},
    {"TempKellerSommer", VarType::Double, &TempKellerSommer, 0, 0, false},
    {"UWertKeller", VarType::Double, &UWertKeller, 0, 0, false},
    {"Kellerflaeche", VarType::Double, &Kellerflaeche, 0, 0, false},
    {"TempKellerWinter", VarType::Double, &TempKellerWinter, 0, 0, false},
    {"Beginn", VarType::Int, &Beginn, 0, 0, true},
    {"numrows", VarType::Int, &numrows, 0, 0, false},
    {"LastYear", VarType::Int, &LastYear, 0, 0, false},
    {"Simulationsdauer", VarType::Int, &Simulationsdauer, 0, 0, false},
    {"DeltaT", VarType::Double, &DeltaT, 0, 0, false},
    {"MonitorAxi", VarType::Int, &MonitorAxi, 0, 0, false},
    {"MonitorRad", VarType::Int, &MonitorRad, 0, 0, false},
    {"Sicherheit1", VarType::Double, &Sicherheit1, 0, 0, false},
    {"Sicherheit2", VarType::Double, &Sicherheit2, 0, 0, false},
    {"Zeitschritt", VarType::Int, &Zeitschritt, 0, 0, false},
    {"RepRandbed", VarType::Int, &RepRandbed, 0, 0, false},
    {"DimRad", VarType::Int, &DimRad, 0, 0, false},
    {"DimAxi", VarType::Int, &DimAxi, 0, 0, false},
    {"Gitterfaktor", VarType::Double, &Gitterfaktor, 0, 0, false},
    {"Rechenradius", VarType::Double, &Rechenradius, 0, 0, false},
    {"Genauigkeit", VarType::Double, &Genauigkeit, 0, 0, false},
    {"StepWrite", VarType::Int, &StepWrite, 0, 0, false},
    {"readfile", VarType::Bool, &readfile, 0, 0, false},
    {"writefile", VarType::Bool, &writefile, 0, 0, false},
    {"Allsteps", VarType::Bool, &Allsteps, 0, 0, false},
    {"Starttemp", VarType::Bool, &Starttemp, 0, 0, false},
    {"g1", VarType::Double, &g1, 0, 0, false},
    {"g2", VarType::Double, &g2, 0, 0, false},
    {"g3", VarType::Double, &g3, 0, 0, false},
    {"g4", VarType::Double, &g4, 0, 0, false},
    {"g5", VarType::Double, &g5, 0, 0, false},
    {"Sondenabstand", VarType::Double, &Sondenabstand, 0, 0, false},
    {"g_Sondenabstand", VarType::Double, &g_Sondenabstand, 0, 0, false},
    {"gfunction", VarType::Bool, &gfunction, 0, 0, false},
    {"subdt", VarType::Int, &subdt, 0, 0, true},
    {"substep_run", VarType::Int, &substep_run, 0, 0, true},
    {"substep_stop", VarType::Int, &substep_stop, 0, 0, true},
    {"gfuntyp", VarType::Int, &gfuntyp, 0, 0, false},
    {"Sprungantwort", VarType::Bool, &Sprungantwort, 0, 0, false},
    {"Stundensprung", VarType::Bool, &Stundensprung, 0, 0, false},
    {"gEingabe", VarType::Bool, &gEingabe, 0, 0, false},
    {"Sondenauswahl", VarType::Int, &Sondenauswahl, 0, 0, false},
    {"TEarth", VarType::Bool, &TEarth, 0, 0, false},
    {"stepWrite_TEarth", VarType::Int, &stepWrite_TEarth, 0, 0, false},
    {"Sondengrafik", VarType::Bool, &Sondengrafik, 0, 0, false},
    {"alpha_pro_Schritt", VarType::Bool, &alpha_pro_Schritt, 0, 0, false},
    {"Laenge_berechnen", VarType::Bool, &Laenge_berechnen, 0, 0, false},
    {"Laenge_im_Feld", VarType::Bool, &Laenge_im_Feld, 0, 0, false},
    {"MeteoStandard", VarType::Bool, &MeteoStandard, 0, 0, false},
    {"TRT", VarType::Bool, &TRT, 0, 0, false},
    {"Hell", VarType::Bool, &Hell, 0, 0, false},
    {"start_Messung", VarType::Bool, &start_Messung, 0, 0, false},
    {"Messung", VarType::Double, &Messung, 0, 0, true},
    {"TRT_Methode", VarType::Double, &TRT_Methode, 0, 0, false},
    {"Leistung", VarType::Bool, &Leistung, 0, 0, false},
    {"Leistungsinput", VarType::Bool, &Leistungsinput, 0, 0, false},
    {"TSink", VarType::Double, &TSink, 0, 0, false},
    {"QSource", VarType::Double, &QSource, 0, 0, false},
    {"Durchschnittsentzug", VarType::Bool, &Durchschnittsentzug, 0, 0, false},
    {"Laufzeit", VarType::Int, Laufzeit, 1, 12, false},
    {"QSpitzeFeb", VarType::Double, &QSpitzeFeb, 0, 0, false},
    {"DauerLastSpitze", VarType::Int, &DauerLastSpitze, 0, 0, false},
    {"Kuehlsonde", VarType::Bool, &Kuehlsonde, 0, 0, false},
    {"Einspeisung", VarType::Double, &Einspeisung, 0, 0, false},
    {"Lasteinlesen", VarType::Bool, &Lasteinlesen, 0, 0, false},
    {"Lastprofil", VarType::Bool, &Lastprofil, 0, 0, false},
    {"Warmwasser", VarType::Bool, &Warmwasser, 0, 0, false},
    {"Jahreslaufzeit", VarType::Int, &Jahreslaufzeit, 0, 0, false},
    {"JahreEinschwingen", VarType::Int, &JahreEinschwingen, 0, 0, false},
    {"MaxQ", VarType::Bool, &MaxQ, 0, 0, false},
    {"MaxQKuehl", VarType::Bool, &MaxQKuehl, 0, 0, false},
    {"Lastprofil2", VarType::Bool, &Lastprofil2, 0, 0, false},
    {"Heizleistung_Teillast", VarType::Double, &Heizleistung_Teillast, 0, 0, false},
    {"Heizleistung_WW", VarType::Double, &Heizleistung_WW, 0, 0, false},
    {"Kuehlleistung", VarType::Double, &Kuehlleistung, 0, 0, false},
    {"Heizleistung_Vollast", VarType::Double, &Heizleistung_Vollast, 0, 0, false},
    {"Heizlast", VarType::Double, Heizlast, 1, 12, false},
    {"Kuehllast", VarType::Double, Kuehllast, 1, 12, false},
    {"COP_Heizlast", VarType::Double, &COP_Heizlast, 0, 0, false},
    {"COP_WW", VarType::Double, &COP_WW, 0, 0, false},
    {"EER_Kuehllast", VarType::Double, &EER_Kuehllast, 0, 0, false},
    {"Jahresheizlast", VarType::Double, &Jahresheizlast, 0, 0, false},
    {"Jahreskuehllast", VarType::Double, &Jahreskuehllast, 0, 0, false},
    {"HeizlastWW", VarType::Double, &HeizlastWW, 0, 0, false},
    {"Heizbandlast", VarType::Double, &Heizbandlast, 0, 0, false},
    {"Kuehlbandlast", VarType::Double, &Kuehlbandlast, 0, 0, false},
    {"TageVollast", VarType::Int, &TageVollast, 0, 0, false},
    {"SummeQHeiz", VarType::Double, &SummeQHeiz, 0, 0, true},
    {"SummeQKuehl", VarType::Double, &SummeQKuehl, 0, 0, true},
    {"TageVollastKuehlung", VarType::Int, &TageVollastKuehlung, 0, 0, false},
    {"EER_Vollast", VarType::Double, &EER_Vollast, 0, 0, false},
    {"Offset", VarType::Int, &Offset, 0, 0, false},
    {"KuehlleistungVollast", VarType::Double, &KuehlleistungVollast, 0, 0, false},
    {"Reserve7", VarType::Bool, &Reserve7, 0, 0, false},
    {"Anforderung", VarType::Int, &Anforderung, 0, 0, false},
    {"Heizanteil", VarType::Double, Heizanteil, 1, 12, false},
    {"Kuehlanteil", VarType::Double, Kuehlanteil, 1, 12, false},
    {"KuehlanteilProfil", VarType::Double, KuehlanteilProfil, 1, 12, false},
    {"JahresFreecooling", VarType::Double, &JahresFreecooling, 0, 0, false},
    {"WWTagesprofil", VarType::Double, WWTagesprofil, 1, 24, false},
    {"WP", VarType::Bool, &WP, 0, 0, false},
    {"bivalent", VarType::Bool, &bivalent, 0, 0, false},
    {"Kesselleistung", VarType::Double, &Kesselleistung, 0, 0, false},
    {"COP_5", VarType::Double, &COP_5, 0, 0, false},
    {"COP_0", VarType::Double, &COP_0, 0, 0, false},
    {"COP5", VarType::Double, &COP5, 0, 0, false},
    {"COP10", VarType::Double, &COP10, 0, 0, false},
    {"COP15", VarType::Double, &COP15, 0, 0, false},
    {"WPHeizleistung", VarType::Double, &WPHeizleistung, 0, 0, false},
    {"WPFrostgrenze", VarType::Double, &WPFrostgrenze, 0, 0, false},
    {"Kaeltemaschine", VarType::Double, &Kaeltemaschine, 0, 0, false},
    {"TSink3", VarType::Double, &TSink3, 0, 0, false},
    {"COP_Volllast", VarType::Double, &COP_Volllast, 0, 0, false},
    {"DeltaVerdampfer", VarType::Double, &DeltaVerdampfer, 0, 0, false},
    {"Freecooling", VarType::Bool, &Freecooling, 0, 0, false},
    {"TTSink", VarType::Double, &TTSink, 0, 0, false},
    {"Rueckkuehlung", VarType::Bool, &Rueckkuehlung, 0, 0, false},
    {"COPRueckkuehlung", VarType::Double, &COPRueckkuehlung, 0, 0, false},
    {"MinDeckungFreecooling", VarType::Double, &MinDeckungFreecooling, 0, 0, false},
    {"DirektkuehlungWP", VarType::Bool, &DirektkuehlungWP, 0, 0, false},
    {"Frostbegrenzung", VarType::Bool, &Frostbegrenzung, 0, 0, false},
    {"Frostgrenze", VarType::Double, &Frostgrenze, 0, 0, false},
    {"COP_Frostgrenze", VarType::Double, &COP_Frostgrenze, 0, 0, false},
    {"MinSondentemp", VarType::Double, &MinSondentemp, 0, 0, false},
    {"Aufteilung", VarType::Bool, &Aufteilung, 0, 0, false},
    {"Feld1", VarType::Bool, &Feld1, 0, 0, false},
    {"Freecoolleistung", VarType::Double, &Freecoolleistung, 0, 0, false},
    {"Freecool", VarType::Double, Freecool, 1, 12, false},
    {"Systemsimulation", VarType::Bool, &Systemsimulation, 0, 0, false},
    {"TaMin", VarType::Double, &TaMin, 0, 0, false},
    {"TaMax", VarType::Double, &TaMax, 0, 0, false},
    {"TKondens", VarType::Double, &TKondens, 0, 0, false},
    {"EtaWRG", VarType::Double, &EtaWRG, 0, 0, false},
    {"Ak1", VarType::Double, &Ak1, 0, 0, false},
    {"zz1", VarType::Double, &zz1, 0, 0, false},
    {"Ak2", VarType::Double, &Ak2, 0, 0, false},
    {"zz2", VarType::Double, &zz2, 0, 0, false},
    {"Ak3", VarType::Double, &Ak3, 0, 0, false},
    {"zz3", VarType::Double, &zz3, 0, 0, false},
    {"m1", VarType::Double, &m1, 0, 0, false},
    {"m2", VarType::Double, &m2, 0, 0, false},
    {"m3", VarType::Double, &m3, 0, 0, false},
    {"m4", VarType::Double, &m4, 0, 0, false},
    {"TZulSoll", VarType::Double, &TZulSoll, 0, 0, false},
    {"mZul", VarType::Double, &mZul, 0, 0, false},
    {"mZul2", VarType::Double, &mZul2, 0, 0, false},
    {"TRL20", VarType::Double, &TRL20, 0, 0, false},
    {"TRL30", VarType::Double, &TRL30, 0, 0, false},
    {"DTVenti", VarType::Double, &DTVenti, 0, 0, false},
    {"Frostschutz", VarType::Bool, &Frostschutz, 0, 0, false},
    {"LFahrplan", VarType::Bool, &LFahrplan, 0, 0, false},
    {"LF", VarType::Double, LF, 10, 39, false},
    {"m5", VarType::Double, &m5, 0, 0, false},
    {"LFNr", VarType::Int, LFNr, 1, 7, false},
    {"Sondenpumpe", VarType::Double, &Sondenpumpe, 0, 0, false},
    {"TRaum", VarType::Double, &TRaum, 0, 0, false},
    {"Rueckkuehler1", VarType::Double, &Rueckkuehler1, 0, 0, false},
    {"RueckkuehlLeistung", VarType::Double, &RueckkuehlLeistung, 0, 0, false},
    {"Ta_nurLuftbetrieb", VarType::Double, &Ta_nurLuftbetrieb, 0, 0, false},
    {"Ta_nurQEBbetrieb", VarType::Double, &Ta_nurQEBbetrieb, 0, 0, false},
    {"Ein_Rueckkuehler", VarType::Double, &Ein_Rueckkuehler, 0, 0, false},
    {"Koll_Verlustfakt", VarType::Bool, &Koll_Verlustfakt, 0, 0, false},
    {"WWsolar", VarType::Bool, &WWsolar, 0, 0, false},
    {"WW_Bedarf", VarType::Double, &WW_Bedarf, 0, 0, false},
    {"Kollektorwahl", VarType::Int, &Kollektorwahl, 0, 0, false},
    {"WWTauscher", VarType::Double, &WWTauscher, 0, 0, false},
    {"Solarspeicher", VarType::Double, &Solarspeicher, 0, 0, false},
    {"a2", VarType::Double, &a2, 0, 0, false},
    {"Ak_Kollektor", VarType::Double, &Ak_Kollektor, 0, 0, false},
    {"solar", VarType::Bool, &solar, 0, 0, false},
    {"unverglast", VarType::Bool, &unverglast, 0, 0, false},
    {"Res1", VarType::Bool, &Res1, 0, 0, false},
    {"zzKollektor", VarType::Double, &zzKollektor, 0, 0, false},
    {"cp_Kollektor", VarType::Double, &cp_Kollektor, 0, 0, false},
    {"Kollektor", VarType::Double, &Kollektor, 0, 0, false},
    {"Absorber", VarType::Double, &Absorber, 0, 0, false},
    {"b_u", VarType::Double, &b_u, 0, 0, false},
    {"u", VarType::Double, &u, 0, 0, false},
    {"b_1", VarType::Double, &b_1, 0, 0, false},
    {"a1", VarType::Double, &a1, 0, 0, false},
    {"b_2", VarType::Double, &b_2, 0, 0, false},
    {"VarA", VarType::Double, &VarA, 0, 0, false},
    {"Eta0", VarType::Double, &Eta0, 0, 0, false},
    {"VarB", VarType::Double, &VarB, 0, 0, false},
    {"parallel", VarType::Double, &parallel, 0, 0, false},
    {"VarC", VarType::Double, &VarC, 0, 0, false},
    {"Azimut", VarType::Double, &Azimut, 0, 0, false},
    {"Ak_Fak_WWTauscher", VarType::Double, &Ak_Fak_WWTauscher, 0, 0, false},
    {"Neigung", VarType::Double, &Neigung, 0, 0, false},
    {"Speicherverluste", VarType::Double, &Speicherverluste, 0, 0, false},
    {"MaxSondenruecklauf", VarType::Double, &MaxSondenruecklauf, 0, 0, false},
    {"mKollektor", VarType::Double, &mKollektor, 0, 0, false},
    {"inSerie", VarType::Double, &inSerie, 0, 0, false},
    {"WWPrio", VarType::Bool, &WWPrio, 0, 0, false},
    {"WWTemperatur", VarType::Double, &WWTemperatur, 0, 0, false},
    {"Druck", VarType::Bool, &Druck, 0, 0, false},
    {"Auslegungsdruck", VarType::Double, &Auslegungsdruck, 0, 0, true},
    {"DruckabfallSonde", VarType::Double, &DruckabfallSonde, 0, 0, true},
    {"Druckberechnung", VarType::Bool, &Druckberechnung, 0, 0, false},
    {"NenndruckVerdampfer", VarType::Double, &NenndruckVerdampfer, 0, 0, false},
    {"NenndurchsatzVerdampfer", VarType::Double, &NenndurchsatzVerdampfer, 0, 0, false},
    {"NenndruckVerteiler", VarType::Double, &NenndruckVerteiler, 0, 0, false},
    {"NenndurchsatzVerteiler", VarType::Double, &NenndurchsatzVerteiler, 0, 0, false},
    {"NenndruckMessung", VarType::Double, &NenndruckMessung, 0, 0, false},
    {"NenndurchsatzMessung", VarType::Double, &NenndurchsatzMessung, 0, 0, false},
    {"DurchmesserAnschluss", VarType::Double, &DurchmesserAnschluss, 0, 0, false},
    {"LaengeAnschluss", VarType::Double, &LaengeAnschluss, 0, 0, false},
    {"NenndruckVentil", VarType::Double, &NenndruckVentil, 0, 0, false},
    {"NenndurchsatzVentil", VarType::Double, &NenndurchsatzVentil, 0, 0, false},
    {"AnzahlBogen90", VarType::Int, &AnzahlBogen90, 0, 0, false},
    {"Sondenverlaengerung", VarType::Double, &Sondenverlaengerung, 0, 0, false},
    {"AuslegungsDruckabfall_Sondenkreis", VarType::Double, &AuslegungsDruckabfall_Sondenkreis, 0, 0, true},
    {"AnzahlParallel", VarType::Int, &AnzahlParallel, 0, 0, false},
    {"AnzahlSonden2", VarType::Int, &AnzahlSonden2, 0, 0, false},
    {"Auslegungsmassenstrom3", VarType::Double, &Auslegungsmassenstrom3, 0, 0, false},
    {"Zaehler", VarType::Int, &Zaehler, 0, 0, false},
    {"Multiplikator", VarType::Double, &Multiplikator, 0, 0, false},
    {"SondeNr", VarType::Int, &SondeNr, 0, 0, true},
    {"SondeX", VarType::Double, SondeX, 1, 600, false},
    {"SondeY", VarType::Double, SondeY, 1, 600, false},
    {"Sondenbelastung", VarType::Double, Sondenbelastung, 1, 600, true},
    {"Nachbarsonde", VarType::Bool, Nachbarsonde, 1, 600, false},
    {"mitPlan", VarType::Bool, &mitPlan, 0, 0, false},
    {"Posx", VarType::Int, &Posx, 0, 0, false},
    {"Posy", VarType::Int, &Posy, 0, 0, false},
    {"x_Ref", VarType::Double, &x_Ref, 0, 0, false},
    {"y_Ref", VarType::Double, &y_Ref, 0, 0, false},
    {"Anz_Nachbarsonden", VarType::Int, &Anz_Nachbarsonden, 0, 0, false},
    {"x_Stao", VarType::Double, &x_Stao, 0, 0, false},
    {"y_Stao", VarType::Double, &y_Stao, 0, 0, false},
    {"swqebinput", VarType::Bool, &swqebinput, 0, 0, false},
    {"AnfahrfileSchreiben", VarType::Bool, &AnfahrfileSchreiben, 0, 0, false},
    {"y_CH_Koord", VarType::Double, &y_CH_Koord, 0, 0, false},
    {"Hoeh", VarType::Double, &Hoeh, 0, 0, false},
    {"Reserve27", VarType::Bool, &Reserve27, 0, 0, false},
    {"Reserve18", VarType::Double, &Reserve18, 0, 0, true},
    {"Standorthoehe", VarType::Double, &Standorthoehe, 0, 0, false},
    {"Reserve19", VarType::Double, &Reserve19, 0, 0, true},
    {"mit_Standorthoehe", VarType::Double, &mit_Standorthoehe, 0, 0, false},
    {"ReserveA", VarType::Double, &ReserveA, 0, 0, true},
    {"x_CH_Koord", VarType::Double, &x_CH_Koord, 0, 0, false},
    {"ReserveC", VarType::Double, &ReserveC, 0, 0, true},
    {"ReserveD", VarType::Double, &ReserveD, 0, 0, true},
    {"Projekttitel1", VarType::String, &Projekttitel1, 0, 0, false},
    {"Projekttitel2", VarType::String, &Projekttitel2, 0, 0, false},
    {"Projekttitel3", VarType::String, &Projekttitel3, 0, 0, false},
    {"Projekttitel4", VarType::String, &Projekttitel4, 0, 0, false},
    {"SwqebFile", VarType::String, &SwqebFile, 0, 0, false},
    {"Anfahrfile", VarType::String, &Anfahrfile, 0, 0, false},
    {"Sprache", VarType::String, &Sprache, 0, 0, false},
    {"Inputfile", VarType::String, &Inputfile, 0, 0, false},
    {"Inputfile2", VarType::String, &Inputfile2, 0, 0, false},
    {"Outputfile", VarType::String, &Outputfile, 0, 0, false},
    {"StaoFile", VarType::String, &StaoFile, 0, 0, false},
    {"Projektstrasse", VarType::String, &Projektstrasse, 0, 0, false},
    {"Projektort", VarType::String, &Projektort, 0, 0, false},
    {"Planverzeichnis", VarType::String, &Planverzeichnis, 0, 0, false},
    {"Auslegungsentzug", VarType::Double, &Auslegungsentzug, 0, 0, false},
    {"TSource", VarType::Double, &TSource, 0, 0, false},
    {"Jahr", VarType::Int, &Jahr, 0, 0, false},
    {"Rechenstatus", VarType::Int, &Rechenstatus, 0, 0, false},
    {"Laufminuten", VarType::Int, &Laufminuten, 0, 0, false},
    {"SchritteProJahr", VarType::Int, &SchritteProJahr, 0, 0, false},
    {"OffsetAktuell", VarType::Int, &OffsetAktuell, 0, 0, false},
    {"Vorlauf", VarType::Bool, &Vorlauf, 0, 0, false},
    {"AnlageAktiv", VarType::Bool, &AnlageAktiv, 0, 0, false},
    {"gKurzzeitBreit", VarType::Bool, &gKurzzeitBreit, 0, 0, false},
    {"ZweitesFeld", VarType::Bool, &ZweitesFeld, 0, 0, false},
    {"Einzelsonde", VarType::Bool, &Einzelsonde, 0, 0, false},
    {"ProjektGeoeffnet", VarType::Bool, &ProjektGeoeffnet, 0, 0, false},
    {"MacModus", VarType::Bool, &MacModus, 0, 0, false},
    {"Win10Modus", VarType::Bool, &Win10Modus, 0, 0, false},
    {"SondenfeldGrafikjahr", VarType::Bool, &SondenfeldGrafikjahr, 0, 0, false},
    {"Markergroesse", VarType::Int, &Markergroesse, 0, 0, false},
    {"Trefferradius", VarType::Int, &Trefferradius, 0, 0, false},
    {"FileVersion", VarType::Int, &FileVersion, 0, 0, false},
    {"GeologieGelesen", VarType::Bool, &GeologieGelesen, 0, 0, false},
    {"StaoGefunden", VarType::Bool, &StaoGefunden, 0, 0, false},
    {"StaoGelesen", VarType::Bool, &StaoGelesen, 0, 0, false},
    {"TKaltwasser", VarType::Double, &TKaltwasser, 0, 0, false},
    {"DeltaT_WW", VarType::Double, &DeltaT_WW, 0, 0, false},
    {"SummeGlobalstrahlung", VarType::Double, &SummeGlobalstrahlung, 0, 0, false},
    {"SummeAussentemperatur", VarType::Double, &SummeAussentemperatur, 0, 0, false},
    {"StaoFehlt", VarType::Bool, &StaoFehlt, 0, 0, false},
    {"TStandort50", VarType::Double, &TStandort50, 0, 0, false},
    {"RueckkuehlerHeizen", VarType::Bool, &RueckkuehlerHeizen, 0, 0, false},
    {"lambdaRadial", VarType::Double, lambdaRadial, 1, 20, false},
    {"MassenstromAusEntzug", VarType::Bool, &MassenstromAusEntzug, 0, 0, false},
    {"Horizontalrohr", VarType::Bool, &Horizontalrohr, 0, 0, false},
    {"StaoWert3", VarType::Double, &StaoWert3, 0, 0, false},
    {"Koaxialrohr2", VarType::Bool, &Koaxialrohr2, 0, 0, false},
    {"JahrGrafik", VarType::Int, &JahrGrafik, 0, 0, false},
    {"x_koord", VarType::Int, &x_koord, 0, 0, true},
    {"y_koord", VarType::Int, &y_koord, 0, 0, true},
    {"StaoWert8", VarType::Double, &StaoWert8, 0, 0, true},
    {"TRTOption", VarType::Bool, &TRTOption, 0, 0, false},
    {"TRTAuto", VarType::Bool, &TRTAuto, 0, 0, false},
    {"Kopfzeile", VarType::String, &Kopfzeile, 0, 0, false},
    {"KopfzeileAnlage", VarType::String, &KopfzeileAnlage, 0, 0, false},
    {"KopfzeileAnlageWP", VarType::String, &KopfzeileAnlageWP, 0, 0, false},
    {"KopfzeileSolar", VarType::String, &KopfzeileSolar, 0, 0, false},
  };
  return table;
}

}  // namespace qeb
