#include "skin/render/core/Blur.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kMaxTaps = 16;  // kernel taps on each side before trimming

// The kernel's integer weights for distances -q..q (index d + q); they are
// 0 or 1, so normalising them is one division by their sum.
std::vector<int32_t> GaussianKernel(double radius) {
  double raw[2 * kMaxTaps + 1];
  double sum = 0;
  for (int d = -kMaxTaps; d <= kMaxTaps; ++d) {
    const double x = d / radius;
    raw[d + kMaxTaps] = std::nearbyint(std::exp(-x * x / 2));
    sum += raw[d + kMaxTaps];
  }
  // Taps are dropped from the outside while their share stays below half a grey level.
  int q = kMaxTaps;
  for (double tail = 0; tail < 1.0 / 510 && q > 1; --q) tail += 2 * raw[q + kMaxTaps] / sum;
  std::vector<int32_t> kernel(2 * q + 1);
  for (int d = -q; d <= q; ++d) kernel[d + q] = int32_t(raw[d + kMaxTaps]);
  return kernel;
}

// Convolves count samples (step apart) in place; samples beyond the ends repeat the end ones.
void ConvolveLine(uint8_t* line, ptrdiff_t step, int32_t count, const std::vector<int32_t>& kernel, int32_t divisor,
                  std::vector<uint8_t>& scratch) {
  scratch.resize(size_t(count));
  for (int32_t i = 0; i < count; ++i) scratch[i] = line[i * step];
  const int32_t q = int32_t(kernel.size() / 2);
  for (int32_t i = 0; i < count; ++i) {
    int32_t sum = 0;
    for (int32_t d = -q; d <= q; ++d) sum += kernel[d + q] * scratch[std::clamp(i + d, 0, count - 1)];
    line[i * step] = uint8_t(std::min(sum / divisor, 255));
  }
}

// The contribution of one pixel to a blurred one.
struct Share {
  int32_t R = 0, G = 0, B = 0, A = 0;
};

uint32_t BlurPixel(const uint32_t* line, int32_t count, int32_t i) {
  Share main, secondary;
  const uint32_t* last = nullptr;  // the last visited pixel with alpha
  int32_t transparent = 0;
  for (int32_t pos : {i + 1, i, i - 1}) {
    const bool inside = pos >= 0 && pos < count;
    if (inside && (line[pos] >> 24) >= 1) {
      const uint32_t p = line[pos];
      last = &line[pos];
      main.A += int32_t(p >> 24) / 3 + 1;
      main.R += int32_t((p >> 16) & 0xFF) / 3;
      main.G += int32_t(((p >> 8) & 0xFF) * 256 + (p & 0xFF)) / 768;
      main.B += int32_t(p & 0xFF) / 3;
    } else if (last) {
      const uint32_t p = *last;
      secondary.R += int32_t((p >> 16) & 0xFF) / 3;
      secondary.G += int32_t(((p >> 8) & 0xFF) * 256 + (p & 0xFF)) / 768;
      secondary.B += int32_t(p & 0xFF) / 3;
      secondary.A += int32_t(p >> 24) / 3;
    } else {
      ++transparent;
    }
  }
  if (transparent > 0 && last) {
    const uint32_t p = *last;
    const int32_t div = 3 * transparent;
    secondary.R += int32_t((p >> 16) & 0xFF) / div;
    secondary.G += int32_t((p >> 8) & 0xFF) / div;
    secondary.B += int32_t(p & 0xFF) / div;
    secondary.A += int32_t(p >> 24) / div;
  }
  if (secondary.A != 0) {
    main.R += secondary.R;
    main.G += secondary.G;
    main.B += secondary.B;
  }
  if (main.A == 0) return 0;
  auto c = [](int32_t v) { return uint32_t(std::min(v, 255)); };
  return c(main.A) << 24 | c(main.R) << 16 | c(main.G) << 8 | c(main.B);
}

void BlurLine(std::vector<uint32_t>& line, std::vector<uint32_t>& out) {
  out.resize(line.size());
  for (size_t i = 0; i < line.size(); ++i) out[i] = BlurPixel(line.data(), int32_t(line.size()), int32_t(i));
}

}  // namespace

void GaussianBlur(GreyBuffer& buffer, double radius) {
  if (buffer.Empty() || !(radius > 0) || !std::isfinite(radius)) return;
  const std::vector<int32_t> kernel = GaussianKernel(radius);
  int32_t divisor = 0;
  for (int32_t w : kernel) divisor += w;
  std::vector<uint8_t> scratch;
  for (int32_t y = 0; y < buffer.Height(); ++y) ConvolveLine(buffer.Row(y), 1, buffer.Width(), kernel, divisor, scratch);
  for (int32_t x = 0; x < buffer.Width(); ++x)
    ConvolveLine(buffer.Row(0) + x, buffer.Width(), buffer.Height(), kernel, divisor, scratch);
}

void AlphaBoxBlur(PixelBuffer& buffer) {
  std::vector<uint32_t> line, out;
  for (int32_t y = 0; y < buffer.Height(); ++y) {
    uint32_t* row = buffer.Row(y);
    line.assign(row, row + buffer.Width());
    BlurLine(line, out);
    std::copy(out.begin(), out.end(), row);
  }
  for (int32_t x = 0; x < buffer.Width(); ++x) {
    line.resize(size_t(buffer.Height()));
    for (int32_t y = 0; y < buffer.Height(); ++y) line[y] = buffer.At(x, y);
    BlurLine(line, out);
    for (int32_t y = 0; y < buffer.Height(); ++y) buffer.At(x, y) = out[y];
  }
}

void ExtractChannel(const PixelBuffer& source, GreyBuffer& target, int channel) {
  if (channel < 0 || channel > 3) return;
  target.Resize(source.Width(), source.Height());
  for (int32_t y = 0; y < target.Height(); ++y) {
    const uint32_t* s = source.Row(y);
    uint8_t* t = target.Row(y);
    for (int32_t x = 0; x < target.Width(); ++x) t[x] = uint8_t(s[x] >> (8 * channel));
  }
}

void InsertChannel(PixelBuffer& target, const GreyBuffer& source, int channel) {
  if (channel < 0 || channel > 3) return;
  const int shift = 8 * channel;
  const int32_t w = std::min(target.Width(), source.Width()), h = std::min(target.Height(), source.Height());
  for (int32_t y = 0; y < h; ++y) {
    uint32_t* t = target.Row(y);
    const uint8_t* s = source.Row(y);
    for (int32_t x = 0; x < w; ++x) t[x] = (t[x] & ~(0xFFu << shift)) | uint32_t(s[x]) << shift;
  }
}
