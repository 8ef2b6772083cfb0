#include "toolkit/SpeedButtonLayout.h"

#include <gtest/gtest.h>


#include "tests/controls/RectPrinter.h"

namespace {

using L = TButtonLayout;
using A = TAlignment;

struct Case {
  const char* name;
  SpeedButtonLayoutInput in;
  TRect caption, glyph;
};

// A button of W x H with an optional glyph and a measured caption.
SpeedButtonLayoutInput Button(int32_t w, int32_t h, TSize glyph, TSize text) {
  SpeedButtonLayoutInput in;
  in.Width = w;
  in.Height = h;
  in.Glyph = glyph;
  in.Text = text;
  in.HasCaption = text.cx > 0;
  return in;
}

SpeedButtonLayoutInput With(SpeedButtonLayoutInput in, L layout, A alignment, A textAlignment, int32_t margin = -1) {
  in.Layout = layout;
  in.Alignment = alignment;
  in.TextAlignment = textAlignment;
  in.Margin = margin;
  return in;
}

SpeedButtonLayoutInput PressedCopy(SpeedButtonLayoutInput in, bool shift) {
  in.Pressed = true;
  in.ShiftPressed = shift;
  return in;
}

constexpr TSize kNone{0, 0};
constexpr TSize kFolder{20, 20};
constexpr TSize kIcon{16, 16};
constexpr TSize kText{40, 13};

TEST(SpeedButtonLayoutTest, CaptionAndGlyphRectangles) {
  // The main window's buttons at 96 dpi (25 x 25 glyph button, 73 x 25 caption
  // button) and scaled for 120 dpi (31 x 31, 91 x 31, a 15-pixel text line);
  // the glyph stays 20 x 20. Margin 2 gives the margin term 5.
  const SpeedButtonLayoutInput folder = Button(25, 25, kFolder, kNone);
  const SpeedButtonLayoutInput block = Button(100, 30, kIcon, kText);
  const SpeedButtonLayoutInput text = Button(100, 30, kNone, kText);
  const SpeedButtonLayoutInput tall = Button(60, 50, kIcon, {30, 13});
  SpeedButtonLayoutInput offset = With(block, L::blGlyphLeft, A::taCenter, A::taCenter);
  offset.TextOffset = 3;
  SpeedButtonLayoutInput offsetTop = With(tall, L::blGlyphTop, A::taCenter, A::taCenter);
  offsetTop.TextOffset = 3;
  SpeedButtonLayoutInput reflected = With(tall, L::blGlyphTop, A::taCenter, A::taCenter);
  reflected.Reflected = true;
  SpeedButtonLayoutInput hidden = block;  // a caption that is not shown takes no spacing
  hidden.ShowCaption = false;
  hidden.Text = kNone;

  const Case cases[] = {
      {"folder 96 dpi", folder, {22, 12, 22, 12}, {2, 2, 22, 22}},
      {"folder 96 dpi pressed, content shifted", PressedCopy(folder, true), {23, 13, 23, 13}, {3, 3, 23, 23}},
      {"folder 96 dpi pressed, no shift", PressedCopy(folder, false), {22, 12, 22, 12}, {2, 2, 22, 22}},
      {"folder 120 dpi", Button(31, 31, kFolder, kNone), {25, 15, 25, 15}, {5, 5, 25, 25}},
      {"folder 120 dpi pressed", PressedCopy(Button(31, 31, kFolder, kNone), true), {26, 16, 26, 16}, {6, 6, 26, 26}},
      {"caption 96 dpi", Button(73, 25, kNone, {35, 12}), {19, 6, 54, 18}, {19, 12, 19, 12}},
      {"caption 120 dpi", Button(91, 31, kNone, {44, 15}), {23, 8, 67, 23}, {23, 15, 23, 15}},

      // Glyph left: the block glyph, 4 spacing, caption.
      {"left centre", block, {40, 8, 80, 21}, {20, 7, 36, 23}},
      {"left left/left m2", With(block, L::blGlyphLeft, A::taLeftJustify, A::taLeftJustify, 2), {25, 8, 65, 21}, {5, 7, 21, 23}},
      {"left left/right m2", With(block, L::blGlyphLeft, A::taLeftJustify, A::taRightJustify, 2), {55, 8, 95, 21}, {5, 7, 21, 23}},
      {"left left/right m2, no glyph: left margin", With(text, L::blGlyphLeft, A::taLeftJustify, A::taRightJustify, 2),
       {5, 8, 45, 21}, {5, 15, 5, 15}},
      {"left left/centre m2", With(block, L::blGlyphLeft, A::taLeftJustify, A::taCenter, 2), {40, 8, 80, 21}, {5, 7, 21, 23}},
      {"left left/centre, no glyph", With(text, L::blGlyphLeft, A::taLeftJustify, A::taCenter, 2), {30, 8, 70, 21}, {5, 15, 5, 15}},
      {"left right m2", With(block, L::blGlyphLeft, A::taRightJustify, A::taLeftJustify, 2), {55, 8, 95, 21}, {35, 7, 51, 23}},
      {"left centre, text offset 3", offset, {43, 8, 83, 21}, {20, 7, 36, 23}},
      {"left, caption hidden", hidden, {60, 15, 60, 15}, {42, 7, 58, 23}},

      // Glyph right.
      {"right left m2", With(block, L::blGlyphRight, A::taLeftJustify, A::taLeftJustify, 2), {5, 8, 45, 21}, {49, 7, 65, 23}},
      {"right left m2 pressed", PressedCopy(With(block, L::blGlyphRight, A::taLeftJustify, A::taLeftJustify, 2), true),
       {6, 9, 46, 22}, {50, 8, 66, 24}},
      {"right centre", With(block, L::blGlyphRight, A::taCenter, A::taCenter), {20, 8, 60, 21}, {64, 7, 80, 23}},
      {"right right/right m2", With(block, L::blGlyphRight, A::taRightJustify, A::taRightJustify, 2), {35, 8, 75, 21}, {79, 7, 95, 23}},
      {"right right/left m2", With(block, L::blGlyphRight, A::taRightJustify, A::taLeftJustify, 2), {5, 8, 75, 21}, {79, 7, 95, 23}},
      {"right right/left m2, no glyph: right margin", With(text, L::blGlyphRight, A::taRightJustify, A::taLeftJustify, 2),
       {55, 8, 95, 21}, {95, 15, 95, 15}},
      {"right right/centre m2", With(block, L::blGlyphRight, A::taRightJustify, A::taCenter, 2), {17, 8, 75, 21}, {79, 7, 95, 23}},
      {"right right/centre m2, no glyph", With(text, L::blGlyphRight, A::taRightJustify, A::taCenter, 2), {55, 8, 95, 21}, {95, 15, 95, 15}},

      // Glyph above and below the caption; the glyph is one pixel right of centre.
      {"top", With(tall, L::blGlyphTop, A::taCenter, A::taCenter), {15, 28, 45, 42}, {23, 8, 39, 24}},
      {"bottom", With(tall, L::blGlyphBottom, A::taCenter, A::taCenter), {15, 8, 45, 22}, {23, 26, 39, 42}},
      {"bottom m2", With(tall, L::blGlyphBottom, A::taCenter, A::taCenter, 2), {15, 8, 45, 22}, {23, 26, 39, 42}},
      {"top, text offset 3", offsetTop, {15, 31, 45, 45}, {23, 8, 39, 24}},
      {"top, reflected glyph raised by a sixth", reflected, {15, 28, 45, 42}, {23, 6, 39, 22}},
      {"top, no caption", With(Button(60, 50, kIcon, kNone), L::blGlyphTop, A::taCenter, A::taCenter), {30, 33, 30, 33},
       {23, 17, 39, 33}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SpeedButtonLayout r = LayoutSpeedButton(c.in);
    EXPECT_EQ(r.Caption, c.caption);
    EXPECT_EQ(r.Glyph, c.glyph);
    EXPECT_TRUE(r.Arrow.IsEmpty());
  }
}

TEST(SpeedButtonLayoutTest, DropDownArrowFollowsTheContentOrTakesTheRightPart) {
  SpeedButtonLayoutInput split = Button(60, 25, kNone, {20, 13});
  split.SplitArrow = kDropDownArrowWidth;
  SpeedButtonLayoutInput inlineArrow = Button(60, 25, kNone, {20, 13});
  inlineArrow.InlineArrow = kDropDownArrowWidth;
  SpeedButtonLayoutInput glyphOnly = Button(40, 25, kIcon, kNone);
  glyphOnly.InlineArrow = kDropDownArrowWidth;
  glyphOnly.ShowCaption = false;
  SpeedButtonLayoutInput empty = Button(40, 25, kNone, kNone);
  empty.InlineArrow = kDropDownArrowWidth;
  empty.ShowCaption = false;
  SpeedButtonLayoutInput below = Button(60, 50, kIcon, {30, 13});
  below.Layout = L::blGlyphTop;
  below.InlineArrow = kDropDownArrowWidth;

  struct ArrowCase {
    const char* name;
    SpeedButtonLayoutInput in;
    TRect caption, arrow;
  } cases[] = {
      {"split: the right 16 pixels", split, {12, 6, 32, 19}, {44, 0, 60, 25}},
      {"split pressed", PressedCopy(split, true), {13, 7, 33, 20}, {45, 1, 61, 26}},
      {"inline: 2 after the caption", inlineArrow, {12, 6, 32, 19}, {34, 0, 50, 25}},
      {"inline, pressed: measured unshifted, then moved", PressedCopy(inlineArrow, true), {13, 7, 33, 20}, {35, 1, 51, 26}},
      {"inline after the glyph, caption hidden", glyphOnly, {20, 12, 20, 12}, {22, 0, 38, 25}},
      {"inline, nothing else: no gap", empty, {12, 12, 12, 12}, {12, 0, 28, 25}},
      {"inline, glyph top: after the wider of the two", below, {7, 28, 37, 42}, {39, 0, 55, 50}},
  };
  for (const ArrowCase& c : cases) {
    SCOPED_TRACE(c.name);
    const SpeedButtonLayout r = LayoutSpeedButton(c.in);
    EXPECT_EQ(r.Caption, c.caption);
    EXPECT_EQ(r.Arrow, c.arrow);
  }
}

TEST(SpeedButtonLayoutTest, CaptionWidthLimitLeavesRoomForMarginArrowAndGlyph) {
  const SpeedButtonLayoutInput block = Button(100, 30, kIcon, kText);
  SpeedButtonLayoutInput split = block;
  split.SplitArrow = kDropDownArrowWidth;
  SpeedButtonLayoutInput hidden = block;
  hidden.ShowCaption = false;
  SpeedButtonLayoutInput narrow = Button(10, 30, kIcon, kText);
  narrow.Margin = 10;
  struct LimitCase {
    const char* name;
    SpeedButtonLayoutInput in;
    int32_t limit;
  } cases[] = {
      {"automatic margin counts as -1", block, 102 - 20},
      {"margin 2", With(block, L::blGlyphLeft, A::taCenter, A::taCenter, 2), 96 - 20},
      {"glyph above: no glyph width", With(block, L::blGlyphTop, A::taCenter, A::taCenter), 102},
      {"split arrow", split, 102 - 20 - 16},
      {"caption not shown", hidden, 0},
      {"no caption", Button(100, 30, kIcon, kNone), 0},
      {"too narrow: nothing, not negative", narrow, 0},
  };
  for (const LimitCase& c : cases) EXPECT_EQ(CaptionWidthLimit(c.in), c.limit) << c.name;
}

}  // namespace
