#include "skin/dialogs/DialogRules.h"

#include <algorithm>

#include "skin/data/ManagerSettings.h"

namespace {

ConsiderResult ConsiderForm(const ConsiderFacts& f) {
  if (f.Tag & 256) return ConsiderResult::Ignore;  // the engine's own windows
  if (f.FormLoading && !f.MdiChild) return ConsiderResult::Ignore;
  if (ExcludedFormClass(f.ClassName)) return ConsiderResult::Ignore;
  const uint8_t rule = f.ClassName == "TMessageForm" ? srStdDialogs : srStdForms;
  return (f.SkinningRules & rule) ? ConsiderResult::FormProvider : ConsiderResult::Ignore;
}

ConsiderResult ConsiderOther(const ConsiderFacts& f, const std::function<bool()>& hasToolbarDescendant) {
  if (f.ClassName != "#32770" && f.ClassName != "NativeHWNDHost") return ConsiderResult::Ignore;
  if (f.HasParent || !(f.SkinningRules & srStdDialogs)) return ConsiderResult::Ignore;
  if (f.VisibleSkinnedDialogs <= kVisibleSkinnedDialogLimit - 1) return ConsiderResult::SystemDialog;
  return hasToolbarDescendant && hasToolbarDescendant() ? ConsiderResult::SystemDialog : ConsiderResult::Ignore;
}

bool Has(uint32_t style, uint32_t bits) { return (style & bits) != 0; }

}  // namespace

bool ExcludedFormClass(std::string_view className) {
  static constexpr std::array<std::string_view, 7> kExcluded = {
      "TApplication",          "TfcPopup",          "TcxComboBoxPopupWindow", "TcxCustomPopupWindow",
      "TdxPopupEditForm",      "TcxDateEditPopupWindow", "TcxGridFilterPopup"};
  return std::find(kExcluded.begin(), kExcluded.end(), className) != kExcluded.end();
}

ConsiderResult Consider(const ConsiderFacts& f, const std::function<bool()>& hasToolbarDescendant) {
  if (!f.DefaultManager || !f.ApplicationLives || f.HandlesSkinCommands || f.Watched) return ConsiderResult::Ignore;
  if (f.Popup && !f.HasBorder) return ConsiderResult::Ignore;
  return f.ToolkitForm ? ConsiderForm(f) : ConsiderOther(f, hasToolbarDescendant);
}

int32_t DialogKindOf(uint32_t style) {
  if (Has(style, WindowStyle::Popup) && (style & WindowStyle::Caption) != WindowStyle::Caption) return 2;
  if (Has(style, WindowStyle::SizingFrame)) return 3;
  return Has(style, WindowStyle::ModalFrame) ? 0 : 3;
}

bool ToolWindowKind(int32_t kind) { return kind == 4 || kind == 5; }

namespace {
bool BigKind(int32_t kind) { return kind == 1 || kind == 3; }
}  // namespace

GlyphSet DialogGlyphSet(int32_t kind, bool skinHasSmallClose) {
  return BigKind(kind) || !skinHasSmallClose ? GlyphSet::Big : GlyphSet::Small;
}

std::string_view DialogTitleSection(int32_t kind, bool skinHasDialogTitle) {
  return !BigKind(kind) && skinHasDialogTitle ? "DIALOGTITLE" : "FORMTITLE";
}

bool DialogShowsClose(const DialogFacts& f) { return Has(f.Style, WindowStyle::SystemMenu); }
bool DialogShowsMaxMin(const DialogFacts& f) {
  return Has(f.Style, WindowStyle::MaximizeBox | WindowStyle::MinimizeBox) || f.Iconic;
}
bool DialogShowsHelp(const DialogFacts& f) { return Has(f.ExStyle, WindowStyle::ExContextHelp); }

bool DialogRestoreEnabled(const DialogFacts& f) { return Has(f.Style, WindowStyle::MaximizeBox) && (f.Iconic || f.Zoomed); }
bool DialogMaximizable(const DialogFacts& f) {
  const bool maximizableKind = f.Kind == 1 || f.Kind == 3 || f.Kind == 5;
  return Has(f.Style, WindowStyle::MaximizeBox) && maximizableKind && !f.Zoomed;
}
bool DialogMaxEnabled(const DialogFacts& f) { return DialogMaximizable(f) || DialogRestoreEnabled(f); }
bool DialogMinEnabled(const DialogFacts& f) { return Has(f.Style, WindowStyle::MinimizeBox) && !f.Iconic; }

int32_t DialogButtonHit(const DialogFacts& f, TitleButton button) {
  switch (button) {
    case TitleButton::Close: return f.CloseForbidden ? kFrameHitNowhere : kFrameHitClose;
    case TitleButton::Maximize: return DialogMaxEnabled(f) ? kFrameHitMaxButton : kFrameHitCaption;
    case TitleButton::Minimize: return DialogMinEnabled(f) ? kFrameHitMinButton : kFrameHitCaption;
    case TitleButton::Help: return kFrameHitHelp;
  }
  return kFrameHitNowhere;
}

std::array<SysItemState, kSysItemCount> DialogMenuItems(const DialogFacts& f) {
  std::array<SysItemState, kSysItemCount> items{};
  const bool maximizeBox = Has(f.Style, WindowStyle::MaximizeBox);
  const bool minimizeBox = Has(f.Style, WindowStyle::MinimizeBox);
  const bool sizeVisible = f.Kind != 0 && f.Kind != 2 && f.Kind != 4;
  items[size_t(SysItem::Restore)] = {maximizeBox, DialogRestoreEnabled(f)};
  items[size_t(SysItem::Move)] = {true, !f.Zoomed};
  items[size_t(SysItem::Size)] = {sizeVisible, f.Kind != 1 && !f.Iconic};
  items[size_t(SysItem::Minimize)] = {minimizeBox, DialogMinEnabled(f)};
  items[size_t(SysItem::Maximize)] = {maximizeBox, DialogMaximizable(f)};
  items[size_t(SysItem::Close)] = {DialogShowsClose(f), true};
  return items;
}
