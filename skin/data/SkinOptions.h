#pragma once
// The options text of a skin ("Options.dat"): sections of "KEY=value" lines.
// Section and key names are compared exactly, letter case included. A section
// name may occur twice; every lookup by name finds the first one, and within
// a section the first occurrence of a key wins. The value "?" counts as absent.
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Names and values are views into the text that the parsed options own.
struct TacOptionsKey {
  std::string_view Name;
  std::string_view Value;  // empty for a line without "="
};

struct TacOptionsSection {
  std::string_view Name;
  std::span<const TacOptionsKey> Keys;  // in text order, duplicates kept
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
  // Moves keep every view valid; copies would not, so there are none.
  TacSkinOptions(TacSkinOptions&&) noexcept = default;
  TacSkinOptions& operator=(TacSkinOptions&&) noexcept = default;
  TacSkinOptions(const TacSkinOptions&) = delete;
  TacSkinOptions& operator=(const TacSkinOptions&) = delete;

  // Splits at CR, LF or CR LF; blanks and control characters at both ends of a
  // line are removed; empty lines, ";" comments and lines before the first
  // section are skipped. The text is copied: the result stands alone.
  static TacSkinOptions Parse(std::string_view text);

  bool Empty() const { return sections_.empty(); }
  const std::vector<TacOptionsSection>& Sections() const { return sections_; }
  // Index of the first section of this name; -1 when none.
  int SectionIndex(std::string_view section) const;
  bool HasSection(std::string_view section) const { return SectionIndex(section) >= 0; }

  // A key name looked up once, for reading the same key from many sections
  // (the section table reads some fifty keys from every section). Valid for
  // the object that made it.
  class Key {
   public:
    Key() = default;

   private:
    friend class TacSkinOptions;
    explicit Key(int id) : id_(id) {}
    int id_ = -1;  // -1: no section has a key of this name
  };
  Key FindKey(std::string_view name) const;

  // The value of a key, or nothing when the section or key is absent or the value is "?".
  // A section may also be given by its index (-1: none), a key by its Key.
  std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;
  std::optional<std::string_view> Value(int section, Key key) const;

  // Plain readers (no inheritance): "GLOBALINFO" and the "PARENTCLASS" key.
  std::string ReadText(std::string_view section, std::string_view key, std::string_view def = {}) const;
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;
  bool ReadFlag(std::string_view section, std::string_view key, bool def) const;
  double ReadReal(std::string_view section, std::string_view key, double def = 0) const;

  // Inherited readers: an absent key is taken from the section named by
  // "PARENTCLASS", and so on up the chain, by the rule of ParentChain.h.
  std::string ReadInheritedText(std::string_view section, std::string_view key, std::string_view def = {}) const;
  std::string ReadInheritedText(int section, Key key, std::string_view def = {}) const;
  // -1 in a section counts as absent; an inherited system colour is turned into
  // RGB; the result is at most limit.
  int32_t ReadInheritedInteger(std::string_view section, std::string_view key, int32_t def,
                               int32_t limit = kNoLimit) const;
  int32_t ReadInheritedInteger(int section, Key key, int32_t def, int32_t limit = kNoLimit) const;
  bool ReadInheritedFlag(std::string_view section, std::string_view key, bool def) const;
  bool ReadInheritedFlag(int section, Key key, bool def) const;

 private:
  // Entries of the open-addressing tables below; Index -1 marks a free slot.
  struct NameSlot {
    uint32_t Hash = 0;
    int32_t Index = -1;
  };
  struct KeySlot {
    int32_t Section = -1;
    int32_t Name = -1;  // id of the key's name
    int32_t Index = -1;
  };
  const std::string_view* FindRaw(int section, Key key) const;
  template <typename Found>
  auto WalkParents(int start, Key key, Found found) const;
  void Index();

  std::unique_ptr<char[]> text_;
  std::vector<TacOptionsKey> keys_;  // all sections' keys, section after section
  std::vector<TacOptionsSection> sections_;
  std::vector<NameSlot> sectionSlots_;  // section name -> index of its first occurrence
  // Key names are numbered once, so that the many lookups of one key up a
  // chain of parents compare numbers rather than text.
  std::vector<std::string_view> names_;  // distinct key names; the index is the name's id
  std::vector<NameSlot> nameSlots_;      // key name -> id
  std::vector<KeySlot> keySlots_;        // (section, name id) -> index of the key's first line
  // Per section: the section its "PARENTCLASS" names, or -1 when the value is
  // empty, "?", the section's own name or unknown; and how many parents an
  // inherited read from it follows.
  std::vector<int32_t> parents_;
  std::vector<uint8_t> walkLengths_;
};
