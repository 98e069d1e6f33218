#include <gtest/gtest.h>

#include "framework/core/ClassBuilder.h"
#include "framework/core/Collection.h"
#include "framework/core/PropertyAccess.h"
#include "framework/core/Strings.h"
#include "framework/layout/LayoutError.h"
#include "framework/layout/LayoutReader.h"

namespace lanvero::framework {
namespace {

std::vector<std::wstring> g_loadedOrder;

const EnumInfo kAlignEnum{"TAlign", {"alNone", "alTop", "alBottom", "alClient"}};
const EnumInfo kOptionEnum{"TOption", {"opFirst", "opSecond", "opThird"}};
const IdentifierMap kColors{{{"clRed", 0xFF}, {"clBtnFace", 0xFF00000F}}};

class TPanelItem : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  static const ClassInfo& StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TPanelItem>("TPanelItem", &TCollectionItem::StaticClassInfo())
                                      .Integer("Width", &TPanelItem::Width, &TPanelItem::SetWidth)
                                      .Build();
    return info;
  }
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }
  int Width() const { return width_; }
  void SetWidth(int width) { width_ = width; }

 private:
  int width_ = 0;
};

class TWidget : public TComponent {
 public:
  explicit TWidget(TComponent* owner) : TComponent(owner) {}
  static const ClassInfo& StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TWidget>("TWidget", &TComponent::StaticClassInfo())
                                      .Creatable()
                                      .Integer("Width", &TWidget::Width, &TWidget::SetWidth)
                                      .Integer("Color", &TWidget::Color, &TWidget::SetColor, &kColors)
                                      .Enumeration("Align", kAlignEnum, &TWidget::Align, &TWidget::SetAlign)
                                      .Boolean("Visible", &TWidget::Visible, &TWidget::SetVisible)
                                      .Set("Options", kOptionEnum, &TWidget::Options, &TWidget::SetOptions)
                                      .String("Caption", &TWidget::Caption, &TWidget::SetCaption)
                                      .Object("Items", &TWidget::Items)
                                      .Object("Panels", &TWidget::Panels)
                                      .Reference("Buddy", &TWidget::Buddy, &TWidget::SetBuddy)
                                      .Event("OnClick", &TWidget::OnClick, &TWidget::onClickName)
                                      .Binary("Data", &TWidget::Data, &TWidget::SetData)
                                      .Build();
    return info;
  }
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  int Width() const { return width_; }
  void SetWidth(int w) { width_ = w; }
  uint32_t Color() const { return color_; }
  void SetColor(uint32_t c) { color_ = c; }
  int Align() const { return align_; }
  void SetAlign(int a) { align_ = a; }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { visible_ = v; }
  uint32_t Options() const { return options_; }
  void SetOptions(uint32_t o) { options_ = o; }
  std::wstring Caption() const { return caption_; }
  void SetCaption(const std::wstring& c) { caption_ = c; }
  TStringList* Items() const { return &items_; }
  TOwnedCollection<TPanelItem>* Panels() const { return &panels_; }
  TWidget* Buddy() const { return buddy_; }
  void SetBuddy(TWidget* b) { buddy_ = b; }
  std::vector<uint8_t> Data() const { return data_; }
  void SetData(const std::vector<uint8_t>& d) { data_ = d; }

  void SetParentComponent(TComponent* parent) override { parent_ = parent; }
  void Loaded() override {
    TComponent::Loaded();
    g_loadedOrder.push_back(Name());
  }

  std::function<void(TObject*)> OnClick;
  std::string onClickName;
  TComponent* parent_ = nullptr;

 private:
  int width_ = 0;
  uint32_t color_ = 0;
  int align_ = 0;
  bool visible_ = true;
  uint32_t options_ = 0;
  std::wstring caption_;
  mutable TStringList items_;
  mutable TOwnedCollection<TPanelItem> panels_;
  TWidget* buddy_ = nullptr;
  std::vector<uint8_t> data_;
};

class TTestForm : public TWidget {
 public:
  explicit TTestForm(TComponent* owner) : TWidget(owner) {}
  static const ClassInfo& StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TTestForm>("TTestForm", &TWidget::StaticClassInfo())
                                      .Method("ButtonClick", &TTestForm::ButtonClick)
                                      .Method("Resized", &TTestForm::Resized)
                                      .Field("First", &TTestForm::First)
                                      .Field("Wrong", &TTestForm::WrongItems)
                                      .Build();
    return info;
  }
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }
  void ButtonClick(TObject* sender) { clickedBy = sender; }
  void Resized(int) {}
  TObject* clickedBy = nullptr;
  TWidget* First = nullptr;
  TStringList* WrongItems = nullptr;  // a field of the wrong class
};

class LayoutReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClassRegistry::Register(TWidget::StaticClassInfo());
    g_loadedOrder.clear();
  }
  TTestForm form{nullptr};
};

constexpr char kLayout[] = R"(object Main: TTestForm
  Caption = 'Main'
  object First: TWidget
    Width = 75
    Color = clBtnFace
    Align = alClient
    Visible = False
    Options = [opFirst, opThird]
    Caption = #25628#32034
    Items.Strings = ('a' 'b')
    Panels = <item Width = 300 end item Width = 150 end>
    Buddy = Second
    OnClick = ButtonClick
    Data = {00FF}
    object Inner: TWidget
      Buddy = Main
    end
  end
  object Second: TWidget
    Color = 255
  end
end
)";

TEST_F(LayoutReaderTest, PublishedFieldsReceiveTheirComponents) {
  ReadLayoutText(form, "object Main: TTestForm\n  object First: TWidget\n  end\nend\n");
  EXPECT_EQ(form.First, form.FindComponent(L"First"));
  TTestForm other(nullptr);
  try {
    ReadLayoutText(other, "object Main: TTestForm\n  object Wrong: TWidget\n  end\nend\n");
    FAIL() << "no error";
  } catch (const LayoutError& error) {
    EXPECT_NE(error.Message().find(L"field Wrong of TTestForm cannot hold a TWidget"), std::wstring::npos);
  }
}

TEST_F(LayoutReaderTest, BuildsOwnedComponentsWithTheirProperties) {
  ReadLayoutText(form, kLayout);
  EXPECT_EQ(form.Name(), L"Main");
  EXPECT_EQ(form.Caption(), L"Main");
  ASSERT_EQ(form.ComponentCount(), 3);
  auto* first = dynamic_cast<TWidget*>(form.FindComponent(L"first"));
  auto* inner = dynamic_cast<TWidget*>(form.FindComponent(L"Inner"));
  auto* second = dynamic_cast<TWidget*>(form.FindComponent(L"Second"));
  ASSERT_TRUE(first && inner && second);
  EXPECT_EQ(first->Owner(), &form);
  EXPECT_EQ(inner->Owner(), &form);
  EXPECT_EQ(first->parent_, &form);
  EXPECT_EQ(inner->parent_, first);
  EXPECT_EQ(first->Width(), 75);
  EXPECT_EQ(first->Color(), 0xFF00000Fu);
  EXPECT_EQ(second->Color(), 255u);
  EXPECT_EQ(first->Align(), 3);
  EXPECT_FALSE(first->Visible());
  EXPECT_EQ(first->Options(), 5u);
  EXPECT_EQ(first->Caption(), L"\u641C\u7D22");
  EXPECT_EQ(first->Items()->Text(), L"a\r\nb\r\n");
  ASSERT_EQ(first->Panels()->Count(), 2);
  EXPECT_EQ((*first->Panels())[1]->Width(), 150);
  EXPECT_EQ(first->Buddy(), second);  // forward reference resolved after reading
  EXPECT_EQ(inner->Buddy(), &form);
  EXPECT_EQ(first->Data(), (std::vector<uint8_t>{0x00, 0xFF}));
  ASSERT_TRUE(first->OnClick);
  EXPECT_EQ(first->onClickName, "ButtonClick");
  first->OnClick(first);
  EXPECT_EQ(form.clickedBy, first);
  EXPECT_EQ(g_loadedOrder, (std::vector<std::wstring>{L"Main", L"First", L"Inner", L"Second"}));
  EXPECT_FALSE(first->IsLoading());
}

std::wstring ReadError(TComponent& root, const std::string& body) {
  try {
    ReadLayoutText(root, "object Main: TTestForm\n" + body + "end\n");
  } catch (const LayoutError& error) {
    return error.Message();
  }
  return L"no error";
}

TEST_F(LayoutReaderTest, FaultsNameTheClassPropertyOrValue) {
  EXPECT_NE(ReadError(form, "object X: TNoSuchClass\nend\n").find(L"class TNoSuchClass not found"), std::wstring::npos);
  TTestForm f2(nullptr);
  EXPECT_NE(ReadError(f2, "Height = 3\n").find(L"property Height does not exist in class TTestForm"),
            std::wstring::npos);
  TTestForm f3(nullptr);
  EXPECT_NE(ReadError(f3, "Align = alLeftish\n").find(L"alLeftish"), std::wstring::npos);
  TTestForm f4(nullptr);
  EXPECT_NE(ReadError(f4, "OnClick = Missing\n").find(L"method Missing not found"), std::wstring::npos);
  TTestForm f5(nullptr);
  EXPECT_NE(ReadError(f5, "OnClick = Resized\n").find(L"does not fit event OnClick"), std::wstring::npos);
  TTestForm f6(nullptr);
  EXPECT_NE(ReadError(f6, "Buddy = Nobody\n").find(L"component Nobody not found"), std::wstring::npos);
  TTestForm f7(nullptr);
  EXPECT_NE(ReadError(f7, "Width = 'text'\n").find(L"invalid value for property Width"), std::wstring::npos);
  TTestForm f8(nullptr);
  EXPECT_NE(ReadError(f8, "object A: TWidget\nend\nobject a: TWidget\nend\n").find(L"already used"),
            std::wstring::npos);
  TWidget notAForm(nullptr);
  EXPECT_THROW(ReadLayoutText(notAForm, kLayout), LayoutError);
}

TEST_F(LayoutReaderTest, PropertiesByNameFollowTheirKind) {
  ReadLayoutText(form, kLayout);
  TPersistent* first = form.FindComponent(L"First");
  EXPECT_EQ(GetIntegerProperty(first, "Width"), 75);
  EXPECT_EQ(GetIntegerProperty(first, "Align"), std::nullopt);  // enumeration, not integer
  EXPECT_EQ(GetIntegerProperty(first, "Missing"), std::nullopt);
  EXPECT_EQ(GetIntegerProperty(nullptr, "Width"), std::nullopt);
  EXPECT_EQ(GetEnumProperty(first, "Visible"), "False");
  EXPECT_EQ(GetEnumProperty(first, "Align"), "alClient");
  EXPECT_EQ(GetPropertyText(first, "Options"), L"[opFirst,opThird]");
  EXPECT_EQ(GetPropertyText(first, "Buddy"), L"Second");
  EXPECT_EQ(GetPropertyText(first, "Caption"), L"\u641C\u7D22");
  EXPECT_EQ(PropertyKindOf(first, "Items"), PropertyKind::Object);
  EXPECT_EQ(PropertyKindOf(first, "Items.Strings"), PropertyKind::StringList);

  EXPECT_TRUE(SetPropertyFromText(first, "visible", L"true"));
  EXPECT_EQ(GetEnumProperty(first, "Visible"), "True");
  EXPECT_TRUE(SetPropertyFromText(first, "Color", L"clRed"));
  EXPECT_TRUE(SetPropertyFromText(first, "Width", L"-12"));
  EXPECT_EQ(GetIntegerProperty(first, "Width"), -12);
  EXPECT_TRUE(SetPropertyFromText(first, "Options", L"[opSecond]"));
  EXPECT_EQ(GetIntegerProperty(first, "Color"), 0xFF);
  EXPECT_FALSE(SetPropertyFromText(first, "Width", L"12px"));
  EXPECT_FALSE(SetPropertyFromText(first, "Align", L"alNowhere"));
  EXPECT_FALSE(SetPropertyFromText(first, "Options", L"[opNone]"));
  EXPECT_FALSE(SetPropertyFromText(first, "Nothing", L"1"));
  EXPECT_FALSE(SetPropertyFromText(first, "Buddy", L"Second"));
  EXPECT_EQ(GetIntegerProperty(first, "Width"), -12);
}

}  // namespace
}  // namespace lanvero::framework
