#include "skin/data/ImageCatalog.h"

#include "skin/data/sSkinData.h"

namespace {

bool ValidIndex(const TsGeneralDataArray& sections, int index) { return index >= 0 && size_t(index) < sections.size(); }

// The index of a section's parent, or -1. A chain that loops is cut by the
// lookups, which visit at most as many sections as the table holds.
int ParentIndex(const TsGeneralDataArray& sections, int index) {
  const TsGeneralData& s = sections[size_t(index)];
  if (s.ParentClass.empty() || s.ParentClass == "?" || s.ParentClass == s.SectionName) return -1;
  return FindSection(sections, s.ParentClass);
}

std::vector<int> ParentIndexes(const TsGeneralDataArray& sections) {
  std::vector<int> parents(sections.size());
  for (size_t i = 0; i < sections.size(); ++i) parents[i] = ParentIndex(sections, int(i));
  return parents;
}

int ParentOf(const TsGeneralDataArray& sections, const std::vector<int>* parents, int index) {
  return parents ? (*parents)[size_t(index)] : ParentIndex(sections, index);
}

}  // namespace

const TsMaskData* TsImageCatalog::Mask(int index) const {
  return index >= 0 && size_t(index) < masks_.size() ? &masks_[size_t(index)] : nullptr;
}

int TsImageCatalog::AddMask(TsMaskData mask) {
  const int index = int(masks_.size());
  bySectionIndex_[mask.SectionIndex].push_back(index);
  bySectionName_[mask.SectionName].push_back(index);
  masks_.push_back(std::move(mask));
  return index;
}

int TsImageCatalog::FindMaskIn(const TsGeneralDataArray& sections, const std::vector<int>* parents, int sectionIndex,
                               std::string_view key) const {
  for (size_t hops = 0; ValidIndex(sections, sectionIndex) && hops < sections.size(); ++hops) {
    const auto it = bySectionIndex_.find(uint32_t(sectionIndex));
    if (it != bySectionIndex_.end()) {
      for (const int i : it->second) {
        if (masks_[size_t(i)].KeyName == key) return i;
      }
    }
    sectionIndex = ParentOf(sections, parents, sectionIndex);
  }
  return -1;
}

int TsImageCatalog::FindMask(const TsGeneralDataArray& sections, int sectionIndex, std::string_view key) const {
  return FindMaskIn(sections, nullptr, sectionIndex, key);
}

int TsImageCatalog::FindMaskByName(std::string_view sectionName, std::string_view key) const {
  const auto it = bySectionName_.find(sectionName);
  if (it == bySectionName_.end()) return -1;
  for (const int i : it->second) {
    if (masks_[size_t(i)].KeyName == key) return i;
  }
  return -1;
}

int TsImageCatalog::FindPatternIn(const TsGeneralDataArray& sections, const std::vector<int>* parents,
                                  int sectionIndex, std::string_view sectionName, std::string_view key) const {
  std::string_view name = sectionName;
  for (size_t hops = 0; hops <= sections.size(); ++hops) {
    const auto it = bySectionName_.find(name);
    if (it != bySectionName_.end()) {
      for (const int i : it->second) {
        const TsMaskData& m = masks_[size_t(i)];
        if (m.ImageKind == kPatternImage && m.KeyName == key) return i;
      }
    }
    if (!ValidIndex(sections, sectionIndex)) break;
    const std::string& parent = sections[size_t(sectionIndex)].ParentClass;
    if (parent.empty() || parent == "?" || parent == name) break;
    sectionIndex = ParentOf(sections, parents, sectionIndex);
    name = parent;
  }
  return -1;
}

int TsImageCatalog::FindPattern(const TsGeneralDataArray& sections, int sectionIndex, std::string_view sectionName,
                                std::string_view key) const {
  return FindPatternIn(sections, nullptr, sectionIndex, sectionName, key);
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
  masks_.clear();
  bySectionIndex_.clear();
  bySectionName_.clear();
  ExtImages.clear();
  MasterBitmap = PixelBuffer();
}

void ResolveSectionIndexes(TsGeneralDataArray& sections, const TsImageCatalog& catalog) {
  const std::vector<int> parents = ParentIndexes(sections);
  auto mask = [&](int index, std::string_view key) { return catalog.FindMaskIn(sections, &parents, index, key); };
  auto pattern = [&](int index, std::string_view key) {
    return catalog.FindPatternIn(sections, &parents, index, sections[size_t(index)].SectionName, key);
  };
  for (size_t i = 0; i < sections.size(); ++i) {
    TsGeneralData& s = sections[i];
    if (s.SectionName == kGlobalSection) continue;
    const int index = int(i);
    s.BorderIndex = mask(index, "BORDERSMASK");
    s.OuterMaskIndex = mask(index, "OUTERMASK");
    s.ImgTopLeft = mask(index, "IMGTOPLEFT");
    s.ImgTopRight = mask(index, "IMGTOPRIGHT");
    s.ImgBottomLeft = mask(index, "IMGBTMLEFT");
    s.ImgBottomRight = mask(index, "IMGBTMRIGHT");

    s.Props[0].PatternIndex = pattern(index, "PATTERN");
    if (s.States > 1) s.Props[1].PatternIndex = pattern(index, "HOTPATTERN");
    s.Props[2].PatternIndex = s.States > 2 && s.UseState2 ? pattern(index, "PATTERN2")
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
