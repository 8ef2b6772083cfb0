#pragma once
// Geometry of the skinned scroll bars drawn in a window's non-client area:
// thickness and arrow length, the frame with its bars and corner, the thumb,
// hit codes and the arithmetic of a thumb drag. Pure functions of sizes and
// scroll information; the window glue gathers those and applies the results.
//
//   horizontal bar, window coordinates:
//   +----+------------------------------------+----+
//   | <  |  track before |thumb| track after  |  > |   thickness high
//   +----+------------------------------------+----+
//    arrow               ^ offset from the track start
#include <cstdint>
#include <optional>

#include "skin/render/core/Geometry.h"

// Bar parts, numbered as the scroll commands they send.
constexpr int32_t kPartNone = -1;
constexpr int32_t kPartLineUp = 0;    // up or left arrow
constexpr int32_t kPartLineDown = 1;  // down or right arrow
constexpr int32_t kPartPageUp = 2;    // track before the thumb
constexpr int32_t kPartPageDown = 3;  // track after the thumb
constexpr int32_t kPartThumb = 5;
// The other scroll commands the tracking sends.
constexpr int32_t kCommandThumbTrack = 5;
constexpr int32_t kCommandThumbPosition = 4;
constexpr int32_t kCommandEndScroll = 8;

// Non-client hit codes the bars answer.
constexpr int32_t kHitNowhere = 0;
constexpr int32_t kHitHScroll = 6;
constexpr int32_t kHitVScroll = 7;
constexpr int32_t kHitBottomLeft = 16;
constexpr int32_t kHitBottomRight = 17;

constexpr int32_t kMinThumbLength = 16;       // pixels, both bars of every window
constexpr int32_t kArrowlessMinThumb = 19;    // pixels, a bar drawn without arrows

// Bar flags.
constexpr uint32_t kBarUpArrowDisabled = 1;
constexpr uint32_t kBarDownArrowDisabled = 2;
constexpr uint32_t kBarDisableNoScroll = 4;  // disabled when there is nothing to scroll
constexpr uint32_t kBarStyle = 8;            // the window style has this bar

// A window's scroll range, page and positions.
struct ScrollRange {
  int32_t Min = 0;
  int32_t Max = 0;
  int32_t Page = 0;
  int32_t Pos = 0;
  int32_t TrackPos = 0;
};

// Sizes below 0 mean "not set"; the first one set wins.
int32_t ScrollBarThickness(int32_t bindingWidth, int32_t managerSize, int32_t systemWidth);
int32_t ScrollArrowLength(int32_t bindingSize, int32_t managerSize, int32_t barOverride, int32_t thickness);

// How far the skin's frame moves the client edge out: -2 for a section
// without a border mask, -1 for an edit section whose mask borders are all
// one pixel, else 0.
int32_t SectionFrameOffset(bool hasBorderMask, bool editSection, bool maskBordersAllOne);

struct ScrollFrameInput {
  TSize Window;             // window size
  TRect Client;             // client rectangle the window worked out without bars, window coordinates
  int32_t FrameOffset = 0;  // SectionFrameOffset, 0 for form frames
  bool HasHorz = false;     // style bits
  bool HasVert = false;
  bool LeftScrollBar = false;
  int32_t HorzThickness = 0;  // the horizontal bar's height
  int32_t VertThickness = 0;  // the vertical bar's width
};

struct ScrollFrame {
  TRect Client;  // client rectangle after the frame offset and the bars
  int32_t BorderL = 0, BorderT = 0, BorderR = 0, BorderB = 0;
  bool HorzVisible = false;
  bool VertVisible = false;
  TRect HorzBar, VertBar;  // window coordinates; empty when hidden
  TRect Corner;            // between two visible bars, else empty
};

ScrollFrame LayoutScrollFrame(const ScrollFrameInput& in);

// The thumb of a bar, along the bar, from the bar's start.
struct ThumbLayout {
  int32_t BarLength = 0;
  bool ArrowsFit = false;    // two arrows fit the bar
  int32_t ArrowLength = 0;   // each arrow's extent: half the bar when two do not fit
  int32_t TrackStart = 0;    // the arrow length
  int32_t TrackLength = 0;   // bar minus two arrows; 0 when they fill it or do not fit
  int32_t Start = 0;         // thumb start
  int32_t Length = 0;        // thumb length, at most the track
  bool HasRoom = false;      // the thumb is shorter than the track: track parts and thumb exist
};

ThumbLayout LayoutThumb(int32_t barLength, int32_t arrowLength, const ScrollRange& range);

// The part at a distance along the bar (kPartNone outside it).
int32_t HitTestBar(const ThumbLayout& thumb, int32_t at);

// The thumb start while it is dragged: cursor minus grab offset, kept on the track.
int32_t DraggedThumbStart(const ThumbLayout& thumb, int32_t cursor, int32_t grabOffset);
// The position a dragged thumb start stands for, from Min to the last
// position at which a page still fits.
int32_t PositionOfThumb(const ThumbLayout& thumb, int32_t thumbStart, const ScrollRange& range);

// The pieces a bar is drawn from, along the bar: the two track sections meet
// at the thumb's centre; without room for two arrows each piece takes half.
struct BarPieces {
  int32_t TrackSplit = 0;  // first track section [0, split), second [split, bar)
  int32_t Arrow1End = 0;   // [0, Arrow1End)
  int32_t Arrow2Start = 0; // [Arrow2Start, bar)
  bool ShowThumb = false;  // thumb [thumbStart, thumbStart + Length)
};
BarPieces LayoutBarPieces(const ThumbLayout& thumb, int32_t thumbStart);

// Whether a bar can be used: not unavailable, not both arrows disabled and,
// with kBarDisableNoScroll, something to scroll.
bool ScrollBarEnabled(bool unavailable, uint32_t flags, const ScrollRange& range);

struct ScrollHitInput {
  TPoint Point;  // window coordinates
  bool HorzEnabled = false;
  bool VertEnabled = false;
  bool CornerIsGrip = false;
  bool LeftScrollBar = false;
};
// The hit code of a point on the bars or their corner; nothing for points
// the window answers itself.
std::optional<int32_t> HitTestScrollFrame(const ScrollFrame& frame, const ScrollHitInput& in);

// A corner is a size grip when the parent is a top-level window and the
// corner reaches the bottom and the right (left for left bars) of its client.
bool CornerIsSizeGrip(const TRect& cornerInParent, TSize parentClient, bool parentTopLevel, bool leftScrollBar);

// The first parameter of a scroll message: command in the low word, the
// position (0..0xFFFF) in the high word.
uint32_t ScrollMessageParam(int32_t command, int32_t position);
