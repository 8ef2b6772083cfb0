// The pixel operations and the resampling that every painter is built from,
// each beside its anchors in the same run: memcpy and memset of the same
// bytes, pixman's OVER with a solid mask, stb_image_resize and pixman's
// separable convolution on the same pictures. Throughput is in pixels per
// second (items); after the runs a table gives each figure against its anchor.
#include <benchmark/benchmark.h>
#include <pixman.h>

#define STB_IMAGE_RESIZE_IMPLEMENTATION
#include <stb_image_resize.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "skin/render/core/Blend.h"
#include "skin/render/core/Resample.h"
#include "tests/bench/RatioReporter.h"

namespace {

constexpr int32_t kSide = 256;
constexpr int64_t kPixels = int64_t(kSide) * kSide;

// Noise over a smooth ramp, every byte (alpha too) in play.
PixelBuffer Picture(int32_t w, int32_t h, uint32_t seed) {
  PixelBuffer p(w, h);
  std::mt19937 random(seed);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) {
      const uint32_t n = random() & 0x1F1F1F1Fu;
      const uint32_t ramp = uint32_t(x * 255 / w) << 16 | uint32_t(y * 255 / h) << 8 | uint32_t((x + y) * 127 / (w + h));
      p.At(x, y) = (0xC0000000u | ramp) + n;
    }
  return p;
}

// A mask as skins draw them: grey levels, mostly black or white, soft edges between.
PixelBuffer MaskPicture() {
  PixelBuffer p(kSide, kSide);
  std::mt19937 random(7);
  for (int32_t y = 0; y < kSide; ++y)
    for (int32_t x = 0; x < kSide; ++x) {
      const uint32_t v = (x / 16 + y / 16) % 3 == 0 ? 255 : (x / 16 + y / 16) % 3 == 1 ? 0 : random() & 0xFF;
      p.At(x, y) = v * 0x010101u;
    }
  return p;
}

// A skin picture with key areas: runs of magenta among the drawn pixels.
PixelBuffer KeyedPicture() {
  PixelBuffer p = Picture(kSide, kSide, 11);
  std::mt19937 random(13);
  for (int32_t y = 0; y < kSide; ++y)
    for (int32_t x = 0; x < kSide; ++x)
      if ((x + y * 3) % 37 < 9 || random() % 16 == 0) p.At(x, y) = 0x00FF00FFu;
  return p;
}

void CountPixels(benchmark::State& state, int64_t pixels) { state.SetItemsProcessed(state.iterations() * pixels); }

void BM_Memcpy(benchmark::State& state) {
  const PixelBuffer src = Picture(kSide, kSide, 1);
  PixelBuffer dst = Picture(kSide, kSide, 2);
  for (auto _ : state) {
    std::memcpy(dst.Row(0), src.Row(0), size_t(kPixels) * 4);
    benchmark::ClobberMemory();
  }
  CountPixels(state, kPixels);
}

void BM_Memset(benchmark::State& state) {
  PixelBuffer dst(kSide, kSide);
  for (auto _ : state) {
    std::memset(dst.Row(0), 0xF0, size_t(kPixels) * 4);
    benchmark::ClobberMemory();
  }
  CountPixels(state, kPixels);
}

void BM_BlendBuffers(benchmark::State& state) {
  const PixelBuffer src = Picture(kSide, kSide, 1);
  PixelBuffer dst = Picture(kSide, kSide, 2);
  for (auto _ : state) {
    BlendBuffers(dst, src, 128, {0, 0}, src.Bounds());
    benchmark::DoNotOptimize(dst.At(0, 0));
  }
  CountPixels(state, kPixels);
}

pixman_image_t* Wrap(PixelBuffer& p) {
  return pixman_image_create_bits(PIXMAN_a8r8g8b8, p.Width(), p.Height(), p.Row(0), int(p.Stride()));
}

// The same constant-weight mix as BlendBuffers with k = 128: source OVER the
// destination through a solid a8 mask (a repeating 1x1 picture).
void BM_PixmanOver(benchmark::State& state) {
  PixelBuffer src = Picture(kSide, kSide, 1);
  PixelBuffer dst = Picture(kSide, kSide, 2);
  uint32_t maskWord = 0x80;
  pixman_image_t* s = Wrap(src);
  pixman_image_t* d = Wrap(dst);
  pixman_image_t* m = pixman_image_create_bits(PIXMAN_a8, 1, 1, &maskWord, 4);
  pixman_image_set_repeat(m, PIXMAN_REPEAT_NORMAL);
  for (auto _ : state) {
    pixman_image_composite32(PIXMAN_OP_OVER, s, m, d, 0, 0, 0, 0, 0, 0, kSide, kSide);
    benchmark::DoNotOptimize(dst.At(0, 0));
  }
  pixman_image_unref(m);
  pixman_image_unref(d);
  pixman_image_unref(s);
  CountPixels(state, kPixels);
}

void BM_MaskRuleRow(benchmark::State& state) {
  const PixelBuffer image = Picture(kSide, kSide, 1), mask = MaskPicture();
  PixelBuffer dst = Picture(kSide, kSide, 2);
  for (auto _ : state) {
    for (int32_t y = 0; y < kSide; ++y) MaskRuleRow(dst.Row(y), image.Row(y), mask.Row(y), kSide, true);
    benchmark::DoNotOptimize(dst.At(0, 0));
  }
  CountPixels(state, kPixels);
}

void BM_CopyWithKey(benchmark::State& state) {
  const PixelBuffer src = KeyedPicture();
  PixelBuffer dst = Picture(kSide, kSide, 2);
  for (auto _ : state) {
    CopyWithKey(dst, src, {0, 0}, {0, 0, kSide - 1, kSide - 1}, clFuchsia);
    benchmark::DoNotOptimize(dst.At(0, 0));
  }
  CountPixels(state, kPixels);
}

void BM_FillPixels(benchmark::State& state) {
  PixelBuffer dst(kSide, kSide);
  for (auto _ : state) {
    FillPixels(dst, dst.Bounds(), 0xF0F0F0, 255);
    benchmark::DoNotOptimize(dst.At(0, 0));
  }
  CountPixels(state, kPixels);
}

// Resampling cases: source side to target side, square pictures.
struct ResampleCase {
  int32_t From, To;
};

std::string CaseName(const ResampleCase& c) {
  return std::to_string(c.From) + "x" + std::to_string(c.From) + "-" + std::to_string(c.To) + "x" + std::to_string(c.To);
}

void BM_Resample(benchmark::State& state, ResampleCase c) {
  const PixelBuffer src = Picture(c.From, c.From, 3);
  PixelBuffer dst;
  for (auto _ : state) {
    Resample(src, dst, c.To, rfMitchell, c.To);
    benchmark::DoNotOptimize(dst.At(0, 0));
  }
  CountPixels(state, int64_t(c.To) * c.To);
}

// Every channel on its own (no alpha weighting), edges mirrored: what Resample does.
void BM_StbResize(benchmark::State& state, ResampleCase c) {
  const PixelBuffer src = Picture(c.From, c.From, 3);
  PixelBuffer dst(c.To, c.To);
  for (auto _ : state) {
    const int ok = stbir_resize_uint8_generic(
        reinterpret_cast<const unsigned char*>(src.Row(0)), c.From, c.From, int(src.Stride()),
        reinterpret_cast<unsigned char*>(dst.Row(0)), c.To, c.To, int(dst.Stride()), 4, STBIR_ALPHA_CHANNEL_NONE, 0,
        STBIR_EDGE_REFLECT, STBIR_FILTER_MITCHELL, STBIR_COLORSPACE_LINEAR, nullptr);
    if (!ok) state.SkipWithError("stbir_resize_uint8_generic");
    benchmark::DoNotOptimize(dst.At(0, 0));
  }
  CountPixels(state, int64_t(c.To) * c.To);
}

// A scaling transform through the separable cubic (B = C = 1/3) filter, edges
// reflected: stretched over the source when shrinking, interpolating when enlarging.
void BM_PixmanConvolution(benchmark::State& state, ResampleCase c) {
  PixelBuffer src = Picture(c.From, c.From, 3);
  PixelBuffer dst(c.To, c.To);
  pixman_image_t* s = Wrap(src);
  pixman_image_t* d = Wrap(dst);
  const double scale = double(c.From) / c.To;
  pixman_transform_t t;
  pixman_transform_init_scale(&t, pixman_double_to_fixed(scale), pixman_double_to_fixed(scale));
  pixman_image_set_transform(s, &t);
  pixman_image_set_repeat(s, PIXMAN_REPEAT_REFLECT);
  const bool shrink = c.To < c.From;
  const pixman_kernel_t reconstruct = shrink ? PIXMAN_KERNEL_IMPULSE : PIXMAN_KERNEL_CUBIC;
  const pixman_kernel_t sample = shrink ? PIXMAN_KERNEL_CUBIC : PIXMAN_KERNEL_IMPULSE;
  for (auto _ : state) {
    int count = 0;
    pixman_fixed_t* params = pixman_filter_create_separable_convolution(
        &count, pixman_double_to_fixed(scale), pixman_double_to_fixed(scale), reconstruct, reconstruct, sample, sample,
        4, 4);
    pixman_image_set_filter(s, PIXMAN_FILTER_SEPARABLE_CONVOLUTION, params, count);
    free(params);
    pixman_image_composite32(PIXMAN_OP_SRC, s, nullptr, d, 0, 0, 0, 0, 0, 0, c.To, c.To);
    benchmark::DoNotOptimize(dst.At(0, 0));
  }
  pixman_image_unref(d);
  pixman_image_unref(s);
  CountPixels(state, int64_t(c.To) * c.To);
}

}  // namespace

int main(int argc, char** argv) {
  auto add = [](const std::string& name, auto&& fn) {
    benchmark::RegisterBenchmark(name.c_str(), fn)->MinTime(0.1)->Repetitions(3);
  };
  add("Memcpy", BM_Memcpy);
  add("BlendBuffers", BM_BlendBuffers);
  add("PixmanOver", BM_PixmanOver);
  add("MaskRuleRow", BM_MaskRuleRow);
  add("CopyWithKey", BM_CopyWithKey);
  add("Memset", BM_Memset);
  add("FillPixels", BM_FillPixels);
  std::vector<Comparison> comparisons = {
      {"BlendBuffers", "Memcpy", 0.25}, {"BlendBuffers", "PixmanOver", 1.8}, {"MaskRuleRow", "Memcpy", 0.2},
      {"CopyWithKey", "Memcpy", 0.4},   {"FillPixels", "Memset", 0.8},
  };
  for (const ResampleCase c : {ResampleCase{300, 150}, ResampleCase{64, 200}}) {
    const std::string n = CaseName(c);
    add("Resample/" + n, [c](benchmark::State& s) { BM_Resample(s, c); });
    add("StbResize/" + n, [c](benchmark::State& s) { BM_StbResize(s, c); });
    add("PixmanConvolution/" + n, [c](benchmark::State& s) { BM_PixmanConvolution(s, c); });
    comparisons.push_back({"Resample/" + n, "StbResize/" + n, 2.0});
    comparisons.push_back({"Resample/" + n, "PixmanConvolution/" + n, 0});
  }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter(std::move(comparisons), "for resampling, time ratio = 1 / ratio");
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
}
