// Loading a whole skin from package bytes (unpack, options, catalog, pictures,
// section table) against inflating the same members alone with zlib, which
// any load has to pay. The skin is made to look like a real one: about 40 KB
// of package holding about 370 KB in a dozen members.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "skin/data/SkinLoader.h"
#include "tests/bench/MemberInflate.h"
#include "tests/data/TinySkin.h"
#include "tools/PngWriter.h"

namespace {

uint32_t Pixel(uint32_t r, uint32_t g, uint32_t b, uint32_t a = 255) { return b | g << 8 | r << 16 | a << 24; }

// The master bitmap: rows of framed, shaded button and panel images on the key colour.
PixelBuffer MasterPicture(int32_t w, int32_t h) {
  PixelBuffer p(w, h);
  std::mt19937 random(7);
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) {
      const int32_t cellX = x % 48, cellY = y % 24;
      uint32_t v;
      if (cellX >= 44 || cellY >= 22) {
        v = Pixel(255, 0, 255);  // key colour between the images
      } else if (cellX == 0 || cellY == 0 || cellX == 43 || cellY == 21) {
        v = Pixel(120, 120, 120);
      } else {
        const uint32_t shade = 230 - uint32_t(cellY) * 3 + (random() % 3);  // a gradient with a little noise
        v = Pixel(shade, shade, uint32_t(std::min<uint32_t>(255, shade + 12)));
      }
      p.At(x, y) = v;
    }
  }
  return p;
}

// A soft glow or shadow picture with alpha.
PixelBuffer GlowPicture(int32_t w, int32_t h) {
  PixelBuffer p(w, h);
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) {
      const int32_t edge = std::min(std::min(x, w - 1 - x), std::min(y, h - 1 - y));
      p.At(x, y) = Pixel(0, 120, 215, uint32_t(std::min(255, edge * 255 / 12)));
    }
  }
  return p;
}

std::string OptionsText() {
  std::string t =
      "[GLOBALINFO]\nVERSION=10.00\nAUTHOR=bench\nMASTERBITMAP=Master.bmp\nTITLEHEIGHT=30\nBORDERWIDTH=4\n"
      "EXBORDER=!EXBORDER.PNG!2!0!3!0034!0034!0034!0034!1\n";
  const char* globals[] = {"BOXUNCHECKED", "BOXCHECKED", "BOXGRAYED", "RADIOUNCHECKED", "RADIOCHECKED",
                           "BICONCLOSE", "BICONMAX", "BICONNORM", "BICONMIN", "BICONHELP"};
  for (const char* g : globals) t += std::string(g) + "=!GLYPHS.BMP!3!1!2\n";
  char value[128];
  for (int s = 0; s < 70; ++s) {
    t += "[SECTION" + std::to_string(s) + "]\n";
    if (s % 3) t += "PARENTCLASS=SECTION" + std::to_string(s - 1) + "\n";
    std::snprintf(value, sizeof value, "^%04d^%04d^%04d^%04d^0004^0004^0004^0004^3^1^0^0", (s % 6) * 48,
                  (s / 6) * 24, (s % 6) * 48 + 44 * 3 / 3, (s / 6) * 24 + 22);
    t += std::string("BORDERSMASK=") + value + "\n";
    std::snprintf(value, sizeof value, "~%04d~%04d~%04d~%04d~01~0", (s % 6) * 48 + 4, (s / 6) * 24 + 4,
                  (s % 6) * 48 + 40, (s / 6) * 24 + 18);
    t += std::string("PATTERN=") + value + "\nHOTPATTERN=" + value + "\n";
    t += "COLOR=15790320\nHOTCOLOR=16777215\nFONTCOLOR=0\nHOTFONTCOLOR=0\nTRANSPARENCY=0\nGRADIENTPERCENT=0\n";
    if (s % 5 == 0) t += "GLOW=1\nGLOWMARGIN=1\nGLOW0=!GLOW" + std::to_string(s % 4) + ".PNG!1!0!3!0011!0011!0011!0011!1\n";
  }
  return t;
}

struct BenchSkin {
  std::vector<uint8_t> Package;
  MemberStreams Members;
};

const BenchSkin& Skin() {
  static const BenchSkin skin = [] {
    TinySkin tiny;
    tiny.Options(OptionsText())
        .File("Master.bmp", EncodeBmp24(MasterPicture(320, 320)))
        .File("GLYPHS.BMP", EncodeBmp24(MasterPicture(90, 60)))
        .File("EXBORDER.PNG", EncodePng(GlowPicture(140, 70)));
    for (int i = 0; i < 4; ++i) tiny.File("GLOW" + std::to_string(i) + ".PNG", EncodePng(GlowPicture(34 + i, 34)));
    for (int i = 0; i < 4; ++i) tiny.File("TILE" + std::to_string(i) + ".BMP", EncodeBmp24(MasterPicture(40, 40 + i)));
    BenchSkin b;
    b.Package = tiny.Package();
    b.Members = CutMemberStreams(b.Package);
    return b;
  }();
  return skin;
}

void Counters(benchmark::State& state) {
  state.counters["package_bytes"] = double(Skin().Package.size());
  state.counters["member_bytes"] = double(Skin().Members.Total);
}

class BlurPicture : public BuiltinPictures {
 public:
  BlurPicture() : blur_(GlowPicture(10, 10)) {}
  const PixelBuffer* Picture(std::string_view name) const override { return name == kBlurPictureName ? &blur_ : nullptr; }

 private:
  PixelBuffer blur_;
};

void BM_LoadWholeSkin(benchmark::State& state) {
  const BenchSkin& skin = Skin();
  const BlurPicture builtins;
  SkinLoadSettings settings;
  settings.Builtins = &builtins;
  for (auto _ : state) {
    LoadedSkin loaded = LoadSkin(SkinSource::FromPackageBytes(skin.Package), settings);
    benchmark::DoNotOptimize(loaded.Images.Masks().data());
  }
  Counters(state);
}
BENCHMARK(BM_LoadWholeSkin)->Unit(benchmark::kMicrosecond);

// The anchor: zlib's one-call inflate, every member into its own fresh buffer.
void BM_InflateMembersOnly(benchmark::State& state) {
  RunZlibInflate(state, Skin().Members);
  Counters(state);
}
BENCHMARK(BM_InflateMembersOnly)->Unit(benchmark::kMicrosecond);

// The floor under the anchor: inflating alone, without any checksum.
void BM_InflateMembersFloor(benchmark::State& state) {
  RunBareInflate(state, Skin().Members);
  Counters(state);
}
BENCHMARK(BM_InflateMembersFloor)->Unit(benchmark::kMicrosecond);

}  // namespace
