#pragma once
// Pixel work on a push button's finished picture: the disabled look and the
// dotted focus frame.
#include <cstdint>

#include "skin/render/core/BackgroundInfo.h"
#include "skin/render/core/Color.h"
#include "skin/render/core/Geometry.h"
#include "skin/render/core/PixelBuffer.h"

// The button's share when a disabled button is mixed into what lies under it.
inline constexpr double kDisabledButtonWeight = 0.4;

// A disabled button: over the parent's ready picture (position: the button's
// place in the area bg describes) 60 % of that picture shows through; else
// every pixel but the transparent key 0x00FF00FF is pulled 60 % toward the
// background's plain colour (parentColor when it names none). Alpha stays.
void MixDisabledButton(PixelBuffer& picture, TPoint position, const BackgroundInfo& bg, TColor parentColor);

// Every other pixel along the frame's four sides, starting one pixel in from
// each corner (clipped to the picture), opaque.
void DrawDottedFrame(PixelBuffer& picture, const TRect& frame, TColor color);
