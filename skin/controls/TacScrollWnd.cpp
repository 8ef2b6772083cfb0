#include "skin/controls/TacScrollWnd.h"

#include "skin/controls/ScrollBarPainter.h"
#include "skin/controls/sCommonDataWin.h"
#include "skin/data/SkinColors.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/core/PixelBufferDc.h"
#include "toolkit/Control.h"
#include "toolkit/MessageCrackers.h"
#include "toolkit/Messages.h"

namespace {

constexpr uint16_t AC_COMMONHANDLING = 19;  // answered 1 by scrolling handlers
constexpr UINT kFrameChanged = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

bool Contains(const TRect& r, TPoint p) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; }
int32_t Along(int32_t kind, TPoint p, const TRect& bar) { return kind == SB_VERT ? p.Y - bar.Top : p.X - bar.Left; }

ScrollBarSkin SkinOf(const TsCommonData& binding, const TsSkinManager& manager) {
  const TColor global = manager.Skin() ? GlobalColor(manager.Skin()->Colors) : TColor(clBtnFace);
  return ScrollBarSkinOf(binding.PaintView(), manager.Elements(), global, manager.ButtonsOptions.ShiftContentOnClick);
}

void CopyToWindow(HDC dc, const TRect& at, const PixelBuffer& picture) {
  BitBlt(dc, at.Left, at.Top, at.Width(), at.Height(), BufferDc(picture), 0, 0, SRCCOPY);
}

}  // namespace

TacScrollWnd::~TacScrollWnd() { Detach(); }

std::unique_ptr<TsCommonData> TacScrollWnd::CreateBinding(BindingHost& host) {
  return std::make_unique<TsScrollWndData>(&host, true);
}

void TacScrollWnd::Attach(bool update) {
  bars_[0].Kind = SB_HORZ;
  bars_[1].Kind = SB_VERT;
  leftScrollBar_ = (GetWindowLongPtrW(Window(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  ReadBar(bars_[0]);
  ReadBar(bars_[1]);
  TacMainWnd::Attach(update);
  if (update) SetWindowPos(Window(), nullptr, 0, 0, 0, 0, kFrameChanged);
}

void TacScrollWnd::OnDetaching() {
  tracker_.reset();
  hoverTimer_.reset();
  hot_ = {};
}

void TacScrollWnd::ReadBar(TacScrollBar& bar) {
  const LONG_PTR style = GetWindowLongPtrW(Window(), GWL_STYLE);
  const bool hasStyle = (style & (bar.Kind == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) != 0;
  bar.Flags = (bar.Flags & kBarDisableNoScroll) | (hasStyle ? kBarStyle : 0);
  SCROLLINFO si{};
  si.cbSize = sizeof(si);
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  if (GetScrollInfo(Window(), bar.Kind, &si)) bar.Range = {si.nMin, si.nMax, int32_t(si.nPage), si.nPos, si.nTrackPos};
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

int32_t TacScrollWnd::Thickness(int32_t kind) const {
  const auto* data = dynamic_cast<const TsScrollWndData*>(&SkinData());
  const TacScrollData* own = data ? (kind == SB_VERT ? &data->VertScrollData : &data->HorzScrollData) : nullptr;
  const TsSkinManager* manager = Manager();
  return ScrollBarThickness(own ? own->ScrollWidth : -1, manager ? manager->ScrollsOptions.ScrollSize : -1,
                            GetSystemMetrics(SM_CXVSCROLL));
}

int32_t TacScrollWnd::ArrowLength(int32_t kind) const {
  const auto* data = dynamic_cast<const TsScrollWndData*>(&SkinData());
  const TacScrollData* own = data ? (kind == SB_VERT ? &data->VertScrollData : &data->HorzScrollData) : nullptr;
  const TsSkinManager* manager = Manager();
  return ScrollArrowLength(own ? own->ButtonsSize : -1, manager ? manager->ScrollsOptions.ButtonsSize : -1,
                           Bar(kind).ArrowOverride, Thickness(kind));
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

int32_t TacScrollWnd::BarAt(TPoint at) const {
  if (frame_.HorzVisible && Contains(frame_.HorzBar, at)) return SB_HORZ;
  if (frame_.VertVisible && Contains(frame_.VertBar, at)) return SB_VERT;
  return -1;
}

int32_t TacScrollWnd::PartUnder(int32_t kind, TPoint at) const {
  const TRect rect = BarRect(kind);
  return Contains(rect, at) ? HitTestBar(ThumbOf(kind), Along(kind, at, rect)) : kPartNone;
}

bool TacScrollWnd::CornerIsGrip() const {
  if (frame_.Corner.IsEmpty()) return false;
  HWND parent = GetParent(Window());
  if (!parent) return false;
  const bool topLevel = (GetWindowLongPtrW(parent, GWL_STYLE) & WS_CHILD) == 0;
  const TRect w = WindowRectInScreen();
  POINT origin{w.Left, w.Top};
  ScreenToClient(parent, &origin);
  RECT client{};
  GetClientRect(parent, &client);
  const TRect& c = frame_.Corner;
  const TRect inParent{origin.x + c.Left, origin.y + c.Top, origin.x + c.Right, origin.y + c.Bottom};
  return CornerIsSizeGrip(inParent, {client.right, client.bottom}, topLevel, leftScrollBar_);
}

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
      if (tracker_) return OnMouseMove(m);
      break;
    case WM_LBUTTONUP:
      if (tracker_) return OnLeftRelease(m);
      break;
    case WM_TIMER:
      if (m.WParam == kScrollHoverTimer || ScrollTracker::TimerOf(m.WParam)) return OnTimer(m);
      break;
    case WM_CAPTURECHANGED:
      if (tracker_ && reinterpret_cast<HWND>(m.LParam) != Window()) return OnPressLost(m);
      break;
    case WM_CANCELMODE:
      if (tracker_) return OnPressLost(m);
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
  const std::weak_ptr<const void> alive = LifeToken();
  const LRESULT result = TacMainWnd::HandleMessage(m);
  if (alive.expired()) return result;
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
  const std::weak_ptr<const void> alive = LifeToken();
  const LRESULT result = PassOn(m);
  if (alive.expired()) return result;
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
  in.HorzThickness = Thickness(SB_HORZ);
  in.VertThickness = Thickness(SB_VERT);
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
  in.CornerIsGrip = CornerIsGrip();
  in.LeftScrollBar = leftScrollBar_;
  if (std::optional<int32_t> hit = HitTestScrollFrame(frame_, in)) return m.Result = *hit;
  return PassOn(m);
}

LRESULT TacScrollWnd::OnNcPaint(TMessage& m) {
  if (!frameComputed_) SetWindowPos(Window(), nullptr, 0, 0, 0, 0, kFrameChanged);
  LRESULT result = 0;
  if (!OwnNonClientPaint()) {
    const std::weak_ptr<const void> alive = LifeToken();
    result = PassOn(m);
    if (alive.expired()) return result;
  }
  if (!IsWindowVisible(Window()) || (SkinData().StateFlags & kStateUpdating)) return result;
  if (HDC dc = GetWindowDC(Window())) {
    PaintFrameRing(dc);
    for (TacScrollBar& bar : bars_) ReadBar(bar);
    PaintBars(dc);
    ReleaseDC(Window(), dc);
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
    PaintBars(dc);
    ReleaseDC(Window(), dc);
  }
}

void TacScrollWnd::PaintBars(HDC dc) {
  const TsSkinManager* manager = Manager();
  if (!manager) return;
  const ScrollBarSkin skin = SkinOf(SkinData(), *manager);
  if (!skin.DrawsBars()) return;
  DrawBar(dc, skin, SB_HORZ);
  DrawBar(dc, skin, SB_VERT);
  DrawCorner(dc, skin);
}

BackgroundInfo TacScrollWnd::WindowBackground() const {
  BackgroundInfo bg;
  const PixelBuffer* cache = SkinData().CachePicture.get();
  const TSize size = WindowSize();
  if (cache && !SkinData().CacheStale && cache->Width() == size.cx && cache->Height() == size.cy) {
    bg.Bitmap = cache;
    bg.BitmapReady = true;
  } else {
    bg.PlainColor = SkinData().ControlColor(0);
  }
  return bg;
}

void TacScrollWnd::DrawBar(HDC dc, const ScrollBarSkin& skin, int32_t kind) {
  TacScrollBar& bar = BarOf(kind);
  if (!bar.Visible) return;
  const TRect rect = BarRect(kind);
  if (rect.IsEmpty()) return;
  ReadBar(bar);
  const ScrollTrackState* press = tracker_ && tracker_->State.Kind() == kind ? &tracker_->State : nullptr;
  ScrollBarLook look;
  look.Vertical = kind == SB_VERT;
  look.Thumb = ThumbOf(kind);
  look.ThumbDragged = press && press->DraggingThumb();
  look.ThumbStart = look.ThumbDragged ? press->ThumbStart() : look.Thumb.Start;
  look.Pressed = press ? press->PressedPart() : kPartNone;
  look.Hot = hot_.Kind == kind && !look.ThumbDragged ? hot_.Part : kPartNone;
  look.Enabled = BarEnabled(bar);
  PixelBuffer picture(rect.Width(), rect.Height());
  PaintScrollBar(skin, look, WindowBackground(), {rect.Left, rect.Top}, picture);
  CopyToWindow(dc, rect, picture);
}

void TacScrollWnd::DrawCorner(HDC dc, const ScrollBarSkin& skin) {
  const TRect& c = frame_.Corner;
  if (c.IsEmpty()) return;
  ScrollCornerLook look;
  look.State = SkinData().PaintState();
  look.EitherDisabled = !BarEnabled(bars_[0]) || !BarEnabled(bars_[1]);
  look.Grip = CornerIsGrip();
  PixelBuffer picture(c.Width(), c.Height());
  PaintScrollCorner(skin, look, WindowBackground(), {c.Left, c.Top}, picture);
  CopyToWindow(dc, c, picture);
}

// ---- Hover

LRESULT TacScrollWnd::OnNcMouseMove(TMessage& m) {
  const TPoint at = CursorInWindow();
  const int32_t kind = BarAt(at);
  if (kind >= 0 && hot_.Kind != kind) {
    hot_ = {kind, PartUnder(kind, at), BarRect(kind)};
    hoverTimer_.reset();
    hoverTimer_.emplace(Window(), kScrollHoverTimer, kScrollHoverMs);
    DrawBars();
  }
  return PassOn(m);
}

LRESULT TacScrollWnd::OnHoverTimer() {
  if (tracker_ && tracker_->State.DraggingThumb()) return 0;
  const TPoint at = CursorInWindow();
  if (hot_.Kind >= 0 && Contains(hot_.Bar, at)) {
    const int32_t part = HitTestBar(ThumbOf(hot_.Kind), Along(hot_.Kind, at, hot_.Bar));
    if (part != hot_.Part) {
      hot_.Part = part;
      DrawBars();
    }
    return 0;
  }
  hoverTimer_.reset();
  hot_ = {};
  DrawBars();
  return 0;
}

// ---- Tracking

LRESULT TacScrollWnd::OnNcLeftPress(TMessage& m) {
  if (m.WParam != HTHSCROLL && m.WParam != HTVSCROLL) return PassOn(m);
  if (PressBar(CursorInWindow())) return 0;
  return PassOn(m);
}

bool TacScrollWnd::PressBar(TPoint at) {
  const int32_t kind = BarAt(at);
  if (kind < 0) return false;
  TacScrollBar& bar = BarOf(kind);
  ReadBar(bar);
  if (!BarEnabled(bar)) return false;
  ScrollTrackState press;
  const ScrollTrackStep step = press.Press(kind, bar.Flags, ThumbOf(kind), Along(kind, at, BarRect(kind)), bar.Range);
  if (!press.Active()) return false;
  if (press.DraggingThumb()) bar.Range.TrackPos = bar.Range.Pos;
  tracker_.reset();  // a press still held gives its capture back before the new one takes it
  tracker_ = std::make_unique<ScrollTracker>(Window());
  tracker_->State = press;
  RunStep(kind, step);  // the press is taken even when its first step frees the handler
  return true;
}

bool TacScrollWnd::RunStep(int32_t kind, const ScrollTrackStep& step) {
  const std::weak_ptr<const void> alive = LifeToken();
  if (tracker_) tracker_->RunTimers(step);
  if (step.Ended) {
    tracker_.reset();  // gives the capture back, which the window hears of
    if (alive.expired()) return false;
  }
  if (step.Redraw) DrawBars();
  for (int32_t i = 0; i < step.CommandCount; ++i)
    if (!SendScroll(kind, step.Commands[size_t(i)])) return false;
  if (step.CommandCount > 0) UpdateBars();
  return true;
}

bool TacScrollWnd::SendScroll(int32_t kind, const ScrollCommand& c) {
  const HWND window = Window();
  if (!IsWindow(window)) return true;
  const std::weak_ptr<const void> alive = LifeToken();
  sendingScroll_ = true;
  const LRESULT before = SendMessageW(window, kSkinMessage, SkinCommandParam(AC_BEFORESCROLL), 0);
  if (alive.expired()) return false;
  if (c.Command == kCommandThumbTrack) {
    BarOf(kind).Range.TrackPos = c.Position;
    if (before != 1) {
      SCROLLINFO si{};
      si.cbSize = sizeof(si);
      si.fMask = SIF_POS;
      si.nPos = c.Position;
      SetScrollInfo(window, kind, &si, FALSE);
    }
  }
  SendMessageW(window, kind == SB_VERT ? WM_VSCROLL : WM_HSCROLL, ScrollMessageParam(c.Command, c.Position), 0);
  if (alive.expired()) return false;
  SendMessageW(window, kSkinMessage, SkinCommandParam(AC_AFTERSCROLL), 0);
  if (alive.expired()) return false;
  sendingScroll_ = false;
  return true;
}

LRESULT TacScrollWnd::OnTimer(TMessage& m) {
  if (m.WParam == kScrollHoverTimer) return OnHoverTimer();
  if (!tracker_) {
    KillTimer(Window(), m.WParam);  // a tick that was queued before the press ended
    return 0;
  }
  const int32_t kind = tracker_->State.Kind();
  RunStep(kind, tracker_->State.Tick(*ScrollTracker::TimerOf(m.WParam), PartUnder(kind, CursorInWindow())));
  return 0;
}

LRESULT TacScrollWnd::OnMouseMove(TMessage& /*m*/) {
  const int32_t kind = tracker_->State.Kind();
  const TPoint at = CursorInWindow();
  const TacScrollBar& bar = BarOf(kind);
  RunStep(kind, tracker_->State.Move(PartUnder(kind, at), Along(kind, at, BarRect(kind)), ThumbOf(kind), bar.Range));
  return 0;
}

// Another window took the mouse (Alt+Tab, a modal window) or the system
// cancels modes: no release will come, so the press ends here as one would end it.
LRESULT TacScrollWnd::OnPressLost(TMessage& m) {
  const int32_t kind = tracker_->State.Kind();
  if (!RunStep(kind, tracker_->State.Release())) return 0;
  return PassOn(m);
}

LRESULT TacScrollWnd::OnLeftRelease(TMessage& m) {
  const int32_t kind = tracker_->State.Kind();
  if (!RunStep(kind, tracker_->State.Release())) return 0;
  if (!PassesReleaseOn()) return 0;
  return PassOn(m);
}
