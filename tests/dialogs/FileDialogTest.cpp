// The open-file dialog comes up in the skin's frame and still chooses a file
// or is cancelled with Escape; beyond two visible skinned dialogs a plain
// message box keeps its own look, while a file dialog is skinned all the same.
#include <gtest/gtest.h>

#include <stdexcept>

#include "app/Unit1.h"
#include "skin/data/sSkinManager.h"
#include "skin/dialogs/DialogWatcher.h"
#include "skin/dialogs/TacDialogWnd.h"
#include "skin/handlers/TacBtnWnd.h"
#include "skin/handlers/TacCheckBoxWnd.h"
#include "skin/handlers/TacComboBoxWnd.h"
#include "skin/handlers/TacListViewWnd.h"
#include "skin/windows/ComposedPicture.h"
#include "skin/windows/WindowPicture.h"
#include "tests/dialogs/TimerSteps.h"
#include "tests/gui/GuiDriver.h"
#include "toolkit/Application.h"
#include "toolkit/Cp1251.h"

namespace {

constexpr int kFileNameBox = 0x47C;
constexpr int kReadOnlyBox = 0x410;

// What the dialog looked like while it was up.
struct ShownDialog {
  bool Found = false;
  bool Skinned = false;
  bool BorderWindowVisible = false;
  int32_t Kind = -1;
  GlyphSet Glyphs = GlyphSet::Small;
  std::string TitleSection;
  int32_t CaptionHeight = 0;
  uint32_t CaptionPixel = 0;
  int32_t SkinnedChildren = 0;
  int32_t OpenButtonState = -1;  // the default button's look; -1 without a push-button handler
  bool ReadOnlyBoxSkinned = false;
  int32_t SkinnedComboBoxes = 0;  // the folder and file type boxes
  bool ListSkinned = false;       // the folder's list of files
  PixelBuffer Picture;
};

BOOL CALLBACK CountHandled(HWND child, LPARAM count) {
  if (FindHandler(child)) ++*reinterpret_cast<int32_t*>(count);
  return TRUE;
}

BOOL CALLBACK LookAtViews(HWND child, LPARAM shown) {
  auto& s = *reinterpret_cast<ShownDialog*>(shown);
  if (dynamic_cast<TacComboBoxWnd*>(FindHandler(child))) ++s.SkinnedComboBoxes;
  if (dynamic_cast<TacListViewWnd*>(FindHandler(child))) s.ListSkinned = true;
  return TRUE;
}

// Looks at a skinned dialog once its border window is up; false until then.
bool Look(HWND dialog, ShownDialog& shown) {
  auto* handler = dynamic_cast<TacDialogWnd*>(FindHandler(dialog));
  TacBorderForm* border = handler ? handler->BorderForm() : nullptr;
  if (handler && !(border && border->Window() && IsWindowVisible(border->Window()))) return false;
  shown.Found = true;
  shown.Skinned = handler != nullptr;
  if (!handler) return true;
  shown.BorderWindowVisible = true;
  shown.Kind = handler->Kind();
  shown.Glyphs = handler->Glyphs();
  shown.TitleSection = std::string(handler->TitleSection());
  const FrameMeasures& m = handler->Measures();
  shown.CaptionHeight = m.CH;
  const PixelBuffer& cache = handler->FrameCache();
  shown.CaptionPixel = cache.At(m.L + m.FW + 3, m.T + m.CH / 2) & 0x00FFFFFFu;
  EnumChildWindows(dialog, CountHandled, LPARAM(&shown.SkinnedChildren));
  EnumChildWindows(dialog, LookAtViews, LPARAM(&shown));
  if (auto* open = dynamic_cast<TacBtnWnd*>(FindHandler(GetDlgItem(dialog, IDOK)))) shown.OpenButtonState = open->ButtonState();
  shown.ReadOnlyBoxSkinned = dynamic_cast<TacCheckBoxWnd*>(FindHandler(GetDlgItem(dialog, kReadOnlyBox))) != nullptr;
  shown.Picture = ComposeOverColor(
      WindowPictureWithClient(cache, dialog, handler->Inputs().Client, m.ClientOrigin));
  return true;
}

class FileDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    Unit1Seams().CurrentYear = [] { return 2024; };
    driver = std::make_unique<GuiDriver>();
    driver->AnswerModals = false;
  }
  void TearDown() override { driver.reset(); }
  TForm1& F() { return driver->Form(); }

  // Opens the renamer's file dialog and lets `act` look at it and answer it.
  void OpenFileDialog(const std::function<bool(HWND)>& act, const std::function<bool(HWND)>& which = {}) {
    int ticks = 0;
    TimerSteps steps([&] {
      HWND dialog = FindThreadWindow(L"#32770", which);
      if (!dialog) return;
      if (++ticks > 150) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);  // never left open
      else act(dialog);
    });
    driver->Click(*F().SpeedButton1);
  }

  std::unique_ptr<GuiDriver> driver;
};

TEST_F(FileDialogTest, TheOpenDialogIsSkinnedAndChoosesAFileOrIsCancelledAsBefore) {
  TempFolder folder(L"open");
  folder.Write(L"doc.pdf", "mine");
  F().OpenDialog->InitialDir = folder.Path();
  for (bool choose : {false, true}) {
    SCOPED_TRACE(choose ? "a file chosen" : "Escape");
    ShownDialog shown;
    int stage = 0;
    OpenFileDialog([&](HWND dialog) {
      if (stage == 0 && Look(dialog, shown)) ++stage;
      else if (stage == 1) {
        ++stage;
        if (choose) {
          SetDlgItemTextW(dialog, kFileNameBox, (folder.Path() + L"doc.pdf").c_str());
          PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        } else {
          PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
          PostMessageW(GetFocus(), WM_KEYUP, VK_ESCAPE, 0xC0000001);
        }
      }
      return true;
    });
    ASSERT_TRUE(shown.Found);
    EXPECT_TRUE(shown.Skinned);
    EXPECT_TRUE(shown.BorderWindowVisible);
    // The renamer does not ask for a sizeable dialog: a modal frame, with the small glyphs.
    EXPECT_EQ(shown.Kind, 0);
    EXPECT_EQ(shown.Glyphs, GlyphSet::Small);
    EXPECT_EQ(shown.TitleSection, "FORMTITLE");
    EXPECT_EQ(shown.CaptionHeight, 30);
    EXPECT_EQ(shown.CaptionPixel, 0x00FFFFFFu) << "the white caption bar of the skin";
    EXPECT_GT(shown.SkinnedChildren, 0) << "the file name box at least";
    EXPECT_EQ(shown.OpenButtonState, 3) << "the default button in the fourth state";
    EXPECT_TRUE(shown.ReadOnlyBoxSkinned);
    EXPECT_GE(shown.SkinnedComboBoxes, 2);
    EXPECT_TRUE(shown.ListSkinned);
    if (!shown.Picture.Empty()) KeepPicture(shown.Picture, "dialogs-open-file");
    EXPECT_EQ(F().fileAdded->Text(), choose ? "doc.pdf" : Ru("Выберите файл PDF"));
    EXPECT_FALSE(FindThreadWindow(L"#32770"));
  }
}

// The skinned close button, hovered, pressed and released with the real pointer, cancels the dialog.
TEST_F(FileDialogTest, TheSkinnedCloseButtonClosesTheDialogUnderTheRealPointer) {
  int stage = 0;
  POINT close{};
  int32_t hotState = -1, pressedState = -1;
  OpenFileDialog([&](HWND dialog) {
    auto* handler = dynamic_cast<TacDialogWnd*>(FindHandler(dialog));
    TacBorderForm* border = handler ? handler->BorderForm() : nullptr;
    if (!border || !border->Window() || !IsWindowVisible(border->Window())) return true;
    switch (stage++) {
      case 0: {
        RECT at;
        GetWindowRect(border->Window(), &at);
        const TRect r = TitleButtonRect(handler->Layout(), kFrameHitClose);
        close = {at.left + (r.Left + r.Right) / 2, at.top + (r.Top + r.Bottom) / 2};
        SendMouseInput(0, close);
        break;
      }
      case 2: hotState = handler->ButtonState(TitleButton::Close); SendMouseInput(MOUSEEVENTF_LEFTDOWN, close); break;
      case 4: pressedState = handler->ButtonState(TitleButton::Close); SendMouseInput(MOUSEEVENTF_LEFTUP, close); break;
      default: break;
    }
    return true;
  });
  EXPECT_EQ(hotState, 1);
  EXPECT_EQ(pressedState, 2);
  EXPECT_LT(stage, 100) << "closed by the button, not by the test's own time limit";
  EXPECT_FALSE(FindThreadWindow(L"#32770"));
  EXPECT_EQ(F().fileAdded->Text(), Ru("Выберите файл PDF"));
}

// A small dialog template in memory: a captioned popup with a close button, no controls.
std::vector<WORD> PlainDialogTemplate() {
  std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);  // then no menu, default class, no title
  auto* t = reinterpret_cast<DLGTEMPLATE*>(words.data());
  t->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
  t->cx = 120;
  t->cy = 40;
  return words;
}

TEST_F(FileDialogTest, AThirdPlainMessageBoxStaysUnskinnedButAFileDialogIsSkinned) {
  std::vector<WORD> dialogTemplate = PlainDialogTemplate();
  const auto* t = reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data());
  auto procedure = [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; };
  HWND first = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), t, nullptr, procedure, 0);
  HWND second = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), t, nullptr, procedure, 0);
  ASSERT_TRUE(first && second);
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(first) && IsWindowVisible(second); }));
  EXPECT_TRUE(dynamic_cast<TacDialogWnd*>(FindHandler(first)));
  EXPECT_TRUE(dynamic_cast<TacDialogWnd*>(FindHandler(second)));
  auto another = [&](HWND w) { return w != first && w != second; };

  ShownDialog box;
  {
    TimerSteps steps([&] {
      HWND dialog = FindThreadWindow(L"#32770", another);
      if (!dialog || !Look(dialog, box)) return;
      PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    MessageBoxW(nullptr, L"third", L"plain", MB_OK);
  }
  EXPECT_TRUE(box.Found);
  EXPECT_FALSE(box.Skinned) << "two skinned dialogs are visible already";

  ShownDialog file;
  OpenFileDialog(
      [&](HWND dialog) {
        if (Look(dialog, file)) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return true;
      },
      another);
  EXPECT_TRUE(file.Found);
  EXPECT_TRUE(file.Skinned) << "file dialogs are skinned beyond the limit";

  DestroyWindow(first);
  DestroyWindow(second);
  EXPECT_FALSE(CurrentDialogWatcher()->Watches(first)) << "a destroyed dialog leaves the watched list";
}

// The manager's OnSysDlgInit may refuse a dialog; a handler that fails inside
// the creation hook must leave the dialog plain, never stop its creation.
TEST_F(FileDialogTest, ARefusingOrFailingOnSysDlgInitLeavesTheDialogPlainButCreated) {
  std::vector<WORD> dialogTemplate = PlainDialogTemplate();
  const auto* t = reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data());
  auto procedure = [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; };
  TsSkinManager& manager = *F().sSkinManager1;
  const std::function<void(TsSkinManager&, TacDlgData&)> handlers[] = {
      [](TsSkinManager&, TacDlgData& data) { data.AllowSkinning = false; },
      [](TsSkinManager&, TacDlgData&) { throw std::runtime_error("no dialogs here"); },
  };
  for (const auto& handler : handlers) {
    manager.OnSysDlgInit = handler;
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), t, nullptr, procedure, 0);
    manager.OnSysDlgInit = nullptr;
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(FindHandler(dialog));
    EXPECT_FALSE(CurrentDialogWatcher()->Watches(dialog));
    DestroyWindow(dialog);
  }
}

}  // namespace
