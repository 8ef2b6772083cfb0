#include "skin/windows/sSkinProvider.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "skin/controls/BindingKinds.h"
#include "skin/controls/SkinnedControl.h"
#include "skin/controls/sCommonDataWin.h"
#include "skin/data/SkinBroadcast.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/BackgroundRequest.h"
#include "skin/windows/FrameModeRules.h"
#include "skin/windows/IconPicture.h"
#include "skin/windows/TacCtrlAdapter.h"
#include "skin/windows/WindowFacts.h"
#include "toolkit/Application.h"
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
TPoint PointOf(POINT p) { return {p.x, p.y}; }

constexpr UINT kShowWindowMenu = 0x0313;  // the system asks for the window menu (the taskbar's right click)

// The pointer relative to the form's client area (user buttons' events).
POINT CursorInClient(HWND window) {
  POINT p{0, 0};
  GetCursorPos(&p);
  ScreenToClient(window, &p);
  return p;
}

}  // namespace

// ---- the form as the binding's host ------------------------------------------

ProviderBindingHost::ProviderBindingHost(TsSkinProvider& provider)
    : ControlBindingHost(provider.Form()), provider_(provider) {}

TSize ProviderBindingHost::Size() const { return provider_.Measures().Cache; }

bool ProviderBindingHost::ExtraTitleArea() const { return provider_.FormHeaderAdditionalHeight > 0; }

// ---- the form's settings as the control adapter's host -------------------------

class TsSkinProvider::AdapterLink final : public AdapterHost {
 public:
  explicit AdapterLink(TsSkinProvider& provider) : provider_(provider) {}
  TCustomForm& Form() const override { return provider_.form_; }
  TsSkinManager* Manager() const override { return provider_.Manager(); }
  bool AllowSkin3rdParty() const override { return provider_.AllowSkin3rdParty; }
  const ThirdPartyList& OwnLists() const override { return provider_.ThirdParty; }
  SkinItemEvents Events() const override { return {provider_.OnSkinItem, provider_.OnSkinItemEx}; }
  LabelRecolouring& Labels() override { return provider_.labels_; }

 private:
  TsSkinProvider& provider_;
};

namespace {

// The control the argument of skin command 25 names, when it is one of the
// form's: the argument is an address and is never followed unchecked.
TWinControl* WindowedControlOn(TWinControl& container, intptr_t address, int depth = 0) {
  constexpr int kMaxDepth = 32;
  if (depth > kMaxDepth) return nullptr;
  for (TControl* c : container.Controls()) {
    auto* windowed = dynamic_cast<TWinControl*>(c);
    if (!windowed) continue;
    if (reinterpret_cast<intptr_t>(windowed) == address) return windowed;
    if (TWinControl* found = WindowedControlOn(*windowed, address, depth + 1)) return found;
  }
  return nullptr;
}

}  // namespace

// ---- the provider ------------------------------------------------------------

TsSkinProvider::TsSkinProvider(TComponent* owner) : TComponent(owner), form_(FormOf(owner)) {
  adapterLink_ = std::make_unique<AdapterLink>(*this);
  ThirdParty.ReadTexts(ThirdPartyList::Defaults::None);
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
  ThirdParty.ReadTexts(ThirdPartyList::Defaults::None);
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
  if (m.Msg == kSkinMessage) return commands_.Answer(SkinCommandOf(m.WParam), m.LParam, *this);
  if (!skinned_ || form_.Destroying()) {
    const LRESULT result = CallPrevious(m);
    if (m.Msg == WM_CREATE) Prepare();
    return result;
  }
  switch (m.Msg) {
    case WM_NCHITTEST:        return OnNcHitTest(m, ScreenPointOf(m.LParam));
    case WM_NCACTIVATE:       return OnNcActivate(m, ActiveOf(m));
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
    case WM_PARENTNOTIFY:     return OnParentNotify(m, LOWORD(m.WParam), reinterpret_cast<HWND>(m.LParam));
    case WM_NOTIFY:           return OnNotify(m, *reinterpret_cast<const NMHDR*>(m.LParam));
    case CM_CONTROLLISTCHANGE: return OnControlListChange(m, reinterpret_cast<TControl*>(m.WParam), m.LParam != 0);
    case WM_ENTERIDLE:        return 0;
    case WM_QUERYENDSESSION:  return CallPrevious(m);  // at once: no form animation runs that it would wait for
    case WM_SYSCOMMAND:       return OnSysCommand(m, SysCommandOf(m));
    case kShowWindowMenu:     return OnShowWindowMenu(ScreenPointOf(m.LParam));
    case WM_LBUTTONUP:        return OnLButtonUp(m);
    case WM_CAPTURECHANGED:   return OnCaptureChanged(m, reinterpret_cast<HWND>(m.LParam));
    case WM_CANCELMODE:       return OnCancelMode(m);
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

// ---- the skin commands' host -------------------------------------------------

bool TsSkinProvider::FromOwnManager(intptr_t argument) const { return FromManager(Manager(), argument); }

void TsSkinProvider::Refresh() {
  // The manager may have loaded the skin again (new adjustments, extended borders switched): taken afresh.
  Prepare();
  const std::weak_ptr<const void> life = LifeToken();
  ScanControls();
  if (life.expired()) return;  // the provider's events may free the form
  if (adapter_) adapter_->Forward(kSkinMessage, SkinCommandParam(AC_REFRESH), reinterpret_cast<LPARAM>(Manager()));
  if (life.expired()) return;
  RedrawWindow(form_.WindowHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TsSkinProvider::PassOnToChildren(uint16_t command, intptr_t argument) {
  BroadcastToControls(&form_, command, argument);
}

void TsSkinProvider::SuspendRedraw() { SendMessageW(form_.WindowHandle(), WM_SETREDRAW, FALSE, 0); }

void TsSkinProvider::ResumeRedraw() {
  SendMessageW(form_.WindowHandle(), WM_SETREDRAW, TRUE, 0);
  RedrawWindow(form_.WindowHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  ShowFrame(true);
}

intptr_t TsSkinProvider::AskBinding(uint16_t command, intptr_t argument) {
  return SkinData.OnSkinCommand(command, argument).value_or(0);
}

bool TsSkinProvider::BackgroundIsPicture() {
  SkinData.ClassifyBackground(false);
  return !(SkinData.StateFlags & kStatePlainBackground);
}

uint32_t TsSkinProvider::ControlColor() { return uint32_t(SkinData.ColorAnswer()); }

intptr_t TsSkinProvider::ApplicationObject() { return reinterpret_cast<intptr_t>(Application); }

intptr_t TsSkinProvider::AnswerBackground(intptr_t argument) {
  auto* request = reinterpret_cast<BackgroundRequest*>(argument);
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

intptr_t TsSkinProvider::AnswerFontSection(intptr_t argument) {
  auto* request = reinterpret_cast<TacFontSectionRequest*>(argument);
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
  return SkinData.OnSkinCommand(AC_GETFONTSECTION, argument).value_or(0);
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
  FrameOutput::ApplyOpacity(window, opacity_ >= 0 || form_.AlphaBlend, Opacity());
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
  caption_.ForgetGlow();
  caption_.ForgetFont();
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
  if (mode_ == FrameMode::ExtendedBorder)
    border_ = std::make_unique<TacBorderForm>(static_cast<BorderWindowHost&>(*this));
  else border_.reset();
  SkinData.CacheStale = true;
}

void TsSkinProvider::Unprepare() {
  if (!skinned_) return;
  skinned_ = false;
  FreeAdapter();
  border_.reset();
  if (HWND window = form_.WindowHandle()) {
    SetSystemMenuStyle(form_.BorderIcons.SystemMenu);
    output_.RemoveRegion(window);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (UseGlobalColor && !SkinData.CustomColor()) form_.SetColor(clBtnFace);
  // The binding forgets its section and frees its picture, the frame cache.
  SkinData.OnSkinCommand(AC_REMOVESKIN, reinterpret_cast<intptr_t>(Manager()));
  buttonsBackground_ = PixelBuffer();
  caption_.ForgetGlow();
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

void TsSkinProvider::Rebuild() {
  TsSkinManager* manager = Manager();
  if (!skinned_ || !SkinUsable(manager) || !form_.WindowHandle()) return;
  const LoadedSkin& skin = *manager->Skin();
  inputs_ = ReadFrameInputs(form_, mode_);
  const TsMaskData* grip = skin.Images.Mask(manager->Elements().GlobalMask("GRIPIMAGE"));
  inputs_.GripSize = GripMode == TGripMode::gmRightBottom && grip ? TSize{grip->Width(), grip->Height()} : TSize{};
  const TRect previousGrip = measures_.Grip;
  measures_ = MeasureFrame(inputs_, values_);
  const SystemMenuFacts facts = ReadMenuFacts(form_);
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
  const CaptionInputs caption = CaptionOf();
  PaintFrame(paintSkin_, measures_, inputs_, layout_, look_, Cache(), buttonsBackground_,
             [&](PixelBuffer& cache, const TitleLayout& layout, int32_t state) {
               caption_.Write(cache, layout, state, caption, paintSkin_, *manager);
             });
  SkinData.CacheStale = false;
  if (previousGrip != measures_.Grip) RedrawGripArea(previousGrip);
}

CaptionInputs TsSkinProvider::CaptionOf() const {
  HWND window = form_.WindowHandle();
  CaptionInputs in;
  in.Main = AddedTitle.ShowMainCaption ? form_.Caption() : std::string();
  in.Added = &AddedTitle;
  in.Alignment = CaptionAlignment;
  in.Charset = form_.Font.Charset;
  in.RightToLeft = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
  in.Extended = mode_ == FrameMode::ExtendedBorder;
  in.Enabled = IsWindowEnabled(window) != 0;
  in.Active = active_;
  return in;
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
  look_.UserButtons.resize(count);
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
  Run(tracker_.SetUserButtonCount(count));
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

void TsSkinProvider::OutputFrame() {
  HWND window = form_.WindowHandle();
  if (mode_ == FrameMode::ExtendedBorder || !IsWindowVisible(window)) return;
  FrameOutput::OutputBands(window, FrameCache(), inputs_);
}

void TsSkinProvider::ApplyWindowRegion() { output_.ApplyRegion(form_.WindowHandle(), inputs_, measures_, paintSkin_); }

int32_t TsSkinProvider::FrameHitTest(TPoint screen) const {
  RECT wr;
  if (!skinned_ || !GetWindowRect(form_.WindowHandle(), &wr)) return kFrameHitNowhere;
  if (mode_ == FrameMode::InFrame)
    return InFrameHitTest(measures_, inputs_, layout_, {screen.X - wr.left, screen.Y - wr.top});
  const BorderPlacement placement = PlaceBorderWindow(measures_, inputs_);
  const TPoint p{screen.X - wr.left - placement.Offset.X, screen.Y - wr.top - placement.Offset.Y};
  if (!IsWindowEnabled(form_.WindowHandle())) return kFrameHitOutside;
  return BorderHitTest(measures_, inputs_, layout_, values_, p);
}

std::optional<BlurShape> TsSkinProvider::WantedBlur() {
  const TsSkinManager* manager = Manager();
  const LoadedSkin* skin = manager ? manager->Skin() : nullptr;
  if (!skin || !manager->Effects.AllowAeroBluring || !skin->SkinData.AeroBlur) return std::nullopt;
  return BlurBehindShape(FrameCache(), measures_, skin->SkinData.FormOffset);
}

// ---- title buttons ---------------------------------------------------------

void TsSkinProvider::Run(const TitleSteps& steps, HWND captureWindow) {
  HWND window = form_.WindowHandle();
  for (const TitleStep& step : steps) {
    switch (step.What) {
      case TitleStep::Repaint: RepaintButton(step.Code); break;
      case TitleStep::Capture: SetCapture(captureWindow); break;
      case TitleStep::ReleaseCapture:
        if (HWND holder = GetCapture(); holder && (holder == window || (border_ && holder == border_->Window())))
          ReleaseCapture();
        break;
      case TitleStep::ShowHint: ShowHint(step.Code); break;
      case TitleStep::HideHint:
        if (hint_) hint_->ReleaseHint();
        break;
      // Last steps: they may free the form and this provider.
      case TitleStep::MouseDown: MouseDownOn(step.Code); return;
      case TitleStep::Act: ActOn(step.Code); return;
    }
  }
}

void TsSkinProvider::RepaintButton(int32_t code) {
  if (!skinned_ || Cache().Empty()) return;
  if (SkinData.CacheStale) {
    RepaintFrame();
    return;
  }
  look_.ButtonStates = tracker_.BuiltInStates();
  for (size_t i = 0; i < look_.UserButtons.size() && i < tracker_.UserStates().size(); ++i)
    look_.UserButtons[i].State = tracker_.UserStates()[i];
  const TRect area = RepaintTitleButton(paintSkin_, measures_, layout_, look_, code, buttonsBackground_, Cache());
  if (area.IsEmpty()) return;
  if (mode_ == FrameMode::ExtendedBorder) {
    if (border_) border_->Update(true);
  } else {
    FrameOutput::OutputArea(form_.WindowHandle(), Cache(), area);
  }
}

void TsSkinProvider::ShowHint(int32_t code) {
  const int32_t user = UserButtonIndexOf(code);
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

void TsSkinProvider::SetHotButton(int32_t code) { Run(tracker_.Hover(code)); }

bool TsSkinProvider::PressAllowed(int32_t code) const {
  const int32_t user = UserButtonIndexOf(code);
  const bool userEnabled = user >= 0 && size_t(user) < TitleButtons.Count() && TitleButtons[size_t(user)].Enabled;
  return TitlePressAllowed(code, ReadMenuFacts(form_), userEnabled);
}

void TsSkinProvider::PressButton(int32_t code, HWND captureWindow) {
  Run(tracker_.Press(code, !PressInProgress() && PressAllowed(code)), captureWindow);  // may free the form
}

void TsSkinProvider::PressTitleButton(int32_t code) {
  PressButton(code, border_ ? border_->Window() : form_.WindowHandle());
}

void TsSkinProvider::ReleaseTitleButton(int32_t code) { Run(tracker_.Release(code)); }

void TsSkinProvider::PressLost() { Run(tracker_.CaptureLost()); }

void TsSkinProvider::MouseDownOn(int32_t code) {
  const int32_t user = UserButtonIndexOf(code);
  if (user < 0 || size_t(user) >= TitleButtons.Count()) return;
  TsTitleButton& button = TitleButtons[size_t(user)];
  if (!button.OnMouseDown) return;
  const POINT p = CursorInClient(form_.WindowHandle());
  button.OnMouseDown(&button, TMouseButton::mbLeft, p.x, p.y);  // may free the form and this provider
}

void TsSkinProvider::ActOn(int32_t code) {
  HWND window = form_.WindowHandle();
  if (const int32_t user = UserButtonIndexOf(code); user >= 0) {
    if (size_t(user) >= TitleButtons.Count()) return;
    TsTitleButton& button = TitleButtons[size_t(user)];
    if (!button.OnMouseUp) return;
    const POINT p = CursorInClient(window);
    button.OnMouseUp(&button, TMouseButton::mbLeft, p.x, p.y);  // may free the form and this provider
    return;
  }
  UINT command = 0;
  switch (code) {
    case kFrameHitClose: command = SC_CLOSE; break;
    case kFrameHitMaxButton: command = IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE; break;
    case kFrameHitMinButton: command = inputs_.IsMainForm || !IsIconic(window) ? SC_MINIMIZE : SC_RESTORE; break;
    case kFrameHitHelp: command = SC_CONTEXTHELP; break;
    default: return;
  }
  // The command may close the program and free the form and this provider.
  const std::weak_ptr<const void> life = LifeToken();
  SendMessageW(window, WM_SYSCOMMAND, command, 0);
  if (life.expired() || !IsWindow(window)) return;
  // The system menu is built anew for every pop-up: it follows by itself.
  if (IsWindowVisible(window)) RepaintFrame();
}

void TsSkinProvider::ClearTitleButtons() { Run(tracker_.Clear()); }

void TsSkinProvider::CaptionDoubleClick() {
  const SystemMenuFacts facts = ReadMenuFacts(form_);
  if (!facts.SystemMenu) return;
  HWND window = form_.WindowHandle();
  const bool zoomedOrIconic = IsZoomed(window) || IsIconic(window);
  if (zoomedOrIconic ? EnabledRestore(facts) || IsIconic(window) : EnabledMax(facts))
    SendMessageW(window, WM_SYSCOMMAND, zoomedOrIconic ? SC_RESTORE : SC_MAXIMIZE, 0);
}

void TsSkinProvider::ShowSystemMenu(TPoint screen) {
  const std::weak_ptr<const void> life = LifeToken();
  TsSystemMenu menu(form_, ReadMenuFacts(form_), SysSubMenu, MakeSkinMenu ? Manager() : nullptr);
  menu.Popup({screen.X, screen.Y});  // sends the chosen command; the form may be gone afterwards
  if (!life.expired() && skinned_ && IsWindow(form_.WindowHandle())) RepaintFrame();
}

void TsSkinProvider::IconClick() {
  RECT wr;
  if (!GetWindowRect(form_.WindowHandle(), &wr)) return;
  ShowSystemMenu(IconMenuPoint({wr.left, wr.top, wr.right, wr.bottom}, measures_, mode_, inputs_.BorderWidth, layout_));
}

void TsSkinProvider::IconDoubleClick() { SendMessageW(form_.WindowHandle(), WM_SYSCOMMAND, SC_CLOSE, 0); }

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

void TsSkinProvider::FormLeftDown(int32_t code, TPoint screen) {
  SendMessageW(form_.WindowHandle(), WM_NCLBUTTONDOWN, WPARAM(code), MAKELPARAM(screen.X, screen.Y));
}

// ---- message handlers ------------------------------------------------------

LRESULT TsSkinProvider::OnNcHitTest(TMessage& m, POINT screen) {
  RECT wr;
  GetWindowRect(form_.WindowHandle(), &wr);
  const TPoint p{screen.x - wr.left, screen.y - wr.top};
  // The grip lies in the client area, which the form shows in both modes.
  if (int32_t grip = SizeGripHit(measures_, inputs_, p)) return grip;
  if (mode_ == FrameMode::InFrame) {
    // The skinned icon and buttons lie where the system's would not.
    const int32_t code = FrameHitTest(PointOf(screen));
    if (IsTitleButtonCode(code) || code == kFrameHitSysMenu) return code;
  }
  // Everything else is the system's own frame geometry; in extended-border
  // mode the region leaves the form only its client area.
  return CallPrevious(m);
}

LRESULT TsSkinProvider::OnNcActivate(TMessage& m, bool active) {
  const bool changed = active_ != active;
  active_ = active;
  // The system and the form keep their own activation state; -1 asks the
  // system not to draw its caption over the skinned one.
  m.LParam = -1;
  const std::weak_ptr<const void> life = LifeToken();
  const LRESULT result = CallPrevious(m);
  if (!life.expired() && changed) RepaintFrame();
  return result;
}

LRESULT TsSkinProvider::OnNcPaint() {
  if (!adapter_) {
    const std::weak_ptr<const void> life = LifeToken();
    ScanControls();
    if (life.expired()) return 0;
  }
  OutputFrame();
  return 0;
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
  const std::weak_ptr<const void> life = LifeToken();
  const LRESULT result = CallPrevious(m);
  HWND window = form_.WindowHandle();
  if (life.expired() || !skinned_ || !window) return result;
  if (flags & SWP_HIDEWINDOW || IsIconic(window)) {
    if (border_) border_->Hide();
    return result;
  }
  const bool sized = !(flags & SWP_NOSIZE) || (flags & SWP_SHOWWINDOW);
  if (sized) SkinData.CacheStale = true;
  if (commands_.Updating()) return result;  // the frame follows when the update ends
  if (sized) {
    UpdateFrameMode();  // maximized or restored: the border window may go or come back
    Rebuild();
    ApplyWindowRegion();
  }
  if (IsWindowVisible(window)) ShowFrame(sized);
  return result;
}

LRESULT TsSkinProvider::OnSize(TMessage& m) {
  caption_.ForgetGlow();
  SkinData.CacheStale = true;
  const std::weak_ptr<const void> life = LifeToken();
  const LRESULT result = CallPrevious(m);  // the form's resize handler runs here
  if (life.expired()) return result;
  // The frame itself follows in OnWindowPosChanged; the client's background moved with the cache.
  HWND window = form_.WindowHandle();
  if (!commands_.Updating() && IsWindowVisible(window)) InvalidateRect(window, nullptr, FALSE);
  return result;
}

LRESULT TsSkinProvider::OnSetText(TMessage& m) {
  caption_.ForgetGlow();
  const std::weak_ptr<const void> life = LifeToken();
  // The system draws its caption with the new text where the window shows its own frame.
  const LRESULT result = mode_ == FrameMode::InFrame ? CallPreviousUndrawn(m) : CallPrevious(m);
  if (!life.expired()) RepaintFrame();
  return result;
}

LRESULT TsSkinProvider::CallPreviousUndrawn(TMessage& m) {
  HWND window = form_.WindowHandle();
  // Turning drawing back on also marks a window visible, so only a visible one is held.
  const bool hold = IsWindowVisible(window) != 0;
  if (hold) SendMessageW(window, WM_SETREDRAW, FALSE, 0);
  const LRESULT result = CallPrevious(m);
  // The window outlives its form's handlers only as long as the window exists.
  if (hold && IsWindow(window)) SendMessageW(window, WM_SETREDRAW, TRUE, 0);
  return result;
}

LRESULT TsSkinProvider::OnSetRedraw(TMessage& m, bool redraw) {
  if (!redraw) ++redrawOff_;
  else if (redrawOff_ > 0) --redrawOff_;
  const std::weak_ptr<const void> life = LifeToken();
  const LRESULT result = CallPrevious(m);
  // The border window is no part of the form: it catches up when drawing is allowed again.
  if (!life.expired() && redraw && redrawOff_ == 0 && border_ && IsWindowVisible(form_.WindowHandle()))
    border_->Update(true);
  return result;
}

LRESULT TsSkinProvider::OnSetIcon(TMessage& m) {
  const std::weak_ptr<const void> life = LifeToken();
  // The system would draw its own caption with the new icon.
  const LRESULT result = CallPreviousUndrawn(m);
  if (!life.expired()) RepaintFrame();
  return result;
}

LRESULT TsSkinProvider::OnStyleChanged(TMessage& m, int which, const STYLESTRUCT& change) {
  const std::weak_ptr<const void> life = LifeToken();
  const LRESULT result = CallPrevious(m);
  if (life.expired()) return result;
  const DWORD changed = change.styleOld ^ change.styleNew;
  // The title buttons and the system menu follow the caption and button styles.
  constexpr DWORD kTitleStyles = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  if (which == GWL_STYLE && (changed & kTitleStyles)) RepaintFrame();
  else if (which == GWL_EXSTYLE && (changed & WS_EX_LAYERED) && border_) border_->Update(true);
  return result;
}

LRESULT TsSkinProvider::OnSettingChange(TMessage& m) {
  const std::weak_ptr<const void> life = LifeToken();
  const LRESULT result = CallPrevious(m);
  if (life.expired()) return result;
  caption_.ForgetFont();
  RepaintFrame();  // caption font, frame metrics or system colours may have changed
  return result;
}

LRESULT TsSkinProvider::OnShowWindow(TMessage& m, bool show) {
  if (show) SkinData.CacheStale = true;  // built afresh for the first output after showing
  else Run(tracker_.Clear());            // nothing stays hot or pressed behind a hidden form
  const std::weak_ptr<const void> life = LifeToken();
  const LRESULT result = CallPrevious(m);
  if (show && !life.expired()) ScanControls();
  return result;
}

// ---- the control adapter -----------------------------------------------------

void TsSkinProvider::ScanControls(TWinControl* parent) {
  if (!adapter_) {
    adapter_ = std::make_unique<TacCtrlAdapter>(*adapterLink_);
    parent = nullptr;
  }
  adapter_->Scan(parent);
}

void TsSkinProvider::FreeAdapter() {
  if (adapter_) {
    adapter_->Forward(kSkinMessage, SkinCommandParam(AC_REMOVESKIN), reinterpret_cast<LPARAM>(Manager()));
    adapter_.reset();
  }
  labels_.GiveBack();
}

void TsSkinProvider::AdaptControls(intptr_t control) {
  TWinControl* windowed = control ? WindowedControlOn(form_, control) : nullptr;
  if (!windowed || !adapter_) return ScanControls();
  const std::weak_ptr<const void> life = windowed->LifeToken();
  if (adapter_->Supported(*windowed)) adapter_->Add(*windowed);
  if (!life.expired() && adapter_) adapter_->Scan(windowed);
}

LRESULT TsSkinProvider::OnParentNotify(TMessage& m, UINT event, HWND child) {
  const std::weak_ptr<const void> life = LifeToken();
  const LRESULT result = CallPrevious(m);
  const TsSkinManager* manager = Manager();
  if (life.expired() || !adapter_ || !manager || !(manager->SkinningRules & srThirdParty)) return result;
  if (event != WM_CREATE && event != WM_DESTROY) return result;
  TWinControl* created = event == WM_CREATE ? TWinControl::FromHandle(child) : nullptr;
  if (created && adapter_->Supported(*created)) adapter_->Add(*created);
  else ScanControls();
  return result;
}

LRESULT TsSkinProvider::OnNotify(TMessage& m, const NMHDR& header) {
  const UINT code = header.code;  // the record may not outlive the message's own handling
  const std::weak_ptr<const void> life = LifeToken();
  const LRESULT result = CallPrevious(m);
  // The new page's controls are shown now.
  if (code == UINT(TCN_SELCHANGE) && !life.expired() && adapter_) ScanControls();
  return result;
}

LRESULT TsSkinProvider::OnControlListChange(TMessage& m, TControl* control, bool inserted) {
  const std::weak_ptr<const void> life = LifeToken();
  const LRESULT result = CallPrevious(m);
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (inserted && windowed && !life.expired() && adapter_ && adapter_->Supported(*windowed)) adapter_->Add(*windowed);
  return result;
}

LRESULT TsSkinProvider::OnActivateApp(TMessage& m) {
  const std::weak_ptr<const void> life = LifeToken();
  const LRESULT result = CallPrevious(m);
  if (!life.expired() && border_ && IsWindowVisible(form_.WindowHandle())) border_->Update(true);
  return result;
}

LRESULT TsSkinProvider::OnEnable(TMessage& m) {
  const std::weak_ptr<const void> life = LifeToken();
  const LRESULT result = CallPrevious(m);
  if (life.expired()) return result;
  const bool enabled = m.WParam != 0;
  if (border_ && border_->Window()) EnableWindow(border_->Window(), enabled);
  RepaintFrame();
  return result;
}

LRESULT TsSkinProvider::OnShowWindowMenu(POINT screen) {
  ShowSystemMenu(PointOf(screen));
  return 0;
}

LRESULT TsSkinProvider::OnLButtonUp(TMessage& m) {
  if (!PressInProgress()) return CallPrevious(m);
  POINT p = ScreenPointOf(m.LParam);
  ClientToScreen(form_.WindowHandle(), &p);
  ReleaseTitleButton(FrameHitTest(PointOf(p)));  // may free the form: nothing after it
  return 0;
}

LRESULT TsSkinProvider::OnCaptureChanged(TMessage& m, HWND gaining) {
  // Another window has the mouse (Alt+Tab, a modal window): no release will come to end a press.
  if (gaining != form_.WindowHandle() && !(border_ && gaining == border_->Window())) PressLost();
  return CallPrevious(m);
}

LRESULT TsSkinProvider::OnCancelMode(TMessage& m) {
  // A modal window or a menu starts: a press ends without action and the mouse is given back.
  Run(tracker_.Cancel());
  return CallPrevious(m);
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
      if (!PressInProgress()) break;
      ReleaseTitleButton(code);  // may free the form: nothing after it
      return 0;
    case WM_NCRBUTTONDOWN:
      if (code == kFrameHitCaption || code == kFrameHitSysMenu) return 0;  // the menu comes with the release
      break;
    case WM_NCRBUTTONUP:
      if (code != kFrameHitCaption && code != kFrameHitSysMenu) break;
      ShowSystemMenu(PointOf(screen));
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
  if (command != SC_MAXIMIZE && command != SC_RESTORE) return CallPrevious(m);
  const std::weak_ptr<const void> life = LifeToken();
  const LRESULT result = CallPrevious(m);
  // The frame moved under the pointer (by button, menu or key alike): nothing stays hot until it moves again.
  if (!life.expired()) ClearTitleButtons();
  return result;
}

LRESULT TsSkinProvider::OnDestroy(TMessage& m) {
  border_.reset();
  return CallPrevious(m);
}
