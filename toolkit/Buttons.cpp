#include "toolkit/Buttons.h"

#include <algorithm>

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
  if (index == 0 && !group_.Check) Take(SetSpeedButtonDown(status_, group_, false));
  TellGroup();
}

void TSpeedButton::SetCheck(bool check) {
  if (check == group_.Check) return;
  group_.Check = check;
  if (!check) Take(SetSpeedButtonDown(status_, group_, false));
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

template <class T>
void TSpeedButton::Store(T& setting, T value) {
  if (setting == value) return;
  setting = value;
  Invalidate();
}

void TSpeedButton::SetGlyph(PixelBuffer glyph) {
  Glyph = std::move(glyph);
  GlyphChanged();
}

void TSpeedButton::SetFlat(bool value) { Store(flat_, value); }
void TSpeedButton::SetLayout(TButtonLayout value) { Store(layout_, value); }
void TSpeedButton::SetMargin(int value) { Store(margin_, std::clamp(value, -1, kMaxButtonInset)); }
void TSpeedButton::SetSpacing(int value) { Store(spacing_, std::clamp(value, -kMaxButtonInset, kMaxButtonInset)); }
void TSpeedButton::SetNumGlyphs(int value) { Store(numGlyphs_, std::clamp(value, 1, kMaxNumGlyphs)); }

SpeedButtonLayoutInput TSpeedButton::LayoutInput() const {
  SpeedButtonLayoutInput in;
  in.Width = Width();
  in.Height = Height();
  in.Layout = layout_;
  in.Margin = margin_;
  in.Spacing = spacing_;
  if (!Glyph.Empty()) in.Glyph = {Glyph.Width() / numGlyphs_, Glyph.Height()};
  in.HasCaption = !Caption().empty();
  in.Pressed = ShownPressed(PaintedState());
  in.ShiftPressed = true;
  return in;
}

UINT TSpeedButton::CaptionFormat() const { return DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX; }

SpeedButtonLayout TSpeedButton::ContentLayout() const {
  SpeedButtonLayoutInput in = LayoutInput();
  if (const int32_t limit = CaptionWidthLimit(in); limit > 0) {
    const std::wstring caption = Cp1251::ToWide(Caption());
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font.Handle());
    RECT r{0, 0, limit, 0};
    DrawTextW(dc, caption.c_str(), int(caption.size()), &r, CaptionFormat() | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    in.Text = {std::min<int32_t>(r.right - r.left, limit), r.bottom - r.top};
  }
  return LayoutSpeedButton(in);
}

void TSpeedButton::PaintFace(HDC dc, TButtonState state) {
  RECT r{0, 0, Width(), Height()};
  const bool pressed = ShownPressed(state);
  if (!flat_ || pressed || MouseInControl()) {
    DrawFrameControl(dc, &r, DFC_BUTTON,
                     DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0) | (state == TButtonState::bsExclusive ? DFCS_CHECKED : 0));
  } else if (!Transparent) {
    FillSolid(dc, r, Color());
  }
}

void TSpeedButton::Paint(HDC dc) {
  const TButtonState state = PaintedState();
  PaintFace(dc, state);
  const SpeedButtonLayout layout = ContentLayout();
  const std::wstring caption = Cp1251::ToWide(Caption());
  if (!caption.empty()) {
    HGDIOBJ oldFont = SelectObject(dc, Font.Handle());
    SetBkMode(dc, TRANSPARENT);
    const UINT format = CaptionFormat() | DT_NOCLIP;
    RECT t{layout.Caption.Left, layout.Caption.Top, layout.Caption.Right, layout.Caption.Bottom};
    if (Enabled()) {
      SetTextColor(dc, ColorRef(Font.Color));
    } else {  // embossed: a highlight one pixel down and right, the shadow in place
      RECT lit{t.left + 1, t.top + 1, t.right + 1, t.bottom + 1};
      SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
      DrawTextW(dc, caption.c_str(), int(caption.size()), &lit, format);
      SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    }
    DrawTextW(dc, caption.c_str(), int(caption.size()), &t, format);
    SelectObject(dc, oldFont);
  }
  PaintGlyph(dc, layout.Glyph, state);
}

// The image of the strip for the base state (up, disabled, down, exclusive),
// the first one when the strip has fewer; a disabled button without its own
// image shows the first one half transparent.
void TSpeedButton::PaintGlyph(HDC dc, const TRect& rect, TButtonState state) {
  const int32_t width = Glyph.Empty() ? 0 : Glyph.Width() / numGlyphs_, height = Glyph.Height();
  if (width <= 0 || rect.IsEmpty()) return;
  int32_t index = int32_t(state);
  if (index >= numGlyphs_) index = 0;
  // AlphaBlend wants premultiplied pixels; the glyph keeps straight alpha.
  PixelBuffer premultiplied(width, height);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      const uint32_t p = Glyph.At(index * width + x, y), a = p >> 24;
      const uint32_t b = (p & 0xFF) * a / 255, g = ((p >> 8) & 0xFF) * a / 255, r = ((p >> 16) & 0xFF) * a / 255;
      premultiplied.At(x, y) = (a << 24) | (r << 16) | (g << 8) | b;
    }
  const bool faded = state == TButtonState::bsDisabled && index != 1;
  BLENDFUNCTION blend{AC_SRC_OVER, 0, BYTE(faded ? 128 : 255), AC_SRC_ALPHA};
  GdiAlphaBlend(dc, rect.Left, rect.Top, width, height, BufferDc(premultiplied), 0, 0, width, height, blend);
}
