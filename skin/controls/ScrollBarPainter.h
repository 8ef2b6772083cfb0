#pragma once
// Paints a skinned scroll bar and the corner between two bars into a
// picture the size of the bar (or corner), over the window's background.
// Portable: the window glue lays the bars out (ScrollBarGeometry), gathers
// their state and copies the pictures to the window.
//
//   horizontal:  [SCROLLBTNLEFT][SCROLLBAR1H ... |SCROLLSLIDERH| ... SCROLLBAR2H][SCROLLBTNRIGHT]
//                                              ^ the two track sections meet at the thumb's centre
#include <cstdint>

#include "skin/controls/ScrollBarGeometry.h"
#include "skin/render/core/BackgroundInfo.h"
#include "skin/render/core/Color.h"
#include "skin/render/core/PixelBuffer.h"
#include "skin/paint/SkinPaintView.h"

struct TacSkinElements;

// The sections and images one bar is drawn from (-1: none).
struct ScrollBarSections {
  int32_t Track1 = -1, Track2 = -1;  // before and after the thumb's centre
  int32_t Arrow1 = -1, Arrow1Glyph = -1;  // up or left
  int32_t Arrow2 = -1, Arrow2Glyph = -1;  // down or right
  int32_t Thumb = -1, ThumbGlyph = -1;
};

struct ScrollBarSkin {
  SkinPaintView View;
  ScrollBarSections Horz, Vert;
  int32_t GripMask = -1;              // the skin's "GRIPIMAGE"
  TColor GlobalColor = clBtnFace;     // the skin's global colour
  bool ShiftContentOnClick = true;    // a pressed arrow moves by (1, 1)
  const ScrollBarSections& Of(bool vertical) const { return vertical ? Vert : Horz; }
  // Without "SCROLLBAR1H" the skin draws no bars.
  bool DrawsBars() const { return View.Section(Horz.Track1) != nullptr; }
};

ScrollBarSkin ScrollBarSkinOf(const SkinPaintView& view, const TacSkinElements& elements, TColor globalColor,
                              bool shiftContentOnClick);

struct ScrollBarLook {
  bool Vertical = false;
  ThumbLayout Thumb;           // from LayoutThumb
  int32_t ThumbStart = 0;      // Thumb.Start, or where a drag holds it
  int32_t Pressed = kPartNone;
  int32_t Hot = kPartNone;
  bool ThumbDragged = false;
  bool Enabled = true;
};

// Paints the bar into picture (thickness x length, rotated for a vertical
// bar). origin: the picture's place in the area bg describes. A disabled bar
// is blended with the background (0.6 background, 0.4 bar).
void PaintScrollBar(const ScrollBarSkin& skin, const ScrollBarLook& look, const BackgroundInfo& bg, TPoint origin,
                    PixelBuffer& picture);

struct ScrollCornerLook {
  int32_t State = 0;            // the binding's state: hot or focused 1, else 0
  bool EitherDisabled = false;  // a disabled bar greys the corner towards the section's text colour
  bool Grip = false;            // the corner is the window's size grip
};

// The corner between two bars: the first track section's colour while that
// section is not fully transparent (mixed 0.4 towards its text colour when a
// bar is disabled), else the background under it, or the global colour
// without a background picture; a size grip gets the grip image at its
// bottom-right.
void PaintScrollCorner(const ScrollBarSkin& skin, const ScrollCornerLook& look, const BackgroundInfo& bg,
                       TPoint origin, PixelBuffer& picture);
