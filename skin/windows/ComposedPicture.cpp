#include "skin/windows/ComposedPicture.h"

#include "skin/render/core/Blend.h"

PixelBuffer ComposeOverColor(const PixelBuffer& picture, TColor desktop) {
  PixelBuffer out(picture.Width(), picture.Height());
  FillPixels(out, out.Bounds(), desktop, 255);
  ComposeOver(out, picture, {0, 0});
  return out;
}
