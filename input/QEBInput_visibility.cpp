// Which inputs the chosen options use: the window shows only those.
#include <QAction>
#include <initializer_list>

#include "calc/QEBMOD.h"
#include "input/QEBInput.h"

namespace qeb {
namespace {
void SetShown(std::initializer_list<QWidget*> ws, bool shown) {
  for (QWidget* w : ws)
    if (w != nullptr) w->setHidden(!shown);
}
}  // namespace

void TForm1::KuehlspitzeClick() { KuehlspitzeZeigen(); }

void TForm1::KuehlspitzeZeigen() {
  SetShown({Label394, Label395, Label397, Label398, Label289, ETageVollast2, EEER_Vollast, EKuehlleistung_Vollast,
            EmKuehl, EDTKuehl, Label355, Label356},
           true);
  // The cooling flow is given either as a mass flow or as a temperature difference.
  if (mKuehl < 0.0001) {
    SetShown({Label356, EmKuehl}, false);
  } else {
    SetShown({EDTKuehl, Label355}, false);
  }
}

void TForm1::MitteltemperaturZeigen(bool& flag) {
  if (!flag) {
    TRTAusgewertet = false;
    SetShown({EErdmitteltemp, ETRTStart, ETRTEnd, ETRTStart1, ETRTEnd1, LStart, LEnd, LTime, ETRT, ETRT_Auto,
              Label420, LTRT, ELambdaTRT, Label276, Label277, ELaenge, Label280, Label279, Label281, ERbTRT,
              Label282, Label283, Label284, EMitteltem, Label285, Label404, Label405, Label406, EHell,
              ETRT_Methode, Button12, LTRT4, ETRT4, LHell},
             false);
    return;
  }
  SetShown({EErdmitteltemp}, false);
  SetShown({ETRTStart, ETRTEnd, LStart, LEnd, ETRT, ETRT_Auto, Label420, LTRT, ELambdaTRT, Label276, Label277,
            ELaenge, Label280, Label279, Label281, ERbTRT, Label284, EMitteltem},
           true);
  SetShown({Label283}, TGrad == 0.0);
  SetShown({Label282}, TGrad != 0.0);
  SetShown({Label285, Label404, Label405, Label406, EHell, ETRT_Methode, Button12}, true);
  // Each option of the test with its caption, as the evaluation shows them.
  SetShown({LTRT4, ETRT4, LHell}, true);
}

void TForm1::FuellungZeilenZeigen() {
  // Row k of the backfill table shows exactly when k <= N and the backfill is inhomogeneous.
  const int N = DimAxi;
  const bool inhomogen = EFillVariabel->itemIndex() == 1;
  const auto lf = Reihe<QLineEdit>("ELambdaFill", 10);
  const auto rf = Reihe<QLineEdit>("ErhoFill", 10);
  const auto cf = Reihe<QLineEdit>("ECpFill", 10);
  const auto ra = Reihe<QLineEdit>("ERa", 10);
  const auto rb = Reihe<QLineEdit>("ERb", 10);
  const auto rc = Reihe<QLineEdit>("ERc", 10);
  for (int k = 2; k <= 10; ++k) SetShown({lf[k], rf[k], cf[k], ra[k], rb[k], rc[k]}, inhomogen && k <= N);
}

void TForm1::SchichtenZeilenZeigen() {
  SchichtenGleichmaessig = Egleichmaessig->itemIndex() == 0;
  ungleichmaessig = !SchichtenGleichmaessig;
  FuellungZeilenZeigen();

  const auto le = Reihe<QLineEdit>("ELambdaerde", 10);
  const auto re = Reihe<QLineEdit>("ErhoErde", 10);
  const auto ce = Reihe<QLineEdit>("ECperde", 10);
  const auto ea = Reihe<QComboBox>("CErdauswahl", 10);
  const auto ef = Reihe<QLineEdit>("ELambdaeff", 10);
  const auto sc = Reihe<QLineEdit>("ESchicht", 10);
  const auto ti = Reihe<QLabel>("ETiefe", 10);
  const auto em = Reihe<QLabel>("Em", 10);

  SetShown({ELambdaeff1, Label358}, Grundwasser);
  if (!Grundwasser)
    for (int k = 2; k <= 10; ++k) SetShown({ef[k]}, false);

  SetShown({le[1], re[1], ce[1], ea[1], Label17, Label20, Label21, Label41, Label42, ETiefe1}, true);
  const bool inhomogen = EFillVariabel->itemIndex() == 1;
  SetShown({ELambdaFill1, ErhoFill1, ECpFill1, ERa1, ERb1, ERc1, Label90, Label91, Label92, Label93, Label94,
            Label23, Label24, Label25},
           inhomogen);

  // The table has ten rows: a larger count never reaches past the last one.
  const int before = DimAxi;
  for (int k = 2; k <= 10 && before >= k; ++k) {
    SetShown({le[k], re[k], ce[k], ea[k]}, true);
    if (Grundwasser) SetShown({ef[k]}, true);
  }

  int code = 0;
  DimAxi = ValInt(EDimAxi->text(), code);
  Fehlercode = code;
  const int N = DimAxi;

  if (Egleichmaessig->itemIndex() == 0) {
    SchichtenGleichmaessig = true;
    ungleichmaessig = false;
    SetShown({Tiefe}, false);
    for (int k = 1; k <= 10; ++k) SetShown({sc[k]}, false);
    SetShown({ETiefe1}, true);
    for (int k = 1; k <= 10; ++k)
      if (k <= N) SetShown({ti[k]}, true);
    for (int k = 1; k <= 10; ++k) SetShown({em[k]}, false);
  } else {
    SchichtenGleichmaessig = false;
    ungleichmaessig = true;
    SetShown({Tiefe, ESchicht1}, true);
    for (int k = 2; k <= 10; ++k) SetShown({sc[k]}, k <= N);
    for (int k = 1; k <= 10; ++k) SetShown({ti[k]}, false);
    SetShown({em[1]}, true);
    for (int k = 2; k <= 10; ++k) SetShown({em[k]}, k <= N);
  }
  for (int k = 10; k >= 2 && N < k; --k) SetShown({le[k], re[k], ce[k], ea[k], ef[k]}, false);
}

void TForm1::TemperaturprofilZeigen() {
  if (mit_Waermefluss == 1.0) {
    SetShown({EWaermefluss, Label361, Label362, EKlimaerwaermung, Label378, Uebernehm, EJahresmitteltemp,
              EBodenerwaermung, T31, T32},
             true);
  } else {
    SetShown({Label378, Uebernehm, EWaermefluss, Label361, Label362, EKlimaerwaermung}, false);
  }
}

void TForm1::ResultatZeilenZeigen() {
  std::vector<QWidget*> table;
  for (QLabel* t : findChildren<QLabel*>()) {
    const QString n = t->objectName();
    bool ok = false;
    const int k = n.startsWith(QLatin1Char('T')) ? n.mid(1).toInt(&ok) : 0;
    if (ok && k >= 1 && k <= 30) table.push_back(t);
  }
  for (QLineEdit* e : {ETProfil1, ETProfil2, ETProfil3, ETProfil4, ETProfil5, ETProfil6, ETProfil7, ETProfil8,
                       ETProfil9, ETProfil10, zTProfil1, zTProfil2, zTProfil3, zTProfil4, zTProfil5, zTProfil6,
                       zTProfil7, zTProfil8, zTProfil9, zTProfil10})
    table.push_back(e);
  const bool profil = TempProfil;
  for (QWidget* w : table) w->setHidden(!profil);
  SetShown({T31, T32, T33, EJahresmitteltemp, EBodenerwaermung, ETgrad}, !profil);
  SetShown({Temperaturgradient}, profil);
  if (!profil)
    SetShown({Label361, Label362, EWaermefluss, EKlimaerwaermung, Label403, Label402, Label401, EStandorthoehe},
             false);
}

}  // namespace qeb
