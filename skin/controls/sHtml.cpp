#include "skin/controls/sHtml.h"

#include <algorithm>

#include "skin/controls/HtmlEntities.h"
#include "skin/render/core/Blend.h"
#include "toolkit/Cp1251.h"

namespace {

constexpr size_t kNone = std::string::npos;
// How far after an "&" the ";" of an entity may be.
constexpr size_t kEntityReach = 255;

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

bool IsNameEnd(char c) { return c == '>' || c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The tag (upper case, "<" to ">") opens or closes the element name: the
// name right after "<" or "</", then the end of the name.
bool Opens(std::string_view tag, std::string_view name) {
  return tag.size() > name.size() + 1 && tag.substr(1, name.size()) == name && IsNameEnd(tag[name.size() + 1]);
}
bool Closes(std::string_view tag, std::string_view name) {
  return tag.size() > name.size() + 2 && tag[1] == '/' && tag.substr(2, name.size()) == name &&
         IsNameEnd(tag[name.size() + 2]);
}

bool IsAttributeBreak(char c) {
  return c == '\n' || c == '\r' || c == ' ' || c == '"' || c == '<' || c == '=' || c == '>';
}

std::vector<std::string_view> AttributeWords(std::string_view tag) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < tag.size()) {
    while (i < tag.size() && IsAttributeBreak(tag[i])) ++i;
    const size_t begin = i;
    while (i < tag.size() && !IsAttributeBreak(tag[i])) ++i;
    if (i > begin) words.push_back(tag.substr(begin, i - begin));
  }
  return words;
}

// A decimal number of digits only, saturated well above any font size.
bool ParseCount(std::string_view s, int32_t& value) {
  if (s.empty()) return false;
  int64_t v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    v = std::min<int64_t>(v * 10 + (c - '0'), 1000000);
  }
  value = int32_t(v);
  return true;
}

int32_t FontSize(std::string_view word, int32_t current) {
  int32_t n = 0;
  int32_t size = kHtmlDefaultFontSize;
  if (!word.empty() && (word[0] == '+' || word[0] == '-')) {
    if (ParseCount(word.substr(1), n)) size = word[0] == '+' ? current + n : current - n;
  } else if (ParseCount(word, n)) {
    size = n;
  }
  return std::clamp(size, kHtmlMinFontSize, kHtmlMaxFontSize);
}

// RRGGBB in hexadecimal, one to six digits.
bool ParseRgb(std::string_view s, TColor& color) {
  if (s.empty() || s.size() > 6) return false;
  uint32_t v = 0;
  for (char c : s) {
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else return false;
    v = v * 16 + uint32_t(d);
  }
  color = RGBColor(uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v));
  return true;
}

struct NamedColor {
  std::string_view Name;
  uint32_t Rgb;
};
constexpr NamedColor kNamedColors[] = {
    {"AQUA", 0x00FFFF}, {"BLACK", 0x000000}, {"BLUE", 0x0000FF},   {"FUCHSIA", 0xFF00FF},
    {"GRAY", 0x808080}, {"GREEN", 0x008000}, {"LIME", 0x00FF00},   {"MAROON", 0x800000},
    {"NAVY", 0x000080}, {"OLIVE", 0x808000}, {"PURPLE", 0x800080}, {"RED", 0xFF0000},
    {"SILVER", 0xC0C0C0}, {"TEAL", 0x008080}, {"WHITE", 0xFFFFFF}, {"YELLOW", 0xFFFF00},
};

// A colour word: "#RRGGBB", a name, or bare hexadecimal; anything else keeps the colour.
void ApplyColor(std::string_view word, TColor& color) {
  for (const NamedColor& n : kNamedColors)
    if (n.Name == word) {
      color = RGBColor(uint8_t(n.Rgb >> 16), uint8_t(n.Rgb >> 8), uint8_t(n.Rgb));
      return;
    }
  ParseRgb(!word.empty() && word[0] == '#' ? word.substr(1) : word, color);
}

std::string WithoutChars(std::string_view s, std::string_view drop) {
  std::string out;
  for (char c : s)
    if (drop.find(c) == kNone) out += c;
  return out;
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

TsHtml::TsHtml(HtmlCanvas& canvas, std::string_view text, const HtmlFont& font, const HtmlLinkColors& linkColors,
               int32_t pressedLink, int32_t hotLink, const TRect& area)
    : canvas_(canvas),
      text_(text),
      font_(font),
      linkColors_(linkColors),
      pressedLink_(pressedLink),
      hotLink_(hotLink),
      area_(area) {
  upper_.resize(text_.size());
  std::transform(text_.begin(), text_.end(), upper_.begin(), AsciiUpper);
  // Each "<" looks for its ">" here instead of searching the rest of the text again.
  closer_.assign(text_.size() + 1, kNone);
  for (size_t i = text_.size(); i-- > 0;) closer_[i] = text_[i] == '>' ? i : closer_[i + 1];
  font_.Size = std::clamp(font_.Size, kHtmlMinFontSize, kHtmlMaxFontSize);
}

TRect TsHtml::Render(std::vector<HtmlLink>& links, bool measuring) {
  measuring_ = measuring;
  links_.clear();
  openLink_ = -1;
  penX_ = area_.Left;
  penY_ = area_.Top;
  rowHeight_ = lineWidth_ = maxWidth_ = 0;

  const size_t n = text_.size();
  size_t run = 0;  // start of the pending plain run
  size_t i = 0;
  while (i < n) {
    const char c = upper_[i];
    if (c == '&') {
      DrawRun(run, i);
      run = i;  // without a match the "&" is plain text
      if (ApplyEntity(i)) {
        i = run = text_.find(';', i) + 1;
        continue;
      }
      ++i;
    } else if (c == '<' && i + 1 < n && upper_[i + 1] == '<') {
      DrawRun(run, i);
      run = i + 1;  // "<<" shows one "<"
      i += 2;
    } else if (c == '<') {
      DrawRun(run, i);
      const size_t close = closer_[i];
      if (close == kNone) {
        run = ++i;  // a "<" that no ">" closes is dropped
        continue;
      }
      const size_t length = close - i + 1;
      if (ApplyTag(std::string_view(upper_).substr(i, length), std::string_view(text_).substr(i, length))) {
        i = run = close + 1;
      } else {
        run = i++;  // unknown tags show as text
      }
    } else {
      ++i;
    }
  }
  DrawRun(run, n);
  maxWidth_ = std::max(maxWidth_, lineWidth_);
  links = links_;
  return {0, 0, maxWidth_, penY_ + rowHeight_ - area_.Top};
}

bool TsHtml::ApplyEntity(size_t at) {
  const std::string_view after = std::string_view(text_).substr(at + 1, kEntityReach);
  const size_t semicolon = after.find(';');
  if (semicolon == kNone) return false;
  const size_t space = after.find(' ');
  if (space != kNone && space < semicolon) return false;
  const auto character = FindHtmlEntity(after.substr(0, semicolon));
  if (!character) return false;

  const std::wstring shown(1, wchar_t(*character));
  const TSize size = canvas_.TextExtent(font_, shown);
  if (Wraps() && penX_ + size.cx > area_.Right) LineBreak();
  rowHeight_ = std::max(rowHeight_, XHeight());
  Draw(penX_, penY_ + rowHeight_ - size.cy, shown);
  penX_ += size.cx;
  lineWidth_ = std::max(lineWidth_ + size.cx, penX_ - area_.Left);
  return true;
}

bool TsHtml::ApplyTag(std::string_view upper, std::string_view tag) {
  if (upper == "<BR>" || upper == "<BR/>") {
    LineBreak();
  } else if (upper == "<B>") {
    font_.Bold = true;
  } else if (upper == "<I>") {
    font_.Italic = true;
  } else if (upper == "<U>") {
    font_.Underline = true;
  } else if (upper == "<P>") {
    LineBreak();
  } else if (Opens(upper, "FONT")) {
    PushFont();
    ApplyFontAttributes(upper, tag);
  } else if (Opens(upper, "A")) {
    StartLink(tag);
  } else if (Closes(upper, "B")) {
    font_.Bold = false;
  } else if (Closes(upper, "I")) {
    font_.Italic = false;
  } else if (Closes(upper, "U")) {
    font_.Underline = false;
  } else if (Closes(upper, "FONT")) {
    PopFont();
  } else if (Closes(upper, "A")) {
    FinishLink();
  } else {
    return false;
  }
  return true;
}

void TsHtml::ApplyFontAttributes(std::string_view upper, std::string_view tag) {
  const std::vector<std::string_view> words = AttributeWords(upper);
  for (size_t w = 0; w + 1 < words.size(); ++w) {
    if (words[w] == "SIZE") font_.Size = FontSize(words[w + 1], font_.Size);
    else if (words[w] == "COLOR") ApplyColor(words[w + 1], font_.Color);
  }
  const size_t face = upper.find("FACE");
  if (face == kNone) return;
  const size_t open = tag.find('"', face);
  if (open == kNone) return;
  const size_t close = tag.find('"', open + 1);
  if (close == kNone) return;
  font_.Name = tag.substr(open + 1, close - open - 1);
}

void TsHtml::StartLink(std::string_view tag) {
  PushFont();
  const int32_t index = int32_t(links_.size());
  const int32_t state = (index == pressedLink_ ? 1 : 0) + (index == hotLink_ ? 1 : 0);
  if (!linkColors_.Skinned) font_.Color = state == 2 ? RGBColor(255, 0, 0) : RGBColor(0, 0, 255);
  else if (state == 0) font_.Color = linkColors_.Bottom;
  else if (state == 1) font_.Color = linkColors_.Top;
  else font_.Color = LerpColor(linkColors_.Top, linkColors_.Font, 0.5);
  if (state > 0) font_.Underline = true;
  links_.push_back({{penX_, penY_, penX_, penY_}, std::string(tag)});
  openLink_ = index;
}

void TsHtml::FinishLink() {
  if (openLink_ < 0) return;  // a closing tag without its opening one
  HtmlLink& link = links_[size_t(openLink_)];
  openLink_ = -1;
  std::string upper = link.Target;
  std::transform(upper.begin(), upper.end(), upper.begin(), AsciiUpper);
  const size_t href = upper.find("HREF");
  const size_t equals = href == kNone ? kNone : upper.find('=', href + 4);
  link.Target = equals == kNone ? std::string() : WithoutChars(Trimmed(std::string_view(link.Target).substr(equals + 1)), "'\">");
  link.Target = std::string(Trimmed(link.Target));
  link.Rect.Right = penX_;
  link.Rect.Bottom = link.Rect.Top + rowHeight_;
  PopFont();
}

void TsHtml::PopFont() {
  if (fonts_.empty()) return;  // nothing was opened: the font stays
  font_ = fonts_.back();
  fonts_.pop_back();
}

int32_t TsHtml::XHeight() { return canvas_.TextExtent(font_, L"X").cy; }

void TsHtml::LineBreak() {
  penX_ = area_.Left;
  if (rowHeight_ == 0) rowHeight_ = XHeight();
  penY_ += rowHeight_ + 2;
  maxWidth_ = std::max(maxWidth_, lineWidth_);
  lineWidth_ = rowHeight_ = 0;
}

// A line started by wrapping: down by the row height only, which stays.
void TsHtml::WrapLine(int32_t wordHeight) {
  penX_ = area_.Left;
  rowHeight_ = std::max(rowHeight_, wordHeight);
  penY_ += rowHeight_;
  maxWidth_ = std::max(maxWidth_, lineWidth_);
  lineWidth_ = 0;
}

void TsHtml::Draw(int32_t x, int32_t y, std::wstring_view text) {
  if (!measuring_) canvas_.WriteText(font_, x, y, text);
}

void TsHtml::DrawRun(size_t begin, size_t end) {
  if (end <= begin) return;
  std::string bytes;
  bytes.reserve(end - begin);
  for (size_t i = begin; i < end; ++i)
    if (text_[i] != '\r' && text_[i] != '\n') bytes += text_[i];
  if (bytes.empty()) return;
  const std::wstring run = Cp1251::ToWide(bytes);
  const TSize size = canvas_.TextExtent(font_, run);
  rowHeight_ = std::max(rowHeight_, size.cy);
  if (Wraps() && penX_ + size.cx > area_.Right) {
    std::wstring_view rest = run;
    if (rest.front() == L' ') {
      penX_ += canvas_.TextExtent(font_, L" ").cx;
      rest.remove_prefix(1);
    }
    WrapRun(rest);
    return;
  }
  Draw(penX_, penY_ + rowHeight_ - size.cy, run);
  penX_ += size.cx;
  lineWidth_ = std::max(lineWidth_ + size.cx, penX_ - area_.Left);
}

void TsHtml::WrapRun(std::wstring_view run) {
  const int32_t wordHeight = XHeight();
  const int32_t space = canvas_.TextExtent(font_, L" ").cx;
  const int32_t areaWidth = area_.Right - area_.Left;
  size_t at = 0;
  while (at <= run.size()) {
    size_t end = run.find(L' ', at);
    if (end == std::wstring_view::npos) end = run.size();
    const std::wstring_view word = run.substr(at, end - at);
    const int32_t w = word.empty() ? 0 : canvas_.TextExtent(font_, word).cx;
    if (w > areaWidth) {
      // Wider than the area: alone on a line of its own, from the left edge.
      if (penX_ > area_.Left) WrapLine(wordHeight);
      rowHeight_ = std::max(rowHeight_, wordHeight);
      Draw(area_.Left, penY_ + rowHeight_ - wordHeight, word);
      lineWidth_ = std::max(lineWidth_, w);
      WrapLine(wordHeight);
    } else if (penX_ + w > area_.Right) {
      WrapLine(wordHeight);
      continue;  // the same word again, on the new line
    } else {
      rowHeight_ = std::max(rowHeight_, wordHeight);
      if (!word.empty()) Draw(penX_, penY_ + rowHeight_ - wordHeight, word);
      // No space after the run's last word: the text has none there, and a closing tag or punctuation that
      // follows would stand apart from the word.
      penX_ += w + (end < run.size() ? space : 0);
      lineWidth_ = std::max(lineWidth_ + w, penX_ - area_.Left);
    }
    at = end + 1;
  }
}

std::string HtmlPlainText(std::string_view text) {
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    const size_t open = text.find('<', i);
    if (open == kNone) break;
    const size_t close = text.find('>', open);
    if (close == kNone) break;  // the rest stays as it is
    out.append(text.substr(i, open - i));
    i = close + 1;
  }
  out.append(text.substr(std::min(i, text.size())));
  return out;
}
