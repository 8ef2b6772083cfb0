// Loading skins far larger than any real one, beside the built-in skin's load
// (BM_BuiltinSkinLoad, BM_BuiltinSkinManagerLoad): a chain of 20,000 sections,
// each the parent of the next, and a flat skin of 300,000 sections. A load
// must stay linear in the text, so the time per section should be about that
// of the built-in skin (items/s are sections per second).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "skin/data/SkinLoader.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/sSkinManager.h"

namespace {

// Every section inherits its colour, border and pattern from the first one:
// each inherited lookup walks as far as the rules allow.
std::string Chain(int sections) {
  std::string text =
      "[GLOBALINFO]\nVERSION=10.00\n[S0]\nCOLOR=255\nHOTCOLOR=65280\n"
      "BORDERSMASK=^0000^0000^0012^0012^0002^0002^0002^0002^1^0^0^0\nPATTERN=~0000~0000~0004~0004~00~0\n";
  for (int i = 1; i < sections; ++i) text += "[S" + std::to_string(i) + "]\nPARENTCLASS=S" + std::to_string(i - 1) + "\n";
  return text;
}

// Sections side by side, each with a few values of its own.
std::string Flat(int sections) {
  std::string text = "[GLOBALINFO]\nVERSION=10.00\n";
  for (int i = 0; i < sections; ++i)
    text += "[F" + std::to_string(i) + "]\nCOLOR=" + std::to_string(i) + "\nSTATES=2\nGLOW=1\n";
  return text;
}

std::vector<uint8_t> Pack(const std::string& options) {
  const std::vector<TacPackageMember> members = {{"Options.dat", std::vector<uint8_t>(options.begin(), options.end())}};
  return WriteSkinPackage(members, 1);
}

void LoadWithLoader(benchmark::State& state, const std::vector<uint8_t>& package, int sections) {
  for (auto _ : state) {
    LoadedSkin loaded = LoadSkin(SkinSource::FromPackageBytes(package), {});
    benchmark::DoNotOptimize(loaded.Sections.data());
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * sections);
  state.counters["package_bytes"] = double(package.size());
}

class QuietHost final : public SkinManagerHost {};

void LoadWithManager(benchmark::State& state, const std::vector<uint8_t>& package, int sections) {
  QuietHost host;
  TsSkinManager manager(nullptr, &host);
  manager.SetSkinDirectory("no-such-skin-folder");
  TsStoredSkin stored;
  stored.Name = "large";
  stored.Data = package;
  manager.SetInternalSkins({stored});
  for (auto _ : state) {
    manager.SetSkinName("large");
    benchmark::DoNotOptimize(manager.Skin());
  }
  if (!manager.SkinInForce()) state.SkipWithError("the skin did not load");
  state.SetItemsProcessed(int64_t(state.iterations()) * sections);
}

constexpr int kChainSections = 20000;
constexpr int kFlatSections = 300000;

void BM_ParentChain20000Load(benchmark::State& state) {
  static const std::vector<uint8_t> package = Pack(Chain(kChainSections));
  LoadWithLoader(state, package, kChainSections);
}
BENCHMARK(BM_ParentChain20000Load)->Unit(benchmark::kMillisecond);

void BM_ParentChain20000ManagerLoad(benchmark::State& state) {
  static const std::vector<uint8_t> package = Pack(Chain(kChainSections));
  LoadWithManager(state, package, kChainSections);
}
BENCHMARK(BM_ParentChain20000ManagerLoad)->Unit(benchmark::kMillisecond);

void BM_FlatSkin300000Load(benchmark::State& state) {
  static const std::vector<uint8_t> package = Pack(Flat(kFlatSections));
  LoadWithLoader(state, package, kFlatSections);
}
BENCHMARK(BM_FlatSkin300000Load)->Unit(benchmark::kMillisecond);

void BM_FlatSkin300000ManagerLoad(benchmark::State& state) {
  static const std::vector<uint8_t> package = Pack(Flat(kFlatSections));
  LoadWithManager(state, package, kFlatSections);
}
BENCHMARK(BM_FlatSkin300000ManagerLoad)->Unit(benchmark::kMillisecond);

}  // namespace
