#include "skin/controls/ScrollBarGeometry.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/controls/RectPrinter.h"

namespace {

ScrollRange Range(int32_t min, int32_t max, int32_t page, int32_t pos = 0) { return {min, max, page, pos, pos}; }

TEST(ScrollBarGeometryTest, SizesComeFromTheFirstSourceThatIsSet) {
  EXPECT_EQ(ScrollBarThickness(-1, -1, 17), 17);  // default options: the system's width
  EXPECT_EQ(ScrollBarThickness(-1, 20, 17), 20);
  EXPECT_EQ(ScrollBarThickness(12, 20, 17), 12);
  EXPECT_EQ(ScrollBarThickness(0, 20, 17), 0);  // 0 is a size, not "unset"
  EXPECT_EQ(ScrollArrowLength(-1, -1, -1, 17), 17);  // square arrows
  EXPECT_EQ(ScrollArrowLength(-1, -1, 10, 17), 10);
  EXPECT_EQ(ScrollArrowLength(-1, 14, 10, 17), 14);
  EXPECT_EQ(ScrollArrowLength(9, 14, 10, 17), 9);

  EXPECT_EQ(SectionFrameOffset(false, true, true), -2);
  EXPECT_EQ(SectionFrameOffset(true, true, true), -1);
  EXPECT_EQ(SectionFrameOffset(true, true, false), 0);
  EXPECT_EQ(SectionFrameOffset(true, false, true), 0);
}

TEST(ScrollBarGeometryTest, FrameLayoutTakesBarsFromTheClient) {
  struct Case {
    const char* name;
    ScrollFrameInput in;
    TRect client, horz, vert, corner;
    int32_t border;  // all four borders
  } cases[] = {
      {"1-pixel skin edge on a 2-pixel system border, both bars",
       {{120, 80}, {2, 2, 118, 78}, -1, true, true, false, 17, 17},
       {1, 1, 102, 62}, {1, 62, 102, 79}, {102, 1, 119, 62}, {102, 62, 119, 79}, 1},
      {"left scroll bar",
       {{120, 80}, {2, 2, 118, 78}, -1, true, true, true, 17, 17},
       {18, 1, 119, 62}, {18, 62, 119, 79}, {1, 1, 18, 62}, {1, 62, 18, 79}, 1},
      {"a 1-pixel system border keeps its width",
       {{120, 80}, {1, 1, 119, 79}, -2, false, true, false, 17, 17},
       {1, 1, 102, 79}, {}, {102, 1, 119, 79}, {}, 1},
      {"no border mask: the system border goes",
       {{120, 80}, {2, 2, 118, 78}, -2, false, false, false, 17, 17},
       {0, 0, 120, 80}, {}, {}, {}, 0},
      {"form frame: no offset",
       {{120, 80}, {2, 2, 118, 78}, 0, false, true, false, 17, 17},
       {2, 2, 101, 78}, {}, {101, 2, 118, 78}, {}, 2},
      {"each bar its own thickness",
       {{120, 80}, {2, 2, 118, 78}, 0, true, true, false, 10, 20},
       {2, 2, 98, 68}, {2, 68, 98, 78}, {98, 2, 118, 68}, {98, 68, 118, 78}, 2},
      {"client lower than the bar: no horizontal bar",
       {{120, 14}, {2, 2, 118, 12}, 0, true, true, false, 17, 17},
       {2, 2, 101, 12}, {}, {101, 2, 118, 12}, {}, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ScrollFrame f = LayoutScrollFrame(c.in);
    EXPECT_EQ(f.Client, c.client);
    EXPECT_EQ(f.HorzVisible, !c.horz.IsEmpty());
    EXPECT_EQ(f.VertVisible, !c.vert.IsEmpty());
    EXPECT_EQ(f.HorzBar, c.horz);
    EXPECT_EQ(f.VertBar, c.vert);
    EXPECT_EQ(f.Corner, c.corner);
    EXPECT_EQ(f.BorderL, c.border);
    EXPECT_EQ(f.BorderT, c.border);
    EXPECT_EQ(f.BorderR, c.border);
    EXPECT_EQ(f.BorderB, c.border);
  }
}

TEST(ScrollBarGeometryTest, ThumbLengthAndPositionIncludingDegenerateRanges) {
  constexpr int32_t kBig = 1 << 30;
  struct Case {
    const char* name;
    int32_t bar, arrow;
    ScrollRange range;
    int32_t track, start, length;
    bool room;
  } cases[] = {
      // The dropped work-type list: 11 items, 8 shown, a 100-pixel bar with 17-pixel arrows.
      {"list at the top", 100, 17, Range(0, 10, 8, 0), 66, 17, 48, true},
      {"list one down", 100, 17, Range(0, 10, 8, 1), 66, 23, 48, true},
      {"list at the bottom", 100, 17, Range(0, 10, 8, 3), 66, 35, 48, true},
      {"position past the end stays on the track", 100, 17, Range(0, 10, 8, 9), 66, 35, 48, true},
      {"page covers the range", 100, 17, Range(0, 10, 11, 4), 66, 17, 66, false},
      {"page larger than the range", 100, 17, Range(0, 10, 20, 4), 66, 17, 66, false},
      {"max equals min, no page", 100, 17, Range(5, 5, 0, 5), 66, 17, 17, true},
      {"max equals min, page 1", 100, 17, Range(5, 5, 1, 5), 66, 17, 66, false},
      {"inverted range", 100, 17, Range(10, 5, 3, 7), 66, 17, 66, false},
      {"no page: the thumb is an arrow long", 100, 17, Range(0, 100, 0, 50), 66, 42, 17, true},
      {"tiny page: the minimum thumb", 100, 17, Range(0, 999, 10, 990), 66, 67, 16, true},
      {"position before the start", 100, 17, Range(0, 999, 10, -5), 66, 17, 16, true},
      {"range starting at 10, last position", 100, 17, Range(10, 110, 20, 91), 66, 67, 16, true},
      {"no arrows: a 19-pixel minimum", 100, 0, Range(0, 99, 10, 0), 100, 0, 19, true},
      {"arrows fill the bar", 34, 17, Range(0, 10, 2, 0), 0, 17, 0, false},
      {"arrows do not fit", 30, 17, Range(0, 10, 2, 0), 0, 15, 0, false},
      {"range of the whole int32", 100, 17, {INT32_MIN, INT32_MAX, kBig, 0, 0}, 66, 50, 17, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ThumbLayout t = LayoutThumb(c.bar, c.arrow, c.range);
    EXPECT_EQ(t.TrackLength, c.track);
    EXPECT_EQ(t.Start, c.start);
    EXPECT_EQ(t.Length, c.length);
    EXPECT_EQ(t.HasRoom, c.room);
  }
}

TEST(ScrollBarGeometryTest, HitTestAlongTheBar) {
  const ThumbLayout top = LayoutThumb(100, 17, Range(0, 10, 8, 0));     // thumb 17..65
  const ThumbLayout bottom = LayoutThumb(100, 17, Range(0, 10, 8, 3));  // thumb 35..83
  const ThumbLayout full = LayoutThumb(100, 17, Range(0, 10, 11, 0));
  const ThumbLayout cramped = LayoutThumb(30, 17, Range(0, 10, 2, 0));  // each arrow half the bar
  struct Case {
    const ThumbLayout* thumb;
    int32_t at, part;
  } cases[] = {
      {&top, -1, kPartNone},     {&top, 0, kPartLineUp},     {&top, 16, kPartLineUp},
      {&top, 17, kPartThumb},    {&top, 64, kPartThumb},     {&top, 65, kPartPageDown},
      {&top, 82, kPartPageDown}, {&top, 83, kPartLineDown},  {&top, 99, kPartLineDown},
      {&top, 100, kPartNone},    {&bottom, 17, kPartPageUp}, {&bottom, 34, kPartPageUp},
      {&bottom, 35, kPartThumb}, {&bottom, 82, kPartThumb},
      // The page covers the range: only the arrows answer.
      {&full, 5, kPartLineUp},   {&full, 50, kPartNone},     {&full, 90, kPartLineDown},
      {&cramped, 14, kPartLineUp}, {&cramped, 15, kPartLineDown}, {&cramped, 29, kPartLineDown},
  };
  for (const auto& c : cases) EXPECT_EQ(HitTestBar(*c.thumb, c.at), c.part) << "at " << c.at << " of thumb " << c.thumb->Start;
}

TEST(ScrollBarGeometryTest, ThumbDragStaysOnTheTrackAndSendsPositionsInRange) {
  const ScrollRange from10 = Range(10, 110, 20, 10);
  const ThumbLayout t = LayoutThumb(100, 17, from10);  // thumb 16 long, room 50
  EXPECT_EQ(DraggedThumbStart(t, 10, 5), 17);   // held before the track start
  EXPECT_EQ(DraggedThumbStart(t, 47, 5), 42);
  EXPECT_EQ(DraggedThumbStart(t, 100, 5), 67);  // held past the end
  EXPECT_EQ(PositionOfThumb(t, 17, from10), 10);
  EXPECT_EQ(PositionOfThumb(t, 42, from10), 51);  // 10 + 25 * 81 / 50, rounded
  EXPECT_EQ(PositionOfThumb(t, 67, from10), 91);  // Max - Page + 1: the last page ends at Max
  EXPECT_EQ(PositionOfThumb(t, 500, from10), 91);

  // Without a page the last position is Max itself, not one past it.
  const ScrollRange noPage = Range(0, 100, 0, 0);
  const ThumbLayout n = LayoutThumb(100, 17, noPage);
  EXPECT_EQ(PositionOfThumb(n, DraggedThumbStart(n, 1000, 0), noPage), 100);

  // Nothing to scroll: every thumb start stands for Min, nothing divides by zero.
  for (const ScrollRange& r : {Range(0, 10, 11), Range(5, 5, 0), Range(5, 5, 1), Range(10, 5, 3)}) {
    const ThumbLayout d = LayoutThumb(100, 17, r);
    EXPECT_EQ(PositionOfThumb(d, DraggedThumbStart(d, 60, 0), r), r.Min);
  }
}

TEST(ScrollBarGeometryTest, BarPiecesMeetAtTheThumbCentre) {
  const ThumbLayout t = LayoutThumb(100, 17, Range(0, 10, 8, 0));
  BarPieces p = LayoutBarPieces(t, t.Start);
  EXPECT_EQ(p.TrackSplit, 17 + 24);
  EXPECT_EQ(p.Arrow1End, 17);
  EXPECT_EQ(p.Arrow2Start, 83);
  EXPECT_TRUE(p.ShowThumb);
  EXPECT_EQ(LayoutBarPieces(t, 40).TrackSplit, 64);  // follows a dragged thumb

  p = LayoutBarPieces(LayoutThumb(100, 17, Range(0, 10, 11, 0)), 17);
  EXPECT_FALSE(p.ShowThumb);

  p = LayoutBarPieces(LayoutThumb(31, 17, Range(0, 10, 2, 0)), 0);  // arrows do not fit: halves
  EXPECT_EQ(p.TrackSplit, 15);
  EXPECT_EQ(p.Arrow1End, 15);
  EXPECT_EQ(p.Arrow2Start, 15);
  EXPECT_FALSE(p.ShowThumb);
}

TEST(ScrollBarGeometryTest, EnabledHitCodesAndMessages) {
  EXPECT_FALSE(ScrollBarEnabled(true, 0, Range(0, 10, 2)));
  EXPECT_FALSE(ScrollBarEnabled(false, kBarUpArrowDisabled | kBarDownArrowDisabled, Range(0, 10, 2)));
  EXPECT_TRUE(ScrollBarEnabled(false, kBarUpArrowDisabled, Range(0, 10, 2)));
  EXPECT_TRUE(ScrollBarEnabled(false, 0, Range(0, 0, 0)));
  EXPECT_TRUE(ScrollBarEnabled(false, kBarDisableNoScroll, Range(0, 10, 5)));
  EXPECT_FALSE(ScrollBarEnabled(false, kBarDisableNoScroll, Range(0, 10, 11)));  // page larger than max
  EXPECT_FALSE(ScrollBarEnabled(false, kBarDisableNoScroll, Range(3, 3, 0)));
  EXPECT_FALSE(ScrollBarEnabled(false, kBarDisableNoScroll, Range(-10, 0, 2)));  // max 0

  const ScrollFrame f = LayoutScrollFrame({{120, 80}, {2, 2, 118, 78}, -1, true, true, false, 17, 17});
  const auto hit = [&](TPoint p, bool enabled, bool grip = false) {
    return HitTestScrollFrame(f, {p, enabled, enabled, grip, false});
  };
  EXPECT_EQ(hit({50, 70}, true), kHitHScroll);
  EXPECT_EQ(hit({50, 70}, false), kHitNowhere);  // a disabled bar is nowhere
  EXPECT_EQ(hit({110, 30}, true), kHitVScroll);
  EXPECT_EQ(hit({110, 70}, true, true), kHitBottomRight);
  EXPECT_EQ(hit({110, 70}, true), std::nullopt);
  EXPECT_EQ(hit({50, 30}, true), std::nullopt);  // the client: the window answers
  const ScrollFrame left = LayoutScrollFrame({{120, 80}, {2, 2, 118, 78}, -1, true, true, true, 17, 17});
  EXPECT_EQ(HitTestScrollFrame(left, {{5, 70}, true, true, true, true}), kHitBottomLeft);

  EXPECT_TRUE(CornerIsSizeGrip({302, 262, 319, 279}, {319, 279}, true, false));
  EXPECT_FALSE(CornerIsSizeGrip({302, 262, 319, 279}, {319, 279}, false, false));
  EXPECT_FALSE(CornerIsSizeGrip({302, 200, 319, 217}, {319, 279}, true, false));
  EXPECT_TRUE(CornerIsSizeGrip({0, 262, 17, 279}, {319, 279}, true, true));

  EXPECT_EQ(ScrollMessageParam(kPartLineUp, 5), 0x00050000u);
  EXPECT_EQ(ScrollMessageParam(kCommandThumbTrack, 70000), 0xFFFF0005u);  // the high word holds 16 bits
  EXPECT_EQ(ScrollMessageParam(kCommandEndScroll, -3), 0x00000008u);
}

}  // namespace
