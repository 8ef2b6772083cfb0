#include "tools/appicon/AppIcon.h"

#include <algorithm>
#include <cmath>

#include "tools/skinimages/SkinImages.h"

namespace {

using namespace palette;

// The picture is laid out on a 32 x 32 grid; edges sit on even grid lines, so
// they fall on whole pixels at 16, 32, 48 and 256 pixels and stay sharp.
constexpr double kLeft = 4, kTop = 2, kRight = 24, kBottom = 30, kFold = 8;
constexpr double kBadgeX = 22, kBadgeY = 22, kBadgeRadius = 8, kBadgeGap = 1.5;
constexpr Rgb kPageLine{122, 122, 122};
constexpr Rgb kFoldFace{218, 218, 218};
constexpr Rgb kTextLine{170, 170, 170};

}  // namespace

Canvas DrawAppIcon(int size) {
  Canvas c(size, size);
  const double u = size / 32.0;
  // One pixel outlines up to 48 pixels, then growing with the picture.
  const double line = std::max(1.0, std::round(size / 40.0));

  // The page: its outline colour, then its white face inset by the outline.
  // The inset of the 45-degree fold edge moves its ends by line * (sqrt 2 - 1).
  const double foldX = (kRight - kFold) * u, foldY = (kTop + kFold) * u;
  const double left = kLeft * u, top = kTop * u, right = kRight * u, bottom = kBottom * u;
  const double slant = line * (std::sqrt(2.0) - 1);
  c.Paint(ConvexPolygonCoverage({{left, top}, {foldX, top}, {right, foldY}, {right, bottom}, {left, bottom}}),
          kPageLine);
  c.Paint(ConvexPolygonCoverage({{left + line, top + line},
                                 {foldX - slant, top + line},
                                 {right - line, foldY + slant},
                                 {right - line, bottom - line},
                                 {left + line, bottom - line}}),
          kWhite);
  // The folded corner, shaded inside the page's slanted outline, with its inner edges in the outline colour.
  const double diagonalInset = line * std::sqrt(2.0);
  c.Paint(ConvexPolygonCoverage({{foldX, top + diagonalInset}, {right - diagonalInset, foldY}, {foldX, foldY}}),
          kFoldFace);
  c.FillRect(foldX, top, foldX + line, foldY, kPageLine);
  c.FillRect(foldX, foldY - line, right, foldY, kPageLine);

  // Lines of text, whole pixels high; the first stops short of the fold.
  const double textLeft = 8 * u;
  const double textRows[][2] = {{10, 14}, {14, 20}, {18, 20}, {22, 14}};
  for (const auto& row : textRows) {
    const double y = row[0] * u;
    c.FillRect(textLeft, y, row[1] * u, y + std::max(1.0, std::round(u * 1.5)), kTextLine);
  }

  // The badge: a white gap that parts it from the page, the accent disc and a white tick.
  c.Paint(DiscCoverage(kBadgeX * u, kBadgeY * u, (kBadgeRadius + kBadgeGap) * u), kWhite);
  c.Paint(DiscCoverage(kBadgeX * u, kBadgeY * u, kBadgeRadius * u), kAccent);
  c.Paint(PolylineCoverage({{17.6 * u, 22.4 * u}, {20.8 * u, 25.6 * u}, {26.4 * u, 19.2 * u}}, std::max(1.4, 2.4 * u)),
          kWhite);
  return c;
}
