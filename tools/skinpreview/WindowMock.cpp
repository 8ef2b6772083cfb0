#include "tools/skinpreview/WindowMock.h"

#include <algorithm>
#include <string_view>

#include "skin/paint/BorderMask.h"
#include "skin/paint/GlyphFrame.h"
#include "tools/skinpreview/SectionCell.h"
#include "tools/skinpreview/SheetDrawing.h"
#include "tools/skinpreview/TinyFont.h"

namespace {

constexpr int32_t kClientWidth = 300;
constexpr int32_t kClientHeight = 96;

struct Margins {
  int32_t L = 0, T = 0, R = 0, B = 0;
};

const TsMaskData* GlobalMask(const LoadedSkin& skin, std::string_view key) {
  return skin.Images.Mask(skin.Images.FindGlobalMask(skin.Sections, key));
}

void Section(const LoadedSkin& skin, PixelBuffer& cache, std::string_view name, int32_t state, const TRect& rect) {
  PaintSectionCell(skin, SectionIndexOf(skin, name), state, cache, rect);
}

void Glyph(const LoadedSkin& skin, PixelBuffer& cache, std::string_view key, int32_t state, TPoint at) {
  if (const TsMaskData* mask = GlobalMask(skin, key))
    PaintGlyphFrame(PaintViewOf(skin), cache, at, state, InPlaceBackground(cache, cache.Bounds()), *mask,
                    kGlyphNormalLook);
}

void Label(PixelBuffer& cache, const TRect& rect, std::string_view text, uint32_t pixel) {
  DrawTinyText(cache, rect.Left + (rect.Width() - TinyTextWidth(text)) / 2,
               rect.Top + (rect.Height() - kTinyGlyphHeight) / 2, text, pixel);
}

// The shadow margins around the frame and the frame's size. The loader has
// limited every skin value, so none of these sums can overflow.
struct MockLayout {
  Margins M;
  int32_t Width = 0, Height = 0;  // of the frame
};

MockLayout LayoutOf(const LoadedSkin& skin) {
  const TsSkinData& info = skin.SkinData;
  MockLayout l;
  if (const TsMaskData* exBorder = GlobalMask(skin, "EXBORDER")) {
    l.M = {exBorder->BorderL - info.FormOffset, exBorder->BorderT - info.FormOffset,
           exBorder->BorderR - info.FormOffset, exBorder->BorderB - info.FormOffset};
  }
  l.Width = kClientWidth + 2 * info.BorderWidth;
  l.Height = kClientHeight + info.TitleHeight + info.BorderWidth;
  return l;
}

}  // namespace

TSize WindowMockSize(const LoadedSkin& skin) {
  const MockLayout l = LayoutOf(skin);
  return {std::max(0, l.Width + l.M.L + l.M.R), std::max(0, l.Height + l.M.T + l.M.B)};
}

PixelBuffer PaintWindowMock(const LoadedSkin& skin, bool active) {
  const TsSkinData& info = skin.SkinData;
  const MockLayout layout = LayoutOf(skin);
  const Margins m = layout.M;
  const TsMaskData* exBorder = GlobalMask(skin, "EXBORDER");
  const int32_t fw = info.BorderWidth, ch = info.TitleHeight;
  const int32_t width = layout.Width, height = layout.Height;
  PixelBuffer cache = CreatePixelBuffer(WindowMockSize(skin));
  FillArea(cache, cache.Bounds(), 0);
  const int32_t state = active ? 1 : 0;

  // Shadow first, then the frame over the rectangle inside the margins.
  if (exBorder)
    PaintBorderMask(PaintViewOf(skin), cache, cache.Bounds(), EmptyBackground(), false, active ? 0 : 1, *exBorder);
  const TRect frame{m.L, m.T, m.L + width, m.T + height};
  FillArea(cache, frame, kParentSurface);
  Section(skin, cache, "FORM", state, frame);
  const TRect caption{m.L, m.T, m.L + width, m.T + ch};
  Section(skin, cache, "FORMTITLE", state, caption);
  DrawTinyText(cache, m.L + fw + info.BILeft + 4, m.T + (ch - kTinyGlyphHeight) / 2, "SKIN PREVIEW",
               SectionTextPixel(skin, SectionIndexOf(skin, "FORMTITLE"), state));

  // Title buttons of the big set from right to left, as the title layout places them.
  int32_t x = cache.Width() - info.BIRight - m.R - std::max(4, fw);
  const std::string_view keys[] = {"BICONCLOSE", "BICONMAX", "BICONMIN"};
  const TsMaskData* close = GlobalMask(skin, "BICONCLOSE");
  const int32_t buttonHeight = close ? close->Height() : 21;
  const int32_t centre = m.T + ch - ch / 2 + info.CenterOffset;
  for (std::string_view key : keys) {
    const TsMaskData* glyph = GlobalMask(skin, key);
    const int32_t w = glyph ? glyph->Width() : 21;
    Glyph(skin, cache, key, active && key == "BICONCLOSE" ? 1 : 0, {x - w, centre - buttonHeight / 2});
    x -= w + info.BISpace;
  }

  // A few controls on the client area.
  const int32_t top = m.T + ch, left = m.L + fw;
  Section(skin, cache, "EDIT", state, MakeRect(left + 12, top + 12, 150, 21));
  const TRect ok = MakeRect(left + 12, top + 48, 75, 23);
  Section(skin, cache, "BUTTON", active ? 3 : 0, ok);
  Label(cache, ok, "OK", SectionTextPixel(skin, SectionIndexOf(skin, "BUTTON"), 0));
  const TRect cancel = MakeRect(left + 95, top + 48, 75, 23);
  Section(skin, cache, "BUTTON", 0, cancel);
  Label(cache, cancel, "CANCEL", SectionTextPixel(skin, SectionIndexOf(skin, "BUTTON"), 0));
  Glyph(skin, cache, "BOXCHECKED", 0, {left + 190, top + 16});
  DrawTinyText(cache, left + 208, top + 19, "CHECKED", kInk);
  Glyph(skin, cache, "RADIOCHECKED", 0, {left + 190, top + 40});
  DrawTinyText(cache, left + 208, top + 43, "CHOSEN", kInk);
  return cache;
}
