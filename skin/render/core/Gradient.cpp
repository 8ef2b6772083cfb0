#include "skin/render/core/Gradient.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

#include "skin/render/core/Raster.h"
#include "skin/render/core/SkinError.h"

namespace {

constexpr size_t kFieldsPerStep = 5;

int32_t ParseIntField(std::string_view field) {
  int32_t value = 0;
  const char* first = field.data();
  const char* last = field.data() + field.size();
  if (first != last && *first == '+') ++first;  // from_chars takes '-' only
  const auto [end, error] = std::from_chars(first, last, value);
  if (first == last || error != std::errc() || end != last)
    throw ESkinError("'" + std::string(field) + "' is not a valid integer value");
  return value;
}

// The painted area after clipping, with the last column and row that bands end on.
struct GradientArea {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  int32_t W() const { return Right - Left; }
  int32_t H() const { return Bottom - Top; }
  int32_t LastColumn() const { return Right - 1; }
  int32_t LastRow() const { return Bottom - 1; }
};

bool ClipArea(const PixelBuffer& buffer, const TRect& rect, GradientArea& area) {
  if (rect.IsEmpty()) return false;
  area = {std::max(rect.Left, 0), std::max(rect.Top, 0), std::min(rect.Right, buffer.Width()),
          std::min(rect.Bottom, buffer.Height())};
  return area.W() > 0 && area.H() > 0;
}

uint32_t OpaquePixel(double r, double g, double b) {
  auto c = [](double v) { return uint32_t(std::clamp(std::trunc(v), 0.0, 255.0)); };
  return 0xFF000000u | c(r) << 16 | c(g) << 8 | c(b);
}

// Calls put(i, pixel) for i = 0..n: each channel starts at c1 and grows by
// (c2 - c1) / n per step in floating point, truncated.
template <typename Put>
void Ramp(TColor c1, TColor c2, int32_t n, Put put) {
  double r = RedOf(c1), g = GreenOf(c1), b = BlueOf(c1);
  if (n == 0 || (c1 & 0xFFFFFF) == (c2 & 0xFFFFFF)) {
    const uint32_t pixel = OpaquePixel(r, g, b);
    for (int32_t i = 0; i <= n; ++i) put(i, pixel);
    return;
  }
  const double dr = (RedOf(c2) - r) / n, dg = (GreenOf(c2) - g) / n, db = (BlueOf(c2) - b) / n;
  for (int32_t i = 0; i <= n; ++i, r += dr, g += dg, b += db) put(i, OpaquePixel(r, g, b));
}

// The bands of modes 0 (rows) and 1 (columns) from first to last: band(start,
// end, step) for every band with end > start. A band's end is shared with the
// next band's start, and the last band always ends at last. An area one pixel
// long has only empty bands; its last band paints it, so that it is not left
// unpainted.
template <typename Band>
void ForEachBand(const TsGradArray& gradient, bool horizontal, int32_t first, int32_t last, int32_t length,
                 Band band) {
  int32_t end = first;
  for (size_t k = 0; k < gradient.size(); ++k) {
    const int32_t start = end;
    const int32_t percent = gradient[k].Percent;
    end = horizontal ? int32_t(std::trunc(percent * (length / 100.0) + start)) : start + length * percent / 100;
    const bool lastStep = k + 1 == gradient.size();
    end = lastStep ? last : std::min(end, last);
    if (end > start || (lastStep && first == last)) band(start, end, gradient[k]);
  }
}

// Mode 1: the colours of the columns, written into row area.Top.
void PaintColumnColours(PixelBuffer& buffer, const GradientArea& area, const TsGradArray& gradient) {
  uint32_t* row = buffer.Row(area.Top);
  ForEachBand(gradient, true, area.Left, area.LastColumn(), area.W(), [&](int32_t start, int32_t end, const TsGradPoint& p) {
    Ramp(p.Color1, p.Color2, end - start, [&](int32_t i, uint32_t pixel) { row[start + i] = pixel; });
  });
}

void CopyRowDown(PixelBuffer& buffer, const GradientArea& area, int32_t from, int32_t to) {
  std::memcpy(buffer.Row(to) + area.Left, buffer.Row(from) + area.Left, size_t(area.W()) * 4);
}

uint32_t ToTriangleChannel(uint32_t byte) { return byte << 8; }

GradientVertex Vertex(int32_t x, int32_t y, TColor c) {
  return {x, y, uint16_t(ToTriangleChannel(RedOf(c))), uint16_t(ToTriangleChannel(GreenOf(c))),
          uint16_t(ToTriangleChannel(BlueOf(c))), 0xFF00};
}

void PaintTriangles(PixelBuffer& buffer, const GradientArea& area, const TsGradArray& gradient) {
  TColor colours[5];
  for (size_t k = 0; k < 5; ++k) colours[k] = k < gradient.size() ? gradient[k].Color1 : colours[k - 1];
  const GradientVertex v[5] = {Vertex(area.Left, area.Top, colours[0]),
                               Vertex(area.Left + area.W() / 2, area.Top + area.H() / 2, colours[1]),
                               Vertex(area.Right, area.Top, colours[2]), Vertex(area.Right, area.Bottom, colours[3]),
                               Vertex(area.Left, area.Bottom, colours[4])};
  FillGradientTriangle(buffer, v[0], v[1], v[2]);
  FillGradientTriangle(buffer, v[1], v[2], v[3]);
  FillGradientTriangle(buffer, v[0], v[1], v[4]);
  FillGradientTriangle(buffer, v[4], v[1], v[3]);
}

// One channel of the texture mix: (w * (t - g) + g * 256) >> 8.
uint32_t MixTexture(uint32_t g, uint32_t t, uint32_t weight, uint32_t alpha) {
  uint32_t out = alpha << 24;
  for (int shift = 0; shift < 24; shift += 8) {
    const uint32_t gc = (g >> shift) & 0xFF, tc = (t >> shift) & 0xFF;
    out |= ((weight * tc + (256 - weight) * gc) >> 8) << shift;
  }
  return out;
}

}  // namespace

TsGradArray ParseGradient(std::string_view text) {
  std::vector<std::string_view> fields;
  for (size_t pos = 0; pos < text.size();) {
    const size_t next = std::min(text.find(';', pos), text.size());
    if (next > pos) fields.push_back(text.substr(pos, next - pos));
    pos = next + 1;
  }
  TsGradArray steps(fields.size() / kFieldsPerStep);
  for (size_t i = 0; i < steps.size(); ++i) {
    const std::string_view* f = &fields[i * kFieldsPerStep];
    steps[i].Color1 = ResolveColor(TColor(ParseIntField(f[0])));
    steps[i].Color2 = ResolveColor(TColor(ParseIntField(f[1])));
    steps[i].Percent = uint8_t(std::clamp(ParseIntField(f[2]), 0, 100));
    steps[i].Mode = ParseIntField(f[3]);
  }
  return steps;
}

void PaintGradient(PixelBuffer& buffer, const TRect& rect, const TsGradArray& gradient) {
  GradientArea area;
  if (gradient.empty() || !ClipArea(buffer, rect, area)) return;
  switch (gradient[0].Mode) {
    case 0:
      ForEachBand(gradient, false, area.Top, area.LastRow(), area.H(), [&](int32_t start, int32_t end, const TsGradPoint& p) {
        Ramp(p.Color1, p.Color2, end - start,
             [&](int32_t i, uint32_t pixel) { std::fill_n(buffer.Row(start + i) + area.Left, area.W(), pixel); });
      });
      break;
    case 1:
      PaintColumnColours(buffer, area, gradient);
      for (int32_t y = area.Top + 1; y < area.Bottom; ++y) CopyRowDown(buffer, area, area.Top, y);
      break;
    case 2:
      PaintTriangles(buffer, area, gradient);
      break;
    default:
      break;
  }
}

void PaintGradientWithTexture(PixelBuffer& buffer, const TRect& rect, const TsGradArray& gradient, uint8_t alpha,
                              int textureWeight, const TRect& textureRect, const PixelBuffer& textureImage) {
  const TRect tr = textureRect.IsEmpty() ? textureImage.Bounds() : textureRect;
  // The tile ends one pixel before the image's right and bottom edges when it would reach them.
  const int32_t tw = std::min(tr.Width(), textureImage.Width() - 1 - tr.Left);
  const int32_t th = std::min(tr.Height(), textureImage.Height() - 1 - tr.Top);
  GradientArea area;
  if (tw <= 0 || th <= 0 || tr.Left < 0 || tr.Top < 0 || gradient.empty() || !ClipArea(buffer, rect, area)) return;
  const uint32_t weight = uint32_t(std::clamp(textureWeight, 0, 255));
  auto texel = [&](int32_t x, int32_t y) { return textureImage.At(tr.Left + x % tw, tr.Top + y % th); };
  switch (gradient[0].Mode) {
    case 0:
      ForEachBand(gradient, false, area.Top, area.LastRow(), area.H(), [&](int32_t start, int32_t end, const TsGradPoint& p) {
        Ramp(p.Color1, p.Color2, end - start, [&](int32_t i, uint32_t g) {
          const int32_t y = start + i;
          uint32_t* row = buffer.Row(y);
          for (int32_t x = area.Left; x < area.Right; ++x) row[x] = MixTexture(g, texel(x, y), weight, alpha);
        });
      });
      break;
    case 1: {
      PaintColumnColours(buffer, area, gradient);
      const uint32_t* colours = buffer.Row(area.Top);
      const int32_t block = std::min(th, area.H());
      // Row Top holds the column colours, so it is mixed last.
      for (int32_t n = 1; n <= block; ++n) {
        const int32_t y = area.Top + n % block;
        uint32_t* row = buffer.Row(y);
        for (int32_t x = area.Left; x < area.Right; ++x) row[x] = MixTexture(colours[x], texel(x, y), weight, alpha);
      }
      // The texture repeats every th rows, and so does the finished block.
      for (int32_t y = area.Top + block; y < area.Bottom; ++y) CopyRowDown(buffer, area, y - block, y);
      break;
    }
    default:
      break;
  }
}
