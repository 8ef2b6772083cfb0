#include "tools/skinpreview/ContactSheet.h"

#include <algorithm>
#include <functional>
#include <string>

#include "skin/render/core/Blend.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/GlyphFrame.h"
#include "tools/skinpreview/SectionCell.h"
#include "tools/skinpreview/SheetDrawing.h"
#include "tools/skinpreview/TinyFont.h"
#include "tools/skinpreview/WindowMock.h"

// Layout, top to bottom:
//   title
//   sections in two columns:  NAME      [state 0] [state 1] [state 2] [state 3]
//                             n STATES  (each cell painted over the parent surface)
//   images in two columns:    SECTION/KEY WxH  [frame 0] [frame 1] ...
//   two windows (active, inactive) over white, then the engine's pictures
namespace {

constexpr int32_t kMargin = 12;
constexpr int32_t kLineHeight = kTinyGlyphHeight + 5;
constexpr int32_t kSectionLabelWidth = 126;
constexpr int32_t kCellWidth = 88, kCellHeight = 28, kCellGap = 8;
constexpr int32_t kSectionRowHeight = kCellHeight + 12;
constexpr int32_t kMaxStates = 4;
constexpr int32_t kColumnWidth = kSectionLabelWidth + kMaxStates * (kCellWidth + kCellGap) + 20;
constexpr int32_t kImageLabelWidth = 186;
constexpr int32_t kPad = 4;  // parent surface around each picture
constexpr int32_t kEffectInnerWidth = 44, kEffectInnerHeight = 20;
constexpr int32_t kBorderCellWidth = 48, kBorderCellHeight = 16;

const char* const kStateNames[kMaxStates] = {"0 NORMAL", "1 HOT", "2 PRESSED", "3 DEFAULT"};

// Pictures with alpha of their own (kinds 3 and 4 without a mask): shadows and glows.
bool IsEffect(const TsMaskData& mask) { return mask.ImageKind >= 3 && mask.MaskRows == 0; }

// Size of one frame's cell in the image rows.
TSize FrameCell(const TsMaskData& mask) {
  if (IsEffect(mask)) {
    const TBorderWidths b = mask.EffectiveBorders();
    return {kEffectInnerWidth + b.Left + b.Right, kEffectInnerHeight + b.Top + b.Bottom};
  }
  if (mask.ImageKind == kBorderedImage)
    return {std::max(kBorderCellWidth, 2 * mask.Width()), std::max(kBorderCellHeight, mask.Height())};
  return {mask.Width(), mask.Height()};
}

int32_t FramesOf(const TsMaskData& mask) { return std::max<int32_t>(1, mask.FrameCount); }

// The records shown in the image rows: everything but section borders (they
// are in the section rows) and the window shadow (in the windows).
std::vector<int32_t> ImageRecords(const LoadedSkin& skin) {
  std::vector<int32_t> records;
  for (size_t i = 0; i < skin.Images.Masks().size(); ++i) {
    const TsMaskData& mask = skin.Images.Masks()[i];
    if (mask.KeyName != "BORDERSMASK" && mask.KeyName != "EXBORDER") records.push_back(int32_t(i));
  }
  return records;
}

int64_t ImageRowHeight(const TsMaskData& mask) {
  return std::max(FrameCell(mask).cy + 2 * kPad, kLineHeight * 2) + 6;
}

void DrawSectionRow(PixelBuffer& sheet, const LoadedSkin& skin, int32_t index, TPoint at) {
  const TsGeneralData& section = skin.Sections[size_t(index)];
  DrawTinyText(sheet, at.X, at.Y + 4, section.SectionName, kInk);
  std::string info = std::to_string(section.States) + (section.States == 1 ? " STATE" : " STATES");
  if (const TsMaskData* border = skin.Images.Mask(section.BorderIndex))
    info += " MODE " + std::to_string(border->PaintMode);
  DrawTinyText(sheet, at.X, at.Y + 4 + kLineHeight, info, kMutedInk);
  const int32_t states = std::min(SectionStateCount(section), kMaxStates);
  const TSize size = SectionCellSize(skin, section, {kCellWidth, kCellHeight});
  for (int32_t s = 0; s < states; ++s) {
    const TRect cell = MakeRect(at.X + kSectionLabelWidth + s * (kCellWidth + kCellGap),
                                at.Y + (kCellHeight - size.cy) / 2, size.cx, size.cy);
    FillArea(sheet, {cell.Left - kPad, cell.Top - kPad, cell.Right + kPad, cell.Bottom + kPad}, kParentSurface);
    PaintSectionCell(skin, index, s, sheet, cell);
    const std::string_view sample = "TEXT";
    if (size.cx > TinyTextWidth(sample) + 4 && size.cy > kTinyGlyphHeight + 4)
      DrawTinyText(sheet, cell.Left + (size.cx - TinyTextWidth(sample)) / 2, cell.Top + (size.cy - kTinyGlyphHeight) / 2,
                   sample, SectionTextPixel(skin, index, s));
  }
}

void DrawImageRow(PixelBuffer& sheet, const LoadedSkin& skin, int32_t record, TPoint at) {
  const TsMaskData& mask = skin.Images.Masks()[size_t(record)];
  const std::string section = mask.SectionName == "GLOBALINFO" ? "" : mask.SectionName + "/";
  DrawTinyText(sheet, at.X, at.Y + kPad, section + mask.KeyName, kInk);
  DrawTinyText(sheet, at.X, at.Y + kPad + kLineHeight,
               std::to_string(mask.Width()) + "x" + std::to_string(mask.Height()) + " KIND " +
                   std::to_string(mask.ImageKind) + " MODE " + std::to_string(mask.PaintMode),
               kMutedInk);
  const SkinPaintView view = PaintViewOf(skin);
  const TSize size = FrameCell(mask);
  int32_t x = at.X + kImageLabelWidth;
  for (int32_t k = 0; k < FramesOf(mask); ++k) {
    const TRect cell = MakeRect(x + kPad, at.Y + kPad, size.cx, size.cy);
    FillArea(sheet, {x, at.Y, cell.Right + kPad, cell.Bottom + kPad}, kParentSurface);
    if (IsEffect(mask)) {
      // Painted into a clear picture as the glow window does, then shown over the surface.
      PixelBuffer effect(size.cx, size.cy);
      FillArea(effect, effect.Bounds(), 0);
      PaintBorderMask(view, effect, effect.Bounds(), EmptyBackground(), false, k, mask);
      ComposeOver(sheet, effect, {cell.Left, cell.Top});
    } else if (mask.ImageKind == kBorderedImage) {
      PaintBorderMask(view, sheet, cell, InPlaceBackground(sheet, cell), true, k, mask);
    } else {
      PaintGlyphFrame(view, sheet, {cell.Left, cell.Top}, k, InPlaceBackground(sheet, sheet.Bounds()), mask,
                      kGlyphNormalLook);
    }
    x = cell.Right + kPad + kCellGap;
  }
}

// Places rows of known heights into two columns of equal count; returns the height used.
// Without `draw` it only measures (in 64 bits: a hostile skin's sheet may be
// far taller than any picture); drawing happens only on a sheet that fits.
int64_t TwoColumns(size_t count, const std::vector<int64_t>& heights, int32_t top, int32_t columnWidth,
                   const std::function<void(size_t, TPoint)>& draw = {}) {
  const size_t perColumn = (count + 1) / 2;
  int64_t bottom = top;
  for (size_t column = 0; column < 2; ++column) {
    int64_t y = top;
    for (size_t i = column * perColumn; i < std::min(count, (column + 1) * perColumn); ++i) {
      if (draw) draw(i, TPoint{kMargin + int32_t(column) * columnWidth, int32_t(y)});
      y += heights[i];
    }
    bottom = std::max(bottom, y);
  }
  return bottom - top;
}

void CheckSheetSize(int64_t width, int64_t height, size_t sections, size_t images) {
  if (width <= kMaxSheetSide && height <= kMaxSheetSide && width * height <= kMaxSheetPixels) return;
  throw SheetTooLarge("the contact sheet of this skin (" + std::to_string(sections) + " sections, " +
                      std::to_string(images) + " image records) would be " + std::to_string(width) + " x " +
                      std::to_string(height) + " pixels, more than the limit of " + std::to_string(kMaxSheetSide) +
                      " pixels a side and " + std::to_string(kMaxSheetPixels) + " pixels in all; nothing written");
}

}  // namespace

PixelBuffer RenderContactSheet(const LoadedSkin& skin, const std::vector<NamedPicture>& enginePictures,
                               std::string_view title) {
  const std::vector<int32_t> sections = PaintableSections(skin);
  const std::vector<int32_t> images = ImageRecords(skin);
  const std::vector<int64_t> sectionHeights(sections.size(), kSectionRowHeight);
  std::vector<int64_t> imageHeights;
  int64_t imageColumn = 0;
  for (int32_t r : images) {
    const TsMaskData& mask = skin.Images.Masks()[size_t(r)];
    imageHeights.push_back(ImageRowHeight(mask));
    imageColumn = std::max(imageColumn, kImageLabelWidth + int64_t(FramesOf(mask)) *
                                                                (FrameCell(mask).cx + 2 * kPad + kCellGap));
  }
  imageColumn = std::max<int64_t>(imageColumn + 16, kColumnWidth);
  const TSize window = WindowMockSize(skin);
  int32_t engineHeight = 0;
  for (const NamedPicture& p : enginePictures) engineHeight = std::max(engineHeight, p.Picture.Height());

  // Measured first, in 64 bits; nothing is allocated for a sheet beyond the limits.
  const int32_t headerHeight = 2 * kLineHeight + kTinyGlyphHeight;
  const int32_t sectionsTop = kMargin + headerHeight;
  const int64_t sectionsHeight = TwoColumns(sections.size(), sectionHeights, 0, kColumnWidth);
  const int64_t imagesTop64 = sectionsTop + sectionsHeight + 2 * kLineHeight;
  const int64_t imagesHeight = TwoColumns(images.size(), imageHeights, 0, kColumnWidth);
  const int64_t windowsTop64 = imagesTop64 + imagesHeight + 2 * kLineHeight;
  const int64_t engineTop64 = windowsTop64 + window.cy + 2 * kLineHeight;
  const int64_t width64 = kMargin + std::max<int64_t>({2 * kColumnWidth, 2 * imageColumn,
                                                       2 * int64_t(window.cx) + 2 * kCellGap});
  const int64_t height64 = engineTop64 + engineHeight + 2 * kLineHeight + kMargin;
  CheckSheetSize(width64, height64, sections.size(), images.size());
  const int32_t imagesTop = int32_t(imagesTop64), windowsTop = int32_t(windowsTop64), engineTop = int32_t(engineTop64);
  const PixelBuffer activeWindow = PaintWindowMock(skin, true);
  const PixelBuffer inactiveWindow = PaintWindowMock(skin, false);
  PixelBuffer sheet(static_cast<int32_t>(width64), static_cast<int32_t>(height64));
  FillArea(sheet, sheet.Bounds(), kPaper);

  DrawTinyText(sheet, kMargin, kMargin, title, kInk);
  for (int32_t s = 0; s < kMaxStates; ++s)
    for (int32_t column = 0; column < 2; ++column)
      DrawTinyText(sheet, kMargin + column * kColumnWidth + kSectionLabelWidth + s * (kCellWidth + kCellGap),
                   sectionsTop - kLineHeight - 2, kStateNames[s], kMutedInk);
  TwoColumns(sections.size(), sectionHeights, sectionsTop, kColumnWidth,
             [&](size_t i, TPoint at) { DrawSectionRow(sheet, skin, sections[i], at); });

  DrawTinyText(sheet, kMargin, imagesTop - kLineHeight - 2, "IMAGES (FRAME BY FRAME)", kMutedInk);
  TwoColumns(images.size(), imageHeights, imagesTop, int32_t(imageColumn),
             [&](size_t i, TPoint at) { DrawImageRow(sheet, skin, images[i], at); });

  DrawTinyText(sheet, kMargin, windowsTop - kLineHeight - 2, "WINDOWS: ACTIVE (CLOSE HOT, EDIT FOCUSED), INACTIVE",
               kMutedInk);
  ComposeOver(sheet, activeWindow, {kMargin, windowsTop});
  ComposeOver(sheet, inactiveWindow, {kMargin + activeWindow.Width() + kCellGap, windowsTop});

  DrawTinyText(sheet, kMargin, engineTop - kLineHeight - 2, "ENGINE PICTURES", kMutedInk);
  int32_t x = kMargin;
  for (const NamedPicture& p : enginePictures) {
    ComposeOver(sheet, Premultiplied(p.Picture), {x, engineTop});
    DrawTinyText(sheet, x, engineTop + engineHeight + 3, p.Name, kInk);
    x += std::max(p.Picture.Width(), TinyTextWidth(p.Name)) + 2 * kCellGap;
  }
  return sheet;
}
