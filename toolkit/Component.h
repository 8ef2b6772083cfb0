#pragma once
// Components: an owner owns and frees the components it holds and tells all
// of them when one is inserted or removed. While a stored definition is
// applied, components are in the loading state; Loaded ends it.
#include <memory>
#include <string>
#include <vector>

enum class TOperation { opInsert, opRemove };

class TComponent {
 public:
  explicit TComponent(TComponent* owner);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // The class name other code matches exactly (window class names, adapter lists).
  virtual std::string ClassName() const { return "TComponent"; }

  TComponent* Owner() const { return owner_; }
  const std::vector<TComponent*>& Components() const { return components_; }
  TComponent* FindComponent(const std::string& name) const;

  std::string Name;
  int Tag = 0;

  bool Loading() const { return loading_; }
  bool Destroying() const { return destroying_; }
  // Expires when this component is destroyed. Code that calls out to handlers
  // that may free the component (a click can close its form) checks it before
  // touching the component again.
  std::weak_ptr<const void> LifeToken() const { return life_; }
  void BeginLoading() { loading_ = true; }
  // The loaded step: stored settings are all applied.
  virtual void Loaded() { loading_ = false; }

  // Told of every insertion into and removal from the owner.
  virtual void Notification(TComponent* component, TOperation operation);

  // Creates a component and then announces it to its owner's components; the
  // announcement waits for construction so that receivers see its real class.
  template <class T, class... Args>
  static T* Create(TComponent* owner, Args&&... args) {
    T* component = new T(owner, static_cast<Args&&>(args)...);
    if (owner) owner->Announce(component, TOperation::opInsert);
    return component;
  }
  void Announce(TComponent* component, TOperation operation);

 protected:
  // Marks destruction and frees the owned components while the derived
  // parts of this object still exist; derived destructors call it first.
  void DestroyComponents();

 private:
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  bool loading_ = false;
  bool destroying_ = false;
  std::shared_ptr<const int> life_ = std::make_shared<const int>(0);
};
