#include "skin/render/PixelSpans.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Cuts a span whose starts are already >= 0 to both buffers.
CopySpan CutToBuffers(int64_t sx, int64_t sy, int64_t dx, int64_t dy, int64_t w, int64_t h, const PixelBuffer& dst,
                      const PixelBuffer& src) {
  w = std::min({w, src.Width() - sx, dst.Width() - dx});
  h = std::min({h, src.Height() - sy, dst.Height() - dy});
  if (w <= 0 || h <= 0) return {};
  return {int32_t(sx), int32_t(sy), int32_t(dx), int32_t(dy), int32_t(w), int32_t(h)};
}

// Raises a negative start on either side to 0, moving the other side and shortening the length.
void AlignStarts(int64_t& a, int64_t& b, int64_t& length) {
  const int64_t lift = std::max(-std::min(a, b), int64_t(0));
  a += lift;
  b += lift;
  length -= lift;
}

}  // namespace

CopySpan ClipBothSides(const PixelBuffer& dst, TPoint dstPoint, const PixelBuffer& src, const TRect& srcRect) {
  int64_t sx = srcRect.Left, sy = srcRect.Top, dx = dstPoint.X, dy = dstPoint.Y;
  int64_t w = int64_t(srcRect.Right) - srcRect.Left, h = int64_t(srcRect.Bottom) - srcRect.Top;
  AlignStarts(sx, dx, w);
  AlignStarts(sy, dy, h);
  return CutToBuffers(sx, sy, dx, dy, w, h, dst, src);
}

CopySpan ClipSourceInclusive(const PixelBuffer& dst, TPoint dstPoint, const PixelBuffer& src,
                             const TRect& srcInclusive) {
  const int64_t left = std::max(srcInclusive.Left, 0), top = std::max(srcInclusive.Top, 0);
  const int64_t right = std::min<int64_t>(srcInclusive.Right, int64_t(src.Width()) - 1);
  const int64_t bottom = std::min<int64_t>(srcInclusive.Bottom, int64_t(src.Height()) - 1);
  int64_t sx = left, sy = top, dx = dstPoint.X, dy = dstPoint.Y;
  int64_t w = right - left + 1, h = bottom - top + 1;
  // Destination columns before 0 are skipped, so the source advances with them.
  const int64_t skipX = std::max(-dx, int64_t(0)), skipY = std::max(-dy, int64_t(0));
  sx += skipX, dx += skipX, w -= skipX;
  sy += skipY, dy += skipY, h -= skipY;
  return CutToBuffers(sx, sy, dx, dy, w, h, dst, src);
}

TRect ClipToBuffer(const PixelBuffer& buffer, const TRect& rect) {
  return {std::max(rect.Left, 0), std::max(rect.Top, 0), std::min(rect.Right, buffer.Width()),
          std::min(rect.Bottom, buffer.Height())};
}

void FillRow(uint32_t* dst, int32_t count, uint32_t value) {
  int32_t i = 0;
#if defined(__SSE2__)
  const __m128i v = _mm_set1_epi32(int(value));
  for (; i + 8 <= count; i += 8) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), v);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i + 4), v);
  }
#endif
  for (; i < count; ++i) dst[i] = value;
}

void BlendRow(uint32_t* dst, const uint32_t* src, int32_t count, int32_t k) {
  int32_t i = 0;
#if defined(__SSE2__)
  // d * k + s * (256 - k) stays below 65536, so 16-bit lanes hold it exactly.
  const __m128i kd = _mm_set1_epi16(short(k)), ks = _mm_set1_epi16(short(256 - k)), zero = _mm_setzero_si128();
  for (; i + 4 <= count; i += 4) {
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    const __m128i lo = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(d, zero), kd),
                                                    _mm_mullo_epi16(_mm_unpacklo_epi8(s, zero), ks)),
                                      8);
    const __m128i hi = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(d, zero), kd),
                                                    _mm_mullo_epi16(_mm_unpackhi_epi8(s, zero), ks)),
                                      8);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_packus_epi16(lo, hi));
  }
#endif
  for (; i < count; ++i) {
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
      const uint32_t d = (dst[i] >> shift) & 0xFF, s = (src[i] >> shift) & 0xFF;
      out |= ((d * uint32_t(k) + s * uint32_t(256 - k)) >> 8) << shift;
    }
    dst[i] = out;
  }
}

void KeyCopyRow(uint32_t* dst, const uint32_t* src, int32_t count, uint32_t key) {
  int32_t i = 0;
#if defined(__SSE2__)
  const __m128i k = _mm_set1_epi32(int(key));
  for (; i + 4 <= count; i += 4) {
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
    const __m128i isKey = _mm_cmpeq_epi32(s, k);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i),
                     _mm_or_si128(_mm_and_si128(isKey, d), _mm_andnot_si128(isKey, s)));
  }
#endif
  for (; i < count; ++i)
    if (src[i] != key) dst[i] = src[i];
}
