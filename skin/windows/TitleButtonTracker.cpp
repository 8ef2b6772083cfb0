#include "skin/windows/TitleButtonTracker.h"

bool TitlePressAllowed(int32_t code, const SystemMenuFacts& facts, bool userButtonEnabled) {
  if (code == kFrameHitMaxButton)
    return EnabledMax(facts) || (facts.State == MenuWindowState::Maximized && EnabledRestore(facts));
  if (code == kFrameHitClose) return !facts.CloseGreyed;
  if (UserButtonIndexOf(code) >= 0) return userButtonEnabled;
  return true;
}

const int32_t* TitleButtonTracker::Find(int32_t code) const {
  if (const int32_t user = UserButtonIndexOf(code); user >= 0)
    return size_t(user) < user_.size() ? &user_[size_t(user)] : nullptr;
  for (int i = 0; i < kTitleButtonCount; ++i)
    if (HitCodeOf(TitleButton(i)) == code) return &builtIn_[size_t(i)];
  return nullptr;
}

bool TitleButtonTracker::Known(int32_t code) const { return IsTitleButtonCode(code) && Find(code); }

int32_t TitleButtonTracker::State(int32_t code) const {
  const int32_t* state = Find(code);
  return state ? *state : 0;
}

void TitleButtonTracker::AddHint(TitleSteps& steps) const {
  if (UserButtonIndexOf(hot_) >= 0) steps.push_back({TitleStep::ShowHint, hot_});
  else steps.push_back({TitleStep::HideHint});
}

TitleSteps TitleButtonTracker::SetUserButtonCount(size_t count) {
  user_.resize(count);  // states of the buttons that stay survive
  TitleSteps steps;
  if (pressed_ && !Known(pressed_)) {
    pressed_ = 0;
    steps.push_back({TitleStep::ReleaseCapture});
  }
  if (hot_ && !Known(hot_)) {
    hot_ = 0;
    steps.push_back({TitleStep::HideHint});
  }
  return steps;
}

TitleSteps TitleButtonTracker::Hover(int32_t code) {
  if (!Known(code)) code = 0;
  if (code == hot_ || (pressed_ && code != pressed_ && code != 0)) return {};
  TitleSteps steps;
  const int32_t previous = hot_;
  hot_ = code;
  // A held button keeps its pressed look while the pointer is away from it.
  if (int32_t* state = previous ? StateOf(previous) : nullptr; state && *state == 1) {
    *state = 0;
    steps.push_back({TitleStep::Repaint, previous});
  }
  if (code) {
    *StateOf(code) = pressed_ ? 2 : 1;
    steps.push_back({TitleStep::Repaint, code});
  }
  AddHint(steps);
  return steps;
}

TitleSteps TitleButtonTracker::Press(int32_t code, bool allowed) {
  if (!allowed || pressed_ || !Known(code)) return {};
  pressed_ = hot_ = code;
  *StateOf(code) = 2;
  TitleSteps steps{{TitleStep::Repaint, code}, {TitleStep::Capture}};
  if (UserButtonIndexOf(code) >= 0) steps.push_back({TitleStep::MouseDown, code});
  return steps;
}

TitleSteps TitleButtonTracker::Release(int32_t code) {
  const int32_t pressed = pressed_;
  if (!pressed) return {};
  pressed_ = 0;
  const bool onButton = code == pressed;
  // Close, minimize and maximize move the frame away from under the pointer: their button is not left hot.
  const bool leaves = pressed == kFrameHitClose || pressed == kFrameHitMinButton || pressed == kFrameHitMaxButton;
  const bool hot = onButton && !leaves;
  if (int32_t* state = StateOf(pressed)) *state = hot ? 1 : 0;
  hot_ = hot ? pressed : 0;
  TitleSteps steps{{TitleStep::ReleaseCapture}, {TitleStep::Repaint, pressed}};
  AddHint(steps);
  if (onButton) steps.push_back({TitleStep::Act, pressed});
  return steps;
}

TitleSteps TitleButtonTracker::EndPress(bool releaseCapture) {
  const int32_t pressed = pressed_;
  if (!pressed) return {};
  pressed_ = 0;
  if (hot_ == pressed) hot_ = 0;
  if (int32_t* state = StateOf(pressed)) *state = 0;
  TitleSteps steps{{TitleStep::Repaint, pressed}};
  if (releaseCapture) steps.push_back({TitleStep::ReleaseCapture});
  AddHint(steps);
  return steps;
}

TitleSteps TitleButtonTracker::CaptureLost() { return EndPress(false); }

TitleSteps TitleButtonTracker::Cancel() { return EndPress(true); }

TitleSteps TitleButtonTracker::Clear() {
  TitleSteps steps;
  if (pressed_) steps.push_back({TitleStep::ReleaseCapture});
  const bool hadHot = hot_ != 0;
  pressed_ = hot_ = 0;
  for (int i = 0; i < kTitleButtonCount; ++i)
    if (builtIn_[size_t(i)] != 0) {
      builtIn_[size_t(i)] = 0;
      steps.push_back({TitleStep::Repaint, HitCodeOf(TitleButton(i))});
    }
  for (size_t i = 0; i < user_.size(); ++i)
    if (user_[i] != 0) {
      user_[i] = 0;
      steps.push_back({TitleStep::Repaint, kFrameHitUserButton + int32_t(i)});
    }
  if (hadHot) steps.push_back({TitleStep::HideHint});
  return steps;
}
