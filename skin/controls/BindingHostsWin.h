#pragma once
// Windows only: the two hosts of a skin binding, a toolkit control and a plain window.
#include <windows.h>

#include "skin/controls/BindingHost.h"
#include "toolkit/Control.h"

class TWinControl;

// The binding's view of a toolkit control, windowed or windowless.
class ControlBindingHost : public BindingHost {
 public:
  explicit ControlBindingHost(TControl& control) : control_(control) {}

  std::string ClassName() const override { return control_.ClassName(); }
  bool Windowed() const override;
  void* HotToken() override { return &control_; }
  bool Destroying() const override { return control_.Destroying(); }
  bool Loading() const override { return control_.Loading(); }
  bool Enabled() const override { return control_.Enabled(); }
  bool Showing() const override { return control_.Showing(); }
  bool CanFocus() const override;
  bool TabStop() const override;
  bool WindowFocused() const override;
  TSize Size() const override { return {control_.Width(), control_.Height()}; }
  TPoint PositionInParent() const override { return {control_.Left(), control_.Top()}; }
  bool HasParent() const override { return control_.Parent() != nullptr; }
  bool ParentHasWindow() const override;
  TColor Color() const override { return control_.Color(); }
  void SetColor(TColor color) override { control_.SetColor(color); }
  TColor FontColor() const override { return control_.Font.Color; }
  void SetFontColor(TColor color) override;
  intptr_t SendCommand(uint16_t command, intptr_t argument) override;
  intptr_t SendParentCommand(uint16_t command, intptr_t argument) override;
  void SendChildrenCommand(uint16_t command, intptr_t argument, bool windowedOnly) override;
  bool AskParentBackground(BackgroundRequest& request, bool pleaseDraw) override;
  TColor ParentColor() const override;
  void OfferToAdapter() override;
  void RecalculateFrame() override;
  void Invalidate(bool erase) override;
  void Redraw(bool now) override;
  void FillTarget(void* dc, const TRect& rect, TColor color) override;
  void CopyToTarget(void* dc, const TRect& rect, const PixelBuffer& picture, TPoint from) override;

  TControl& Control() const { return control_; }

 private:
  TWinControl* Windowed_() const;
  TControl& control_;
};

// The binding's view of a plain window (a standard window skinned by a window
// handler). It is no toolkit control, so the pointer never makes it active
// through the binding; its colours are the handler's.
class WindowBindingHost : public BindingHost {
 public:
  explicit WindowBindingHost(HWND window) : window_(window) {}

  std::string ClassName() const override;
  bool IsControl() const override { return false; }
  bool Windowed() const override { return true; }
  void* HotToken() override { return nullptr; }
  uintptr_t HotWindow() const override { return reinterpret_cast<uintptr_t>(window_); }
  bool Destroying() const override { return !IsWindow(window_); }
  bool Loading() const override { return false; }
  bool Enabled() const override { return IsWindowEnabled(window_) != 0; }
  bool Showing() const override { return IsWindowVisible(window_) != 0; }
  bool CanFocus() const override { return Enabled() && Showing(); }
  bool TabStop() const override { return (GetWindowLongPtrW(window_, GWL_STYLE) & WS_TABSTOP) != 0; }
  bool WindowFocused() const override { return GetFocus() == window_; }
  TSize Size() const override;
  TPoint PositionInParent() const override;
  bool HasParent() const override { return GetParent(window_) != nullptr; }
  TColor Color() const override { return color_; }
  void SetColor(TColor color) override { color_ = color; }
  TColor FontColor() const override { return fontColor_; }
  void SetFontColor(TColor color) override { fontColor_ = color; }
  intptr_t SendCommand(uint16_t command, intptr_t argument) override;
  intptr_t SendParentCommand(uint16_t command, intptr_t argument) override;
  void SendChildrenCommand(uint16_t command, intptr_t argument, bool windowedOnly) override;
  bool AskParentBackground(BackgroundRequest& request, bool pleaseDraw) override;
  TColor ParentColor() const override { return clBtnFace; }
  void RecalculateFrame() override;
  void Invalidate(bool erase) override { InvalidateRect(window_, nullptr, erase); }
  void Redraw(bool now) override;
  void FillTarget(void* dc, const TRect& rect, TColor color) override;
  void CopyToTarget(void* dc, const TRect& rect, const PixelBuffer& picture, TPoint from) override;

  HWND Window() const { return window_; }

 private:
  HWND window_;
  TColor color_ = clBtnFace;
  TColor fontColor_ = clBtnText;
};
