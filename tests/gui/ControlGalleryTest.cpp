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

class GalleryHost final : public AdapterHost {
 public:
  explicit GalleryHost(TCustomForm& form) : form_(form) {}
  TCustomForm& Form() const override { return form_; }
  TsSkinManager* Manager() const override { return DefaultManager(); }
  bool AllowSkin3rdParty() const override { return true; }
  const ThirdPartyList& OwnLists() const override { return Own; }
  const SkinItemEvents& Events() const override { return ItemEvents; }
  LabelRecolouring& Labels() override { return Recoloured; }

  ThirdPartyList Own;
  SkinItemEvents ItemEvents;
  LabelRecolouring Recoloured;

 private:
  TCustomForm& form_;
};

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
    gallery->Show();
    host = std::make_unique<GalleryHost>(*gallery);
    driver->Pump();
  }
  void TearDown() override {
    adapter.reset();
    host.reset();
    gallery.reset();
    driver->Pump();
    driver.reset();
  }
  void Adapt() {
    if (!adapter) adapter = std::make_unique<TacCtrlAdapter>(*host);
    adapter->Scan();
    driver->Pump();
  }
  // The adapter freed and the labels given back, as when the skin is removed.
  void GiveBack() {
    adapter.reset();
    host->Recoloured.GiveBack();
    driver->Pump();
  }
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
  std::unique_ptr<GalleryHost> host;
  std::unique_ptr<TacCtrlAdapter> adapter;
};

TEST_F(ControlGalleryTest, EveryPlainControlGetsItsHandlerAndItsOwnLookBack) {
  ControlGallery& g = *gallery;
  // The handler each control must get; none where its class has no handler yet (it keeps its own look).
  const std::vector<std::pair<TWinControl*, std::function<bool(const TacMainWnd*)>>> expected = {
      {g.Edit, Is<TacEditWnd>},
      {g.ListBox, Is<TacEditWnd>},
  };
  std::vector<WNDPROC> ownProcedures;
  for (TWinControl* c : g.WindowedControls()) ownProcedures.push_back(ProcedureOf(c->WindowHandle()));
  const WNDPROC auxiliaryProcedure = ProcedureOf(auxiliary->WindowHandle());
  const TacMainWnd* engineHandler = FindHandler(engineEdit->WindowHandle());
  const TColor ownLabelColor = g.Label->Font.Color;
  ASSERT_FALSE(g.Label->Transparent);

  Adapt();
  for (const auto& [control, isExpected] : expected) {
    const TacMainWnd* handler = adapter->HandlerOf(*control);
    ASSERT_TRUE(handler) << control->ClassName();
    EXPECT_TRUE(isExpected(handler)) << control->ClassName();
    EXPECT_EQ(FindHandler(control->WindowHandle()), handler) << control->ClassName();
    EXPECT_EQ(SendMessageW(control->WindowHandle(), kSkinMessage, SkinCommandParam(AC_CTRLHANDLED), 0), 1);
  }
  EXPECT_EQ(g.Label->Font.Color, GlobalFontColor(DefaultManager()->Skin()->Colors));
  EXPECT_TRUE(g.Label->Transparent);  // the manager's labels are always transparent
  EXPECT_FALSE(adapter->HandlerOf(*auxiliary));
  EXPECT_EQ(ProcedureOf(auxiliary->WindowHandle()), auxiliaryProcedure);
  EXPECT_FALSE(adapter->HandlerOf(*engineEdit));
  EXPECT_EQ(FindHandler(engineEdit->WindowHandle()), engineHandler);
  Repaint();
  KeepPicture(ComposedWindowPicture(*provider), "adapter-gallery-skinned");

  // A second scan finds every control adapted already and changes nothing.
  const TacMainWnd* editHandler = adapter->HandlerOf(*g.Edit);
  Adapt();
  EXPECT_EQ(adapter->HandlerOf(*g.Edit), editHandler);

  GiveBack();
  std::vector<TWinControl*> controls = g.WindowedControls();
  for (size_t i = 0; i < controls.size(); ++i) {
    EXPECT_FALSE(FindHandler(controls[i]->WindowHandle())) << controls[i]->ClassName();
    EXPECT_EQ(ProcedureOf(controls[i]->WindowHandle()), ownProcedures[i]) << controls[i]->ClassName();
  }
  EXPECT_EQ(g.Label->Font.Color, ownLabelColor);
  EXPECT_TRUE(g.Label->ParentFont);
  EXPECT_FALSE(g.Label->Transparent);
}

TEST_F(ControlGalleryTest, TheProvidersEventsRefuseAControlOrChooseItsSection) {
  host->ItemEvents.OnSkinItem = [&](TControl* control, bool& canBeAdded, std::string& section) {
    if (control == gallery->Edit) canBeAdded = false;
    if (control == gallery->ListBox) section = "PANEL_LOW";
  };
  Adapt();
  EXPECT_FALSE(adapter->HandlerOf(*gallery->Edit));
  EXPECT_FALSE(FindHandler(gallery->Edit->WindowHandle()));
  const TacMainWnd* list = adapter->HandlerOf(*gallery->ListBox);
  ASSERT_TRUE(list);
  EXPECT_EQ(list->SkinData().SkinSection(), "PANEL_LOW");
}

TEST_F(ControlGalleryTest, ARecreatedWindowIsAdaptedAgainAndAFreedControlIsForgotten) {
  Adapt();
  ASSERT_TRUE(adapter->HandlerOf(*gallery->Edit));
  gallery->Edit->RecreateWnd();  // the old window's destruction detaches its handler
  EXPECT_FALSE(adapter->HandlerOf(*gallery->Edit));
  Adapt();
  const TacMainWnd* again = adapter->HandlerOf(*gallery->Edit);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->Window(), gallery->Edit->WindowHandle());

  delete gallery->ListBox;
  gallery->ListBox = nullptr;
  Adapt();  // the freed control's item is dropped, not touched
  adapter.reset();
  EXPECT_FALSE(FindHandler(gallery->Edit->WindowHandle()));
}

TEST_F(ControlGalleryTest, AnEventThatFreesTheControlItIsAskedAboutIsSurvived) {
  host->ItemEvents.OnSkinItem = [&](TControl* control, bool&, std::string&) {
    if (control == gallery->Edit) {
      delete gallery->Edit;
      gallery->Edit = nullptr;
    }
  };
  Adapt();
  EXPECT_TRUE(adapter->HandlerOf(*gallery->ListBox));
}

TEST_F(ControlGalleryTest, TheGalleryWithTheSkinSwitchedOff) {
  TsSkinManager& manager = *DefaultManager();
  struct SkinOff {
    TsSkinManager& m;
    ~SkinOff() { m.SetActive(true); }
  } off{manager};
  manager.SetActive(false);
  Repaint();
  EXPECT_FALSE(provider->Skinned());
  KeepPicture(CaptureWindow(gallery->WindowHandle()), "adapter-gallery-unskinned");
}

}  // namespace
