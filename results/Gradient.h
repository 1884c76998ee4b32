// The ground temperature profile window "Program QEB: Temperature Profile in
// the Earth": the project's undisturbed ground temperature over depth and,
// on request, the profile computed from the surface temperature and the
// geothermal heat flux (or from the site altitude), which the project can
// take over.
#pragma once

#include <QImage>
#include <QWidget>

#include "input/QEBInput.h"

namespace qeb {

// The computed profile: depths (index 0 = surface) and temperatures.
extern double ProfilTiefe[11];
extern double ProfilTemperatur[11];
// The computed profile is drawn.
extern bool ProfilAusWaermefluss;
// The profile graph as last drawn (632 x 440 pixels), the window's own.
extern QImage ProfilBitmap;
inline constexpr int ProfilBreite = 790;
inline constexpr int ProfilHoehe = 550;

// Computes ProfilTiefe and ProfilTemperatur from the main window's inputs.
void ProfilBerechnen();
// Surface temperature of a hand-entered profile of `n` points.
double Oberflaechentemperatur(int n);

class TForm10 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm10(QWidget* parent = nullptr);
#define QEB_TABLE_FILE "results/Gradient_controls.inc"
#include "widgets/WindowMembers.inc"
#undef QEB_TABLE_FILE
  static const FormTables& Tables();

  // Axis limits of the last drawing.
  double Tunten = 0, Toben = 20, Ztief = -100;

 public slots:
  void Button1Click();
  void ZeichnenClick();
  void aus_WaermeflussClick();
  void UebernehmClick();
  void CopyClick();
  void DruckenClick();
  void SchliessenClick();
  void FormCreate() {}

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QWidget* bild_ = nullptr;
};

extern TForm10* Form10;

}  // namespace qeb
