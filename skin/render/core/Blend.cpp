#include "skin/render/core/Blend.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "skin/render/core/PixelSpans.h"

namespace {

constexpr uint32_t kAlphaMask = 0xFF000000u;

uint8_t ClampByte(double v) { return uint8_t(std::clamp(v, 0.0, 255.0)); }

// Key colours are compared as pixels: ExchangeRedBlue(key) with alpha 0.
constexpr uint32_t KeyPixel(TColor key) { return ExchangeRedBlue(key) & 0x00FFFFFFu; }

}  // namespace

void FillPixels(PixelBuffer& buffer, const TRect& rect, TColor rgb, uint8_t alpha) {
  const TRect r = ClipToBuffer(buffer, rect);
  if (r.IsEmpty()) return;
  const uint32_t value = (ExchangeRedBlue(rgb) & 0x00FFFFFFu) | (uint32_t(alpha) << 24);
  FillRect(buffer, r, value);
}

TColor LerpColor(TColor a, TColor b, double w) {
  TColor out = a & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const double ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
    out |= TColor(ClampByte(std::trunc(ca * w + (1 - w) * cb))) << shift;
  }
  return out;
}

void FadeToColor(PixelBuffer& buffer, const TRect& rect, int percent, TColor color, uint32_t skip) {
  const TRect r = ClipToBuffer(buffer, rect);
  if (r.IsEmpty()) return;
  const uint32_t target = ExchangeRedBlue(ResolveColor(color));
  const double keep = percent / 100.0;
  const bool keyed = skip != clNone;
  // The colour is fixed, so each channel is a function of its byte alone.
  std::array<std::array<uint32_t, 256>, 3> table;
  for (int c = 0; c < 3; ++c) {
    const double k = (target >> (8 * c)) & 0xFF;
    for (int v = 0; v < 256; ++v) table[c][v] = uint32_t(ClampByte(std::nearbyint(v * keep + k * (1 - keep)))) << (8 * c);
  }
  for (int32_t y = r.Top; y < r.Bottom; ++y) {
    uint32_t* row = buffer.Row(y);
    for (int32_t x = r.Left; x < r.Right; ++x) {
      const uint32_t p = row[x];
      if (keyed && p == skip) continue;
      row[x] = (p & kAlphaMask) | table[0][p & 0xFF] | table[1][(p >> 8) & 0xFF] | table[2][(p >> 16) & 0xFF];
    }
  }
}

void AssignAlpha(PixelBuffer& buffer, const TRect& rect, uint8_t alpha, uint32_t key) {
  // Clipped all the same: a rectangle past the buffer must not write outside it.
  const TRect r = ClipToBuffer(buffer, rect);
  const uint32_t a = uint32_t(alpha) << 24;
  for (int32_t y = r.Top; y < r.Bottom; ++y) {
    uint32_t* row = buffer.Row(y);
    for (int32_t x = r.Left; x < r.Right; ++x)
      if (key == clNone || row[x] != key) row[x] = (row[x] & 0x00FFFFFFu) | a;
  }
}

void PremultiplyAlpha(PixelBuffer& buffer, const TRect& rect) {
  const TRect r = ClipToBuffer(buffer, rect);
  for (int32_t y = r.Top; y < r.Bottom; ++y) {
    uint32_t* row = buffer.Row(y);
    for (int32_t x = r.Left; x < r.Right; ++x) {
      const uint32_t p = row[x], a = p >> 24;
      if (p == 0x00FFFFFFu) {
        row[x] = 0;
        continue;
      }
      row[x] = (p & kAlphaMask) | ((((p >> 16) & 0xFF) * a >> 8) << 16) | ((((p >> 8) & 0xFF) * a >> 8) << 8) |
               ((p & 0xFF) * a >> 8);
    }
  }
}

void PremultiplyAlpha(PixelBuffer& buffer) { PremultiplyAlpha(buffer, buffer.Bounds()); }

void ClearTransparentWhite(PixelBuffer& buffer) {
  for (int32_t y = 0; y < buffer.Height(); ++y) {
    uint32_t* row = buffer.Row(y);
    std::replace(row, row + buffer.Width(), uint32_t(0x00FFFFFF), uint32_t(0));
  }
}

void ComposeOver(PixelBuffer& dst, const PixelBuffer& src, TPoint at) {
  const int32_t left = std::max(0, -at.X), top = std::max(0, -at.Y);
  const int32_t right = std::min(src.Width(), dst.Width() - at.X), bottom = std::min(src.Height(), dst.Height() - at.Y);
  for (int32_t y = top; y < bottom; ++y) {
    const uint32_t* s = src.Row(y);
    uint32_t* d = dst.Row(at.Y + y);
    for (int32_t x = left; x < right; ++x) d[at.X + x] = OverPixel(d[at.X + x], s[x]);
  }
}

void BlendBuffers(PixelBuffer& dst, const PixelBuffer& src, int k, TPoint dstPoint, const TRect& srcRect) {
  const CopySpan s = ClipBothSides(dst, dstPoint, src, srcRect);
  if (s.Empty()) return;
  k = std::clamp(k, 0, 255);  // outside 0..255 the formula leaves the byte range
  for (int32_t i = 0; i < s.Height; ++i)
    BlendRow(dst.Row(s.DstY + i) + s.DstX, src.Row(s.SrcY + i) + s.SrcX, s.Width, k);
}

void CopyWithKey(PixelBuffer& dst, const PixelBuffer& src, TPoint dstPoint, const TRect& srcInclusive, TColor key) {
  const CopySpan s = ClipSourceInclusive(dst, dstPoint, src, srcInclusive);
  for (int32_t i = 0; i < s.Height; ++i)
    KeyCopyRow(dst.Row(s.DstY + i) + s.DstX, src.Row(s.SrcY + i) + s.SrcX, s.Width, KeyPixel(key));
}

void CopyWithKeyOverBackground(PixelBuffer& dst, const PixelBuffer& src, TPoint dstPoint, const TRect& srcInclusive,
                               TColor key, const BackgroundInfo& bg, bool patch) {
  const CopySpan s = ClipSourceInclusive(dst, dstPoint, src, srcInclusive);
  const uint32_t keyPixel = KeyPixel(key);
  const bool fromPicture = patch && bg.BitmapReady && bg.Bitmap;
  if (!fromPicture && bg.BitmapReady) return CopyWithKey(dst, src, dstPoint, srcInclusive, key);
  const uint32_t plain = KeyPixel(ResolveColor(bg.PlainColor));
  for (int32_t i = 0; i < s.Height; ++i) {
    const int32_t dy = s.DstY + i;
    uint32_t* d = dst.Row(dy);
    const uint32_t* p = src.Row(s.SrcY + i) + s.SrcX;
    for (int32_t j = 0; j < s.Width; ++j) {
      const int32_t dx = s.DstX + j;
      if (p[j] != keyPixel) {
        d[dx] = fromPicture && bg.Bitmap == &dst ? p[j] | kAlphaMask : p[j];
      } else if (!fromPicture) {
        d[dx] = plain;
      } else if (bg.Bitmap != &dst) {
        const int64_t bx = int64_t(dx) + bg.OriginX, by = int64_t(dy) + bg.OriginY;
        if (bx >= 0 && by >= 0 && bx < bg.Bitmap->Width() && by < bg.Bitmap->Height())
          d[dx] = bg.Bitmap->At(int32_t(bx), int32_t(by));
      }
    }
  }
}

void BlendThrough(PixelBuffer& dst, TPoint dstPoint, TColor key, double w, const TRect& srcInclusive,
                  const PixelBuffer& src) {
  // A source start before 0 moves the destination start instead.
  TRect r = srcInclusive;
  int64_t dx0 = dstPoint.X, dy0 = dstPoint.Y;
  if (r.Left < 0) dx0 -= r.Left, r.Left = 0;
  if (r.Top < 0) dy0 -= r.Top, r.Top = 0;
  const int64_t right = std::min<int64_t>(r.Right, src.Width() - 1), bottom = std::min<int64_t>(r.Bottom, src.Height() - 1);
  for (int64_t sy = r.Top; sy <= bottom; ++sy) {
    const int64_t dy = dy0 + (sy - r.Top);
    if (dy < 0 || dy >= dst.Height()) continue;
    const uint32_t* s = src.Row(int32_t(sy));
    uint32_t* d = dst.Row(int32_t(dy));
    for (int64_t sx = r.Left; sx <= right; ++sx) {
      const int64_t dx = dx0 + (sx - r.Left);
      if (s[sx] == key || dx < 0 || dx >= dst.Width()) continue;
      uint32_t out = d[dx] & kAlphaMask;
      for (int shift = 0; shift < 24; shift += 8) {
        const double sc = (s[sx] >> shift) & 0xFF, dc = (d[dx] >> shift) & 0xFF;
        out |= uint32_t(ClampByte(std::trunc(sc - (sc - dc) * w))) << shift;
      }
      d[dx] = out;
    }
  }
}

namespace {

void GreyPixels(PixelBuffer& buffer, bool keyed, uint32_t keyPixel) {
  for (int32_t y = 0; y < buffer.Height(); ++y) {
    uint32_t* row = buffer.Row(y);
    for (int32_t x = 0; x < buffer.Width(); ++x) {
      const uint32_t p = row[x];
      if (keyed && p == keyPixel) continue;
      const uint32_t g = (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF)) / 3;
      row[x] = (p & kAlphaMask) | g << 16 | g << 8 | g;
    }
  }
}

}  // namespace

void ToGrey(PixelBuffer& buffer) { GreyPixels(buffer, false, 0); }
void ToGrey(PixelBuffer& buffer, TColor key) { GreyPixels(buffer, true, KeyPixel(key)); }
