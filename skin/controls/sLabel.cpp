#include "skin/controls/sLabel.h"

#include "skin/controls/sCommonData.h"
#include "skin/controls/sCommonDataWin.h"
#include "skin/controls/sHTMLLabel.h"
#include "skin/data/SectionTable.h"
#include "skin/data/SkinColors.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/core/Blend.h"
#include "toolkit/FormReader.h"
#include "toolkit/WinControl.h"

namespace {

// The disabled caption: 40 % of the colour over the parent's.
constexpr double kDisabledTextWeight = 0.4;

}  // namespace

LRESULT TsLabel::WndProc(TMessage& m) {
  switch (m.Msg) {
    case kSkinMessage: return OnSkinMessage(m);
    default:           return TLabel::WndProc(m);
  }
}

// A label asks its parent which section to take its colour from; every skin change repaints it.
LRESULT TsLabel::OnSkinMessage(TMessage& m) {
  const uint16_t command = SkinCommandOf(m.WParam);
  const TsSkinManager* manager = DefaultManager();
  if (command == AC_GETFONTSECTION && Parent() && manager && manager->SkinInForce()) {
    auto* request = reinterpret_cast<TacFontSectionRequest*>(m.LParam);
    request->Bounds = {request->Bounds.Left + Left(), request->Bounds.Top + Top(), request->Bounds.Right + Left(),
                       request->Bounds.Bottom + Top()};
    return SendSkinCommand(*Parent(), AC_GETFONTSECTION, m.LParam);
  }
  if (command == AC_SETNEWSKIN || command == AC_REMOVESKIN || command == AC_REFRESH) Invalidate();
  return TLabel::WndProc(m);
}

TColor TsLabel::TextColor() const {
  const TsSkinManager* manager = DefaultManager();
  const LoadedSkin* skin = manager && manager->SkinInForce() ? manager->Skin() : nullptr;
  if (!UseSkinColor || !skin) return TLabel::TextColor();
  const auto fontColorOf = [&](int32_t section) -> std::optional<TColor> {
    if (section < 0 || size_t(section) >= skin->Sections.size()) return std::nullopt;
    return skin->Sections[size_t(section)].Props[0].TextColor;
  };
  std::optional<TColor> color;
  if (Parent()) {
    TacFontSectionRequest request{BoundsRect(), -1};
    if (SendSkinCommand(*Parent(), AC_GETFONTSECTION, reinterpret_cast<intptr_t>(&request)))
      color = fontColorOf(request.SectionIndex);
  }
  if (!color && !SkinSection.empty()) color = fontColorOf(FindSection(skin->Sections, SkinSection));
  const TColor base = color ? *color : GlobalFontColor(skin->Colors);
  if (Enabled()) return base;
  const TColor parent = Parent() ? ResolveColor(Parent()->Color()) : ResolveColor(clBtnFace);
  return LerpColor(ResolveColor(base), parent, kDisabledTextWeight);
}

namespace {

bool ApplyStored(TsHTMLLabel& label, const std::string& name, const TStoredReader& r) {
  if (name == "UseHTML") label.UseHTML = r.Bool();
  else if (name == "ShowMode") label.ShowMode = r.Enum<TsWindowShowMode>(kWindowShowModeCount);
  else return false;
  return true;
}

}  // namespace

void RegisterLabelClass() {
  RegisterStoredClass<TsLabel>("TsLabel");
  RegisterStoredClass<TsHTMLLabel>("TsHTMLLabel", ApplyStored);
}
