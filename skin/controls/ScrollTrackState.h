#pragma once
// A press on a skinned scroll bar, from the left press to the release, as a
// state machine. Arrows and track parts step once at the press, again after
// the first delay and then at the repeat rate while the pointer stays on the
// pressed part; the thumb is dragged. Each event returns what the window must
// do; the scroll commands come last, since the window's own handling of them
// may destroy it. Portable: the window glue runs the timers and sends.
#include <array>
#include <cstdint>

#include "skin/controls/ScrollBarGeometry.h"

// The timers of a press. Only one runs at a time: the first delay is replaced
// by the repetition when it fires.
enum class ScrollTimer { None, FirstDelay, Repeat };
constexpr uint32_t kScrollFirstDelayMs = 300;
constexpr uint32_t kScrollRepeatMs = 55;

struct ScrollCommand {
  int32_t Command = 0;  // a bar part (0..3) or kCommandThumbTrack, ...Position, ...EndScroll
  int32_t Position = 0;
};

struct ScrollTrackStep {
  ScrollTimer StartTimer = ScrollTimer::None;  // start it, stopping the other
  bool StopTimers = false;
  bool Redraw = false;  // the bar's look changed
  bool Ended = false;   // the press is over: the capture goes
  std::array<ScrollCommand, 2> Commands{};
  int32_t CommandCount = 0;
  void Send(int32_t command, int32_t position) { Commands[size_t(CommandCount++)] = {command, position}; }
};

class ScrollTrackState {
 public:
  bool Active() const { return tracked_ != kPartNone; }
  int32_t Kind() const { return kind_; }                  // the pressed bar
  int32_t TrackedPart() const { return tracked_; }         // the part the press began on
  int32_t PressedPart() const { return pressed_; }         // shown pressed: the tracked part while under the pointer
  bool DraggingThumb() const { return tracked_ == kPartThumb; }
  int32_t ThumbStart() const { return thumbStart_; }       // along the bar, while dragged
  int32_t LastPosition() const { return lastPosition_; }   // the last thumb position sent

  // A left press at `along` on the bar `kind` (an enabled one). Disabled
  // arrows and points that are no part start nothing (nothing to do then).
  ScrollTrackStep Press(int32_t kind, uint32_t barFlags, const ThumbLayout& thumb, int32_t along,
                        const ScrollRange& range);
  // The pointer moved; under: the part under it (kPartNone off the bar),
  // along: its distance along the bar.
  ScrollTrackStep Move(int32_t under, int32_t along, const ThumbLayout& thumb, const ScrollRange& range);
  // A timer fired; under: the part under the pointer now.
  ScrollTrackStep Tick(ScrollTimer timer, int32_t under);
  // The left button went up (or the press was cancelled).
  ScrollTrackStep Release();

 private:
  int32_t kind_ = -1;
  int32_t tracked_ = kPartNone;
  int32_t pressed_ = kPartNone;
  int32_t thumbStart_ = 0;
  int32_t grabOffset_ = 0;
  int32_t lastPosition_ = 0;
};
