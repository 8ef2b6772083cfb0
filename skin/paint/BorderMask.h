#pragma once
// The nine-slice border of a skin image: corners copied, edges and centre
// tiled or stretched, every piece blended through its own mask when the image
// has one. Painters never fail: bad records, empty or tiny areas paint nothing.
#include <cstdint>

#include "skin/render/core/BackgroundInfo.h"
#include "skin/render/core/PixelBuffer.h"
#include "skin/paint/SkinPaintView.h"

// PaintMode bits of a border image.
constexpr int16_t kBorderStretch = 1;      // edges and centre stretched, else tiled
constexpr int16_t kBorderHotOnly = 2;      // nothing painted in state 0
constexpr int16_t kBorderPaintCentre = 4;  // the centre piece is painted, else left to the background

// How pieces set the alpha byte: opaque pictures get 255; pictures shown by
// the system with per-pixel alpha take it from the mask. A shadow is laid over
// its background like FromMask, at the mask's opacity scaled by its own.
enum class MaskAlpha { Opaque, FromMask, Shadow };

// The background of pieces that must not see the real one (tiled pieces of a
// masked image): no picture, nothing known.
BackgroundInfo EmptyBackground();

// The nine-slice border of mask over rect, for state. updateCorners lets
// key-colour corner pixels take the background when the image has such corners.
// shadowOpacity (0..255) is used with MaskAlpha::Shadow only.
void PaintBorderMask(const SkinPaintView& skin, PixelBuffer& target, const TRect& rect, const BackgroundInfo& bg,
                     bool updateCorners, int32_t state, const TsMaskData& mask,
                     MaskAlpha alpha = MaskAlpha::Opaque, int32_t shadowOpacity = 255);

// The masked piece copy: source piece of image to dest, each pixel mixed by
// the mask pixel maskOffset rows below it. cornerFlag lets key pixels take the
// background (a ready picture) or its plain colour.
void CopyMaskedPiece(PixelBuffer& target, const PixelBuffer& image, const TRect& dest, const TRect& source,
                     int32_t maskOffset, bool cornerFlag, const BackgroundInfo& bg);

// The masked stretch: source piece and its mask (maskOffset rows below, 0 for
// none) brought to the size of dest and mixed into the target. Pieces shrunk
// along one side, and centres, are resampled smoothly; others use the nearest pixel.
void StretchMaskedPiece(PixelBuffer& target, const PixelBuffer& image, const TRect& dest, const TRect& source,
                        int32_t maskOffset, bool centre);
