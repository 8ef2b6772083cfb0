#include "skin/controls/SkinnedEditsStored.h"

#include "skin/controls/sEdit.h"
#include "skin/controls/sMemo.h"
#include "toolkit/FormReader.h"

namespace {

TsCommonData* BindingOf(TComponent& c) {
  if (auto* edit = dynamic_cast<TsEdit*>(&c)) return &edit->SkinData;
  if (auto* memo = dynamic_cast<TsMemo*>(&c)) return &memo->SkinData;
  return nullptr;
}

}  // namespace

void RegisterSkinnedEditClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  RegisterComponentClass("TsEdit", [](TComponent* owner) -> TComponent* { return new TsEdit(owner); });
  RegisterComponentClass("TsMemo", [](TComponent* owner) -> TComponent* { return new TsMemo(owner); });
  RegisterPropertyHook([](TComponent& c, const std::string& name, const TStoredValue& value) {
    TsCommonData* binding = BindingOf(c);
    if (!binding || name.rfind("SkinData.", 0) != 0) return false;
    const std::string className = c.ClassName();
    TStoredReader r{className, name, value};
    if (name == "SkinData.CustomColor") binding->SetCustomColor(r.Bool());
    else if (name == "SkinData.CustomFont") binding->SetCustomFont(r.Bool());
    else if (name == "SkinData.SkinSection") binding->SetSkinSection(r.Text());
    else r.Fail("no such property");
    return true;
  });
}
