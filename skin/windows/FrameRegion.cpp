#include "skin/windows/FrameRegion.h"

#include <algorithm>

namespace {

constexpr uint32_t kKeyPixel = 0x00FF00FF;  // magenta with alpha 0: transparent in skin images

// The key-colour runs of source (one state picture's corner) placed at place.
void CollectRuns(const PixelBuffer& image, const TRect& source, TPoint place, TSize window, std::vector<TRect>& out) {
  const TRect window0 = MakeRect(0, 0, window.cx, window.cy);
  for (int32_t row = 0; row < source.Height(); ++row) {
    const int32_t sy = source.Top + row, y = place.Y + row;
    if (sy < 0 || sy >= image.Height() || y < window0.Top || y >= window0.Bottom) continue;
    int32_t runStart = -1;
    for (int32_t col = 0; col <= source.Width(); ++col) {
      const int32_t sx = source.Left + col;
      const bool key = col < source.Width() && sx >= 0 && sx < image.Width() && image.At(sx, sy) == kKeyPixel;
      if (key && runStart < 0) runStart = col;
      if (key || runStart < 0) continue;
      const int32_t left = std::max(place.X + runStart, window0.Left), right = std::min(place.X + col, window0.Right);
      if (left < right) out.push_back({left, y, right, y + 1});
      runStart = -1;
    }
  }
}

void CollectCorners(const SkinPaintView& skin, const TsMaskData& mask, bool bottomCorners, TSize window,
                    std::vector<TRect>& out) {
  const PixelBuffer* image = skin.PictureOf(mask);
  if (!image || image->Empty()) return;
  const int32_t fw = mask.FrameCount == 0 ? mask.SourceRect.Width() : mask.Width();
  const int32_t fh = mask.FrameCount == 0 ? mask.SourceRect.Height() : mask.Height();
  if (fw <= 0 || fh <= 0) return;
  // Corners no bigger than half the state picture, whatever the skin claims.
  const TBorderWidths b = mask.EffectiveBorders();
  const int32_t wl = std::clamp<int32_t>(b.Left, 0, fw / 2), wr = std::clamp<int32_t>(b.Right, 0, fw / 2);
  const int32_t wt = std::clamp<int32_t>(b.Top, 0, fh / 2), wb = std::clamp<int32_t>(b.Bottom, 0, fh / 2);
  const int32_t sx = mask.SourceRect.Left, sy = mask.SourceRect.Top;
  CollectRuns(*image, MakeRect(sx, sy, wl, wt), {0, 0}, window, out);
  CollectRuns(*image, MakeRect(sx + fw - wr, sy, wr, wt), {window.cx - wr, 0}, window, out);
  if (!bottomCorners) return;
  CollectRuns(*image, MakeRect(sx, sy + fh - wb, wl, wb), {0, window.cy - wb}, window, out);
  CollectRuns(*image, MakeRect(sx + fw - wr, sy + fh - wb, wr, wb), {window.cx - wr, window.cy - wb}, window, out);
}

}  // namespace

std::vector<TRect> TransparentCornerRects(const SkinPaintView& skin, const TsMaskData* formMask,
                                          const TsMaskData* titleMask, TSize window) {
  std::vector<TRect> rects;
  if (window.cx <= 0 || window.cy <= 0) return rects;
  if (formMask) CollectCorners(skin, *formMask, true, window, rects);
  if (titleMask) CollectCorners(skin, *titleMask, false, window, rects);
  return rects;
}
