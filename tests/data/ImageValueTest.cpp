#include "skin/data/ImageValue.h"

#include <gtest/gtest.h>

#include "skin/render/core/SkinError.h"

namespace {

struct FormCase {
  const char* Value;
  ImageValueForm Form;
  TRect Rect;
  int Frames, Rows, Paint, Uniform, Kind;
  TBorderWidths Borders;
  const char* File;
};

class ImageValueForms : public ::testing::TestWithParam<FormCase> {};

TEST_P(ImageValueForms, GiveTheRecordFields) {
  const FormCase& c = GetParam();
  const ImageValue v = ParseImageValue(c.Value, "BUTTON", "BORDERSMASK");
  const TsMaskData& r = v.Record;
  EXPECT_EQ(v.Form, c.Form);
  EXPECT_EQ(r.SourceRect, c.Rect);
  EXPECT_EQ(r.FrameCount, c.Frames);
  EXPECT_EQ(r.MaskRows, c.Rows);
  EXPECT_EQ(r.PaintMode, c.Paint);
  EXPECT_EQ(r.UniformWidth, c.Uniform);
  EXPECT_EQ(r.ImageKind, c.Kind);
  EXPECT_EQ((TBorderWidths{r.BorderL, r.BorderT, r.BorderR, r.BorderB}), c.Borders);
  EXPECT_EQ(v.FileName, c.File);
}

using F = ImageValueForm;
INSTANTIATE_TEST_SUITE_P(
    All, ImageValueForms,
    ::testing::Values(
        FormCase{"^0006^0006^0009^0009^0001^0002^0003^0004^1^0^1^1", F::Bordered, {6, 6, 9, 9}, 1, 0, 1, 1, 0, {1, 2, 3, 4}, ""},
        // Zero side widths: the uniform width, else a third of one state image.
        FormCase{"^0006^0006^0009^0009^0000^0000^0000^0000^1^0^1^3", F::Bordered, {6, 6, 9, 9}, 1, 0, 1, 3, 0, {3, 3, 3, 3}, ""},
        FormCase{"^0006^0006^0009^0009^0000^0000^0000^0000^1^0^1^0", F::Bordered, {6, 6, 9, 9}, 1, 0, 1, 0, 0, {1, 1, 1, 1}, ""},
        FormCase{"^0000^0000^0060^0040^0000^0000^0000^0000^2^1^0^0", F::Bordered, {0, 0, 60, 40}, 2, 1, 0, 0, 0, {10, 6, 10, 6}, ""},
        // No frames, or -1 mask rows with zero widths: no defined width, so none rather than a division by zero.
        FormCase{"^0000^0000^0060^0040^0000^0000^0000^0000^0^0^0^0", F::Bordered, {0, 0, 60, 40}, 0, 0, 0, 0, 0, {0, 13, 0, 13}, ""},
        FormCase{"@0256@0000@0295@0013@3@0", F::Glyph, {256, 0, 295, 13}, 3, 0, 0, 0, 2, {0, 0, 0, 0}, ""},
        FormCase{"~0000~0021~0006~0027~10~1", F::Pattern, {0, 21, 6, 27}, 1, 1, 10, 0, 1, {0, 0, 0, 0}, ""},
        FormCase{"~0000~0021~0006~0027~10", F::Pattern, {0, 21, 6, 27}, 1, 0, 10, 0, 1, {0, 0, 0, 0}, ""},
        FormCase{"~0000~0021~0006~0027~10~1~tex.bmp", F::Pattern, {0, 21, 6, 27}, 1, 1, 10, 0, 1, {0, 0, 0, 0}, "TEX.BMP"},
        FormCase{"!exborder.png!2!0!3!0034!0034!0034!0034!1", F::External, {}, 2, 0, 1, 0, 3, {34, 34, 34, 34}, "EXBORDER.PNG"},
        // Kinds above 4 are 4; missing fields and fields that are not numbers are 0.
        FormCase{"!A.PNG!x!!9", F::External, {}, 0, 9, 0, 0, 0, {0, 0, 0, 0}, "A.PNG"},
        FormCase{"!A.PNG!1!0!7!1!2", F::External, {}, 1, 0, 0, 0, 4, {1, 2, 0, 0}, "A.PNG"},
        FormCase{"Back.Jpg", F::WholeFile, {}, 1, 0, 0, 0, 1, {0, 0, 0, 0}, "BACK.JPG"},
        FormCase{"back.png", F::NotAnImage, {}, 0, 0, 0, 0, 0, {0, 0, 0, 0}, ""},
        FormCase{"16711935", F::NotAnImage, {}, 0, 0, 0, 0, 0, {0, 0, 0, 0}, ""},
        FormCase{"", F::NotAnImage, {}, 0, 0, 0, 0, 0, {0, 0, 0, 0}, ""}));

TEST(ImageValueTest, NumberFieldThatIsNotANumberStopsTheLoad) {
  const struct {
    const char* Value;
    const char* Field;  // as the message shows it: in upper case like the value it was read from
  } cases[] = {{"^0006^00x6^0009^0009^0001^0001^0001^0001^1^0^1^1", "00X6"},
               {"^0006^0006", ""},
               {"@0256@0000@0295@0013@a@0", "A"},
               {"~0000~0021~0006~0027~1 ~1", "1 "},
               {"~0000~0021~0006~0027~10~z", "Z"}};
  for (const auto& c : cases) {
    try {
      ParseImageValue(c.Value, "BUTTON", "BORDERSMASK");
      ADD_FAILURE() << c.Value;
    } catch (const ESkinError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(c.Field) +
                                           "' is not a valid integer value (key \"BORDERSMASK\" of section \"BUTTON\")")
          << c.Value;
    }
  }
}

TEST(ImageValueTest, FitToPictureCoversTheWholePicture) {
  ImageValue whole = ParseImageValue("BACK.BMP", "FORM", "PATTERN");
  FitToPicture(whole, 30, 12);
  EXPECT_EQ(whole.Record.SourceRect, (TRect{0, 0, 30, 12}));
  EXPECT_EQ((TBorderWidths{whole.Record.BorderL, whole.Record.BorderT, whole.Record.BorderR, whole.Record.BorderB}),
            (TBorderWidths{10, 4, 10, 4}));

  // Fewer than five fields: thirds of one state image; given widths are kept.
  ImageValue shortForm = ParseImageValue("!G.PNG!2!1!0", "EDIT", "GLOW0");
  FitToPicture(shortForm, 60, 40);
  EXPECT_EQ((TBorderWidths{shortForm.Record.BorderL, shortForm.Record.BorderT, shortForm.Record.BorderR,
                           shortForm.Record.BorderB}),
            (TBorderWidths{10, 6, 10, 6}));
  ImageValue full = ParseImageValue("!G.PNG!2!1!0!5!0!0!0", "EDIT", "GLOW0");
  FitToPicture(full, 60, 40);
  EXPECT_EQ(full.Record.BorderL, 5);
  EXPECT_EQ(full.Record.BorderT, 0);

  // A mask-row count of -1 leaves no height to divide.
  ImageValue noRows = ParseImageValue("!G.PNG!1!-1", "EDIT", "GLOW0");
  FitToPicture(noRows, 60, 40);
  EXPECT_EQ(noRows.Record.BorderT, 0);
  EXPECT_EQ(noRows.Record.BorderL, 20);
}

TEST(ImageValueTest, HugeExternalFieldsAreCutTo16Bits) {
  const ImageValue v = ParseImageValue("!A.PNG!99999!-99999!1!70000", "X", "Y");
  EXPECT_EQ(v.Record.FrameCount, 32767);
  EXPECT_EQ(v.Record.MaskRows, -32768);
  EXPECT_EQ(v.Record.BorderL, 32767);
}

struct SizeCase {
  TRect Rect;
  int16_t Frames, Rows;
  int32_t Width, Height;
};

TEST(MaskDataTest, DerivedSizesOfOneStateImage) {
  const SizeCase cases[] = {
      {{256, 0, 295, 13}, 3, 0, 13, 13},  // three glyph states
      {{0, 0, 60, 40}, 1, 1, 60, 20},     // one mask row: half the height
      {{0, 0, 60, 40}, 2, 3, 30, 10},
      {{0, 0, 61, 41}, 2, 1, 30, 20},     // rounded down
      {{0, 0, 60, 40}, 0, -1, 0, 0},      // nothing to draw
      {{0, 0, 60, 40}, -2, -5, 0, 0},     // nonsense counts give empty, not negative, sizes
      {{50, 50, 10, 10}, 1, 0, 0, 0},     // reversed rectangle
  };
  for (const SizeCase& c : cases) {
    TsMaskData m;
    m.SourceRect = c.Rect;
    m.FrameCount = c.Frames;
    m.MaskRows = c.Rows;
    EXPECT_EQ(m.Width(), c.Width) << c.Frames << "/" << c.Rows;
    EXPECT_EQ(m.Height(), c.Height) << c.Frames << "/" << c.Rows;
  }
}

TEST(MaskDataTest, EffectiveBordersFallBackToUniformThenWholeImage) {
  TsMaskData m;
  m.SourceRect = {0, 0, 60, 40};
  m.FrameCount = 2;
  m.MaskRows = 1;
  m.BorderL = 4;
  EXPECT_EQ(m.EffectiveBorders(), (TBorderWidths{4, 20, 30, 20}));
  m.UniformWidth = 3;
  EXPECT_EQ(m.EffectiveBorders(), (TBorderWidths{4, 3, 3, 3}));
  m.UniformWidth = 0;
  m.FrameCount = 0;  // counts as one frame here
  EXPECT_EQ(m.EffectiveBorders(), (TBorderWidths{4, 20, 60, 20}));
}

}  // namespace
