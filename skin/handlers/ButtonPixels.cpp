#include "skin/handlers/ButtonPixels.h"

#include <algorithm>

#include "skin/render/core/Blend.h"
#include "skin/render/core/DisabledLook.h"

namespace {

constexpr uint32_t kKeyPixel = 0x00FF00FF;  // transparent magenta, left for the parent to show through

}  // namespace

void MixDisabledButton(PixelBuffer& picture, TPoint position, const BackgroundInfo& bg, TColor parentColor) {
  if (picture.Empty()) return;
  if (bg.BitmapReady && bg.Bitmap) {
    ApplyDisabledLook(picture, dkBlended, position, bg, parentColor);
    return;
  }
  const int survives = int(kDisabledButtonWeight * 100 + 0.5);
  FadeToColor(picture, picture.Bounds(), survives, bg.PlainColor != clFuchsia ? bg.PlainColor : parentColor,
              kKeyPixel);
}

void DrawDottedFrame(PixelBuffer& picture, const TRect& frame, TColor color) {
  const int32_t w = frame.Width(), h = frame.Height();
  if (w <= 0 || h <= 0) return;
  const uint32_t pixel = 0xFF000000u | (ExchangeRedBlue(ResolveColor(color)) & 0x00FFFFFFu);
  auto put = [&](int32_t x, int32_t y) {
    if (x >= 0 && y >= 0 && x < picture.Width() && y < picture.Height()) picture.At(x, y) = pixel;
  };
  for (int32_t x = frame.Left + 1; x <= frame.Left + 2 * (w / 2) - 1; x += 2) {
    put(x, frame.Top);
    put(x, frame.Bottom - 1);
  }
  for (int32_t y = frame.Top + 1; y <= frame.Top + 2 * (h / 2) - 1; y += 2) {
    put(frame.Left, y);
    put(frame.Right - 1, y);
  }
}
