#include "skin/windows/CaptionFont.h"

#include "toolkit/Forms.h"

HFONT TCaptionFont::Get(int charset) {
  const int dpi = Screen::PixelsPerInch();
  if (font_ && charset == charset_ && dpi == dpi_) return font_;
  Forget();
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  metrics.lfCaptionFont.lfCharSet = BYTE(charset);
  font_ = CreateFontIndirectW(&metrics.lfCaptionFont);
  charset_ = charset;
  dpi_ = dpi;
  return font_;
}

void TCaptionFont::Forget() {
  if (font_) DeleteObject(font_);
  font_ = nullptr;
}
