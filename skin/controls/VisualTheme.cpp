#include "skin/controls/VisualTheme.h"

namespace {

using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);

SetWindowThemeFn LoadSetWindowTheme() {
  HMODULE library = LoadLibraryW(L"uxtheme.dll");
  if (!library) return nullptr;
  return reinterpret_cast<SetWindowThemeFn>(reinterpret_cast<void*>(GetProcAddress(library, "SetWindowTheme")));
}

}  // namespace

bool SwitchVisualThemeOff(HWND window) {
  // Loaded once and kept for the life of the program.
  static const SetWindowThemeFn setWindowTheme = LoadSetWindowTheme();
  return setWindowTheme && SUCCEEDED(setWindowTheme(window, L" ", L" "));
}
