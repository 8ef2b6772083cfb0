#include "skin/data/sSkinManagerStored.h"

#include <algorithm>

#include "skin/data/ProgramResources.h"
#include "skin/data/sSkinManagerWin.h"
#include "toolkit/FormReader.h"

namespace {

TsStoredSkin ReadStoredSkin(const std::vector<TStoredProperty>& item) {
  static const std::string kItemClass = "TsStoredSkin";
  TsStoredSkin skin;
  for (const TStoredProperty& p : item) {
    TStoredReader r{kItemClass, p.Name, p.Value};
    if (p.Name == "Name") skin.Name = r.Text();
    else if (p.Name == "Shadow1Color") skin.Shadow1Color = TColor(r.Int());
    else if (p.Name == "Shadow1Offset") skin.Shadow1Offset = int(r.Int());
    else if (p.Name == "Shadow1Transparency") skin.Shadow1Transparency = int(r.Int());
    else if (p.Name == "Data") {
      std::span<const uint8_t> bytes = ProgramResourceData(r.Text());
      if (bytes.empty()) r.Fail("no data resource of that name");
      skin.Data.assign(bytes.begin(), bytes.end());
    } else r.Fail("no such property");
  }
  return skin;
}

bool ApplyThirdParty(TsSkinManager& m, const std::string& n, const TStoredReader& r) {
  constexpr std::string_view kPrefix = "ThirdParty.";
  if (!n.starts_with(kPrefix)) return false;
  auto list = std::find(kThirdListNames.begin(), kThirdListNames.end(), std::string_view(n).substr(kPrefix.size()));
  if (list == kThirdListNames.end()) return false;
  m.ThirdParty.Text(TacThirdKind(list - kThirdListNames.begin())) = r.Text();
  return true;
}

bool ApplyManager(TsSkinManager& m, const std::string& n, const TStoredReader& r) {
  TacFontSetting& extraLineFont = m.MenuSupport.ExtraLineFont;
  if (n == "ExtendedBorders") m.SetExtendedBorders(r.Bool());
  else if (n == "Options.NativeBordersMaximized") m.Options.NativeBordersMaximized = r.Bool();
  else if (n == "Effects.AllowAeroBluring") m.Effects.AllowAeroBluring = r.Bool();
  else if (n == "InternalSkins") {
    TsStoredSkins skins;
    for (const std::vector<TStoredProperty>& item : r.Items()) skins.push_back(ReadStoredSkin(item));
    m.SetInternalSkins(std::move(skins));
  }
  else if (n == "MenuSupport.IcoLineSkin") m.MenuSupport.IcoLineSkin = r.Text();
  else if (n == "MenuSupport.UseExtraLine") m.MenuSupport.UseExtraLine = r.Bool();
  else if (n == "MenuSupport.ExtraLineFont.Name") extraLineFont.Name = r.Text();
  else if (n == "MenuSupport.ExtraLineFont.Height") extraLineFont.Height = int(r.Int());
  else if (n == "MenuSupport.ExtraLineFont.Color") extraLineFont.Color = TColor(r.Int());
  else if (n == "SkinDirectory") m.SetSkinDirectory(r.Text());
  else if (n == "SkinName") m.SetSkinName(r.Text());
  else return ApplyThirdParty(m, n, r);
  return true;
}

}  // namespace

void RegisterSkinManagerClass() {
  RegisterStoredClass<TsSkinManager>("TsSkinManager", ApplyManager,
                                     [](TComponent* owner) -> TComponent* {
                                       return new TsSkinManager(owner, &ProgramSkinHost());
                                     });
}
