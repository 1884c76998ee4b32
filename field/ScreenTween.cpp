#include "field/ScreenTween.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <filesystem>

#include "field/Sondenfeld.h"
#include "platform/Platform.h"
#include "widgets/TableData.h"

namespace qeb {

TFormTween* FormTween = nullptr;
bool ErstesLaden = false;

QImage TweenBitmaps(const QImage& A, int wA, const QImage& B, int wB) {
  const auto zweiunddreissig = [](const QImage& b) {
    return b.format() == QImage::Format_RGB32 || b.format() == QImage::Format_ARGB32;
  };
  if (!zweiunddreissig(A) || !zweiunddreissig(B)) throw ETweenError("Tween:  PixelFormats must be pf32fit");
  if (A.size() != B.size()) throw ETweenError("Tween:  Bitmap dimensions are not the same");
  QImage R(A.size(), QImage::Format_RGB32);
  R.fill(Qt::black);
  const unsigned s = static_cast<unsigned>(wA + wB);
  if (wA + wB == 0) return R;
  for (int y = 0; y < A.height(); ++y) {
    const auto* a = reinterpret_cast<const QRgb*>(A.constScanLine(y));
    const auto* b = reinterpret_cast<const QRgb*>(B.constScanLine(y));
    auto* r = reinterpret_cast<QRgb*>(R.scanLine(y));
    const auto mix = [&](int x, int y2) {
      return static_cast<int>((static_cast<unsigned>(x) * static_cast<unsigned>(wA) +
                               static_cast<unsigned>(y2) * static_cast<unsigned>(wB)) / s);
    };
    for (int x = 0; x < A.width(); ++x)
      r[x] = qRgb(mix(qRed(a[x]), qRed(b[x])), mix(qGreen(a[x]), qGreen(b[x])), mix(qBlue(a[x]), qBlue(b[x])));
  }
  return R;
}

#define QEB_WINDOW TFormTween
#define QEB_TABLE_FILE "field/ScreenTween_controls.inc"
#include "widgets/WindowTables.inc"

TFormTween::TFormTween(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("FormTween"));
  setWindowTitle(QStringLiteral("Blend"));
  setProperty("titleTags", QVariantList{894});
  auto* v = new QVBoxLayout(this);
  auto* tabellen = new QWidget(this);
  v->addWidget(tabellen);
  BuildFromTables(tabellen, Tables(), nullptr, nullptr);
#include "widgets/WindowBinding.inc"
  TrackBarTween = new QSlider(Qt::Horizontal, this);
  TrackBarTween->setObjectName(QStringLiteral("TrackBarTween"));
  TrackBarTween->setRange(0, 100);
  TrackBarTween->setTickInterval(10);
  TrackBarTween->setTickPosition(QSlider::TicksBelow);
  TrackBarTween->hide();
  v->addWidget(TrackBarTween);
  ImageTween = new QLabel(this);
  ImageTween->setObjectName(QStringLiteral("ImageTween"));
  ImageTween->hide();
  v->addWidget(ImageTween, 1, Qt::AlignLeft | Qt::AlignTop);
  ButtonLoadA->setProperty("tag", 1);
  ButtonLoadB->setProperty("tag", 2);
  connect(ButtonLoadA, &QPushButton::clicked, this, &TFormTween::ButtonLoadClick);
  connect(ButtonLoadB, &QPushButton::clicked, this, &TFormTween::ButtonLoadClick);
  connect(Zu, &QPushButton::clicked, this, &TFormTween::ZuClick);
  connect(TrackBarTween, &QSlider::valueChanged, this, &TFormTween::TrackBarTweenChange);
}

bool TFormTween::Vertraeglich() const {
  const auto ok = [](const QImage& b) {
    return !b.isNull() && (b.format() == QImage::Format_RGB32 || b.format() == QImage::Format_ARGB32);
  };
  return ok(BildA) && ok(BildB) && BildA.size() == BildB.size();
}

void TFormTween::UpdateTween() {
  if (Modus == 2) return;
  if (Modus == 1) {
    const int i = TrackBarTween->value() - 1;
    if (i >= 0 && i < static_cast<int>(Zwischenbilder.size()))
      ImageTween->setPixmap(QPixmap::fromImage(Zwischenbilder[static_cast<size_t>(i)]));
    return;
  }
  // Two pictures that cannot be mixed give no mix and leave nothing behind.
  if (!Vertraeglich()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  int wA = 0, wB = 0;
  if (ErstesLaden) {
    wA = 70;
    wB = 30;
    Modus = 2;
    TrackBarTween->setValue(70);
    Modus = 0;
  } else {
    wA = TrackBarTween->maximum() - TrackBarTween->value();
    wB = TrackBarTween->value();
  }
  try {
    const QImage mix = TweenBitmaps(BildA, wA, BildB, wB);
    mix.save(QStringLiteral("blend3.map"), "BMP");
    ImageTween->setPixmap(QPixmap::fromImage(mix));
    ImageTween->adjustSize();
  } catch (const ETweenError& e) {
    Message(e.what());
  }
  QApplication::restoreOverrideCursor();
}

void TFormTween::TrackBarTweenChange() { UpdateTween(); }

void TFormTween::ButtonLoadClick() {
  ErstesLaden = true;
  Zwischenbilder.clear();
  BildA = QImage(QStringLiteral("blend1.map"), "BMP");
  if (!BildA.isNull()) ImageA->setPixmap(QPixmap::fromImage(BildA));
  Zwischenbilder.clear();
  BildB = QImage(QStringLiteral("blend2.map"), "BMP");
  if (!BildB.isNull()) ImageB->setPixmap(QPixmap::fromImage(BildB));
  // The pictures are checked before anything is mixed.
  if (!Vertraeglich()) {
    ErstesLaden = false;
    TrackBarTween->hide();
    ImageTween->hide();
    Message("Bitmaps are not compatible for Tween Operation.\\nSizes are not the same or bitmaps are not 32-bits/pixel.");
    return;
  }
  UpdateTween();
  ErstesLaden = false;
  UpdateTween();
  TrackBarTween->show();
  ImageTween->show();
}

void TFormTween::ButtonResetClick() {
  Modus = 2;
  Zwischenbilder.clear();
  TrackBarTween->setRange(0, 100);
  TrackBarTween->setTickInterval(10);
  TrackBarTween->setValue(TrackBarTween->minimum());
  Modus = 0;
  UpdateTween();
}

void TFormTween::ZuClick() {
  if (Feld != nullptr) Feld->Blend1->show();
  close();
  if (Feld != nullptr) Feld->Blend1Click();
}

}  // namespace qeb
