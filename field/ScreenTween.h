// The cross-fade window "Blend": mixes the plain plan "blend1.map" with the
// temperature map "blend2.map" by a weight on a track bar and keeps the mix
// as "blend3.map", which the field editor then shows as its plan.
#pragma once

#include <QImage>
#include <QWidget>
#include <stdexcept>
#include <vector>

#include "input/QEBInput.h"

class QLabel;
class QSlider;

namespace qeb {

class ETweenError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The weighted mix of two 32-bit pictures of one size, byte by byte:
// (a wA + b wB) / (wA + wB) truncated; black when both weights are 0.
// Raises ETweenError for other pictures.
QImage TweenBitmaps(const QImage& A, int wA, const QImage& B, int wB);

extern bool ErstesLaden;

class TFormTween : public QWidget {
  Q_OBJECT

 public:
  explicit TFormTween(QWidget* parent = nullptr);
#define QEB_TABLE_FILE "field/ScreenTween_controls.inc"
#include "widgets/WindowMembers.inc"
#undef QEB_TABLE_FILE
  static const FormTables& Tables();
  QLabel* ImageTween = nullptr;
  QSlider* TrackBarTween = nullptr;
  QImage BildA, BildB;
  std::vector<QImage> Zwischenbilder;
  int Modus = 0;  // 0 compute on change, 1 show a cached frame, 2 resetting

 public slots:
  void ButtonLoadClick();
  void TrackBarTweenChange();
  void UpdateTween();
  void ZuClick();
  void ButtonResetClick();

 private:
  bool Vertraeglich() const;
};

extern TFormTween* FormTween;

}  // namespace qeb
