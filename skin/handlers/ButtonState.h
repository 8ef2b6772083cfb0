#pragma once
// The look of a skinned push button as a pure function of what its window
// and binding report: 0 normal, 1 hot, 2 pressed, 3 the default button of a
// system window.
#include <cstdint>

struct ButtonFacts {
  bool Pressed = false;        // the push-button state's pushed bit
  bool Enabled = true;
  bool ToolkitButton = false;  // a toolkit control, not a system window
  bool DesignTime = false;     // a toolkit button being designed
  bool Focused = false;        // the window holds the keyboard focus
  bool HotWindow = false;      // the skin manager's hot window
  bool BindingHasFocus = false;
  bool BindingActive = false;  // the binding counts as hot (IsActive)
  bool Default = false;        // the default-push-button style (or the toolkit's Default)
};

inline constexpr int32_t kButtonNormal = 0, kButtonHot = 1, kButtonPressed = 2, kButtonDefault = 3;

int32_t ButtonState(const ButtonFacts& facts);

// The state image a section is painted in: a section without a fourth state
// shows the default button hot; otherwise the state is held to the section's.
int32_t ButtonPaintState(int32_t buttonState, int32_t sectionStates);
