#include "skin/data/SkinOptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "skin/render/Color.h"

namespace {

constexpr std::string_view kAbsentMark = "?";
constexpr std::string_view kParentKey = "PARENTCLASS";

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlankOrControl(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlankOrControl(s.back())) s.remove_suffix(1);
  return s;
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

TacSkinOptions TacSkinOptions::Parse(std::string_view text) {
  TacSkinOptions out;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = Trim(text.substr(pos, end - pos));
    pos = end + (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n' ? 2 : 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      out.sections_.push_back({std::string(Trim(line.substr(1, line.size() - 2))), {}});
      continue;
    }
    if (out.sections_.empty()) continue;
    const size_t eq = line.find('=');
    TacOptionsKey key;
    if (eq == std::string_view::npos) {
      key.Name = std::string(line);
    } else {
      key.Name = std::string(Trim(line.substr(0, eq)));
      key.Value = std::string(Trim(line.substr(eq + 1)));
    }
    out.sections_.back().Keys.push_back(std::move(key));
  }
  out.Index();
  return out;
}

void TacSkinOptions::Index() {
  firstKey_.assign(sections_.size(), {});
  firstSection_.clear();
  for (size_t i = 0; i < sections_.size(); ++i) {
    firstSection_.emplace(sections_[i].Name, i);
    const std::vector<TacOptionsKey>& keys = sections_[i].Keys;
    for (size_t k = 0; k < keys.size(); ++k) firstKey_[i].emplace(keys[k].Name, k);
  }
}

int TacSkinOptions::SectionIndex(std::string_view section) const {
  const auto it = firstSection_.find(section);
  return it == firstSection_.end() ? -1 : int(it->second);
}

const std::string* TacSkinOptions::FindRaw(int section, std::string_view key) const {
  if (section < 0) return nullptr;
  const NameIndex& keys = firstKey_[size_t(section)];
  const auto it = keys.find(key);
  if (it == keys.end()) return nullptr;
  const std::string& value = sections_[size_t(section)].Keys[it->second].Value;
  return value == kAbsentMark ? nullptr : &value;
}

std::optional<std::string_view> TacSkinOptions::Value(std::string_view section, std::string_view key) const {
  const std::string* v = FindRaw(SectionIndex(section), key);
  if (!v) return std::nullopt;
  return std::string_view(*v);
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

int TacSkinOptions::UsableParent(int section) const {
  const std::string* parent = FindRaw(section, kParentKey);
  if (!parent || parent->empty() || *parent == sections_[size_t(section)].Name) return -1;
  return SectionIndex(*parent);
}

// The inherited readers walk the chain of parents once, visiting no section
// twice, and take the first section for which found() yields a value.
template <typename Found>
static auto WalkParents(const TacSkinOptions& text, int start, int (TacSkinOptions::*parentOf)(int) const,
                        Found found) -> decltype(found(0)) {
  int visited[TacSkinOptions::kMaxParentDepth + 1];
  int count = 0;
  for (int s = start; s >= 0 && count <= TacSkinOptions::kMaxParentDepth; s = (text.*parentOf)(s)) {
    if (std::find(visited, visited + count, s) != visited + count) break;
    visited[count++] = s;
    if (auto v = found(s)) return v;
  }
  return {};
}

std::string TacSkinOptions::ReadInheritedText(std::string_view section, std::string_view key,
                                              std::string_view def) const {
  const std::string* v = WalkParents(*this, SectionIndex(section), &TacSkinOptions::UsableParent,
                                     [&](int s) { return FindRaw(s, key); });
  return v ? *v : std::string(def);
}

int32_t TacSkinOptions::ReadInheritedInteger(std::string_view section, std::string_view key, int32_t def,
                                             int32_t limit) const {
  const int start = SectionIndex(section);
  bool inherited = false;
  const std::optional<int32_t> v =
      WalkParents(*this, start, &TacSkinOptions::UsableParent, [&](int s) -> std::optional<int32_t> {
        const std::string* raw = FindRaw(s, key);
        const std::optional<int32_t> n = raw ? ParseOptionInteger(*raw) : std::nullopt;
        if (!n || *n == -1) return std::nullopt;  // -1 written in a section counts as absent
        inherited = s != start;
        return n;
      });
  int32_t result = def;
  if (v) result = inherited ? int32_t(ResolveColor(TColor(*v))) : *v;
  return std::min(result, limit);
}

bool TacSkinOptions::ReadInheritedFlag(std::string_view section, std::string_view key, bool def) const {
  const std::string* v = WalkParents(*this, SectionIndex(section), &TacSkinOptions::UsableParent,
                                     [&](int s) { return FindRaw(s, key); });
  return v ? ParseOptionFlag(*v) : def;
}
