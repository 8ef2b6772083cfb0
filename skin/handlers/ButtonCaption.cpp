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
