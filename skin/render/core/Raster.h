#pragma once
// The raster operations of a drawing surface, done in portable code so that
// both builds give identical pixels: block copy, nearest-pixel stretch (pixels
// are dropped or repeated, never averaged), solid fill and the triangle
// gradient fill.
#include <cstdint>

#include "skin/render/core/Color.h"
#include "skin/render/core/Geometry.h"
#include "skin/render/core/PixelBuffer.h"

// Copies srcRect of src to dstPoint, all four bytes, clipped to both buffers.
// src may be dst itself (overlapping areas are copied as if through a copy).
void CopyPixels(PixelBuffer& dst, TPoint dstPoint, const PixelBuffer& src, const TRect& srcRect);

// Stretches srcRect of src over dstRect, nearest pixel: destination pixel i of
// a span of n takes source pixel (2i + 1) * m div 2n of a span of m. Source
// pixels outside src and destination pixels outside dst are skipped, and so
// are source pixels of the transparent colour (alpha aside) unless it is clNone.
void StretchPixels(PixelBuffer& dst, const TRect& dstRect, const PixelBuffer& src, const TRect& srcRect,
                   TColor transparent = clNone);

// A plain surface fill: the colour with alpha 0, as the platform's brush leaves it.
void SolidFill(PixelBuffer& dst, const TRect& rect, TColor rgb);

// A vertex of the triangle gradient: position in pixels, 16-bit channels (byte * 256).
struct GradientVertex {
  int32_t X = 0;
  int32_t Y = 0;
  uint16_t Red = 0;
  uint16_t Green = 0;
  uint16_t Blue = 0;
  uint16_t Alpha = 0;
};

// Fills the triangle with linearly interpolated vertex colours. A pixel is
// painted when its centre lies inside (top-left rule on edges, so triangles
// sharing an edge paint each pixel once); its bytes are the 16-bit values >> 8.
// Vertices beyond 2^20 pixels from the origin make it paint nothing.
void FillGradientTriangle(PixelBuffer& dst, const GradientVertex& a, const GradientVertex& b,
                          const GradientVertex& c);
