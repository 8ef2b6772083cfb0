#include "skin/windows/BlurBehind.h"

#include <dwmapi.h>

namespace {

using EnableBlurBehind = HRESULT(WINAPI*)(HWND, const DWM_BLURBEHIND*);

// Looked up once; the library stays loaded for the life of the program.
EnableBlurBehind EntryPoint() {
  static const EnableBlurBehind entry = [] {
    HMODULE library = LoadLibraryW(L"dwmapi.dll");
    FARPROC proc = library ? GetProcAddress(library, "DwmEnableBlurBehindWindow") : nullptr;
    return reinterpret_cast<EnableBlurBehind>(reinterpret_cast<void*>(proc));
  }();
  return entry;
}

}  // namespace

bool SetBlurBehind(HWND window, HRGN region) {
  const EnableBlurBehind enable = EntryPoint();
  if (!enable || !window) return false;
  DWM_BLURBEHIND blur{};
  blur.dwFlags = DWM_BB_ENABLE | (region ? DWM_BB_BLURREGION : 0);
  blur.fEnable = region != nullptr;
  blur.hRgnBlur = region;
  return SUCCEEDED(enable(window, &blur));
}
