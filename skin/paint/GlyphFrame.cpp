#include "skin/paint/GlyphFrame.h"

#include <algorithm>

#include "skin/render/core/Blend.h"
#include "skin/render/core/Color.h"
#include "skin/paint/PaintGeometry.h"

namespace {

constexpr uint32_t kKeyPixel = 0x00FF00FF;
constexpr uint32_t kFadedMaskLift = 100;  // the faded look lightens every mask byte by this much

// The masked glyph rule: frame pixels mixed through the mask maskOffset rows
// below; the alpha grows by the mask's opacity.
void PaintMaskedGlyph(PixelBuffer& target, const PixelBuffer& picture, TPoint at, TRect src, int32_t maskOffset,
                      int32_t look) {
  src.Right = std::min({src.Right, picture.Width(), src.Left + target.Width() - at.X});
  src.Bottom = std::min({src.Bottom, picture.Height() - maskOffset, src.Top + target.Height() - at.Y});
  if (src.IsEmpty() || src.Left < 0 || src.Top < 0 || maskOffset < 0) return;
  const uint32_t lift = look == kGlyphNormalLook ? 0 : kFadedMaskLift;
  for (int32_t y = src.Top; y < src.Bottom; ++y) {
    const uint32_t* s = picture.Row(y);
    const uint32_t* m = picture.Row(y + maskOffset);
    uint32_t* d = target.Row(at.Y + y - src.Top) + (at.X - src.Left);
    for (int32_t x = src.Left; x < src.Right; ++x) {
      if (s[x] == kKeyPixel) continue;
      const uint32_t red = (m[x] >> 16) & 0xFF;
      if (red == 255) continue;
      uint32_t mask = m[x];
      if (lift) {
        mask = 0;
        for (int shift = 0; shift < 24; shift += 8)
          mask |= std::min<uint32_t>(((m[x] >> shift) & 0xFF) + lift, 255) << shift;
      }
      const uint32_t a = d[x] >> 24;
      d[x] = (MaskRule(d[x], s[x], mask) & 0x00FFFFFFu) | ((a + (((255 - a) * (255 - red)) >> 8)) << 24);
    }
  }
}

}  // namespace

void PaintGlyphFrame(const SkinPaintView& skin, PixelBuffer& target, TPoint point, int32_t state,
                     const BackgroundInfo& bg, const TsMaskData& mask, int32_t look) {
  const int32_t fw = mask.Width(), fh = mask.Height();
  if (target.Empty() || fw <= 0 || fh <= 0) return;
  const int32_t k = MaskFrame(state, mask.FrameCount);
  TRect src = MakeRect(mask.SourceRect.Left + k * fw, mask.SourceRect.Top, fw, fh);
  // A negative position cuts the frame instead of moving it.
  if (point.X < 0) src.Left -= point.X;
  if (point.Y < 0) src.Top -= point.Y;
  if (src.IsEmpty()) return;
  const TPoint at{std::max(point.X, 0), std::max(point.Y, 0)};
  if (at.X >= target.Width() || at.Y >= target.Height()) return;

  const PixelBuffer* picture = skin.PictureOf(mask);
  if (!picture || picture->Empty()) return;
  const TRect& sr = mask.SourceRect;
  const TRect inclusive{src.Left, src.Top, src.Right - 1, src.Bottom - 1};
  if (mask.Image) {
    if (sr.Left < 0 || sr.Top < 0 || sr.Right > picture->Width() || sr.Bottom > picture->Height()) return;
  } else if (!mask.OwnerManager || mask.FrameCount <= 0) {
    return;
  } else if (mask.MaskRows <= 0) {
    if (look == kGlyphNormalLook) {
      CopyWithKeyOverBackground(target, *picture, at, inclusive, clFuchsia, bg, true);
    } else {
      BlendThrough(target, at, clFuchsia, 0.5, inclusive, *picture);
    }
    return;
  }
  if (mask.MaskRows == 0) {
    CopyWithKey(target, *picture, at, inclusive, clFuchsia);
    return;
  }
  PaintMaskedGlyph(target, *picture, at, src, sr.Height() / (mask.MaskRows + 1), look);
}
