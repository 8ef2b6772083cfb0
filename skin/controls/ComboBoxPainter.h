#pragma once
// The parts of a closed combo box's picture that every skinned combo box
// shares, the engine's own and the handler of plain combo box windows: the
// drop-down button (the "COMBOBTN" face outside button look, then the
// section's glyph or the small arrow) and the selection behind the current
// or a selected item. Portable: callers lay the box out (ComboBoxLayout) and
// write the item texts.
#include <cstdint>

#include "skin/paint/SkinPaintView.h"
#include "skin/render/core/Color.h"
#include "skin/render/core/PixelBuffer.h"

struct ComboPaintSkin {
  SkinPaintView View;
  int32_t Section = -1;      // the control's section: its font colour draws the arrow
  int32_t Glyph = -1;        // that section's "GLYPHMASK"
  int32_t ComboButton = -1;  // the skin's "COMBOBTN"
  int32_t Selection = -1;    // the skin's "SELECTION"
};

// The button into its rectangle of cache (the control's picture) in state.
// Outside button look a skin's "COMBOBTN" face goes under the glyph; the
// glyph is centred in the control's height, and a section without one (or
// one that gives its own font) gets the arrow in its font colour instead.
void PaintComboButton(const ComboPaintSkin& skin, bool buttonLook, const TRect& button, int32_t controlHeight,
                      int32_t state, PixelBuffer& cache);

// The selection over the whole of item: the "SELECTION" section in state 1
// over what item holds, else a fill with fallback. True when the section painted it.
bool PaintComboSelection(const ComboPaintSkin& skin, TColor fallback, PixelBuffer& item);
