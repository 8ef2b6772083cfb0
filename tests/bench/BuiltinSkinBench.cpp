// Loading the built-in skin "windows 10 (internal)" from its package bytes,
// once with the loader alone and once through the skin manager (load, colour
// adjustments, element table, border images), against inflating its members
// alone with zlib.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "tests/bench/MemberInflate.h"
#include "tools/skinpreview/PictureFolder.h"

namespace {

constexpr const char* kInternalName = "windows 10 (internal)";
const std::string kSkinDir = DR_BUILTIN_SKIN_DIR;

struct BuiltinSkin {
  std::vector<uint8_t> Package;
  MemberStreams Members;
  std::unique_ptr<PictureFolder> Engine;  // the engine's pictures, as the program's resources offer them
};

const BuiltinSkin& Skin() {
  static const BuiltinSkin skin = [] {
    BuiltinSkin b;
    std::ifstream in(kSkinDir + "/windows10.asz", std::ios::binary);
    b.Package.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    b.Members = CutMemberStreams(b.Package);
    b.Engine = std::make_unique<PictureFolder>(kSkinDir + "/engine");
    return b;
  }();
  return skin;
}

void Counters(benchmark::State& state) {
  state.counters["package_bytes"] = double(Skin().Package.size());
  state.counters["member_bytes"] = double(Skin().Members.Total);
}

void BM_BuiltinSkinLoad(benchmark::State& state) {
  const BuiltinSkin& skin = Skin();
  SkinLoadSettings settings;
  settings.Builtins = skin.Engine.get();
  for (auto _ : state) {
    LoadedSkin loaded = LoadSkin(SkinSource::FromPackageBytes(skin.Package), settings);
    benchmark::DoNotOptimize(loaded.Images.Masks().data());
  }
  Counters(state);
}
BENCHMARK(BM_BuiltinSkinLoad)->Unit(benchmark::kMicrosecond);

// A manager without windows whose only skin is the internal one: every
// selection loads it anew and replaces the skin in force.
class EngineHost final : public SkinManagerHost {
 public:
  const BuiltinPictures* Builtins() const override { return Skin().Engine.get(); }
};

void BM_BuiltinSkinManagerLoad(benchmark::State& state) {
  EngineHost host;
  TsSkinManager manager(nullptr, &host);
  manager.SetSkinDirectory("no-such-skin-folder");
  TsStoredSkin stored;
  stored.Name = kInternalName;
  stored.Data = Skin().Package;
  manager.SetInternalSkins({stored});
  for (auto _ : state) {
    manager.SetSkinName(kInternalName);
    benchmark::DoNotOptimize(manager.Skin());
  }
  if (!manager.SkinInForce()) state.SkipWithError("the built-in skin did not load");
  Counters(state);
}
BENCHMARK(BM_BuiltinSkinManagerLoad)->Unit(benchmark::kMicrosecond);

// The anchor: zlib's one-call inflate, every member into its own fresh buffer.
void BM_BuiltinSkinMembersBareZlib(benchmark::State& state) {
  RunZlibInflate(state, Skin().Members);
  Counters(state);
}
BENCHMARK(BM_BuiltinSkinMembersBareZlib)->Unit(benchmark::kMicrosecond);

// The floor under the anchor: inflating alone, without any checksum.
void BM_BuiltinSkinMembersFloor(benchmark::State& state) {
  RunBareInflate(state, Skin().Members);
  Counters(state);
}
BENCHMARK(BM_BuiltinSkinMembersFloor)->Unit(benchmark::kMicrosecond);

}  // namespace
