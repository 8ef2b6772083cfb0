#include "skin/controls/GdiHtmlCanvas.h"

#include "toolkit/Control.h"
#include "toolkit/Cp1251.h"

GdiHtmlCanvas::GdiHtmlCanvas(HDC dc) : dc_(dc), saved_(SaveDC(dc)) { SetBkMode(dc_, TRANSPARENT); }

GdiHtmlCanvas::~GdiHtmlCanvas() {
  RestoreDC(dc_, saved_);  // selects the original font back before ours go
  for (const auto& [font, handle] : fonts_) DeleteObject(handle);
}

HFONT GdiHtmlCanvas::FontFor(const HtmlFont& font) {
  for (const auto& [made, handle] : fonts_)
    if (made.Name == font.Name && made.Size == font.Size && made.Bold == font.Bold && made.Italic == font.Italic &&
        made.Underline == font.Underline)
      return handle;
  LOGFONTW f{};
  f.lfHeight = -MulDiv(font.Size, GetDeviceCaps(dc_, LOGPIXELSY), 72);
  f.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
  f.lfItalic = font.Italic;
  f.lfUnderline = font.Underline;
  f.lfCharSet = DEFAULT_CHARSET;
  const std::wstring face = Cp1251::ToWide(font.Name);
  lstrcpynW(f.lfFaceName, face.c_str(), LF_FACESIZE);
  HFONT handle = CreateFontIndirectW(&f);
  if (handle) fonts_.emplace_back(font, handle);
  return handle;
}

TSize GdiHtmlCanvas::TextExtent(const HtmlFont& font, std::wstring_view text) {
  SelectObject(dc_, FontFor(font));
  SIZE size{};
  GetTextExtentPoint32W(dc_, text.data(), int(text.size()), &size);
  return {size.cx, size.cy};
}

void GdiHtmlCanvas::WriteText(const HtmlFont& font, int32_t x, int32_t y, std::wstring_view text) {
  SelectObject(dc_, FontFor(font));
  SetTextColor(dc_, ColorRef(font.Color));
  ExtTextOutW(dc_, x, y, 0, nullptr, text.data(), UINT(text.size()), nullptr);
}
