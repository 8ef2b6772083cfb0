#include "skin/windows/IconPicture.h"

#include <algorithm>

#include "skin/render/core/Blend.h"
#include "skin/render/core/PixelBufferDc.h"

namespace {

PixelBuffer DrawnOver(HICON icon, int32_t width, int32_t height, TColor background) {
  PixelBuffer b(width, height);
  FillPixels(b, b.Bounds(), background, 0);
  if (HDC dc = BufferDc(b)) {
    DrawIconEx(dc, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    GdiFlush();
  }
  return b;
}

}  // namespace

PixelBuffer IconPicture(HICON icon, int32_t width, int32_t height) {
  if (!icon || width <= 0 || height <= 0) return {};
  // Drawn once over black and once over white: whatever the icon's format
  // (alpha channel or AND mask), the difference is its coverage.
  const PixelBuffer black = DrawnOver(icon, width, height, clBlack);
  const PixelBuffer white = DrawnOver(icon, width, height, clWhite);
  PixelBuffer out(width, height);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      const uint32_t b = black.At(x, y), w = white.At(x, y);
      int32_t coverage = 0;
      for (int shift = 0; shift < 24; shift += 8)
        coverage = std::max(coverage, 255 - (int32_t((w >> shift) & 0xFF) - int32_t((b >> shift) & 0xFF)));
      const uint32_t a = uint32_t(std::clamp(coverage, 0, 255));
      uint32_t pixel = a << 24;
      if (a > 0)
        for (int shift = 0; shift < 24; shift += 8)
          pixel |= std::min<uint32_t>(255, (((b >> shift) & 0xFF) * 255 + a / 2) / a) << shift;
      out.At(x, y) = pixel;
    }
  return out;
}
