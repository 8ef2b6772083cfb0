#include "tools/skinimages/Canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

// Coverage from a signed distance (pixels, negative inside) at the pixel centre:
// a one-pixel-wide linear ramp across the edge.
double FromDistance(double signedDistance) { return Clamp01(0.5 - signedDistance); }

double Overlap(double a0, double a1, double b0, double b1) {
  return std::max(0.0, std::min(a1, b1) - std::max(a0, b0));
}

double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
  const double dx = bx - ax, dy = by - ay;
  const double lengthSquared = dx * dx + dy * dy;
  double t = lengthSquared > 0 ? ((px - ax) * dx + (py - ay) * dy) / lengthSquared : 0;
  t = Clamp01(t);
  const double ex = px - (ax + t * dx), ey = py - (ay + t * dy);
  return std::sqrt(ex * ex + ey * ey);
}

}  // namespace

Canvas::Canvas(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), pixels_(size_t(width_) * size_t(height_)) {}

void Canvas::Paint(const Coverage& coverage, Rgb color, double opacity) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const double a = Clamp01(coverage(x, y) * opacity);
      if (a <= 0) continue;
      Rgba& d = pixels_[Index(x, y)];
      d.R = color.R / 255.0 * a + d.R * (1 - a);
      d.G = color.G / 255.0 * a + d.G * (1 - a);
      d.B = color.B / 255.0 * a + d.B * (1 - a);
      d.A = a + d.A * (1 - a);
    }
  }
}

void Canvas::FillRect(double left, double top, double right, double bottom, Rgb color, double opacity) {
  Paint(RectCoverage(left, top, right, bottom), color, opacity);
}

void Canvas::FrameRect(int left, int top, int right, int bottom, Rgb color) {
  SetRect(left, top, right, top + 1, color);
  SetRect(left, bottom - 1, right, bottom, color);
  SetRect(left, top, left + 1, bottom, color);
  SetRect(right - 1, top, right, bottom, color);
}

void Canvas::SetRect(int left, int top, int right, int bottom, Rgb color) {
  for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y)
    for (int x = std::max(left, 0); x < std::min(right, width_); ++x)
      pixels_[Index(x, y)] = {color.R / 255.0, color.G / 255.0, color.B / 255.0, 1.0};
}

void Canvas::SetAlphaField(const std::function<double(double, double)>& alphaAtCentre, Rgb color) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const double a = Clamp01(alphaAtCentre(x + 0.5, y + 0.5));
      pixels_[Index(x, y)] = {color.R / 255.0 * a, color.G / 255.0 * a, color.B / 255.0 * a, a};
    }
  }
}

void Canvas::Place(const Canvas& source, int x, int y) {
  for (int sy = 0; sy < source.height_; ++sy) {
    const int ty = y + sy;
    if (ty < 0 || ty >= height_) continue;
    for (int sx = 0; sx < source.width_; ++sx) {
      const int tx = x + sx;
      if (tx >= 0 && tx < width_) pixels_[Index(tx, ty)] = source.pixels_[source.Index(sx, sy)];
    }
  }
}

Coverage RectCoverage(double left, double top, double right, double bottom) {
  return [=](int x, int y) { return Overlap(x, x + 1.0, left, right) * Overlap(y, y + 1.0, top, bottom); };
}

Coverage DiscCoverage(double cx, double cy, double radius) {
  return [=](int x, int y) { return FromDistance(std::hypot(x + 0.5 - cx, y + 0.5 - cy) - radius); };
}

Coverage RingCoverage(double cx, double cy, double outerRadius, double width) {
  const double middle = outerRadius - width / 2;
  return [=](int x, int y) {
    return FromDistance(std::fabs(std::hypot(x + 0.5 - cx, y + 0.5 - cy) - middle) - width / 2);
  };
}

Coverage PolylineCoverage(std::vector<std::pair<double, double>> points, double width) {
  return [points = std::move(points), width](int x, int y) {
    double best = 1e9;
    for (size_t i = 0; i + 1 < points.size(); ++i) {
      best = std::min(best, SegmentDistance(x + 0.5, y + 0.5, points[i].first, points[i].second,
                                            points[i + 1].first, points[i + 1].second));
    }
    return FromDistance(best - width / 2);
  };
}

Coverage ArcCoverage(double cx, double cy, double radius, double a0, double a1, double width) {
  return [=](int x, int y) {
    const double px = x + 0.5 - cx, py = y + 0.5 - cy;
    double angle = std::atan2(py, px);
    while (angle < a0) angle += 2 * std::numbers::pi;
    double distance;
    if (angle <= a1) {
      distance = std::fabs(std::hypot(px, py) - radius);
    } else {
      const double e0 = std::hypot(px - radius * std::cos(a0), py - radius * std::sin(a0));
      const double e1 = std::hypot(px - radius * std::cos(a1), py - radius * std::sin(a1));
      distance = std::min(e0, e1);
    }
    return FromDistance(distance - width / 2);
  };
}

Coverage ConvexPolygonCoverage(std::vector<std::pair<double, double>> points) {
  return [points = std::move(points)](int x, int y) {
    const double px = x + 0.5, py = y + 0.5;
    double inside = -1e9;  // largest signed distance to an edge line; positive outside
    for (size_t i = 0; i < points.size(); ++i) {
      const auto [ax, ay] = points[i];
      const auto [bx, by] = points[(i + 1) % points.size()];
      const double ex = bx - ax, ey = by - ay;
      const double length = std::hypot(ex, ey);
      if (length == 0) continue;
      // Clockwise on screen (y down): the outward normal is (ey, -ex).
      inside = std::max(inside, ((px - ax) * ey - (py - ay) * ex) / length);
    }
    return FromDistance(inside);
  };
}

double FalloffCubic(double t) {
  const double u = 1 - Clamp01(t);
  return u * u * u;
}
