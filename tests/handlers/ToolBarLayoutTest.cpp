#include "skin/handlers/ToolBarLayout.h"

#include <gtest/gtest.h>

#include "tests/controls/RectPrinter.h"

namespace {

TEST(ToolBarLayoutTest, ButtonStates) {
  struct Case {
    const char* name;
    ToolButtonFacts facts;
    int32_t state;
  };
  const Case cases[] = {
      {"normal", {}, 0},
      {"hot", {.Hot = true}, 1},
      {"hot but disabled", {.Hot = true, .Enabled = false}, 0},
      {"pressed", {.Hot = true, .Pressed = true}, 2},
      {"checked, pointer away", {.Checked = true}, 2},
      {"separator under the pointer", {.Hot = true, .Separator = true}, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ToolButtonState(c.facts), c.state) << c.name;
}

TEST(ToolBarLayoutTest, ImageAndTextPlaces) {
  const TRect button{10, 0, 50, 40};
  // Image alone: centred both ways.
  EXPECT_EQ(LayoutToolButton(button, {16, 16}, false, false, false).Image, (TRect{22, 12, 38, 28}));
  // Image above text.
  const ToolButtonContent above = LayoutToolButton(button, {16, 16}, true, false, false);
  EXPECT_EQ(above.Image, (TRect{22, 3, 38, 19}));
  EXPECT_EQ(above.Text, (TRect{13, 21, 47, 37}));
  // List style: image at the left, text after it.
  const ToolButtonContent beside = LayoutToolButton(button, {16, 16}, true, true, false);
  EXPECT_EQ(beside.Image, (TRect{13, 12, 29, 28}));
  EXPECT_EQ(beside.Text, (TRect{31, 0, 47, 40}));
  // Pressed: everything one pixel right and down.
  EXPECT_EQ(LayoutToolButton(button, {16, 16}, false, false, true).Image, (TRect{23, 13, 39, 29}));
  // No image, no text: nothing.
  const ToolButtonContent none = LayoutToolButton(button, {}, false, false, false);
  EXPECT_TRUE(none.Image.IsEmpty());
  EXPECT_TRUE(none.Text.IsEmpty());
}

TEST(ToolBarLayoutTest, DividerIsCentredAndBounded) {
  EXPECT_EQ(DividerRect({40, 0, 48, 30}, false, 2), (TRect{43, 2, 45, 28}));
  EXPECT_EQ(DividerRect({0, 40, 30, 48}, true, 2), (TRect{2, 43, 28, 45}));
  EXPECT_EQ(DividerRect({40, 0, 48, 30}, false, 500), (TRect{40, 2, 48, 28}));  // a skin's huge image fits
  EXPECT_EQ(DividerRect({40, 0, 48, 30}, false, -3), (TRect{43, 2, 44, 28}));   // and a bad one is a line
}

}  // namespace
