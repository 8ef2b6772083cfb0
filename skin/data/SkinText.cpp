#include "skin/data/SkinText.h"

#include <array>

namespace {

// Upper case of every code page 1251 byte: Latin a-z, Cyrillic а-я and ё,
// and the Serbian, Macedonian, Ukrainian and Belarusian letters.
constexpr std::array<unsigned char, 256> MakeUpperTable() {
  std::array<unsigned char, 256> t{};
  for (int i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i);
  for (int c = 'a'; c <= 'z'; ++c) t[c] = static_cast<unsigned char>(c - 32);
  for (int c = 0xE0; c <= 0xFF; ++c) t[c] = static_cast<unsigned char>(c - 32);
  constexpr unsigned char kPairs[][2] = {{0x90, 0x80}, {0x83, 0x81}, {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D},
                                         {0x9E, 0x8E}, {0x9F, 0x8F}, {0xA2, 0xA1}, {0xB3, 0xB2}, {0xB4, 0xA5},
                                         {0xB8, 0xA8}, {0xBA, 0xAA}, {0xBC, 0xA3}, {0xBE, 0xBD}, {0xBF, 0xAF}};
  for (const auto& p : kPairs) t[p[0]] = p[1];
  return t;
}

constexpr std::array<unsigned char, 256> kUpper = MakeUpperTable();

}  // namespace

std::string AnsiUpperCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(kUpper[static_cast<unsigned char>(c)]);
  return out;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (kUpper[static_cast<unsigned char>(a[i])] != kUpper[static_cast<unsigned char>(b[i])]) return false;
  return true;
}

bool UpperCaseEquals(std::string_view text, std::string_view upper) {
  if (text.size() != upper.size()) return false;
  for (size_t i = 0; i < text.size(); ++i)
    if (kUpper[static_cast<unsigned char>(text[i])] != static_cast<unsigned char>(upper[i])) return false;
  return true;
}
