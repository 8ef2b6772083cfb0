#pragma once
// The glyph of a button or menu item: one image of a strip chosen by state,
// laid over a picture with its own alpha, greyed or made transparent on request.
#include <cstdint>

#include "skin/render/core/Geometry.h"
#include "skin/render/core/PixelBuffer.h"

struct ButtonGlyphInput {
  const PixelBuffer* Strip = nullptr;  // NumGlyphs equal images side by side, straight alpha
  int32_t NumGlyphs = 1;
  int32_t State = 0;         // 0 normal, 1 hot, 2 pressed
  bool Enabled = true;
  int32_t Blend = 0;         // percent of transparency, state 0 only; clamped to 0..100
  bool Grayed = false;
  bool StdGlyphsOrder = false;  // images: normal, disabled, pressed
};

// Which image of the strip the state shows.
int32_t GlyphImageIndex(const ButtonGlyphInput& in);

// Draws the chosen image with its top-left at rect's; an empty strip draws nothing.
void PaintButtonGlyph(PixelBuffer& target, const TRect& rect, const ButtonGlyphInput& in);
