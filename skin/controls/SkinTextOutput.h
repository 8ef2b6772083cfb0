#pragma once
// Captions written in the colours of a skin section: the state's font
// colour, up to four one-pixel contour copies, an optional soft glow behind,
// a mixed colour for disabled text and the embossed look without a skin; and
// text written into 32-bit pictures with correct per-pixel alpha (pictures a
// layered window shows). The text layout (alignment, breaks, prefixes,
// ellipsis) is the platform's formatted text drawing with the caller's flags;
// everything else here is portable and works through TacTextCanvas.
#include <cstdint>
#include <string_view>

#include "skin/render/core/Color.h"
#include "skin/render/core/Geometry.h"
#include "skin/render/core/GreyBuffer.h"
#include "skin/render/core/PixelBuffer.h"

class TsSkinManager;
class TsCommonData;
struct TsGenState;

// Formatted-text flags the writers add or read (the platform's values).
inline constexpr uint32_t kTextNoClip = 0x0100;

// Glow sides.
inline constexpr int32_t kGlowLeft = 1, kGlowUp = 2, kGlowRight = 4, kGlowDown = 8, kGlowAllSides = 15;

// A surface with a font that text is written on: a device context on
// Windows, a recorder in tests. Text is code page 1251.
class TacTextCanvas {
 public:
  virtual ~TacTextCanvas() = default;
  virtual void SetTransparentBackground() = 0;
  virtual void ClearBrush() {}
  virtual TColor TextColor() const = 0;
  virtual void SetTextColor(TColor color) = 0;  // RGB or a system colour
  virtual void WriteText(std::string_view text, const TRect& rect, uint32_t flags) = 0;
  virtual void AddUnderline() = 0;
  virtual void SaveState() = 0;
  virtual void RestoreState() = 0;
  virtual void ClipTo(const TRect& rect) = 0;
  // The text in black, with this canvas's font, over picture (filled white by the caller); its pixels are
  // ready to read when this returns.
  virtual void WriteTextMask(std::string_view text, const TRect& rect, uint32_t flags, PixelBuffer& picture) = 0;
};

// ---- The writers --------------------------------------------------------------

// Text in a section's colours (manager null: the default one). Without a
// manager or a valid section, in the canvas's current colours.
void WriteSectionText(TacTextCanvas& canvas, std::string_view text, bool enabled, const TsSkinManager* manager,
                      int32_t state, int32_t section, uint32_t flags, const TRect& rect);

// Text in the colours of a control's binding, with glow and the binding's colour adjustments.
void WriteControlText(TacTextCanvas& canvas, std::string_view text, bool enabled, int32_t state,
                      TsCommonData& binding, uint32_t flags, const TRect& rect);

// A soft glow behind a text in target (canvas: the target's, for its font).
// The mask is kept in maskCache and reused while its size does not change.
void GlowText(TacTextCanvas& canvas, PixelBuffer& target, std::string_view text, const TRect& rect,
              GreyBuffer& maskCache, TColor color, int32_t size, int32_t sides, uint32_t flags);

// Text in colour into target with its alpha kept right (canvas: the target's, for its font).
void WriteAlphaText(TacTextCanvas& canvas, PixelBuffer& target, std::string_view text, bool alphaMode, TColor color,
                    uint32_t flags, const TRect& rect);

// WriteAlphaText in a section's colours and contours.
void WriteAlphaSectionText(TacTextCanvas& canvas, PixelBuffer& target, std::string_view text, bool enabled,
                           const TsSkinManager* manager, int32_t state, int32_t section, uint32_t flags,
                           const TRect& rect);

// ---- The pixel work (portable, used by the writers) ------------------------------

// One copy of the text: where it goes (relative to the text rectangle) and its colour.
struct TextPass {
  TPoint Offset;
  TColor Color;
};
// The copies of an enabled text in state record p: contours left, up, right,
// down (those set), then the text itself in place. Returns the count (1..5).
int32_t TextPasses(const TsGenState& p, TextPass (&passes)[5]);
// The colour of disabled text over a section: 0.4 font colour + 0.6 section colour of state 0.
TColor DisabledTextColor(const TsGenState& normal);

// Composes a blurred glow mask (255 = nothing) into target: mask pixel (x, y)
// lands at (origin.X + x, origin.Y + y).
void ComposeGlow(PixelBuffer& target, const GreyBuffer& mask, TPoint origin, TColor color);

// Mixes a black-on-white text picture (mask) into target at `at`: pixels of
// mask that are not white take colour; alphaMode keeps target's alpha right
// for layered pictures, otherwise covered pixels become opaque.
void ApplyAlphaText(PixelBuffer& target, const PixelBuffer& mask, TPoint at, TColor color, bool alphaMode);

// Text drawn straight into a picture by the platform leaves the alpha byte of
// the pixels it touched at 0. MarkTextArea saves the alpha of rect and marks
// every pixel there with alpha 1; RestoreTextAlpha makes the touched pixels
// (alpha 0) opaque and gives the others their saved alpha back.
void MarkTextArea(PixelBuffer& picture, const TRect& rect, GreyBuffer& savedAlpha);
void RestoreTextAlpha(PixelBuffer& picture, const TRect& rect, const GreyBuffer& savedAlpha);
