#pragma once
// Blur behind a window by the desktop window manager, where the system offers
// it. The library is loaded at run time: a system without it (or without
// composition) simply has no blur. Windows only.
#include <windows.h>

// Asks the system to blur behind the window inside region (window
// coordinates; the caller keeps the region), or to stop blurring when region
// is null. False when the system offers no blur: no library, no entry point,
// or the call refused.
bool SetBlurBehind(HWND window, HRGN region);
