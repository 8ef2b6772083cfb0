// Painting every section of a skin in every state at typical control sizes,
// against a plain fill of the same pixels (the anchor).
#include <benchmark/benchmark.h>

#include <vector>

#include "skin/render/Blend.h"
#include "skin/render/SectionPainter.h"

namespace {

// A synthetic skin shaped like the built-in one: a flat edit border, masked
// button borders (tiled, and stretched with a resampled centre), a half
// transparent tool button, a textured and gradient panel, a tiled form.
struct BenchSkin {
  TsGeneralDataArray Sections;
  TsMaskArray Masks;
  PixelBuffer Master{64, 64};
  char owner = 0;

  SkinPaintView View() const { return {&Sections, &Masks, &Master, true}; }

  int32_t AddMask(TRect source, int16_t frames, int16_t maskRows, int16_t mode, int16_t border) {
    TsMaskData m;
    m.SourceRect = source;
    m.FrameCount = frames;
    m.MaskRows = maskRows;
    m.PaintMode = mode;
    m.BorderL = m.BorderT = m.BorderR = m.BorderB = border;
    m.CornerKind = maskRows > 0 ? 1 : 0;
    m.OwnerManager = reinterpret_cast<TsSkinManager*>(&owner);
    Masks.push_back(m);
    return int32_t(Masks.size()) - 1;
  }

  BenchSkin() {
    for (int32_t y = 0; y < 64; ++y)
      for (int32_t x = 0; x < 64; ++x) {
        const bool maskRow = y >= 28 && y < 44;  // the lower half of the button images
        const uint32_t v = maskRow ? uint32_t((x * 16 + y * 4) & 0xFF) * 0x010101u
                                   : uint32_t(x * 4) << 16 | uint32_t(y * 4) << 8 | uint32_t((x + y) * 2);
        Master.At(x, y) = 0xFF000000u | v;
      }
    for (int32_t i = 0; i < 3; ++i) Master.At(i * 16, 12) = 0x00FF00FFu;  // key corners
    const int32_t edit = AddMask({0, 0, 36, 12}, 3, 0, 1, 3);
    const int32_t button = AddMask({0, 12, 48, 44}, 3, 1, 5, 4);
    const int32_t tool = AddMask({0, 12, 48, 44}, 3, 1, 7, 4);
    const int32_t texture = AddMask({48, 0, 56, 8}, 1, 0, 0, 0);
    const TsGradArray ramp = {{0xF0F0F0, 0xD8D8D8, 97, 0}, {0xD8D8D8, 0xD8D8D8, 0, 0}};

    TsGeneralData s;
    s.Props[0].Color = s.Props[1].Color = s.Props[2].Color = 0xFFFFFF;
    s.BorderIndex = edit;
    Sections.push_back(s);  // EDIT
    for (auto& p : s.Props) {
      p.GradientShare = 100;
      p.GradientData = ramp;
    }
    s.BorderIndex = button;
    Sections.push_back(s);  // BUTTON
    s = {};
    for (auto& p : s.Props) p.Transparency = 50;
    s.BorderIndex = tool;
    Sections.push_back(s);  // TOOLBUTTON
    s = {};
    for (auto& p : s.Props) {
      p.TextureShare = 30;
      p.GradientShare = 70;
      p.GradientData = ramp;
      p.PatternIndex = texture;
    }
    Sections.push_back(s);  // PANEL
    s = {};
    for (auto& p : s.Props) {
      p.TextureShare = 100;
      p.PatternIndex = texture;
    }
    Sections.push_back(s);  // FORM
  }
};

const BenchSkin& Skin() {
  static const BenchSkin skin;
  return skin;
}

void BM_PaintEverySection(benchmark::State& state) {
  const int32_t w = int32_t(state.range(0)), h = int32_t(state.range(1));
  const BenchSkin& skin = Skin();
  PixelBuffer parent(w, h);
  FillPixels(parent, parent.Bounds(), 0xF0F0F0, 255);
  BackgroundInfo bg;
  bg.Bitmap = &parent;
  bg.BitmapReady = true;
  PixelBuffer target(w, h);
  for (auto _ : state) {
    for (int32_t s = 0; s < int32_t(skin.Sections.size()); ++s)
      for (int32_t st = 0; st < 3; ++st) PaintSection(skin.View(), s, bg, st, target.Bounds(), {0, 0}, target);
    benchmark::DoNotOptimize(target.At(0, 0));
  }
  state.SetItemsProcessed(state.iterations() * int64_t(skin.Sections.size()) * 3 * w * h);
}

void BM_PlainFillAnchor(benchmark::State& state) {
  const int32_t w = int32_t(state.range(0)), h = int32_t(state.range(1));
  const int64_t paints = int64_t(Skin().Sections.size()) * 3;
  PixelBuffer target(w, h);
  for (auto _ : state) {
    for (int64_t i = 0; i < paints; ++i) FillPixels(target, target.Bounds(), 0xF0F0F0, 255);
    benchmark::DoNotOptimize(target.At(0, 0));
  }
  state.SetItemsProcessed(state.iterations() * paints * w * h);
}

// Tool button, button, edit, panel.
#define PAINT_SIZES ->Args({23, 22})->Args({75, 25})->Args({121, 21})->Args({300, 200})
BENCHMARK(BM_PaintEverySection) PAINT_SIZES;
BENCHMARK(BM_PlainFillAnchor) PAINT_SIZES;

}  // namespace

BENCHMARK_MAIN();
