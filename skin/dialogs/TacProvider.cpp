#include "skin/dialogs/TacProvider.h"

#include "skin/controls/TacMainWnd.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/sSkinManager.h"
#include "skin/dialogs/ChildHandlers.h"
#include "skin/dialogs/DialogWatcher.h"
#include "skin/dialogs/TacDialogWnd.h"

TacProvider::TacProvider(TComponent* owner, HWND window, DialogWatcher& watcher)
    : TComponent(owner), window_(window), watcher_(watcher) {}

TacProvider::~TacProvider() {
  watcher_.Forget(this);
  Release();
}

void TacProvider::Release() {
  Children.clear();  // last, the dialog: children ask it for their background
  Dialog.reset();
}

bool TacProvider::AttachDialog(TsSkinManager& manager) {
  if (!TacDialogWnd::CanFrame(manager)) return false;
  TacHandlerParams params;
  params.Section = "DIALOG";
  Dialog = TacMainWnd::Create<TacDialogWnd>(window_, false, params, &manager);
  Dialog->OnChildrenWanted = [this, &manager] { AttachChildren(manager); };
  SendMessageW(window_, kSkinMessage, SkinCommandParam(AC_SETNEWSKIN), reinterpret_cast<LPARAM>(&manager));
  return true;
}

namespace {

struct ChildSearch {
  std::vector<HWND> Children;
};

BOOL CALLBACK CollectChild(HWND child, LPARAM search) {
  reinterpret_cast<ChildSearch*>(search)->Children.push_back(child);
  return TRUE;
}

}  // namespace

void TacProvider::AttachChildren(TsSkinManager& manager) {
  if (Dropped || !Dialog) return;
  ChildSearch search;
  EnumChildWindows(window_, CollectChild, reinterpret_cast<LPARAM>(&search));  // every depth
  for (HWND child : search.Children) {
    if (FindHandler(child) || SendMessageW(child, kSkinMessage, SkinCommandParam(AC_CTRLHANDLED), 0)) continue;
    try {
      if (std::unique_ptr<TacMainWnd> handler = CreateChildHandler(child, ChildHandlerFor(ReadChildFacts(child)), manager))
        Children.push_back(std::move(handler));
    } catch (...) {
      Dropped = true;
      Children.clear();
      Dialog->Detach();  // the dialog may be inside its own message: it is freed with the record
      RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      return;
    }
  }
}
