#pragma once
// The system's visual themes, loaded at run time: a skinned window has its
// theme switched off so that the system draws its remaining parts plainly.
#include <windows.h>

// Sets the window's theme to the application name " " and the id list " ",
// which no theme matches. False (and nothing done) without the theme library.
bool SwitchVisualThemeOff(HWND window);
