#include "skin/handlers/CheckGlyph.h"

#include <algorithm>

std::string_view CheckGlyphKey(bool radio, CheckMark mark) {
  if (radio) return mark == CheckMark::Checked ? "RADIOCHECKED" : "RADIOUNCHECKED";
  switch (mark) {
    case CheckMark::Checked: return "BOXCHECKED";
    case CheckMark::Grayed:  return "BOXGRAYED";
    default:                 return "BOXUNCHECKED";
  }
}

int32_t CheckGlyphState(bool pressed, bool hot) { return pressed ? 2 : hot ? 1 : 0; }

CheckBoxLayout LayCheckBox(TSize box, TSize glyph) {
  CheckBoxLayout l;
  l.Glyph = MakeRect(0, (box.cy - glyph.cy) / 2, glyph.cx, glyph.cy);
  const int32_t left = glyph.cx > 0 ? glyph.cx + kCheckCaptionSpacing : 0;
  l.Caption = {left, 0, std::max(left, box.cx), box.cy};
  return l;
}

GroupBoxLayout LayGroupBox(TSize box, TSize text) {
  constexpr int32_t kCaptionLeft = 8, kGap = 2;
  GroupBoxLayout l;
  l.Frame = {0, text.cy / 2, box.cx, std::max(text.cy / 2, box.cy)};
  if (text.cx > 0) {
    l.Caption = MakeRect(kCaptionLeft, 0, text.cx, text.cy);
    l.CaptionGap = {kCaptionLeft - kGap, 0, kCaptionLeft + text.cx + kGap, text.cy};
  }
  return l;
}
