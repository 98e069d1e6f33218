// The object model's edges: inherited and republished properties, paths
// that do not lead anywhere, collections and values of the wrong kind.
#include <gtest/gtest.h>

#include "framework/core/ClassBuilder.h"
#include "framework/core/Collection.h"
#include "framework/core/PropertyAccess.h"
#include "framework/core/Strings.h"
#include "framework/layout/LayoutError.h"
#include "framework/layout/LayoutParser.h"
#include "framework/layout/LayoutReader.h"
#include "framework/layout/LayoutWriter.h"

namespace lanvero::framework {
namespace {

class TCell : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  static const ClassInfo& StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TCell>("TCell", &TCollectionItem::StaticClassInfo())
                                      .String("Text", &TCell::Text, &TCell::SetText)
                                      .Build();
    return info;
  }
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }
  std::wstring Text() const { return text_; }
  void SetText(const std::wstring& text) {
    text_ = text;
    Changed();
  }

 private:
  std::wstring text_;
};

class TBase : public TComponent {
 public:
  explicit TBase(TComponent* owner) : TComponent(owner) {}
  static const ClassInfo& StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TBase>("TBase", &TComponent::StaticClassInfo())
                                      .Integer("Size", &TBase::Size, &TBase::SetSize)
                                      .Float("Scale", &TBase::Scale, &TBase::SetScale)
                                      .Object("Cells", &TBase::Cells)
                                      .Object("Lines", &TBase::Lines)
                                      .Build();
    return info;
  }
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }
  virtual int Size() const { return size_; }
  void SetSize(int size) { size_ = size; }
  double Scale() const { return scale_; }
  void SetScale(double scale) { scale_ = scale; }
  TOwnedCollection<TCell>* Cells() const { return &cells_; }
  TStringList* Lines() const { return &lines_; }

 protected:
  int size_ = 0;

 private:
  double scale_ = 1;
  mutable TOwnedCollection<TCell> cells_;
  mutable TStringList lines_;
};

// Republishes Size read-only-ish: doubled on reading.
class TDerived : public TBase {
 public:
  explicit TDerived(TComponent* owner) : TBase(owner) {}
  static const ClassInfo& StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TDerived>("TDerived", &TBase::StaticClassInfo())
                                      .Integer("Size", &TDerived::DoubleSize, &TDerived::SetSize)
                                      .Build();
    return info;
  }
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }
  int DoubleSize() const { return size_ * 2; }
};

TEST(PropertyModel, DerivedClassesInheritAndMayRepublish) {
  TDerived derived(nullptr);
  derived.SetSize(4);
  EXPECT_EQ(GetIntegerProperty(&derived, "Size"), 8);
  const auto all = TDerived::StaticClassInfo().AllProperties();
  int sizes = 0;
  for (const PropertyInfo* property : all) sizes += property->name == "Size" ? 1 : 0;
  EXPECT_EQ(sizes, 1);
  EXPECT_TRUE(TDerived::StaticClassInfo().InheritsFrom(TComponent::StaticClassInfo()));
  EXPECT_FALSE(TBase::StaticClassInfo().InheritsFrom(TDerived::StaticClassInfo()));
  EXPECT_EQ(derived.ClassName(), L"TDerived");
  EXPECT_EQ(GetPropertyText(&derived, "Name"), L"");
  EXPECT_FALSE(HasProperty(&derived, "Size.Width"));  // an integer has no parts
  EXPECT_FALSE(HasProperty(&derived, "Lines.Missing"));
  EXPECT_EQ(GetObjectProperty(&derived, "Lines"), derived.Lines());
  EXPECT_EQ(GetObjectProperty(&derived, "Size"), nullptr);
}

TEST(PropertyModel, CollectionsReportChangesOfItemsAndOfTheList) {
  TBase base(nullptr);
  std::vector<int> updates;
  base.Cells()->OnUpdate = [&](TCollectionItem* item) { updates.push_back(item ? item->Index() : -1); };
  auto* first = base.Cells()->AddItem();
  base.Cells()->AddItem()->SetText(L"b");
  first->SetText(L"a");
  base.Cells()->BeginUpdate();
  base.Cells()->Delete(0);
  base.Cells()->AddItem();
  base.Cells()->EndUpdate();
  EXPECT_EQ(updates, (std::vector<int>{-1, -1, 1, 0, -1}));
  EXPECT_EQ((*base.Cells())[0]->Text(), L"b");
  EXPECT_THROW(base.Cells()->Item(5), FrameworkError);
}

std::wstring ReadError(const char* body) {
  TBase base(nullptr);
  try {
    ReadLayout(base, ParseLayout(std::string("object B: TBase\n") + body + "end\n"));
  } catch (const LayoutError& error) {
    return error.Message();
  }
  return L"no error";
}

TEST(PropertyModel, LayoutValuesMustFitTheirProperty) {
  EXPECT_NE(ReadError("Cells = ('a')\n").find(L"invalid value for property Cells"), std::wstring::npos);
  EXPECT_NE(ReadError("Lines = <item end>\n").find(L"invalid value for property Lines"), std::wstring::npos);
  EXPECT_NE(ReadError("Lines.Strings = ('a' 3)\n").find(L"Strings"), std::wstring::npos);
  EXPECT_NE(ReadError("Size.Width = 3\n").find(L"has no parts"), std::wstring::npos);
  EXPECT_NE(ReadError("Cells = <item Width = 1 end>\n").find(L"Width"), std::wstring::npos);
  EXPECT_NE(ReadError("Name = '1x'\n").find(L"not a valid component name"), std::wstring::npos);
  TBase base(nullptr);
  ReadLayout(base, ParseLayout("object B: TBase\n  Scale = 3\n  Cells = <item Text = 'x' end>\nend\n"));
  EXPECT_DOUBLE_EQ(base.Scale(), 3.0);  // an integer is a fine float
  EXPECT_EQ((*base.Cells())[0]->Text(), L"x");
}

TEST(PropertyModel, WriterKeepsFloatsAndOddStringsExact) {
  LayoutObject root{.name = "R", .className = "TR"};
  LayoutValue real;
  real.kind = LayoutValue::Kind::Float;
  real.real = 100.0;  // must stay a float, not become the integer 100
  LayoutValue text;
  text.kind = LayoutValue::Kind::String;
  text.text = std::wstring(L"\0x'\u00E9", 4);
  root.properties = {{"A", real, 0}, {"B", text, 0}};
  const LayoutObject back = ParseLayout(WriteLayout(root));
  EXPECT_EQ(back, root);
  EXPECT_EQ(back.properties[0].value.kind, LayoutValue::Kind::Float);
}

}  // namespace
}  // namespace lanvero::framework
