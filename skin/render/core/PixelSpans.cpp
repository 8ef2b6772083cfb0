#include "skin/render/core/PixelSpans.h"

#include <algorithm>

#include "skin/render/core/Blend.h"

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

// A string store writes whole cache lines without reading them first, about
// twice the speed of vector stores on long runs; it starts slowly, so short
// runs keep the vector loop.
constexpr int64_t kStringFillPixels = 256;

void FillRun(uint32_t* dst, int64_t count, uint32_t value) {
#if (defined(__GNUC__) || defined(__clang__)) && defined(__x86_64__)
  if (count >= kStringFillPixels) {
    size_t n = size_t(count);
    asm volatile("rep stosl" : "+D"(dst), "+c"(n) : "a"(value) : "memory");
    return;
  }
#endif
  int64_t i = 0;
#if defined(__SSE2__)
  const __m128i v = _mm_set1_epi32(int(value));
  for (; i + 8 <= count; i += 8) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), v);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i + 4), v);
  }
#endif
  for (; i < count; ++i) dst[i] = value;
}

void FillRect(PixelBuffer& buffer, const TRect& clipped, uint32_t value) {
  if (clipped.IsEmpty()) return;
  const int32_t width = clipped.Width(), height = clipped.Height();
  // Whole rows of a buffer without gaps between them are one run of pixels.
  if (width == buffer.Width() && buffer.Stride() == ptrdiff_t(width) * 4) {
    FillRun(buffer.Row(clipped.Top), int64_t(width) * height, value);
    return;
  }
  for (int32_t y = clipped.Top; y < clipped.Bottom; ++y) FillRun(buffer.Row(y) + clipped.Left, width, value);
}

#if defined(__SSE2__)
namespace {

// Bytes 0 and 2 of every pixel sit in the low halves of 16-bit lanes after a
// mask, bytes 1 and 3 after a shift: each lane then holds one byte times a
// weight (below 65536) without unpacking. The sums of the even bytes are
// shifted down, those of the odd bytes are already in place in the high halves.
constexpr int16_t kLowBytes = 0x00FF;

__m128i EvenBytes(__m128i v) { return _mm_and_si128(v, _mm_set1_epi16(kLowBytes)); }
__m128i OddBytes(__m128i v) { return _mm_srli_epi16(v, 8); }
__m128i JoinSums(__m128i even, __m128i odd) {
  return _mm_or_si128(_mm_srli_epi16(even, 8), _mm_andnot_si128(_mm_set1_epi16(kLowBytes), odd));
}

// Every byte: (d * kd + s * ks) >> 8, with kd + ks = 256 in every lane.
__m128i MixBytes(__m128i d, __m128i s, __m128i kdEven, __m128i ksEven, __m128i kdOdd, __m128i ksOdd) {
  const __m128i even = _mm_add_epi16(_mm_mullo_epi16(EvenBytes(d), kdEven), _mm_mullo_epi16(EvenBytes(s), ksEven));
  const __m128i odd = _mm_add_epi16(_mm_mullo_epi16(OddBytes(d), kdOdd), _mm_mullo_epi16(OddBytes(s), ksOdd));
  return JoinSums(even, odd);
}

}  // namespace
#endif

void BlendRow(uint32_t* dst, const uint32_t* src, int32_t count, int32_t k) {
  int32_t i = 0;
#if defined(__SSE2__)
  // d * k + s * (256 - k) stays below 65536, so 16-bit lanes hold it exactly.
  const __m128i kd = _mm_set1_epi16(short(k)), ks = _mm_set1_epi16(short(256 - k));
  for (; i + 4 <= count; i += 4) {
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), MixBytes(d, s, kd, ks, kd, ks));
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

namespace {

template <bool Opaque>
void MaskRuns(uint32_t* dst, const uint32_t* image, const uint32_t* mask, int32_t count) {
  int32_t i = 0;
#if defined(__SSE2__)
  // (d - s) * m + s * 256 lies in 0..65535, so the wrapping 16-bit product of
  // the signed difference gives it exactly with one multiply per lane; s * 256
  // of the odd bytes is s itself with the even bytes cleared. The alpha byte
  // is mixed too and then replaced.
  const __m128i alpha = _mm_set1_epi32(int(0xFF000000u)), high = _mm_set1_epi16(int16_t(0xFF00));
  for (; i + 4 <= count; i += 4) {
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(image + i));
    const __m128i m = _mm_loadu_si128(reinterpret_cast<const __m128i*>(mask + i));
    const __m128i sEven = EvenBytes(s);
    const __m128i even = _mm_add_epi16(_mm_mullo_epi16(_mm_sub_epi16(EvenBytes(d), sEven), EvenBytes(m)),
                                       _mm_slli_epi16(sEven, 8));
    const __m128i odd = _mm_add_epi16(_mm_mullo_epi16(_mm_sub_epi16(OddBytes(d), OddBytes(s)), OddBytes(m)),
                                      _mm_and_si128(s, high));
    const __m128i mixed = JoinSums(even, odd);
    const __m128i out = Opaque ? _mm_or_si128(mixed, alpha)
                               : _mm_or_si128(_mm_andnot_si128(alpha, mixed), _mm_and_si128(alpha, d));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), out);
  }
#endif
  for (; i < count; ++i) dst[i] = MaskRule(dst[i], image[i], mask[i]) | (Opaque ? 0xFF000000u : 0);
}

}  // namespace

// Declared beside MaskRule in Blend.h; kept here with the kernels it shares.
void MaskRuleRow(uint32_t* dst, const uint32_t* image, const uint32_t* mask, int32_t count, bool opaque) {
  if (opaque)
    MaskRuns<true>(dst, image, mask, count);
  else
    MaskRuns<false>(dst, image, mask, count);
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
