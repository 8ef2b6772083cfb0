#pragma once
// Message crackers: the typed parts of a window message, read in one place,
// so that a window procedure is one switch of `case WM_X: return OnX(...)`
// lines. Each takes the message record and names what it reads; the comment
// says which messages carry it.
#include <windows.h>

#include "skin/render/core/Geometry.h"
#include "toolkit/Messages.h"

class TControl;
class TSpeedButton;

// ---- Mouse

// The point in LParam, each coordinate with its sign (left of or above the
// window, or on a monitor left of the primary one, is negative). Client
// coordinates for the client mouse messages; screen coordinates for
// WM_NCHITTEST, the WM_NC* mouse messages, WM_MOUSEWHEEL and WM_CONTEXTMENU
// (-1, -1 there: opened from the keyboard).
inline TPoint PointOf(const TMessage& m) {
  return {int16_t(LOWORD(m.LParam)), int16_t(HIWORD(m.LParam))};
}
// The buttons and keys held (MK_LBUTTON, MK_SHIFT, ...): client mouse messages and WM_MOUSEWHEEL.
inline UINT MouseKeysOf(const TMessage& m) { return LOWORD(m.WParam); }
// WM_MOUSEWHEEL: a multiple of WHEEL_DELTA, positive away from the user.
inline int WheelDeltaOf(const TMessage& m) { return int16_t(HIWORD(m.WParam)); }
// WM_NC* mouse messages: where the pointer is (HTCAPTION, HTCLOSE, ...).
inline UINT HitCodeOf(const TMessage& m) { return UINT(m.WParam); }

// Press (or double click) and release of one of the three buttons, in the client area.
inline bool IsButtonDown(UINT msg) {
  switch (msg) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK:
      return true;
  }
  return false;
}
inline bool IsButtonUp(UINT msg) { return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP; }
// The button of a press, release or double click (client or non-client).
inline TMouseButton ButtonOf(UINT msg) {
  switch (msg) {
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN: case WM_NCRBUTTONUP: case WM_NCRBUTTONDBLCLK:
      return TMouseButton::mbRight;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN: case WM_NCMBUTTONUP: case WM_NCMBUTTONDBLCLK:
      return TMouseButton::mbMiddle;
  }
  return TMouseButton::mbLeft;
}
// WM_CAPTURECHANGED: the window that takes the capture (may be null).
inline HWND NewCaptureOf(const TMessage& m) { return reinterpret_cast<HWND>(m.LParam); }

// ---- Keyboard

// WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP: the virtual key (VK_TAB, 'A', ...).
inline UINT VirtualKeyOf(const TMessage& m) { return UINT(m.WParam); }
// WM_CHAR, WM_SYSCHAR: the typed character (UTF-16).
inline wchar_t CharOf(const TMessage& m) { return wchar_t(m.WParam); }
// WM_SETFOCUS: the window that lost the focus; WM_KILLFOCUS: the one that gets it (either may be null).
inline HWND FocusPartnerOf(const TMessage& m) { return reinterpret_cast<HWND>(m.WParam); }

// ---- Size, position, activation

// WM_SIZE: SIZE_RESTORED, SIZE_MINIMIZED, SIZE_MAXIMIZED, ...
inline UINT SizeKindOf(const TMessage& m) { return UINT(m.WParam); }
// WM_SIZE: the new client size.
inline TSize ClientSizeOf(const TMessage& m) { return {LOWORD(m.LParam), HIWORD(m.LParam)}; }
// WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED: the new place and the SWP_ flags.
inline WINDOWPOS& WindowPosOf(const TMessage& m) { return *reinterpret_cast<WINDOWPOS*>(m.LParam); }
// WM_NCCALCSIZE: true when the client rectangle is to be computed with the
// NCCALCSIZE_PARAMS of NcCalcSizeParamsOf; false: LParam is one RECT (NcCalcSizeRectOf).
inline bool NcCalcSizeValidOf(const TMessage& m) { return m.WParam != 0; }
inline NCCALCSIZE_PARAMS& NcCalcSizeParamsOf(const TMessage& m) { return *reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam); }
inline RECT& NcCalcSizeRectOf(const TMessage& m) { return *reinterpret_cast<RECT*>(m.LParam); }
// WM_NCACTIVATE, WM_ACTIVATEAPP: becoming active (true) or inactive.
inline bool ActiveOf(const TMessage& m) { return m.WParam != 0; }
// WM_ACTIVATE: WA_ACTIVE, WA_CLICKACTIVE or WA_INACTIVE.
inline UINT ActivationOf(const TMessage& m) { return LOWORD(m.WParam); }
// WM_ACTIVATE: the window losing or gaining the activation (may be null).
inline HWND ActivationPartnerOf(const TMessage& m) { return reinterpret_cast<HWND>(m.LParam); }
// WM_SYSCOMMAND: SC_CLOSE, SC_MOVE, ... (the low four bits are the system's own).
inline UINT SysCommandOf(const TMessage& m) { return UINT(m.WParam & 0xFFF0); }

// ---- Painting

// The device context in WParam: WM_ERASEBKGND, WM_CTLCOLOR*, WM_PRINTCLIENT, and
// WM_PAINT sent by a parent to paint into its DC (null for a real WM_PAINT).
inline HDC DcOf(const TMessage& m) { return reinterpret_cast<HDC>(m.WParam); }
// WM_NCPAINT: the region to paint, in screen coordinates; the value 1 means the whole frame.
inline HRGN UpdateRegionOf(const TMessage& m) { return reinterpret_cast<HRGN>(m.WParam); }

// ---- Child controls

// WM_COMMAND: the control or menu id, the notification code (0 for menus, 1
// for accelerators) and the control window (null for menus and accelerators).
inline UINT CommandIdOf(const TMessage& m) { return LOWORD(m.WParam); }
inline UINT NotifyCodeOf(const TMessage& m) { return HIWORD(m.WParam); }
inline HWND CommandWindowOf(const TMessage& m) { return reinterpret_cast<HWND>(m.LParam); }
// WM_NOTIFY: the notification's common header (sender, id, code).
inline NMHDR& NotifyHeaderOf(const TMessage& m) { return *reinterpret_cast<NMHDR*>(m.LParam); }
// WM_CTLCOLOR*: the child window whose colours are asked for.
inline HWND ColorChildOf(const TMessage& m) { return reinterpret_cast<HWND>(m.LParam); }
// WM_DRAWITEM, WM_MEASUREITEM (and their CN_ reflections).
inline DRAWITEMSTRUCT& DrawItemOf(const TMessage& m) { return *reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam); }
inline MEASUREITEMSTRUCT& MeasureItemOf(const TMessage& m) { return *reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam); }

// ---- Toolkit notifications

// CM_MOUSEENTER, CM_MOUSELEAVE: the control the pointer entered or left.
inline TControl* PointedControlOf(const TMessage& m) { return reinterpret_cast<TControl*>(m.LParam); }
// CM_CONTROLLISTCHANGE: the child, and whether it was inserted (false: it is being removed).
inline TControl* ListedControlOf(const TMessage& m) { return reinterpret_cast<TControl*>(m.WParam); }
inline bool InsertedOf(const TMessage& m) { return m.LParam != 0; }
// CM_BUTTONPRESSED: the group and the speed button that went down (or changed its group settings).
inline int GroupIndexOf(const TMessage& m) { return int(m.WParam); }
inline const TSpeedButton* PressedButtonOf(const TMessage& m) { return reinterpret_cast<const TSpeedButton*>(m.LParam); }
