#include "app/TargetName.h"

#include <array>

namespace {

// Latin for the Cyrillic letters А..Я (1251 bytes 192..223, lower case 224..255).
constexpr std::array<std::string_view, 32> kCyrillic = {
    "a", "b", "v", "g", "d", "e", "zh", "z", "i", "jj", "k", "l", "m", "n", "o", "p",
    "r", "s", "t", "u", "f", "kh", "c", "ch", "sh", "sh", "j", "y", "", "eh", "ju", "ja",
};

constexpr unsigned char kYoUpper = 168, kYoLower = 184;

// The table gives lower-case Latin directly: upper-case letters would be
// lower-cased right afterwards, and Latin capitals of the input are dropped.
std::string_view Replacement(unsigned char b) {
  static constexpr std::array<char, 10> kDigits = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'};
  static constexpr std::string_view kLatin = "abcdefghijklmnopqrstuvwxyz";
  if (b >= 192) return kCyrillic[(b - 192) % 32];
  if (b == kYoUpper || b == kYoLower) return "yo";
  if (b == ' ' || b == '_') return "_";
  if (b >= '0' && b <= '9') return {&kDigits[b - '0'], 1};
  if (b >= 'a' && b <= 'z') return kLatin.substr(b - 'a', 1);
  return {};
}

}  // namespace

std::string transliterate(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (unsigned char b : text) {
    for (char c : Replacement(b)) {
      if (c == '_' && !out.empty() && out.back() == '_') continue;  // every run of "_" ends as one
      out += c;
    }
  }
  return out;
}

std::string WorkCodeFor(int selectedIndex, int itemCount) {
  int n = selectedIndex + 1;
  if (n == itemCount) return "99";
  return (n > 9 ? "" : "0") + std::to_string(n);
}

std::string ComposeName(std::string_view number, std::string_view year, std::string_view workCode,
                        std::string_view title) {
  std::string composed;
  composed.append(number).append("_").append(year).append("_").append(workCode).append("_").append(title);
  std::string name = transliterate(composed);
  if (name.size() > kMaxNameLength) name.resize(kMaxNameLength);
  return name;
}
