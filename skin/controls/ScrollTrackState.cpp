#include "skin/controls/ScrollTrackState.h"

ScrollTrackStep ScrollTrackState::Press(int32_t kind, uint32_t flags, const ThumbLayout& thumb, int32_t along,
                                        const ScrollRange& range) {
  ScrollTrackStep step;
  const int32_t part = HitTestBar(thumb, along);
  const bool arrow = (part == kPartLineUp && !(flags & kBarUpArrowDisabled)) ||
                     (part == kPartLineDown && !(flags & kBarDownArrowDisabled));
  if (arrow || part == kPartPageUp || part == kPartPageDown) {
    *this = {};
    kind_ = kind;
    tracked_ = pressed_ = part;
    step.Redraw = true;
    step.StartTimer = ScrollTimer::FirstDelay;
    step.Send(part, 0);
  } else if (part == kPartThumb) {
    *this = {};
    kind_ = kind;
    tracked_ = pressed_ = kPartThumb;
    thumbStart_ = thumb.Start;
    grabOffset_ = along - thumb.Start;
    lastPosition_ = range.Pos;
    step.Redraw = true;
  }
  return step;
}

ScrollTrackStep ScrollTrackState::Move(int32_t under, int32_t along, const ThumbLayout& thumb,
                                       const ScrollRange& range) {
  ScrollTrackStep step;
  if (!Active()) return step;
  if (DraggingThumb()) {
    const int32_t start = DraggedThumbStart(thumb, along, grabOffset_);
    step.Redraw = start != thumbStart_;
    thumbStart_ = start;
    const int32_t position = PositionOfThumb(thumb, start, range);
    if (position != lastPosition_) {
      lastPosition_ = position;
      step.Send(kCommandThumbTrack, position);
    }
    return step;
  }
  // Off the pressed part the repetition pauses and the part shows released.
  const int32_t pressed = under == tracked_ ? under : kPartNone;
  step.Redraw = pressed != pressed_;
  pressed_ = pressed;
  return step;
}

ScrollTrackStep ScrollTrackState::Tick(ScrollTimer timer, int32_t under) {
  ScrollTrackStep step;
  if (!Active() || DraggingThumb()) {
    step.StopTimers = true;
    return step;
  }
  // The first delay ends with a step of its own; then the repetition runs.
  if (timer == ScrollTimer::FirstDelay) step.StartTimer = ScrollTimer::Repeat;
  const int32_t pressed = under == tracked_ ? under : kPartNone;
  step.Redraw = pressed != pressed_;
  pressed_ = pressed;
  if (pressed_ != kPartNone) step.Send(pressed_, 0);
  return step;
}

ScrollTrackStep ScrollTrackState::Release() {
  ScrollTrackStep step;
  if (!Active()) return step;
  step.StopTimers = true;
  step.Ended = true;
  step.Redraw = true;
  if (DraggingThumb()) {
    step.Send(kCommandThumbPosition, lastPosition_);
    step.Send(kCommandEndScroll, lastPosition_);
  } else {
    step.Send(kCommandEndScroll, 0);
  }
  *this = {};
  return step;
}
