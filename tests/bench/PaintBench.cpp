// Painting every section of the built-in skin "windows 10 (internal)" in every
// state at typical control sizes, over the parent's picture the way the
// contact sheet paints it, against a plain fill of the same pixels (the
// anchor). After the runs a table gives painting / filling for each size.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "skin/render/core/Blend.h"
#include "tests/bench/RatioReporter.h"
#include "tools/skinpreview/PictureFolder.h"
#include "tools/skinpreview/SectionCell.h"
#include "tools/skinpreview/SheetDrawing.h"
#include "tools/skinpreview/SkinPreviewLoad.h"

namespace {

const std::string kSkinDir = DR_BUILTIN_SKIN_DIR;

const LoadedSkin& Skin() {
  static const PictureFolder engine(kSkinDir + "/engine");
  static const LoadedSkin skin = LoadPreviewSkin(kSkinDir + "/windows10.asz", engine);
  return skin;
}

// One state of one section in its cell at the top left of the target.
struct Paint {
  int32_t Section, State;
  TRect Cell;
};

struct Workload {
  std::vector<Paint> Paints;
  TSize Target;  // room for the largest cell
  int64_t Pixels = 0;
};

// Every paintable section in every state at one wanted control size.
Workload EverySection(TSize wanted) {
  const LoadedSkin& skin = Skin();
  Workload w;
  for (int32_t index : PaintableSections(skin)) {
    const TsGeneralData& section = skin.Sections[size_t(index)];
    const TSize size = SectionCellSize(skin, section, wanted);
    w.Target = {std::max(w.Target.cx, size.cx), std::max(w.Target.cy, size.cy)};
    for (int32_t state = 0; state < SectionStateCount(section); ++state) {
      w.Paints.push_back({index, state, MakeRect(0, 0, size.cx, size.cy)});
      w.Pixels += int64_t(size.cx) * size.cy;
    }
  }
  return w;
}

PixelBuffer ParentSurface(TSize size) {
  PixelBuffer target(size.cx, size.cy);
  FillArea(target, target.Bounds(), kParentSurface);
  return target;
}

void BM_PaintEverySection(benchmark::State& state, TSize wanted) {
  const Workload w = EverySection(wanted);
  PixelBuffer target = ParentSurface(w.Target);
  for (auto _ : state) {
    for (const Paint& p : w.Paints) PaintSectionCell(Skin(), p.Section, p.State, target, p.Cell);
    benchmark::DoNotOptimize(target.At(0, 0));
  }
  state.SetItemsProcessed(state.iterations() * w.Pixels);
  state.counters["paints"] = double(w.Paints.size());
}

void BM_PlainFill(benchmark::State& state, TSize wanted) {
  const Workload w = EverySection(wanted);
  PixelBuffer target = ParentSurface(w.Target);
  for (auto _ : state) {
    for (const Paint& p : w.Paints) FillPixels(target, p.Cell, 0xF0F0F0, 255);
    benchmark::DoNotOptimize(target.At(0, 0));
  }
  state.SetItemsProcessed(state.iterations() * w.Pixels);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<Comparison> comparisons;
  // Tool button, button, edit, panel.
  for (const TSize size : {TSize{23, 22}, TSize{75, 25}, TSize{121, 21}, TSize{300, 200}}) {
    const std::string n = std::to_string(size.cx) + "x" + std::to_string(size.cy);
    benchmark::RegisterBenchmark(("PaintEverySection/" + n).c_str(), BM_PaintEverySection, size)
        ->MinTime(0.1)
        ->Repetitions(3);
    benchmark::RegisterBenchmark(("PlainFill/" + n).c_str(), BM_PlainFill, size)->MinTime(0.1)->Repetitions(3);
    comparisons.push_back({"PaintEverySection/" + n, "PlainFill/" + n, 0});
  }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter(std::move(comparisons), "pixels of every cell; paint / fill");
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
}
