#include "skin/data/SectionTable.h"

#include <algorithm>
#include <optional>

#include "skin/data/SkinOptions.h"
#include "skin/data/SkinText.h"
#include "skin/data/sSkinData.h"

namespace {

constexpr size_t kShortestGradient = 3;  // a shorter gradient value means no gradient
constexpr int32_t kByteLimit = 255;

// The keys of one state record, for states 0, 1 and 2.
struct StateKeys {
  const char* GSize;
  const char* TextureShare;
  const char* Transparency;
  const char* GradientShare;
  const char* Color;
  const char* GCol;
  const char* TextColor;
  const char* TCLeft;
  const char* TCTop;
  const char* TCRight;
  const char* TCBottom;
  const char* GradientData;
};
constexpr StateKeys kStateKeys[3] = {
    {"GSIZE", "IMAGEPERCENT", "TRANSPARENCY", "GRADIENTPERCENT", "COLOR", "GCOL", "FONTCOLOR", "TCLEFT", "TCTOP",
     "TCRIGHT", "TCBOTTOM", "GRADIENTDATA"},
    {"HGSIZE", "HOTIMAGEPERCENT", "HOTTRANSPARENCY", "HOTGRADIENTPERCENT", "HOTCOLOR", "HGCOL", "HOTFONTCOLOR",
     "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT", "HOTTCBOTTOM", "HOTGRADIENTDATA"},
    {"GSIZE2", "IMAGEPERCENT2", "TRANSPARENCY2", "GRADIENTPERCENT2", "COLOR2", "GCOL2", "FONTCOLOR2", "TCLEFT2",
     "TCTOP2", "TCRIGHT2", "TCBOTTOM2", "GRADIENTDATA2"},
};

// Visits the integer fields of a state record with their keys.
template <typename Visit>
void ForEachStateInteger(TsGenState& s, const StateKeys& k, Visit visit) {
  visit(k.GSize, s.GSize);
  visit(k.TextureShare, s.TextureShare);
  visit(k.Transparency, s.Transparency);
  visit(k.GradientShare, s.GradientShare);
}
template <typename Visit>
void ForEachStateColor(TsGenState& s, const StateKeys& k, Visit visit) {
  visit(k.Color, s.Color);
  visit(k.GCol, s.GCol);
  visit(k.TextColor, s.TextColor);
  visit(k.TCLeft, s.TCLeft);
  visit(k.TCTop, s.TCTop);
  visit(k.TCRight, s.TCRight);
  visit(k.TCBottom, s.TCBottom);
}

void SetGradient(TsGenState& s, std::string_view text) {
  if (text.size() < kShortestGradient) {
    s.GradientShare = 0;
    s.GradientData.clear();
  } else {
    s.GradientData = ParseGradient(text);
  }
}

void ReadSection(const TacSkinOptions& text, const std::string& name, TsGeneralData& g) {
  g.SectionName = name;
  g.ParentClass = text.ReadText(name, "PARENTCLASS");
  g.ReservedBoolean = text.ReadInheritedFlag(name, "RESERVEDBOOLEAN", false);
  g.GiveOwnFont = text.ReadInheritedFlag(name, "GIVEOWNFONT", false);
  g.Glow = text.ReadInheritedInteger(name, "GLOW", 0, kByteLimit);
  g.GlowMargin = text.ReadInheritedInteger(name, "GLOWMARGIN", 0, kByteLimit);
  g.States = text.ReadInheritedInteger(name, "STATES", 3, kByteLimit);
  g.OutOffsL = text.ReadInheritedInteger(name, "OUTOFFSL", 0, kByteLimit);
  g.OutOffsT = text.ReadInheritedInteger(name, "OUTOFFST", 0, kByteLimit);
  g.OutOffsR = text.ReadInheritedInteger(name, "OUTOFFSR", 0, kByteLimit);
  g.OutOffsB = text.ReadInheritedInteger(name, "OUTOFFSB", 0, kByteLimit);
  g.OutOpacity = text.ReadInheritedInteger(name, "OUTOPACITY", 200, kByteLimit);
  g.OuterMode = text.ReadInheritedInteger(name, "OUTERMODE", 2);
  g.ImgTopLeft = g.ImgTopRight = g.ImgBottomLeft = g.ImgBottomRight = -1;
  g.Props[0] = ReadStateRecord(text, name, 0);
  // The hot state's defaults are the fixed defaults, not the normal state's values.
  g.Props[1] = g.States < 2 ? g.Props[0] : ReadStateRecord(text, name, 1);
  g.UseState2 = text.ReadInheritedInteger(name, "USESTATE2", 0) == 1;
  g.Props[2] = g.UseState2 ? ReadStateRecord(text, name, 2) : g.Props[1];
}

// Plain reads of the common sections: hexadecimal allowed, flags in any case.
std::optional<int32_t> CommonInteger(const TacSkinOptions& common, std::string_view section, std::string_view key) {
  const auto v = common.Value(section, key);
  return v ? ParseOptionInteger(*v) : std::nullopt;
}
void MergeFlag(const TacSkinOptions& common, std::string_view section, std::string_view key, bool& field) {
  if (const auto v = common.Value(section, key)) field = ParseOptionFlag(AnsiUpperCase(*v));
}

void MergeSection(const TacSkinOptions& common, std::string_view name, TsGeneralData& g) {
  const auto merge = [&](std::string_view key, auto& field, int32_t limit) {
    if (const auto v = CommonInteger(common, name, key)) field = std::min(*v, limit);
  };
  merge("STATES", g.States, kByteLimit);
  merge("GLOW", g.Glow, kByteLimit);
  merge("GLOWMARGIN", g.GlowMargin, kByteLimit);
  MergeFlag(common, name, "RESERVEDBOOLEAN", g.ReservedBoolean);
  MergeFlag(common, name, "GIVEOWNFONT", g.GiveOwnFont);
  for (int state = 0; state < 2; ++state) {
    TsGenState& s = g.Props[size_t(state)];
    const StateKeys& keys = kStateKeys[state];
    const auto mergeField = [&](const char* key, auto& field) { merge(key, field, TacSkinOptions::kNoLimit); };
    ForEachStateInteger(s, keys, mergeField);
    ForEachStateColor(s, keys, [&](const char* key, TColor& field) {
      if (const auto v = CommonInteger(common, name, key)) field = TColor(*v);
    });
    if (const auto gradient = common.Value(name, keys.GradientData)) SetGradient(s, *gradient);
  }
}

int FindSectionIgnoringCase(const TsGeneralDataArray& sections, std::string_view name) {
  if (name.empty()) return -1;
  for (size_t i = 0; i < sections.size(); ++i)
    if (SameTextIgnoringCase(sections[i].SectionName, name)) return int(i);
  return -1;
}

}  // namespace

int FindSection(const TsGeneralDataArray& sections, std::string_view name) {
  if (name.empty()) return -1;
  for (size_t i = 0; i < sections.size(); ++i)
    if (sections[i].SectionName == name) return int(i);
  return -1;
}

TsGenState ReadStateRecord(const TacSkinOptions& text, std::string_view section, int state,
                           const TsGenState& defaults) {
  TsGenState s = defaults;
  const StateKeys& keys = kStateKeys[std::clamp(state, 0, 2)];
  ForEachStateInteger(s, keys, [&](const char* key, int32_t& field) {
    field = text.ReadInheritedInteger(section, key, field);
  });
  ForEachStateColor(s, keys, [&](const char* key, TColor& field) {
    field = TColor(text.ReadInheritedInteger(section, key, int32_t(field)));
  });
  SetGradient(s, text.ReadInheritedText(section, keys.GradientData, " "));
  return s;
}

TsGeneralDataArray BuildSectionTable(const TacSkinOptions& text) {
  TsGeneralDataArray table(text.Sections().size());
  for (size_t i = 0; i < table.size(); ++i) ReadSection(text, text.Sections()[i].Name, table[i]);
  return table;
}

std::vector<std::string> PrepareCommonSections(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  out.reserve(lines.size());
  for (const std::string& line : lines) {
    std::string kept = line;
    if (kept.empty() || kept.front() != ';') std::erase(kept, ' ');
    out.push_back(std::move(kept));
  }
  return out;
}

void MergeCommonSections(TsGeneralDataArray& sections, const TacSkinOptions& common) {
  for (const TacOptionsSection& source : common.Sections()) {
    if (SameTextIgnoringCase(source.Name, kGlobalSection)) continue;
    // A name given twice is merged once: every lookup finds its first occurrence.
    if (common.SectionIndex(source.Name) != &source - common.Sections().data()) continue;
    int index = FindSection(sections, source.Name);
    if (index < 0) {
      const std::string parent = common.ReadText(source.Name, "PARENTCLASS");
      const int parentIndex = FindSectionIgnoringCase(sections, parent);
      TsGeneralData added = parentIndex >= 0 ? sections[size_t(parentIndex)] : TsGeneralData();
      added.SectionName = source.Name;
      added.ParentClass = parent;
      sections.push_back(std::move(added));
      index = int(sections.size()) - 1;
    }
    MergeSection(common, source.Name, sections[size_t(index)]);
  }
}
