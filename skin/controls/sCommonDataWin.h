#pragma once
// Windows only: a toolkit control as the host of its skin binding, and the
// cracking of the host's messages into the binding's typed handlers.
#include <functional>

#include "skin/controls/BindingHost.h"
#include "toolkit/Control.h"

class TsCommonData;
class TWinControl;

// The binding's view of a toolkit control, windowed or windowless.
class TControlBindingHost : public TacBindingHost {
 public:
  explicit TControlBindingHost(TControl& control) : control_(control) {}

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
class TWindowBindingHost : public TacBindingHost {
 public:
  explicit TWindowBindingHost(HWND window) : window_(window) {}

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

// The skin command message to a control: through its window when it has one, else dispatched directly.
intptr_t SendSkinCommand(TControl& control, uint16_t command, intptr_t argument);

// Copies the binding's picture (from `from` on) into rect of dc, leaving out
// the visible windowed children of the host that overlap it (they paint
// themselves). With patchCorners the picture's transparent corners take the
// parent's background first. Nothing without a picture.
void CopyCacheToDc(TsCommonData& binding, HDC dc, const TRect& rect, TPoint from, bool patchCorners);

// The binding's part of a host's message handling, called before the host's
// own: true when the message was consumed (its answer is in message.Result).
bool HandleBindingMessage(TsCommonData& binding, TMessage& message);

// Whether a windowed control's cached picture can be copied out. The picture is
// rebuilt first when it is stale, forced, or cannot be trusted to match what
// lies behind (the control half outside its parent, or a parent whose
// background changed); a build that fails suspends the control's painting.
bool CachedPictureReady(TWinControl& control, TsCommonData& binding, bool forceRebuild,
                        const std::function<bool()>& build);
