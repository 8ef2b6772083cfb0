#include "skin/handlers/HeaderLayout.h"

#include <gtest/gtest.h>

#include "skin/controls/ComboBoxLayout.h"
#include "skin/paint/SkinPaintViewOf.h"
#include "skin/render/core/Blend.h"
#include "tests/controls/BindingTestSkin.h"
#include "tests/controls/RectPrinter.h"

namespace {

TEST(HeaderLayoutTest, ItemStatesFollowThePointerAndThePress) {
  struct Case {
    const char* name;
    int32_t hot, pressed;
    int32_t states[3];
  };
  const Case cases[] = {
      {"nothing", -1, -1, {0, 0, 0}},
      {"hot", 1, -1, {0, 1, 0}},
      {"pressed under the pointer", 2, 2, {0, 0, 2}},
      {"pressed, pointer on another item", 0, 2, {0, 0, 0}},
      {"pressed, pointer away", -1, 1, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    HeaderLook look;
    look.Hot = c.hot;
    look.Pressed = c.pressed;
    for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(HeaderItemState(look, i), c.states[i]) << c.name << " item " << i;
  }
}

TEST(HeaderLayoutTest, FillerTakesTheRoomRightOfTheLastItem) {
  EXPECT_EQ(HeaderFiller({{0, 0, 50, 20}, {50, 0, 120, 20}}, {200, 20}), (TRect{120, 0, 200, 20}));
  EXPECT_TRUE(HeaderFiller({{0, 0, 50, 20}, {50, 0, 200, 20}}, {200, 20}).IsEmpty());
  EXPECT_TRUE(HeaderFiller({{0, 0, 250, 20}}, {200, 20}).IsEmpty());  // scrolled wider than the header
  EXPECT_EQ(HeaderFiller({}, {200, 20}), (TRect{0, 0, 200, 20}));    // no columns: all of it
}

TEST(HeaderLayoutTest, TextAlignmentComesFromTheFormat) {
  const uint32_t base = HeaderTextFlags(0);
  EXPECT_EQ(base & (kItemTextRight | kItemTextCenter), 0u);
  EXPECT_TRUE(base & kItemTextSingleLine);
  EXPECT_TRUE(base & kItemTextVCenter);
  EXPECT_EQ(HeaderTextFlags(1) & (kItemTextRight | kItemTextCenter), kItemTextRight);
  EXPECT_EQ(HeaderTextFlags(2) & (kItemTextRight | kItemTextCenter), kItemTextCenter);
  EXPECT_EQ(HeaderTextFlags(0x4002) & (kItemTextRight | kItemTextCenter), kItemTextCenter);  // other bits ignored
}

TEST(HeaderLayoutTest, ItemsArePaintedInTheirStatesAndCutToTheHeader) {
  const std::unique_ptr<TsSkinManager> manager = MakeTestManager();
  const int32_t section = SectionOf(*manager, "EDIT");  // normal and hot colours differ
  ASSERT_GE(section, 0);
  HeaderLook look;
  look.Items = {{0, 0, 30, 10}, {30, 0, 90, 10}};  // the second reaches beyond the header
  look.Hot = 1;
  PixelBuffer picture(60, 10);
  FillPixels(picture, picture.Bounds(), 0x00123456, 255);
  PaintHeader(PaintViewOf(manager.get()), section, look, {}, picture);
  EXPECT_EQ(picture.At(5, 5) & 0xFFFFFF, 0xEEEEEEu);   // normal
  EXPECT_EQ(picture.At(45, 5) & 0xFFFFFF, 0xFFFFFFu);  // hot, up to the header's edge
  EXPECT_EQ(picture.At(59, 5) & 0xFFFFFF, 0xFFFFFFu);
}

}  // namespace
