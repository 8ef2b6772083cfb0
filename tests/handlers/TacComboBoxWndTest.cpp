// The combo box handler on plain combo box windows of the real main window,
// with the real pointer.
#include "skin/handlers/TacComboBoxWnd.h"

#include "tests/handlers/HandlerWindows.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kSelectionBlue = 0x0078D7;  // the skin's "SELECTION" colour, as a pixel (RGB)

class ComboBoxHandler : public HandlerWindows {
 protected:
  HWND MakeCombo(const wchar_t* className, DWORD style) {
    Make(className, WS_TABSTOP | style, {16, 180, 176, 380});
    SendMessageW(window, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    return window;
  }
  void Fill() {
    for (const wchar_t* item : {L"Все файлы (*.*)", L"PDF (*.pdf)", L"Текст (*.txt)"})
      SendMessageW(window, CB_ADDSTRING, 0, LPARAM(item));
    SendMessageW(window, CB_SETCURSEL, 0, 0);
  }
  void Attach() { handler = TacMainWnd::Create<TacComboBoxWnd>(window, true, {.DialogMode = true}); }
  TacComboBoxWnd& Combo() { return static_cast<TacComboBoxWnd&>(*handler); }
};

TEST_F(ComboBoxHandler, DropDownListShowsItsPictureAndGivesItsOwnLookBack) {
  MakeCombo(WC_COMBOBOXW, CBS_DROPDOWNLIST);
  Fill();
  MoveRealPointer({0, 0});
  const PixelBuffer own = Shown();
  Attach();
  EXPECT_EQ(FindHandler(window), handler.get());
  EXPECT_EQ(SendMessageW(window, kSkinMessage, SkinCommandParam(AC_CTRLHANDLED), 0), 1);

  const PixelBuffer skinned = Shown();
  KeepPicture(skinned, "views-combobox");
  // What the screen shows is the handler's picture: section, current item and glyph button.
  const TsCommonData& b = handler->SkinData();
  ASSERT_TRUE(b.CachePicture);
  ASSERT_EQ(b.CachePicture->Width(), skinned.Width());
  ASSERT_EQ(b.CachePicture->Height(), skinned.Height());
  EXPECT_EQ(DifferingPixels(skinned, *b.CachePicture), 0);
  // The skin's button is white like the box; the system's is a raised grey face.
  const TRect button = Combo().Layout().Button;
  EXPECT_EQ(Rgb(skinned.At(button.Left + 1, button.Top + 1)), kWhite);
  EXPECT_NE(Rgb(own.At(button.Left + 1, button.Top + 1)), kWhite);

  RemoveSkin();
  EXPECT_TRUE(handler->Detached());
  EXPECT_EQ(FindHandler(window), nullptr);
  const PixelBuffer back = Shown();
  EXPECT_EQ(DifferingPixels(own, back), 0);
}

TEST_F(ComboBoxHandler, FocusedCurrentItemWearsTheSelectionAndThePointerLightsTheButton) {
  MakeCombo(WC_COMBOBOXW, CBS_DROPDOWNLIST);
  Fill();
  MoveRealPointer({0, 0});
  Attach();
  SetFocus(window);
  const TRect text = Combo().Layout().Text;
  EXPECT_EQ(Rgb(Shown().At(text.Left + 1, text.Top + 1)), kSelectionBlue);
  SetFocus(F().WindowHandle());
  EXPECT_EQ(Rgb(Shown().At(text.Left + 1, text.Top + 1)), kWhite);

  const TRect button = Combo().Layout().Button;
  ASSERT_TRUE(MoveRealPointer(ScreenPoint({(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2})));
  ASSERT_TRUE(PumpUntil([&] { return Combo().StateInput().PointerOverButton; }));
  EXPECT_EQ(ComboButtonState(Combo().StateInput()), 1);
  ASSERT_TRUE(MoveRealPointer({0, 0}));
  // The manager's hot-window check lets the box go once the pointer is away.
  EXPECT_TRUE(PumpUntil([&] { return !handler->SkinData().PointerInside && !Combo().StateInput().PointerOverButton; }));
}

TEST_F(ComboBoxHandler, OpenListIsSkinnedAndLetGoWithTheSkin) {
  MakeCombo(WC_COMBOBOXW, CBS_DROPDOWNLIST);
  Fill();
  Attach();
  const TRect button = Combo().Layout().Button;
  const POINT at = ScreenPoint({(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2});
  ASSERT_TRUE(MoveRealPointer(at));
  SendMouseInput(MOUSEEVENTF_LEFTDOWN, at);
  SendMouseInput(MOUSEEVENTF_LEFTUP, at);
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
  ASSERT_TRUE(PumpUntil([&] { return Combo().ListHandler() != nullptr; }));
  const HWND list = Combo().ListHandler()->Window();
  EXPECT_EQ(FindHandler(list), Combo().ListHandler());
  EXPECT_EQ(ComboButtonState(Combo().StateInput()), 2);
  driver->Pump();
  KeepPicture(ComposedWithPopup(F(), list), "views-combobox-open");

  RemoveSkin();
  EXPECT_EQ(FindHandler(list), nullptr);
  SendMessageW(window, CB_SHOWDROPDOWN, FALSE, 0);
  driver->Pump();
  EXPECT_NE(GetCapture(), list);
  EXPECT_NE(GetCapture(), window);
  SendMouseInput(0, {0, 0});
}

TEST_F(ComboBoxHandler, DropDownBoxColoursItsEditAndFramesIt) {
  MakeCombo(WC_COMBOBOXW, CBS_DROPDOWN);
  Fill();
  Attach();
  const PixelBuffer shown = Shown();
  KeepPicture(shown, "views-combobox-edit");
  // The skin's one-pixel frame at the box's edge, and the box's white inside it.
  EXPECT_NE(Rgb(shown.At(0, shown.Height() / 2)), kWhite);
  EXPECT_EQ(Rgb(shown.At(1, shown.Height() / 2)), kWhite);

  HWND edit = GetWindow(window, GW_CHILD);
  ASSERT_NE(edit, nullptr);
  HDC dc = GetDC(edit);
  const LRESULT brush = SendMessageW(window, WM_CTLCOLOREDIT, WPARAM(dc), LPARAM(edit));
  EXPECT_NE(brush, 0);
  EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
  ReleaseDC(edit, dc);
}

TEST_F(ComboBoxHandler, ExtendedBoxSkinsTheBoxInsideIt) {
  MakeCombo(WC_COMBOBOXEXW, CBS_DROPDOWNLIST);
  COMBOBOXEXITEMW item{};
  item.mask = CBEIF_TEXT;
  item.iItem = -1;
  item.pszText = const_cast<wchar_t*>(L"C:\\");
  SendMessageW(window, CBEM_INSERTITEMW, 0, LPARAM(&item));
  SendMessageW(window, CB_SETCURSEL, 0, 0);
  Attach();
  const HWND inner = reinterpret_cast<HWND>(SendMessageW(window, CBEM_GETCOMBOCONTROL, 0, 0));
  ASSERT_NE(Combo().InnerHandler(), nullptr);
  EXPECT_EQ(FindHandler(inner), Combo().InnerHandler());
  KeepPicture(Shown(), "views-comboboxex");
  // The owner draws the item into the inner box's picture, which the screen shows.
  const PixelBuffer inside = CaptureWindow(inner);
  const PixelBuffer& cache = *Combo().InnerHandler()->SkinData().CachePicture;
  ASSERT_EQ(cache.Width(), inside.Width());
  const TRect button = Combo().InnerHandler()->Layout().Button;
  EXPECT_EQ(Rgb(inside.At(button.Left + 1, button.Top + 1)), kWhite);

  RemoveSkin();
  EXPECT_EQ(FindHandler(inner), nullptr);
  EXPECT_EQ(FindHandler(window), nullptr);
}

}  // namespace
