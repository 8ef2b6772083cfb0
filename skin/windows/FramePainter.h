#pragma once
// The full paint of a skinned form's frame into its frame cache: the form
// section, the caption bar, the soft shadow of extended-border mode, the
// caption text (through the platform's text writer) and the title buttons;
// and the repaint of one title button over the saved buttons background.
// Portable: the window side only hands the cache to the system.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "skin/data/MaskData.h"
#include "skin/render/core/PixelBuffer.h"
#include "skin/paint/SkinPaintView.h"
#include "skin/windows/FrameGeometry.h"

struct LoadedSkin;
struct TacSkinElements;
struct TacBorderImages;

// What the frame is painted from, resolved once per skin.
struct FramePaintSkin {
  SkinPaintView View;
  int32_t FormSection = -1;   // "FORM" (or the binding's section)
  int32_t TitleSection = -1;  // TitleSkin or "FORMTITLE"
  // Glyph image of each title button, -1 when none.
  std::array<int32_t, kTitleButtonCount> Glyphs{-1, -1, -1, -1};
  int32_t HeaderSection = -1;  // "FORMHEADER"
  int32_t TitleBar = -1;       // the form section's "TITLEBAR" image, behind the title buttons
  int32_t Grip = -1;           // "GRIPIMAGE"
  int32_t UserButtonImage = -1;  // "TITLEBUTTON": the picture behind user title buttons
  // The extended border's pictures (shadow and outline) and the widths of their nine-slice borders.
  const PixelBuffer* ShadowActive = nullptr;
  const PixelBuffer* ShadowInactive = nullptr;
  TBorderWidths ShadowBorders;
  // BORDERMODE 1: the extended border is the whole window's picture, the caption bar painted over it.
  bool WholeBorderPicture = false;
};

// The glyph images the title buttons use.
struct TitleGlyphChoice {
  std::array<int32_t, kTitleButtonCount> Glyphs{-1, -1, -1, -1};
  GlyphSet Set = GlyphSet::Big;
};
// Big set for single and sizeable borders, else small; the small set falls
// back to the big one when the skin has no small close glyph.
TitleGlyphChoice ChooseTitleGlyphs(const TacSkinElements& elements, bool bigBorder, bool maxOrMinVisible,
                                   bool maximized, bool minimizedChildForm);

// The sizes of the chosen glyphs (one state picture), as the title layout takes them.
std::array<TSize, kTitleButtonCount> GlyphSizes(const SkinPaintView& view,
                                                const std::array<int32_t, kTitleButtonCount>& glyphs);

// Sections, glyphs and shadow of a loaded skin; borders is the manager's prepared pair.
FramePaintSkin FramePaintSkinOf(const LoadedSkin& skin, const TacSkinElements& elements,
                                const TacBorderImages& borders, const TitleGlyphChoice& glyphs,
                                std::string_view titleSection = "FORMTITLE", std::string_view formSection = "FORM");

// A user title button's look.
struct UserButtonLook {
  int32_t State = 0;  // 0 normal, 1 hot, 2 pressed
  bool Enabled = true;
  bool UseSkinData = true;             // the skin's "TITLEBUTTON" picture behind the glyph
  const PixelBuffer* Glyph = nullptr;  // its own glyph (straight alpha), null for none
  bool GlyphAlpha = false;             // drawn with its alpha; otherwise its bottom-left colour is transparent
};

// The state the frame shows.
struct FrameLook {
  bool Active = true;
  bool Enabled = true;  // the form is enabled
  std::array<int32_t, kTitleButtonCount> ButtonStates{};  // 0 normal, 1 hot, 2 pressed
  std::array<bool, kTitleButtonCount> ButtonEnabled{true, true, true, true};
  int32_t HeaderHeight = 0;            // FormHeader.AdditionalHeight: rows of the client under the header
  const PixelBuffer* Icon = nullptr;   // the form's icon or TitleIcon glyph (straight alpha), or none
  std::vector<UserButtonLook> UserButtons;  // by collection index, as TitleLayout::UserButtons
};

// Writes the caption into the cache (the platform's text output); may be empty.
using CaptionOutput = std::function<void(PixelBuffer& cache, const TitleLayout& layout, int32_t state)>;

// Rebuilds the whole cache at the measured size and saves the buttons
// background (ButtonsBackgroundRect) into buttonsBackground.
void PaintFrame(const FramePaintSkin& skin, const FrameMeasures& m, const FrameInputs& in, const TitleLayout& layout,
                const FrameLook& look, PixelBuffer& cache, PixelBuffer& buttonsBackground,
                const CaptionOutput& caption = {});

// Redraws one title button (by its hit code, built-in or user) in its current
// look over the saved background; returns the cache area that changed (empty
// when the button is not shown).
TRect RepaintTitleButton(const FramePaintSkin& skin, const FrameMeasures& m, const TitleLayout& layout,
                         const FrameLook& look, int32_t hitCode, const PixelBuffer& buttonsBackground,
                         PixelBuffer& cache);
