#include "skin/render/core/Adler32.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
constexpr uint32_t kBase = 65521;
// Most bytes that can be summed before s2 could overflow 32 bits.
constexpr size_t kMaxRun = 5552;

void Scalar(uint32_t& s1, uint32_t& s2, const uint8_t* p, size_t n) {
  for (size_t i = 0; i < n; ++i) {
    s1 += p[i];
    s2 += s1;
  }
}

#if defined(__SSE2__)
// k chunks of 32 bytes. With S(j) the byte sum of chunk j and W(j) its sum
// weighted 32..1: s1 += sum S(j); s2 += 32 k s1 + 32 sum (k-1-j) S(j) + sum W(j).
// Two 16-byte halves per step keep more of the sums independent than one.
void Chunks32(uint32_t& s1, uint32_t& s2, const uint8_t* p, size_t k) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i weights1 = _mm_setr_epi16(32, 31, 30, 29, 28, 27, 26, 25);
  const __m128i weights2 = _mm_setr_epi16(24, 23, 22, 21, 20, 19, 18, 17);
  const __m128i weights3 = _mm_setr_epi16(16, 15, 14, 13, 12, 11, 10, 9);
  const __m128i weights4 = _mm_setr_epi16(8, 7, 6, 5, 4, 3, 2, 1);
  __m128i sums = zero, prefix = zero, weighted = zero;
  for (size_t j = 0; j < k; ++j, p += 32) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16));
    prefix = _mm_add_epi32(prefix, sums);
    sums = _mm_add_epi32(sums, _mm_add_epi32(_mm_sad_epu8(a, zero), _mm_sad_epu8(b, zero)));
    const __m128i wa = _mm_add_epi32(_mm_madd_epi16(_mm_unpacklo_epi8(a, zero), weights1),
                                     _mm_madd_epi16(_mm_unpackhi_epi8(a, zero), weights2));
    const __m128i wb = _mm_add_epi32(_mm_madd_epi16(_mm_unpacklo_epi8(b, zero), weights3),
                                     _mm_madd_epi16(_mm_unpackhi_epi8(b, zero), weights4));
    weighted = _mm_add_epi32(weighted, _mm_add_epi32(wa, wb));
  }
  auto total = [](__m128i v) {
    v = _mm_add_epi32(v, _mm_shuffle_epi32(v, _MM_SHUFFLE(1, 0, 3, 2)));
    v = _mm_add_epi32(v, _mm_shuffle_epi32(v, _MM_SHUFFLE(2, 3, 0, 1)));
    return uint64_t(uint32_t(_mm_cvtsi128_si32(v)));
  };
  const uint64_t newS2 = s2 + 32 * k * uint64_t(s1) + 32 * total(prefix) + total(weighted);
  s1 = uint32_t((s1 + total(sums)) % kBase);
  s2 = uint32_t(newS2 % kBase);
}
#endif
}  // namespace

uint32_t UpdateAdler32(uint32_t adler, const uint8_t* p, size_t n) {
  uint32_t s1 = adler & 0xFFFF, s2 = adler >> 16;
  while (n > 0) {
    size_t run = n < kMaxRun ? n : kMaxRun;
#if defined(__SSE2__)
    const size_t chunks = run / 32;
    Chunks32(s1, s2, p, chunks);
    p += chunks * 32;
    n -= chunks * 32;
    run -= chunks * 32;
#endif
    Scalar(s1, s2, p, run);
    s1 %= kBase;
    s2 %= kBase;
    p += run;
    n -= run;
  }
  return s2 << 16 | s1;
}
