#pragma once
// The skinned memo. The system draws its client area in colours taken from
// the skin (unless it keeps its own); its frame and scroll bars are drawn by
// an edit-window handler attached to its window while a skin is active.
#include <windows.h>

#include <memory>

#include "skin/controls/SkinnedControl.h"
#include "skin/controls/TacEditWnd.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/BindingHostsWin.h"
#include "skin/render/core/DisabledLook.h"
#include "toolkit/StdCtrls.h"

class TsMemo : public TMemo, private SkinnedControl {
  ControlBindingHost bindingHost_{*this};  // before SkinData, which refers to it

 public:
  explicit TsMemo(TComponent* owner);
  ~TsMemo() override;
  std::string ClassName() const override { return "TsMemo"; }
  void Loaded() override;
  LRESULT WndProc(TMessage& message) override;

  TsScrollWndData SkinData{&bindingHost_, true};
  TsDisabledKind DisabledKind = dkBlended;
  TNotifyEvent OnScrollCaret;
  TNotifyEvent OnVScroll;

  // The handler while a skin is active, else null.
  TacEditWnd* Handler() const { return handler_.get(); }

 protected:
  void WindowCreated() override;

 private:
  // (Re)creates the handler when a skin is active, frees it otherwise.
  void RefreshHandler();
  void CatchUpWithSkin();
  LRESULT OnSkinMessage(TMessage& message);
  LRESULT OnKeyDown(TMessage& message);
  std::string DefaultSectionName() const override { return "EDIT"; }
  // The system paints the client area: there is no picture of its own, and the binding's redraw of a
  // resumed window is all a repaint needs.
  bool KeepsPicture() const override { return false; }
  void RepaintPicture() override {}

  std::unique_ptr<TacEditWnd> handler_;
  bool creatingHandler_ = false;
};
