#pragma once
// Window handlers: an object attached to one window (a standard window, or a
// toolkit control's window) that sees its messages first, paints it or parts
// of it from a skin section and passes the rest on. The handler is published
// on its window as "ACSBSC" (FindHandler) until it is detached: on the
// window's destruction, on skin removal or when its owner frees it.
//
//   auto list = TacMainWnd::Create<TacComboListWnd>(listWindow, true, {.Section = "EDIT"}, manager);
//   ... FindHandler(listWindow) == list.get() ...
//   list.reset();  // detaches
//
// Passing a message on runs the window's own handling, which may free the
// handler (a memo frees its handler on skin removal): code that goes on after
// PassOn or a SendMessage takes LifeToken() first and checks it.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "skin/controls/SkinnedControl.h"
#include "skin/controls/sCommonData.h"
#include "toolkit/WndHook.h"

class TControl;
class TsSkinManager;

inline constexpr wchar_t kHandlerProperty[] = L"ACSBSC";

struct TacHandlerParams {
  TControl* Control = nullptr;  // the toolkit control the window belongs to, or none
  std::string Section;          // empty: the handler's default
  bool SkinColor = true;        // false: the window keeps its colour (CustomColor)
  bool SkinFont = true;         // false: the window keeps its font colour (CustomFont)
  TacScrollData Horz, Vert;     // bar thickness (ScrollWidth) and arrow length (ButtonsSize); -1 unset
  bool DialogMode = false;      // a child of a system dialog: it keeps its visual theme
};

class TacMainWnd {
 public:
  // Makes a handler of class T for window and attaches it. binding: the
  // control's own binding, or null for one the handler makes and owns.
  // update: the window's frame is recomputed after attaching.
  template <class T>
  static std::unique_ptr<T> Create(HWND window, bool update, const TacHandlerParams& params,
                                   TsSkinManager* manager = nullptr, TsCommonData* binding = nullptr) {
    std::unique_ptr<T> handler(new T(window, params, manager, binding));
    handler->Init(update);
    return handler;
  }
  virtual ~TacMainWnd();
  TacMainWnd(const TacMainWnd&) = delete;
  TacMainWnd& operator=(const TacMainWnd&) = delete;

  HWND Window() const { return window_; }
  TControl* Control() const { return params_.Control; }
  TsCommonData& SkinData() const { return *binding_; }
  TsSkinManager* Manager() const;
  bool Detached() const { return detached_; }
  bool DialogMode() const { return params_.DialogMode; }
  const std::wstring& Text() const { return text_; }
  // Expires when this handler is destroyed.
  std::weak_ptr<const void> LifeToken() const { return life_; }

  // Restores the window's routing, unpublishes the handler and gives the
  // window its own look back; afterwards every message passes straight on.
  void Detach();
  // The window's own handling. A fault raised there is reported through the
  // application's error display; the answer is then 0. May free this handler.
  LRESULT PassOn(TMessage& message);
  // The message entry.
  virtual LRESULT HandleMessage(TMessage& message);

 protected:
  TacMainWnd(HWND window, const TacHandlerParams& params, TsSkinManager* manager, TsCommonData* binding);
  virtual void Init(bool update);
  virtual void Attach(bool update);
  virtual void AfterAttach();
  virtual void SaveOwnLook() {}
  virtual void RestoreOwnLook() {}
  virtual void ApplySkinLook() {}
  virtual std::unique_ptr<TsCommonData> CreateBinding(BindingHost& host);
  virtual std::string DefaultSection() const { return {}; }
  // Whether attaching switches the window's visual theme off, so that the
  // system does not draw themed parts over the skin.
  virtual bool SwitchesThemeOff() const;
  // Gives back what the handler holds of the window (timers, capture) while it still routes it.
  virtual void OnDetaching() {}
  virtual void OnDetach() {}
  // A skin command while the manager is active; none: not answered here.
  // The answers every skinned window gives (AnswerSharedCommand) come first.
  virtual std::optional<LRESULT> OnSkinCommand(uint16_t command, TMessage& message);
  // The window's picture (skin command 23): the section over the parent's background.
  virtual void BuildCache();
  // The section is painted without its border mask (the window draws its own).
  virtual bool BackgroundOnly() const { return false; }

  bool SkinActive() const;  // a manager with an active skin and a live binding
  // The window belongs to a control whose own binding the handler uses.
  bool BindingGiven() const { return binding_ && !ownBinding_; }
  // The section asked for: the binding's own, the one given, else the handler's default.
  std::string RequestedSection() const;
  TRect WindowRectInScreen() const;
  TSize WindowSize() const;
  void RepaintFrame() const;  // non-client area now

  TacHandlerParams params_;
  bool applyingColors_ = false;

 private:
  LRESULT OnDestroy(TMessage& message);
  LRESULT OnSetText(TMessage& message);
  LRESULT OnSkinMessage(TMessage& message);
  LRESULT OnRemoveSkin(TMessage& message);
  void RedrawAll() const;  // frame, client and children

  // The shared answers as this handler gives them.
  class SharedHooks final : public SharedAnswerHooks {
   public:
    explicit SharedHooks(TacMainWnd& handler) : handler_(handler) {}
    std::string DefaultSectionName() const override { return handler_.DefaultSection(); }
    bool BuildPicture() override;
    void RepaintPicture() override { handler_.RedrawAll(); }
    void PointerLeft() override { handler_.SkinData().OnPointerLeft(false); }

   private:
    TacMainWnd& handler_;
  };

  std::shared_ptr<const int> life_ = std::make_shared<const int>(0);
  HWND window_;
  TsSkinManager* manager_;
  std::unique_ptr<BindingHost> ownHost_;
  std::unique_ptr<TsCommonData> ownBinding_;
  TsCommonData* binding_;
  TWndHook hook_;
  bool onControl_ = false;  // installed on the control's own dispatch
  bool detached_ = true;
  std::wstring text_;
  SharedHooks sharedHooks_{*this};
};

// The handler published on a window, or null.
TacMainWnd* FindHandler(HWND window);
