#include "app/Unit1.h"

#include <shellapi.h>

#include <map>

#include "app/DocumentPath.h"
#include "app/InOutError.h"
#include "app/TargetName.h"
#include "resources/mainwindow/MainWindowDefinition.h"
#include "skin/controls/SkinnedEditsStored.h"
#include "skin/data/ProgramResources.h"
#include "skin/data/sSkinManagerStored.h"
#include "skin/data/sSkinManagerWin.h"
#include "skin/dialogs/DialogWatcher.h"
#include "skin/render/core/SystemColorsWin.h"
#include "toolkit/Application.h"
#include "toolkit/Cp1251.h"

namespace {

constexpr TColor kPlaceholderGrey = 8421504;  // RGB 128, 128, 128

int LocalYear() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return now.wYear;
}

void ShellOpenFolder(HWND owner, const std::wstring& folder) {
  ShellExecuteW(owner, L"open", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void SetFontColor(TControl& control, TColor color) {
  control.Font.Color = color;
  control.Font.Changed();
}

bool SystemMove(const std::wstring& from, const std::wstring& to) { return MoveFileW(from.c_str(), to.c_str()); }

// Renames; a change of letter case alone goes through a temporary name,
// because some file systems take a case-only rename as a no-op. When the
// second move fails, the first is undone, so that a failed rename leaves the
// document under the name the program still shows.
bool RenameFile(const std::wstring& from, const std::wstring& to) {
  const auto& move = Unit1Seams().Move;
  if (from != to && CompareStringOrdinal(from.c_str(), -1, to.c_str(), -1, TRUE) == CSTR_EQUAL) {
    const std::wstring temporary = to + L".renaming";
    if (!move(from, temporary)) return false;
    if (move(temporary, to)) return true;
    move(temporary, from);
    return false;
  }
  return move(from, to);
}

template <class T>
T* Field(TComponent& form, const char* name) {
  auto* component = dynamic_cast<T*>(form.FindComponent(name));
  if (!component) throw std::runtime_error(std::string("Component ") + name + " is missing");
  return component;
}

}  // namespace

TForm1Seams& Unit1Seams() {
  static TForm1Seams seams{LocalYear, ShellOpenFolder, SystemMove};
  return seams;
}

TForm1::TForm1(TComponent* owner) : TForm(owner) {
  using Notify = void (TForm1::*)(TObject*);
  static const std::map<std::string, Notify> notify = {
      {"FormCreate", &TForm1::FormCreate},         {"changeText", &TForm1::changeText},
      {"textGreyOn", &TForm1::textGreyOn},         {"textGreyOff", &TForm1::textGreyOff},
      {"Memo1Change", &TForm1::Memo1Change},       {"Memo1Enter", &TForm1::Memo1Enter},
      {"Memo1Exit", &TForm1::Memo1Exit},           {"fileOpen", &TForm1::fileOpen},
      {"btnRenameClick", &TForm1::btnRenameClick}, {"SpeedButton2Click", &TForm1::SpeedButton2Click},
      {"btnExitClick", &TForm1::btnExitClick},
  };
  TFormMethods methods;
  methods.Notify = [this](const std::string& name) -> TNotifyEvent {
    auto it = notify.find(name);
    if (it == notify.end()) return {};
    return [this, m = it->second](TObject* sender) { (this->*m)(sender); };
  };
  methods.KeyPress = [this](const std::string& name) -> TKeyPressEvent {
    if (name == "FormKeyPress") return [this](TObject* s, char& k) { FormKeyPress(s, k); };
    if (name == "n_knigiKeyPress") return [this](TObject* s, char& k) { n_knigiKeyPress(s, k); };
    return {};
  };
  methods.Mouse = [this](const std::string& name) -> TMouseEvent {
    if (name == "FormMouseDown") return [this](TObject* s, TMouseButton b, int x, int y) { FormMouseDown(s, b, x, y); };
    return {};
  };
  RegisterBuiltinGlyphs();
  RegisterSkinManagerClass();
  RegisterSkinnedEditClasses();
  RegisterComboBoxClass();
  RegisterSpeedButtonClass();
  RegisterLabelClass();
  RegisterSkinProviderClass();
  ReadForm(*this, MainWindowDefinition(), methods);
  SpeedButton1 = Field<TsSpeedButton>(*this, "SpeedButton1");
  btnExit = Field<TsSpeedButton>(*this, "btnExit");
  btnRename = Field<TsSpeedButton>(*this, "btnRename");
  Label2 = Field<TsLabel>(*this, "Label2");
  SpeedButton2 = Field<TsSpeedButton>(*this, "SpeedButton2");
  n_knigi = Field<TsEdit>(*this, "n_knigi");
  years = Field<TsComboBox>(*this, "years");
  workName = Field<TsEdit>(*this, "workName");
  fileTransl = Field<TsEdit>(*this, "fileTransl");
  fileAdded = Field<TsEdit>(*this, "fileAdded");
  workType = Field<TsComboBox>(*this, "workType");
  Memo1 = Field<TsMemo>(*this, "Memo1");
  OpenDialog = Field<TOpenDialog>(*this, "OpenDialog");
  sSkinManager1 = Field<TsSkinManager>(*this, "sSkinManager1");
  sSkinProvider1 = Field<TsSkinProvider>(*this, "sSkinProvider1");
  HandleNeeded();
  DoCreate();
}

void TForm1::FormCreate(TObject*) {
  DragAcceptFiles(Handle(), TRUE);
  numberPlaceholder = Ru("№ зач. книжки");
  titlePlaceholder = Ru("Название работы");
  filePlaceholder = Ru("Выберите файл PDF");
  int year = Unit1Seams().CurrentYear();
  currentYear = std::to_string(year);
  for (int i = 0; i <= 5; ++i) years->Items.Add(std::to_string(year - i));
  years->SetItemIndex(0);
  n_knigi->SetText(numberPlaceholder);
  workName->SetText(titlePlaceholder);
  fileAdded->SetText(filePlaceholder);
  for (TControl* c : std::initializer_list<TControl*>{n_knigi, workName, fileAdded, Memo1}) SetFontColor(*c, kPlaceholderGrey);
  SetFontColor(*fileTransl, clBlack);
  DWORD length = GetCurrentDirectoryW(0, nullptr);
  std::wstring folder(length, L'\0');
  folder.resize(GetCurrentDirectoryW(length, folder.data()));
  OpenDialog->InitialDir = folder;
  OpenDialog->Options = int(TOpenOption::ofFileMustExist);
  OpenDialog->Filter = "PDF - Portable Document Format|*.pdf";
  OpenDialog->FilterIndex = 1;
  Memo1->Lines.Add(titlePlaceholder);
}

void TForm1::FormKeyPress(TObject*, char& key) {
  if (key != '\r') return;
  key = 0;
  SendMessageW(Handle(), WM_NEXTDLGCTL, 0, 0);
}

void TForm1::n_knigiKeyPress(TObject*, char& key) {
  if ((key < '0' || key > '9') && key != '\b' && key != '\r') key = 0;
}

void TForm1::FormMouseDown(TObject*, TMouseButton, int, int) {
  ReleaseCapture();
  SendMessageW(Handle(), WM_SYSCOMMAND, 0xF012, 0);  // SC_MOVE + HTCAPTION: move as if by the caption
}

const std::string& TForm1::PlaceholderFor(int tag) const {
  static const std::string none;
  switch (tag) {
    case 0: return numberPlaceholder;
    case 1: return titlePlaceholder;
    case 2: return filePlaceholder;
  }
  return none;
}

void TForm1::textGreyOn(TObject* sender) {
  auto* edit = dynamic_cast<TCustomEdit*>(sender);
  if (!edit || edit->Text() != PlaceholderFor(edit->Tag)) return;
  edit->Clear();
  SetFontColor(*edit, clWindowText);
}

void TForm1::textGreyOff(TObject* sender) {
  auto* edit = dynamic_cast<TCustomEdit*>(sender);
  if (!edit || !edit->Text().empty()) return;
  edit->SetText(PlaceholderFor(edit->Tag));
  SetFontColor(*edit, kPlaceholderGrey);
}

void TForm1::Memo1Enter(TObject*) {
  if (Memo1->Lines[0] != titlePlaceholder) return;
  Memo1->Clear();
  SetFontColor(*Memo1, clWindowText);
}

void TForm1::Memo1Exit(TObject*) {
  if (!Memo1->Lines[0].empty()) return;
  Memo1->Lines.Add(titlePlaceholder);
  SetFontColor(*Memo1, kPlaceholderGrey);
}

void TForm1::Memo1Change(TObject*) {
  workName->Clear();
  for (int i = 0, count = Memo1->Lines.Count(); i < count; ++i) workName->SetText(workName->Text() + Memo1->Lines[i]);
}

bool TForm1::InputsIncomplete() const {
  return IsFieldEmpty(n_knigi->Text(), numberPlaceholder) || IsFieldEmpty(workName->Text(), titlePlaceholder) ||
         IsFieldEmpty(fileAdded->Text(), filePlaceholder);
}

void TForm1::changeText(TObject*) {
  if (InputsIncomplete()) {
    fileTransl->SetText(Ru("Введите все поля и выберите файл"));
    return;
  }
  workCode = WorkCodeFor(workType->ItemIndex(), workType->Items.Count());
  std::string composed = ComposeName(n_knigi->Text(), years->Text(), workCode, workName->Text());
  newSidecarName = composed + ".txt";
  targetName = composed + ".pdf";
  fileTransl->SetText(targetName);
}

void TForm1::TakeFile(const std::wstring& path) {
  sourcePath = path;
  sourceName = FileNamePart(path);
  sourceFolder = FolderPart(path);
  changeText(this);
  fileAdded->SetText(Cp1251::FromWide(sourceName));
  staleSidecarName = SidecarNameFor(sourceName);
}

void TForm1::fileOpen(TObject*) {
  if (OpenDialog->Execute()) TakeFile(OpenDialog->FileName);
}

void TForm1::WMDropFiles(HDROP drop) {
  struct Release {
    HDROP drop;
    ~Release() { DragFinish(drop); }
  } release{drop};
  // The buffer takes the whole name, so a long path is never cut short.
  UINT length = DragQueryFileW(drop, 0, nullptr, 0);
  if (length == 0) return;
  std::wstring name(size_t(length) + 1, L'\0');
  name.resize(DragQueryFileW(drop, 0, name.data(), length + 1));
  if (name.empty() || ExtensionOf(name) != L".pdf") return;
  TakeFile(name);
}

void TForm1::WriteSidecar(const std::wstring& path, const std::string& text) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw EInOutError(int(GetLastError()));
  std::string bytes = text + "\r\n";
  DWORD written = 0;
  bool ok = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
  int error = ok ? (written == bytes.size() ? 0 : 101) : int(GetLastError());  // 101: the disk took less
  if (!CloseHandle(file) && !error) error = int(GetLastError());
  if (error) throw EInOutError(error);
}

void TForm1::btnRenameClick(TObject*) {
  if (InputsIncomplete()) {
    ShowMessagePos(Ru("Пожалуйста заполните все поля"), Left() + 75, Top() + 80);
    return;
  }
  std::wstring target = sourceFolder + Cp1251::ToWide(targetName);
  if (!RenameFile(sourcePath, target)) {
    MessageDlgPos(Ru("Произошла ошибка при переименовании, файл открыт или отсутствует."), TMsgDlgType::mtError,
                  Left() - 70, Top() + 80);
    return;
  }
  std::wstring stale = sourceFolder + staleSidecarName;
  if (GetFileAttributesW(stale.c_str()) != INVALID_FILE_ATTRIBUTES) DeleteFileW(stale.c_str());
  staleSidecarName = Cp1251::ToWide(newSidecarName);
  fileAdded->SetText(targetName);
  sourcePath = target;
  ShowMessagePos(Ru("Файл успешно переименован"), Left() + 75, Top() + 80);
  WriteSidecar(sourceFolder + Cp1251::ToWide(newSidecarName), workName->Text());
}

void TForm1::SpeedButton2Click(TObject*) { Unit1Seams().OpenFolder(Handle(), sourceFolder); }

void TForm1::btnExitClick(TObject*) { Close(); }

LRESULT TForm1::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_DROPFILES: return OnDropFiles(reinterpret_cast<HDROP>(message.WParam));
    default:           return TForm::WndProc(message);
  }
}

LRESULT TForm1::OnDropFiles(HDROP drop) {
  WMDropFiles(drop);
  return 0;
}

void StartDocRenamer() {
  new TApplication();
  Application->Initialize();
  UseSystemColorsOfWindows();
  Application->SetTitle(Ru("Переименование документов"));
  ShowEngineVersionIfAsked();
  ProgramSkinHost().SetBuiltins(&ProgramPictures());
  // Messages and the open-file dialog wear the skin too: the manager watches for them once it applies a skin.
  InstallSystemDialogSkinning();
  TForm1* form;
  Application->CreateForm(form);
}

int RunDocRenamer() {
  int exitCode = 0;
  try {
    StartDocRenamer();
    Application->Run();
  } catch (...) {
    // A window that cannot be built is reported like any other error, then the program ends.
    if (Application) Application->HandleException(std::current_exception());
    exitCode = 1;
  }
  delete Application;
  return exitCode;
}
