// Unpacking a skin package against inflating the same members with bare zlib,
// the floor any reader has to pay. The package is made to look like a real
// one: about 40 KB holding about 370 KB in a dozen members.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "skin/data/SkinPackage.h"
#include "tests/bench/MemberInflate.h"

namespace {

// Options text: many similar sections, as skins have.
std::vector<uint8_t> OptionsMember() {
  std::string t = "[GLOBALINFO]\nVERSION=10.00\nMASTERBITMAP=Master.bmp\n";
  for (int s = 0; s < 70; ++s) {
    t += "[SECTION" + std::to_string(s) + "]\nPARENTCLASS=SECTION" + std::to_string(s / 2) + "\n";
    t += "BORDERSMASK=^" + std::to_string(1000 + s * 48) + "^0024^0044^0022^0004^0004^0004^0004^3^1^0^0\n";
    t += "COLOR=" + std::to_string(15790320 - s * 97) + "\nHOTCOLOR=16777215\nFONTCOLOR=0\nTRANSPARENCY=0\n";
    t += "GRADIENTDATA=" + std::to_string(15724527 + s) + ";15198183;97;0;0;15198183;15198183;0;0;0\n";
  }
  return {t.begin(), t.end()};
}

// A 24-bit picture of framed, shaded cells with a little noise, as a bitmap file body.
std::vector<uint8_t> PictureMember(int width, int height, uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<uint8_t> bytes(54, 0);  // header bytes; only their size matters here
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int cx = x % 48, cy = y % 24;
      uint8_t v = cx >= 44 || cy >= 22 ? 255 : (cx == 0 || cy == 0) ? 120 : uint8_t(230 - cy * 3 + (x % 2 == 0 ? random() % 4 : 0));
      bytes.insert(bytes.end(), {v, uint8_t(cx >= 44 ? 0 : v), v});
    }
    bytes.resize(bytes.size() + size_t((4 - width * 3 % 4) % 4), 0);
  }
  return bytes;
}

struct BenchPackage {
  std::vector<uint8_t> Package;
  MemberStreams Members;
};

const BenchPackage& Package() {
  static const BenchPackage b = [] {
    std::vector<TacPackageMember> members = {{"Options.dat", OptionsMember()},
                                             {"Master.bmp", PictureMember(300, 280, 1)}};
    for (int i = 0; i < 10; ++i)
      members.push_back({"IMAGE" + std::to_string(i) + ".BMP", PictureMember(40 + i * 3, 64, uint32_t(i + 2))});
    BenchPackage out;
    out.Package = WriteSkinPackage(members);
    out.Members = CutMemberStreams(out.Package);
    return out;
  }();
  return b;
}

void Counters(benchmark::State& state) {
  state.counters["package_bytes"] = double(Package().Package.size());
  state.counters["member_bytes"] = double(Package().Members.Total);
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(Package().Members.Total));
}

void BM_UnpackPackage(benchmark::State& state) {
  const BenchPackage& p = Package();
  TacSkinConvertor reader;
  for (auto _ : state) {
    reader.Unpack(p.Package);
    benchmark::DoNotOptimize(reader.ImageItems().data());
  }
  Counters(state);
}
BENCHMARK(BM_UnpackPackage)->Unit(benchmark::kMicrosecond);

// The anchor: zlib's one-call inflate, every member into its own fresh buffer.
void BM_PackageMembersBareZlib(benchmark::State& state) {
  RunZlibInflate(state, Package().Members);
  Counters(state);
}
BENCHMARK(BM_PackageMembersBareZlib)->Unit(benchmark::kMicrosecond);

}  // namespace
