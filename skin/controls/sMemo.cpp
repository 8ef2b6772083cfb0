#include "skin/controls/sMemo.h"

#include "skin/controls/sCommonDataWin.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/sSkinManager.h"
#include "toolkit/Messages.h"

TsMemo::TsMemo(TComponent* owner) : TMemo(owner), SkinnedControl(SkinData) { SkinData.ControlKind = kKindMemo; }

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
  const uint16_t command = SkinCommandOf(m.WParam);
  if (const std::optional<LRESULT> answer = AnswerSharedCommand(command, m)) return m.Result = *answer;
  switch (command) {
    case AC_SETNEWSKIN:
      if (!FromOwnManager(m)) break;
      HandleBindingMessage(SkinData, m);
      RefreshHandler();
      return m.Result;
    case AC_REFRESH:
      HandleBindingMessage(SkinData, m);
      if (FromOwnManager(m)) RefreshHandler();
      return m.Result;
    case AC_REMOVESKIN:
      if (!FromOwnManager(m)) break;
      handler_.reset();
      HandleBindingMessage(SkinData, m);
      // The system's frame comes back with a frame recalculation. The window is not created anew: that
      // would cost the user the undo step, the caret and the scroll position for the same look.
      bindingHost_.RecalculateFrame();
      return m.Result;
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
