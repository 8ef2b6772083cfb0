#pragma once
// A text canvas with fixed metrics for the HTML renderer: every character is
// as wide as the font's point size (one more when bold) and twice as high.
// It records what is drawn.
#include <string>
#include <vector>

#include "skin/controls/sHtml.h"

class FakeHtmlCanvas : public HtmlCanvas {
 public:
  struct Drawn {
    int32_t X, Y;
    std::wstring Text;
    HtmlFont Font;
  };

  TSize TextExtent(const HtmlFont& font, std::wstring_view text) override {
    return {int32_t(text.size()) * (font.Size + (font.Bold ? 1 : 0)), 2 * font.Size};
  }
  void WriteText(const HtmlFont& font, int32_t x, int32_t y, std::wstring_view text) override {
    drawn.push_back({x, y, std::wstring(text), font});
  }

  std::vector<Drawn> drawn;
};
