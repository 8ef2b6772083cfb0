#include "skin/paint/DrawArrow.h"

void DrawArrow(PixelBuffer& surface, TColor color, const TRect& rect, int32_t direction) {
  const uint32_t pixel = (ExchangeRedBlue(ResolveColor(color)) & 0x00FFFFFFu) | 0xFF000000u;
  ForEachArrowPixel(rect, direction, [&](int32_t x, int32_t y) {
    if (x >= 0 && y >= 0 && x < surface.Width() && y < surface.Height()) surface.At(x, y) = pixel;
  });
}
