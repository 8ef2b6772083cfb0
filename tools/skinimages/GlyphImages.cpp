// Glyphs: check boxes, radio buttons, title buttons, arrows and grips. Each
// is a masked picture so that its anti-aliased edges blend with whatever the
// control lies on. State images: normal, hot, pressed.
#include <cmath>
#include <numbers>

#include "tools/skinimages/SkinImages.h"

using namespace palette;

namespace {

constexpr double kPi = std::numbers::pi;

struct StateLook {
  Rgb Border, Fill, Mark;
};

// Check box and radio looks for the three states.
constexpr StateLook kBoxLooks[3] = {
    {kGlyph, kWhite, kGlyph},
    {kAccent, kWhite, kAccent},
    {kAccentDark, kButtonPressed, kAccentDark},
};

enum class BoxMark { None, Check, Grayed };

// A square box of `size` pixels with a one-pixel outline.
GeneratedImage CheckBox(std::string name, int size, BoxMark mark) {
  return {std::move(name), ImageFormat::MaskedBmp, FrameStrip(size, size, 3, [=](Canvas& c, int i) {
            const StateLook& look = kBoxLooks[i];
            c.SetRect(0, 0, size, size, look.Border);
            c.SetRect(1, 1, size - 1, size - 1, look.Fill);
            const double s = size / 13.0;  // drawn for 13 pixels, scaled for the small set
            if (mark == BoxMark::Check) {
              c.Paint(PolylineCoverage({{3.0 * s, 6.6 * s}, {5.4 * s, 9.0 * s}, {10.0 * s, 4.0 * s}}, 1.4), look.Mark);
            } else if (mark == BoxMark::Grayed) {
              c.SetRect(3, 3, size - 3, size - 3, look.Mark);
            }
          })};
}

GeneratedImage Radio(std::string name, bool checked) {
  constexpr int kSize = 13;
  return {std::move(name), ImageFormat::MaskedBmp, FrameStrip(kSize, kSize, 3, [=](Canvas& c, int i) {
            const StateLook& look = kBoxLooks[i];
            constexpr double kCentre = kSize / 2.0;
            c.Paint(DiscCoverage(kCentre, kCentre, kCentre), look.Border);
            c.Paint(DiscCoverage(kCentre, kCentre, kCentre - 1), look.Fill);
            if (checked) c.Paint(DiscCoverage(kCentre, kCentre, 3.0), look.Mark);
          })};
}

// Title buttons: 46 x 29 pixels (the caption is 30 high and keeps its top
// frame line); the glyph is a 10 x 10 drawing in the middle.
constexpr int kTitleW = 46, kTitleH = 29;
constexpr double kGlyphX = 18, kGlyphY = 10;

enum class TitleGlyph { Close, Maximize, Restore, Minimize, Help, None };

void DrawTitleGlyph(Canvas& c, TitleGlyph glyph, Rgb color) {
  const double x = kGlyphX, y = kGlyphY;
  switch (glyph) {
    case TitleGlyph::Close:
      c.Paint(PolylineCoverage({{x, y}, {x + 10, y + 10}}, 1.0), color);
      c.Paint(PolylineCoverage({{x + 10, y}, {x, y + 10}}, 1.0), color);
      break;
    case TitleGlyph::Maximize:
      c.FrameRect(int(x), int(y), int(x) + 10, int(y) + 10, color);
      break;
    case TitleGlyph::Restore:  // a front window and the edges of the one behind it
      c.FrameRect(int(x), int(y) + 2, int(x) + 8, int(y) + 10, color);
      c.SetRect(int(x) + 2, int(y), int(x) + 10, int(y) + 1, color);
      c.SetRect(int(x) + 9, int(y), int(x) + 10, int(y) + 8, color);
      c.SetRect(int(x) + 2, int(y), int(x) + 3, int(y) + 2, color);
      c.SetRect(int(x) + 8, int(y) + 7, int(x) + 10, int(y) + 8, color);
      break;
    case TitleGlyph::Minimize:
      c.SetRect(int(x), int(y) + 5, int(x) + 10, int(y) + 6, color);
      break;
    case TitleGlyph::Help:  // a hook of three quarters of a circle, a stem and a dot
      c.Paint(ArcCoverage(x + 5, y + 2.8, 2.8, kPi, 2.5 * kPi, 1.1), color);
      c.Paint(PolylineCoverage({{x + 5, y + 5.6}, {x + 5, y + 7.2}}, 1.1), color);
      c.Paint(DiscCoverage(x + 5, y + 9.4, 0.75), color);
      break;
    case TitleGlyph::None:
      break;
  }
}

// `padRight` transparent columns widen the picture to the right: the close
// button of the big set then ends at the frame line although its layout box
// reaches into the shadow margin (see BIRIGHT in the options text).
GeneratedImage TitleButton(std::string name, TitleGlyph glyph, bool close, int padRight = 0) {
  return {std::move(name), ImageFormat::MaskedBmp,
          FrameStrip(kTitleW + padRight, kTitleH, 3, [=](Canvas& c, int i) {
            if (i > 0) {
              const Rgb surface = close ? (i == 1 ? kCloseHot : kClosePressed) : (i == 1 ? kTitleHot : kTitlePressed);
              c.SetRect(0, 0, kTitleW, kTitleH, surface);
            }
            DrawTitleGlyph(c, glyph, close && i > 0 ? kWhite : kBlack);
          })};
}

// Chevron of drop-down buttons, 16 x 16.
GeneratedImage ComboGlyph() {
  return {"COMBOGLYPH.BMP", ImageFormat::MaskedBmp, FrameStrip(16, 16, 3, [](Canvas& c, int i) {
            c.Paint(PolylineCoverage({{3.5, 6.0}, {8.0, 10.5}, {12.5, 6.0}}, 1.2), i == 0 ? kArrow : kBlack);
          })};
}

// Solid scroll arrows, 9 x 9, pointing in the named direction; white when pressed.
GeneratedImage Arrow(std::string name, std::vector<std::pair<double, double>> triangle) {
  return {std::move(name), ImageFormat::MaskedBmp, FrameStrip(9, 9, 3, [triangle](Canvas& c, int i) {
            c.Paint(ConvexPolygonCoverage(triangle), i == 0 ? kArrow : (i == 1 ? kBlack : kWhite));
          })};
}

GeneratedImage Solid(std::string name, int w, int h, std::vector<Rgb> states) {
  return {std::move(name), ImageFormat::MaskedBmp,
          FrameStrip(w, h, int(states.size()), [&](Canvas& c, int i) { c.SetRect(0, 0, w, h, states[i]); })};
}

// Grip dots of 2 x 2 pixels on a 3-pixel pitch, where `keep` allows.
GeneratedImage Dots(std::string name, int columns, int rows, bool (*keep)(int, int, int, int)) {
  return {std::move(name), ImageFormat::MaskedBmp, FrameStrip(columns * 3, rows * 3, 1, [=](Canvas& c, int) {
            for (int j = 0; j < rows; ++j)
              for (int i = 0; i < columns; ++i)
                if (keep(i, j, columns, rows)) c.SetRect(i * 3 + 1, j * 3 + 1, i * 3 + 3, j * 3 + 3, {184, 184, 184});
          })};
}

}  // namespace

std::vector<GeneratedImage> GlyphImages() {
  std::vector<GeneratedImage> images;
  images.push_back(CheckBox("BOXUNCHECKED.BMP", 13, BoxMark::None));
  images.push_back(CheckBox("BOXCHECKED.BMP", 13, BoxMark::Check));
  images.push_back(CheckBox("BOXGRAYED.BMP", 13, BoxMark::Grayed));
  images.push_back(CheckBox("SMALLUNCHECKED.BMP", 11, BoxMark::None));
  images.push_back(CheckBox("SMALLCHECKED.BMP", 11, BoxMark::Check));
  images.push_back(CheckBox("SMALLGRAYED.BMP", 11, BoxMark::Grayed));
  images.push_back(Radio("RADIOUNCHECKED.BMP", false));
  images.push_back(Radio("RADIOCHECKED.BMP", true));
  images.push_back({"CHECK.BMP", ImageFormat::MaskedBmp, FrameStrip(16, 16, 1, [](Canvas& c, int) {
                      c.Paint(PolylineCoverage({{4.0, 8.5}, {7.0, 11.5}, {12.5, 5.0}}, 1.3), kBlack);
                    })});
  images.push_back(TitleButton("BICONCLOSE.BMP", TitleGlyph::Close, true, 4));
  images.push_back(TitleButton("SICONCLOSE.BMP", TitleGlyph::Close, true));
  images.push_back(TitleButton("BICONMAX.BMP", TitleGlyph::Maximize, false));
  images.push_back(TitleButton("BICONNORM.BMP", TitleGlyph::Restore, false));
  images.push_back(TitleButton("BICONMIN.BMP", TitleGlyph::Minimize, false));
  images.push_back(TitleButton("BICONHELP.BMP", TitleGlyph::Help, false));
  images.push_back(TitleButton("TITLEBUTTON.BMP", TitleGlyph::None, false));
  images.push_back(ComboGlyph());
  images.push_back(Arrow("ARROWLEFT.BMP", {{2.5, 4.5}, {6.0, 1.0}, {6.0, 8.0}}));
  images.push_back(Arrow("ARROWUP.BMP", {{4.5, 2.5}, {8.0, 6.0}, {1.0, 6.0}}));
  images.push_back(Arrow("ARROWRIGHT.BMP", {{6.5, 4.5}, {3.0, 8.0}, {3.0, 1.0}}));
  images.push_back(Arrow("ARROWDOWN.BMP", {{1.0, 3.0}, {8.0, 3.0}, {4.5, 6.5}}));
  images.push_back(Solid("SLIDERMASK.BMP", 11, 21, {kAccent, {23, 23, 23}, kTitlePressed}));
  images.push_back(Solid("SLIDERVMASK.BMP", 21, 11, {kAccent, {23, 23, 23}, kTitlePressed}));
  images.push_back(Solid("TICKHORZ.BMP", 1, 4, {{196, 196, 196}}));
  images.push_back(Solid("TICKVERT.BMP", 4, 1, {{196, 196, 196}}));
  images.push_back(Dots("GRIPIMAGE.BMP", 4, 4, [](int i, int j, int c, int) { return i + j >= c - 1; }));
  images.push_back(Dots("GRIPHORZ.BMP", 4, 2, [](int, int, int, int) { return true; }));
  images.push_back(Dots("GRIPVERT.BMP", 2, 4, [](int, int, int, int) { return true; }));
  return images;
}
