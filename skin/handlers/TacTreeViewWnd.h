#pragma once
// Tree views ("SysTreeView32"): frame, bars and colours of the edit family.
#include "skin/handlers/TacViewWnd.h"

class TacTreeViewWnd : public TacViewWnd {
 public:
  ~TacTreeViewWnd() override;

 protected:
  using TacViewWnd::TacViewWnd;
  ViewColorMessages ColorMessages() const override;
};
