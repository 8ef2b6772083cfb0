// The decision which appearing windows get skinned, and a dialog's frame rules, as tables.
#include <gtest/gtest.h>

#include "skin/data/ManagerSettings.h"
#include "skin/dialogs/DialogRules.h"
#include "tests/windows/SystemMenuItemsText.h"

namespace {

using R = ConsiderResult;
namespace S = WindowStyle;

ConsiderFacts Form(const char* className, uint8_t rules = srStdForms | srStdDialogs) {
  ConsiderFacts f;
  f.ToolkitForm = true;
  f.ClassName = className;
  f.SkinningRules = rules;
  return f;
}

ConsiderFacts Dialog(const char* className = "#32770", int32_t visibleSkinned = 0) {
  ConsiderFacts f;
  f.ClassName = className;
  f.SkinningRules = srStdDialogs;
  f.Popup = true;
  f.VisibleSkinnedDialogs = visibleSkinned;
  return f;
}

TEST(Consider, ToolkitFormsAndSystemDialogs) {
  struct Case {
    const char* Name;
    ConsiderFacts Facts;
    R Expected;
  };
  auto with = [](ConsiderFacts f, auto change) { change(f); return f; };
  const Case cases[] = {
      {"message form with srStdDialogs", Form("TMessageForm", srStdDialogs), R::FormProvider},
      {"message form with srStdForms only", Form("TMessageForm", srStdForms), R::Ignore},
      {"other form with srStdForms", Form("TForm2", srStdForms), R::FormProvider},
      {"other form with srStdDialogs only", Form("TForm2", srStdDialogs), R::Ignore},
      {"Tag 256", with(Form("TForm2"), [](auto& f) { f.Tag = 256; }), R::Ignore},
      {"Tag 257", with(Form("TForm2"), [](auto& f) { f.Tag = 257; }), R::Ignore},
      {"Tag 255", with(Form("TForm2"), [](auto& f) { f.Tag = 255; }), R::FormProvider},
      {"excluded class", Form("TcxGridFilterPopup"), R::Ignore},
      {"excluded class, other case", Form("TCXGRIDFILTERPOPUP"), R::FormProvider},
      {"loading form", with(Form("TForm2"), [](auto& f) { f.FormLoading = true; }), R::Ignore},
      {"loading MDI child", with(Form("TForm2"), [](auto& f) { f.FormLoading = f.MdiChild = true; }), R::FormProvider},
      {"already skinned", with(Form("TForm2"), [](auto& f) { f.HandlesSkinCommands = true; }), R::Ignore},
      {"already watched", with(Form("TForm2"), [](auto& f) { f.Watched = true; }), R::Ignore},
      {"no default manager", with(Form("TForm2"), [](auto& f) { f.DefaultManager = false; }), R::Ignore},
      {"application going", with(Form("TForm2"), [](auto& f) { f.ApplicationLives = false; }), R::Ignore},
      {"borderless popup form", with(Form("TForm2"), [](auto& f) { f.Popup = true, f.HasBorder = false; }), R::Ignore},
      {"system dialog", Dialog(), R::SystemDialog},
      {"host window", Dialog("NativeHWNDHost"), R::SystemDialog},
      {"other class", Dialog("#32768"), R::Ignore},
      {"dialog with a parent", with(Dialog(), [](auto& f) { f.HasParent = true; }), R::Ignore},
      {"dialog without srStdDialogs", with(Dialog(), [](auto& f) { f.SkinningRules = srStdForms; }), R::Ignore},
      {"borderless dialog", with(Dialog(), [](auto& f) { f.HasBorder = false; }), R::Ignore},
      {"one skinned dialog visible", Dialog("#32770", 1), R::SystemDialog},
  };
  for (const Case& c : cases) {
    bool searched = false;
    EXPECT_EQ(Consider(c.Facts, [&] { searched = true; return true; }), c.Expected) << c.Name;
    EXPECT_FALSE(searched) << c.Name << ": the children are searched only at the limit";
  }
}

TEST(Consider, AtTheLimitOnlyFileDialogsAreSkinned) {
  for (int32_t visible : {2, 3}) {
    EXPECT_EQ(Consider(Dialog("#32770", visible), [] { return false; }), R::Ignore) << visible;
    EXPECT_EQ(Consider(Dialog("#32770", visible), [] { return true; }), R::SystemDialog) << visible;
    EXPECT_EQ(Consider(Dialog("#32770", visible), nullptr), R::Ignore) << visible;
  }
}

TEST(DialogLook, KindGlyphsAndTitleFromTheStyle) {
  struct Case {
    const char* Name;
    uint32_t Style;
    int32_t Kind;
    GlyphSet Glyphs;          // with and without a small close glyph in the skin
    const char* Title;        // with "DIALOGTITLE" in the skin
  };
  const uint32_t messageBox = S::Popup | S::Caption | S::SystemMenu | S::ModalFrame;
  const uint32_t fileDialog = S::Popup | S::Caption | S::SystemMenu | S::SizingFrame | S::ModalFrame;
  const Case cases[] = {
      {"message box", messageBox, 0, GlyphSet::Small, "DIALOGTITLE"},
      {"file dialog: the sizing frame wins", fileDialog, 3, GlyphSet::Big, "FORMTITLE"},
      {"captionless popup", S::Popup | S::DialogFrame | S::ModalFrame, 2, GlyphSet::Small, "DIALOGTITLE"},
      {"popup with only the border bit", S::Popup | S::Border, 2, GlyphSet::Small, "DIALOGTITLE"},
      {"overlapped without modal frame", S::Caption | S::SystemMenu, 3, GlyphSet::Big, "FORMTITLE"},
  };
  for (const Case& c : cases) {
    const int32_t kind = DialogKindOf(c.Style);
    EXPECT_EQ(kind, c.Kind) << c.Name;
    EXPECT_EQ(DialogGlyphSet(kind, true), c.Glyphs) << c.Name;
    EXPECT_EQ(DialogGlyphSet(kind, false), GlyphSet::Big) << c.Name << ": no small close glyph";
    EXPECT_EQ(DialogTitleSection(kind, true), c.Title) << c.Name;
    EXPECT_EQ(DialogTitleSection(kind, false), "FORMTITLE") << c.Name << ": no DIALOGTITLE in the skin";
  }
}

// The codes of close, maximize, minimize and help, and the menu's items.
TEST(DialogLook, TitleButtonsAndSystemMenuFollowTheSavedStyle) {
  struct Case {
    const char* Name;
    DialogFacts Facts;
    bool Close, MaxMin, Help;
    int32_t CloseHit, MaxHit, MinHit;
    const char* Menu;  // Restore Move Size Minimize Maximize Close
  };
  const uint32_t boxes = S::SystemMenu | S::MaximizeBox | S::MinimizeBox;
  const Case cases[] = {
      {"message box", {S::SystemMenu | S::ModalFrame, 0, 0}, true, false, false, 20, 2, 2, "-- VE -- -- -- VE"},
      {"no system menu bit", {S::ModalFrame, 0, 0}, false, false, false, 20, 2, 2, "-- VE -- -- -- --"},
      {"class forbids closing", {S::SystemMenu, 0, 0, false, false, true}, true, false, false, 0, 2, 2,
       "-- VE -- -- -- VE"},
      {"sizeable with boxes", {boxes | S::SizingFrame, 0, 3}, true, true, false, 20, 9, 8, "V- VE VE VE VE VE"},
      {"modal frame with boxes: not maximizable", {boxes, 0, 0}, true, true, false, 20, 2, 8, "V- VE -- VE V- VE"},
      {"zoomed", {boxes, 0, 3, true}, true, true, false, 20, 9, 8, "VE V- VE VE V- VE"},
      {"iconic without boxes", {S::SystemMenu, 0, 3, false, true}, true, true, false, 20, 2, 2, "-- VE V- -- -- VE"},
      {"iconic with boxes", {boxes, 0, 3, false, true}, true, true, false, 20, 9, 2, "VE VE V- V- VE VE"},
      {"kind 1 cannot be sized", {boxes, 0, 1}, true, true, false, 20, 9, 8, "V- VE V- VE VE VE"},
      {"context help", {S::SystemMenu, WindowStyle::ExContextHelp, 0}, true, false, true, 20, 2, 2,
       "-- VE -- -- -- VE"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DialogShowsClose(c.Facts), c.Close) << c.Name;
    EXPECT_EQ(DialogShowsMaxMin(c.Facts), c.MaxMin) << c.Name;
    EXPECT_EQ(DialogShowsHelp(c.Facts), c.Help) << c.Name;
    EXPECT_EQ(DialogButtonHit(c.Facts, TitleButton::Close), c.CloseHit) << c.Name;
    EXPECT_EQ(DialogButtonHit(c.Facts, TitleButton::Maximize), c.MaxHit) << c.Name;
    EXPECT_EQ(DialogButtonHit(c.Facts, TitleButton::Minimize), c.MinHit) << c.Name;
    EXPECT_EQ(DialogButtonHit(c.Facts, TitleButton::Help), 21) << c.Name;
    EXPECT_EQ(DescribeMenuItems(DialogMenuItems(c.Facts)), c.Menu) << c.Name;
  }
}

}  // namespace
