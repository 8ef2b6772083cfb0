#pragma once
// The common controls: list view, tree view, page and tab controls, tool
// bar, status bar, up-down and track bar. Thin wrappers of the system's
// controls: the window of the right class and styles, and the few settings
// a form needs; items given before the window exists are added when it is made.
#include <string>
#include <vector>

#include "toolkit/WinControl.h"

// The system's common control classes, registered once per process.
void InitCommonControlClasses();

class TCommonControl : public TWinControl {
 public:
  explicit TCommonControl(TComponent* owner) : TWinControl(owner) {}

 protected:
  // Registers the common control classes and superclasses `systemClass`.
  void UseSystemClass(TCreateParams& params, const wchar_t* systemClass);
};

struct TListColumn {
  std::string Caption;  // 1251
  int Width = 80;
};

// A report-style list: columns with a header, one row per item.
class TListView : public TCommonControl {
 public:
  explicit TListView(TComponent* owner);
  std::string ClassName() const override { return "TListView"; }
  std::vector<TListColumn> Columns;        // before the window is made
  void AddItem(const std::vector<std::string>& cells);  // the caption, then one text per further column

 protected:
  void CreateParams(TCreateParams& params) override;
  void WindowCreated() override;

 private:
  void InsertItem(int index, const std::vector<std::string>& cells);
  std::vector<std::vector<std::string>> items_;
};

class TTreeView : public TCommonControl {
 public:
  explicit TTreeView(TComponent* owner);
  std::string ClassName() const override { return "TTreeView"; }
  // A node under `parent` (an index returned before, or -1 for a root); returns the new node's index.
  int AddNode(int parent, const std::string& text);

 protected:
  void CreateParams(TCreateParams& params) override;
  void WindowCreated() override;

 private:
  struct Node {
    int Parent;
    std::string Text;
  };
  void InsertNode(size_t index);
  std::vector<Node> nodes_;
  std::vector<void*> handles_;  // the system's item of each node
};

// Tabs across the top; TPageControl shows one page per tab.
class TTabControl : public TCommonControl {
 public:
  explicit TTabControl(TComponent* owner) : TCommonControl(owner) { TabStop = true; }
  std::string ClassName() const override { return "TTabControl"; }
  void AddTab(const std::string& caption);
  int TabIndex() const;
  void SetTabIndex(int index);

 protected:
  void CreateParams(TCreateParams& params) override;
  void WindowCreated() override;

 private:
  void InsertTab(int index);
  std::vector<std::string> tabs_;
  int tabIndex_ = 0;
};

class TPageControl : public TTabControl {
 public:
  explicit TPageControl(TComponent* owner) : TTabControl(owner) {}
  std::string ClassName() const override { return "TPageControl"; }
};

class TToolBar : public TCommonControl {
 public:
  explicit TToolBar(TComponent* owner) : TCommonControl(owner) {}
  std::string ClassName() const override { return "TToolBar"; }
  void AddButton(const std::string& caption);  // an empty caption adds a separator

 protected:
  void CreateParams(TCreateParams& params) override;
  void WindowCreated() override;
  bool FillsBackground() const override { return true; }  // the system's tool bar class has no brush

 private:
  void InsertButton(size_t index);
  std::vector<std::string> buttons_;
};

class TStatusBar : public TCommonControl {
 public:
  explicit TStatusBar(TComponent* owner) : TCommonControl(owner) {}
  std::string ClassName() const override { return "TStatusBar"; }
  struct Panel {
    std::string Text;  // 1251
    int Width = 100;   // the last panel takes the rest
  };
  std::vector<Panel> Panels;  // before the window is made

 protected:
  void CreateParams(TCreateParams& params) override;
  void WindowCreated() override;
};

class TUpDown : public TCommonControl {
 public:
  explicit TUpDown(TComponent* owner) : TCommonControl(owner) {}
  std::string ClassName() const override { return "TUpDown"; }
  int Min = 0;
  int Max = 100;
  int Position = 0;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WindowCreated() override;
};

class TTrackBar : public TCommonControl {
 public:
  explicit TTrackBar(TComponent* owner) : TCommonControl(owner) { TabStop = true; }
  std::string ClassName() const override { return "TTrackBar"; }
  int Min = 0;
  int Max = 10;
  int Position = 0;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WindowCreated() override;
};
