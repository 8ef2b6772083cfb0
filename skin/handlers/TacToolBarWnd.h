#pragma once
// Tool bars ("ToolbarWindow32"): the bar's background from its section
// ("BAR" for tool bars of dialogs, "TOOLBAR" for the toolkit's), every button
// with the skin's "TOOLBUTTON" face in its state under its image and text,
// and separators as the skin's "DIVIDER". The tool bar keeps its own hot
// item and pressed state; the handler paints what they are.
#include "skin/handlers/TacPictureWnd.h"

class TacToolBarWnd : public TacPictureWnd {
 public:
  ~TacToolBarWnd() override;
  PixelBuffer Picture() override;

 protected:
  using TacPictureWnd::TacPictureWnd;
  std::string DefaultSection() const override { return "BAR"; }

 private:
  void PaintButtons(PixelBuffer& picture);
};

// The toolkit's tool bars.
class TacToolBarVCLWnd : public TacToolBarWnd {
 protected:
  using TacToolBarWnd::TacToolBarWnd;
  std::string DefaultSection() const override { return "TOOLBAR"; }
};
