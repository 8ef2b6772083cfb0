#pragma once
// Which of the skin's well-known box images a check box or radio button shows,
// and where its glyph and caption go.
//
//   +----------------------------------+
//   |[x] caption                       |  the glyph at the left, centred
//   +----------------------------------+  vertically; the caption 4 pixels after it
#include <cstdint>
#include <string_view>

#include "skin/render/core/Geometry.h"

enum class CheckMark { Unchecked, Checked, Grayed };

// "BOXUNCHECKED", "BOXCHECKED", "BOXGRAYED", "RADIOUNCHECKED" or "RADIOCHECKED";
// a radio button has no third look and shows unchecked.
std::string_view CheckGlyphKey(bool radio, CheckMark mark);

// The state image of the glyph: 2 pressed, 1 hot, else 0.
int32_t CheckGlyphState(bool pressed, bool hot);

inline constexpr int32_t kCheckCaptionSpacing = 4;

struct CheckBoxLayout {
  TRect Glyph;
  TRect Caption;  // the rest of the box after the glyph
};
CheckBoxLayout LayCheckBox(TSize box, TSize glyph);

// A group box: the frame runs through the middle of the caption's line, and the
// caption (with a 2-pixel gap each side) sits 8 pixels from the left.
struct GroupBoxLayout {
  TRect Frame;
  TRect Caption;     // the text
  TRect CaptionGap;  // where the frame is left out
};
GroupBoxLayout LayGroupBox(TSize box, TSize text);
