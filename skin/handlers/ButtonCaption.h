#pragma once
// Where a push button's caption and its dotted focus frame go, from the
// button's size and the measured text.
//
//   +---------------------------+  x0 = (w - tw) div 2, y0 = (h - th) div 2
//   |   (x0-1,y0)+---------+    |  the caption box spans x0-1 .. w-x0+2
//   |            | caption |    |  and y0 .. h-y0; the focus frame is that
//   |            +---------+    |  box grown by (2, 1), kept 3 pixels inside
//   +---------------------------+  the top and bottom edges.
#include <cstdint>

#include "skin/render/core/Geometry.h"

// The width the caption is measured in: 0 without caption; the whole button
// (and one more) without glyph; else what the glyph leaves, at least 0.
int32_t ButtonCaptionRoom(int32_t buttonWidth, bool hasCaption, int32_t glyphWidth);

// The centred caption box; shifted: moved by (1, 1) while pressed.
TRect CenteredCaptionRect(TSize button, TSize text, bool shifted);

// The caption moves with a press unless the button is skinned and the skin's
// buttons keep their content still.
bool CaptionShifts(bool pressed, bool skinned, bool shiftContentOnClick);

// The rectangle of the dotted focus frame around a caption box.
TRect FocusFrameRect(const TRect& caption, int32_t buttonHeight);

// A glyph left of the caption, the two centred together as one group with
// spacing pixels between them; shifted: both moved by (1, 1).
struct GlyphCaptionLayout {
  TRect Glyph;
  TRect Caption;
};
GlyphCaptionLayout GlyphBesideCaption(TSize button, TSize glyph, TSize text, int32_t spacing, bool shifted);
