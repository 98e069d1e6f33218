#include "gallery/MdiDemo.h"

#include "framework/menus/Menus.h"

namespace lanvero::gallery {
namespace {

using framework::TForm;
using framework::TMenuItem;

constexpr const char* kFrameLayout = R"(object MdiFrame: TForm
  Left = 160
  Top = 100
  Width = 720
  Height = 500
  BorderIcons = [biSystemMenu, biMinimize, biMaximize]
  Caption = 'MDI windows'
  FormStyle = fsMDIForm
end
)";

constexpr const char* kMemoChildLayout = R"(object MemoChild: TForm
  Left = 8
  Top = 8
  Width = 300
  Height = 210
  Caption = 'Notes'
  FormStyle = fsMDIChild
  object NotesMemo: TMemo
    Left = 0
    Top = 0
    Width = 280
    Height = 170
    Align = alClient
    Lines.Strings = (
      'A memo in an MDI child.'
      'Maximise a child: its buttons move'
      'into the frame''s menu band.')
    ScrollBars = ssVertical
    TabOrder = 0
  end
end
)";

constexpr const char* kListChildLayout = R"(object ListChild: TForm
  Left = 60
  Top = 60
  Width = 260
  Height = 220
  Caption = 'Cities'
  FormStyle = fsMDIChild
  object CityList: TListBox
    Left = 0
    Top = 0
    Width = 240
    Height = 180
    Align = alClient
    Items.Strings = (
      'Amsterdam'
      'Berlin'
      'Lisbon'
      'Oslo'
      'Prague'
      'Vienna'
      'Warsaw'
      'Zurich')
    TabOrder = 0
  end
end
)";

constexpr const char* kButtonChildLayout = R"(object ButtonChild: TForm
  Left = 112
  Top = 112
  Width = 240
  Height = 180
  Caption = 'Buttons'
  FormStyle = fsMDIChild
  object FirstButton: TButton
    Left = 16
    Top = 16
    Width = 90
    Height = 26
    Caption = 'First'
    TabOrder = 0
  end
  object SecondButton: TButton
    Left = 116
    Top = 16
    Width = 90
    Height = 26
    Caption = 'Second'
    TabOrder = 1
  end
  object DisabledButton: TButton
    Left = 16
    Top = 56
    Width = 190
    Height = 26
    Caption = 'Disabled'
    Enabled = False
    TabOrder = 2
  end
end
)";

// Lines of the gallery's skin picker.
constexpr int kPaleglass = 0;
constexpr int kCoalrim = 1;
constexpr int kNoSkin = 2;

TForm* FormFromLayout(framework::TComponent& owner, const char* layout) {
  auto* form = new TForm(&owner);
  form->InitializeFromText(layout);
  return form;
}

}  // namespace

MdiDemo::MdiDemo(framework::TComponent& owner, std::function<void(int)> chooseSkin)
    : owner_(owner), chooseSkin_(std::move(chooseSkin)) {}

// The children go before the frame whose client holds them.
MdiDemo::~MdiDemo() {
  while (!children_.empty()) {
    TForm* child = children_.back();
    children_.pop_back();
    delete child;
  }
  delete frame_;
}

void MdiDemo::Forget(const framework::TComponent* component) {
  std::erase(children_, component);
  if (component != frame_) return;
  frame_ = nullptr;
  menu_ = nullptr;
  skinMenu_ = nullptr;
}

void MdiDemo::Show() {
  if (!frame_) {
    frame_ = FormFromLayout(owner_, kFrameLayout);
    BuildMenu();
  }
  frame_->Show();
  if (children_.empty()) OpenChildren();
}

TMenuItem* MdiDemo::AddItem(TMenuItem* parent, const std::wstring& caption, std::function<void()> run) {
  auto* item = new TMenuItem(menu_);
  item->SetCaption(caption);
  if (run) item->OnClick = [run = std::move(run)](framework::TObject*) { run(); };
  parent->Add(item);
  return item;
}

void MdiDemo::BuildMenu() {
  menu_ = new framework::TMainMenu(frame_);
  TForm& frame = *frame_;
  TMenuItem* window = AddItem(menu_->Items(), L"&Window", nullptr);
  AddItem(window, L"&Tile", [&frame] { frame.Tile(); });
  AddItem(window, L"&Cascade", [&frame] { frame.Cascade(); });
  AddItem(window, L"&Arrange icons", [&frame] { frame.ArrangeIcons(); });
  skinMenu_ = AddItem(menu_->Items(), L"&Skin", nullptr);
  AddItem(skinMenu_, L"&Paleglass", [this] { chooseSkin_(kPaleglass); });
  AddItem(skinMenu_, L"&Coalrim", [this] { chooseSkin_(kCoalrim); });
  AddItem(skinMenu_, L"&No skin", [this] { chooseSkin_(kNoSkin); });
  for (int i = 0; i < skinMenu_->Count(); ++i) skinMenu_->Items(i)->SetRadioItem(true);
  ShowSkinChoice(skinChoice_);
  frame.SetMenu(menu_);
  frame.SetWindowMenu(window);
}

void MdiDemo::ShowSkinChoice(int index) {
  skinChoice_ = index;
  if (!skinMenu_) return;
  for (int i = 0; i < skinMenu_->Count(); ++i) skinMenu_->Items(i)->SetChecked(i == index);
}

void MdiDemo::OpenChildren() {
  for (const char* layout : {kMemoChildLayout, kListChildLayout, kButtonChildLayout}) {
    children_.push_back(FormFromLayout(owner_, layout));
    children_.back()->Show();
  }
}

}  // namespace lanvero::gallery
