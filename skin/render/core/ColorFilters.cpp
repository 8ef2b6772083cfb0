#include "skin/render/core/ColorFilters.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t ChannelOf(uint32_t pixel, int shift) { return int32_t((pixel >> shift) & 0xFF); }
constexpr uint32_t ClampChannel(int64_t v) { return uint32_t(std::clamp<int64_t>(v, 0, 255)); }
constexpr uint32_t Pack(uint32_t pixel, uint32_t r, uint32_t g, uint32_t b) {
  return (pixel & 0xFF000000u) | r << 16 | g << 8 | b;
}
uint32_t TruncChannel(double v) { return uint32_t(std::clamp(v, 0.0, 255.0)); }

template <typename Filter>
void FilterPixels(PixelBuffer& buffer, TColor key, Filter filter) {
  const bool keyed = key != clNone;
  const uint32_t keyPixel = ExchangeRedBlue(key) & 0x00FFFFFFu;
  for (int32_t y = 0; y < buffer.Height(); ++y) {
    uint32_t* row = buffer.Row(y);
    for (int32_t x = 0; x < buffer.Width(); ++x)
      if (!keyed || row[x] != keyPixel) row[x] = filter(row[x]);
  }
}

}  // namespace

uint32_t Brighten(uint32_t pixel, int32_t b) {
  return Pack(pixel, ClampChannel(int64_t(ChannelOf(pixel, 16)) + b), ClampChannel(int64_t(ChannelOf(pixel, 8)) + b),
              ClampChannel(int64_t(ChannelOf(pixel, 0)) + b));
}

uint32_t Saturate(uint32_t pixel, int32_t s) {
  const int32_t r = ChannelOf(pixel, 16), g = ChannelOf(pixel, 8), b = ChannelOf(pixel, 0);
  const int64_t grey = (r + g + b) / 3;
  auto move = [&](int32_t c) { return ClampChannel(c - int64_t(s) * (grey - c) / 255); };
  return Pack(pixel, move(r), move(g), move(b));
}

uint32_t ShiftHue(uint32_t pixel, int32_t h) {
  const int32_t r = ChannelOf(pixel, 16), g = ChannelOf(pixel, 8), b = ChannelOf(pixel, 0);
  const int32_t v = std::max({r, g, b}), low = std::min({r, g, b});
  if (v == low) return pixel;  // saturation 0 (grey, black included)
  const double range = v - low, s = range / v;
  double hue = r == v ? 60.0 * (g - b) / range : g == v ? 120.0 + 60.0 * (b - r) / range : 240.0 + 60.0 * (r - g) / range;
  if (hue < 0) hue += 360;
  int64_t shifted = int64_t(std::trunc(hue + h)) % 360;
  if (shifted < 0) shifted += 360;
  const int64_t sector = shifted / 60;
  const double f = shifted / 60.0 - double(sector);
  const uint32_t vv = uint32_t(v), p = TruncChannel(v * (1 - s)), q = TruncChannel(v * (1 - f * s)),
                 t = TruncChannel(v * (1 - (1 - f) * s));
  switch (sector) {
    case 0: return Pack(pixel, vv, t, p);
    case 1: return Pack(pixel, q, vv, p);
    case 2: return Pack(pixel, p, vv, t);
    case 3: return Pack(pixel, p, q, vv);
    case 4: return Pack(pixel, t, p, vv);
    default: return Pack(pixel, vv, p, q);
  }
}

uint32_t ToneColor(uint32_t pixel, TColor tone) {
  const uint32_t m = uint32_t(std::max({ChannelOf(pixel, 16), ChannelOf(pixel, 8), ChannelOf(pixel, 0)}));
  return Pack(pixel, (RedOf(tone) * m) >> 8, (GreenOf(tone) * m) >> 8, (BlueOf(tone) * m) >> 8);
}

void ApplyPixelFilter(PixelBuffer& buffer, PixelFilter filter, int32_t parameter, TColor key) {
  switch (filter) {
    case PixelFilter::Brighten: return FilterPixels(buffer, key, [=](uint32_t p) { return Brighten(p, parameter); });
    case PixelFilter::Saturate: return FilterPixels(buffer, key, [=](uint32_t p) { return Saturate(p, parameter); });
    case PixelFilter::ShiftHue: return FilterPixels(buffer, key, [=](uint32_t p) { return ShiftHue(p, parameter); });
    case PixelFilter::ToneColor:
      return FilterPixels(buffer, key, [=](uint32_t p) { return ToneColor(p, TColor(parameter)); });
  }
}

TColor SaturateColor(TColor color, int32_t s) {
  return s == 0 ? color : ExchangeRedBlue(Saturate(ExchangeRedBlue(color), s));
}
TColor ShiftHueColor(TColor color, int32_t h) {
  return h == 0 ? color : ExchangeRedBlue(ShiftHue(ExchangeRedBlue(color), h));
}
TColor BrightenColor(TColor color, int32_t b) {
  return b == 0 ? color : ExchangeRedBlue(Brighten(ExchangeRedBlue(color), b));
}
TColor ToneColorOf(TColor color, TColor tone) { return ExchangeRedBlue(ToneColor(ExchangeRedBlue(color), tone)); }
