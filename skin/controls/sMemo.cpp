#include "skin/controls/sMemo.h"

#include "skin/data/SkinCommands.h"
#include "skin/data/sSkinManager.h"
#include "toolkit/Messages.h"

TsMemo::TsMemo(TComponent* owner) : TMemo(owner) { SkinData.ControlKind = kKindMemo; }

TsMemo::~TsMemo() { handler_.reset(); }

void TsMemo::Loaded() {
  TMemo::Loaded();
  SkinData.FinishLoading();
  RefreshHandler();
}

void TsMemo::WindowCreated() {
  TMemo::WindowCreated();
  if (!Loading()) RefreshHandler();
}

void TsMemo::RefreshHandler() {
  if (creatingHandler_) return;
  handler_.reset();
  if (!HandleAllocated() || Destroying() || !SkinData.IsSkinned(true)) return;
  TacHandlerParams params;
  params.Control = this;
  params.SkinColor = !SkinData.CustomColor();
  params.SkinFont = !SkinData.CustomFont();
  creatingHandler_ = true;
  handler_ = TacMainWnd::Create<TacEditWnd>(WindowHandle(), true, params, SkinData.SkinManagerProperty(), &SkinData);
  creatingHandler_ = false;
}

void TsMemo::CatchUpWithSkin() {
  // A skin that came into force after the memo was loaded also wants the memo's window handler.
  if (creatingHandler_ || Loading()) return;
  SkinData.CatchUpWithSkin();
  if (!handler_ && HandleAllocated() && SkinData.IsSkinned(true)) RefreshHandler();
}

LRESULT TsMemo::OnKeyDown(TMessage& m) {
  const LRESULT result = TMemo::WndProc(m);
  // Ctrl+A selects everything; the character it would type (and its beep) is taken out of the queue.
  if (m.WParam == 'A' && (GetKeyState(VK_CONTROL) & 0x8000) && HandleAllocated()) {
    SendMessageW(WindowHandle(), EM_SETSEL, 0, -1);
    MSG pending;
    PeekMessageW(&pending, WindowHandle(), WM_CHAR, WM_CHAR, PM_REMOVE);
    return m.Result = 0;
  }
  return result;
}

LRESULT TsMemo::OnSkinMessage(TMessage& m) {
  const auto* from = reinterpret_cast<TsSkinManager*>(m.LParam);
  switch (SkinCommandOf(m.WParam)) {
    case AC_CTRLHANDLED: return m.Result = 1;
    case AC_GETDEFINDEX: {
      const TsSkinManager* manager = SkinData.Manager();
      return m.Result = (manager ? manager->Elements().Section("EDIT") : -1) + 1;
    }
    case AC_SETNEWSKIN:
      if (from == SkinData.Manager()) {
        HandleBindingMessage(SkinData, m);
        RefreshHandler();
        return m.Result;
      }
      break;
    case AC_REFRESH:
      HandleBindingMessage(SkinData, m);
      if (from == SkinData.Manager()) RefreshHandler();
      return m.Result;
    case AC_REMOVESKIN:
      if (from == SkinData.Manager()) {
        handler_.reset();
        HandleBindingMessage(SkinData, m);
        if (HandleAllocated())
          SetWindowPos(WindowHandle(), nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        return m.Result;
      }
      break;
    default: break;
  }
  if (HandleBindingMessage(SkinData, m)) return m.Result;
  return TMemo::WndProc(m);
}

LRESULT TsMemo::WndProc(TMessage& m) {
  if (m.Msg == kSkinMessage) return OnSkinMessage(m);
  CatchUpWithSkin();
  if (m.Msg == WM_KEYDOWN) return OnKeyDown(m);
  if (HandleBindingMessage(SkinData, m)) return m.Result;
  const LRESULT result = TMemo::WndProc(m);
  switch (m.Msg) {
    case CM_SHOWINGCHANGED:
      if (SkinData.IsSkinned(true) && (!handler_ || handler_->Detached())) RefreshHandler();
      break;
    case CM_FONTCHANGED:
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
      if (SkinData.IsSkinned(true)) SkinData.RepaintHost(true);
      break;
    case WM_VSCROLL:
      if (OnVScroll) OnVScroll(this);
      break;
    case EM_SCROLLCARET:
      if (OnScrollCaret) OnScrollCaret(this);
      break;
    case CM_TEXTCHANGED:
      if (handler_ && !handler_->Detached()) handler_->UpdateBars();
      break;
    default: break;
  }
  return result;
}
