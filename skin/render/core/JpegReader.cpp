#include "skin/render/core/JpegReader.h"

// clang-format off
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t first
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

namespace {
const char kInvalidFormat[] = "Cannot load image. Invalid or unexpected JPEG image format.";
const char kBadImageSize[] = "Cannot load image. The image size is not supported for JPEG files.";

// Progressive files may hold any number of scans, each a pass over the whole
// picture; real files have a dozen.
constexpr int kMaxScans = 256;
// A flat picture compresses to a few bits per 8 x 8 block; more pixels per
// input byte than this cannot come from a real file.
constexpr int64_t kMaxPixelsPerByte = 8192;

// libjpeg reports fatal errors through error_exit, which must not return:
// we jump back to Decode and turn the error into an exception there.
struct ErrorManager {
  jpeg_error_mgr pub;
  jpeg_progress_mgr progress;
  std::jmp_buf jump;
  bool tooLarge;
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Warnings are not printed. A stream cut short is an error: libjpeg would
// otherwise fill the rest of the picture with grey and report success.
void EmitMessage(j_common_ptr cinfo, int level) {
  if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) ErrorExit(cinfo);
}

void OutputMessage(j_common_ptr) {}

void Progress(j_common_ptr cinfo) {
  const auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (d->input_scan_number > kMaxScans) ErrorExit(cinfo);
}

// Only plain data between setjmp and longjmp: the picture's buffer belongs to
// the caller, rows are written straight into it.
bool Decode(const uint8_t* data, size_t size, PixelBuffer* out, ErrorManager* err) {
  jpeg_decompress_struct cinfo;
  cinfo.err = jpeg_std_error(&err->pub);
  err->pub.error_exit = ErrorExit;
  err->pub.emit_message = EmitMessage;
  err->pub.output_message = OutputMessage;
  err->tooLarge = false;
  if (setjmp(err->jump)) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  err->progress.progress_monitor = Progress;
  cinfo.progress = &err->progress;
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&cinfo, TRUE);
  const int64_t pixels = int64_t(cinfo.image_width) * cinfo.image_height;
  if (cinfo.image_width > unsigned(kMaxImageSide) || cinfo.image_height > unsigned(kMaxImageSide) ||
      pixels > kMaxImagePixels || pixels > int64_t(size) * kMaxPixelsPerByte) {
    err->tooLarge = true;
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  cinfo.out_color_space = JCS_EXT_BGRA;  // blue, green, red, 255: the picture's own layout
  jpeg_start_decompress(&cinfo);
  out->Resize(int32_t(cinfo.output_width), int32_t(cinfo.output_height));
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = reinterpret_cast<JSAMPROW>(out->Row(int32_t(cinfo.output_scanline)));
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}
}  // namespace

DecodedImage DecodeJpeg(const uint8_t* data, size_t size) {
  DecodedImage image;
  image.BitsPerPixel = 24;
  ErrorManager err;
  if (size == 0 || !Decode(data, size, &image.Pixels, &err)) {
    throw ESkinError(size > 0 && err.tooLarge ? kBadImageSize : kInvalidFormat);
  }
  return image;
}
