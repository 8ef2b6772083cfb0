#include "skin/data/SkinBroadcast.h"

#include <algorithm>
#include <vector>

#include "skin/data/SkinCommands.h"
#include "toolkit/Application.h"

namespace {

std::vector<TCustomForm*> g_registeredForms;
std::vector<HWND> g_watchedWindows;
HWND g_refreshWindow = nullptr;
std::function<bool(TWinControl*)> g_excludes;

constexpr UINT kFullRedraw = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME;  // 1413
static_assert(kFullRedraw == 1413);

bool PassesCommandsOn(HWND window) {
  return SendMessageW(window, kSkinMessage, SkinCommandParam(AC_CTRLHANDLED), 0) != 0;
}

void SendToForm(TCustomForm* form, uint16_t command, LPARAM argument) {
  if (HWND window = form->WindowHandle())
    SendMessageW(window, kSkinMessage, SkinCommandParam(command), argument);
  else
    form->Perform(kSkinMessage, SkinCommandParam(command), argument);
  BroadcastToControls(form, command, argument);
}

}  // namespace

void BroadcastToForms(uint16_t command, LPARAM argument) {
  if (Application) {
    // A copy: forms may be created or freed by a reaction.
    std::vector<TComponent*> owned = Application->Components();
    for (auto it = owned.rbegin(); it != owned.rend(); ++it) {
      auto* form = dynamic_cast<TCustomForm*>(*it);
      if (!form || form->Destroying() || form->Loading()) continue;
      if (form->WindowHandle() && PassesCommandsOn(form->WindowHandle())) continue;
      SendToForm(form, command, argument);
    }
  }
  std::vector<TCustomForm*> registered = g_registeredForms;
  for (TCustomForm* form : registered)
    if (std::find(g_registeredForms.begin(), g_registeredForms.end(), form) != g_registeredForms.end() &&
        !form->Destroying())
      SendToForm(form, command, argument);
  std::vector<HWND> watched = g_watchedWindows;
  for (HWND window : watched)
    if (IsWindowVisible(window)) SendMessageW(window, kSkinMessage, SkinCommandParam(command), argument);
}

void BroadcastToControls(TWinControl* window, uint16_t command, LPARAM argument) {
  const WPARAM wParam = SkinCommandParam(command);
  std::vector<TControl*> controls = window->Controls();
  for (TControl* control : controls) {
    if (control->Destroying()) break;
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (!windowed || !windowed->HandleAllocated()) {
      control->Perform(kSkinMessage, wParam, argument);
    } else if (PassesCommandsOn(windowed->WindowHandle())) {
      SendMessageW(windowed->WindowHandle(), kSkinMessage, wParam, argument);
    } else if (!g_excludes || !g_excludes(windowed)) {
      BroadcastToControls(windowed, command, argument);
    }
  }
}

void BroadcastToChildWindows(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  std::vector<HWND> children;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  for (HWND child : children)
    if (GetParent(child) == window) SendMessageW(child, msg, wParam, lParam);
}

void RegisterSkinnedForm(TCustomForm* form) {
  if (std::find(g_registeredForms.begin(), g_registeredForms.end(), form) == g_registeredForms.end())
    g_registeredForms.push_back(form);
}

void UnregisterSkinnedForm(TCustomForm* form) { std::erase(g_registeredForms, form); }

void WatchWindow(HWND window) {
  if (std::find(g_watchedWindows.begin(), g_watchedWindows.end(), window) == g_watchedWindows.end())
    g_watchedWindows.push_back(window);
}

void UnwatchWindow(HWND window) { std::erase(g_watchedWindows, window); }
void ForgetWatchedWindows() { g_watchedWindows.clear(); }
void SetRefreshWindow(HWND window) { g_refreshWindow = window; }

void RefreshWatchedWindows(LPARAM argument) {
  if (g_refreshWindow) SendMessageW(g_refreshWindow, kSkinMessage, SkinCommandParam(AC_REFRESH), argument);
  for (HWND window : g_watchedWindows)
    if (IsWindowVisible(window)) RedrawWindow(window, nullptr, nullptr, kFullRedraw);
}

void SetBroadcastFilter(std::function<bool(TWinControl*)> excludes) { g_excludes = std::move(excludes); }
