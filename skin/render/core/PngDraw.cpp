#include "skin/render/core/PngDraw.h"

#include <algorithm>

#include "skin/render/core/Raster.h"

namespace {
constexpr uint32_t kKeyPixel = 0x00FF00FFu;

inline uint32_t Compose(uint32_t dst, uint32_t src) {
  const int w = int(src >> 24);
  uint32_t out = dst & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const int p = int(src >> shift & 0xFF), b = int(dst >> shift & 0xFF);
    out |= uint32_t(((p - b) * w + b * 256) >> 8) << shift;
  }
  return out;
}

// Nearest pixel of a span of m for pixel i of a span of n, as the raster stretch maps it.
inline int32_t Nearest(int64_t i, int64_t n, int64_t m) { return int32_t((2 * i + 1) * m / (2 * n)); }
}  // namespace

void DrawAlphaPicture(PixelBuffer& canvas, const TRect& rect, const PixelBuffer& picture) {
  if (picture.Empty() || rect.IsEmpty()) return;
  const int64_t width = int64_t(rect.Right) - rect.Left, height = int64_t(rect.Bottom) - rect.Top;
  const int32_t x0 = std::max(rect.Left, 0), x1 = std::min(rect.Right, canvas.Width());
  const int32_t y0 = std::max(rect.Top, 0), y1 = std::min(rect.Bottom, canvas.Height());
  const bool stretch = width != picture.Width() || height != picture.Height();
  for (int32_t y = y0; y < y1; ++y) {
    uint32_t* d = canvas.Row(y);
    const int32_t sy = stretch ? Nearest(int64_t(y) - rect.Top, height, picture.Height()) : y - rect.Top;
    const uint32_t* s = picture.Row(sy);
    for (int32_t x = x0; x < x1; ++x) {
      const uint32_t p = s[stretch ? Nearest(int64_t(x) - rect.Left, width, picture.Width()) : x - rect.Left];
      if (p != kKeyPixel) d[x] = Compose(d[x], p);
    }
  }
}

void DrawPicture(PixelBuffer& canvas, const TRect& rect, const DecodedImage& image) {
  if (image.BitsPerPixel == 32) {
    DrawAlphaPicture(canvas, rect, image.Pixels);
  } else {
    StretchPixels(canvas, rect, image.Pixels, image.Pixels.Bounds());
  }
}
