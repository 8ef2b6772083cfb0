#include "skin/data/SkinColors.h"

#include <cmath>

#include "skin/data/SkinKeys.h"
#include "skin/data/SkinOptions.h"
#include "skin/data/sSkinData.h"

namespace {

constexpr TColor kNotSet = TColor(-1);
constexpr int kHighlightIndex = 13;      // COLOR_HIGHLIGHT
constexpr int kHighlightTextIndex = 14;  // COLOR_HIGHLIGHTTEXT
constexpr int kBtnFaceIndex = 15;
constexpr int kWindowIndex = 5;
constexpr int kWindowTextIndex = 8;

TColor System(int index) { return CurrentSystemColors().SystemColor(index); }

// a * 0.05 + b * 0.95 per channel, rounded to the nearest (ties to even).
TColor EvenRowMix(TColor a, TColor b) {
  TColor out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double mixed = double((a >> shift) & 0xFF) * 0.05 + double((b >> shift) & 0xFF) * 0.95;
    out |= TColor(std::lrint(mixed)) << shift;
  }
  return out;
}

bool Unset(TColor c) { return c == kNotSet || c == clFuchsia; }

}  // namespace

TsSkinColors DeriveSkinColors(const TacSkinOptions& text, const TsGeneralDataArray& sections) {
  TsSkinColors c{};
  const auto global = [&](GlobalInfoKey key, TColor def) {
    return TColor(text.ReadInteger(kGlobalSection, key, int32_t(def)));
  };
  c[scGlobalColor] = global("COLOR", System(kBtnFaceIndex));
  c[scGlobalFontColor] = global("FONTCOLOR", 0);
  c[scGlobalBottomText] = global("TCBOTTOM", 16711680);
  c[scGlobalTopText] = global("TCTOP", 255);

  const int edit = FindSection(sections, "EDIT");
  if (edit >= 0) {
    c[scEditText] = ResolveColor(sections[size_t(edit)].Props[0].TextColor);
    c[scEditBackground] = ResolveColor(sections[size_t(edit)].Props[0].Color);
  } else {
    c[scEditText] = System(kWindowTextIndex);
    c[scEditBackground] = System(kWindowIndex);
  }

  const int selection = FindSection(sections, "SELECTION");
  if (selection >= 0) {
    const TsGeneralData& s = sections[size_t(selection)];
    const TsGenState& hot = s.Props[s.States < 2 ? 0 : 1];
    c[scSelection] = s.Props[0].Color;
    c[scSelectionText] = s.Props[0].TextColor;
    c[scHotSelection] = hot.Color;
    c[scHotSelectionText] = hot.TextColor;
  } else {
    c[scSelection] = c[scSelectionText] = c[scHotSelection] = c[scHotSelectionText] = kNotSet;
  }
  if (Unset(c[scSelectionText])) {
    const int menuItem = FindSection(sections, "MENUITEM");
    if (menuItem >= 0) {
      const TsGenState& hot = sections[size_t(menuItem)].Props[1];
      c[scSelectionText] = hot.TextColor;
      c[scSelection] = c[scHotSelection] = hot.Color;
      c[scSelectionText] = Unset(c[scSelectionText]) ? clHighlightText : ResolveColor(c[scSelectionText]);
      c[scHotSelectionText] = c[scSelectionText];
    } else {
      c[scSelectionText] = c[scHotSelectionText] = System(kHighlightTextIndex);
      c[scSelection] = c[scHotSelection] = System(kHighlightIndex);
    }
  }

  c[scEditBgInverted] = global("EDITBG_INV", c[scEditText]);
  c[scEditTextInverted] = global("EDITTEXT_INV", c[scEditBackground]);
  c[scEditBgOdd] = global("EDITBG_ODD", c[scEditBackground]);
  c[scEditBgEven] = global("EDITBG_EVEN", EvenRowMix(c[scEditText], c[scEditBackground]));
  c[scEditTextOk] = global("EDITTEXT_OK", 32768);
  c[scEditTextWarn] = global("EDITTEXT_WARN", 33924);
  c[scEditTextAlert] = global("EDITTEXT_ALERT", 255);
  c[scEditTextAlert2] = global("EDITTEXT_ALERT", 8755161);
  c[scEditTextAlert3] = global("EDITTEXT_ALERT", 4895375);
  c[scEditBgOk] = global("EDITBG_OK", 7127717);
  c[scEditBgWarn] = global("EDITBG_WARN", 4259839);
  c[scEditBgAlert] = global("EDITBG_ALERT", 9807849);
  c[scEditBgAlert2] = global("EDITBG_ALERT", 8755161);
  c[scEditBgAlert3] = global("EDITBG_ALERT", 4895375);
  c[scEditTextH1] = global("EDITTEXT_H1", 0);
  c[scEditTextH2] = global("EDITTEXT_H2", 0);
  c[scEditTextH3] = global("EDITTEXT_H3", 0);
  c[scBorderColor] = global("BORDERCOLOR", 0);
  return c;
}

void AppendTransparentSection(TsGeneralDataArray& sections, const TsSkinColors& colors) {
  if (FindSection(sections, "TRANSPARENT") >= 0) return;
  TsGeneralData t;
  t.SectionName = "TRANSPARENT";
  t.States = 1;
  t.EditBorderKind = 0;
  t.Glow = t.GlowMargin = 0;
  t.OuterMode = 0;
  t.OutOpacity = 0;
  // Image indexes stay -1 (no image), not 0, which would name the first image record.
  for (TsGenState& s : t.Props) {
    s = TsGenState();
    s.Transparency = 100;
    s.Color = clWhite;
    s.GCol = 0;
    s.TextColor = colors[scGlobalFontColor];
  }
  sections.push_back(std::move(t));
}
