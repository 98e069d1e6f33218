// Reads arbitrary layout text into components of a small set of classes
// with properties of every kind. Anything may be refused with a
// LayoutError; nothing may crash, leak or touch memory it does not own.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/core/ClassBuilder.h"
#include "framework/core/Collection.h"
#include "framework/core/Strings.h"
#include "framework/layout/LayoutError.h"
#include "framework/layout/LayoutReader.h"

namespace {

using namespace lanvero::framework;

const EnumInfo kModes{"TMode", {"mdOff", "mdOn", "mdAuto"}};
const EnumInfo kFlags{"TFlag", {"fA", "fB", "fC"}};
const IdentifierMap kNames{{{"clRed", 255}}};

class TItem : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  static const ClassInfo& StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TItem>("TItem", &TCollectionItem::StaticClassInfo())
                                      .Integer("Size", &TItem::Size, &TItem::SetSize)
                                      .Build();
    return info;
  }
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }
  int Size() const { return size_; }
  void SetSize(int size) { size_ = size; }

 private:
  int size_ = 0;
};

class TNode : public TComponent {
 public:
  explicit TNode(TComponent* owner) : TComponent(owner) {}
  static const ClassInfo& StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TNode>("TNode", &TComponent::StaticClassInfo())
                                      .Creatable()
                                      .Integer("Number", &TNode::Number, &TNode::SetNumber, &kNames)
                                      .Enumeration("Mode", kModes, &TNode::Mode, &TNode::SetMode)
                                      .Set("Flags", kFlags, &TNode::Flags, &TNode::SetFlags)
                                      .String("Text", &TNode::Text, &TNode::SetText)
                                      .Float("Ratio", &TNode::Ratio, &TNode::SetRatio)
                                      .Object("Lines", &TNode::Lines)
                                      .Object("Items", &TNode::Items)
                                      .Reference("Link", &TNode::Link, &TNode::SetLink)
                                      .Binary("Data", &TNode::Data, &TNode::SetData)
                                      .Event("OnFire", &TNode::OnFire)
                                      .Build();
    return info;
  }
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }
  void SetParentComponent(TComponent*) override {}

  int Number() const { return number_; }
  void SetNumber(int value) { number_ = value; }
  int Mode() const { return mode_; }
  void SetMode(int value) { mode_ = value; }
  uint32_t Flags() const { return flags_; }
  void SetFlags(uint32_t value) { flags_ = value; }
  std::wstring Text() const { return text_; }
  void SetText(const std::wstring& value) { text_ = value; }
  double Ratio() const { return ratio_; }
  void SetRatio(double value) { ratio_ = value; }
  TStringList* Lines() const { return &lines_; }
  TOwnedCollection<TItem>* Items() const { return &items_; }
  TNode* Link() const { return link_; }
  void SetLink(TNode* link) { link_ = link; }
  std::vector<uint8_t> Data() const { return data_; }
  void SetData(const std::vector<uint8_t>& data) { data_ = data; }
  std::function<void(TObject*)> OnFire;

 private:
  int number_ = 0, mode_ = 0;
  uint32_t flags_ = 0;
  std::wstring text_;
  double ratio_ = 0;
  mutable TStringList lines_;
  mutable TOwnedCollection<TItem> items_;
  TNode* link_ = nullptr;
  std::vector<uint8_t> data_;
};

class TRoot : public TNode {
 public:
  explicit TRoot(TComponent* owner) : TNode(owner) {}
  static const ClassInfo& StaticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TRoot>("TRoot", &TNode::StaticClassInfo()).Method("Fire", &TRoot::Fire).Build();
    return info;
  }
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }
  void Fire(TObject*) {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = (ClassRegistry::Register(TNode::StaticClassInfo()), true);
  (void)registered;
  TRoot root(nullptr);
  try {
    ReadLayoutText(root, std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const LayoutError&) {
  }
  return 0;
}
