#pragma once
// Small synthetic skins for the painter tests: pictures written as letter
// maps, a section table and image records, and a pixel comparison that saves
// the painted picture as a PNG when it fails.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/render/core/PixelBuffer.h"
#include "skin/paint/SkinPaintView.h"
#include "tests/render/TestPictures.h"

// Pixel of a letter: '.' opaque black, 'K' the key pixel (magenta, alpha 0),
// '0'..'9' opaque greys (digit * 255 / 9, so '0' is black and '9' white: mask
// bytes), other letters distinct opaque colours.
uint32_t Px(char c);

using Rows = std::vector<std::string>;

// A picture from equally long rows of letters.
PixelBuffer Picture(const Rows& rows);

// Succeeds when every pixel equals the letter map; otherwise names the first
// differences and writes the picture to paint-failures/<name>.png.
testing::AssertionResult PixelsAre(const PixelBuffer& actual, const Rows& expected, const std::string& name);
testing::AssertionResult PixelsEqual(const PixelBuffer& actual, const PixelBuffer& expected, const std::string& name);

struct TestSkin {
  TsGeneralDataArray Sections;
  TsMaskArray Masks;
  PixelBuffer Master;

  SkinPaintView View() const { return {&Sections, &Masks, &Master, true}; }
  // Adds a record owned by the test's manager; returns its index.
  int32_t AddMask(TsMaskData mask);
  int32_t AddSection(TsGeneralData section);
};

// A record over rect of the master bitmap.
TsMaskData MaskOf(TRect source, int16_t frameCount, int16_t maskRows, int16_t paintMode, int16_t l, int16_t t,
                  int16_t r, int16_t b);
// A section of one state record in all three states.
TsGeneralData SectionOf(TColor color, int32_t transparency = 0);
