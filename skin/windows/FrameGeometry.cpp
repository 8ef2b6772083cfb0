#include "skin/windows/FrameGeometry.h"

#include <algorithm>

#include "skin/data/sSkinData.h"

namespace {

bool Contains(const TRect& r, TPoint p) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; }

// An icon size derived from the caption height.
int32_t DerivedIconSize(int32_t captionHeight) {
  if (captionHeight <= 8) return 1;
  if (captionHeight <= 16) return 8;
  return 16;
}

// The sizing code of bands that combine into corners.
int32_t SizingCode(bool left, bool top, bool right, bool bottom) {
  if (top && left) return kFrameHitTopLeft;
  if (top && right) return kFrameHitTopRight;
  if (bottom && left) return kFrameHitBottomLeft;
  if (bottom && right) return kFrameHitBottomRight;
  if (left) return kFrameHitLeft;
  if (right) return kFrameHitRight;
  if (top) return kFrameHitTop;
  if (bottom) return kFrameHitBottom;
  return 0;
}

int32_t CaptionCode(const TitleLayout& layout, TPoint p) {
  return !layout.Icon.IsEmpty() && Contains(layout.Icon, p) ? kFrameHitSysMenu : kFrameHitCaption;
}

TRect ClientRectInCache(const FrameMeasures& m, const FrameInputs& in) {
  return MakeRect(m.ClientOrigin.X, m.ClientOrigin.Y, in.Client.cx, in.Client.cy);
}

// The size grip in the client area's bottom-right corner of a sizeable window that is neither maximized nor iconic.
TRect GripIn(const FrameMeasures& m, const FrameInputs& in) {
  const int32_t w = std::clamp(in.GripSize.cx, 0, kMaxSkinCaptionHeight);
  const int32_t h = std::clamp(in.GripSize.cy, 0, kMaxSkinCaptionHeight);
  if (w == 0 || h == 0 || !in.Sizeable || in.Maximized || in.Iconic) return {};
  const int32_t right = m.ClientOrigin.X + std::max(0, in.Client.cx), bottom = m.ClientOrigin.Y + std::max(0, in.Client.cy);
  return {right - w, bottom - h, right, bottom};
}

// BORDERMODE 1: the border window's sizing edges, the margins moved outward by the align offsets.
TRect AlignedSizingRect(const FrameMeasures& m, const FrameSkinValues& skin) {
  return {m.L - skin.AlignOffset, m.T - skin.AlignOffsetT, m.Cache.cx + skin.AlignOffsetR - m.R,
          m.Cache.cy + skin.AlignOffsetB - m.B};
}

}  // namespace

FrameSkinValues FrameSkinValuesOf(const TsSkinData& d, int32_t marginL, int32_t marginT, int32_t marginR,
                                  int32_t marginB) {
  auto offset = [](int32_t v) { return std::clamp(v, -kMaxSkinOffset, kMaxSkinOffset); };
  auto margin = [](int32_t v) { return std::clamp(v, 0, kMaxSkinMargin); };
  FrameSkinValues s;
  s.BorderWidth = std::clamp(d.BorderWidth, 0, kMaxSkinFrameWidth);
  s.TitleHeight = std::clamp(d.TitleHeight, 0, kMaxSkinCaptionHeight);
  s.MaxHeight = std::clamp(d.MaxHeight, 0, kMaxSkinCaptionHeight);
  s.CenterOffset = offset(d.CenterOffset);
  s.BILeft = offset(d.BILeft);
  s.BIRight = offset(d.BIRight);
  s.BITop = offset(d.BITop);
  s.BISpace = offset(d.BISpace);
  s.BIVAlign = d.BIVAlign == 1;
  s.BorderMode = d.BorderMode;
  s.AlignOffset = offset(d.AlignOffset);
  s.AlignOffsetT = offset(d.AlignOffsetT);
  s.AlignOffsetR = offset(d.AlignOffsetR);
  s.AlignOffsetB = offset(d.AlignOffsetB);
  s.MarginL = margin(marginL);
  s.MarginT = margin(marginT);
  s.MarginR = margin(marginR);
  s.MarginB = margin(marginB);
  return s;
}

int32_t HitCodeOf(TitleButton button) {
  switch (button) {
    case TitleButton::Close: return kFrameHitClose;
    case TitleButton::Maximize: return kFrameHitMaxButton;
    case TitleButton::Minimize: return kFrameHitMinButton;
    case TitleButton::Help: return kFrameHitHelp;
  }
  return 0;
}

bool IsTitleButtonCode(int32_t code) {
  return code == kFrameHitClose || code == kFrameHitMaxButton || code == kFrameHitMinButton ||
         code == kFrameHitHelp || UserButtonIndexOf(code) >= 0;
}

int32_t UserButtonIndexOf(int32_t code) {
  const int32_t index = code - kFrameHitUserButton;
  return index >= 0 && index < kMaxUserTitleButtons ? index : -1;
}

FrameMeasures MeasureFrame(const FrameInputs& in, const FrameSkinValues& skin) {
  FrameMeasures m;
  const int32_t menuLines = std::clamp(in.MenuLines, 0, 16);
  m.MenuHeight = menuLines > 0 ? std::max(0, in.SystemMenuHeight - 1) * menuLines : 0;
  const int32_t bw = std::max(0, in.BorderWidth);
  if (in.Mode == FrameMode::InFrame) {
    m.FW = m.SystemFW = in.HasBorder ? std::max(0, in.SystemFrame) : 0;
    m.CH = m.SystemCH = in.HasCaption ? std::max(0, in.SystemCaption) : 0;
    const bool narrowIcon = in.Iconic && !in.IsMainForm;
    m.Cache = {narrowIcon ? 160 : in.Window.cx, narrowIcon ? m.CH + 2 + m.FW : in.Window.cy};
    m.ClientOrigin = in.ClientInWindow;
    m.Grip = GripIn(m, in);
    return m;
  }
  // The real frame: what the system gives the window around its client area.
  m.SystemFW = std::max(0, (in.Window.cx - in.Client.cx) / 2 - bw);
  if (m.SystemFW == 0) m.SystemFW = std::max(0, in.SystemFrame);
  m.SystemCH = std::max(0, in.ClientInWindow.Y - bw - m.SystemFW - m.MenuHeight);
  m.FW = skin.BorderWidth != 0 ? skin.BorderWidth : m.SystemFW;
  m.CH = in.HasCaption ? (in.Maximized ? skin.MaxHeight : skin.TitleHeight) : 0;
  m.L = skin.MarginL;
  m.T = skin.MarginT;
  m.R = skin.MarginR;
  m.B = skin.MarginB;
  m.Cache = {std::max(0, in.Client.cx) + 2 * (m.FW + bw) + m.L + m.R,
             std::max(0, in.Client.cy) + m.MenuHeight + m.CH + m.FW + 2 * bw + m.T + m.B};
  m.ClientOrigin = {m.FW + bw + m.L, m.CH + m.MenuHeight + bw + m.T + (menuLines > 0 ? 1 : 0)};
  m.Grip = GripIn(m, in);
  return m;
}

TitleLayout LayoutTitle(const FrameMeasures& m, const FrameInputs& in, const FrameSkinValues& skin,
                        const TitleButtonsInput& buttons, bool captionSection) {
  TitleLayout t;
  const bool extended = in.Mode == FrameMode::ExtendedBorder;
  const int32_t fw1 = m.FW;
  const int32_t captionTop = extended ? m.T : fw1 + m.T;
  t.CaptionBottom = captionTop + m.CH;
  // The caption rows on screen: a maximized border window hides the top 4.
  const int32_t bandTop = std::min(captionTop + (extended && in.Maximized ? 4 : 0), t.CaptionBottom);
  int32_t iconShift = 0;
  if (extended) {
    const bool tallMaximized = in.Maximized && skin.MaxHeight != skin.TitleHeight;
    t.CenterLine = t.CaptionBottom - (in.Maximized ? skin.MaxHeight : skin.TitleHeight) / 2 + skin.CenterOffset;
    // A maximized caption of its own height keeps its centre and moves the icon instead.
    if (tallMaximized)
      iconShift = (skin.TitleHeight - skin.MaxHeight) / 2 - 2;
    else if (in.Maximized)
      t.CenterLine += 2;
    t.AlignedTop = in.Maximized ? m.T + 4 : m.T + skin.BITop;
  } else {
    // The middle of the caption rows the system gives, below the top frame; a
    // maximized window shows exactly those rows, so its centre stays.
    t.CenterLine = captionTop + m.CH / 2;
    t.AlignedTop = in.Maximized ? 6 : 0;
  }

  const int32_t iconLeft = fw1 + skin.BILeft + m.L;
  if (buttons.ShowIcon && m.CH > 0) {
    const auto bounded = [](int32_t v) { return std::clamp(v, 0, kMaxSkinCaptionHeight); };
    const int32_t derived = DerivedIconSize(m.CH);
    const int32_t h = buttons.IconSize.cy > 0 ? bounded(buttons.IconSize.cy) : derived;
    const TSize glyph{bounded(buttons.IconGlyph.cx), bounded(buttons.IconGlyph.cy)};
    int32_t w = derived;
    if (buttons.IconSize.cx > 0) w = bounded(buttons.IconSize.cx);
    else if (glyph.cx > 0 && glyph.cy > 0) w = std::max(1, derived * glyph.cx / glyph.cy);
    t.Icon = MakeRect(iconLeft, t.CenterLine - h / 2 + iconShift, w, h);
  } else {
    t.Icon = {iconLeft, t.CenterLine, iconLeft, t.CenterLine};
  }

  const bool big = buttons.Glyphs == GlyphSet::Big;
  int32_t x = m.Cache.cx - skin.BIRight - m.R - std::max(4, fw1);
  if (!big) x -= std::max(0, 2 - (fw1 - m.SystemFW));
  const int32_t start = x;
  const size_t userCount = std::min(buttons.UserButtons.size(), size_t(kMaxUserTitleButtons));
  t.UserButtons.assign(userCount, TRect{});
  if (m.CH > 0) {
    auto sizeOf = [&](TitleButton b) {
      const TSize g = buttons.GlyphSize[size_t(b)];
      return TSize{g.cx > 0 ? g.cx : kMissingGlyphSize, g.cy > 0 ? g.cy : kMissingGlyphSize};
    };
    // Buttons keep inside the caption band: a glyph taller than the band loses
    // rows at both ends, so that its middle stays on the centre line.
    const int32_t glyphHeight = sizeOf(TitleButton::Close).cy;
    const int32_t height = std::min(glyphHeight, t.CaptionBottom - bandTop);
    t.GlyphCrop = (glyphHeight - height) / 2;
    const int32_t wanted = big && skin.BIVAlign ? t.AlignedTop : t.CenterLine - height / 2;
    const int32_t top = std::clamp(wanted, bandTop, t.CaptionBottom - height);
    auto place = [&](TRect& r, int32_t w) {
      r = {x - w, top, x, top + height};
      x -= w + (big ? skin.BISpace : 0);
    };
    if (buttons.SystemMenu) {
      place(t.Buttons[size_t(TitleButton::Close)], sizeOf(TitleButton::Close).cx);
      if (buttons.VisibleMax) place(t.Buttons[size_t(TitleButton::Maximize)], sizeOf(TitleButton::Maximize).cx);
      if (buttons.VisibleMin) place(t.Buttons[size_t(TitleButton::Minimize)], sizeOf(TitleButton::Minimize).cx);
      if (buttons.Help) {
        x -= 6;
        place(t.Buttons[size_t(TitleButton::Help)], sizeOf(TitleButton::Help).cx);
      }
    }
    bool gap = false;
    for (size_t i = 0; i < userCount; ++i) {
      const UserTitleButtonInput& u = buttons.UserButtons[i];
      if (!u.Visible) continue;
      if (!gap) x -= 6;
      gap = true;
      const int32_t glyph = std::clamp(u.GlyphWidth, 0, kMaxSkinCaptionHeight);
      place(t.UserButtons[i], std::max(glyph + 2, std::clamp(u.BackgroundWidth, 0, kMaxSkinCaptionHeight)));
    }
  }
  t.ButtonsWidth = skin.BIRight + (start - x);

  t.CaptionText.Left = fw1 + (t.Icon.IsEmpty() ? 0 : t.Icon.Width()) + skin.BILeft + m.L + (captionSection ? 2 : 0) + 4;
  t.CaptionText.Right = m.Cache.cx - t.ButtonsWidth - m.R - 12;
  int32_t textShift = extended ? skin.CenterOffset : 0;
  if (extended && in.Maximized && skin.MaxHeight != skin.TitleHeight) textShift += (skin.TitleHeight - skin.MaxHeight) / 2;
  t.CaptionText.Top = captionTop + textShift;
  t.CaptionText.Bottom = t.CaptionBottom + textShift;
  return t;
}

CaptionPlacement PlaceCaption(const TRect& textRect, int32_t centerLine, const CaptionTexts& texts,
                              CaptionAlign align, bool rightToLeft) {
  CaptionPlacement p;
  const int32_t mainWidth = std::max(0, texts.Main.cx), addedWidth = std::max(0, texts.Added.cx);
  if (textRect.Right <= textRect.Left || (mainWidth == 0 && addedWidth == 0)) return p;
  if (rightToLeft && align != CaptionAlign::Center)
    align = align == CaptionAlign::Left ? CaptionAlign::Right : CaptionAlign::Left;
  const int32_t lineHeight = std::max({0, texts.Main.cy, texts.Added.cy});
  const int32_t top = centerLine - lineHeight / 2;
  const int32_t total = mainWidth + addedWidth + kAddedTitleGap;
  int32_t left = textRect.Left;
  if (align == CaptionAlign::Right && total <= textRect.Width()) left = textRect.Right - total;
  if (align == CaptionAlign::Center) left = std::max(left, left + (textRect.Width() - total) / 2);
  // The added title keeps its room; a long main caption ends with an ellipsis before it.
  const int32_t addedRoom = addedWidth > 0 ? addedWidth + (mainWidth > 0 ? kAddedTitleGap : 0) : 0;
  int32_t x = left;
  if (mainWidth > 0) {
    const int32_t right = std::min(left + mainWidth, std::max(left, textRect.Right - addedRoom));
    p.Main = {left, top, right, top + lineHeight};
    x = right + kAddedTitleGap;
  }
  if (addedWidth > 0) {
    const int32_t right = std::min(x + addedWidth + kAddedTitleGap, textRect.Right);
    if (right > x) p.Added = {x, top, right, top + lineHeight};
  }
  return p;
}

TRect ButtonsBackgroundRect(const FrameMeasures& m, const TitleLayout& layout) {
  const int32_t width = m.FW + layout.ButtonsWidth + m.R + 10;
  const int32_t height = m.FW + m.FW + m.CH + m.MenuHeight + m.T;
  const int32_t left = m.Cache.cx - width - 1;
  return {std::max(0, left), 0, std::min(m.Cache.cx, left + width), std::min(m.Cache.cy, height)};
}

int32_t TitleButtonAt(const TitleLayout& layout, TPoint p) {
  for (int i = 0; i < kTitleButtonCount; ++i)
    if (!layout.Buttons[size_t(i)].IsEmpty() && Contains(layout.Buttons[size_t(i)], p))
      return HitCodeOf(TitleButton(i));
  for (size_t i = 0; i < layout.UserButtons.size(); ++i)
    if (!layout.UserButtons[i].IsEmpty() && Contains(layout.UserButtons[i], p))
      return kFrameHitUserButton + int32_t(i);
  return 0;
}

int32_t SizeGripHit(const FrameMeasures& m, const FrameInputs& in, TPoint p) {
  if (m.Grip.IsEmpty() || !Contains(MakeRect(0, 0, in.Window.cx, in.Window.cy), p)) return 0;
  // The grip lies in the client area, which the cache and the window place alike up to their client origins.
  const TPoint corner{m.Grip.Left - m.ClientOrigin.X + in.ClientInWindow.X, m.Grip.Top - m.ClientOrigin.Y + in.ClientInWindow.Y};
  return p.X >= corner.X && p.Y >= corner.Y ? kFrameHitBottomRight : 0;
}

TRect TitleButtonRect(const TitleLayout& layout, int32_t code) {
  for (int i = 0; i < kTitleButtonCount; ++i)
    if (HitCodeOf(TitleButton(i)) == code) return layout.Buttons[size_t(i)];
  const int32_t user = UserButtonIndexOf(code);
  return user >= 0 && size_t(user) < layout.UserButtons.size() ? layout.UserButtons[size_t(user)] : TRect{};
}

TPoint IconMenuPoint(const TRect& window, const FrameMeasures& m, FrameMode mode, int32_t borderWidth,
                     const TitleLayout& layout) {
  const int32_t below = std::max(0, borderWidth) + layout.Icon.Height() + (mode == FrameMode::InFrame ? 2 * m.FW : 0);
  return {window.Left + m.SystemFW, window.Top + below};
}

int32_t InFrameHitTest(const FrameMeasures& m, const FrameInputs& in, const TitleLayout& layout, TPoint p) {
  if (!Contains(MakeRect(0, 0, in.Window.cx, in.Window.cy), p)) return kFrameHitNowhere;
  if (int32_t button = TitleButtonAt(layout, p)) return button;
  if (in.Sizeable && !in.Maximized) {
    const int32_t fw = m.FW;
    if (int32_t code = SizingCode(p.X < fw, p.Y < fw, p.X >= in.Window.cx - fw, p.Y >= in.Window.cy - fw)) return code;
  }
  if (int32_t grip = SizeGripHit(m, in, p)) return grip;
  if (Contains(ClientRectInCache(m, in), p)) return kFrameHitClient;
  if (p.Y < m.FW + m.CH) return CaptionCode(layout, p);
  if (m.MenuHeight > 0 && p.Y < m.FW + m.CH + m.MenuHeight) return kFrameHitMenu;
  return kFrameHitBorder;
}

bool OutsideFrame(const FrameMeasures& m, const FrameInputs& in, const FrameSkinValues& skin, TPoint p) {
  if (in.Maximized) return false;
  if (skin.BorderMode == 1) return !Contains(AlignedSizingRect(m, skin), p);
  const int32_t grow = std::max(6, skin.BorderWidth);
  const TRect frame{m.L - grow, m.T - grow, m.Cache.cx - m.R + grow, m.Cache.cy - m.B + grow};
  return !Contains(frame, p);
}

int32_t BorderHitTest(const FrameMeasures& m, const FrameInputs& in, const TitleLayout& layout,
                      const FrameSkinValues& skin, TPoint p) {
  if (OutsideFrame(m, in, skin, p) || !Contains(MakeRect(0, 0, m.Cache.cx, m.Cache.cy), p)) return kFrameHitOutside;
  if (int32_t button = TitleButtonAt(layout, p)) return button;
  if (in.Sizeable && !in.Maximized && skin.BorderMode == 1) {
    // The whole window's picture: a 4-pixel top band, the others as wide as the real frame, all inside the edges.
    const TRect r = AlignedSizingRect(m, skin);
    const int32_t band = std::max(1, m.SystemFW);
    if (int32_t code = SizingCode(p.X < r.Left + band, p.Y < r.Top + 4, p.X >= r.Right - band, p.Y >= r.Bottom - band))
      return code;
  } else if (in.Sizeable && !in.Maximized) {
    // The sizing bands lie in the shadow, just outside the visible frame.
    const int32_t right = m.Cache.cx - m.R, bottom = m.Cache.cy - m.B;
    if (int32_t code = SizingCode(p.X < m.L, p.Y < m.T, p.X >= right, p.Y >= bottom)) return code;
  }
  const TRect frame{m.L, m.T, m.Cache.cx - m.R, m.Cache.cy - m.B};
  if (!m.Grip.IsEmpty() && Contains(frame, p) && p.X >= m.Grip.Left && p.Y >= m.Grip.Top) return kFrameHitBottomRight;
  if (p.Y < m.CH + m.T) return CaptionCode(layout, p);
  if (m.MenuHeight > 0 && p.Y < m.CH + m.T + m.MenuHeight) return kFrameHitMenu;
  if (Contains(ClientRectInCache(m, in), p)) return kFrameHitClient;
  return kFrameHitNowhere;
}

BorderPlacement PlaceBorderWindow(const FrameMeasures& m, const FrameInputs& in) {
  BorderPlacement b;
  b.Offset = {in.ClientInWindow.X - m.ClientOrigin.X, in.ClientInWindow.Y - m.ClientOrigin.Y};
  b.Size = m.Cache;
  b.Outer = in.Maximized ? TRect{m.L + m.FW, m.T + 4, m.Cache.cx - m.FW - m.R, m.Cache.cy - m.FW - m.B}
                         : TRect{0, 0, m.Cache.cx, m.Cache.cy};
  b.Hole = {m.ClientOrigin.X, m.ClientOrigin.Y - m.MenuHeight, m.ClientOrigin.X + in.Client.cx,
            m.ClientOrigin.Y + in.Client.cy};
  return b;
}

TRect ExtendedWindowRegion(const FrameInputs& in, int32_t menuHeight) {
  return {in.ClientInWindow.X, in.ClientInWindow.Y - menuHeight, in.ClientInWindow.X + in.Client.cx,
          in.ClientInWindow.Y + in.Client.cy};
}

MaximizedPlacement PlaceMaximized(const TRect& workArea, FrameMode mode, bool hasCaption, int32_t systemFrame,
                                  int32_t systemCaption, const FrameSkinValues& skin) {
  const int32_t f = std::max(0, systemFrame);
  // A tall maximized caption pushes the window down so that its own caption fits above the client area.
  const int32_t b =
      mode == FrameMode::ExtendedBorder && hasCaption ? std::max(0, skin.MaxHeight - systemCaption - 4) : 0;
  return {{workArea.Left - f, workArea.Top + b - f}, {workArea.Width() + 2 * f, workArea.Height() + 2 * f - b}};
}
