#include "skin/windows/FrameRegion.h"

#include <algorithm>

namespace {

constexpr uint32_t kKeyPixel = 0x00FF00FF;  // magenta with alpha 0: transparent in skin images

// The runs of pixels of source (a part of image) that match, placed at place
// and clipped to the window, one rectangle per run of a row.
template <typename Match>
void CollectRuns(const PixelBuffer& image, const TRect& source, TPoint place, TSize window, Match match,
                 std::vector<TRect>& out) {
  const TRect window0 = MakeRect(0, 0, window.cx, window.cy);
  for (int32_t row = 0; row < source.Height(); ++row) {
    const int32_t sy = source.Top + row, y = place.Y + row;
    if (sy < 0 || sy >= image.Height() || y < window0.Top || y >= window0.Bottom) continue;
    int32_t runStart = -1;
    for (int32_t col = 0; col <= source.Width(); ++col) {
      const int32_t sx = source.Left + col;
      const bool key = col < source.Width() && sx >= 0 && sx < image.Width() && match(image.At(sx, sy));
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
  const auto key = [](uint32_t pixel) { return pixel == kKeyPixel; };
  CollectRuns(*image, MakeRect(sx, sy, wl, wt), {0, 0}, window, key, out);
  CollectRuns(*image, MakeRect(sx + fw - wr, sy, wr, wt), {window.cx - wr, 0}, window, key, out);
  if (!bottomCorners) return;
  CollectRuns(*image, MakeRect(sx, sy + fh - wb, wl, wb), {0, window.cy - wb}, window, key, out);
  CollectRuns(*image, MakeRect(sx + fw - wr, sy + fh - wb, wr, wb), {window.cx - wr, window.cy - wb}, window, key, out);
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

BlurShape BlurBehindShape(const PixelBuffer& cache, const FrameMeasures& m, int32_t formOffset) {
  BlurShape shape;
  const TSize size{cache.Width(), cache.Height()};
  const TRect inside{m.L - 1, m.T - 1, size.cx - m.R + 1, size.cy - m.B + 1};
  shape.Outer = {std::max(inside.Left, 0), std::max(inside.Top, 0), std::min(inside.Right, size.cx),
                 std::min(inside.Bottom, size.cy)};
  if (shape.Outer.IsEmpty()) return {};
  const int32_t c = std::clamp(formOffset, 0, std::min({kMaxBlurCorner, shape.Outer.Width(), shape.Outer.Height()}));
  if (c == 0) return shape;
  // Black is what lies outside the frame's rounded corners in the cache: no blur there.
  const auto black = [](uint32_t pixel) { return (pixel & 0x00FFFFFF) == 0; };
  const TRect& o = shape.Outer;
  for (const TPoint corner : {TPoint{o.Left, o.Top}, TPoint{o.Right - c, o.Top}, TPoint{o.Left, o.Bottom - c},
                              TPoint{o.Right - c, o.Bottom - c}})
    CollectRuns(cache, MakeRect(corner.X, corner.Y, c, c), corner, size, black, shape.Cut);
  return shape;
}
