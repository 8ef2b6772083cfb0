#include "skin/paint/PaintGeometry.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

TEST(PaintGeometryTest, StateAndFrameSelectionClamp) {
  struct Case {
    int32_t state, count, section, props, frame;
  } cases[] = {
      {0, 3, 0, 0, 0}, {2, 3, 2, 2, 2}, {2, 1, 0, 0, 0},  // States 1 in state 2 uses Props[0]
      {2, 2, 1, 1, 1},                                   // FrameCount 2 in state 2 uses frame 1
      {5, 6, 5, 2, 5},                                   // more frames than state records
      {-1, 3, 0, 0, 0}, {1, 0, 0, 0, 0},                 // nonsense never yields a negative index
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "state " << c.state << " count " << c.count);
    EXPECT_EQ(SectionState(c.state, c.count), c.section);
    EXPECT_EQ(PropsIndex(c.state, c.count), c.props);
    EXPECT_EQ(MaskFrame(c.state, c.count), c.frame);
  }
}

TEST(PaintGeometryTest, BordersShrinkWithTheOddPixelTakenFromTheFarSide) {
  struct Case {
    int32_t nearW, farW, span, nearOut, farOut;
  } cases[] = {
      {4, 4, 8, 4, 4},    // fits: unchanged
      {4, 4, 5, 3, 2},    // excess 3: 1 from the left, 2 from the right
      {4, 4, 6, 3, 3},    // excess 2: one from each side
      {1, 6, 3, 0, 4},    // the near side stops at 0; the far side gives only its own half
      {4, 4, 0, 0, 0},
  };
  for (const auto& c : cases) {
    int32_t n = c.nearW, f = c.farW;
    ShrinkBorders(n, f, c.span);
    EXPECT_EQ(std::make_pair(n, f), std::make_pair(c.nearOut, c.farOut)) << c.nearW << "/" << c.farW << " in " << c.span;
  }
}

std::vector<std::pair<int32_t, int32_t>> Tiles(int32_t start, int32_t end, int32_t size) {
  std::vector<std::pair<int32_t, int32_t>> out;
  ForEachTile(start, end, size, [&](int32_t p, int32_t n) { out.emplace_back(p, n); });
  return out;
}

TEST(PaintGeometryTest, TilingStopsStrictlyBeforeTheEndAndCutsTheLastPiece) {
  using V = std::vector<std::pair<int32_t, int32_t>>;
  EXPECT_EQ(Tiles(0, 10, 3), (V{{0, 3}, {3, 3}, {6, 3}, {9, 1}}));
  EXPECT_EQ(Tiles(0, 6, 3), (V{{0, 3}, {3, 3}}));  // the second piece is the "last" one
  EXPECT_EQ(Tiles(5, 7, 3), (V{{5, 2}}));
  EXPECT_EQ(Tiles(0, 10, 0), V{});  // a piece size of 0 places nothing
  EXPECT_EQ(Tiles(4, 4, 3), V{});
  EXPECT_EQ(Tiles(0, 25, 10), (V{{0, 10}, {10, 10}, {20, 5}}));
  const TileRun run = TileSpan(0, 6, 3);
  EXPECT_EQ(run.WholeCount, 1);
  EXPECT_EQ(run.RestStart, 3);
}

TEST(PaintGeometryTest, NineSliceCutsFrameAndDestination) {
  NineSliceInput in;
  in.Dest = {10, 20, 40, 35};  // 30 x 15
  in.FrameLeft = 100;
  in.FrameTop = 50;
  in.FrameWidth = 12;
  in.FrameHeight = 9;
  in.BorderL = 3;
  in.BorderT = 2;
  in.BorderR = 4;
  in.BorderB = 1;
  const NineSlice s = LayoutNineSlice(in);
  ASSERT_TRUE(s.Valid);
  EXPECT_EQ(s.CW, 5);
  EXPECT_EQ(s.CH, 6);
  struct Expect {
    BorderPiece piece;
    TRect source, dest;
  } expect[] = {
      {BorderPiece::TopLeft, {100, 50, 103, 52}, {10, 20, 13, 22}},
      {BorderPiece::LeftEdge, {100, 52, 103, 58}, {10, 22, 13, 34}},
      {BorderPiece::TopEdge, {103, 50, 108, 52}, {13, 20, 36, 22}},
      {BorderPiece::BottomLeft, {100, 58, 103, 59}, {10, 34, 13, 35}},
      {BorderPiece::BottomEdge, {103, 58, 108, 59}, {13, 34, 36, 35}},
      {BorderPiece::BottomRight, {108, 58, 112, 59}, {36, 34, 40, 35}},
      {BorderPiece::TopRight, {108, 50, 112, 52}, {36, 20, 40, 22}},
      {BorderPiece::RightEdge, {108, 52, 112, 58}, {36, 22, 40, 34}},
      {BorderPiece::Centre, {103, 52, 108, 58}, {13, 22, 36, 34}},
  };
  for (const auto& e : expect) {
    SCOPED_TRACE(int(e.piece));
    EXPECT_EQ(s.Source[size_t(e.piece)], e.source);
    EXPECT_EQ(s.Dest[size_t(e.piece)], e.dest);
  }
}

TEST(PaintGeometryTest, NineSliceOfANarrowAreaUsesShrunkBordersInTheSourceToo) {
  NineSliceInput in;
  in.Dest = {0, 0, 5, 20};
  in.FrameWidth = 9;
  in.FrameHeight = 9;
  in.BorderL = in.BorderR = in.BorderT = in.BorderB = 4;
  const NineSlice s = LayoutNineSlice(in);
  ASSERT_TRUE(s.Valid);
  EXPECT_EQ(s.WL, 3);
  EXPECT_EQ(s.WR, 2);
  EXPECT_EQ(s.CW, 4);  // the centre of the source grows by what the borders gave up
  EXPECT_EQ(s.Source[size_t(BorderPiece::TopRight)], (TRect{7, 0, 9, 4}));
  EXPECT_EQ(s.Dest[size_t(BorderPiece::TopRight)], (TRect{3, 0, 5, 4}));

  in.FrameWidth = 6;  // borders 4 + 4 do not fit a 6-pixel frame: nothing is painted
  in.Dest = {0, 0, 20, 20};
  EXPECT_FALSE(LayoutNineSlice(in).Valid);
}

TEST(PaintGeometryTest, FramedBackgroundCopiesOnlyTheStripsInsideTheParentFrame) {
  FramedBackgroundInput in;
  in.Picture = {100, 80};
  in.FrameL = 4;
  in.FrameT = 20;
  in.FrameR = 4;
  in.FrameB = 4;
  // An area at the parent's top-left corner, 10 x 30, reaching into the left and top frame.
  in.Dest = {0, 0, 10, 30};
  in.Offset = {2, 15};
  FramedBackground f = LayoutFramedBackground(in);
  EXPECT_EQ(f.Strips[0].Width, 2);
  EXPECT_EQ(f.Strips[0].Height, 30);
  EXPECT_EQ(f.Strips[1].Width, 10);
  EXPECT_EQ(f.Strips[1].Height, 5);
  EXPECT_EQ(f.Strips[2].Width, 0);
  EXPECT_EQ(f.Strips[3].Height, 0);
  EXPECT_EQ(f.Fill, (TRect{2, 5, 10, 30}));

  // An area in the bottom-right corner reaching into the right and bottom frame.
  in.Dest = {5, 5, 15, 15};
  in.Offset = {88, 68};  // ends at 98, 78: 2 pixels into each frame
  f = LayoutFramedBackground(in);
  EXPECT_EQ(f.Strips[0].Width, 0);
  EXPECT_EQ(f.Strips[1].Height, 0);
  EXPECT_EQ(f.Strips[2].Width, 2);
  EXPECT_EQ(f.Strips[2].SourceX, 96);
  EXPECT_EQ(f.Strips[2].DestX, 13);
  EXPECT_EQ(f.Strips[3].Height, 2);
  EXPECT_EQ(f.Strips[3].SourceY, 76);
  EXPECT_EQ(f.Strips[3].DestY, 13);
  EXPECT_EQ(f.Fill, (TRect{5, 5, 13, 13}));
}

std::vector<std::string> ArrowPicture(int32_t direction) {
  std::vector<std::string> rows(9, std::string(9, '.'));
  ForEachArrowPixel({0, 0, 9, 9}, direction, [&](int32_t x, int32_t y) { rows[size_t(y)][size_t(x)] = '#'; });
  return rows;
}

TEST(PaintGeometryTest, ArrowsAreCentredTriangles) {
  using R = std::vector<std::string>;
  EXPECT_EQ(ArrowPicture(kArrowUp), (R{".........", ".........", "....#....", "...###...", "..#####..",
                                       ".#######.", ".........", ".........", "........."}));
  EXPECT_EQ(ArrowPicture(kArrowDown), (R{".........", ".........", ".#######.", "..#####..", "...###...",
                                         "....#....", ".........", ".........", "........."}));
  EXPECT_EQ(ArrowPicture(kArrowLeft), (R{".........", ".........", "......#..", ".....##..", "....###..",
                                         "...####..", "....###..", ".....##..", "......#.."}));
  EXPECT_EQ(ArrowPicture(kArrowRight), (R{".........", ".........", "...#.....", "...##....", "...###...",
                                          "...####..", "...###...", "...##....", "...#....."}));
  EXPECT_EQ(ArrowPicture(4), R(9, "........."));
}

}  // namespace
