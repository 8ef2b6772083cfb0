#include "skin/controls/ComboBoxLayout.h"

#include <algorithm>

ComboLayout LayoutComboBox(const ComboLayoutInput& in) {
  const int32_t width = std::max(in.Width, 0), height = std::max(in.Height, 0);
  // The skin's margin may be anything: it keeps the button inside the control.
  const int32_t m = std::clamp(in.ComboMargin, 0, std::min(width, height) / 2);
  int32_t w = 0;
  if (!in.Simple && in.ShowButton) w = std::max(in.SystemScrollWidth, in.ScrollSize) - 1;
  w = std::clamp(w, 0, width - 2 * m);
  ComboLayout out;
  const int32_t left = in.RightToLeft ? m : width - w - m;
  out.Button = {left, m, left + w, height - m};
  const int32_t top = kComboTextInset, bottom = std::max(top, height - kComboTextInset);
  if (in.RightToLeft) {
    const int32_t textLeft = out.Button.Right + kComboTextGap;
    out.Text = {textLeft, top, std::max(textLeft, width - kComboTextInset), bottom};
  } else {
    out.Text = {kComboTextInset, top, std::max(kComboTextInset, out.Button.Left - kComboTextGap), bottom};
  }
  return out;
}

TPoint ComboGlyphPosition(const TRect& button, int32_t controlHeight, TSize glyph) {
  return {button.Left + (button.Width() - glyph.cx) / 2, (controlHeight - glyph.cy) / 2};
}

bool ComboButtonLook(bool dropDownListOrOwnerDraw, bool sectionNamed) { return dropDownListOrOwnerDraw && !sectionNamed; }

int32_t ComboCacheState(const ComboStateInput& in) {
  if (in.Dropped && in.ButtonLook) return 2;
  if (in.Active || (in.ButtonLook && in.PointerInside)) return 1;
  return 0;
}

int32_t ComboButtonState(const ComboStateInput& in) {
  if (in.Dropped) return 2;
  if (in.PointerOverButton || (in.ButtonLook && (in.PointerInside || in.HasFocus))) return 1;
  return 0;
}

int32_t ComboEditItemState(const ComboStateInput& in) {
  return in.Active || in.Focused || (in.ButtonLook && in.PointerInside) ? 1 : 0;
}

uint32_t ComboItemTextFlags(TAlignment alignment, TVerticalAlignment vertical, bool rightToLeft) {
  uint32_t flags = kItemTextSingleLine | kItemTextNoPrefix | kItemTextNoClip | kItemTextExpandTabs;
  if (rightToLeft) flags |= kItemTextRight | kItemTextRtlReading;
  if (vertical == TVerticalAlignment::taAlignBottom) flags |= kItemTextBottom;
  if (vertical == TVerticalAlignment::taVerticalCenter) flags |= kItemTextVCenter;
  if (alignment == TAlignment::taRightJustify) flags |= kItemTextRight;
  if (alignment == TAlignment::taCenter) flags |= kItemTextCenter;
  return flags;
}

bool ComboItemAsSelection(bool editPart, bool selected, bool buttonLook) {
  return selected && (!editPart || !buttonLook);
}
