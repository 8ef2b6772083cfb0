#include "skin/data/sSkinManager.h"

#include <algorithm>
#include <charconv>

#include "skin/data/SkinAdjustments.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/SkinPackage.h"
#include "skin/render/core/SkinError.h"

namespace {

TsSkinManager* g_defaultManager = nullptr;
bool g_skinLoading = false;
bool g_skinApplying = false;

// Sets a process-wide mark for the lifetime of a scope.
class ScopedMark {
 public:
  explicit ScopedMark(bool& mark) : mark_(mark), old_(mark) { mark_ = true; }
  ~ScopedMark() { mark_ = old_; }

 private:
  bool& mark_;
  bool old_;
};

// Switches settings off while a message is shown and restores them afterwards.
class ScopedOff {
 public:
  template <class T>
  ScopedOff(T& value, T off) : restore_([&value, old = value] { value = old; }) {
    value = off;
  }
  ~ScopedOff() { restore_(); }

 private:
  std::function<void()> restore_;
};

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return lower;
}

class NullHost final : public SkinManagerHost {};

SkinManagerHost& FallbackHost() {
  static NullHost host;
  return host;
}

}  // namespace

const SkinFileSystem& SkinManagerHost::Files() const {
  static StdSkinFileSystem files;
  return files;
}

PathFromText SkinManagerHost::ToPath() const { return PathFromSkinText; }

std::string InternalFormatErrorMessage(std::string_view skinName) {
  return "Internal format error in the \"" + std::string(skinName) +
         "\" skin. Please, update this skin to latest version.";
}

bool AsksForVersion(std::span<const std::string> arguments) {
  return std::any_of(arguments.begin(), arguments.end(),
                     [](const std::string& argument) { return LowerAscii(argument) == kVersionArgument; });
}

std::string FormatSkinVersion(double version) {
  char text[32];
  auto result = std::to_chars(text, text + sizeof text, version);
  return std::string(text, result.ptr);
}

int ScreenDensityClass(int appliedDpi) { return appliedDpi >= 144 ? 2 : appliedDpi >= 120 ? 1 : 0; }

TsSkinManager* DefaultManager() { return g_defaultManager; }
bool SkinLoading() { return g_skinLoading; }
bool SkinApplying() { return g_skinApplying; }

TsSkinManager::TsSkinManager(TComponent* owner, SkinManagerHost* host)
    : TComponent(owner), host_(host ? host : &FallbackHost()) {
  screenDensity_ = ScreenDensityClass(host_->AppliedDpi());
  if (!g_defaultManager) {
    g_defaultManager = this;
    host_->WatchApplicationWindow(*this, true);
  }
  host_->SetHotTimer(*this, true);
  ThirdParty.ReadTexts();
}

TsSkinManager::~TsSkinManager() {
  DestroyComponents();
  SetActive(false);
  host_->SetHotTimer(*this, false);
  if (g_defaultManager == this) {
    host_->WatchApplicationWindow(*this, false);
    g_defaultManager = nullptr;
  }
  FreeSkin();
  ThirdParty.WriteTexts();
}

void TsSkinManager::Loaded() {
  TComponent::Loaded();
  if (skinDirectory_.empty()) skinDirectory_ = kDefaultSkinDirectory;
  if (MenuSupport.IcoLineSkin.empty()) MenuSupport.IcoLineSkin = kDefaultIcoLineSkin;
  ThirdParty.ReadTexts();
  if (active_ && !skinName_.empty()) ApplySkin();
  Fire(OnActivate);
}

void TsSkinManager::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (active_) {
    SetSkinName(skinName_);
  } else if (!skinName_.empty()) {
    if (!Loading()) RemoveSkin();
    FreeSkin();
    Fire(OnDeactivate);
  }
}

void TsSkinManager::SetSkinName(std::string_view value) {
  std::string oldName = skinName_;
  skinName_ = std::string(value);
  if (!active_) return;
  SelectSkin(oldName);
}

void TsSkinManager::SelectSkin(const std::string& oldName) {
  Fire(OnBeforeChange);
  if (extendedBorders_ && AnimationAllowed() && !updatePending_) host_->TakeSnapshots(*this);
  if (skin_) skin_->SkinData.Active = false;
  skinName_ = StripPackageExtension(skinName_);
  try {
    LoadSelected();
  } catch (const std::exception& error) {
    skinName_ = oldName;
    ShowMessage(error.what(), std::string(kErrorCaption), TacMessageIcon::Error);
  }
  if (active_) {
    if (!updatePending_) ApplySkin();
    if (!Loading()) Fire(OnActivate);
  } else {
    RemoveSkin();
    Fire(OnActivate);
  }
}

void TsSkinManager::LoadSelected() {
  const SkinFileSystem& files = host_->Files();
  const std::string full = ResolvedSkinDirectory();
  if (pushedOptions_) {
    // A skin editor's options text; its images are in the skin's folder.
    std::string text = std::move(*pushedOptions_);
    pushedOptions_.reset();
    LoadFrom(SkinSource::FromOptionsText(std::move(text), full + "\\" + skinName_ + "\\"));
    return;
  }
  const std::string packageFile = SkinPackagePath(skinDirectory_, skinName_);
  if (files.FileExists(packageFile)) {
    LoadFrom(SkinSource::FromPackageFile(packageFile, full + "\\"));
    return;
  }
  const std::string folder = full + "\\" + skinName_ + "\\";
  if (files.FileExists(folder + std::string(kSkinOptionsFile))) {
    LoadFrom(SkinSource::FromFolder(folder));
    return;
  }
  if (internalSkins_.empty()) {
    active_ = false;
    return;
  }
  auto stored = std::find_if(internalSkins_.begin(), internalSkins_.end(),
                             [this](const TsStoredSkin& skin) { return skin.Name == skinName_; });
  if (stored == internalSkins_.end()) {
    stored = internalSkins_.begin();
    skinName_ = stored->Name;
  }
  LoadFrom(SkinSource::FromPackageBytes(stored->Data));
}

void TsSkinManager::LoadFrom(const SkinSource& source) {
  ScopedMark loading(g_skinLoading);
  SkinLoadSettings settings;
  settings.Brightness = brightness_;
  settings.CommonSections = commonSections_;
  settings.Builtins = host_->Builtins();
  settings.Owner = this;
  settings.ToPath = host_->ToPath();
  settings.SystemFrameWidth = host_->SystemFrameWidth();
  settings.OnVersionRead = [this](double version) { CheckVersion(version); };
  LoadedSkin loaded = LoadSkin(source, settings);
  switch (loaded.Status) {
    case SkinLoadStatus::NoFile:
      return;
    case SkinLoadStatus::NotPacked: {
      ScopedOff dialogs(SkinningRules, uint8_t(SkinningRules & ~srStdDialogs));
      ScopedOff colors(Options.ChangeSysColors, false);
      ShowMessage(std::string(kNotPackedSkinMessage), std::string(kErrorCaption), TacMessageIcon::Error);
      return;
    }
    case SkinLoadStatus::NoOptions:
      ShowMessage(InternalFormatErrorMessage(skinName_), std::string(kErrorCaption), TacMessageIcon::Error);
      return;
    case SkinLoadStatus::Loaded:
      break;
  }
  ApplySkinAdjustments(loaded, {hueOffset_, saturation_, brightness_});
  skin_ = std::make_unique<LoadedSkin>(std::move(loaded));
  elements_ = ComputeSkinElements(skin_.get());
  ResolveSectionIndexes(skin_->Sections, skin_->Images);
  borderImages_ = PrepareBorderImages(skin_.get(), elements_, extendedBorders_, host_->Builtins());
  Fire(OnSkinLoading);
}

// Shown once per load: the loader reads the version once, before anything else.
void TsSkinManager::CheckVersion(double version) {
  if (version <= kNewestSupportedSkin) return;
  ScopedOff dialogs(SkinningRules, uint8_t(SkinningRules & ~srStdDialogs));
  ShowMessage(std::string(kNewerSkinWarning), {}, TacMessageIcon::Warning);
}

void TsSkinManager::ShowMessage(const std::string& text, const std::string& caption, TacMessageIcon icon) {
  host_->ShowMessage(text, caption, icon);
}

void TsSkinManager::FreeSkin() {
  skin_.reset();
  elements_ = ComputeSkinElements(nullptr);
  borderImages_ = {};
}

bool TsSkinManager::AnimationAllowed() const { return AnimEffects.SkinChanging.Active && Effects.AllowAnimation; }

bool TsSkinManager::SkinInForce() const { return skin_ && skin_->SkinData.Active; }

std::string TsSkinManager::SkinInfo() const {
  return SkinInForce() ? FormatSkinVersion(skin_->SkinData.Version) : std::string("N/A");
}

std::string TsSkinManager::ResolvedSkinDirectory() const {
  return ResolveSkinDirectory(skinDirectory_, ProgramFolderOf(host_->ProgramFile()));
}

int TsSkinManager::ScrollBarWidth() const {
  return ScrollsOptions.ScrollSize < 0 ? host_->SystemScrollWidth() : ScrollsOptions.ScrollSize;
}

std::string TsSkinManager::ListSkins(std::vector<std::string>& list, int kind) const {
  std::vector<std::string> names;
  for (const TsStoredSkin& skin : internalSkins_) names.push_back(skin.Name);
  return ::ListSkins(host_->Files(), names, ResolvedSkinDirectory(), kind, list);
}

void TsSkinManager::SetSkinDirectory(std::string_view value) {
  if (value == skinDirectory_) return;
  skinDirectory_ = std::string(value);
  if (skin_) skin_->SkinData.SkinPath = ResolvedSkinDirectory() + "\\";
  Fire(OnSkinListChanged);
}

void TsSkinManager::SetInternalSkins(TsStoredSkins skins) {
  internalSkins_ = std::move(skins);
  Fire(OnSkinListChanged);
}

void TsSkinManager::SetCommonSections(const std::vector<std::string>& lines) {
  commonSections_ = PrepareCommonSections(lines);
  SetSkinName(skinName_);
}

void TsSkinManager::ReloadAndRefresh() {
  try {
    LoadSelected();
  } catch (const std::exception& error) {
    ShowMessage(error.what(), std::string(kErrorCaption), TacMessageIcon::Error);
  }
  if (skin_) skin_->SkinData.Active = true;
  RefreshSkin();
}

void TsSkinManager::SetHueOffset(int value) { SetAdjustment(hueOffset_, value); }

void TsSkinManager::SetSaturation(int value) { SetAdjustment(saturation_, value); }

void TsSkinManager::SetBrightness(int value) { SetAdjustment(brightness_, std::clamp(value, -100, 100)); }

void TsSkinManager::SetAdjustment(int& field, int value) {
  if (value == field) return;
  field = value;
  if (!SkinInForce() || Loading()) return;
  ReloadAndRefresh();
  Fire(OnAfterChange);
}

void TsSkinManager::SetExtendedBorders(bool value) {
  if (value == extendedBorders_) return;
  extendedBorders_ = value;
  if (SkinInForce() && !Loading()) ReloadAndRefresh();
}

void TsSkinManager::SetIsDefault(bool value) {
  if (!value && g_defaultManager) return;
  if (g_defaultManager == this) return;
  g_defaultManager = this;
  if (active_)
    ApplySkin();
  else
    RemoveSkin();
}

void TsSkinManager::ApplySkin() {
  if (Loading() || !skin_) return;
  if (IsDefault()) host_->ClearGlows();
  const bool animate = !animationOff_ && AnimationAllowed() && !host_->ApplicationMinimized();
  if (animate) host_->PrepareAnimation(*this);
  skin_->SkinData.Active = false;
  {
    ScopedMark applying(g_skinApplying);
    elements_ = ComputeSkinElements(skin_.get());
    host_->BroadcastToForms(*this, AC_SETNEWSKIN);
  }
  skin_->SkinData.Active = true;
  if (IsDefault()) {
    host_->WatchNewWindows(*this, true);
    if (Options.ChangeSysColors) host_->ReplaceSystemColors(*this, true);
  }
  if (animate) host_->EndAnimation(*this);
}

void TsSkinManager::RemoveSkin() {
  if (IsDefault()) host_->NotifyNoSkin(*this);
  host_->ClearGlows();
  host_->WatchNewWindows(*this, false);
  if (Options.ChangeSysColors) host_->ReplaceSystemColors(*this, false);
  if (skin_) skin_->SkinData.Active = false;
  host_->BroadcastToForms(*this, AC_REMOVESKIN);
  FreeSkin();
}

void TsSkinManager::RefreshSkin() {
  host_->BroadcastToForms(*this, AC_PREPARING);
  const bool animate = !animationOff_ && AnimationAllowed() && !host_->ApplicationMinimized();
  if (animate) host_->PrepareAnimation(*this);
  host_->BroadcastToForms(*this, AC_REFRESH);
  if (animate) host_->EndAnimation(*this);
  host_->RefreshOtherWindows(*this);
}

void TsSkinManager::ReapplySkin() {
  ApplySkin();
  Fire(OnAfterChange);
}

bool TsSkinManager::ReceivePushedSkin(uint32_t dataKind, std::span<const uint8_t> data) {
  if (takingPushedBlock_ || !IsPushedSkinMessage(dataKind, data)) return false;
  pushedBlock_ = std::make_unique<PushedSkinBlock>(CopyPushedSkinBlock(data));
  takingPushedBlock_ = true;
  host_->PostPushedSkinCommand(*this);
  return true;
}

void TsSkinManager::TakePushedSkin() {
  takingPushedBlock_ = false;
  if (!pushedBlock_) return;
  std::optional<PushedSkin> pushed = ReadPushedSkin(*pushedBlock_);
  pushedBlock_.reset();
  if (!pushed) return;
  if (!IsUsablePushedSkin(*pushed)) {
    ShowMessage(InternalFormatErrorMessage(pushed->SkinName), std::string(kErrorCaption), TacMessageIcon::Error);
    return;
  }
  skinEditorFeeding_ = true;
  updatePending_ = true;
  pushedOptions_ = std::move(pushed->OptionsText);
  const std::string oldDirectory = skinDirectory_;
  const LoadedSkin* oldSkin = skin_.get();
  SetSkinDirectory(pushed->SkinDirectory);
  SetSkinName(pushed->SkinName);
  // An inactive manager loads nothing: the text must not stay for a later, unrelated load.
  pushedOptions_.reset();
  if (skin_.get() == oldSkin) SetSkinDirectory(oldDirectory);
  animationOff_ = true;
  ApplySkin();
  animationOff_ = false;
  updatePending_ = false;
  Fire(OnAfterChange);
}

void TsSkinManager::SetHotWindow(uintptr_t window) {
  if (window == hotWindow_) return;
  if (hotWindow_) host_->SendCommand(hotWindow_, AC_MOUSELEAVE, *this);
  hotWindow_ = window;
  if (hotWindow_) host_->SendCommand(hotWindow_, AC_MOUSEENTER, *this);
}

void TsSkinManager::SetHotControl(void* control) {
  if (control == hotControl_) return;
  if (hotControl_) {
    if (!control && host_->ControlStillHeld(hotControl_)) return;
    host_->SendControlCommand(hotControl_, AC_MOUSELEAVE, reinterpret_cast<uintptr_t>(hotControl_));
  }
  hotControl_ = control;
}

void TsSkinManager::HotTimerTick() {
  if (!hotWindow_ || host_->CursorInside(hotWindow_)) return;
  host_->SendCommand(hotWindow_, AC_MOUSELEAVE, *this);
  hotWindow_ = 0;
  if (hotControl_) {
    host_->SendControlCommand(hotControl_, AC_MOUSELEAVE, reinterpret_cast<uintptr_t>(hotControl_));
    hotControl_ = nullptr;
  }
}
