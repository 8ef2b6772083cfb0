#pragma once
// The small arrow of drop-down buttons, combo buttons and scroll-bar arrows
// without a glyph image.
#include <cstdint>

#include "skin/render/core/Color.h"
#include "skin/paint/PaintGeometry.h"
#include "skin/render/core/PixelBuffer.h"

// A solid triangle 7 pixels across and 4 deep, centred in rect; direction 0
// left, 1 up, 2 right, 3 down, anything else draws nothing.
void DrawArrow(PixelBuffer& surface, TColor color, const TRect& rect, int32_t direction);
