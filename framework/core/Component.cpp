#include "framework/core/Component.h"

#include <algorithm>

#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

namespace {

bool SameNameIgnoreCase(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    wchar_t x = a[i], y = b[i];
    if (x >= L'A' && x <= L'Z') x = static_cast<wchar_t>(x - L'A' + L'a');
    if (y >= L'A' && y <= L'Z') y = static_cast<wchar_t>(y - L'A' + L'a');
    if (x != y) return false;
  }
  return true;
}

void Erase(std::vector<TComponent*>& list, TComponent* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

bool IsValidIdentifier(std::wstring_view name) {
  if (name.empty()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    const wchar_t c = name[i];
    const bool letter = (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_';
    const bool digit = c >= L'0' && c <= L'9';
    if (!letter && !(digit && i > 0)) return false;
  }
  return true;
}

const ClassInfo& TComponent::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TComponent>("TComponent", &TPersistent::StaticClassInfo())
                                    .String("Name", &TComponent::Name, &TComponent::SetName)
                                    .Integer("Tag", &TComponent::Tag, &TComponent::SetTag)
                                    .Build();
  return info;
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  destroying_ = true;
  NotifyRemoval();
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

void TComponent::NotifyRemoval() {
  // Each notified component may drop its own notification request while
  // handling this one, so work on a copy.
  const std::vector<TComponent*> listeners = freeNotifies_;
  freeNotifies_.clear();
  for (TComponent* listener : listeners) {
    Erase(listener->freeNotifies_, this);
    listener->Notification(this, TOperation::opRemove);
  }
}

void TComponent::DestroyComponents() {
  destroying_ = true;
  while (!components_.empty()) {
    TComponent* last = components_.back();
    delete last;  // its destructor removes it from components_
  }
}

TComponent* TComponent::FindComponent(std::wstring_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* component : components_) {
    if (SameNameIgnoreCase(component->name_, name)) return component;
  }
  return nullptr;
}

void TComponent::SetName(const std::wstring& name) {
  if (name == name_) return;
  if (!name.empty() && !IsValidIdentifier(name)) {
    throw FrameworkError(L"\"" + name + L"\" is not a valid component name");
  }
  if (owner_ && !name.empty()) {
    TComponent* other = owner_->FindComponent(name);
    if (other && other != this) throw FrameworkError(L"The name " + name + L" is already used.");
  }
  name_ = name;
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
    freeNotifies_.push_back(component);
  }
  if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
      component->freeNotifies_.end()) {
    component->freeNotifies_.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (!component) return;
  Erase(freeNotifies_, component);
  Erase(component->freeNotifies_, this);
}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::InsertComponent(TComponent* component) {
  if (component->owner_) component->owner_->RemoveComponent(component);
  components_.push_back(component);
  component->owner_ = this;
  Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  Notification(component, TOperation::opRemove);
  Erase(components_, component);
  component->owner_ = nullptr;
}

void TComponent::Notification(TComponent*, TOperation) {}

}  // namespace lanvero::framework
