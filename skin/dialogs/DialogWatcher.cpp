#include "skin/dialogs/DialogWatcher.h"

#include <algorithm>

#include "skin/data/SkinCommands.h"
#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinManagerWin.h"
#include "skin/dialogs/TacProvider.h"
#include "skin/windows/sSkinProvider.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"

namespace {

// One watch for the thread: the hook procedure has no other way to its watcher.
std::unique_ptr<DialogWatcher>& Watch() {
  static std::unique_ptr<DialogWatcher> watch;
  return watch;
}

std::wstring ClassNameOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::string Narrow(const std::wstring& wide) { return std::string(wide.begin(), wide.end()); }

// The toolkit form a window belongs to: by its handle, or, while it is being
// created, by the creation parameter the toolkit passes (compared, never followed).
TCustomForm* FormOf(HWND window, const void* creating) {
  for (TCustomForm* form : Screen::Forms())
    if (form->WindowHandle() == window || (creating && static_cast<const void*>(form) == creating)) return form;
  return nullptr;
}

bool HandlesSkinCommands(HWND window, TCustomForm* form) {
  const WPARAM command = SkinCommandParam(AC_CTRLHANDLED);
  // A form being created has no window procedure of its own yet: its hooks answer through the toolkit.
  if (form) return form->Perform(kSkinMessage, command, 0) != 0;
  return SendMessageW(window, kSkinMessage, command, 0) != 0;
}

BOOL CALLBACK FindToolbar(HWND child, LPARAM found) {
  wchar_t name[32] = {};
  GetClassNameW(child, name, 32);
  if (_wcsicmp(name, L"ToolbarWindow32") != 0) return TRUE;
  *reinterpret_cast<bool*>(found) = true;
  return FALSE;
}

// File dialogs hold a tool bar somewhere among their children.
bool HasToolbarDescendant(HWND window) {
  bool found = false;
  EnumChildWindows(window, FindToolbar, reinterpret_cast<LPARAM>(&found));
  return found;
}

bool ApplicationLives() { return Application && !Application->Destroying(); }

// A class name given as a string (the toolkit's classes) rather than an atom.
bool NamedClass(LPCWSTR className) { return !IS_INTRESOURCE(className); }

constexpr ATOM kDialogClassAtom = 32770;

}  // namespace

DialogWatcher::DialogWatcher(TsSkinManager& manager) : manager_(manager) {
  hook_ = SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
}

DialogWatcher::~DialogWatcher() {
  if (hook_) UnhookWindowsHookEx(hook_);
  // Last skinned first; each record leaves the list as it goes.
  while (!watched_.empty()) {
    TacProvider* record = watched_.back();
    watched_.pop_back();
    delete record;
  }
}

// The previous hook is called first and its answer is ours: a failure in the
// skinning may leave a window in its own look, but never stops its creation.
LRESULT CALLBACK DialogWatcher::CbtProc(int code, WPARAM wParam, LPARAM lParam) {
  const LRESULT previous = CallNextHookEx(nullptr, code, wParam, lParam);
  if (code < 0 || previous != 0) return previous;
  try {
    if (DialogWatcher* watcher = Watch().get()) watcher->OnCbt(code, reinterpret_cast<HWND>(wParam), lParam);
  } catch (...) {
    // Nothing may cross into the system's window creation; the window keeps its own look.
  }
  return previous;
}

void DialogWatcher::OnCbt(int code, HWND window, LPARAM lParam) {
  if (!ApplicationLives()) return;
  switch (code) {
    case HCBT_CREATEWND: OnCreate(window, *reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs); break;
    case HCBT_ACTIVATE: Consider(window); break;
    case HCBT_DESTROYWND: OnDestroy(window); break;
    default: break;
  }
}

void DialogWatcher::OnCreate(HWND window, const CREATESTRUCTW& create) {
  if (!NamedClass(create.lpszClass)) {
    if (reinterpret_cast<uintptr_t>(create.lpszClass) == kDialogClassAtom) Consider(window);
    return;
  }
  if (wcscmp(create.lpszClass, L"TPUtilWindow") == 0 || !create.style || !create.dwExStyle) return;
  if (create.style & WS_CHILD) return;
  TCustomForm* main = Application ? Application->MainForm() : nullptr;
  if (main && main->WindowHandle() == window) return;
  Consider(window, create.lpCreateParams);
}

ConsiderFacts DialogWatcher::FactsOf(HWND window, TCustomForm* form) const {
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  ConsiderFacts f;
  f.DefaultManager = DefaultManager() != nullptr;
  f.ApplicationLives = ApplicationLives();
  f.HandlesSkinCommands = HandlesSkinCommands(window, form);
  f.Watched = Watches(window);
  f.Popup = (style & WS_POPUP) != 0;
  f.HasBorder = (style & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME)) != 0;
  f.ToolkitForm = form != nullptr;
  f.HasParent = (style & WS_CHILD) != 0;
  f.SkinningRules = manager_.SkinningRules;
  if (form) {
    f.FormLoading = form->Loading();
    f.Tag = form->Tag;
    f.ClassName = form->ClassName();
  } else {
    f.ClassName = Narrow(ClassNameOf(window));
    f.VisibleSkinnedDialogs = VisibleSkinnedDialogs();
  }
  return f;
}

void DialogWatcher::Consider(HWND window, const void* creating) {
  if (!window) return;
  TCustomForm* form = FormOf(window, creating);
  switch (::Consider(FactsOf(window, form), [window] { return HasToolbarDescendant(window); })) {
    case ConsiderResult::FormProvider: SkinForm(*form, window); break;
    case ConsiderResult::SystemDialog: SkinDialog(window); break;
    case ConsiderResult::Ignore: break;
  }
}

// The form gets a provider of its own, made as the program's main window has
// its: the frame, the border window and the client background come from it.
void DialogWatcher::SkinForm(TCustomForm& form, HWND window) {
  auto* record = TComponent::Create<TacProvider>(&form, window, *this);
  watched_.push_back(record);
  auto* provider = TComponent::Create<TsSkinProvider>(&form);
  provider->UseGlobalColor = false;
  provider->MakeSkinMenu = false;
  record->FormProvider = provider;
  // A form already on the screen (met at its activation) is shown again with its new frame.
  if (form.HandleAllocated() && IsWindowVisible(window))
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void DialogWatcher::SkinDialog(HWND window) {
  if (manager_.OnSysDlgInit) {
    TacDlgData data;
    data.Window = reinterpret_cast<uintptr_t>(window);
    manager_.OnSysDlgInit(manager_, data);
    if (!data.AllowSkinning) return;
  }
  auto record = std::make_unique<TacProvider>(nullptr, window, *this);
  if (!record->AttachDialog(manager_)) return;
  watched_.push_back(record.release());
}

// A dialog about to go is given its own look back first: its handlers never see a window that is half destroyed.
void DialogWatcher::OnDestroy(HWND window) {
  for (TacProvider* record : watched_)
    if (record->IsDialog() && record->Window() == window) {
      delete record;  // leaves the list
      return;
    }
}

bool DialogWatcher::Watches(HWND window) const {
  return std::any_of(watched_.begin(), watched_.end(), [window](TacProvider* r) { return r->Window() == window; });
}

int32_t DialogWatcher::VisibleSkinnedDialogs() const {
  return int32_t(std::count_if(watched_.begin(), watched_.end(),
                               [](TacProvider* r) { return r->IsDialog() && !r->Dropped && IsWindowVisible(r->Window()); }));
}

void DialogWatcher::Forget(TacProvider* record) { std::erase(watched_, record); }

DialogWatcher* CurrentDialogWatcher() { return Watch().get(); }

void InstallSystemDialogSkinning() {
  SkinChangeHooks().WatchNewWindows = [](TsSkinManager& manager, bool on) {
    if (!on) {
      Watch().reset();
    } else if (!Watch()) {
      Watch() = std::make_unique<DialogWatcher>(manager);
    }
  };
}
