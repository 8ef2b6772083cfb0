// An HTML label on a form of its own, beside the skinned main window: read from
// a stored definition, drawn with its link in the skin's link colours, and its
// link clicked with the real pointer. The shell is replaced by a recorder.
// DR_TEST_PICTURES keeps the captured pictures.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/controls/sHTMLLabel.h"
#include "skin/data/SkinColors.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "tests/gui/GuiDriver.h"
#include "toolkit/Forms.h"

namespace {

struct Opened {
  HWND Owner;
  std::wstring Target;
  int ShowCommand;
};

class HtmlLabel : public testing::Test {
 protected:
  void SetUp() override {
    Unit1Seams().CurrentYear = [] { return 2024; };
    SendMouseInput(0, {0, 0});
    driver = std::make_unique<GuiDriver>();
    savedOpener = HtmlLabelLinkOpener();
    HtmlLabelLinkOpener() = [this](HWND owner, const std::wstring& target, int show) {
      opened.push_back({owner, target, show});
    };
    form = FormWithStoredComponent("TsHTMLLabel", "Links", {
        {"Caption", std::string("Read <b>the</b> <a href=\"https://example.org/guide\">guide</a> now")},
        {"Left", int64_t(12)},
        {"Top", int64_t(16)},
        {"ShowMode", int64_t(TsWindowShowMode::soShowNoActivate)},
    });
    ASSERT_TRUE(form);
    label = dynamic_cast<TsHTMLLabel*>(form->FindComponent("Links"));
    ASSERT_TRUE(label);
    form->SetBounds(300, 200, 260, 120);
    form->Show();
    Paint();
  }
  void TearDown() override {
    SendMouseInput(MOUSEEVENTF_LEFTUP, {0, 0});
    SendMouseInput(0, {0, 0});
    form.reset();
    HtmlLabelLinkOpener() = savedOpener;
    driver->Pump();
    driver.reset();
  }
  void Paint() {
    RedrawWindow(form->WindowHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    driver->Pump();
  }
  // The link's rectangle on the screen.
  POINT LinkCentre() {
    const TRect r = label->Links().Links().at(0).Rect;
    const TPoint p = label->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
    return {p.X, p.Y};
  }
  // Pixels of exactly this colour inside the link, on the screen.
  int LinkPixels(TColor color) {
    Paint();
    const PixelBuffer shown = CaptureWindow(form->WindowHandle());
    RECT window{};
    GetWindowRect(form->WindowHandle(), &window);
    const TRect link = label->Links().Links().at(0).Rect;
    const TPoint at = label->ClientToScreen({link.Left, link.Top});
    const uint32_t wanted = ExchangeRedBlue(ResolveColor(color));
    int n = 0;
    for (int y = 0; y < link.Height(); ++y)
      for (int x = 0; x < link.Width(); ++x)
        n += (shown.At(at.X - window.left + x, at.Y - window.top + y) & 0xFFFFFF) == wanted;
    return n;
  }
  const TsSkinColors& SkinColors() { return DefaultManager()->Skin()->Colors; }

  std::unique_ptr<GuiDriver> driver;
  LinkOpener savedOpener;
  std::vector<Opened> opened;
  std::unique_ptr<TForm> form;
  TsHTMLLabel* label = nullptr;
};

TEST_F(HtmlLabel, StoredLabelShowsItsMarkupWithOneLink) {
  EXPECT_TRUE(label->UseHTML);
  EXPECT_EQ(label->ShowMode, TsWindowShowMode::soShowNoActivate);
  EXPECT_EQ(label->PlainCaption(), "Read the guide now");
  ASSERT_EQ(label->Links().Links().size(), 1u);
  EXPECT_EQ(label->Links().Links()[0].Target, "https://example.org/guide");
  // Auto-sized to the markup, which is narrower than the caption with its tags.
  const TRect link = label->Links().Links()[0].Rect;
  EXPECT_GT(link.Left, 0);
  EXPECT_LT(link.Right, label->Width());
  EXPECT_EQ(label->Height(), link.Height());
  KeepPicture(CaptureWindow(form->WindowHandle()), "html-label");
  EXPECT_GT(LinkPixels(SkinColors()[scGlobalBottomText]), 0);  // a link at rest: the skin's bottom text colour
}

TEST_F(HtmlLabel, ClickedLinkOpensWithTheShowModeAndTheHandPointer) {
  const POINT centre = LinkCentre();
  SendMouseInput(0, {centre.x, centre.y + 40});
  SendMouseInput(0, centre);
  ASSERT_TRUE(PumpUntil([&] { return label->Links().Hot() == 0; }));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
  KeepPicture(CaptureWindow(form->WindowHandle()), "html-label-hot");
  EXPECT_GT(LinkPixels(SkinColors()[scGlobalTopText]), 0);  // hot: the top text colour, underlined
  SendMouseInput(MOUSEEVENTF_LEFTDOWN, centre);
  ASSERT_TRUE(PumpUntil([&] { return label->Links().Pressed() == 0; }));
  SendMouseInput(MOUSEEVENTF_LEFTUP, centre);
  ASSERT_TRUE(PumpUntil([&] { return !opened.empty(); }));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].Target, L"https://example.org/guide");
  EXPECT_EQ(opened[0].ShowCommand, SW_SHOWNOACTIVATE);
  EXPECT_EQ(opened[0].Owner, form->WindowHandle());
  EXPECT_EQ(label->Links().Pressed(), -1);
  // Leaving the link gives the pointer back.
  SendMouseInput(0, {centre.x, centre.y + 40});
  EXPECT_TRUE(PumpUntil([&] { return label->Links().Hot() == -1; }));
}

TEST_F(HtmlLabel, LinkWhoseOpeningFreesTheFormIsNotTouchedAfterwards) {
  HtmlLabelLinkOpener() = [this](HWND, const std::wstring& target, int) {
    opened.push_back({nullptr, target, 0});
    form.reset();
  };
  const POINT centre = LinkCentre();
  SendMouseInput(0, centre);
  ASSERT_TRUE(PumpUntil([&] { return label->Links().Hot() == 0; }));
  SendMouseInput(MOUSEEVENTF_LEFTDOWN, centre);
  SendMouseInput(MOUSEEVENTF_LEFTUP, centre);
  EXPECT_TRUE(PumpUntil([&] { return !form; }));
  EXPECT_EQ(opened.size(), 1u);
}

}  // namespace
