// The main window's frame cache rebuilt in full (extended borders, active,
// caption text left out: it is the platform's) against a plain fill of the
// same pixels, and one title button's state change (its area restored from the
// saved buttons background, repainted and copied out, as the window side
// hands it to the screen) against the full rebuild.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "skin/data/SkinElements.h"
#include "skin/data/SkinLoader.h"
#include "skin/render/core/Blend.h"
#include "skin/render/core/Raster.h"
#include "skin/windows/FramePainter.h"
#include "tests/bench/RatioReporter.h"
#include "tools/skinpreview/PictureFolder.h"
#include "tools/skinpreview/SkinPreviewLoad.h"

namespace {

const std::string kSkinDir = DR_BUILTIN_SKIN_DIR;

struct MainFrame {
  PictureFolder Engine{kSkinDir + "/engine"};
  LoadedSkin Skin = LoadPreviewSkin(kSkinDir + "/windows10.asz", Engine);
  TacSkinElements Elements = ComputeSkinElements(&Skin);
  TacBorderImages Borders = PrepareBorderImages(&Skin, Elements, true, &Engine);
  FrameInputs In;
  FramePaintSkin Paint;
  FrameMeasures M;
  TitleLayout Layout;

  MainFrame() {
    In.Mode = FrameMode::ExtendedBorder;
    In.Client = {358, 288};
    In.ClientInWindow = {3, 22};
    In.Window = {364, 313};
    In.SystemFrame = 3;
    const FrameSkinValues values =
        FrameSkinValuesOf(Skin.SkinData, Borders.MarginL, Borders.MarginT, Borders.MarginR, Borders.MarginB);
    const TitleGlyphChoice glyphs = ChooseTitleGlyphs(Elements, false, false, false, false);
    Paint = FramePaintSkinOf(Skin, Elements, Borders, glyphs);
    TitleButtonsInput buttons;
    buttons.Glyphs = glyphs.Set;
    buttons.GlyphSize = GlyphSizes(Paint.View, glyphs.Glyphs);
    M = MeasureFrame(In, values);
    Layout = LayoutTitle(M, In, values, buttons);
  }
  int64_t Pixels() const { return int64_t(M.Cache.cx) * M.Cache.cy; }
};

const MainFrame& Frame() {
  static const MainFrame frame;
  return frame;
}

void BM_FullRebuild(benchmark::State& state) {
  const MainFrame& f = Frame();
  PixelBuffer cache, buttons;
  for (auto _ : state) {
    PaintFrame(f.Paint, f.M, f.In, f.Layout, FrameLook{}, cache, buttons);
    benchmark::DoNotOptimize(cache.At(0, 0));
  }
  state.SetItemsProcessed(state.iterations() * (state.range(0) ? f.Pixels() : 1));
}

void BM_PlainFill(benchmark::State& state) {
  const MainFrame& f = Frame();
  PixelBuffer cache(f.M.Cache.cx, f.M.Cache.cy);
  for (auto _ : state) {
    FillPixels(cache, cache.Bounds(), 0xF0F0F0, 255);
    benchmark::DoNotOptimize(cache.At(0, 0));
  }
  state.SetItemsProcessed(state.iterations() * f.Pixels());
}

void BM_ButtonStateChange(benchmark::State& state) {
  const MainFrame& f = Frame();
  PixelBuffer cache, buttons;
  PaintFrame(f.Paint, f.M, f.In, f.Layout, FrameLook{}, cache, buttons);
  PixelBuffer screen(cache.Width(), cache.Height());
  FrameLook look;
  int32_t hot = 0;
  for (auto _ : state) {
    hot ^= 1;
    look.ButtonStates[size_t(TitleButton::Close)] = hot;
    const TRect changed = RepaintTitleButton(f.Paint, f.M, f.Layout, look, HitCodeOf(TitleButton::Close), buttons, cache);
    CopyPixels(screen, {changed.Left, changed.Top}, cache, changed);
    benchmark::DoNotOptimize(screen.At(changed.Left, changed.Top));
  }
  state.SetItemsProcessed(state.iterations());
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::RegisterBenchmark("FrameRebuild/pixels", BM_FullRebuild)->Arg(1)->MinTime(0.2)->Repetitions(3);
  benchmark::RegisterBenchmark("PlainFill/pixels", BM_PlainFill)->MinTime(0.2)->Repetitions(3);
  benchmark::RegisterBenchmark("FrameRebuild/count", BM_FullRebuild)->Arg(0)->MinTime(0.2)->Repetitions(3);
  benchmark::RegisterBenchmark("ButtonStateChange/count", BM_ButtonStateChange)->MinTime(0.2)->Repetitions(3);
  benchmark::Initialize(&argc, argv);
  // A rebuild within 20 x a fill (throughput at least 1/20); a button change within 0.1 x a rebuild.
  RatioReporter reporter({{"FrameRebuild/pixels", "PlainFill/pixels", 1.0 / 20},
                          {"ButtonStateChange/count", "FrameRebuild/count", 10}},
                         "main window frame cache, 428 x 387 pixels");
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
}
