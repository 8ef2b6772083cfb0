#include "skin/controls/BindingHostsWin.h"

#include <memory>
#include <utility>
#include <vector>

#include "skin/controls/BackgroundRequestWin.h"
#include "skin/controls/sCommonDataWin.h"
#include "skin/data/SkinCommands.h"
#include "skin/render/core/PixelBufferDc.h"
#include "toolkit/Cp1251.h"
#include "toolkit/Forms.h"
#include "toolkit/WinControl.h"

namespace {

void FillDc(void* dc, const TRect& rect, TColor color) {
  if (dc) FillSolid(static_cast<HDC>(dc), RECT{rect.Left, rect.Top, rect.Right, rect.Bottom}, color);
}

void CopyToDc(void* dc, const TRect& rect, const PixelBuffer& picture, TPoint from) {
  if (!dc || picture.Empty()) return;
  BitBlt(static_cast<HDC>(dc), rect.Left, rect.Top, rect.Width(), rect.Height(), BufferDc(picture), from.X, from.Y,
         SRCCOPY);
}

void RecalculateFrameOf(HWND window) {
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void RedrawWithFrame(HWND window, bool now) {
  UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN;
  if (now) flags |= RDW_UPDATENOW;
  RedrawWindow(window, nullptr, nullptr, flags);
}

}  // namespace

TWinControl* ControlBindingHost::Windowed_() const { return dynamic_cast<TWinControl*>(&control_); }

bool ControlBindingHost::Windowed() const { return Windowed_() != nullptr; }

bool ControlBindingHost::CanFocus() const {
  const TWinControl* win = Windowed_();
  return win && win->CanFocus();
}

bool ControlBindingHost::TabStop() const {
  const TWinControl* win = Windowed_();
  return win && win->TabStop;
}

bool ControlBindingHost::WindowFocused() const {
  const TWinControl* win = Windowed_();
  return win && win->WindowHandle() && GetFocus() == win->WindowHandle();
}

bool ControlBindingHost::ParentHasWindow() const {
  const TWinControl* parent = control_.Parent();
  return parent && parent->HandleAllocated();
}

void ControlBindingHost::SetFontColor(TColor color) {
  control_.Font.Color = color;
  control_.Font.Changed();
}

intptr_t ControlBindingHost::SendCommand(uint16_t command, intptr_t argument) {
  return SendSkinCommand(control_, command, argument);
}

intptr_t ControlBindingHost::SendParentCommand(uint16_t command, intptr_t argument) {
  TWinControl* parent = control_.Parent();
  return parent ? SendSkinCommand(*parent, command, argument) : 0;
}

void ControlBindingHost::SendChildrenCommand(uint16_t command, intptr_t argument, bool windowedOnly) {
  TWinControl* win = Windowed_();
  if (!win) return;
  // A child's handling may free it or a sibling: each child is reached only while it is alive.
  std::vector<std::pair<TControl*, std::weak_ptr<const void>>> children;
  for (TControl* child : win->Controls()) children.emplace_back(child, child->LifeToken());
  for (const auto& [child, alive] : children)
    if (!alive.expired() && (!windowedOnly || dynamic_cast<TWinControl*>(child)))
      SendSkinCommand(*child, command, argument);
}

bool ControlBindingHost::AskParentBackground(BackgroundRequest& request, bool pleaseDraw) {
  TWinControl* parent = control_.Parent();
  if (!parent) return false;
  ::AskBackground(request, *parent, pleaseDraw);
  return true;
}

TColor ControlBindingHost::ParentColor() const {
  const TWinControl* parent = control_.Parent();
  return parent ? parent->Color() : clBtnFace;
}

void ControlBindingHost::OfferToAdapter() {
  if (TCustomForm* form = GetParentForm(&control_))
    SendSkinCommand(*form, AC_ADAPTCONTROL, reinterpret_cast<intptr_t>(&control_));
}

void ControlBindingHost::RecalculateFrame() {
  if (TWinControl* win = Windowed_(); win && win->WindowHandle()) RecalculateFrameOf(win->WindowHandle());
}

void ControlBindingHost::Invalidate(bool erase) {
  TWinControl* win = Windowed_();
  if (win && win->WindowHandle()) {
    InvalidateRect(win->WindowHandle(), nullptr, erase);
  } else {
    control_.Invalidate();
  }
}

void ControlBindingHost::Redraw(bool now) {
  TWinControl* win = Windowed_();
  if (!win || !win->WindowHandle()) {
    control_.Invalidate();
    return;
  }
  RedrawWithFrame(win->WindowHandle(), now);
}

void ControlBindingHost::FillTarget(void* dc, const TRect& rect, TColor color) { FillDc(dc, rect, color); }

void ControlBindingHost::CopyToTarget(void* dc, const TRect& rect, const PixelBuffer& picture, TPoint from) {
  CopyToDc(dc, rect, picture, from);
}

// ---- Plain windows ---------------------------------------------------------------

std::string WindowBindingHost::ClassName() const {
  wchar_t name[256] = {};
  const int length = GetClassNameW(window_, name, 256);
  return Cp1251::FromWide(std::wstring_view(name, size_t(length > 0 ? length : 0)));
}

TSize WindowBindingHost::Size() const {
  RECT r{};
  GetWindowRect(window_, &r);
  return {r.right - r.left, r.bottom - r.top};
}

TPoint WindowBindingHost::PositionInParent() const {
  RECT r{};
  GetWindowRect(window_, &r);
  POINT p{r.left, r.top};
  if (HWND parent = GetParent(window_)) ScreenToClient(parent, &p);
  return {p.x, p.y};
}

intptr_t WindowBindingHost::SendCommand(uint16_t command, intptr_t argument) {
  return SendMessageW(window_, kSkinMessage, SkinCommandParam(command), argument);
}

intptr_t WindowBindingHost::SendParentCommand(uint16_t command, intptr_t argument) {
  HWND parent = GetParent(window_);
  return parent ? SendMessageW(parent, kSkinMessage, SkinCommandParam(command), argument) : 0;
}

void WindowBindingHost::SendChildrenCommand(uint16_t command, intptr_t argument, bool) {
  // Direct children only, gathered first: a child may go away while it handles the command.
  std::vector<HWND> children;
  for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  for (HWND child : children)
    if (IsWindow(child)) SendMessageW(child, kSkinMessage, SkinCommandParam(command), argument);
}

bool WindowBindingHost::AskParentBackground(BackgroundRequest& request, bool pleaseDraw) {
  HWND parent = GetParent(window_);
  if (!parent) return false;
  ::AskBackground(request, parent, pleaseDraw);
  return true;
}

void WindowBindingHost::RecalculateFrame() { RecalculateFrameOf(window_); }

void WindowBindingHost::Redraw(bool now) { RedrawWithFrame(window_, now); }

void WindowBindingHost::FillTarget(void* dc, const TRect& rect, TColor color) { FillDc(dc, rect, color); }

void WindowBindingHost::CopyToTarget(void* dc, const TRect& rect, const PixelBuffer& picture, TPoint from) {
  CopyToDc(dc, rect, picture, from);
}
