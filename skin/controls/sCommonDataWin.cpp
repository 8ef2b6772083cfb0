#include "skin/controls/sCommonDataWin.h"

#include <windows.h>

#include "skin/controls/sCommonData.h"
#include "skin/controls/BackgroundRequestWin.h"
#include "skin/data/SkinCommands.h"
#include "skin/render/core/PixelBufferDc.h"
#include "toolkit/Forms.h"
#include "toolkit/WinControl.h"

namespace {

// A toolkit child window just created under the host goes to the form's control adapter.
void OfferNewChild(TsCommonData& binding, const TMessage& m) {
  if (LOWORD(m.WParam) != WM_CREATE) return;
  auto* host = dynamic_cast<TControlBindingHost*>(binding.Host());
  TWinControl* child = TWinControl::FromHandle(reinterpret_cast<HWND>(m.LParam));
  TCustomForm* form = host ? GetParentForm(&host->Control()) : nullptr;
  if (child && form) SendSkinCommand(*form, AC_ADAPTCONTROL, reinterpret_cast<intptr_t>(child));
}

}  // namespace

intptr_t SendSkinCommand(TControl& control, uint16_t command, intptr_t argument) {
  if (auto* win = dynamic_cast<TWinControl*>(&control); win && win->WindowHandle())
    return SendMessageW(win->WindowHandle(), kSkinMessage, SkinCommandParam(command), argument);
  return control.Perform(kSkinMessage, SkinCommandParam(command), argument);
}

TWinControl* TControlBindingHost::Windowed_() const { return dynamic_cast<TWinControl*>(&control_); }

bool TControlBindingHost::Windowed() const { return Windowed_() != nullptr; }

bool TControlBindingHost::CanFocus() const {
  const TWinControl* win = Windowed_();
  return win && win->CanFocus();
}

bool TControlBindingHost::TabStop() const {
  const TWinControl* win = Windowed_();
  return win && win->TabStop;
}

bool TControlBindingHost::WindowFocused() const {
  const TWinControl* win = Windowed_();
  return win && win->WindowHandle() && GetFocus() == win->WindowHandle();
}

bool TControlBindingHost::ParentHasWindow() const {
  const TWinControl* parent = control_.Parent();
  return parent && parent->HandleAllocated();
}

void TControlBindingHost::SetFontColor(TColor color) {
  control_.Font.Color = color;
  control_.Font.Changed();
}

intptr_t TControlBindingHost::SendCommand(uint16_t command, intptr_t argument) {
  return SendSkinCommand(control_, command, argument);
}

intptr_t TControlBindingHost::SendParentCommand(uint16_t command, intptr_t argument) {
  TWinControl* parent = control_.Parent();
  return parent ? SendSkinCommand(*parent, command, argument) : 0;
}

void TControlBindingHost::SendChildrenCommand(uint16_t command, intptr_t argument, bool windowedOnly) {
  TWinControl* win = Windowed_();
  if (!win) return;
  // A child may remove itself while it handles the command: walk a copy.
  const std::vector<TControl*> children = win->Controls();
  for (TControl* child : children)
    if (!windowedOnly || dynamic_cast<TWinControl*>(child)) SendSkinCommand(*child, command, argument);
}

bool TControlBindingHost::AskParentBackground(BackgroundRequest& request, bool pleaseDraw) {
  TWinControl* parent = control_.Parent();
  if (!parent) return false;
  ::AskBackground(request, *parent, pleaseDraw);
  return true;
}

TColor TControlBindingHost::ParentColor() const {
  const TWinControl* parent = control_.Parent();
  return parent ? parent->Color() : clBtnFace;
}

void TControlBindingHost::OfferToAdapter() {
  if (TCustomForm* form = GetParentForm(&control_))
    SendSkinCommand(*form, AC_ADAPTCONTROL, reinterpret_cast<intptr_t>(&control_));
}

void TControlBindingHost::Invalidate(bool erase) {
  TWinControl* win = Windowed_();
  if (win && win->WindowHandle()) {
    InvalidateRect(win->WindowHandle(), nullptr, erase);
  } else {
    control_.Invalidate();
  }
}

void TControlBindingHost::Redraw(bool now) {
  TWinControl* win = Windowed_();
  if (!win || !win->WindowHandle()) {
    control_.Invalidate();
    return;
  }
  UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN;
  if (now) flags |= RDW_UPDATENOW;
  RedrawWindow(win->WindowHandle(), nullptr, nullptr, flags);
}

void TControlBindingHost::FillTarget(void* dc, const TRect& rect, TColor color) {
  if (!dc) return;
  FillSolid(static_cast<HDC>(dc), RECT{rect.Left, rect.Top, rect.Right, rect.Bottom}, color);
}

void TControlBindingHost::CopyToTarget(void* dc, const TRect& rect, const PixelBuffer& picture, TPoint from) {
  if (!dc || picture.Empty()) return;
  BitBlt(static_cast<HDC>(dc), rect.Left, rect.Top, rect.Width(), rect.Height(), BufferDc(picture), from.X, from.Y,
         SRCCOPY);
}

bool HandleBindingMessage(TsCommonData& binding, TMessage& m) {
  switch (m.Msg) {
    case WM_MOVE: binding.OnMove(); return false;
    case WM_SIZE: binding.OnSize(); return false;
    case WM_SETFOCUS: binding.OnFocusGained(); return false;
    case WM_KILLFOCUS: binding.OnFocusLost(); return false;
    case WM_SHOWWINDOW: binding.OnShowWindow(); return false;
    case CM_ENABLEDCHANGED: binding.OnEnabledChanged(); return false;
    case WM_UPDATEUISTATE: return binding.OnUpdateUiState();
    case WM_PARENTNOTIFY: OfferNewChild(binding, m); return false;
    case CM_VISIBLECHANGED: binding.OnVisibleChanged(m.WParam != 0); return false;
    case CM_MOUSEENTER: binding.OnPointerEntered(); return false;
    case CM_MOUSELEAVE: {
      auto* host = dynamic_cast<TControlBindingHost*>(binding.Host());
      binding.OnPointerLeft(host && host->Control().MouseInControl());
      return false;
    }
    case CM_SHOWINGCHANGED: {
      TacBindingHost* host = binding.Host();
      binding.OnShowingChanged(host && host->Showing());
      return false;
    }
    case kSkinMessage: {
      const std::optional<intptr_t> answer = binding.OnSkinCommand(SkinCommandOf(m.WParam), m.LParam);
      if (!answer) return false;
      m.Result = *answer;
      return true;
    }
    default: return false;
  }
}
