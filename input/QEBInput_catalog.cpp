// The catalogues of the project input window: a picked row fills the shared
// state and the controls; the engineer may overwrite every value afterwards.
// The handlers run only when the user picks an item (the combo boxes'
// "activated"), so a display pass that sets the index never re-applies a row
// over later edits.
#include <QComboBox>
#include <QMetaMethod>
#include <iterator>

#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "input/QEBInput_catalog.h"
#include "widgets/Typing.h"

namespace qeb {

bool Einzelrohr = false;
bool FillGleichErde = false;
double FaktorBuEinfachU = 0.9;

namespace catalog {
namespace {

constexpr double kKeep = -1.0;
constexpr double kByLength = -2.0;
constexpr int kKeepFlag = -1;

constexpr ProbeType kProbeTypes_[] = {
#define PROBE(row, name, kind, d, wall, bore, inner, innerWall, lp, li, st) \
  {row, name, kind, d, wall, bore, inner, innerWall, lp, li, st},
#define WALL(...)
#include "input/catalog_sonden.inc"
#undef PROBE
#undef WALL
};

struct WallRule {
  int row;
  double lo, atLo, a1, s1, mid, a2, s2, hi, atHi;
};
constexpr WallRule kWallRules[] = {
#define PROBE(...)
#define WALL(row, lo, atLo, a1, s1, mid, a2, s2, hi, atHi) {row, lo, atLo, a1, s1, mid, a2, s2, hi, atHi},
#include "input/catalog_sonden.inc"
#undef PROBE
#undef WALL
};

constexpr Fluid kFluids_[] = {
#define FLUID(row, name, l, r, c, n) {row, name, l, r, c, n},
#include "input/catalog_fluide.inc"
#undef FLUID
};

constexpr Collector kCollectors_[] = {
#define COLLECTOR(row, name, eta0, a1, a2, bu, b1, b2, abs, ung) {row, name, eta0, a1, a2, bu, b1, b2, abs, ung},
#include "input/catalog_kollektoren.inc"
#undef COLLECTOR
};

constexpr GPreset kGPresets_[] = {
#define GPRESET(row, name, bh, g1, g2, g3, g4, g5) {row, name, bh, {g1, g2, g3, g4, g5}},
#include "input/catalog_gfunktion.inc"
#undef GPRESET
};

static_assert(std::size(kProbeTypes_) == kProbeTypes);
static_assert(std::size(kFluids_) == kFluids);
static_assert(std::size(kCollectors_) == kCollectors);
static_assert(std::size(kGPresets_) == kGPresets);

template <class T, size_t N>
const T* Row(const T (&table)[N], int n) {
  return (n >= 1 && n <= static_cast<int>(N)) ? &table[n - 1] : nullptr;
}

}  // namespace

const ProbeType* ProbeTypeRow(int n) { return Row(kProbeTypes_, n); }
const Fluid* FluidRow(int n) { return Row(kFluids_, n); }
const Collector* CollectorRow(int n) { return Row(kCollectors_, n); }
const GPreset* GPresetRow(int n) { return Row(kGPresets_, n); }

double WallByLength(int row, double L) {
  for (const WallRule& w : kWallRules) {
    if (w.row != row) continue;
    if (L <= w.lo) return w.atLo;
    if (L < w.mid) return w.a1 + (L - w.lo) * w.s1;
    if (L <= w.hi) return w.a2 + (L - w.mid) * w.s2;
    return w.atHi;
  }
  return -1.0;
}

}  // namespace catalog

namespace {
// Reads an edit the way every input of the window is read: the position of
// the first bad character goes to Fehlercode, a bad text reads as 0.
double Val(const QLineEdit* e) {
  int code = 0;
  const double v = EditReal(e, code);
  Fehlercode = code;
  return v;
}
void Put(QLineEdit* e, double v, int decimals) { e->setText(FixedText(v, decimals)); }
// Runs a handler of the window by its name when the window has it.
void CallIfPresent(QObject* form, const char* signature) {
  const QMetaObject* mo = form->metaObject();
  const int i = mo->indexOfSlot(signature);
  if (i >= 0) mo->method(i).invoke(form, Qt::DirectConnection);
}
}  // namespace

// ---------------- probe types ----------------
void TForm1::WahlSondendurchmesserChange() {
  using namespace catalog;
  const int i = WahlSondendurchmesser->currentIndex();
  // The current type again: hand-edited values stay as they are.
  if (i == Sondentyp) return;
  if (const ProbeType* p = ProbeTypeRow(i)) {
    const int kind = p->kind & KindMask;
    Sondendurchmesser = p->pipe / 1000.0;
    if (p->wall >= 0.0) Dicke_Sondenrohr = p->wall / 1000.0;
    Bohrdurchmesser = p->bore / 1000.0;
    Innenrohrdurchmesser = p->inner / 1000.0;
    if (p->innerWall >= 0.0) Dicke_Innenrohr = p->innerWall / 1000.0;
    lambdaRohr = p->lambdaPipe;
    lambdaInnenrohr = p->lambdaInner;
    if (p->stationary != kKeepFlag) stationaer = p->stationary == 1;
    Rd = 0.0;
    Gegenstrom = false;
    Wellrohr1 = (p->kind & kCorrugated) != 0;
    Einzelrohr = kind == SinglePipe;
    KoaxialSonde = kind == Coaxial || kind == SinglePipe;
    einfachU = kind == SingleU;

    const bool geokoax = (p->kind & kGeocoax) != 0;
    Label360->setHidden(!geokoax);
    EinSerie1->setHidden(!geokoax);
    Geocoax = geokoax;

    if (p->kind & kFillIsGround) {
      lambdaFill = lambdaErd;
      cpFill = cpErd;
      rhoFill = rhoErd;
      FillGleichErde = true;
    } else if (FillGleichErde) {
      // Leaving the probe that used the ground as fill: back to the standard fill.
      lambdaFill = 0.81;
      cpFill = 3040.0;
      rhoFill = 1180.0;
      FillGleichErde = false;
    }
    if (p->wall == kByLength) Dicke_Sondenrohr = WallByLength(i, Sondenlaenge);
  }

  Sondentyp = i;
  Hellstroem = true;
  EHellstroem->setItemIndex(0);

  Put(ERd, Rd, 3);
  Put(EcpFill, cpFill, 0);
  Put(ELambdaFill, lambdaFill, 3);
  Put(ERhoFill, rhoFill, 0);
  ELambdaFillChange();
  Put(ESondendurchmesser, Sondendurchmesser, 4);
  Put(EInnenrohrdurchmesser, Innenrohrdurchmesser, 4);
  Put(EBohrdurchmesser, Bohrdurchmesser, 3);
  EKoaxialSonde->setItemIndex(KoaxialSonde ? 0 : 1);
  EGlattrohr->setItemIndex(Wellrohr1 ? 1 : 0);
  if (Wellrohr1) EGlattrohr->setHidden(false);
  EGeocoax->setItemIndex(Geocoax ? 0 : 1);
  EStationaer->setItemIndex(stationaer ? 0 : 1);
  EGegenstrom->setItemIndex(Gegenstrom ? 0 : 1);
  Put(EDicke_Sondenrohr, Dicke_Sondenrohr, 4);
  Put(EDicke_Innenrohr, Dicke_Innenrohr, 4);
  Put(ElambdaInnenrohr, lambdaInnenrohr, 4);
  Put(ElambdaRohr, lambdaRohr, 4);

  BuMin = Sondendurchmesser;
  BuMax = Bohrdurchmesser - Sondendurchmesser;
  Bu = (BuMax - BuMin) * 0.85 + BuMin;
  if (einfachU) Bu = BuMax * FaktorBuEinfachU;
  Put(EBu, Bu, 3);

  Ra = 0.0;
  Rb = 0.0;
  Rc = 0.0;
  Put(ERa, Ra, 3);
  Put(ERb, Rb, 3);
  Put(ERc, Rc, 3);
}

// ---------------- fluids ----------------
void TForm1::ComboFluidChange() {
  const int i = ComboFluid->currentIndex();
  if (const catalog::Fluid* f = catalog::FluidRow(i)) {
    // The edits show the catalogue's own texts, trailing zeros and all.
    ELambdaSole->setText(QString::fromUtf8(f->lambda));
    ErhoSole->setText(QString::fromUtf8(f->rho));
    ECpSole->setText(QString::fromUtf8(f->cp));
    EnueSole->setText(QString::fromUtf8(f->nue));
    lambdaSole = Val(ELambdaSole);
    rhoSole = Val(ErhoSole);
    cpSole = Val(ECpSole);
    nueSole = Val(EnueSole);
  }
  Fluidtyp = i;
  // With an evaporator difference and a design flow given, the inputs that
  // depend on the fluid are recomputed with its new properties.
  const double dT = Val(EDeltaVerdampfer);
  const double m = Val(EAuslegungsmassenstrom);
  if (dT > 0.001 && m > 0.001) CallIfPresent(this, "EDeltaVerdampferChange()");
}

// ---------------- solar collectors ----------------
void TForm1::CKollektorwahlChange() {
  const int i = CKollektorwahl->currentIndex();
  if (const catalog::Collector* c = catalog::CollectorRow(i)) {
    Eta0 = c->eta0;
    a1 = c->a1;
    a2 = c->a2;
    b_u = c->bu;
    b_1 = c->b1;
    b_2 = c->b2;
    Absorber = c->absorber;
    unverglast = c->unglazed;
    solar = true;
    Koll_Verlustfakt = true;
    Kollektorwahl = i;
    ESolar->setItemIndex(0);
    EKoll_Verlustfakt->setItemIndex(0);
    Eunverglast->setItemIndex(c->unglazed ? 0 : 1);
  }
  EingabenAnzeigen();
}

// ---------------- g-function presets ----------------
void TForm1::Wahlgfunction() { GfunctionVorgabe(); }

void TForm1::GfunctionVorgabe() {
  using namespace catalog;
  const int i = CWahlgfunction->currentIndex();
  if (i < 0 || i > kGOwnInput) return;  // no item: nothing to apply
  QLineEdit* eg[5] = {Eg1, Eg2, Eg3, Eg4, Eg5};
  auto values = [&](const GPreset& p) {
    for (int j = 0; j < 5; ++j) eg[j]->setText(QString::fromUtf8(p.g[j]));
  };
  const GPreset& single = *GPresetRow(1);

  BHgfunction = 0.1;
  gfunction = true;
  Egfunction->setItemIndex(0);
  if (i == 1) {
    values(single);
    Eg_Sondenabstand->setText(ESondenabstand->text());
    AnzahlSonden = 1;
    EAnzahlSonden->setText(IntText(AnzahlSonden));
  } else if (const GPreset* p = GPresetRow(i)) {
    BHgfunction = p->bh;
    values(*p);
    // The spacing at which the preset holds.
    Put(Eg_Sondenabstand, BHgfunction * Sondenlaenge, 1);
  } else if (i == kGNotDefined) {
    values(single);
    Eg_Sondenabstand->setText(ESondenabstand->text());
    gfunction = false;
    Egfunction->setItemIndex(1);
  } else if (i == kGOwnInput) {
    BHgfunction = 0.1;
    values(single);
    Eg_Sondenabstand->setText(ESondenabstand->text());
    gfunction = true;
    Egfunction->setItemIndex(0);
    EgEingabe->setItemIndex(0);
    gEingabe = true;
  }
  Put(EBHgfunction, BHgfunction, 3);
  gfuntyp = i;
  Sondenauswahl = i;

  if (Sondenauswahl >= 1 && Sondenauswahl <= kGPresets) {
    // A preset layout replaces a field drawn in the field editor.
    Sondengrafik = false;
    ESondengrafik->setItemIndex(1);
    if (AnzahlSonden > 1) {
      for (QWidget* w : {static_cast<QWidget*>(ESondenabstand), static_cast<QWidget*>(TSondenabstand),
                         static_cast<QWidget*>(TBHeff), static_cast<QWidget*>(EBH)})
        w->setHidden(false);
      if (gEingabe)
        for (QWidget* w : {static_cast<QWidget*>(Eg_Sondenabstand), static_cast<QWidget*>(Tg_Sondenabstand),
                           static_cast<QWidget*>(EBHgfunction), static_cast<QWidget*>(TBHgfunction)})
          w->setHidden(false);
    }
  }
  if (Sondenauswahl == kGOwnInput && AnzahlSonden > 1 && Sondengrafik) {
    for (QWidget* w : {static_cast<QWidget*>(ESondenabstand), static_cast<QWidget*>(TSondenabstand),
                       static_cast<QWidget*>(TBHeff), static_cast<QWidget*>(EBH)})
      w->setHidden(true);
  }
  EingabenUebernehmen();
}

}  // namespace qeb
