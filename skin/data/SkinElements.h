#pragma once
// The manager's table of well-known elements: the indexes of the sections and
// images that windows and controls look up often, recomputed after every load
// and every activation change (all -1 without a skin). Also the two pictures
// and margins of the layered border window.
#include <array>
#include <string>
#include <string_view>

#include "skin/data/SkinKeys.h"
#include "skin/render/core/PixelBuffer.h"

struct LoadedSkin;
class BuiltinPictures;

// One element's section and its usual images.
struct TacConstElementData {
  int SkinIndex = -1;
  int MaskIndex = -1;        // "BORDERSMASK"
  int GlyphIndex = -1;       // "GLYPHMASK"
  int PatternIndex = -1;     // "PATTERN"
  int HotPatternIndex = -1;  // "HOTPATTERN"
  std::string SectionName;   // the section actually found
};

enum class TacSide { Left, Top, Right, Bottom };
using TacSideElements = std::array<TacConstElementData, 4>;  // by TacSide
using TacBoolElements = std::array<TacConstElementData, 2>;  // horizontal, vertical

// Skin-wide images of "GLOBALINFO", in table order.
inline constexpr std::array<std::string_view, 23> kWellKnownMaskKeys = {
    "BOXUNCHECKED", "BOXCHECKED", "BOXGRAYED", "SMALLUNCHECKED", "SMALLCHECKED", "SMALLGRAYED",
    "RADIOUNCHECKED", "RADIOCHECKED", "EXBORDER", "GRIPIMAGE", "GRIPHORZ", "GRIPVERT",
    "BICONCLOSE", "BICLOSEALONE", "BICONMAX", "BICONNORM", "BICONMIN", "BICONHELP",
    "SICONCLOSE", "SICONMAX", "SICONNORM", "SICONMIN", "SICONHELP",
};

using WellKnownMaskKey = ListedKey<kWellKnownMaskKeys>;

// Sections looked up by name, in table order.
inline constexpr std::array<std::string_view, 29> kWellKnownSections = {
    "MENUITEM", "CHECKBOX", "SPEEDBUTTON", "SPEEDBUTTON_SMALL", "TOOLBUTTON", "TRANSPARENT", "GROUPBOX",
    "DIVIDER", "WEBBUTTON", "BUTTON", "TOOLBAR", "EDIT", "GAUGE", "SELECTION", "STATUSBAR", "PANEL",
    "PANEL_LOW", "TRACKBAR", "COLHEADER", "PROGRESSV", "DRAGBAR", "GRIPH", "GRIPV", "PROGRESSH",
    "TABSHEET", "MENUBTN", "UPDOWNBTN", "COMBOBOX", "CAPTION",
};

struct TacSkinElements {
  std::array<int, 23> GlobalMasks;  // by kWellKnownMaskKeys
  int ComboBoxGlyph = -1;           // "GLYPHMASK" of "COMBOBOX", without inheritance
  TacConstElementData MenuItem, ComboBtn;
  TacBoolElements ScrollSliders;          // "SCROLLSLIDERH", "SCROLLSLIDERV"
  std::array<TacSideElements, 4> Tabs;    // "TAB<side>FIRST", "...LAST", "...MIDDLE", "TAB<side>"
  TacSideElements ScrollButtons;          // "SCROLLBTNLEFT" ... "SCROLLBTNBOTTOM"
  std::array<TacConstElementData, 4> ScrollBars;  // "SCROLLBAR1H", "1V", "2H", "2V"
  TacSideElements UpDownButtons;          // "UPDOWNBTN_LEFT" ...; else "UPDOWNBTN", then "BUTTON"
  std::array<int, 29> Sections;           // by kWellKnownSections
  int GlobalInfo = -1;

  TacSkinElements() {
    GlobalMasks.fill(-1);
    Sections.fill(-1);
  }
  // The image of a skin-wide key of the table, -1 when it is not one of them.
  int GlobalMask(std::string_view key) const;
  // The section of a name of the table, -1 when it is not one of them.
  int Section(std::string_view name) const;
};

// The sections of the element records, in the order of ElementRecords. The
// up-down buttons fall back to "UPDOWNBTN", then to "BUTTON".
inline constexpr auto kElementSections = std::to_array<std::string_view>({
    "MENUITEM",       "COMBOBTN",        "SCROLLSLIDERH",   "SCROLLSLIDERV",   "TABLEFTFIRST",    "TABTOPFIRST",
    "TABRIGHTFIRST",  "TABBOTTOMFIRST",  "TABLEFTLAST",     "TABTOPLAST",      "TABRIGHTLAST",    "TABBOTTOMLAST",
    "TABLEFTMIDDLE",  "TABTOPMIDDLE",    "TABRIGHTMIDDLE",  "TABBOTTOMMIDDLE", "TABLEFT",         "TABTOP",
    "TABRIGHT",       "TABBOTTOM",       "SCROLLBTNLEFT",   "SCROLLBTNTOP",    "SCROLLBTNRIGHT",  "SCROLLBTNBOTTOM",
    "SCROLLBAR1H",    "SCROLLBAR1V",     "SCROLLBAR2H",     "SCROLLBAR2V",     "UPDOWNBTN_LEFT",  "UPDOWNBTN_TOP",
    "UPDOWNBTNRIGHT", "UPDOWNBTN_BOTTOM",  // the right-hand one is written without the underscore
});

// The element records of the table, one per name of kElementSections.
std::array<TacConstElementData*, kElementSections.size()> ElementRecords(TacSkinElements& elements);
std::array<const TacConstElementData*, kElementSections.size()> ElementRecords(const TacSkinElements& elements);

// The table for a loaded skin; all -1 without one.
TacSkinElements ComputeSkinElements(const LoadedSkin* skin);

// Pictures of the layered border window for the active and inactive window,
// and the widths by which it reaches beyond the form.
struct TacBorderImages {
  PixelBuffer Active;
  PixelBuffer Inactive;
  int MarginL = 0, MarginT = 0, MarginR = 0, MarginB = 0;
};

inline constexpr std::string_view kActiveShadowPicture = "acSHDA";
inline constexpr std::string_view kInactiveShadowPicture = "acSHDI";
inline constexpr int kBuiltinShadowMargin = 9;

// The skin's "EXBORDER" state images with their margins, else the built-in
// shadow pictures with margins of 9; no pictures and margins of 0 without
// extended borders.
TacBorderImages PrepareBorderImages(const LoadedSkin* skin, const TacSkinElements& elements, bool extendedBorders,
                                    const BuiltinPictures* builtins);
