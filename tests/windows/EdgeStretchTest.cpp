// Double clicks on the sizing edges: stretched to the work area along the
// edge's axis with the visible frame inside it, and back on the next one.
#include <gtest/gtest.h>

#include "skin/windows/EdgeStretch.h"
#include "skin/windows/FrameGeometry.h"

namespace {

const TRect kWork{0, 0, 1000, 700};
const TRect kWindow{100, 120, 400, 320};

TEST(EdgeStretch, EachEdgeStretchesItsAxisToTheWorkArea) {
  struct Case {
    const char* Name;
    int32_t Code;
    TRect Visible;  // the frame as the user sees it
    TRect Expected;
  };
  // A border window's frame 5 pixels outside the window left and right, 12 above and 3 below.
  const TRect wider{95, 108, 405, 323};
  const Case cases[] = {
      {"left edge, own frame", kFrameHitLeft, kWindow, {0, 120, 1000, 320}},
      {"right edge, own frame", kFrameHitRight, kWindow, {0, 120, 1000, 320}},
      {"top edge, own frame", kFrameHitTop, kWindow, {100, 0, 400, 700}},
      {"bottom edge, own frame", kFrameHitBottom, kWindow, {100, 0, 400, 700}},
      {"left edge, border window's frame", kFrameHitLeft, wider, {5, 120, 995, 320}},
      {"top edge, border window's frame", kFrameHitTop, wider, {100, 12, 400, 697}},
      {"a corner is no edge", kFrameHitTopLeft, kWindow, kWindow},
      {"the caption is no edge", kFrameHitCaption, kWindow, kWindow},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    EdgeStretch stretch;
    EXPECT_EQ(stretch.DoubleClick(c.Code, kWindow, c.Visible, kWork), c.Expected);
  }
}

TEST(EdgeStretch, TheNextDoubleClickOnEitherEdgeOfTheAxisGivesTheSpanBack) {
  EdgeStretch stretch;
  const TRect wide = stretch.DoubleClick(kFrameHitLeft, kWindow, kWindow, kWork);
  // The other axis is its own: stretched and restored without touching the first.
  const TRect tall = stretch.DoubleClick(kFrameHitBottom, wide, wide, kWork);
  EXPECT_EQ(tall, (TRect{0, 0, 1000, 700}));
  const TRect narrow = stretch.DoubleClick(kFrameHitRight, tall, tall, kWork);
  EXPECT_EQ(narrow, (TRect{100, 0, 400, 700}));
  EXPECT_EQ(stretch.DoubleClick(kFrameHitTop, narrow, narrow, kWork), kWindow);
  // And the third double click stretches again.
  EXPECT_EQ(stretch.DoubleClick(kFrameHitLeft, kWindow, kWindow, kWork), (TRect{0, 120, 1000, 320}));
}

TEST(EdgeStretch, AFrameWiderThanTheWorkAreaGivesNoNegativeSize) {
  EdgeStretch stretch;
  const TRect r = stretch.DoubleClick(kFrameHitLeft, kWindow, {-2000, 120, 2400, 320}, kWork);
  EXPECT_GE(r.Width(), 0);
}

}  // namespace
