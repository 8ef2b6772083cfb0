#include "skin/controls/TacEditWnd.h"

#include "skin/controls/sCommonDataWin.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/core/PixelBufferDc.h"
#include "toolkit/StdCtrls.h"

namespace {

constexpr UINT kFrameChanged = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

}  // namespace

void CopyFrameRing(HDC dc, const PixelBuffer& picture, int32_t width) {
  const int32_t w = width, cx = picture.Width(), cy = picture.Height();
  if (w <= 0 || picture.Empty()) return;
  HDC from = BufferDc(picture);
  BitBlt(dc, 0, 0, cx, w, from, 0, 0, SRCCOPY);
  BitBlt(dc, 0, cy - w, cx, w, from, 0, cy - w, SRCCOPY);
  BitBlt(dc, 0, w, w, cy - 2 * w, from, 0, w, SRCCOPY);
  BitBlt(dc, cx - w, w, w, cy - 2 * w, from, cx - w, w, SRCCOPY);
}

// ---- TacBaseWnd

LRESULT TacBaseWnd::HandleMessage(TMessage& m) {
  if (!SkinActive()) return TacScrollWnd::HandleMessage(m);
  switch (m.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED: {
      const std::weak_ptr<const void> alive = LifeToken();
      const LRESULT result = TacScrollWnd::HandleMessage(m);
      if (!alive.expired()) SkinData().CacheStale = true;
      return result;
    }
    case WM_ENABLE:
    case WM_SETREDRAW: {
      SkinData().CacheStale = true;
      const std::weak_ptr<const void> alive = LifeToken();
      const LRESULT result = TacScrollWnd::HandleMessage(m);
      if (alive.expired()) return result;
      if (m.Msg == WM_ENABLE || m.WParam) RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      return result;
    }
    default: return TacScrollWnd::HandleMessage(m);
  }
}

// ---- TacEditWnd

TacEditWnd::~TacEditWnd() { Detach(); }

bool TacEditWnd::SwitchesThemeOff() const {
  // Our toolkit controls publish no theme choice of their own, so a control's
  // edit loses its theme; of the plain windows only a combo box's does.
  return TacBaseWnd::SwitchesThemeOff() && (BindingGiven() || RequestedSection() == "COMBOBOX");
}

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
  BindingHost* host = SkinData().Host();
  if (!host || host->Destroying()) return;
  if (!SkinData().CustomColor() && host->Color() != ownColor_) host->SetColor(ownColor_);
  if (!SkinData().CustomFont() && host->FontColor() != ownFontColor_) host->SetFontColor(ownFontColor_);
}

void TacEditWnd::OnDetach() {
  if (IsWindow(Window()) && IsWindowVisible(Window())) SetWindowPos(Window(), nullptr, 0, 0, 0, 0, kFrameChanged);
}

void TacEditWnd::ApplySkinLook() {
  TsCommonData& b = SkinData();
  BindingHost* host = b.Host();
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

std::optional<LRESULT> TacEditWnd::OnBackgroundQuery(TMessage& m) {
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

std::optional<LRESULT> TacEditWnd::OnSkinCommand(uint16_t command, TMessage& m) {
  switch (command) {
    case AC_GETBG: return OnBackgroundQuery(m);
    case AC_BEFORESCROLL:
    case AC_AFTERSCROLL:
      if (leftScrollBar_) {
        const HWND window = Window();
        SendMessageW(window, WM_SETREDRAW, command == AC_AFTERSCROLL, 0);
        if (command == AC_AFTERSCROLL) InvalidateRect(window, nullptr, TRUE);
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
  CopyFrameRing(dc, *b.CachePicture, RingWidth());
}

LRESULT TacEditWnd::OnFocusChange(TMessage& m, bool gained) {
  TsCommonData& b = SkinData();
  BindingHost* host = b.Host();
  if (!(host->CanFocus() || gained) || !host->TabStop()) return TacBaseWnd::HandleMessage(m);
  b.CacheStale = true;
  b.HasFocus = gained;
  const std::weak_ptr<const void> alive = LifeToken();
  const LRESULT result = TacBaseWnd::HandleMessage(m);
  if (alive.expired() || Detached()) return result;
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
  const std::weak_ptr<const void> alive = LifeToken();
  const LRESULT result = TacBaseWnd::HandleMessage(m);
  if (alive.expired() || Detached()) return result;
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

LRESULT TacEditWnd::OnLookChange(TMessage& m) {
  const std::weak_ptr<const void> alive = LifeToken();
  const LRESULT result = TacBaseWnd::HandleMessage(m);
  if (alive.expired() || Detached()) return result;
  if (!applyingColors_ && !(SkinData().StateFlags & (kStateUpdating | kStateSettingColors))) {
    SkinData().CacheStale = true;
    RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
  }
  return result;
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
    case WM_SETFONT: return OnLookChange(m);
    default: return TacBaseWnd::HandleMessage(m);
  }
}
