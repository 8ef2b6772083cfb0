// What other programs on the desktop can send to the running window: skin
// commands with arguments that are no addresses here, and pushed skins of
// every shape. Another thread of the test plays the other program, so its
// messages arrive as sent from outside.
#include <gtest/gtest.h>

#include "skin/data/SkinCommands.h"
#include "skin/data/SkinLoader.h"
#include "tests/data/PushedBlock.h"
#include "tests/gui/GuiDriver.h"
#include "tests/toolkit/OtherThread.h"
#include "toolkit/Application.h"

namespace {

LRESULT Push(HWND window, std::vector<uint8_t>& block) {
  COPYDATASTRUCT copy{kPushedSkinDataKind, DWORD(block.size()), block.data()};
  return SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
}

std::vector<HWND> WindowsOf(HWND top) {
  std::vector<HWND> windows{top};
  EnumChildWindows(
      top, [](HWND child, LPARAM list) { return reinterpret_cast<std::vector<HWND>*>(list)->push_back(child), TRUE; },
      LPARAM(&windows));
  return windows;
}

class OtherProgramsTest : public testing::Test {
 protected:
  void SetUp() override { driver = std::make_unique<GuiDriver>(); }
  void TearDown() override { driver.reset(); }
  TForm1& F() { return driver->Form(); }

  // The program still runs with a skin in force and paints its window.
  void ExpectAliveAndSkinned() {
    EXPECT_FALSE(Application->Terminated());
    EXPECT_TRUE(IsWindowVisible(F().WindowHandle()));
    ASSERT_NE(F().sSkinManager1->Skin(), nullptr);
    EXPECT_TRUE(F().sSkinManager1->SkinInForce());
    RedrawWindow(F().WindowHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    driver->Pump();
  }

  std::unique_ptr<GuiDriver> driver;
};

TEST_F(OtherProgramsTest, JunkSkinCommandsFromOutsideChangeNothingAndTheNextPushedSkinIsTaken) {
  const std::vector<HWND> targets = WindowsOf(F().WindowHandle());
  const HWND app = Application->Handle();
  FromOtherThread([&] {
    for (LPARAM junk : {LPARAM(1), LPARAM(0x10), LPARAM(0x7FFF0000), LPARAM(-1)})
      for (uint16_t command = 0; command < 128; ++command) {
        for (HWND window : targets) SendMessageW(window, kSkinMessage, SkinCommandParam(command), junk);
        SendMessageW(app, kSkinMessage, SkinCommandParam(command), junk);
        PostMessageW(app, kSkinMessage, SkinCommandParam(command), junk);
        PostMessageW(F().WindowHandle(), kSkinMessage, SkinCommandParam(command), junk);
      }
  });
  ExpectAliveAndSkinned();

  std::vector<uint8_t> block = PushedBlock("Pushed", "c:\\no such folder", "[GLOBALINFO]\r\nVERSION=10\r\n");
  LRESULT taken = 0;
  FromOtherThread([&] { taken = Push(app, block); });
  EXPECT_EQ(taken, 1);
  ExpectAliveAndSkinned();
  EXPECT_EQ(F().sSkinManager1->SkinName(), "Pushed");
}

TEST_F(OtherProgramsTest, ASeriesOfBadPushedBlocksKeepsTheSkinInForce) {
  const HWND app = Application->Handle();
  const std::string name = F().sSkinManager1->SkinName(), directory = F().sSkinManager1->SkinDirectory();
  const std::string longLine = "[GLOBALINFO]\r\nVERSION=10\r\n" + std::string(4 << 20, 'x');
  std::vector<std::vector<uint8_t>> blocks = {
      PushedBlock("Words", "c:\\no such folder", "plain words and nothing else"),
      PushedBlock("", "", "", kPushedSkinMarker, 4),
      PushedBlock("Short", "c:\\no such folder", "[GLOBALINFO]\r\nVERSION=10\r\n", kPushedSkinMarker, 1000),
      PushedBlock(std::string(kPushedSkinNameSize, 'A'), std::string(kPushedSkinDirectorySize, 'A'),
                  std::string(kPushedSkinOptionsSize, 'A')),
      PushedBlock("Wrong", "c:\\no such folder", "[GLOBALINFO]\r\nVERSION=10\r\n", 0xA401),
      PushedBlock("Long", "c:\\no such folder", longLine, kPushedSkinMarker, 4 << 20),
  };
  for (std::vector<uint8_t>& block : blocks) {
    FromOtherThread([&] { Push(app, block); });
    driver->Pump();
    ExpectAliveAndSkinned();
  }
}

}  // namespace
