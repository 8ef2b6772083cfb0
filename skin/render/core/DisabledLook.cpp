#include "skin/render/core/DisabledLook.h"

#include <cmath>

#include "skin/render/core/Blend.h"
#include "skin/render/core/ColorFilters.h"

void ApplyDisabledLook(PixelBuffer& buffer, TsDisabledKind kind, TPoint position, const BackgroundInfo& bg,
                       TColor parentColor) {
  if (buffer.Empty()) return;
  if (kind & dkGrayed) {
    if (kDisabledSaturation == -100)
      ToGrey(buffer);
    else
      ApplyPixelFilter(buffer, PixelFilter::Saturate, int32_t(std::nearbyint(kDisabledSaturation * 255 / 100.0)),
                       clFuchsia);
  }
  if (!(kind & dkBlended)) return;
  if (bg.BitmapReady && bg.Bitmap) {
    const int32_t x = bg.OriginX + position.X, y = bg.OriginY + position.Y;
    const TRect inBackground{x, y, x + buffer.Width() - 1, y + buffer.Height() - 1};  // inclusive
    BlendThrough(buffer, {0, 0}, clFuchsia, kDisabledBlendWeight, inBackground, *bg.Bitmap);
  } else {
    const TColor color = bg.PlainColor != clFuchsia ? bg.PlainColor : parentColor;
    FadeToColor(buffer, buffer.Bounds(), int(std::trunc(kDisabledBlendWeight * 100)), color);
  }
}
