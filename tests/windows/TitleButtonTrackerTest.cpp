#include "skin/windows/TitleButtonTracker.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t kClose = kFrameHitClose, kMax = kFrameHitMaxButton, kPin = kFrameHitUserButton;
using S = TitleStep;

// The steps a window side must take to stay sound: a step that may free the owner comes last.
void ExpectLastIsTheOnlyOneThatMayFree(const TitleSteps& steps) {
  for (size_t i = 0; i + 1 < steps.size(); ++i)
    EXPECT_TRUE(steps[i].What != S::Act && steps[i].What != S::MouseDown) << "step " << i << " of " << steps.size();
}

TEST(TitleButtonTracker, HoverMakesOneButtonHotAtATimeAndShowsAUserButtonsHint) {
  TitleButtonTracker t;
  t.SetUserButtonCount(1);
  EXPECT_EQ(t.Hover(kClose), (TitleSteps{{S::Repaint, kClose}, {S::HideHint}}));
  EXPECT_EQ(t.State(kClose), 1);
  EXPECT_EQ(t.Hover(kPin), (TitleSteps{{S::Repaint, kClose}, {S::Repaint, kPin}, {S::ShowHint, kPin}}));
  EXPECT_EQ(t.State(kClose), 0);
  EXPECT_EQ(t.State(kPin), 1);
  EXPECT_TRUE(t.Hover(kPin).empty()) << "no change, nothing to do";
  // Codes of no button (the caption, a user button that is not there) clear the hot one.
  EXPECT_EQ(t.Hover(kPin + 1), (TitleSteps{{S::Repaint, kPin}, {S::HideHint}}));
  EXPECT_EQ(t.Hot(), 0);
  EXPECT_TRUE(t.Hover(kFrameHitCaption).empty());
}

TEST(TitleButtonTracker, APressActsOnlyWhenReleasedOverTheSameButton) {
  TitleButtonTracker t;
  t.Hover(kMax);
  EXPECT_EQ(t.Press(kMax, true), (TitleSteps{{S::Repaint, kMax}, {S::Capture}}));
  EXPECT_EQ(t.State(kMax), 2);
  // While it is held no other button turns hot, and it keeps its pressed look off it.
  EXPECT_TRUE(t.Hover(kClose).empty());
  EXPECT_EQ(t.Hover(0), (TitleSteps{{S::HideHint}}));
  EXPECT_EQ(t.State(kMax), 2);
  EXPECT_TRUE(t.Press(kClose, true).empty()) << "one press at a time";
  EXPECT_EQ(t.Release(kClose), (TitleSteps{{S::ReleaseCapture}, {S::Repaint, kMax}, {S::HideHint}}));
  EXPECT_EQ(t.State(kMax), 0);
  EXPECT_EQ(t.Pressed(), 0);
  // Over the same button: it acts, last. Maximize moves the frame from under the pointer: not left hot.
  t.Press(kMax, true);
  const TitleSteps release = t.Release(kMax);
  EXPECT_EQ(release, (TitleSteps{{S::ReleaseCapture}, {S::Repaint, kMax}, {S::HideHint}, {S::Act, kMax}}));
  EXPECT_EQ(t.State(kMax), 0);
  EXPECT_TRUE(t.Release(kMax).empty()) << "no press, no release";
  // Help stays where it is, and hot.
  t.Hover(kFrameHitHelp);
  t.Press(kFrameHitHelp, true);
  t.Release(kFrameHitHelp);
  EXPECT_EQ(t.State(kFrameHitHelp), 1);
}

TEST(TitleButtonTracker, OnlyMaximizeCloseAndDisabledUserButtonsRefuseAPress) {
  SystemMenuFacts sizeable;
  SystemMenuFacts noMaximize = sizeable;
  noMaximize.Maximize = false;
  SystemMenuFacts maximized = sizeable;
  maximized.State = MenuWindowState::Maximized;
  SystemMenuFacts closeGreyed = sizeable;
  closeGreyed.CloseGreyed = true;
  SystemMenuFacts iconicOther = sizeable;  // its minimize button restores it
  iconicOther.State = MenuWindowState::Minimized;
  iconicOther.MainForm = false;
  const struct {
    const char* Name;
    int32_t Code;
    const SystemMenuFacts& Facts;
    bool UserEnabled, Allowed;
  } cases[] = {
      {"maximize", kMax, sizeable, true, true},
      {"maximize switched off", kMax, noMaximize, true, false},
      {"restore of a maximized form", kMax, maximized, true, true},
      {"close", kClose, sizeable, true, true},
      {"close greyed", kClose, closeGreyed, true, false},
      {"minimize of an iconic form that is not the main form", kFrameHitMinButton, iconicOther, true, true},
      {"help", kFrameHitHelp, noMaximize, true, true},
      {"user button", kPin, sizeable, true, true},
      {"disabled user button", kPin, sizeable, false, false},
  };
  for (const auto& c : cases) EXPECT_EQ(TitlePressAllowed(c.Code, c.Facts, c.UserEnabled), c.Allowed) << c.Name;
}

TEST(TitleButtonTracker, ARefusedPressLeavesTheButtonAsItWas) {
  TitleButtonTracker t;
  t.Hover(kMax);
  EXPECT_TRUE(t.Press(kMax, false).empty());
  EXPECT_EQ(t.State(kMax), 1);
  EXPECT_EQ(t.Pressed(), 0);
}

TEST(TitleButtonTracker, StepsThatMayFreeTheOwnerComeLast) {
  TitleButtonTracker t;
  t.SetUserButtonCount(2);
  t.Hover(kPin);
  const TitleSteps press = t.Press(kPin, true);
  EXPECT_EQ(press.back(), (TitleStep{S::MouseDown, kPin}));
  ExpectLastIsTheOnlyOneThatMayFree(press);
  const TitleSteps release = t.Release(kPin);
  EXPECT_EQ(release.back(), (TitleStep{S::Act, kPin}));
  ExpectLastIsTheOnlyOneThatMayFree(release);
  // Close acts on a button that goes away with the form: nothing is left hot.
  t.Press(kClose, true);
  const TitleSteps close = t.Release(kClose);
  EXPECT_EQ(close.back(), (TitleStep{S::Act, kClose}));
  ExpectLastIsTheOnlyOneThatMayFree(close);
  EXPECT_EQ(t.Hot(), 0);
  EXPECT_EQ(t.State(kClose), 0);
}

TEST(TitleButtonTracker, ClearingDropsEveryHotAndHeldButton) {
  TitleButtonTracker t;
  t.SetUserButtonCount(1);
  t.Hover(kPin);
  t.Press(kPin, true);
  EXPECT_EQ(t.Clear(), (TitleSteps{{S::ReleaseCapture}, {S::Repaint, kPin}, {S::HideHint}}));
  EXPECT_EQ(t.State(kPin), 0);
  EXPECT_EQ(t.Pressed(), 0);
  EXPECT_TRUE(t.Clear().empty());
}

TEST(TitleButtonTracker, UserButtonsThatGoAwayTakeTheirHotStateAndHintWithThem) {
  TitleButtonTracker t;
  t.SetUserButtonCount(2);
  t.Hover(kPin + 1);
  EXPECT_EQ(t.SetUserButtonCount(1), (TitleSteps{{S::HideHint}}));
  EXPECT_EQ(t.Hot(), 0);
  t.Press(kPin, true);
  EXPECT_EQ(t.SetUserButtonCount(0), (TitleSteps{{S::ReleaseCapture}, {S::HideHint}}));
  EXPECT_EQ(t.Pressed(), 0);
  EXPECT_TRUE(t.Release(kPin).empty());
}

}  // namespace
