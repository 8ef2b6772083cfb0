// Decoding skin-like PNG pictures to 32-bit BGRA pixels: our decoder against
// the reference library's simplified reading interface, on the same bytes.
// After the runs a table gives each picture's time ratio (ours / reference).
#include <benchmark/benchmark.h>
#include <png.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "skin/render/core/acPNG.h"
#include "tools/PngWriter.h"

namespace {

struct Sample {
  std::string name;
  std::vector<std::vector<uint8_t>> files;  // decoded one after another per iteration
};

uint32_t Pixel(uint32_t r, uint32_t g, uint32_t b, uint32_t a) { return b | g << 8 | r << 16 | a << 24; }

PixelBuffer Paint(int32_t w, int32_t h, uint32_t (*f)(int32_t, int32_t, int32_t, int32_t, std::mt19937&)) {
  PixelBuffer p(w, h);
  std::mt19937 random(12345);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) p.At(x, y) = f(x, y, w, h, random);
  return p;
}

// An anti-aliased round glyph, as title-bar and check-box glyphs are.
uint32_t Glyph(int32_t x, int32_t y, int32_t w, int32_t h, std::mt19937&) {
  const double d = std::hypot(x - w / 2.0 + 0.5, y - h / 2.0 + 0.5) - w * 0.35;
  const uint32_t a = uint32_t(std::clamp(0.5 - d, 0.0, 1.0) * 255);
  return Pixel(40, 90, 200, a);
}

// A soft black shadow with alpha falling off toward the edges.
uint32_t Shadow(int32_t x, int32_t y, int32_t w, int32_t h, std::mt19937&) {
  const int32_t e = std::min({x, y, w - 1 - x, h - 1 - y});
  return Pixel(0, 0, 0, uint32_t(std::min(e, 40) * 200 / 40));
}

// A master picture: gradients, flat panels and edges, no alpha.
uint32_t Master(int32_t x, int32_t y, int32_t, int32_t, std::mt19937&) {
  if ((x / 50 + y / 40) % 3 == 0) return Pixel(255, 0, 255, 255);
  if (x % 50 < 2 || y % 40 < 2) return Pixel(120, 120, 120, 255);
  return Pixel(uint32_t(200 + x % 50), uint32_t(210 + y % 40), uint32_t(230 + (x + y) % 20), 255);
}

uint32_t Flat(int32_t x, int32_t, int32_t w, int32_t, std::mt19937&) {
  return x < w / 2 ? Pixel(240, 240, 240, 255) : Pixel(0, 120, 215, 255);
}

uint32_t Noisy(int32_t x, int32_t y, int32_t, int32_t, std::mt19937& random) {
  const uint32_t n = random() % 48;
  return Pixel(uint32_t(x / 4 + n), uint32_t(y / 4 + n), uint32_t((x + y) / 8 + n), uint32_t(200 + n));
}

std::vector<uint8_t> Palette256(int32_t w, int32_t h) {
  PngRawImage raw;
  raw.Width = w;
  raw.Height = h;
  raw.ColorType = 3;
  raw.BitDepth = 8;
  std::vector<uint8_t> plte;
  for (int i = 0; i < 256; ++i) plte.insert(plte.end(), {uint8_t(i), uint8_t(255 - i), uint8_t(i * 3)});
  raw.ChunksBeforeData.push_back({"PLTE", plte});
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) raw.Rows.push_back(uint8_t((x / 8 + y / 8 * 3) % 256));
  return EncodePngRaw(raw);
}

std::vector<uint8_t> Rgb(const PixelBuffer& p) {
  PngRawImage raw;
  raw.Width = p.Width();
  raw.Height = p.Height();
  raw.ColorType = 2;
  for (int32_t y = 0; y < raw.Height; ++y)
    for (int32_t x = 0; x < raw.Width; ++x) {
      const uint32_t v = p.At(x, y);
      raw.Rows.insert(raw.Rows.end(), {uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)});
    }
  return EncodePngRaw(raw);
}

const std::vector<Sample>& Samples() {
  static const std::vector<Sample> samples = [] {
    PngWriteOptions interlaced;
    interlaced.Interlaced = true;
    std::vector<Sample> s = {
        {"glyph20", {EncodePng(Paint(20, 20, Glyph))}},
        {"shadow300", {EncodePng(Paint(300, 300, Shadow))}},
        {"master600x400", {Rgb(Paint(600, 400, Master))}},
        {"flat512", {EncodePng(Paint(512, 512, Flat))}},
        {"noisy512", {EncodePng(Paint(512, 512, Noisy))}},
        {"palette256", {Palette256(256, 256)}},
        {"interlaced256", {EncodePng(Paint(256, 256, Noisy), interlaced)}},
    };
    // The same glyph as most editors save it, with a gamma chunk.
    PngRawImage gamma;
    gamma.Width = gamma.Height = 20;
    const PixelBuffer glyph = Paint(20, 20, Glyph);
    for (int32_t y = 0; y < 20; ++y)
      for (int32_t x = 0; x < 20; ++x) {
        const uint32_t v = glyph.At(x, y);
        gamma.Rows.insert(gamma.Rows.end(), {uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v), uint8_t(v >> 24)});
      }
    gamma.ChunksBeforeData.push_back({"gAMA", {0, 0, 0xB1, 0x8F}});  // 45455: 1 / 2.2
    s.push_back({"glyph20gamma", {EncodePngRaw(gamma)}});
    Sample small{"small32andbelow", {}};
    for (int32_t size : {8, 12, 13, 16, 20, 24, 32}) {
      small.files.push_back(EncodePng(Paint(size, size, Glyph)));
      small.files.push_back(EncodePng(Paint(size, size, Shadow)));
    }
    small.files.push_back(Rgb(Paint(32, 17, Master)));
    s.push_back(small);
    return s;
  }();
  return samples;
}

void BM_Ours(benchmark::State& state, const Sample* sample) {
  for (auto _ : state) {
    for (const auto& f : sample->files) {
      DecodedImage image = DecodePng(f.data(), f.size());
      benchmark::DoNotOptimize(image.Pixels.Row(0));
    }
  }
}

void BM_Reference(benchmark::State& state, const Sample* sample) {
  for (auto _ : state) {
    for (const auto& f : sample->files) {
      png_image image{};
      image.version = PNG_IMAGE_VERSION;
      if (!png_image_begin_read_from_memory(&image, f.data(), f.size())) state.SkipWithError("begin_read");
      image.format = PNG_FORMAT_BGRA;
      std::unique_ptr<uint8_t[]> pixels(new uint8_t[PNG_IMAGE_SIZE(image)]);
      if (!png_image_finish_read(&image, nullptr, pixels.get(), 0, nullptr)) state.SkipWithError("finish_read");
      benchmark::DoNotOptimize(pixels.get());
    }
  }
}

// Prints the usual table, then ours / reference per picture. Each side keeps
// its fastest repetition (CPU time): the machine is shared, and other load
// only ever adds time.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      if (r.run_type != Run::RT_Iteration) continue;
      const std::string name = r.run_name.function_name;
      const size_t slash = name.find('/');
      if (slash == std::string::npos) continue;
      auto& side = name.compare(0, slash, "Ours") == 0 ? ours_ : reference_;
      const std::string picture = name.substr(slash + 1);
      const double t = r.GetAdjustedCPUTime();
      if (!side.count(picture) || t < side[picture]) side[picture] = t;
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-18s %12s %12s %8s\n", "picture", "ours us", "reference us", "ratio");
    for (const auto& [name, t] : ours_) {
      const auto ref = reference_.find(name);
      if (ref == reference_.end()) continue;
      std::printf("%-18s %12.1f %12.1f %8.3f\n", name.c_str(), t, ref->second, t / ref->second);
    }
    std::printf("(fastest repetition, CPU time; target ratio <= 0.85)\n");
  }

 private:
  std::map<std::string, double> ours_, reference_;
};
}  // namespace

int main(int argc, char** argv) {
  for (const Sample& s : Samples()) {
    benchmark::RegisterBenchmark(("Ours/" + s.name).c_str(), BM_Ours, &s)->Unit(benchmark::kMicrosecond)->Repetitions(5);
    benchmark::RegisterBenchmark(("Reference/" + s.name).c_str(), BM_Reference, &s)->Unit(benchmark::kMicrosecond)->Repetitions(5);
  }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
}
