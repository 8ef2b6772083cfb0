#pragma once
// Tool bar buttons painted from the skin: which state a button's
// "TOOLBUTTON" face takes and where its image and text go inside it.
// Portable: the handler reads the buttons from the tool bar window.
//
//   image above text (the default)     image beside text (list style)
//   +-----------+                      +---------------------+
//   |  [image]  |                      | [image] text        |
//   |   text    |                      +---------------------+
//   +-----------+
#include <cstdint>

#include "skin/render/core/Geometry.h"

struct ToolButtonFacts {
  bool Hot = false;        // the tool bar's hot item
  bool Pressed = false;    // held down
  bool Checked = false;    // a check button that is down
  bool Enabled = true;
  bool Separator = false;  // drawn as a divider, not a button
};

// The face's state: 2 pressed or checked, 1 hot (enabled only), else 0 (no face with the usual skins).
int32_t ToolButtonState(const ToolButtonFacts& facts);

struct ToolButtonContent {
  TRect Image;  // empty without an image
  TRect Text;   // empty without a text
};

// Where the image (of imageSize) and the text go inside button. A pressed
// button's content moves by one pixel right and down.
ToolButtonContent LayoutToolButton(const TRect& button, TSize imageSize, bool hasText, bool list, bool pressed);

// A divider of the given thickness (the skin's divider image; bounded to the
// separator, at least 1) stands centred in its separator, inset from its ends;
// vertical bars get a horizontal one.
TRect DividerRect(const TRect& separator, bool vertical, int32_t thickness);
