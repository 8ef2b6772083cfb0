#include "skin/windows/BorderMouse.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/windows/FrameGeometry.h"

namespace {

// A host whose frame answers one code everywhere and that records what it is asked to do.
// One that frees itself on an action fails the test when anything touches it afterwards.
class FakeHost final : public BorderHost {
 public:
  int32_t Code = kFrameHitCaption;
  bool Pressing = false;
  bool FreedByActions = false;
  std::vector<std::string> Calls;

  int32_t FrameHitTest(TPoint) const override { return Touch(), Code; }
  void SetHotButton(int32_t code) override { Record("hot " + std::to_string(code)); }
  bool PressInProgress() const override { return Touch(), Pressing; }
  void PressLost() override { Record("press lost"); }
  void PressTitleButton(int32_t code) override { Act("press " + std::to_string(code)); }
  void ReleaseTitleButton(int32_t code) override { Act("release " + std::to_string(code)); }
  void ShowSystemMenu(TPoint p) override { Act("menu " + std::to_string(p.X) + "," + std::to_string(p.Y)); }
  void CaptionDoubleClick() override { Act("caption double click"); }
  void IconDoubleClick() override { Act("icon double click"); }
  void EdgeDoubleClick(int32_t code) override { Act("edge double click " + std::to_string(code)); }
  void FormLeftDown(int32_t code, TPoint) override { Act("form down " + std::to_string(code)); }

 private:
  void Touch() const { EXPECT_FALSE(freed_) << "the host was touched after it was freed"; }
  void Record(const std::string& call) {
    Touch();
    Calls.push_back(call);
  }
  void Act(const std::string& call) {
    Record(call);
    freed_ = FreedByActions;
  }
  bool freed_ = false;
};

TEST(BorderMouse, EachInputReachesItsAnswer) {
  const struct {
    const char* Name;
    int32_t Code;
    bool Pressing;
    void (*Input)(BorderHost&, TPoint);
    std::vector<std::string> Calls;
  } cases[] = {
      {"move over close", kFrameHitClose, false, BorderMouseMove, {"hot 20"}},
      {"down on close", kFrameHitClose, false, BorderLeftDown, {"press 20"}},
      {"down on the caption", kFrameHitCaption, false, BorderLeftDown, {"form down 2"}},
      {"down on a sizing band", kFrameHitBottomRight, false, BorderLeftDown, {"form down 17"}},
      {"down outside the frame", kFrameHitOutside, false, BorderLeftDown, {}},
      {"down on the client area", kFrameHitClient, false, BorderLeftDown, {}},
      {"up without a press", kFrameHitClose, false, BorderLeftUp, {}},
      {"up ending a press", kFrameHitCaption, true, BorderLeftUp, {"release 2"}},
      {"double click on a button", kFrameHitMaxButton, false, BorderLeftDoubleClick, {"press 9"}},
      {"double click on the caption", kFrameHitCaption, false, BorderLeftDoubleClick, {"caption double click"}},
      {"double click on the icon", kFrameHitSysMenu, false, BorderLeftDoubleClick, {"icon double click"}},
      {"double click on a sizing edge", kFrameHitTop, false, BorderLeftDoubleClick, {"edge double click 12"}},
      {"double click on a sizing corner", kFrameHitTopLeft, false, BorderLeftDoubleClick, {}},
      {"right up on the caption", kFrameHitCaption, false, BorderRightUp, {"menu 7,9"}},
      {"right up on a button", kFrameHitClose, false, BorderRightUp, {}},
  };
  for (const auto& c : cases) {
    for (bool freed : {false, true}) {
      FakeHost host;
      host.Code = c.Code;
      host.Pressing = c.Pressing;
      host.FreedByActions = freed;
      c.Input(host, {7, 9});
      EXPECT_EQ(host.Calls, c.Calls) << c.Name;
    }
  }
}

TEST(BorderMouse, TheClientAreaContinuesAPressOrLetsTheInputThrough) {
  FakeHost pressing;
  pressing.Pressing = true;
  pressing.FreedByActions = true;
  pressing.Code = kFrameHitClose;
  EXPECT_FALSE(BorderClientMouse(pressing, BorderClientInput::Move, {1, 1}));
  EXPECT_FALSE(BorderClientMouse(pressing, BorderClientInput::LeftUp, {1, 1}));
  EXPECT_EQ(pressing.Calls, (std::vector<std::string>{"hot 20", "release 20"}));

  FakeHost idle;
  EXPECT_TRUE(BorderClientMouse(idle, BorderClientInput::Other, {1, 1}));
  EXPECT_EQ(idle.Calls, (std::vector<std::string>{"hot 0"}));
}

TEST(BorderMouse, CursorsFollowTheSizingBands) {
  EXPECT_EQ(BorderCursorOf(kFrameHitLeft), BorderCursor::SizeWE);
  EXPECT_EQ(BorderCursorOf(kFrameHitBottom), BorderCursor::SizeNS);
  EXPECT_EQ(BorderCursorOf(kFrameHitTopLeft), BorderCursor::SizeNWSE);
  EXPECT_EQ(BorderCursorOf(kFrameHitBottomLeft), BorderCursor::SizeNESW);
  EXPECT_EQ(BorderCursorOf(kFrameHitCaption), BorderCursor::Arrow);
  EXPECT_EQ(BorderCursorOf(kFrameHitClose), BorderCursor::Default);
}

}  // namespace
