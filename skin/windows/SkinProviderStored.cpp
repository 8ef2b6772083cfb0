// The skin provider as stored definitions name it.
#include <algorithm>

#include "skin/windows/sSkinProvider.h"
#include "toolkit/FormReader.h"

namespace {

bool ApplyStored(TsSkinProvider& p, const std::string& name, const TStoredReader& r) {
  if (name == "SkinData.SkinSection") p.SkinData.SetSkinSection(r.Text());
  else if (name == "AllowExtBorders") p.AllowExtBorders = r.Bool();
  else if (name == "DrawNonClientArea") p.DrawNonClientArea = r.Bool();
  else if (name == "ShowAppIcon") p.ShowAppIcon = r.Bool();
  else if (name == "GripMode") p.GripMode = r.Enum<TGripMode>(2);
  else if (name == "TitleIcon.Visible") p.TitleIcon.Visible = r.Bool();
  else if (name == "TitleIcon.Width") p.TitleIcon.Width = Screen::Scale(int(r.Int()));
  else if (name == "TitleIcon.Height") p.TitleIcon.Height = Screen::Scale(int(r.Int()));
  else if (name == "MakeSkinMenu") p.MakeSkinMenu = r.Bool();
  else if (name == "SysSubMenu.Caption") p.SysSubMenu.Caption = r.Text();
  else if (name == "SysSubMenu.Position") p.SysSubMenu.Position = r.Enum<TacSubMenuPosition>(3);
  else if (name == "UseGlobalColor") p.UseGlobalColor = r.Bool();
  else if (name == "TitleSkin") p.TitleSkin = r.Text();
  else if (name == "FormHeader.AdditionalHeight") p.FormHeaderAdditionalHeight = int(r.Int());
  else if (name == "CaptionAlignment") p.CaptionAlignment = TAlignment(std::clamp<int64_t>(r.Int(), 0, 2));
  else if (name == "AddedTitle.Text") p.AddedTitle.Text = r.Text();
  else if (name == "AddedTitle.ShowMainCaption") p.AddedTitle.ShowMainCaption = r.Bool();
  else if (name == "AddedTitle.Font.Name") p.AddedTitle.Font.Name = r.Text();
  else if (name == "AddedTitle.Font.Height") p.AddedTitle.Font.Height = Screen::Scale(int(r.Int()));
  else if (name == "AddedTitle.Font.Color") p.AddedTitle.Font.Color = TColor(r.Int());
  else if (name == "AddedTitle.Font.Charset") p.AddedTitle.Font.Charset = int(r.Int());
  else return false;
  return true;
}

}  // namespace

void RegisterSkinProviderClass() { RegisterStoredClass<TsSkinProvider>("TsSkinProvider", ApplyStored); }
