#pragma once
// Internal helpers of the pixel operations: clipping of copy geometry and the
// row kernels (SSE2 where the compiler targets it, plain loops elsewhere; both
// give the same bytes).
#include <cstdint>

#include "skin/render/core/Geometry.h"
#include "skin/render/core/PixelBuffer.h"

// One rectangle of pixels to be carried from a source to a destination.
struct CopySpan {
  int32_t SrcX = 0, SrcY = 0, DstX = 0, DstY = 0, Width = 0, Height = 0;
  bool Empty() const { return Width <= 0 || Height <= 0; }
};

// Half-open srcRect placed at dst: starts below 0 on either side move both
// sides together; the result is cut to both buffers.
CopySpan ClipBothSides(const PixelBuffer& dst, TPoint dstPoint, const PixelBuffer& src, const TRect& srcRect);

// Inclusive srcRect cut to the source only (its start does not move the
// destination), then the destination rows and columns outside dst dropped.
CopySpan ClipSourceInclusive(const PixelBuffer& dst, TPoint dstPoint, const PixelBuffer& src,
                             const TRect& srcInclusive);

// The clipped half-open part of rect inside the buffer.
TRect ClipToBuffer(const PixelBuffer& buffer, const TRect& rect);

// count pixels of one value from dst on.
void FillRun(uint32_t* dst, int64_t count, uint32_t value);
// Fills a rectangle already clipped to the buffer.
void FillRect(PixelBuffer& buffer, const TRect& clipped, uint32_t value);
// Every byte: (d * k + s * (256 - k)) >> 8, k in 0..255.
void BlendRow(uint32_t* dst, const uint32_t* src, int32_t count, int32_t k);
// Pixels of src other than key replace dst.
void KeyCopyRow(uint32_t* dst, const uint32_t* src, int32_t count, uint32_t key);
