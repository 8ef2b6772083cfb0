#include "skin/controls/HtmlEntities.h"

#include <array>

namespace {

struct Entity {
  std::string_view Name;
  std::string_view Numeric;
  char32_t Character;  // Unicode, so that the text's own code page does not matter
};

// In lookup order. "39", "#180" and "#96" are their own numeric forms; "trade"
// answers to "#153", its byte in the Western code page.
constexpr std::array<Entity, 87> kEntities = {{
    {"ndash", "#8211", 0x2013},  {"mdash", "#8212", 0x2014},  {"nbsp", "#160", 0xA0},
    {"iexcl", "#161", 0xA1},     {"iquest", "#191", 0xBF},    {"quot", "#34", 0x22},
    {"ldquo", "#8220", 0x201C},  {"rdquo", "#8221", 0x201D},  {"39", "39", 0x27},
    {"lsquo", "#8216", 0x2018},  {"rsquo", "#8217", 0x2019},  {"laquo", "#171", 0xAB},
    {"raquo", "#187", 0xBB},     {"amp", "#38", 0x26},        {"cent", "#162", 0xA2},
    {"copy", "#169", 0xA9},      {"divide", "#247", 0xF7},    {"gt", "#62", 0x3E},
    {"lt", "#60", 0x3C},         {"micro", "#181", 0xB5},     {"middot", "#183", 0xB7},
    {"para", "#182", 0xB6},      {"plusmn", "#177", 0xB1},    {"euro", "#8364", 0x20AC},
    {"pound", "#163", 0xA3},     {"reg", "#174", 0xAE},       {"sect", "#167", 0xA7},
    {"trade", "#153", 0x2122},   {"yen", "#165", 0xA5},       {"szlig", "#223", 0xDF},
    {"yuml", "#255", 0xFF},      {"aacute", "#225", 0xE1},    {"Aacute", "#193", 0xC1},
    {"agrave", "#224", 0xE0},    {"Agrave", "#192", 0xC0},    {"acirc", "#226", 0xE2},
    {"Acirc", "#194", 0xC2},     {"aring", "#229", 0xE5},     {"Aring", "#197", 0xC5},
    {"atilde", "#227", 0xE3},    {"Atilde", "#195", 0xC3},    {"auml", "#228", 0xE4},
    {"Auml", "#196", 0xC4},      {"aelig", "#230", 0xE6},     {"AElig", "#198", 0xC6},
    {"ccedil", "#231", 0xE7},    {"Ccedil", "#199", 0xC7},    {"eacute", "#233", 0xE9},
    {"Eacute", "#201", 0xC9},    {"egrave", "#232", 0xE8},    {"Egrave", "#200", 0xC8},
    {"ecirc", "#234", 0xEA},     {"Ecirc", "#202", 0xCA},     {"euml", "#235", 0xEB},
    {"Euml", "#203", 0xCB},      {"iacute", "#237", 0xED},    {"Iacute", "#205", 0xCD},
    {"igrave", "#236", 0xEC},    {"Igrave", "#204", 0xCC},    {"icirc", "#238", 0xEE},
    {"Icirc", "#206", 0xCE},     {"iuml", "#239", 0xEF},      {"Iuml", "#207", 0xCF},
    {"ntilde", "#241", 0xF1},    {"Ntilde", "#209", 0xD1},    {"oacute", "#243", 0xF3},
    {"Oacute", "#211", 0xD3},    {"ograve", "#242", 0xF2},    {"Ograve", "#210", 0xD2},
    {"ocirc", "#244", 0xF4},     {"Ocirc", "#212", 0xD4},     {"oslash", "#248", 0xF8},
    {"Oslash", "#216", 0xD8},    {"otilde", "#245", 0xF5},    {"Otilde", "#213", 0xD5},
    {"ouml", "#246", 0xF6},      {"Ouml", "#214", 0xD6},      {"uacute", "#250", 0xFA},
    {"Uacute", "#218", 0xDA},    {"ugrave", "#249", 0xF9},    {"Ugrave", "#217", 0xD9},
    {"ucirc", "#251", 0xFB},     {"Ucirc", "#219", 0xDB},     {"uuml", "#252", 0xFC},
    {"Uuml", "#220", 0xDC},      {"#180", "#180", 0xB4},      {"#96", "#96", 0x60},
}};
static_assert(kEntities.back().Name == "#96", "every entry of the table is filled in");

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

}  // namespace

std::optional<char32_t> FindHtmlEntity(std::string_view reference) {
  for (const Entity& e : kEntities)
    if (e.Name == reference || e.Numeric == reference) return e.Character;
  for (const Entity& e : kEntities)
    if (SameIgnoringCase(e.Name, reference)) return e.Character;
  return std::nullopt;
}
