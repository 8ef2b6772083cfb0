#include "skin/handlers/TacBtnWnd.h"

#include <algorithm>

#include "skin/controls/BindingPaint.h"
#include "skin/controls/SkinTextOutput.h"
#include "skin/controls/SkinTextOutputWin.h"
#include "skin/controls/ButtonGlyph.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/sSkinManager.h"
#include "skin/handlers/ButtonCaption.h"
#include "skin/handlers/ButtonFactsWin.h"
#include "skin/handlers/ButtonPixels.h"
#include "skin/render/core/PixelBufferDc.h"
#include "toolkit/Control.h"
#include "toolkit/Cp1251.h"

namespace {

constexpr UINT kCaptionMeasureFlags = DT_CENTER | DT_EXPANDTABS | DT_NOPREFIX | DT_CALCRECT;

bool Multiline(HWND window) { return (GetWindowLongPtrW(window, GWL_STYLE) & BS_MULTILINE) != 0; }

}  // namespace

// ---- Slots -----------------------------------------------------------------

void TacBtnWnd::AfterAttach() {
  if (SkinData().SkinSection().empty()) SkinData().SetSkinSection(RequestedSection());
  TacMainWnd::AfterAttach();
}

bool TacBtnWnd::Pressed() const { return (SendMessageW(Window(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }

int32_t TacBtnWnd::ButtonState() {
  TsSkinManager* manager = Manager();
  ButtonFacts facts = ReadButtonFacts(Window(), Control(), SkinData(), manager);
  // With hovering switched off the pointer may still make this the hot window; it must not show.
  if (manager && manager->Options.NoMouseHover) facts.HotWindow = false;
  if (facts.Pressed && SkinData().Effects) SkinData().Effects->HideGlow(SkinData(), false);
  return ::ButtonState(facts);
}

TRect TacBtnWnd::CaptionRect(TSize text) {
  const TsSkinManager* m = Manager();
  return CenteredCaptionRect(size_, text,
                             CaptionShifts(Pressed(), SkinData().IsSkinned(), !m || m->ButtonsOptions.ShiftContentOnClick));
}

int32_t TacBtnWnd::CaptionRoom() const { return ButtonCaptionRoom(size_.cx, !Text().empty(), GlyphSize().cx); }

void TacBtnWnd::StartStateFade(bool /*toHot*/, bool /*glow*/, bool /*fast*/) {
  SkinData().CacheStale = true;
  RedrawNow();
}

void TacBtnWnd::StopFade() {
  if (SkinData().Effects) SkinData().Effects->StopFade(SkinData());
}

// ---- The picture ---------------------------------------------------------------

void TacBtnWnd::TakeGeometry() {
  GetWindowRect(Window(), &windowRect_);
  parent_ = GetParent(Window());
  if (parent_) GetWindowRect(parent_, &parentRect_);
  else parentRect_ = {};
  size_ = {windowRect_.right - windowRect_.left, windowRect_.bottom - windowRect_.top};
  POINT topLeft{windowRect_.left, windowRect_.top};
  if (parent_) ScreenToClient(parent_, &topLeft);
  position_ = {topLeft.x, topLeft.y};
}

void TacBtnWnd::BuildPicture() {
  TakeGeometry();
  TsCommonData& b = SkinData();
  const std::optional<BackgroundInfo> ready = b.BackgroundForBuild();
  if (!ready) return;
  const BackgroundInfo& bg = *ready;
  PixelBuffer& picture = *b.CachePicture;
  if (picture.Width() != size_.cx || picture.Height() != size_.cy) picture = PixelBuffer(size_.cx, size_.cy);
  if (picture.Empty()) return;
  PaintContent(picture, bg);
  if (!IsWindowEnabled(Window())) MixDisabledButton(picture, position_, bg, b.Host()->ParentColor());
  b.CacheStale = false;
}

void TacBtnWnd::PaintContent(PixelBuffer& picture, const BackgroundInfo& bg) {
  const TsGeneralData* section = SkinData().Section();
  const int32_t state = ButtonState();
  const int32_t painted = ButtonPaintState(state, section ? section->States : 0);
  PaintBindingSection(SkinData(), picture, bg, position_, picture.Bounds(), painted, true);
  WriteCaption(picture, state);
}

std::string TacBtnWnd::CaptionText() const { return Control() ? Control()->Caption() : Cp1251::FromWide(Text()); }

TSize TacBtnWnd::MeasureCaption(PixelBuffer& picture, const std::string& caption, int32_t width) const {
  if (caption.empty()) return {};
  const std::wstring wide = Cp1251::ToWide(caption);
  HDC dc = BufferDc(picture);
  HGDIOBJ old = SelectObject(dc, CaptionFont());
  RECT r{0, 0, width, 0};
  DrawTextW(dc, wide.c_str(), int(wide.size()), &r, kCaptionMeasureFlags | (Multiline(Window()) ? DT_WORDBREAK : 0));
  SelectObject(dc, old);
  return {r.right - r.left, r.bottom - r.top};
}

HFONT TacBtnWnd::CaptionFont() const {
  if (Control()) return Control()->Font.Handle();
  if (auto font = reinterpret_cast<HFONT>(SendMessageW(Window(), WM_GETFONT, 0, 0))) return font;
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void TacBtnWnd::WriteCaption(PixelBuffer& picture, int32_t state) {
  const std::string caption = CaptionText();
  const TRect box = CaptionRect(MeasureCaption(picture, caption, CaptionRoom() + 2));
  if (!caption.empty()) {
    UINT flags = DT_CENTER | DT_EXPANDTABS | (Multiline(Window()) ? DT_WORDBREAK : 0);
    if (GetWindowLongPtrW(Window(), GWL_EXSTYLE) & WS_EX_RTLREADING) flags |= DT_RTLREADING;
    TPictureTextCanvas canvas(picture, CaptionFont());
    WriteControlText(canvas, caption, true, state != kButtonNormal ? 1 : 0, SkinData(), flags, box);
  }
  PaintGlyph(picture, box);
  PaintFocusFrame(picture, FocusFrameRect(box, size_.cy), !caption.empty());
}

void TacBtnWnd::PaintFocusFrame(PixelBuffer& picture, const TRect& frame, bool hasCaption) {
  const TsSkinManager* m = Manager();
  const bool focusFrame = hasCaption && IsWindowEnabled(Window()) && (!m || m->ButtonsOptions.ShowFocusRect) &&
                          (SendMessageW(Window(), BM_GETSTATE, 0, 0) & BST_FOCUS);
  if (!focusFrame) return;
  const TsGeneralData* section = SkinData().Section();
  const TsGenState* look = SkinData().StateRecord(section && section->States > 0 ? 1 : 0);
  DrawDottedFrame(picture, frame, look ? SkinData().AdjustColor(look->TextColor) : clBlack);
}

void TacBtnWnd::PaintInto(HDC dc) {
  TsCommonData& b = SkinData();
  b.PaintSuspended = b.Host()->SendParentCommand(AC_MUSTREPAINT, 0) == 1;
  if (b.PaintSuspended) return;
  b.CacheStale = true;
  BuildPicture();
  if (b.CacheStale || !b.CachePicture || b.CachePicture->Empty()) return;
  const PixelBuffer& picture = *b.CachePicture;
  const int saved = SaveDC(dc);
  ClipPainting(dc);
  BitBlt(dc, 0, 0, picture.Width(), picture.Height(), BufferDc(picture), 0, 0, SRCCOPY);
  RestoreDC(dc, saved);
}

// ---- Messages ----------------------------------------------------------------

LRESULT TacBtnWnd::HandleMessage(TMessage& m) {
  if (!SkinActive()) return TacMainWnd::HandleMessage(m);
  switch (m.Msg) {
    case WM_MOVE:          return OnMove(m);
    case WM_SETFOCUS:      return OnFocusChange(m, true);
    case WM_KILLFOCUS:     return OnFocusChange(m, false);
    case WM_ENABLE:
    case WM_SETTEXT:       return OnLookChange(m, false);
    case WM_PAINT:         return OnPaint(m);
    case WM_PRINTCLIENT:
    case WM_PRINT:         return OnPaint(m);
    case WM_ERASEBKGND:    return m.Result = 1;
    case WM_NCPAINT:
    case WM_UPDATEUISTATE: return m.Result = 0;
    case BM_SETSTATE:      return OnLookChange(m, true);
    case WM_LBUTTONUP:     return OnLeftUp(m);
    case WM_MOUSEHOVER:    return OnMouseHover(m);
    case WM_MOUSELEAVE:    return OnMouseLeave(m);
    case WM_MOUSEMOVE:     return OnMouseMove(m);
    default:               return TacMainWnd::HandleMessage(m);
  }
}

std::optional<LRESULT> TacBtnWnd::OnSkinCommand(uint16_t command, TMessage& m) {
  switch (command) {
    case AC_ENDPARENTUPDATE:
      if (!SkinData().PaintSuspended) return TacMainWnd::OnSkinCommand(command, m);
      if (SkinData().Host()->SendParentCommand(AC_MUSTREPAINT, 0) != 1) {
        SkinData().PaintSuspended = false;
        RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      }
      return 0;
    case AC_PREPARECACHE:
      BuildPicture();
      return 0;
    case AC_MOUSEENTER: return OnPointerEntered(m);
    case AC_MOUSELEAVE: return OnPointerLeft(m);
    default:            return TacMainWnd::OnSkinCommand(command, m);
  }
}

void TacBtnWnd::RedrawNow() const { RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

LRESULT TacBtnWnd::PassOnQuietly(TMessage& m) {
  const bool visible = IsWindowVisible(Window());
  if (visible) DefWindowProcW(Window(), WM_SETREDRAW, FALSE, 0);
  const std::weak_ptr<const void> alive = LifeToken();
  const LRESULT result = TacMainWnd::HandleMessage(m);
  if (visible && !alive.expired() && IsWindow(Window())) DefWindowProcW(Window(), WM_SETREDRAW, TRUE, 0);
  return result;
}

LRESULT TacBtnWnd::OnMove(TMessage& m) {
  const TsGeneralData* section = SkinData().Section();
  const bool seeThrough = section && (section->Props[0].Transparency > 0 ||
                                      (section->Props[1].Transparency > 0 && SkinData().IsActive()));
  if (seeThrough) {
    SkinData().CacheStale = true;
    RedrawNow();
  }
  return TacMainWnd::HandleMessage(m);
}

LRESULT TacBtnWnd::OnFocusChange(TMessage& m, bool gained) {
  if (!IsWindowEnabled(Window())) return TacMainWnd::HandleMessage(m);
  if (!gained && SkinData().Host()->Destroying()) return TacMainWnd::HandleMessage(m);
  const std::weak_ptr<const void> alive = LifeToken();
  const LRESULT result = PassOnQuietly(m);
  if (alive.expired() || Detached()) return result;
  SkinData().HasFocus = gained;
  SkinData().CacheStale = true;
  if (gained) StopFade();
  RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  return result;
}

LRESULT TacBtnWnd::OnLookChange(TMessage& m, bool stopFade) {
  if (!IsWindowVisible(Window())) return TacMainWnd::HandleMessage(m);
  const std::weak_ptr<const void> alive = LifeToken();
  const LRESULT result = PassOnQuietly(m);
  if (alive.expired() || Detached()) return result;
  SkinData().CacheStale = true;
  if (stopFade) StopFade();
  RedrawNow();
  return result;
}

LRESULT TacBtnWnd::OnPaint(TMessage& m) {
  const bool print = m.Msg != WM_PAINT;
  if (!IsWindowVisible(Window()) && !(SkinData().StateFlags & kStateAttached) && !print)
    return TacMainWnd::HandleMessage(m);
  ApplySkinLook();
  auto given = reinterpret_cast<HDC>(m.WParam);
  if (given) {
    PaintInto(given);
    return m.Result = 0;
  }
  PAINTSTRUCT ps{};
  HDC dc = BeginPaint(Window(), &ps);
  if (dc) PaintInto(dc);
  EndPaint(Window(), &ps);
  return m.Result = 0;
}

LRESULT TacBtnWnd::OnLeftUp(TMessage& m) {
  // The click runs in the base handling and may close the dialog: the window,
  // this handler and its binding may all be gone when it returns.
  const std::weak_ptr<const void> alive = LifeToken();
  const HWND window = Window();
  if (SkinData().PointerInside) {
    StopFade();
    SkinData().PointerInside = false;
    const LRESULT result = TacMainWnd::HandleMessage(m);
    if (alive.expired() || Detached() || !IsWindow(window)) return result;
    if (IsWindowVisible(window)) SendMessageW(window, kSkinMessage, SkinCommandParam(AC_MOUSEENTER), 0);
    return result;
  }
  const LRESULT result = TacMainWnd::HandleMessage(m);
  if (alive.expired() || Detached() || !IsWindow(window)) return result;
  StopFade();
  SkinData().CacheStale = false;
  StartStateFade(false, true, true);
  return result;
}

LRESULT TacBtnWnd::OnMouseHover(TMessage& m) {
  const std::weak_ptr<const void> alive = LifeToken();
  SendMessageW(Window(), kSkinMessage, SkinCommandParam(AC_MOUSEENTER), 0);
  if (alive.expired() || Detached()) return 0;
  return TacMainWnd::HandleMessage(m);
}

LRESULT TacBtnWnd::OnMouseLeave(TMessage& m) {
  if (TsSkinManager* manager = DefaultManager(); manager && manager->HotWindow() == reinterpret_cast<uintptr_t>(Window()))
    manager->SetHotWindow(0);
  return TacMainWnd::HandleMessage(m);
}

bool TacBtnWnd::HoverAllowed() const {
  const TsSkinManager* manager = DefaultManager();
  return manager && !manager->Options.NoMouseHover && IsWindowEnabled(Window()) &&
         !(SkinData().Host() && SkinData().Host()->DesignMode());
}

bool TacBtnWnd::CursorInside() const {
  POINT p{};
  RECT r{};
  return GetCursorPos(&p) && GetWindowRect(Window(), &r) && PtInRect(&r, p);
}

LRESULT TacBtnWnd::OnMouseMove(TMessage& m) {
  const std::weak_ptr<const void> alive = LifeToken();
  const LRESULT result = TacMainWnd::HandleMessage(m);
  if (alive.expired() || Detached() || !HoverAllowed()) return result;
  TsSkinManager* manager = DefaultManager();
  const auto self = reinterpret_cast<uintptr_t>(Window());
  if (CursorInside()) {
    if (manager->HotWindow() != self) manager->SetHotWindow(self);
  } else if (manager->HotWindow() == self) {
    manager->SetHotWindow(0);
  }
  return result;
}

LRESULT TacBtnWnd::OnPointerEntered(TMessage& m) {
  TsCommonData& b = SkinData();
  if (b.PointerInside) {
    if (std::optional<intptr_t> answer = b.OnSkinCommand(AC_MOUSEENTER, m.LParam)) return *answer;
    return 0;
  }
  const TsSkinManager* manager = DefaultManager();
  if (!manager || manager->HotWindow() != reinterpret_cast<uintptr_t>(Window()) || manager->Options.NoMouseHover ||
      !CursorInside())
    return 0;
  b.CacheStale = false;
  b.PaintSuspended = false;
  b.PointerInside = true;
  StartStateFade(true, true, false);
  return 0;
}

LRESULT TacBtnWnd::OnPointerLeft(TMessage& /*m*/) {
  TsCommonData& b = SkinData();
  if (!b.PointerInside || (Control() && Control()->MouseInControl())) return 0;
  b.PaintSuspended = false;
  b.CacheStale = false;
  b.PointerInside = false;
  StartStateFade(false, false, false);
  return 0;
}

// ---- TacBitBtnWnd ------------------------------------------------------------

void TacBitBtnWnd::SetGlyph(PixelBuffer glyph) {
  glyph_ = std::move(glyph);
  SkinData().CacheStale = true;
  if (IsWindowVisible(Window())) InvalidateRect(Window(), nullptr, FALSE);
}

int32_t TacBitBtnWnd::ButtonState() {
  // A glyph button has no look of its own for the default button: it shows hot.
  const int32_t state = TacBtnWnd::ButtonState();
  return state == kButtonDefault ? kButtonHot : state;
}

TRect TacBitBtnWnd::CaptionRect(TSize text) {
  const TsSkinManager* m = Manager();
  const bool shifted =
      CaptionShifts(Pressed(), SkinData().IsSkinned(), !m || m->ButtonsOptions.ShiftContentOnClick);
  const GlyphCaptionLayout layout = GlyphBesideCaption(ButtonSize(), GlyphSize(), text, kSpacing, shifted);
  glyphRect_ = layout.Glyph;
  return layout.Caption;
}

void TacBitBtnWnd::PaintGlyph(PixelBuffer& picture, const TRect& /*caption*/) {
  if (glyph_.Empty()) return;
  ButtonGlyphInput in;
  in.Strip = &glyph_;
  in.State = std::min(ButtonState(), 2);
  in.Enabled = IsWindowEnabled(Window()) != FALSE;
  in.Grayed = !in.Enabled;
  PaintButtonGlyph(picture, glyphRect_, in);
}
