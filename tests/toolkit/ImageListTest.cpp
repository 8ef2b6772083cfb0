#include "toolkit/ImageList.h"

#include <gtest/gtest.h>

namespace {

// A link and its list may be freed in either order; neither is used afterwards.
TEST(ImageListTest, LinkAndListMayGoInEitherOrder) {
  TImageList list(nullptr, 2, 2);
  int changes = 0;
  {
    TChangeLink link;
    link.OnChange = [&] { ++changes; };
    list.RegisterChanges(link);
    EXPECT_EQ(list.Add(PixelBuffer(2, 2)), 0);
    EXPECT_EQ(changes, 1);
  }
  EXPECT_EQ(list.Add(PixelBuffer(2, 2)), 1);
  EXPECT_EQ(changes, 1);

  TChangeLink link;
  TImageList* seen = &list;
  auto* gone = new TImageList(nullptr, 2, 2);
  link.OnChange = [&] { seen = link.Sender(); ++changes; };
  gone->RegisterChanges(link);
  EXPECT_EQ(link.Sender(), gone);
  delete gone;
  EXPECT_EQ(link.Sender(), nullptr);
  EXPECT_EQ(changes, 2);  // told, and already without the list
  EXPECT_EQ(seen, nullptr);
}

TEST(ImageListTest, PicturesOfAnotherSizeAreRefused) {
  TImageList list(nullptr, 2, 2);
  EXPECT_EQ(list.Add(PixelBuffer(3, 2)), -1);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_FALSE(list.Valid(0));
  EXPECT_FALSE(list.Valid(-1));
}

}  // namespace
