#include "skin/render/PngUnfilter.h"

#include <cstdlib>

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

template <int Bpp>
bool Unfilter(uint8_t filter, uint8_t* row, const uint8_t* prior, size_t n) {
  switch (filter) {
    case 0: return true;
    case 1: Sub<Bpp>(row, n); return true;
    case 2:
      if (prior) Up(row, prior, n);
      return true;
    case 3:
      if (prior) Average<Bpp>(row, prior, n);
      else AverageFirstRow<Bpp>(row, n);
      return true;
    case 4:
      if (prior) Paeth<Bpp>(row, prior, n);
      else Sub<Bpp>(row, n);  // b = c = 0: predictor is a
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
