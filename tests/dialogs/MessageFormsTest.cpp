// The renamer's three messages, shown as the renamer shows them, come up in
// the skin's frame: a provider of their own, the border window with the
// shadow, the skin's caption bar. Each is closed as a user would close it.
#include <gtest/gtest.h>

#include "app/Unit1.h"
#include "skin/data/SkinCommands.h"
#include "skin/render/core/Blend.h"
#include "skin/windows/ComposedPicture.h"
#include "skin/windows/WindowPicture.h"
#include "skin/windows/acBorderForm.h"
#include "skin/windows/sSkinProvider.h"
#include "tests/dialogs/TimerSteps.h"
#include "tests/gui/GuiDriver.h"
#include "toolkit/Application.h"
#include "toolkit/Cp1251.h"

namespace {

// What the message looked like while it was up.
struct ShownMessage {
  bool Found = false;
  std::string Text;
  bool Skinned = false;
  bool ExtendedBorders = false;
  bool BorderWindowVisible = false;
  TRect BorderOffset;  // border window minus message window, left/top/right/bottom
  int32_t CaptionHeight = 0;
  uint32_t CaptionPixel = 0;  // inside the caption bar, left of the text
  PixelBuffer Picture;        // the message laid over the main window, as a compositing desktop shows it
};

enum class CloseBy { ClickOnOk, Escape };

// Watches for the message from a timer (the message runs its own modal loop),
// looks at it once its border window is up, then closes it with the real
// pointer or the Escape key.
class MessageVisitor {
 public:
  MessageVisitor(TForm1& main, CloseBy close) : main_(main), close_(close) {}
  ShownMessage Shown;

 private:
  void Step() {
    HWND message = FindThreadWindow(L"TMessageForm");
    if (!message) return;
    if (++ticks_ > 150) {  // never left open, whatever went wrong
      PostMessageW(message, WM_COMMAND, IDOK, 0);
      return;
    }
    auto* form = dynamic_cast<TCustomForm*>(TWinControl::FromHandle(message));
    auto* ok = form ? dynamic_cast<TWinControl*>(form->FindComponent("OK")) : nullptr;
    if (!form || !ok) return;
    switch (stage_++) {
      case 0: Look(*form, message); break;
      case 1:
        if (close_ == CloseBy::Escape) {
          PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
          PostMessageW(GetFocus(), WM_KEYUP, VK_ESCAPE, 0xC0000001);
        } else {
          SendMouseInput(0, Centre(ok->WindowHandle()));
        }
        break;
      case 2: if (close_ == CloseBy::ClickOnOk) SendMouseInput(MOUSEEVENTF_LEFTDOWN, Centre(ok->WindowHandle())); break;
      case 3: if (close_ == CloseBy::ClickOnOk) SendMouseInput(MOUSEEVENTF_LEFTUP, Centre(ok->WindowHandle())); break;
      default: break;
    }
  }

  static POINT Centre(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }

  // Looks once the frame is on the screen; until then the next tick tries again.
  void Look(TCustomForm& form, HWND message) {
    auto* provider = reinterpret_cast<TsSkinProvider*>(
        SendMessageW(message, kSkinMessage, SkinCommandParam(AC_GETPROVIDER), 0));
    TacBorderForm* border = provider ? provider->BorderForm() : nullptr;
    if (provider && provider->Skinned() && !(border && border->Window() && IsWindowVisible(border->Window()))) {
      --stage_;  // the border window comes with the first frame update
      return;
    }
    Shown.Found = true;
    if (auto* label = dynamic_cast<TControl*>(form.FindComponent("Message"))) Shown.Text = label->Caption();
    if (!provider) return;
    Shown.Skinned = provider->Skinned();
    Shown.ExtendedBorders = provider->Mode() == FrameMode::ExtendedBorder;
    Shown.CaptionHeight = provider->Measures().CH;
    if (!border || !border->Window()) return;
    Shown.BorderWindowVisible = IsWindowVisible(border->Window());
    RECT outer, inner;
    GetWindowRect(border->Window(), &outer);
    GetWindowRect(message, &inner);
    Shown.BorderOffset = {outer.left - inner.left, outer.top - inner.top, outer.right - inner.right,
                          outer.bottom - inner.bottom};
    const FrameMeasures& m = provider->Measures();
    const PixelBuffer& cache = provider->FrameCache();
    Shown.CaptionPixel = cache.At(m.L + m.FW + 3, m.T + m.CH / 2) & 0x00FFFFFFu;
    Shown.Picture = OverMainWindow(*provider, border->Window());
  }

  // Both windows on one desktop-coloured picture that holds them whole.
  PixelBuffer OverMainWindow(TsSkinProvider& message, HWND messageBorder) {
    RECT mainAt, messageAt, both;
    GetWindowRect(main_.sSkinProvider1->BorderForm()->Window(), &mainAt);
    GetWindowRect(messageBorder, &messageAt);
    UnionRect(&both, &mainAt, &messageAt);
    PixelBuffer picture(both.right - both.left, both.bottom - both.top);
    FillPixels(picture, picture.Bounds(), kComposeDesktop, 255);
    ComposeOver(picture, WindowPictureWithClient(*main_.sSkinProvider1), {mainAt.left - both.left, mainAt.top - both.top});
    ComposeOver(picture, WindowPictureWithClient(message), {messageAt.left - both.left, messageAt.top - both.top});
    return picture;
  }

  TForm1& main_;
  CloseBy close_;
  TimerSteps steps_{[this] { Step(); }};
  int stage_ = 0;
  int ticks_ = 0;
};

class MessageFormsTest : public testing::Test {
 protected:
  void SetUp() override {
    Unit1Seams().CurrentYear = [] { return 2024; };
    systemMove_ = Unit1Seams().Move;
    driver = std::make_unique<GuiDriver>();
    driver->AnswerModals = false;
  }
  void TearDown() override {
    driver.reset();
    Unit1Seams().Move = systemMove_;
  }
  TForm1& F() { return driver->Form(); }

  void FillIn(const std::wstring& pdf) {
    F().n_knigi->SetFocus();
    driver->Pump();
    driver->Type(F().n_knigi->WindowHandle(), L"5");
    F().Memo1->SetFocus();
    driver->Pump();
    driver->Type(F().Memo1->WindowHandle(), L"x");
    driver->Drop({pdf});
  }

  std::unique_ptr<GuiDriver> driver;
  std::function<bool(const std::wstring&, const std::wstring&)> systemMove_;
};

TEST_F(MessageFormsTest, EachMessageComesUpInTheSkinsFrameAndClosesAsBefore) {
  struct Case {
    const char* Name;
    const char* Text;  // UTF-8
    CloseBy Close;
    bool RenameFails;
    bool Filled;
  };
  const Case cases[] = {
      {"incomplete", "Пожалуйста заполните все поля", CloseBy::ClickOnOk, false, false},
      {"error", "Произошла ошибка при переименовании, файл открыт или отсутствует.", CloseBy::Escape, true, true},
      {"renamed", "Файл успешно переименован", CloseBy::ClickOnOk, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TearDown();
    SetUp();
    TempFolder folder(L"messages");
    folder.Write(L"doc.pdf", "mine");
    if (c.Filled) FillIn(folder.Path() + L"doc.pdf");
    if (c.RenameFails) Unit1Seams().Move = [](const std::wstring&, const std::wstring&) { return false; };
    ShownMessage shown;
    {
      MessageVisitor visitor(F(), c.Close);
      driver->Click(*F().btnRename);
      shown = std::move(visitor.Shown);
    }
    ASSERT_TRUE(shown.Found);
    EXPECT_EQ(shown.Text, Ru(c.Text));
    EXPECT_TRUE(shown.Skinned);
    EXPECT_TRUE(shown.ExtendedBorders);
    EXPECT_TRUE(shown.BorderWindowVisible);
    // The internal skin's shadow margins lie around the window on every side.
    EXPECT_LT(shown.BorderOffset.Left, 0);
    EXPECT_LT(shown.BorderOffset.Top, 0);
    EXPECT_GT(shown.BorderOffset.Right, 0);
    EXPECT_GT(shown.BorderOffset.Bottom, 0);
    EXPECT_EQ(shown.CaptionHeight, 30);
    EXPECT_EQ(shown.CaptionPixel, 0x00FFFFFFu) << "the white caption bar of the skin";
    if (!shown.Picture.Empty()) KeepPicture(shown.Picture, (std::string("dialogs-message-") + c.Name).c_str());
    // The message was answered and is gone.
    EXPECT_TRUE(PumpUntil([] {
      return !FindThreadWindow(L"TMessageForm");
    }));
    EXPECT_TRUE(IsWindowEnabled(F().WindowHandle()));
  }
}

}  // namespace
