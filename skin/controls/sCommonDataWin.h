#pragma once
// Windows only: a toolkit control as the host of its skin binding, and the
// cracking of the host's messages into the binding's typed handlers.
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
  void Invalidate(bool erase) override;
  void Redraw(bool now) override;
  void FillTarget(void* dc, const TRect& rect, TColor color) override;
  void CopyToTarget(void* dc, const TRect& rect, const PixelBuffer& picture, TPoint from) override;

  TControl& Control() const { return control_; }

 private:
  TWinControl* Windowed_() const;
  TControl& control_;
};

// The skin command message to a control: through its window when it has one, else dispatched directly.
intptr_t SendSkinCommand(TControl& control, uint16_t command, intptr_t argument);

// The binding's part of a host's message handling, called before the host's
// own: true when the message was consumed (its answer is in message.Result).
bool HandleBindingMessage(TsCommonData& binding, TMessage& message);
