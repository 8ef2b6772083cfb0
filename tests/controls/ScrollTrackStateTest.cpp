// A press on a skinned scroll bar run against a clock the test moves: when
// each step is sent, how the repetition pauses off the pressed part, and what
// a thumb drag and a release send.
#include "skin/controls/ScrollTrackState.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// A 100-pixel bar with 17-pixel arrows over 0..100 with a page of 10:
// track 17..83, thumb 16 long.
const ScrollRange kRange{0, 100, 10, 0, 0};
const ThumbLayout kThumb = LayoutThumb(100, 17, kRange);
constexpr int32_t kDownArrowAt = 90;
constexpr int32_t kHorz = 0, kVert = 1;  // bar kinds

struct Sent {
  uint32_t Time;
  int32_t Command;
  int32_t Position;
  bool operator==(const Sent&) const = default;
};

// Runs the window's side of a press: the timer a step starts fires after its
// period (the repetition again every period until stopped), and every command
// is stamped with the clock's time.
struct PressClock {
  ScrollTrackState State;
  uint32_t Now = 0;
  ScrollTimer Timer = ScrollTimer::None;
  uint32_t Due = 0;
  std::function<int32_t(uint32_t)> Under = [](uint32_t) { return kPartLineDown; };
  std::vector<Sent> Commands;
  int32_t Redraws = 0;

  void Apply(const ScrollTrackStep& s) {
    if (s.StopTimers) Timer = ScrollTimer::None;
    if (s.StartTimer != ScrollTimer::None) {
      Timer = s.StartTimer;
      Due = Now + (Timer == ScrollTimer::FirstDelay ? kScrollFirstDelayMs : kScrollRepeatMs);
    }
    Redraws += s.Redraw;
    for (int32_t i = 0; i < s.CommandCount; ++i) Commands.push_back({Now, s.Commands[i].Command, s.Commands[i].Position});
  }
  void RunUntil(uint32_t end) {
    while (Timer != ScrollTimer::None && Due <= end) {
      Now = Due;
      const ScrollTimer fired = Timer;
      if (fired == ScrollTimer::Repeat) Due += kScrollRepeatMs;
      Apply(State.Tick(fired, Under(Now)));
    }
    Now = end;
  }
  std::vector<uint32_t> TimesOf(int32_t command) const {
    std::vector<uint32_t> times;
    for (const Sent& s : Commands)
      if (s.Command == command) times.push_back(s.Time);
    return times;
  }
};

TEST(ScrollTrackStateTest, HeldArrowStepsAtOnceAfterTheFirstDelayThenAtTheRepeatRate) {
  PressClock clock;
  clock.Apply(clock.State.Press(kVert, 0, kThumb, kDownArrowAt, kRange));
  EXPECT_EQ(clock.State.PressedPart(), kPartLineDown);
  clock.RunUntil(299);
  EXPECT_EQ(clock.TimesOf(kPartLineDown), (std::vector<uint32_t>{0}));
  clock.RunUntil(500);
  EXPECT_EQ(clock.TimesOf(kPartLineDown), (std::vector<uint32_t>{0, 300, 355, 410, 465}));

  clock.Apply(clock.State.Release());
  EXPECT_EQ(clock.Commands.back(), (Sent{500, kCommandEndScroll, 0}));
  EXPECT_EQ(clock.Timer, ScrollTimer::None);
  EXPECT_FALSE(clock.State.Active());
  clock.RunUntil(2000);
  EXPECT_EQ(clock.TimesOf(kPartLineDown).size(), 5u);  // released: no more steps
}

TEST(ScrollTrackStateTest, MovingOffThePressedPartPausesTheRepetitionAndShowsItReleased) {
  PressClock clock;
  clock.Under = [](uint32_t t) { return t >= 320 && t < 430 ? kPartPageDown : kPartLineDown; };
  clock.Apply(clock.State.Press(kVert, 0, kThumb, kDownArrowAt, kRange));
  clock.RunUntil(400);
  EXPECT_EQ(clock.State.PressedPart(), kPartNone);
  const int32_t redraws = clock.Redraws;
  clock.RunUntil(600);
  EXPECT_EQ(clock.State.PressedPart(), kPartLineDown);
  EXPECT_GT(clock.Redraws, redraws);
  // 355 and 410 fall off the arrow; the pointer is back for 465.
  EXPECT_EQ(clock.TimesOf(kPartLineDown), (std::vector<uint32_t>{0, 300, 465, 520, 575}));
}

TEST(ScrollTrackStateTest, PressesThatStartNothing) {
  const ThumbLayout full = LayoutThumb(100, 17, {0, 10, 11, 0, 0});  // the page covers the range
  struct Case {
    const char* name;
    uint32_t flags;
    const ThumbLayout* thumb;
    int32_t along;
  } cases[] = {
      {"disabled down arrow", kBarDownArrowDisabled, &kThumb, kDownArrowAt},
      {"disabled up arrow", kBarUpArrowDisabled, &kThumb, 5},
      {"track of a bar whose page covers the range", 0, &full, 50},
      {"off the bar", 0, &kThumb, 120},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScrollTrackState state;
    const ScrollTrackStep step = state.Press(kVert, c.flags, *c.thumb, c.along, kRange);
    EXPECT_FALSE(state.Active());
    EXPECT_EQ(step.CommandCount, 0);
    EXPECT_EQ(step.StartTimer, ScrollTimer::None);
  }
  // The other arrow of a bar with one disabled arrow still works.
  ScrollTrackState state;
  EXPECT_EQ(state.Press(kVert, kBarDownArrowDisabled, kThumb, 5, kRange).CommandCount, 1);
}

TEST(ScrollTrackStateTest, ThumbDragSendsPositionsOfTheRangeAndEndsWithTheLastOne) {
  const ScrollRange from10{10, 110, 20, 10, 10};
  const ThumbLayout thumb = LayoutThumb(100, 17, from10);  // thumb 17..33, room 50
  PressClock clock;
  clock.Apply(clock.State.Press(kHorz, 0, thumb, 20, from10));  // grabbed 3 pixels into the thumb
  ASSERT_TRUE(clock.State.DraggingThumb());
  EXPECT_EQ(clock.Timer, ScrollTimer::None);
  EXPECT_TRUE(clock.Commands.empty());
  for (const int32_t along : {10, 20, 45, 45, 70, 95, 200}) clock.Apply(clock.State.Move(kPartNone, along, thumb, from10));
  std::vector<int32_t> positions;
  for (const Sent& s : clock.Commands) {
    EXPECT_EQ(s.Command, kCommandThumbTrack);
    positions.push_back(s.Position);
  }
  // Held past the end the thumb stops at the last position a page fits: Max - Page + 1.
  EXPECT_EQ(positions, (std::vector<int32_t>{51, 91}));
  EXPECT_EQ(clock.State.ThumbStart(), 67);

  clock.Commands.clear();
  const ScrollTrackStep release = clock.State.Release();
  clock.Apply(release);
  EXPECT_TRUE(release.Ended);
  EXPECT_EQ(clock.Commands, (std::vector<Sent>{{0, kCommandThumbPosition, 91}, {0, kCommandEndScroll, 91}}));
}

}  // namespace
