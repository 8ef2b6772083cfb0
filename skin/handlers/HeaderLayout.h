#pragma once
// A list view's column header painted from the skin: each item in its state
// (pressed while held under the pointer, hot under the pointer, else normal),
// the room right of the last item as one more normal item, and item texts
// aligned as their format asks. Portable: the handler reads the items'
// rectangles and texts from the header window.
#include <cstdint>
#include <vector>

#include "skin/paint/SkinPaintView.h"
#include "skin/render/core/BackgroundInfo.h"
#include "skin/render/core/PixelBuffer.h"

// Item texts stand this far in from their item's sides.
inline constexpr int32_t kHeaderTextInset = 6;

struct HeaderLook {
  std::vector<TRect> Items;  // in header coordinates, in display order
  int32_t Hot = -1;          // the item under the pointer, -1 none
  int32_t Pressed = -1;      // the item held down, -1 none
};

int32_t HeaderItemState(const HeaderLook& look, int32_t index);

// The room right of the last item (empty when the items reach the header's right edge).
TRect HeaderFiller(const std::vector<TRect>& items, TSize header);

// The formatted-text flags of an item's text from its format's alignment bits (left 0, right 1, centre 2).
uint32_t HeaderTextFlags(uint32_t format);

// The items and the filler into picture (the header's size), over bg.
void PaintHeader(const SkinPaintView& skin, int32_t section, const HeaderLook& look, const BackgroundInfo& bg,
                 PixelBuffer& picture);
