#include "skin/data/sSkinManagerWin.h"

#include <shellapi.h>

#include <vector>

#include "skin/data/SkinBroadcast.h"
#include "skin/data/SkinCommands.h"
#include "toolkit/Application.h"
#include "toolkit/Cp1251.h"
#include "toolkit/Dialogs.h"
#include "toolkit/MessageGate.h"

static_assert(kSkinMessage == kSkinCommandMessage);

namespace {

std::map<UINT_PTR, TsSkinManager*>& TimerManagers() {
  static std::map<UINT_PTR, TsSkinManager*> managers;
  return managers;
}

void CALLBACK HotTimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  try {
    auto it = TimerManagers().find(id);
    if (it != TimerManagers().end()) it->second->HotTimerTick();
  } catch (...) {
    ReportCurrentException();
  }
}

// WM_COPYDATA to the application window: true when it carried a pushed skin the manager took.
bool ReceivePushedSkin(TsSkinManager& manager, const TMessage& message) {
  const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(message.LParam);
  if (!copy || !copy->lpData) return false;
  std::span<const uint8_t> data(static_cast<const uint8_t*>(copy->lpData), copy->cbData);
  return manager.ReceivePushedSkin(uint32_t(copy->dwData), data);
}

// The posted load command that follows a received pushed skin; false for other skin commands.
bool TakePushedSkin(TsSkinManager& manager, const TMessage& message) {
  if (SkinCommandOf(message.WParam) != AC_PUSHEDSKIN) return false;
  manager.TakePushedSkin();
  return true;
}

UINT IconFlag(TacMessageIcon icon) {
  switch (icon) {
    case TacMessageIcon::Error: return MB_ICONERROR;
    case TacMessageIcon::Warning: return MB_ICONWARNING;
    case TacMessageIcon::Information: return MB_ICONINFORMATION;
  }
  return 0;
}

HWND ActiveOwner() { return GetActiveWindow(); }

}  // namespace

TacSkinChangeHooks& SkinChangeHooks() {
  static TacSkinChangeHooks hooks;
  return hooks;
}

std::filesystem::path PathFromCp1251(std::string_view text) { return std::filesystem::path(Cp1251::ToWide(text)); }

std::string Cp1251FromPath(const std::filesystem::path& path) { return Cp1251::FromWide(path.wstring()); }

WinSkinManagerHost::WinSkinManagerHost() : files_(PathFromCp1251, Cp1251FromPath) {}

WinSkinManagerHost& ProgramSkinHost() {
  static WinSkinManagerHost host;
  return host;
}

std::string WinSkinManagerHost::ProgramFile() const {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
    if (length < path.size()) return Cp1251::FromWide(std::wstring_view(path.data(), length));
    path.resize(path.size() * 2);
  }
}

// A missing value gives 0 (the density class is then 0).
int WinSkinManagerHost::AppliedDpi() const {
  DWORD value = 0, size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop\\WindowMetrics", L"AppliedDPI", RRF_RT_REG_DWORD,
                   nullptr, &value, &size) != ERROR_SUCCESS)
    return 0;
  return int(value);
}

void WinSkinManagerHost::ShowMessage(const std::string& text, const std::string& caption, TacMessageIcon icon) {
  std::string title = caption.empty() && Application ? Application->Title() : caption;
  MessageBoxW(ActiveOwner(), Cp1251::ToWide(text).c_str(), Cp1251::ToWide(title).c_str(), MB_OK | IconFlag(icon));
}

void WinSkinManagerHost::BroadcastToForms(TsSkinManager& manager, uint16_t command) {
  ::BroadcastToForms(command, reinterpret_cast<LPARAM>(&manager));
}

void WinSkinManagerHost::RefreshOtherWindows(TsSkinManager& manager) {
  RefreshWatchedWindows(reinterpret_cast<LPARAM>(&manager));
}

void WinSkinManagerHost::ClearGlows() {
  if (SkinChangeHooks().ClearGlows) SkinChangeHooks().ClearGlows();
}

void WinSkinManagerHost::TakeSnapshots(TsSkinManager& manager) {
  if (SkinChangeHooks().TakeSnapshots && !ApplicationMinimized()) SkinChangeHooks().TakeSnapshots(manager);
}

void WinSkinManagerHost::PrepareAnimation(TsSkinManager& manager) {
  if (SkinChangeHooks().PrepareAnimation) SkinChangeHooks().PrepareAnimation(manager);
}

void WinSkinManagerHost::EndAnimation(TsSkinManager& manager) {
  if (SkinChangeHooks().EndAnimation) SkinChangeHooks().EndAnimation(manager);
}

bool WinSkinManagerHost::ApplicationMinimized() const {
  if (!Application) return false;
  if (IsIconic(Application->Handle())) return true;
  TCustomForm* main = Application->MainForm();
  return main && main->WindowHandle() && IsIconic(main->WindowHandle());
}

void WinSkinManagerHost::WatchNewWindows(TsSkinManager& manager, bool on) {
  if (SkinChangeHooks().WatchNewWindows) SkinChangeHooks().WatchNewWindows(manager, on);
  if (!on) ForgetWatchedWindows();
}

void WinSkinManagerHost::ReplaceSystemColors(TsSkinManager& manager, bool on) {
  if (SkinChangeHooks().ReplaceSystemColors) SkinChangeHooks().ReplaceSystemColors(manager, on);
}

void WinSkinManagerHost::NotifyNoSkin(TsSkinManager& manager) {
  if (SkinChangeHooks().NotifyNoSkin) SkinChangeHooks().NotifyNoSkin(manager);
}

// Pushed skins arrive at the application window: copy on WM_COPYDATA, load on
// the posted AC_PUSHEDSKIN so that the sending program is released first.
void WinSkinManagerHost::WatchApplicationWindow(TsSkinManager& manager, bool on) {
  if (!on) {
    appHooks_.erase(&manager);
    return;
  }
  if (!Application) return;
  std::unique_ptr<TWndHook>& hook = appHooks_[&manager];
  if (hook && hook->Installed()) return;
  if (!hook)
    hook = std::make_unique<TWndHook>([&manager, &hook](TMessage& message) -> LRESULT {
      switch (message.Msg) {
        case WM_COPYDATA:  return ReceivePushedSkin(manager, message) ? 1 : hook->CallPrevious(message);
        case kSkinMessage: return TakePushedSkin(manager, message) ? 0 : hook->CallPrevious(message);
        default:           return hook->CallPrevious(message);
      }
    });
  hook->Install(*Application);
}

void WinSkinManagerHost::PostPushedSkinCommand(TsSkinManager&) {
  if (Application) PostOwnMessage(Application->Handle(), kSkinMessage, SkinCommandParam(AC_PUSHEDSKIN), 0);
}

void WinSkinManagerHost::SetHotTimer(TsSkinManager& manager, bool running) {
  auto it = timers_.find(&manager);
  if (running && it == timers_.end()) {
    UINT_PTR id = SetTimer(nullptr, 0, kHotTimerInterval, HotTimerProc);
    timers_[&manager] = id;
    TimerManagers()[id] = &manager;
  } else if (!running && it != timers_.end()) {
    KillTimer(nullptr, it->second);
    TimerManagers().erase(it->second);
    timers_.erase(it);
  }
}

void WinSkinManagerHost::SendCommand(uintptr_t window, uint16_t command, TsSkinManager& manager) {
  SendMessageW(reinterpret_cast<HWND>(window), kSkinMessage, SkinCommandParam(command),
               reinterpret_cast<LPARAM>(&manager));
}

void WinSkinManagerHost::SendControlCommand(void* control, uint16_t command, uintptr_t argument) {
  static_cast<TControl*>(control)->Perform(kSkinMessage, SkinCommandParam(command), LPARAM(argument));
}

bool WinSkinManagerHost::ControlStillHeld(void* control) {
  return SkinChangeHooks().ControlStillHeld && SkinChangeHooks().ControlStillHeld(control);
}

bool WinSkinManagerHost::CursorInside(uintptr_t window) const {
  POINT cursor;
  RECT rect;
  return GetCursorPos(&cursor) && GetWindowRect(reinterpret_cast<HWND>(window), &rect) && PtInRect(&rect, cursor);
}

bool ProgramAsksForVersion() {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide) return false;
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(Cp1251::FromWide(wide[i]));
  LocalFree(wide);
  return AsksForVersion(arguments);
}

void ShowEngineVersionIfAsked() {
  if (ProgramAsksForVersion()) ShowMessage(std::string(kVersionMessage));
}
