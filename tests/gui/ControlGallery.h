#pragma once
// A form holding one of each of the toolkit's plain controls (two of them
// disabled): what the control adapter skins, and a sheet for skin authors.
#include <vector>

#include "toolkit/Buttons.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

class ControlGallery : public TForm {
 public:
  explicit ControlGallery(TComponent* owner);

  TLabel* Label;
  TEdit* Edit;
  TButton* Button;
  TSpeedButton* SpeedButton;
  TCheckBox* CheckBox;
  TRadioButton* RadioButton;
  TCheckBox* DisabledCheckBox;
  TButton* DisabledButton;
  TGroupBox* GroupBox;
  TStaticText* StaticText;
  TPanel* Panel;
  TScrollBar* ScrollBar;
  TTrackBar* TrackBar;
  TUpDown* UpDown;
  TToolBar* ToolBar;
  TListBox* ListBox;
  TTreeView* TreeView;
  TListView* ListView;
  TPageControl* PageControl;
  TTabControl* TabControl;
  TScrollBox* ScrollBox;
  TStatusBar* StatusBar;

  // Every windowed control above.
  std::vector<TWinControl*> WindowedControls() const;

 private:
  // A control of class T on the form at a place given for 96 dpi.
  template <class T>
  T* Place(int left, int top, int width, int height, const char* caption = "");
};
