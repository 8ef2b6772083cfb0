#include "skin/handlers/ComboWindowRules.h"

#include <gtest/gtest.h>

namespace {

TEST(ComboWindowRulesTest, StyleDecidesWhatTheHandlerPaints) {
  struct Case {
    uint32_t style;
    ComboWindowPaint paint;
  };
  constexpr uint32_t simple = 0x1, dropDown = 0x2, dropDownList = 0x3, fixed = 0x10, variable = 0x20;
  const Case cases[] = {
      {0, ComboWindowPaint::System},  // no type is taken as simple
      {simple, ComboWindowPaint::System},
      {simple | fixed, ComboWindowPaint::System},
      {dropDown, ComboWindowPaint::FrameAndButton},
      {dropDown | fixed, ComboWindowPaint::FrameAndButton},  // the edit shows the text all the same
      {dropDownList, ComboWindowPaint::Whole},
      {dropDownList | fixed, ComboWindowPaint::WholeByOwner},
      {dropDownList | variable, ComboWindowPaint::WholeByOwner},
      {dropDownList | 0x50000000, ComboWindowPaint::Whole},  // window styles above do not count
  };
  for (const Case& c : cases) EXPECT_EQ(c.paint, ComboPaintOf(c.style)) << std::hex << c.style;
}

}  // namespace
