// The binding's window side on real toolkit windows (under Wine): messages
// reach the typed handlers through a hook, skin commands are answered through
// the window, background requests travel from a child to a parent binding.
#include <gtest/gtest.h>

#include <windows.h>

#include "skin/controls/BackgroundRequestWin.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/BindingHostsWin.h"
#include "skin/controls/sCommonDataWin.h"
#include "skin/data/SkinCommands.h"
#include "skin/render/core/Blend.h"
#include "skin/render/core/PixelBufferDc.h"
#include "tests/controls/BindingTestSkin.h"
#include "toolkit/Application.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/WndHook.h"

namespace {

// A toolkit control with a binding, as a skinned control keeps it: the hook
// hands every message to the binding first.
struct Bound {
  Bound(TControl& control, const char* section, int32_t kind) : host(control), binding(&host, true) {
    binding.ControlKind = kind;
    binding.SetSkinSection(section);
    binding.FinishLoading();
    hook.Install(control);
  }
  ControlBindingHost host;
  TsCtrlSkinData binding;
  TWndHook hook{[this](TMessage& m) -> LRESULT {
    if (m.Msg == kSkinMessage && SkinCommandOf(m.WParam) == AC_PREPARECACHE) {
      binding.PrepareCache();
      FillPixels(*binding.CachePicture, binding.CachePicture->Bounds(), RGBColor(1, 2, 3), 255);
      binding.CacheStale = false;
      return 0;
    }
    if (HandleBindingMessage(binding, m)) return m.Result;
    return hook.CallPrevious(m);
  }};
};

class BindingWin : public ::testing::Test {
 protected:
  void SetUp() override {
    manager_ = MakeTestManager();
    app_ = new TApplication();
    form_ = TComponent::Create<TForm>(app_);
    form_->SetClientSize(200, 100);
    form_->SetBounds(50, 50, form_->Width(), form_->Height());
    edit_ = TComponent::Create<TEdit>(form_);
    edit_->SetParent(form_);
    edit_->SetBounds(12, 30, 80, 20);
    edit_->TabStop = true;
    form_->Show();
  }
  void TearDown() override {
    delete app_;
    manager_.reset();
  }
  std::unique_ptr<TsSkinManager> manager_;
  TApplication* app_ = nullptr;
  TForm* form_ = nullptr;
  TEdit* edit_ = nullptr;
};

TEST_F(BindingWin, MessagesAndCommandsReachTheBindingThroughTheWindow) {
  Bound bound(*edit_, "EDIT", kKindEdit);
  HWND window = edit_->Handle();
  EXPECT_EQ(SendMessageW(window, kSkinMessage, SkinCommandParam(AC_GETSKINDATA), 0),
            reinterpret_cast<LRESULT>(&bound.binding));
  EXPECT_EQ(SendMessageW(window, kSkinMessage, SkinCommandParam(AC_CTRLHANDLED), 0), 1);

  SetFocus(form_->Handle());  // the edit may have had the focus since the form was shown
  edit_->SetFocus();
  ASSERT_EQ(GetFocus(), window);
  EXPECT_TRUE(bound.binding.HasFocus);
  EXPECT_TRUE(bound.binding.IsActive());
  EXPECT_EQ(edit_->Color(), 0x00FFFFFFu);  // the hot colour of an edit-like kind
  SetFocus(form_->Handle());
  EXPECT_FALSE(bound.binding.HasFocus);
  EXPECT_EQ(edit_->Color(), 0x00EEEEEEu);

  bound.binding.CacheStale = false;
  edit_->SetBounds(12, 30, 90, 20);
  EXPECT_TRUE(bound.binding.CacheStale);  // a size change
}

TEST_F(BindingWin, ChildBackgroundComesFromTheParentsPicture) {
  Bound parent(*form_, "GRADED", kKindAdapted);
  form_->HandleNeeded();
  BackgroundRequest r;
  AskBackground(r, static_cast<TControl&>(*form_), false);
  EXPECT_EQ(r.AnswerKind, kAnswerPicture);
  ASSERT_NE(r.Bitmap, nullptr);
  EXPECT_EQ(r.Bitmap, parent.binding.CachePicture.get());

  // A transparent child hands its own children the parent's picture, moved by its position.
  Bound child(*edit_, "GLASS", kKindAdapted);
  child.binding.StateFlags = kStatePlainBackground;
  r = {};
  AskBackground(r, static_cast<TControl&>(*edit_), false);
  EXPECT_EQ(r.AnswerKind, kAnswerPicture);
  EXPECT_EQ(r.Bitmap, parent.binding.CachePicture.get());
  EXPECT_EQ(r.OffsetX, 12);
  EXPECT_EQ(r.OffsetY, 30);

  // Drawn answers copy the picture into the asking device context.
  PixelBuffer target(4, 4);
  FillPixels(target, target.Bounds(), clWhite, 255);
  r = {};
  r.ClipRect = {0, 0, 4, 4};
  r.TargetDC = BufferDc(target);
  AskBackground(r, static_cast<TControl&>(*form_), true);
  GdiFlush();
  EXPECT_EQ(r.AnswerKind, kAnswerPicture);
  EXPECT_EQ(target.At(1, 1) & 0xFFFFFF, ExchangeRedBlue(RGBColor(1, 2, 3)));
}

TEST_F(BindingWin, APlainParentsColourCountsEvenWhenItIsBlack) {
  constexpr TColor kRed = 0x000000FF;
  form_->SetColor(kRed);
  form_->HandleNeeded();
  const auto askBoth = [&] {
    BackgroundRequest fromControl, fromWindow;
    AskBackground(fromControl, static_cast<TControl&>(*form_), false);
    AskBackground(fromWindow, form_->WindowHandle(), false);
    EXPECT_EQ(fromControl.AnswerKind, kAnswerColor);
    EXPECT_EQ(fromWindow.AnswerKind, kAnswerColor);
    return std::pair{fromControl.Color, fromWindow.Color};
  };
  // A parent that handles skin commands but has no picture: its black answer is its colour.
  TWndHook black([&](TMessage& m) -> LRESULT {
    if (m.Msg == kSkinMessage && SkinCommandOf(m.WParam) == AC_CTRLHANDLED) return 1;
    if (m.Msg == kSkinMessage && SkinCommandOf(m.WParam) == AC_GETCONTROLCOLOR) return LRESULT(clBlack);
    return black.CallPrevious(m);
  });
  black.Install(*form_);
  EXPECT_EQ(askBoth(), std::pair(clBlack, clBlack));
  // One that does not handle them: its own colour, or the face colour for a plain window.
  black.Remove();
  EXPECT_EQ(askBoth(), std::pair(kRed, ResolveColor(clBtnFace)));
}

TEST_F(BindingWin, PictureCopyLeavesWindowedChildrenOut) {
  Bound parent(*form_, "GRADED", kKindAdapted);
  parent.binding.PrepareCache();
  PixelBuffer& cache = *parent.binding.CachePicture;
  FillPixels(cache, cache.Bounds(), RGBColor(200, 0, 0), 255);
  PixelBuffer target(120, 80);
  FillPixels(target, target.Bounds(), clWhite, 255);
  CopyCacheToDc(parent.binding, BufferDc(target), {0, 0, 120, 80}, {0, 0}, false);
  GdiFlush();
  EXPECT_EQ(target.At(5, 5) & 0xFFFFFF, 0x00C80000u);    // the picture
  EXPECT_EQ(target.At(20, 35) & 0xFFFFFF, 0x00FFFFFFu);  // under the edit at (12, 30, 92, 50): left alone
}

TEST_F(BindingWin, CommandToTheChildrenSkipsASiblingFreedOnTheWay) {
  Bound parent(*form_, "GRADED", kKindAdapted);
  auto* doomed = TComponent::Create<TEdit>(form_);
  doomed->SetParent(form_);
  auto* last = TComponent::Create<TEdit>(form_);
  last->SetParent(form_);
  ASSERT_EQ(form_->Controls(), (std::vector<TControl*>{edit_, doomed, last}));
  std::vector<TControl*> reached;
  // Records the children the command reaches; the first one's handling frees its sibling.
  struct Recorder {
    TControl* child;
    std::vector<TControl*>& reached;
    TEdit*& doomed;
    TWndHook hook{[this](TMessage& m) -> LRESULT {
      if (m.Msg != kSkinMessage || SkinCommandOf(m.WParam) != AC_INVALIDATE) return hook.CallPrevious(m);
      reached.push_back(child);
      delete doomed;
      doomed = nullptr;
      return 0;
    }};
  };
  TEdit* none = nullptr;
  Recorder first{edit_, reached, doomed}, third{last, reached, none};
  first.hook.Install(*edit_);
  third.hook.Install(*last);
  parent.host.SendChildrenCommand(AC_INVALIDATE, 0, false);
  EXPECT_EQ(reached, (std::vector<TControl*>{edit_, last}));
}

TEST_F(BindingWin, PlainChildWindowAsksItsParentWindow) {
  Bound parent(*form_, "GRADED", kKindAdapted);
  HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 5, 6, 30, 10, form_->Handle(), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(child, nullptr);
  WindowBindingHost host(child);
  EXPECT_EQ(host.ClassName(), "Static");
  EXPECT_EQ(host.PositionInParent(), (TPoint{5, 6}));
  TsCommonData binding(&host, true);
  binding.ControlKind = kKindAdapted;
  binding.SetSkinSection("GLASS");
  binding.FinishLoading();
  binding.StateFlags = kStatePlainBackground;
  BackgroundRequest r;
  binding.AnswerBackground(r, 0);
  EXPECT_EQ(r.AnswerKind, kAnswerPicture);
  EXPECT_EQ(r.Bitmap, parent.binding.CachePicture.get());
  EXPECT_EQ(r.OffsetX, 5);
  EXPECT_EQ(r.OffsetY, 6);
  EXPECT_FALSE(binding.IsActive());  // a plain window is no toolkit control
  DestroyWindow(child);
}

}  // namespace
