// Heat pump dialog "Wärmepumpe": the COP curve at five source temperatures,
// the powers of the heat pump and the peak-load boiler, the lowest probe
// return and the probe pump; it can derive the probe's extraction power from
// them and offer it to the main window.
#pragma once

#include <QWidget>

#include "input/QEBInput.h"

class QEvent;
class QHideEvent;

namespace qeb {

// COP at 0 °C when the curve lacks it: the mean of its neighbours at -5 and
// 5 °C, else the straight line through the two given points nearest to 0 °C;
// 0 when fewer than one point is given.
double FehlenderCOP0(double cop_5, double cop5, double cop10, double cop15);

class TForm8 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm8(QWidget* parent = nullptr);
  ~TForm8() override;
#define QEB_TABLE_FILE "input/WP1_controls.inc"
#include "widgets/WindowMembers.inc"
#undef QEB_TABLE_FILE
  static const FormTables& Tables();

 public slots:
  void WPAnzeigen();
  void WPEinlesen();
  void WPlesen();
  void ChangeEntzug();
  void COPTest();
  void Button1Click();
  void Button2Click();
  void Button3Click();

 protected:
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  bool Lauf(bool resultate);
  bool fuellen_ = false;  // the controls are being filled from the shared state
  QMetaObject::Connection fokus_;
};

extern TForm8* Form8;

// Binds the main window's heat-pump button and menu items to TForm1::WP_oeffnen.
void ConnectHeatPumpHandlers(TForm1* form);

}  // namespace qeb
