// Presentation mode: the editor hides its controls for a clean copy of the
// window to the clipboard; and the editor's side of the cross-fade.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <filesystem>

#include "calc/QEBMOD.h"
#include "field/ScreenTween.h"
#include "field/Sondenfeld.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "platform/Platform.h"

namespace qeb {

void TFeld::AlleAusblenden(bool verstecken) {
  if (!verstecken) {
    for (auto& [w, sichtbar] : SichtbarGespeichert) w->setVisible(sichtbar);
    SichtbarGespeichert.clear();
    return;
  }
  const std::initializer_list<QWidget*> alle{
      Farb,     Farb2,    Farb0,    Farb4,    Farb5,    Farb6,    Farb7,      Farb8,    Farb9,    Plan,
      Button1,  Button2,  Button3,  Button4,  Neu,      Button6,  Clip,       ScrollBar1, Button11, Messen,
      Button15, Button16, Wasser1,  Wasser2,  Button13, Button14, Button21,   Button22, Button23, Button17,
      Button18, Button24, Button25, Button26, Button27, Button28, Button29,   Button30, Button31, Button5,
      Scre,     Plankl,   Plangr,   Nachbar,  Nachbar1, Blend,    Blend1,     Koordinaten, Stao,  Button60,
      Button61, Copy0,    Year_of_graph, EYear_Grafik};
  SichtbarGespeichert.clear();
  std::vector<QWidget*> liste(alle);
  // The panels of the measuring, grid and plan buttons go with them, so the
  // copy shows no empty frames.
  for (const char* gruppe : {"grp_g_Feld_Messen", "grp_g_Feld_Gitter", "grp_g_Feld_Plan"})
    if (QWidget* g = findChild<QWidget*>(QString::fromLatin1(gruppe))) liste.push_back(g);
  for (QWidget* w : liste) {
    // isHidden, not isVisible: a control counts as shown while its window is hidden.
    SichtbarGespeichert.emplace_back(w, !w->isHidden());
    w->hide();
  }
}

void TFeld::FormAusblenden() {
  SteuerelementeSichtbar = !SteuerelementeSichtbar;
  if (!SteuerelementeSichtbar) {
    AlleAusblenden(true);
    if (Ueberblendung) {
      if (KopieAusstehend) {
        KopieAusstehend = false;
        if (Ergebnisanzeige) Button4Click();
      }
      Gitter();
    } else {
      Button15Click();
      Button15Click();
    }
  } else {
    AlleAusblenden(false);
  }
}

void TFeld::Bildschirmkopie() {
  // The desktop here has no Print Screen that copies the active window:
  // the editor window itself goes to the clipboard.
  QApplication::processEvents();
  QApplication::clipboard()->setImage(grab().toImage());
}

void TFeld::ScreClick() {
  // A copy taken while the presentation hides the controls leaves them hidden.
  const bool warSichtbar = SteuerelementeSichtbar;
  if (warSichtbar) FormAusblenden();
  Bildschirmkopie();
  if (warSichtbar) FormAusblenden();
}

void TFeld::Copy0Click() {
  KopieAusstehend = true;
  ScreClick();
  KopieAusstehend = false;  // the copy is made, whichever view it showed
  FeldKopieErstellt = true;
}

void TFeld::CheckBox1Click() {
  JahrUebernehmen();
  FormAusblenden();
  if (!SteuerelementeSichtbar) {
    Bildschirmkopie();
    if (Ueberblendung) Copy0Click();
  }
}

void TFeld::BlendClick() {
  if (FormTween == nullptr) return;
  FormTween->showMaximized();
  FormTween->ButtonLoadClick();
}

void TFeld::Blend1Click() {
  KartenZoom = true;
  JahrUebernehmen();
  std::error_code ec;
  if (!PlanAktiv || !std::filesystem::is_regular_file("blend3.map", ec)) return;
  QImage b(QStringLiteral("blend3.map"), "BMP");
  if (b.isNull()) return;
  Ueberblendung = true;
  PlanBild = b.convertToFormat(QImage::Format_RGB32);
  PlanGeaendert = true;
  PlanZiehen = false;
  ScrollBar1->hide();
  Button60->hide();
  Button61->hide();
  Gitter();
}

}  // namespace qeb
