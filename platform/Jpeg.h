// JPEG pictures (start dialog, examples, maps, project pictures, the print
// logo) are decoded with libjpeg.
#pragma once

#include <string>

class QImage;

namespace qeb {
// Decodes the file into `image`; false (image untouched) when it is not a readable JPEG.
bool LoadJpeg(const std::string& path, QImage& image);
// Encodes `image` with the given quality (0..100); false when the file cannot be written.
bool SaveJpeg(const QImage& image, const std::string& path, int quality = 90);
}  // namespace qeb
