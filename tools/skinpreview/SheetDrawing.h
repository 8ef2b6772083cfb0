#pragma once
// Small drawing helpers of the contact sheet (not skin painting: the sheet's
// own paper, labels and the composition of pictures that carry alpha).
#include <cstdint>
#include <string_view>

#include "skin/data/SkinLoader.h"
#include "skin/render/core/BackgroundInfo.h"
#include "skin/render/core/PixelBuffer.h"
#include "skin/paint/SkinPaintView.h"
#include "skin/paint/SkinPaintViewOf.h"

inline constexpr uint32_t kPaper = 0xFFFFFFFFu;
inline constexpr uint32_t kInk = 0xFF303030u;
inline constexpr uint32_t kMutedInk = 0xFF8C8C8Cu;
inline constexpr uint32_t kParentSurface = 0xFFF0F0F0u;  // what controls stand on, as on a form

void FillArea(PixelBuffer& target, const TRect& rect, uint32_t pixel);
// A copy with every colour multiplied by its alpha, for pictures kept with straight alpha.
PixelBuffer Premultiplied(const PixelBuffer& source);
// Opaque pixel value of a colour reference (system colours resolved).
uint32_t PixelOf(TColor color);

// A ready background that is the target itself, for painting in place.
BackgroundInfo InPlaceBackground(const PixelBuffer& target, const TRect& area);

int32_t SectionIndexOf(const LoadedSkin& skin, std::string_view name);
// Text colour of a section's state, for labels drawn in a section's colours.
uint32_t SectionTextPixel(const LoadedSkin& skin, int32_t sectionIndex, int32_t state);
