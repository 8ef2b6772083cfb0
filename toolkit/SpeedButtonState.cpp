#include "toolkit/SpeedButtonState.h"

namespace {

SpeedButtonStep Changed(const SpeedButtonStatus& before, const SpeedButtonStatus& after) {
  return {after, after.State != before.State || after.Down != before.Down};
}

// Not held: up, or exclusive while down.
TButtonState Resting(bool down) { return down ? TButtonState::bsExclusive : TButtonState::bsUp; }

}  // namespace

SpeedButtonStep PressSpeedButton(SpeedButtonStatus s, bool enabled) {
  if (!enabled) return {s};
  const SpeedButtonStatus before = s;
  s.Tracking = true;
  if (!s.Down) s.State = TButtonState::bsDown;
  return Changed(before, s);
}

SpeedButtonStep MoveOverSpeedButton(SpeedButtonStatus s, bool inside) {
  if (!s.Tracking) return {s};
  const SpeedButtonStatus before = s;
  s.State = s.Down ? TButtonState::bsExclusive : inside ? TButtonState::bsDown : TButtonState::bsUp;
  return Changed(before, s);
}

SpeedButtonStep ReleaseSpeedButton(SpeedButtonStatus s, const SpeedButtonGroup& g, bool inside) {
  if (!s.Tracking) return {s};
  const SpeedButtonStatus before = s;
  s.Tracking = false;
  SpeedButtonStep step;
  if ((g.GroupIndex != 0 || g.Check) && inside) {
    step = SetSpeedButtonDown(s, g, !s.Down);
  } else {
    s.State = Resting(s.Down);
    step = {s};
  }
  step.Repaint = step.Status.State != before.State || step.Status.Down != before.Down;
  step.Click = inside;
  return step;
}

SpeedButtonStep SetSpeedButtonDown(SpeedButtonStatus s, const SpeedButtonGroup& g, bool down) {
  if (g.GroupIndex == 0 && !g.Check) down = false;
  const bool mayComeUp = g.AllowAllUp || g.GroupIndex == 0;
  if (down == s.Down || (s.Down && !mayComeUp)) return {s};
  const SpeedButtonStatus before = s;
  s.Down = down;
  s.State = Resting(down);
  SpeedButtonStep step = Changed(before, s);
  step.TellGroup = down && g.GroupIndex != 0;
  return step;
}

SpeedButtonStep GroupButtonPressed(SpeedButtonStatus s, bool senderDown) {
  if (!senderDown || !s.Down) return {s};
  const SpeedButtonStatus before = s;
  s.Down = false;
  s.State = TButtonState::bsUp;
  return Changed(before, s);
}

SpeedButtonStep LeaveSpeedButton(SpeedButtonStatus s) {
  const SpeedButtonStatus before = s;
  if (s.State == TButtonState::bsDown) s.State = TButtonState::bsUp;
  return Changed(before, s);
}

TButtonState PaintedSpeedButtonState(const SpeedButtonStatus& s, bool enabled) {
  return enabled ? s.State : TButtonState::bsDisabled;
}
