// What other programs on the desktop can send to the running window: skin
// commands with arguments that are no addresses here, and pushed skins of
// every shape. Another thread of the test plays the other program, so its
// messages arrive as sent from outside.
#include <gtest/gtest.h>

#include "skin/data/PushedSkin.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinLoader.h"
#include "tests/gui/GuiDriver.h"
#include "tests/toolkit/OtherThread.h"
#include "toolkit/Application.h"

namespace {

std::vector<uint8_t> PushedBlock(const std::string& name, const std::string& directory, const std::string& options,
                                 size_t size = kPushedSkinBlockSize, uint32_t marker = kPushedSkinMarker) {
  std::vector<uint8_t> block(std::max(size, kPushedSkinBlockSize), 0);
  for (int i = 0; i < 4; ++i) block[size_t(i)] = uint8_t(marker >> (8 * i));
  std::copy(name.begin(), name.end(), block.begin() + 4);
  std::copy(directory.begin(), directory.end(), block.begin() + 4 + kPushedSkinNameSize);
  std::copy_n(options.begin(), std::min(options.size(), block.size() - 644), block.begin() + 644);
  block.resize(size);
  return block;
}

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

}  // namespace
