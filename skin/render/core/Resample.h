#pragma once
// Smooth resizing of 32-bit buffers with a separable filter (rows, then columns).
#include <cstdint>

#include "skin/render/core/PixelBuffer.h"

// Filter kinds; the engine's own painters use rfMitchell.
enum TsResampleFilter : int { rfBox, rfTriangle, rfHermite, rfBell, rfBSpline, rfLanczos3, rfMitchell };

// dst becomes a newWidth x newHeight buffer holding src resampled with the
// filter. Nothing happens when a new size is not positive, when src is at most
// one pixel wide or high, or for an unknown filter; the same size copies src.
void Resample(const PixelBuffer& src, PixelBuffer& dst, int32_t newWidth, int filter, int32_t newHeight);
