#pragma once
// The column header ("SysHeader32") of a list view: items painted from the
// section ("COLHEADER") in their states, the pointer making them hot and a
// press showing them pressed, their texts in the section's font colour.
#include <windows.h>

#include "skin/handlers/TacPictureWnd.h"
#include "skin/handlers/HeaderLayout.h"

class TacHeaderWnd : public TacPictureWnd {
 public:
  ~TacHeaderWnd() override;
  LRESULT HandleMessage(TMessage& message) override;
  PixelBuffer Picture() override;
  // The items as they are painted now.
  HeaderLook Look() const;

 protected:
  using TacPictureWnd::TacPictureWnd;
  std::string DefaultSection() const override { return "COLHEADER"; }
  void OnDetach() override;
  std::optional<LRESULT> OnSkinCommand(uint16_t command, TMessage& message) override;

 private:
  void WriteTexts(PixelBuffer& picture, const HeaderLook& look);
  void SetHot(int32_t item);
  int32_t ItemAt(TPoint client) const;
  LRESULT OnMouseMove(TMessage& message);

  int32_t hot_ = -1;
};
