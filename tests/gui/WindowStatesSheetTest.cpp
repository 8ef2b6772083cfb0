// The main window in every state a user sees, as a compositing desktop shows
// it, laid out on one sheet (tests/golden/window-main-states.png): the picture
// to look at when judging the skin. Rows, top to bottom: the window active and
// inactive; the close button normal, hot, pressed; each speed button normal,
// hot, pressed; the number field unfocused, focused, filled in; the memo
// unfocused and focused; each combo box normal, hot and focused, and the
// work-type list open; the disabled fields; the label. States are reached
// with the real pointer and the real keyboard focus.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "skin/render/core/Blend.h"
#include "skin/render/core/PixelSpans.h"
#include "skin/render/core/Raster.h"
#include "skin/controls/sComboBox.h"
#include "skin/windows/acBorderForm.h"
#include "skin/windows/sSkinProvider.h"
#include "skin/windows/WindowPicture.h"
#include "tests/gui/GuiDriver.h"
#include "toolkit/Application.h"
#include "tools/PngWriter.h"

namespace {

constexpr int32_t kGap = 8;      // between cells and around the sheet
constexpr int32_t kAround = 6;   // of the window kept around a control in its cell

// Cells laid out in rows, left to right, on white.
class StatesSheet {
 public:
  void Add(const PixelBuffer& cell) { rows_.back().push_back(cell.Clone()); }
  void NextRow() { rows_.emplace_back(); }
  PixelBuffer Picture() const {
    int32_t width = 0, height = kGap;
    for (const auto& row : rows_) {
      int32_t w = kGap, h = 0;
      for (const PixelBuffer& c : row) w += c.Width() + kGap, h = std::max(h, c.Height());
      width = std::max(width, w);
      if (h > 0) height += h + kGap;
    }
    PixelBuffer sheet(width, height);
    SolidFill(sheet, sheet.Bounds(), 0x00FFFFFF);
    AssignAlpha(sheet, sheet.Bounds(), 255, clNone);
    int32_t top = kGap;
    for (const auto& row : rows_) {
      int32_t left = kGap, h = 0;
      for (const PixelBuffer& c : row) {
        CopyPixels(sheet, {left, top}, c, c.Bounds());
        left += c.Width() + kGap;
        h = std::max(h, c.Height());
      }
      if (h > 0) top += h + kGap;
    }
    return sheet;
  }

 private:
  std::vector<std::vector<PixelBuffer>> rows_{1};
};

PixelBuffer Crop(const PixelBuffer& picture, TRect r) {
  r = ClipToBuffer(picture, r);
  PixelBuffer cell(r.Width(), r.Height());
  CopyPixels(cell, {0, 0}, picture, r);
  return cell;
}

class WindowStatesSheet : public testing::Test {
 protected:
  void SetUp() override {
    Unit1Seams().CurrentYear = [] { return 2024; };  // the year list is part of the pictures
    driver = std::make_unique<GuiDriver>();
    SendMouseInput(0, {0, 0});
    SetForegroundWindow(F().WindowHandle());
    ASSERT_TRUE(driver->Settle());
  }
  void TearDown() override {
    SendMouseInput(0, {0, 0});
    driver.reset();
  }
  TForm1& F() { return driver->Form(); }
  TsSkinProvider& P() { return *F().sSkinProvider1; }

  void Settle() {
    for (int i = 0; i < 6; ++i) {
      Application->ProcessMessages();
      Sleep(5);
    }
  }
  // The composed window with no caret blinking in it, so that the sheet is the same every run.
  PixelBuffer Window() {
    HideCaret(nullptr);
    PixelBuffer picture = ComposedWindowPicture(P());
    ShowCaret(nullptr);
    return picture;
  }
  // Where a control lies in the composed picture, with some of the window around it.
  TRect CellOf(const TControl& c) {
    const TPoint o = F().sSkinProvider1->ClientOrigin();
    return MakeRect(o.X + c.Left() - kAround, o.Y + c.Top() - kAround, c.Width() + 2 * kAround,
                    c.Height() + 2 * kAround);
  }
  POINT ScreenCentre(TControl& c) {
    const TPoint p = c.ClientToScreen({c.Width() / 2, c.Height() / 2});
    return {p.X, p.Y};
  }
  // A cache point of the frame on the screen.
  POINT ScreenOfCache(TPoint cachePoint) {
    RECT wr;
    GetWindowRect(F().WindowHandle(), &wr);
    const BorderPlacement b = PlaceBorderWindow(P().Measures(), P().Inputs());
    return {wr.left + b.Offset.X + cachePoint.X, wr.top + b.Offset.Y + cachePoint.Y};
  }

  std::unique_ptr<GuiDriver> driver;
};

TEST_F(WindowStatesSheet, EveryStateOfTheMainWindowOnOneSheet) {
  StatesSheet sheet;

  sheet.Add(Window());
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 40, 30, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(other);
  Settle();
  ASSERT_FALSE(P().FormActive());
  sheet.Add(Window());
  DestroyWindow(other);
  SetForegroundWindow(F().WindowHandle());
  Settle();
  ASSERT_TRUE(P().FormActive());

  // The close button: the caption's right end.
  sheet.NextRow();
  const TRect close = P().Layout().Buttons[size_t(TitleButton::Close)];
  const TRect closeCell = MakeRect(close.Left - 60, close.Top - 6, close.Width() + 66, close.Height() + 12);
  const POINT closeCentre = ScreenOfCache({(close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2});
  sheet.Add(Crop(Window(), closeCell));
  SendMouseInput(0, closeCentre);
  Settle();
  EXPECT_EQ(P().ButtonState(TitleButton::Close), 1);
  sheet.Add(Crop(Window(), closeCell));
  SendMouseInput(MOUSEEVENTF_LEFTDOWN, closeCentre);
  Settle();
  EXPECT_EQ(P().ButtonState(TitleButton::Close), 2);
  sheet.Add(Crop(Window(), closeCell));
  SendMouseInput(0, ScreenOfCache({close.Left - 80, close.Top + 40}));  // let go away from it: no close
  SendMouseInput(MOUSEEVENTF_LEFTUP, ScreenOfCache({close.Left - 80, close.Top + 40}));
  Settle();
  ASSERT_FALSE(Application->Terminated());

  // The speed buttons; each press is let go away from its button, so nothing is clicked.
  for (TsSpeedButton* b : {F().SpeedButton1, F().btnRename, F().SpeedButton2, F().btnExit}) {
    SCOPED_TRACE(b->Name);
    sheet.NextRow();
    SendMouseInput(0, {0, 0});
    Settle();
    sheet.Add(Crop(Window(), CellOf(*b)));
    SendMouseInput(0, ScreenCentre(*b));
    Settle();
    EXPECT_EQ(b->CurrentState(), 1);
    sheet.Add(Crop(Window(), CellOf(*b)));
    SendMouseInput(MOUSEEVENTF_LEFTDOWN, ScreenCentre(*b));
    Settle();
    EXPECT_EQ(b->CurrentState(), 2);
    sheet.Add(Crop(Window(), CellOf(*b)));
    const TPoint away = F().ClientToScreen({2, 2});
    SendMouseInput(0, {away.X, away.Y});
    SendMouseInput(MOUSEEVENTF_LEFTUP, {away.X, away.Y});
    Settle();
    ASSERT_TRUE(IsWindowVisible(F().WindowHandle()));
  }
  SendMouseInput(0, {0, 0});
  Settle();

  // The number field: placeholder unfocused, focused, then filled in and left.
  sheet.NextRow();
  TsEdit& number = *F().n_knigi;
  F().workType->SetFocus();
  Settle();
  sheet.Add(Crop(Window(), CellOf(number)));
  number.SetFocus();
  Settle();
  sheet.Add(Crop(Window(), CellOf(number)));
  driver->Type(number.Handle(), L"123456");
  F().Memo1->SetFocus();
  Settle();
  sheet.Add(Crop(Window(), CellOf(number)));

  // The memo focused with its text, then unfocused.
  sheet.NextRow();
  driver->Type(F().Memo1->Handle(), L"Анализ данных");
  Settle();
  sheet.Add(Crop(Window(), CellOf(*F().Memo1)));
  F().workType->SetFocus();
  Settle();
  sheet.Add(Crop(Window(), CellOf(*F().Memo1)));

  // The combo boxes: normal with the focus elsewhere, hot under the pointer, focused; then the list open.
  for (TsComboBox* c : {F().workType, F().years}) {
    SCOPED_TRACE(c->Name);
    sheet.NextRow();
    F().n_knigi->SetFocus();
    SendMouseInput(0, {0, 0});
    Settle();
    sheet.Add(Crop(Window(), CellOf(*c)));
    SendMouseInput(0, ScreenCentre(*c));
    Settle();
    EXPECT_TRUE(c->SkinData.PointerInside);
    sheet.Add(Crop(Window(), CellOf(*c)));
    SendMouseInput(0, {0, 0});
    c->SetFocus();
    Settle();
    sheet.Add(Crop(Window(), CellOf(*c)));
  }
  sheet.NextRow();
  TsComboBox& work = *F().workType;
  const TRect button = work.Layout().Button;
  const TPoint onButton = work.ClientToScreen({(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2});
  SendMouseInput(0, {onButton.X, onButton.Y});
  SendMouseInput(MOUSEEVENTF_LEFTDOWN, {onButton.X, onButton.Y});
  SendMouseInput(MOUSEEVENTF_LEFTUP, {onButton.X, onButton.Y});
  Settle();
  ASSERT_TRUE(work.Dropped());
  // The list is hot only until the manager's hot-window check sees the pointer away from it.
  SendMouseInput(0, {0, 0});
  for (int i = 0; i < 10; ++i) Settle();
  RedrawWindow(work.ListWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
  Settle();
  RECT listRect;
  GetWindowRect(work.ListWindow(), &listRect);
  const TRect comboCell = CellOf(work);
  POINT listTop{listRect.left, listRect.top};
  ScreenToClient(work.WindowHandle(), &listTop);
  HideCaret(nullptr);
  const PixelBuffer open = ComposedWithPopup(F(), work.ListWindow());
  ShowCaret(nullptr);
  sheet.Add(Crop(open, MakeRect(comboCell.Left, comboCell.Top, comboCell.Width(),
                                listTop.y + (listRect.bottom - listRect.top) + 2 * kAround)));
  SendMessageW(work.WindowHandle(), CB_SHOWDROPDOWN, FALSE, 0);
  Settle();

  // The disabled fields and the label, with the name the entries above give.
  sheet.NextRow();
  const PixelBuffer filled = Window();
  sheet.Add(Crop(filled, CellOf(*F().fileTransl)));
  sheet.Add(Crop(filled, CellOf(*F().Label2)));
  sheet.NextRow();
  sheet.Add(Crop(filled, CellOf(*F().fileAdded)));

  ExpectGolden(sheet.Picture(), "window-main-states");
}

}  // namespace
