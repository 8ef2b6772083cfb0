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
class TacDialogWnd;
class TacMainWnd;
class TsSkinManager;
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
  // A system dialog's handler and the handlers of its children, in the order they were attached.
  std::unique_ptr<TacDialogWnd> Dialog;
  std::vector<std::unique_ptr<TacMainWnd>> Children;
  // The dialog could not be skinned whole and was given its own look back.
  bool Dropped = false;

  // Attaches the dialog handler; false when the skin cannot frame it.
  bool AttachDialog(TsSkinManager& manager);
  // Handlers for every child (at any depth) that has none yet, by the child
  // table. A child the table names no handler for keeps its own look; a child
  // whose handler cannot be attached gives the whole dialog its look back,
  // since a dialog half skinned would show both looks side by side.
  void AttachChildren(TsSkinManager& manager);
  // Every handler detached and freed: the dialog has its own look again.
  void Release();

 private:
  HWND window_;
  DialogWatcher& watcher_;
};
