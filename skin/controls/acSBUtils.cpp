#include "skin/controls/acSBUtils.h"

#include <algorithm>

#include "skin/controls/BindingPaint.h"
#include "skin/controls/sCommonDataWin.h"
#include "skin/data/SkinColors.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/core/Blend.h"
#include "skin/render/core/DisabledLook.h"
#include "skin/render/core/PixelBufferDc.h"
#include "skin/render/paint/DrawArrow.h"
#include "skin/render/paint/GlyphFrame.h"
#include "skin/render/paint/SectionPainter.h"
#include "toolkit/Application.h"
#include "toolkit/Control.h"
#include "toolkit/MessageCrackers.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/Messages.h"
#include "toolkit/WinControl.h"

namespace {

constexpr uint16_t AC_COMMONHANDLING = 19;  // answered 1 by scrolling handlers
constexpr uint16_t AC_GETHANDLER = 12;      // the handler itself

bool FromManager(const TacMainWnd& h, const TMessage& m) {
  return reinterpret_cast<TsSkinManager*>(m.LParam) == h.Manager();
}

void ForwardToChildren(HWND window, const TMessage& m) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    SendMessageW(child, kSkinMessage, m.WParam, m.LParam);
}

}  // namespace

// ---- TacMainWnd

TacMainWnd::TacMainWnd(HWND window, const TacHandlerParams& params, TsSkinManager* manager, TsCommonData* binding)
    : params_(params),
      window_(window),
      manager_(manager),
      binding_(binding),
      hook_([this](TMessage& m) -> LRESULT { return detached_ ? hook_.CallPrevious(m) : HandleMessage(m); }) {}

TacMainWnd::~TacMainWnd() { Detach(); }

TsSkinManager* TacMainWnd::Manager() const {
  if (manager_) return manager_;
  if (binding_ && binding_->Manager()) return binding_->Manager();
  return DefaultManager();
}

bool TacMainWnd::SkinActive() const {
  const TsSkinManager* m = Manager();
  return m && m->Active() && m->SkinInForce() && binding_ && binding_->IsSkinned();
}

void TacMainWnd::Init(bool update) {
  if (!binding_) {
    if (params_.Control) ownHost_ = std::make_unique<TControlBindingHost>(*params_.Control);
    else ownHost_ = std::make_unique<TWindowBindingHost>(window_);
    ownBinding_ = CreateBinding(*ownHost_);
    binding_ = ownBinding_.get();
    binding_->SetSkinManager(manager_);
    binding_->SetCustomFont(!params_.SkinFont);
    binding_->SetCustomColor(!params_.SkinColor);
    if (auto* scroll = dynamic_cast<TsScrollWndData*>(binding_)) {
      scroll->HorzScrollData = params_.Horz;
      scroll->VertScrollData = params_.Vert;
    }
  }
  const int length = GetWindowTextLengthW(window_);
  text_.assign(size_t(std::max(length, 0)) + 1, L'\0');
  text_.resize(size_t(GetWindowTextW(window_, text_.data(), length + 1)));
  Attach(update);
  SaveOwnLook();
  AfterAttach();
}

std::unique_ptr<TsCommonData> TacMainWnd::CreateBinding(TacBindingHost& host) {
  return std::make_unique<TsCommonData>(&host, true);
}

void TacMainWnd::Attach(bool /*update*/) {
  // A control's own binding: the handler stands in for the control's dispatch,
  // which direct dispatch (Perform) goes through as well.
  onControl_ = params_.Control && ownBinding_ == nullptr;
  if (onControl_) {
    hook_.Install(*params_.Control);
    SetPropW(window_, kHandlerProperty, this);
  } else {
    hook_.Install(window_);
    hook_.Publish(kHandlerProperty, this);
  }
  detached_ = false;
}

void TacMainWnd::AfterAttach() {
  if (!ownBinding_) return;
  if (binding_->SkinSection().empty()) binding_->SetSkinSection(params_.Section.empty() ? DefaultSection() : params_.Section);
  binding_->FinishLoading();
}

void TacMainWnd::Detach() {
  if (detached_) return;
  detached_ = true;
  hook_.Remove();
  if (onControl_ && GetPropW(window_, kHandlerProperty) == this) RemovePropW(window_, kHandlerProperty);
  RestoreOwnLook();
  OnDetach();
}

LRESULT TacMainWnd::PassOn(TMessage& m) {
  try {
    return hook_.CallPrevious(m);
  } catch (...) {
    ReportCurrentException();
    return m.Result = 0;
  }
}

TRect TacMainWnd::WindowRectInScreen() const {
  RECT r{};
  GetWindowRect(window_, &r);
  return {r.left, r.top, r.right, r.bottom};
}

TSize TacMainWnd::WindowSize() const {
  const TRect r = WindowRectInScreen();
  return {r.Right - r.Left, r.Bottom - r.Top};
}

void TacMainWnd::RepaintFrame() const { RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW); }

LRESULT TacMainWnd::HandleMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_DESTROY:
    case WM_NCDESTROY: return OnDestroy(m);
    case WM_UPDATEUISTATE: return 0;
    case WM_SIZE:
      binding_->CacheStale = true;
      return PassOn(m);
    case WM_SETTEXT: {
      const LRESULT result = PassOn(m);
      text_ = m.LParam ? reinterpret_cast<const wchar_t*>(m.LParam) : L"";
      return result;
    }
    case WM_MOUSEMOVE:
      if (TsSkinManager* manager = Manager(); manager && IsWindowEnabled(window_))
        manager->SetHotWindow(reinterpret_cast<uintptr_t>(window_));
      return PassOn(m);
    case WM_PRINT: {
      TMessage paint{WM_PAINT, m.WParam, 0, 0};
      return m.Result = HandleMessage(paint);
    }
    case kSkinMessage: return OnSkinMessage(m);
    default: return PassOn(m);
  }
}

LRESULT TacMainWnd::OnDestroy(TMessage& m) {
  if (binding_->Effects) {
    binding_->Effects->StopFade(*binding_);
    binding_->Effects->HideGlow(*binding_, false);
  }
  Detach();
  return PassOn(m);
}

LRESULT TacMainWnd::OnSkinMessage(TMessage& m) {
  if (!Manager() || !Manager()->Active()) return PassOn(m);
  const uint16_t command = SkinCommandOf(m.WParam);
  if (std::optional<LRESULT> answer = OnSkinCommand(command, m)) return m.Result = *answer;
  if (std::optional<intptr_t> answer = binding_->OnSkinCommand(command, m.LParam)) return m.Result = *answer;
  return PassOn(m);
}

std::optional<LRESULT> TacMainWnd::OnSkinCommand(uint16_t command, TMessage& m) {
  switch (command) {
    case AC_SETNEWSKIN:
      if (!FromManager(*this, m)) return std::nullopt;
      binding_->ChooseSection();
      binding_->CacheStale = true;
      ForwardToChildren(window_, m);
      return PassOn(m);
    case AC_REMOVESKIN: {
      if (!FromManager(*this, m)) return std::nullopt;
      const LRESULT result = PassOn(m);
      Detach();  // the owner frees a detached handler
      return result;
    }
    case AC_REFRESH:
      if (!FromManager(*this, m)) return std::nullopt;
      binding_->ChooseSection();
      binding_->CacheStale = true;
      binding_->StateFlags &= uint16_t(~kStateUpdating);
      ApplySkinLook();
      if (IsWindowVisible(window_))
        RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      ForwardToChildren(window_, m);
      return 0;
    case AC_ENDPARENTUPDATE:
      if (binding_->PaintSuspended) {
        binding_->PaintSuspended = false;
        RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      }
      return 0;
    case AC_CTRLHANDLED: return 1;
    case AC_MUSTREPAINT:
      if (binding_->PaintSuspended) return 1;
      return SendMessageW(GetParent(window_), kSkinMessage, m.WParam, m.LParam);
    case AC_GETHANDLER: return reinterpret_cast<LRESULT>(this);
    case AC_SETSECTION: {
      const auto* name = reinterpret_cast<const std::string*>(m.LParam);
      if (!name) return 0;
      binding_->SetSkinSection(*name);
      return 1;
    }
    case AC_GETCONTROLCOLOR: return LRESULT(binding_->ColorAnswer());
    case AC_PREPARECACHE:
      BuildCache();
      return 0;
    case AC_GETSKINDATA: return reinterpret_cast<LRESULT>(binding_);
    case AC_GETAPPLICATION: return reinterpret_cast<LRESULT>(Application);
    default: return std::nullopt;
  }
}

void TacMainWnd::BuildCache() {
  TsCommonData& b = *binding_;
  b.PrepareCache();
  const BackgroundInfo bg = b.ParentBackground();
  if (TsCommonData::ParentNotReady(bg)) {
    b.PaintSuspended = true;
    return;
  }
  PixelBuffer& cache = *b.CachePicture;
  const TsGeneralData* section = b.Section();
  const bool hot = b.HasFocus || (b.PointerInside && !HotOnlyByFocus(b.ControlKind) &&
                                  !(Manager() && Manager()->Options.NoMouseHover) && section &&
                                  (section->States > 1));
  const int32_t state = hot ? 1 : 0;
  const TPoint at = b.Host()->PositionInParent();
  if (BackgroundOnly()) PaintBindingBackground(b, cache, bg, at, cache.Bounds(), state);
  else PaintBindingSection(b, cache, bg, at, cache.Bounds(), state, true);
  if (!IsWindowEnabled(window_)) ApplyDisabledLook(cache, dkBlended, at, bg, b.Host()->ParentColor());
  b.CacheStale = false;
  b.PatchCornersFromParent(cache);
}

TacMainWnd* FindHandler(HWND window) { return FindWindowObject<TacMainWnd>(window, kHandlerProperty); }

void CopyFrameRing(HDC dc, const PixelBuffer& picture, int32_t width) {
  const int32_t w = width, cx = picture.Width(), cy = picture.Height();
  if (w <= 0 || picture.Empty()) return;
  HDC from = BufferDc(picture);
  BitBlt(dc, 0, 0, cx, w, from, 0, 0, SRCCOPY);
  BitBlt(dc, 0, cy - w, cx, w, from, 0, cy - w, SRCCOPY);
  BitBlt(dc, 0, w, w, cy - 2 * w, from, 0, w, SRCCOPY);
  BitBlt(dc, cx - w, w, w, cy - 2 * w, from, cx - w, w, SRCCOPY);
}

// ---- TacScrollWnd

namespace {

// The one tracked or hot scroll bar of the process (one mouse capture at a time).
struct ScrollTracking {
  TacScrollWnd* Window = nullptr;  // the tracked window's handler
  int32_t TrackedPart = kPartNone;
  UINT ScrollMessage = 0;
  int32_t PressedKind = -1;
  int32_t PressedPart = kPartNone;
  bool Thumb = false;  // the thumb is dragged
  int32_t ThumbStart = 0;
  int32_t GrabOffset = 0;
  int32_t LastPosition = 0;
  TacScrollWnd* HotWindow = nullptr;
  int32_t HotKind = -1;
  int32_t HotPart = kPartNone;
  TRect HotBar;
};
ScrollTracking tracking;

bool Contains(const TRect& r, TPoint p) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; }
int32_t Along(int32_t kind, TPoint p, const TRect& bar) { return kind == SB_VERT ? p.Y - bar.Top : p.X - bar.Left; }
// A piece [from, to) along a bar of the given thickness, as a rectangle of the bar's picture.
TRect Piece(int32_t kind, int32_t from, int32_t to, int32_t thickness) {
  return kind == SB_VERT ? TRect{0, from, thickness, to} : TRect{from, 0, to, thickness};
}

}  // namespace

std::unique_ptr<TsCommonData> TacScrollWnd::CreateBinding(TacBindingHost& host) {
  return std::make_unique<TsScrollWndData>(&host, true);
}

void TacScrollWnd::Attach(bool update) {
  bars_[0].Kind = SB_HORZ;
  bars_[1].Kind = SB_VERT;
  leftScrollBar_ = (GetWindowLongPtrW(Window(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  ReadBar(bars_[0]);
  ReadBar(bars_[1]);
  TacMainWnd::Attach(update);
  if (update) SetWindowPos(Window(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TacScrollWnd::ReadBar(TacScrollBar& bar) {
  const LONG_PTR style = GetWindowLongPtrW(Window(), GWL_STYLE);
  const bool hasStyle = (style & (bar.Kind == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) != 0;
  bar.Flags = (bar.Flags & kBarDisableNoScroll) | (hasStyle ? kBarStyle : 0);
  SCROLLINFO si{};
  si.cbSize = sizeof(si);
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  if (GetScrollInfo(Window(), bar.Kind, &si))
    bar.Range = {si.nMin, si.nMax, int32_t(si.nPage), si.nPos, si.nTrackPos};
  SCROLLBARINFO sbi{};
  sbi.cbSize = sizeof(sbi);
  if (GetScrollBarInfo(Window(), bar.Kind == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL, &sbi)) {
    if (sbi.rgstate[1] & STATE_SYSTEM_UNAVAILABLE) bar.Flags |= kBarUpArrowDisabled;
    if (sbi.rgstate[5] & STATE_SYSTEM_UNAVAILABLE) bar.Flags |= kBarDownArrowDisabled;
  }
}

bool TacScrollWnd::BarEnabled(const TacScrollBar& bar) const {
  if (!IsWindowEnabled(Window())) return false;
  SCROLLBARINFO sbi{};
  sbi.cbSize = sizeof(sbi);
  if (!GetScrollBarInfo(Window(), bar.Kind == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL, &sbi))
    return (bar.Flags & kBarStyle) != 0;
  return ScrollBarEnabled((sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) != 0, bar.Flags, bar.Range);
}

int32_t TacScrollWnd::Thickness() const {
  const auto* data = dynamic_cast<const TsScrollWndData*>(&SkinData());
  const TsSkinManager* manager = Manager();
  return ScrollBarThickness(data ? data->VertScrollData.ScrollWidth : -1,
                            manager ? manager->ScrollsOptions.ScrollSize : -1, GetSystemMetrics(SM_CXVSCROLL));
}

int32_t TacScrollWnd::ArrowLength(int32_t kind) const {
  const auto* data = dynamic_cast<const TsScrollWndData*>(&SkinData());
  const TacScrollData* own = data ? (kind == SB_VERT ? &data->VertScrollData : &data->HorzScrollData) : nullptr;
  const TsSkinManager* manager = Manager();
  return ScrollArrowLength(own ? own->ButtonsSize : -1, manager ? manager->ScrollsOptions.ButtonsSize : -1,
                           Bar(kind).ArrowOverride, Thickness());
}

int32_t TacScrollWnd::FrameOffset() const {
  const TsCommonData& b = SkinData();
  const TsGeneralData* section = b.Section();
  if (!section || b.Host()->IsForm()) return 0;
  const TsMaskData* mask = b.PaintView().Mask(b.BorderIndex);
  const TBorderWidths w = mask ? mask->EffectiveBorders() : TBorderWidths{};
  const bool allOne = mask && w.Left == 1 && w.Top == 1 && w.Right == 1 && w.Bottom == 1;
  const bool edit = section->SectionName == "EDIT" || section->SectionName == "ALPHAEDIT";
  return SectionFrameOffset(mask != nullptr, edit, allOne);
}

TRect TacScrollWnd::BarRect(int32_t kind) const { return kind == SB_VERT ? frame_.VertBar : frame_.HorzBar; }

ThumbLayout TacScrollWnd::ThumbOf(int32_t kind) const {
  const TRect bar = BarRect(kind);
  const int32_t length = kind == SB_VERT ? bar.Height() : bar.Width();
  return LayoutThumb(length, ArrowLength(kind), Bar(kind).Range);
}

bool TacScrollWnd::Tracking() const { return tracking.Window == this && tracking.TrackedPart != kPartNone; }

TPoint TacScrollWnd::CursorInWindow() const {
  POINT p{};
  GetCursorPos(&p);
  const TRect w = WindowRectInScreen();
  return {p.x - w.Left, p.y - w.Top};
}

bool TacScrollWnd::ChangesScrolling(UINT msg) {
  switch (msg) {
    case WM_KEYDOWN: case WM_KEYUP: case WM_LBUTTONDOWN: case WM_SETFONT: case WM_SETTEXT: case EM_REPLACESEL:
    case LB_ADDSTRING: case LB_INSERTSTRING: case LB_SETCURSEL: case LB_SETTOPINDEX: case LB_DELETESTRING:
    case LB_RESETCONTENT: case WM_SIZE: case WM_HSCROLL: case WM_VSCROLL: case WM_MOUSEWHEEL: case WM_SETFOCUS:
    case WM_KILLFOCUS: case CM_FONTCHANGED:
      return true;
    default: return false;
  }
}

LRESULT TacScrollWnd::HandleMessage(TMessage& m) {
  if (!SkinActive()) return TacMainWnd::HandleMessage(m);
  switch (m.Msg) {
    case WM_NCCALCSIZE: return OnNcCalcSize(m);
    case WM_NCHITTEST: return OnNcHitTest(m);
    case WM_NCPAINT: return OnNcPaint(m);
    case WM_NCMOUSEMOVE: return OnNcMouseMove(m);
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: return OnNcLeftPress(m);
    case WM_NCRBUTTONDOWN: case WM_NCRBUTTONUP: case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN: case WM_NCMBUTTONUP: case WM_NCMBUTTONDBLCLK:
      if (m.WParam == HTHSCROLL || m.WParam == HTVSCROLL) return 0;
      return PassOn(m);
    case WM_SYSCOMMAND:
      if ((m.WParam & 0xFFF0) == SC_VSCROLL || (m.WParam & 0xFFF0) == SC_HSCROLL) return 0;
      return PassOn(m);
    case WM_MOUSEMOVE:
      if (Tracking()) return OnMouseMove(m);
      break;
    case WM_LBUTTONUP:
      if (Tracking()) return OnLeftRelease(m);
      break;
    case WM_TIMER:
      if (m.WParam == kScrollHoverTimer || m.WParam == kScrollFirstRepeatTimer || m.WParam == kScrollRepeatTimer)
        return OnTimer(m);
      break;
    case WM_STYLECHANGED:
      if (applyingColors_) return 0;
      if (m.WParam == WPARAM(GWL_EXSTYLE))
        leftScrollBar_ = (GetWindowLongPtrW(Window(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
      break;
    case WM_STYLECHANGING:
      if (applyingColors_) return 0;
      break;
    default: break;
  }
  const LRESULT result = TacMainWnd::HandleMessage(m);
  if (!Detached() && ChangesScrolling(m.Msg) && !sendingScroll_ && IsWindow(Window())) UpdateBars();
  return result;
}

std::optional<LRESULT> TacScrollWnd::OnSkinCommand(uint16_t command, TMessage& m) {
  switch (command) {
    case AC_SETUPDATING:
      SkinData().PaintSuspended = LOWORD(m.LParam) != 0;
      return 0;
    case AC_COMMONHANDLING:
      SkinData().OnSkinCommand(command, m.LParam);
      return 1;
    case AC_MOUSEENTER:
      SkinData().OnPointerEntered();
      return 0;
    case AC_MOUSELEAVE:
      SkinData().OnPointerLeft(false);
      return 0;
    default: return TacMainWnd::OnSkinCommand(command, m);
  }
}

LRESULT TacScrollWnd::OnNcCalcSize(TMessage& m) {
  RECT* proposed = reinterpret_cast<RECT*>(m.LParam);
  const RECT window = *proposed;  // the window rectangle, in the parent's coordinates
  const LONG_PTR style = GetWindowLongPtrW(Window(), GWL_STYLE);
  const LONG_PTR bars = style & (WS_HSCROLL | WS_VSCROLL);
  // The window works its client out without its bars; ours take their room below.
  if (bars) {
    applyingColors_ = true;
    SetWindowLongPtrW(Window(), GWL_STYLE, style & ~bars);
  }
  const LRESULT result = PassOn(m);
  if (bars) {
    SetWindowLongPtrW(Window(), GWL_STYLE, style);
    applyingColors_ = false;
  }
  ScrollFrameInput in;
  in.Window = {window.right - window.left, window.bottom - window.top};
  in.Client = {proposed->left - window.left, proposed->top - window.top, proposed->right - window.left,
               proposed->bottom - window.top};
  in.FrameOffset = FrameOffset();
  in.HasHorz = (bars & WS_HSCROLL) != 0;
  in.HasVert = (bars & WS_VSCROLL) != 0;
  in.LeftScrollBar = leftScrollBar_;
  in.Thickness = Thickness();
  frame_ = LayoutScrollFrame(in);
  bars_[0].Visible = frame_.HorzVisible;
  bars_[1].Visible = frame_.VertVisible;
  *proposed = {window.left + frame_.Client.Left, window.top + frame_.Client.Top, window.left + frame_.Client.Right,
               window.top + frame_.Client.Bottom};
  frameComputed_ = true;
  return result;
}

LRESULT TacScrollWnd::OnNcHitTest(TMessage& m) {
  if (TsSkinManager* manager = Manager(); manager && (!Control() || IsWindowEnabled(Window())))
    manager->SetHotWindow(reinterpret_cast<uintptr_t>(Window()));
  const TRect w = WindowRectInScreen();
  ScrollHitInput in;
  const TPoint screen = PointOf(m);
  in.Point = TPoint{screen.X - w.Left, screen.Y - w.Top};
  in.HorzEnabled = BarEnabled(bars_[0]);
  in.VertEnabled = BarEnabled(bars_[1]);
  in.LeftScrollBar = leftScrollBar_;
  if (std::optional<int32_t> hit = HitTestScrollFrame(frame_, in)) return m.Result = *hit;
  return PassOn(m);
}

LRESULT TacScrollWnd::OnNcPaint(TMessage& m) {
  if (!frameComputed_)
    SetWindowPos(Window(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  const bool visible = IsWindowVisible(Window()) && !(SkinData().StateFlags & kStateUpdating);
  LRESULT result = 0;
  if (!OwnNonClientPaint()) result = PassOn(m);
  if (visible) {
    if (HDC dc = GetWindowDC(Window())) {
      PaintFrameRing(dc);
      for (TacScrollBar& bar : bars_) ReadBar(bar);
      DrawBar(dc, SB_HORZ);
      DrawBar(dc, SB_VERT);
      DrawCorner(dc);
      ReleaseDC(Window(), dc);
    }
  }
  return result;
}

void TacScrollWnd::UpdateBars() {
  ReadBar(bars_[0]);
  ReadBar(bars_[1]);
  if (!SkinApplying()) DrawBars();
}

void TacScrollWnd::DrawBars() {
  if (!SkinActive() || !IsWindowVisible(Window())) return;
  if (HDC dc = GetWindowDC(Window())) {
    DrawBar(dc, SB_HORZ);
    DrawBar(dc, SB_VERT);
    DrawCorner(dc);
    ReleaseDC(Window(), dc);
  }
}

void TacScrollWnd::DrawBar(HDC dc, int32_t kind) {
  TacScrollBar& bar = bars_[kind == SB_VERT ? 1 : 0];
  const TsSkinManager* manager = Manager();
  if (!bar.Visible || !manager) return;
  const TacSkinElements& e = manager->Elements();
  const bool vertical = kind == SB_VERT;
  const int32_t track1 = e.ScrollBars[vertical ? 1 : 0].SkinIndex, track2 = e.ScrollBars[vertical ? 3 : 2].SkinIndex;
  if (e.ScrollBars[0].SkinIndex < 0) return;
  const TRect rect = BarRect(kind);
  const int32_t length = vertical ? rect.Height() : rect.Width();
  const int32_t thickness = vertical ? rect.Width() : rect.Height();
  if (length <= 1 || thickness <= 0) return;
  ReadBar(bar);

  const SkinPaintView view = SkinData().PaintView();
  const bool enabled = BarEnabled(bar);
  const bool mine = tracking.Window == this && tracking.PressedKind == kind;
  const int32_t pressed = mine ? tracking.PressedPart : kPartNone;
  const int32_t hot = tracking.HotWindow == this && tracking.HotKind == kind ? tracking.HotPart : kPartNone;
  const ThumbLayout thumb = ThumbOf(kind);
  const bool dragged = mine && tracking.Thumb;
  const int32_t thumbStart = dragged ? tracking.ThumbStart : thumb.Start;
  const BarPieces pieces = LayoutBarPieces(thumb, thumbStart);

  PixelBuffer picture(rect.Width(), rect.Height());
  BackgroundInfo bg;
  const PixelBuffer* cache = SkinData().CachePicture.get();
  const TSize size = WindowSize();
  if (cache && !SkinData().CacheStale && cache->Width() == size.cx && cache->Height() == size.cy) {
    bg.Bitmap = cache;
    bg.BitmapReady = true;
  } else {
    bg.PlainColor = SkinData().ControlColor(0);
  }
  const TPoint origin{rect.Left, rect.Top};
  auto paint = [&](int32_t section, int32_t state, const TRect& r) {
    PaintSectionBackground(view, section, bg, state, clFuchsia, -1, -1, picture, {origin.X + r.Left, origin.Y + r.Top}, r);
  };
  auto glyph = [&](int32_t maskIndex, int32_t state, const TRect& r) -> bool {
    const TsMaskData* mask = view.Mask(maskIndex);
    if (!mask || mask->Width() <= 0) return false;
    const TPoint at{r.Left + (r.Width() - mask->Width()) / 2, r.Top + (r.Height() - mask->Height()) / 2};
    BackgroundInfo under;
    under.Bitmap = &picture;
    under.BitmapReady = true;
    PaintGlyphFrame(view, picture, at, state, under, *mask, kGlyphNormalLook);
    return true;
  };

  paint(track1, pressed == kPartPageUp ? 2 : 0, Piece(kind, 0, pieces.TrackSplit, thickness));
  paint(track2, pressed == kPartPageDown ? 2 : 0, Piece(kind, pieces.TrackSplit, length, thickness));
  const TacConstElementData* arrows[2] = {&e.ScrollButtons[size_t(vertical ? TacSide::Top : TacSide::Left)],
                                          &e.ScrollButtons[size_t(vertical ? TacSide::Bottom : TacSide::Right)]};
  const TRect arrowRects[2] = {Piece(kind, 0, pieces.Arrow1End, thickness),
                               Piece(kind, pieces.Arrow2Start, length, thickness)};
  for (int i = 0; i < 2; ++i) {
    const int32_t part = i == 0 ? kPartLineUp : kPartLineDown;
    const int32_t state = pressed == part ? 2 : (hot == part && enabled ? 1 : 0);
    paint(arrows[i]->SkinIndex, state, arrowRects[i]);
    if (!glyph(arrows[i]->GlyphIndex, state, arrowRects[i])) {
      const TsGeneralData* s = view.Section(arrows[i]->SkinIndex);
      const TColor colour = s ? s->Props[size_t(std::min(state, 2))].TextColor : clBlack;
      TRect r = arrowRects[i];
      if (!vertical) { r.Top -= 1; r.Bottom -= 1; }
      if (state == 2 && manager->ButtonsOptions.ShiftContentOnClick) { r.Left += 1; r.Top += 1; r.Right += 1; r.Bottom += 1; }
      DrawArrow(picture, colour, r, vertical ? (i == 0 ? 1 : 3) : (i == 0 ? 0 : 2));
    }
  }
  if (enabled && pieces.ShowThumb) {
    const TacConstElementData& slider = e.ScrollSliders[vertical ? 1 : 0];
    const int32_t state = (mine && tracking.Thumb) ? 2 : (hot == kPartThumb ? 1 : 0);
    const TRect r = Piece(kind, thumbStart, thumbStart + thumb.Length, thickness);
    paint(slider.SkinIndex, state, r);
    glyph(slider.GlyphIndex, state, r);
  }
  if (!enabled) ApplyDisabledLook(picture, dkBlended, origin, bg, SkinData().ControlColor(0));
  BitBlt(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), BufferDc(picture), 0, 0, SRCCOPY);
}

void TacScrollWnd::DrawCorner(HDC dc) {
  if (frame_.Corner.IsEmpty()) return;
  const TsSkinManager* manager = Manager();
  const TsGeneralData* s = SkinData().PaintView().Section(manager->Elements().ScrollBars[0].SkinIndex);
  const TColor global = manager->Skin() ? GlobalColor(manager->Skin()->Colors) : TColor(clBtnFace);
  TColor colour = s && s->Props[0].Transparency < 100 ? s->Props[0].Color : global;
  if (!BarEnabled(bars_[0]) || !BarEnabled(bars_[1])) colour = s ? LerpColor(colour, s->Props[0].TextColor, 0.4) : colour;
  const TRect& c = frame_.Corner;
  RECT r{c.Left, c.Top, c.Right, c.Bottom};
  HBRUSH brush = CreateSolidBrush(ResolveColor(colour));
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

LRESULT TacScrollWnd::OnNcMouseMove(TMessage& m) {
  const TPoint at = CursorInWindow();
  int32_t kind = -1;
  if (frame_.HorzVisible && Contains(frame_.HorzBar, at)) kind = SB_HORZ;
  else if (frame_.VertVisible && Contains(frame_.VertBar, at)) kind = SB_VERT;
  if (kind >= 0 && (tracking.HotWindow != this || tracking.HotKind != kind)) {
    if (tracking.HotWindow && tracking.HotWindow != this) {
      TacScrollWnd* previous = tracking.HotWindow;
      tracking.HotWindow = nullptr;
      KillTimer(previous->Window(), kScrollHoverTimer);
      previous->DrawBars();
    }
    tracking.HotWindow = this;
    tracking.HotKind = kind;
    tracking.HotPart = HitTestBar(ThumbOf(kind), Along(kind, at, BarRect(kind)));
    tracking.HotBar = BarRect(kind);
    SetTimer(Window(), kScrollHoverTimer, kScrollHoverPeriod, nullptr);
    DrawBars();
  }
  return PassOn(m);
}

LRESULT TacScrollWnd::OnNcLeftPress(TMessage& m) {
  if (m.WParam != HTHSCROLL && m.WParam != HTVSCROLL) return PassOn(m);
  if (PressBar(CursorInWindow())) return 0;
  return PassOn(m);
}

bool TacScrollWnd::PressBar(TPoint at) {
  int32_t kind = -1;
  if (frame_.HorzVisible && Contains(frame_.HorzBar, at)) kind = SB_HORZ;
  else if (frame_.VertVisible && Contains(frame_.VertBar, at)) kind = SB_VERT;
  if (kind < 0) return false;
  TacScrollBar& bar = bars_[kind == SB_VERT ? 1 : 0];
  ReadBar(bar);
  if (!BarEnabled(bar)) return false;
  const ThumbLayout thumb = ThumbOf(kind);
  const int32_t along = Along(kind, at, BarRect(kind));
  const int32_t part = HitTestBar(thumb, along);
  tracking.Window = this;
  tracking.ScrollMessage = kind == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
  tracking.PressedKind = kind;
  const bool arrowAllowed = (part == kPartLineUp && !(bar.Flags & kBarUpArrowDisabled)) ||
                            (part == kPartLineDown && !(bar.Flags & kBarDownArrowDisabled));
  if (arrowAllowed || part == kPartPageUp || part == kPartPageDown) {
    tracking.TrackedPart = tracking.PressedPart = part;
    DrawBars();
    SendScroll(part, 0);
    SetTimer(Window(), kScrollFirstRepeatTimer, kScrollFirstDelay, nullptr);
  } else if (part == kPartThumb) {
    tracking.TrackedPart = tracking.PressedPart = kPartThumb;
    tracking.Thumb = true;
    tracking.ThumbStart = thumb.Start;
    tracking.GrabOffset = along - thumb.Start;
    tracking.LastPosition = bar.Range.Pos;
    bar.Range.TrackPos = bar.Range.Pos;
    DrawBars();
  } else {
    tracking = {};
    return false;
  }
  if (GetCapture() != Window()) SetCapture(Window());
  return true;
}

void TacScrollWnd::SendScroll(int32_t command, int32_t position) {
  if (!IsWindow(Window())) return;
  sendingScroll_ = true;
  const HWND window = Window();
  const LRESULT before = SendMessageW(window, kSkinMessage, SkinCommandParam(AC_BEFORESCROLL), 0);
  if (before != 1 && command == kCommandThumbTrack) {
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_POS;
    si.nPos = position;
    SetScrollInfo(window, tracking.PressedKind, &si, FALSE);
  }
  SendMessageW(window, tracking.ScrollMessage, ScrollMessageParam(command, position), 0);
  // The command may have destroyed the window and its handler.
  if (!IsWindow(window) || FindHandler(window) != this) return;
  SendMessageW(window, kSkinMessage, SkinCommandParam(AC_AFTERSCROLL), 0);
  sendingScroll_ = false;
}

LRESULT TacScrollWnd::OnTimer(TMessage& m) {
  switch (m.WParam) {
    case kScrollFirstRepeatTimer:
      KillTimer(Window(), kScrollFirstRepeatTimer);
      SetTimer(Window(), kScrollRepeatTimer, kScrollRepeatPeriod, nullptr);
      return 0;
    case kScrollRepeatTimer:
      if (!Tracking()) {
        KillTimer(Window(), kScrollRepeatTimer);
        return 0;
      }
      TrackPointer(CursorInWindow());
      if (tracking.PressedPart != kPartNone && tracking.PressedPart != kPartThumb) {
        SendScroll(tracking.PressedPart, 0);
        UpdateBars();
      }
      return 0;
    case kScrollHoverTimer: {
      if (tracking.Thumb) return 0;
      const TPoint at = CursorInWindow();
      if (tracking.HotWindow == this && Contains(tracking.HotBar, at)) {
        const int32_t part = HitTestBar(ThumbOf(tracking.HotKind), Along(tracking.HotKind, at, tracking.HotBar));
        if (part != tracking.HotPart) {
          tracking.HotPart = part;
          DrawBars();
        }
      } else {
        KillTimer(Window(), kScrollHoverTimer);
        if (tracking.HotWindow == this) {
          tracking.HotWindow = nullptr;
          tracking.HotKind = -1;
          tracking.HotPart = kPartNone;
        }
        DrawBars();
      }
      return 0;
    }
    default: return PassOn(m);
  }
}

void TacScrollWnd::TrackPointer(TPoint at) {
  const int32_t kind = tracking.PressedKind;
  const TRect rect = BarRect(kind);
  TacScrollBar& bar = bars_[kind == SB_VERT ? 1 : 0];
  const ThumbLayout thumb = ThumbOf(kind);
  if (tracking.Thumb) {
    tracking.ThumbStart = DraggedThumbStart(thumb, Along(kind, at, rect), tracking.GrabOffset);
    DrawBars();
    const int32_t position = PositionOfThumb(thumb, tracking.ThumbStart, bar.Range);
    if (position != tracking.LastPosition) {
      tracking.LastPosition = position;
      bar.Range.TrackPos = position;
      SendScroll(kCommandThumbTrack, position);
    }
    return;
  }
  const int32_t under = Contains(rect, at) ? HitTestBar(thumb, Along(kind, at, rect)) : kPartNone;
  const int32_t pressed = under == tracking.TrackedPart ? under : kPartNone;
  if (pressed != tracking.PressedPart) {
    tracking.PressedPart = pressed;
    DrawBars();
  }
}

LRESULT TacScrollWnd::OnMouseMove(TMessage& /*m*/) {
  TrackPointer(CursorInWindow());
  return 0;
}

LRESULT TacScrollWnd::OnLeftRelease(TMessage& m) {
  EndTracking();
  if (KeepsCapture()) return 0;
  return PassOn(m);
}

void TacScrollWnd::EndTracking() {
  const HWND window = Window();
  if (!KeepsCapture() && GetCapture() == window) ReleaseCapture();
  KillTimer(window, kScrollFirstRepeatTimer);
  KillTimer(window, kScrollRepeatTimer);
  const bool thumb = tracking.Thumb;
  const int32_t last = tracking.LastPosition;
  if (thumb) SendScroll(kCommandThumbPosition, last);
  if (!IsWindow(window) || FindHandler(window) != this) {
    tracking = {};
    return;
  }
  SendScroll(kCommandEndScroll, thumb ? last : 0);
  tracking.TrackedPart = tracking.PressedPart = kPartNone;
  tracking.Thumb = false;
  tracking.Window = nullptr;
  tracking.PressedKind = -1;
  if (IsWindow(window) && FindHandler(window) == this) UpdateBars();
}

TacScrollWnd::~TacScrollWnd() {
  Detach();
  if (tracking.Window == this || tracking.HotWindow == this) tracking = {};
}

// ---- TacBaseWnd

LRESULT TacBaseWnd::HandleMessage(TMessage& m) {
  if (!SkinActive()) return TacScrollWnd::HandleMessage(m);
  switch (m.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED: {
      const LRESULT result = TacScrollWnd::HandleMessage(m);
      SkinData().CacheStale = true;
      return result;
    }
    case WM_ENABLE:
    case WM_SETREDRAW: {
      SkinData().CacheStale = true;
      const LRESULT result = TacScrollWnd::HandleMessage(m);
      if (m.Msg == WM_ENABLE || m.WParam) RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      return result;
    }
    default: return TacScrollWnd::HandleMessage(m);
  }
}

// ---- TacEditWnd

TacEditWnd::~TacEditWnd() { Detach(); }

int32_t TacEditWnd::ColorState() const {
  const TsGeneralData* s = SkinData().Section();
  return SkinData().IsActive() && s && s->States > 1 ? 1 : 0;
}

void TacEditWnd::SaveOwnLook() {
  ownColor_ = SkinData().Host()->Color();
  ownFontColor_ = SkinData().Host()->FontColor();
  fillColor_ = ownColor_;
}

void TacEditWnd::RestoreOwnLook() {
  TacBindingHost* host = SkinData().Host();
  if (!host || host->Destroying()) return;
  if (!SkinData().CustomColor() && host->Color() != ownColor_) host->SetColor(ownColor_);
  if (!SkinData().CustomFont() && host->FontColor() != ownFontColor_) host->SetFontColor(ownFontColor_);
}

void TacEditWnd::OnDetach() {
  if (IsWindow(Window()) && IsWindowVisible(Window()))
    SetWindowPos(Window(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TacEditWnd::ApplySkinLook() {
  TsCommonData& b = SkinData();
  TacBindingHost* host = b.Host();
  const int32_t state = ColorState();
  if (!b.CustomColor()) {
    const TColor colour = b.ControlColor(state);
    if (host->Color() != colour) host->SetColor(colour);
    fillColor_ = colour;
  } else {
    fillColor_ = host->Color();
  }
  if (!b.CustomFont()) {
    if (const TsGenState* record = b.StateRecord(state); record && host->FontColor() != record->TextColor) {
      // Our own colour change: no repaint from the binding.
      b.StateFlags |= kStateSettingColors;
      applyingColors_ = true;
      host->SetFontColor(record->TextColor);
      applyingColors_ = false;
      b.StateFlags &= uint16_t(~kStateSettingColors);
    }
  }
}

std::optional<LRESULT> TacEditWnd::OnSkinCommand(uint16_t command, TMessage& m) {
  switch (command) {
    case AC_GETBG: {
      TsCommonData& b = SkinData();
      auto* request = reinterpret_cast<BackgroundRequest*>(m.LParam);
      if (!request) return 0;
      if (b.CustomColor()) {
        request->AnswerKind = kAnswerColor;
        request->Color = ResolveColor(b.Host()->Color());
        request->Bitmap = nullptr;
        return 0;
      }
      if (b.CacheStale || !b.CachePicture) BuildCache();
      b.AnswerBackground(*request, b.ChildAnswerState());
      request->OffsetX += frame_.BorderL;
      request->OffsetY += frame_.BorderT;
      return 0;
    }
    case AC_BEFORESCROLL:
    case AC_AFTERSCROLL:
      if (leftScrollBar_) {
        SendMessageW(Window(), WM_SETREDRAW, command == AC_AFTERSCROLL, 0);
        if (command == AC_AFTERSCROLL) InvalidateRect(Window(), nullptr, TRUE);
      }
      return 0;
    case AC_REFRESH: {
      const std::optional<LRESULT> answer = TacBaseWnd::OnSkinCommand(command, m);
      ApplySkinLook();
      return answer;
    }
    default: return TacBaseWnd::OnSkinCommand(command, m);
  }
}

int32_t TacEditWnd::RingWidth() const {
  if (frame_.BorderL > 0) return frame_.BorderL;
  // Some systems take a flat edit's border into the client area and draw it there.
  const auto* edit = dynamic_cast<const TCustomEdit*>(Control());
  if (edit && edit->BorderStyle == TBorderStyle::bsSingle) return edit->Ctl3D ? 2 : 1;
  return 0;
}

void TacEditWnd::PaintFrameRing(HDC dc) {
  TsCommonData& b = SkinData();
  if (b.CacheStale || !b.CachePicture || b.CachePicture->Empty()) BuildCache();
  if (b.PaintSuspended || !b.CachePicture) return;
  const PixelBuffer& cache = *b.CachePicture;
  CopyFrameRing(dc, cache, RingWidth());
}

LRESULT TacEditWnd::OnFocusChange(TMessage& m, bool gained) {
  TsCommonData& b = SkinData();
  TacBindingHost* host = b.Host();
  if (!(host->CanFocus() || gained) || !host->TabStop()) return TacBaseWnd::HandleMessage(m);
  b.CacheStale = true;
  b.HasFocus = gained;
  const LRESULT result = TacBaseWnd::HandleMessage(m);
  if (Detached()) return result;
  ApplySkinLook();
  RepaintFrame();
  return result;
}

LRESULT TacEditWnd::OnPaint(TMessage& m) {
  if (SkinData().StateFlags & kStateUpdating) {
    ValidateRect(Window(), nullptr);
    return 0;
  }
  ApplySkinLook();
  const LRESULT result = TacBaseWnd::HandleMessage(m);
  if (Detached()) return result;
  DrawBars();
  if (frame_.BorderL == 0 && RingWidth() > 0) {
    if (HDC dc = GetWindowDC(Window())) {
      PaintFrameRing(dc);
      ReleaseDC(Window(), dc);
    }
  }
  return result;
}

LRESULT TacEditWnd::OnEraseBackground(TMessage& m) {
  if (SkinData().StateFlags & kStateUpdating) return 1;
  ApplySkinLook();
  if (Control()) return TacBaseWnd::HandleMessage(m);
  RECT r{};
  GetClientRect(Window(), &r);
  HBRUSH brush = CreateSolidBrush(ResolveColor(fillColor_));
  FillRect(reinterpret_cast<HDC>(m.WParam), &r, brush);
  DeleteObject(brush);
  return m.Result = 1;
}

LRESULT TacEditWnd::HandleMessage(TMessage& m) {
  if (!SkinActive()) return TacBaseWnd::HandleMessage(m);
  switch (m.Msg) {
    case WM_SETFOCUS: return OnFocusChange(m, true);
    case WM_KILLFOCUS: return OnFocusChange(m, false);
    case WM_PAINT: return OnPaint(m);
    case WM_ERASEBKGND: return OnEraseBackground(m);
    case WM_SETTEXT:
    case WM_ENABLE:
    case WM_SETFONT: {
      const LRESULT result = TacBaseWnd::HandleMessage(m);
      if (!Detached() && !applyingColors_ && !(SkinData().StateFlags & (kStateUpdating | kStateSettingColors))) {
        SkinData().CacheStale = true;
        RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
      }
      return result;
    }
    default: return TacBaseWnd::HandleMessage(m);
  }
}

// ---- TacComboListWnd

LRESULT TacComboListWnd::HandleMessage(TMessage& m) {
  if (!SkinActive()) return TacEditWnd::HandleMessage(m);
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // The open list holds the capture: a press on a bar comes as a client
      // press outside the client area and never reaches the list.
      if (Tracking()) return 0;
      if (PressBar(CursorInWindow())) return 0;
      return TacEditWnd::HandleMessage(m);
    }
    case WM_HSCROLL:
    case WM_VSCROLL: {
      const LRESULT result = PassOn(m);
      if (!Detached() && !sendingScroll_) UpdateBars();
      return result;
    }
    default: return TacEditWnd::HandleMessage(m);
  }
}
