#pragma once
// Every option key that some part of the program reads, listed once. Readers
// name their keys through the ListedKey types below, which take only names of
// their lists (any other name fails to compile), so a reader cannot use a key
// that the lists lack; the skin checker tells authors which keys of a skin
// nothing reads from the same lists. Keys of windows and controls that read
// them by image lookup (glows, title buttons, track bars, status panels, menu
// check marks) are listed with them, so that the skins written for them, the
// built-in skin among them, check clean.
#include <algorithm>
#include <string_view>

// Plain keys of "GLOBALINFO": the global information, the version and the
// skin-wide colours.
inline constexpr std::string_view kGlobalInfoKeys[] = {
    "VERSION", "AEROBLUR", "AUTHOR", "DESCRIPTION", "SHADOW1OFFSET", "SHADOW1BLUR", "SHADOW1TRANSPARENCY",
    "BORDERWIDTH", "TITLEHEIGHT", "MAXHEIGHT", "FORMOFFSET", "CENTEROFFSET", "BORDERMODE", "ALIGNOFFSET",
    "ALIGNOFFSETR", "ALIGNOFFSETT", "ALIGNOFFSETB", "BISPACE", "BIVALIGN", "BIRIGHT", "BILEFT", "BITOP", "BIKEEPHUE",
    "BICONCLOSEGLOW", "BICONCLOSEGLOWMARGIN", "BICONMAXGLOW", "BICONMAXGLOWMARGIN", "BICONMINGLOW",
    "BICONMINGLOWMARGIN", "COMBOMARGIN", "BRIGHTMIN", "BRIGHTMAX", "SHADOW1COLOR",
    // skin-wide colours
    "COLOR", "FONTCOLOR", "TCBOTTOM", "TCTOP", "EDITBG_INV", "EDITTEXT_INV", "EDITBG_ODD", "EDITBG_EVEN",
    "EDITTEXT_OK", "EDITTEXT_WARN", "EDITTEXT_ALERT", "EDITBG_OK", "EDITBG_WARN", "EDITBG_ALERT", "EDITTEXT_H1",
    "EDITTEXT_H2", "EDITTEXT_H3", "BORDERCOLOR",
};

// Image keys of "GLOBALINFO" besides the manager's well-known images
// (kWellKnownMaskKeys): the main picture, the menu check mark, the background
// of user title buttons.
inline constexpr std::string_view kGlobalImageKeys[] = {"MASTERBITMAP", "CHECK", "TITLEBUTTON"};

// The outer effects of "GLOBALINFO": every field key under both prefixes
// ("LO_COLORL", "SH_COLORL", ...).
inline constexpr std::string_view kOuterEffectPrefixes[] = {"LO_", "SH_"};
inline constexpr std::string_view kOuterEffectFields[] = {
    "COLORL", "COLORT", "COLORR", "COLORB", "OFFSETL", "OFFSETT", "OFFSETR", "OFFSETB",
    "WIDTHL", "WIDTHT", "WIDTHR", "WIDTHB", "MASK", "SOURCE", "OPACITY",
};

// A glyph image of "GLOBALINFO" may have a glow image under its key followed by this.
inline constexpr std::string_view kGlyphGlowSuffix = "GLOW0";

// Keys of every section ("GLOBALINFO" included), read with inheritance.
inline constexpr std::string_view kSectionKeys[] = {
    "PARENTCLASS", "RESERVEDBOOLEAN", "GIVEOWNFONT", "GLOW", "GLOWMARGIN", "STATES", "OUTOFFSL", "OUTOFFST",
    "OUTOFFSR", "OUTOFFSB", "OUTOPACITY", "OUTERMODE", "USESTATE2",
    // normal state
    "GSIZE", "IMAGEPERCENT", "TRANSPARENCY", "GRADIENTPERCENT", "COLOR", "GCOL", "FONTCOLOR", "TCLEFT", "TCTOP",
    "TCRIGHT", "TCBOTTOM", "GRADIENTDATA",
    // hot state
    "HGSIZE", "HOTIMAGEPERCENT", "HOTTRANSPARENCY", "HOTGRADIENTPERCENT", "HOTCOLOR", "HGCOL", "HOTFONTCOLOR",
    "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT", "HOTTCBOTTOM", "HOTGRADIENTDATA",
    // third state
    "GSIZE2", "IMAGEPERCENT2", "TRANSPARENCY2", "GRADIENTPERCENT2", "COLOR2", "GCOL2", "FONTCOLOR2", "TCLEFT2",
    "TCTOP2", "TCRIGHT2", "TCBOTTOM2", "GRADIENTDATA2",
};

// Image keys of every section, found with FindMask or FindPattern.
inline constexpr std::string_view kSectionImageKeys[] = {
    "BORDERSMASK", "OUTERMASK", "IMGTOPLEFT", "IMGTOPRIGHT", "IMGBTMLEFT", "IMGBTMRIGHT", "PATTERN", "HOTPATTERN",
    "PATTERN2", "GLYPHMASK", "GLOW0",
    // track bars and status bars
    "SLIDERCHANNEL", "SLIDERMASK", "SLIDERVMASK", "TICKHORZ", "TICKVERT", "STATUSPANELMASK",
};

// Keys read from one section only.
struct SectionOwnKey {
  std::string_view Section, Key;
};
inline constexpr SectionOwnKey kSectionOwnKeys[] = {{"TABTOP", "TABSCOVERING"}, {"RIBBONTAB", "TABSCOVERING"}};

template <typename List>
constexpr bool ListHas(const List& list, std::string_view name) {
  return std::find(std::begin(list), std::end(list), name) != std::end(list);
}

// A key name that is in one of Lists, checked when the program is compiled.
template <const auto&... Lists>
class ListedKey {
 public:
  // Not explicit, so that a reader taking a ListedKey is called with the literal itself.
  consteval ListedKey(const char* name) : name_(name) {
    if (!(ListHas(Lists, name_) || ...)) throw "this key is in none of the key lists of skin/data/SkinKeys.h";
  }
  constexpr std::string_view Name() const { return name_; }
  constexpr operator std::string_view() const { return name_; }

 private:
  std::string_view name_;
};

using GlobalInfoKey = ListedKey<kGlobalInfoKeys>;
using GlobalImageKey = ListedKey<kGlobalImageKeys>;
using OuterEffectField = ListedKey<kOuterEffectFields>;
using SectionKey = ListedKey<kSectionKeys>;
using SectionImageKey = ListedKey<kSectionImageKeys>;

// Whether some part of the program reads this key of this section.
bool IsReadSkinKey(std::string_view section, std::string_view key);
