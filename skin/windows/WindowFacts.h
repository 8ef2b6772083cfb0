#pragma once
// The facts of a form's window that its frame is computed from, read from the
// system in one go. Windows only.
#include "skin/windows/FrameGeometry.h"
#include "skin/windows/SystemMenuRules.h"

class TCustomForm;

// The window's sizes, styles and state as the system laid them out (GripSize is left at its default).
FrameInputs ReadFrameInputs(const TCustomForm& form, FrameMode mode);
// What the system menu rules ask of the form.
SystemMenuFacts ReadMenuFacts(const TCustomForm& form);
