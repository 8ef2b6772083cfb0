#pragma once
// Writes a skinned form's caption into its frame cache: the main caption in
// the system's caption font, the added title after it, the "CAPTION"
// section under them and the glow behind them. Keeps what is costly to make
// again (the font, the glow masks) until told it is stale. Windows only.
#include <array>
#include <string>

#include "skin/render/core/GreyBuffer.h"
#include "skin/render/core/PixelBuffer.h"
#include "skin/windows/CaptionFont.h"
#include "skin/windows/FrameGeometry.h"
#include "skin/windows/FramePainter.h"
#include "toolkit/ButtonLayout.h"
#include "toolkit/Control.h"

class TsSkinManager;

// The second caption text that follows the form's caption.
struct TacAddedTitle {
  std::string Text;  // 1251
  TFont Font;
  bool ShowMainCaption = true;
};

// What one caption is written from.
struct CaptionInputs {
  std::string Main;  // 1251; empty: not shown
  const TacAddedTitle* Added = nullptr;
  TAlignment Alignment = TAlignment::taLeftJustify;
  int Charset = 1;  // the form font's character set, for the caption font
  bool RightToLeft = false;
  bool Extended = false;  // the cache carries per-pixel alpha (extended-border mode)
  bool Enabled = true;
  bool Active = true;
};

class CaptionWriter {
 public:
  // titleState: the state the title section was painted in.
  void Write(PixelBuffer& cache, const TitleLayout& layout, int32_t titleState, const CaptionInputs& in,
             const FramePaintSkin& skin, TsSkinManager& manager);
  // The caption's text or size changed: the glow is made again.
  void ForgetGlow();
  // The system's caption font may have changed (settings, skin).
  void ForgetFont() { font_.Forget(); }

 private:
  TCaptionFont font_;
  std::array<GreyBuffer, 2> glow_;  // glow masks of the inactive and the active caption
};
