#pragma once
// The open-file dialog and the toolkit's message windows.
#include <string>

#include "toolkit/Forms.h"

enum class TOpenOption { ofHideReadOnly = 1, ofFileMustExist = 2, ofEnableSizing = 4 };
constexpr int operator|(TOpenOption a, TOpenOption b) { return int(a) | int(b); }

class TOpenDialog : public TComponent {
 public:
  explicit TOpenDialog(TComponent* owner) : TComponent(owner) {}
  std::string ClassName() const override { return "TOpenDialog"; }

  std::wstring InitialDir;
  std::wstring FileName;  // the chosen file's full path after Execute
  std::string Filter;     // 1251, "description|pattern|description|pattern"
  int FilterIndex = 1;
  int Options = int(TOpenOption::ofHideReadOnly) | int(TOpenOption::ofEnableSizing);

  // Shows the dialog; true when the user chose a file.
  bool Execute();
};

enum class TMsgDlgType { mtCustom, mtError };

// A message window: an optional icon, the text and one "OK" button.
class TMessageForm : public TForm {
 public:
  explicit TMessageForm(TComponent* owner) : TForm(owner) {}
  std::string ClassName() const override { return "TMessageForm"; }
};

// Builds a message window; caption: the application title for mtCustom, "Error" for mtError.
TMessageForm* CreateMessageDialog(const std::string& text, TMsgDlgType type);
// Shows a message window modally with its frame's top-left corner at (x, y) on the screen.
int MessageDlgPos(const std::string& text, TMsgDlgType type, int x, int y);
void ShowMessagePos(const std::string& text, int x, int y);
// A plain message window (the application title, no icon) at the centre of the desktop.
void ShowMessage(const std::string& text);
