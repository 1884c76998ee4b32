// The plan behind the field: taken from a BMP file or the clipboard, moved
// with the mouse, stretched, zoomed, brightened and fixed. The plan lives in
// PlanBild and in the scratch files "plan.qeb" (the fixed plan) and
// "temp.bmp" (the picture the stretch starts from).
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "calc/QEBMOD.h"
#include "field/Sondenfeld.h"
#include "input/QEBInput_project.h"
#include "platform/Bild.h"
#include "platform/Platform.h"

namespace qeb {

namespace fs = std::filesystem;

int MaxWert(int a, int b) { return a > b ? a : b; }
int MinWert(int a, int b) { return a < b ? a : b; }

namespace {

bool Vorhanden(const std::string& f) {
  std::error_code ec;
  return !f.empty() && fs::is_regular_file(f, ec);
}

std::string AktuellesVerzeichnis() {
  std::error_code ec;
  std::string d = fs::current_path(ec).string();
  if (!d.empty() && d.back() != '/') d += '/';
  return d;
}

// A picture of that size, or null when it would be empty or too large.
QImage Gestreckt(const QImage& bild, double w, double h) {
  if (bild.isNull() || !std::isfinite(w) || !std::isfinite(h)) return {};
  const double rw = std::nearbyint(w), rh = std::nearbyint(h);
  if (rw < 1 || rh < 1 || rw > kMaxPlanSeite || rh > kMaxPlanSeite) return {};
  return bild.scaled(static_cast<int>(rw), static_cast<int>(rh), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_RGB32);
}

void BlendDateienLoeschen() {
  std::error_code ec;
  for (const char* f : {"blend1.map", "blend2.map", "blend3.map"}) fs::remove(f, ec);
}

}  // namespace

QImage BildSkalieren(const QImage& bild, int prozent) {
  const double w = bild.width(), h = bild.height();
  return Gestreckt(bild, w + std::trunc(w * prozent / 100.0), h + std::trunc(h * prozent / 100.0));
}

QImage TFeld::PlanLaden() const {
  QImage b;
  if (Vorhanden(kPlanDatei)) {
    b.load(QString::fromStdString(kPlanDatei), "BMP");
  } else if (Vorhanden(Planverzeichnis + kPlanDatei)) {
    b.load(QString::fromStdString(Planverzeichnis + kPlanDatei), "BMP");
  }
  return b.isNull() ? b : b.convertToFormat(QImage::Format_RGB32);
}

void TFeld::PlanNehmen(const QImage& bild) {
  mitPlan = PlanAktiv = true;
  Button2->hide();
  Button3->hide();
  {
    const QSignalBlocker still(ScrollBar1);
    ScrollBar1->setRange(0, 100);
    ScrollBar1->setValue(50);
  }
  ScrollBar1->show();
  PlanVerschieben = true;
  PlanBild = bild.convertToFormat(QImage::Format_RGB32);
  PlanGeaendert = true;
  PlanLinks = PlanOben = Posx = Posy = 0;
  PlanZiehen = false;
  Streckfaktor = 1.0;
  Helligkeit = 0;
  // The overlay and cross-fade pictures belong to the plan that went.
  BlendDateienLoeschen();
  Ueberblendung = false;
  PlanBild.save(QString::fromLatin1(kPlanArbeitskopie), "BMP");
  // The plan can be zoomed until the first borehole stands on it.
  if (Zaehler == 0 && SteuerelementeSichtbar) {
    Plankl->show();
    Plangr->show();
  }
  Button2Click();
  Button3Click();
  Gitter();
}

void TFeld::Button11Click() {
  Hinweis->show();
  PlanAktiv = true;
  Button5Click();
}

void TFeld::Button5Click() {
  if (!PlanAktiv) return;
  const std::string datei = UI().PictureFileName("BMP|*.BMP", Programmverzeichnis);
  if (datei.empty()) {
    PlanVerschieben = false;
    return;
  }
  QImage bild;
  std::string grund;
  if (!BildLesen(datei, bild, grund)) {
    // An unreadable or oversized file leaves the previous picture.
    Message(grund);
    PlanVerschieben = false;
    return;
  }
  PlanNehmen(bild);
}

void TFeld::ClipClick() {
  const QImage bild = QApplication::clipboard()->image();
  if (bild.isNull()) return;
  if (const std::string zuGross = BildZuGross("Zwischenablage / clipboard", bild.width(), bild.height());
      !zuGross.empty()) {
    Message(zuGross);
    return;
  }
  Button6->show();
  Hinweis->show();
  PlanAktiv = mitPlan = true;
  Koordinaten->show();
  PlanNehmen(bild);
  PlanBild.save(QString::fromLatin1(kPlanDatei), "BMP");
  Planverzeichnis = AktuellesVerzeichnis();
  for (QWidget* w : std::initializer_list<QWidget*>{Farb0, Farb4, Farb5, Farb6, Farb7, Farb8, Farb9, Plan}) w->show();
  for (QWidget* w : std::initializer_list<QWidget*>{Farb, Farb2, Button7, Button15})
    w->setVisible(SteuerelementeSichtbar);
}

void TFeld::Scroll() {
  if (!PlanVerschieben) return;
  PlanGeaendert = true;
  const int pos = ScrollBar1->value();
  Streckfaktor = pos == 0 ? 1.0 : pos / 50.0;
  Groesse_aendern(Streckfaktor);
  Gitter();
}

void TFeld::Groesse_aendern(double faktor) {
  QImage quelle(QString::fromLatin1(kPlanArbeitskopie), "BMP");
  if (quelle.isNull()) quelle = PlanBild;
  const QImage neu = Gestreckt(quelle, quelle.width() * faktor, quelle.height() * faktor);
  if (neu.isNull()) return;  // a degenerate or oversized picture: the plan stays
  neu.save(QString::fromLatin1(kPlanDatei), "BMP");
  PlanBild = neu;
}

void TFeld::Button6Click() {
  PlanVerschieben = false;
  Scroll();
  ScrollBar1->hide();
  // An overlay is never stored as the plan.
  if (PlanGeaendert && !Ueberblendung && !PlanBild.isNull()) {
    PlanBild.save(QString::fromLatin1(kPlanDatei), "BMP");
    Planverzeichnis = AktuellesVerzeichnis();
  }
  Hinweis->hide();
  // A fixed plan can be brightened, reloaded and mapped.
  if (mitPlan && SteuerelementeSichtbar)
    for (QWidget* w : std::initializer_list<QWidget*>{Farb, Farb2, Button7, Button15, Farb0, Farb4, Farb5, Farb6,
                                                      Farb7, Farb8, Farb9, Plan})
      w->show();
  Gitter();
  Button7Click();
}

void TFeld::Button7Click() {
  if (!PlanAktiv) return;
  if (!Vorhanden(kPlanDatei) && !Vorhanden(Planverzeichnis + kPlanDatei)) return;
  QImage b;
  if (Vorhanden("blend1.map")) b.load(QStringLiteral("blend1.map"), "BMP");
  if (b.isNull()) b = PlanLaden();
  if (b.isNull()) return;  // a missing plan file leaves the previous picture
  PlanBild = b.convertToFormat(QImage::Format_RGB32);
  PlanGeaendert = true;
  PlanZiehen = false;
  PlanLinks = Posx;
  PlanOben = Posy;
  ScrollBar1->hide();
  Gitter();
}

void TFeld::Button8Click() {
  PlanAktiv = PlanVerschieben = true;
  Button7Click();
  ScrollBar1->show();
}

void TFeld::Button10Click() { PlanAktiv = true; }

void TFeld::PlanklClickgr() {
  if (Zaehler > 0) {
    Plankl->hide();
    Plangr->hide();
    return;
  }
  if (PlanFaktor < 1.6 && MassstabFehler(Multiplikator * 0.9090909).empty()) {
    PlanFaktor *= 1.1;
    Multiplikator *= 0.9090909;
  }
  Groesse_aendern(PlanFaktor);
  Button15Click();
  Button15Click();
}

void TFeld::PlanklClick() {
  if (Zaehler > 0) {
    Plankl->hide();
    Plangr->hide();
    return;
  }
  // Plan and scale step together, within the scales the module keeps.
  if (PlanFaktor > 0.2 && MassstabFehler(Multiplikator * 1.1).empty()) {
    PlanFaktor *= 0.9090909;
    Multiplikator *= 1.1;
  }
  Groesse_aendern(PlanFaktor);
  Button15Click();
  Button15Click();
}

void TFeld::Helligkeitsschritt(int richtung) {
  QImage b = PlanLaden();
  if (b.isNull()) return;
  PlanGeaendert = true;
  if (richtung > 0) {
    if (Helligkeit < 0) Helligkeit = -5;
    Helligkeit += 5;
  } else {
    if (Helligkeit > 0) Helligkeit = 5;
    Helligkeit -= 5;
  }
  // Every pixel's red, green and blue move by the offset and saturate.
  for (int y = 0; y < b.height(); ++y) {
    auto* zeile = reinterpret_cast<QRgb*>(b.scanLine(y));
    for (int x = 0; x < b.width(); ++x) {
      const QRgb c = zeile[x];
      zeile[x] = qRgb(std::clamp(qRed(c) + Helligkeit, 0, 255), std::clamp(qGreen(c) + Helligkeit, 0, 255),
                      std::clamp(qBlue(c) + Helligkeit, 0, 255));
    }
  }
  PlanBild = b;
  Gitter();
}

void TFeld::FarbClick() { Helligkeitsschritt(+1); }
void TFeld::Farb2Click() { Helligkeitsschritt(-1); }

void TFeld::Kartenzoom(int schritt) {
  const int stufe = KartenZoomStufe + schritt;
  const double f = stufe == 0 ? 1.0 : stufe > 0 ? std::pow(1.2, stufe) : std::pow(0.8333333, -stufe);
  const int p = stufe == 0 ? 0 : static_cast<int>(std::nearbyint((f - 1.0) * 100.0));
  const std::string karte =
      Projektdateiname.size() >= 4 ? Projektdateiname.substr(0, Projektdateiname.size() - 4) + ".map" : std::string();
  QImage neu;
  if (Vorhanden(karte)) {
    // The map file is held to the plan's limit before it is decoded.
    QImage b;
    std::string grund;
    if (!BildLesen(karte, b, grund)) {
      Message(grund);
      return;
    }
    neu = stufe == 0 ? b.convertToFormat(QImage::Format_RGB32) : BildSkalieren(b, p);
  } else {
    neu = BildSkalieren(PlanBild, -17);
  }
  // A step whose picture would be empty or too large is refused: the scale
  // would be divided by nothing or the memory exhausted.
  if (neu.isNull() || p <= -100) return;
  // A step whose scale the module would not keep is refused the same way.
  if (!MassstabFehler(Grundmassstab / (p / 100.0 + 1.0)).empty()) return;
  KartenZoomStufe = stufe;
  PlanBild = neu;
  Multiplikator = Grundmassstab / (p / 100.0 + 1.0);
  FeldPruefen();
  Gitter();
  Button15Click();
  Button15Click();
  KartenZoom = true;
}

void TFeld::Button61Click() { Kartenzoom(-1); }
void TFeld::Button60Click() { Kartenzoom(+1); }

}  // namespace qeb
