#pragma once
// Colour values. A TColor is 0x00BBGGRR, or a system colour when the top byte
// is 0xFF (low bits: the system colour index). A pixel value is a TColor with
// red and blue exchanged: blue in bits 0-7, green 8-15, red 16-23, alpha 24-31.
#include <cstdint>

using TColor = uint32_t;

constexpr TColor clNone = 0x1FFFFFFF;     // no colour; as a filter key: skip nothing
constexpr TColor clFuchsia = 0x00FF00FF;  // the transparent key colour; as an argument: not set
constexpr TColor clBlack = 0x00000000;
constexpr TColor clWhite = 0x00FFFFFF;
constexpr TColor clSystemColor = 0xFF000000;
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor clWindow = 0xFF000005;
constexpr TColor clWindowText = 0xFF000008;
constexpr TColor clBtnText = 0xFF000012;
constexpr TColor clHighlight = 0xFF00000D;
constexpr TColor clHighlightText = 0xFF00000E;
constexpr TColor clGrayText = 0xFF000011;

// Exchanges bits 0-7 and 16-23; converts a TColor to the pixel value with the same top byte and back.
constexpr uint32_t ExchangeRedBlue(uint32_t c) {
  return (c & 0xFF00FF00u) | ((c & 0xFFu) << 16) | ((c >> 16) & 0xFFu);
}

constexpr uint8_t RedOf(TColor c) { return c & 0xFF; }
constexpr uint8_t GreenOf(TColor c) { return (c >> 8) & 0xFF; }
constexpr uint8_t BlueOf(TColor c) { return (c >> 16) & 0xFF; }
constexpr TColor RGBColor(uint8_t r, uint8_t g, uint8_t b) {
  return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}

// Where system colours come from: the system on Windows, fixed classic values natively.
class SystemColorSource {
 public:
  virtual ~SystemColorSource() = default;
  virtual TColor SystemColor(int index) const = 0;  // RGB value of a COLOR_* index
};

// The source in force; the Windows build installs one that asks the system.
const SystemColorSource& CurrentSystemColors();
void SetSystemColorSource(const SystemColorSource* source);  // nullptr restores the classic values

// Resolves a system colour to its current RGB value; RGB values pass unchanged.
TColor ResolveColor(TColor c);
