#pragma once
// The skin manager: the component that owns the application's active skin.
// It finds a skin by name (package file, skin folder, internal skin), loads
// it, adjusts its colours, keeps the table of well-known elements and
// announces every change to all windows. Everything that touches windows
// (announcements, message boxes, timers, the registry) goes through
// SkinManagerHost, so finding and loading work the same on every platform.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/ManagerSettings.h"
#include "skin/data/PushedSkin.h"
#include "skin/data/SkinDirectory.h"
#include "skin/data/SkinElements.h"
#include "skin/data/SkinImageFiles.h"
#include "skin/data/ThirdPartyList.h"
#include "skin/data/sStoredSkin.h"
#include "toolkit/Component.h"

struct LoadedSkin;
class BuiltinPictures;
class TsSkinManager;

enum class TacMessageIcon { Error, Warning, Information };

inline constexpr std::string_view kEngineVersion = "10.22";
inline constexpr std::string_view kVersionArgument = "/acver";
inline constexpr std::string_view kVersionMessage = "Veltrane v10.22";
inline constexpr std::string_view kErrorCaption = "Error";
// Skins newer than this are used with a warning.
inline constexpr double kNewestSupportedSkin = 10.99;
inline constexpr std::string_view kNewerSkinWarning =
    "This version of the skin has not complete support by used Veltrane package release.\r\n"
    "Components must be updated to latest version for using this skin.";
inline constexpr uint32_t kHotTimerInterval = 100;  // ms

// "Internal format error in the "<name>" skin. Please, update this skin to latest version."
std::string InternalFormatErrorMessage(std::string_view skinName);
// Whether the command line asks for the engine version ("/acver" in any case).
bool AsksForVersion(std::span<const std::string> arguments);
// The skin's version as SkinInfo shows it: "." as decimal point, no trailing zeros.
std::string FormatSkinVersion(double version);
// 0 below 120 dpi, 1 from 120 to 143, 2 from 144 on.
int ScreenDensityClass(int appliedDpi);

// A system dialog about to be skinned (OnSysDlgInit): the handler may refuse it.
struct TacDlgData {
  uintptr_t Window = 0;       // the dialog's window handle
  bool AllowSkinning = true;
};

// The window side of the manager. The defaults do nothing, so a manager
// without windows (tests, tools) loads and adjusts skins all the same.
class SkinManagerHost {
 public:
  virtual ~SkinManagerHost() = default;
  virtual const SkinFileSystem& Files() const;
  virtual PathFromText ToPath() const;
  // The program file's full path, code page text.
  virtual std::string ProgramFile() const { return {}; }
  virtual int AppliedDpi() const { return 0; }
  virtual int SystemFrameWidth() const { return 4; }
  virtual int SystemScrollWidth() const { return 17; }
  virtual const BuiltinPictures* Builtins() const { return nullptr; }

  // A modal message; an empty caption means the application's title.
  virtual void ShowMessage(const std::string& /*text*/, const std::string& /*caption*/, TacMessageIcon) {}
  // The announcement to all windows of the application.
  virtual void BroadcastToForms(TsSkinManager&, uint16_t /*command*/) {}
  // Refresh step 3 and 4: the one registered window, and the watched windows.
  virtual void RefreshOtherWindows(TsSkinManager&) {}
  virtual void ClearGlows() {}
  // The skin-change animation: a snapshot before a load, prepare and end around an announcement.
  virtual void TakeSnapshots(TsSkinManager&) {}
  virtual void PrepareAnimation(TsSkinManager&) {}
  virtual void EndAnimation(TsSkinManager&) {}
  virtual bool ApplicationMinimized() const { return false; }
  // Skinning of system dialogs and replacement of the system colours (default manager only).
  virtual void WatchNewWindows(TsSkinManager&, bool /*on*/) {}
  virtual void ReplaceSystemColors(TsSkinManager&, bool /*on*/) {}
  // The default manager watches the application window for pushed skins.
  virtual void WatchApplicationWindow(TsSkinManager&, bool /*on*/) {}
  virtual void PostPushedSkinCommand(TsSkinManager&) {}
  // The registered listener learns that no skin is active.
  virtual void NotifyNoSkin(TsSkinManager&) {}
  virtual void SetHotTimer(TsSkinManager&, bool /*running*/) {}

  // Hot tracking: a command to a window or a windowless control, the cursor test.
  virtual void SendCommand(uintptr_t /*window*/, uint16_t /*command*/, TsSkinManager&) {}
  virtual void SendControlCommand(void* /*control*/, uint16_t /*command*/, uintptr_t /*argument*/) {}
  // AC_GETSKINDATA: whether the button's binding marks it as still held.
  virtual bool ControlStillHeld(void* /*control*/) { return false; }
  virtual bool CursorInside(uintptr_t /*window*/) const { return false; }
};

// Process-wide marks of the user-interface thread.
TsSkinManager* DefaultManager();
bool SkinLoading();   // a load is in progress
bool SkinApplying();  // a new skin is being announced to all windows

class TsSkinManager : public TComponent {
 public:
  // host may be null (no windows); it must outlive the manager.
  explicit TsSkinManager(TComponent* owner, SkinManagerHost* host = nullptr);
  ~TsSkinManager() override;
  std::string ClassName() const override { return "TsSkinManager"; }
  void Loaded() override;

  // Stored settings with reactions.
  bool Active() const { return active_; }
  void SetActive(bool value);
  const std::string& SkinName() const { return skinName_; }
  void SetSkinName(std::string_view value);
  const std::string& SkinDirectory() const { return skinDirectory_; }
  void SetSkinDirectory(std::string_view value);
  const TsStoredSkins& InternalSkins() const { return internalSkins_; }
  void SetInternalSkins(TsStoredSkins skins);
  bool ExtendedBorders() const { return extendedBorders_; }
  void SetExtendedBorders(bool value);
  bool IsDefault() const { return DefaultManager() == this; }
  void SetIsDefault(bool value);
  int HueOffset() const { return hueOffset_; }
  void SetHueOffset(int value);
  int Saturation() const { return saturation_; }
  void SetSaturation(int value);
  int Brightness() const { return brightness_; }
  void SetBrightness(int value);  // limited to -100..100
  const std::vector<std::string>& CommonSections() const { return commonSections_; }
  void SetCommonSections(const std::vector<std::string>& lines);

  // Plain stored settings.
  bool SkinnedPopups = true;
  uint8_t SkinningRules = kAllSkinningRules;
  TacSkinEffects Effects;
  TacAnimEffects AnimEffects;
  TacOptions Options;
  TacScrollBarsSupport ScrollsOptions;
  TacButtonsSupport ButtonsOptions;
  TacLabelsSupport LabelsOptions;
  TacMenuSupport MenuSupport;
  ThirdPartyList ThirdParty;

  using Event = std::function<void(TsSkinManager&)>;
  Event OnActivate, OnDeactivate, OnSkinLoading, OnBeforeChange, OnAfterChange, OnSkinListChanged;
  std::function<void(TsSkinManager&, TacDlgData&)> OnSysDlgInit;

  // Read-only.
  std::string SkinInfo() const;  // the loaded skin's version, "N/A" when no skin is in force
  static constexpr std::string_view Version() { return kEngineVersion; }
  int ScreenDensity() const { return screenDensity_; }
  std::string ResolvedSkinDirectory() const;
  int ScrollBarWidth() const;

  // The loaded skin (null without one) and what the manager derives from it.
  const LoadedSkin* Skin() const { return skin_.get(); }
  bool SkinInForce() const;
  const TacSkinElements& Elements() const { return elements_; }
  const TacBorderImages& BorderImages() const { return borderImages_; }

  // Announces the loaded skin again, then OnAfterChange.
  void ReapplySkin();
  // The three announcements.
  void ApplySkin();
  void RemoveSkin();
  void RefreshSkin();
  // Fills list with the available skin names; returns the first one added.
  std::string ListSkins(std::vector<std::string>& list, int kind) const;

  // A pushed skin arriving by WM_COPYDATA: true when the block was taken
  // (AC_PUSHEDSKIN is then posted); TakePushedSkin runs on it.
  bool ReceivePushedSkin(uint32_t dataKind, std::span<const uint8_t> data);
  void TakePushedSkin();
  bool SkinEditorFeeding() const { return skinEditorFeeding_; }

  // Hot-control tracking.
  uintptr_t HotWindow() const { return hotWindow_; }
  void SetHotWindow(uintptr_t window);
  void* HotControl() const { return hotControl_; }
  void SetHotControl(void* control);
  // The 100 ms check: releases the hot window once the cursor has left it.
  void HotTimerTick();

 private:
  void SelectSkin(const std::string& oldName);
  void LoadSelected();
  void LoadFrom(const struct SkinSource& source);
  void ReloadAndRefresh();
  // Stores a colour adjustment that changed and, with a skin in force, reloads it adjusted.
  void SetAdjustment(int& field, int value);
  void ShowMessage(const std::string& text, const std::string& caption, TacMessageIcon icon);
  void CheckVersion(double version);
  void FreeSkin();
  void Fire(const Event& event) { if (event) event(*this); }
  bool AnimationAllowed() const;

  SkinManagerHost* host_;
  bool active_ = true;
  std::string skinName_;
  std::string skinDirectory_{kDefaultSkinDirectory};
  TsStoredSkins internalSkins_;
  bool extendedBorders_ = false;
  int hueOffset_ = 0, saturation_ = 0, brightness_ = 0;
  std::vector<std::string> commonSections_;
  int screenDensity_ = 0;

  std::unique_ptr<LoadedSkin> skin_;
  TacSkinElements elements_;
  TacBorderImages borderImages_;

  bool updatePending_ = false;
  bool skinEditorFeeding_ = false;
  bool takingPushedBlock_ = false;
  bool animationOff_ = false;  // the skin-change animation is skipped for one announcement
  std::unique_ptr<PushedSkinBlock> pushedBlock_;
  std::optional<std::string> pushedOptions_;  // read by the next load instead of a file

  uintptr_t hotWindow_ = 0;
  void* hotControl_ = nullptr;
};
