#include "skin/windows/ProviderCommands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/data/SkinCommandLayers.h"

namespace {

constexpr intptr_t kOwnManager = 0x1000, kOtherManager = 0x2000, kProvider = 0x3000;

class FakeProvider final : public ProviderCommandHost {
 public:
  bool IsSkinned = true;
  bool Stale = false;
  bool Suspended = false;
  int32_t RealFrame = 3;
  std::vector<std::string> Calls;

  bool Skinned() const override { return IsSkinned; }
  bool FromOwnManager(intptr_t argument) const override { return argument == kOwnManager; }
  void Prepare() override { Calls.push_back("prepare"); }
  void Unprepare() override { Calls.push_back("unprepare"); }
  void Refresh() override { Calls.push_back("refresh"); }
  void RepaintFrame() override { Calls.push_back("repaint frame"); }
  void ShowFrame() override { Calls.push_back("show frame"); }
  bool CacheStale() const override { return Stale; }
  void SetCacheStale(bool stale) override { Stale = stale; }
  void RebuildCache() override {
    Calls.push_back("rebuild");
    Stale = false;
  }
  void SuspendPainting(bool suspended) override { Suspended = suspended; }
  void PassOnToChildren(uint16_t command, intptr_t argument) override {
    Calls.push_back("children " + std::to_string(command) + " " + std::to_string(argument));
  }
  void ClearTitleButtons() override { Calls.push_back("clear buttons"); }
  void SuspendRedraw() override { Calls.push_back("suspend redraw"); }
  void ResumeRedraw() override { Calls.push_back("resume redraw"); }
  void SetOpacity(int32_t alpha) override { Calls.push_back("opacity " + std::to_string(alpha)); }
  void AdaptControls(intptr_t control) override { Calls.push_back("adapt " + std::to_string(control)); }
  intptr_t AskBinding(uint16_t command, intptr_t) override { return 100 + command; }
  bool BackgroundIsPicture() override { return true; }
  uint32_t ControlColor() override { return 0x123456; }
  intptr_t AnswerBackground(intptr_t) override { return Calls.push_back("background"), 0; }
  intptr_t AnswerFontSection(intptr_t) override { return 1; }
  intptr_t Provider() override { return kProvider; }
  intptr_t ApplicationObject() override { return 77; }
  TPoint ClientOrigin() const override { return {35, 64}; }
  int32_t WindowFrameWidth() const override { return RealFrame; }
};

TEST(ProviderCommands, CommandsOfOtherLayersChangeNothing) {
  for (bool skinned : {true, false}) {
    for (int command = 0; command < 128; ++command) {
      if (AnsweredBy(uint16_t(command), kLayerProvider)) continue;
      FakeProvider host;
      host.IsSkinned = skinned;
      ProviderCommands commands;
      EXPECT_EQ(commands.Answer(uint16_t(command), kOwnManager, host), 0) << command;
      EXPECT_TRUE(host.Calls.empty()) << command;
      EXPECT_FALSE(host.Stale || host.Suspended) << command;
    }
  }
}

TEST(ProviderCommands, SkinAnnouncementsCountOnlyFromTheFormsOwnManager) {
  FakeProvider host;
  ProviderCommands commands;
  commands.Answer(AC_SETNEWSKIN, kOtherManager, host);
  commands.Answer(AC_REMOVESKIN, kOtherManager, host);
  EXPECT_TRUE(host.Calls.empty());
  host.IsSkinned = false;
  commands.Answer(AC_SETNEWSKIN, kOwnManager, host);
  host.IsSkinned = true;
  commands.Answer(AC_REMOVESKIN, kOwnManager, host);
  EXPECT_EQ(host.Calls, (std::vector<std::string>{"prepare", "unprepare"}));
}

TEST(ProviderCommands, AnUpdateHoldsTheFrameAndThePaintingUntilItEnds) {
  FakeProvider host;
  ProviderCommands commands;
  EXPECT_EQ(commands.Answer(AC_MUSTREPAINT, 0, host), 0);
  commands.Answer(AC_SETUPDATING, 1, host);
  EXPECT_TRUE(host.Suspended);
  EXPECT_TRUE(host.Stale) << "rebuilt when the update ends";
  EXPECT_EQ(commands.Answer(AC_MUSTREPAINT, 0, host), 1);
  commands.Answer(AC_ENDPARENTUPDATE, 0, host);
  EXPECT_FALSE(host.Suspended) << "the form's own painting resumes";
  EXPECT_EQ(commands.Answer(AC_MUSTREPAINT, 0, host), 0);
  EXPECT_EQ(host.Calls, (std::vector<std::string>{"repaint frame", "children 6 0"}));
  // Without an update of its own the form still lets its waiting children resume.
  host.Calls.clear();
  commands.Answer(AC_ENDPARENTUPDATE, 0, host);
  EXPECT_EQ(host.Calls, (std::vector<std::string>{"children 6 0"}));
}

TEST(ProviderCommands, AnUnskinnedFormAnswersOnlyWhatNeedsNoSkin) {
  FakeProvider host;
  host.IsSkinned = false;
  host.Stale = true;
  ProviderCommands commands;
  EXPECT_EQ(commands.Answer(AC_GETPROVIDER, 0, host), kProvider);
  EXPECT_EQ(commands.Answer(AC_GETFRAMEWIDTH, 4, host), 4) << "the asker's own";
  EXPECT_EQ(commands.Answer(AC_CTRLHANDLED, 0, host), 1);
  commands.Answer(AC_PREPARECACHE, 0, host);
  EXPECT_FALSE(host.Stale);
  for (uint16_t command : {AC_REFRESH, AC_SETUPDATING, AC_REPAINTFRAME, AC_SETALPHA, AC_RESUMEREDRAW, AC_MOUSELEAVE,
                           AC_ADAPTCONTROL})
    EXPECT_EQ(commands.Answer(command, 1, host), 0) << command;
  EXPECT_TRUE(host.Calls.empty());
}

TEST(ProviderCommands, TheFrameWidthIsTheRealWindowsOrTheAskersOwn) {
  FakeProvider host;
  ProviderCommands commands;
  EXPECT_EQ(commands.Answer(AC_GETFRAMEWIDTH, 9, host), 3);
  host.RealFrame = 0;  // a window without a frame of its own
  EXPECT_EQ(commands.Answer(AC_GETFRAMEWIDTH, 9, host), 9);
}

TEST(ProviderCommands, TheAdapterTakesTheControlGivenOrScansTheForm) {
  FakeProvider host;
  ProviderCommands commands;
  commands.Answer(AC_ADAPTCONTROL, 0x4000, host);
  commands.Answer(AC_ADAPTCONTROL, 0, host);
  EXPECT_EQ(host.Calls, (std::vector<std::string>{"adapt 16384", "adapt 0"}));
}

TEST(ProviderCommands, TheClientOriginComesInTwoWords) {
  FakeProvider host;
  ProviderCommands commands;
  EXPECT_EQ(commands.Answer(AC_GETCLIENTORIGIN, 0, host), 35 | (64 << 16));
}

TEST(ProviderCommands, TheGluedMarkIsKeptUntilCleared) {
  FakeProvider host;
  ProviderCommands commands;
  commands.Answer(AC_SETGLUED, 1, host);
  EXPECT_EQ(commands.Answer(AC_GETGLUED, 0, host), 1);
  commands.Answer(AC_SETGLUED, 0, host);
  EXPECT_EQ(commands.Answer(AC_GETGLUED, 0, host), 0);
}

}  // namespace
