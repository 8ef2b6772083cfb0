#include "skin/paint/PaintGeometry.h"

#include <algorithm>

int32_t SectionState(int32_t state, int32_t states) { return std::max(0, std::min(state, states - 1)); }

int32_t PropsIndex(int32_t state, int32_t states) { return std::min(SectionState(state, states), 2); }

int32_t MaskFrame(int32_t state, int32_t frameCount) { return std::max(0, std::min(state, frameCount - 1)); }

void ShrinkBorders(int32_t& nearWidth, int32_t& farWidth, int32_t span) {
  const int64_t excess = int64_t(nearWidth) + farWidth - span;
  if (excess <= 0) return;
  const int64_t half = excess / 2;
  nearWidth = int32_t(std::max<int64_t>(0, nearWidth - half));
  farWidth = int32_t(std::max<int64_t>(0, farWidth - half - excess % 2));
}

TileRun TileSpan(int32_t start, int32_t end, int32_t size) {
  TileRun run{0, start, 0};
  if (size <= 0 || end <= start) return run;
  // Positions start + i * size with position < end - size: i < (length - size) / size.
  const int64_t room = int64_t(end) - start - size;
  const int64_t whole = room > 0 ? (room + size - 1) / size : 0;
  run.WholeCount = int32_t(whole);
  run.RestStart = int32_t(start + whole * size);
  run.RestLength = std::max(0, end - run.RestStart);
  return run;
}

NineSlice LayoutNineSlice(const NineSliceInput& in) {
  NineSlice s;
  const TRect& r = in.Dest;
  s.WL = in.BorderL;
  s.WR = in.BorderR;
  s.WT = in.BorderT;
  s.WB = in.BorderB;
  ShrinkBorders(s.WL, s.WR, r.Width());
  ShrinkBorders(s.WT, s.WB, r.Height());
  s.CW = in.FrameWidth - s.WL - s.WR;
  s.CH = in.FrameHeight - s.WT - s.WB;
  s.Valid = s.CW >= 0 && s.CH >= 0;
  if (!s.Valid) return s;

  const int32_t sx = in.FrameLeft, sy = in.FrameTop;
  const int32_t right = sx + s.WL + s.CW;        // source column of the right pieces
  const int32_t bottom = sy + in.FrameHeight - s.WB;  // source row of the bottom pieces
  auto set = [&](BorderPiece p, TRect src, TRect dst) {
    s.Source[size_t(p)] = src;
    s.Dest[size_t(p)] = dst;
  };
  const int32_t innerL = r.Left + s.WL, innerT = r.Top + s.WT;
  const int32_t innerR = r.Right - s.WR, innerB = r.Bottom - s.WB;
  set(BorderPiece::TopLeft, MakeRect(sx, sy, s.WL, s.WT), MakeRect(r.Left, r.Top, s.WL, s.WT));
  set(BorderPiece::LeftEdge, MakeRect(sx, sy + s.WT, s.WL, s.CH), {r.Left, innerT, innerL, innerB});
  set(BorderPiece::TopEdge, MakeRect(sx + s.WL, sy, s.CW, s.WT), {innerL, r.Top, innerR, innerT});
  set(BorderPiece::BottomLeft, MakeRect(sx, bottom, s.WL, s.WB), MakeRect(r.Left, innerB, s.WL, s.WB));
  set(BorderPiece::BottomEdge, MakeRect(sx + s.WL, bottom, s.CW, s.WB), {innerL, innerB, innerR, r.Bottom});
  set(BorderPiece::BottomRight, MakeRect(right, bottom, s.WR, s.WB), MakeRect(innerR, innerB, s.WR, s.WB));
  set(BorderPiece::TopRight, MakeRect(right, sy, s.WR, s.WT), MakeRect(innerR, r.Top, s.WR, s.WT));
  set(BorderPiece::RightEdge, MakeRect(right, sy + s.WT, s.WR, s.CH), {innerR, innerT, r.Right, innerB});
  set(BorderPiece::Centre, MakeRect(sx + s.WL, sy + s.WT, s.CW, s.CH), {innerL, innerT, innerR, innerB});
  return s;
}

FramedBackground LayoutFramedBackground(const FramedBackgroundInput& in) {
  FramedBackground f;
  const TRect& r = in.Dest;
  const int32_t ox = in.Offset.X, oy = in.Offset.Y;
  const int32_t cx = r.Width(), cy = r.Height();
  const int32_t w = in.Picture.cx, h = in.Picture.cy;
  // Strips never reach beyond the painted area.
  const int32_t wl = (in.FrameL - in.Origin.X > 0 && ox < in.FrameL) ? std::min(in.FrameL - ox, cx) : 0;
  const int32_t wt = (in.FrameT - in.Origin.Y > 0 && oy < in.FrameT) ? std::min(in.FrameT - oy, cy) : 0;
  const int32_t wr = (in.FrameR > 0 && w - in.FrameR < ox + cx && ox + cx < w)
                         ? std::min((ox + cx) - (w - in.FrameR), cx) : 0;
  const int32_t wb = (in.FrameB > 0 && h - in.FrameB < oy + cy && oy + cy < h)
                         ? std::min((oy + cy) - (h - in.FrameB), cy) : 0;
  const int32_t px = in.Origin.X + ox, py = in.Origin.Y + oy;
  f.Strips[0] = {px, py, r.Left, r.Top, wl, cy};
  f.Strips[1] = {px, py, r.Left, r.Top, cx, wt};
  f.Strips[2] = {w - in.FrameR + in.Origin.X, py, r.Right - wr, r.Top, wr, cy};
  f.Strips[3] = {px, h - in.FrameB + in.Origin.Y, r.Left, r.Bottom - wb, cx, wb};
  f.Fill = {r.Left + wl, r.Top + wt, r.Right - wr, r.Bottom - wb};
  return f;
}
