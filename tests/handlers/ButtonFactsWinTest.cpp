// What a real "button" window reports for its look (under Wine).
#include <gtest/gtest.h>

#include <windows.h>

#include "skin/controls/BindingHostsWin.h"
#include "skin/controls/sCommonData.h"
#include "skin/handlers/ButtonFactsWin.h"

namespace {

struct Window {
  explicit Window(HWND h) : handle(h) {}
  ~Window() { DestroyWindow(handle); }
  HWND handle;
};

TEST(ButtonFactsWin, ReadsPressDefaultStyleEnableAndFocus) {
  Window parent(CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                                nullptr, nullptr, nullptr));
  Window button(CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 5, 5, 75, 25,
                                parent.handle, nullptr, nullptr, nullptr));
  ASSERT_TRUE(button.handle);
  WindowBindingHost host(button.handle);
  TsCommonData binding(&host, true);

  ButtonFacts f = ReadButtonFacts(button.handle, nullptr, binding, nullptr);
  EXPECT_TRUE(f.Default);
  EXPECT_FALSE(f.Pressed);
  EXPECT_FALSE(f.ToolkitButton);
  EXPECT_EQ(ButtonState(f), kButtonDefault);

  SendMessageW(button.handle, BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(ButtonState(ReadButtonFacts(button.handle, nullptr, binding, nullptr)), kButtonPressed);
  SendMessageW(button.handle, BM_SETSTATE, FALSE, 0);

  SetFocus(button.handle);
  EXPECT_EQ(ButtonState(ReadButtonFacts(button.handle, nullptr, binding, nullptr)), kButtonHot);

  EnableWindow(button.handle, FALSE);
  EXPECT_EQ(ButtonState(ReadButtonFacts(button.handle, nullptr, binding, nullptr)), kButtonNormal);
}

}  // namespace
