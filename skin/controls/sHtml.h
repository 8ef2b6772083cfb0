#pragma once
// TsHtml: lays out and draws a small HTML-like markup (bold, italic,
// underline, fonts, colours, sizes, line breaks, links, character entities)
// on a text canvas, or only measures it. Labels and hint windows share it.
// The text is code page 1251; what is measured and drawn is Unicode.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/render/core/Color.h"
#include "skin/render/core/Geometry.h"

struct HtmlFont {
  std::string Name;   // face name, 1251
  int32_t Size = 8;   // points
  TColor Color = clBlack;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  friend bool operator==(const HtmlFont&, const HtmlFont&) = default;
};

// Where the renderer measures and draws text: GDI on a bitmap in the
// program, a fake with fixed metrics in the tests.
class HtmlCanvas {
 public:
  virtual ~HtmlCanvas() = default;
  virtual TSize TextExtent(const HtmlFont& font, std::wstring_view text) = 0;
  // Draws text with its top-left at (x, y) on a clear background.
  virtual void WriteText(const HtmlFont& font, int32_t x, int32_t y, std::wstring_view text) = 0;
};

struct HtmlLink {
  TRect Rect;          // first line of the link, in the area's coordinates
  std::string Target;  // the HREF value, 1251
};

// Link colours of an active skin: its global font (1), bottom (2) and top (3) text colours.
struct HtmlLinkColors {
  bool Skinned = false;
  TColor Font = clBlack;
  TColor Bottom = clBlack;
  TColor Top = clBlack;
};

// Limits on what the markup may ask for.
constexpr int32_t kHtmlMinFontSize = 1;    // points
constexpr int32_t kHtmlMaxFontSize = 200;  // points
constexpr int32_t kHtmlDefaultFontSize = 8;  // an unreadable SIZE value

class TsHtml {
 public:
  // area: where the text goes; an area without width (Right <= Left) never wraps.
  // pressedLink and hotLink: link indexes drawn pressed or hot, -1 for none.
  TsHtml(HtmlCanvas& canvas, std::string_view text, const HtmlFont& font, const HtmlLinkColors& linkColors,
         int32_t pressedLink, int32_t hotLink, const TRect& area);

  // Parses and draws (or, measuring, only lays out) the whole text; returns
  // (0, 0, widest line, total height) and the links found.
  TRect Render(std::vector<HtmlLink>& links, bool measuring);

 private:
  void DrawRun(size_t begin, size_t end);
  void WrapRun(std::wstring_view run);
  bool ApplyEntity(size_t at);  // at: the "&"
  bool ApplyTag(std::string_view upperTag, std::string_view tag);
  void ApplyFontAttributes(std::string_view upperTag, std::string_view tag);
  void StartLink(std::string_view tag);
  void FinishLink();
  void PushFont() { fonts_.push_back(font_); }
  void PopFont();
  void LineBreak();
  void WrapLine(int32_t wordHeight);
  void Draw(int32_t x, int32_t y, std::wstring_view text);
  int32_t XHeight();
  bool Wraps() const { return area_.Right > area_.Left; }

  HtmlCanvas& canvas_;
  std::string text_;
  std::string upper_;           // ASCII upper-case copy: tags and attributes are matched on it
  std::vector<size_t> closer_;  // position of the next ">" at or after each position, or npos
  HtmlFont font_;
  HtmlLinkColors linkColors_;
  int32_t pressedLink_, hotLink_;
  TRect area_;
  bool measuring_ = false;

  int32_t penX_ = 0, penY_ = 0;
  int32_t rowHeight_ = 0;
  int32_t lineWidth_ = 0;
  int32_t maxWidth_ = 0;
  std::vector<HtmlFont> fonts_;  // saved by FONT and A
  std::vector<HtmlLink> links_;
  int32_t openLink_ = -1;  // index of the link whose closing tag is still to come
};

// The text without its tags: every "<" up to the next ">" goes; a "<" with
// no ">" after it stays, with the rest of the text.
std::string HtmlPlainText(std::string_view text);
