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

// AC_PAINTOUTER: a parent's finished picture, to receive the outer effect (a
// shadow image around the host) of one of its children.
struct TacOuterPaintRequest {
  PixelBuffer* Picture = nullptr;
  TPoint Offset;       // added to the host's position in its parent to place it in Picture
  uint32_t Flags = 0;  // kOuterFromKeptBackground
};
// The shadow is laid over the background kept from the last painting and copied
// in, so that painting it again does not darken it twice.
inline constexpr uint32_t kOuterFromKeptBackground = 0x100;

// The largest shadow offset taken from a skin (pixels on each side).
inline constexpr int32_t kMaxOuterOffset = 255;

// Paints the host's outer effect into the request's picture: only for a skinned
// host that shows outer effects always, from its section's shadow image or the
// skin-wide one its section names. The area under it is kept in OuterPicture.
void PaintBindingOuterEffect(TsCommonData& binding, const TacOuterPaintRequest& request);
