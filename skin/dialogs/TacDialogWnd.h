#pragma once
// The handler of a system dialog ("#32770"): its frame, caption and title
// buttons painted from the skin the way a form's provider paints them (the
// same geometry, painter, caption writer and border window, with the
// "DIALOG" section, the dialog's kind and the styles saved at attachment),
// its client background from "DIALOG", and the background its children ask
// for. Shown through the border window: a skin without extended borders
// leaves dialogs in their own frame. Windows only.
#include <windows.h>

#include <functional>
#include <optional>

#include "skin/controls/TacMainWnd.h"
#include "skin/dialogs/DialogRules.h"
#include "skin/windows/CaptionWriter.h"
#include "skin/windows/FrameGeometry.h"
#include "skin/windows/FrameOutput.h"
#include "skin/windows/FramePainter.h"
#include "skin/windows/TitleButtonTracker.h"
#include "skin/windows/acBorderForm.h"

class TacDialogWnd final : public TacMainWnd, private BorderWindowHost {
 public:
  ~TacDialogWnd() override;
  // Whether the manager's skin can frame dialogs (extended borders).
  static bool CanFrame(const TsSkinManager& manager);
  LRESULT HandleMessage(TMessage& m) override;

  int32_t Kind() const { return facts_.Kind; }
  TacBorderForm* BorderForm() const { return border_.get(); }
  const FrameMeasures& Measures() const { return measures_; }
  const FrameInputs& Inputs() const { return inputs_; }
  const TitleLayout& Layout() const { return layout_; }
  std::string_view TitleSection() const { return titleSection_; }
  GlyphSet Glyphs() const { return glyphs_.Set; }
  int32_t ButtonState(TitleButton b) const { return tracker_.BuiltInStates()[size_t(b)]; }
  // The frame cache, rebuilt first when stale.
  const PixelBuffer& FrameCache() override;
  // Called once the children may be attached (first erase, command 28, refresh notifications).
  std::function<void()> OnChildrenWanted;

 protected:
  using TacMainWnd::TacMainWnd;
  void AfterAttach() override;
  void OnDetach() override;
  std::optional<LRESULT> OnSkinCommand(uint16_t command, TMessage& m) override;
  void BuildCache() override;

 private:
  // The border window's host.
  HWND FormWindow() const override { return Window(); }
  BorderPlacement Placement() const override { return PlaceBorderWindow(measures_, inputs_); }
  uint8_t Opacity() const override { return 255; }
  std::optional<BlurShape> WantedBlur() override { return std::nullopt; }
  int32_t FrameHitTest(TPoint screen) const override;
  void SetHotButton(int32_t code) override { Run(tracker_.Hover(code)); }
  bool PressInProgress() const override { return tracker_.Pressed() != 0; }
  void PressLost() override { Run(tracker_.CaptureLost()); }
  void PressTitleButton(int32_t code) override;
  void ReleaseTitleButton(int32_t code) override { Run(tracker_.Release(code)); }
  void ShowSystemMenu(TPoint) override {}
  void CaptionDoubleClick() override;
  void IconDoubleClick() override { SendMessageW(Window(), WM_SYSCOMMAND, SC_CLOSE, 0); }
  void EdgeDoubleClick(int32_t) override {}
  void FormLeftDown(int32_t code, TPoint screen) override;

  LRESULT OnNcActivate(TMessage& m, bool active);
  LRESULT OnEraseBackground(TMessage& m, HDC dc);
  LRESULT OnWindowPosChanged(TMessage& m, UINT flags);
  LRESULT OnRepaintAfter(TMessage& m);  // text, enabled state: the frame shows the change
  LRESULT OnChildrenChanged(TMessage& m);
  LRESULT OnBackgroundQuery(intptr_t argument);

  void Rebuild();
  void ShowFrame(bool redraw);
  void RepaintFrame();
  void Run(const TitleSteps& steps);
  void ActOn(int32_t code);
  void WantChildren();
  int32_t FrameState() const;
  PixelBuffer& Cache();
  HBRUSH FormBrush();
  DialogFacts LiveFacts() const;

  DialogFacts facts_;  // the styles saved at attachment, the kind
  std::string_view titleSection_ = "FORMTITLE";
  TitleGlyphChoice glyphs_;
  FrameSkinValues values_;
  FrameInputs inputs_;
  FrameMeasures measures_;
  TitleLayout layout_;
  FramePaintSkin paintSkin_;
  FrameLook look_;
  TitleButtonsInput buttons_;
  PixelBuffer buttonsBackground_;
  CaptionWriter caption_;
  FrameOutput output_;
  TitleButtonTracker tracker_;
  std::unique_ptr<TacBorderForm> border_;
  bool active_ = true;
  bool childrenAttached_ = false;
  HBRUSH formBrush_ = nullptr;
  COLORREF formBrushColor_ = 0;
};
