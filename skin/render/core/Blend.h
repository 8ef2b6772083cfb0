#pragma once
// The primitive pixel operations every painter is built from. The arithmetic
// is exact (weights end with a shift by 8, not a division by 255) because
// skins are drawn against these results. Nothing here fails: out-of-range
// parts are clipped and an empty result does nothing.
#include <cstdint>

#include "skin/render/core/BackgroundInfo.h"
#include "skin/render/core/Color.h"
#include "skin/render/core/Geometry.h"
#include "skin/render/core/PixelBuffer.h"

// Fills rect (clipped) with ExchangeRedBlue(rgb) carrying the given alpha.
void FillPixels(PixelBuffer& buffer, const TRect& rect, TColor rgb, uint8_t alpha);

// Per channel trunc(a * w + (1 - w) * b); the top byte is a's.
TColor LerpColor(TColor a, TColor b, double w);

// Moves every pixel of rect (clipped) toward color: percent is the share of
// the pixel that survives; channels round to nearest, ties to even. Alpha kept.
// Pixels whose value equals skip stay (clNone: none is skipped).
void FadeToColor(PixelBuffer& buffer, const TRect& rect, int percent, TColor color, uint32_t skip = clNone);

// Sets the alpha byte of every pixel of rect whose value differs from key
// (key clNone: of every pixel). Not clipped: rect must lie inside the buffer.
void AssignAlpha(PixelBuffer& buffer, const TRect& rect, uint8_t alpha, uint32_t key);

// c = (c * a) >> 8 for every colour channel; 0x00FFFFFF (white, alpha 0) becomes 0.
void PremultiplyAlpha(PixelBuffer& buffer, const TRect& rect);
void PremultiplyAlpha(PixelBuffer& buffer);
// Only the first rule of PremultiplyAlpha: 0x00FFFFFF becomes 0, the rest stays.
void ClearTransparentWhite(PixelBuffer& buffer);

// Source-over of premultiplied pixels: every byte (alpha too) becomes
// s + (d * (255 - source alpha) + 127) / 255, at most 255.
inline uint32_t OverPixel(uint32_t dst, uint32_t src) {
  const uint32_t keep = 255 - (src >> 24);
  uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const uint32_t v = ((src >> shift) & 0xFF) + (((dst >> shift) & 0xFF) * keep + 127) / 255;
    out |= (v < 255 ? v : 255) << shift;
  }
  return out;
}
// The premultiplied src laid over dst with its top-left corner at `at` (clipped).
void ComposeOver(PixelBuffer& dst, const PixelBuffer& src, TPoint at);

// Puts srcRect of src at dstPoint: every byte (alpha too) becomes
// ((d - s) * k + s * 256) >> 8; k is the destination's weight (0 copies the source).
void BlendBuffers(PixelBuffer& dst, const PixelBuffer& src, int k, TPoint dstPoint, const TRect& srcRect);

// Blue, green and red each become ((d - s) * m + s * 256) >> 8 with the mask
// byte of the same channel; the result keeps dst's alpha byte.
inline uint32_t MaskRule(uint32_t dst, uint32_t image, uint32_t mask) {
  uint32_t out = dst & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const int32_t d = (dst >> shift) & 0xFF, s = (image >> shift) & 0xFF, m = (mask >> shift) & 0xFF;
    out |= uint32_t((((d - s) * m + s * 256) >> 8) & 0xFF) << shift;
  }
  return out;
}
// MaskRule over a run of pixels; alpha becomes 255 when opaque, else dst's alpha stays.
void MaskRuleRow(uint32_t* dst, const uint32_t* image, const uint32_t* mask, int32_t count, bool opaque);

// Copies the inclusive srcRect (clipped to src) to dstPoint, skipping pixels
// equal to ExchangeRedBlue(key) with alpha 0. Copied pixels keep all four bytes.
void CopyWithKey(PixelBuffer& dst, const PixelBuffer& src, TPoint dstPoint, const TRect& srcInclusive, TColor key);

// As CopyWithKey, but key pixels show the background: the parent picture
// (patch with a ready bitmap), nothing (a ready background), or the plain
// colour with alpha 0. When bg's bitmap is dst itself, copied pixels get alpha 255.
void CopyWithKeyOverBackground(PixelBuffer& dst, const PixelBuffer& src, TPoint dstPoint, const TRect& srcInclusive,
                               TColor key, const BackgroundInfo& bg, bool patch);

// Mixes dst toward the inclusive srcRect of src (placed at dstPoint): channels
// become trunc(s * (1 - w) + d * w); w is dst's weight. Source pixels equal
// to key (compared as given) leave dst alone; alpha is kept.
void BlendThrough(PixelBuffer& dst, TPoint dstPoint, TColor key, double w, const TRect& srcInclusive,
                  const PixelBuffer& src);

// Red, green and blue become (R + G + B) div 3; the keyed form skips
// pixels equal to ExchangeRedBlue(key).
void ToGrey(PixelBuffer& buffer);
void ToGrey(PixelBuffer& buffer, TColor key);
