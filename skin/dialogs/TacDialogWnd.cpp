#include "skin/dialogs/TacDialogWnd.h"

#include <algorithm>

#include "skin/controls/sCommonDataWin.h"
#include "skin/data/SectionTable.h"
#include "skin/data/SkinColors.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/BackgroundRequest.h"
#include "skin/windows/WindowFacts.h"
#include "toolkit/Cp1251.h"
#include "toolkit/MessageCrackers.h"

namespace {

// Private notifications by which the system's dialogs say their children changed.
constexpr UINT kDialogRefreshA = 1324, kDialogRefreshB = 1326, kDialogChildrenChanged = 1025;

constexpr uint16_t AC_REFRESHCHILDREN = 28;  // the dialog attaches handlers to children it lacks

std::string WindowText1251(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(size_t(std::max(length, 0)) + 1, L'\0');
  text.resize(size_t(GetWindowTextW(window, text.data(), length + 1)));
  return Cp1251::FromWide(text);
}

}  // namespace

TacDialogWnd::~TacDialogWnd() {
  Detach();
  if (formBrush_) DeleteObject(formBrush_);
}

// The skin's form colour as the dialog's own brush, which its children paint their backgrounds with.
HBRUSH TacDialogWnd::FormBrush() {
  const TsSkinManager* manager = Manager();
  const COLORREF color = manager && manager->Skin() ? COLORREF(GlobalColor(manager->Skin()->Colors)) : GetSysColor(COLOR_BTNFACE);
  if (formBrush_ && color == formBrushColor_) return formBrush_;
  if (formBrush_) DeleteObject(formBrush_);
  formBrush_ = CreateSolidBrush(color);
  formBrushColor_ = color;
  return formBrush_;
}

bool TacDialogWnd::CanFrame(const TsSkinManager& manager) {
  return manager.Skin() && manager.ExtendedBorders() && !manager.Options.NativeBordersMaximized;
}

PixelBuffer& TacDialogWnd::Cache() {
  if (!SkinData().CachePicture) SkinData().CachePicture = std::make_unique<PixelBuffer>();
  return *SkinData().CachePicture;
}

// Saves the styles the frame is drawn for and takes the system-menu bit off
// the live window, so that the system neither draws nor answers its own buttons.
void TacDialogWnd::AfterAttach() {
  TacMainWnd::AfterAttach();
  HWND window = Window();
  facts_.Style = uint32_t(GetWindowLongW(window, GWL_STYLE));
  facts_.ExStyle = uint32_t(GetWindowLongW(window, GWL_EXSTYLE));
  facts_.Kind = DialogKindOf(facts_.Style);
  facts_.CloseForbidden = (GetClassLongW(window, GCL_STYLE) & CS_NOCLOSE) != 0;
  if (facts_.Style & WS_SYSMENU) {
    GetSystemMenu(window, FALSE);
    SetWindowLongW(window, GWL_STYLE, LONG(facts_.Style & ~WS_SYSMENU));
  }
  active_ = GetActiveWindow() == window;
  border_ = std::make_unique<TacBorderForm>(static_cast<BorderWindowHost&>(*this));
  Rebuild();
  output_.ApplyRegion(window, inputs_, measures_, paintSkin_);
  if (IsWindowVisible(window)) ShowFrame(true);
}

// Gives the window its system menu and frame back.
void TacDialogWnd::OnDetach() {
  border_.reset();
  HWND window = Window();
  if (!IsWindow(window)) return;
  if (facts_.Style & WS_SYSMENU) SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) | WS_SYSMENU);
  output_.RemoveRegion(window);
}

DialogFacts TacDialogWnd::LiveFacts() const {
  DialogFacts f = facts_;
  f.Zoomed = IsZoomed(Window()) != 0;
  f.Iconic = IsIconic(Window()) != 0;
  return f;
}

int32_t TacDialogWnd::FrameState() const {
  const TsGeneralData* section = SkinData().Section();
  return section ? std::clamp(std::min<int32_t>(active_ ? 1 : 0, section->States - 1), 0, 2) : 0;
}

// The provider's frame with a dialog's substitutions: the "DIALOG" section,
// the title section and glyph set of its kind, the caption from its text.
void TacDialogWnd::Rebuild() {
  TsSkinManager* manager = Manager();
  HWND window = Window();
  if (!manager || !manager->Skin() || !IsWindow(window)) return;
  const LoadedSkin& skin = *manager->Skin();
  const TacBorderImages& margins = manager->BorderImages();
  values_ = FrameSkinValuesOf(skin.SkinData, margins.MarginL, margins.MarginT, margins.MarginR, margins.MarginB);
  inputs_ = ReadFrameInputs(window, FrameMode::ExtendedBorder, true, false);
  measures_ = MeasureFrame(inputs_, values_);
  const DialogFacts f = LiveFacts();
  const bool bigKind = DialogGlyphSet(f.Kind, true) == GlyphSet::Big;
  glyphs_ = ChooseTitleGlyphs(manager->Elements(), bigKind, DialogShowsMaxMin(f), f.Zoomed, false);
  titleSection_ = DialogTitleSection(f.Kind, FindSection(skin.Sections, "DIALOGTITLE") >= 0);
  paintSkin_ = FramePaintSkinOf(skin, manager->Elements(), margins, glyphs_, titleSection_, "DIALOG");
  buttons_.SystemMenu = DialogShowsClose(f);
  buttons_.VisibleMax = buttons_.VisibleMin = DialogShowsMaxMin(f);
  buttons_.Help = DialogShowsHelp(f);
  buttons_.Glyphs = glyphs_.Set;
  buttons_.GlyphSize = GlyphSizes(paintSkin_.View, glyphs_.Glyphs);
  buttons_.ShowIcon = false;
  layout_ = LayoutTitle(measures_, inputs_, values_, buttons_, FindSection(skin.Sections, "CAPTION") >= 0);
  look_.Active = active_;
  look_.Enabled = IsWindowEnabled(window) != 0;
  look_.ButtonStates = tracker_.BuiltInStates();
  look_.ButtonEnabled[size_t(TitleButton::Maximize)] = DialogMaxEnabled(f);
  look_.ButtonEnabled[size_t(TitleButton::Minimize)] = DialogMinEnabled(f);
  look_.ButtonEnabled[size_t(TitleButton::Close)] = !f.CloseForbidden;
  CaptionInputs caption;
  caption.Main = WindowText1251(window);
  caption.RightToLeft = (f.ExStyle & WS_EX_RTLREADING) != 0;
  caption.Extended = true;
  caption.Enabled = look_.Enabled;
  caption.Active = active_;
  PaintFrame(paintSkin_, measures_, inputs_, layout_, look_, Cache(), buttonsBackground_,
             [&](PixelBuffer& cache, const TitleLayout& layout, int32_t state) {
               caption_.Write(cache, layout, state, caption, paintSkin_, *manager);
             });
  SkinData().CacheStale = false;
}

void TacDialogWnd::BuildCache() { Rebuild(); }

const PixelBuffer& TacDialogWnd::FrameCache() {
  if (SkinData().CacheStale) Rebuild();
  return Cache();
}

void TacDialogWnd::ShowFrame(bool redraw) {
  if (border_ && IsWindowVisible(Window())) border_->Update(redraw);
}

void TacDialogWnd::RepaintFrame() {
  caption_.ForgetGlow();
  Rebuild();
  ShowFrame(true);
}

int32_t TacDialogWnd::FrameHitTest(TPoint screen) const {
  RECT wr;
  if (!GetWindowRect(Window(), &wr) || !IsWindowEnabled(Window())) return kFrameHitOutside;
  const TPoint o = PlaceBorderWindow(measures_, inputs_).Offset;
  const TPoint p{screen.X - wr.left - o.X, screen.Y - wr.top - o.Y};
  const int32_t code = BorderHitTest(measures_, inputs_, layout_, values_, p);
  // A disabled maximize or minimize is part of the caption.
  const DialogFacts f = LiveFacts();
  if (code == kFrameHitMaxButton) return DialogButtonHit(f, TitleButton::Maximize);
  if (code == kFrameHitMinButton) return DialogButtonHit(f, TitleButton::Minimize);
  if (code == kFrameHitClose && f.CloseForbidden) return kFrameHitCaption;
  return code;
}

void TacDialogWnd::PressTitleButton(int32_t code) {
  const bool allowed = tracker_.Pressed() == 0 && IsTitleButtonCode(code);
  const TitleSteps steps = tracker_.Press(code, allowed);
  for (const TitleStep& step : steps)
    if (step.What == TitleStep::Capture && border_) SetCapture(border_->Window());
  Run(steps);
}

// The steps in order; an action comes last and may free the dialog and this handler.
void TacDialogWnd::Run(const TitleSteps& steps) {
  for (const TitleStep& step : steps) {
    switch (step.What) {
      case TitleStep::Repaint: {
        look_.ButtonStates = tracker_.BuiltInStates();
        if (!RepaintTitleButton(paintSkin_, measures_, layout_, look_, step.Code, buttonsBackground_, Cache()).IsEmpty())
          ShowFrame(true);
        break;
      }
      case TitleStep::ReleaseCapture:
        if (border_ && GetCapture() == border_->Window()) ReleaseCapture();
        break;
      case TitleStep::Act: ActOn(step.Code); return;
      case TitleStep::Capture:  // taken by PressTitleButton, which knows the window
      case TitleStep::ShowHint:
      case TitleStep::HideHint:
      case TitleStep::MouseDown: break;
    }
  }
}

void TacDialogWnd::ActOn(int32_t code) {
  HWND window = Window();
  UINT command = 0;
  switch (code) {
    case kFrameHitClose: command = SC_CLOSE; break;
    case kFrameHitMaxButton: command = IsZoomed(window) || IsIconic(window) ? SC_RESTORE : SC_MAXIMIZE; break;
    case kFrameHitMinButton: command = SC_MINIMIZE; break;
    case kFrameHitHelp: command = SC_CONTEXTHELP; break;
    default: return;
  }
  SendMessageW(window, WM_SYSCOMMAND, command, 0);  // may destroy the dialog: nothing follows
}

void TacDialogWnd::CaptionDoubleClick() {
  const DialogFacts f = LiveFacts();
  if (f.Zoomed || f.Iconic ? DialogRestoreEnabled(f) : DialogMaximizable(f))
    SendMessageW(Window(), WM_SYSCOMMAND, f.Zoomed || f.Iconic ? SC_RESTORE : SC_MAXIMIZE, 0);
}

void TacDialogWnd::FormLeftDown(int32_t code, TPoint screen) {
  SendMessageW(Window(), WM_NCLBUTTONDOWN, WPARAM(code), MAKELPARAM(screen.X, screen.Y));
}

void TacDialogWnd::WantChildren() {
  if (OnChildrenWanted) OnChildrenWanted();
}

// ---- messages ----------------------------------------------------------------

LRESULT TacDialogWnd::HandleMessage(TMessage& m) {
  if (Detached() || !Manager() || !Manager()->Skin()) return TacMainWnd::HandleMessage(m);
  switch (m.Msg) {
    case WM_NCACTIVATE:       return OnNcActivate(m, m.WParam != 0);
    case WM_ERASEBKGND:       return OnEraseBackground(m, reinterpret_cast<HDC>(m.WParam));
    case WM_CTLCOLORDLG:      return m.Result = LRESULT(FormBrush());
    case WM_WINDOWPOSCHANGED: return OnWindowPosChanged(m, reinterpret_cast<const WINDOWPOS*>(m.LParam)->flags);
    case WM_SETTEXT:
    case WM_ENABLE:           return OnRepaintAfter(m);
    case kDialogRefreshA:
    case kDialogRefreshB:
    case kDialogChildrenChanged: return OnChildrenChanged(m);
    default:                  return TacMainWnd::HandleMessage(m);
  }
}

LRESULT TacDialogWnd::OnNcActivate(TMessage& m, bool active) {
  const bool changed = active_ != active;
  active_ = active;
  m.LParam = -1;  // the system must not draw its caption over the skinned one
  const std::weak_ptr<const void> alive = LifeToken();
  const LRESULT result = PassOn(m);
  if (!alive.expired() && changed) RepaintFrame();
  return m.Result = result;
}

// The client from the "DIALOG" section of the frame cache; the first erase also attaches the children.
LRESULT TacDialogWnd::OnEraseBackground(TMessage& m, HDC dc) {
  if (!dc) return PassOn(m);
  if (!childrenAttached_) {
    childrenAttached_ = true;
    WantChildren();
  }
  RECT cr;
  GetClientRect(Window(), &cr);
  FrameCache();
  CopyCacheToDc(SkinData(), dc, {0, 0, cr.right, cr.bottom}, measures_.ClientOrigin, false);
  return m.Result = 1;
}

LRESULT TacDialogWnd::OnWindowPosChanged(TMessage& m, UINT flags) {
  const std::weak_ptr<const void> alive = LifeToken();
  const LRESULT result = PassOn(m);
  if (alive.expired()) return result;
  if (flags & SWP_HIDEWINDOW || IsIconic(Window())) {
    if (border_) border_->Hide();
    return result;
  }
  const bool sized = !(flags & SWP_NOSIZE) || (flags & SWP_SHOWWINDOW);
  if (sized) {
    caption_.ForgetGlow();
    Rebuild();
    output_.ApplyRegion(Window(), inputs_, measures_, paintSkin_);
  }
  ShowFrame(sized);
  return result;
}

LRESULT TacDialogWnd::OnRepaintAfter(TMessage& m) {
  const std::weak_ptr<const void> alive = LifeToken();
  const LRESULT result = TacMainWnd::HandleMessage(m);
  if (!alive.expired()) RepaintFrame();
  return result;
}

LRESULT TacDialogWnd::OnChildrenChanged(TMessage& m) {
  const std::weak_ptr<const void> alive = LifeToken();
  const LRESULT result = PassOn(m);
  if (alive.expired()) return result;
  WantChildren();
  RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  return result;
}

LRESULT TacDialogWnd::OnBackgroundQuery(intptr_t argument) {
  auto* request = reinterpret_cast<BackgroundRequest*>(argument);
  if (!request) return 0;
  FrameCache();
  const TPoint o = measures_.ClientOrigin;
  // A drawn answer copies at once: the client origin must be in the offset first.
  if (request->DrawRequested) {
    request->OffsetX += o.X;
    request->OffsetY += o.Y;
    SkinData().AnswerBackground(*request, FrameState());
    return 0;
  }
  SkinData().AnswerBackground(*request, FrameState());
  request->OffsetX += o.X;
  request->OffsetY += o.Y;
  return 0;
}

std::optional<LRESULT> TacDialogWnd::OnSkinCommand(uint16_t command, TMessage& m) {
  switch (command) {
    case AC_SETNEWSKIN:
    case AC_REFRESH: {
      const std::optional<LRESULT> answer = TacMainWnd::OnSkinCommand(command, m);
      if (!Detached()) RepaintFrame();
      return answer;
    }
    case AC_REFRESHCHILDREN: WantChildren(); return 0;
    case AC_GETBG: return OnBackgroundQuery(m.LParam);
    case AC_GETCLIENTORIGIN: return MAKELONG(measures_.ClientOrigin.X, measures_.ClientOrigin.Y);
    case AC_GETFRAMEWIDTH: {
      RECT wr, cr;
      GetWindowRect(Window(), &wr);
      GetClientRect(Window(), &cr);
      return ((wr.right - wr.left) - cr.right) / 2;
    }
    case AC_PREPARECACHE:
      Rebuild();
      return 0;
    default: return TacMainWnd::OnSkinCommand(command, m);
  }
}
