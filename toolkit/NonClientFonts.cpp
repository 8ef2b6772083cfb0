#include "toolkit/NonClientFonts.h"

LOGFONTW NonClientLogFont(NonClientFont kind) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return LOGFONTW{};
  switch (kind) {
    case NonClientFont::Caption: return metrics.lfCaptionFont;
    case NonClientFont::Menu: return metrics.lfMenuFont;
    case NonClientFont::Status: return metrics.lfStatusFont;
    case NonClientFont::Message: return metrics.lfMessageFont;
  }
  return LOGFONTW{};
}
