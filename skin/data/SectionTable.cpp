#include "skin/data/SectionTable.h"

#include <algorithm>
#include <array>
#include <optional>
#include <unordered_map>

#include "skin/data/ParentChain.h"

#include "skin/data/SkinKeys.h"
#include "skin/data/SkinOptions.h"
#include "skin/data/SkinText.h"
#include "skin/data/sSkinData.h"

namespace {

constexpr size_t kShortestGradient = 3;  // a shorter gradient value means no gradient
constexpr int32_t kByteLimit = 255;

// The keys of one state record: four integers, seven colours and the
// gradient, in the order of the fields below; K is a name or a looked-up key.
constexpr size_t kStateIntegers = 4, kStateColors = 7;
template <typename K>
struct StateKeysOf {
  std::array<K, kStateIntegers> Integers;
  std::array<K, kStateColors> Colors;
  K GradientData;
};
using StateKeys = StateKeysOf<SectionKey>;
using StateKeyIds = StateKeysOf<TacSkinOptions::Key>;

constexpr int32_t TsGenState::*kIntegerFields[kStateIntegers] = {&TsGenState::GSize, &TsGenState::TextureShare,
                                                                &TsGenState::Transparency, &TsGenState::GradientShare};
constexpr TColor TsGenState::*kColorFields[kStateColors] = {&TsGenState::Color,   &TsGenState::GCol,
                                                           &TsGenState::TextColor, &TsGenState::TCLeft,
                                                           &TsGenState::TCTop,   &TsGenState::TCRight,
                                                           &TsGenState::TCBottom};

// States 0 (normal), 1 (hot) and 2.
constexpr StateKeys kStateKeys[3] = {
    {{"GSIZE", "IMAGEPERCENT", "TRANSPARENCY", "GRADIENTPERCENT"},
     {"COLOR", "GCOL", "FONTCOLOR", "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM"},
     "GRADIENTDATA"},
    {{"HGSIZE", "HOTIMAGEPERCENT", "HOTTRANSPARENCY", "HOTGRADIENTPERCENT"},
     {"HOTCOLOR", "HGCOL", "HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT", "HOTTCBOTTOM"},
     "HOTGRADIENTDATA"},
    {{"GSIZE2", "IMAGEPERCENT2", "TRANSPARENCY2", "GRADIENTPERCENT2"},
     {"COLOR2", "GCOL2", "FONTCOLOR2", "TCLEFT2", "TCTOP2", "TCRIGHT2", "TCBOTTOM2"},
     "GRADIENTDATA2"},
};

StateKeyIds FindStateKeys(const TacSkinOptions& text, const StateKeys& names) {
  StateKeyIds ids;
  for (size_t i = 0; i < kStateIntegers; ++i) ids.Integers[i] = text.FindKey(names.Integers[i]);
  for (size_t i = 0; i < kStateColors; ++i) ids.Colors[i] = text.FindKey(names.Colors[i]);
  ids.GradientData = text.FindKey(names.GradientData);
  return ids;
}

// The keys read from every section, looked up once per text.
struct SectionKeys {
  using Key = TacSkinOptions::Key;
  explicit SectionKeys(const TacSkinOptions& text)
      : ParentClass(Find(text, "PARENTCLASS")),
        ReservedBoolean(Find(text, "RESERVEDBOOLEAN")),
        GiveOwnFont(Find(text, "GIVEOWNFONT")),
        Glow(Find(text, "GLOW")),
        GlowMargin(Find(text, "GLOWMARGIN")),
        States(Find(text, "STATES")),
        OutOffsL(Find(text, "OUTOFFSL")),
        OutOffsT(Find(text, "OUTOFFST")),
        OutOffsR(Find(text, "OUTOFFSR")),
        OutOffsB(Find(text, "OUTOFFSB")),
        OutOpacity(Find(text, "OUTOPACITY")),
        OuterMode(Find(text, "OUTERMODE")),
        UseState2(Find(text, "USESTATE2")),
        State{FindStateKeys(text, kStateKeys[0]), FindStateKeys(text, kStateKeys[1]),
              FindStateKeys(text, kStateKeys[2])} {}
  Key ParentClass, ReservedBoolean, GiveOwnFont, Glow, GlowMargin, States, OutOffsL, OutOffsT, OutOffsR, OutOffsB,
      OutOpacity, OuterMode, UseState2;
  StateKeyIds State[3];

 private:
  static Key Find(const TacSkinOptions& text, SectionKey key) { return text.FindKey(key); }
};

void SetGradient(TsGenState& s, std::string_view text) {
  if (text.size() < kShortestGradient) {
    s.GradientShare = 0;
    s.GradientData.clear();
  } else {
    s.GradientData = ParseGradient(text);
  }
}

// The twelve keys of one state, read from the section of this index (-1: none).
TsGenState ReadState(const TacSkinOptions& text, int section, const StateKeyIds& keys, const TsGenState& defaults) {
  TsGenState s = defaults;
  for (size_t i = 0; i < kStateIntegers; ++i) {
    int32_t& field = s.*kIntegerFields[i];
    field = text.ReadInheritedInteger(section, keys.Integers[i], field);
  }
  for (size_t i = 0; i < kStateColors; ++i) {
    TColor& field = s.*kColorFields[i];
    field = TColor(text.ReadInheritedInteger(section, keys.Colors[i], int32_t(field)));
  }
  SetGradient(s, text.ReadInheritedText(section, keys.GradientData, " "));
  return s;
}

void ReadSection(const TacSkinOptions& text, const SectionKeys& k, std::string_view name, TsGeneralData& g) {
  // A section named twice is read from its first occurrence, as every lookup by name is.
  const int section = text.SectionIndex(name);
  g.SectionName = name;
  g.ParentClass = text.Value(section, k.ParentClass).value_or(std::string_view());
  g.ReservedBoolean = text.ReadInheritedFlag(section, k.ReservedBoolean, false);
  g.GiveOwnFont = text.ReadInheritedFlag(section, k.GiveOwnFont, false);
  g.Glow = text.ReadInheritedInteger(section, k.Glow, 0, kByteLimit);
  g.GlowMargin = text.ReadInheritedInteger(section, k.GlowMargin, 0, kByteLimit);
  g.States = text.ReadInheritedInteger(section, k.States, 3, kByteLimit);
  g.OutOffsL = text.ReadInheritedInteger(section, k.OutOffsL, 0, kByteLimit);
  g.OutOffsT = text.ReadInheritedInteger(section, k.OutOffsT, 0, kByteLimit);
  g.OutOffsR = text.ReadInheritedInteger(section, k.OutOffsR, 0, kByteLimit);
  g.OutOffsB = text.ReadInheritedInteger(section, k.OutOffsB, 0, kByteLimit);
  g.OutOpacity = text.ReadInheritedInteger(section, k.OutOpacity, 200, kByteLimit);
  g.OuterMode = text.ReadInheritedInteger(section, k.OuterMode, 2);
  g.ImgTopLeft = g.ImgTopRight = g.ImgBottomLeft = g.ImgBottomRight = -1;
  g.Props[0] = ReadState(text, section, k.State[0], TsGenState());
  // The hot state's defaults are the fixed defaults, not the normal state's values.
  g.Props[1] = g.States < 2 ? g.Props[0] : ReadState(text, section, k.State[1], TsGenState());
  g.UseState2 = text.ReadInheritedInteger(section, k.UseState2, 0) == 1;
  g.Props[2] = g.UseState2 ? ReadState(text, section, k.State[2], TsGenState()) : g.Props[1];
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
    for (size_t i = 0; i < kStateIntegers; ++i) merge(keys.Integers[i], s.*kIntegerFields[i], TacSkinOptions::kNoLimit);
    for (size_t i = 0; i < kStateColors; ++i) {
      if (const auto v = CommonInteger(common, name, keys.Colors[i])) s.*kColorFields[i] = TColor(*v);
    }
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
  return ReadState(text, text.SectionIndex(section), FindStateKeys(text, kStateKeys[std::clamp(state, 0, 2)]),
                   defaults);
}

TsGeneralDataArray BuildSectionTable(const TacSkinOptions& text) {
  const SectionKeys keys(text);
  TsGeneralDataArray table(text.Sections().size());
  for (size_t i = 0; i < table.size(); ++i) ReadSection(text, keys, text.Sections()[i].Name, table[i]);
  LinkSectionParents(table);
  return table;
}

bool NamesParent(const TsGeneralData& s) {
  return !s.ParentClass.empty() && s.ParentClass != "?" && s.ParentClass != s.SectionName;
}

void LinkSectionParents(TsGeneralDataArray& sections) {
  std::unordered_map<std::string_view, int32_t> byName;
  byName.reserve(sections.size());
  for (size_t i = 0; i < sections.size(); ++i) byName.try_emplace(sections[i].SectionName, int32_t(i));  // the first wins
  std::vector<int32_t> parents(sections.size(), -1);
  for (size_t i = 0; i < sections.size(); ++i) {
    const TsGeneralData& s = sections[i];
    if (!NamesParent(s)) continue;
    const auto it = byName.find(s.ParentClass);
    if (it != byName.end()) parents[i] = it->second;
  }
  const std::vector<uint8_t> walks = ParentWalkLengths(parents);
  for (size_t i = 0; i < sections.size(); ++i) {
    sections[i].ParentIndex = parents[i];
    sections[i].ParentWalk = walks[i];
  }
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
  if (common.Empty()) return;
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
  LinkSectionParents(sections);
}
