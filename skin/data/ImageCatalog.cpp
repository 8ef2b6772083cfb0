#include "skin/data/ImageCatalog.h"

namespace {

constexpr std::string_view kGlobalSection = "GLOBALINFO";

bool ValidIndex(const TsGeneralDataArray& sections, int index) { return index >= 0 && size_t(index) < sections.size(); }

// The index of a section's parent, or -1. A chain that loops is cut by the
// callers, which visit at most as many sections as the table holds.
int ParentIndex(const TsGeneralDataArray& sections, int index) {
  const TsGeneralData& s = sections[size_t(index)];
  if (s.ParentClass.empty() || s.ParentClass == "?" || s.ParentClass == s.SectionName) return -1;
  return FindSection(sections, s.ParentClass);
}

}  // namespace

const TsMaskData* TsImageCatalog::Mask(int index) const {
  return index >= 0 && size_t(index) < Masks.size() ? &Masks[size_t(index)] : nullptr;
}

int TsImageCatalog::FindMask(const TsGeneralDataArray& sections, int sectionIndex, std::string_view key) const {
  for (size_t hops = 0; ValidIndex(sections, sectionIndex) && hops < sections.size(); ++hops) {
    for (size_t i = 0; i < Masks.size(); ++i) {
      if (Masks[i].SectionIndex == uint32_t(sectionIndex) && Masks[i].KeyName == key) return int(i);
    }
    sectionIndex = ParentIndex(sections, sectionIndex);
  }
  return -1;
}

int TsImageCatalog::FindMaskByName(std::string_view sectionName, std::string_view key) const {
  for (size_t i = 0; i < Masks.size(); ++i) {
    if (Masks[i].SectionName == sectionName && Masks[i].KeyName == key) return int(i);
  }
  return -1;
}

int TsImageCatalog::FindPattern(const TsGeneralDataArray& sections, int sectionIndex, std::string_view sectionName,
                                std::string_view key) const {
  std::string name(sectionName);
  for (size_t hops = 0; hops <= sections.size(); ++hops) {
    for (size_t i = 0; i < Masks.size(); ++i) {
      const TsMaskData& m = Masks[i];
      if (m.ImageKind == kPatternImage && m.KeyName == key && m.SectionName == name) return int(i);
    }
    if (!ValidIndex(sections, sectionIndex)) break;
    const std::string& parent = sections[size_t(sectionIndex)].ParentClass;
    if (parent.empty() || parent == "?" || parent == name) break;
    name = parent;
    sectionIndex = FindSection(sections, parent);
  }
  return -1;
}

int TsImageCatalog::FindPattern(const TsGeneralDataArray& sections, int sectionIndex, std::string_view key) const {
  if (!ValidIndex(sections, sectionIndex)) return -1;
  return FindPattern(sections, sectionIndex, sections[size_t(sectionIndex)].SectionName, key);
}

int TsImageCatalog::FindGlobalMask(const TsGeneralDataArray& sections, std::string_view key) const {
  return FindMask(sections, FindSection(sections, kGlobalSection), key);
}

PixelBuffer* TsImageCatalog::FindExternalImage(std::string_view fileName) const {
  for (const TacExtFileData& e : ExtImages) {
    if (e.FileName == fileName) return e.Picture.get();
  }
  return nullptr;
}

void TsImageCatalog::Clear() {
  Masks.clear();
  ExtImages.clear();
  MasterBitmap = PixelBuffer();
}

void ResolveSectionIndexes(TsGeneralDataArray& sections, const TsImageCatalog& catalog) {
  for (size_t i = 0; i < sections.size(); ++i) {
    TsGeneralData& s = sections[i];
    if (s.SectionName == kGlobalSection) continue;
    const int index = int(i);
    s.BorderIndex = catalog.FindMask(sections, index, "BORDERSMASK");
    s.OuterMaskIndex = catalog.FindMask(sections, index, "OUTERMASK");
    s.ImgTopLeft = catalog.FindMask(sections, index, "IMGTOPLEFT");
    s.ImgTopRight = catalog.FindMask(sections, index, "IMGTOPRIGHT");
    s.ImgBottomLeft = catalog.FindMask(sections, index, "IMGBTMLEFT");
    s.ImgBottomRight = catalog.FindMask(sections, index, "IMGBTMRIGHT");

    s.Props[0].PatternIndex = catalog.FindPattern(sections, index, "PATTERN");
    if (s.States > 1) s.Props[1].PatternIndex = catalog.FindPattern(sections, index, "HOTPATTERN");
    s.Props[2].PatternIndex = s.States > 2 && s.UseState2 ? catalog.FindPattern(sections, index, "PATTERN2")
                                                          : s.Props[1].PatternIndex;

    const TsMaskData* border = catalog.Mask(s.BorderIndex);
    if (!border) {
      s.EditBorderKind = -2;
    } else if ((s.SectionName == "EDIT" || s.SectionName == "ALPHAEDIT") && border->BorderL == 1 &&
               border->BorderT == 1 && border->BorderR == 1 && border->BorderB == 1) {
      s.EditBorderKind = -1;
    } else {
      s.EditBorderKind = 0;
    }
  }
}
