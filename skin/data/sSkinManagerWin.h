#pragma once
// The window side of the skin manager: message boxes, the announcement to
// all windows, the 100 ms hot-control timer, the "AppliedDPI" value, and the
// application window hook that receives pushed skins. Windows only.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>

#include "skin/data/sSkinManager.h"
#include "toolkit/WndHook.h"

// Hooks for the skinned forms' part in a skin change (the border windows).
struct TacSkinChangeHooks {
  std::function<void(TsSkinManager&)> TakeSnapshots;
  std::function<void(TsSkinManager&)> PrepareAnimation;
  std::function<void(TsSkinManager&)> EndAnimation;
  std::function<void()> ClearGlows;
  std::function<void(TsSkinManager&, bool)> WatchNewWindows;
  std::function<void(TsSkinManager&, bool)> ReplaceSystemColors;
  std::function<void(TsSkinManager&)> NotifyNoSkin;
  std::function<bool(void* control)> ControlStillHeld;  // AC_GETSKINDATA
};
TacSkinChangeHooks& SkinChangeHooks();

// Code page 1251 text to a path and back.
std::filesystem::path PathFromCp1251(std::string_view text);
std::string Cp1251FromPath(const std::filesystem::path& path);

class WinSkinManagerHost final : public SkinManagerHost {
 public:
  WinSkinManagerHost();
  const SkinFileSystem& Files() const override { return files_; }
  PathFromText ToPath() const override { return PathFromCp1251; }
  std::string ProgramFile() const override;
  int AppliedDpi() const override;
  int SystemFrameWidth() const override { return GetSystemMetrics(SM_CXFRAME); }
  int SystemScrollWidth() const override { return GetSystemMetrics(SM_CXVSCROLL); }
  const BuiltinPictures* Builtins() const override { return builtins_; }
  void SetBuiltins(const BuiltinPictures* builtins) { builtins_ = builtins; }

  void ShowMessage(const std::string& text, const std::string& caption, TacMessageIcon icon) override;
  void BroadcastToForms(TsSkinManager& manager, uint16_t command) override;
  void RefreshOtherWindows(TsSkinManager& manager) override;
  void ClearGlows() override;
  void TakeSnapshots(TsSkinManager& manager) override;
  void PrepareAnimation(TsSkinManager& manager) override;
  void EndAnimation(TsSkinManager& manager) override;
  bool ApplicationMinimized() const override;
  void WatchNewWindows(TsSkinManager& manager, bool on) override;
  void ReplaceSystemColors(TsSkinManager& manager, bool on) override;
  void WatchApplicationWindow(TsSkinManager& manager, bool on) override;
  void PostPushedSkinCommand(TsSkinManager& manager) override;
  void NotifyNoSkin(TsSkinManager& manager) override;
  void SetHotTimer(TsSkinManager& manager, bool running) override;
  void SendCommand(uintptr_t window, uint16_t command, TsSkinManager& manager) override;
  void SendControlCommand(void* control, uint16_t command, uintptr_t argument) override;
  bool ControlStillHeld(void* control) override;
  bool CursorInside(uintptr_t window) const override;

 private:
  StdSkinFileSystem files_;
  const BuiltinPictures* builtins_ = nullptr;
  std::map<TsSkinManager*, std::unique_ptr<TWndHook>> appHooks_;  // on the application window
  std::map<TsSkinManager*, UINT_PTR> timers_;
};

// The host every manager of the program uses.
WinSkinManagerHost& ProgramSkinHost();

// True when the program's command line holds "/acver" (in any case).
bool ProgramAsksForVersion();
// "/acver" on the command line: a plain message window with the engine version.
// The program asks once at start, before its main window is created.
void ShowEngineVersionIfAsked();
