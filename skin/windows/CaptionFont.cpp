#include "skin/windows/CaptionFont.h"

#include "toolkit/Forms.h"
#include "toolkit/NonClientFonts.h"

HFONT TCaptionFont::Get(int charset) {
  const int dpi = Screen::PixelsPerInch();
  if (font_ && charset == charset_ && dpi == dpi_) return font_;
  Forget();
  LOGFONTW caption = NonClientLogFont(NonClientFont::Caption);
  caption.lfCharSet = BYTE(charset);
  font_ = CreateFontIndirectW(&caption);
  charset_ = charset;
  dpi_ = dpi;
  return font_;
}

void TCaptionFont::Forget() {
  if (font_) DeleteObject(font_);
  font_ = nullptr;
}
