#pragma once
// A small BMP writer for the build tools and the tests: the skin image
// generator's bitmaps, and reader tests and fuzz seeds of every header kind,
// depth, palette and bit-field layout.
#include <cstdint>
#include <functional>
#include <vector>

#include "skin/render/core/PixelBuffer.h"

struct BmpLayout {
  int32_t width = 3, height = 2;
  int bpp = 24;
  bool topDown = false;
  bool coreHeader = false;        // the old 12-byte header with 16-bit sizes
  uint32_t compression = 0;
  std::vector<uint32_t> masks;    // bit-field masks after a 40-byte header
  std::vector<uint32_t> palette;  // 0x00RRGGBB entries
  // Pixel (x, y) counted from the top: a palette index, or 0xAARRGGBB for 24 and 32 bits.
  std::function<uint32_t(int32_t, int32_t)> pixel;
};

// The whole file, as the BmpLayout describes it.
std::vector<uint8_t> MakeBmp(const BmpLayout& layout);

// A bottom-up 24-bit uncompressed bitmap file of the pixels (alpha dropped).
std::vector<uint8_t> EncodeBmp24(const PixelBuffer& pixels);
