#include "toolkit/Buttons.h"

#include <windowsx.h>

#include "skin/render/PixelBufferDc.h"
#include "toolkit/Cp1251.h"

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {}

void TSpeedButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!Enabled()) break;
      tracking_ = down_ = true;
      Invalidate();
      break;
    case WM_MOUSEMOVE:
      if (tracking_) {
        int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
        bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
        if (inside != down_) {
          down_ = inside;
          Invalidate();
        }
      }
      break;
    case WM_LBUTTONUP:
      if (tracking_) {
        bool clicked = down_;
        tracking_ = down_ = false;
        Invalidate();
        if (clicked) Click();
      }
      break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
    case CM_ENABLEDCHANGED:
      Invalidate();
      break;
  }
  TGraphicControl::WndProc(m);
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
