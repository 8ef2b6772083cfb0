#include "skin/windows/TacCtrlAdapter.h"

#include <algorithm>

#include "skin/controls/sCommonDataWin.h"
#include "skin/controls/sLabel.h"
#include "skin/data/SkinColors.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "skin/windows/AdapterHandlers.h"
#include "skin/windows/LabelRecolouring.h"
#include "skin/windows/ScopedMark.h"
#include "toolkit/Buttons.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

namespace {

// Containers nest far less deeply on any real form; the bound keeps a
// malformed parent chain from exhausting the stack.
constexpr int kMaxScanDepth = 32;

// A label of the toolkit's own family, not one of the engine's skinned labels.
TLabel* PlainLabel(TComponent* component) {
  auto* label = dynamic_cast<TLabel*>(component);
  return label && !dynamic_cast<TsLabel*>(label) ? label : nullptr;
}

bool StillOwned(const TComponent& owner, const TComponent* component) {
  const auto& owned = owner.Components();
  return std::find(owned.begin(), owned.end(), component) != owned.end();
}

TacHandlerParams HandlerParams(const TacSkinParams& p, TControl& control) {
  TacHandlerParams params;
  params.Control = &control;
  params.Section = p.SkinSection;
  params.SkinColor = p.UseSkinColor;
  params.SkinFont = p.UseSkinFontColor;
  params.Horz = {p.HorzScrollWidth, p.HorzScrollBtnSize};
  params.Vert = {p.VertScrollWidth, p.VertScrollBtnSize};
  return params;
}

}  // namespace

TacCtrlAdapter::TacCtrlAdapter(AdapterHost& host) : host_(host) {}

// The items' handlers detach as they go: each control gets its own look back.
TacCtrlAdapter::~TacCtrlAdapter() = default;

const ThirdPartyList& TacCtrlAdapter::Lists() const {
  static const ThirdPartyList kNone;
  const TsSkinManager* manager = host_.Manager();
  return ListsInForce(host_.OwnLists(), manager ? manager->ThirdParty : kNone);
}

bool TacCtrlAdapter::Enabled() const {
  const TsSkinManager* manager = host_.Manager();
  return host_.AllowSkin3rdParty() && manager && (manager->SkinningRules & srThirdParty);
}

CandidateFacts TacCtrlAdapter::FactsOf(TComponent& component) const {
  CandidateFacts facts;
  facts.ClassName = component.ClassName();
  facts.Tag = component.Tag;
  auto* control = dynamic_cast<TControl*>(&component);
  if (auto* windowed = dynamic_cast<TWinControl*>(&component)) {
    facts.Kind = dynamic_cast<TCustomForm*>(windowed) ? CandidateKind::FrameOrForm : CandidateKind::Windowed;
    facts.WindowExists = windowed->WindowHandle() != nullptr;
  } else if (dynamic_cast<TSpeedButton*>(&component)) {
    facts.Kind = CandidateKind::SpeedButton;
  } else if (dynamic_cast<TLabel*>(&component)) {
    facts.Kind = CandidateKind::Label;
  } else if (control) {
    facts.Kind = CandidateKind::OtherGraphic;
  }
  // Asked only of a control that can answer: a windowed one needs its window.
  if (control && (facts.WindowExists || !dynamic_cast<TWinControl*>(control)))
    facts.HandlesSkinCommands = SendSkinCommand(*control, AC_CTRLHANDLED, 0) != 0;
  return facts;
}

bool TacCtrlAdapter::Supported(TComponent& component) const {
  return ::Supported(FactsOf(component), Lists(), host_.Events(), dynamic_cast<TControl*>(&component));
}

void TacCtrlAdapter::Scan(TWinControl* parent) {
  if (scanning_ || !Enabled()) return;
  ScopedMark mark(scanning_);
  PurgeDead();
  ScanLevel(parent ? *parent : host_.Form(), 0);
}

// The events asked on the way are the program's code and may free controls,
// or the container itself: every step checks what it is about to touch.
void TacCtrlAdapter::ScanLevel(TWinControl& parent, int depth) {
  if (depth > kMaxScanDepth) return;
  const std::weak_ptr<const void> parentLife = parent.LifeToken();
  const auto visit = [&](TComponent* component) {
    const std::weak_ptr<const void> life = component->LifeToken();
    if (auto* windowed = dynamic_cast<TWinControl*>(component)) {
      if (Supported(*windowed)) Add(*windowed);
      if (!life.expired() && windowed->WindowHandle() && windowed->Parent()) ScanLevel(*windowed, depth + 1);
    } else if (TLabel* label = PlainLabel(component); label && Supported(*label)) {
      if (!life.expired()) RecolourLabel(*label);
    }
  };
  const std::vector<TComponent*> owned(parent.Components());
  for (TComponent* component : owned) {
    if (parentLife.expired()) return;
    if (StillOwned(parent, component)) visit(component);
  }
  const std::vector<TControl*> children(parent.Controls());
  for (TControl* child : children) {
    if (parentLife.expired()) return;
    if (parent.HasChild(child)) visit(child);
  }
}

void TacCtrlAdapter::RecolourLabel(TLabel& label) {
  const TsSkinManager* manager = host_.Manager();
  const LoadedSkin* skin = manager && manager->SkinInForce() ? manager->Skin() : nullptr;
  if (!skin) return;
  host_.Labels().Recolour(label, GlobalFontColor(skin->Colors),
                          label.Transparent || manager->LabelsOptions.TransparentAlways);
}

void TacCtrlAdapter::Add(TWinControl& control, const std::string& section) {
  if (!host_.AllowSkin3rdParty()) return;
  // Forms are skinned by a provider of their own, never as a control of another form.
  if (dynamic_cast<TCustomForm*>(&control)) return;
  if (Excluded(FactsOf(control)) || !control.Parent()) return;
  TacSkinParams params;
  params.SkinSection = section;
  params.Control = &control;
  const std::weak_ptr<const void> life = control.LifeToken();
  if (!AskSkinItem(host_.Events(), params) || life.expired()) return;
  if (Item* item = ItemOf(control)) {
    if (item->Handler && !item->Handler->Detached()) return;
    item->Handler.reset();
  }
  // Attaching sends the window messages that may scan again and change the
  // items: the control's item is looked up afresh afterwards.
  std::unique_ptr<TacMainWnd> handler = Attach(control, params);
  if (!handler || life.expired()) return;
  Item* item = ItemOf(control);
  if (!item) items_.push_back({&control, life, std::move(handler)});
  else if (!item->Handler || item->Handler->Detached()) item->Handler = std::move(handler);
}

std::unique_ptr<TacMainWnd> TacCtrlAdapter::Attach(TWinControl& control, const TacSkinParams& params) {
  const CandidateFacts facts = FactsOf(control);
  if (Excluded(facts) || !control.Parent()) return nullptr;
  return MakeAdapterHandler(HandlerClassOf(Lists(), facts.ClassName), control.WindowHandle(),
                            HandlerParams(params, control), host_.Manager());
}

TacCtrlAdapter::Item* TacCtrlAdapter::ItemOf(const TControl& control) {
  for (Item& item : items_)
    if (item.Control == &control && !item.ControlLife.expired()) return &item;
  return nullptr;
}

TacMainWnd* TacCtrlAdapter::HandlerOf(const TControl& control) const {
  for (const Item& item : items_)
    if (item.Control == &control && !item.ControlLife.expired() && item.Handler && !item.Handler->Detached())
      return item.Handler.get();
  return nullptr;
}

void TacCtrlAdapter::PurgeDead() {
  std::erase_if(items_, [](const Item& item) {
    return item.ControlLife.expired() || !item.Handler || item.Handler->Detached();
  });
}

void TacCtrlAdapter::Forward(UINT message, WPARAM wParam, LPARAM lParam) {
  // A receiver may free other controls; the handles are taken first and each checked before use.
  std::vector<HWND> windows;
  for (const Item& item : items_)
    if (!item.ControlLife.expired() && item.Handler && !item.Handler->Detached() && item.Control->Parent())
      windows.push_back(item.Handler->Window());
  for (HWND window : windows)
    if (IsWindow(window)) SendMessageW(window, message, wParam, lParam);
}
