#pragma once
// TsLabel: the toolkit label with its caption in the skin's font colour: the
// colour of the section its parent names for it, else of its own section,
// else the skin-wide font colour. Windows only.
#include <string>

#include "toolkit/StdCtrls.h"

class TsLabel : public TLabel {
 public:
  explicit TsLabel(TComponent* owner) : TLabel(owner) { Transparent = true; }
  std::string ClassName() const override { return "TsLabel"; }
  LRESULT WndProc(TMessage& message) override;
  TColor TextColor() const override;

  bool UseSkinColor = true;
  std::string SkinSection;  // upper case; empty: none

 private:
  LRESULT OnSkinMessage(TMessage& message);
};

// Makes the stored definition's "TsLabel" and "TsHTMLLabel" entries create skinned labels (the HTML
// label reads "UseHTML" and "ShowMode" as an ordinal).
void RegisterLabelClass();
