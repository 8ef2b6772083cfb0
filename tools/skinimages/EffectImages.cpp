// Soft effects: the window shadow of the extended border, control glows and
// the engine's own fallback pictures. All are alpha fields computed per pixel
// centre from the distance to the element they surround.
#include <algorithm>
#include <cmath>

#include "tools/skinimages/SkinImages.h"

using namespace palette;

namespace {

// How far a shadow reaches beyond each side of the element (pixels) and how
// dark it is where it touches the element (alpha 0..1).
struct ShadowShape {
  double Left, Top, Right, Bottom;
  double Strength;
};

// Shadow around the element rectangle [l, r) x [t, b): separable falloff, so
// the edge pieces of a nine-slice are constant along their length.
double ShadowAlpha(double cx, double cy, double l, double t, double r, double b, const ShadowShape& s) {
  const double dx = cx < l ? (l - cx) / s.Left : (cx > r ? (cx - r) / s.Right : 0.0);
  const double dy = cy < t ? (t - cy) / s.Top : (cy > b ? (cy - b) / s.Bottom : 0.0);
  return s.Strength * FalloffCubic(dx) * FalloffCubic(dy);
}

// A shadow picture of `count` frames; the element fills all but `margin`
// pixels on every side, and its own area stays clear.
Canvas ShadowFrames(int margin, int middle, const std::vector<ShadowShape>& shapes) {
  const int size = 2 * margin + middle;
  return FrameStrip(size, size, int(shapes.size()), [&](Canvas& c, int i) {
    const double inner0 = margin, inner1 = margin + middle;
    c.SetAlphaField(
        [&](double cx, double cy) {
          const bool inside = cx > inner0 && cx < inner1 && cy > inner0 && cy < inner1;
          return inside ? 0.0 : ShadowAlpha(cx, cy, inner0, inner0, inner1, inner1, shapes[i]);
        },
        kBlack);
  });
}

// A glow ring of `reach` pixels around an element; the picture's borders are
// one pixel wider than the ring, and that innermost pixel (over the element's
// own outline) stays clear, matching a glow margin of 1.
Canvas Glow(int reach, double strength, Rgb color) {
  const int border = reach + 1;
  const int size = 2 * border + 1;
  Canvas c(size, size);
  const double inner0 = reach, inner1 = size - reach;
  c.SetAlphaField(
      [&](double cx, double cy) {
        const double dx = std::max({inner0 - cx, cx - inner1, 0.0});
        const double dy = std::max({inner0 - cy, cy - inner1, 0.0});
        if (dx == 0 && dy == 0) return 0.0;
        return strength * FalloffCubic(std::hypot(dx, dy) / (reach - 2));
      },
      color);
  return c;
}

// Mask of the blurred square behind the default outer effects: black (shown)
// in the middle, white (clear) at the edges, 5 pixels of smooth ramp.
Canvas BlurMask() {
  constexpr int kSize = 10;
  Canvas c(kSize, kSize);
  auto ramp = [](double edgeDistance) {
    const double s = std::clamp(edgeDistance / (kSize / 2.0), 0.0, 1.0);
    return s * s * (3 - 2 * s);
  };
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const double cover = ramp(std::min(x + 0.5, kSize - x - 0.5)) * ramp(std::min(y + 0.5, kSize - y - 0.5));
      const auto v = uint8_t(std::lround(255 * (1 - cover)));
      c.SetRect(x, y, x + 1, y + 1, {v, v, v});
    }
  }
  return c;
}

}  // namespace

std::vector<GeneratedImage> EffectImages() {
  std::vector<GeneratedImage> images;
  // Window shadow: 34-pixel margins, active and inactive, falling further below the window.
  images.push_back({"EXBORDER.PNG", ImageFormat::Png,
                    ShadowFrames(34, 20, {{22, 16, 22, 30, 0.30}, {14, 10, 14, 20, 0.18}})});
  images.push_back({"GLOWEDIT.PNG", ImageFormat::Png, Glow(10, 0.40, kAccent)});
  images.push_back({"GLOWBTN.PNG", ImageFormat::Png, Glow(10, 0.35, kAccent)});
  return images;
}

std::vector<GeneratedImage> EnginePictures() {
  std::vector<GeneratedImage> images;
  images.push_back({"BLUR5", ImageFormat::Bmp, BlurMask()});
  // Fallback window shadows with 9-pixel margins.
  images.push_back({"acSHDA", ImageFormat::Png, ShadowFrames(9, 1, {{8, 6, 8, 9, 0.30}})});
  images.push_back({"acSHDI", ImageFormat::Png, ShadowFrames(9, 1, {{6, 4, 6, 7, 0.16}})});
  images.push_back({"acGLOW", ImageFormat::Png, Glow(10, 0.40, kAccent)});
  images.push_back({"acHINT", ImageFormat::Png, ShadowFrames(6, 1, {{4, 3, 4, 6, 0.22}})});
  return images;
}
