// The transparent corners of an in-frame window, as a table over small
// synthetic masks: which key-colour runs become rectangles and where.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "skin/windows/FrameRegion.h"

namespace {

constexpr uint32_t kKey = 0x00FF00FF;
constexpr uint32_t kLine = 0xFF0078D7;

// A one-state mask of w x h with borders of 2, every pixel the line colour but the listed key pixels.
TsMaskData Mask(int32_t w, int32_t h, const std::vector<TPoint>& keys, int32_t border = 2) {
  auto image = std::make_shared<PixelBuffer>(w, h);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) image->At(x, y) = kLine;
  for (TPoint p : keys) image->At(p.X, p.Y) = kKey;
  TsMaskData m;
  m.Image = image;
  m.SourceRect = {0, 0, w, h};
  m.FrameCount = 1;
  m.BorderL = m.BorderT = m.BorderR = m.BorderB = int16_t(border);
  return m;
}

TEST(TransparentCorners, KeyRunsOfTheCornersInWindowCoordinates) {
  const SkinPaintView view;
  const TSize window{100, 50};
  struct Case {
    const char* Name;
    TsMaskData Form;
    bool WithTitle;
    TsMaskData Title;
    std::vector<TRect> Expected;
  };
  // A rounded look: two key pixels in the outer row of each corner, one in the next row.
  const std::vector<TPoint> rounded = {{0, 0}, {1, 0}, {0, 1}, {4, 0}, {5, 0}, {5, 1}, {0, 4}, {0, 5}, {1, 5}, {5, 4}, {4, 5}, {5, 5}};
  const Case cases[] = {
      {"square corners", Mask(6, 6, {}), false, {}, {}},
      {"rounded form mask",
       Mask(6, 6, rounded),
       false,
       {},
       {{0, 0, 2, 1}, {0, 1, 1, 2}, {98, 0, 100, 1}, {99, 1, 100, 2}, {0, 48, 1, 49}, {0, 49, 2, 50}, {99, 48, 100, 49}, {98, 49, 100, 50}}},
      // Key pixels in the middle of an edge are not corners: only the border-wide corner squares count.
      {"edge pixels are not corners", Mask(8, 8, {{3, 0}, {4, 0}, {0, 3}}), false, {}, {}},
      // The title mask gives its top corners only; its bottom ones lie on the caption's bottom.
      {"title mask top corners", Mask(6, 6, {}), true, Mask(6, 6, rounded),
       {{0, 0, 2, 1}, {0, 1, 1, 2}, {98, 0, 100, 1}, {99, 1, 100, 2}}},
      // A skin claiming corners bigger than its picture gets half the picture at most.
      {"huge borders", Mask(4, 4, {{0, 0}, {1, 1}, {3, 3}}, 30000), false, {}, {{0, 0, 1, 1}, {1, 1, 2, 2}, {99, 49, 100, 50}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(TransparentCornerRects(view, &c.Form, c.WithTitle ? &c.Title : nullptr, window), c.Expected);
  }
}

TEST(TransparentCorners, NothingForMissingMasksOrAnEmptyWindowAndNothingOutsideATinyOne) {
  const SkinPaintView view;
  const TsMaskData rounded = Mask(6, 6, {{0, 0}, {1, 0}, {5, 5}});
  EXPECT_TRUE(TransparentCornerRects(view, nullptr, nullptr, {100, 50}).empty());
  EXPECT_TRUE(TransparentCornerRects(view, &rounded, nullptr, {0, 0}).empty());
  TsMaskData noPicture = rounded;
  noPicture.Image.reset();  // the master bitmap, which this view does not have
  EXPECT_TRUE(TransparentCornerRects(view, &noPicture, nullptr, {100, 50}).empty());
  // A 1 x 1 window: every corner lands on its one pixel, nothing beyond it.
  for (const TRect& r : TransparentCornerRects(view, &rounded, nullptr, {1, 1}))
    EXPECT_TRUE(r.Left >= 0 && r.Top >= 0 && r.Right <= 1 && r.Bottom <= 1);
}

// A 20 x 16 cache with 3-pixel margins: the blur covers the frame grown by one
// pixel, less the black pixels of its 3 x 3 corner squares.
TEST(BlurBehindShape, TheFrameGrownByOneLessTheBlackPixelsOfItsCorners) {
  PixelBuffer cache(20, 16);
  for (int32_t y = 0; y < 16; ++y)
    for (int32_t x = 0; x < 20; ++x) cache.At(x, y) = kLine;
  for (TPoint p : std::vector<TPoint>{{2, 2}, {3, 2}, {2, 3}, {17, 13}, {9, 8}, {0, 0}}) cache.At(p.X, p.Y) = 0;
  cache.At(16, 2) = 0x80000000;  // transparent black is black too
  FrameMeasures m;
  m.L = m.T = m.R = m.B = 3;
  const BlurShape shape = BlurBehindShape(cache, m, 3);
  EXPECT_EQ(shape.Outer, (TRect{2, 2, 18, 14}));
  // The black pixel in the middle and the one in the margin are not cut.
  const std::vector<TRect> cut{{2, 2, 4, 3}, {2, 3, 3, 4}, {16, 2, 17, 3}, {17, 13, 18, 14}};
  EXPECT_EQ(shape.Cut, cut);

  EXPECT_TRUE(BlurBehindShape(cache, m, 0).Cut.empty()) << "no corner squares";
  // Corner squares are bounded by the rectangle, margins by the cache.
  for (const TRect& r : BlurBehindShape(cache, m, 100000).Cut)
    EXPECT_TRUE(r.Left >= 2 && r.Top >= 2 && r.Right <= 18 && r.Bottom <= 14);
  m.L = m.R = 400;
  EXPECT_TRUE(BlurBehindShape(cache, m, 3).Outer.IsEmpty());
  EXPECT_TRUE(BlurBehindShape(PixelBuffer(), FrameMeasures{}, 3).Outer.IsEmpty());
}

}  // namespace
