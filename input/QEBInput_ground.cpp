// The ground tab: ground rows (equal segments or layers of given depth), the
// fill, the ground materials and the per-segment borehole resistances. The
// handlers keep the per-row arrays of the shared state, the single values and
// the table's edits consistent with each other.
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_data.h"
#include "input/QEBInput.h"
#include "input/QEBInput_catalog.h"
#include "platform/Platform.h"
#include "shell/Sprachen.h"
#include "widgets/ErrorText.h"
#include "widgets/Typing.h"

namespace qeb {
namespace {

#define QEB_ROWS10(p) \
  { nullptr, f.p##1, f.p##2, f.p##3, f.p##4, f.p##5, f.p##6, f.p##7, f.p##8, f.p##9, f.p##10 }

// The ten rows of the ground and fill tables, index 1..10.
struct Rows {
  explicit Rows(TForm1& f)
      : lam QEB_ROWS10(ELambdaerde), rho QEB_ROWS10(ErhoErde), cp QEB_ROWS10(ECperde),
        eff QEB_ROWS10(ELambdaeff), schicht QEB_ROWS10(ESchicht), lf QEB_ROWS10(ELambdaFill),
        rf QEB_ROWS10(ErhoFill), cf QEB_ROWS10(ECpFill), ra QEB_ROWS10(ERa), rb QEB_ROWS10(ERb),
        rc QEB_ROWS10(ERc), zt QEB_ROWS10(zTProfil), ea QEB_ROWS10(CErdauswahl), tiefe QEB_ROWS10(ETiefe) {}
  QLineEdit *lam[11], *rho[11], *cp[11], *eff[11], *schicht[11];
  QLineEdit *lf[11], *rf[11], *cf[11], *ra[11], *rb[11], *rc[11], *zt[11];
  QComboBox* ea[11];
  QLabel* tiefe[11];
};

// Reads an edit the way every input of the window is read: the position of
// the first bad character goes to Fehlercode, a bad text reads as 0.
double Val(const QLineEdit* e) {
  int code = 0;
  const double v = EditReal(e, code);
  Fehlercode = code;
  return v;
}
int ValI(const QLineEdit* e) {
  int code = 0;
  const int v = EditInt(e, code);
  Fehlercode = code;
  return v;
}
void Put(QLineEdit* e, double v, int decimals) { e->setText(FixedText(v, decimals)); }

// Row arrays hold 20 entries; a segment count outside them (typed, or read
// from a file) never leads an index past them.
int UsedRows(int n) { return n < 0 ? 0 : (n > 20 ? 20 : n); }

// The segment count typed in EDimAxi when it is one the arrays hold, else the
// count in force.
int TypedSegments(const QLineEdit* e) {
  const int n = ValI(e);
  return (Fehlercode == 0 && n >= 1 && n <= 20) ? n : DimAxi;
}

// Entries 1..n take v, the rest up to 20 are not in use and hold 0.
void Spread(double* a, double v, int n) {
  const int used = UsedRows(n);
  for (int i = 1; i <= used; ++i) a[i] = v;
  for (int i = used + 1; i <= 20; ++i) a[i] = 0.0;
}

void SetShown(std::initializer_list<QWidget*> ws, bool shown) {
  for (QWidget* w : ws)
    if (w != nullptr) w->setHidden(!shown);
}

// An edit's "leave": it fires when the edit loses focus (or Return is pressed)
// with a text other than the one it had when it got the focus, so passing
// through an edit changes nothing.
class LeaveWatch : public QObject {
 public:
  explicit LeaveWatch(QLineEdit* e) : QObject(e), edit_(e) {
    setObjectName(QStringLiteral("qebLeaveWatch"));
    e->installEventFilter(this);
    connect(e, &QLineEdit::editingFinished, this, [this] {
      const QString now = edit_->text();
      if (now == baseline_) return;
      baseline_ = now;
      for (const auto& h : handlers_) h();
    });
  }
  void Add(std::function<void()> h) { handlers_.push_back(std::move(h)); }
  bool eventFilter(QObject*, QEvent* ev) override {
    if (ev->type() == QEvent::FocusIn) baseline_ = edit_->text();
    return false;
  }

 private:
  QLineEdit* edit_;
  QString baseline_;
  std::vector<std::function<void()>> handlers_;
};

void OnLeave(QLineEdit* e, std::function<void()> h) {
  auto* w = e->findChild<LeaveWatch*>(QStringLiteral("qebLeaveWatch"), Qt::FindDirectChildrenOnly);
  if (w == nullptr) w = new LeaveWatch(e);
  w->Add(std::move(h));
}

}  // namespace

// ---------------- display of the table ----------------
void TForm1::SchichtwiderstaendeAnzeigen() {
  Rows r(*this);
  for (int k = 1; k <= 10; ++k) {
    Put(r.ra[k], RaV[k], 3);
    Put(r.rb[k], RbV[k], 3);
    Put(r.rc[k], RcV[k], 3);
  }
}

void TForm1::SchichtdatenAnzeigen() {
  Rows r(*this);
  // Further segments not yet given take the fill of the first.
  if (DimAxi > 1 && lambdaFillV[2] < 0.001) {
    for (int k = 2; k <= 10; ++k) {
      lambdaFillV[k] = lambdaFillV[1];
      cpFillV[k] = cpFillV[1];
      rhoFillV[k] = rhoFillV[1];
    }
  }
  for (int k = 1; k <= 10; ++k) Put(r.eff[k], lambdaErde_eff[k], 2);
  for (int k = 1; k <= 10; ++k) {
    if (SchichtenGleichmaessig) {
      Put(r.lam[k], lambdaErde[k], 2);
      Put(r.rho[k], rhoErde[k], 0);
      Put(r.cp[k], cpErde[k], 0);
    } else {
      Put(r.lam[k], lambdaErdeSchicht[k], 3);
      Put(r.rho[k], rhoErdeSchicht[k], 0);
      Put(r.cp[k], cpErdeSchicht[k], 0);
    }
  }
  for (int k = 1; k <= 10; ++k) {
    Put(r.cf[k], cpFillV[k], 0);
    Put(r.rf[k], rhoFillV[k], 0);
    Put(r.lf[k], lambdaFillV[k], 2);
  }
  SchichtwiderstaendeAnzeigen();
}

void TForm1::SchichttiefenAnzeigen() {
  Rows r(*this);
  const double L = Sondenlaenge;
  const int n = DimAxi;
  // "bis" in the windows' language.
  QString bis = FromBytes(Fenstertext(858));
  if (bis.isEmpty()) bis = QStringLiteral("bis");
  // Without a segment count there are no segments and so no depths.
  for (int k = 1; k <= 10; ++k) {
    if (n >= 1 && k <= n) {
      r.tiefe[k]->setText(bis + QLatin1Char(' ') + FixedText(L / n * k, 1) + QStringLiteral(" m"));
    } else {
      r.tiefe[k]->clear();
    }
  }
}

// ---------------- ground materials ----------------
void TForm1::PulldownErde() {
  Rows r(*this);
  int before[11] = {};
  for (int k = 1; k <= 10; ++k) {
    QComboBox* c = r.ea[k];
    before[k] = c->currentIndex();
    // Item 0 (empty) stays; the 40 names are filled afresh.
    while (c->count() > 1) c->removeItem(1);
    if (c->count() == 0) c->addItem(QString());
    for (int m = 1; m <= 40; ++m) c->addItem(FromBytes(Erdname[m]));
  }
  if (SkipPulldownRefresh) {
    SkipPulldownRefresh = false;
  } else {
    EingabenAnzeigen();
  }
  for (int k = 1; k <= 10; ++k) {
    const int m = Erdauswahli[k];
    // A choice past the list (from a file) keeps the row's previous selection.
    r.ea[k]->setCurrentIndex((m >= 0 && m <= 40) ? m : (before[k] >= 0 ? before[k] : 0));
  }
}

void TForm1::ErdauswahlUebernehmen(int k, int m) {
  if (k < 1 || k > 10 || m < 1 || m > 40) return;
  if (m - 30 == k) return;  // the row's own entry
  lambdaErde[k] = Erdlambda[m];
  cpErde[k] = Erdcp[m];
  rhoErde[k] = Erdrho[m];
  if (m > 30) {
    const int j = m - 30;
    if (ungleichmaessig) {
      lambdaErdeSchicht[k] = lambdaErdeSchicht[j];
      cpErdeSchicht[k] = cpErdeSchicht[j];
      rhoErdeSchicht[k] = rhoErdeSchicht[j];
    } else {
      lambdaErde[k] = lambdaErde[j];
      cpErde[k] = cpErde[j];
      rhoErde[k] = rhoErde[j];
    }
  }
}

static void ErdauswahlChange(TForm1& f, int k) {
  Rows r(f);
  QComboBox* c = r.ea[k];
  Erdname[30 + k] = ToBytes(c->currentText());
  const int m = c->currentIndex();
  if (m >= 1 && m <= 40) f.ErdauswahlUebernehmen(k, m);
  if (m > 0) {
    if (ungleichmaessig && m > 30) {
      Put(r.lam[k], lambdaErdeSchicht[k], 2);
      Put(r.cp[k], cpErdeSchicht[k], 0);
      Put(r.rho[k], rhoErdeSchicht[k], 0);
    } else {
      Put(r.lam[k], lambdaErde[k], 2);
      Put(r.cp[k], cpErde[k], 0);
      Put(r.rho[k], rhoErde[k], 0);
    }
  }
  homogen = false;
  f.Ehomogen->setItemIndex(1);
  f.EingabenUebernehmen();
}

void TForm1::CErdauswahl1Change() { ErdauswahlChange(*this, 1); }
void TForm1::CErdauswahl2Change() { ErdauswahlChange(*this, 2); }
void TForm1::CErdauswahl3Change() { ErdauswahlChange(*this, 3); }
void TForm1::CErdauswahl4Change() { ErdauswahlChange(*this, 4); }
void TForm1::CErdauswahl5Change() { ErdauswahlChange(*this, 5); }
void TForm1::CErdauswahl6Change() { ErdauswahlChange(*this, 6); }
void TForm1::CErdauswahl7Change() { ErdauswahlChange(*this, 7); }
void TForm1::CErdauswahl8Change() { ErdauswahlChange(*this, 8); }
void TForm1::CErdauswahl9Change() { ErdauswahlChange(*this, 9); }
void TForm1::CErdauswahl10Change() { ErdauswahlChange(*this, 10); }

// ---------------- homogeneous and inhomogeneous ground and fill ----------------
void TForm1::EhomogenClick() {
  Rows r(*this);
  if (Ehomogen->itemIndex() == 0) {
    DimAxi = TypedSegments(EDimAxi);
    cpErd = Val(ECperd);
    rhoErd = Val(ErhoErd);
    lambdaErd = Val(ELambdaErd);
    Spread(lambdaErde, lambdaErd, DimAxi);
    Spread(rhoErde, rhoErd, DimAxi);
    Spread(cpErde, cpErd, DimAxi);
    for (int k = std::max(2, DimAxi + 1); k <= 10; ++k) r.ea[k]->setCurrentIndex(0);
    SchichtdatenAnzeigen();
    // One segment: the single values say it all, the table row would repeat them.
    if (DimAxi == 1)
      SetShown({ELambdaerde1, ErhoErde1, ECperde1, CErdauswahl1, Label17, Label20, Label21, Label41, Label42,
                ETiefe1},
               false);
  } else if (Ehomogen->itemIndex() == 1) {
    SetShown({ELambdaerde1, ErhoErde1, ECperde1, CErdauswahl1, Label17, Label20, Label21, Label41, Label42,
              ETiefe1},
             true);
  }
}

namespace {
// A single value typed for homogeneous ground or fill goes into every segment
// in use; with the table chosen instead, the single edit is not read.
void SpreadSingle(TForm1& f, RadioGroup* governing, QLineEdit* e, double& single, double* rows) {
  if (governing->itemIndex() != 0) return;
  single = Val(e);
  Spread(rows, single, DimAxi);
  f.SchichtdatenAnzeigen();
}
}  // namespace

void TForm1::ELambdaErdChange() { SpreadSingle(*this, Ehomogen, ELambdaErd, lambdaErd, lambdaErde); }
void TForm1::ErhoErdChange() { SpreadSingle(*this, Ehomogen, ErhoErd, rhoErd, rhoErde); }
void TForm1::ECperdChange() { SpreadSingle(*this, Ehomogen, ECperd, cpErd, cpErde); }
void TForm1::ELambdaFillChange() { SpreadSingle(*this, EFillVariabel, ELambdaFill, lambdaFill, lambdaFillV); }
void TForm1::ErhoFillChange() { SpreadSingle(*this, EFillVariabel, ERhoFill, rhoFill, rhoFillV); }
void TForm1::EcpFillChange() { SpreadSingle(*this, EFillVariabel, EcpFill, cpFill, cpFillV); }

void TForm1::EFillVariabelClick() {
  // Fill per segment needs equal segments.
  if (!SchichtenGleichmaessig) {
    EFillVariabel->setItemIndex(0);
    return;
  }
  SchichtenZeilenZeigen();
  const std::initializer_list<QWidget*> row1 = {ELambdaFill1, ErhoFill1, ECpFill1, ERa1,    ERb1,    ERc1,
                                                Label90,      Label91,   Label92,  Label93, Label94, Label23,
                                                Label24,      Label25};
  if (EFillVariabel->itemIndex() == 1) {
    SetShown(row1, true);
  } else if (EFillVariabel->itemIndex() == 0) {
    DimAxi = TypedSegments(EDimAxi);
    cpFill = Val(EcpFill);
    rhoFill = Val(ERhoFill);
    lambdaFill = Val(ELambdaFill);
    Spread(lambdaFillV, lambdaFill, DimAxi);
    Spread(rhoFillV, rhoFill, DimAxi);
    Spread(cpFillV, cpFill, DimAxi);
    SchichtdatenAnzeigen();
    SetShown(row1, false);
  }
}

// ---------------- leaving the table's edits ----------------
void TForm1::ELambdaerde1Change() {
  homogen = false;
  Ehomogen->setItemIndex(1);
  ELambdaeff1Change();
}

void TForm1::ELambdaFill1Change() {
  FillVariabel = true;
  EFillVariabel->setItemIndex(1);
  // Resistances given per segment no longer fit the new fill: they are calculated again.
  for (int k = 1; k <= 10; ++k) {
    RaV[k] = 0.0;
    RbV[k] = 0.0;
    RcV[k] = 0.0;
  }
  SchichtwiderstaendeAnzeigen();
}

void TForm1::ELambdaeff1Change() {
  Rows r(*this);
  for (int k = 1; k <= 10; ++k) lambdaErde_eff[k] = Val(r.eff[k]);
  for (int k = 1; k <= 10; ++k) lambdaErde[k] = Val(r.lam[k]);
  bool raised = false;
  for (int k = 1; k <= 10; ++k) {
    // Groundwater flow can only add to the conduction of the ground.
    if (lambdaErde_eff[k] < lambdaErde[k]) {
      lambdaErde_eff[k] = lambdaErde[k];
      raised = true;
    }
  }
  for (int k = 1; k <= 10; ++k) Put(r.eff[k], lambdaErde_eff[k], 2);
  EingabenUebernehmen();
  if (raised && EGrundwasser->itemIndex() == 0) Warning(" Lambda_eff >= Lambda ");
}

static void SchichtChange(TForm1& f, int K) {
  Rows r(f);
  if (K <= 9) Schicht[K - 1] = Val(r.schicht[K - 1]);
  Schicht[K] = Val(r.schicht[K]);
  // A layer ends below the one above it; equal depths are accepted.
  if (Schicht[K] < Schicht[K - 1]) {
    Schicht[K] = Schicht[K - 1] + 1.0;
    Warning(" Eingabe ungültig  /  invalid value ");
  }
  Put(r.schicht[K], Schicht[K], 1);
}

void TForm1::ESchicht2Change() { SchichtChange(*this, 2); }
void TForm1::ESchicht3Change() { SchichtChange(*this, 3); }
void TForm1::ESchicht4Change() { SchichtChange(*this, 4); }
void TForm1::ESchicht5Change() { SchichtChange(*this, 5); }
void TForm1::ESchicht6Change() { SchichtChange(*this, 6); }
void TForm1::ESchicht7Change() { SchichtChange(*this, 7); }
void TForm1::ESchicht8Change() { SchichtChange(*this, 8); }
void TForm1::ESchicht9Change() { SchichtChange(*this, 9); }
void TForm1::ESchicht10Change() { SchichtChange(*this, 10); }

void TForm1::CheckSondenabstand() {
  for (QLineEdit* e : {Eg_Sondenabstand, ESondenabstand}) {
    if (Val(e) < 0.1) {
      Warning(" Sondenabstand grösser wählen ");
      e->setText(QStringLiteral("10.0"));
    }
  }
}

void TForm1::EinSerie1Change() {
  // Probes in series multiply the flow through each: fewer than one (or no
  // number) keeps the count in force.
  const double n = Val(EinSerie1);
  if (Fehlercode == 0 && n >= 1.0) inSerie = n;
  Put(EinSerie, inSerie, 0);
}

// ---------------- wiring ----------------
// ---------------- ground-material data of the outside tool ----------------

namespace {
// A layer table of the outside tool is a short text: a file of 100 lines or
// more (or of a size no such table has) is something else.
bool SwqebTabelle(const std::string& datei) {
  std::error_code ec;
  const auto groesse = std::filesystem::file_size(datei, ec);
  if (ec || groesse > 1000000) return false;
  std::ifstream in(datei, std::ios::binary);
  if (!in) return false;
  int zeilen = 0;
  std::string zeile;
  while (zeilen < 100 && std::getline(in, zeile)) ++zeilen;
  return zeilen < 100;
}

// The module leaves its normalised copy of the table in the working folder;
// that copy goes, never the engineer's own table, which may carry its name.
void ArbeitskopieLoeschen(const std::string& tabelle) {
  std::error_code ec;
  if (std::filesystem::equivalent(tabelle, kSwqebScratchFile, ec)) return;
  std::filesystem::remove(kSwqebScratchFile, ec);
}
}  // namespace

void TForm1::SwqebDatenEinlesen() {
  const std::string datei = UI().OpenFileName("SwQEB-Datei|*.dat", Programmverzeichnis);
  if (datei.empty()) {
    Message(" Keine Daten eingelesen / No input ");
    return;
  }
  if (!SwqebTabelle(datei)) {
    Message(" Kein SwQEB-Stoffdatenfile ");
    return;
  }
  // Only what the window itself sets before the read; the module leaves its
  // own state as it was when it refuses a table. The choice of homogeneous
  // ground or layers changes only with a table taken: its handler spreads
  // the single values over the cells and clears those beyond them.
  const std::string dateiAlt = SwqebFile;
  const bool einAlt = swqebinput;
  const int dimAxiAlt = DimAxi;
  SwqebFile = datei;
  swqebinput = true;
  DimAxi = ValI(EDimAxi);
  try {
    Simulate(-5);
  } catch (const CalcError& e) {
    SwqebFile = dateiAlt;
    swqebinput = einAlt;
    DimAxi = dimAxiAlt;
    ArbeitskopieLoeschen(datei);
    Message(CalcErrorText(e).toStdString());
    return;
  }
  ArbeitskopieLoeschen(datei);
  // The ground is the table's layers, not one homogeneous value.
  Ehomogen->setItemIndex(1);
  homogen = false;
  EingabenAnzeigen();
  for (int k = std::max(DimAxi + 1, 1); k <= 20; ++k) lambdaErde[k] = cpErde[k] = rhoErde[k] = 0.0;
  Put(ECperd, cpErd, 0);
  Put(ErhoErd, rhoErd, 0);
  Put(ELambdaErd, lambdaErd, 2);
  SchichtdatenAnzeigen();
  ELambdaeff1Change();
  Put(ETgrad, TGrad, 3);
  Put(EJahresmitteltemp, Jahresmitteltemp, 1);
  Put(EBodenerwaermung, Bodenerwaermung, 1);
}

void ConnectCatalogHandlers(TForm1* form) {
  TForm1& f = *form;
  Rows r(f);
  auto leave = [&f](QLineEdit* e, void (TForm1::*h)()) { OnLeave(e, [&f, h] { (f.*h)(); }); };
  auto pick = [&f](QComboBox* c, void (TForm1::*h)()) {
    QObject::connect(c, &QComboBox::activated, &f, [&f, h](int) { (f.*h)(); });
  };
  void (TForm1::*erd[11])() = {nullptr,
                               &TForm1::CErdauswahl1Change,
                               &TForm1::CErdauswahl2Change,
                               &TForm1::CErdauswahl3Change,
                               &TForm1::CErdauswahl4Change,
                               &TForm1::CErdauswahl5Change,
                               &TForm1::CErdauswahl6Change,
                               &TForm1::CErdauswahl7Change,
                               &TForm1::CErdauswahl8Change,
                               &TForm1::CErdauswahl9Change,
                               &TForm1::CErdauswahl10Change};
  void (TForm1::*schicht[11])() = {nullptr,
                                   nullptr,
                                   &TForm1::ESchicht2Change,
                                   &TForm1::ESchicht3Change,
                                   &TForm1::ESchicht4Change,
                                   &TForm1::ESchicht5Change,
                                   &TForm1::ESchicht6Change,
                                   &TForm1::ESchicht7Change,
                                   &TForm1::ESchicht8Change,
                                   &TForm1::ESchicht9Change,
                                   &TForm1::ESchicht10Change};
  for (int k = 1; k <= 10; ++k) {
    pick(r.ea[k], erd[k]);
    for (QLineEdit* e : {r.lam[k], r.rho[k], r.cp[k], r.zt[k]}) leave(e, &TForm1::ELambdaerde1Change);
    for (QLineEdit* e : {r.lf[k], r.rf[k], r.cf[k]}) leave(e, &TForm1::ELambdaFill1Change);
    leave(r.eff[k], &TForm1::ELambdaeff1Change);
    if (k >= 2) leave(r.schicht[k], schicht[k]);
  }
  QObject::connect(f.Ehomogen, &RadioGroup::click, &f, &TForm1::EhomogenClick);
  QObject::connect(f.EFillVariabel, &RadioGroup::click, &f, &TForm1::EFillVariabelClick);
  leave(f.ELambdaErd, &TForm1::ELambdaErdChange);
  leave(f.ErhoErd, &TForm1::ErhoErdChange);
  leave(f.ECperd, &TForm1::ECperdChange);
  leave(f.ELambdaFill, &TForm1::ELambdaFillChange);
  leave(f.ERhoFill, &TForm1::ErhoFillChange);
  leave(f.EcpFill, &TForm1::EcpFillChange);
  for (QLineEdit* e : {f.ESondenabstand, f.Eg_Sondenabstand, f.EBHgfunction}) leave(e, &TForm1::CheckSondenabstand);
  leave(f.EinSerie1, &TForm1::EinSerie1Change);

  pick(f.WahlSondendurchmesser, &TForm1::WahlSondendurchmesserChange);
  pick(f.ComboFluid, &TForm1::ComboFluidChange);
  pick(f.CKollektorwahl, &TForm1::CKollektorwahlChange);
  pick(f.CWahlgfunction, &TForm1::Wahlgfunction);
  QObject::connect(f.Button6, &QPushButton::clicked, &f, &TForm1::SwqebDatenEinlesen);
  QObject::connect(f.ErddatenSwQEB1, &QAction::triggered, &f, &TForm1::SwqebDatenEinlesen);
}

}  // namespace qeb
