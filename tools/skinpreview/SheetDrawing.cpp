#include "tools/skinpreview/SheetDrawing.h"

#include <algorithm>

void FillArea(PixelBuffer& target, const TRect& rect, uint32_t pixel) {
  for (int32_t y = std::max(rect.Top, 0); y < std::min(rect.Bottom, target.Height()); ++y)
    for (int32_t x = std::max(rect.Left, 0); x < std::min(rect.Right, target.Width()); ++x) target.At(x, y) = pixel;
}

PixelBuffer Premultiplied(const PixelBuffer& source) {
  PixelBuffer out = source.Clone();
  for (int32_t y = 0; y < out.Height(); ++y) {
    for (int32_t x = 0; x < out.Width(); ++x) {
      uint32_t& p = out.At(x, y);
      const uint32_t a = p >> 24;
      uint32_t result = a << 24;
      for (int shift = 0; shift < 24; shift += 8) result |= ((((p >> shift) & 0xFF) * a + 127) / 255) << shift;
      p = result;
    }
  }
  return out;
}

uint32_t PixelOf(TColor color) { return ExchangeRedBlue(ResolveColor(color) & 0xFFFFFF) | 0xFF000000u; }

BackgroundInfo InPlaceBackground(const PixelBuffer& target, const TRect& area) {
  BackgroundInfo bg;
  bg.Bitmap = &target;
  bg.OriginX = area.Left;
  bg.OriginY = area.Top;
  bg.BitmapReady = true;
  return bg;
}

int32_t SectionIndexOf(const LoadedSkin& skin, std::string_view name) {
  for (size_t i = 0; i < skin.Sections.size(); ++i)
    if (skin.Sections[i].SectionName == name) return int32_t(i);
  return -1;
}

uint32_t SectionTextPixel(const LoadedSkin& skin, int32_t sectionIndex, int32_t state) {
  if (sectionIndex < 0 || size_t(sectionIndex) >= skin.Sections.size()) return kInk;
  const TsGeneralData& section = skin.Sections[size_t(sectionIndex)];
  const int32_t s = std::clamp(std::min(state, section.States - 1), 0, 2);
  return PixelOf(section.Props[size_t(s)].TextColor);
}
