#pragma once
// The message record every control handles, and the toolkit's own
// notifications. Notifications travel through a control's hooks and WndProc
// like window messages, so a hook sees them too; they are sent with Perform
// and never reach the window system.
#include <windows.h>

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// 0xB000.. is free of the engine's private messages (0xA100, 0xA400, 0xBCB3).
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_MOUSEENTER = CM_BASE + 1;       // LParam: the control the pointer entered
constexpr UINT CM_MOUSELEAVE = CM_BASE + 2;       // LParam: the control the pointer left
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 3;   // WParam: the new Visible
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 4;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 5;   // sent to a windowed control whose Showing changed
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 6;  // WParam: the control, LParam: 1 inserted, 0 removed
constexpr UINT CM_FONTCHANGED = CM_BASE + 7;
constexpr UINT CM_COLORCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 10;
constexpr UINT CM_MOUSEWHEEL = CM_BASE + 11;      // a wheel message nobody handled; WParam/LParam as WM_MOUSEWHEEL
constexpr UINT CM_RECREATEWND = CM_BASE + 12;     // the control's window was destroyed and created anew
constexpr UINT CM_ENTER = CM_BASE + 13;           // became the form's active control
constexpr UINT CM_EXIT = CM_BASE + 14;            // stopped being the form's active control
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 15;   // to a parent's controls; WParam: group index, LParam: the speed button

// Notifications a parent passes back to the child they concern ("control
// notifications"), so that each control handles its own.
constexpr UINT CN_BASE = 0xBE00;  // up to 0xBF38, below the registered messages
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
