#pragma once
// Glyph frames: one state image of a skin image drawn whole at a point
// (corner images, check marks, title-button icons, scroll arrows).
#include <cstdint>

#include "skin/render/core/BackgroundInfo.h"
#include "skin/render/core/PixelBuffer.h"
#include "skin/paint/SkinPaintView.h"

constexpr int32_t kGlyphNormalLook = 1;  // any other look is the faded one

// Draws frame min(state, FrameCount - 1) of mask with its top-left at point;
// a negative coordinate cuts that many columns or rows off the frame.
void PaintGlyphFrame(const SkinPaintView& skin, PixelBuffer& target, TPoint point, int32_t state,
                     const BackgroundInfo& bg, const TsMaskData& mask, int32_t look);
