#include "skin/handlers/ComboWindowRules.h"

namespace {

// The platform's combo box styles.
constexpr uint32_t kTypeMask = 0x3, kDropDown = 0x2, kDropDownList = 0x3;
constexpr uint32_t kOwnerDrawn = 0x10 | 0x20;  // fixed or variable item heights

}  // namespace

ComboWindowPaint ComboPaintOf(uint32_t style) {
  switch (style & kTypeMask) {
    case kDropDown: return ComboWindowPaint::FrameAndButton;
    case kDropDownList: return (style & kOwnerDrawn) ? ComboWindowPaint::WholeByOwner : ComboWindowPaint::Whole;
    default: return ComboWindowPaint::System;  // simple, or no type, which the system takes as simple
  }
}
