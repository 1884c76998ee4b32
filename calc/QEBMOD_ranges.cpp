// The plausible range of every number the project file holds. The limits are
// physical ones, taken from each value's unit and meaning and chosen wide, so
// that no project an engineer can make is refused: a file that holds a value
// outside them is damaged or hand-edited, and the run would only overflow,
// hang or report a wrong result later. The reader checks every value it takes
// against this table; the run initialisation and the load-file generation
// check the values the windows set in memory against the same table.
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <unordered_map>

#include "calc/QEBMOD.h"

namespace qeb {

namespace {

// Classes of quantities; one place decides the limit of each kind.
constexpr double kCount = 600;          // boreholes, years, neighbours
constexpr double kTempLo = -100, kTempHi = 150;  // °C of air, ground, fluid, rooms
constexpr double kFluidLo = -60, kFluidHi = 100;  // °C of a water or brine circuit
constexpr double kLength = 10000;      // m of depths, lengths, distances
constexpr double kDiameter = 2;        // m of boreholes and pipes
constexpr double kCoord = 1e8;         // m or pixels of plan and map coordinates
constexpr double kResistance = 1000;   // K/W, Km/W
constexpr double kLambda = 1000;       // W/mK
constexpr double kRho = 30000;         // kg/m3
constexpr double kCp = 100000;         // J/kgK
constexpr double kMassFlow = 10000;    // kg/s
constexpr double kPower = 1e6;         // kW, either sign (extraction or injection)
constexpr double kEnergy = 1e10;       // kWh of one year of a plant, either sign
constexpr double kSum = 1e13;          // kWh summed over up to 600 simulated years
constexpr double kCop = 1000;          // COP, EER
constexpr double kReserve = 1e9;       // stored numbers whose meaning lies outside the module

const std::unordered_map<std::string_view, ValueRange>& Table() {
  static const std::unordered_map<std::string_view, ValueRange> t = {
      // probes and borehole
      {"AnzahlSonden", {1, kCount}},
      {"Sondenlaenge", {0, kLength}},
      {"Bohrdurchmesser", {0, kDiameter}},
      {"Sondendurchmesser", {0, kDiameter}},
      {"Dicke_Sondenrohr", {0, kDiameter}},
      {"R1", {-kResistance, kResistance}},
      {"Ra", {-kResistance, kResistance}},
      {"Rb", {-kResistance, kResistance}},
      {"Rc", {-kResistance, kResistance}},
      {"Rd", {-kResistance, kResistance}},
      {"R1V", {-kResistance, kResistance}},
      {"RaV", {-kResistance, kResistance}},
      {"RbV", {-kResistance, kResistance}},
      {"RcV", {-kResistance, kResistance}},
      {"Innenrohrdurchmesser", {0, kDiameter}},
      {"Dicke_Innenrohr", {0, kDiameter}},
      {"lambdaInnenrohr", {0, kLambda}},
      {"lambdaRohr", {0, kLambda}},
      {"Sondentyp", {0, 99}},
      {"Bu", {0, kDiameter}},
      {"RaKorr_einfachU", {0, 100}},
      // fill
      {"lambdaFill", {0, kLambda}},
      {"rhoFill", {0, kRho}},
      {"cpFill", {0, kCp}},
      {"lambdaFillV", {0, kLambda}},
      {"rhoFillV", {0, kRho}},
      {"cpFillV", {0, kCp}},
      // fluid and flow
      {"lambdaSole", {0, kLambda}},
      {"rhoSole", {0, kRho}},
      {"cpSole", {0, kCp}},
      {"nueSole", {0, 1}},
      {"Auslegungsmassenstrom", {0, kMassFlow}},
      {"Massenstrom", {0, kMassFlow}},
      {"Fluidtyp", {0, 99}},
      {"cpGlykol", {0, kCp}},
      {"mKuehl", {0, kMassFlow}},
      // ground
      {"lambdaErd", {0, kLambda}},
      {"rhoErd", {0, kRho}},
      {"cpErd", {0, kCp}},
      {"lambdaErde", {0, kLambda}},
      {"rhoErde", {0, kRho}},
      {"cpErde", {0, kCp}},
      {"lambdaErde_eff", {0, 1e5}},
      {"Jahresmitteltemp", {kTempLo, kTempHi}},
      {"TGrad", {-1, 1}},
      {"Bodenerwaermung", {-100, 100}},
      {"Erdauswahli", {0, 40}},
      {"Leitfaehigkeit1", {-1, 999}},
      {"Leitfaehigkeit2", {-1, 999}},
      {"Leitfaehigkeit3", {-1, 999}},
      {"Schicht", {-kLength, kLength}},
      {"cpErdeSchicht", {0, kCp}},
      {"rhoErdeSchicht", {0, kRho}},
      {"lambdaErdeSchicht", {0, kLambda}},
      {"Waermefluss", {-100, 1000}},     // above 4 it carries the marker size
      {"Klimaerwaermung", {-100, 1000}},  // above 4 it carries the hit radius
      {"Amplitude", {-100, 100}},
      {"Phasenverschiebung", {-1000, 1000}},
      {"mit_Waermefluss", {-kReserve, kReserve}},
      // a profile extended to 10000 m keeps the extrapolated point
      {"TProfil", {-1e5, 1e5}},
      {"zTProfil", {-kLength, kLength}},
      {"Starttemperatur", {-1e5, 1e5}},
      // groundwater and basement
      {"Druckgradient", {-100, 100}},
      {"Mittlerer_Abstand", {0, 1e6}},
      {"Niveau", {-kLength, kLength}},
      {"x1Isohypse1", {-kCoord, kCoord}},
      {"y1Isohypse1", {-kCoord, kCoord}},
      {"x2Isohypse1", {-kCoord, kCoord}},
      {"y2Isohypse1", {-kCoord, kCoord}},
      {"x1Isohypse2", {-kCoord, kCoord}},
      {"y1Isohypse2", {-kCoord, kCoord}},
      {"x2Isohypse2", {-kCoord, kCoord}},
      {"y2Isohypse2", {-kCoord, kCoord}},
      {"Isohypse1", {-kLength, kLength}},
      {"Isohypse2", {-kLength, kLength}},
      {"Porositaet1", {0, 1}},
      {"Porositaet2", {0, 1}},
      {"Porositaet3", {0, 1}},
      {"Durchlaessigkeit1", {0, 100}},
      {"Durchlaessigkeit2", {0, 100}},
      {"Durchlaessigkeit3", {0, 100}},
      {"zSchicht1", {-kLength, kLength}},
      {"zSchicht2", {-kLength, kLength}},
      {"zSchicht3", {-kLength, kLength}},
      {"zSchicht4", {-kLength, kLength}},
      {"TempKellerSommer", {kTempLo, kTempHi}},
      {"TempKellerWinter", {kTempLo, kTempHi}},
      {"UWertKeller", {0, 1000}},
      {"Kellerflaeche", {0, 1e8}},
      // simulation control
      {"Beginn", {-1e6, 1e6}},
      {"numrows", {1, 525600}},
      {"LastYear", {1, kCount}},
      {"Simulationsdauer", {0, 8760.0 * kCount}},
      {"DeltaT", {-1000, 1000}},
      {"MonitorAxi", {1, 10}},
      {"MonitorRad", {0, 13}},
      {"Sicherheit1", {-1e4, 1e4}},
      {"Sicherheit2", {-1e4, 1e4}},
      {"Zeitschritt", {1, 10080}},
      {"RepRandbed", {1, 10000}},
      {"DimRad", {1, 12}},
      {"DimAxi", {1, 10}},
      {"Gitterfaktor", {0, 100}},
      {"Rechenradius", {0, 1e4}},
      {"Genauigkeit", {0, 100}},
      {"StepWrite", {1, 1 << 30}},
      {"g1", {-1000, 1000}},
      {"g2", {-1000, 1000}},
      {"g3", {-1000, 1000}},
      {"g4", {-1000, 1000}},
      {"g5", {-1000, 1000}},
      {"Sondenabstand", {0, 1e5}},
      {"g_Sondenabstand", {0, 1e5}},
      {"subdt", {-1e6, 1e6}},
      {"substep_run", {-1e6, 1e6}},
      {"substep_stop", {-1e6, 1e6}},
      {"gfuntyp", {0, 99}},
      {"Sondenauswahl", {0, 99}},
      {"stepWrite_TEarth", {1, 1 << 30}},
      {"TRT_Methode", {-kReserve, kReserve}},
      {"Messung", {0, kCount}},  // years of measured values, 1.0 or 0.0
      // loads
      {"TSink", {kFluidLo, kFluidHi}},
      {"QSource", {-kPower, kPower}},
      // hours per day, or the month's extraction energy in kWh (see RangeOf)
      {"Laufzeit", {-24, 24}},
      {"QSpitzeFeb", {-kPower, kPower}},
      {"DauerLastSpitze", {0, 28}},  // days at the end of February
      {"Einspeisung", {-kPower, kPower}},
      {"Jahreslaufzeit", {0, 8760}},
      {"JahreEinschwingen", {0, kCount}},
      {"Heizleistung_Teillast", {0, kPower}},
      {"Heizleistung_WW", {0, kPower}},
      {"Kuehlleistung", {0, kPower}},
      {"Heizleistung_Vollast", {0, kPower}},
      {"Heizlast", {-kEnergy, kEnergy}},
      {"Kuehllast", {-kEnergy, kEnergy}},
      {"COP_Heizlast", {0, kCop}},
      {"COP_WW", {0, kCop}},
      {"EER_Kuehllast", {0, kCop}},
      {"Jahresheizlast", {-kEnergy, kEnergy}},
      {"Jahreskuehllast", {-kEnergy, kEnergy}},
      {"HeizlastWW", {-kEnergy, kEnergy}},
      {"Heizbandlast", {-kEnergy, kEnergy}},
      {"Kuehlbandlast", {-kEnergy, kEnergy}},
      {"TageVollast", {0, 365}},
      {"SummeQHeiz", {-kSum, kSum}},
      {"SummeQKuehl", {-kSum, kSum}},
      {"Tage Vollast Kuehlung", {0, 365}},
      {"EER bei Vollast", {0, kCop}},
      {"Offset", {-8760, 8760}},
      {"Kuehlleistung bei Vollast", {0, kPower}},
      {"Anforderung", {0, 99}},
      // heat pump, cooling
      {"Kesselleistung", {0, kPower}},
      {"COP_5", {0, kCop}},
      {"COP_0", {0, kCop}},
      {"COP5", {0, kCop}},
      {"COP10", {0, kCop}},
      {"COP15", {0, kCop}},
      {"WPHeizleistung", {0, kPower}},
      // the frost limit acts on the probe return: a fluid temperature
      {"WPFrostgrenze", {kFluidLo, kFluidHi}},
      {"Kaeltemaschine", {0, kPower}},
      {"TSink3", {kFluidLo, kFluidHi}},
      {"COP_Volllast", {0, kCop}},
      // negative in a heating response test (T2 - T1 of the measurement)
      {"DeltaVerdampfer", {-100, 100}},
      {"TTSink", {kFluidLo, kFluidHi}},
      {"COPRueckkuehlung", {0, kCop}},
      {"MinDeckungFreecooling", {0, 1}},
      {"Frostgrenze", {kFluidLo, kFluidHi}},
      {"COP_Frostgrenze", {0, 1e5}},
      {"MinSondentemp", {kFluidLo, kFluidHi}},
      {"Freecoolleistung", {0, kPower}},
      {"Freecool", {-kEnergy, kEnergy}},
      // plant
      {"TaMin", {kTempLo, kTempHi}},
      {"TaMax", {kTempLo, kTempHi}},
      {"TKondens", {kTempLo, kTempHi}},
      {"EtaWRG", {0, 1}},
      {"Ak1", {0, 1e9}},
      {"zz1", {0, 1}},
      {"Ak2", {0, 1e9}},
      {"zz2", {0, 1}},
      {"Ak3", {0, 1e9}},
      {"zz3", {0, 1}},
      {"m1", {0, kMassFlow}},
      {"m2", {0, kMassFlow}},
      {"m3", {0, kMassFlow}},
      {"m4", {0, kMassFlow}},
      {"m5", {0, kMassFlow}},
      {"TZulSoll", {kTempLo, kTempHi}},
      {"mZul", {0, 1e8}},
      {"mZul2", {0, 1e8}},
      {"TRL20", {kFluidLo, kFluidHi}},
      {"TRL30", {kFluidLo, kFluidHi}},
      {"DTVenti", {-100, 100}},
      {"LF", {0, 100}},
      {"LFNr", {0, 99}},
      {"Sondenpumpe", {0, 1e9}},
      {"TRaum", {kTempLo, kTempHi}},
      {"Rueckkuehler1", {0, 2}},
      {"RueckkuehlLeistung", {0, kPower}},
      // 1000 °C stands for "never"
      {"Ta_nurLuftbetrieb", {-1000, 1000}},
      {"Ta_nurQEBbetrieb", {-1000, 1000}},
      {"Ein_Rueckkuehler", {-kReserve, kReserve}},
      // collectors and hot water
      {"WW_Bedarf", {0, kEnergy}},
      {"Kollektorwahl", {0, 99}},
      {"WWTauscher", {0, 1e6}},
      {"Solarspeicher", {0, 1e9}},
      {"a2", {-1e4, 1e4}},
      {"Ak_Kollektor", {0, 1e9}},
      {"zzKollektor", {0, 1}},
      {"cp_Kollektor", {0, kCp}},
      {"Kollektor", {0, 1e7}},
      {"Absorber", {0, 1e7}},
      {"b_u", {-1e4, 1e4}},
      {"u", {0, 1000}},
      {"b_1", {-1e4, 1e4}},
      {"a1", {-1e4, 1e4}},
      {"b_2", {-1e4, 1e4}},
      {"VarA", {-1e4, 1e4}},
      {"Eta0", {0, 10}},
      {"VarB", {-1e4, 1e4}},
      {"parallel", {0, 1e6}},
      {"VarC", {-1e4, 1e4}},
      {"Azimut", {-360, 360}},
      {"Ak_Fak_WWTauscher", {0, 1e6}},
      {"Neigung", {-360, 360}},
      {"Speicherverluste", {0, 1}},
      {"MaxSondenruecklauf", {kFluidLo, kFluidHi}},
      {"mKollektor", {0, kMassFlow}},
      {"inSerie", {-1e6, 1e6}},  // below 1 it reads as 1
      {"WWTemperatur", {kTempLo, kTempHi}},
      // pressure drop
      {"NenndruckVerdampfer", {0, 1e9}},
      {"NenndurchsatzVerdampfer", {0, kMassFlow}},
      {"NenndruckVerteiler", {0, 1e9}},
      {"NenndurchsatzVerteiler", {0, kMassFlow}},
      {"NenndruckMessung", {0, 1e9}},
      {"NenndurchsatzMessung", {0, kMassFlow}},
      {"DurchmesserAnschluss", {0, 100}},
      {"LaengeAnschluss", {0, 1e6}},
      {"NenndruckVentil", {0, 1e9}},
      {"NenndurchsatzVentil", {0, kMassFlow}},
      {"AnzahlBogen90", {0, 1e6}},
      {"Sondenverlaengerung", {-1e6, 1e6}},
      {"AnzahlParallel", {0, 1e6}},
      {"AnzahlSonden2", {0, kCount}},
      {"Auslegungsmassenstrom3", {0, kMassFlow}},
      // field and plan
      {"Zaehler", {0, kCount}},
      {"Multiplikator", {0, 1e6}},
      {"SondeNr", {0, kCount}},
      {"SondeX", {-kCoord, kCoord}},
      {"SondeY", {-kCoord, kCoord}},
      {"Sondenbelastung", {-1e6, 1e6}},
      {"Nachbarsonde", {0, 1}},
      {"Posx", {-1e8, 1e8}},
      {"Posy", {-1e8, 1e8}},
      {"x_Ref", {-kCoord, kCoord}},
      {"y_Ref", {-kCoord, kCoord}},
      {"Anz_Nachbarsonden", {0, kCount}},
      {"x_Stao", {-kCoord, kCoord}},  // also the key of y_Stao
      // site and reserves
      {"y_CH_Koord", {-kCoord, kCoord}},
      {"x_CH_Koord", {-kCoord, kCoord}},
      {"Hoeh", {-kLength, kLength}},
      {"Standorthoehe", {-kLength, kLength}},
      {"mit_Standorthoehe", {-kReserve, kReserve}},
      {"Reserve18", {-kReserve, kReserve}},
      {"Reserve19", {-kReserve, kReserve}},
      {"ReserveA", {-kReserve, kReserve}},
      {"ReserveC", {-kReserve, kReserve}},
      {"ReserveD", {-kReserve, kReserve}},
      // line 298
      {"StaoWert3", {-kLength, kLength}},
      {"JahrGrafik", {-1e6, 1e6}},
      {"x_koord", {-1e9, 1e9}},
      {"y_koord", {-1e9, 1e9}},
      {"StaoWert8", {-kReserve, kReserve}},
      // switches stored as numbers: any ordinary number is a valid switch
      {"MassenstromAusEntzug", {-kReserve, kReserve}},
      {"Horizontalrohr", {-kReserve, kReserve}},
      {"Koaxialrohr2", {-kReserve, kReserve}},
      {"TRTOption", {-kReserve, kReserve}},
      {"TRTAuto", {-kReserve, kReserve}},
      {"start_Messung", {-kReserve, kReserve}},
      {"Wellrohr1", {-kReserve, kReserve}},
      {"Reserve7", {-kReserve, kReserve}},
      {"WWPrio", {-kReserve, kReserve}},
      {"Reserve27", {-kReserve, kReserve}},
      // data files: the site file's yearly change of the ground temperature,
      // and the thickness of a layer of the ground layer table
      {"TStandortJahr", {-100, 100}},
      {"Schichtdicke", {0, 1e5}},
  };
  return t;
}

// The month's extraction energy in kWh when the input holds energies.
constexpr ValueRange kLaufzeitEnergie{-1e9, 1e9};

std::string_view BaseKey(std::string_view key) {
  size_t b = key.find('[');
  return b == std::string_view::npos ? key : key.substr(0, b);
}

}  // namespace

std::string FormatRangeNumber(double x) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.10g", x);
  return buf;
}

const ValueRange* RangeOf(std::string_view key) {
  const std::string_view base = BaseKey(key);
  if (base == "Laufzeit" && Durchschnittsentzug) return &kLaufzeitEnergie;
  const auto& t = Table();
  auto it = t.find(base);
  return it == t.end() ? nullptr : &it->second;
}

std::string RangeReason(std::string_view key, double value) {
  const ValueRange* r = RangeOf(key);
  if (!std::isfinite(value)) return "nicht endlich / not finite";
  if (!r || (value >= r->lo && value <= r->hi)) return {};
  return "ausserhalb / outside " + FormatRangeNumber(r->lo) + " .. " + FormatRangeNumber(r->hi);
}

std::string RangeViolation(std::string_view key, double value) {
  const std::string reason = RangeReason(key, value);
  return reason.empty() ? reason : "Wert / value " + FormatRangeNumber(value) + " " + reason;
}

void CheckProjectValues() {
  const auto& layout = ProjectLayout();
  for (const LineSpec& s : layout) {
    for (const Field& f : s.fields) {
      double v;
      switch (f.fmt) {
        case Fmt::E:
        case Fmt::F1:
        case Fmt::F3:
        case Fmt::R:
          v = *static_cast<const double*>(f.ptr);
          break;
        case Fmt::I:
          v = *static_cast<const int*>(f.ptr);
          break;
        default:
          continue;  // switches and texts hold no number in memory
      }
      // The counts the writer takes from its arguments are checked where they
      // are used; TSink and QSource are also the results of the run before;
      // the run initialisation checks the grid with its own messages and
      // brings the free-cooling share into its range itself.
      if (s.line == 75 || s.line == 85 || s.line == 97 || s.line == 98 || f.key == "DimAxi" || f.key == "DimRad" ||
          f.key == "MinDeckungFreecooling")
        continue;
      // The value comes from memory, not from a file: no line to name.
      std::string what = RangeViolation(f.key, v);
      if (!what.empty())
        throw CalcError("Eingabe ung\xFCltig / invalid input " + f.key + ": " + what, f.key, v, RangeReason(f.key, v));
    }
  }
}

}  // namespace qeb
