#include "skin/data/ImageCatalog.h"

#include <algorithm>
#include <numeric>

#include "skin/data/SkinKeys.h"
#include "skin/data/sSkinData.h"

namespace {

bool ValidIndex(const TsGeneralDataArray& sections, int index) { return index >= 0 && size_t(index) < sections.size(); }

// Whether a section names a parent other than itself.
bool NamesParent(const TsGeneralData& s) {
  return !s.ParentClass.empty() && s.ParentClass != "?" && s.ParentClass != s.SectionName;
}

// The index of a section's parent, or -1. A chain that loops is cut by the
// lookups, which visit at most as many sections as the table holds.
int ParentIndex(const TsGeneralDataArray& sections, int index) {
  const TsGeneralData& s = sections[size_t(index)];
  return NamesParent(s) ? FindSection(sections, s.ParentClass) : -1;
}

// ParentIndex of every section, the names found by binary search in the
// sections sorted by name rather than by a scan of all sections per section.
std::vector<int> ParentIndexes(const TsGeneralDataArray& sections) {
  std::vector<int> byName(sections.size());
  std::iota(byName.begin(), byName.end(), 0);
  const auto nameOf = [&sections](int i) -> std::string_view { return sections[size_t(i)].SectionName; };
  // Stable: of equal names the first section comes first, as FindSection finds it.
  std::stable_sort(byName.begin(), byName.end(), [&](int a, int b) { return nameOf(a) < nameOf(b); });
  std::vector<int> parents(sections.size(), -1);
  for (size_t i = 0; i < sections.size(); ++i) {
    const TsGeneralData& s = sections[i];
    if (!NamesParent(s)) continue;
    const std::string_view parent = s.ParentClass;
    const auto it = std::lower_bound(byName.begin(), byName.end(), parent,
                                     [&](int a, std::string_view name) { return nameOf(a) < name; });
    if (it != byName.end() && nameOf(*it) == parent) parents[i] = *it;
  }
  return parents;
}

int ParentOf(const TsGeneralDataArray& sections, const std::vector<int>* parents, int index) {
  return parents ? (*parents)[size_t(index)] : ParentIndex(sections, index);
}

}  // namespace

const TsMaskData* TsImageCatalog::Mask(int index) const {
  return index >= 0 && size_t(index) < masks_.size() ? &masks_[size_t(index)] : nullptr;
}

void TsImageCatalog::Append(Chain& chain, int index, std::vector<int>& next) {
  if (chain.Last >= 0) {
    next[size_t(chain.Last)] = index;
  } else {
    chain.First = index;
  }
  chain.Last = index;
  next.push_back(-1);
}

int TsImageCatalog::AddMask(TsMaskData mask) {
  const int index = int(masks_.size());
  Append(bySectionIndex_[mask.SectionIndex], index, nextOfIndex_);
  Append(bySectionName_.try_emplace(mask.SectionName).first->second, index, nextOfName_);
  masks_.push_back(std::move(mask));
  return index;
}

int TsImageCatalog::FindMaskIn(const TsGeneralDataArray& sections, const std::vector<int>* parents, int sectionIndex,
                               std::string_view key) const {
  for (size_t hops = 0; ValidIndex(sections, sectionIndex) && hops < sections.size(); ++hops) {
    const auto it = bySectionIndex_.find(uint32_t(sectionIndex));
    if (it != bySectionIndex_.end()) {
      for (int i = it->second.First; i >= 0; i = nextOfIndex_[size_t(i)]) {
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
  for (int i = it->second.First; i >= 0; i = nextOfName_[size_t(i)]) {
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
      for (int i = it->second.First; i >= 0; i = nextOfName_[size_t(i)]) {
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
  nextOfIndex_.clear();
  nextOfName_.clear();
  ExtImages.clear();
  MasterBitmap = PixelBuffer();
}

void ResolveSectionIndexes(TsGeneralDataArray& sections, const TsImageCatalog& catalog) {
  const std::vector<int> parents = ParentIndexes(sections);
  auto mask = [&](int index, SectionImageKey key) { return catalog.FindMaskIn(sections, &parents, index, key); };
  auto pattern = [&](int index, SectionImageKey key) {
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
