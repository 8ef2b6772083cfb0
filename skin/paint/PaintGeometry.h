#pragma once
// Geometry of skin painting, apart from pixels: which state and frame a
// painter uses, how a nine-slice border is cut and laid out, where tiles go,
// which strips of a framed parent are copied, and the pixels of the small
// arrow. Everything here is a pure function of sizes and skin values.
#include <array>
#include <cstdint>

#include "skin/render/core/Geometry.h"

// Section state: min(state, states - 1), never below 0.
int32_t SectionState(int32_t state, int32_t states);
// Index into a section's three state records: min(SectionState, 2).
int32_t PropsIndex(int32_t state, int32_t states);
// Mask frame: min(state, frameCount - 1), never below 0.
int32_t MaskFrame(int32_t state, int32_t frameCount);

// Shrinks two opposite border widths so that they fit a span: the excess is
// taken half from each side, the far side (right or bottom) giving up the odd pixel.
void ShrinkBorders(int32_t& nearWidth, int32_t& farWidth, int32_t span);

// Tiling along one direction: whole pieces from start while the position is
// less than end - size (strictly), then one piece cut to what remains.
struct TileRun {
  int32_t WholeCount = 0;  // whole pieces at start, start + size, ...
  int32_t RestStart = 0;   // start of the cut piece (start + WholeCount * size)
  int32_t RestLength = 0;  // its length; 0 when the whole pieces reach end
};
// A size of 0 or below places nothing.
TileRun TileSpan(int32_t start, int32_t end, int32_t size);

// Calls fn(position, length) for every piece of TileSpan.
template <typename Fn>
void ForEachTile(int32_t start, int32_t end, int32_t size, Fn&& fn) {
  const TileRun run = TileSpan(start, end, size);
  for (int32_t i = 0; i < run.WholeCount; ++i) fn(start + i * size, size);
  if (run.RestLength > 0) fn(run.RestStart, run.RestLength);
}

// The pieces of ForEachTile that meet [low, high), found without visiting the
// others, so that a huge area over a small target costs only what is visible.
template <typename Fn>
void ForEachTileIn(int32_t start, int32_t end, int32_t size, int32_t low, int32_t high, Fn&& fn) {
  const TileRun run = TileSpan(start, end, size);
  if (size <= 0) return;
  const int64_t first = low > start ? (int64_t(low) - start) / size : 0;
  for (int64_t i = first; i < run.WholeCount; ++i) {
    const int64_t pos = start + i * size;
    if (pos >= high) return;
    fn(int32_t(pos), size);
  }
  if (run.RestLength > 0 && run.RestStart < high && int64_t(run.RestStart) + run.RestLength > low)
    fn(run.RestStart, run.RestLength);
}

// The nine pieces of a border mask, in painting order.
enum class BorderPiece : int {
  TopLeft,
  LeftEdge,
  TopEdge,
  BottomLeft,
  BottomEdge,
  BottomRight,
  TopRight,
  RightEdge,
  Centre,
};
constexpr int kBorderPieceCount = 9;

// Layout of a border mask over a rectangle:
//
//   +----+------------+----+
//   | TL |  top edge  | TR |  wt
//   +----+------------+----+
//   |left|   centre   |rght|  ch in the source, stretched or tiled over the rest
//   +----+------------+----+
//   | BL | bottom edge| BR |  wb
//   +----+------------+----+
//     wl       cw       wr
struct NineSlice {
  bool Valid = false;  // false when the frame is too small for its borders
  int32_t WL = 0, WT = 0, WR = 0, WB = 0;  // border widths after shrinking
  int32_t CW = 0, CH = 0;                  // centre piece size in the source
  // Source piece (in the mask's image) and destination area of each piece;
  // corners have equal sizes, edges and the centre span their whole area.
  std::array<TRect, kBorderPieceCount> Source{};
  std::array<TRect, kBorderPieceCount> Dest{};
};

struct NineSliceInput {
  TRect Dest;                  // where the mask is painted
  int32_t FrameLeft = 0;       // source position of the chosen frame
  int32_t FrameTop = 0;
  int32_t FrameWidth = 0;      // size of one frame
  int32_t FrameHeight = 0;
  int32_t BorderL = 0, BorderT = 0, BorderR = 0, BorderB = 0;
};

NineSlice LayoutNineSlice(const NineSliceInput& in);

// A copy of a strip of the parent's picture: from (SourceX, SourceY) in it,
// Width x Height, to (DestX, DestY) in the target.
struct StripCopy {
  int32_t SourceX = 0, SourceY = 0;
  int32_t DestX = 0, DestY = 0;
  int32_t Width = 0, Height = 0;
};

// The background of a plain-colour parent whose border frame lies in its
// picture: up to four strips copied from the picture and the inside filled.
struct FramedBackground {
  std::array<StripCopy, 4> Strips{};  // left, top, right, bottom; empty when 0 wide
  TRect Fill;                         // filled with the parent's colour
};

struct FramedBackgroundInput {
  TRect Dest;                 // area of the target being painted
  TPoint Offset;              // position of Dest in the area the background describes
  TPoint Origin;              // OriginX, OriginY of the background
  TSize Picture;              // size of the parent's picture
  int32_t FrameL = 0, FrameT = 0, FrameR = 0, FrameB = 0;  // the parent's border widths
};

FramedBackground LayoutFramedBackground(const FramedBackgroundInput& in);

// Arrow directions of DrawArrow.
constexpr int32_t kArrowLeft = 0;
constexpr int32_t kArrowUp = 1;
constexpr int32_t kArrowRight = 2;
constexpr int32_t kArrowDown = 3;

// Calls fn(x, y) for every pixel of the small arrow (7 across, 4 deep)
// centred in rect; any other direction gives no pixel.
template <typename Fn>
void ForEachArrowPixel(const TRect& rect, int32_t direction, Fn&& fn) {
  const int32_t w = rect.Width();
  const int32_t h = rect.Height();
  if (direction == kArrowUp || direction == kArrowDown) {
    const int32_t x0 = rect.Left + (w - 5) / 2 - 1;
    const int32_t y0 = rect.Top + (h - 3) / 2 - 1;
    for (int32_t k = 0; k <= 3; ++k) {
      const int32_t half = direction == kArrowUp ? k : 3 - k;  // tip at the top for up
      for (int32_t x = x0 + 3 - half; x <= x0 + 3 + half; ++x) fn(x, y0 + k);
    }
  } else if (direction == kArrowLeft || direction == kArrowRight) {
    const int32_t x0 = rect.Left + (w - 3) / 2;
    const int32_t y0 = rect.Top + (h - 5) / 2;
    for (int32_t k = 0; k <= 3; ++k) {
      const int32_t half = direction == kArrowLeft ? k : 3 - k;  // tip at the left for left
      for (int32_t y = y0 + 3 - half; y <= y0 + 3 + half; ++y) fn(x0 + k, y);
    }
  }
}
