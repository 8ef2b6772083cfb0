#pragma once
// Textures: a skin image tiled or stretched over an area by its fill mode,
// plain or through the mask stored in the lower half of its source.
#include <cstdint>

#include "skin/render/core/BackgroundInfo.h"
#include "skin/render/core/PixelBuffer.h"
#include "skin/paint/SkinPaintView.h"

// Reported by PaintTexture when nothing of the area is left for the caller.
constexpr TRect kNothingRemains = {-1, -1, -1, -1};

// Fill modes of textures that the painters name.
constexpr int32_t kTextureTiled = 0;
constexpr int32_t kTextureWholeRows = 10;  // rows of tiles that fit whole in height

// A plain texture over area in fill mode mode. Returns the part of the area
// left for the caller to fill (kNothingRemains when none; the whole area when
// nothing could be painted).
TRect PaintTexture(const SkinPaintView& skin, PixelBuffer& target, const TRect& area, const TsMaskData& mask,
                   int32_t mode);

// A masked texture (modes 0 and 10). Mode 10 fills the strips no whole tile
// covers from bg. Returns false when the mode is not one of these or the
// record cannot be painted: the whole area is then left to the caller.
bool PaintMaskedTexture(const SkinPaintView& skin, PixelBuffer& target, const TRect& area, const BackgroundInfo& bg,
                        int32_t mode, const TsMaskData& mask);
