#include "skin/render/core/PngUnfilter.h"

#include <cstdlib>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The loops are templated on the pixel size so that the compiler keeps one
// independent chain per byte of a pixel.
template <int Bpp>
void Sub(uint8_t* row, size_t n) {
  for (size_t i = Bpp; i < n; ++i) row[i] = uint8_t(row[i] + row[i - Bpp]);
}

void Up(uint8_t* row, const uint8_t* prior, size_t n) {
  for (size_t i = 0; i < n; ++i) row[i] = uint8_t(row[i] + prior[i]);
}

template <int Bpp>
void Average(uint8_t* row, const uint8_t* prior, size_t n) {
  const size_t head = n < size_t(Bpp) ? n : Bpp;
  for (size_t i = 0; i < head; ++i) row[i] = uint8_t(row[i] + (prior[i] >> 1));
  for (size_t i = Bpp; i < n; ++i) row[i] = uint8_t(row[i] + ((unsigned(row[i - Bpp]) + prior[i]) >> 1));
}

template <int Bpp>
void AverageFirstRow(uint8_t* row, size_t n) {
  for (size_t i = Bpp; i < n; ++i) row[i] = uint8_t(row[i] + (row[i - Bpp] >> 1));
}

inline uint8_t PaethPredictor(int a, int b, int c) {
  const int pa = std::abs(b - c);
  const int pb = std::abs(a - c);
  const int pc = std::abs(a + b - 2 * c);
  const int ab = pa <= pb ? a : b;
  const int pab = pa <= pb ? pa : pb;
  return uint8_t(pab <= pc ? ab : c);
}

template <int Bpp>
void Paeth(uint8_t* row, const uint8_t* prior, size_t n) {
  const size_t head = n < size_t(Bpp) ? n : Bpp;
  for (size_t i = 0; i < head; ++i) row[i] = uint8_t(row[i] + prior[i]);  // a = c = 0: predictor is b
  for (size_t i = Bpp; i < n; ++i) row[i] = uint8_t(row[i] + PaethPredictor(row[i - Bpp], prior[i], prior[i - Bpp]));
}


#if defined(__SSE2__)
// Pictures of 3 and 4 bytes per pixel (RGB, RGBA) are most of what skins
// hold. Average and Paeth depend on the pixel just decoded, so they run one
// pixel at a time with every channel in its own 16-bit lane; the chain of
// dependent operations per pixel is what limits them.
// 3-byte pixels are put together in registers: they must not read past the
// row, and small stores into a stack word stall the load that follows.
template <int Bpp>
inline __m128i LoadPixel(const uint8_t* p) {
  uint32_t v;
  if (Bpp == 4) std::memcpy(&v, p, 4);
  else v = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16;
  return _mm_unpacklo_epi8(_mm_cvtsi32_si128(int(v)), _mm_setzero_si128());
}

template <int Bpp>
inline void StorePixel(uint8_t* p, __m128i lanes) {
  const uint32_t v = uint32_t(_mm_cvtsi128_si32(_mm_packus_epi16(lanes, lanes)));
  if (Bpp == 4) {
    std::memcpy(p, &v, 4);
  } else {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
  }
}

inline __m128i Abs16(__m128i v) { return _mm_max_epi16(v, _mm_sub_epi16(_mm_setzero_si128(), v)); }

inline __m128i Select(__m128i mask, __m128i yes, __m128i no) {
  return _mm_or_si128(_mm_and_si128(mask, yes), _mm_andnot_si128(mask, no));
}

// Lanes hold bytes with a zero high half, so adding with 8-bit lanes wraps
// each sample without a mask on the dependency chain.
template <int Bpp>
void PaethVector(uint8_t* row, const uint8_t* prior, size_t n) {
  __m128i a = _mm_setzero_si128(), c = _mm_setzero_si128();
  for (size_t i = 0; i < n; i += Bpp) {
    const __m128i b = LoadPixel<Bpp>(prior + i);
    const __m128i x = LoadPixel<Bpp>(row + i);
    __m128i pa = _mm_sub_epi16(b, c);  // p - a
    __m128i pb = _mm_sub_epi16(a, c);  // p - b
    __m128i pc = _mm_add_epi16(pa, pb);  // p - c
    pa = Abs16(pa);
    pb = Abs16(pb);
    pc = Abs16(pc);
    const __m128i smallest = _mm_min_epi16(pc, _mm_min_epi16(pa, pb));
    // Ties go to a, then b, then c.
    __m128i predictor = Select(_mm_cmpeq_epi16(pb, smallest), b, c);
    predictor = Select(_mm_cmpeq_epi16(pa, smallest), a, predictor);
    a = _mm_add_epi8(x, predictor);
    StorePixel<Bpp>(row + i, a);
    c = b;
  }
}

template <int Bpp>
void AverageVector(uint8_t* row, const uint8_t* prior, size_t n) {
  __m128i a = _mm_setzero_si128();
  for (size_t i = 0; i < n; i += Bpp) {
    const __m128i b = LoadPixel<Bpp>(prior + i);
    const __m128i x = LoadPixel<Bpp>(row + i);
    a = _mm_add_epi8(x, _mm_srli_epi16(_mm_add_epi16(a, b), 1));
    StorePixel<Bpp>(row + i, a);
  }
}
#endif

template <int Bpp>
bool Unfilter(uint8_t filter, uint8_t* row, const uint8_t* prior, size_t n) {
  switch (filter) {
    case 0: return true;
    case 1: Sub<Bpp>(row, n); return true;
    case 2:
      if (prior) Up(row, prior, n);
      return true;
    case 3:
      if (!prior) {
        AverageFirstRow<Bpp>(row, n);
#if defined(__SSE2__)
      } else if (Bpp == 3 || Bpp == 4) {
        AverageVector<Bpp>(row, prior, n);
#endif
      } else {
        Average<Bpp>(row, prior, n);
      }
      return true;
    case 4:
      if (!prior) {
        Sub<Bpp>(row, n);  // b = c = 0: predictor is a
#if defined(__SSE2__)
      } else if (Bpp == 3 || Bpp == 4) {
        PaethVector<Bpp>(row, prior, n);
#endif
      } else {
        Paeth<Bpp>(row, prior, n);
      }
      return true;
    default: return false;
  }
}
}  // namespace

bool UnfilterRow(uint8_t filter, uint8_t* row, const uint8_t* prior, size_t rowBytes, int bytesPerPixel) {
  switch (bytesPerPixel) {
    case 1: return Unfilter<1>(filter, row, prior, rowBytes);
    case 2: return Unfilter<2>(filter, row, prior, rowBytes);
    case 3: return Unfilter<3>(filter, row, prior, rowBytes);
    case 4: return Unfilter<4>(filter, row, prior, rowBytes);
    case 6: return Unfilter<6>(filter, row, prior, rowBytes);
    default: return Unfilter<8>(filter, row, prior, rowBytes);
  }
}
