#include "toolkit/SpeedButtonLayout.h"

#include <algorithm>

// Integer division here truncates toward zero, as the layout was designed
// with; a block wider than the button gives negative free space.

namespace {

// Gap between the content and an inline drop-down arrow.
constexpr int32_t kInlineArrowGap = 2;

struct Terms {
  int32_t W, H;    // button size
  int32_t M;       // margin term: 0 for an automatic margin, else Margin + 3
  int32_t DS, DI;  // split and inline arrow widths
  int32_t DD;      // both arrows
  int32_t GW, GH;  // glyph
  int32_t TW, TH;  // caption
};

Terms TermsOf(const SpeedButtonLayoutInput& in) {
  Terms t{};
  t.W = in.Width;
  t.H = in.Height;
  t.M = in.Margin < 0 ? 0 : in.Margin + 3;
  t.DS = in.SplitArrow;
  t.DI = in.InlineArrow;
  t.DD = t.DS + t.DI;
  t.GW = in.Glyph.cx;
  t.GH = in.Glyph.cy;
  t.TW = in.Text.cx;
  t.TH = in.Text.cy;
  return t;
}

bool Horizontal(TButtonLayout layout) {
  return layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
}

TRect CaptionRect(const SpeedButtonLayoutInput& in, bool shifted) {
  const Terms t = TermsOf(in);
  TRect r;
  if (Horizontal(in.Layout)) {
    const int32_t S = t.GW > 0 && in.HasCaption ? in.Spacing : 0;
    const int32_t free = t.W - t.DS - t.DI - t.TW - t.GW - S - 2 * t.M;
    r.Top = (t.H - t.TH) / 2;
    r.Bottom = r.Top + t.TH;
    if (in.Layout == TButtonLayout::blGlyphLeft) {
      switch (in.Alignment) {
        case TAlignment::taLeftJustify:
          switch (in.TextAlignment) {
            case TAlignment::taLeftJustify: r.Left = t.GW + t.M + S; break;
            // Without a glyph the block is the caption alone and stays at the left
            // margin that Alignment asks for; the text is aligned inside it.
            case TAlignment::taRightJustify: r.Left = t.GW == 0 ? t.M : t.W - t.M - t.TW - t.DD; break;
            case TAlignment::taCenter: r.Left = t.GW == 0 ? (t.W - t.TW) / 2 : free / 2 + t.GW + S + t.M; break;
          }
          r.Right = r.Left + t.TW;
          break;
        case TAlignment::taRightJustify:
          r.Right = t.W - t.DD - t.M;
          r.Left = r.Right - t.TW;
          break;
        case TAlignment::taCenter:
          r.Left = free / 2 + t.M + t.GW + S;
          r.Right = r.Left + t.TW;
          break;
      }
    } else {
      switch (in.Alignment) {
        case TAlignment::taLeftJustify:
          r.Left = t.M;
          r.Right = t.M + t.TW;
          break;
        case TAlignment::taCenter:
          r.Left = (t.W - t.DD - t.GW - S - t.TW) / 2;
          r.Right = r.Left + t.TW;
          break;
        case TAlignment::taRightJustify:
          r.Right = t.W - t.DD - t.GW - S - t.M;
          switch (in.TextAlignment) {
            // Without a glyph the caption alone is the block, kept at the right margin.
            case TAlignment::taLeftJustify: r.Left = t.GW == 0 ? t.W - t.M - t.TW - t.DD : t.M; break;
            case TAlignment::taRightJustify: r.Left = t.W - t.M - t.GW - S - t.TW - t.DD; break;
            case TAlignment::taCenter:
              r.Left = t.GW == 0 ? t.W - t.M - t.TW - t.DD : (t.W - t.M - t.GW - S - t.TW - t.DD) / 2;
              break;
          }
          break;
      }
    }
    r.Left += in.TextOffset;
    r.Right += in.TextOffset;
  } else {
    const int32_t S = t.GH > 0 && in.HasCaption ? in.Spacing : 0;
    const int32_t k = (t.H - t.GH - S - t.TH) / 2 - t.M;
    r.Left = (t.W - t.TW - t.DD) / 2;
    r.Right = t.W - r.Left - t.DD;
    if (in.Layout == TButtonLayout::blGlyphTop) {
      r.Top = k + t.M + t.GH + S;
      r.Bottom = t.H - k - t.M;
    } else {
      r.Top = k + t.M;
      r.Bottom = t.H - k - t.M - t.GH - S;
    }
    r.Top += in.TextOffset;
    r.Bottom += in.TextOffset;
  }
  if (shifted) r = {r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
  return r;
}

TRect GlyphRect(const SpeedButtonLayoutInput& in, bool shifted) {
  const Terms t = TermsOf(in);
  const int32_t S = in.ShowCaption && t.GW > 0 && in.HasCaption ? in.Spacing : 0;
  const int32_t hfree = (t.W - t.DD - t.GW - S - t.TW) / 2 - t.M;
  const int32_t vfree = (t.H - t.GH - S - t.TH) / 2 - t.M;
  int32_t x = 0, y = 0;
  switch (in.Layout) {
    case TButtonLayout::blGlyphLeft:
      x = in.Alignment == TAlignment::taLeftJustify    ? t.M
          : in.Alignment == TAlignment::taRightJustify ? 2 * hfree + t.M
                                                       : hfree + t.M;
      y = (t.H - t.GH) / 2;
      break;
    case TButtonLayout::blGlyphRight:
      if (in.Alignment == TAlignment::taLeftJustify)
        x = CaptionRect(in, shifted).Right + S - (in.Pressed ? 1 : 0);
      else if (in.Alignment == TAlignment::taCenter)
        x = (t.W - t.DD - t.GW + S + t.TW) / 2;
      else
        x = t.W - t.DD - t.GW - t.M;
      y = (t.H - t.GH) / 2;
      break;
    case TButtonLayout::blGlyphTop:
      x = (t.W - t.DD - t.GW) / 2 + 1;
      y = vfree + t.M;
      break;
    case TButtonLayout::blGlyphBottom:
      x = (t.W - t.DD - t.GW) / 2 + 1;
      y = t.H - t.M - vfree - t.GH;
      break;
  }
  if (shifted) {
    ++x;
    ++y;
  }
  if (in.Reflected) y -= t.GH / 6;
  return {x, y, x + t.GW, y + t.GH};
}

// An inline arrow follows the content as laid out unpressed.
TRect InlineArrowRect(const SpeedButtonLayoutInput& in, const Terms& t) {
  const TRect glyph = GlyphRect(in, false);
  TRect caption = CaptionRect(in, false);
  if (!in.ShowCaption) {
    const int32_t at = glyph.IsEmpty() ? t.GW + (t.W - kDropDownArrowWidth) / 2 : glyph.Right;
    caption = {at, caption.Top, at, caption.Top};
  }
  const int32_t gap = glyph.Width() <= 0 && caption.Width() <= 0 ? 0 : kInlineArrowGap;
  int32_t left = 0;
  switch (in.Layout) {
    case TButtonLayout::blGlyphLeft: left = caption.Right; break;
    case TButtonLayout::blGlyphRight: left = glyph.Right; break;
    default: left = std::max(caption.Right, glyph.Right); break;
  }
  left += gap;
  return {left, 0, left + kDropDownArrowWidth, t.H};
}

TRect ArrowRect(const SpeedButtonLayoutInput& in, bool shifted) {
  const Terms t = TermsOf(in);
  TRect r;
  if (t.DS > 0) {
    r = {t.W - kDropDownArrowWidth, 0, t.W, t.H};
  } else if (t.DI > 0) {
    r = InlineArrowRect(in, t);
  } else {
    return {};
  }
  if (shifted) r = {r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
  return r;
}

}  // namespace

int32_t CaptionWidthLimit(const SpeedButtonLayoutInput& in) {
  if (!in.ShowCaption || !in.HasCaption) return 0;
  const Terms t = TermsOf(in);
  int32_t limit = t.W - 2 * in.Margin - t.DD;
  if (Horizontal(in.Layout) && t.GW > 0) limit -= t.GW + in.Spacing;
  return std::max(limit, 0);
}

SpeedButtonLayout LayoutSpeedButton(const SpeedButtonLayoutInput& in) {
  const bool shifted = in.Pressed && in.ShiftPressed;
  return {CaptionRect(in, shifted), GlyphRect(in, shifted), ArrowRect(in, shifted)};
}
