#pragma once
// Small BMP and JPEG files made in code, for the reader tests and the fuzz
// seed corpora.
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <vector>

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

namespace imagefiles {

inline void Put16(std::vector<uint8_t>& v, uint32_t x) { v.insert(v.end(), {uint8_t(x), uint8_t(x >> 8)}); }
inline void Put32(std::vector<uint8_t>& v, uint32_t x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}

struct BmpSpec {
  int32_t width = 3, height = 2;
  int bpp = 24;
  bool topDown = false;
  bool coreHeader = false;
  uint32_t compression = 0;
  std::vector<uint32_t> masks;    // bit-field masks after a 40-byte header
  std::vector<uint32_t> palette;  // 0x00RRGGBB entries
  // Pixel (x, y) counted from the top: a palette index, or 0xAARRGGBB for 24 and 32 bits.
  std::function<uint32_t(int32_t, int32_t)> pixel;
};

inline std::vector<uint8_t> MakeBmp(const BmpSpec& s) {
  std::vector<uint8_t> info;
  if (s.coreHeader) {
    Put32(info, 12);
    Put16(info, uint32_t(s.width));
    Put16(info, uint32_t(s.height));
    Put16(info, 1);
    Put16(info, uint32_t(s.bpp));
  } else {
    Put32(info, 40);
    Put32(info, uint32_t(s.width));
    Put32(info, uint32_t(s.topDown ? -s.height : s.height));
    Put16(info, 1);
    Put16(info, uint32_t(s.bpp));
    Put32(info, s.compression);
    for (int i = 0; i < 5; ++i) Put32(info, i == 3 ? uint32_t(s.palette.size()) : 0);
    for (uint32_t m : s.masks) Put32(info, m);
  }
  for (uint32_t c : s.palette) {
    info.insert(info.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16)});
    if (!s.coreHeader) info.push_back(0);
  }
  const size_t stride = (size_t(s.width) * s.bpp + 31) / 32 * 4;
  std::vector<uint8_t> pixels(stride * s.height, 0);
  for (int32_t y = 0; y < s.height; ++y) {
    uint8_t* row = pixels.data() + stride * size_t(s.topDown ? y : s.height - 1 - y);
    for (int32_t x = 0; x < s.width; ++x) {
      const uint32_t v = s.pixel(x, y);
      if (s.bpp <= 8) {
        const size_t bit = size_t(x) * s.bpp;
        row[bit / 8] |= uint8_t(v << (8 - s.bpp - bit % 8));
      } else {
        for (int b = 0; b < s.bpp / 8; ++b) row[x * (s.bpp / 8) + b] = uint8_t(v >> (8 * b));
      }
    }
  }
  std::vector<uint8_t> file = {'B', 'M'};
  Put32(file, uint32_t(14 + info.size() + pixels.size()));
  Put32(file, 0);
  Put32(file, uint32_t(14 + info.size()));
  file.insert(file.end(), info.begin(), info.end());
  file.insert(file.end(), pixels.begin(), pixels.end());
  return file;
}

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
