#include "skin/controls/ButtonGlyph.h"

#include <algorithm>

#include "skin/render/core/Blend.h"

int32_t GlyphImageIndex(const ButtonGlyphInput& in) {
  const int32_t count = std::max(in.NumGlyphs, 1);
  int32_t index;
  if (!in.StdGlyphsOrder) index = in.State;
  else if (!in.Enabled && in.State == 0) index = 1;
  else if (in.State == 2) index = count >= 3 ? 2 : 0;
  else index = 0;
  return std::clamp(index, 0, count - 1);
}

bool GlyphGrayed(const GlyphGrayInput& in) {
  const bool disabledGrey = !in.Enabled && in.DisabledGrays;
  if (!in.HasManager) return in.Grayed || disabledGrey;
  return in.Mode == TacGrayedMode::gmAlways || ((in.Grayed || in.DiscoloredGlyphs) && in.State == 0) || disabledGrey;
}

namespace {

// Straight-alpha source over the target: the weight a + a / 128 runs 0..256,
// so an opaque pixel lands exactly and a clear one leaves the target alone.
uint32_t Over(uint32_t d, uint32_t s) {
  const uint32_t a = s >> 24, w = a + (a >> 7);
  uint32_t out = d & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8)
    out |= ((((s >> shift) & 0xFF) * w + ((d >> shift) & 0xFF) * (256 - w)) >> 8) << shift;
  return out;
}

}  // namespace

void PaintButtonGlyph(PixelBuffer& target, const TRect& rect, const ButtonGlyphInput& in) {
  if (!in.Strip || in.Strip->Empty()) return;
  const int32_t count = std::clamp(in.NumGlyphs, 1, in.Strip->Width());
  const int32_t width = in.Strip->Width() / count, height = in.Strip->Height();
  const int32_t left = GlyphImageIndex(in) * width;
  PixelBuffer image(width, height);
  for (int32_t y = 0; y < height; ++y) std::copy_n(in.Strip->Row(y) + left, width, image.Row(y));
  if (in.Grayed) ToGrey(image);
  const uint32_t keep = uint32_t(100 - (in.State == 0 ? std::clamp(in.Blend, 0, 100) : 0));
  const int32_t x0 = std::max(rect.Left, 0), x1 = std::min(rect.Left + width, target.Width());
  const int32_t y0 = std::max(rect.Top, 0), y1 = std::min(rect.Top + height, target.Height());
  for (int32_t y = y0; y < y1; ++y) {
    const uint32_t* s = image.Row(y - rect.Top);
    uint32_t* d = target.Row(y);
    for (int32_t x = x0; x < x1; ++x) {
      uint32_t p = s[x - rect.Left];
      p = (p & 0x00FFFFFFu) | (((p >> 24) * keep / 100) << 24);
      d[x] = Over(d[x], p);
    }
  }
}
