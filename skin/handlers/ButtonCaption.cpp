#include "skin/handlers/ButtonCaption.h"

#include <algorithm>

int32_t ButtonCaptionRoom(int32_t buttonWidth, bool hasCaption, int32_t glyphWidth) {
  if (!hasCaption) return 0;
  if (glyphWidth <= 0) return buttonWidth + 1;
  return std::max(0, buttonWidth - glyphWidth);
}

TRect CenteredCaptionRect(TSize button, TSize text, bool shifted) {
  // Integer division rounds toward zero, also for a text wider than the button.
  const int32_t x0 = (button.cx - text.cx) / 2, y0 = (button.cy - text.cy) / 2;
  TRect r{x0 - 1, y0, button.cx - x0 + 2, button.cy - y0};
  if (shifted) r = {r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
  return r;
}

bool CaptionShifts(bool pressed, bool skinned, bool shiftContentOnClick) {
  return pressed && (!skinned || shiftContentOnClick);
}

TRect FocusFrameRect(const TRect& caption, int32_t buttonHeight) {
  return {caption.Left - 2, std::max(caption.Top - 1, 3), caption.Right + 2,
          std::min(caption.Bottom + 1, buttonHeight - 3)};
}

GlyphCaptionLayout GlyphBesideCaption(TSize button, TSize glyph, TSize text, int32_t spacing, bool shifted) {
  if (glyph.cx <= 0 || glyph.cy <= 0) return {{}, CenteredCaptionRect(button, text, shifted)};
  const int32_t gap = text.cx > 0 ? spacing : 0;
  const int32_t shift = shifted ? 1 : 0;
  const int32_t left = (button.cx - (glyph.cx + gap + text.cx)) / 2 + shift;
  GlyphCaptionLayout l;
  l.Glyph = MakeRect(left, (button.cy - glyph.cy) / 2 + shift, glyph.cx, glyph.cy);
  l.Caption = MakeRect(l.Glyph.Right + gap, (button.cy - text.cy) / 2 + shift, text.cx, text.cy);
  return l;
}
