#include "skin/windows/ComposedPicture.h"

#include <algorithm>

PixelBuffer ComposeOverColor(const PixelBuffer& picture, TColor desktop) {
  PixelBuffer out(picture.Width(), picture.Height());
  const uint32_t d = ExchangeRedBlue(desktop);
  for (int32_t y = 0; y < picture.Height(); ++y) {
    const uint32_t* s = picture.Row(y);
    uint32_t* o = out.Row(y);
    for (int32_t x = 0; x < picture.Width(); ++x) {
      const uint32_t a = s[x] >> 24;
      uint32_t pixel = 0xFF000000u;
      for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t c = ((s[x] >> shift) & 0xFF) + (((d >> shift) & 0xFF) * (255 - a) + 127) / 255;
        pixel |= std::min<uint32_t>(c, 255) << shift;
      }
      o[x] = pixel;
    }
  }
  return out;
}
