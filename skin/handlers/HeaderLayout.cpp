#include "skin/handlers/HeaderLayout.h"

#include <algorithm>

#include "skin/controls/ComboBoxLayout.h"
#include "skin/paint/SectionPainter.h"

namespace {

constexpr uint32_t kTextEndEllipsis = 0x8000;  // the platform's flag

}  // namespace

int32_t HeaderItemState(const HeaderLook& look, int32_t index) {
  if (index < 0 || index != look.Hot) return 0;
  if (look.Pressed < 0) return 1;
  return index == look.Pressed ? 2 : 0;  // while one item is held, only it shows, and only under the pointer
}

TRect HeaderFiller(const std::vector<TRect>& items, TSize header) {
  int32_t right = 0;
  for (const TRect& r : items) right = std::max(right, r.Right);
  if (right >= header.cx) return {};
  return {right, 0, header.cx, header.cy};
}

uint32_t HeaderTextFlags(uint32_t format) {
  uint32_t flags = kItemTextSingleLine | kItemTextVCenter | kItemTextNoPrefix | kTextEndEllipsis;
  switch (format & 0x3) {
    case 1: flags |= kItemTextRight; break;
    case 2: flags |= kItemTextCenter; break;
    default: break;
  }
  return flags;
}

void PaintHeader(const SkinPaintView& skin, int32_t section, const HeaderLook& look, const BackgroundInfo& bg,
                 PixelBuffer& picture) {
  const TSize size{picture.Width(), picture.Height()};
  const TRect whole{0, 0, size.cx, size.cy};
  for (size_t i = 0; i < look.Items.size(); ++i) {
    // Items the skin or the window put partly outside the header are cut to it.
    const TRect& r = look.Items[i];
    const TRect item{std::max(r.Left, 0), 0, std::min(r.Right, whole.Right), size.cy};
    if (item.IsEmpty()) continue;
    PaintSection(skin, section, bg, HeaderItemState(look, int32_t(i)), item, {item.Left, item.Top}, picture);
  }
  const TRect filler = HeaderFiller(look.Items, size);
  if (!filler.IsEmpty()) PaintSection(skin, section, bg, 0, filler, {filler.Left, filler.Top}, picture);
}
