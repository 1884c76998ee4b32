// The two map pictures of the "Karten" menu: plain windows with the menu's
// caption that show a picture file kept beside the program, when there is one.
#pragma once

#include <QWidget>
#include <string>

class QLabel;

namespace qeb {

class TBildfenster : public QWidget {
  Q_OBJECT

 public:
  TBildfenster(const char* name, const QString& caption, std::string file, QWidget* parent = nullptr);
  QLabel* Bild = nullptr;
  // The picture's file name beside the program.
  const std::string Datei;

 protected:
  void showEvent(QShowEvent* e) override;
};

extern TBildfenster* Waermefluss_NAGRA_NTB_99_08;  // "Wärmefluss NAGRA NTB 99-08"
extern TBildfenster* Form26;                       // "Wärmeleitfähigkeit lambda der Molasse"

}  // namespace qeb
