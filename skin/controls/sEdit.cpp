#include "skin/controls/sEdit.h"

#include "skin/controls/BindingPaint.h"
#include "skin/controls/SkinTextOutput.h"
#include "skin/controls/SkinTextOutputWin.h"
#include "skin/controls/TacEditWnd.h"
#include "skin/controls/sCommonDataWin.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/core/PixelBufferDc.h"
#include "toolkit/Messages.h"

TsEdit::TsEdit(TComponent* owner) : TEdit(owner), SkinnedControl(SkinData) { SkinData.ControlKind = kKindEdit; }

void TsEdit::Loaded() {
  TEdit::Loaded();
  SkinData.FinishLoading();
}

void TsEdit::SetDisabledKind(TsDisabledKind kind) {
  if (kind == disabledKind_) return;
  disabledKind_ = kind;
  SkinData.CacheStale = true;
  Repaint();
}

bool TsEdit::Skinned() const { return SkinData.IsSkinned(true); }

int32_t TsEdit::BorderWidth() const {
  if (BorderStyle != TBorderStyle::bsSingle) return 0;
  return Ctl3D ? 2 : 1;
}

bool TsEdit::BuildCache() {
  const BackgroundInfo bg = SkinData.ParentBackground();
  if (TsCommonData::ParentNotReady(bg)) return false;
  SkinData.PrepareCache();
  PixelBuffer& cache = *SkinData.CachePicture;
  const int32_t state = SkinData.PaintState();
  const TPoint at{Left(), Top()};
  if (BorderStyle == TBorderStyle::bsSingle) PaintBindingSection(SkinData, cache, bg, at, cache.Bounds(), state, true);
  else PaintBindingBackground(SkinData, cache, bg, at, cache.Bounds(), state);

  const std::string text = Text();
  if (!text.empty()) {
    const int32_t a = BorderStyle == TBorderStyle::bsNone ? 0 : (Ctl3D ? 1 : 0) + 1;
    const int32_t b = BorderStyle == TBorderStyle::bsSingle ? 1 : 0;
    const TRect rect{a + b, a + b, Width() - a - b, Height() - a};
    TPictureTextCanvas canvas(cache, Font.Handle());
    canvas.SetTextColor(Font.Color);
    WriteControlText(canvas, text, Enabled(), state, SkinData, DT_SINGLELINE | DT_NOPREFIX, rect);
  }
  if (!Enabled()) ApplyDisabledLook(cache, disabledKind_, at, bg, bindingHost_.ParentColor());
  SkinData.CacheStale = false;
  return true;
}

bool TsEdit::CacheReady() {
  return CachedPictureReady(*this, SkinData, false, [this] { return BuildCache(); });
}

void TsEdit::PaintClient(HDC dc, bool windowDc) {
  if (!CacheReady()) return;
  const PixelBuffer& cache = *SkinData.CachePicture;
  // A client context starts inside the frame: the picture's frame lies before it.
  const int32_t shift = windowDc ? 0 : BorderWidth();
  BitBlt(dc, -shift, -shift, cache.Width(), cache.Height(), BufferDc(cache), 0, 0, SRCCOPY);
}

void TsEdit::PaintFrameRing(HDC dc) {
  if (BorderWidth() <= 0 || !CacheReady()) return;
  CopyFrameRing(dc, *SkinData.CachePicture, BorderWidth());
}

void TsEdit::Repaint() {
  if (!HandleAllocated()) return;
  RedrawWindow(WindowHandle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

LRESULT TsEdit::OnPaint(TMessage& m) {
  if (SkinApplying() || SkinData.PaintSuspended) {
    ValidateRect(WindowHandle(), nullptr);
    return 0;
  }
  // Focused, the system draws the text, the caret and the selection.
  if (Enabled() && GetFocus() == WindowHandle()) {
    if (HandleBindingMessage(SkinData, m)) return m.Result;
    const LRESULT result = TEdit::WndProc(m);
    // Some systems draw a flat edit's border inside the client area: the skin's frame goes over it.
    if (HDC dc = GetWindowDC(WindowHandle())) {
      PaintFrameRing(dc);
      ReleaseDC(WindowHandle(), dc);
    }
    return result;
  }
  if (HDC given = reinterpret_cast<HDC>(m.WParam)) {
    PaintClient(given, false);
    return 0;
  }
  PAINTSTRUCT ps;
  BeginPaint(WindowHandle(), &ps);
  if (HDC dc = GetWindowDC(WindowHandle())) {
    PaintClient(dc, true);
    ReleaseDC(WindowHandle(), dc);
  }
  EndPaint(WindowHandle(), &ps);
  return 0;
}

LRESULT TsEdit::OnNcPaint(TMessage& /*m*/) {
  if (SkinData.StateFlags & kStateUpdating) return 0;
  if (HDC dc = GetWindowDC(WindowHandle())) {
    PaintFrameRing(dc);
    ReleaseDC(WindowHandle(), dc);
  }
  return 0;
}

LRESULT TsEdit::OnPrint(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  SkinData.PaintSuspended = false;
  SkinData.CacheStale = true;
  if (!dc || !CacheReady()) return 0;
  const int32_t w = BorderWidth();
  if (m.Msg == WM_PRINT && (m.LParam & PRF_NONCLIENT)) {
    PaintFrameRing(dc);
    // The client part follows inside the frame.
    POINT old;
    OffsetViewportOrgEx(dc, w, w, &old);
    PaintClient(dc, false);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
  } else {
    PaintClient(dc, false);
  }
  return 0;
}

LRESULT TsEdit::OnSkinMessage(TMessage& m) {
  const uint16_t command = SkinCommandOf(m.WParam);
  if (const std::optional<LRESULT> answer = AnswerSharedCommand(command, m)) return m.Result = *answer;
  switch (command) {
    case AC_GETCONTROLCOLOR:
      if (!Skinned()) return m.Result = LRESULT(ResolveColor(Color()));
      break;
    case AC_REFRESH:
      HandleBindingMessage(SkinData, m);
      if (FromOwnManager(m) && HandleAllocated() && IsWindowVisible(WindowHandle()) && !SkinApplying()) Repaint();
      return m.Result;
    default: break;
  }
  if (HandleBindingMessage(SkinData, m)) return m.Result;
  return TEdit::WndProc(m);
}

LRESULT TsEdit::WndProc(TMessage& m) {
  if (m.Msg == kSkinMessage) return OnSkinMessage(m);
  SkinData.CatchUpWithSkin();
  if (!Skinned() || !HandleAllocated()) return TEdit::WndProc(m);
  switch (m.Msg) {
    case WM_PAINT: return OnPaint(m);
    case WM_NCPAINT: return OnNcPaint(m);
    case WM_PRINT:
    case WM_PRINTCLIENT: return OnPrint(m);
    case WM_ERASEBKGND:
      if (!SkinApplying() && !(SkinData.StateFlags & kStateUpdating) && Enabled()) return TEdit::WndProc(m);
      return m.Result = 1;
    case CM_COLORCHANGED:
      if (SkinData.CustomColor()) SkinData.CacheStale = true;
      break;
    default: break;
  }
  if (HandleBindingMessage(SkinData, m)) return m.Result;
  const LRESULT result = TEdit::WndProc(m);
  switch (m.Msg) {
    case CN_COMMAND:
      if (HIWORD(m.WParam) != EN_CHANGE) break;
      [[fallthrough]];
    case WM_SETTEXT:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
    case WM_ENABLE:
      if (!Loading() && !SkinApplying()) {
        SkinData.CacheStale = true;
        Repaint();
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // The frame shows the focus; the client switches between the picture and the system's drawing.
      SkinData.CacheStale = true;
      Repaint();
      break;
    case WM_SIZE: RedrawWindow(WindowHandle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE); break;
    default: break;
  }
  return result;
}
