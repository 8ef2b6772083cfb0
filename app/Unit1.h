#pragma once
// The renamer's main window: four inputs, the chosen PDF, the composed target
// name and three buttons.
#include <functional>
#include <string>

#include "skin/controls/sComboBox.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sMemo.h"
#include "skin/controls/sSpeedButton.h"
#include "skin/data/sSkinManager.h"
#include "skin/windows/sSkinProvider.h"
#include "toolkit/Buttons.h"
#include "toolkit/Dialogs.h"
#include "toolkit/StdCtrls.h"

// Outside effects, replaceable by tests.
struct TForm1Seams {
  std::function<int()> CurrentYear;                                  // the local calendar year
  std::function<void(HWND owner, const std::wstring& folder)> OpenFolder;  // asks the shell to open it
  // Moves a file with MoveFile semantics (fails when the target exists or the
  // source is missing or held open); false when it did not move.
  std::function<bool(const std::wstring& from, const std::wstring& to)> Move;
};
TForm1Seams& Unit1Seams();

class TForm1 : public TForm {
 public:
  explicit TForm1(TComponent* owner);
  std::string ClassName() const override { return "TForm1"; }

  TsSpeedButton* SpeedButton1;
  TsSpeedButton* btnExit;
  TsSpeedButton* btnRename;
  TsLabel* Label2;
  TsSpeedButton* SpeedButton2;
  TsEdit* n_knigi;
  TsComboBox* years;
  TsEdit* workName;
  TsEdit* fileTransl;
  TsEdit* fileAdded;
  TsComboBox* workType;
  TsMemo* Memo1;
  TOpenDialog* OpenDialog;
  TsSkinManager* sSkinManager1;
  TsSkinProvider* sSkinProvider1;

  // Handlers named by the stored definition.
  void FormCreate(TObject* sender);
  void FormKeyPress(TObject* sender, char& key);
  void FormMouseDown(TObject* sender, TMouseButton button, int x, int y);
  void changeText(TObject* sender);
  void textGreyOn(TObject* sender);
  void textGreyOff(TObject* sender);
  void n_knigiKeyPress(TObject* sender, char& key);
  void Memo1Change(TObject* sender);
  void Memo1Enter(TObject* sender);
  void Memo1Exit(TObject* sender);
  void fileOpen(TObject* sender);
  void btnRenameClick(TObject* sender);
  void SpeedButton2Click(TObject* sender);
  void btnExitClick(TObject* sender);
  void WMDropFiles(HDROP drop);

  LRESULT WndProc(TMessage& message) override;

  // Texts kept for the life of the window (1251).
  std::string numberPlaceholder, titlePlaceholder, filePlaceholder;
  std::string currentYear;
  // The last complete composition.
  std::string workCode, targetName, newSidecarName;
  // The current document; paths stay UTF-16.
  std::wstring sourcePath, sourceName, sourceFolder, staleSidecarName;

 private:
  LRESULT OnDropFiles(HDROP drop);
  void TakeFile(const std::wstring& path);
  void WriteSidecar(const std::wstring& path, const std::string& text);
  bool InputsIncomplete() const;
  const std::string& PlaceholderFor(int tag) const;
};

// The program: application object, title, the engine version when the
// command line asks for it, the skin engine's pictures, main window. Start
// leaves the window created but not shown; Run shows it and runs the message loop.
void StartDocRenamer();
int RunDocRenamer();
