#include "skin/windows/WindowFacts.h"

#include <windows.h>

#include <algorithm>

#include "toolkit/Application.h"
#include "toolkit/Forms.h"

namespace {

MenuBorderStyle MenuStyleOf(TFormBorderStyle s) {
  switch (s) {
    case TFormBorderStyle::bsNone: return MenuBorderStyle::None;
    case TFormBorderStyle::bsSingle: return MenuBorderStyle::Single;
    case TFormBorderStyle::bsSizeable: return MenuBorderStyle::Sizeable;
    case TFormBorderStyle::bsDialog: return MenuBorderStyle::Dialog;
    case TFormBorderStyle::bsToolWindow: return MenuBorderStyle::ToolWindow;
  }
  return MenuBorderStyle::Sizeable;
}

bool IsMainForm(const TCustomForm& form) { return Application && Application->MainForm() == &form; }

}  // namespace

FrameInputs ReadFrameInputs(HWND window, FrameMode mode, bool hasBorder, bool isMainForm) {
  RECT wr, cr;
  GetWindowRect(window, &wr);
  GetClientRect(window, &cr);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  FrameInputs in;
  in.Mode = mode;
  in.Window = {wr.right - wr.left, wr.bottom - wr.top};
  in.Client = {cr.right, cr.bottom};
  in.ClientInWindow = {origin.x - wr.left, origin.y - wr.top};
  in.HasBorder = hasBorder;
  in.HasCaption = (style & WS_CAPTION) == WS_CAPTION;
  in.Sizeable = (style & WS_THICKFRAME) != 0;
  in.Maximized = IsZoomed(window);
  in.Iconic = IsIconic(window);
  in.IsMainForm = isMainForm;
  in.SystemMenuHeight = GetSystemMetrics(SM_CYMENU);
  in.MenuLines = 0;
  // The real frame and caption as the system laid them out around the client area.
  in.SystemFrame = in.HasBorder ? std::max<int32_t>(0, in.ClientInWindow.X) : 0;
  in.SystemCaption = in.HasCaption ? std::max<int32_t>(0, in.ClientInWindow.Y - in.SystemFrame) : 0;
  return in;
}

FrameInputs ReadFrameInputs(const TCustomForm& form, FrameMode mode) {
  return ReadFrameInputs(form.WindowHandle(), mode, form.BorderStyle != TFormBorderStyle::bsNone, IsMainForm(form));
}

SystemMenuFacts ReadMenuFacts(HWND window, SystemMenuFacts known) {
  SystemMenuFacts f = known;
  f.State = window && IsIconic(window)   ? MenuWindowState::Minimized
            : window && IsZoomed(window) ? MenuWindowState::Maximized
                                         : MenuWindowState::Normal;
  if (HMENU menu = window ? GetSystemMenu(window, FALSE) : nullptr) {
    const UINT close = GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND);
    f.HasCloseItem = close != UINT(-1);
    f.CloseGreyed = f.HasCloseItem && (close & (MF_GRAYED | MF_DISABLED));
  }
  return f;
}

SystemMenuFacts ReadMenuFacts(const TCustomForm& form) {
  SystemMenuFacts known;
  known.SystemMenu = form.BorderIcons.SystemMenu;
  known.Minimize = form.BorderIcons.Minimize;
  known.Maximize = form.BorderIcons.Maximize;
  known.Style = MenuStyleOf(form.BorderStyle);
  known.MainForm = IsMainForm(form);
  return ReadMenuFacts(form.WindowHandle(), known);
}
