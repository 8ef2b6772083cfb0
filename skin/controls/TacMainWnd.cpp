#include "skin/controls/TacMainWnd.h"

#include <algorithm>

#include "skin/controls/BindingPaint.h"
#include "skin/controls/VisualTheme.h"
#include "skin/controls/BindingHostsWin.h"
#include "skin/controls/sCommonDataWin.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/core/DisabledLook.h"
#include "toolkit/Application.h"
#include "toolkit/Control.h"
#include "toolkit/Messages.h"

namespace {

constexpr uint16_t AC_GETHANDLER = 12;  // the handler itself

void ForwardToChildren(HWND window, const TMessage& m) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    SendMessageW(child, kSkinMessage, m.WParam, m.LParam);
}

}  // namespace

TacMainWnd::TacMainWnd(HWND window, const TacHandlerParams& params, TsSkinManager* manager, TsCommonData* binding)
    : params_(params),
      window_(window),
      manager_(manager),
      binding_(binding),
      hook_([this](TMessage& m) -> LRESULT { return detached_ ? hook_.CallPrevious(m) : HandleMessage(m); }) {}

TacMainWnd::~TacMainWnd() { Detach(); }

TsSkinManager* TacMainWnd::Manager() const {
  if (manager_) return manager_;
  if (binding_ && binding_->Manager()) return binding_->Manager();
  return DefaultManager();
}

bool TacMainWnd::SkinActive() const {
  const TsSkinManager* m = Manager();
  return m && m->Active() && m->SkinInForce() && binding_ && binding_->IsSkinned();
}

std::string TacMainWnd::RequestedSection() const {
  if (binding_ && !binding_->SkinSection().empty()) return binding_->SkinSection();
  return params_.Section.empty() ? DefaultSection() : params_.Section;
}

bool TacMainWnd::SwitchesThemeOff() const { return !params_.DialogMode && RequestedSection() != "DIALOG"; }

void TacMainWnd::Init(bool update) {
  if (SwitchesThemeOff()) SwitchVisualThemeOff(window_);
  if (!binding_) {
    if (params_.Control) ownHost_ = std::make_unique<ControlBindingHost>(*params_.Control);
    else ownHost_ = std::make_unique<WindowBindingHost>(window_);
    ownBinding_ = CreateBinding(*ownHost_);
    binding_ = ownBinding_.get();
    binding_->SetSkinManager(manager_);
    binding_->SetCustomFont(!params_.SkinFont);
    binding_->SetCustomColor(!params_.SkinColor);
    if (auto* scroll = dynamic_cast<TsScrollWndData*>(binding_)) {
      scroll->HorzScrollData = params_.Horz;
      scroll->VertScrollData = params_.Vert;
    }
  }
  const int length = GetWindowTextLengthW(window_);
  text_.assign(size_t(std::max(length, 0)) + 1, L'\0');
  text_.resize(size_t(GetWindowTextW(window_, text_.data(), length + 1)));
  Attach(update);
  SaveOwnLook();
  AfterAttach();
}

std::unique_ptr<TsCommonData> TacMainWnd::CreateBinding(BindingHost& host) {
  return std::make_unique<TsCommonData>(&host, true);
}

void TacMainWnd::Attach(bool /*update*/) {
  // A control's own binding: the handler stands in for the control's dispatch,
  // which direct dispatch (Perform) goes through as well.
  onControl_ = params_.Control && ownBinding_ == nullptr;
  if (onControl_) {
    hook_.Install(*params_.Control);
    SetPropW(window_, kHandlerProperty, this);
  } else {
    hook_.Install(window_);
    hook_.Publish(kHandlerProperty, this);
  }
  detached_ = false;
}

void TacMainWnd::AfterAttach() {
  if (!ownBinding_) return;
  if (binding_->SkinSection().empty()) binding_->SetSkinSection(params_.Section.empty() ? DefaultSection() : params_.Section);
  binding_->FinishLoading();
}

void TacMainWnd::Detach() {
  if (detached_) return;
  OnDetaching();
  detached_ = true;
  hook_.Remove();
  if (onControl_ && GetPropW(window_, kHandlerProperty) == this) RemovePropW(window_, kHandlerProperty);
  RestoreOwnLook();
  OnDetach();
}

LRESULT TacMainWnd::PassOn(TMessage& m) {
  try {
    return hook_.CallPrevious(m);
  } catch (...) {
    ReportCurrentException();
    return m.Result = 0;
  }
}

TRect TacMainWnd::WindowRectInScreen() const {
  RECT r{};
  GetWindowRect(window_, &r);
  return {r.left, r.top, r.right, r.bottom};
}

TSize TacMainWnd::WindowSize() const {
  const TRect r = WindowRectInScreen();
  return {r.Right - r.Left, r.Bottom - r.Top};
}

void TacMainWnd::RedrawAll() const {
  RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// BuildCache marks painting suspended where the parent is not ready to give its background.
bool TacMainWnd::SharedHooks::BuildPicture() {
  handler_.BuildCache();
  return !handler_.SkinData().PaintSuspended;
}

void TacMainWnd::RepaintFrame() const { RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW); }

LRESULT TacMainWnd::HandleMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_DESTROY:
    case WM_NCDESTROY: return OnDestroy(m);
    case WM_UPDATEUISTATE: return 0;
    case WM_SIZE:
      binding_->CacheStale = true;
      return PassOn(m);
    case WM_SETTEXT: return OnSetText(m);
    case WM_MOUSEMOVE:
      if (TsSkinManager* manager = Manager(); manager && IsWindowEnabled(window_))
        manager->SetHotWindow(reinterpret_cast<uintptr_t>(window_));
      return PassOn(m);
    case WM_PRINT: {
      TMessage paint{WM_PAINT, m.WParam, 0, 0};
      return m.Result = HandleMessage(paint);
    }
    case kSkinMessage: return OnSkinMessage(m);
    default: return PassOn(m);
  }
}

LRESULT TacMainWnd::OnDestroy(TMessage& m) {
  if (binding_->Effects) {
    binding_->Effects->StopFade(*binding_);
    binding_->Effects->HideGlow(*binding_, false);
  }
  Detach();
  return PassOn(m);
}

LRESULT TacMainWnd::OnSetText(TMessage& m) {
  const std::weak_ptr<const void> alive = LifeToken();
  const LRESULT result = PassOn(m);
  if (alive.expired()) return result;
  text_ = m.LParam ? reinterpret_cast<const wchar_t*>(m.LParam) : L"";
  return result;
}

LRESULT TacMainWnd::OnSkinMessage(TMessage& m) {
  if (!Manager() || !Manager()->Active()) return PassOn(m);
  const uint16_t command = SkinCommandOf(m.WParam);
  if (std::optional<LRESULT> answer = OnSkinCommand(command, m)) return m.Result = *answer;
  if (std::optional<intptr_t> answer = binding_->OnSkinCommand(command, m.LParam)) return m.Result = *answer;
  return PassOn(m);
}

LRESULT TacMainWnd::OnRemoveSkin(TMessage& m) {
  // The window's own look comes back before its own handling sees the
  // removal; that handling may free this handler (the memo does).
  RestoreOwnLook();
  const std::weak_ptr<const void> alive = LifeToken();
  const LRESULT result = PassOn(m);
  if (!alive.expired()) Detach();  // the owner frees a detached handler
  return result;
}

std::optional<LRESULT> TacMainWnd::OnSkinCommand(uint16_t command, TMessage& m) {
  if (std::optional<LRESULT> answer = AnswerSharedCommand(command, m, *binding_, sharedHooks_)) return answer;
  const bool fromOwnManager = FromManager(Manager(), m.LParam);
  switch (command) {
    case AC_SETNEWSKIN: {
      if (!fromOwnManager) return std::nullopt;
      binding_->ChooseSection();
      binding_->CacheStale = true;
      const std::weak_ptr<const void> alive = LifeToken();
      ForwardToChildren(window_, m);
      if (alive.expired()) return 0;
      return PassOn(m);
    }
    case AC_REMOVESKIN:
      if (!fromOwnManager) return std::nullopt;
      return OnRemoveSkin(m);
    case AC_REFRESH:
      if (!fromOwnManager) return std::nullopt;
      binding_->ChooseSection();
      binding_->CacheStale = true;
      binding_->StateFlags &= uint16_t(~kStateUpdating);
      ApplySkinLook();
      if (IsWindowVisible(window_)) RedrawAll();
      ForwardToChildren(window_, m);
      return 0;
    case AC_CTRLHANDLED: return 1;
    case AC_MUSTREPAINT:
      if (binding_->PaintSuspended) return 1;
      return SendMessageW(GetParent(window_), kSkinMessage, m.WParam, m.LParam);
    case AC_GETHANDLER: return reinterpret_cast<LRESULT>(this);
    case AC_SETSECTION: {
      const auto* name = reinterpret_cast<const std::string*>(m.LParam);
      if (!name) return 0;
      binding_->SetSkinSection(*name);
      return 1;
    }
    case AC_GETCONTROLCOLOR: return LRESULT(binding_->ColorAnswer());
    case AC_GETSKINDATA: return reinterpret_cast<LRESULT>(binding_);
    case AC_GETAPPLICATION: return reinterpret_cast<LRESULT>(Application);
    default: return std::nullopt;
  }
}

void TacMainWnd::BuildCache() {
  TsCommonData& b = *binding_;
  const std::optional<BackgroundInfo> ready = b.BackgroundForBuild();
  if (!ready) return;
  const BackgroundInfo& bg = *ready;
  PixelBuffer& cache = *b.CachePicture;
  const TsGeneralData* section = b.Section();
  const bool hot = b.HasFocus || (b.PointerInside && !HotOnlyByFocus(b.ControlKind) &&
                                  !(Manager() && Manager()->Options.NoMouseHover) && section &&
                                  (section->States > 1));
  const int32_t state = hot ? 1 : 0;
  const TPoint at = b.Host()->PositionInParent();
  if (BackgroundOnly()) PaintBindingBackground(b, cache, bg, at, cache.Bounds(), state);
  else PaintBindingSection(b, cache, bg, at, cache.Bounds(), state, true);
  if (!IsWindowEnabled(window_)) ApplyDisabledLook(cache, dkBlended, at, bg, b.Host()->ParentColor());
  b.CacheStale = false;
  b.PatchCornersFromParent(cache);
}

TacMainWnd* FindHandler(HWND window) { return FindWindowObject<TacMainWnd>(window, kHandlerProperty); }
