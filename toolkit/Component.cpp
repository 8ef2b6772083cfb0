#include "toolkit/Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
  DestroyComponents();
  if (owner_) {
    auto& list = owner_->components_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    owner_->Announce(this, TOperation::opRemove);
  }
}

void TComponent::DestroyComponents() {
  destroying_ = true;
  // Last created first; each removal is announced to the rest.
  while (!components_.empty()) delete components_.back();
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  for (TComponent* c : components_)
    if (c->Name == name) return c;
  return nullptr;
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::Announce(TComponent* component, TOperation operation) {
  Notification(component, operation);
  for (TComponent* c : std::vector<TComponent*>(components_))
    if (c != component) c->Notification(component, operation);
}
