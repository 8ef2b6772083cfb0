#pragma once
// Windows only: what a push button's window and binding report, gathered
// into the inputs of ButtonState.
#include <windows.h>

#include "skin/handlers/ButtonState.h"

class TControl;
class TsCommonData;
class TsSkinManager;

// control: the toolkit button the window belongs to, or null for a system
// window. manager: the default one (hot window), may be null.
ButtonFacts ReadButtonFacts(HWND window, const TControl* control, const TsCommonData& binding,
                            const TsSkinManager* manager);
