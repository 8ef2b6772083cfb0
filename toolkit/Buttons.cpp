#include "toolkit/Buttons.h"

#include "skin/render/core/PixelBufferDc.h"
#include "toolkit/Cp1251.h"
#include "toolkit/MessageCrackers.h"

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {}

LRESULT TSpeedButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  return OnLeftDown(m);
    case WM_MOUSEMOVE:      return OnMouseMove(m, PointOf(m));
    case WM_LBUTTONUP:      return OnLeftUp(m);
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
    case CM_ENABLEDCHANGED: return OnLookChanged(m);
    default:                return TGraphicControl::WndProc(m);
  }
}

LRESULT TSpeedButton::OnLeftDown(TMessage& m) {
  if (Enabled()) {
    tracking_ = down_ = true;
    Invalidate();
  }
  return TGraphicControl::WndProc(m);
}

// While the button is held it shows pressed only with the pointer over it.
LRESULT TSpeedButton::OnMouseMove(TMessage& m, TPoint p) {
  bool inside = p.X >= 0 && p.Y >= 0 && p.X < Width() && p.Y < Height();
  if (tracking_ && inside != down_) {
    down_ = inside;
    Invalidate();
  }
  return TGraphicControl::WndProc(m);
}

// The click comes last: its handler may destroy the button.
LRESULT TSpeedButton::OnLeftUp(TMessage& m) {
  bool clicked = tracking_ && down_;
  if (tracking_) {
    tracking_ = down_ = false;
    Invalidate();
  }
  LRESULT result = TGraphicControl::WndProc(m);
  if (clicked) Click();
  return result;
}

LRESULT TSpeedButton::OnLookChanged(TMessage& m) {
  Invalidate();
  return TGraphicControl::WndProc(m);
}

void TSpeedButton::Paint(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  if (!Flat || down_ || MouseInControl()) {
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (down_ ? DFCS_PUSHED : 0));
  } else {
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  }
  int shift = down_ ? 1 : 0;
  std::wstring caption = Cp1251::ToWide(Caption());
  HGDIOBJ oldFont = SelectObject(dc, Font.Handle());
  SIZE textSize{0, 0};
  if (!caption.empty()) GetTextExtentPoint32W(dc, caption.c_str(), int(caption.size()), &textSize);
  int spacing = !Glyph.Empty() && !caption.empty() ? 4 : 0;
  int contentWidth = (Glyph.Empty() ? 0 : Glyph.Width()) + spacing + textSize.cx;
  int x = (Width() - contentWidth) / 2 + shift;
  if (!Glyph.Empty()) {
    // AlphaBlend wants premultiplied pixels; the glyph keeps straight alpha.
    PixelBuffer premultiplied(Glyph.Width(), Glyph.Height());
    for (int y = 0; y < Glyph.Height(); ++y)
      for (int gx = 0; gx < Glyph.Width(); ++gx) {
        uint32_t p = Glyph.At(gx, y), a = p >> 24;
        uint32_t b = (p & 0xFF) * a / 255, g = ((p >> 8) & 0xFF) * a / 255, rr = ((p >> 16) & 0xFF) * a / 255;
        premultiplied.At(gx, y) = (a << 24) | (rr << 16) | (g << 8) | b;
      }
    BLENDFUNCTION blend{AC_SRC_OVER, 0, BYTE(Enabled() ? 255 : 128), AC_SRC_ALPHA};
    GdiAlphaBlend(dc, x, (Height() - Glyph.Height()) / 2 + shift, Glyph.Width(), Glyph.Height(),
                  BufferDc(premultiplied), 0, 0, Glyph.Width(), Glyph.Height(), blend);
    x += Glyph.Width() + spacing;
  }
  if (!caption.empty()) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    RECT t{x, shift, Width() + shift, Height() + shift};
    DrawTextW(dc, caption.c_str(), int(caption.size()), &t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
  }
  SelectObject(dc, oldFont);
}
