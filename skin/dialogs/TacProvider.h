#pragma once
// The default manager's record of one window it skinned because it appeared:
// a toolkit form without a provider of its own (the provider made for it), or
// a system dialog (its dialog handler and the handlers of its children).
// A form's record is owned by the form; a dialog's by the watcher.
#include <windows.h>

#include <memory>
#include <vector>

#include "toolkit/Component.h"

class DialogWatcher;
class TacMainWnd;
class TsSkinProvider;

class TacProvider : public TComponent {
 public:
  // owner: the form, or null for a system dialog. The record leaves the watched list when it is destroyed.
  TacProvider(TComponent* owner, HWND window, DialogWatcher& watcher);
  ~TacProvider() override;
  std::string ClassName() const override { return "TacProvider"; }

  HWND Window() const { return window_; }
  bool IsDialog() const { return !Owner(); }
  // The provider made for a toolkit form (owned by the form), or null.
  TsSkinProvider* FormProvider = nullptr;
  // The handlers of a system dialog's children, in the order they were attached.
  std::vector<std::unique_ptr<TacMainWnd>> Children;

 private:
  HWND window_;
  DialogWatcher& watcher_;
};
