#include "tests/hostile/PaintEverything.h"

#include <algorithm>
#include <iterator>
#include <span>

#include "skin/paint/BorderMask.h"
#include "skin/paint/GlyphFrame.h"
#include "skin/paint/LayeredPainter.h"
#include "skin/paint/SectionPainter.h"

namespace {

constexpr TSize kSizes[] = {{75, 23}, {1, 1}, {9, 7}, {300, 40}};
// Sections after these are painted at the first size only: every size is
// tried on the first ones, and skins of many thousand sections (long chains,
// huge name counts) repeat themselves.
constexpr size_t kSectionsAtEverySize = 256;
// A state beyond any section's count, which the painters clamp.
constexpr int32_t kStatesTried = 5;

void PaintSections(const SkinPaintView& view, const LoadedSkin& skin) {
  PixelBuffer parent(320, 60);
  std::fill(parent.Row(0), parent.Row(0) + 320, 0xFF808080u);
  for (int32_t y = 1; y < parent.Height(); ++y) std::copy(parent.Row(0), parent.Row(0) + 320, parent.Row(y));
  BackgroundInfo behind;
  behind.Bitmap = &parent;
  behind.BitmapReady = true;
  BackgroundInfo plain;
  plain.PlainColor = 0x00C0C0C0;
  const BackgroundInfo backgrounds[] = {behind, plain, BackgroundInfo()};
  for (size_t i = 0; i < skin.Sections.size(); ++i) {
    const int32_t states = std::clamp(skin.Sections[i].States, 1, kStatesTried);
    const size_t sizes = i < kSectionsAtEverySize ? std::size(kSizes) : 1;
    for (const TSize size : std::span(kSizes, sizes)) {
      PixelBuffer target(size.cx + 4, size.cy + 4);
      const TRect rect = MakeRect(2, 2, size.cx, size.cy);
      for (int32_t state = 0; state <= states; ++state) {
        for (const BackgroundInfo& bg : backgrounds) PaintSection(view, int32_t(i), bg, state, rect, {3, 5}, target);
        PaintSectionLayered(view, int32_t(i), state, target, target.Bounds());
      }
    }
  }
}

void PaintImageRecords(const SkinPaintView& view, const LoadedSkin& skin) {
  PixelBuffer target(64, 48);
  BackgroundInfo self;
  self.Bitmap = &target;
  self.BitmapReady = true;
  for (const TsMaskData& mask : skin.Images.Masks()) {
    const int32_t frames = std::clamp<int32_t>(mask.FrameCount, 1, kStatesTried);
    for (int32_t frame = 0; frame <= frames; ++frame) {
      PaintBorderMask(view, target, {4, 4, 60, 44}, self, true, frame, mask);
      PaintBorderMask(view, target, target.Bounds(), EmptyBackground(), false, frame, mask, MaskAlpha::FromMask);
      PaintGlyphFrame(view, target, {-3, 2}, frame, self, mask, kGlyphNormalLook);
      PaintGlyphFrame(view, target, {40, 30}, frame, self, mask, 0);
    }
  }
}

}  // namespace

void PaintEverything(const LoadedSkin& skin) {
  const SkinPaintView view{&skin.Sections, &skin.Images.Masks(), &skin.Images.MasterBitmap, true};
  PaintSections(view, skin);
  PaintImageRecords(view, skin);
}
