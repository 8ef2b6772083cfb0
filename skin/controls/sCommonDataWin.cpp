#include "skin/controls/sCommonDataWin.h"

#include <windows.h>

#include <memory>
#include <utility>
#include <vector>

#include "skin/controls/sCommonData.h"
#include "skin/controls/BackgroundRequestWin.h"
#include "skin/data/SkinCommands.h"
#include "skin/render/core/PixelBufferDc.h"
#include "toolkit/Cp1251.h"
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

void FillDc(void* dc, const TRect& rect, TColor color) {
  if (dc) FillSolid(static_cast<HDC>(dc), RECT{rect.Left, rect.Top, rect.Right, rect.Bottom}, color);
}

void CopyToDc(void* dc, const TRect& rect, const PixelBuffer& picture, TPoint from) {
  if (!dc || picture.Empty()) return;
  BitBlt(static_cast<HDC>(dc), rect.Left, rect.Top, rect.Width(), rect.Height(), BufferDc(picture), from.X, from.Y,
         SRCCOPY);
}

void RecalculateFrameOf(HWND window) {
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void RedrawWithFrame(HWND window, bool now) {
  UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN;
  if (now) flags |= RDW_UPDATENOW;
  RedrawWindow(window, nullptr, nullptr, flags);
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
  // A child's handling may free it or a sibling: each child is reached only while it is alive.
  std::vector<std::pair<TControl*, std::weak_ptr<const void>>> children;
  for (TControl* child : win->Controls()) children.emplace_back(child, child->LifeToken());
  for (const auto& [child, alive] : children)
    if (!alive.expired() && (!windowedOnly || dynamic_cast<TWinControl*>(child)))
      SendSkinCommand(*child, command, argument);
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

void TControlBindingHost::RecalculateFrame() {
  if (TWinControl* win = Windowed_(); win && win->WindowHandle()) RecalculateFrameOf(win->WindowHandle());
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
  RedrawWithFrame(win->WindowHandle(), now);
}

void TControlBindingHost::FillTarget(void* dc, const TRect& rect, TColor color) { FillDc(dc, rect, color); }

void TControlBindingHost::CopyToTarget(void* dc, const TRect& rect, const PixelBuffer& picture, TPoint from) {
  CopyToDc(dc, rect, picture, from);
}

// ---- Plain windows ---------------------------------------------------------------

std::string TWindowBindingHost::ClassName() const {
  wchar_t name[256] = {};
  const int length = GetClassNameW(window_, name, 256);
  return Cp1251::FromWide(std::wstring_view(name, size_t(length > 0 ? length : 0)));
}

TSize TWindowBindingHost::Size() const {
  RECT r{};
  GetWindowRect(window_, &r);
  return {r.right - r.left, r.bottom - r.top};
}

TPoint TWindowBindingHost::PositionInParent() const {
  RECT r{};
  GetWindowRect(window_, &r);
  POINT p{r.left, r.top};
  if (HWND parent = GetParent(window_)) ScreenToClient(parent, &p);
  return {p.x, p.y};
}

intptr_t TWindowBindingHost::SendCommand(uint16_t command, intptr_t argument) {
  return SendMessageW(window_, kSkinMessage, SkinCommandParam(command), argument);
}

intptr_t TWindowBindingHost::SendParentCommand(uint16_t command, intptr_t argument) {
  HWND parent = GetParent(window_);
  return parent ? SendMessageW(parent, kSkinMessage, SkinCommandParam(command), argument) : 0;
}

void TWindowBindingHost::SendChildrenCommand(uint16_t command, intptr_t argument, bool) {
  // Direct children only, gathered first: a child may go away while it handles the command.
  std::vector<HWND> children;
  for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  for (HWND child : children)
    if (IsWindow(child)) SendMessageW(child, kSkinMessage, SkinCommandParam(command), argument);
}

bool TWindowBindingHost::AskParentBackground(BackgroundRequest& request, bool pleaseDraw) {
  HWND parent = GetParent(window_);
  if (!parent) return false;
  ::AskBackground(request, parent, pleaseDraw);
  return true;
}

void TWindowBindingHost::RecalculateFrame() { RecalculateFrameOf(window_); }

void TWindowBindingHost::Redraw(bool now) { RedrawWithFrame(window_, now); }

void TWindowBindingHost::FillTarget(void* dc, const TRect& rect, TColor color) { FillDc(dc, rect, color); }

void TWindowBindingHost::CopyToTarget(void* dc, const TRect& rect, const PixelBuffer& picture, TPoint from) {
  CopyToDc(dc, rect, picture, from);
}

void CopyCacheToDc(TsCommonData& binding, HDC dc, const TRect& rect, TPoint from, bool patchCorners) {
  if (!dc || !binding.CachePicture || binding.CachePicture->Empty() || rect.IsEmpty()) return;
  PixelBuffer& picture = *binding.CachePicture;
  if (patchCorners) binding.PatchCornersFromParent(picture);
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, rect.Left, rect.Top, rect.Right, rect.Bottom);
  auto* host = dynamic_cast<TControlBindingHost*>(binding.Host());
  if (auto* win = host ? dynamic_cast<TWinControl*>(&host->Control()) : nullptr) {
    for (const TControl* child : win->Controls()) {
      if (!child->Visible() || !dynamic_cast<const TWinControl*>(child)) continue;
      const TRect b = child->BoundsRect();
      ExcludeClipRect(dc, b.Left, b.Top, b.Right, b.Bottom);
    }
  }
  BitBlt(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), BufferDc(picture), from.X, from.Y, SRCCOPY);
  RestoreDC(dc, saved);
}

bool HandleBindingMessage(TsCommonData& binding, TMessage& m) {
  switch (m.Msg) {
    case WM_MOVE: binding.OnMove(); return false;
    case WM_SIZE: binding.OnSize(); return false;
    case WM_SETFOCUS: binding.OnFocusGained(); return false;
    case WM_KILLFOCUS: binding.OnFocusLost(); return false;
    case WM_SHOWWINDOW: binding.OnShowWindow(); return false;
    case WM_FONTCHANGE:  // as the enabled change: the pointer and focus states start afresh
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

bool CachedPictureReady(TWinControl& control, TsCommonData& binding, bool forceRebuild,
                        const std::function<bool()>& build) {
  if (binding.PaintSuspended) return false;
  bool stale = forceRebuild || binding.CacheStale || !binding.CachePicture || binding.CachePicture->Empty();
  if (TWinControl* parent = control.Parent(); parent && parent->HandleAllocated()) {
    RECT client{};
    GetClientRect(parent->WindowHandle(), &client);
    if (control.Left() < 0 || control.Top() < 0 || control.Left() + control.Width() > client.right ||
        control.Top() + control.Height() > client.bottom)
      stale = true;
    if (SendMessageW(parent->WindowHandle(), kSkinMessage, SkinCommandParam(AC_GETANSWERFLAG), 0) == 1 &&
        binding.NeedsParentPicture())
      stale = true;
  }
  if (stale && !build()) {
    binding.PaintSuspended = true;
    return false;
  }
  binding.PatchCornersFromParent(*binding.CachePicture);
  return true;
}
