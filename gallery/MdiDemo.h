// The gallery's MDI window: a frame with a main menu ("Window": tile,
// cascade, arrange and the list of children; "Skin": the built-in skins or
// none) and three children of different kinds (a memo, a list box and a few
// buttons), for seeing the skinned frame, menu band and merged buttons.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/forms/Form.h"
#include "gallery/GallerySkins.h"

namespace lanvero::framework {
class TMainMenu;
class TMenuItem;
}  // namespace lanvero::framework

namespace lanvero::gallery {

class MdiDemo {
 public:
  explicit MdiDemo(GallerySkins& skins);
  ~MdiDemo();
  MdiDemo(const MdiDemo&) = delete;
  MdiDemo& operator=(const MdiDemo&) = delete;

  // Shows the frame, making it and its children the first time.
  void Show();

 private:
  void BuildMenu();
  framework::TMenuItem* AddItem(framework::TMenuItem* parent, const std::wstring& caption,
                                std::function<void()> run);
  void OpenChildren();

  GallerySkins& skins_;
  std::unique_ptr<framework::TForm> frame_;
  framework::TMainMenu* menu_ = nullptr;  // owned by the frame
  std::vector<std::unique_ptr<framework::TForm>> children_;
};

}  // namespace lanvero::gallery
