// The control adapter on the control gallery, beside the skinned main window:
// every plain control gets the handler of its class list (labels the skin's
// font colour), engine controls and auxiliary windows are left alone, and
// freeing the adapter gives every control its own look back.
// DR_TEST_PICTURES keeps the gallery's pictures, skinned and unskinned.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/TacEditWnd.h"
#include "skin/controls/sEdit.h"
#include "skin/data/SkinColors.h"
#include "skin/handlers/TacBtnWnd.h"
#include "skin/handlers/TacCheckBoxWnd.h"
#include "skin/handlers/TacListViewWnd.h"
#include "skin/handlers/TacToolBarWnd.h"
#include "skin/handlers/TacTreeViewWnd.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "skin/windows/LabelRecolouring.h"
#include "skin/windows/TacCtrlAdapter.h"
#include "skin/windows/WindowPicture.h"
#include "skin/windows/sSkinProvider.h"
#include "tests/gui/ControlGallery.h"
#include "tests/gui/GuiDriver.h"
#include "toolkit/Application.h"

namespace {

template <class T>
bool Is(const TacMainWnd* handler) {
  return dynamic_cast<const T*>(handler) != nullptr;
}

WNDPROC ProcedureOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)); }

class ControlGalleryTest : public testing::Test {
 protected:
  void SetUp() override {
    SendMouseInput(0, {0, 0});
    driver = std::make_unique<GuiDriver>();
    gallery = std::make_unique<ControlGallery>(Application);
    provider = new TsSkinProvider(gallery.get());
    // An auxiliary window of the engine and an engine control: neither is the adapter's.
    auxiliary = TComponent::Create<TEdit>(gallery.get());
    auxiliary->Tag = 257;
    auxiliary->SetBounds(Screen::Scale(400), Screen::Scale(170), Screen::Scale(150), Screen::Scale(21));
    auxiliary->SetParent(gallery.get());
    engineEdit = TComponent::Create<TsEdit>(gallery.get());
    engineEdit->SetBounds(Screen::Scale(400), Screen::Scale(200), Screen::Scale(150), Screen::Scale(21));
    engineEdit->SetParent(gallery.get());
    gallery->SetBounds(Screen::Scale(60), Screen::Scale(40), gallery->Width(), gallery->Height());
  }
  void TearDown() override {
    DefaultManager()->SetActive(true);
    gallery.reset();
    driver->Pump();
    driver.reset();
  }
  // Shown, the form's provider has its adapter skin the controls.
  void Show() {
    gallery->Show();
    driver->Pump();
    ASSERT_TRUE(provider->Adapter());
  }
  TacCtrlAdapter& Adapter() { return *provider->Adapter(); }
  void Repaint() {
    RedrawWindow(gallery->WindowHandle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    driver->Pump();
  }

  std::unique_ptr<GuiDriver> driver;
  std::unique_ptr<ControlGallery> gallery;
  TsSkinProvider* provider = nullptr;
  TEdit* auxiliary = nullptr;
  TsEdit* engineEdit = nullptr;
};

// Command 25 without a control: the adapter scans the whole form again.
void Rescan(TForm& form, TWinControl* control = nullptr) {
  SendMessageW(form.WindowHandle(), kSkinMessage, SkinCommandParam(AC_ADAPTCONTROL), reinterpret_cast<LPARAM>(control));
}

TEST_F(ControlGalleryTest, EveryPlainControlGetsItsHandlerAndItsOwnLookBackWhenTheSkinIsSwitchedOff) {
  ControlGallery& g = *gallery;
  // The handler each control must get; a control whose class has no handler yet keeps its own look.
  const std::vector<std::pair<TWinControl*, std::function<bool(const TacMainWnd*)>>> expected = {
      {g.Edit, Is<TacEditWnd>},
      {g.ListBox, Is<TacEditWnd>},
      {g.Button, Is<TacBtnWnd>},
      {g.DisabledButton, Is<TacBtnWnd>},
      {g.CheckBox, Is<TacCheckBoxWnd>},
      {g.RadioButton, Is<TacCheckBoxWnd>},
      {g.DisabledCheckBox, Is<TacCheckBoxWnd>},
      {g.ListView, Is<TacListViewWnd>},
      {g.TreeView, Is<TacTreeViewWnd>},
      {g.ToolBar, Is<TacToolBarVCLWnd>},
  };
  const std::vector<TWinControl*> controls = g.WindowedControls();
  g.HandleNeeded();
  std::vector<WNDPROC> ownProcedures;
  for (TWinControl* c : controls) ownProcedures.push_back(ProcedureOf(c->WindowHandle()));
  const WNDPROC auxiliaryProcedure = ProcedureOf(auxiliary->WindowHandle());
  const TColor ownLabelColor = g.Label->Font.Color;
  ASSERT_FALSE(g.Label->Transparent);

  Show();
  for (const auto& [control, isExpected] : expected) {
    const TacMainWnd* handler = Adapter().HandlerOf(*control);
    ASSERT_TRUE(handler) << control->ClassName();
    EXPECT_TRUE(isExpected(handler)) << control->ClassName();
    EXPECT_EQ(FindHandler(control->WindowHandle()), handler) << control->ClassName();
    EXPECT_EQ(SendMessageW(control->WindowHandle(), kSkinMessage, SkinCommandParam(AC_CTRLHANDLED), 0), 1);
  }
  EXPECT_EQ(g.Label->Font.Color, GlobalFontColor(DefaultManager()->Skin()->Colors));
  EXPECT_TRUE(g.Label->Transparent);  // the manager's labels are always transparent
  EXPECT_FALSE(Adapter().HandlerOf(*auxiliary));
  EXPECT_EQ(ProcedureOf(auxiliary->WindowHandle()), auxiliaryProcedure);
  EXPECT_FALSE(Adapter().HandlerOf(*engineEdit));
  Repaint();
  KeepPicture(ComposedWindowPicture(*provider), "adapter-gallery-skinned");

  // A second scan finds every control adapted already and changes nothing.
  const TacMainWnd* editHandler = Adapter().HandlerOf(*g.Edit);
  Rescan(g);
  EXPECT_EQ(Adapter().HandlerOf(*g.Edit), editHandler);

  DefaultManager()->SetActive(false);
  driver->Pump();
  EXPECT_FALSE(provider->Adapter());
  for (size_t i = 0; i < controls.size(); ++i) {
    EXPECT_FALSE(FindHandler(controls[i]->WindowHandle())) << controls[i]->ClassName();
    EXPECT_EQ(ProcedureOf(controls[i]->WindowHandle()), ownProcedures[i]) << controls[i]->ClassName();
  }
  EXPECT_EQ(g.Label->Font.Color, ownLabelColor);
  EXPECT_TRUE(g.Label->ParentFont);
  EXPECT_FALSE(g.Label->Transparent);
  Repaint();
  KeepPicture(CaptureWindow(g.WindowHandle()), "adapter-gallery-unskinned");

  // The skin back: the controls are adapted again.
  DefaultManager()->SetActive(true);
  Repaint();
  ASSERT_TRUE(provider->Adapter());
  EXPECT_TRUE(Is<TacEditWnd>(Adapter().HandlerOf(*g.Edit)));
}

TEST_F(ControlGalleryTest, TheProvidersEventsRefuseAControlOrChooseItsSection) {
  provider->OnSkinItem = [&](TControl* control, bool& canBeAdded, std::string& section) {
    if (control == gallery->Edit) canBeAdded = false;
    if (control == gallery->ListBox) section = "PANEL_LOW";
  };
  Show();
  EXPECT_FALSE(Adapter().HandlerOf(*gallery->Edit));
  EXPECT_FALSE(FindHandler(gallery->Edit->WindowHandle()));
  const TacMainWnd* list = Adapter().HandlerOf(*gallery->ListBox);
  ASSERT_TRUE(list);
  EXPECT_EQ(list->SkinData().SkinSection(), "PANEL_LOW");
}

TEST_F(ControlGalleryTest, NewAndRecreatedWindowsAreAdaptedAndAFreedControlIsForgotten) {
  Show();
  // A control made on the shown form: its window's creation tells the form.
  auto* late = TComponent::Create<TEdit>(gallery.get());
  late->SetBounds(Screen::Scale(400), Screen::Scale(230), Screen::Scale(150), Screen::Scale(21));
  late->SetParent(gallery.get());
  late->HandleNeeded();
  EXPECT_TRUE(Is<TacEditWnd>(Adapter().HandlerOf(*late)));

  gallery->Edit->RecreateWnd();  // the old window's destruction detaches its handler
  Rescan(*gallery, gallery->Edit);
  const TacMainWnd* again = Adapter().HandlerOf(*gallery->Edit);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->Window(), gallery->Edit->WindowHandle());

  delete gallery->ListBox;
  gallery->ListBox = nullptr;
  Rescan(*gallery);  // the freed control's item is dropped, not touched
  DefaultManager()->SetActive(false);
  EXPECT_FALSE(FindHandler(gallery->Edit->WindowHandle()));
}

TEST_F(ControlGalleryTest, AnEventThatFreesTheControlItIsAskedAboutIsSurvived) {
  provider->OnSkinItem = [&](TControl* control, bool&, std::string&) {
    if (control == gallery->Edit) {
      delete gallery->Edit;
      gallery->Edit = nullptr;
    }
  };
  Show();
  EXPECT_TRUE(Adapter().HandlerOf(*gallery->ListBox));
}

}  // namespace
