#include "skin/controls/ComboBoxLayout.h"

#include <gtest/gtest.h>

#include "tests/controls/RectPrinter.h"

namespace {

ComboLayoutInput Combo(int32_t w, int32_t h) {
  ComboLayoutInput in;
  in.Width = w;
  in.Height = h;
  return in;
}

TEST(ComboBoxLayoutTest, ButtonAndTextRectangles) {
  struct Case {
    const char* name;
    ComboLayoutInput in;
    TRect button, text;
  };
  ComboLayoutInput years = Combo(81, 21);  // the main window's year list at 96 dpi
  ComboLayoutInput wide = Combo(101, 26);  // the same at 120 dpi: the system's bar is wider too
  wide.SystemScrollWidth = 21;
  ComboLayoutInput option = Combo(81, 21);
  option.ScrollSize = 25;  // the manager's scroll size wins when larger
  ComboLayoutInput smaller = Combo(81, 21);
  smaller.ScrollSize = 10;
  ComboLayoutInput rtl = Combo(81, 21);
  rtl.RightToLeft = true;
  ComboLayoutInput noButton = Combo(81, 21);
  noButton.ShowButton = false;
  ComboLayoutInput simple = Combo(81, 23);
  simple.Simple = true;
  ComboLayoutInput margin0 = Combo(81, 21);
  margin0.ComboMargin = 0;
  ComboLayoutInput hugeMargin = Combo(81, 21);
  hugeMargin.ComboMargin = 1000000;
  ComboLayoutInput negativeMargin = Combo(81, 21);
  negativeMargin.ComboMargin = -50;
  ComboLayoutInput narrow = Combo(12, 21);  // narrower than the button
  ComboLayoutInput empty = Combo(0, 0);
  const Case cases[] = {
      // 16 wide (17 - 1), 2 in from the right; the text from 3 to 2 before the button.
      {"years", years, {63, 2, 79, 19}, {3, 3, 61, 18}},
      {"120 dpi", wide, {79, 2, 99, 24}, {3, 3, 77, 23}},
      {"scroll size option", option, {55, 2, 79, 19}, {3, 3, 53, 18}},
      {"smaller scroll size", smaller, {63, 2, 79, 19}, {3, 3, 61, 18}},
      {"right to left", rtl, {2, 2, 18, 19}, {20, 3, 78, 18}},
      {"no button", noButton, {79, 2, 79, 19}, {3, 3, 77, 18}},
      {"simple", simple, {79, 2, 79, 21}, {3, 3, 77, 20}},
      {"margin 0", margin0, {65, 0, 81, 21}, {3, 3, 63, 18}},
      {"huge margin", hugeMargin, {55, 10, 71, 11}, {3, 3, 53, 18}},
      {"negative margin", negativeMargin, {65, 0, 81, 21}, {3, 3, 63, 18}},
      {"narrow", narrow, {2, 2, 10, 19}, {3, 3, 3, 18}},
      {"empty", empty, {0, 0, 0, 0}, {3, 3, 3, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ComboLayout l = LayoutComboBox(c.in);
    EXPECT_EQ(l.Button, c.button);
    EXPECT_EQ(l.Text, c.text);
    EXPECT_GE(l.Button.Left, 0);
    EXPECT_LE(l.Button.Right, std::max(c.in.Width, 0));
  }
}

TEST(ComboBoxLayoutTest, GlyphIsCentredInTheButtonAndTheControlsHeight) {
  EXPECT_EQ(ComboGlyphPosition({63, 2, 79, 19}, 21, {16, 16}), (TPoint{63, 2}));
  EXPECT_EQ(ComboGlyphPosition({63, 2, 79, 19}, 21, {9, 9}), (TPoint{66, 6}));
  EXPECT_EQ(ComboGlyphPosition({79, 2, 99, 24}, 26, {16, 16}), (TPoint{81, 5}));
}

TEST(ComboBoxLayoutTest, StatesOfPictureButtonAndCurrentItem) {
  struct Case {
    const char* name;
    ComboStateInput in;
    int32_t cache, button, item;
  };
  auto look = [](ComboStateInput s) {
    s.ButtonLook = true;
    return s;
  };
  ComboStateInput none;
  ComboStateInput pointer;
  pointer.PointerInside = true;
  ComboStateInput overButton = pointer;
  overButton.PointerOverButton = true;
  ComboStateInput focused;
  focused.Active = focused.Focused = focused.HasFocus = true;
  ComboStateInput dropped = focused;
  dropped.Dropped = true;
  const Case cases[] = {
      {"normal", none, 0, 0, 0},
      {"button look, normal", look(none), 0, 0, 0},
      // An edit-like combo box is hot only by focus; as a button the pointer makes it hot.
      {"pointer over the control", pointer, 0, 0, 0},
      {"button look, pointer over the control", look(pointer), 1, 1, 1},
      {"pointer over the button", overButton, 0, 1, 0},
      {"button look, pointer over the button", look(overButton), 1, 1, 1},
      {"focused", focused, 1, 0, 1},
      {"button look, focused", look(focused), 1, 1, 1},
      {"open", dropped, 1, 2, 1},
      {"button look, open", look(dropped), 2, 2, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ComboCacheState(c.in), c.cache);
    EXPECT_EQ(ComboButtonState(c.in), c.button);
    EXPECT_EQ(ComboEditItemState(c.in), c.item);
  }
}

TEST(ComboBoxLayoutTest, ButtonLookAndSelectionRules) {
  EXPECT_TRUE(ComboButtonLook(true, false));
  EXPECT_FALSE(ComboButtonLook(true, true));  // a section of its own: drawn as a combo box
  EXPECT_FALSE(ComboButtonLook(false, false));
  EXPECT_TRUE(ComboItemAsSelection(false, true, true));  // a selected list item
  EXPECT_FALSE(ComboItemAsSelection(false, false, false));
  EXPECT_FALSE(ComboItemAsSelection(true, true, true));  // the current item of a button
  EXPECT_TRUE(ComboItemAsSelection(true, true, false));
}

TEST(ComboBoxLayoutTest, ItemTextFlags) {
  using A = TAlignment;
  using V = TVerticalAlignment;
  constexpr uint32_t base = 0x20 | 0x800 | 0x100 | 0x40;  // single line, no prefix, no clip, tabs
  struct Case {
    A a;
    V v;
    bool rtl;
    uint32_t flags;
  };
  const Case cases[] = {
      {A::taLeftJustify, V::taAlignTop, false, base},
      {A::taRightJustify, V::taAlignTop, false, base | 0x2},
      {A::taCenter, V::taAlignBottom, false, base | 0x1 | 0x8},
      {A::taLeftJustify, V::taVerticalCenter, false, base | 0x4},
      {A::taLeftJustify, V::taAlignTop, true, base | 0x2 | 0x20000},
  };
  for (const Case& c : cases) EXPECT_EQ(ComboItemTextFlags(c.a, c.v, c.rtl), c.flags) << int(c.a) << int(c.v) << c.rtl;
}

}  // namespace
