// JPEG pictures (start dialog, examples, maps, project pictures, the print
// logo) are decoded with libjpeg.
#pragma once

#include <string>

class QImage;

namespace qeb {
// Decodes the file into `image`; false (image untouched) when it is not a
// readable JPEG or declares a side beyond kMaxBildSeite (checked before decoding).
bool LoadJpeg(const std::string& path, QImage& image);
// The width and height its header declares; false when it is not a JPEG.
bool JpegGroesse(const std::string& path, int& width, int& height);
// Encodes `image` with the given quality (0..100); false when the file cannot be written.
bool SaveJpeg(const QImage& image, const std::string& path, int quality = 90);
}  // namespace qeb
