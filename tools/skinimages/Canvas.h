#pragma once
// A small floating-point drawing surface for the skin image generator.
// Shapes are described by their exact or analytic coverage of each pixel
// square, so edges are anti-aliased without supersampling and the output is
// the same on every run. Colours are kept premultiplied while drawing.
#include <cstdint>
#include <functional>
#include <vector>

struct Rgb {
  uint8_t R = 0;
  uint8_t G = 0;
  uint8_t B = 0;
};

struct Rgba {
  double R = 0, G = 0, B = 0, A = 0;  // premultiplied, 0..1
};

// Coverage (0..1) of the pixel whose top-left corner is (x, y).
using Coverage = std::function<double(int x, int y)>;

class Canvas {
 public:
  Canvas() = default;
  Canvas(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgba At(int x, int y) const { return pixels_[Index(x, y)]; }

  // Source-over of a colour at opacity times the coverage of every pixel.
  void Paint(const Coverage& coverage, Rgb color, double opacity = 1.0);
  // Axis-aligned rectangle in pixel units (fractional edges are anti-aliased).
  void FillRect(double left, double top, double right, double bottom, Rgb color, double opacity = 1.0);
  // A rectangle outline of one pixel drawn inside the integer rectangle.
  void FrameRect(int left, int top, int right, int bottom, Rgb color);
  // Sets every pixel of a rectangle to a colour at full opacity (no blending).
  void SetRect(int left, int top, int right, int bottom, Rgb color);
  // Pixel-wise alpha (0..1, straight) of an effect colour: shadows and glows.
  void SetAlphaField(const std::function<double(double cx, double cy)>& alphaAtCentre, Rgb color);
  // Copies another canvas with its top-left corner at (x, y).
  void Place(const Canvas& source, int x, int y);

 private:
  size_t Index(int x, int y) const { return size_t(y) * size_t(width_) + size_t(x); }
  int width_ = 0;
  int height_ = 0;
  std::vector<Rgba> pixels_;
};

// Analytic coverages, all in pixel units with (0, 0) the top-left picture corner.
Coverage RectCoverage(double left, double top, double right, double bottom);
Coverage DiscCoverage(double cx, double cy, double radius);
Coverage RingCoverage(double cx, double cy, double outerRadius, double width);
// A stroke of the given width along a polyline, with flat joins rounded by the width.
Coverage PolylineCoverage(std::vector<std::pair<double, double>> points, double width);
// A circular arc from angle a0 to a1 (radians, clockwise on screen from the +x axis).
Coverage ArcCoverage(double cx, double cy, double radius, double a0, double a1, double width);
// A filled convex polygon given clockwise on screen.
Coverage ConvexPolygonCoverage(std::vector<std::pair<double, double>> points);

// Smooth falloff: 1 at t <= 0, 0 at t >= 1, zero slope at t = 1.
double FalloffCubic(double t);
