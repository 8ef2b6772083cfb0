// The combo box handler on plain combo box windows of the real main window,
// with the real pointer. Set DR_TEST_PICTURES to a folder to keep the pictures.
#include "skin/handlers/TacComboBoxWnd.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include "skin/data/SkinCommands.h"
#include "tests/gui/GuiDriver.h"

namespace {

uint32_t Rgb(uint32_t pixel) { return pixel & 0xFFFFFF; }
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kSelectionBlue = 0x0078D7;  // the skin's "SELECTION" colour, as a pixel (RGB)

class ComboBoxHandler : public testing::Test {
 protected:
  void SetUp() override {
    driver = std::make_unique<GuiDriver>();
    SetForegroundWindow(F().WindowHandle());
    driver->Pump();
  }
  void TearDown() override {
    handler.reset();
    if (combo) DestroyWindow(combo);
    driver.reset();
  }
  TForm1& F() { return driver->Form(); }
  HWND Make(const wchar_t* className, DWORD style, int height = 200) {
    HWND made = CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 16, 180, 160, height,
                                F().WindowHandle(), HMENU(4242), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(made, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    SetWindowPos(made, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return made;
  }
  void Fill(HWND target) {
    for (const wchar_t* item : {L"Все файлы (*.*)", L"PDF (*.pdf)", L"Текст (*.txt)"})
      SendMessageW(target, CB_ADDSTRING, 0, LPARAM(item));
    SendMessageW(target, CB_SETCURSEL, 0, 0);
  }
  PixelBuffer Shown() {
    RedrawWindow(combo, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    driver->Pump();
    return CaptureWindow(combo);
  }
  POINT ScreenPoint(TPoint inWindow) const {
    RECT w;
    GetWindowRect(combo, &w);
    return {w.left + inWindow.X, w.top + inWindow.Y};
  }
  void RemoveSkin() { SendMessageW(combo, kSkinMessage, SkinCommandParam(AC_REMOVESKIN), LPARAM(handler->Manager())); }
  void Attach() {
    TacHandlerParams params;
    params.DialogMode = true;
    handler = TacMainWnd::Create<TacComboBoxWnd>(combo, true, params);
  }

  std::unique_ptr<GuiDriver> driver;
  HWND combo = nullptr;
  std::unique_ptr<TacComboBoxWnd> handler;
};

TEST_F(ComboBoxHandler, DropDownListShowsItsPictureAndGivesItsOwnLookBack) {
  combo = Make(WC_COMBOBOXW, CBS_DROPDOWNLIST);
  Fill(combo);
  MoveRealPointer({0, 0});
  const PixelBuffer own = Shown();
  Attach();
  EXPECT_EQ(FindHandler(combo), handler.get());
  EXPECT_EQ(SendMessageW(combo, kSkinMessage, SkinCommandParam(AC_CTRLHANDLED), 0), 1);

  const PixelBuffer skinned = Shown();
  KeepPicture(skinned, "views-combobox");
  // What the screen shows is the handler's picture: section, current item and glyph button.
  const TsCommonData& b = handler->SkinData();
  ASSERT_TRUE(b.CachePicture);
  ASSERT_EQ(b.CachePicture->Width(), skinned.Width());
  ASSERT_EQ(b.CachePicture->Height(), skinned.Height());
  for (int y = 0; y < skinned.Height(); ++y)
    for (int x = 0; x < skinned.Width(); ++x)
      ASSERT_EQ(Rgb(skinned.At(x, y)), Rgb(b.CachePicture->At(x, y))) << x << ", " << y;
  // The skin's button is white like the box; the system's is a raised grey face.
  const TRect button = handler->Layout().Button;
  EXPECT_EQ(Rgb(skinned.At(button.Left + 1, button.Top + 1)), kWhite);
  EXPECT_NE(Rgb(own.At(button.Left + 1, button.Top + 1)), kWhite);

  RemoveSkin();
  EXPECT_TRUE(handler->Detached());
  EXPECT_EQ(FindHandler(combo), nullptr);
  const PixelBuffer back = Shown();
  int differing = 0;
  for (int y = 0; y < own.Height(); ++y)
    for (int x = 0; x < own.Width(); ++x) differing += Rgb(own.At(x, y)) != Rgb(back.At(x, y));
  EXPECT_EQ(differing, 0);
}

TEST_F(ComboBoxHandler, FocusedCurrentItemWearsTheSelectionAndThePointerLightsTheButton) {
  combo = Make(WC_COMBOBOXW, CBS_DROPDOWNLIST);
  Fill(combo);
  MoveRealPointer({0, 0});
  Attach();
  SetFocus(combo);
  const TRect text = handler->Layout().Text;
  EXPECT_EQ(Rgb(Shown().At(text.Left + 1, text.Top + 1)), kSelectionBlue);
  SetFocus(F().WindowHandle());
  EXPECT_EQ(Rgb(Shown().At(text.Left + 1, text.Top + 1)), kWhite);

  const TRect button = handler->Layout().Button;
  ASSERT_TRUE(MoveRealPointer(ScreenPoint({(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2})));
  ASSERT_TRUE(PumpUntil([&] { return handler->StateInput().PointerOverButton; }));
  EXPECT_EQ(ComboButtonState(handler->StateInput()), 1);
  ASSERT_TRUE(MoveRealPointer({0, 0}));
  // The manager's hot-window check lets the box go once the pointer is away.
  EXPECT_TRUE(PumpUntil([&] { return !handler->SkinData().PointerInside && !handler->StateInput().PointerOverButton; }));
}

TEST_F(ComboBoxHandler, OpenListIsSkinnedAndLetGoWithTheSkin) {
  combo = Make(WC_COMBOBOXW, CBS_DROPDOWNLIST);
  Fill(combo);
  Attach();
  const TRect button = handler->Layout().Button;
  const POINT at = ScreenPoint({(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2});
  ASSERT_TRUE(MoveRealPointer(at));
  SendMouseInput(MOUSEEVENTF_LEFTDOWN, at);
  SendMouseInput(MOUSEEVENTF_LEFTUP, at);
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
  ASSERT_TRUE(PumpUntil([&] { return handler->ListHandler() != nullptr; }));
  const HWND list = handler->ListHandler()->Window();
  EXPECT_EQ(FindHandler(list), handler->ListHandler());
  EXPECT_EQ(ComboButtonState(handler->StateInput()), 2);
  driver->Pump();
  KeepPicture(ComposedWithPopup(F(), list), "views-combobox-open");

  RemoveSkin();
  EXPECT_EQ(FindHandler(list), nullptr);
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  driver->Pump();
  EXPECT_NE(GetCapture(), list);
  EXPECT_NE(GetCapture(), combo);
  SendMouseInput(0, {0, 0});
}

TEST_F(ComboBoxHandler, DropDownBoxColoursItsEditAndFramesIt) {
  combo = Make(WC_COMBOBOXW, CBS_DROPDOWN);
  Fill(combo);
  Attach();
  const PixelBuffer shown = Shown();
  KeepPicture(shown, "views-combobox-edit");
  // The skin's one-pixel frame at the box's edge, and the box's white inside it.
  EXPECT_NE(Rgb(shown.At(0, shown.Height() / 2)), kWhite);
  EXPECT_EQ(Rgb(shown.At(1, shown.Height() / 2)), kWhite);

  HWND edit = GetWindow(combo, GW_CHILD);
  ASSERT_NE(edit, nullptr);
  HDC dc = GetDC(edit);
  const LRESULT brush = SendMessageW(combo, WM_CTLCOLOREDIT, WPARAM(dc), LPARAM(edit));
  EXPECT_NE(brush, 0);
  EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
  ReleaseDC(edit, dc);
}

TEST_F(ComboBoxHandler, ExtendedBoxSkinsTheBoxInsideIt) {
  InitCommonControls();
  combo = Make(WC_COMBOBOXEXW, CBS_DROPDOWNLIST);
  COMBOBOXEXITEMW item{};
  item.mask = CBEIF_TEXT;
  item.iItem = -1;
  item.pszText = const_cast<wchar_t*>(L"C:\\");
  SendMessageW(combo, CBEM_INSERTITEMW, 0, LPARAM(&item));
  SendMessageW(combo, CB_SETCURSEL, 0, 0);
  Attach();
  const HWND inner = reinterpret_cast<HWND>(SendMessageW(combo, CBEM_GETCOMBOCONTROL, 0, 0));
  ASSERT_NE(handler->InnerHandler(), nullptr);
  EXPECT_EQ(FindHandler(inner), handler->InnerHandler());
  KeepPicture(Shown(), "views-comboboxex");
  // The owner draws the item into the inner box's picture, which the screen shows.
  const PixelBuffer inside = CaptureWindow(inner);
  const PixelBuffer& cache = *handler->InnerHandler()->SkinData().CachePicture;
  ASSERT_EQ(cache.Width(), inside.Width());
  const TRect button = handler->InnerHandler()->Layout().Button;
  EXPECT_EQ(Rgb(inside.At(button.Left + 1, button.Top + 1)), kWhite);

  RemoveSkin();
  EXPECT_EQ(FindHandler(inner), nullptr);
  EXPECT_EQ(FindHandler(combo), nullptr);
}

}  // namespace
