#include "platform/Bild.h"

#include <QImage>
#include <QImageReader>
#include <fstream>

#include "platform/Jpeg.h"

namespace qeb {

namespace {
bool IstJpeg(const std::string& datei) {
  std::ifstream in(datei, std::ios::binary);
  char k[2] = {};
  return in.read(k, 2) && static_cast<unsigned char>(k[0]) == 0xFF && static_cast<unsigned char>(k[1]) == 0xD8;
}
}  // namespace

std::string BildZuGross(const std::string& was, int breite, int hoehe) {
  if (breite <= kMaxBildSeite && hoehe <= kMaxBildSeite) return {};
  return "Bild zu gross / picture too large: " + was + " (" + std::to_string(breite) + " x " + std::to_string(hoehe) +
         " Pixel, höchstens / at most " + std::to_string(kMaxBildSeite) + ")";
}

bool BildLesen(const std::string& datei, QImage& bild, std::string& grund, const char* format) {
  const std::string nicht = "Bild nicht lesbar / picture cannot be read: " + datei;
  int w = -1, h = -1;
  const bool jpeg = IstJpeg(datei);
  QImageReader leser(QString::fromStdString(datei), format);
  if (jpeg) {
    if (!JpegGroesse(datei, w, h)) {
      grund = nicht;
      return false;
    }
  } else {
    const QSize s = leser.size();
    w = s.width();
    h = s.height();
  }
  grund = BildZuGross(datei, w, h);
  if (!grund.empty()) return false;
  QImage b;
  const bool ok = jpeg ? LoadJpeg(datei, b) : leser.read(&b);
  if (!ok || b.isNull() || b.width() > kMaxBildSeite || b.height() > kMaxBildSeite) {
    grund = nicht;
    return false;
  }
  bild = b;
  return true;
}

}  // namespace qeb
