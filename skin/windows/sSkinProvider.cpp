#include "skin/windows/sSkinProvider.h"

#include <algorithm>
#include <stdexcept>

#include "skin/data/SkinBroadcast.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/paint/BackgroundRequest.h"
#include "skin/render/core/Blend.h"
#include "skin/render/core/PixelBufferDc.h"
#include "skin/windows/FrameRegion.h"
#include "skin/windows/IconPicture.h"
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

POINT ScreenPointOf(LPARAM lParam) { return {short(LOWORD(lParam)), short(HIWORD(lParam))}; }

constexpr UINT kShowWindowMenu = 0x0313;  // the system asks for the window menu (the taskbar's right click)

bool IsButtonCode(int32_t code) {
  return code == kFrameHitClose || code == kFrameHitMaxButton || code == kFrameHitMinButton || code == kFrameHitHelp;
}

TitleButton ButtonOf(int32_t code) {
  switch (code) {
    case kFrameHitMaxButton: return TitleButton::Maximize;
    case kFrameHitMinButton: return TitleButton::Minimize;
    case kFrameHitHelp: return TitleButton::Help;
    default: return TitleButton::Close;
  }
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

}  // namespace

TsSkinProvider::TsSkinProvider(TComponent* owner) : TComponent(owner), form_(FormOf(owner)) {
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
    case WM_SETTEXT:          return OnSetText(m);
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
  switch (command) {
    case AC_CTRLHANDLED: return 1;
    case AC_GETPROVIDER: return reinterpret_cast<LRESULT>(this);
    case AC_SETNEWSKIN:
      if (reinterpret_cast<TsSkinManager*>(argument) != Manager()) return 0;
      if (!skinned_) {
        Prepare();
      } else {
        RepaintFrame();
        ApplyWindowRegion();  // the new skin's masks may cut other corners
      }
      return 0;
    case AC_REMOVESKIN:
      if (reinterpret_cast<TsSkinManager*>(argument) == Manager()) Unprepare();
      return 0;
    case AC_REFRESH:
      if (skinned_) RepaintFrame();
      return 0;
    case AC_GETBG: {
      auto* request = reinterpret_cast<BackgroundRequest*>(argument);
      if (!request || !skinned_) return 0;
      const PixelBuffer& cache = FrameCache();
      const TPoint o = measures_.ClientOrigin;
      request->Bitmap = &cache;
      request->OffsetX += o.X;
      request->OffsetY += o.Y;
      request->ClipRect = {request->ClipRect.Left + o.X, request->ClipRect.Top + o.Y, request->ClipRect.Right + o.X,
                           request->ClipRect.Bottom + o.Y};
      request->AnswerKind = kAnswerPicture;
      return 0;
    }
    case AC_INVALIDATE: changed_ = true; return 0;
    case AC_PREPARECACHE:
      if (skinned_ && changed_) Rebuild();
      return 0;
    case AC_GETCLIENTORIGIN: return MAKELONG(measures_.ClientOrigin.X, measures_.ClientOrigin.Y);
    case AC_GETFRAMEWIDTH: return skinned_ ? measures_.FW : argument;
    default: return 0;
  }
}

// ---- preparation -----------------------------------------------------------

bool TsSkinProvider::WantsExtendedBorders() const {
  const TsSkinManager* manager = Manager();
  HWND window = form_.WindowHandle();
  return manager && manager->ExtendedBorders() && AllowExtBorders && DrawNonClientArea &&
         form_.BorderStyle != TFormBorderStyle::bsNone && window &&
         !(GetWindowLongW(window, GWL_STYLE) & WS_CHILD);
}

void TsSkinProvider::Prepare() {
  TsSkinManager* manager = Manager();
  if (passive_ || skinned_ || !form_.WindowHandle() || !manager || !manager->SkinInForce()) return;
  const LoadedSkin& skin = *manager->Skin();
  values_ = FrameSkinValuesOf(skin.SkinData, manager->BorderImages().MarginL, manager->BorderImages().MarginT,
                              manager->BorderImages().MarginR, manager->BorderImages().MarginB);
  mode_ = WantsExtendedBorders() ? FrameMode::ExtendedBorder : FrameMode::InFrame;
  if (UseGlobalColor) form_.SetColor(skin.Colors[scGlobalColor]);
  skinned_ = true;
  changed_ = true;
  if (mode_ == FrameMode::ExtendedBorder) border_ = std::make_unique<TacBorderForm>(*this);
  Rebuild();
  ApplyWindowRegion();
  if (IsWindowVisible(form_.WindowHandle())) ShowFrame(true);
}

void TsSkinProvider::Unprepare() {
  if (!skinned_) return;
  skinned_ = false;
  border_.reset();
  regionSet_ = false;
  if (HWND window = form_.WindowHandle()) {
    SetWindowRgn(window, nullptr, TRUE);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (UseGlobalColor) form_.SetColor(clBtnFace);
  cache_ = PixelBuffer();
  buttonsBackground_ = PixelBuffer();
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
  if (!skinned_ || !manager || !manager->SkinInForce() || !form_.WindowHandle()) return;
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
                                SkinSection);
  buttons_.SystemMenu = facts.SystemMenu;
  buttons_.VisibleMax = VisibleMax(facts);
  buttons_.VisibleMin = VisibleMin(facts);
  buttons_.Help = false;  // the toolkit's forms have no help border icon
  buttons_.Glyphs = glyphs.Set;
  buttons_.GlyphSize = GlyphSizes(paintSkin_.View, glyphs.Glyphs);
  buttons_.ShowIcon = TitleIcon.Visible && ShowAppIcon && bigBorder && facts.SystemMenu;
  buttons_.IconSize = {TitleIcon.Width, TitleIcon.Height};
  buttons_.IconGlyph = {TitleIcon.Glyph.Width(), TitleIcon.Glyph.Height()};
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
  PaintFrame(paintSkin_, measures_, inputs_, layout_, look_, cache_, buttonsBackground_,
             [this](PixelBuffer& cache, const TitleLayout& layout, int32_t state) { WriteCaption(cache, layout, state); });
  changed_ = false;
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

void TsSkinProvider::WriteCaption(PixelBuffer& cache, const TitleLayout& layout, int32_t state) {
  HDC dc = BufferDc(cache);
  if (!dc) return;
  // The text in the caption font and the title section's colour.
  const std::wstring text = Cp1251::ToWide(form_.Caption());
  if (text.empty() || layout.CaptionText.IsEmpty()) return;
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
  HGDIOBJ old = SelectObject(dc, font);
  const TsGeneralData* title = paintSkin_.View.Section(paintSkin_.TitleSection);
  const TColor color = title ? title->Props[size_t(std::clamp(state, 0, 2))].TextColor : clBlack;
  SetTextColor(dc, ColorRef(color));
  SetBkMode(dc, TRANSPARENT);
  const UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
  // Centred on the caption's centre line: a band of the caption's height around it.
  const int32_t half = std::max<int32_t>(layout.CaptionText.Height(), 2) / 2;
  RECT r{layout.CaptionText.Left, layout.CenterLine - half, layout.CaptionText.Right, layout.CenterLine + half};
  DrawTextW(dc, text.c_str(), int(text.size()), &r, flags);
  GdiFlush();
  SelectObject(dc, old);
  DeleteObject(font);
  // GDI leaves alpha 0 in what it draws (and may draw beyond the rectangle it was
  // given); the caption bar under the text is opaque.
  const TRect& band = layout.CaptionText;
  const TRect area{std::max<int32_t>(0, band.Left), std::max<int32_t>(0, band.Top),
                   std::min<int32_t>(cache.Width(), band.Right), std::min<int32_t>(cache.Height(), band.Bottom)};
  if (!area.IsEmpty()) AssignAlpha(cache, area, 255, clNone);
}

const PixelBuffer& TsSkinProvider::FrameCache() {
  if (changed_) Rebuild();
  return cache_;
}

void TsSkinProvider::RepaintFrame() {
  changed_ = true;
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
    // Square corners need no region at all.
    if (!corners.empty()) wanted = MakeRect(0, 0, size.cx, size.cy);
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

void TsSkinProvider::RepaintButton(TitleButton b) {
  if (!skinned_ || cache_.Empty()) return;
  if (changed_) {
    RepaintFrame();
    return;
  }
  const TRect area = RepaintTitleButton(paintSkin_, measures_, layout_, look_, b, buttonsBackground_, cache_);
  if (area.IsEmpty()) return;
  if (mode_ == FrameMode::ExtendedBorder) {
    if (border_) border_->Update(true);
  } else if (HDC dc = GetWindowDC(form_.WindowHandle())) {
    BitBlt(dc, area.Left, area.Top, area.Width(), area.Height(), BufferDc(cache_), area.Left, area.Top, SRCCOPY);
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
  if (!IsButtonCode(code)) code = 0;
  if (code == hot_ || (pressed_ && code != pressed_ && code != 0)) return;
  const int32_t previous = hot_;
  hot_ = code;
  // State changes are shown at once; a fade would start here.
  if (previous && look_.ButtonStates[size_t(ButtonOf(previous))] == 1) {
    look_.ButtonStates[size_t(ButtonOf(previous))] = 0;
    RepaintButton(ButtonOf(previous));
  }
  if (code && !pressed_) {
    look_.ButtonStates[size_t(ButtonOf(code))] = 1;
    RepaintButton(ButtonOf(code));
  } else if (code && code == pressed_) {
    look_.ButtonStates[size_t(ButtonOf(code))] = 2;
    RepaintButton(ButtonOf(code));
  }
}

void TsSkinProvider::PressButton(int32_t code) {
  if (!IsButtonCode(code) || pressed_) return;
  const SystemMenuFacts facts = MenuFacts();
  if (code == kFrameHitMaxButton && !(EnabledMax(facts) || (facts.State == MenuWindowState::Maximized && EnabledRestore(facts))))
    return;
  if (code == kFrameHitClose && facts.CloseGreyed) return;
  if (code == kFrameHitMinButton && !EnabledMin(facts)) return;
  pressed_ = code;
  hot_ = code;
  look_.ButtonStates[size_t(ButtonOf(code))] = 2;
  RepaintButton(ButtonOf(code));
}

void TsSkinProvider::ReleaseButton(int32_t code) {
  const int32_t pressed = pressed_;
  if (!pressed) return;
  pressed_ = 0;
  const bool onButton = code == pressed;
  look_.ButtonStates[size_t(ButtonOf(pressed))] = onButton ? 1 : 0;
  hot_ = onButton ? pressed : 0;
  RepaintButton(ButtonOf(pressed));
  if (!onButton) return;
  HWND window = form_.WindowHandle();
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
  TsSystemMenu menu(form_, MenuFacts());
  menu.Popup(screen);  // sends the chosen command; the form may be gone afterwards
  if (!life.expired() && skinned_ && IsWindow(form_.WindowHandle())) RepaintFrame();
}

// ---- message handlers ------------------------------------------------------

LRESULT TsSkinProvider::OnNcHitTest(TMessage& m, POINT screen) {
  RECT wr;
  GetWindowRect(form_.WindowHandle(), &wr);
  const TPoint p{screen.x - wr.left, screen.y - wr.top};
  // The grip lies in the client area, which the form shows in both modes.
  if (int32_t grip = SizeGripHit(measures_, inputs_, p)) return grip;
  if (mode_ == FrameMode::InFrame) {
    const int32_t code = FrameHitTest(screen);
    if (IsButtonCode(code) || code == kFrameHitSysMenu) return code;
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
  const PixelBuffer& cache = FrameCache();
  if (cache.Empty()) return CallPrevious(m);
  BitBlt(dc, 0, 0, inputs_.Client.cx, inputs_.Client.cy, BufferDc(cache), measures_.ClientOrigin.X,
         measures_.ClientOrigin.Y, SRCCOPY);
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
  const MaximizedPlacement p =
      PlaceMaximized(work, mode_, inputs_.HasCaption, inputs_.SystemFrame, inputs_.SystemCaption, values_);
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
  if (sized) {
    changed_ = true;
    Rebuild();
    ApplyWindowRegion();
  }
  if (IsWindowVisible(window)) ShowFrame(sized);
  return result;
}

LRESULT TsSkinProvider::OnSetText(TMessage& m) {
  const LRESULT result = CallPrevious(m);
  RepaintFrame();
  return result;
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
  // A left click on the icon (the border window passes its own on): the skinned system menu below the icon.
  if (m.Msg == WM_NCLBUTTONDOWN && code == kFrameHitSysMenu) {
    RECT wr;
    GetWindowRect(form_.WindowHandle(), &wr);
    const int32_t frames = mode_ == FrameMode::InFrame ? 2 * measures_.FW : 0;
    ShowSystemMenu({wr.left + measures_.SystemFW, wr.top + inputs_.BorderWidth + layout_.Icon.Height() + frames});
    return 0;
  }
  // In extended-border mode the border window has the frame's mouse; in in-frame mode the form itself.
  if (mode_ == FrameMode::ExtendedBorder) return CallPrevious(m);
  switch (m.Msg) {
    case WM_NCMOUSEMOVE:
      SetHotButton(code);
      if (!IsButtonCode(code)) break;
      {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_NONCLIENT, form_.WindowHandle(), 0};
        TrackMouseEvent(&track);
      }
      return 0;
    case WM_NCMOUSELEAVE: SetHotButton(0); break;
    case WM_NCLBUTTONDOWN:
      if (!IsButtonCode(code)) break;
      PressButton(code);
      if (pressed_) SetCapture(form_.WindowHandle());
      return 0;
    case WM_NCLBUTTONUP:
      if (!pressed_) break;
      ReleaseButton(code);  // may free the form: nothing after it
      return 0;
    case WM_NCLBUTTONDBLCLK:
      if (IsButtonCode(code)) return 0;
      if (code == kFrameHitSysMenu) {
        SendMessageW(form_.WindowHandle(), WM_SYSCOMMAND, SC_CLOSE, 0);  // may free the form: nothing after it
        return 0;
      }
      if (code != kFrameHitCaption) break;
      CaptionDoubleClick();
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
    if (name == "SkinData.SkinSection") provider->SkinSection = r.Text();
    else if (name == "AllowExtBorders") provider->AllowExtBorders = r.Bool();
    else if (name == "DrawNonClientArea") provider->DrawNonClientArea = r.Bool();
    else if (name == "ShowAppIcon") provider->ShowAppIcon = r.Bool();
    else if (name == "UseGlobalColor") provider->UseGlobalColor = r.Bool();
    else if (name == "TitleSkin") provider->TitleSkin = r.Text();
    else if (name == "FormHeader.AdditionalHeight") provider->FormHeaderAdditionalHeight = int(r.Int());
    else r.Fail("no such property");
    return true;
  });
}
