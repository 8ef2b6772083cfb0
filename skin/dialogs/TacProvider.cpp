#include "skin/dialogs/TacProvider.h"

#include "skin/controls/TacMainWnd.h"
#include "skin/dialogs/DialogWatcher.h"

TacProvider::TacProvider(TComponent* owner, HWND window, DialogWatcher& watcher)
    : TComponent(owner), window_(window), watcher_(watcher) {}

TacProvider::~TacProvider() {
  watcher_.Forget(this);
}
