#include "skin/handlers/ClientPaint.h"

LRESULT PaintClient(HWND window, const TMessage& m, const std::function<void(HDC)>& paint) {
  if (HDC given = reinterpret_cast<HDC>(m.WParam)) {
    paint(given);
    return 0;
  }
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  paint(dc);
  EndPaint(window, &ps);
  return 0;
}
