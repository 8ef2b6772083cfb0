#pragma once
// The image catalog of a loaded skin: the master bitmap, the external images
// loaded for it (each file once), and one TsMaskData record per image value of
// the options text. Indexes into Masks are valid until the next load.
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <string_view>
#include <vector>

#include "skin/data/MaskData.h"
#include "skin/data/SectionTable.h"
#include "skin/render/core/PixelBuffer.h"

// One image file loaded for the skin.
struct TacExtFileData {
  std::shared_ptr<PixelBuffer> Picture;  // 32-bit
  std::string FileName;                  // as used to load it (upper case)
  bool Marked = false;                   // never set by the loader
  // The file carries an alpha channel of its own: only such PNG pictures are
  // premultiplied, at load or after a brightness change.
  bool AlphaChannel = false;
};
using TacExtArray = std::vector<TacExtFileData>;

struct LoadedSkin;
class SkinClampCollector;

class TsImageCatalog {
 public:
  // The skin's main picture; empty when the skin names none or it is missing,
  // and then records that refer to it draw nothing.
  PixelBuffer MasterBitmap;
  TacExtArray ExtImages;

  // The records in loading order; indexes into it are the mask indexes.
  const TsMaskArray& Masks() const { return masks_; }
  // Appends a record and returns its index.
  int AddMask(TsMaskData mask);

  // The picture a record's SourceRect refers to.
  const PixelBuffer& PictureOf(const TsMaskData& mask) const { return mask.Image ? *mask.Image : MasterBitmap; }
  // A record by index, or null for -1 and every other invalid index.
  const TsMaskData* Mask(int index) const;

  // The first record of this section index and key (exact), else of its
  // parent sections up the "PARENTCLASS" chain (the linked parents of the
  // table, ParentChain.h); -1 when none or the index is invalid.
  int FindMask(const TsGeneralDataArray& sections, int sectionIndex, std::string_view key) const;
  // The first record with exactly this section name and key, without inheritance.
  int FindMaskByName(std::string_view sectionName, std::string_view key) const;
  // The first texture pattern (ImageKind 1) of this section name and key, else
  // of the parent sections of the section of this index, by the same rule.
  int FindPattern(const TsGeneralDataArray& sections, int sectionIndex, std::string_view sectionName,
                  std::string_view key) const;
  int FindPattern(const TsGeneralDataArray& sections, int sectionIndex, std::string_view key) const;
  // FindMask for the section "GLOBALINFO": the skin-wide elements.
  int FindGlobalMask(const TsGeneralDataArray& sections, std::string_view key) const;
  // The external picture loaded under exactly this name, or null.
  PixelBuffer* FindExternalImage(std::string_view fileName) const;

  // Frees every record, the external images and the master bitmap.
  void Clear();

 private:
  friend void BoundSkinValues(LoadedSkin&, SkinClampCollector*);
  // The first record of one section (by index) or of one section name with this key; -1 when none.
  int OwnMask(int sectionIndex, std::string_view key) const;
  int OwnPattern(std::string_view sectionName, std::string_view key) const;

  struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };

  TsMaskArray masks_;
  // The records of one section index or name, in ascending order, as a chain
  // through next*_ (-1 ends it): lookups run once per section and key at
  // every load, so they must not scan the whole catalog, and a load adds a
  // few hundred records, so adding one must not allocate a list of its own.
  struct Chain {
    int First = -1;
    int Last = -1;
  };
  std::unordered_map<uint32_t, Chain> bySectionIndex_;
  std::unordered_map<std::string, Chain, NameHash, std::equal_to<>> bySectionName_;
  std::vector<int> nextOfIndex_;  // per record: the next record of the same section index
  std::vector<int> nextOfName_;   // per record: the next record of the same section name
  // The keys that have records: lookups of any other key stop before walking the parents.
  std::unordered_set<std::string, NameHash, std::equal_to<>> keys_;
  static void Append(Chain& chain, int index, std::vector<int>& next);
};

// Sets each section's image indexes from the catalog (every section but
// "GLOBALINFO"): border, outer and corner images, the state patterns, and
// EditBorderKind. Run after the section table is built and again after the
// manager's element table is computed.
void ResolveSectionIndexes(TsGeneralDataArray& sections, const TsImageCatalog& catalog);
