#pragma once
// Windows only: the HTML renderer's canvas on a device context. Fonts are made
// as the markup asks for them and kept until the canvas goes.
#include <windows.h>

#include <utility>
#include <vector>

#include "skin/controls/sHtml.h"

class GdiHtmlCanvas : public HtmlCanvas {
 public:
  explicit GdiHtmlCanvas(HDC dc);
  ~GdiHtmlCanvas() override;
  GdiHtmlCanvas(const GdiHtmlCanvas&) = delete;
  GdiHtmlCanvas& operator=(const GdiHtmlCanvas&) = delete;

  TSize TextExtent(const HtmlFont& font, std::wstring_view text) override;
  void WriteText(const HtmlFont& font, int32_t x, int32_t y, std::wstring_view text) override;

 private:
  HFONT FontFor(const HtmlFont& font);

  HDC dc_;
  int saved_;
  std::vector<std::pair<HtmlFont, HFONT>> fonts_;
};
