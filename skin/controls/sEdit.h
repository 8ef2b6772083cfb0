#pragma once
// The skinned single-line edit. Unfocused (and disabled) it shows a picture
// kept in its binding's cache: the skin's edit frame and background with its
// text written in; focused, the system draws text, caret and selection inside
// the skinned frame.
#include <windows.h>

#include "skin/controls/SkinnedControl.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/BindingHostsWin.h"
#include "skin/render/core/DisabledLook.h"
#include "toolkit/StdCtrls.h"

class TsEdit : public TEdit, private SkinnedControl {
  ControlBindingHost bindingHost_{*this};  // before SkinData, which refers to it

 public:
  explicit TsEdit(TComponent* owner);
  std::string ClassName() const override { return "TsEdit"; }
  void Loaded() override;
  LRESULT WndProc(TMessage& message) override;

  TsCtrlSkinData SkinData{&bindingHost_, true};
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind kind);

  // The width of the border the frame ring covers.
  int32_t BorderWidth() const;
  // Builds the picture (frame, background, text, disabled look); false when the parent is not ready.
  bool BuildCache();

 private:
  LRESULT OnSkinMessage(TMessage& message);
  LRESULT OnPaint(TMessage& message);
  LRESULT OnNcPaint(TMessage& message);
  LRESULT OnPrint(TMessage& message);
  // The picture is current: rebuilt when stale, corners patched; false when nothing can be drawn.
  bool CacheReady();
  void PaintClient(HDC dc, bool windowDc);
  void PaintFrameRing(HDC windowDc);
  void Repaint();
  bool Skinned() const;
  std::string DefaultSectionName() const override { return "EDIT"; }
  bool BuildPicture() override { return BuildCache(); }
  void RepaintPicture() override { Repaint(); }

  TsDisabledKind disabledKind_ = dkBlended;
};
