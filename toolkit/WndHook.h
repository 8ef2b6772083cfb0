#pragma once
// Window-procedure hooks. A hook sees a window's messages before the handling
// it was installed over and passes on what it does not take with CallPrevious.
// It is installed either on a toolkit control (the control's own dispatch,
// which Perform uses as well) or the application, or on any window of this
// thread by its handle (subclassing through GWLP_WNDPROC, for windows the
// toolkit did not create).
//
// Lifetime: a chain knows its hooks and a hook its chain, and whichever goes
// first unlinks the other. A hook destroyed first leaves the chain, wherever
// it stands in it; a control or window destroyed first leaves its hooks
// uninstalled, and a message they are still handling goes no further down.
// Hooks may be removed and destroyed while they handle a message, even by
// their own handler.
//
//   class TsSkinnedThing {
//     TWndHook hook_{[this](TMessage& m) { return OnMessage(m); }};
//     LRESULT OnMessage(TMessage& m) {
//       switch (m.Msg) {
//         case WM_NCHITTEST: return OnNcHitTest(PointOf(m));
//         default:           return hook_.CallPrevious(m);
//       }
//     }
//   };
//   hook_.Install(control);  // or hook_.Install(window)
//   hook_.Remove();          // or let the destructor do it
#include <windows.h>

#include <functional>
#include <string>

#include "toolkit/Messages.h"

class TApplication;
class TControl;
class TWndHook;

// The hooks of one message target, the latest installed first, over the
// target's own handling (the base).
class TWndHookChain {
 public:
  using TBase = std::function<LRESULT(TMessage&)>;
  explicit TWndHookChain(TBase base);
  virtual ~TWndHookChain();
  TWndHookChain(const TWndHookChain&) = delete;
  TWndHookChain& operator=(const TWndHookChain&) = delete;

  // Hands a message to the top hook, or to the base when there is none; stores and returns the result.
  LRESULT Dispatch(TMessage& message);
  bool Empty() const { return top_ == nullptr; }
  // The target is gone: every hook becomes uninstalled and the messages being handled stop where they are.
  void DetachAll();

 protected:
  // The window the hooks are installed on by handle; null for a control's chain.
  virtual HWND Window() const { return nullptr; }
  // The last hook left. Called as the last step of a removal, so it may free the chain.
  virtual void Emptied() {}

 private:
  friend class TWndHook;
  // One running handler call. CallPrevious goes on from `next`, which removals below keep current.
  struct Frame {
    TWndHookChain* chain;  // null once the chain is detached
    TWndHook* hook;        // null once the hook is destroyed
    TWndHook* next;        // the hook below, or null for the base
    Frame* outer;          // the chain's enclosing call
    Frame* outerOfHook;    // the hook's enclosing call
  };
  LRESULT CallFrom(TWndHook* hook, TMessage& message);
  void Link(TWndHook& hook);
  void Unlink(TWndHook& hook);

  TBase base_;
  TWndHook* top_ = nullptr;
  Frame* frames_ = nullptr;  // innermost first
};

class TWndHook {
 public:
  using THandler = std::function<LRESULT(TMessage&)>;
  explicit TWndHook(THandler handler);
  ~TWndHook();
  TWndHook(const TWndHook&) = delete;
  TWndHook& operator=(const TWndHook&) = delete;

  // On top of the control's chain; a hook installed elsewhere moves.
  void Install(TControl& control);
  // On top of the application window's chain (it need not have its window yet).
  void Install(TApplication& application);
  // On top of the window's chain, subclassing it on first use. False for a
  // window that does not exist or belongs to another thread.
  bool Install(HWND window);
  // Leaves the chain; the hooks above and below stay. A window whose last hook
  // leaves gets its procedure back when nobody subclassed it after us, and
  // otherwise keeps passing messages through until it is destroyed.
  void Remove();
  bool Installed() const { return chain_ != nullptr; }
  // The window this hook is installed on by handle, or null.
  HWND Window() const { return chain_ ? chain_->Window() : nullptr; }

  // Passes the message to the hook below (or the target's own handling) and
  // returns its result; a hook whose chain is gone returns message.Result.
  LRESULT CallPrevious(TMessage& message);

  // Makes `object` findable from the hooked window under `propertyName`
  // (FindWindowObject) while this hook is installed there. False when the
  // hook is not installed by handle.
  bool Publish(const wchar_t* propertyName, void* object);

 private:
  friend class TWndHookChain;
  void Unpublish();

  THandler handler_;
  TWndHookChain* chain_ = nullptr;
  TWndHook* below_ = nullptr;
  TWndHook* above_ = nullptr;
  TWndHookChain::Frame* frame_ = nullptr;  // the innermost running call of handler_
  std::wstring property_;
  void* published_ = nullptr;
};

// The object published under a property name on a window, or null.
template <class T>
T* FindWindowObject(HWND window, const wchar_t* propertyName) {
  return window ? static_cast<T*>(GetPropW(window, propertyName)) : nullptr;
}
