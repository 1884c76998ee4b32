#include "platform/Jpeg.h"

#include "platform/Bild.h"

#include <QImage>
#include <csetjmp>
#include <cstdio>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace qeb {
namespace {

struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

// libjpeg reports fatal errors through this callback; it must not return.
void OnError(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  std::longjmp(err->jump, 1);
}

struct File {
  std::FILE* f;
  ~File() {
    if (f != nullptr) std::fclose(f);
  }
};

// libjpeg's standard error handling, with fatal errors sent to OnError.
jpeg_error_mgr* Fehlerfang(ErrorManager& err) {
  jpeg_error_mgr* mgr = jpeg_std_error(&err.pub);
  err.pub.error_exit = OnError;
  return mgr;
}

// Opens `path`, reads the JPEG header and hands the decoder to `weiter`; false
// when the file does not open, libjpeg fails or `weiter` does. A libjpeg error
// jumps back here, so `weiter` keeps no object with a destructor of its own.
template <class Weiter>
bool MitKopf(const std::string& path, Weiter weiter) {
  File file{std::fopen(path.c_str(), "rb")};
  if (file.f == nullptr) return false;
  jpeg_decompress_struct cinfo{};
  ErrorManager err{};
  cinfo.err = Fehlerfang(err);
  if (setjmp(err.jump) != 0) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_stdio_src(&cinfo, file.f);
  jpeg_read_header(&cinfo, TRUE);
  const bool ok = weiter(cinfo);
  jpeg_destroy_decompress(&cinfo);
  return ok;
}

}  // namespace

bool LoadJpeg(const std::string& path, QImage& image) {
  QImage result;
  const bool ok = MitKopf(path, [&result](jpeg_decompress_struct& cinfo) {
    if (cinfo.image_width > static_cast<JDIMENSION>(kMaxBildSeite) ||
        cinfo.image_height > static_cast<JDIMENSION>(kMaxBildSeite))
      return false;
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    const int w = static_cast<int>(cinfo.output_width);
    const int h = static_cast<int>(cinfo.output_height);
    result = QImage(w, h, QImage::Format_RGB888);
    if (result.isNull()) return false;
    while (cinfo.output_scanline < cinfo.output_height) {
      JSAMPROW row = result.scanLine(static_cast<int>(cinfo.output_scanline));
      jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    return true;
  });
  if (!ok) return false;
  image = result.convertToFormat(QImage::Format_RGB32);
  return true;
}

bool JpegGroesse(const std::string& path, int& width, int& height) {
  return MitKopf(path, [&](jpeg_decompress_struct& cinfo) {
    width = static_cast<int>(cinfo.image_width);
    height = static_cast<int>(cinfo.image_height);
    return true;
  });
}

bool SaveJpeg(const QImage& image, const std::string& path, int quality) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  File file{std::fopen(path.c_str(), "wb")};
  if (file.f == nullptr || rgb.isNull()) return false;
  jpeg_compress_struct cinfo{};
  ErrorManager err{};
  cinfo.err = Fehlerfang(err);
  if (setjmp(err.jump) != 0) {
    jpeg_destroy_compress(&cinfo);
    return false;
  }
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, file.f);
  cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
  cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return std::fflush(file.f) == 0;
}

}  // namespace qeb
