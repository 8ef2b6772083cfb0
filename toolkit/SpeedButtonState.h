#pragma once
// The speed button's base state and how a press, the pointer while the button
// is held, a release, setting Down and a press of another button of its group
// change it. Buttons of one group (the same GroupIndex, not 0, on one parent)
// stay down one at a time; AllowAllUp lets the one that is down pop up again.
// A check button outside a group goes down on one click and up on the next.
// Portable: no window types.

// Up, disabled, pressed while held (down), and staying down in a group (exclusive).
enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

struct SpeedButtonStatus {
  TButtonState State = TButtonState::bsUp;
  bool Down = false;      // stays down; only a button of a group can be
  bool Tracking = false;  // the left button went down on it and is still held
  bool operator==(const SpeedButtonStatus&) const = default;
};

struct SpeedButtonGroup {
  int GroupIndex = 0;  // 0: no group
  bool AllowAllUp = false;
  bool Check = false;  // a check button: outside a group a click toggles Down
};

// An event's outcome: the new status and what the button must do about it.
struct SpeedButtonStep {
  SpeedButtonStatus Status;
  bool Repaint = false;      // the look changed
  bool Click = false;        // run the click, last: its handler may free the button
  bool TellGroup = false;    // the other buttons of the group learn that this one went down
};

// A left press (or double click) on the button.
SpeedButtonStep PressSpeedButton(SpeedButtonStatus s, bool enabled);
// The pointer moved while the button is held: it shows pressed only while inside.
SpeedButtonStep MoveOverSpeedButton(SpeedButtonStatus s, bool inside);
// The left button released; inside: over the button (a click).
SpeedButtonStep ReleaseSpeedButton(SpeedButtonStatus s, const SpeedButtonGroup& g, bool inside);
// Down set by the program (or a click of a group or check button). Outside a
// group only a check button stays down, and it may come up again; in a group
// a button that is down stays so unless AllowAllUp.
SpeedButtonStep SetSpeedButtonDown(SpeedButtonStatus s, const SpeedButtonGroup& g, bool down);
// Another button of the group went down (senderDown) or only announced its
// group settings: a button that is down pops up when the sender is down.
SpeedButtonStep GroupButtonPressed(SpeedButtonStatus s, bool senderDown);
// The pointer left the button: a held press shows up again.
SpeedButtonStep LeaveSpeedButton(SpeedButtonStatus s);
// The state the button paints in. The status itself is never disabled, so an
// enabled button is back up, or exclusive when it is down, once enabled again.
TButtonState PaintedSpeedButtonState(const SpeedButtonStatus& s, bool enabled);
// Pressed (held) or staying down.
inline bool ShownPressed(TButtonState s) { return s == TButtonState::bsDown || s == TButtonState::bsExclusive; }
