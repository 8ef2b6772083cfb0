#pragma once
// The facts of a window that its frame is computed from, read from the
// system in one go: of a toolkit form, or of any window whose owner says what
// its styles do not. Windows only.
#include <windows.h>

#include "skin/windows/FrameGeometry.h"
#include "skin/windows/SystemMenuRules.h"

class TCustomForm;

// The window's sizes, styles and state as the system laid them out (GripSize is left at its default).
FrameInputs ReadFrameInputs(HWND window, FrameMode mode, bool hasBorder, bool isMainForm);
FrameInputs ReadFrameInputs(const TCustomForm& form, FrameMode mode);
// What the system menu rules ask of a window: known holds what its owner
// decides (menu, buttons, border style, main form); the window's state and
// its close item are read from the window.
SystemMenuFacts ReadMenuFacts(HWND window, SystemMenuFacts known);
SystemMenuFacts ReadMenuFacts(const TCustomForm& form);
