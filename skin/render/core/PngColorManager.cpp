#include "skin/render/core/PngColorManager.h"

#include <cmath>
#include <cstring>

#include "skin/render/core/SkinError.h"

namespace {
const char kBadDepth[] = "Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16.";
const char kBadSampleCount[] = "Sample count per pixel does not correspond to the given color scheme.";
const char kIndexedMix[] = "Conversion between indexed and non-indexed pixel formats is not supported.";
const char kNoMethod[] = "Color conversion failed. Could not find a proper method.";

constexpr uint32_t kOpaque = 0xFF000000u;

void CheckDepth(int bits) {
  if (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16) throw ESkinError(kBadDepth);
}

int SamplesOf(TColorScheme scheme) {
  switch (scheme) {
    case TColorScheme::Indexed:
    case TColorScheme::Gray: return 1;
    case TColorScheme::GrayAlpha: return 2;
    case TColorScheme::RGB:
    case TColorScheme::BGR: return 3;
    case TColorScheme::RGBA:
    case TColorScheme::BGRA: return 4;
  }
  return 0;
}

bool IsIndexedLike(TColorScheme scheme) {
  return scheme == TColorScheme::Indexed || scheme == TColorScheme::Gray || scheme == TColorScheme::GrayAlpha;
}

// 16-bit big-endian sample to 8 bits, sample * 255 / 65535 (rounded down).
inline uint32_t Reduce16(const uint8_t* s) { return ((uint32_t(s[0]) << 8 | s[1]) * 255u) / 65535u; }

inline uint32_t Bgra(uint32_t r, uint32_t g, uint32_t b, uint32_t a) { return b | g << 8 | r << 16 | a << 24; }

// Samples below 8 bits, leftmost pixel in the high bits of each byte.
template <int Bits>
void ConvertPacked(const uint8_t* s, uint32_t* t, int32_t count, int32_t step, const uint32_t* lookup) {
  constexpr int kPerByte = 8 / Bits;
  constexpr unsigned kMask = (1u << Bits) - 1;
  int32_t i = 0;
  for (; i + kPerByte <= count; i += kPerByte, ++s) {
    const unsigned byte = *s;
    for (int k = 0; k < kPerByte; ++k, t += step) *t = lookup[(byte >> (8 - Bits * (k + 1))) & kMask];
  }
  if (i < count) {
    const unsigned byte = *s;
    for (int k = 0; i < count; ++k, ++i, t += step) *t = lookup[(byte >> (8 - Bits * (k + 1))) & kMask];
  }
}

template <bool WithGamma>
void ConvertRgba8(const uint8_t* s, uint32_t* t, int32_t count, int32_t step, const uint8_t* g) {
  if (!WithGamma && step == 1) {
    for (int32_t i = 0; i < count; ++i) {
      uint32_t v;
      std::memcpy(&v, s + 4 * i, 4);  // bytes R G B A -> little-endian value A B G R
      t[i] = (v & 0xFF00FF00u) | (v & 0xFFu) << 16 | (v >> 16 & 0xFFu);
    }
    return;
  }
  for (int32_t i = 0; i < count; ++i, s += 4, t += step) {
    if (WithGamma) *t = Bgra(g[s[0]], g[s[1]], g[s[2]], s[3]);
    else *t = Bgra(s[0], s[1], s[2], s[3]);
  }
}

template <bool WithGamma>
void ConvertRgb8(const uint8_t* s, uint32_t* t, int32_t count, int32_t step, const uint8_t* g) {
  if (!WithGamma && count > 0) {
    // R G B and the next pixel's R as one big-endian word (one load and a byte swap).
    for (int32_t i = 0; i < count - 1; ++i, s += 3, t += step) {
      const uint32_t v = uint32_t(s[0]) << 24 | uint32_t(s[1]) << 16 | uint32_t(s[2]) << 8 | s[3];
      *t = v >> 8 | 0xFF000000u;
    }
    *t = Bgra(s[0], s[1], s[2], 255);  // the last pixel may end the buffer
    return;
  }
  for (int32_t i = 0; i < count; ++i, s += 3, t += step) {
    if (WithGamma) *t = Bgra(g[s[0]], g[s[1]], g[s[2]], 255);
    else *t = Bgra(s[0], s[1], s[2], 255);
  }
}

void ConvertRgb16(const uint8_t* s, uint32_t* t, int32_t count, int32_t step, const uint8_t* g, int samples) {
  for (int32_t i = 0; i < count; ++i, s += 2 * samples, t += step) {
    const uint32_t a = samples == 4 ? Reduce16(s + 6) : 255;
    *t = Bgra(g[Reduce16(s)], g[Reduce16(s + 2)], g[Reduce16(s + 4)], a);
  }
}
}  // namespace

void TColorManager::SetSourceBitsPerSample(int bits) {
  CheckDepth(bits);
  sourceBits_ = bits;
}

void TColorManager::SetTargetBitsPerSample(int bits) {
  CheckDepth(bits);
  targetBits_ = bits;
}

void TColorManager::SetSourceSamplesPerPixel(int count) {
  if (count < 1 || count > 4) throw ESkinError(kBadSampleCount);
  sourceSamples_ = count;
}

void TColorManager::SetTargetSamplesPerPixel(int count) {
  if (count < 1 || count > 4) throw ESkinError(kBadSampleCount);
  targetSamples_ = count;
}

void TColorManager::SetSourceColorScheme(TColorScheme scheme) { sourceScheme_ = scheme; }
void TColorManager::SetTargetColorScheme(TColorScheme scheme) { targetScheme_ = scheme; }

int TColorManager::TargetMax() const { return targetBits_ < 8 ? (1 << targetBits_) - 1 : 255; }

void TColorManager::SetGamma(double fileGamma, double displayGamma) {
  fileGamma_ = fileGamma;
  displayGamma_ = displayGamma;
  gammaOn_ = true;
  BuildGammaTables();
}

// table[i] = round((i / max) ^ (1 / (fileGamma * displayGamma)) * max)
void TColorManager::BuildGammaTables() {
  const double exponent = 1.0 / (fileGamma_ * displayGamma_);
  // Most files of a skin carry the same gamma; 256 pow calls cost more than
  // decoding a small glyph, so the latest tables are kept per depth.
  struct Cached {
    double exponent = 0;
    int max = -1;
    std::array<uint8_t, 256> table{};
  };
  thread_local Cached cache[2];
  auto build = [exponent](std::array<uint8_t, 256>& table, int max) {
    Cached& c = cache[max == 255 ? 0 : 1];
    if (c.exponent != exponent || c.max != max) {
      for (int i = 0; i <= max; ++i) c.table[i] = uint8_t(std::nearbyint(std::pow(double(i) / max, exponent) * max));
      c.exponent = exponent;
      c.max = max;
    }
    table = c.table;
  };
  build(gamma8_, 255);
  build(gammaTarget_, TargetMax());
}

void TColorManager::SetPalette(const uint8_t* rgb, int count) {
  for (int i = 0; i < 256; ++i) lookup_[i] = kOpaque;  // entries the file leaves out are black
  for (int i = 0; i < count && i < 256; ++i, rgb += 3) {
    lookup_[i] = gammaOn_ ? Bgra(gamma8_[rgb[0]], gamma8_[rgb[1]], gamma8_[rgb[2]], 255) : Bgra(rgb[0], rgb[1], rgb[2], 255);
  }
}

// Grey levels: the sample is widened to the target depth (2-bit samples to
// 4-bit pixels, times 15 / 3), gamma-corrected there and shown as the grey
// of that palette entry.
void TColorManager::BuildGrayLookup() {
  const int sourceMax = (1 << (sourceBits_ > 8 ? 8 : sourceBits_)) - 1;
  const int targetMax = TargetMax();
  for (int v = 0; v <= sourceMax; ++v) {
    int index = v * targetMax / sourceMax;
    if (gammaOn_) index = gammaTarget_[index];
    const uint32_t level = uint32_t(index * 255 / targetMax);
    lookup_[v] = Bgra(level, level, level, 255);
  }
}

void TColorManager::Prepare() {
  method_ = Method::None;
  if (SamplesOf(sourceScheme_) != sourceSamples_ || SamplesOf(targetScheme_) != targetSamples_) {
    throw ESkinError(kBadSampleCount);
  }
  const bool targetIndexed = targetScheme_ == TColorScheme::Indexed;
  if (IsIndexedLike(sourceScheme_) != targetIndexed) throw ESkinError(kIndexedMix);
  if (gammaOn_) {
    BuildGammaTables();  // the target depth may have changed since SetGamma
  } else {
    for (int i = 0; i < 256; ++i) gamma8_[i] = uint8_t(i);
  }
  const int b = sourceBits_;
  switch (sourceScheme_) {
    case TColorScheme::Indexed:
      if (b == 16) throw ESkinError(kNoMethod);
      method_ = b == 1 ? Method::Index1 : b == 2 ? Method::Index2 : b == 4 ? Method::Index4 : Method::Index8;
      break;
    case TColorScheme::Gray:
      BuildGrayLookup();
      method_ = b == 1 ? Method::Index1 : b == 2 ? Method::Index2 : b == 4 ? Method::Index4 : b == 8 ? Method::Index8 : Method::Gray16;
      break;
    case TColorScheme::GrayAlpha:
      if (b < 8) throw ESkinError(kNoMethod);
      BuildGrayLookup();
      method_ = b == 8 ? Method::GrayAlpha8 : Method::GrayAlpha16;
      break;
    case TColorScheme::RGB:
    case TColorScheme::RGBA: {
      const bool alpha = sourceScheme_ == TColorScheme::RGBA;
      if (b < 8 || targetBits_ != 8 || (alpha && targetScheme_ != TColorScheme::BGRA)) throw ESkinError(kNoMethod);
      method_ = alpha ? (b == 8 ? Method::RGBA8 : Method::RGBA16) : (b == 8 ? Method::RGB8 : Method::RGB16);
      break;
    }
    default: throw ESkinError(kNoMethod);
  }
}

void TColorManager::ConvertRow(const uint8_t* s, uint32_t* t, int32_t count, int32_t step) const {
  const uint32_t* lookup = lookup_.data();
  const uint8_t* g = gamma8_.data();
  switch (method_) {
    case Method::Index1: return ConvertPacked<1>(s, t, count, step, lookup);
    case Method::Index2: return ConvertPacked<2>(s, t, count, step, lookup);
    case Method::Index4: return ConvertPacked<4>(s, t, count, step, lookup);
    case Method::Index8:
      for (int32_t i = 0; i < count; ++i, t += step) *t = lookup[s[i]];
      return;
    case Method::Gray16:
      for (int32_t i = 0; i < count; ++i, s += 2, t += step) *t = lookup[Reduce16(s)];
      return;
    case Method::GrayAlpha8:
      for (int32_t i = 0; i < count; ++i, s += 2, t += step) *t = lookup[s[0]];
      return;
    case Method::GrayAlpha16:
      for (int32_t i = 0; i < count; ++i, s += 4, t += step) *t = lookup[Reduce16(s)];
      return;
    case Method::RGB8: return gammaOn_ ? ConvertRgb8<true>(s, t, count, step, g) : ConvertRgb8<false>(s, t, count, step, g);
    case Method::RGBA8: return gammaOn_ ? ConvertRgba8<true>(s, t, count, step, g) : ConvertRgba8<false>(s, t, count, step, g);
    case Method::RGB16: return ConvertRgb16(s, t, count, step, g, 3);
    case Method::RGBA16: return ConvertRgb16(s, t, count, step, g, 4);
    case Method::None: return;
  }
}
