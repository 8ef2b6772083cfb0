#pragma once
// Small JPEG files made in code, for the reader tests and the fuzz seed
// corpora (BMP files come from tools/BmpWriter.h).
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <vector>

#include "tools/BmpWriter.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

namespace imagefiles {

// Encodes a picture with the library's own encoder (quality 95), 1 or 3 components.
inline std::vector<uint8_t> EncodeJpeg(int w, int h, int components,
                                       const std::function<uint8_t(int, int, int)>& sample,
                                       bool progressive = false) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &out, &size);
  cinfo.image_width = unsigned(w);
  cinfo.image_height = unsigned(h);
  cinfo.input_components = components;
  cinfo.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 95, TRUE);
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<uint8_t> row(size_t(w) * components);
  while (cinfo.next_scanline < cinfo.image_height) {
    for (int x = 0; x < w; ++x)
      for (int c = 0; c < components; ++c) row[size_t(x) * components + c] = sample(x, int(cinfo.next_scanline), c);
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&cinfo, &r, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::vector<uint8_t> bytes(out, out + size);
  jpeg_destroy_compress(&cinfo);
  free(out);
  return bytes;
}

}  // namespace imagefiles
