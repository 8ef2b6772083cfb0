#pragma once
// Section painting with a binding: the binding's section, custom colour,
// patterns and state limit, and for the full wrapper its corner images,
// border mask and colour filters.
#include <cstdint>

#include "skin/controls/sCommonData.h"
#include "skin/render/core/PixelBuffer.h"
#include "skin/render/core/BackgroundInfo.h"

// The background layers of the binding's section into rect of picture.
// offset: where rect lies in the area bg describes.
void PaintBindingBackground(const TsCommonData& binding, PixelBuffer& picture, const BackgroundInfo& bg,
                            TPoint offset, const TRect& rect, int32_t state);

// Background, corner images, border mask (updateCorners lets key-colour
// corners take the background) and the binding's colour filters.
void PaintBindingSection(const TsCommonData& binding, PixelBuffer& picture, const BackgroundInfo& bg, TPoint offset,
                         const TRect& rect, int32_t state, bool updateCorners);

// The border mask's frame pieces alone, without its centre, for hosts that lay
// the frame over their content (the centre belongs to the face under it).
void PaintBindingBorderFrame(const TsCommonData& binding, PixelBuffer& picture, const BackgroundInfo& bg,
                             TPoint offset, const TRect& rect, int32_t state);
