#pragma once
// Pixel values and plain pictures that the picture tests build their cases from.
#include <algorithm>
#include <cstdint>

#include "skin/render/core/PixelBuffer.h"

// The pixel value of four channels (memory order blue, green, red, alpha).
constexpr uint32_t Bgra(uint32_t r, uint32_t g, uint32_t b, uint32_t a) { return b | g << 8 | r << 16 | a << 24; }

// A picture whose every pixel is `pixel`.
inline PixelBuffer Filled(int32_t width, int32_t height, uint32_t pixel) {
  PixelBuffer b(width, height);
  for (int32_t y = 0; y < b.Height(); ++y) std::fill_n(b.Row(y), b.Width(), pixel);
  return b;
}
