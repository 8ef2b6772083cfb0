#include "toolkit/SpeedButtonState.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using S = TButtonState;

const char* Name(S s) {
  switch (s) {
    case S::bsUp: return "up";
    case S::bsDisabled: return "disabled";
    case S::bsDown: return "down";
    case S::bsExclusive: return "exclusive";
  }
  return "?";
}

}  // namespace

void PrintTo(const SpeedButtonStatus& s, std::ostream* os) {
  *os << "{" << Name(s.State) << (s.Down ? ", Down" : "") << (s.Tracking ? ", held" : "") << "}";
}

namespace {

constexpr SpeedButtonStatus kUp{S::bsUp, false, false};
constexpr SpeedButtonStatus kHeld{S::bsDown, false, true};
constexpr SpeedButtonStatus kHeldOutside{S::bsUp, false, true};
constexpr SpeedButtonStatus kStaysDown{S::bsExclusive, true, false};
constexpr SpeedButtonStatus kStaysDownHeld{S::bsExclusive, true, true};

constexpr SpeedButtonGroup kNoGroup{0, false};
constexpr SpeedButtonGroup kGroup{1, false};
constexpr SpeedButtonGroup kGroupAllUp{1, true};
constexpr SpeedButtonGroup kCheck{0, false, true};
constexpr SpeedButtonGroup kGroupedCheck{1, false, true};

enum class Event { Press, PressDisabled, MoveInside, MoveOutside, ReleaseInside, ReleaseOutside, SetDown, SetUp, GroupDown, GroupSettings, Leave };

struct Case {
  const char* name;
  SpeedButtonStatus before;
  SpeedButtonGroup group;
  Event event;
  SpeedButtonStatus after;
  bool repaint, click, tellGroup;
};

SpeedButtonStep Apply(const Case& c) {
  switch (c.event) {
    case Event::Press: return PressSpeedButton(c.before, true);
    case Event::PressDisabled: return PressSpeedButton(c.before, false);
    case Event::MoveInside: return MoveOverSpeedButton(c.before, true);
    case Event::MoveOutside: return MoveOverSpeedButton(c.before, false);
    case Event::ReleaseInside: return ReleaseSpeedButton(c.before, c.group, true);
    case Event::ReleaseOutside: return ReleaseSpeedButton(c.before, c.group, false);
    case Event::SetDown: return SetSpeedButtonDown(c.before, c.group, true);
    case Event::SetUp: return SetSpeedButtonDown(c.before, c.group, false);
    case Event::GroupDown: return GroupButtonPressed(c.before, true);
    case Event::GroupSettings: return GroupButtonPressed(c.before, false);
    case Event::Leave: return LeaveSpeedButton(c.before);
  }
  return {};
}

TEST(SpeedButtonStateTest, EventsChangeTheStatus) {
  const Case cases[] = {
      // A plain button: pressed while held and inside, a click on release inside.
      {"press", kUp, kNoGroup, Event::Press, kHeld, true, false, false},
      {"press disabled", kUp, kNoGroup, Event::PressDisabled, kUp, false, false, false},
      {"held, pointer leaves", kHeld, kNoGroup, Event::MoveOutside, kHeldOutside, true, false, false},
      {"held, pointer back", kHeldOutside, kNoGroup, Event::MoveInside, kHeld, true, false, false},
      {"held, move inside", kHeld, kNoGroup, Event::MoveInside, kHeld, false, false, false},
      {"move, not held", kUp, kNoGroup, Event::MoveInside, kUp, false, false, false},
      {"release inside: click", kHeld, kNoGroup, Event::ReleaseInside, kUp, true, true, false},
      {"release outside: no click", kHeldOutside, kNoGroup, Event::ReleaseOutside, kUp, false, false, false},
      {"release, not held", kUp, kNoGroup, Event::ReleaseInside, kUp, false, false, false},
      {"Down without a group is refused", kUp, kNoGroup, Event::SetDown, kUp, false, false, false},
      {"leave while pressed", {S::bsDown, false, false}, kNoGroup, Event::Leave, kUp, true, false, false},
      {"leave keeps a button that stays down", kStaysDown, kGroup, Event::Leave, kStaysDown, false, false, false},

      // A group button: a click puts it down and tells the group.
      {"group: press", kUp, kGroup, Event::Press, kHeld, true, false, false},
      {"group: click puts it down", kHeld, kGroup, Event::ReleaseInside, kStaysDown, true, true, true},
      {"group: released outside stays up", kHeldOutside, kGroup, Event::ReleaseOutside, kUp, false, false, false},
      {"group: press on a down button keeps it down", kStaysDown, kGroup, Event::Press, kStaysDownHeld, false, false, false},
      {"group: a down button held outside stays down", kStaysDownHeld, kGroup, Event::MoveOutside, kStaysDownHeld, false, false, false},
      {"group: click on the down one keeps it down", kStaysDownHeld, kGroup, Event::ReleaseInside, kStaysDown, false, true, false},
      {"all up: click on the down one pops it up", kStaysDownHeld, kGroupAllUp, Event::ReleaseInside, kUp, true, true, false},
      {"all up: released outside stays down", kStaysDownHeld, kGroupAllUp, Event::ReleaseOutside, kStaysDown, false, false, false},
      {"group: Down set", kUp, kGroup, Event::SetDown, kStaysDown, true, false, true},
      {"group: Down set again", kStaysDown, kGroup, Event::SetDown, kStaysDown, false, false, false},
      {"group: Down cleared is refused", kStaysDown, kGroup, Event::SetUp, kStaysDown, false, false, false},
      {"all up: Down cleared", kStaysDown, kGroupAllUp, Event::SetUp, kUp, true, false, false},
      {"another went down: this one pops up", kStaysDown, kGroup, Event::GroupDown, kUp, true, false, false},
      {"another went down, this one was up", kUp, kGroup, Event::GroupDown, kUp, false, false, false},
      {"another only changed its settings", kStaysDown, kGroup, Event::GroupSettings, kStaysDown, false, false, false},

      // A check button: a click toggles it, alone or as a group button.
      {"check: click puts it down", kHeld, kCheck, Event::ReleaseInside, kStaysDown, true, true, false},
      {"check: next click brings it up", kStaysDownHeld, kCheck, Event::ReleaseInside, kUp, true, true, false},
      {"check: released outside stays up", kHeldOutside, kCheck, Event::ReleaseOutside, kUp, false, false, false},
      {"check: Down set", kUp, kCheck, Event::SetDown, kStaysDown, true, false, false},
      {"check: Down cleared", kStaysDown, kCheck, Event::SetUp, kUp, true, false, false},
      {"check in a group: the group's rules", kStaysDownHeld, kGroupedCheck, Event::ReleaseInside, kStaysDown, false, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SpeedButtonStep step = Apply(c);
    EXPECT_EQ(step.Status, c.after);
    EXPECT_EQ(step.Repaint, c.repaint);
    EXPECT_EQ(step.Click, c.click);
    EXPECT_EQ(step.TellGroup, c.tellGroup);
  }
}

TEST(SpeedButtonStateTest, PaintedState) {
  EXPECT_EQ(PaintedSpeedButtonState(kStaysDown, false), S::bsDisabled);
  EXPECT_EQ(PaintedSpeedButtonState(kStaysDown, true), S::bsExclusive);
  EXPECT_EQ(PaintedSpeedButtonState(kHeld, true), S::bsDown);
  EXPECT_TRUE(ShownPressed(S::bsDown));
  EXPECT_TRUE(ShownPressed(S::bsExclusive));
  EXPECT_FALSE(ShownPressed(S::bsUp));
  EXPECT_FALSE(ShownPressed(S::bsDisabled));
}

}  // namespace
