#pragma once
// Where a speed button puts its caption, glyph and drop-down arrow: a pure
// function of the button's size, its layout properties and the measured
// sizes of glyph and caption. Painting (skinned or not) and the drop-down
// hit test read the same rectangles.
#include <cstdint>

#include "skin/render/core/Geometry.h"
#include "toolkit/ButtonLayout.h"

// Width of the drop-down arrow part, in pixels.
constexpr int32_t kDropDownArrowWidth = 16;

struct SpeedButtonLayoutInput {
  int32_t Width = 0;
  int32_t Height = 0;
  TButtonLayout Layout = TButtonLayout::blGlyphLeft;
  TAlignment Alignment = TAlignment::taCenter;      // the glyph-and-caption block, glyph left/right only
  TAlignment TextAlignment = TAlignment::taCenter;  // the caption inside its rectangle
  int32_t Margin = -1;                              // below 0: the block is centred
  int32_t Spacing = 4;                              // between glyph and caption
  int32_t TextOffset = 0;                           // extra caption shift along the layout's axis
  int32_t SplitArrow = 0;   // width of a separate arrow part at the right (drop-down with a click handler)
  int32_t InlineArrow = 0;  // width of an arrow after the content (drop-down without one)
  TSize Glyph;              // one image of the glyph strip; 0 x 0 without glyph
  TSize Text;               // measured caption; 0 x 0 when no caption is shown
  bool ShowCaption = true;
  bool HasCaption = false;  // the caption text is not empty
  bool Reflected = false;   // the glyph is raised to leave room for its reflection
  bool Pressed = false;     // current state 2
  bool ShiftPressed = false;  // a pressed button moves its content by (1, 1)
};

struct SpeedButtonLayout {
  TRect Caption;  // the caption's rectangle; the text is aligned inside it
  TRect Glyph;    // the glyph's position, GW x GH
  TRect Arrow;    // the drop-down arrow; empty for buttons without one
};

// The width the caption may take when it is measured (0: no caption to measure).
int32_t CaptionWidthLimit(const SpeedButtonLayoutInput& in);

// The rectangles for painting: pressed content moved when ShiftPressed and Pressed.
SpeedButtonLayout LayoutSpeedButton(const SpeedButtonLayoutInput& in);
