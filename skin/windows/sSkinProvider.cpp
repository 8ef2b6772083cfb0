#include "skin/windows/sSkinProvider.h"

#include <algorithm>
#include <stdexcept>

#include "skin/controls/BindingKinds.h"
#include "skin/controls/SkinTextOutput.h"
#include "skin/controls/SkinTextOutputWin.h"
#include "skin/controls/sCommonDataWin.h"
#include "skin/data/SkinBroadcast.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/BackgroundRequest.h"
#include "skin/render/core/Blend.h"
#include "skin/render/core/PixelBufferDc.h"
#include "skin/windows/FrameModeRules.h"
#include "skin/windows/FrameRegion.h"
#include "skin/windows/IconPicture.h"
#include "skin/paint/LayeredPainter.h"
#include "skin/paint/PaintGeometry.h"
#include "skin/paint/SectionPainter.h"
#include "skin/windows/acBorderForm.h"
#include "skin/windows/sSystemMenu.h"
#include "toolkit/Application.h"
#include "toolkit/Cp1251.h"
#include "toolkit/FormReader.h"
#include "toolkit/MessageCrackers.h"

namespace {

TCustomForm& FormOf(TComponent* owner) {
  auto* form = dynamic_cast<TCustomForm*>(owner);
  if (!form) throw std::runtime_error(kProviderFormsOnly);
  return *form;
}

// The manager's skin can be painted with: in force, or being announced (the
// manager puts it in force only once every window has heard of it).
bool SkinUsable(const TsSkinManager* manager) {
  return manager && manager->Skin() && (manager->SkinInForce() || SkinApplying());
}

POINT ScreenPointOf(LPARAM lParam) { return {short(LOWORD(lParam)), short(HIWORD(lParam))}; }

constexpr UINT kShowWindowMenu = 0x0313;  // the system asks for the window menu (the taskbar's right click)

// The pointer relative to the form's client area (user buttons' events).
POINT CursorInClient(HWND window) {
  POINT p{0, 0};
  GetCursorPos(&p);
  ScreenToClient(window, &p);
  return p;
}

MenuBorderStyle MenuStyleOf(TFormBorderStyle s) {
  switch (s) {
    case TFormBorderStyle::bsNone: return MenuBorderStyle::None;
    case TFormBorderStyle::bsSingle: return MenuBorderStyle::Single;
    case TFormBorderStyle::bsSizeable: return MenuBorderStyle::Sizeable;
    case TFormBorderStyle::bsDialog: return MenuBorderStyle::Dialog;
    case TFormBorderStyle::bsToolWindow: return MenuBorderStyle::ToolWindow;
  }
  return MenuBorderStyle::Sizeable;
}

CaptionAlign AlignOf(TAlignment a) {
  switch (a) {
    case TAlignment::taRightJustify: return CaptionAlign::Right;
    case TAlignment::taCenter: return CaptionAlign::Center;
    default: return CaptionAlign::Left;
  }
}

// The size of a single-line text in font.
TSize MeasureText(HDC dc, HFONT font, const std::string& text) {
  if (text.empty() || !dc) return {};
  const std::wstring wide = Cp1251::ToWide(text);
  HGDIOBJ old = SelectObject(dc, font);
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, wide.c_str(), int(wide.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  return {r.right - r.left, r.bottom - r.top};
}

// Right-to-left reading order of the form's window.
bool RightToLeft(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0; }

}  // namespace

// ---- the form as the binding's host ------------------------------------------

ProviderBindingHost::ProviderBindingHost(TsSkinProvider& provider)
    : ControlBindingHost(provider.Form()), provider_(provider) {}

TSize ProviderBindingHost::Size() const { return provider_.Measures().Cache; }

bool ProviderBindingHost::ExtraTitleArea() const { return provider_.FormHeaderAdditionalHeight > 0; }

// ---- the provider ------------------------------------------------------------

TsSkinProvider::TsSkinProvider(TComponent* owner) : TComponent(owner), form_(FormOf(owner)) {
  SkinData.ControlKind = kKindFormProvider;
  SkinData.SetSkinSection("FORM");
  for (TComponent* c : form_.Components())
    if (c != this && dynamic_cast<TsSkinProvider*>(c)) passive_ = true;  // another provider owns the form
  if (passive_) return;
  hook_.Install(form_);
  RegisterSkinnedForm(&form_);
  if (form_.HandleAllocated()) Prepare();
}

TsSkinProvider::~TsSkinProvider() {
  if (passive_) return;
  border_.reset();
  UnregisterSkinnedForm(&form_);
}

void TsSkinProvider::Loaded() {
  TComponent::Loaded();
  if (!passive_ && form_.HandleAllocated()) Prepare();
}

void TsSkinProvider::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == SysSubMenu.PopupMenu) SysSubMenu.PopupMenu = nullptr;
}

TsSkinManager* TsSkinProvider::Manager() const {
  for (TComponent* c : form_.Components())
    if (auto* m = dynamic_cast<TsSkinManager*>(c)) return m;
  return DefaultManager();
}

// ---- the window procedure --------------------------------------------------

LRESULT TsSkinProvider::OnMessage(TMessage& m) {
  if (m.Msg == kSkinMessage) return OnSkinCommand(SkinCommandOf(m.WParam), m.LParam);
  if (!skinned_ || form_.Destroying()) {
    const LRESULT result = CallPrevious(m);
    if (m.Msg == WM_CREATE) Prepare();
    return result;
  }
  switch (m.Msg) {
    case WM_NCHITTEST:        return OnNcHitTest(m, ScreenPointOf(m.LParam));
    case WM_NCACTIVATE:       return OnNcActivate(ActiveOf(m));
    case WM_NCPAINT:          return OnNcPaint();
    case WM_ERASEBKGND:       return OnEraseBackground(m, DcOf(m));
    case WM_GETMINMAXINFO:    return OnGetMinMaxInfo(m, *reinterpret_cast<MINMAXINFO*>(m.LParam));
    case WM_WINDOWPOSCHANGED: return OnWindowPosChanged(m, WindowPosOf(m).flags);
    case WM_SIZE:             return OnSize(m);
    case WM_SETTEXT:          return OnSetText(m);
    case WM_SETREDRAW:        return OnSetRedraw(m, m.WParam != 0);
    case WM_SETICON:          return OnSetIcon(m);
    case WM_STYLECHANGED:     return OnStyleChanged(m, int(m.WParam), *reinterpret_cast<const STYLESTRUCT*>(m.LParam));
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:    return OnSettingChange(m);
    case WM_SHOWWINDOW:       return OnShowWindow(m, m.WParam != 0);
    case WM_ACTIVATEAPP:      return OnActivateApp(m);
    case WM_ENABLE:           return OnEnable(m);  // the form's Enabled and a modal window's EnableWindow alike
    case WM_ENTERIDLE:        return 0;
    case WM_QUERYENDSESSION:  return CallPrevious(m);  // at once: no form animation runs that it would wait for
    case WM_SYSCOMMAND:       return OnSysCommand(m, SysCommandOf(m));
    case kShowWindowMenu:     return OnShowWindowMenu(ScreenPointOf(m.LParam));
    case WM_LBUTTONUP:        return OnLButtonUp(m);
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMOUSELEAVE:     return OnNcMouse(m, int32_t(HitCodeOf(m)), ScreenPointOf(m.LParam));
    case WM_DESTROY:          return OnDestroy(m);
    default:                  return CallPrevious(m);
  }
}

LRESULT TsSkinProvider::OnSkinCommand(uint16_t command, LPARAM argument) {
  // Answered whether or not the form is skinned at the moment.
  switch (command) {
    case AC_SETNEWSKIN:
      if (reinterpret_cast<TsSkinManager*>(argument) == Manager()) Prepare();
      return 0;
    case AC_REMOVESKIN:
      // The children hear of it from the manager's own broadcast.
      if (reinterpret_cast<TsSkinManager*>(argument) == Manager()) Unprepare();
      return 0;
    case AC_CTRLHANDLED: return 1;
    case AC_ENDUPDATE: return 0;  // no main menu is skinned: no menu change can be pending
    case AC_GETBG: return OnBackgroundQuery(reinterpret_cast<BackgroundRequest*>(argument));
    case AC_CLASSIFYBG: return SkinData.OnSkinCommand(command, argument).value_or(0);
    case AC_GETAPPLICATION: return reinterpret_cast<LRESULT>(Application);
    case AC_GETCLIENTORIGIN: return MAKELONG(measures_.ClientOrigin.X, measures_.ClientOrigin.Y);
    default: break;
  }
  if (!skinned_ || form_.Destroying()) {
    switch (command) {
      case AC_GETPROVIDER: return reinterpret_cast<LRESULT>(this);
      case AC_PREPARECACHE: SkinData.CacheStale = false; return 0;
      case AC_GETFRAMEWIDTH: return argument;  // no skinned frame: the asker's own
      default: return 0;
    }
  }
  switch (command) {
    case AC_REFRESH:
      // The manager may have loaded the skin again (new adjustments, extended borders switched): taken afresh.
      Prepare();
      RedrawWindow(form_.WindowHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      return 0;
    case AC_GETPROVIDER: return reinterpret_cast<LRESULT>(this);
    case AC_ENDPARENTUPDATE:
      if (updating_) {
        updating_ = false;
        SkinData.PaintSuspended = false;
        RepaintFrame();
      }
      // Children whose painting waited for the form (an update, a parent not ready) resume now.
      BroadcastToControls(&form_, command, argument);
      return 0;
    case AC_SETUPDATING:
      updating_ = argument == 1;
      SkinData.PaintSuspended = updating_;
      if (updating_) SkinData.CacheStale = true;  // the frame is rebuilt when the update ends
      return 0;
    case AC_MUSTREPAINT: return updating_ ? 1 : 0;
    case AC_INVALIDATE: SkinData.CacheStale = true; return 0;
    case AC_BGISPICTURE:
      SkinData.ClassifyBackground(false);
      return (SkinData.StateFlags & kStatePlainBackground) ? 0 : 1;
    case AC_GETCONTROLCOLOR: return LRESULT(SkinData.ColorAnswer());
    case AC_PREPARECACHE:
      if (SkinData.CacheStale) Rebuild();
      return 0;
    case AC_ADAPTCONTROL: return 0;  // no control adapter: the form's controls skin themselves
    case AC_MOUSELEAVE: ClearButtonStates(); return 0;
    case AC_SUSPENDREDRAW: SendMessageW(form_.WindowHandle(), WM_SETREDRAW, FALSE, 0); return 0;
    case AC_RESUMEREDRAW:
      SendMessageW(form_.WindowHandle(), WM_SETREDRAW, TRUE, 0);
      RedrawWindow(form_.WindowHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      ShowFrame(true);
      return 0;
    case AC_REPAINTFRAME:
      if (argument == 1) SkinData.CacheStale = true;
      ShowFrame(true);
      return 0;
    case AC_SETGLUED: gluedMoved_ = argument == 1; return 0;
    case AC_GETGLUED: return gluedMoved_ ? 1 : 0;
    case AC_SETALPHA: SetOpacity(int32_t(argument)); return 0;
    case AC_GETFONTSECTION: return OnFontSectionQuery(reinterpret_cast<TacFontSectionRequest*>(argument));
    case AC_GETFRAMEWIDTH: return measures_.FW;
    default: return 0;
  }
}

LRESULT TsSkinProvider::OnBackgroundQuery(BackgroundRequest* request) {
  if (!request || !skinned_) return 0;
  if (SkinData.CacheStale) Rebuild();
  const TPoint o = measures_.ClientOrigin;
  // A drawn answer copies at once: the client origin must be in the offset first.
  if (request->DrawRequested) {
    request->OffsetX += o.X;
    request->OffsetY += o.Y;
    SkinData.AnswerBackground(*request, FrameState());
    return 0;
  }
  SkinData.AnswerBackground(*request, FrameState());
  request->OffsetX += o.X;
  request->OffsetY += o.Y;
  // A plain answer with the cache: everything around the client area is frame.
  if (request->Bitmap == &Cache() && request->AnswerKind == kAnswerColor)
    request->FrameWidths = {o.X, o.Y, measures_.Cache.cx - o.X - inputs_.Client.cx,
                            measures_.Cache.cy - o.Y - inputs_.Client.cy};
  return 0;
}

LRESULT TsSkinProvider::OnFontSectionQuery(TacFontSectionRequest* request) {
  if (!request) return 0;
  const TsSkinManager* manager = Manager();
  const LoadedSkin* skin = manager ? manager->Skin() : nullptr;
  if (skin && FormHeaderAdditionalHeight > 0 && request->Bounds.Top < FormHeaderAdditionalHeight) {
    const int32_t header = FindSection(skin->Sections, "FORMHEADER");
    if (header >= 0) {
      request->SectionIndex = header;
      return 1;
    }
  }
  return SkinData.OnSkinCommand(AC_GETFONTSECTION, reinterpret_cast<intptr_t>(request)).value_or(0);
}

uint8_t TsSkinProvider::Opacity() const {
  if (opacity_ >= 0) return uint8_t(opacity_);
  return uint8_t(form_.AlphaBlend ? std::clamp(form_.AlphaBlendValue, 0, 255) : 255);
}

void TsSkinProvider::SetOpacity(int32_t alpha) {
  HWND window = form_.WindowHandle();
  if (!window) return;
  alpha = std::clamp(alpha, 0, 255);
  // Full opacity gives the form its own look back (its AlphaBlend, or no layering at all).
  opacity_ = alpha == 255 ? -1 : alpha;
  const LONG_PTR ex = GetWindowLongPtrW(window, GWL_EXSTYLE);
  if (opacity_ < 0 && !form_.AlphaBlend) {
    if (ex & WS_EX_LAYERED) {
      SetWindowLongPtrW(window, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
  } else {
    if (!(ex & WS_EX_LAYERED)) SetWindowLongPtrW(window, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    SetLayeredWindowAttributes(window, 0, Opacity(), LWA_ALPHA);
  }
  if (border_) border_->Update(true);
}

// ---- preparation -----------------------------------------------------------

bool TsSkinProvider::WantsExtendedBorders(bool maximized) const {
  const TsSkinManager* manager = Manager();
  HWND window = form_.WindowHandle();
  if (!manager || !window) return false;
  FrameModeFacts facts;
  facts.ManagerExtendedBorders = manager->ExtendedBorders();
  facts.AllowExtBorders = AllowExtBorders;
  facts.DrawNonClientArea = DrawNonClientArea;
  facts.HasBorder = form_.BorderStyle != TFormBorderStyle::bsNone;
  facts.ChildWindow = (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0;
  facts.Maximized = maximized;
  facts.NativeBordersMaximized = manager->Options.NativeBordersMaximized;
  return ExtendedBordersWanted(facts);
}

void TsSkinProvider::Prepare() {
  TsSkinManager* manager = Manager();
  if (passive_ || !form_.WindowHandle() || !SkinUsable(manager)) return;
  const LoadedSkin& skin = *manager->Skin();
  values_ = FrameSkinValuesOf(skin.SkinData, manager->BorderImages().MarginL, manager->BorderImages().MarginT,
                              manager->BorderImages().MarginR, manager->BorderImages().MarginB);
  // The binding takes the new skin: its section resolved again, its picture (the frame cache) emptied.
  SkinData.SetSkinManager(manager);
  if (SkinData.NotLoaded) SkinData.FinishLoading();
  else SkinData.OnSkinCommand(AC_SETNEWSKIN, reinterpret_cast<intptr_t>(manager));
  for (GreyBuffer& glow : captionGlow_) glow = GreyBuffer();
  captionFont_.Forget();
  ApplyGlobalColor();
  skinned_ = true;
  // The system must neither draw its own title buttons nor answer hit tests for them.
  if (DrawNonClientArea) SetSystemMenuStyle(false);
  SkinData.CacheStale = true;
  UpdateFrameMode();
  Rebuild();
  ApplyWindowRegion();
  if (IsWindowVisible(form_.WindowHandle())) ShowFrame(true);
}

void TsSkinProvider::UpdateFrameMode() {
  const bool maximized = IsZoomed(form_.WindowHandle()) != 0;
  const FrameMode wanted = WantsExtendedBorders(maximized) ? FrameMode::ExtendedBorder : FrameMode::InFrame;
  if (wanted == mode_ && (mode_ == FrameMode::InFrame || border_)) return;
  mode_ = wanted;
  if (mode_ == FrameMode::ExtendedBorder) border_ = std::make_unique<TacBorderForm>(*this);
  else border_.reset();
  SkinData.CacheStale = true;
}

void TsSkinProvider::Unprepare() {
  if (!skinned_) return;
  skinned_ = false;
  border_.reset();
  regionSet_ = false;
  if (HWND window = form_.WindowHandle()) {
    SetSystemMenuStyle(form_.BorderIcons.SystemMenu);
    SetWindowRgn(window, nullptr, TRUE);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (UseGlobalColor && !SkinData.CustomColor()) form_.SetColor(clBtnFace);
  // The binding forgets its section and frees its picture, the frame cache.
  SkinData.OnSkinCommand(AC_REMOVESKIN, reinterpret_cast<intptr_t>(Manager()));
  buttonsBackground_ = PixelBuffer();
  for (GreyBuffer& glow : captionGlow_) glow = GreyBuffer();
}

void TsSkinProvider::SetSystemMenuStyle(bool on) {
  HWND window = form_.WindowHandle();
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const LONG wanted = on ? style | WS_SYSMENU : style & ~WS_SYSMENU;
  if (wanted == style) return;
  // Made while the style still has it: the skinned buttons read the close item's state from it.
  GetSystemMenu(window, FALSE);
  SetWindowLongW(window, GWL_STYLE, wanted);
}

void TsSkinProvider::ApplyGlobalColor() {
  const TsSkinManager* manager = Manager();
  const LoadedSkin* skin = manager ? manager->Skin() : nullptr;
  if (UseGlobalColor && !SkinData.CustomColor() && skin) bindingHost_.SetColor(GlobalColor(skin->Colors));
}

int32_t TsSkinProvider::FrameState() const {
  const TsGeneralData* section = SkinData.Section();
  return section ? std::clamp(std::min<int32_t>(active_ ? 1 : 0, section->States - 1), 0, 2) : 0;
}

// ---- the frame -------------------------------------------------------------

void TsSkinProvider::GatherInputs() {
  HWND window = form_.WindowHandle();
  RECT wr, cr;
  GetWindowRect(window, &wr);
  GetClientRect(window, &cr);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  FrameInputs& in = inputs_;
  in.Mode = mode_;
  in.Window = {wr.right - wr.left, wr.bottom - wr.top};
  in.Client = {cr.right, cr.bottom};
  in.ClientInWindow = {origin.x - wr.left, origin.y - wr.top};
  in.HasBorder = form_.BorderStyle != TFormBorderStyle::bsNone;
  in.HasCaption = (style & WS_CAPTION) == WS_CAPTION;
  in.Sizeable = (style & WS_THICKFRAME) != 0;
  in.Maximized = IsZoomed(window);
  in.Iconic = IsIconic(window);
  in.IsMainForm = Application && Application->MainForm() == &form_;
  in.SystemMenuHeight = GetSystemMetrics(SM_CYMENU);
  in.MenuLines = 0;
  // The real frame and caption as the system laid them out around the client area.
  in.SystemFrame = in.HasBorder ? std::max<int32_t>(0, in.ClientInWindow.X) : 0;
  in.SystemCaption = in.HasCaption ? std::max<int32_t>(0, in.ClientInWindow.Y - in.SystemFrame) : 0;
}

SystemMenuFacts TsSkinProvider::MenuFacts() const {
  SystemMenuFacts f;
  HWND window = form_.WindowHandle();
  f.SystemMenu = form_.BorderIcons.SystemMenu;
  f.Minimize = form_.BorderIcons.Minimize;
  f.Maximize = form_.BorderIcons.Maximize;
  f.Style = MenuStyleOf(form_.BorderStyle);
  f.State = window && IsIconic(window)   ? MenuWindowState::Minimized
            : window && IsZoomed(window) ? MenuWindowState::Maximized
                                         : MenuWindowState::Normal;
  f.MainForm = Application && Application->MainForm() == &form_;
  if (HMENU menu = window ? GetSystemMenu(window, FALSE) : nullptr) {
    const UINT close = GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND);
    f.HasCloseItem = close != UINT(-1);
    f.CloseGreyed = f.HasCloseItem && (close & (MF_GRAYED | MF_DISABLED));
  }
  return f;
}

void TsSkinProvider::Rebuild() {
  TsSkinManager* manager = Manager();
  if (!skinned_ || !SkinUsable(manager) || !form_.WindowHandle()) return;
  const LoadedSkin& skin = *manager->Skin();
  GatherInputs();
  const TsMaskData* grip = skin.Images.Mask(manager->Elements().GlobalMask("GRIPIMAGE"));
  inputs_.GripSize = GripMode == TGripMode::gmRightBottom && grip ? TSize{grip->Width(), grip->Height()} : TSize{};
  const TRect previousGrip = measures_.Grip;
  measures_ = MeasureFrame(inputs_, values_);
  const SystemMenuFacts facts = MenuFacts();
  const bool bigBorder = form_.BorderStyle == TFormBorderStyle::bsSingle || form_.BorderStyle == TFormBorderStyle::bsSizeable;
  const bool maxMin = VisibleMax(facts) || VisibleMin(facts);
  const TitleGlyphChoice glyphs = ChooseTitleGlyphs(manager->Elements(), bigBorder, maxMin, inputs_.Maximized,
                                                    inputs_.Iconic && !inputs_.IsMainForm);
  paintSkin_ = FramePaintSkinOf(skin, manager->Elements(), manager->BorderImages(), glyphs,
                                TitleSkin.empty() ? std::string_view("FORMTITLE") : std::string_view(TitleSkin),
                                SkinData.SkinSection());
  buttons_.SystemMenu = facts.SystemMenu;
  buttons_.VisibleMax = VisibleMax(facts);
  buttons_.VisibleMin = VisibleMin(facts);
  buttons_.Help = form_.BorderIcons.Help;
  buttons_.Glyphs = glyphs.Set;
  buttons_.GlyphSize = GlyphSizes(paintSkin_.View, glyphs.Glyphs);
  buttons_.ShowIcon = TitleIcon.Visible && ShowAppIcon && bigBorder && facts.SystemMenu;
  buttons_.IconSize = {TitleIcon.Width, TitleIcon.Height};
  buttons_.IconGlyph = {TitleIcon.Glyph.Width(), TitleIcon.Glyph.Height()};
  GatherUserButtons();
  layout_ = LayoutTitle(measures_, inputs_, values_, buttons_, FindSection(skin.Sections, "CAPTION") >= 0);
  UpdateIcon();
  look_.Icon = !TitleIcon.Glyph.Empty() ? &TitleIcon.Glyph : icon_.Empty() ? nullptr : &icon_;
  look_.HeaderHeight = FormHeaderAdditionalHeight;
  look_.Active = active_;
  look_.Enabled = IsWindowEnabled(form_.WindowHandle());
  look_.ButtonEnabled[size_t(TitleButton::Maximize)] =
      EnabledMax(facts) || (inputs_.Maximized && EnabledRestore(facts));
  look_.ButtonEnabled[size_t(TitleButton::Minimize)] = EnabledMin(facts);
  look_.ButtonEnabled[size_t(TitleButton::Close)] = !facts.CloseGreyed;
  PaintFrame(paintSkin_, measures_, inputs_, layout_, look_, Cache(), buttonsBackground_,
             [this](PixelBuffer& cache, const TitleLayout& layout, int32_t state) { WriteCaption(cache, layout, state); });
  SkinData.CacheStale = false;
  if (previousGrip != measures_.Grip) RedrawGripArea(previousGrip);
}

void TsSkinProvider::UpdateIcon() {
  const TRect& r = layout_.Icon;
  if (r.IsEmpty() || !TitleIcon.Glyph.Empty()) {
    icon_ = PixelBuffer();
    return;
  }
  HWND window = form_.WindowHandle();
  HICON icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL2, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICON));
  icon_ = IconPicture(icon, r.Width(), r.Height());
}

// The client shows the grip from the cache: both its old and its new place are drawn again.
void TsSkinProvider::RedrawGripArea(const TRect& previousGrip) {
  HWND window = form_.WindowHandle();
  const TPoint o = measures_.ClientOrigin;
  for (const TRect& r : {previousGrip, measures_.Grip}) {
    if (r.IsEmpty()) continue;
    const RECT client{r.Left - o.X, r.Top - o.Y, r.Right - o.X, r.Bottom - o.Y};
    InvalidateRect(window, &client, TRUE);
  }
}

void TsSkinProvider::GatherUserButtons() {
  const TsMaskData* background = paintSkin_.View.Mask(paintSkin_.UserButtonImage);
  const size_t count = TitleButtons.Count();
  buttons_.UserButtons.resize(count);
  look_.UserButtons.resize(count);  // states survive a rebuild
  for (size_t i = 0; i < count; ++i) {
    const TsTitleButton& b = TitleButtons[i];
    buttons_.UserButtons[i] = {b.Visible, b.Glyph.Width(), b.UseSkinData && background ? background->Width() : 0};
    UserButtonLook& look = look_.UserButtons[i];
    look.Enabled = b.Enabled;
    look.UseSkinData = b.UseSkinData;
    look.Glyph = b.Glyph.Empty() ? nullptr : &b.Glyph.Pixels;
    look.GlyphAlpha = b.Glyph.BitsPerPixel == 32;
  }
  // A hot button that is gone takes its hint with it.
  if (UserButtonIndexOf(hot_) >= int32_t(count)) {
    hot_ = 0;
    UpdateHint();
  }
}

void TsSkinProvider::WriteCaption(PixelBuffer& cache, const TitleLayout& layout, int32_t titleState) {
  HWND window = form_.WindowHandle();
  TsSkinManager* manager = Manager();
  const LoadedSkin* skin = manager ? manager->Skin() : nullptr;
  HDC dc = BufferDc(cache);
  const std::string main = AddedTitle.ShowMainCaption ? form_.Caption() : std::string();
  const std::string& added = AddedTitle.Text;
  if (!dc || !skin || (main.empty() && added.empty()) || layout.CaptionText.IsEmpty()) return;

  HFONT captionFont = captionFont_.Get(form_.Font.Charset);
  HFONT addedFont = AddedTitle.Font.Handle();
  const bool rtl = RightToLeft(window);
  const CaptionTexts texts{MeasureText(dc, captionFont, main), MeasureText(dc, addedFont, added)};
  const CaptionPlacement place = PlaceCaption(layout.CaptionText, layout.CenterLine, texts, AlignOf(CaptionAlignment), rtl);
  const uint32_t flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | (rtl ? DT_RTLREADING : 0);
  const bool extended = mode_ == FrameMode::ExtendedBorder;
  const bool enabled = IsWindowEnabled(window) != 0;
  const SkinPaintView& view = paintSkin_.View;

  // A "CAPTION" section lies under the texts and gives them its colours; else the title section does.
  int32_t section = paintSkin_.TitleSection, state = titleState;
  const int32_t captionSection = FindSection(skin->Sections, "CAPTION");
  if (const TsGeneralData* caption = view.Section(captionSection)) {
    section = captionSection;
    state = SectionState(active_ ? 1 : 0, caption->States);
    TRect under = place.Main.IsEmpty() ? place.Added : place.Main;
    if (!place.Added.IsEmpty()) under.Right = place.Added.Right;
    under = {under.Left - 4, under.Top - 2, under.Right + 4, under.Bottom + 2};
    if (extended) {
      PaintSectionLayered(view, section, state, cache, under);
    } else {
      BackgroundInfo behind;
      behind.Bitmap = &cache;
      behind.BitmapReady = true;
      PaintSection(view, section, behind, state, under, {0, 0}, cache);
    }
  }
  const TsGeneralData* textSection = view.Section(section);
  const TsGenState* colors = textSection ? &textSection->Props[size_t(std::clamp(state, 0, 2))] : nullptr;  // glow

  if (!place.Main.IsEmpty()) {
    // The per-pixel-alpha writers for the layered border window's picture; the plain one in the window's own frame.
    std::unique_ptr<TDcTextCanvas> canvas;
    if (extended) canvas = std::make_unique<TDcTextCanvas>(dc, captionFont);
    else canvas = std::make_unique<TPictureTextCanvas>(cache, captionFont);
    if (colors && colors->GSize > 0)
      GlowText(*canvas, cache, main, place.Main, captionGlow_[active_ ? 1 : 0], colors->GCol, colors->GSize,
               kGlowAllSides, flags);
    if (!extended)
      WriteSectionText(*canvas, main, enabled, manager, state, section, flags, place.Main);
    else if (enabled || !textSection)
      WriteAlphaSectionText(*canvas, cache, main, enabled, manager, state, section, flags, place.Main);
    else
      WriteAlphaText(*canvas, cache, main, true, DisabledTextColor(textSection->Props[0]), flags, place.Main);
  }
  if (!place.Added.IsEmpty()) {
    // The added title in its own font; its default colour is the title section's.
    const TsGeneralData* title = view.Section(paintSkin_.TitleSection);
    const TColor titleColor = title ? title->Props[size_t(std::clamp(titleState, 0, 2))].TextColor : clBlack;
    TColor color = AddedTitle.Font.Color;
    if (color == clNone || color == clWindowText) color = titleColor;
    else if (!active_ && title) color = LerpColor(ResolveColor(color), ResolveColor(title->Props[0].TextColor), 0.5);
    if (!enabled && textSection) color = DisabledTextColor(textSection->Props[0]);
    if (extended) {
      TDcTextCanvas canvas(dc, addedFont);
      WriteAlphaText(canvas, cache, added, true, color, flags, place.Added);
    } else {
      TPictureTextCanvas canvas(cache, addedFont);
      canvas.SetTransparentBackground();
      canvas.SetTextColor(color);
      canvas.WriteText(added, place.Added, flags);
    }
  }
  GdiFlush();
}

const PixelBuffer& TsSkinProvider::FrameCache() {
  if (SkinData.CacheStale) Rebuild();
  return Cache();
}

void TsSkinProvider::RepaintFrame() {
  SkinData.CacheStale = true;
  if (!skinned_) return;
  Rebuild();
  ShowFrame(true);
}

void TsSkinProvider::ShowFrame(bool redraw) {
  HWND window = form_.WindowHandle();
  if (!window) return;
  if (mode_ == FrameMode::ExtendedBorder) {
    if (border_) border_->Update(redraw);
  } else if (redraw) {
    OutputFrame();
  }
}

void TsSkinProvider::ApplyWindowRegion() {
  HWND window = form_.WindowHandle();
  if (!window) return;
  // Only when it changes: setting a region repositions the window, which asks for the region again.
  TRect wanted;
  std::vector<TRect> corners;
  const TSize size = inputs_.Window;
  if (mode_ == FrameMode::ExtendedBorder) {
    wanted = ExtendedWindowRegion(inputs_, measures_.MenuHeight);
  } else if (inputs_.Maximized) {
    wanted = {measures_.FW, measures_.FW, size.cx - measures_.FW, size.cy - measures_.FW};
  } else {
    const TsGeneralData* formSection = paintSkin_.View.Section(paintSkin_.FormSection);
    const TsGeneralData* titleSection = paintSkin_.View.Section(paintSkin_.TitleSection);
    corners = TransparentCornerRects(paintSkin_.View, formSection ? paintSkin_.View.Mask(formSection->BorderIndex) : nullptr,
                                     titleSection && inputs_.HasCaption ? paintSkin_.View.Mask(titleSection->BorderIndex) : nullptr,
                                     size);
    // Square corners too: a window without a region may get a frame of the desktop's own around it.
    wanted = MakeRect(0, 0, size.cx, size.cy);
  }
  if (regionSet_ && wanted == region_ && corners == regionCorners_) return;
  regionSet_ = true;
  region_ = wanted;
  regionCorners_ = corners;
  HRGN region = wanted.IsEmpty() ? nullptr : CreateRectRgn(wanted.Left, wanted.Top, wanted.Right, wanted.Bottom);
  for (const TRect& r : corners) {
    HRGN corner = CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
    CombineRgn(region, region, corner, RGN_DIFF);
    DeleteObject(corner);
  }
  SetWindowRgn(window, region, IsWindowVisible(window));
}

int32_t* TsSkinProvider::StateOf(int32_t code) {
  if (const int32_t user = UserButtonIndexOf(code); user >= 0)
    return size_t(user) < look_.UserButtons.size() ? &look_.UserButtons[size_t(user)].State : nullptr;
  for (int i = 0; i < kTitleButtonCount; ++i)
    if (HitCodeOf(TitleButton(i)) == code) return &look_.ButtonStates[size_t(i)];
  return nullptr;
}

void TsSkinProvider::RepaintButton(int32_t code) {
  if (!skinned_ || Cache().Empty()) return;
  if (SkinData.CacheStale) {
    RepaintFrame();
    return;
  }
  const TRect area = RepaintTitleButton(paintSkin_, measures_, layout_, look_, code, buttonsBackground_, Cache());
  if (area.IsEmpty()) return;
  if (mode_ == FrameMode::ExtendedBorder) {
    if (border_) border_->Update(true);
  } else if (HDC dc = GetWindowDC(form_.WindowHandle())) {
    BitBlt(dc, area.Left, area.Top, area.Width(), area.Height(), BufferDc(Cache()), area.Left, area.Top, SRCCOPY);
    ReleaseDC(form_.WindowHandle(), dc);
  }
}

int32_t TsSkinProvider::FrameHitTest(POINT screen) const {
  RECT wr;
  if (!skinned_ || !GetWindowRect(form_.WindowHandle(), &wr)) return kFrameHitNowhere;
  if (mode_ == FrameMode::InFrame)
    return InFrameHitTest(measures_, inputs_, layout_, {screen.x - wr.left, screen.y - wr.top});
  const BorderPlacement placement = PlaceBorderWindow(measures_, inputs_);
  const TPoint p{screen.x - wr.left - placement.Offset.X, screen.y - wr.top - placement.Offset.Y};
  if (!IsWindowEnabled(form_.WindowHandle())) return kFrameHitOutside;
  return BorderHitTest(measures_, inputs_, layout_, values_, p);
}

// ---- title buttons ---------------------------------------------------------

void TsSkinProvider::SetHotButton(int32_t code) {
  if (!IsTitleButtonCode(code) || !StateOf(code)) code = 0;
  if (code == hot_ || (pressed_ && code != pressed_ && code != 0)) return;
  const int32_t previous = hot_;
  hot_ = code;
  // State changes are shown at once; a fade would start here.
  if (int32_t* state = previous ? StateOf(previous) : nullptr; state && *state == 1) {
    *state = 0;
    RepaintButton(previous);
  }
  if (code && (!pressed_ || code == pressed_)) {
    *StateOf(code) = pressed_ ? 2 : 1;
    RepaintButton(code);
  }
  UpdateHint();
}

void TsSkinProvider::UpdateHint() {
  const int32_t user = UserButtonIndexOf(hot_);
  const std::string* text = user >= 0 && size_t(user) < TitleButtons.Count() ? &TitleButtons[size_t(user)].Hint : nullptr;
  if (!text || text->empty()) {
    if (hint_) hint_->ReleaseHint();
    return;
  }
  if (!hint_) {
    hint_ = std::make_unique<THintWindow>();
    hint_->Tag = kEngineWindowTag;
  }
  POINT p{0, 0};
  GetCursorPos(&p);
  hint_->ActivateHint({p.x + 8, p.y + 16}, *text);
}

void TsSkinProvider::PressButton(int32_t code, HWND captureWindow) {
  if (!IsTitleButtonCode(code) || pressed_ || !StateOf(code)) return;
  const SystemMenuFacts facts = MenuFacts();
  if (code == kFrameHitMaxButton && !(EnabledMax(facts) || (facts.State == MenuWindowState::Maximized && EnabledRestore(facts))))
    return;
  if (code == kFrameHitClose && facts.CloseGreyed) return;
  if (code == kFrameHitMinButton && !EnabledMin(facts)) return;
  const int32_t user = UserButtonIndexOf(code);
  if (user >= 0 && (size_t(user) >= TitleButtons.Count() || !TitleButtons[size_t(user)].Enabled)) return;
  pressed_ = code;
  hot_ = code;
  *StateOf(code) = 2;
  RepaintButton(code);
  SetCapture(captureWindow);
  if (user < 0) return;
  // Last: the handler may free the form and this provider.
  TsTitleButton& button = TitleButtons[size_t(user)];
  if (button.OnMouseDown) {
    const POINT p = CursorInClient(form_.WindowHandle());
    button.OnMouseDown(&button, TMouseButton::mbLeft, p.x, p.y);
  }
}

void TsSkinProvider::ReleaseButton(int32_t code) {
  const int32_t pressed = pressed_;
  if (!pressed) return;
  pressed_ = 0;
  const bool onButton = code == pressed;
  if (int32_t* state = StateOf(pressed)) *state = onButton ? 1 : 0;
  hot_ = onButton ? pressed : 0;
  RepaintButton(pressed);
  UpdateHint();
  if (!onButton) return;
  HWND window = form_.WindowHandle();
  if (const int32_t user = UserButtonIndexOf(pressed); user >= 0) {
    if (size_t(user) >= TitleButtons.Count()) return;
    // Last: the handler may free the form and this provider.
    TsTitleButton& button = TitleButtons[size_t(user)];
    if (button.OnMouseUp) {
      const POINT p = CursorInClient(window);
      button.OnMouseUp(&button, TMouseButton::mbLeft, p.x, p.y);
    }
    return;
  }
  UINT command = 0;
  switch (pressed) {
    case kFrameHitClose:
      look_.ButtonStates[size_t(TitleButton::Close)] = 0;
      hot_ = 0;
      command = SC_CLOSE;
      break;
    case kFrameHitMaxButton: command = IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE; break;
    case kFrameHitMinButton:
      look_.ButtonStates[size_t(TitleButton::Minimize)] = 0;
      hot_ = 0;
      command = inputs_.IsMainForm || !IsIconic(window) ? SC_MINIMIZE : SC_RESTORE;
      break;
    case kFrameHitHelp: command = SC_CONTEXTHELP; break;
  }
  // The command may close the program and free the form and this provider.
  const std::weak_ptr<const void> life = LifeToken();
  SendMessageW(window, WM_SYSCOMMAND, command, 0);
  if (life.expired() || !IsWindow(window)) return;
  // The system menu is built anew for every pop-up: it follows by itself.
  if (IsWindowVisible(window)) RepaintFrame();
}

void TsSkinProvider::CaptionDoubleClick() {
  const SystemMenuFacts facts = MenuFacts();
  if (!facts.SystemMenu) return;
  HWND window = form_.WindowHandle();
  const bool zoomedOrIconic = IsZoomed(window) || IsIconic(window);
  if (zoomedOrIconic ? EnabledRestore(facts) || IsIconic(window) : EnabledMax(facts))
    SendMessageW(window, WM_SYSCOMMAND, zoomedOrIconic ? SC_RESTORE : SC_MAXIMIZE, 0);
}

void TsSkinProvider::ShowSystemMenu(POINT screen) {
  const std::weak_ptr<const void> life = LifeToken();
  TsSystemMenu menu(form_, MenuFacts(), SysSubMenu, MakeSkinMenu ? Manager() : nullptr);
  menu.Popup(screen);  // sends the chosen command; the form may be gone afterwards
  if (!life.expired() && skinned_ && IsWindow(form_.WindowHandle())) RepaintFrame();
}

void TsSkinProvider::IconClick() {
  RECT wr;
  if (!GetWindowRect(form_.WindowHandle(), &wr)) return;
  const TPoint at = IconMenuPoint({wr.left, wr.top, wr.right, wr.bottom}, measures_, mode_, inputs_.BorderWidth, layout_);
  ShowSystemMenu({at.X, at.Y});
}

void TsSkinProvider::EdgeDoubleClick(int32_t hitCode) {
  HWND window = form_.WindowHandle();
  RECT wr;
  if (form_.BorderStyle != TFormBorderStyle::bsSizeable || !GetWindowRect(window, &wr)) return;
  MONITORINFO mi{};
  mi.cbSize = sizeof(mi);
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &mi)) return;
  const TRect bounds{wr.left, wr.top, wr.right, wr.bottom};
  // The frame the user sees: the border window's inside its shadow margins, or the window's own.
  TRect visible = bounds;
  if (mode_ == FrameMode::ExtendedBorder) {
    const TPoint o = PlaceBorderWindow(measures_, inputs_).Offset;
    const FrameMeasures& m = measures_;
    visible = {wr.left + o.X + m.L, wr.top + o.Y + m.T, wr.left + o.X + m.Cache.cx - m.R,
               wr.top + o.Y + m.Cache.cy - m.B};
  }
  const TRect work{mi.rcWork.left, mi.rcWork.top, mi.rcWork.right, mi.rcWork.bottom};
  const TRect r = edgeStretch_.DoubleClick(hitCode, bounds, visible, work);
  if (r != bounds) SetWindowPos(window, nullptr, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TsSkinProvider::IconDoubleClick() { SendMessageW(form_.WindowHandle(), WM_SYSCOMMAND, SC_CLOSE, 0); }

// ---- message handlers ------------------------------------------------------

LRESULT TsSkinProvider::OnNcHitTest(TMessage& m, POINT screen) {
  RECT wr;
  GetWindowRect(form_.WindowHandle(), &wr);
  const TPoint p{screen.x - wr.left, screen.y - wr.top};
  // The grip lies in the client area, which the form shows in both modes.
  if (int32_t grip = SizeGripHit(measures_, inputs_, p)) return grip;
  if (mode_ == FrameMode::InFrame) {
    // The skinned icon and buttons lie where the system's would not.
    const int32_t code = FrameHitTest(screen);
    if (IsTitleButtonCode(code) || code == kFrameHitSysMenu) return code;
  }
  // Everything else is the system's own frame geometry; in extended-border
  // mode the region leaves the form only its client area.
  return CallPrevious(m);
}

LRESULT TsSkinProvider::OnNcActivate(bool active) {
  if (active_ != active) {
    active_ = active;
    RepaintFrame();
  }
  // The system would draw its own caption: the skinned one stands instead.
  return TRUE;
}

LRESULT TsSkinProvider::OnNcPaint() {
  OutputFrame();
  return 0;
}

void TsSkinProvider::OutputFrame() {
  HWND window = form_.WindowHandle();
  if (mode_ == FrameMode::ExtendedBorder || !IsWindowVisible(window)) return;
  const PixelBuffer& cache = FrameCache();
  HDC dc = GetWindowDC(window);
  if (!dc) return;
  if (cache.Empty()) {
    ReleaseDC(window, dc);
    return;
  }
  HDC src = BufferDc(cache);
  const TPoint c = inputs_.ClientInWindow;
  const int32_t w = inputs_.Window.cx, h = inputs_.Window.cy, cw = inputs_.Client.cx, ch = inputs_.Client.cy;
  // The four bands around the client area; the client area itself is never touched.
  BitBlt(dc, 0, 0, w, c.Y, src, 0, 0, SRCCOPY);
  BitBlt(dc, 0, c.Y, c.X, ch, src, 0, c.Y, SRCCOPY);
  BitBlt(dc, c.X + cw, c.Y, w - c.X - cw, ch, src, c.X + cw, c.Y, SRCCOPY);
  BitBlt(dc, 0, c.Y + ch, w, h - c.Y - ch, src, 0, c.Y + ch, SRCCOPY);
  ReleaseDC(window, dc);
}

LRESULT TsSkinProvider::OnEraseBackground(TMessage& m, HDC dc) {
  if (!DrawClientArea || !dc) return CallPrevious(m);
  RECT cr;
  GetClientRect(form_.WindowHandle(), &cr);
  const TRect client{0, 0, cr.right, cr.bottom};
  // The client area as the binding shows it: its picture (the frame cache) at
  // the client origin, the form's controls left out; its colour without one.
  if (FrameCache().Empty()) bindingHost_.FillTarget(dc, client, SkinData.ControlColor(FrameState()));
  else CopyCacheToDc(SkinData, dc, client, measures_.ClientOrigin, false);
  return 1;
}

LRESULT TsSkinProvider::OnGetMinMaxInfo(TMessage& m, MINMAXINFO& info) {
  CallPrevious(m);
  if (form_.BorderStyle == TFormBorderStyle::bsNone) return 0;
  HMONITOR monitor = MonitorFromWindow(form_.WindowHandle(), MONITOR_DEFAULTTONEAREST);
  MONITORINFO mi{};
  mi.cbSize = sizeof(mi);
  if (!GetMonitorInfoW(monitor, &mi)) return 0;
  // Relative to the monitor, as the system takes the maximized position.
  const TRect work{mi.rcWork.left - mi.rcMonitor.left, mi.rcWork.top - mi.rcMonitor.top,
                   mi.rcWork.right - mi.rcMonitor.left, mi.rcWork.bottom - mi.rcMonitor.top};
  // Placed for the frame the window will have once maximized.
  const FrameMode maximizedMode = WantsExtendedBorders(true) ? FrameMode::ExtendedBorder : FrameMode::InFrame;
  const MaximizedPlacement p =
      PlaceMaximized(work, maximizedMode, inputs_.HasCaption, inputs_.SystemFrame, inputs_.SystemCaption, values_);
  info.ptMaxPosition = {p.Position.X, p.Position.Y};
  info.ptMaxSize = {p.Size.cx, p.Size.cy};
  return 0;
}

LRESULT TsSkinProvider::OnWindowPosChanged(TMessage& m, UINT flags) {
  const LRESULT result = CallPrevious(m);
  HWND window = form_.WindowHandle();
  if (!skinned_ || !window) return result;
  if (flags & SWP_HIDEWINDOW || IsIconic(window)) {
    if (border_) border_->Hide();
    return result;
  }
  const bool sized = !(flags & SWP_NOSIZE) || (flags & SWP_SHOWWINDOW);
  if (sized) SkinData.CacheStale = true;
  if (updating_) return result;  // the frame follows when the update ends
  if (sized) {
    UpdateFrameMode();  // maximized or restored: the border window may go or come back
    Rebuild();
    ApplyWindowRegion();
  }
  if (IsWindowVisible(window)) ShowFrame(sized);
  return result;
}

LRESULT TsSkinProvider::OnSize(TMessage& m) {
  for (GreyBuffer& glow : captionGlow_) glow = GreyBuffer();
  SkinData.CacheStale = true;
  const LRESULT result = CallPrevious(m);
  // The frame itself follows in OnWindowPosChanged; the client's background moved with the cache.
  HWND window = form_.WindowHandle();
  if (!updating_ && IsWindowVisible(window)) InvalidateRect(window, nullptr, FALSE);
  return result;
}

LRESULT TsSkinProvider::OnSetText(TMessage& m) {
  for (GreyBuffer& glow : captionGlow_) glow = GreyBuffer();
  // The system draws its caption with the new text where the window shows its own frame.
  const LRESULT result = mode_ == FrameMode::InFrame ? CallPreviousUndrawn(m) : CallPrevious(m);
  RepaintFrame();
  return result;
}

LRESULT TsSkinProvider::CallPreviousUndrawn(TMessage& m) {
  HWND window = form_.WindowHandle();
  // Turning drawing back on also marks a window visible, so only a visible one is held.
  const bool hold = IsWindowVisible(window) != 0;
  if (hold) SendMessageW(window, WM_SETREDRAW, FALSE, 0);
  const LRESULT result = CallPrevious(m);
  if (hold) SendMessageW(window, WM_SETREDRAW, TRUE, 0);
  return result;
}

LRESULT TsSkinProvider::OnSetRedraw(TMessage& m, bool redraw) {
  if (!redraw) ++redrawOff_;
  else if (redrawOff_ > 0) --redrawOff_;
  const LRESULT result = CallPrevious(m);
  // The border window is no part of the form: it catches up when drawing is allowed again.
  if (redraw && redrawOff_ == 0 && border_ && IsWindowVisible(form_.WindowHandle())) border_->Update(true);
  return result;
}

LRESULT TsSkinProvider::OnSetIcon(TMessage& m) {
  // The system would draw its own caption with the new icon.
  const LRESULT result = CallPreviousUndrawn(m);
  RepaintFrame();
  return result;
}

LRESULT TsSkinProvider::OnStyleChanged(TMessage& m, int which, const STYLESTRUCT& change) {
  const LRESULT result = CallPrevious(m);
  const DWORD changed = change.styleOld ^ change.styleNew;
  // The title buttons and the system menu follow the caption and button styles.
  constexpr DWORD kTitleStyles = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  if (which == GWL_STYLE && (changed & kTitleStyles)) RepaintFrame();
  else if (which == GWL_EXSTYLE && (changed & WS_EX_LAYERED) && border_) border_->Update(true);
  return result;
}

LRESULT TsSkinProvider::OnSettingChange(TMessage& m) {
  const LRESULT result = CallPrevious(m);
  captionFont_.Forget();
  RepaintFrame();  // caption font, frame metrics or system colours may have changed
  return result;
}

LRESULT TsSkinProvider::OnShowWindow(TMessage& m, bool show) {
  if (show) {
    SkinData.CacheStale = true;  // built afresh for the first output after showing
  } else {
    // Nothing stays hot or pressed behind a hidden form.
    look_.ButtonStates = {};
    hot_ = pressed_ = 0;
  }
  return CallPrevious(m);
}

LRESULT TsSkinProvider::OnActivateApp(TMessage& m) {
  const LRESULT result = CallPrevious(m);
  if (border_ && IsWindowVisible(form_.WindowHandle())) border_->Update(true);
  return result;
}

LRESULT TsSkinProvider::OnEnable(TMessage& m) {
  const LRESULT result = CallPrevious(m);
  const bool enabled = m.WParam != 0;
  if (border_ && border_->Window()) EnableWindow(border_->Window(), enabled);
  RepaintFrame();
  return result;
}

void TsSkinProvider::ClearButtonStates() {
  const bool any = hot_ || pressed_ ||
                   std::any_of(look_.ButtonStates.begin(), look_.ButtonStates.end(), [](int32_t s) { return s != 0; });
  if (!any) return;
  if (pressed_ && GetCapture() == form_.WindowHandle()) ReleaseCapture();
  look_.ButtonStates = {};
  hot_ = pressed_ = 0;
  RepaintFrame();
}

LRESULT TsSkinProvider::OnShowWindowMenu(POINT screen) {
  ShowSystemMenu(screen);
  return 0;
}

LRESULT TsSkinProvider::OnLButtonUp(TMessage& m) {
  if (!pressed_) return CallPrevious(m);
  POINT p = ScreenPointOf(m.LParam);
  ClientToScreen(form_.WindowHandle(), &p);
  ReleaseCapture();
  ReleaseButton(FrameHitTest(p));  // may free the form: nothing after it
  return 0;
}

LRESULT TsSkinProvider::OnNcMouse(TMessage& m, int32_t code, POINT screen) {
  // The border window hands icon clicks on as the form's own: the same rules in both modes.
  if (code == kFrameHitSysMenu && m.Msg == WM_NCLBUTTONDOWN) {
    IconClick();  // may free the form: nothing after it
    return 0;
  }
  if (code == kFrameHitSysMenu && m.Msg == WM_NCLBUTTONDBLCLK) {
    IconDoubleClick();
    return 0;
  }
  // In extended-border mode the border window has the frame's mouse; in in-frame mode the form itself.
  if (mode_ == FrameMode::ExtendedBorder) return CallPrevious(m);
  switch (m.Msg) {
    case WM_NCMOUSEMOVE:
      SetHotButton(code);
      if (!IsTitleButtonCode(code)) break;
      {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_NONCLIENT, form_.WindowHandle(), 0};
        TrackMouseEvent(&track);
      }
      return 0;
    case WM_NCMOUSELEAVE: SetHotButton(0); break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:  // a quick second click on a button is a press too
      if (IsTitleButtonCode(code)) {
        PressButton(code, form_.WindowHandle());  // may free the form: nothing after it
        return 0;
      }
      if (m.Msg == WM_NCLBUTTONDOWN) break;
      if (code == kFrameHitLeft || code == kFrameHitRight || code == kFrameHitTop || code == kFrameHitBottom) {
        EdgeDoubleClick(code);
        return 0;
      }
      if (code != kFrameHitCaption) break;
      CaptionDoubleClick();
      return 0;
    case WM_NCLBUTTONUP:
      if (!pressed_) break;
      ReleaseButton(code);  // may free the form: nothing after it
      return 0;
    case WM_NCRBUTTONDOWN:
      if (code == kFrameHitCaption || code == kFrameHitSysMenu) return 0;  // the menu comes with the release
      break;
    case WM_NCRBUTTONUP:
      if (code != kFrameHitCaption && code != kFrameHitSysMenu) break;
      ShowSystemMenu(screen);
      return 0;
  }
  return CallPrevious(m);
}

LRESULT TsSkinProvider::OnSysCommand(TMessage& m, UINT command) {
  if (command == SC_KEYMENU && m.LParam == ' ') {
    // Alt+Space: the system menu just below the left end of the caption.
    RECT wr;
    GetWindowRect(form_.WindowHandle(), &wr);
    const int32_t dy = IsIconic(form_.WindowHandle()) ? -16 : 0;
    ShowSystemMenu({wr.left + inputs_.ClientInWindow.X, wr.top + inputs_.ClientInWindow.Y + dy});
    return 0;
  }
  return CallPrevious(m);
}

LRESULT TsSkinProvider::OnDestroy(TMessage& m) {
  border_.reset();
  return CallPrevious(m);
}

// ---- the stored class --------------------------------------------------------

void RegisterSkinProviderClass() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  RegisterComponentClass("TsSkinProvider", [](TComponent* owner) -> TComponent* { return new TsSkinProvider(owner); });
  RegisterPropertyHook([](TComponent& c, const std::string& name, const TStoredValue& value) {
    auto* provider = dynamic_cast<TsSkinProvider*>(&c);
    if (!provider) return false;
    TStoredReader r{provider->ClassName(), name, value};
    if (name == "SkinData.SkinSection") provider->SkinData.SetSkinSection(r.Text());
    else if (name == "AllowExtBorders") provider->AllowExtBorders = r.Bool();
    else if (name == "DrawNonClientArea") provider->DrawNonClientArea = r.Bool();
    else if (name == "ShowAppIcon") provider->ShowAppIcon = r.Bool();
    else if (name == "GripMode") provider->GripMode = r.Enum<TGripMode>(2);
    else if (name == "TitleIcon.Visible") provider->TitleIcon.Visible = r.Bool();
    else if (name == "TitleIcon.Width") provider->TitleIcon.Width = Screen::Scale(int(r.Int()));
    else if (name == "TitleIcon.Height") provider->TitleIcon.Height = Screen::Scale(int(r.Int()));
    else if (name == "MakeSkinMenu") provider->MakeSkinMenu = r.Bool();
    else if (name == "SysSubMenu.Caption") provider->SysSubMenu.Caption = r.Text();
    else if (name == "SysSubMenu.Position") provider->SysSubMenu.Position = r.Enum<TacSubMenuPosition>(3);
    else if (name == "UseGlobalColor") provider->UseGlobalColor = r.Bool();
    else if (name == "TitleSkin") provider->TitleSkin = r.Text();
    else if (name == "FormHeader.AdditionalHeight") provider->FormHeaderAdditionalHeight = int(r.Int());
    else if (name == "CaptionAlignment") provider->CaptionAlignment = TAlignment(std::clamp<int64_t>(r.Int(), 0, 2));
    else if (name == "AddedTitle.Text") provider->AddedTitle.Text = r.Text();
    else if (name == "AddedTitle.ShowMainCaption") provider->AddedTitle.ShowMainCaption = r.Bool();
    else if (name == "AddedTitle.Font.Name") provider->AddedTitle.Font.Name = r.Text();
    else if (name == "AddedTitle.Font.Height") provider->AddedTitle.Font.Height = Screen::Scale(int(r.Int()));
    else if (name == "AddedTitle.Font.Color") provider->AddedTitle.Font.Color = TColor(r.Int());
    else if (name == "AddedTitle.Font.Charset") provider->AddedTitle.Font.Charset = int(r.Int());
    else r.Fail("no such property");
    return true;
  });
}
