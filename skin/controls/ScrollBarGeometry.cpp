#include "skin/controls/ScrollBarGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace {

// a * b / c rounded to the nearest, halves away from zero, in 64 bits so
// that scroll ranges near the int32 limits do not overflow; c must not be 0.
int64_t MulDivRound(int64_t a, int64_t b, int64_t c) {
  const int64_t p = a * b;
  const bool negative = (p < 0) != (c < 0);
  const int64_t q = (std::abs(p) + std::abs(c) / 2) / std::abs(c);
  return negative ? -q : q;
}

// Positions a page fits in: Min .. Max - max(1, Page) + 1. Zero or less
// means there is nothing to scroll (the page covers the range, or Max <= Min).
int64_t ScrollSpan(const ScrollRange& r) {
  return int64_t(r.Max) - r.Min - std::max(1, r.Page) + 1;
}

}  // namespace

int32_t ScrollBarThickness(int32_t bindingWidth, int32_t managerSize, int32_t systemWidth) {
  if (bindingWidth >= 0) return bindingWidth;
  if (managerSize >= 0) return managerSize;
  return std::max(systemWidth, 0);
}

int32_t ScrollArrowLength(int32_t bindingSize, int32_t managerSize, int32_t barOverride, int32_t thickness) {
  if (bindingSize >= 0) return bindingSize;
  if (managerSize >= 0) return managerSize;
  if (barOverride >= 0) return barOverride;
  return thickness;
}

int32_t SectionFrameOffset(bool hasBorderMask, bool editSection, bool maskBordersAllOne) {
  if (!hasBorderMask) return -2;
  if (editSection && maskBordersAllOne) return -1;
  return 0;
}

ScrollFrame LayoutScrollFrame(const ScrollFrameInput& in) {
  ScrollFrame f;
  TRect c = in.Client;
  // The skin's own border is thinner than the system's: give the difference back to the client.
  if (in.FrameOffset < 0 && c.Left > 1) c = {c.Left + in.FrameOffset, c.Top + in.FrameOffset,
                                             c.Right - in.FrameOffset, c.Bottom - in.FrameOffset};
  f.BorderL = c.Left;
  f.BorderT = c.Top;
  f.BorderR = in.Window.cx - c.Right;
  f.BorderB = in.Window.cy - c.Bottom;
  const int32_t th = std::max(in.HorzThickness, 0), tv = std::max(in.VertThickness, 0);
  f.HorzVisible = in.HasHorz && c.Height() >= th;
  if (f.HorzVisible) c.Bottom -= th;
  f.VertVisible = in.HasVert && c.Width() >= tv;
  if (f.VertVisible) {
    if (in.LeftScrollBar) c.Left += tv;
    else c.Right -= tv;
  }
  f.Client = c;

  const int32_t innerLeft = f.BorderL, innerRight = in.Window.cx - f.BorderR;
  const int32_t innerBottom = in.Window.cy - f.BorderB;
  if (f.HorzVisible) {
    f.HorzBar = {innerLeft, innerBottom - th, innerRight, innerBottom};
    if (f.VertVisible) {
      if (in.LeftScrollBar) f.HorzBar.Left += tv;
      else f.HorzBar.Right -= tv;
    }
  }
  if (f.VertVisible) {
    const int32_t bottom = innerBottom - (f.HorzVisible ? th : 0);
    f.VertBar = in.LeftScrollBar ? TRect{innerLeft, f.BorderT, innerLeft + tv, bottom}
                                 : TRect{innerRight - tv, f.BorderT, innerRight, bottom};
  }
  if (f.HorzVisible && f.VertVisible) f.Corner = {f.VertBar.Left, f.HorzBar.Top, f.VertBar.Right, f.HorzBar.Bottom};
  return f;
}

ThumbLayout LayoutThumb(int32_t barLength, int32_t arrowLength, const ScrollRange& range) {
  ThumbLayout t;
  t.BarLength = std::max(barLength, 0);
  const int32_t arrow = std::max(arrowLength, 0);
  t.ArrowsFit = 2 * int64_t(arrow) <= t.BarLength;
  t.ArrowLength = t.ArrowsFit ? arrow : t.BarLength / 2;
  t.TrackStart = t.Start = t.ArrowLength;
  t.TrackLength = t.ArrowsFit ? t.BarLength - 2 * arrow : 0;
  if (t.TrackLength == 0) return t;

  const int64_t rangeSize = int64_t(range.Max) - range.Min + 1;
  int64_t length;
  if (range.Page == 0) length = arrow;
  else if (rangeSize <= 0) length = t.TrackLength;  // an empty or inverted range: nothing to scroll
  else length = MulDivRound(range.Page, t.TrackLength, rangeSize);
  length = std::max<int64_t>(length, arrow == 0 ? kArrowlessMinThumb : kMinThumbLength);
  t.Length = int32_t(std::min<int64_t>(length, t.TrackLength));
  t.HasRoom = length < t.TrackLength;

  // A page that covers the range, or Max equal to Min, leaves no span to
  // divide by: the thumb then stays at the track start.
  const int64_t room = t.TrackLength - t.Length;
  const int64_t span = ScrollSpan(range);
  int64_t offset = 0;
  if (room > 0 && span > 0) offset = std::clamp<int64_t>(MulDivRound(int64_t(range.Pos) - range.Min, room, span), 0, room);
  t.Start = t.TrackStart + int32_t(offset);
  return t;
}

int32_t HitTestBar(const ThumbLayout& t, int32_t at) {
  if (at < 0 || at >= t.BarLength) return kPartNone;
  if (at < t.ArrowLength) return kPartLineUp;
  if (at >= t.BarLength - t.ArrowLength) return kPartLineDown;
  if (!t.HasRoom) return kPartNone;
  if (at < t.Start) return kPartPageUp;
  if (at < t.Start + t.Length) return kPartThumb;
  return kPartPageDown;
}

int32_t DraggedThumbStart(const ThumbLayout& t, int32_t cursor, int32_t grabOffset) {
  const int64_t last = int64_t(t.TrackStart) + std::max(0, t.TrackLength - t.Length);
  return int32_t(std::clamp<int64_t>(int64_t(cursor) - grabOffset, t.TrackStart, last));
}

int32_t PositionOfThumb(const ThumbLayout& t, int32_t thumbStart, const ScrollRange& range) {
  const int64_t room = t.TrackLength - t.Length;
  const int64_t span = ScrollSpan(range);
  if (room <= 0 || span <= 0) return range.Min;
  const int64_t moved = std::clamp<int64_t>(int64_t(thumbStart) - t.TrackStart, 0, room);
  // The thumb at the track end stands for the last position at which a page still fits.
  return int32_t(range.Min + MulDivRound(moved, span, room));  // at most Min + span, within Max
}

BarPieces LayoutBarPieces(const ThumbLayout& t, int32_t thumbStart) {
  BarPieces p;
  if (!t.ArrowsFit) {
    p.TrackSplit = p.Arrow1End = p.Arrow2Start = t.BarLength / 2;
    return p;
  }
  p.TrackSplit = thumbStart + t.Length / 2;
  p.Arrow1End = t.ArrowLength;
  p.Arrow2Start = t.BarLength - t.ArrowLength;
  p.ShowThumb = t.HasRoom;
  return p;
}

bool ScrollBarEnabled(bool unavailable, uint32_t flags, const ScrollRange& r) {
  if (unavailable) return false;
  const uint32_t bothArrows = kBarUpArrowDisabled | kBarDownArrowDisabled;
  if ((flags & bothArrows) == bothArrows) return false;
  if (flags & kBarDisableNoScroll) return r.Max >= r.Page && r.Min < r.Max && r.Max != 0;
  return true;
}

namespace {
bool Contains(const TRect& r, TPoint p) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; }
}  // namespace

std::optional<int32_t> HitTestScrollFrame(const ScrollFrame& f, const ScrollHitInput& in) {
  if (f.HorzVisible && Contains(f.HorzBar, in.Point)) return in.HorzEnabled ? kHitHScroll : kHitNowhere;
  if (f.VertVisible && Contains(f.VertBar, in.Point)) return in.VertEnabled ? kHitVScroll : kHitNowhere;
  if (in.CornerIsGrip && !f.Corner.IsEmpty() && Contains(f.Corner, in.Point))
    return in.LeftScrollBar ? kHitBottomLeft : kHitBottomRight;
  return std::nullopt;
}

bool CornerIsSizeGrip(const TRect& corner, TSize parentClient, bool parentTopLevel, bool leftScrollBar) {
  if (!parentTopLevel || corner.IsEmpty()) return false;
  const bool side = leftScrollBar ? corner.Left <= 0 : corner.Right >= parentClient.cx;
  return side && corner.Bottom >= parentClient.cy;
}

uint32_t ScrollMessageParam(int32_t command, int32_t position) {
  return (uint32_t(std::clamp(position, 0, 0xFFFF)) << 16) | (uint32_t(command) & 0xFFFFu);
}
