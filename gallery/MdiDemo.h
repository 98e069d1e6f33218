// The gallery's MDI window: a frame with a main menu ("Window": tile,
// cascade, arrange and the list of children; "Skin": the built-in skins or
// none, chosen through the gallery's own picker) and three children of different kinds (a memo, a list box and a few
// buttons), for seeing the skinned frame, menu band and merged buttons.
#pragma once

#include <functional>
#include <memory>
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
  // `chooseSkin` takes the picker's line: 0 Paleglass, 1 Coalrim, 2 none.
  explicit MdiDemo(std::function<void(int)> chooseSkin);
  ~MdiDemo();
  MdiDemo(const MdiDemo&) = delete;
  MdiDemo& operator=(const MdiDemo&) = delete;

  // Shows the frame, making it and its children the first time.
  void Show();
  // The Skin menu's radio items follow the picker (-1: a skin file).
  void ShowSkinChoice(int index);

 private:
  void BuildMenu();
  framework::TMenuItem* AddItem(framework::TMenuItem* parent, const std::wstring& caption,
                                std::function<void()> run);
  void OpenChildren();

  std::function<void(int)> chooseSkin_;
  std::unique_ptr<framework::TForm> frame_;
  framework::TMainMenu* menu_ = nullptr;  // owned by the frame
  framework::TMenuItem* skinMenu_ = nullptr;
  int skinChoice_ = 0;
  std::vector<std::unique_ptr<framework::TForm>> children_;
};

}  // namespace lanvero::gallery
