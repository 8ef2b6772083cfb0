#pragma once
// Multi-step gradients of skin sections: the option value, its parsed steps
// and the painters (vertical bands, horizontal bands, four triangles, and a
// gradient with a tiled texture laid over it in one pass).
#include <cstdint>
#include <string_view>
#include <vector>

#include "skin/render/core/Color.h"
#include "skin/render/core/Geometry.h"
#include "skin/render/core/PixelBuffer.h"

struct TsGradPoint {
  TColor Color1 = 0;    // RGB at the start of the band
  TColor Color2 = 0;    // RGB at the end of the band
  uint8_t Percent = 0;  // band length, 0..100 percent of the rectangle's height or width
  int32_t Mode = 0;     // of the first step only: 0 vertical bands, 1 horizontal, 2 four triangles
};
using TsGradArray = std::vector<TsGradPoint>;

// Parses "c1;c2;percent;mode;x;..." (runs of ';' are one separator, five
// fields a step, surplus fields ignored). Raises ESkinError when a used field
// is not a 32-bit decimal integer.
TsGradArray ParseGradient(std::string_view text);

// Paints the gradient into rect (clipped); painted pixels get alpha 255.
void PaintGradient(PixelBuffer& buffer, const TRect& rect, const TsGradArray& gradient);

// Gradient and tiled texture in one pass (modes 0 and 1): each channel becomes
// (textureWeight * (t - g) + g * 256) >> 8 and alpha the given one. The texture
// tile is textureRect of textureImage (the whole image when empty), anchored at
// the buffer's origin.
void PaintGradientWithTexture(PixelBuffer& buffer, const TRect& rect, const TsGradArray& gradient, uint8_t alpha,
                              int textureWeight, const TRect& textureRect, const PixelBuffer& textureImage);
