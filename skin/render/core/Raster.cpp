#include "skin/render/core/Raster.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "skin/render/core/Blend.h"
#include "skin/render/core/PixelSpans.h"

void CopyPixels(PixelBuffer& dst, TPoint dstPoint, const PixelBuffer& src, const TRect& srcRect) {
  const CopySpan s = ClipBothSides(dst, dstPoint, src, srcRect);
  if (s.Empty()) return;
  // Within one buffer, rows are walked away from the overlap; memmove handles it inside a row.
  const bool upward = &dst == &src && s.DstY > s.SrcY;
  for (int32_t n = 0; n < s.Height; ++n) {
    const int32_t i = upward ? s.Height - 1 - n : n;
    std::memmove(dst.Row(s.DstY + i) + s.DstX, src.Row(s.SrcY + i) + s.SrcX, size_t(s.Width) * 4);
  }
}

namespace {

__extension__ typedef __int128 Wide;  // both compilers of the project have it

// Source positions of a nearest-pixel stretch from a span of m to a span of n,
// start + (2i + 1) * m div 2n for i = first, first + 1, ..., stepped with a
// remainder instead of a division per pixel.
class NearestSteps {
 public:
  NearestSteps(int64_t first, int64_t n, int64_t m, int64_t start) : den_(2 * n) {
    // Sizes reach 2^32, so the first product may need more than 64 bits.
    if (2 * first + 1 <= INT64_MAX / m) {
      const int64_t num = (2 * first + 1) * m;
      position_ = start + num / den_;
      rest_ = num % den_;
    } else {
      const Wide num = (Wide(2) * first + 1) * m;
      position_ = start + int64_t(num / den_);
      rest_ = int64_t(num % den_);
    }
    whole_ = 2 * m / den_;
    part_ = 2 * m % den_;
  }
  int64_t Position() const { return position_; }
  void Next() {
    position_ += whole_;
    rest_ += part_;
    if (rest_ >= den_) {
      rest_ -= den_;
      ++position_;
    }
  }

 private:
  int64_t den_, position_ = 0, rest_ = 0, whole_ = 0, part_ = 0;
};

}  // namespace

void StretchPixels(PixelBuffer& dst, const TRect& dstRect, const PixelBuffer& src, const TRect& srcRect,
                   TColor transparent) {
  const int64_t dw = int64_t(dstRect.Right) - dstRect.Left, dh = int64_t(dstRect.Bottom) - dstRect.Top;
  const int64_t sw = int64_t(srcRect.Right) - srcRect.Left, sh = int64_t(srcRect.Bottom) - srcRect.Top;
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
  const TRect visible = ClipToBuffer(dst, dstRect);
  if (visible.IsEmpty()) return;
  if (&dst == &src) {  // the source must not change under the stretch
    const PixelBuffer copy = src.Clone();
    return StretchPixels(dst, dstRect, copy, srcRect, transparent);
  }
  const bool keyed = transparent != clNone;
  const uint32_t key = ExchangeRedBlue(transparent) & 0x00FFFFFFu;
  const NearestSteps firstColumn(visible.Left - int64_t(dstRect.Left), dw, sw, srcRect.Left);
  const NearestSteps lastColumn(visible.Right - 1 - int64_t(dstRect.Left), dw, sw, srcRect.Left);
  // Positions only grow, so the ends tell whether every column finds its source pixel.
  const bool columnsInside = firstColumn.Position() >= 0 && lastColumn.Position() < src.Width();
  const int32_t width = visible.Width();
  NearestSteps rows(visible.Top - int64_t(dstRect.Top), dh, sh, srcRect.Top);
  int64_t previousSource = -1;
  for (int32_t y = visible.Top; y < visible.Bottom; ++y, rows.Next()) {
    const int64_t sy = rows.Position();
    if (sy < 0 || sy >= src.Height()) continue;
    uint32_t* d = dst.Row(y) + visible.Left;
    // A row made entirely from the same source row as the one above is the same row.
    if (!keyed && columnsInside && sy == previousSource) {
      std::memcpy(d, dst.Row(y - 1) + visible.Left, size_t(width) * 4);
      continue;
    }
    previousSource = sy;
    const uint32_t* s = src.Row(int32_t(sy));
    NearestSteps columns = firstColumn;
    if (!keyed && columnsInside) {
      if (sw == dw) {
        std::memcpy(d, s + columns.Position(), size_t(width) * 4);
        continue;
      }
      if (sw == 1) {
        FillRun(d, width, s[columns.Position()]);
        continue;
      }
      for (int32_t x = 0; x < width; ++x, columns.Next()) d[x] = s[columns.Position()];
      continue;
    }
    for (int32_t x = 0; x < width; ++x, columns.Next()) {
      const int64_t sx = columns.Position();
      if (sx >= 0 && sx < src.Width() && (!keyed || (s[sx] & 0x00FFFFFFu) != key)) d[x] = s[sx];
    }
  }
}

void SolidFill(PixelBuffer& dst, const TRect& rect, TColor rgb) { FillPixels(dst, rect, rgb, 0); }

namespace {

// Keeps the edge products times a 16-bit channel inside 64 bits.
constexpr int32_t kMaxVertexCoordinate = 1 << 20;

// Twice the signed area of (a, b, p), all coordinates doubled so pixel centres are integers.
int64_t Edge(int64_t ax, int64_t ay, int64_t bx, int64_t by, int64_t px, int64_t py) {
  return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
}

// Top-left rule for a clockwise-on-screen (positive area, y down) triangle:
// a centre exactly on an edge belongs to it when the edge is a top or a left edge.
bool OwnsEdge(int64_t ax, int64_t ay, int64_t bx, int64_t by) {
  const int64_t dx = bx - ax, dy = by - ay;
  return dy < 0 || (dy == 0 && dx > 0);
}

}  // namespace

void FillGradientTriangle(PixelBuffer& dst, const GradientVertex& a, const GradientVertex& b,
                          const GradientVertex& c) {
  const GradientVertex* v[3] = {&a, &b, &c};
  int64_t x[3], y[3];
  for (int i = 0; i < 3; ++i) {
    if (v[i]->X < -kMaxVertexCoordinate || v[i]->X > kMaxVertexCoordinate || v[i]->Y < -kMaxVertexCoordinate ||
        v[i]->Y > kMaxVertexCoordinate)
      return;
    x[i] = 2 * int64_t(v[i]->X), y[i] = 2 * int64_t(v[i]->Y);
  }
  int64_t area = Edge(x[0], y[0], x[1], y[1], x[2], y[2]);
  if (area == 0) return;
  if (area < 0) {  // one orientation keeps the edge tests simple
    std::swap(x[1], x[2]);
    std::swap(y[1], y[2]);
    std::swap(v[1], v[2]);
    area = -area;
  }
  const int64_t left = std::max<int64_t>(0, std::min({x[0], x[1], x[2]}) / 2 - 1);
  const int64_t right = std::min<int64_t>(dst.Width(), std::max({x[0], x[1], x[2]}) / 2 + 1);
  const int64_t top = std::max<int64_t>(0, std::min({y[0], y[1], y[2]}) / 2 - 1);
  const int64_t bottom = std::min<int64_t>(dst.Height(), std::max({y[0], y[1], y[2]}) / 2 + 1);
  const bool owns[3] = {OwnsEdge(x[1], y[1], x[2], y[2]), OwnsEdge(x[2], y[2], x[0], y[0]),
                        OwnsEdge(x[0], y[0], x[1], y[1])};
  auto channel = [&](const int64_t* w, uint16_t GradientVertex::*field) {
    const int64_t sum = w[0] * (v[0]->*field) + w[1] * (v[1]->*field) + w[2] * (v[2]->*field);
    return uint32_t(sum / area) >> 8;
  };
  for (int64_t py = top; py < bottom; ++py) {
    uint32_t* row = dst.Row(int32_t(py));
    for (int64_t px = left; px < right; ++px) {
      const int64_t cx = 2 * px + 1, cy = 2 * py + 1;
      // w[i] is the weight of vertex i: the area opposite to it.
      const int64_t w[3] = {Edge(x[1], y[1], x[2], y[2], cx, cy), Edge(x[2], y[2], x[0], y[0], cx, cy),
                            Edge(x[0], y[0], x[1], y[1], cx, cy)};
      bool inside = true;
      for (int i = 0; i < 3; ++i) inside = inside && (w[i] > 0 || (w[i] == 0 && owns[i]));
      if (!inside) continue;
      row[px] = channel(w, &GradientVertex::Alpha) << 24 | channel(w, &GradientVertex::Red) << 16 |
                channel(w, &GradientVertex::Green) << 8 | channel(w, &GradientVertex::Blue);
    }
  }
}
