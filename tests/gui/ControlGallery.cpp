#include "tests/gui/ControlGallery.h"

template <class T>
T* ControlGallery::Place(int left, int top, int width, int height, const char* caption) {
  T* control = TComponent::Create<T>(this);
  control->SetBounds(Screen::Scale(left), Screen::Scale(top), Screen::Scale(width), Screen::Scale(height));
  control->SetCaption(caption);
  control->SetParent(this);
  return control;
}

ControlGallery::ControlGallery(TComponent* owner) : TForm(owner) {
  SetCaption("Control gallery");
  SetClientSize(Screen::Scale(560), Screen::Scale(400));

  Label = Place<TLabel>(8, 10, 150, 13, "Label");
  Edit = Place<TEdit>(8, 28, 150, 21, "Edit");
  Button = Place<TButton>(8, 58, 72, 25, "Button");
  SpeedButton = Place<TSpeedButton>(86, 58, 72, 25, "Speed");
  CheckBox = Place<TCheckBox>(8, 92, 150, 17, "Check box");
  CheckBox->SetChecked(true);
  RadioButton = Place<TRadioButton>(8, 112, 150, 17, "Radio button");
  RadioButton->SetChecked(true);
  DisabledCheckBox = Place<TCheckBox>(8, 132, 150, 17, "Disabled check box");
  DisabledCheckBox->SetEnabled(false);
  GroupBox = Place<TGroupBox>(8, 154, 150, 56, "Group box");
  StaticText = Place<TStaticText>(8, 218, 150, 17, "Static text");
  StaticText->BorderStyle = TStaticBorderStyle::sbsSunken;
  Panel = Place<TPanel>(8, 242, 150, 40, "Panel");
  ScrollBar = Place<TScrollBar>(8, 290, 150, 17);
  ScrollBar->PageSize = 20;
  ScrollBar->SetPosition(30);
  TrackBar = Place<TTrackBar>(8, 312, 150, 30);
  TrackBar->Position = 4;
  UpDown = Place<TUpDown>(8, 346, 17, 24);

  ToolBar = Place<TToolBar>(170, 8, 220, 24);
  for (const char* button : {"Open", "Save", "", "Print"}) ToolBar->AddButton(button);
  ListBox = Place<TListBox>(170, 38, 104, 84);
  for (const char* item : {"First", "Second", "Third", "Fourth", "Fifth", "Sixth", "Seventh"}) ListBox->AddItem(item);
  TreeView = Place<TTreeView>(280, 38, 110, 84);
  const int root = TreeView->AddNode(-1, "Documents");
  TreeView->AddNode(root, "2023");
  TreeView->AddNode(root, "2024");
  TreeView->AddNode(-1, "Pictures");
  ListView = Place<TListView>(170, 130, 220, 84);
  ListView->Columns = {{"Name", 120}, {"Size", 80}};
  ListView->AddItem({"report.pdf", "120 KB"});
  ListView->AddItem({"thesis.pdf", "2 MB"});
  PageControl = Place<TPageControl>(170, 222, 220, 64);
  for (const char* tab : {"General", "Details"}) PageControl->AddTab(tab);
  TabControl = Place<TTabControl>(170, 294, 220, 64);
  for (const char* tab : {"One", "Two", "Three"}) TabControl->AddTab(tab);

  ScrollBox = Place<TScrollBox>(400, 8, 150, 114);
  DisabledButton = Place<TButton>(400, 130, 150, 25, "Disabled button");
  DisabledButton->SetEnabled(false);
  StatusBar = Place<TStatusBar>(0, 378, 560, 22);
  StatusBar->Panels = {{"Ready", 120}, {"Status bar", 0}};
}

std::vector<TWinControl*> ControlGallery::WindowedControls() const {
  return {Edit,    Button,   CheckBox, RadioButton, DisabledCheckBox, DisabledButton, GroupBox,
          StaticText, Panel, ScrollBar, TrackBar,   UpDown,           ToolBar,        ListBox,
          TreeView, ListView, PageControl, TabControl, ScrollBox, StatusBar};
}
