#pragma once
// The announcement of a skin command to every window of the application, in
// a fixed order: the application's forms from the last to the first, the
// forms registered by their skin providers, then the watched windows of
// other kinds (system dialogs). Windows only.
#include <windows.h>

#include <cstdint>
#include <functional>

class TCustomForm;
class TWinControl;

// Sends the command to every form and control (see the order above).
void BroadcastToForms(uint16_t command, LPARAM argument);
// Sends the command to the child controls of one window: windowless controls
// (and controls whose window is not created yet) by a direct call of their
// handler, controls that pass commands on (AC_CTRLHANDLED answers non-zero) by
// SendMessage, and into the children of every other control.
void BroadcastToControls(TWinControl* window, uint16_t command, LPARAM argument);
// Sends a message to every direct child window of a window.
void BroadcastToChildWindows(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// Forms whose skin providers handle the commands themselves.
void RegisterSkinnedForm(TCustomForm* form);
void UnregisterSkinnedForm(TCustomForm* form);
// Windows of other kinds that the manager watches (messaged only while visible).
void WatchWindow(HWND window);
void UnwatchWindow(HWND window);
void ForgetWatchedWindows();
// Step 3 and 4 of a refresh: AC_REFRESH to the one registered window, then a
// full redraw of every visible watched window.
void SetRefreshWindow(HWND window);
void RefreshWatchedWindows(LPARAM argument);

// The control adapter's filter: true excludes a windowed control's children
// from the recursion.
void SetBroadcastFilter(std::function<bool(TWinControl*)> excludes);
