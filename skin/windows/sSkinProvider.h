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

#include "skin/controls/sCommonData.h"
#include "skin/controls/BindingHostsWin.h"
#include "skin/render/core/GreyBuffer.h"
#include "skin/render/core/PixelBuffer.h"
#include "skin/windows/CaptionFont.h"
#include "skin/windows/EdgeStretch.h"
#include "skin/windows/FrameGeometry.h"
#include "skin/windows/FramePainter.h"
#include "skin/windows/SystemMenuRules.h"
#include "toolkit/ButtonLayout.h"
#include "skin/windows/sSystemMenu.h"
#include "skin/windows/sTitleButtons.h"
#include "toolkit/Forms.h"
#include "toolkit/HintWindow.h"
#include "toolkit/WndHook.h"

class TacBorderForm;
class TsSkinManager;

class TsSkinProvider;

inline constexpr const char* kProviderFormsOnly = "TsSkinProvider component may be used with forms only!";

enum class TGripMode { gmNone, gmRightBottom };

// The picture that replaces the form's icon in the caption.
struct TsTitleIcon {
  PixelBuffer Glyph;    // straight alpha; empty: the form's own icon
  int32_t Width = 0;    // 0: derived from the caption height and the glyph's aspect
  int32_t Height = 0;   // 0: derived from the caption height
  bool Visible = true;
};

// The form as the host of the provider's skin binding: its picture is the
// frame cache, its colours are the form's, its children the form's controls.
class ProviderBindingHost final : public ControlBindingHost {
 public:
  explicit ProviderBindingHost(TsSkinProvider& provider);
  std::string ClassName() const override { return "TsSkinProvider"; }
  bool IsControl() const override { return false; }
  bool IsForm() const override { return true; }
  bool Windowed() const override { return true; }
  void* HotToken() override { return nullptr; }
  TSize Size() const override;
  bool ExtraTitleArea() const override;

 private:
  TsSkinProvider& provider_;
};

// The second caption text that follows the form's caption.
struct TacAddedTitle {
  std::string Text;  // 1251
  TFont Font;
  bool ShowMainCaption = true;
};

class TsSkinProvider : public TComponent {
 public:
  // owner must be a form; the form's window procedure is taken over at once,
  // so the provider sees the window being created and prepares itself then.
  explicit TsSkinProvider(TComponent* owner);
  ~TsSkinProvider() override;
  std::string ClassName() const override { return "TsSkinProvider"; }
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

  // Stored settings.
  bool AllowExtBorders = true;
  bool DrawNonClientArea = true;
  bool DrawClientArea = true;
  bool ShowAppIcon = true;
  bool UseGlobalColor = true;
  std::string TitleSkin;             // empty: "FORMTITLE"
  int FormHeaderAdditionalHeight = 0;
  TGripMode GripMode = TGripMode::gmNone;
  TsTitleIcon TitleIcon;
  bool MakeSkinMenu = false;  // the system menu offers the manager's skins
  TacSysSubMenu SysSubMenu;
  // User title buttons; changes of a button's own settings show with the next frame repaint.
  TsTitleButtons TitleButtons{[this] { RepaintFrame(); }};
  TacAddedTitle AddedTitle;
  TAlignment CaptionAlignment = TAlignment::taLeftJustify;

 private:
  TCustomForm& form_;  // before the binding, whose host is the form
  ProviderBindingHost bindingHost_{*this};

 public:
  // The form's skin binding (section "FORM"); its picture is the frame cache,
  // its stale flag the cache's changed mark.
  TsScrollWndData SkinData{&bindingHost_, true};

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
  int32_t UserButtonState(size_t index) const {
    return index < look_.UserButtons.size() ? look_.UserButtons[index].State : 0;
  }

  // Title buttons (called by the border window and the non-client handlers).
  void SetHotButton(int32_t hitCode);
  // Starts a press and gives the mouse to captureWindow; a user button's
  // OnMouseDown may destroy the form and this provider: nothing may follow it.
  void PressButton(int32_t hitCode, HWND captureWindow);
  // Ends a press; the action runs when the release is over the pressed button.
  // The action may destroy the form and this provider: nothing may follow it.
  void ReleaseButton(int32_t hitCode);
  bool PressInProgress() const { return pressed_ != 0; }
  // The system menu at a screen point; the chosen item may destroy the form.
  void ShowSystemMenu(POINT screen);
  // Caption double click: maximize or restore.
  void CaptionDoubleClick();
  // Icon clicks: the system menu just below the icon; a double click closes the form.
  void IconClick();
  void IconDoubleClick();
  // A double click on a sizing edge of a sizeable form: stretched along it to
  // the work area, or given its span back.
  void EdgeDoubleClick(int32_t hitCode);
  // Marks the cache changed and shows the new frame.
  void RepaintFrame();
  // The opacity the form and its border window are shown with.
  uint8_t Opacity() const;
  // Nested redraw-off requests the form has been sent.
  int32_t RedrawOffCount() const { return redrawOff_; }

 private:
  LRESULT OnMessage(TMessage& m);
  LRESULT CallPrevious(TMessage& m) { return hook_.CallPrevious(m); }
  // The previous procedure with drawing held off, so that the system draws no caption of its own.
  LRESULT CallPreviousUndrawn(TMessage& m);
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
  LRESULT OnSize(TMessage& m);
  LRESULT OnSetRedraw(TMessage& m, bool redraw);
  LRESULT OnSetIcon(TMessage& m);
  LRESULT OnStyleChanged(TMessage& m, int which, const STYLESTRUCT& change);
  LRESULT OnSettingChange(TMessage& m);
  LRESULT OnShowWindow(TMessage& m, bool show);
  LRESULT OnActivateApp(TMessage& m);
  LRESULT OnEnable(TMessage& m);
  LRESULT OnQueryEndSession(TMessage& m);
  LRESULT OnBackgroundQuery(BackgroundRequest* request);
  LRESULT OnFontSectionQuery(TacFontSectionRequest* request);
  void SetOpacity(int32_t alpha);

  void Prepare();
  void Unprepare();
  void UpdateFrameMode();  // extended-border or in-frame mode as the manager and the form now allow
  bool WantsExtendedBorders(bool maximized) const;
  void GatherInputs();
  void Rebuild();
  void ShowFrame(bool redraw);
  void OutputFrame();  // in-frame mode: the frame's bands from the cache to the window
  void ApplyWindowRegion();
  void UpdateIcon();
  void RedrawGripArea(const TRect& previousGrip);
  void RepaintButton(int32_t hitCode);
  int32_t* StateOf(int32_t hitCode);  // null for codes of no button
  void UpdateHint();                  // a hot user button shows its hint
  void GatherUserButtons();
  SystemMenuFacts MenuFacts() const;
  void WriteCaption(PixelBuffer& cache, const TitleLayout& layout, int32_t state);
  void ApplyGlobalColor();
  void SetSystemMenuStyle(bool on);
  void ClearButtonStates();
  int32_t FrameState() const;  // min(active flag, the form section's states - 1)
  PixelBuffer& Cache() { return *SkinData.CachePicture; }
  TsSkinManager* Manager() const;

  TWndHook hook_{[this](TMessage& m) { return OnMessage(m); }};
  bool passive_ = false;
  bool skinned_ = false;
  bool active_ = true;
  bool updating_ = false;    // AC_SETUPDATING: the frame waits for AC_ENDPARENTUPDATE
  bool gluedMoved_ = false;  // moved by a glued partner (AC_SETGLUED)
  int32_t redrawOff_ = 0;    // nested WM_SETREDRAW off requests
  int32_t opacity_ = -1;     // AC_SETALPHA; -1: the form's own AlphaBlend
  FrameMode mode_ = FrameMode::InFrame;

  FrameSkinValues values_;
  FrameInputs inputs_;
  FrameMeasures measures_;
  TitleLayout layout_;
  FramePaintSkin paintSkin_;
  FrameLook look_;
  TitleButtonsInput buttons_;
  PixelBuffer buttonsBackground_;
  PixelBuffer icon_;  // the form's icon at the icon rectangle's size
  std::array<GreyBuffer, 2> captionGlow_;  // glow masks of the inactive and the active caption
  TCaptionFont captionFont_;
  std::unique_ptr<TacBorderForm> border_;
  std::unique_ptr<THintWindow> hint_;
  EdgeStretch edgeStretch_;
  int32_t hot_ = 0, pressed_ = 0;
  bool regionSet_ = false;
  TRect region_;  // the window region last set (empty: none)
  std::vector<TRect> regionCorners_;  // the corners cut out of it
};

// Registers the class "TsSkinProvider" with the form reader (settings:
// SkinData.SkinSection, AllowExtBorders, DrawNonClientArea, ShowAppIcon,
// UseGlobalColor, TitleSkin, FormHeader.AdditionalHeight, CaptionAlignment,
// GripMode, TitleIcon.Visible, .Width, .Height (sizes at 96 dpi), MakeSkinMenu,
// SysSubMenu.Caption, .Position, AddedTitle.Text, AddedTitle.ShowMainCaption,
// AddedTitle.Font.Name, .Height, .Color, .Charset; enumerations as ordinals);
// once is enough.
void RegisterSkinProviderClass();
