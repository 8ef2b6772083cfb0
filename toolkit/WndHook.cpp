#include "toolkit/WndHook.h"

#include "toolkit/Application.h"
#include "toolkit/Control.h"
#include "toolkit/MessageGate.h"

// ---- TWndHookChain

TWndHookChain::TWndHookChain(TBase base) : base_(std::move(base)) {}

TWndHookChain::~TWndHookChain() { DetachAll(); }

LRESULT TWndHookChain::Dispatch(TMessage& message) { return CallFrom(top_, message); }

LRESULT TWndHookChain::CallFrom(TWndHook* hook, TMessage& message) {
  if (!hook) return message.Result = base_(message);
  Frame frame{this, hook, hook->below_, frames_, hook->frame_};
  frames_ = &frame;
  hook->frame_ = &frame;
  // Runs on return and on a throw alike; the handler may have destroyed the
  // hook or the chain, and then the frame says so.
  struct Pop {
    Frame& f;
    ~Pop() {
      if (f.hook) f.hook->frame_ = f.outerOfHook;
      if (f.chain) f.chain->frames_ = f.outer;
    }
  } pop{frame};
  return message.Result = hook->handler_(message);
}

void TWndHookChain::Link(TWndHook& hook) {
  hook.chain_ = this;
  hook.above_ = nullptr;
  hook.below_ = top_;
  if (top_) top_->above_ = &hook;
  top_ = &hook;
}

void TWndHookChain::Unlink(TWndHook& hook) {
  hook.Unpublish();
  if (hook.above_)
    hook.above_->below_ = hook.below_;
  else
    top_ = hook.below_;
  if (hook.below_) hook.below_->above_ = hook.above_;
  // Calls running above it go on past it.
  for (Frame* f = frames_; f; f = f->outer)
    if (f->next == &hook) f->next = hook.below_;
  hook.chain_ = nullptr;
  hook.above_ = hook.below_ = nullptr;
  if (!top_) Emptied();
}

void TWndHookChain::DetachAll() {
  while (top_) {
    TWndHook* hook = top_;
    hook->Unpublish();
    top_ = hook->below_;
    hook->chain_ = nullptr;
    hook->above_ = hook->below_ = nullptr;
  }
  for (Frame* f = frames_; f; f = f->outer) {
    f->chain = nullptr;
    f->next = nullptr;
  }
  frames_ = nullptr;
}

// ---- Subclassing by handle

namespace {

constexpr wchar_t kSubclassProperty[] = L"TkSubclass";

// Our one subclass of a window: the hooks installed on it by handle, over the
// procedure it had. Kept as a window property. It leaves the window when its
// last hook is gone and its procedure is still the window's first; while
// another procedure sits above it, it stays and passes messages through,
// since that procedure calls it. WM_NCDESTROY frees it in any case.
class TSubclass final : public TWndHookChain {
 public:
  static TSubclass* Of(HWND window) { return static_cast<TSubclass*>(GetPropW(window, kSubclassProperty)); }
  static TSubclass* Create(HWND window);

 protected:
  HWND Window() const override { return window_; }
  void Emptied() override {
    if (depth_ == 0) Release();
  }

 private:
  explicit TSubclass(HWND window);
  ~TSubclass() override { DetachAll(); }
  static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  bool First() const { return GetWindowLongPtrW(window_, GWLP_WNDPROC) == LONG_PTR(Procedure); }
  void Release();
  void WindowDestroyed();

  HWND window_;
  WNDPROC original_ = nullptr;
  int depth_ = 0;  // calls of Procedure running; the record is freed only outside them
  bool destroyed_ = false;
};

TSubclass::TSubclass(HWND window)
    : TWndHookChain([this](TMessage& m) { return CallWindowProcW(original_, window_, m.Msg, m.WParam, m.LParam); }),
      window_(window) {}

TSubclass* TSubclass::Create(HWND window) {
  auto* subclass = new TSubclass(window);
  // The property first: the first message after the swap must find the record.
  if (!SetPropW(window, kSubclassProperty, subclass)) {
    delete subclass;
    return nullptr;
  }
  SetLastError(0);
  LONG_PTR previous = SetWindowLongPtrW(window, GWLP_WNDPROC, LONG_PTR(Procedure));
  if (!previous && GetLastError()) {
    RemovePropW(window, kSubclassProperty);
    delete subclass;
    return nullptr;
  }
  subclass->original_ = reinterpret_cast<WNDPROC>(previous);
  return subclass;
}

void TSubclass::Release() {
  if (!destroyed_) {
    if (!Empty() || !First()) return;
    SetWindowLongPtrW(window_, GWLP_WNDPROC, LONG_PTR(original_));
    RemovePropW(window_, kSubclassProperty);
  }
  delete this;
}

void TSubclass::WindowDestroyed() {
  DetachAll();  // published objects leave while the window still exists
  if (First()) SetWindowLongPtrW(window_, GWLP_WNDPROC, LONG_PTR(original_));
  RemovePropW(window_, kSubclassProperty);
  destroyed_ = true;
}

LRESULT CALLBACK TSubclass::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TSubclass* subclass = Of(window);
  if (!subclass) return DefWindowProcW(window, msg, wParam, lParam);
  if (!MessageAdmitted(window, msg, wParam, lParam))
    return CallWindowProcW(subclass->original_, window, msg, wParam, lParam);
  ++subclass->depth_;
  TMessage m{msg, wParam, lParam, 0};
  try {
    subclass->Dispatch(m);
  } catch (...) {
    ReportCurrentException();
  }
  if (msg == WM_NCDESTROY) subclass->WindowDestroyed();
  if (--subclass->depth_ == 0) subclass->Release();
  return m.Result;
}

}  // namespace

// ---- TWndHook

TWndHook::TWndHook(THandler handler) : handler_(std::move(handler)) {}

TWndHook::~TWndHook() {
  Remove();
  for (TWndHookChain::Frame* f = frame_; f; f = f->outerOfHook) f->hook = nullptr;
}

void TWndHook::Install(TControl& control) {
  Remove();
  control.hooks_.Link(*this);
}

void TWndHook::Install(TApplication& application) {
  Remove();
  application.hooks_.Link(*this);
}

bool TWndHook::Install(HWND window) {
  Remove();
  if (!IsWindow(window) || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return false;
  TSubclass* subclass = TSubclass::Of(window);
  if (!subclass) subclass = TSubclass::Create(window);
  if (!subclass) return false;
  static_cast<TWndHookChain*>(subclass)->Link(*this);
  return true;
}

void TWndHook::Remove() {
  if (chain_) chain_->Unlink(*this);  // may free the chain: nothing of it is touched after
}

LRESULT TWndHook::CallPrevious(TMessage& message) {
  if (frame_) return frame_->chain ? frame_->chain->CallFrom(frame_->next, message) : message.Result;
  return chain_ ? chain_->CallFrom(below_, message) : message.Result;
}

bool TWndHook::Publish(const wchar_t* propertyName, void* object) {
  HWND window = Window();
  if (!window) return false;
  Unpublish();
  if (!SetPropW(window, propertyName, object)) return false;
  property_ = propertyName;
  published_ = object;
  return true;
}

void TWndHook::Unpublish() {
  if (!published_) return;
  HWND window = Window();
  if (window && GetPropW(window, property_.c_str()) == published_) RemovePropW(window, property_.c_str());
  published_ = nullptr;
  property_.clear();
}
