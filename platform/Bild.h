// Pictures read from files (plans, map files, project pictures, logos). The
// size is taken from the file's header, and a picture beyond the limit is
// refused before a single pixel is decoded: a small file may declare a
// picture that no memory holds.
#pragma once

#include <string>

class QImage;

namespace qeb {
// Largest width or height of a picture the windows decode (the plan's limit).
inline constexpr int kMaxBildSeite = 16384;
// Reads the picture: JPEG through libjpeg, other formats through Qt's readers
// (`format` names the one to use, else the file's contents decide). False, the
// picture untouched, when the file cannot be read or is too large; `grund`
// then says which and names the file (UTF-8).
bool BildLesen(const std::string& datei, QImage& bild, std::string& grund, const char* format = nullptr);
// Empty when the picture's sides are within the limit, else the message that
// says so (`was` names the file or the clipboard).
std::string BildZuGross(const std::string& was, int breite, int hoehe);
}  // namespace qeb
