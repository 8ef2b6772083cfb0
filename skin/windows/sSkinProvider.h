#pragma once
// The skin provider of one form: takes over the form's window procedure,
// paints the frame (borders, caption, title buttons, shadow) and the client
// background from the active skin into one frame cache, and shows it: through
// the border window in extended-border mode, in the form's own non-client
// area in in-frame mode. Windows only. What it is made of, each depending one
// way: the window's facts (WindowFacts), the portable geometry and painter
// (FrameGeometry, FramePainter), the caption (CaptionWriter), the title-button
// state machine (TitleButtonTracker), the skin-command answers
// (ProviderCommands), the output to the window (FrameOutput) and the border
// window (TacBorderForm); the provider keeps the message map and ties them.
#include <windows.h>

#include <memory>
#include <string>

#include "skin/controls/sCommonData.h"
#include "skin/controls/BindingHostsWin.h"
#include "skin/data/ThirdPartyList.h"
#include "skin/render/core/PixelBuffer.h"
#include "skin/windows/CaptionWriter.h"
#include "skin/windows/EdgeStretch.h"
#include "skin/windows/FrameGeometry.h"
#include "skin/windows/AdapterRules.h"
#include "skin/windows/FrameOutput.h"
#include "skin/windows/FramePainter.h"
#include "skin/windows/LabelRecolouring.h"
#include "skin/windows/ProviderCommands.h"
#include "skin/windows/SystemMenuRules.h"
#include "skin/windows/TitleButtonTracker.h"
#include "skin/windows/acBorderForm.h"
#include "skin/windows/sSystemMenu.h"
#include "skin/windows/sTitleButtons.h"
#include "toolkit/ButtonLayout.h"
#include "toolkit/Forms.h"
#include "toolkit/HintWindow.h"
#include "toolkit/WndHook.h"

class TacCtrlAdapter;
class TsSkinManager;
class TsSkinProvider;
struct BackgroundRequest;
struct TacFontSectionRequest;

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

class TsSkinProvider : public TComponent, private BorderWindowHost, private ProviderCommandHost {
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
  // The form's plain controls are skinned by the control adapter.
  bool AllowSkin3rdParty = true;
  // The provider's own class-name lists, in force instead of the manager's when
  // one of them names a class; read again at construction and loading (ReadTexts).
  ThirdPartyList ThirdParty;
  // Asked about each control before the adapter skins it.
  TSkinItemEvent OnSkinItem;
  TSkinItemExEvent OnSkinItemEx;

 private:
  TCustomForm& form_;  // before the binding, whose host is the form
  ProviderBindingHost bindingHost_{*this};

 public:
  // The form's skin binding (section "FORM"); its picture is the frame cache,
  // its stale flag the cache's changed mark.
  TsScrollWndData SkinData{&bindingHost_, true};

  TCustomForm& Form() const { return form_; }
  bool Skinned() const override { return skinned_ && !form_.Destroying(); }
  FrameMode Mode() const { return mode_; }
  bool FormActive() const { return active_; }
  // The frame cache (rebuilt first when marked changed) and where the client area lies in it.
  const PixelBuffer& FrameCache() override;
  TPoint ClientOrigin() const override { return measures_.ClientOrigin; }
  const FrameMeasures& Measures() const { return measures_; }
  const FrameInputs& Inputs() const { return inputs_; }
  const TitleLayout& Layout() const { return layout_; }
  const FrameSkinValues& SkinValues() const { return values_; }
  TacBorderForm* BorderForm() const { return border_.get(); }
  // The frame's hit code of a screen point (border window or in-frame geometry).
  int32_t FrameHitTest(POINT screen) const { return FrameHitTest(TPoint{screen.x, screen.y}); }
  // The state of one title button (0 normal, 1 hot, 2 pressed).
  int32_t ButtonState(TitleButton b) const { return tracker_.State(HitCodeOf(b)); }
  int32_t UserButtonState(size_t index) const { return tracker_.State(kFrameHitUserButton + int32_t(index)); }
  bool PressInProgress() const override { return tracker_.Pressed() != 0; }
  // Marks the cache changed and shows the new frame.
  void RepaintFrame() override;
  // The opacity the form and its border window are shown with.
  uint8_t Opacity() const override;
  // The adapter of the form's plain controls; null until the skinned form first needs it.
  TacCtrlAdapter* Adapter() const { return adapter_.get(); }
  // Nested redraw-off requests the form has been sent.
  int32_t RedrawOffCount() const { return redrawOff_; }

 private:
  // The window procedure: a flat switch of typed handlers.
  LRESULT OnMessage(TMessage& m);
  LRESULT CallPrevious(TMessage& m) { return hook_.CallPrevious(m); }
  // The previous procedure with drawing held off, so that the system draws no caption of its own.
  LRESULT CallPreviousUndrawn(TMessage& m);
  LRESULT OnNcHitTest(TMessage& m, POINT screen);
  LRESULT OnNcActivate(TMessage& m, bool active);
  LRESULT OnNcPaint();
  LRESULT OnEraseBackground(TMessage& m, HDC dc);
  LRESULT OnGetMinMaxInfo(TMessage& m, MINMAXINFO& info);
  LRESULT OnWindowPosChanged(TMessage& m, UINT flags);
  LRESULT OnSetText(TMessage& m);
  LRESULT OnShowWindowMenu(POINT screen);
  LRESULT OnLButtonUp(TMessage& m);
  LRESULT OnCaptureChanged(TMessage& m, HWND gaining);
  LRESULT OnCancelMode(TMessage& m);
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
  LRESULT OnParentNotify(TMessage& m, UINT event, HWND child);
  LRESULT OnNotify(TMessage& m, const NMHDR& header);
  LRESULT OnControlListChange(TMessage& m, TControl* control, bool inserted);

  // The border window's host.
  HWND FormWindow() const override { return form_.WindowHandle(); }
  BorderPlacement Placement() const override { return PlaceBorderWindow(measures_, inputs_); }
  std::optional<BlurShape> WantedBlur() override;
  int32_t FrameHitTest(TPoint screen) const override;
  void SetHotButton(int32_t hitCode) override;
  void PressTitleButton(int32_t hitCode) override;
  void ReleaseTitleButton(int32_t hitCode) override;
  void PressLost() override;
  void ShowSystemMenu(TPoint screen) override;
  void CaptionDoubleClick() override;
  void IconDoubleClick() override;
  // A double click on a sizing edge of a sizeable form: stretched along it to
  // the work area, or given its span back.
  void EdgeDoubleClick(int32_t hitCode) override;
  void FormLeftDown(int32_t hitCode, TPoint screen) override;

  // The skin commands' host.
  bool FromOwnManager(intptr_t argument) const override;
  void Prepare() override;
  void Unprepare() override;
  void Refresh() override;
  void ShowFrame() override { ShowFrame(true); }
  bool CacheStale() const override { return SkinData.CacheStale; }
  void SetCacheStale(bool stale) override { SkinData.CacheStale = stale; }
  void RebuildCache() override { Rebuild(); }
  void SuspendPainting(bool suspended) override { SkinData.PaintSuspended = suspended; }
  void PassOnToChildren(uint16_t command, intptr_t argument) override;
  void ClearTitleButtons() override;
  void SuspendRedraw() override;
  void ResumeRedraw() override;
  void SetOpacity(int32_t alpha) override;
  void AdaptControls(intptr_t control) override;
  intptr_t AskBinding(uint16_t command, intptr_t argument) override;
  bool BackgroundIsPicture() override;
  uint32_t ControlColor() override;
  intptr_t AnswerBackground(intptr_t request) override;
  intptr_t AnswerFontSection(intptr_t request) override;
  intptr_t Provider() override { return reinterpret_cast<intptr_t>(this); }
  intptr_t ApplicationObject() override;
  int32_t WindowFrameWidth() const override {
    return (inputs_.Window.cx - inputs_.Client.cx) / 2 - inputs_.BorderWidth;
  }

  // Title buttons: the tracker's steps carried out, in order.
  void Run(const TitleSteps& steps, HWND captureWindow = nullptr);
  void PressButton(int32_t hitCode, HWND captureWindow);
  void ActOn(int32_t hitCode);        // a released button's action; may free the form and this provider
  void MouseDownOn(int32_t hitCode);  // a user button's OnMouseDown; may free the form and this provider
  bool PressAllowed(int32_t hitCode) const;
  void ShowHint(int32_t hitCode);
  void RepaintButton(int32_t hitCode);
  void IconClick();  // the system menu just below the icon

  // The adapter scans `parent` (the whole form when made now, on first need, or when null).
  void ScanControls(TWinControl* parent = nullptr);
  void FreeAdapter();  // the adapted controls and labels get their own look back
  void UpdateFrameMode();  // extended-border or in-frame mode as the manager and the form now allow
  bool WantsExtendedBorders(bool maximized) const;
  void Rebuild();
  void ShowFrame(bool redraw);
  void OutputFrame();  // in-frame mode: the frame's bands from the cache to the window
  void ApplyWindowRegion();
  void UpdateIcon();
  void RedrawGripArea(const TRect& previousGrip);
  void GatherUserButtons();
  CaptionInputs CaptionOf() const;
  void ApplyGlobalColor();
  void SetSystemMenuStyle(bool on);
  int32_t FrameState() const;  // min(active flag, the form section's states - 1)
  PixelBuffer& Cache() { return *SkinData.CachePicture; }
  TsSkinManager* Manager() const;

  TWndHook hook_{[this](TMessage& m) { return OnMessage(m); }};
  bool passive_ = false;
  bool skinned_ = false;
  bool active_ = true;
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
  CaptionWriter caption_;
  ProviderCommands commands_;
  TitleButtonTracker tracker_;
  FrameOutput output_;
  std::unique_ptr<TacBorderForm> border_;
  std::unique_ptr<THintWindow> hint_;
  EdgeStretch edgeStretch_;
  class AdapterLink;
  std::unique_ptr<AdapterLink> adapterLink_;
  std::unique_ptr<TacCtrlAdapter> adapter_;
  LabelRecolouring labels_;
};

// Registers the class "TsSkinProvider" with the form reader (settings:
// SkinData.SkinSection, AllowExtBorders, DrawNonClientArea, ShowAppIcon,
// UseGlobalColor, TitleSkin, FormHeader.AdditionalHeight, CaptionAlignment,
// GripMode, TitleIcon.Visible, .Width, .Height (sizes at 96 dpi), MakeSkinMenu,
// SysSubMenu.Caption, .Position, AddedTitle.Text, AddedTitle.ShowMainCaption,
// AddedTitle.Font.Name, .Height, .Color, .Charset; enumerations as ordinals);
// once is enough.
void RegisterSkinProviderClass();
