#include "skin/handlers/ToolBarLayout.h"

#include <algorithm>

namespace {

constexpr int32_t kContentInset = 3;  // between the face's edge and image or text
constexpr int32_t kImageTextGap = 2;

}  // namespace

int32_t ToolButtonState(const ToolButtonFacts& f) {
  if (f.Separator) return 0;
  if (f.Pressed || f.Checked) return 2;
  return f.Hot && f.Enabled ? 1 : 0;
}

ToolButtonContent LayoutToolButton(const TRect& button, TSize imageSize, bool hasText, bool list, bool pressed) {
  const int32_t shift = pressed ? 1 : 0;
  const TRect r{button.Left + shift, button.Top + shift, button.Right + shift, button.Bottom + shift};
  const bool hasImage = imageSize.cx > 0 && imageSize.cy > 0;
  ToolButtonContent out;
  if (list) {
    int32_t x = r.Left + kContentInset;
    if (hasImage) {
      const int32_t y = r.Top + (r.Height() - imageSize.cy) / 2;
      out.Image = {x, y, x + imageSize.cx, y + imageSize.cy};
      x = out.Image.Right + kImageTextGap;
    }
    if (hasText) out.Text = {x, r.Top, std::max(x, r.Right - kContentInset), r.Bottom};
    return out;
  }
  int32_t y = r.Top + kContentInset;
  if (hasImage) {
    if (!hasText) y = r.Top + (r.Height() - imageSize.cy) / 2;
    const int32_t x = r.Left + (r.Width() - imageSize.cx) / 2;
    out.Image = {x, y, x + imageSize.cx, y + imageSize.cy};
    y = out.Image.Bottom + kImageTextGap;
  }
  if (hasText) out.Text = {r.Left + kContentInset, y, std::max(r.Left + kContentInset, r.Right - kContentInset),
                           std::max(y, r.Bottom - kContentInset)};
  return out;
}

TRect DividerRect(const TRect& separator, bool vertical, int32_t thickness) {
  constexpr int32_t kEndInset = 2;
  const int32_t across = vertical ? separator.Height() : separator.Width();
  const int32_t t = std::clamp(thickness, 1, std::max(1, across));
  if (vertical) {
    const int32_t y = separator.Top + (separator.Height() - t) / 2;
    return {separator.Left + kEndInset, y, std::max(separator.Left + kEndInset, separator.Right - kEndInset), y + t};
  }
  const int32_t x = separator.Left + (separator.Width() - t) / 2;
  return {x, separator.Top + kEndInset, x + t, std::max(separator.Top + kEndInset, separator.Bottom - kEndInset)};
}
