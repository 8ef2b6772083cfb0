#include "skin/windows/CaptionWriter.h"

#include <windows.h>

#include <algorithm>
#include <memory>

#include "skin/controls/SkinTextOutput.h"
#include "skin/controls/SkinTextOutputWin.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/core/Blend.h"
#include "skin/render/core/PixelBufferDc.h"
#include "skin/paint/LayeredPainter.h"
#include "skin/paint/PaintGeometry.h"
#include "skin/paint/SectionPainter.h"
#include "toolkit/Cp1251.h"

namespace {

CaptionAlign AlignOf(TAlignment a) {
  switch (a) {
    case TAlignment::taRightJustify: return CaptionAlign::Right;
    case TAlignment::taCenter: return CaptionAlign::Center;
    default: return CaptionAlign::Left;
  }
}

// The size of a single-line text in font.
TSize MeasureText(HDC dc, HFONT font, const std::string& text) {
  if (text.empty() || !dc) return {};
  const std::wstring wide = Cp1251::ToWide(text);
  HGDIOBJ old = SelectObject(dc, font);
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, wide.c_str(), int(wide.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

void CaptionWriter::ForgetGlow() {
  for (GreyBuffer& glow : glow_) glow = GreyBuffer();
}

void CaptionWriter::Write(PixelBuffer& cache, const TitleLayout& layout, int32_t titleState, const CaptionInputs& in,
                          const FramePaintSkin& skin, TsSkinManager& manager) {
  const LoadedSkin* loaded = manager.Skin();
  HDC dc = BufferDc(cache);
  static const TacAddedTitle kNoAddedTitle;
  const TacAddedTitle& addedTitle = in.Added ? *in.Added : kNoAddedTitle;
  const std::string& main = in.Main;
  const std::string& added = addedTitle.Text;
  if (!dc || !loaded || (main.empty() && added.empty()) || layout.CaptionText.IsEmpty()) return;

  HFONT captionFont = font_.Get(in.Charset);
  HFONT addedFont = addedTitle.Font.Handle();
  const CaptionTexts texts{MeasureText(dc, captionFont, main), MeasureText(dc, addedFont, added)};
  const CaptionPlacement place =
      PlaceCaption(layout.CaptionText, layout.CenterLine, texts, AlignOf(in.Alignment), in.RightToLeft);
  const uint32_t flags =
      DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | (in.RightToLeft ? DT_RTLREADING : 0);
  const SkinPaintView& view = skin.View;

  // A "CAPTION" section lies under the texts and gives them its colours; else the title section does.
  int32_t section = skin.TitleSection, state = titleState;
  const int32_t captionSection = FindSection(loaded->Sections, "CAPTION");
  if (const TsGeneralData* caption = view.Section(captionSection)) {
    section = captionSection;
    state = SectionState(in.Active ? 1 : 0, caption->States);
    TRect under = place.Main.IsEmpty() ? place.Added : place.Main;
    if (!place.Added.IsEmpty()) under.Right = place.Added.Right;
    under = {under.Left - 4, under.Top - 2, under.Right + 4, under.Bottom + 2};
    if (in.Extended) {
      PaintSectionLayered(view, section, state, cache, under);
    } else {
      BackgroundInfo behind;
      behind.Bitmap = &cache;
      behind.BitmapReady = true;
      PaintSection(view, section, behind, state, under, {0, 0}, cache);
    }
  }
  const TsGeneralData* textSection = view.Section(section);
  const TsGenState* colors = textSection ? &textSection->Props[size_t(std::clamp(state, 0, 2))] : nullptr;  // glow

  if (!place.Main.IsEmpty()) {
    // The per-pixel-alpha writers for the layered border window's picture; the plain one in the window's own frame.
    std::unique_ptr<TDcTextCanvas> canvas;
    if (in.Extended) canvas = std::make_unique<TDcTextCanvas>(dc, captionFont);
    else canvas = std::make_unique<TPictureTextCanvas>(cache, captionFont);
    // The glow size of the state (inactive, active) of the section that gives the colours; none at 0.
    // There is no engine switch for the older glowless captions, so the skin's version does not matter.
    if (colors && colors->GSize > 0)
      GlowText(*canvas, cache, main, place.Main, glow_[in.Active ? 1 : 0], colors->GCol, colors->GSize, kGlowAllSides,
               flags);
    if (!in.Extended) WriteSectionText(*canvas, main, in.Enabled, &manager, state, section, flags, place.Main);
    else if (in.Enabled || !textSection)
      WriteAlphaSectionText(*canvas, cache, main, in.Enabled, &manager, state, section, flags, place.Main);
    else WriteAlphaText(*canvas, cache, main, true, DisabledTextColor(textSection->Props[0]), flags, place.Main);
  }
  if (!place.Added.IsEmpty()) {
    // The added title in its own font; its default colour is the title section's.
    const TsGeneralData* title = view.Section(skin.TitleSection);
    const TColor titleColor = title ? title->Props[size_t(std::clamp(titleState, 0, 2))].TextColor : clBlack;
    TColor color = addedTitle.Font.Color;
    if (color == clNone || color == clWindowText) color = titleColor;
    else if (!in.Active && title) color = LerpColor(ResolveColor(color), ResolveColor(title->Props[0].TextColor), 0.5);
    if (!in.Enabled && textSection) color = DisabledTextColor(textSection->Props[0]);
    if (in.Extended) {
      TDcTextCanvas canvas(dc, addedFont);
      WriteAlphaText(canvas, cache, added, true, color, flags, place.Added);
    } else {
      TPictureTextCanvas canvas(cache, addedFont);
      canvas.SetTransparentBackground();
      canvas.SetTextColor(color);
      canvas.WriteText(added, place.Added, flags);
    }
  }
  GdiFlush();
}
