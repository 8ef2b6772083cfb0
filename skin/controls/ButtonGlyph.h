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

// When a speed button's glyph is drawn grey: always with gmAlways; with
// Grayed, or the manager's discoloured glyphs, in the normal state only; and
// disabled when the disabled look greys. Without a skin manager Grayed greys
// in every state.
enum class TacGrayedMode { gmAlways, gmInactive };
struct GlyphGrayInput {
  bool HasManager = true;
  TacGrayedMode Mode = TacGrayedMode::gmInactive;
  bool Grayed = false;
  bool DiscoloredGlyphs = false;  // the manager's effect
  int32_t State = 0;
  bool Enabled = true;
  bool DisabledGrays = false;     // the button's disabled look contains grey
};
bool GlyphGrayed(const GlyphGrayInput& in);

// Which image of the strip the state shows.
int32_t GlyphImageIndex(const ButtonGlyphInput& in);

// Draws the chosen image with its top-left at rect's; an empty strip draws nothing.
void PaintButtonGlyph(PixelBuffer& target, const TRect& rect, const ButtonGlyphInput& in);
