#pragma once
// Handlers on plain windows made on the real main window (the skinned form
// of the real program), with the real pointer. Set DR_TEST_PICTURES to a
// folder to keep the pictures the tests take.
#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>

#include "skin/controls/TacMainWnd.h"
#include "skin/data/SkinCommands.h"
#include "tests/gui/GuiDriver.h"

inline uint32_t Rgb(uint32_t pixel) { return pixel & 0xFFFFFF; }

// How many pixels of two pictures of one size differ in colour.
inline int DifferingPixels(const PixelBuffer& a, const PixelBuffer& b) {
  int differing = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) differing += Rgb(a.At(x, y)) != Rgb(b.At(x, y));
  return differing;
}

class HandlerWindows : public testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    driver = std::make_unique<GuiDriver>();
    SetForegroundWindow(F().WindowHandle());
    MoveRealPointer({0, 0});
    driver->Pump();
  }
  void TearDown() override {
    handler.reset();
    if (window) DestroyWindow(window);
    driver.reset();
  }
  TForm1& F() { return driver->Form(); }
  // A child of the main window, on top of its controls.
  HWND Make(const wchar_t* className, DWORD style, TRect bounds, DWORD exStyle = 0) {
    window = CreateWindowExW(exStyle, className, L"", WS_CHILD | WS_VISIBLE | style, bounds.Left, bounds.Top,
                             bounds.Width(), bounds.Height(), F().WindowHandle(), HMENU(4242),
                             GetModuleHandleW(nullptr), nullptr);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return window;
  }
  // The window as the screen shows it once every pending paint is done.
  PixelBuffer Shown() {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    driver->Pump();
    return CaptureWindow(window);
  }
  POINT ScreenPoint(TPoint inWindow) const {
    RECT w;
    GetWindowRect(window, &w);
    return {w.left + inWindow.X, w.top + inWindow.Y};
  }
  void RemoveSkin() {
    SendMessageW(window, kSkinMessage, SkinCommandParam(AC_REMOVESKIN), LPARAM(handler->Manager()));
  }

  std::unique_ptr<GuiDriver> driver;
  HWND window = nullptr;
  std::unique_ptr<TacMainWnd> handler;
};
