#pragma once
// The default manager's watch over new windows of the user-interface thread:
// a creation hook (WH_CBT) that sees every window being created or activated,
// decides with Consider whether it gets skinned, and keeps the records of the
// windows it skinned (the watched list). It exists from the default manager's
// first application of a skin until the manager stops watching.
#include <windows.h>

#include <memory>
#include <vector>

#include "skin/dialogs/DialogRules.h"

class TCustomForm;
class TacProvider;
class TsSkinManager;

class DialogWatcher {
 public:
  // Installs the creation hook on this thread.
  explicit DialogWatcher(TsSkinManager& manager);
  // Removes the hook and frees every record (a form keeps the provider made for it).
  ~DialogWatcher();
  DialogWatcher(const DialogWatcher&) = delete;
  DialogWatcher& operator=(const DialogWatcher&) = delete;

  TsSkinManager& Manager() const { return manager_; }
  // Skins the window when the rules say so. creating: the toolkit control
  // whose window is being created (the creation parameter), else null.
  void Consider(HWND window, const void* creating = nullptr);
  bool Watches(HWND window) const;
  // Skinned system dialogs that are visible now.
  int32_t VisibleSkinnedDialogs() const;
  // A record going away leaves the list.
  void Forget(TacProvider* record);

 private:
  static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
  void OnCbt(int code, HWND window, LPARAM lParam);
  void OnCreate(HWND window, const CREATESTRUCTW& create);
  void SkinForm(TCustomForm& form, HWND window);
  void SkinDialog(HWND window);
  void OnDestroy(HWND window);
  ConsiderFacts FactsOf(HWND window, TCustomForm* form) const;

  TsSkinManager& manager_;
  HHOOK hook_ = nullptr;
  std::vector<TacProvider*> watched_;  // in the order they were skinned
};

// Lets the default manager start and stop the watch; once, before the main window is created.
void InstallSystemDialogSkinning();
// The watch running now, or null.
DialogWatcher* CurrentDialogWatcher();
