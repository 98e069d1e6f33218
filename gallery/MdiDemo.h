// The gallery's MDI window: a frame with a main menu ("Window": tile,
// cascade, arrange and the list of children; "Skin": the built-in skins or
// none, chosen through the gallery's own picker) and three children of different kinds (a memo, a list box and a few
// buttons), for seeing the skinned frame, menu band and merged buttons.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/forms/Form.h"

namespace lanvero::framework {
class TMainMenu;
class TMenuItem;
}  // namespace lanvero::framework

namespace lanvero::gallery {

class MdiDemo {
 public:
  // The forms are components of `owner`: the application frees every form
  // when it ends, in any order, and the owner reports each one that goes
  // (Forget). `chooseSkin` takes the picker's line: 0 Paleglass, 1 Coalrim,
  // 2 none.
  MdiDemo(framework::TComponent& owner, std::function<void(int)> chooseSkin);
  ~MdiDemo();
  MdiDemo(const MdiDemo&) = delete;
  MdiDemo& operator=(const MdiDemo&) = delete;

  // Shows the frame, making it and its children the first time.
  void Show();
  // The Skin menu's radio items follow the picker (-1: a skin file).
  void ShowSkinChoice(int index);
  // `component` is being freed: no pointer to it stays.
  void Forget(const framework::TComponent* component);

 private:
  void BuildMenu();
  framework::TMenuItem* AddItem(framework::TMenuItem* parent, const std::wstring& caption, std::function<void()> run);
  void OpenChildren();

  framework::TComponent& owner_;
  std::function<void(int)> chooseSkin_;
  framework::TForm* frame_ = nullptr;
  framework::TMainMenu* menu_ = nullptr;  // owned by the frame
  framework::TMenuItem* skinMenu_ = nullptr;
  int skinChoice_ = 0;
  std::vector<framework::TForm*> children_;
};

}  // namespace lanvero::gallery
