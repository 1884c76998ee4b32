// The g-function window "Gfunc": the probe field's g-function over
// ln(t/ts), or in the response-test mode the measured temperatures over
// ln(t) with the fitted line; copied to the clipboard and printed. The
// routines behind it are in results/gfunc_fit.h.
#pragma once

#include <string>

#include <QImage>
#include <QWidget>

#include "input/QEBInput.h"
#include "results/gfunc_fit.h"

namespace qeb {

// The graph, round(0.8 x 790) by round(0.8 x 550) pixels, drawn anew each time.
extern QImage GfuncBitmap;

// Pixel of a fraction of the graph's width or height (y upwards).
int PlotX(double x);
int PlotY(double y);

class TForm5 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm5(QWidget* parent = nullptr);
#define QEB_TABLE_FILE "results/gfunc_controls.inc"
#include "widgets/WindowMembers.inc"
#undef QEB_TABLE_FILE
  static const FormTables& Tables();
  // The area the graph is shown in.
  QWidget* Zeichenflaeche = nullptr;

 public slots:
  // Recomputes the curve from the main window's g values and draws it; the
  // picture stays as it was when the values cannot be fitted.
  void ZeichneGfunc();
  void Button1Click();
  void CopyClick();
  void DruckenClick();
  void Form5SchliessenClick();
  void FormCreate() {}

 protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  void Zeichne();
  bool zeichnet_ = false;
  // The refusal already shown while the window is up: showing and
  // activating both draw, the user reads it once.
  std::string gemeldet_;
};

extern TForm5* Form5;

}  // namespace qeb
