#include "skin/controls/sHtml.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "skin/controls/HtmlLinkTracker.h"
#include "tests/controls/FakeHtmlCanvas.h"
#include "toolkit/Cp1251.h"

namespace {

HtmlFont DefaultFont() {
  HtmlFont f;
  f.Name = "MS Sans Serif";
  f.Size = 8;
  f.Color = clBlack;
  return f;
}

// What was drawn, one "x,y text" per call joined by "|", with the font's
// differences from the default in braces: {b}{i}{u}{s10}{cRRGGBB}{fFace}.
std::wstring Picture(const FakeHtmlCanvas& canvas) {
  const HtmlFont base = DefaultFont();
  std::wstring out;
  for (const auto& d : canvas.drawn) {
    if (!out.empty()) out += L"|";
    out += std::to_wstring(d.X) + L"," + std::to_wstring(d.Y) + L" ";
    if (d.Font.Bold) out += L"{b}";
    if (d.Font.Italic) out += L"{i}";
    if (d.Font.Underline) out += L"{u}";
    if (d.Font.Size != base.Size) out += L"{s" + std::to_wstring(d.Font.Size) + L"}";
    if (d.Font.Color != base.Color) {
      wchar_t rgb[8];
      std::swprintf(rgb, 8, L"%02X%02X%02X", RedOf(d.Font.Color), GreenOf(d.Font.Color), BlueOf(d.Font.Color));
      out += L"{c" + std::wstring(rgb) + L"}";
    }
    if (d.Font.Name != base.Name) out += L"{f" + Cp1251::ToWide(d.Font.Name) + L"}";
    out += d.Text;
  }
  return out;
}

struct Rendered {
  std::wstring picture;
  TRect size;
  std::vector<HtmlLink> links;
};

Rendered Render(const std::string& text, TRect area = {}, int32_t pressed = -1, int32_t hot = -1,
                HtmlLinkColors colors = {}, bool measuring = false) {
  FakeHtmlCanvas canvas;
  TsHtml html(canvas, text, DefaultFont(), colors, pressed, hot, area);
  Rendered r;
  r.size = html.Render(r.links, measuring);
  r.picture = Picture(canvas);
  return r;
}

TEST(HtmlTextTest, MarkupIsDrawnRunByRun) {
  struct Case {
    const char* text;
    const wchar_t* picture;
    int32_t width, height;
  } cases[] = {
      {"plain", L"0,0 plain", 40, 16},
      {"a&amp;b", L"0,0 a|8,0 &|16,0 b", 24, 16},
      {"a&nosuch;b", L"0,0 a|8,0 &nosuch;b", 80, 16},      // unknown entity: text
      {"a & b;", L"0,0 a |16,0 & b;", 48, 16},              // a space before the ";": text
      {"&Eacute;&eacute;&AMP;", L"0,0 \u00C9|8,0 \u00E9|16,0 &", 24, 16},  // exact case first
      {"&#8211;&39;&#153;&#180;", L"0,0 \u2013|8,0 '|16,0 \u2122|24,0 \u00B4", 32, 16},
      {"1 << 2", L"0,0 1 |16,0 < 2", 40, 16},               // "<<" shows one "<"
      {"a<b", L"0,0 a|8,0 b", 16, 16},                      // a "<" no ">" closes is dropped
      {"x<B>bold</B>y", L"0,0 x|8,0 {b}bold|44,0 y", 52, 16},
      {"<i>it</I><u>un</u>", L"0,0 {i}it|16,0 {u}un", 32, 16},
      {"a<BR>b", L"0,0 a|0,18 b", 8, 34},
      {"<br/>b<P>c", L"0,18 b|0,36 c", 8, 52},              // an empty line is as high as "X"
      {"a\r\nb", L"0,0 ab", 16, 16},
      // A tag is known by its name, not by containing one.
      {"<TABLE>x", L"0,0 <TABLE>x", 64, 16},
      {"<basefont size=20>x", L"0,0 <basefont size=20>x", 152, 16},
      {"<ABBR>x</BR>", L"0,0 <ABBR>x|56,0 </BR>", 96, 16},
      // Closing tags with nothing open change nothing.
      {"</FONT>x</A>y", L"0,0 x|8,0 y", 16, 16},
      {"<FONT COLOR=RED>r</FONT></FONT>k", L"0,0 {cFF0000}r|8,0 k", 16, 16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const Rendered r = Render(c.text);
    EXPECT_EQ(r.picture, c.picture);
    EXPECT_EQ(r.size, (TRect{0, 0, c.width, c.height}));
  }
}

TEST(HtmlTextTest, FontTagsNestAndReadTheirAttributes) {
  struct Case {
    const char* text;
    const wchar_t* picture;
  } cases[] = {
      // Larger text sits on the row's bottom; later smaller runs too.
      {"<FONT SIZE=+2 COLOR=RED FACE=\"Arial\">big</FONT>n", L"0,0 {s10}{cFF0000}{fArial}big|30,4 n"},
      {"<font size=12>a<font size=-3>b</font>c</font>d", L"0,0 {s12}a|12,6 {s9}b|21,0 {s12}c|33,8 d"},
      {"<font size=abc>a", L"0,0 a"},                     // unreadable: 8
      {"<font size=+999999>a", L"0,0 {s200}a"},          // bounded
      {"<font size=0>a", L"0,0 {s1}a"},
      {"<font color=#00FF00>a", L"0,0 {c00FF00}a"},
      {"<font color=12AB34>a", L"0,0 {c12AB34}a"},        // a bare word is hexadecimal
      {"<font color=navy>a", L"0,0 {c000080}a"},
      {"<font color=zzz>a", L"0,0 a"},                    // neither: the colour stays
      {"<font\r\nface=\"Tahoma\">a", L"0,0 {fTahoma}a"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Render(c.text).picture, c.picture);
  }
}

TEST(HtmlTextTest, LinksTakeTheirLookAndTarget) {
  const std::string text = "go <a href=\"http://x.org\">here</a>!";
  HtmlLinkColors skin{true, RGBColor(0x11, 0x11, 0x11), RGBColor(0x22, 0x22, 0x22), RGBColor(0x44, 0x44, 0x44)};
  struct Case {
    const char* name;
    int32_t pressed, hot;
    HtmlLinkColors colors;
    const wchar_t* picture;
  } cases[] = {
      {"plain", -1, -1, {}, L"0,0 go |24,0 {c0000FF}here|56,0 !"},
      {"hot", -1, 0, {}, L"0,0 go |24,0 {u}{c0000FF}here|56,0 !"},
      {"hot and pressed", 0, 0, {}, L"0,0 go |24,0 {u}{cFF0000}here|56,0 !"},
      {"another link hot", -1, 1, {}, L"0,0 go |24,0 {c0000FF}here|56,0 !"},
      {"skinned", -1, -1, skin, L"0,0 go |24,0 {c222222}here|56,0 !"},
      {"skinned pressed", 0, -1, skin, L"0,0 go |24,0 {u}{c444444}here|56,0 !"},
      {"skinned hot and pressed", 0, 0, skin, L"0,0 go |24,0 {u}{c2A2A2A}here|56,0 !"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Rendered r = Render(text, {}, c.pressed, c.hot, c.colors);
    EXPECT_EQ(r.picture, c.picture);
    ASSERT_EQ(r.links.size(), 1u);
    EXPECT_EQ(r.links[0].Rect, (TRect{24, 0, 56, 16}));
    EXPECT_EQ(r.links[0].Target, "http://x.org");
  }

  const Rendered two = Render("<A HREF='one'>1</A><a name=x href = two >2</a><a>3</a>");
  ASSERT_EQ(two.links.size(), 3u);
  EXPECT_EQ(two.links[0].Target, "one");
  EXPECT_EQ(two.links[1].Target, "two");
  EXPECT_EQ(two.links[1].Rect, (TRect{8, 0, 16, 16}));
  EXPECT_EQ(two.links[2].Target, "");  // no HREF: nothing to open
}

TEST(HtmlTextTest, TextWrapsInTheAreaButNeverWhileMeasuring) {
  struct Case {
    const char* text;
    int32_t right;
    const wchar_t* picture;
  } cases[] = {
      {"aa bb cc dd", 40, L"0,0 aa|24,0 bb|0,16 cc|24,16 dd"},
      // A word wider than the area starts a line of its own at the left edge.
      {"ab abcdefghij", 40, L"0,0 ab|0,16 abcdefghij"},
      {"abcdefghij ab", 40, L"0,0 abcdefghij|0,16 ab"},
      // An entity that does not fit starts a new line like a line break.
      {"ab&copy;", 20, L"0,0 ab|0,18 \u00A9"},
      {"ab <b>cd</b>", 50, L"0,0 ab |24,0 {b}cd"},
      {"ab<b> cdef</b>", 40, L"0,0 ab|0,16 {b}cdef"},  // a leading space is skipped at the wrap
      // What follows a wrapped run joins its last word without a space the text does not have.
      {"aa bb cc<b>!</b>", 40, L"0,0 aa|24,0 bb|0,16 cc|16,16 {b}!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Render(c.text, {0, 0, c.right, 200}).picture, c.picture);
  }

  FakeHtmlCanvas canvas;
  TsHtml html(canvas, "aa bb cc dd<br>e", DefaultFont(), {}, -1, -1, {});
  std::vector<HtmlLink> links;
  EXPECT_EQ(html.Render(links, true), (TRect{0, 0, 88, 34}));
  EXPECT_TRUE(canvas.drawn.empty());
}

TEST(HtmlTextTest, PlainTextDropsTheTags) {
  EXPECT_EQ(HtmlPlainText(Ru("<B>Новое</B> название")), Ru("Новое название"));
  EXPECT_EQ(HtmlPlainText("a<b"), "a<b");
  EXPECT_EQ(HtmlPlainText("a<b>c<d"), "ac<d");
  EXPECT_EQ(HtmlPlainText("<a href=x>link</a>"), "link");
  EXPECT_EQ(HtmlPlainText(""), "");
}

// A label's links under the pointer: hot while over one, pressed by a left press on it, opened by a
// release over the same link only.
TEST(HtmlLinkTrackerTest, PressAndReleaseOverTheSameLinkOpenIt) {
  HtmlLinkTracker links;
  links.SetLinks({{{10, 0, 40, 16}, "one"}, {{50, 0, 70, 16}, "two"}});
  EXPECT_FALSE(links.Press());  // beside every link: nothing
  EXPECT_TRUE(links.Move({12, 4}));
  EXPECT_FALSE(links.Move({20, 8}));  // still the same link
  EXPECT_EQ(links.Hot(), 0);
  EXPECT_TRUE(links.Press());
  EXPECT_EQ(links.Pressed(), 0);
  bool repaint = false;
  EXPECT_EQ(links.Release(repaint), "one");
  EXPECT_TRUE(repaint);
  EXPECT_EQ(links.Pressed(), -1);

  struct Case {
    const char* name;
    TPoint releasedAt;
  } const givenUp[] = {{"over another link", {60, 4}}, {"beside every link", {45, 4}}, {"outside", {10, 16}}};
  for (const Case& c : givenUp) {
    links.Move({12, 4});
    links.Press();
    links.Move(c.releasedAt);
    EXPECT_EQ(links.Release(repaint), std::nullopt) << c.name;
    EXPECT_EQ(links.Pressed(), -1) << c.name;
  }
  // The pointer leaving clears both; a new rendering with fewer links drops what is gone.
  links.Move({60, 4});
  links.Press();
  EXPECT_TRUE(links.Leave());
  EXPECT_EQ(links.Hot(), -1);
  EXPECT_EQ(links.Pressed(), -1);
  links.Move({60, 4});
  links.SetLinks({{{10, 0, 40, 16}, "one"}});
  EXPECT_EQ(links.Hot(), -1);
  EXPECT_EQ(links.Release(repaint), std::nullopt);
}

}  // namespace
