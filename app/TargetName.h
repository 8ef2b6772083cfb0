#pragma once
// Composition of the normalised document name. All texts are code page 1251.
#include <string>
#include <string_view>

// Russian to lower-case Latin letters, digits and single underscores.
std::string transliterate(std::string_view text);

// Two-digit code of the selected work type; the last item of the list is "99".
std::string WorkCodeFor(int selectedIndex, int itemCount);

// number_year_code_title, transliterated and cut to 50 characters (no extension).
std::string ComposeName(std::string_view number, std::string_view year, std::string_view workCode,
                        std::string_view title);

// A field is empty when it holds nothing or just its placeholder.
inline bool IsFieldEmpty(std::string_view text, std::string_view placeholder) {
  return text.empty() || text == placeholder;
}

constexpr size_t kMaxNameLength = 50;  // characters before the extension
