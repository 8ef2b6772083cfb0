#pragma once
// Section painting with meaningful alpha, for pictures the system composes
// with per-pixel alpha (the border window around a form), and the patching of
// a control picture's transparent corners with its parent's background.
#include <cstdint>

#include "skin/paint/BackgroundRequest.h"
#include "skin/render/core/PixelBuffer.h"
#include "skin/paint/SkinPaintView.h"

// The section in rect with alpha from its transparency and border mask;
// premultiplied when rect covers the whole target.
void PaintSectionLayered(const SkinPaintView& skin, int32_t sectionIndex, int32_t state, PixelBuffer& target,
                         const TRect& rect);

// Corner bits of PatchCorners.
constexpr int32_t kCornerTopLeft = 1;
constexpr int32_t kCornerBottomLeft = 2;
constexpr int32_t kCornerTopRight = 4;
constexpr int32_t kCornerBottomRight = 8;

// Replaces the pixels of picture (the host's, host wide and high) under the
// key-colour pixels of the border's corners in state with the parent's
// answer: its picture (answer offsets already include the host's position) or
// its colour. The binding asks the parent without drawing and passes the answer.
void PatchCorners(const SkinPaintView& skin, PixelBuffer& picture, TSize host, const TsMaskData* border,
                  int32_t state, int32_t corners, const BackgroundRequest& answer);
