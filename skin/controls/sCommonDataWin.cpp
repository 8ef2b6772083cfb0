#include "skin/controls/sCommonDataWin.h"

#include "skin/controls/BindingHostsWin.h"

#include <windows.h>

#include <memory>
#include <utility>
#include <vector>

#include "skin/controls/BackgroundRequestWin.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/SkinCommands.h"
#include "skin/render/core/PixelBufferDc.h"
#include "toolkit/Cp1251.h"
#include "toolkit/Forms.h"
#include "toolkit/WinControl.h"

namespace {

// A toolkit child window just created under the host goes to the form's control adapter.
void OfferNewChild(TsCommonData& binding, const TMessage& m) {
  if (LOWORD(m.WParam) != WM_CREATE) return;
  auto* host = dynamic_cast<ControlBindingHost*>(binding.Host());
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

void CopyCacheToDc(TsCommonData& binding, HDC dc, const TRect& rect, TPoint from, bool patchCorners) {
  if (!dc || !binding.CachePicture || binding.CachePicture->Empty() || rect.IsEmpty()) return;
  PixelBuffer& picture = *binding.CachePicture;
  if (patchCorners) binding.PatchCornersFromParent(picture);
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, rect.Left, rect.Top, rect.Right, rect.Bottom);
  auto* host = dynamic_cast<ControlBindingHost*>(binding.Host());
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
      auto* host = dynamic_cast<ControlBindingHost*>(binding.Host());
      binding.OnPointerLeft(host && host->Control().MouseInControl());
      return false;
    }
    case CM_SHOWINGCHANGED: {
      BindingHost* host = binding.Host();
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
