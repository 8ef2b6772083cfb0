#include "tools/BmpWriter.h"

namespace {

void Put16(std::vector<uint8_t>& v, uint32_t x) { v.insert(v.end(), {uint8_t(x), uint8_t(x >> 8)}); }
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}

}  // namespace

std::vector<uint8_t> MakeBmp(const BmpLayout& s) {
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
  const size_t stride = (size_t(s.width) * s.bpp + 31) / 32 * 4;  // rows padded to 4 bytes
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

std::vector<uint8_t> EncodeBmp24(const PixelBuffer& pixels) {
  BmpLayout layout;
  layout.width = pixels.Width();
  layout.height = pixels.Height();
  layout.pixel = [&](int32_t x, int32_t y) { return pixels.At(x, y); };
  return MakeBmp(layout);
}
