#include "skin/render/core/SystemColorsWin.h"

#include <windows.h>

#include "skin/render/core/Color.h"

namespace {

class WindowsSystemColors final : public SystemColorSource {
 public:
  TColor SystemColor(int index) const override { return TColor(GetSysColor(index)); }  // COLORREF is 0x00BBGGRR, as TColor
};

}  // namespace

void UseSystemColorsOfWindows() {
  static const WindowsSystemColors colors;
  SetSystemColorSource(&colors);
}
