// Nine-slice borders: flat surfaces with one-pixel outlines. Every state image
// is as small as its borders allow; the painters stretch the middle parts.
#include <algorithm>
#include <cmath>

#include "tools/skinimages/SkinImages.h"

using namespace palette;

namespace {

// Which sides of a frame carry the outline colour; the others show the surface.
struct Sides {
  bool Left = true, Top = true, Right = true, Bottom = true;
};

// A frame filled with `surface` and outlined `width` pixels deep on the chosen sides.
void Outline(Canvas& c, Rgb line, Rgb surface, int width = 1, Sides sides = {}) {
  const int w = c.Width(), h = c.Height();
  c.SetRect(0, 0, w, h, surface);
  if (sides.Left) c.SetRect(0, 0, width, h, line);
  if (sides.Top) c.SetRect(0, 0, w, width, line);
  if (sides.Right) c.SetRect(w - width, 0, w, h, line);
  if (sides.Bottom) c.SetRect(0, h - width, w, h, line);
}

GeneratedImage Bordered(std::string name, int frame, std::vector<std::pair<Rgb, Rgb>> states, Sides sides = {}) {
  return {std::move(name), ImageFormat::Bmp, FrameStrip(frame, frame, int(states.size()), [&](Canvas& c, int i) {
            Outline(c, states[i].first, states[i].second, 1, sides);
          })};
}

// Push button: normal, hot, pressed and default, two pixels of border.
GeneratedImage Button() {
  return {"BUTTON.BMP", ImageFormat::Bmp, FrameStrip(5, 5, 4, [](Canvas& c, int i) {
            switch (i) {
              case 0: Outline(c, kButtonBorder, kButton); break;
              case 1: Outline(c, kAccent, kButtonHot); break;
              case 2: Outline(c, kAccentDark, kButtonPressed); break;
              default:  // the default button: a two-pixel accent outline
                Outline(c, kAccent, kButton, 2);
                break;
            }
          })};
}

// A pill-shaped toggle track: anti-aliased ends over whatever lies behind.
GeneratedImage Switch(std::string name, bool on) {
  constexpr int kW = 21, kH = 20;  // ten-pixel ends, one stretched middle column
  return {std::move(name), ImageFormat::MaskedBmp, FrameStrip(kW, kH, 3, [on](Canvas& c, int i) {
            const Rgb line = on ? (i == 2 ? kAccentDark : kAccent) : (i == 0 ? kGlyph : kBlack);
            const Rgb fill = on ? line : (i == 2 ? kTitlePressed : kWhite);
            // Distance to the segment joining the centres of the two round ends.
            auto pill = [](double inset) {
              return [inset](int x, int y) {
                constexpr double r = kH / 2.0;
                const double px = x + 0.5, py = y + 0.5;
                const double cx = std::clamp(px, r, kW - r);
                return std::clamp(r - inset + 0.5 - std::hypot(px - cx, py - r), 0.0, 1.0);
              };
            };
            c.Paint(pill(0), line);
            c.Paint(pill(2), fill);
          })};
}

// The round knob of a toggle.
GeneratedImage Knob(std::string name, bool on) {
  constexpr int kSize = 10;
  return {std::move(name), ImageFormat::MaskedBmp, FrameStrip(kSize, kSize, 3, [on](Canvas& c, int i) {
            const Rgb color = on ? kWhite : (i == 0 ? kGlyph : kBlack);
            c.Paint(DiscCoverage(kSize / 2.0, kSize / 2.0, kSize / 2.0), color);
          })};
}

}  // namespace

std::vector<GeneratedImage> FrameImages() {
  std::vector<GeneratedImage> images;
  // Window frame: inactive, active.
  images.push_back(Bordered("FORM.BMP", 3, {{kInactiveBorder, kFace}, {kAccent, kFace}}));
  // Caption bar: the frame line on three sides, open towards the client area.
  images.push_back(Bordered("FORMTITLE.BMP", 3, {{kInactiveBorder, kWhite}, {kAccent, kWhite}},
                            {true, true, true, false}));
  images.push_back(Bordered("EDIT.BMP", 3, {{kEditBorder, kWhite}, {kAccent, kWhite}, {kAccent, kWhite}}));
  images.push_back(Button());
  // Shown only when hot or pressed.
  images.push_back(Bordered("TOOLBUTTON.BMP", 3,
                            {{kToolHotBorder, kToolHot}, {kToolHotBorder, kToolHot}, {kToolPressedBorder, kToolHotBorder}}));
  images.push_back(Bordered("MENULINE.BMP", 3,
                            {{kToolHotBorder, kToolHot}, {kToolHotBorder, kToolHot}, {kToolPressedBorder, kToolHotBorder}}));
  images.push_back(Bordered("SCROLLBTN.BMP", 3, {{kScrollHot, kScrollHot}, {kScrollHot, kScrollHot}, {kArrow, kArrow}}));
  // Thumb: a one-pixel track-coloured gap around the grip.
  images.push_back(Bordered("SCROLLSLIDER.BMP", 3, {{kFace, kThumb}, {kFace, kThumbHot}, {kFace, kArrow}}));
  images.push_back({"MAINMENU.BMP", ImageFormat::Bmp, FrameStrip(7, 7, 1, [](Canvas& c, int) {
                      Outline(c, kMenuBorder, kMenu);
                    })});
  // Menu divider: a one-pixel line over the menu surface (2 pixels high in all).
  images.push_back({"DIVIDERV.BMP", ImageFormat::Bmp, FrameStrip(3, 2, 1, [](Canvas& c, int) {
                      c.SetRect(0, 0, 3, 1, kSeparator);
                      c.SetRect(0, 1, 3, 2, kMenu);
                    })});
  // Tool bar divider: a dark and a light column.
  images.push_back({"DIVIDER.BMP", ImageFormat::Bmp, FrameStrip(2, 3, 1, [](Canvas& c, int) {
                      c.SetRect(0, 0, 1, 3, kSeparator);
                      c.SetRect(1, 0, 2, 3, kWhite);
                    })});
  images.push_back(Bordered("HINT.BMP", 3, {{{118, 118, 118}, kWhite}}));
  // Tabs: normal, hot, selected; open towards the page.
  const std::vector<std::pair<Rgb, Rgb>> tabStates{{kLightLine, kFace}, {kTabHotBorder, kTabHot}, {kLightLine, kWhite}};
  images.push_back(Bordered("TABTOP.BMP", 3, tabStates, {true, true, true, false}));
  images.push_back(Bordered("TABBOTTOM.BMP", 3, tabStates, {true, false, true, true}));
  images.push_back(Bordered("TABLEFT.BMP", 3, tabStates, {true, true, false, true}));
  images.push_back(Bordered("TABRIGHT.BMP", 3, tabStates, {false, true, true, true}));
  images.push_back(Bordered("PAGECONTROL.BMP", 3, {{kLightLine, kWhite}}));
  images.push_back(Bordered("GAUGE.BMP", 3, {{{188, 188, 188}, {230, 230, 230}}}));
  images.push_back(Bordered("GROUPBOX.BMP", 3, {{{220, 220, 220}, kFace}}));
  images.push_back(Bordered("PANEL_LOW.BMP", 3, {{kMenuBorder, kWhite}}));
  // Status bar: a separator line along the top only.
  images.push_back(Bordered("STATUSBAR.BMP", 3, {{kSeparator, kFace}}, {false, true, false, false}));
  images.push_back(Bordered("SLIDERCHANNEL.BMP", 3, {{{214, 214, 214}, {231, 234, 234}}}));
  // Column header: a separator on the right.
  images.push_back(Bordered("COLHEADER.BMP", 3,
                            {{{229, 229, 229}, kWhite}, {{193, 220, 243}, {217, 235, 249}}, {{145, 193, 233}, {188, 220, 244}}},
                            {false, false, true, false}));
  images.push_back(Switch("SWITCHOFF.BMP", false));
  images.push_back(Switch("SWITCHON.BMP", true));
  images.push_back(Knob("KNOBOFF.BMP", false));
  images.push_back(Knob("KNOBON.BMP", true));
  return images;
}
