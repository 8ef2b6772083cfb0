#pragma once
// The skin provider of one form: takes over the form's window procedure,
// paints the frame (borders, caption, title buttons, shadow) and the client
// background from the active skin into one frame cache, and shows it: through
// the border window in extended-border mode, in the form's own non-client
// area in in-frame mode. Windows only; the geometry and the painting are the
// portable FrameGeometry and FramePainter.
#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "skin/render/core/PixelBuffer.h"
#include "skin/windows/FrameGeometry.h"
#include "skin/windows/FramePainter.h"
#include "skin/windows/SystemMenuRules.h"
#include "toolkit/Forms.h"
#include "toolkit/WndHook.h"

class TacBorderForm;
class TsSkinManager;

inline constexpr const char* kProviderFormsOnly = "TsSkinProvider component may be used with forms only!";

enum class TGripMode { gmNone, gmRightBottom };

// The picture that replaces the form's icon in the caption.
struct TsTitleIcon {
  PixelBuffer Glyph;    // straight alpha; empty: the form's own icon
  int32_t Width = 0;    // 0: derived from the caption height and the glyph's aspect
  int32_t Height = 0;   // 0: derived from the caption height
  bool Visible = true;
};

class TsSkinProvider : public TComponent {
 public:
  // owner must be a form; the form's window procedure is taken over at once,
  // so the provider sees the window being created and prepares itself then.
  explicit TsSkinProvider(TComponent* owner);
  ~TsSkinProvider() override;
  std::string ClassName() const override { return "TsSkinProvider"; }
  void Loaded() override;

  // Stored settings.
  bool AllowExtBorders = true;
  bool DrawNonClientArea = true;
  bool DrawClientArea = true;
  bool ShowAppIcon = true;
  bool UseGlobalColor = true;
  std::string SkinSection = "FORM";  // SkinData.SkinSection
  std::string TitleSkin;             // empty: "FORMTITLE"
  int FormHeaderAdditionalHeight = 0;
  TGripMode GripMode = TGripMode::gmNone;
  TsTitleIcon TitleIcon;

  TCustomForm& Form() const { return form_; }
  bool Skinned() const { return skinned_; }
  FrameMode Mode() const { return mode_; }
  bool FormActive() const { return active_; }
  // The frame cache (rebuilt first when marked changed) and where the client area lies in it.
  const PixelBuffer& FrameCache();
  TPoint ClientOrigin() const { return measures_.ClientOrigin; }
  const FrameMeasures& Measures() const { return measures_; }
  const FrameInputs& Inputs() const { return inputs_; }
  const TitleLayout& Layout() const { return layout_; }
  const FrameSkinValues& SkinValues() const { return values_; }
  TacBorderForm* BorderForm() const { return border_.get(); }
  // The frame's hit code of a screen point (border window or in-frame geometry).
  int32_t FrameHitTest(POINT screen) const;
  // The state of one title button (0 normal, 1 hot, 2 pressed).
  int32_t ButtonState(TitleButton b) const { return look_.ButtonStates[size_t(b)]; }

  // Title buttons (called by the border window and the non-client handlers).
  void SetHotButton(int32_t hitCode);
  void PressButton(int32_t hitCode);
  // Ends a press; the action runs when the release is over the pressed button.
  // The action may destroy the form and this provider: nothing may follow it.
  void ReleaseButton(int32_t hitCode);
  bool PressInProgress() const { return pressed_ != 0; }
  // The system menu at a screen point.
  void ShowSystemMenu(POINT screen);
  // Caption double click: maximize or restore.
  void CaptionDoubleClick();
  // Marks the cache changed and shows the new frame.
  void RepaintFrame();

 private:
  LRESULT OnMessage(TMessage& m);
  LRESULT CallPrevious(TMessage& m) { return hook_.CallPrevious(m); }
  LRESULT OnSkinCommand(uint16_t command, LPARAM argument);
  LRESULT OnNcHitTest(TMessage& m, POINT screen);
  LRESULT OnNcActivate(bool active);
  LRESULT OnNcPaint();
  LRESULT OnEraseBackground(TMessage& m, HDC dc);
  LRESULT OnGetMinMaxInfo(TMessage& m, MINMAXINFO& info);
  LRESULT OnWindowPosChanged(TMessage& m, UINT flags);
  LRESULT OnSetText(TMessage& m);
  LRESULT OnShowWindowMenu(POINT screen);
  LRESULT OnLButtonUp(TMessage& m);
  LRESULT OnNcMouse(TMessage& m, int32_t hitCode, POINT screen);
  LRESULT OnSysCommand(TMessage& m, UINT command);
  LRESULT OnDestroy(TMessage& m);

  void Prepare();
  void Unprepare();
  bool WantsExtendedBorders() const;
  void GatherInputs();
  void Rebuild();
  void ShowFrame(bool redraw);
  void OutputFrame();  // in-frame mode: the frame's bands from the cache to the window
  void ApplyWindowRegion();
  void UpdateIcon();
  void RedrawGripArea(const TRect& previousGrip);
  void RepaintButton(TitleButton b);
  SystemMenuFacts MenuFacts() const;
  void WriteCaption(PixelBuffer& cache, const TitleLayout& layout, int32_t state);
  TsSkinManager* Manager() const;

  TCustomForm& form_;
  TWndHook hook_{[this](TMessage& m) { return OnMessage(m); }};
  bool passive_ = false;
  bool skinned_ = false;
  bool changed_ = true;
  bool active_ = true;
  FrameMode mode_ = FrameMode::InFrame;

  FrameSkinValues values_;
  FrameInputs inputs_;
  FrameMeasures measures_;
  TitleLayout layout_;
  FramePaintSkin paintSkin_;
  FrameLook look_;
  TitleButtonsInput buttons_;
  PixelBuffer cache_, buttonsBackground_;
  PixelBuffer icon_;  // the form's icon at the icon rectangle's size
  std::unique_ptr<TacBorderForm> border_;
  int32_t hot_ = 0, pressed_ = 0;
  bool regionSet_ = false;
  TRect region_;  // the window region last set (empty: none)
  std::vector<TRect> regionCorners_;  // the corners cut out of it
};

// Registers the class "TsSkinProvider" with the form reader (settings:
// SkinData.SkinSection, AllowExtBorders, DrawNonClientArea, ShowAppIcon,
// UseGlobalColor, TitleSkin, FormHeader.AdditionalHeight); once is enough.
void RegisterSkinProviderClass();
