#include "skin/data/SkinOptions.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

#include "skin/data/ParentChain.h"

#include "skin/render/core/Color.h"

namespace {

constexpr std::string_view kAbsentMark = "?";
constexpr std::string_view kParentKey = "PARENTCLASS";

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlankOrControl(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlankOrControl(s.back())) s.remove_suffix(1);
  return s;
}

uint64_t Load64(const char* p) {
  uint64_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
uint64_t Load32(const char* p) {
  uint32_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

// A hash of a section or key name, a word at a time: names are short, and
// they are hashed at every lookup.
uint32_t NameHash(std::string_view s) {
  constexpr uint64_t kMul = 0x9E3779B97F4A7C15ull;
  const char* p = s.data();
  const size_t n = s.size();
  uint64_t h = n;
  if (n >= 8) {
    for (size_t i = 0; i + 8 < n; i += 8) h = ((h ^ Load64(p + i)) * kMul) ^ (h >> 29);
    h = (h ^ Load64(p + n - 8)) * kMul;  // the last word, overlapping the one before
  } else if (n >= 4) {
    h = (h ^ (Load32(p) << 32 | Load32(p + n - 4))) * kMul;
  } else if (n > 0) {
    h = (h ^ (uint64_t(uint8_t(p[0])) << 16 | uint64_t(uint8_t(p[n / 2])) << 8 | uint8_t(p[n - 1]))) * kMul;
  }
  return uint32_t(h ^ (h >> 32));
}

// A table of at least twice as many slots as entries, so that probes stay short.
size_t TableSize(size_t entries) { return std::bit_ceil(std::max<size_t>(entries * 2, 8)); }

// The slot of this name in a table of names, or the free slot where it belongs.
template <typename Table, typename NameOf>
auto& ProbeName(Table& table, std::string_view name, uint32_t hash, NameOf nameOf) {
  const size_t mask = table.size() - 1;
  for (size_t at = hash & mask;; at = (at + 1) & mask) {
    auto& slot = table[at];
    if (slot.Index < 0 || (slot.Hash == hash && nameOf(slot.Index) == name)) return slot;
  }
}

// The slot of a key (section, name id), or the free slot where it belongs.
template <typename Table>
auto& ProbeKey(Table& table, int section, int name) {
  const size_t mask = table.size() - 1;
  uint32_t hash = uint32_t(section) * 0x9E3779B1u ^ uint32_t(name) * 0x85EBCA77u;
  hash ^= hash >> 16;
  for (size_t at = hash & mask;; at = (at + 1) & mask) {
    auto& slot = table[at];
    if (slot.Index < 0 || (slot.Section == section && slot.Name == name)) return slot;
  }
}

std::optional<uint32_t> ParseHex(std::string_view digits) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  uint32_t v = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v, 16);
  if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return v;
}

}  // namespace

std::optional<int32_t> ParseOptionInteger(std::string_view text) {
  // Most values are short decimal numbers (colours, sizes): read those
  // directly; nine digits cannot leave the 32-bit range.
  const size_t sign = !text.empty() && text[0] == '-' ? 1 : 0;
  if (text.size() > sign && text.size() - sign <= 9) {
    int32_t v = 0;
    size_t i = sign;
    while (i < text.size() && unsigned(text[i]) - '0' <= 9) v = v * 10 + int32_t(text[i++] - '0');
    if (i == text.size()) return sign ? -v : v;
  }
  std::optional<uint32_t> hex;
  if (!text.empty() && text.front() == '$') {
    hex = ParseHex(text.substr(1));
  } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    hex = ParseHex(text.substr(2));
  } else {
    // from_chars takes an optional "-" (no "+") and rejects values out of range.
    int32_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v, 10);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
  }
  if (!hex) return std::nullopt;
  return static_cast<int32_t>(*hex);
}

std::optional<double> ParseOptionReal(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const bool digitsOnly = std::all_of(text.begin(), text.end(), [](char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
  });
  if (!digitsOnly) return std::nullopt;  // no "inf", "nan" or hexadecimal forms
  double v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

bool ParseOptionFlag(std::string_view text) { return text == "TRUE" || text == "1"; }

TacSkinOptions TacSkinOptions::Parse(std::string_view source) {
  TacSkinOptions out;
  out.text_ = std::make_unique_for_overwrite<char[]>(source.size());
  if (!source.empty()) std::memcpy(out.text_.get(), source.data(), source.size());
  const std::string_view text(out.text_.get(), source.size());
  std::vector<size_t> firstKeys;  // per section: its first entry in keys_
  // The next CR and the next LF at or after pos, each searched for again only
  // once passed, so that text with one kind of line break stays linear.
  const auto next = [&text](char c, size_t from) { return std::min(text.find(c, from), text.size()); };
  size_t pos = 0, nextCr = next('\r', 0), nextLf = next('\n', 0);
  while (pos < text.size()) {
    if (nextCr < pos) nextCr = next('\r', pos);
    if (nextLf < pos) nextLf = next('\n', pos);
    const size_t end = std::min(nextCr, nextLf);
    const std::string_view line = Trim(text.substr(pos, end - pos));
    pos = end + (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n' ? 2 : 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      out.sections_.push_back({Trim(line.substr(1, line.size() - 2)), {}});
      firstKeys.push_back(out.keys_.size());
      continue;
    }
    if (out.sections_.empty()) continue;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
      out.keys_.push_back({line, {}});
    } else {
      out.keys_.push_back({Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))});
    }
  }
  // keys_ is complete: the sections' views into it stay valid from here on.
  for (size_t i = 0; i < out.sections_.size(); ++i) {
    const size_t last = i + 1 < firstKeys.size() ? firstKeys[i + 1] : out.keys_.size();
    out.sections_[i].Keys = std::span<const TacOptionsKey>(out.keys_).subspan(firstKeys[i], last - firstKeys[i]);
  }
  out.Index();
  return out;
}

void TacSkinOptions::Index() {
  sectionSlots_.assign(TableSize(sections_.size()), NameSlot());
  nameSlots_.assign(TableSize(keys_.size()), NameSlot());
  keySlots_.assign(TableSize(keys_.size()), KeySlot());
  names_.clear();
  const auto sectionName = [this](int i) { return sections_[size_t(i)].Name; };
  const auto keyName = [this](int id) { return names_[size_t(id)]; };
  for (size_t i = 0; i < sections_.size(); ++i) {
    const TacOptionsSection& section = sections_[i];
    const uint32_t hash = NameHash(section.Name);
    NameSlot& slot = ProbeName(sectionSlots_, section.Name, hash, sectionName);
    if (slot.Index < 0) slot = {hash, int32_t(i)};  // else the first section of the name wins
    const size_t first = size_t(section.Keys.data() - keys_.data());
    for (size_t k = first; k < first + section.Keys.size(); ++k) {
      const uint32_t keyHash = NameHash(keys_[k].Name);
      NameSlot& name = ProbeName(nameSlots_, keys_[k].Name, keyHash, keyName);
      if (name.Index < 0) {
        name = {keyHash, int32_t(names_.size())};
        names_.push_back(keys_[k].Name);
      }
      KeySlot& key = ProbeKey(keySlots_, int(i), name.Index);
      if (key.Index < 0) key = {int32_t(i), name.Index, int32_t(k)};  // else the first line of the key wins
    }
  }
  parents_.assign(sections_.size(), -1);
  const Key parentKey = FindKey(kParentKey);
  for (size_t i = 0; i < sections_.size(); ++i) {
    const std::string_view* parent = FindRaw(int(i), parentKey);
    if (parent && !parent->empty() && *parent != sections_[i].Name) parents_[i] = SectionIndex(*parent);
  }
  walkLengths_ = ParentWalkLengths(parents_);
}

int TacSkinOptions::SectionIndex(std::string_view section) const {
  if (sectionSlots_.empty()) return -1;
  return ProbeName(sectionSlots_, section, NameHash(section), [this](int i) { return sections_[size_t(i)].Name; })
      .Index;
}

TacSkinOptions::Key TacSkinOptions::FindKey(std::string_view name) const {
  if (nameSlots_.empty()) return Key();
  return Key(ProbeName(nameSlots_, name, NameHash(name), [this](int id) { return names_[size_t(id)]; }).Index);
}

const std::string_view* TacSkinOptions::FindRaw(int section, Key key) const {
  if (section < 0 || size_t(section) >= sections_.size() || key.id_ < 0) return nullptr;
  const int index = ProbeKey(keySlots_, section, key.id_).Index;
  if (index < 0) return nullptr;
  const std::string_view& value = keys_[size_t(index)].Value;
  return value == kAbsentMark ? nullptr : &value;
}

std::optional<std::string_view> TacSkinOptions::Value(int section, Key key) const {
  const std::string_view* v = FindRaw(section, key);
  if (!v) return std::nullopt;
  return *v;
}

std::optional<std::string_view> TacSkinOptions::Value(std::string_view section, std::string_view key) const {
  return Value(SectionIndex(section), FindKey(key));
}

std::string TacSkinOptions::ReadText(std::string_view section, std::string_view key, std::string_view def) const {
  return std::string(Value(section, key).value_or(def));
}

int32_t TacSkinOptions::ReadInteger(std::string_view section, std::string_view key, int32_t def) const {
  const auto v = Value(section, key);
  if (!v) return def;
  return ParseOptionInteger(*v).value_or(def);
}

bool TacSkinOptions::ReadFlag(std::string_view section, std::string_view key, bool def) const {
  const auto v = Value(section, key);
  return v ? ParseOptionFlag(*v) : def;
}

double TacSkinOptions::ReadReal(std::string_view section, std::string_view key, double def) const {
  const auto v = Value(section, key);
  if (!v) return def;
  return ParseOptionReal(*v).value_or(def);
}

// The inherited readers walk the chain of parents by the one rule of
// ParentChain.h and take the first section for which found(section, value)
// yields a result; value is the section's own value of the key, or null, for
// which found() must yield nothing.
template <typename Found>
auto TacSkinOptions::WalkParents(int start, Key key, Found found) const {
  using Result = decltype(found(0, nullptr));
  Result result{};
  if (key.id_ < 0 || start < 0 || size_t(start) >= sections_.size()) return result;  // key.id_ < 0: no section has it
  FindInParentChain(
      start, walkLengths_[size_t(start)], [this](int32_t s) { return parents_[size_t(s)]; },
      [&](int32_t s) {
        result = found(s, FindRaw(s, key));
        return bool(result);
      });
  return result;
}

std::string TacSkinOptions::ReadInheritedText(int section, Key key, std::string_view def) const {
  const std::string_view* v = WalkParents(section, key, [](int, const std::string_view* raw) { return raw; });
  return std::string(v ? *v : def);
}

std::string TacSkinOptions::ReadInheritedText(std::string_view section, std::string_view key,
                                              std::string_view def) const {
  return ReadInheritedText(SectionIndex(section), FindKey(key), def);
}

int32_t TacSkinOptions::ReadInheritedInteger(int start, Key key, int32_t def, int32_t limit) const {
  bool inherited = false;
  const std::optional<int32_t> v =
      WalkParents(start, key, [&](int s, const std::string_view* raw) -> std::optional<int32_t> {
        const std::optional<int32_t> n = raw ? ParseOptionInteger(*raw) : std::nullopt;
        if (!n || *n == -1) return std::nullopt;  // -1 written in a section counts as absent
        inherited = s != start;
        return n;
      });
  int32_t result = def;
  if (v) result = inherited ? int32_t(ResolveColor(TColor(*v))) : *v;
  return std::min(result, limit);
}

int32_t TacSkinOptions::ReadInheritedInteger(std::string_view section, std::string_view key, int32_t def,
                                             int32_t limit) const {
  return ReadInheritedInteger(SectionIndex(section), FindKey(key), def, limit);
}

bool TacSkinOptions::ReadInheritedFlag(int section, Key key, bool def) const {
  const std::string_view* v = WalkParents(section, key, [](int, const std::string_view* raw) { return raw; });
  return v ? ParseOptionFlag(*v) : def;
}

bool TacSkinOptions::ReadInheritedFlag(std::string_view section, std::string_view key, bool def) const {
  return ReadInheritedFlag(SectionIndex(section), FindKey(key), def);
}
