// Frame geometry as tables: measures, title layout, border window placement
// and hit codes of a dialog-framed window (the main window) and a sizeable
// one, in both frame modes, at 96 and 120 dpi. The skin values are those of
// the built-in skin: BORDERWIDTH 1, TITLEHEIGHT 30, BIRIGHT -7, BILEFT 5,
// shadow margins of 34.
#include <gtest/gtest.h>

#include <climits>
#include <string_view>
#include <vector>

#include "skin/data/sSkinData.h"
#include "skin/windows/FrameGeometry.h"

namespace {

FrameSkinValues BuiltinSkin() {
  TsSkinData d;
  d.BorderWidth = 1;
  d.TitleHeight = 30;
  d.MaxHeight = 30;
  d.BIRight = -7;
  d.BILeft = 5;
  return FrameSkinValuesOf(d, 34, 34, 34, 34);
}

// System measures of a classic desktop at 96 and 120 dpi.
struct Desktop {
  int32_t Dpi, DialogFrame, SizingFrame, Caption;
};
constexpr Desktop kAt96{96, 3, 4, 19};
constexpr Desktop kAt120{120, 3, 4, 24};

int32_t Scaled(int32_t v, const Desktop& d) { return v * d.Dpi / 96; }

// The main window: dialog frame, close button only, client 358 x 288 at 96 dpi.
FrameInputs MainWindow(FrameMode mode, const Desktop& d) {
  FrameInputs in;
  in.Mode = mode;
  in.Client = {Scaled(358, d), Scaled(288, d)};
  in.ClientInWindow = {d.DialogFrame, d.DialogFrame + d.Caption};
  in.Window = {in.Client.cx + 2 * d.DialogFrame, in.Client.cy + 2 * d.DialogFrame + d.Caption};
  in.SystemFrame = d.DialogFrame;
  in.SystemCaption = d.Caption;
  return in;
}

// A sizeable window with every title button, client 300 x 200.
FrameInputs SizeableWindow(FrameMode mode, const Desktop& d, bool maximized = false) {
  FrameInputs in;
  in.Mode = mode;
  in.Sizeable = true;
  in.Maximized = maximized;
  in.Client = {300, 200};
  in.ClientInWindow = {d.SizingFrame, d.SizingFrame + d.Caption};
  in.Window = {in.Client.cx + 2 * d.SizingFrame, in.Client.cy + 2 * d.SizingFrame + d.Caption};
  in.SystemFrame = d.SizingFrame;
  in.SystemCaption = d.Caption;
  return in;
}

TitleButtonsInput DialogButtons() {
  TitleButtonsInput b;
  b.Glyphs = GlyphSet::Small;
  b.GlyphSize[size_t(TitleButton::Close)] = {46, 29};
  return b;
}

TitleButtonsInput AllButtons() {
  TitleButtonsInput b;
  b.VisibleMax = b.VisibleMin = b.Help = true;
  b.ShowIcon = true;
  b.GlyphSize = {TSize{50, 29}, TSize{46, 29}, TSize{46, 29}, TSize{46, 29}};
  return b;
}

TEST(FrameMeasures, BothModesOfTheMainWindowAtBothDensities) {
  struct Case {
    FrameMode Mode;
    Desktop D;
    FrameMeasures Expected;
  };
  const Case cases[] = {
      // In-frame: the system's frame and caption, the cache is the window.
      {FrameMode::InFrame, kAt96, {3, 3, 19, 19, 0, 0, 0, 0, 0, {364, 313}, {3, 22}, {}}},
      {FrameMode::InFrame, kAt120, {3, 3, 24, 24, 0, 0, 0, 0, 0, {453, 390}, {3, 27}, {}}},
      // Extended borders: a 1-pixel frame, a 30-pixel caption, 34-pixel shadow margins.
      {FrameMode::ExtendedBorder, kAt96, {1, 3, 30, 19, 0, 34, 34, 34, 34, {428, 387}, {35, 64}, {}}},
      {FrameMode::ExtendedBorder, kAt120, {1, 3, 30, 24, 0, 34, 34, 34, 34, {517, 459}, {35, 64}, {}}},
  };
  for (const Case& c : cases) {
    const FrameMeasures m = MeasureFrame(MainWindow(c.Mode, c.D), BuiltinSkin());
    const FrameMeasures& e = c.Expected;
    SCOPED_TRACE(testing::Message() << "mode " << int(c.Mode) << " dpi " << c.D.Dpi);
    EXPECT_EQ(m.FW, e.FW);
    EXPECT_EQ(m.SystemFW, e.SystemFW);
    EXPECT_EQ(m.CH, e.CH);
    EXPECT_EQ(m.SystemCH, e.SystemCH);
    EXPECT_EQ(m.MenuHeight, 0);
    EXPECT_EQ(m.L + m.T + m.R + m.B, e.L + e.T + e.R + e.B);
    EXPECT_EQ(m.Cache, e.Cache);
    EXPECT_EQ(m.ClientOrigin, e.ClientOrigin);
  }
}

TEST(FrameMeasures, CaptionMenuAndIconicCases) {
  FrameInputs in = SizeableWindow(FrameMode::ExtendedBorder, kAt96);
  in.MenuLines = 2;
  in.SystemMenuHeight = 19;
  in.ClientInWindow.Y += 36;
  in.Window.cy += 36;
  FrameMeasures m = MeasureFrame(in, BuiltinSkin());
  EXPECT_EQ(m.MenuHeight, 36);
  EXPECT_EQ(m.SystemCH, 19);
  EXPECT_EQ(m.ClientOrigin, (TPoint{35, 34 + 30 + 36 + 1}));
  EXPECT_EQ(m.Cache.cy, 200 + 36 + 30 + 1 + 68);

  in = SizeableWindow(FrameMode::ExtendedBorder, kAt96);
  in.HasCaption = false;
  EXPECT_EQ(MeasureFrame(in, BuiltinSkin()).CH, 0);

  in = SizeableWindow(FrameMode::InFrame, kAt96);
  in.Iconic = true;
  in.IsMainForm = false;
  EXPECT_EQ(MeasureFrame(in, BuiltinSkin()).Cache, (TSize{160, 19 + 2 + 4}));
  in.IsMainForm = true;
  EXPECT_EQ(MeasureFrame(in, BuiltinSkin()).Cache, in.Window);
}

TEST(FrameSkinValues, EverySkinNumberIsBounded) {
  TsSkinData d;
  d.BorderWidth = INT_MAX;
  d.TitleHeight = INT_MAX;
  d.MaxHeight = INT_MIN;
  d.CenterOffset = INT_MIN;
  d.BIRight = INT_MAX;
  d.BILeft = INT_MIN;
  d.BISpace = INT_MAX;
  d.BITop = INT_MIN;
  const FrameSkinValues s = FrameSkinValuesOf(d, INT_MAX, -5, INT_MIN, 1000);
  EXPECT_EQ(s.BorderWidth, kMaxSkinFrameWidth);
  EXPECT_EQ(s.TitleHeight, kMaxSkinCaptionHeight);
  EXPECT_EQ(s.MaxHeight, 0);
  EXPECT_EQ(s.CenterOffset, -kMaxSkinOffset);
  EXPECT_EQ(s.BIRight, kMaxSkinOffset);
  EXPECT_EQ(s.BILeft, -kMaxSkinOffset);
  EXPECT_EQ(s.MarginL, kMaxSkinMargin);
  EXPECT_EQ(s.MarginT, 0);
  EXPECT_EQ(s.MarginR, 0);
  EXPECT_EQ(s.MarginB, kMaxSkinMargin);
  // The largest values still give a sane layout of a huge window.
  FrameInputs in = SizeableWindow(FrameMode::ExtendedBorder, kAt96);
  in.Client = {30000, 30000};
  const FrameMeasures m = MeasureFrame(in, s);
  EXPECT_LT(m.Cache.cx, 31000);
  const TitleLayout t = LayoutTitle(m, in, s, AllButtons());
  EXPECT_GT(t.Buttons[0].Right, 0);
}

TEST(TitleLayout, ButtonsIconAndCentreLine) {
  struct Case {
    const char* Name;
    FrameInputs In;
    TitleButtonsInput Buttons;
    int32_t CenterLine;
    TRect Icon;
    std::array<TRect, kTitleButtonCount> Buttons4;
    int32_t ButtonsWidth;
    int32_t TextLeft, TextRight;
  };
  const Case cases[] = {
      // The main window: small set, close only, its right edge on the frame line (x 393).
      {"main window", MainWindow(FrameMode::ExtendedBorder, kAt96), DialogButtons(), 49, {40, 49, 40, 49},
       {TRect{347, 35, 393, 64}, {}, {}, {}}, 39, 44, 343},
      {"main window 120 dpi", MainWindow(FrameMode::ExtendedBorder, kAt120), DialogButtons(), 49, {40, 49, 40, 49},
       {TRect{436, 35, 482, 64}, {}, {}, {}}, 39, 44, 432},
      // Sizeable: big set from the right, no gaps (BISPACE 0), help 6 pixels apart.
      {"sizeable", SizeableWindow(FrameMode::ExtendedBorder, kAt96), AllButtons(), 49, {40, 41, 56, 57},
       {TRect{289, 35, 339, 64}, {243, 35, 289, 64}, {197, 35, 243, 64}, {145, 35, 191, 64}}, 187, 60, 137},
      // Maximized: the centre line 2 lower; the top 4 rows of the caption are off screen,
      // so the buttons lose a row of their glyphs and end on the caption's bottom.
      {"sizeable maximized", SizeableWindow(FrameMode::ExtendedBorder, kAt96, true), AllButtons(), 51,
       {40, 43, 56, 59},
       {TRect{289, 38, 339, 64}, {243, 38, 289, 64}, {197, 38, 243, 64}, {145, 38, 191, 64}}, 187, 60, 137},
      // In-frame: the 19 rows of the system's caption below the 4-pixel frame; the
      // 29-pixel glyphs lose 5 rows at each end and the buttons fill those 19 rows.
      {"sizeable in-frame", SizeableWindow(FrameMode::InFrame, kAt96), AllButtons(), 13, {9, 5, 25, 21},
       {TRect{261, 4, 311, 23}, {215, 4, 261, 23}, {169, 4, 215, 23}, {117, 4, 163, 23}}, 187, 29, 109},
      {"sizeable in-frame maximized", SizeableWindow(FrameMode::InFrame, kAt96, true), AllButtons(), 13, {9, 5, 25, 21},
       {TRect{261, 4, 311, 23}, {215, 4, 261, 23}, {169, 4, 215, 23}, {117, 4, 163, 23}}, 187, 29, 109},
      {"sizeable in-frame 120 dpi", SizeableWindow(FrameMode::InFrame, kAt120), AllButtons(), 16, {9, 8, 25, 24},
       {TRect{261, 4, 311, 28}, {215, 4, 261, 28}, {169, 4, 215, 28}, {117, 4, 163, 28}}, 187, 29, 109},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const FrameMeasures m = MeasureFrame(c.In, BuiltinSkin());
    const TitleLayout t = LayoutTitle(m, c.In, BuiltinSkin(), c.Buttons);
    EXPECT_EQ(t.CenterLine, c.CenterLine);
    EXPECT_EQ(t.Icon, c.Icon);
    for (int i = 0; i < kTitleButtonCount; ++i) EXPECT_EQ(t.Buttons[size_t(i)], c.Buttons4[size_t(i)]) << i;
    EXPECT_EQ(t.ButtonsWidth, c.ButtonsWidth);
    EXPECT_EQ(t.CaptionText.Left, c.TextLeft);
    EXPECT_EQ(t.CaptionText.Right, c.TextRight);
  }
}

TEST(TitleLayout, WithoutSystemMenuNoButtonAndMissingGlyphsMeasure21) {
  const FrameInputs in = SizeableWindow(FrameMode::ExtendedBorder, kAt96);
  const FrameMeasures m = MeasureFrame(in, BuiltinSkin());
  TitleButtonsInput b = AllButtons();
  b.SystemMenu = false;
  TitleLayout t = LayoutTitle(m, in, BuiltinSkin(), b);
  for (const TRect& r : t.Buttons) EXPECT_TRUE(r.IsEmpty());
  b = AllButtons();
  b.GlyphSize = {};
  t = LayoutTitle(m, in, BuiltinSkin(), b);
  EXPECT_EQ(t.Buttons[0], (TRect{318, 39, 339, 60}));
  EXPECT_EQ(t.Buttons[1], (TRect{297, 39, 318, 60}));
}

// Help 6 pixels left of minimize, the user buttons another 6 pixels left of
// help, each as wide as the larger of its glyph + 2 and the skin's picture;
// hidden ones take no room and keep their index (and hit code).
TEST(TitleLayout, UserButtonsAfterHelp) {
  struct Case {
    const char* Name;
    bool SystemMenu;
    bool Help;
    std::vector<UserTitleButtonInput> Users;
    std::vector<TRect> Expected;
    int32_t ButtonsWidth;
  };
  const Case cases[] = {
      {"after help", true, true, {{true, 16, 30}, {false, 16, 30}, {true, 40, 30}},
       {TRect{109, 35, 139, 64}, {}, {67, 35, 109, 64}}, 265},
      {"no help: 6 pixels left of minimize", true, false, {{true, 0, 30}}, {TRect{161, 35, 191, 64}}, 171},
      {"no skin picture: glyph + 2", true, false, {{true, 19, 0}}, {TRect{170, 35, 191, 64}}, 162},
      // User buttons are the form's own: they stay without the system menu's buttons.
      {"without system menu", false, true, {{true, 16, 30}}, {TRect{303, 35, 333, 64}}, 29},
      {"only hidden ones: no gap", true, false, {{false, 16, 30}}, {TRect{}}, 135},
  };
  const FrameInputs in = SizeableWindow(FrameMode::ExtendedBorder, kAt96);
  const FrameMeasures m = MeasureFrame(in, BuiltinSkin());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TitleButtonsInput b = AllButtons();
    b.SystemMenu = c.SystemMenu;
    b.Help = c.Help;
    b.UserButtons = c.Users;
    const TitleLayout t = LayoutTitle(m, in, BuiltinSkin(), b);
    EXPECT_EQ(t.UserButtons, c.Expected);
    EXPECT_EQ(t.ButtonsWidth, c.ButtonsWidth);
    if (c.SystemMenu) {
      EXPECT_EQ(t.Buttons[size_t(TitleButton::Help)].IsEmpty(), !c.Help);
    }
  }
}

TEST(HitTest, UserButtonsAnswer1000PlusTheirIndexInBothPaths) {
  TitleButtonsInput b = AllButtons();
  b.UserButtons = {{true, 16, 30}, {false, 16, 30}, {true, 40, 30}};
  for (FrameMode mode : {FrameMode::ExtendedBorder, FrameMode::InFrame}) {
    SCOPED_TRACE(int(mode));
    const FrameInputs in = SizeableWindow(mode, kAt96);
    const FrameMeasures m = MeasureFrame(in, BuiltinSkin());
    const TitleLayout t = LayoutTitle(m, in, BuiltinSkin(), b);
    auto at = [&](const TRect& r) {
      const TPoint p{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
      return mode == FrameMode::InFrame ? InFrameHitTest(m, in, t, p) : BorderHitTest(m, in, t, BuiltinSkin(), p);
    };
    EXPECT_EQ(at(t.UserButtons[0]), 1000);
    EXPECT_EQ(at(t.UserButtons[2]), 1002);
    EXPECT_EQ(at(t.Buttons[size_t(TitleButton::Help)]), kFrameHitHelp);
    // The 6-pixel gap between help and the first user button is caption.
    EXPECT_EQ(at({t.UserButtons[0].Right, t.UserButtons[0].Top, t.UserButtons[0].Right + 6, t.UserButtons[0].Bottom}),
              kFrameHitCaption);
    EXPECT_EQ(TitleButtonRect(t, 1002), t.UserButtons[2]);
    EXPECT_TRUE(TitleButtonRect(t, 1001).IsEmpty());
    EXPECT_TRUE(TitleButtonRect(t, 1003).IsEmpty());
    EXPECT_EQ(TitleButtonRect(t, kFrameHitHelp), t.Buttons[size_t(TitleButton::Help)]);
  }
  struct Code {
    int32_t Code;
    bool Button;
    int32_t UserIndex;
  };
  const Code codes[] = {{kFrameHitClose, true, -1}, {kFrameHitMaxButton, true, -1}, {kFrameHitMinButton, true, -1},
                        {kFrameHitHelp, true, -1},  {kFrameHitCaption, false, -1}, {kFrameHitSysMenu, false, -1},
                        {999, false, -1},           {1000, true, 0},               {1100, true, 100},
                        {1101, false, -1}};
  for (const Code& c : codes) {
    EXPECT_EQ(IsTitleButtonCode(c.Code), c.Button) << c.Code;
    EXPECT_EQ(UserButtonIndexOf(c.Code), c.UserIndex) << c.Code;
  }
}

// A left click on the icon: the menu at the window's left edge, just below the icon.
TEST(IconMenuPoint, BelowTheIconAtTheLeftEdge) {
  const TRect window{100, 100, 408, 327};
  FrameInputs in = SizeableWindow(FrameMode::InFrame, kAt96);
  FrameMeasures m = MeasureFrame(in, BuiltinSkin());
  TitleLayout t = LayoutTitle(m, in, BuiltinSkin(), AllButtons());
  EXPECT_EQ(IconMenuPoint(window, m, FrameMode::InFrame, 0, t), (TPoint{104, 100 + 16 + 8}));
  EXPECT_EQ(IconMenuPoint(window, m, FrameMode::InFrame, 2, t), (TPoint{104, 100 + 2 + 16 + 8}));
  in = SizeableWindow(FrameMode::ExtendedBorder, kAt96);
  m = MeasureFrame(in, BuiltinSkin());
  t = LayoutTitle(m, in, BuiltinSkin(), AllButtons());
  EXPECT_EQ(IconMenuPoint(window, m, FrameMode::ExtendedBorder, 0, t), (TPoint{104, 116}));
}

TEST(BorderPlacement, OffsetsRegionAndWindowRegion) {
  const FrameInputs in = MainWindow(FrameMode::ExtendedBorder, kAt96);
  const FrameMeasures m = MeasureFrame(in, BuiltinSkin());
  const BorderPlacement b = PlaceBorderWindow(m, in);
  // 68 pixels wider and taller than the visible frame (1-pixel lines around a 358 x 288 client and a 30-pixel caption).
  EXPECT_EQ(b.Size, (TSize{360 + 68, 288 + 31 + 68}));
  EXPECT_EQ(b.Offset, (TPoint{3 - 35, 22 - 64}));
  EXPECT_EQ(b.Outer, (TRect{0, 0, 428, 387}));
  EXPECT_EQ(b.Hole, (TRect{35, 64, 393, 352}));
  EXPECT_EQ(ExtendedWindowRegion(in, 0), (TRect{3, 22, 361, 310}));

  // Maximized: the border window's region starts 4 rows into the caption and
  // stops at the frame, so that nothing shows beyond the work area.
  const TRect work{0, 0, 1024, 768};
  const MaximizedPlacement max = PlaceMaximized(work, FrameMode::ExtendedBorder, true, 4, 19, BuiltinSkin());
  EXPECT_EQ(max.Position, (TPoint{-4, 3}));
  EXPECT_EQ(max.Size, (TSize{1032, 769}));
  FrameInputs big = SizeableWindow(FrameMode::ExtendedBorder, kAt96, true);
  big.Window = max.Size;
  big.Client = {max.Size.cx - 8, max.Size.cy - 27};
  const FrameMeasures bm = MeasureFrame(big, BuiltinSkin());
  const BorderPlacement bb = PlaceBorderWindow(bm, big);
  const TRect screen{max.Position.X + bb.Offset.X + bb.Outer.Left, max.Position.Y + bb.Offset.Y + bb.Outer.Top,
                     max.Position.X + bb.Offset.X + bb.Outer.Right, max.Position.Y + bb.Offset.Y + bb.Outer.Bottom};
  EXPECT_EQ(screen, work);
  EXPECT_EQ(PlaceMaximized(work, FrameMode::InFrame, true, 4, 19, BuiltinSkin()).Position, (TPoint{-4, -4}));
  // A maximized caption no taller than the system's plus 4 needs no room of its own.
  FrameSkinValues low = BuiltinSkin();
  low.MaxHeight = 20;
  EXPECT_EQ(PlaceMaximized(work, FrameMode::ExtendedBorder, true, 4, 19, low).Position, (TPoint{-4, -4}));
}

TEST(HitTest, BorderWindowOfTheMainWindow) {
  const FrameInputs in = MainWindow(FrameMode::ExtendedBorder, kAt96);
  const FrameMeasures m = MeasureFrame(in, BuiltinSkin());
  const TitleLayout t = LayoutTitle(m, in, BuiltinSkin(), DialogButtons());
  struct Case {
    TPoint P;
    int32_t Code;
  };
  const Case cases[] = {
      {{10, 10}, kFrameHitOutside},   {{27, 40}, kFrameHitOutside},    {{28, 40}, kFrameHitCaption},  {{200, 28}, kFrameHitCaption},
      {{200, 27}, kFrameHitOutside},  {{200, 40}, kFrameHitCaption},   {{347, 35}, kFrameHitClose},   {{392, 63}, kFrameHitClose},
      {{393, 40}, kFrameHitCaption},  {{200, 100}, kFrameHitClient},   {{34, 200}, kFrameHitNowhere}, {{30, 200}, kFrameHitNowhere},
      {{200, 358}, kFrameHitNowhere}, {{200, 359}, kFrameHitOutside},  {{400, 200}, kFrameHitOutside}, {{427, 386}, kFrameHitOutside},
  };
  for (const Case& c : cases)
    EXPECT_EQ(BorderHitTest(m, in, t, BuiltinSkin(), c.P), c.Code) << c.P.X << "," << c.P.Y;
  // A click 7 pixels outside the frame passes to the window below, 6 pixels outside it does not.
  EXPECT_TRUE(OutsideFrame(m, in, BuiltinSkin(), {34 - 7, 200}));
  EXPECT_FALSE(OutsideFrame(m, in, BuiltinSkin(), {34 - 6, 200}));
}

TEST(HitTest, BorderWindowOfASizeableWindowAtBothDensities) {
  for (const Desktop& d : {kAt96, kAt120}) {
    SCOPED_TRACE(d.Dpi);
    const FrameInputs in = SizeableWindow(FrameMode::ExtendedBorder, d);
    const FrameMeasures m = MeasureFrame(in, BuiltinSkin());
    const TitleLayout t = LayoutTitle(m, in, BuiltinSkin(), AllButtons());
    // Frame lines: x 34 and 335, y 34 and 264; the sizing bands are the 6-pixel strips outside them.
    struct Case {
      TPoint P;
      int32_t Code;
    };
    const Case cases[] = {
        {{30, 30}, kFrameHitTopLeft},     {{200, 30}, kFrameHitTop},       {{338, 30}, kFrameHitTopRight},
        {{30, 150}, kFrameHitLeft},       {{338, 150}, kFrameHitRight},    {{30, 267}, kFrameHitBottomLeft},
        {{200, 267}, kFrameHitBottom},    {{338, 267}, kFrameHitBottomRight}, {{27, 150}, kFrameHitOutside},
        {{342, 150}, kFrameHitOutside},   {{200, 271}, kFrameHitOutside},  {{45, 45}, kFrameHitSysMenu},
        {{100, 45}, kFrameHitCaption},    {{300, 45}, kFrameHitClose},     {{260, 45}, kFrameHitMaxButton},
        {{220, 45}, kFrameHitMinButton},  {{150, 45}, kFrameHitHelp},      {{194, 45}, kFrameHitCaption},
        {{100, 150}, kFrameHitClient},    {{34, 150}, kFrameHitNowhere},
    };
    for (const Case& c : cases)
      EXPECT_EQ(BorderHitTest(m, in, t, BuiltinSkin(), c.P), c.Code) << c.P.X << "," << c.P.Y;
  }
  // Maximized: no sizing, nothing outside.
  const FrameInputs in = SizeableWindow(FrameMode::ExtendedBorder, kAt96, true);
  const FrameMeasures m = MeasureFrame(in, BuiltinSkin());
  const TitleLayout t = LayoutTitle(m, in, BuiltinSkin(), AllButtons());
  EXPECT_EQ(BorderHitTest(m, in, t, BuiltinSkin(), {30, 30}), kFrameHitCaption);
  EXPECT_EQ(BorderHitTest(m, in, t, BuiltinSkin(), {5, 150}), kFrameHitNowhere);
}

TEST(HitTest, BorderModeOneSizesInsideTheAlignOffsetsAroundTheMargins) {
  FrameSkinValues skin = BuiltinSkin();
  skin.BorderMode = 1;
  skin.MarginL = skin.MarginT = skin.MarginR = skin.MarginB = 8;  // FORMOFFSET on every side
  skin.AlignOffset = skin.AlignOffsetT = skin.AlignOffsetR = skin.AlignOffsetB = 2;
  const FrameInputs in = SizeableWindow(FrameMode::ExtendedBorder, kAt96);
  const FrameMeasures m = MeasureFrame(in, skin);
  const TitleLayout t = LayoutTitle(m, in, skin, AllButtons());
  const int32_t w = m.Cache.cx, h = m.Cache.cy;  // the sizing rectangle is (6, 6, w - 6, h - 6)
  struct Case {
    TPoint P;
    int32_t Code;
  };
  const Case cases[] = {
      {{5, 100}, kFrameHitOutside},      {{6, 100}, kFrameHitLeft},         {{9, 100}, kFrameHitLeft},
      {{10, 100}, kFrameHitClient},      {{w - 7, 100}, kFrameHitRight},    {{w - 6, 100}, kFrameHitOutside},
      {{100, 5}, kFrameHitOutside},      {{100, 6}, kFrameHitTop},          {{100, 9}, kFrameHitTop},
      {{100, 10}, kFrameHitCaption},     {{100, h - 7}, kFrameHitBottom},   {{100, h - 10}, kFrameHitBottom},
      {{100, h - 11}, kFrameHitClient},  {{6, 6}, kFrameHitTopLeft},        {{w - 7, h - 7}, kFrameHitBottomRight},
  };
  for (const Case& c : cases) EXPECT_EQ(BorderHitTest(m, in, t, skin, c.P), c.Code) << c.P.X << "," << c.P.Y;
  // Skin offsets are bounded before they move anything.
  TsSkinData d;
  d.AlignOffset = d.AlignOffsetT = 1 << 30;
  d.AlignOffsetR = d.AlignOffsetB = -(1 << 30);
  const FrameSkinValues bounded = FrameSkinValuesOf(d, 0, 0, 0, 0);
  EXPECT_EQ(bounded.AlignOffset, kMaxSkinOffset);
  EXPECT_EQ(bounded.AlignOffsetB, -kMaxSkinOffset);
}

TEST(HitTest, InFrameSizeableWindowAtBothDensities) {
  for (const Desktop& d : {kAt96, kAt120}) {
    SCOPED_TRACE(d.Dpi);
    const FrameInputs in = SizeableWindow(FrameMode::InFrame, d);
    const FrameMeasures m = MeasureFrame(in, BuiltinSkin());
    const TitleLayout t = LayoutTitle(m, in, BuiltinSkin(), AllButtons());
    const int32_t w = in.Window.cx, h = in.Window.cy, capY = d.SizingFrame + d.Caption / 2;
    struct Case {
      TPoint P;
      int32_t Code;
    };
    const Case cases[] = {
        // The buttons start below the top frame, so the top-right corner still sizes;
        // the big close glyph reaches into the right frame, and buttons are tested first.
        {{1, 1}, kFrameHitTopLeft},         {{100, 1}, kFrameHitTop},         {{w - 1, 1}, kFrameHitTopRight},
        {{w - 1, 5}, kFrameHitClose},       {{w - 1, 40}, kFrameHitRight},
        {{1, 100}, kFrameHitLeft},          {{w - 2, 100}, kFrameHitRight},   {{1, h - 1}, kFrameHitBottomLeft},
        {{100, h - 2}, kFrameHitBottom},    {{w - 1, h - 1}, kFrameHitBottomRight}, {{10, capY}, kFrameHitSysMenu},
        {{80, capY}, kFrameHitCaption},     {{t.Buttons[0].Left + 2, capY}, kFrameHitClose},
        {{t.Buttons[3].Left + 2, capY}, kFrameHitHelp}, {{100, 100}, kFrameHitClient},  {{w, 100}, kFrameHitNowhere},
    };
    for (const Case& c : cases)
      EXPECT_EQ(InFrameHitTest(m, in, t, c.P), c.Code) << c.P.X << "," << c.P.Y;
  }
  // A dialog frame does not size: its edges are border.
  const FrameInputs in = MainWindow(FrameMode::InFrame, kAt96);
  const FrameMeasures m = MeasureFrame(in, BuiltinSkin());
  const TitleLayout t = LayoutTitle(m, in, BuiltinSkin(), DialogButtons());
  EXPECT_EQ(InFrameHitTest(m, in, t, {1, 100}), kFrameHitBorder);
  EXPECT_EQ(InFrameHitTest(m, in, t, {100, 10}), kFrameHitCaption);
}

TEST(HitTest, TheSizeGripAnswersBottomRightInBothModes) {
  for (FrameMode mode : {FrameMode::InFrame, FrameMode::ExtendedBorder}) {
    SCOPED_TRACE(int(mode));
    FrameInputs in = SizeableWindow(mode, kAt96);
    in.GripSize = {12, 12};
    const FrameMeasures m = MeasureFrame(in, BuiltinSkin());
    const TitleLayout t = LayoutTitle(m, in, BuiltinSkin(), AllButtons());
    const TPoint clientEnd{m.ClientOrigin.X + 300, m.ClientOrigin.Y + 200};
    EXPECT_EQ(m.Grip, (TRect{clientEnd.X - 12, clientEnd.Y - 12, clientEnd.X, clientEnd.Y}));
    // Window points: the client area lies at the same place in the window in both modes.
    const TPoint corner{in.ClientInWindow.X + 300 - 12, in.ClientInWindow.Y + 200 - 12};
    EXPECT_EQ(SizeGripHit(m, in, corner), kFrameHitBottomRight);
    EXPECT_EQ(SizeGripHit(m, in, {corner.X + 13, corner.Y + 13}), kFrameHitBottomRight);  // the frame corner too
    EXPECT_EQ(SizeGripHit(m, in, {corner.X - 1, corner.Y + 5}), 0);
    EXPECT_EQ(SizeGripHit(m, in, {corner.X + 5, corner.Y - 1}), 0);
    EXPECT_EQ(SizeGripHit(m, in, {in.Window.cx, in.Window.cy}), 0);  // outside the window
    if (mode == FrameMode::InFrame) {
      EXPECT_EQ(InFrameHitTest(m, in, t, {corner.X + 2, corner.Y + 2}), kFrameHitBottomRight);
      EXPECT_EQ(InFrameHitTest(m, in, t, {corner.X - 2, corner.Y + 2}), kFrameHitClient);
    } else {
      EXPECT_EQ(BorderHitTest(m, in, t, BuiltinSkin(), {m.Grip.Left + 2, m.Grip.Top + 2}), kFrameHitBottomRight);
      EXPECT_EQ(BorderHitTest(m, in, t, BuiltinSkin(), {m.Grip.Left - 2, m.Grip.Top + 2}), kFrameHitClient);
    }
  }
  // No grip while maximized, on a frame that does not size, or without a picture.
  struct Case {
    bool Sizeable, Maximized;
    TSize Grip;
  };
  for (const Case& c : {Case{true, true, {12, 12}}, Case{false, false, {12, 12}}, Case{true, false, {0, 12}}}) {
    FrameInputs in = SizeableWindow(FrameMode::InFrame, kAt96, c.Maximized);
    in.Sizeable = c.Sizeable;
    in.GripSize = c.Grip;
    EXPECT_TRUE(MeasureFrame(in, BuiltinSkin()).Grip.IsEmpty());
  }
}

TEST(TitleLayout, IconRectangleFromTitleIconAndCaptionHeight) {
  struct Case {
    const char* Name;
    int32_t Caption;
    TSize IconSize, Glyph;
    TSize Expected;
  };
  const Case cases[] = {
      {"form icon, 19-pixel caption", 19, {}, {}, {16, 16}},
      {"form icon, 12-pixel caption", 12, {}, {}, {8, 8}},
      {"form icon, 8-pixel caption", 8, {}, {}, {1, 1}},
      {"wide glyph keeps its aspect", 19, {}, {32, 16}, {32, 16}},
      {"tall glyph keeps its aspect", 19, {}, {8, 16}, {8, 16}},
      {"given width and height", 19, {20, 12}, {32, 16}, {20, 12}},
      {"given height, derived width", 19, {0, 10}, {}, {16, 10}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    FrameInputs in = SizeableWindow(FrameMode::InFrame, kAt96);
    in.SystemCaption = c.Caption;
    TitleButtonsInput b = AllButtons();
    b.IconSize = c.IconSize;
    b.IconGlyph = c.Glyph;
    const FrameMeasures m = MeasureFrame(in, BuiltinSkin());
    const TitleLayout t = LayoutTitle(m, in, BuiltinSkin(), b);
    EXPECT_EQ((TSize{t.Icon.Width(), t.Icon.Height()}), c.Expected);
    EXPECT_EQ(t.Icon.Left, 4 + 5);  // frame + BILEFT
    EXPECT_EQ(t.Icon.Top, t.CenterLine - c.Expected.cy / 2);
  }
  // No icon: an empty rectangle on the centre line, and the text starts further left.
  FrameInputs in = SizeableWindow(FrameMode::InFrame, kAt96);
  TitleButtonsInput b = AllButtons();
  b.ShowIcon = false;
  const TitleLayout t = LayoutTitle(MeasureFrame(in, BuiltinSkin()), in, BuiltinSkin(), b);
  EXPECT_TRUE(t.Icon.IsEmpty());
  EXPECT_EQ(t.CaptionText.Left, 4 + 5 + 4);
}

}  // namespace

// The caption texts in a 200-pixel text rectangle from x 40, centre line 50;
// main caption 80 x 16 (or wider than the room), added title 30 x 12.
TEST(CaptionPlacement, AlignmentMirroringAddedTitleAndLongCaptions) {
  const TRect room{40, 35, 240, 65};
  struct Case {
    const char* What;
    CaptionTexts Texts;
    CaptionAlign Align;
    bool RightToLeft;
    TRect Main, Added;
  };
  const TRect none;
  const Case cases[] = {
      {"left", {{80, 16}, {}}, CaptionAlign::Left, false, {40, 42, 120, 58}, none},
      // right: the sum with the 4-pixel gap ends at the right edge
      {"right", {{80, 16}, {}}, CaptionAlign::Right, false, {156, 42, 236, 58}, none},
      {"centre", {{80, 16}, {}}, CaptionAlign::Center, false, {98, 42, 178, 58}, none},
      // right-to-left forms swap left and right, not the centre
      {"right, right-to-left", {{80, 16}, {}}, CaptionAlign::Right, true, {40, 42, 120, 58}, none},
      {"left, right-to-left", {{80, 16}, {}}, CaptionAlign::Left, true, {156, 42, 236, 58}, none},
      {"centre, right-to-left", {{80, 16}, {}}, CaptionAlign::Center, true, {98, 42, 178, 58}, none},
      // the added title follows after 4 pixels, 4 pixels wider than measured; the line is the taller text
      {"added", {{80, 16}, {30, 12}}, CaptionAlign::Left, false, {40, 42, 120, 58}, {124, 42, 158, 58}},
      {"added, right", {{80, 16}, {30, 12}}, CaptionAlign::Right, false, {126, 42, 206, 58}, {210, 42, 240, 58}},
      {"added only", {{0, 0}, {30, 20}}, CaptionAlign::Left, false, none, {40, 40, 74, 60}},
      // too long: the main caption keeps the room (ellipsis), the added title keeps its own
      {"long", {{500, 16}, {}}, CaptionAlign::Right, false, {40, 42, 240, 58}, none},
      {"long centred", {{500, 16}, {}}, CaptionAlign::Center, false, {40, 42, 240, 58}, none},
      {"long with added", {{500, 16}, {30, 12}}, CaptionAlign::Left, false, {40, 42, 206, 58}, {210, 42, 240, 58}},
      {"no room", {{80, 16}, {30, 12}}, CaptionAlign::Left, false, none, none},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    const TRect r = std::string_view(c.What) == "no room" ? TRect{100, 35, 100, 65} : room;
    const CaptionPlacement p = PlaceCaption(r, 50, c.Texts, c.Align, c.RightToLeft);
    EXPECT_EQ(p.Main, c.Main);
    EXPECT_EQ(p.Added, c.Added);
  }
}
