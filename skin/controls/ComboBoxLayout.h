#pragma once
// Where a skinned combo box puts its drop-down button and its current item,
// which state its picture, its button and its items are painted in, and the
// text flags of its items: pure functions of sizes, skin values and the
// control's flags. The window side gathers those and paints.
//
//   closed combo box, client coordinates (m = the skin's combo margin):
//   +-----------------------------------------+
//   |  3                             2 |      | m
//   | 3  text rectangle                | btn  |
//   |  3                               |      | m
//   +-----------------------------------------+
//                                         w    m
#include <cstdint>

#include "skin/render/core/Geometry.h"
#include "toolkit/ButtonLayout.h"

enum class TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };

// Formatted-text flags of item texts (the platform's values).
inline constexpr uint32_t kItemTextCenter = 0x0001;
inline constexpr uint32_t kItemTextRight = 0x0002;
inline constexpr uint32_t kItemTextVCenter = 0x0004;
inline constexpr uint32_t kItemTextBottom = 0x0008;
inline constexpr uint32_t kItemTextSingleLine = 0x0020;
inline constexpr uint32_t kItemTextExpandTabs = 0x0040;
inline constexpr uint32_t kItemTextNoClip = 0x0100;
inline constexpr uint32_t kItemTextNoPrefix = 0x0800;
inline constexpr uint32_t kItemTextRtlReading = 0x20000;

// Inset of the current item's rectangle from the control's edges, and its gap to the button.
inline constexpr int32_t kComboTextInset = 3;
inline constexpr int32_t kComboTextGap = 2;
// Item texts stand this far in from their rectangle's sides.
inline constexpr int32_t kComboItemTextInset = 2;
// Glyph height assumed without a glyph image.
inline constexpr int32_t kComboDefaultGlyphHeight = 16;

struct ComboLayoutInput {
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t SystemScrollWidth = 17;  // the system's vertical scroll bar width
  int32_t ScrollSize = -1;         // the manager's option; negative: not set
  int32_t ComboMargin = 2;         // the skin's value, bounded here to the control
  bool ShowButton = true;
  bool Simple = false;             // an always-open list: no button
  bool RightToLeft = false;
};

struct ComboLayout {
  TRect Button;  // empty (zero width) without a button
  TRect Text;    // the current item's rectangle
};

ComboLayout LayoutComboBox(const ComboLayoutInput& in);

// Where the glyph of the button goes: centred across the button, centred in the control's height.
TPoint ComboGlyphPosition(const TRect& button, int32_t controlHeight, TSize glyph);

// The drop-down list, a list, owner-drawn item styles without their own
// section draw as a button.
bool ComboButtonLook(bool dropDownListOrOwnerDraw, bool sectionNamed);

// What the states depend on.
struct ComboStateInput {
  bool ButtonLook = false;
  bool Dropped = false;        // the list is open
  bool Active = false;         // the binding counts the control as hot (focus)
  bool Focused = false;        // the focus is on the control, or its binding says so
  bool HasFocus = false;       // the binding's focus flag
  bool PointerInside = false;
  bool PointerOverButton = false;
};

// The closed picture's section state: 2 open (button look), 1 active or pointer inside (button look), else 0.
int32_t ComboCacheState(const ComboStateInput& in);
// The button's state: 2 open, 1 pointer over it (or over the control, or focused, in button look), else 0.
int32_t ComboButtonState(const ComboStateInput& in);
// The current item's state t: 1 active, focused or (button look) pointer inside, else 0.
int32_t ComboEditItemState(const ComboStateInput& in);

// The flags an item text is written with.
uint32_t ComboItemTextFlags(TAlignment alignment, TVerticalAlignment vertical, bool rightToLeft);

// Whether an item is painted as the selection: a selected list item, or a
// selected current item outside button look.
bool ComboItemAsSelection(bool editPart, bool selected, bool buttonLook);
