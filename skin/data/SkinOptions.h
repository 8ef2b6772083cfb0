#pragma once
// The options text of a skin ("Options.dat"): sections of "KEY=value" lines.
// Section and key names are compared exactly, letter case included. A section
// name may occur twice; every lookup by name finds the first one, and within
// a section the first occurrence of a key wins. The value "?" counts as absent.
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct TacOptionsKey {
  std::string Name;
  std::string Value;  // empty for a line without "="
};

struct TacOptionsSection {
  std::string Name;
  std::vector<TacOptionsKey> Keys;  // in text order, duplicates kept
};

// Value forms shared by every reader of option values.
// Integer: optional "-" and decimal digits, or hexadecimal after "$", "0x" or
// "0X"; hexadecimal up to 8 digits wraps into the signed range ($FF00000F is
// a system colour). Anything else, or a value out of range, is not a number.
std::optional<int32_t> ParseOptionInteger(std::string_view text);
// Real: decimal number with "." as the decimal point.
std::optional<double> ParseOptionReal(std::string_view text);
// Flag: true only for "TRUE" or "1" exactly.
bool ParseOptionFlag(std::string_view text);

class TacSkinOptions {
 public:
  static constexpr int32_t kNoLimit = std::numeric_limits<int32_t>::max();

  TacSkinOptions() = default;
  // Splits at CR, LF or CR LF; blanks and control characters at both ends of a
  // line are removed; empty lines, ";" comments and lines before the first
  // section are skipped.
  static TacSkinOptions Parse(std::string_view text);

  bool Empty() const { return sections_.empty(); }
  const std::vector<TacOptionsSection>& Sections() const { return sections_; }
  // Index of the first section of this name; -1 when none.
  int SectionIndex(std::string_view section) const;
  bool HasSection(std::string_view section) const { return SectionIndex(section) >= 0; }

  // The value of a key, or nothing when the section or key is absent or the value is "?".
  std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;

  // Plain readers (no inheritance): "GLOBALINFO" and the "PARENTCLASS" key.
  std::string ReadText(std::string_view section, std::string_view key, std::string_view def = {}) const;
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;
  bool ReadFlag(std::string_view section, std::string_view key, bool def) const;
  double ReadReal(std::string_view section, std::string_view key, double def = 0) const;

  // Inherited readers: an absent key is taken from the section named by
  // "PARENTCLASS", and so on up the chain. A chain that returns to a section
  // already visited, or grows longer than kMaxParentDepth, ends there.
  static constexpr int kMaxParentDepth = 64;
  std::string ReadInheritedText(std::string_view section, std::string_view key, std::string_view def = {}) const;
  // -1 in a section counts as absent; an inherited system colour is turned into
  // RGB; the result is at most limit.
  int32_t ReadInheritedInteger(std::string_view section, std::string_view key, int32_t def,
                               int32_t limit = kNoLimit) const;
  bool ReadInheritedFlag(std::string_view section, std::string_view key, bool def) const;

 private:
  struct TextHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  using NameIndex = std::unordered_map<std::string, size_t, TextHash, std::equal_to<>>;
  const std::string* FindRaw(int section, std::string_view key) const;
  int UsableParent(int section) const;  // -1 when PARENTCLASS is empty, "?", own name or unknown
  void Index();

  std::vector<TacOptionsSection> sections_;
  std::vector<NameIndex> firstKey_;  // per section: key name -> index of its first line
  NameIndex firstSection_;           // section name -> index of its first occurrence
};
