#include "skin/controls/SkinnedEditsStored.h"

#include "skin/controls/sEdit.h"
#include "skin/controls/sMemo.h"
#include "toolkit/FormReader.h"

namespace {

// The binding's stored settings, the same for both classes.
template <class T>
bool ApplyStored(T& control, const std::string& name, const TStoredReader& r) {
  TsCommonData& binding = control.SkinData;
  if (name == "SkinData.CustomColor") binding.SetCustomColor(r.Bool());
  else if (name == "SkinData.CustomFont") binding.SetCustomFont(r.Bool());
  else if (name == "SkinData.SkinSection") binding.SetSkinSection(r.Text());
  else return false;
  return true;
}

}  // namespace

void RegisterSkinnedEditClasses() {
  RegisterStoredClass<TsEdit>("TsEdit", ApplyStored<TsEdit>);
  RegisterStoredClass<TsMemo>("TsMemo", ApplyStored<TsMemo>);
}
