#include "toolkit/Buttons.h"

#include "skin/render/core/PixelBufferDc.h"
#include "toolkit/Cp1251.h"
#include "toolkit/MessageCrackers.h"
#include "toolkit/WinControl.h"

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {}

LRESULT TSpeedButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  return OnLeftDown(m);
    case WM_MOUSEMOVE:      return OnMouseMove(m, PointOf(m));
    case WM_LBUTTONUP:      return OnLeftUp(m);
    case CM_MOUSELEAVE:     return OnMouseLeave(m);
    case CM_MOUSEENTER:
    case CM_ENABLEDCHANGED: return OnLookChanged(m);
    case CM_BUTTONPRESSED:  return OnGroupPressed(m, GroupIndexOf(m), PressedButtonOf(m));
    default:                return TGraphicControl::WndProc(m);
  }
}

bool TSpeedButton::Take(const SpeedButtonStep& step) {
  status_ = step.Status;
  if (step.Repaint) Invalidate();
  if (step.TellGroup) TellGroup();
  return step.Click;
}

// The other buttons of the group on the same parent; the list is copied, as
// their handlers repaint and may run code that changes it.
void TSpeedButton::TellGroup() {
  if (group_.GroupIndex == 0 || !Parent()) return;
  const std::vector<TControl*> siblings = Parent()->Controls();
  for (TControl* c : siblings)
    if (c != this) c->Perform(CM_BUTTONPRESSED, WPARAM(group_.GroupIndex), LPARAM(this));
}

void TSpeedButton::SetDown(bool down) { Take(SetSpeedButtonDown(status_, group_, down)); }

void TSpeedButton::SetGroupIndex(int index) {
  if (index == group_.GroupIndex) return;
  group_.GroupIndex = index;
  if (index == 0) Take(SetSpeedButtonDown(status_, {0, true}, false));
  TellGroup();
}

void TSpeedButton::SetAllowAllUp(bool allow) {
  if (allow == group_.AllowAllUp) return;
  group_.AllowAllUp = allow;
  TellGroup();
}

LRESULT TSpeedButton::OnGroupPressed(TMessage& m, int groupIndex, const TSpeedButton* sender) {
  if (sender && sender != this && groupIndex != 0 && groupIndex == group_.GroupIndex) {
    group_.AllowAllUp = sender->AllowAllUp();
    Take(GroupButtonPressed(status_, sender->Down()));
  }
  return TGraphicControl::WndProc(m);
}

LRESULT TSpeedButton::OnLeftDown(TMessage& m) {
  Take(PressSpeedButton(status_, Enabled()));
  return TGraphicControl::WndProc(m);
}

LRESULT TSpeedButton::OnMouseMove(TMessage& m, TPoint p) {
  const bool inside = p.X >= 0 && p.Y >= 0 && p.X < Width() && p.Y < Height();
  Take(MoveOverSpeedButton(status_, inside));
  return TGraphicControl::WndProc(m);
}

// The click comes last: its handler may destroy the button.
LRESULT TSpeedButton::OnLeftUp(TMessage& m) {
  const TPoint p = PointOf(m);
  const bool inside = p.X >= 0 && p.Y >= 0 && p.X < Width() && p.Y < Height();
  const bool clicked = Take(ReleaseSpeedButton(status_, group_, inside));
  LRESULT result = TGraphicControl::WndProc(m);
  if (clicked) Click();
  return result;
}

void TSpeedButton::PointerLeft() { Take(LeaveSpeedButton(status_)); }

LRESULT TSpeedButton::OnMouseLeave(TMessage& m) {
  PointerLeft();
  return OnLookChanged(m);
}

LRESULT TSpeedButton::OnLookChanged(TMessage& m) {
  Invalidate();
  return TGraphicControl::WndProc(m);
}

void TSpeedButton::Paint(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  const TButtonState state = PaintedSpeedButtonState(status_, Enabled());
  const bool pressed = ShownPressed(state);
  if (!Flat || pressed || MouseInControl()) {
    DrawFrameControl(dc, &r, DFC_BUTTON,
                     DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0) | (state == TButtonState::bsExclusive ? DFCS_CHECKED : 0));
  } else {
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  }
  int shift = pressed ? 1 : 0;
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
