#include <gtest/gtest.h>

#include <algorithm>

#include "skin/render/core/Blend.h"

#include "skin/controls/BindingKinds.h"
#include "skin/controls/BindingPaint.h"
#include "skin/controls/BoundLabel.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "tests/controls/BindingTestSkin.h"

namespace {

TEST(BoundLabel, PositionForEveryLayout) {
  const TRect host{100, 50, 180, 71};  // 80 x 21
  const TSize label{30, 13};
  struct Case {
    TsCaptionLayout layout;
    TPoint at;
  } const cases[] = {
      {TsCaptionLayout::sclLeft, {64, 53}},        {TsCaptionLayout::sclTopLeft, {100, 35}},
      {TsCaptionLayout::sclTopCenter, {125, 35}},  {TsCaptionLayout::sclTopRight, {150, 35}},
      {TsCaptionLayout::sclLeftTop, {64, 53}},     {TsCaptionLayout::sclBottomLeft, {100, 73}},
      {TsCaptionLayout::sclBottomCenter, {125, 73}}, {TsCaptionLayout::sclBottomRight, {150, 73}},
  };
  for (const Case& c : cases) EXPECT_EQ(BoundLabelPosition(c.layout, host, label, 2), c.at) << int(c.layout);
}

// A binding over a fake host, loaded with the test skin.
class BindingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    manager_ = MakeTestManager();
    ASSERT_TRUE(manager_->SkinInForce());
    host_.Binding = &binding_;
  }
  void Bind(const char* section, int32_t kind = kKindEdit) {
    binding_.ControlKind = kind;
    binding_.SetSkinSection(section);
    binding_.FinishLoading();
    ASSERT_GE(binding_.SectionIndex, 0) << section;
  }
  int32_t Index(const char* name) const { return SectionOf(*manager_, name); }

  std::unique_ptr<TsSkinManager> manager_;
  FakeHost host_;
  TsCtrlSkinData binding_{&host_, true};
};

// The kind sets at their edges, seen through what a binding does with each kind: whether the pointer
// alone makes the host hot, which state its children are answered in while the pointer is inside, and
// whether the focus gives the host the section's hot colours.
using BindingKinds = BindingTest;

TEST_F(BindingKinds, SetsAtTheirEdges) {
  struct Case {
    int32_t kind;
    bool hotByPointer, normalToChildren, sectionColors;
  } const cases[] = {
      {1, true, false, false},     {2, false, false, true},     {18, false, false, true},    {19, false, false, false},
      {50, true, false, false},    {51, false, true, false},    {55, false, false, false},   {56, false, true, false},
      {74, false, true, false},    {75, true, false, false},    {84, false, false, true},    {85, false, false, false},
      {110, false, true, false},   {131, true, false, false},   {140, false, false, true},   {141, false, true, false},
      {142, false, false, false},  {161, false, true, false},   {162, true, false, false},   {230, true, false, false},
      {231, false, false, true},   {kKindAdapted, true, true, false},
  };
  constexpr TColor kOwnColor = 0x00010203;
  for (const Case& c : cases) {
    FakeHost host;
    host.HostColor = kOwnColor;
    TsCtrlSkinData binding(&host, true);
    binding.ControlKind = c.kind;
    binding.SetSkinSection("EDIT");
    binding.FinishLoading();
    binding.OnPointerEntered();
    EXPECT_EQ(binding.IsActive(), c.hotByPointer) << c.kind;
    binding.PointerInside = true;
    EXPECT_EQ(binding.ChildAnswerState(), c.normalToChildren ? 0 : 1) << c.kind;
    binding.OnFocusGained();
    EXPECT_EQ(host.HostColor, c.sectionColors ? 0x00FFFFFFu : kOwnColor) << c.kind;
  }
}

TEST_F(BindingKinds, DefaultSections) {
  struct Case {
    int32_t kind;
    DefaultSectionSource source;
    const char* name;
  } const cases[] = {
      {18, DefaultSectionSource::Named, "COMBOBOX"},     {19, DefaultSectionSource::Named, "BAR"},
      {20, DefaultSectionSource::Named, "BARTITLE"},     {50, DefaultSectionSource::Named, "CHECKBOX"},
      {152, DefaultSectionSource::Named, "CHECKBOX"},    {56, DefaultSectionSource::Named, "DRAGBAR"},
      {98, DefaultSectionSource::Named, "TOOLBUTTON"},   {kKindTitleItem, DefaultSectionSource::Named, "EDIT"},
      {kKindEdit, DefaultSectionSource::AskHost, ""},    {11, DefaultSectionSource::ClassName, ""},
      {kKindSpeedButton, DefaultSectionSource::AskHost, ""}, {kKindAdapted, DefaultSectionSource::AskHost, ""},
      {55, DefaultSectionSource::ClassName, ""},         {kKindFormProvider, DefaultSectionSource::ClassName, ""},
  };
  for (const Case& c : cases) {
    const DefaultSection d = DefaultSectionOf(c.kind);
    EXPECT_EQ(d.Source, c.source) << c.kind;
    EXPECT_EQ(d.Name, c.name) << c.kind;
  }
}

TEST_F(BindingTest, SectionIsStoredUpperCaseAndResolved) {
  Bind("edit");
  EXPECT_EQ(binding_.SkinSection(), "EDIT");
  EXPECT_EQ(binding_.SectionIndex, Index("EDIT"));
  EXPECT_TRUE(binding_.IsSkinned(true));
  EXPECT_FALSE(binding_.NotLoaded);
}

TEST_F(BindingTest, DefaultSectionComesFromTheKindTheHostOrTheClassName) {
  host_.DefaultSectionAnswer = Index("SMOKE") + 1;
  binding_.ControlKind = kKindEdit;  // asks the host
  binding_.FinishLoading();
  EXPECT_EQ(binding_.SectionIndex, Index("SMOKE"));

  host_.Class = "TsPanel";
  binding_.ControlKind = 11;  // the class name, upper-cased
  binding_.ChooseSection();
  EXPECT_EQ(binding_.SectionIndex, Index("TSPANEL"));

  binding_.ControlKind = kKindTitleItem;  // a fixed name
  binding_.ChooseSection();
  EXPECT_EQ(binding_.SectionIndex, Index("EDIT"));

  binding_.ControlKind = 19;  // "BAR" is not in the skin
  binding_.ChooseSection();
  EXPECT_EQ(binding_.SectionIndex, -1);
  EXPECT_FALSE(binding_.IsSkinned());
}

TEST_F(BindingTest, ActiveByFocusOrPointerAsTheKindAllows) {
  struct Case {
    int32_t kind;
    bool pointer, focus, enabled, noHover, active;
  } const cases[] = {
      {kKindEdit, true, false, true, false, false},          // edit-like: the pointer alone does nothing
      {kKindEdit, false, true, true, false, true},           // focus does
      {kKindSpeedButton, true, false, true, false, true},    // plain kinds: the pointer does
      {kKindSpeedButton, true, false, true, true, false},    // unless hover is off
      {kKindSpeedButton, false, true, false, false, false},  // disabled: never
      {51, true, false, true, false, false},                 // never hot by pointer
      {51, false, true, true, false, true},
      {kKindAdapted, true, false, true, false, true},
  };
  Bind("EDIT");
  for (const Case& c : cases) {
    binding_.ControlKind = c.kind;
    binding_.PointerInside = c.pointer;
    binding_.HasFocus = c.focus;
    host_.IsEnabled = c.enabled;
    manager_->Options.NoMouseHover = c.noHover;
    EXPECT_EQ(binding_.IsActive(), c.active) << c.kind << " pointer " << c.pointer << " focus " << c.focus;
    EXPECT_EQ(binding_.PaintState(), c.active ? 1 : 0);
  }
  // The window holding the focus counts like the flag.
  binding_.ControlKind = kKindEdit;
  binding_.PointerInside = binding_.HasFocus = false;
  host_.IsEnabled = true;
  host_.Focused = true;
  EXPECT_TRUE(binding_.IsActive());
}

TEST_F(BindingTest, ChildrenAreAnsweredInTheNormalStateUnderThePointerForK2) {
  struct Case {
    int32_t kind;
    bool pointer, focus;
    int32_t state;
  } const cases[] = {
      {kKindAdapted, true, false, 0}, {kKindAdapted, false, true, 1}, {kKindSpeedButton, true, false, 1},
      {kKindEdit, true, false, 1},    {kKindEdit, false, false, 0},   {56, true, false, 0},
  };
  Bind("EDIT");
  for (const Case& c : cases) {
    binding_.ControlKind = c.kind;
    binding_.PointerInside = c.pointer;
    binding_.HasFocus = c.focus;
    EXPECT_EQ(binding_.ChildAnswerState(), c.state) << c.kind;
  }
}

TEST_F(BindingTest, PointerAndFocusMessagesTrackTheState) {
  Bind("EDIT");
  binding_.CacheStale = false;
  binding_.OnPointerEntered();
  EXPECT_TRUE(binding_.PointerInside);
  EXPECT_EQ(manager_->HotControl(), static_cast<void*>(&host_));
  binding_.OnPointerLeft(true);  // still over the visible area: nothing changes
  EXPECT_TRUE(binding_.PointerInside);
  binding_.OnPointerLeft(false);
  EXPECT_FALSE(binding_.PointerInside);

  // Focus makes the edit hot and gives it the hot colours; losing it gives the normal ones back.
  binding_.OnFocusGained();
  EXPECT_TRUE(binding_.HasFocus);
  EXPECT_TRUE(binding_.CacheStale);
  EXPECT_EQ(host_.HostColor, 0x00FFFFFFu);
  EXPECT_EQ(host_.Font, 0x00000000u);
  binding_.OnFocusLost();
  EXPECT_FALSE(binding_.HasFocus);
  EXPECT_EQ(host_.HostColor, 0x00EEEEEEu);
  EXPECT_EQ(host_.Font, 0x00333333u);

  // A host that is no tab stop does not take the focus state; kinds never hot by the pointer ignore it.
  host_.IsTabStop = false;
  binding_.OnFocusGained();
  EXPECT_FALSE(binding_.HasFocus);
  binding_.ControlKind = 51;
  binding_.OnPointerEntered();
  EXPECT_FALSE(binding_.PointerInside);
  // Disabling drops both.
  binding_.HasFocus = binding_.PointerInside = true;
  binding_.OnEnabledChanged();
  EXPECT_FALSE(binding_.HasFocus || binding_.PointerInside);
}

TEST_F(BindingTest, ControlColorMixesATranslucentSectionWithTheParent) {
  Bind("SMOKE");  // black at 40 % transparency
  host_.ParentsColor = clWhite;
  EXPECT_EQ(binding_.ControlColor(0), RGBColor(102, 102, 102));
  host_.ParentSkinned = true;  // a skinned parent gives its own colour answer
  host_.ParentControlColor = RGBColor(0, 0, 255);
  EXPECT_EQ(binding_.ControlColor(0), RGBColor(0, 0, 102));
  Bind("GLASS");
  EXPECT_EQ(binding_.ControlColor(0), RGBColor(0, 0, 255));
  EXPECT_EQ(binding_.ColorAnswer(), RGBColor(0, 0, 255));
}

TEST_F(BindingTest, TransparentSectionPassesThePicturesAnswerOnWithTheHostsPosition) {
  Bind("GLASS");
  PixelBuffer parentPicture(200, 100);
  host_.ParentReply.AnswerKind = kAnswerPicture;
  host_.ParentReply.Bitmap = &parentPicture;
  host_.ParentReply.OffsetX = 5;
  host_.ParentReply.OffsetY = 6;
  host_.ParentReply.FrameWidths = {30, 30, 1, 1};
  binding_.StateFlags = kStatePlainBackground;
  BackgroundRequest r;
  binding_.AnswerBackground(r, 0);
  EXPECT_EQ(r.AnswerKind, kAnswerPicture);
  EXPECT_EQ(r.Bitmap, &parentPicture);
  EXPECT_EQ(r.OffsetX, 15);
  EXPECT_EQ(r.OffsetY, 26);
  EXPECT_EQ(r.FrameWidths.Left, 20);
  EXPECT_EQ(r.FrameWidths.Top, 10);

  host_.Parent = false;  // without a parent: the skin's form colour
  r = {};
  binding_.AnswerBackground(r, 0);
  EXPECT_EQ(r.AnswerKind, kAnswerColor);
  EXPECT_EQ(r.Color, GlobalColor(manager_->Skin()->Colors));
}

TEST_F(BindingTest, OpaquePlainSectionAnswersItsColourAndBorderFrame) {
  Bind("PLAIN", kKindAdapted);
  BackgroundRequest r;
  binding_.AnswerBackground(r, 0);
  EXPECT_EQ(r.AnswerKind, kAnswerColor);
  EXPECT_EQ(r.Color, 0x00808080u);
  EXPECT_EQ(r.Bitmap, binding_.CachePicture.get());
  EXPECT_EQ(r.FrameWidths, (TRect{2, 2, 2, 2}));

  Bind("EDIT");  // opaque without a border mask: the colour only
  r = {};
  binding_.AnswerBackground(r, 1);
  EXPECT_EQ(r.AnswerKind, kAnswerColor);
  EXPECT_EQ(r.Color, 0x00FFFFFFu);
  EXPECT_EQ(r.Bitmap, nullptr);

  binding_.SetCustomColor(true);  // the host's own colour wins
  host_.HostColor = RGBColor(1, 2, 3);
  r = {};
  binding_.AnswerBackground(r, 0);
  EXPECT_EQ(r.Color, RGBColor(1, 2, 3));
}

TEST_F(BindingTest, PictureAnswersRebuildAStaleOrMisfitPicture) {
  Bind("GRADED");
  BackgroundRequest r;
  binding_.AnswerBackground(r, 0);
  EXPECT_EQ(r.AnswerKind, kAnswerPicture);
  EXPECT_EQ(r.Bitmap, binding_.CachePicture.get());
  EXPECT_EQ(binding_.CachePicture->Width(), host_.HostSize.cx);
  EXPECT_EQ(host_.Commands.back(), AC_PREPARECACHE);

  host_.Binding = nullptr;  // a host that cannot build: not ready
  host_.HostSize = {60, 20};
  r = {};
  binding_.AnswerBackground(r, 0);
  EXPECT_EQ(r.AnswerKind, kAnswerNotReady);
}

TEST_F(BindingTest, BackgroundClassification) {
  struct Case {
    const char* section;
    bool parentSkinned;
    bool plain;
  } const cases[] = {
      {"EDIT", false, true},    // opaque, no layers, no corner images
      {"GRADED", false, false}, // a gradient needs the picture
      {"SMOKE", false, false},  // translucent
      {"GLASS", false, true},   // invisible over an unskinned parent
      {"PLAIN", false, true},     // a border mask that leaves its centre to the background
      {"CENTRED", false, false},  // a border mask that paints its centre
  };
  for (const Case& c : cases) {
    host_.ParentSkinned = c.parentSkinned;
    Bind(c.section);
    EXPECT_EQ((binding_.StateFlags & kStatePlainBackground) != 0, c.plain) << c.section;
    EXPECT_EQ(binding_.StateFlags & kStateClassifyPending, 0) << c.section;
  }
  // A plain host's children need its picture only while it is hot (unless it answers them in the normal state while the pointer is inside).
  Bind("EDIT", kKindSpeedButton);
  EXPECT_FALSE(binding_.ChildNeedsPicture());
  binding_.PointerInside = true;
  EXPECT_TRUE(binding_.ChildNeedsPicture());
  binding_.ControlKind = kKindAdapted;
  EXPECT_FALSE(binding_.ChildNeedsPicture());
}

TEST_F(BindingTest, CommandsAndMessagesMarkThePictureStale) {
  Bind("GRADED");
  struct Case {
    uint16_t command;
    bool emptied;
  } const cases[] = {{AC_INVALIDATE, false}, {AC_REFRESH, false}, {AC_SETNEWSKIN, true}, {AC_FREEPICTURE, true}};
  for (const Case& c : cases) {
    binding_.PrepareCache();
    binding_.CacheStale = false;
    const intptr_t argument = c.command == AC_SETNEWSKIN ? reinterpret_cast<intptr_t>(manager_.get()) : 0;
    EXPECT_TRUE(binding_.OnSkinCommand(c.command, argument).has_value()) << c.command;
    EXPECT_TRUE(binding_.CacheStale) << c.command;
    EXPECT_EQ(binding_.CachePicture->Empty(), c.emptied) << c.command;
  }
  binding_.CacheStale = false;
  binding_.OnSize();
  EXPECT_TRUE(binding_.CacheStale);
  EXPECT_EQ(host_.ChildCommands.back(), AC_BGCHANGED);  // a gradient moves under the children
  EXPECT_EQ(binding_.OnSkinCommand(AC_PREPARECACHE, 0), 0);
  EXPECT_FALSE(binding_.CacheStale);
  EXPECT_EQ(binding_.OnSkinCommand(AC_CTRLHANDLED, 0), 1);
  EXPECT_EQ(binding_.OnSkinCommand(AC_GETSKINDATA, 0), reinterpret_cast<intptr_t>(&binding_));
  EXPECT_FALSE(binding_.OnSkinCommand(1000, 0).has_value());
  // A new skin of another manager is not this binding's.
  EXPECT_FALSE(binding_.OnSkinCommand(AC_SETNEWSKIN, 1).has_value());
}

TEST_F(BindingTest, SkinRemovalSuspendsPaintingAndForgetsIndexes) {
  Bind("EDIT");
  binding_.PrepareCache();
  EXPECT_FALSE(binding_.OnSkinCommand(AC_REMOVESKIN, reinterpret_cast<intptr_t>(manager_.get())).has_value());
  EXPECT_EQ(binding_.SectionIndex, -1);
  EXPECT_TRUE(binding_.PaintSuspended);
  EXPECT_TRUE(binding_.CachePicture->Empty());
  EXPECT_EQ(host_.HostColor, clWindow);  // an edit gets the system window colours back
  EXPECT_FALSE(binding_.IsSkinned());
  BackgroundRequest r;
  binding_.AnswerBackground(r, 0);
  EXPECT_EQ(r.AnswerKind, kAnswerColor);
  EXPECT_EQ(r.Color, clWindow);
}

TEST_F(BindingTest, SuspensionNestsAndTellsTheHost) {
  Bind("EDIT");
  binding_.BeginSuspend();
  binding_.BeginSuspend();
  EXPECT_TRUE(binding_.StateFlags & kStateUpdating);
  binding_.EndSuspend(true);
  EXPECT_EQ(binding_.SuspendCount, 1);
  EXPECT_EQ(std::count(host_.Commands.begin(), host_.Commands.end(), AC_ENDUPDATE), 0);
  const int redraws = host_.Redraws;
  binding_.EndSuspend(true);
  EXPECT_EQ(binding_.SuspendCount, 0);
  EXPECT_FALSE(binding_.PaintSuspended);
  EXPECT_EQ(std::count(host_.Commands.begin(), host_.Commands.end(), AC_BEGINUPDATE), 2);
  EXPECT_EQ(std::count(host_.Commands.begin(), host_.Commands.end(), AC_ENDUPDATE), 1);
  EXPECT_EQ(host_.Redraws, redraws + 1);
  // AC_SETUPDATING suspends and resumes too.
  binding_.OnSkinCommand(AC_SETUPDATING, 1);
  EXPECT_EQ(binding_.OnSkinCommand(AC_MUSTREPAINT, 0), 1);
  binding_.OnSkinCommand(AC_SETUPDATING, 0);
  EXPECT_FALSE(binding_.PaintSuspended);
}

TEST_F(BindingTest, RepaintCommandEndsASuspensionNoUpdateHolds) {
  Bind("EDIT");
  binding_.PaintSuspended = true;  // a parent that was not ready when the picture was built
  const int redraws = host_.Redraws;
  EXPECT_EQ(binding_.OnSkinCommand(AC_APPACTIVATED, 0), 0);
  EXPECT_FALSE(binding_.PaintSuspended);
  EXPECT_TRUE(binding_.CacheStale);
  EXPECT_EQ(host_.Redraws, redraws + 1);
  // An update in progress keeps painting suspended until it ends.
  binding_.BeginSuspend();
  binding_.OnSkinCommand(AC_APPACTIVATED, 0);
  EXPECT_TRUE(binding_.PaintSuspended);
}

TEST_F(BindingTest, FrameCommandSkinsAWindowedHostAnew) {
  Bind("EDIT");
  host_.HostColor = clBtnFace;  // the colours a removal left behind
  binding_.SectionIndex = -1;
  binding_.CacheStale = false;
  const int redraws = host_.Redraws;
  EXPECT_EQ(binding_.OnSkinCommand(AC_RECALCFRAME, 0), 0);
  EXPECT_EQ(host_.FrameRecalculations, 1);
  EXPECT_EQ(binding_.SectionIndex, Index("EDIT"));
  EXPECT_EQ(host_.HostColor, 0x00EEEEEEu);
  EXPECT_TRUE(binding_.CacheStale);
  EXPECT_EQ(host_.Redraws, redraws + 1);
  // A windowless host has no frame of its own.
  host_.Window = false;
  binding_.OnSkinCommand(AC_RECALCFRAME, 0);
  EXPECT_EQ(host_.FrameRecalculations, 1);
}

// A shadow around the host in its parent's picture: the section's own image, or the skin-wide one its outer
// mode names, laid over the parent at its opacity; nothing unless the host shows outer effects always.
TEST_F(BindingTest, OuterEffectIsPaintedAroundTheHostIntoTheParentsPicture) {
  const auto over = [](uint32_t opacity) {  // the grey image (0x40) over white at the mask's full weight
    const uint32_t g = (opacity * 255) >> 8, c = (255 * (255 - g) + g * 0x40) >> 8;
    return 0xFF000000u | c << 16 | c << 8 | c;
  };
  struct Case {
    const char* section;
    TacOuterVisibility visibility;
    int32_t reach;  // pixels out from the host; 0: nothing painted
    uint32_t edge;
  } const cases[] = {
      {"SHADOWED", TacOuterVisibility::ovAlways, 2, over(128)},
      {"SHADOWED", TacOuterVisibility::ovNone, 0, 0},
      {"FARSHADOW", TacOuterVisibility::ovAlways, 3, over(255)},
  };
  host_.Position = {10, 10};
  host_.HostSize = {10, 6};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.section);
    Bind(c.section);
    binding_.OuterEffects.Visibility = c.visibility;
    PixelBuffer parent(40, 30);
    FillPixels(parent, parent.Bounds(), clWhite, 255);
    TacOuterPaintRequest request{&parent, {0, 0}, 0};
    binding_.OnSkinCommand(AC_PAINTOUTER, reinterpret_cast<intptr_t>(&request));
    if (c.reach == 0) {
      for (int32_t y = 0; y < parent.Height(); ++y)
        for (int32_t x = 0; x < parent.Width(); ++x) ASSERT_EQ(parent.At(x, y), 0xFFFFFFFFu) << x << "," << y;
      continue;
    }
    const int32_t x0 = 10 - c.reach, y0 = 10 - c.reach;
    EXPECT_EQ(parent.At(x0, y0), c.edge);
    EXPECT_EQ(parent.At(19 + c.reach, 15 + c.reach), c.edge);
    EXPECT_EQ(parent.At(x0 - 1, y0), 0xFFFFFFFFu);
    EXPECT_EQ(parent.At(15, 13), 0xFFFFFFFFu);  // under the host: the image's centre is not painted
    // Painted again from the background kept the first time: no darker.
    request.Flags = kOuterFromKeptBackground;
    binding_.OnSkinCommand(AC_PAINTOUTER, reinterpret_cast<intptr_t>(&request));
    EXPECT_EQ(parent.At(x0, y0), c.edge);
  }
}

TEST_F(BindingTest, RecolouringSettersRepaintOnlyOnChange) {
  Bind("EDIT");
  const int redraws = host_.Redraws;
  binding_.SetHUEOffset(0);
  EXPECT_EQ(host_.Redraws, redraws);
  binding_.SetHUEOffset(30);
  EXPECT_EQ(host_.Redraws, redraws + 1);
  EXPECT_EQ(binding_.HUEOffset(), 30);
  // Without adjustments a colour only resolves; with a tone it takes the tone's hue.
  binding_.SetHUEOffset(0);
  EXPECT_EQ(binding_.AdjustColor(0x00336699), 0x00336699u);
  binding_.SetColorTone(RGBColor(255, 0, 0));
  const TColor toned = binding_.AdjustColor(RGBColor(0, 200, 0));
  EXPECT_GT(RedOf(toned), 190);
  EXPECT_EQ(toned & 0xFFFF00, 0u);
}

TEST_F(BindingTest, PaintingWrapperUsesTheBindingsColourAndBorderRules) {
  struct Case {
    const char* section;
    int32_t state;
    bool customColor;
    uint32_t corner, centre;
  } const cases[] = {
      {"PLAIN", 0, false, 0xFF404040, 0xFF808080},     // border mask of the master's grey, section colour inside
      {"PLAIN", 0, true, 0xFF404040, 0xFFFF0000},      // the host's own colour replaces the section's
      {"HOTFRAME", 0, false, 0xFF808080, 0xFF808080},  // a hot-only border is left out in state 0
      {"HOTFRAME", 1, false, 0xFF404040, 0xFF808080},
  };
  host_.HostColor = RGBColor(255, 0, 0);
  for (const Case& c : cases) {
    Bind(c.section);
    binding_.SetCustomColor(c.customColor);
    host_.HostColor = RGBColor(255, 0, 0);
    PixelBuffer picture(12, 8);
    FillPixels(picture, picture.Bounds(), clBlack, 0);
    PaintBindingSection(binding_, picture, binding_.ParentBackground(), {0, 0}, picture.Bounds(), c.state, true);
    EXPECT_EQ(picture.At(0, 0), c.corner) << c.section << " " << c.state;
    EXPECT_EQ(picture.At(6, 4), c.centre) << c.section << " " << c.state;
  }
}

TEST_F(BindingTest, NothingRepaintsBeforeLoadingFinishes) {
  TsCommonData fresh(&host_, false);
  EXPECT_TRUE(fresh.NotLoaded);
  EXPECT_TRUE(fresh.CacheStale);
  EXPECT_EQ(fresh.StateFlags, kStateClassifyPending);
  EXPECT_EQ(fresh.CachePicture, nullptr);
  fresh.RepaintHost(true);
  EXPECT_EQ(host_.Redraws, 0);
  fresh.FinishLoading();
  fresh.RepaintHost(true);
  EXPECT_EQ(host_.Redraws, 1);
}

}  // namespace
