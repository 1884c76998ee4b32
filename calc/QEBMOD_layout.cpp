// The line layout of the project file. One table says, for every line of the
// current version, which variables it carries in which format under which
// key, in which older versions it exists and what a read value turns into;
// the writer and the reader both walk it, so the two cannot drift apart.
#include <cmath>
#include <string>

#include "calc/QEBMOD.h"

namespace qeb {

double StaoOffsetX = 0.0;
double StaoOffsetY = 0.0;

void StaoLandeskoordinaten(double& x, double& y) {
  if (x_Ref > 0.01 && y_Ref > 0.01) {
    x = x_CH_Koord - x_Ref + x_Stao;
    y = y_CH_Koord + y_Ref - y_Stao;
  } else {
    x = x_Stao;
    y = y_Stao;
  }
}

namespace {

std::string Idx(const char* name, int i) { return std::string(name) + "[" + std::to_string(i) + "]"; }

Field F(Fmt fmt, void* p, std::string key, Conv conv = Conv::Plain) { return Field{fmt, p, std::move(key), conv, false}; }
Field E(double* p, std::string key) { return F(Fmt::E, p, std::move(key)); }
// Integer inside a multi-value line: read as a real and converted.
Field IR(int* p, std::string key, Conv conv) { return Field{Fmt::I, p, std::move(key), conv, true}; }

std::string Join(const std::vector<Field>& f, const char* sep) {
  std::string s;
  for (size_t i = 0; i < f.size(); ++i) {
    if (i) s += sep;
    s += f[i].key;
  }
  return s;
}

[[noreturn]] void Bad(const std::string& key, const std::string& what) {
  throw CalcError(key + ": " + what + " / ung\xFCltiger Wert / invalid value");
}

void CheckRange(const std::string& key, long long v, long long lo, long long hi) {
  if (v < lo || v > hi)
    Bad(key, "Wert " + std::to_string(v) + " ausserhalb " + std::to_string(lo) + ".." + std::to_string(hi));
}

// Resistances of the whole probe also stand for every axial cell. DimAxi may
// still hold the value of the project before; the cells stop at the arrays.
void CopyToCells(double (&cells)[21], double v) {
  int n = DimAxi;
  if (n > 20) n = 20;
  for (int i = 1; i <= n; ++i) cells[i] = v;
}

bool OnKoaxial() { return KoaxialSonde; }
bool OnBivalent() { return bivalent; }
bool OnWP() { return WP; }
bool OnKuehlsonde() { return Kuehlsonde; }
bool OnWPOrFrost() { return WP || Frostbegrenzung; }
bool OnSystem() { return Systemsimulation; }
bool OnLastprofil() { return Lastprofil; }
bool OnLFahrplan() { return LFahrplan; }
bool OnRaKorr() { return RaKorr; }
bool OnErdauswahl() { return Erdauswahl; }
bool OnTEarth() { return TEarth; }
bool OnDruckberechnung() { return Druckberechnung; }
bool OnUngleich() { return ungleichmaessig; }

int CountCoordinates(int v) {
  if (BeispielModus) return 1;
  if (v >= 22) return 4;
  if (v == 21) return 3;
  return 1;
}
int Count323(int v) { return v >= 23 ? 2 : v >= 5 ? 1 : 0; }
int Count327(int v) { return v >= 23 ? 2 : v >= 17 ? 1 : 0; }
int CountPair(int v) { return v >= 23 ? 2 : 1; }
int CountFour(int v) { return v >= 24 ? 4 : 1; }
int CountSeven(int v) { return v >= 28 ? 7 : v >= 24 ? 4 : 1; }

}  // namespace

const std::vector<LineSpec>& ProjectLayout() {
  static const std::vector<LineSpec> table = [] {
    std::vector<LineSpec> t;
    t.reserve(1002);
    t.emplace_back();  // line 0 does not exist

    auto add = [&](LineKind kind, std::vector<Field> fields, std::string keyText = {}) -> LineSpec& {
      LineSpec s;
      s.line = static_cast<int>(t.size());
      s.kind = kind;
      s.fields = std::move(fields);
      s.keyText = std::move(keyText);
      t.push_back(std::move(s));
      return t.back();
    };
    auto param = [&](Field f) -> LineSpec& {
      std::string k = f.key;
      return add(LineKind::Param, {std::move(f)}, k);
    };
    auto e = [&](double* p, const char* key) -> LineSpec& { return param(E(p, key)); };
    auto i = [&](int* p, const char* key) -> LineSpec& { return param(F(Fmt::I, p, key)); };
    auto b = [&](bool* p, const char* key) -> LineSpec& { return param(F(Fmt::B, p, key)); };
    auto text = [&](std::string* p) -> LineSpec& { return add(LineKind::Text, {F(Fmt::T, p, "")}); };
    auto multi = [&](std::vector<Field> f, const char* sep) -> LineSpec& {
      std::string k = Join(f, sep);
      return add(LineKind::Multi, std::move(f), k);
    };
    // Gates: read from version v on; the lines of a block share them.
    auto gate = [&](int from, int to, int v, Below below) {
      for (int l = from; l <= to; ++l) {
        t[l].minVersion = v;
        t[l].below = below;
      }
    };
    auto when = [&](int from, int to, bool (*c)()) {
      for (int l = from; l <= to; ++l) t[l].cond = c;
    };

    add(LineKind::Version, {});
    text(&Projekttitel1);
    text(&Projekttitel2);
    text(&Projekttitel3);
    text(&Projekttitel4);

    i(&AnzahlSonden, "AnzahlSonden").after = [](int, int) { CheckRange("AnzahlSonden", AnzahlSonden, 1, kMaxSonden); };
    e(&Sondenlaenge, "Sondenlaenge");
    e(&Bohrdurchmesser, "Bohrdurchmesser");
    e(&Sondendurchmesser, "Sondendurchmesser");
    e(&Dicke_Sondenrohr, "Dicke_Sondenrohr");
    e(&R1, "R1").after = [](int, int) { CopyToCells(R1V, R1); };
    e(&Ra, "Ra").after = [](int, int) { CopyToCells(RaV, Ra); };
    e(&Rb, "Rb").after = [](int, int) { CopyToCells(RbV, Rb); };
    b(&KoaxialSonde, "KoaxialSonde");
    e(&Innenrohrdurchmesser, "Innenrohrdurchmesser").cond = OnKoaxial;
    b(&WP, "WP");
    b(&bivalent, "bivalent");
    e(&Kesselleistung, "Kesselleistung").cond = OnBivalent;
    e(&lambdaSole, "lambdaSole");
    e(&rhoSole, "rhoSole");
    e(&cpSole, "cpSole");
    e(&nueSole, "nueSole");
    e(&Auslegungsmassenstrom, "Auslegungsmassenstrom");
    b(&Druck, "Druck");
    e(&Massenstrom, "Massenstrom");
    e(&Auslegungsdruck, "Auslegungsdruck").never = true;
    e(&COP_5, "COP_5").cond = OnWP;
    e(&COP_0, "COP_0").cond = OnWP;
    b(&swqebinput, "swqebinput");
    text(&SwqebFile);
    e(&lambdaErd, "lambdaErd");
    e(&rhoErd, "rhoErd");
    e(&cpErd, "cpErd");
    for (int k = 1; k <= 10; ++k) {
      param(E(&lambdaErde[k], Idx("lambdaErde", k)));
      param(E(&rhoErde[k], Idx("rhoErde", k)));
      param(E(&cpErde[k], Idx("cpErde", k)));
    }
    e(&COP5, "COP5").cond = OnWP;
    e(&lambdaFill, "lambdaFill");
    e(&rhoFill, "rhoFill");
    e(&cpFill, "cpFill");
    e(&COP10, "COP10").cond = OnWP;
    e(&Jahresmitteltemp, "Jahresmitteltemp");
    e(&TGrad, "TGrad");
    e(&Bodenerwaermung, "Bodenerwaermung");
    b(&Leistung, "Leistung");
    b(&Leistungsinput, "Leistungsinput");
    i(&Beginn, "Beginn");
    i(&numrows, "numrows");  // the writer and reader use their count arguments
    i(&LastYear, "LastYear").after = [](int, int) { CheckRange("LastYear", LastYear, 1, kMaxSonden); };
    i(&Simulationsdauer, "Simulationsdauer");
    e(&DeltaT, "DeltaT");
    b(&stationaer, "stationaer");
    e(&COP15, "COP15").cond = OnWP;
    i(&MonitorAxi, "MonitorAxi").after = [](int, int) { CheckRange("MonitorAxi", MonitorAxi, 1, 10); };
    i(&MonitorRad, "MonitorRad").after = [](int, int) { CheckRange("MonitorRad", MonitorRad, 0, 13); };
    e(&Sicherheit1, "Sicherheit1");
    e(&Sicherheit2, "Sicherheit2");
    i(&Zeitschritt, "Zeitschritt");
    i(&RepRandbed, "RepRandbed").after = [](int, int) { CheckRange("RepRandbed", RepRandbed, 1, 10000); };
    i(&DimRad, "DimRad").after = [](int, int) { CheckRange("DimRad", DimRad, 1, 12); };
    i(&DimAxi, "DimAxi").after = [](int, int) { CheckRange("DimAxi", DimAxi, 1, 10); };
    e(&Gitterfaktor, "Gitterfaktor");
    e(&Rechenradius, "Rechenradius");
    e(&Genauigkeit, "Genauigkeit");
    i(&StepWrite, "StepWrite").after = [](int, int) { CheckRange("StepWrite", StepWrite, 1, 1 << 30); };
    b(&readfile, "readfile");
    b(&writefile, "writefile");
    b(&Allsteps, "Allsteps");
    b(&Starttemp, "Starttemp");
    e(&TSink, "TSink");
    e(&QSource, "QSource");
    e(&WPHeizleistung, "WPHeizleistung").cond = OnWP;
    e(&g1, "g1");
    e(&g2, "g2");
    e(&g3, "g3");
    e(&g4, "g4");
    e(&g5, "g5");
    e(&Sondenabstand, "Sondenabstand");
    e(&g_Sondenabstand, "g_Sondenabstand");
    b(&gfunction, "gfunction");
    b(&Starttemp, "Starttemp");
    b(&Durchschnittsentzug, "Durchschnittsentzug");
    for (int k = 1; k <= 12; ++k) param(F(Fmt::I, &Laufzeit[k], Idx("Laufzeit", k)));
    e(&QSpitzeFeb, "QSpitzeFeb");
    i(&DauerLastSpitze, "DauerLastSpitze");
    b(&Kuehlsonde, "Kuehlsonde");
    e(&Einspeisung, "Einspeisung").cond = OnKuehlsonde;
    b(&Lasteinlesen, "Lasteinlesen");
    e(&WPFrostgrenze, "WPFrostgrenze").cond = OnWPOrFrost;
    b(&Systemsimulation, "Systemsimulation");
    e(&TaMin, "TaMin");
    e(&TaMax, "TaMax");
    e(&TKondens, "TKondens");
    e(&EtaWRG, "EtaWRG");
    e(&Ak1, "Ak1");
    e(&zz1, "zz1");
    e(&Ak2, "Ak2");
    e(&zz2, "zz2");
    e(&Ak3, "Ak3");
    e(&zz3, "zz3");
    e(&m1, "m1");
    e(&m2, "m2");
    e(&m3, "m3");
    e(&m4, "m4");
    e(&TZulSoll, "TZulSoll");
    e(&mZul, "mZul");
    e(&mZul2, "mZul2");
    e(&TRL20, "TRL20");
    e(&TRL30, "TRL30");
    e(&DTVenti, "DTVenti");
    when(129, 148, OnSystem);
    b(&Lastprofil, "Lastprofil");
    b(&Warmwasser, "Warmwasser");
    i(&Jahreslaufzeit, "Jahreslaufzeit");
    i(&JahreEinschwingen, "JahreEinschwingen").after = [](int, int) {
#if __has_include("calc/QEBMOD_data.h")
      MonthlyRunHours();
#endif
    };
    when(150, 152, OnLastprofil);
    b(&Koll_Verlustfakt, "Koll_Verlustfakt");
    b(&Frostschutz, "Frostschutz");
    b(&LFahrplan, "LFahrplan");
    b(&MaxQ, "MaxQ");
    b(&MaxQKuehl, "MaxQKuehl");
    for (int k = 10; k <= 29; ++k) param(E(&LF[k], Idx("LF", k))).cond = OnLFahrplan;
    for (int k = 1; k <= 9; ++k) param(E(&lambdaErde_eff[k], Idx("lambdaErde_eff", k)));
    gate(178, 186, 19, Below::Skip);
    e(&m5, "m5").cond = OnSystem;
    for (int k = 1; k <= 7; ++k) {
      param(F(Fmt::I, &LFNr[k], Idx("LFNr", k))).cond = OnLFahrplan;
      t.back().after = [](int, int) {
        for (int d = 1; d <= 7; ++d) CheckRange("LFNr", LFNr[d], 0, 99);
      };
    }
    b(&Geocoax, "Geocoax");
    gate(195, 195, 17, Below::Skip);
    i(&subdt, "subdt");
    i(&substep_run, "substep_run");
    i(&substep_stop, "substep_stop");
    e(&Sondenpumpe, "Sondenpumpe");
    e(&Kaeltemaschine, "Kaeltemaschine");
    when(196, 200, OnSystem);
    e(&TSink3, "TSink3");
    gate(201, 201, 18, Below::SkipTo);
    t[201].skipTo = 202;
    e(&Rc, "Rc").after = [](int, int) { CopyToCells(RcV, Rc); };
    e(&Dicke_Innenrohr, "Dicke_Innenrohr");
    e(&lambdaInnenrohr, "lambdaInnenrohr");
    i(&Fluidtyp, "Fluidtyp").after = [](int, int) { CheckRange("Fluidtyp", Fluidtyp, 0, 99); };
    i(&Sondentyp, "Sondentyp").after = [](int, int) { CheckRange("Sondentyp", Sondentyp, 0, 99); };
    i(&gfuntyp, "gfuntyp").after = [](int, int) { CheckRange("gfuntyp", gfuntyp, 0, 99); };
    text(&Anfahrfile);
    b(&AnfahrfileSchreiben, "AnfahrfileSchreiben");
    e(&cpGlykol, "cpGlykol");
    e(&TRaum, "TRaum");
    b(&Sprungantwort, "Sprungantwort");
    b(&Hellstroem, "Hellstroem");
    e(&Bu, "Bu").after = [](int, int) {
      if (Bohrdurchmesser > 0.0) BuRelativ = Bu / Bohrdurchmesser;
    };
    b(&Stundensprung, "Stundensprung");
    gate(202, 215, 3, Below::Absent);
    b(&homogen, "homogen");
    b(&FillVariabel, "FillVariabel");
    for (int k = 1; k <= 10; ++k) {
      param(E(&lambdaFillV[k], Idx("lambdaFillV", k)));
      param(E(&rhoFillV[k], Idx("rhoFillV", k)));
      param(E(&cpFillV[k], Idx("cpFillV", k)));
    }
    gate(216, 247, 4, Below::Absent);
    b(&WWsolar, "WWsolar");
    gate(248, 248, 17, Below::Absent);
    for (int k = 1; k <= 10; ++k) {
      param(E(&R1V[k], Idx("R1V", k)));
      param(E(&RaV[k], Idx("RaV", k)));
      param(E(&RbV[k], Idx("RbV", k)));
      param(E(&RcV[k], Idx("RcV", k)));
    }
    gate(249, 288, 4, Below::Absent);
    e(&COP_Volllast, "COP_Volllast");
    gate(289, 289, 11, Below::Absent);
    e(&lambdaRohr, "lambdaRohr");
    gate(290, 290, 4, Below::Absent);
    e(&WW_Bedarf, "WW_Bedarf");
    gate(291, 291, 17, Below::Absent);
    e(&mKuehl, "mKuehl");
    gate(292, 292, 18, Below::SkipTo);
    t[292].skipTo = 293;
    b(&RaKorr, "RaKorr");
    e(&RaKorr_einfachU, "RaKorr_einfachU").cond = OnRaKorr;
    e(&DruckabfallSonde, "DruckabfallSonde").never = true;
    b(&einfachU, "einfachU");
    text(&Sprache);
    gate(293, 297, 3, Below::Absent);
    {
      LineSpec& s = add(LineKind::Line298,
                        {F(Fmt::BoolNum, &MassenstromAusEntzug, "MassenstromAusEntzug", Conv::AtLeast099),
                         F(Fmt::BoolNum, &Horizontalrohr, "Horizontalrohr", Conv::AtLeast099),
                         E(&StaoWert3, "StaoWert3"),
                         F(Fmt::BoolNum, &Koaxialrohr2, "Koaxialrohr2", Conv::AtLeast099),
                         IR(&JahrGrafik, "JahrGrafik", Conv::Round), IR(&x_koord, "x_koord", Conv::Round),
                         IR(&y_koord, "y_koord", Conv::Round), E(&StaoWert8, "StaoWert8"),
                         F(Fmt::BoolNum, &TRTOption, "TRTOption", Conv::AtLeast099),
                         F(Fmt::BoolNum, &TRTAuto, "TRTAuto", Conv::AtLeast099)});
      s.minVersion = 3;
      s.after = [](int, int) {
        if (JahrGrafik == 0) JahrGrafik = 50;
      };
    }
    e(&DeltaVerdampfer, "DeltaVerdampfer");
    b(&Freecooling, "Freecooling");
    b(&Erdauswahl, "Erdauswahl");
    for (int k = 1; k <= 10; ++k) {
      param(F(Fmt::I, &Erdauswahli[k], Idx("Erdauswahli", k))).cond = OnErdauswahl;
      t.back().after = [](int, int) {
        for (int l = 1; l <= 10; ++l) CheckRange("Erdauswahli", Erdauswahli[l], 0, 40);
      };
    }
    for (int k = 31; k <= 40; ++k) text(&Erdname[k]).cond = OnErdauswahl;
    b(&gEingabe, "gEingabe");
    gate(299, 322, 3, Below::Absent);
    {
      LineSpec& s = multi({IR(&Sondenauswahl, "Sondenauswahl", Conv::Round), IR(&Kollektorwahl, "Kollektorwahl", Conv::Round)}, " / ");
      s.minVersion = 3;
      s.count = Count323;
      s.after = [](int, int) {
        CheckRange("Sondenauswahl", Sondenauswahl, 0, 99);
        CheckRange("Kollektorwahl", Kollektorwahl, 0, 99);
      };
    }
    e(&TTSink, "TTSink");
    gate(324, 324, 5, Below::Skip);
    b(&TEarth, "TEarth");
    i(&stepWrite_TEarth, "stepWrite_TEarth").cond = OnTEarth;
    t.back().after = [](int, int) { CheckRange("stepWrite_TEarth", stepWrite_TEarth, 1, 1 << 30); };
    gate(325, 326, 6, Below::Skip);
    {
      LineSpec& s = multi({E(&WWTauscher, "WWTauscher"), E(&Solarspeicher, "Solarspeicher")}, "/");
      s.minVersion = 3;
      s.count = Count327;
    }
    b(&Rueckkuehlung, "Rueckkuehlung");
    e(&COPRueckkuehlung, "COPRueckkuehlung");
    e(&MinDeckungFreecooling, "MinDeckungFreecooling");
    b(&Durchsatz_const, "Durchsatz_const");
    b(&Druckberechnung, "Druckberechnung");
    b(&Lastprofil2, "Lastprofil2");
    b(&Sondengrafik, "Sondengrafik");
    b(&alpha_pro_Schritt, "alpha_pro_Schritt");
    b(&ungleichmaessig, "ungleichmaessig");
    b(&DirektkuehlungWP, "DirektkuehlungWP");
    b(&Frostbegrenzung, "Frostbegrenzung");
    b(&Laenge_berechnen, "Laenge_berechnen");
    b(&Laenge_im_Feld, "Laenge_im_Feld");
    gate(328, 340, 7, Below::Absent);
    i(&Zaehler, "Zaehler").after = [](int, int) { CheckRange("Zaehler", Zaehler, 0, kMaxSonden); };
    e(&Multiplikator, "Multiplikator");
    i(&SondeNr, "SondeNr").after = [](int, int) { CheckRange("SondeNr", SondeNr, 0, kMaxSonden); };
    gate(341, 343, 9, Below::Skip);
    e(&Frostgrenze, "Frostgrenze");
    e(&COP_Frostgrenze, "COP_Frostgrenze");
    e(&MinSondentemp, "MinSondentemp");
    e(&Heizleistung_Teillast, "Heizleistung_Teillast");
    e(&Heizleistung_WW, "Heizleistung_WW");
    e(&Kuehlleistung, "Kuehlleistung");
    e(&Heizleistung_Vollast, "Heizleistung_Vollast");
    gate(344, 350, 7, Below::Absent);
    e(&a2, "a2");
    gate(351, 351, 16, Below::Absent);
    e(&NenndruckVerdampfer, "NenndruckVerdampfer");
    e(&NenndurchsatzVerdampfer, "NenndurchsatzVerdampfer");
    e(&NenndruckVerteiler, "NenndruckVerteiler");
    e(&NenndurchsatzVerteiler, "NenndurchsatzVerteiler");
    e(&NenndruckMessung, "NenndruckMessung");
    e(&NenndurchsatzMessung, "NenndurchsatzMessung");
    e(&DurchmesserAnschluss, "DurchmesserAnschluss");
    e(&LaengeAnschluss, "LaengeAnschluss");
    e(&NenndruckVentil, "NenndruckVentil");
    e(&NenndurchsatzVentil, "NenndurchsatzVentil");
    i(&AnzahlBogen90, "AnzahlBogen90");
    param(F(Fmt::R, &Sondenverlaengerung, "Sondenverlaengerung"));
    e(&AuslegungsDruckabfall_Sondenkreis, "AuslegungsDruckabfall_Sondenkreis").never = true;
    i(&AnzahlParallel, "AnzahlParallel");
    gate(352, 365, 7, Below::Absent);
    when(352, 365, OnDruckberechnung);
    for (int k = 1; k <= 12; ++k) param(E(&Heizlast[k], Idx("Heizlast", k)));
    for (int k = 1; k <= 12; ++k) param(E(&Kuehllast[k], Idx("Kuehllast", k)));
    e(&COP_Heizlast, "COP_Heizlast");
    e(&COP_WW, "COP_WW");
    e(&EER_Kuehllast, "EER_Kuehllast");
    e(&Jahresheizlast, "Jahresheizlast");
    e(&Jahreskuehllast, "Jahreskuehllast");
    e(&HeizlastWW, "HeizlastWW");
    e(&Heizbandlast, "Heizbandlast");
    e(&Kuehlbandlast, "Kuehlbandlast");
    i(&TageVollast, "TageVollast");
    gate(366, 398, 8, Below::Absent);
    i(&Leitfaehigkeit2, "Leitfaehigkeit2");
    i(&Leitfaehigkeit3, "Leitfaehigkeit3");
    gate(399, 400, 15, Below::SkipTo);
    t[399].skipTo = t[400].skipTo = 401;

    auto probes = [&](int i0) {
      for (const char* name : {"SondeX", "SondeY"}) {
        double* arr = name[5] == 'X' ? SondeX : SondeY;
        std::vector<Field> f;
        for (int q = 0; q < 4; ++q) f.push_back(E(&arr[i0 + 150 * q], Idx(name, i0 + 150 * q)));
        LineSpec& s = add(LineKind::Probe, std::move(f));
        s.keyText = Join(s.fields, " / ");
        s.count = CountCoordinates;
      }
    };
    auto shares = [&](int i0) {
      std::vector<Field> f;
      for (int q = 0; q < 4; ++q) f.push_back(F(Fmt::F1, &Sondenbelastung[i0 + 150 * q], Idx("Sondenbelastung", i0 + 150 * q)));
      for (int q = 0; q < 4; ++q) f.push_back(F(Fmt::BoolInt, &Nachbarsonde[i0 + 150 * q], Idx("Nachbarsonde", i0 + 150 * q)));
      LineSpec& s = add(LineKind::Probe, std::move(f));
      s.keyText = Join(s.fields, " / ");
    };
    for (int k = 1; k <= 100; ++k) probes(k);
    gate(401, 600, 9, Below::Absent);
    for (int k = 1; k <= 10; ++k) param(E(&Schicht[k], Idx("Schicht", k)));
    for (int k = 1; k <= 10; ++k) param(E(&cpErdeSchicht[k], Idx("cpErdeSchicht", k)));
    for (int k = 1; k <= 10; ++k) param(E(&rhoErdeSchicht[k], Idx("rhoErdeSchicht", k)));
    for (int k = 1; k <= 10; ++k) param(E(&lambdaErdeSchicht[k], Idx("lambdaErdeSchicht", k)));
    gate(601, 640, 9, Below::Absent);
    when(601, 640, OnUngleich);
    for (int k = 1; k <= 100; ++k) shares(k);
    gate(641, 740, 25, Below::SkipTo);
    for (int l = 641; l <= 740; ++l) t[l].skipTo = 701;
    e(&Ak_Kollektor, "Ak_Kollektor");
    gate(741, 741, 16, Below::Absent);
    b(&TempProfil, "TempProfil");
    b(&Grundwasser, "Grundwasser");
    b(&hydrDruckgradient, "hydrDruckgradient");
    b(&Gegenstrom, "Gegenstrom");
    b(&Jahreszeiten, "Jahreszeiten");
    b(&MeteoStandard, "MeteoStandard");
    b(&GW_zeigen, "GW_zeigen");
    gate(742, 748, 14, Below::Absent);
    e(&Druckgradient, "Druckgradient");
    gate(749, 749, 19, Below::Skip);
    b(&TRT, "TRT");
    b(&Hell, "Hell");
    b(&Aufteilung, "Aufteilung");
    b(&Feld1, "Feld1");
    b(&solar, "solar");
    b(&unverglast, "unverglast");
    b(&Res1, "Res1");
    b(&mitPlan, "mitPlan");
    e(&Waermefluss, "Waermefluss").after = [](int, int) {
      if (Waermefluss > 4.0) {
        Markergroesse = RoundToInt(Waermefluss);
        Waermefluss = 0.072;
      }
    };
    e(&Klimaerwaermung, "Klimaerwaermung").after = [](int, int) {
      if (Klimaerwaermung > 4.0) {
        Trefferradius = RoundToInt(Klimaerwaermung);
        Klimaerwaermung = 1.5;
      }
    };
    i(&Posx, "Posx");
    i(&Posy, "Posy");
    gate(750, 761, 14, Below::Absent);
    i(&Leitfaehigkeit1, "Leitfaehigkeit1");
    gate(762, 762, 15, Below::Absent);
    e(&Mittlerer_Abstand, "Mittlerer_Abstand");
    e(&Niveau, "Niveau");
    e(&x1Isohypse1, "x1Isohypse1");
    e(&y1Isohypse1, "y1Isohypse1");
    e(&x2Isohypse1, "x2Isohypse1");
    e(&y2Isohypse1, "y2Isohypse1");
    e(&x1Isohypse2, "x1Isohypse2");
    e(&y1Isohypse2, "y1Isohypse2");
    e(&x2Isohypse2, "x2Isohypse2");
    e(&y2Isohypse2, "y2Isohypse2");
    e(&Isohypse1, "Isohypse1");
    e(&Isohypse2, "Isohypse2");
    e(&Porositaet1, "Porositaet1");
    e(&Porositaet2, "Porositaet2");
    e(&Porositaet3, "Porositaet3");
    e(&Durchlaessigkeit1, "Durchlaessigkeit1");
    e(&Durchlaessigkeit2, "Durchlaessigkeit2");
    e(&Durchlaessigkeit3, "Durchlaessigkeit3");
    e(&zSchicht1, "zSchicht1");
    e(&zSchicht2, "zSchicht2");
    e(&zSchicht3, "zSchicht3");
    e(&zSchicht4, "zSchicht4");
    e(&TempKellerSommer, "TempKellerSommer");
    e(&UWertKeller, "UWertKeller");
    gate(763, 786, 14, Below::Absent);
    e(&zzKollektor, "zzKollektor");
    e(&cp_Kollektor, "cp_Kollektor");
    auto pair = [&](double* a, const char* ka, double* c, const char* kc) {
      multi({E(a, ka), E(c, kc)}, " / ").count = CountPair;
    };
    pair(&Kollektor, "Kollektor", &Absorber, "Absorber");
    pair(&b_u, "b_u", &u, "u");
    pair(&b_1, "b_1", &a1, "a1");
    pair(&b_2, "b_2", &VarA, "VarA");
    pair(&Eta0, "Eta0", &VarB, "VarB");
    pair(&parallel, "parallel", &VarC, "VarC");
    pair(&Azimut, "Azimut", &Ak_Fak_WWTauscher, "Ak_Fak_WWTauscher");
    pair(&Neigung, "Neigung", &Speicherverluste, "Speicherverluste");
    e(&MaxSondenruecklauf, "MaxSondenruecklauf");
    e(&mKollektor, "mKollektor");
    gate(787, 798, 16, Below::Skip);
    for (int k = 101; k <= 150; ++k) probes(k);
    gate(799, 898, 14, Below::Absent);
    for (int k = 101; k <= 150; ++k) shares(k);
    gate(899, 948, 25, Below::Skip);
    e(&Amplitude, "Amplitude");
    e(&Phasenverschiebung, "Phasenverschiebung");
    e(&inSerie, "inSerie").after = [](int v, int) {
      if (inSerie < 1.0 || v < 15) inSerie = 1.0;
    };
    e(&Kellerflaeche, "Kellerflaeche");
    e(&TempKellerWinter, "TempKellerWinter");
    e(&Freecoolleistung, "Freecoolleistung");
    param(IR(&AnzahlSonden2, "AnzahlSonden2", Conv::Round)).after = [](int, int) {
      CheckRange("AnzahlSonden2", AnzahlSonden2, 0, kMaxSonden);
    };
    e(&Auslegungsmassenstrom3, "Auslegungsmassenstrom3");
    gate(949, 956, 14, Below::Absent);

    multi({E(&Freecool[1], "Freecool[1]"), E(&mit_Waermefluss, "mit_Waermefluss"), E(&SummeQHeiz, "SummeQHeiz"),
           E(&y_CH_Koord, "y_CH_Koord")},
          " / ")
        .count = CountFour;
    multi({E(&Freecool[2], "Freecool[2]"), F(Fmt::BoolNum, &start_Messung, "start_Messung", Conv::Above01),
           E(&SummeQKuehl, "SummeQKuehl"), E(&x_Ref, "x_Ref")},
          " / ")
        .count = CountFour;
    {
      LineSpec& s = multi({E(&Freecool[3], "Freecool[3]"), IR(&Anz_Nachbarsonden, "Anz_Nachbarsonden", Conv::Trunc),
                           E(&Hoeh, "Hoeh"), E(&y_Ref, "y_Ref")},
                          " / ");
      s.count = CountFour;
      s.after = [](int, int n) {
        if (n >= 3 && Hoeh == 0.0) Hoeh = 553.0;
        if (n >= 2) CheckRange("Anz_Nachbarsonden", Anz_Nachbarsonden, 0, kMaxSonden);
      };
    }
    {
      // The fourth value is the measured-values option: its years, 1.0 or 0.0.
      LineSpec& s = multi({E(&Freecool[4], "Freecool[4]"), E(&Rd, "Rd"),
                           IR(&TageVollastKuehlung, "Tage Vollast Kuehlung", Conv::Trunc), E(&Messung, "Messung")},
                          " / ");
      s.count = CountFour;
      s.after = [](int, int n) {
        if (n < 4) return;
        double v = Messung;
        if (v >= 0.99) {
          if (v > 0.991) MessungJahre = 1;
          if (v > 1.99) {
            MessungJahre = RoundToInt(v);
            CheckRange("Messung", MessungJahre, 1, kMaxSonden);
          }
        } else {
          Messung = 0.0;
        }
      };
    }
    {
      LineSpec& s = multi({E(&Freecool[5], "Freecool[5]"), IR(&Offset, "Offset", Conv::Round),
                           E(&EER_Vollast, "EER bei Vollast"), E(&x_Stao, "x_Stao")},
                          " / ");
      s.count = CountFour;
      s.after = [](int, int n) {
        if (n >= 2) {
          CheckRange("Offset", Offset, -8760, 8760);
          OffsetAktuell = Offset;
        }
      };
    }
    multi({E(&Freecool[6], "Freecool[6]"), F(Fmt::BoolNum, &Wellrohr1, "Wellrohr1", Conv::AtLeast099),
           E(&KuehlleistungVollast, "Kuehlleistung bei Vollast"), E(&y_Stao, "x_Stao")},
          " / ")
        .count = CountFour;
    multi({E(&Freecool[7], "Freecool[7]"), F(Fmt::BoolNum, &Reserve7, "Reserve7", Conv::Exactly1),
           F(Fmt::BoolNum, &WWPrio, "WWPrio", Conv::Exactly1), F(Fmt::BoolNum, &Reserve27, "Reserve27", Conv::Exactly1)},
          " / ")
        .count = CountFour;
    {
      LineSpec& s = multi({E(&Freecool[8], "Freecool[8]"), E(&Rueckkuehler1, "Rueckkuehler1"), E(&Reserve18, "Reserve18"),
                           E(&Standorthoehe, "Standorthoehe")},
                          " / ");
      s.count = CountFour;
      s.after = [](int, int n) {
        if (n < 4) return;
        mitRueckkuehler = Rueckkuehler1 >= 0.99;
        if (mitRueckkuehler) RueckkuehlerHeizen = !(Rueckkuehler1 > 1.99);
        Reserve18Schalter = Reserve18 >= 0.99 ? 1 : 0;
      };
    }
    {
      LineSpec& s = multi({E(&Freecool[9], "Freecool[9]"), E(&RueckkuehlLeistung, "RueckkuehlLeistung"),
                           E(&Reserve19, "Reserve19"), E(&mit_Standorthoehe, "mit_Standorthoehe"),
                           E(&Ta_nurLuftbetrieb, "Ta_nurLuftbetrieb"), E(&Ta_nurQEBbetrieb, "Ta_nurQEBbetrieb"),
                           E(&ReserveA, "ReserveA")},
                          "/");
      s.count = CountSeven;
      s.after = [](int, int n) {
        if (n >= 3) Reserve19Schalter = Reserve19 >= 0.99 ? 1 : 0;
      };
    }
    {
      LineSpec& s = multi({E(&Freecool[10], "Freecool[10]"), E(&Ein_Rueckkuehler, "Ein_Rueckkuehler"),
                           E(&x_CH_Koord, "x_CH_Koord"), E(&TRT_Methode, "TRT_Methode"),
                           IR(&Anforderung, "Anforderung", Conv::Trunc), E(&ReserveC, "ReserveC"), E(&ReserveD, "ReserveD")},
                          "/");
      s.count = CountSeven;
      s.after = [](int, int n) {
        if (n >= 5 && Anforderung == 0) Anforderung = 1;
        // The site offsets need x_CH_Koord, which this line carries.
        StaoLandeskoordinaten(StaoOffsetX, StaoOffsetY);
      };
    }
    e(&Freecool[11], "Freecool[11]");
    e(&Freecool[12], "Freecool[12]");
    for (int k = 1; k <= 10; ++k) {
      param(F(Fmt::F3, &TProfil[k], Idx("TProfil", k)));
      param(F(Fmt::F3, &zTProfil[k], Idx("zTProfil", k)));
    }
    for (int k = 1; k <= 10; ++k) param(F(Fmt::F3, &Starttemperatur[k], Idx("Starttemperatur", k)));
    gate(957, 998, 14, Below::Absent);
    e(&WWTemperatur, "WWTemperatur");
    gate(999, 999, 17, Below::Absent);
    param(E(&lambdaErde_eff[10], "lambdaErde_eff[10]"));
    gate(1000, 1000, 19, Below::SkipTo);
    t[1000].skipTo = 1001;
    add(LineKind::Header, {});

    for (size_t l = 0; l < t.size(); ++l)
      if (t[l].line != static_cast<int>(l)) throw CalcError("layout out of order at line " + std::to_string(l));
    if (t.size() != 1002) throw CalcError("layout has " + std::to_string(t.size() - 1) + " lines");
    return t;
  }();
  return table;
}

std::string LayoutLabel(int line) {
  if (line >= 799 && line <= 898) {
    int i = 101 + (line - 799) / 2;
    bool y = (line - 799) % 2 == 1;
    std::string s = y ? "y-Koordinate der " : "x-Koordinate der ";
    s += std::to_string(i) + ". Sonde / der " + std::to_string(i + 150) + ". Sonde / der " + std::to_string(i + 300) +
         ". Sonde / der " + std::to_string(i + 450) + (y ? ". Sonde  " : ". Sonde ");
    return s.substr(0, kLabelBytes);
  }
  if (line < 1 || line > kLabelCount) return {};
  return Labeltabelle[line];
}

}  // namespace qeb
