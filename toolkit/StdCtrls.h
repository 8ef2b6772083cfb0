#pragma once
// The standard controls: edit, memo, combo box, push button, label.
#include <vector>

#include "toolkit/WinControl.h"

enum class TBorderStyle { bsNone, bsSingle };

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);
  int MaxLength = 0;  // 0: no limit
  bool ReadOnly = false;
  bool AutoSelect = true;
  bool Ctl3D = true;  // false: a flat one-pixel border
  TBorderStyle BorderStyle = TBorderStyle::bsSingle;
  TNotifyEvent OnChange;

  void SetText(const std::string& text) override;
  void SetReadOnly(bool readOnly);
  void SetMaxLength(int maxLength);
  void Clear() { SetText(""); }
  LRESULT WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WindowCreated() override;
  virtual void Change();

 private:
  LRESULT OnCommand(UINT code);
  LRESULT OnSetFocus(TMessage& message);
  bool settingText_ = false;  // our own text change raises Change once, whatever the system notifies
};

class TEdit : public TCustomEdit {
 public:
  explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
  std::string ClassName() const override { return "TEdit"; }
};

class TMemo;
// The memo's hard lines: the text split at CR LF. A long line that wraps on
// screen is still one line here.
class TMemoLines {
 public:
  explicit TMemoLines(TMemo& memo) : memo_(memo) {}
  int Count() const;
  std::string operator[](int index) const;
  void Add(const std::string& line);
  void Clear();

 private:
  std::vector<std::string> Split() const;
  TMemo& memo_;
};

class TMemo : public TCustomEdit {
 public:
  explicit TMemo(TComponent* owner);
  std::string ClassName() const override { return "TMemo"; }
  bool WordWrap = true;
  bool WantTabs = false;
  TMemoLines Lines{*this};

 protected:
  void CreateParams(TCreateParams& params) override;
  friend class TMemoLines;
};

enum class TComboBoxStyle { csDropDownList, csOwnerDrawFixed };
using TDrawItemEvent = std::function<void(TObject* sender, int index, const RECT& rect, UINT state, HDC dc)>;

class TComboBox;
class TComboItems {
 public:
  explicit TComboItems(TComboBox& combo) : combo_(combo) {}
  int Count() const { return int(items_.size()); }
  const std::string& operator[](int index) const { return items_.at(size_t(index)); }
  void Add(const std::string& item);
  void Clear();
  void Assign(const std::vector<std::string>& items);

 private:
  friend class TComboBox;
  TComboBox& combo_;
  std::vector<std::string> items_;
};

class TComboBox : public TWinControl {
 public:
  explicit TComboBox(TComponent* owner);
  std::string ClassName() const override { return "TComboBox"; }
  TComboBoxStyle Style = TComboBoxStyle::csDropDownList;
  int ItemHeight = 16;
  int DropDownCount = 8;
  bool AutoComplete = true;  // kept for the stored definition; the system list's own key selection applies
  bool Ctl3D = true;
  TComboItems Items{*this};
  TNotifyEvent OnChange;
  TDrawItemEvent OnDrawItem;

  int ItemIndex() const;
  void SetItemIndex(int index);  // does not raise OnChange
  std::string Text() const override;
  LRESULT WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WindowCreated() override;
  void BoundsChanged() override;

 private:
  friend class TComboItems;
  LRESULT OnCommand(UINT code);
  LRESULT OnOwnerDraw(const DRAWITEMSTRUCT& item);
  LRESULT OnOwnerMeasure(MEASUREITEMSTRUCT& item);
  LRESULT OnFontChanged(TMessage& message);
  // Every new font makes the system work the selection field's height out anew.
  void KeepFieldHeight();
  void DrawItem(const DRAWITEMSTRUCT& item);
  int itemIndex_ = -1;
  int fieldHeight_ = 0;  // the closed control's height the layout asked for
};

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);
  std::string ClassName() const override { return "TButton"; }
  bool Default = false;
  bool Cancel = false;
  int ModalResult = 0;
  void Click() override;
  LRESULT WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  LRESULT OnCommand(UINT code);
};

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);
  std::string ClassName() const override { return "TLabel"; }
  bool Transparent = false;
  bool WordWrap = false;
  bool AutoSize = true;  // a single-line label takes the width and height of its text
  void Loaded() override;
  LRESULT WndProc(TMessage& message) override;
  // The colour the caption is written in: the font's, grey when disabled.
  virtual TColor TextColor() const;

 protected:
  void Paint(HDC dc) override;

 private:
  LRESULT OnLookChanged(TMessage& message);
  void AdjustBounds();
};

// A check box or radio button: a system button that keeps its own check mark.
class TButtonControl : public TWinControl {
 public:
  explicit TButtonControl(TComponent* owner);
  bool Checked() const;
  void SetChecked(bool checked);

 protected:
  void WindowCreated() override;

 private:
  bool checked_ = false;  // kept while there is no window
};

class TCheckBox : public TButtonControl {
 public:
  explicit TCheckBox(TComponent* owner) : TButtonControl(owner) {}
  std::string ClassName() const override { return "TCheckBox"; }

 protected:
  void CreateParams(TCreateParams& params) override;
};

class TRadioButton : public TButtonControl {
 public:
  explicit TRadioButton(TComponent* owner) : TButtonControl(owner) {}
  std::string ClassName() const override { return "TRadioButton"; }

 protected:
  void CreateParams(TCreateParams& params) override;
};

// A captioned frame around other controls.
class TGroupBox : public TWinControl {
 public:
  explicit TGroupBox(TComponent* owner) : TWinControl(owner) {}
  std::string ClassName() const override { return "TGroupBox"; }

 protected:
  void CreateParams(TCreateParams& params) override;
  // The system's group box leaves its inside to the parent, which clips its children out.
  bool FillsBackground() const override { return true; }
};

enum class TStaticBorderStyle { sbsNone, sbsSingle, sbsSunken };

// A label with a window of its own.
class TStaticText : public TWinControl {
 public:
  explicit TStaticText(TComponent* owner) : TWinControl(owner) {}
  std::string ClassName() const override { return "TStaticText"; }
  TStaticBorderStyle BorderStyle = TStaticBorderStyle::sbsNone;

 protected:
  void CreateParams(TCreateParams& params) override;
};

class TListBox : public TWinControl {
 public:
  explicit TListBox(TComponent* owner);
  std::string ClassName() const override { return "TListBox"; }
  const std::vector<std::string>& Items() const { return items_; }
  void AddItem(const std::string& item);  // 1251

 protected:
  void CreateParams(TCreateParams& params) override;
  void WindowCreated() override;

 private:
  std::vector<std::string> items_;
};

enum class TScrollBarKind { sbHorizontal, sbVertical };

class TScrollBar : public TWinControl {
 public:
  explicit TScrollBar(TComponent* owner) : TWinControl(owner) {}
  std::string ClassName() const override { return "TScrollBar"; }
  TScrollBarKind Kind = TScrollBarKind::sbHorizontal;
  int Min = 0;
  int Max = 100;
  int PageSize = 0;
  int Position() const;
  void SetPosition(int position);

 protected:
  void CreateParams(TCreateParams& params) override;
  void WindowCreated() override;

 private:
  void ApplyRange();
  int position_ = 0;
};
