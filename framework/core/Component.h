// Components: objects with an owner that frees what it owns, a name unique
// among the owner's components, a Tag, and notifications when a component
// goes away.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Object.h"

namespace lanvero::framework {

enum class TOperation { opInsert, opRemove };

// Tells code that called out (an event handler, the default window
// procedure) whether the component it runs for was deleted meanwhile: a
// click handler may free its own control.
class LifeWatch {
 public:
  explicit LifeWatch(std::weak_ptr<const bool> life) : life_(std::move(life)) {}
  bool Gone() const { return life_.expired(); }

 private:
  std::weak_ptr<const bool> life_;
};

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TComponent* Owner() const { return owner_; }
  const std::vector<TComponent*>& Components() const { return components_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* FindComponent(std::wstring_view name) const;

  const std::wstring& Name() const { return name_; }
  void SetName(const std::wstring& name);
  intptr_t Tag() const { return tag_; }
  void SetTag(intptr_t tag) { tag_ = tag; }

  bool IsLoading() const { return loading_; }
  bool IsDestroying() const { return destroying_; }
  LifeWatch WatchLife() const { return LifeWatch(life_); }

  // Asks `component` to tell this one (Notification, opRemove) when it is
  // destroyed, for references held between components.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // The layout reader marks components while it reads them, then calls
  // Loaded once the whole layout is read and every reference is resolved.
  void BeginLoading() { loading_ = true; }
  virtual void Loaded() { loading_ = false; }
  // The layout reader passes the component of the enclosing object; controls
  // make it their parent.
  virtual void SetParentComponent(TComponent* parent);

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

 protected:
  virtual void Notification(TComponent* component, TOperation operation);
  // Frees every owned component. Called first by destructors of classes
  // whose state the owned components may still use while they go away.
  void DestroyComponents();
  void MarkDestroying() { destroying_ = true; }

 private:
  void NotifyRemoval();

  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  std::wstring name_;
  intptr_t tag_ = 0;
  bool loading_ = false;
  bool destroying_ = false;
  std::shared_ptr<const bool> life_ = std::make_shared<const bool>(true);
};

bool IsValidIdentifier(std::wstring_view name);

}  // namespace lanvero::framework
