#include "skin/render/core/Resample.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "skin/render/core/ResampleTaps.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int64_t kMaxPixels = int64_t(1) << 26;  // no pass makes a picture larger than this

struct FilterKind {
  double Support;
  double (*Weight)(double t);
};

double BoxWeight(double t) { return t <= 0.5 ? 1 : 0; }
double TriangleWeight(double t) { return 1 - t; }
double HermiteWeight(double t) { return (2 * t - 3) * t * t + 1; }
double BellWeight(double t) { return t < 0.5 ? 0.75 - t * t : (t - 1.5) * (t - 1.5) / 2; }
double BSplineWeight(double t) { return t < 1 ? t * t * t / 2 - t * t + 2.0 / 3 : (2 - t) * (2 - t) * (2 - t) / 6; }
double Sinc(double x) { return x == 0 ? 1 : std::sin(kPi * x) / (kPi * x); }
double Lanczos3Weight(double t) { return Sinc(t) * Sinc(t / 3); }
double MitchellWeight(double t) {
  return t < 1 ? (7.0 / 6) * t * t * t - 2 * t * t + 8.0 / 9
               : -(7.0 / 18) * t * t * t + 2 * t * t - (10.0 / 3) * t + 16.0 / 9;
}

constexpr FilterKind kFilters[] = {{0.51, BoxWeight},     {1, TriangleWeight},    {1, HermiteWeight},
                                   {1.5, BellWeight},     {2, BSplineWeight},     {3, Lanczos3Weight},
                                   {2, MitchellWeight}};

// Positions outside 0..n-1 are mirrored; a wide filter over a short line may
// still land outside after one mirroring, so the result is kept inside.
int32_t Mirror(int64_t j, int32_t n) {
  if (j < 0) j = -j;
  if (j >= n) j = 2 * int64_t(n) - 1 - j;
  return int32_t(std::clamp<int64_t>(j, 0, n - 1));
}

#if defined(__SSE2__)
// Weights reach 65536, beyond 16 bits: w = hi * 256 + lo with lo in 0..255,
// so two 16-bit multiply-adds give the exact 32-bit sums. Each pair of taps is
// split once per pass, both halves of both taps spread over all four lanes.
struct Lanes {
  __m128i V;
};
struct SplitWeights {
  std::vector<Lanes> Hi, Lo;  // one entry per pair of taps, in the order of the taps
};

SplitWeights Split(const ResampleTaps& taps) {
  SplitWeights split;
  for (size_t k = 0; k + 1 < taps.Weight.size(); k += 2) {
    const int32_t w0 = taps.Weight[k], w1 = taps.Weight[k + 1];
    split.Hi.push_back({_mm_set1_epi32(int((uint32_t(w1 >> 8) << 16) | (uint32_t(w0 >> 8) & 0xFFFF)))});
    split.Lo.push_back({_mm_set1_epi32(int((uint32_t(w1 & 0xFF) << 16) | uint32_t(w0 & 0xFF)))});
  }
  return split;
}

// Four 32-bit sums of weight * byte to four bytes, as ResampleByte does.
__m128i SumsToBytes(__m128i hi, __m128i lo) {
  return _mm_srai_epi32(_mm_add_epi32(_mm_slli_epi32(hi, 8), lo), 16);
}
#else
struct SplitWeights {};
SplitWeights Split(const ResampleTaps&) { return {}; }
#endif

// One line of the row pass: target pixel i of out from the pixels of in.
void ConvolveRow(const uint32_t* in, uint32_t* out, const ResampleTaps& taps,
                 [[maybe_unused]] const SplitWeights& split) {
  const int32_t m = int32_t(taps.First.size());
  for (int32_t i = 0; i < m; ++i) {
    const int32_t* px = taps.Pixel.data() + taps.First[i];
    const int32_t count = taps.Count[i];
#if defined(__SSE2__)
    const Lanes* wh = split.Hi.data() + taps.First[i] / 2;
    const Lanes* wl = split.Lo.data() + taps.First[i] / 2;
    const __m128i zero = _mm_setzero_si128();
    __m128i accHi = zero, accLo = zero;
    for (int32_t k = 0; k < count; k += 2) {
      const __m128i pair = _mm_unpacklo_epi8(
          _mm_unpacklo_epi8(_mm_cvtsi32_si128(int(in[px[k]])), _mm_cvtsi32_si128(int(in[px[k + 1]]))), zero);
      accHi = _mm_add_epi32(accHi, _mm_madd_epi16(pair, wh[k / 2].V));
      accLo = _mm_add_epi32(accLo, _mm_madd_epi16(pair, wl[k / 2].V));
    }
    const __m128i sum = SumsToBytes(accHi, accLo);
    const __m128i packed = _mm_packs_epi32(sum, sum);
    out[i] = uint32_t(_mm_cvtsi128_si32(_mm_packus_epi16(packed, packed)));
#else
    const int32_t* wt = taps.Weight.data() + taps.First[i];
    int64_t sum[4] = {0, 0, 0, 0};
    for (int32_t k = 0; k < count; ++k)
      for (int c = 0; c < 4; ++c) sum[c] += int64_t(wt[k]) * ((in[px[k]] >> (8 * c)) & 0xFF);
    out[i] = 0;
    for (int c = 0; c < 4; ++c) out[i] |= uint32_t(ResampleByte(sum[c])) << (8 * c);
#endif
  }
}

// Target row i of the column pass: rows[k] are the source rows of its taps,
// starting at tap `first` of the pass.
void ConvolveColumns(const uint32_t* const* rows, const ResampleTaps& taps, int32_t first, int32_t count,
                     [[maybe_unused]] const SplitWeights& split, uint32_t* out, int32_t width) {
  int32_t x = 0;
#if defined(__SSE2__)
  const Lanes* wh = split.Hi.data() + first / 2;
  const Lanes* wl = split.Lo.data() + first / 2;
  const __m128i zero = _mm_setzero_si128();
  for (; x + 4 <= width; x += 4) {
    __m128i hi[4] = {zero, zero, zero, zero}, lo[4] = {zero, zero, zero, zero};
    for (int32_t k = 0; k < count; k += 2) {
      const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[k] + x));
      const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[k + 1] + x));
      const __m128i ab01 = _mm_unpacklo_epi8(a, b), ab23 = _mm_unpackhi_epi8(a, b);
      const __m128i p[4] = {_mm_unpacklo_epi8(ab01, zero), _mm_unpackhi_epi8(ab01, zero),
                            _mm_unpacklo_epi8(ab23, zero), _mm_unpackhi_epi8(ab23, zero)};
      for (int j = 0; j < 4; ++j) {
        hi[j] = _mm_add_epi32(hi[j], _mm_madd_epi16(p[j], wh[k / 2].V));
        lo[j] = _mm_add_epi32(lo[j], _mm_madd_epi16(p[j], wl[k / 2].V));
      }
    }
    __m128i s[4];
    for (int j = 0; j < 4; ++j) s[j] = SumsToBytes(hi[j], lo[j]);
    const __m128i packed = _mm_packus_epi16(_mm_packs_epi32(s[0], s[1]), _mm_packs_epi32(s[2], s[3]));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), packed);
  }
#endif
  const int32_t* wt = taps.Weight.data() + first;
  for (; x < width; ++x) {
    int64_t sum[4] = {0, 0, 0, 0};
    for (int32_t k = 0; k < count; ++k)
      for (int c = 0; c < 4; ++c) sum[c] += int64_t(wt[k]) * ((rows[k][x] >> (8 * c)) & 0xFF);
    out[x] = 0;
    for (int c = 0; c < 4; ++c) out[x] |= uint32_t(ResampleByte(sum[c])) << (8 * c);
  }
}

}  // namespace

bool ComputeResampleTaps(int32_t n, int32_t m, int filter, ResampleTaps& taps) {
  if (filter < 0 || filter >= int(std::size(kFilters)) || n <= 0 || m <= 0) return false;
  const FilterKind& kind = kFilters[filter];
  const double scale = m < n ? double(m) / n : 1.0;
  const double support = kind.Support / scale;
  taps = {};
  taps.First.resize(size_t(m));
  taps.Count.resize(size_t(m));
  std::vector<double> raw;
  for (int32_t i = 0; i < m; ++i) {
    const double centre = double(i) * n / m;
    taps.First[i] = int32_t(taps.Pixel.size());
    const int64_t from = int64_t(std::floor(centre - support)), to = int64_t(std::ceil(centre + support));
    // The sampled filter sums to 1 only approximately once it is scaled (and a
    // box can catch two pixels at a tie), so the weights are divided by their
    // sum: a uniform picture stays exactly uniform.
    raw.clear();
    for (int64_t j = from; j <= to; ++j) {
      const double t = std::fabs(centre - double(j)) * scale;
      if (t >= kind.Support) continue;
      const double w = kind.Weight(t);
      if (w == 0) continue;
      taps.Pixel.push_back(Mirror(j, n));
      raw.push_back(w * scale);
    }
    double sum = 0;
    for (double w : raw) sum += w;
    const size_t first = taps.Weight.size();
    int32_t total = 0;
    for (double w : raw) {
      taps.Weight.push_back(int32_t(std::nearbyint(sum > 0 ? w / sum * 65536 : 0)));
      total += taps.Weight.back();
    }
    // What rounding lost or gained goes to the largest tap, so the sum is exactly 65536.
    if (!raw.empty() && sum > 0)
      *std::max_element(taps.Weight.begin() + ptrdiff_t(first), taps.Weight.end()) += 65536 - total;
    if ((taps.Pixel.size() - size_t(taps.First[i])) % 2 != 0) {
      taps.Pixel.push_back(taps.Pixel.size() > size_t(taps.First[i]) ? taps.Pixel.back() : 0);
      taps.Weight.push_back(0);
    }
    taps.Count[i] = int32_t(taps.Pixel.size()) - taps.First[i];
  }
  return true;
}

void Resample(const PixelBuffer& src, PixelBuffer& dst, int32_t newWidth, int filter, int32_t newHeight) {
  const int32_t w = src.Width(), h = src.Height();
  if (newWidth <= 0 || newHeight <= 0 || w <= 1 || h <= 1) return;
  if (int64_t(newWidth) * h > kMaxPixels || int64_t(newWidth) * newHeight > kMaxPixels) return;
  if (newWidth == w && newHeight == h) {
    if (&dst != &src) dst = src.Clone();
    return;
  }
  // Square pictures scaled to squares use the same taps both ways.
  ResampleTaps across, down;
  const bool sameTaps = w == h && newWidth == newHeight;
  if (!ComputeResampleTaps(w, newWidth, filter, across) ||
      (!sameTaps && !ComputeResampleTaps(h, newHeight, filter, down)))
    return;
  const ResampleTaps& vertical = sameTaps ? across : down;
  const SplitWeights acrossSplit = Split(across);
  const SplitWeights downSplit = sameTaps ? SplitWeights{} : Split(down);
  const SplitWeights& verticalSplit = sameTaps ? acrossSplit : downSplit;

  // Plain memory, not a buffer: on Windows a buffer is a bitmap of the system's.
  const std::unique_ptr<uint32_t[]> middle(new uint32_t[size_t(newWidth) * size_t(h)]);
  for (int32_t y = 0; y < h; ++y) ConvolveRow(src.Row(y), middle.get() + size_t(y) * newWidth, across, acrossSplit);

  PixelBuffer result;
  PixelBuffer& out = &dst == &src ? result : dst;
  out.Resize(newWidth, newHeight);
  std::vector<const uint32_t*> rows;
  for (int32_t i = 0; i < newHeight; ++i) {
    const int32_t first = vertical.First[i], count = vertical.Count[i];
    rows.clear();
    for (int32_t k = 0; k < count; ++k) rows.push_back(middle.get() + size_t(vertical.Pixel[first + k]) * newWidth);
    ConvolveColumns(rows.data(), vertical, first, count, verticalSplit, out.Row(i), newWidth);
  }
  if (&out == &result) dst = std::move(result);
}
