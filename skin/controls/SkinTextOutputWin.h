#pragma once
// Windows only: the text canvases of the skin text writers. A device-context
// canvas writes with GDI's formatted text drawing in a given font; a picture
// canvas writes into a PixelBuffer's own DIB section and gives the pixels the
// text touched an opaque alpha again (GDI leaves them at 0).
#include <windows.h>

#include <vector>

#include "skin/controls/SkinTextOutput.h"

class TDcTextCanvas : public TacTextCanvas {
 public:
  // font may be null: the font selected in dc is used.
  TDcTextCanvas(HDC dc, HFONT font);
  ~TDcTextCanvas() override;
  TDcTextCanvas(const TDcTextCanvas&) = delete;
  TDcTextCanvas& operator=(const TDcTextCanvas&) = delete;

  void SetTransparentBackground() override;
  void ClearBrush() override;
  TColor TextColor() const override { return color_; }
  void SetTextColor(TColor color) override;
  void WriteText(std::string_view text, const TRect& rect, uint32_t flags) override;
  void AddUnderline() override;
  void SaveState() override;
  void RestoreState() override;
  void ClipTo(const TRect& rect) override;
  void WriteTextMask(std::string_view text, const TRect& rect, uint32_t flags, PixelBuffer& picture) override;

  HDC Dc() const { return dc_; }

 protected:
  HFONT Font() const { return font_; }

 private:
  HDC dc_;
  HFONT font_;
  HFONT underlined_ = nullptr;  // made by AddUnderline, freed with the canvas
  HGDIOBJ oldFont_ = nullptr;
  TColor color_ = clBlack;
  std::vector<int> saved_;
};

class TPictureTextCanvas : public TDcTextCanvas {
 public:
  TPictureTextCanvas(PixelBuffer& picture, HFONT font);
  void WriteText(std::string_view text, const TRect& rect, uint32_t flags) override;

 private:
  PixelBuffer& picture_;
};
