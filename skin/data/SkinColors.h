#pragma once
// The skin-wide colours, derived at the end of each load from "GLOBALINFO"
// and the sections "EDIT", "SELECTION" and "MENUITEM".
#include <array>

#include "skin/data/SectionTable.h"
#include "skin/render/core/Color.h"

class TacSkinOptions;

inline constexpr int kSkinColorCount = 28;
using TsSkinColors = std::array<TColor, kSkinColorCount>;

// Entries of TsSkinColors.
enum TsSkinColorIndex : int {
  scGlobalColor = 0,
  scGlobalFontColor = 1,
  scGlobalBottomText = 2,
  scGlobalTopText = 3,
  scEditText = 4,
  scEditBackground = 5,
  scSelection = 6,
  scSelectionText = 7,
  scHotSelection = 8,
  scHotSelectionText = 9,
  scEditBgInverted = 10,
  scEditTextInverted = 11,
  scEditBgOdd = 12,
  scEditBgEven = 13,
  scEditTextOk = 14,
  scEditTextWarn = 15,
  scEditTextAlert = 16,
  scEditTextAlert2 = 17,
  scEditTextAlert3 = 18,
  scEditBgOk = 19,
  scEditBgWarn = 20,
  scEditBgAlert = 21,
  scEditBgAlert2 = 22,
  scEditBgAlert3 = 23,
  scEditTextH1 = 24,
  scEditTextH2 = 25,
  scEditTextH3 = 26,
  scBorderColor = 27,
};

// Derives the table; system colours come from CurrentSystemColors().
TsSkinColors DeriveSkinColors(const TacSkinOptions& text, const TsGeneralDataArray& sections);

// Appends the section "TRANSPARENT" (fully transparent in all three states)
// when the table has none; its text colour is the global font colour.
void AppendTransparentSection(TsGeneralDataArray& sections, const TsSkinColors& colors);

// The six colour queries the controls use.
inline TColor GlobalColor(const TsSkinColors& c) { return c[scGlobalColor]; }
inline TColor GlobalFontColor(const TsSkinColors& c) { return c[scGlobalFontColor]; }
inline TColor EditColor(const TsSkinColors& c) { return c[scEditBackground]; }
inline TColor EditFontColor(const TsSkinColors& c) { return c[scEditText]; }
inline TColor SelectionColor(const TsSkinColors& c, bool hot) { return c[hot ? scHotSelection : scSelection]; }
inline TColor SelectionFontColor(const TsSkinColors& c, bool hot) {
  return c[hot ? scHotSelectionText : scSelectionText];
}
