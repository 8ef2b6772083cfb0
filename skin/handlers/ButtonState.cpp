#include "skin/handlers/ButtonState.h"

#include <algorithm>

int32_t ButtonState(const ButtonFacts& f) {
  if (f.Pressed) return kButtonPressed;
  if (!f.Enabled) return kButtonNormal;
  if (f.ToolkitButton) {
    if (!f.DesignTime && f.BindingActive) return kButtonHot;
    // A toolkit form's default button is drawn hot, as its own look would mark it.
    return f.Default ? kButtonHot : kButtonNormal;
  }
  if (f.Focused || f.HotWindow || f.BindingHasFocus) return kButtonHot;
  return f.Default ? kButtonDefault : kButtonNormal;
}

int32_t ButtonPaintState(int32_t buttonState, int32_t sectionStates) {
  if (buttonState == kButtonDefault && sectionStates < 4) return kButtonHot;
  return std::clamp(buttonState, 0, std::max(sectionStates - 1, 0));
}
