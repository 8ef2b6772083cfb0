#pragma once
// List views ("SysListView32"): frame, bars and colours of the edit family,
// and their column header painted from the skin by a header handler.
#include "skin/handlers/TacHeaderWnd.h"
#include "skin/handlers/TacViewWnd.h"

class TacListViewWnd : public TacViewWnd {
 public:
  ~TacListViewWnd() override;
  // The header's handler, while the view has a header that nothing else skins.
  TacHeaderWnd* HeaderHandler() const { return header_.get(); }

 protected:
  using TacViewWnd::TacViewWnd;
  ViewColorMessages ColorMessages() const override;
  void AfterAttach() override;
  void OnDetach() override;

 private:
  std::unique_ptr<TacHeaderWnd> header_;
};
