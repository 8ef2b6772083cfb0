// The skin text writers with real GDI text (under Wine): text written into
// per-pixel-alpha pictures must come out with alpha where it covers, and
// text written straight into an opaque picture must leave it opaque.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

#include "skin/controls/SkinTextOutputWin.h"
#include "skin/render/core/Blend.h"
#include "skin/render/core/PixelBufferDc.h"
#include "toolkit/Cp1251.h"
#include "tools/PngWriter.h"

namespace {

constexpr uint32_t kFlags = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX;

class GdiText : public ::testing::Test {
 protected:
  void SetUp() override {
    font_ = CreateFontW(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, ANTIALIASED_QUALITY, 0, L"Tahoma");
    ASSERT_NE(font_, nullptr);
  }
  void TearDown() override { DeleteObject(font_); }

  // Saves the picture composed over a light grey for a person to look at.
  static void Save(const PixelBuffer& picture, const std::string& name) {
    PixelBuffer shown(picture.Width(), picture.Height());
    for (int32_t y = 0; y < picture.Height(); ++y)
      for (int32_t x = 0; x < picture.Width(); ++x) {
        const uint32_t p = picture.At(x, y), a = p >> 24;
        uint32_t out = 0xFF000000u;
        for (int c = 0; c < 24; c += 8)  // premultiplied over 0xE0
          out |= std::min(255u, ((p >> c) & 0xFF) + (0xE0 * (255 - a)) / 255) << c;
        shown.At(x, y) = out;
      }
    std::filesystem::create_directories("text-pictures");
    WritePngFile("text-pictures/" + name + ".png", shown);
  }

  HFONT font_ = nullptr;
  const std::string text_ = Ru("Подготовка документов");
};

TEST_F(GdiText, AlphaTextIntoATransparentPictureHasAlphaWhereItCovers) {
  PixelBuffer picture(220, 30);
  FillPixels(picture, picture.Bounds(), clBlack, 0);
  {
    TDcTextCanvas canvas(BufferDc(picture), font_);
    WriteAlphaText(canvas, picture, text_, true, RGBColor(200, 0, 0), kFlags, {4, 0, 216, 30});
  }
  Save(picture, "alpha-text");
  int covered = 0, opaque = 0;
  for (int32_t y = 0; y < picture.Height(); ++y)
    for (int32_t x = 0; x < picture.Width(); ++x) {
      const uint32_t p = picture.At(x, y), a = p >> 24;
      if (a == 0) {
        EXPECT_EQ(p, 0u) << x << "," << y;  // uncovered pixels stay fully transparent
        continue;
      }
      ++covered;
      if (a == 255) ++opaque;
      EXPECT_LE((p >> 16) & 0xFF, a) << x << "," << y;  // the colour never exceeds its alpha
      EXPECT_EQ(p & 0xFFFF, 0u) << x << "," << y;        // pure red text
      EXPECT_LT(x, 216);
      EXPECT_GE(x, 4);
    }
  EXPECT_GT(covered, 100);
  EXPECT_GT(opaque, 20);
}

TEST_F(GdiText, PlainTextIntoAnOpaquePictureKeepsItOpaque) {
  PixelBuffer picture(220, 30);
  FillPixels(picture, picture.Bounds(), clWhite, 255);
  {
    TPictureTextCanvas canvas(picture, font_);
    canvas.SetTextColor(RGBColor(0, 0, 160));
    WriteSectionText(canvas, text_, true, nullptr, 0, -1, kFlags, {4, 0, 216, 30});
  }
  Save(picture, "plain-text");
  int inked = 0;
  for (int32_t y = 0; y < picture.Height(); ++y)
    for (int32_t x = 0; x < picture.Width(); ++x) {
      const uint32_t p = picture.At(x, y);
      EXPECT_EQ(p >> 24, 255u) << x << "," << y;
      if ((p & 0xFFFFFF) != 0xFFFFFF) ++inked;
    }
  EXPECT_GT(inked, 100);
}

TEST_F(GdiText, GlowSurroundsTheText) {
  PixelBuffer picture(240, 44);
  FillPixels(picture, picture.Bounds(), clBlack, 0);
  GreyBuffer mask;
  {
    TDcTextCanvas canvas(BufferDc(picture), font_);
    GlowText(canvas, picture, text_, {12, 7, 228, 37}, mask, RGBColor(0, 160, 255), 4, kGlowAllSides, kFlags);
    WriteAlphaText(canvas, picture, text_, true, clBlack, kFlags, {12, 7, 228, 37});
  }
  Save(picture, "glow-text");
  // The black text sits on a blue glow that reaches beyond it, with alpha.
  int glowing = 0;
  for (int32_t y = 0; y < picture.Height(); ++y)
    for (int32_t x = 0; x < picture.Width(); ++x) {
      const uint32_t p = picture.At(x, y);
      if ((p & 0xFF) != 0) {
        ++glowing;
        EXPECT_GT(p >> 24, 0u) << x << "," << y;
      }
    }
  EXPECT_GT(glowing, 200);
}

}  // namespace
