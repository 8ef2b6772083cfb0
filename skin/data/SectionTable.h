#pragma once
// The section table: one record per section of the options text, in text
// order; a section's index in the table is the section index used by every
// painter and control. Each record holds three state records: 0 normal,
// 1 hot, 2 the third (pressed) state.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/render/core/Color.h"
#include "skin/render/core/Gradient.h"

class TacSkinOptions;

struct TsGenState {
  int32_t GSize = 0;
  int32_t TextureShare = 0;   // percent of the texture image
  int32_t PatternIndex = -1;  // texture image, set by the image catalog
  int32_t Transparency = 0;   // percent: 0 opaque .. 100 invisible
  int32_t GradientShare = 0;  // percent of the gradient
  TColor Color = clWhite;
  TColor GCol = clWhite;
  TColor TextColor = clBlack;
  TColor TCLeft = TColor(-1), TCTop = TColor(-1), TCRight = TColor(-1), TCBottom = TColor(-1);  // -1: none
  TsGradArray GradientData;
};
using TsProps = std::array<TsGenState, 3>;

struct TsGeneralData {
  std::string ParentClass;  // "PARENTCLASS", read plainly: where absent keys come from
  std::string SectionName;
  TsProps Props;
  bool UseState2 = false;  // Props[2] read from its own keys
  bool GiveOwnFont = false;
  bool ReservedBoolean = false;
  int32_t States = 3;           // at most 255
  int32_t EditBorderKind = -2;  // set by the image catalog
  int32_t Glow = 0;             // at most 255
  int32_t GlowMargin = 0;       // at most 255
  int32_t BorderIndex = -1;     // border mask, set by the image catalog
  int32_t ImgTopLeft = -1, ImgTopRight = -1, ImgBottomLeft = -1, ImgBottomRight = -1;
  int32_t OuterMode = 2;
  int32_t OuterMaskIndex = -1;
  int32_t OutOpacity = 200;  // at most 255
  int32_t OutOffsL = 0, OutOffsT = 0, OutOffsR = 0, OutOffsB = 0;  // at most 255 each
  // The section ParentClass names (-1: none) and how many parents an
  // inherited lookup from here follows (ParentChain.h); set by LinkSectionParents.
  int32_t ParentIndex = -1;
  uint8_t ParentWalk = 0;
};
using TsGeneralDataArray = std::vector<TsGeneralData>;

// The first section of exactly this name; -1 for an empty name or when there is none.
int FindSection(const TsGeneralDataArray& sections, std::string_view name);

// Reads the twelve keys of one state (0, 1 or 2) with the inherited readers.
// Raises ESkinError when a gradient value has a field that is not an integer.
TsGenState ReadStateRecord(const TacSkinOptions& text, std::string_view section, int state,
                           const TsGenState& defaults = TsGenState());

// Builds the table from every section of the text, "GLOBALINFO" included,
// with its parents linked.
TsGeneralDataArray BuildSectionTable(const TacSkinOptions& text);

// Whether the section's ParentClass names a parent: not empty, not "?" and
// not the section's own name.
bool NamesParent(const TsGeneralData& section);

// Sets ParentIndex and ParentWalk of every section: the first section whose
// name is exactly the ParentClass (none for an empty value, "?", the section's
// own name or an unknown name). Linear in the number of sections.
void LinkSectionParents(TsGeneralDataArray& sections);

// The manager's common sections: blanks removed from every line that does not begin with ";".
std::vector<std::string> PrepareCommonSections(const std::vector<std::string>& lines);
// Merges the common sections (plain reads, no inheritance) into the table:
// an existing section takes the values given, a new one is appended (and
// the parents are linked again).
void MergeCommonSections(TsGeneralDataArray& sections, const TacSkinOptions& common);
