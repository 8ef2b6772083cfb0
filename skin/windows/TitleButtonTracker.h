#pragma once
// Which title button is hot and which is held, and what the window side must
// do when the pointer moves over the caption, a button is pressed or
// released, or the press is lost to another window. The window side runs the
// steps in order; a step that runs user code or a system command comes last,
// since it may free the form and everything it owns. Portable: buttons are
// named by their hit codes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/windows/FrameGeometry.h"
#include "skin/windows/SystemMenuRules.h"

struct TitleStep {
  enum Kind : uint8_t {
    Repaint,         // draw button Code in its new state
    Capture,         // give the mouse to the window that took the press
    ReleaseCapture,  // give the mouse back
    ShowHint,        // user button Code is hot: show its hint
    HideHint,
    MouseDown,  // user button Code's OnMouseDown; last
    Act,        // button Code's action (system command or OnMouseUp); last
  };
  Kind What;
  int32_t Code = 0;
  bool operator==(const TitleStep&) const = default;
};
using TitleSteps = std::vector<TitleStep>;

// Whether a left press on button code is taken. Maximize needs maximize, or
// restore while maximized; close needs the close command; a disabled user
// button takes none. Minimize is always taken: on an iconic form it restores.
bool TitlePressAllowed(int32_t code, const SystemMenuFacts& facts, bool userButtonEnabled);

class TitleButtonTracker {
 public:
  // The user buttons now laid out; a hot or held one that is gone is dropped.
  TitleSteps SetUserButtonCount(size_t count);
  // The pointer is over code (anything but a button's code: over none).
  // While a press is held no other button turns hot.
  TitleSteps Hover(int32_t code);
  // The left button went down on code; allowed is false where the press is refused.
  TitleSteps Press(int32_t code, bool allowed);
  // The left button went up over code: the action runs only over the held button.
  TitleSteps Release(int32_t code);
  // Another window took the mouse: the press ends without action.
  TitleSteps CaptureLost();
  // The system cancels modes (a modal window, a menu): the press ends without
  // action and the mouse is given back.
  TitleSteps Cancel();
  // Nothing hot or held (the pointer left the form, it was hidden, maximized or restored).
  TitleSteps Clear();

  int32_t Hot() const { return hot_; }
  int32_t Pressed() const { return pressed_; }
  // 0 normal, 1 hot, 2 pressed; 0 for codes of no button.
  int32_t State(int32_t code) const;
  const std::array<int32_t, kTitleButtonCount>& BuiltInStates() const { return builtIn_; }
  const std::vector<int32_t>& UserStates() const { return user_; }

 private:
  const int32_t* Find(int32_t code) const;  // null for codes of no button
  int32_t* StateOf(int32_t code) { return const_cast<int32_t*>(Find(code)); }
  bool Known(int32_t code) const;
  void AddHint(TitleSteps& steps) const;
  TitleSteps EndPress(bool releaseCapture);

  std::array<int32_t, kTitleButtonCount> builtIn_{};
  std::vector<int32_t> user_;
  int32_t hot_ = 0, pressed_ = 0;
};
