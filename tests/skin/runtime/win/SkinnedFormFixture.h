// A framework form with a skin component made by code, shown and skinned
// through the engine as a program's form would be, for the Windows tests of
// the skin engine.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/definitions/SkinData.h"
#include "skin/runtime/SkinEngine.h"
#include "skin/runtime/frame/WinSkinForm.h"
#include "skin/runtime/tracking/SkinManager.h"
#include "tests/framework/WinTestSupport.h"

namespace lanvero::testing {

// A packed skin of the build tree ("paleglass", "coalrim").
std::wstring BuiltSkinFile(const std::string& name);

// Lets queued and sent messages run for a while, so that posted activation
// and repaint requests arrive.
void PumpFor(DWORD milliseconds);

// Runs the tracker's pending request now instead of waiting for its timer.
void RunPendingRequest();

// Carry out an uninstall or an install of the first skin component at
// once, as the tracker's timer would (also from inside a menu loop).
void UninstallNow();
void InstallNow();

// The visible popup menu window of this thread (class "#32768"), if any.
HWND OpenPopupMenuWindow();

// Runs `open`, which shows a menu and returns when it closes. While the
// menu's loop runs, `during` is called once with the popup menu window (if
// given), then the menu is closed. False when no popup menu window showed.
bool WithMenuOpen(const std::function<void()>& open, const std::function<void(HWND popup)>& during);

// Runs `open` (which returns when the menu loop ends) with `steps` run one
// by one from a timer every 120 ms inside the loop; EndMenu ends it at worst.
void RunInMenuLoop(const std::function<void()>& open, std::vector<std::function<void()>> steps);

// What the frame skinners see of one window: messages that reached the
// form's own handler below the engine, compared as recorded sequences.
using framework::testing::SawInOrder;
using framework::testing::SeenMessage;

class SkinnedFormTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Makes, shows and skins a form of the given client size and style.
  void MakeSkinnedForm(const std::string& extraProperties = "BorderIcons = [biSystemMenu, biMinimize, biMaximize]",
                       int clientWidth = 400, int clientHeight = 300);
  TWinSkinForm* Skinner() const;
  HWND Window() const { return form_->WindowHandle(); }
  RECT WindowRect() const;
  // Records what reaches the form's own handler from now on.
  void Record();
  // Puts the form's handler back as it was before Record (before the engine
  // lets go of the form, which restores its own hook).
  void StopRecording();
  const std::vector<SeenMessage>& Seen() const { return seen_; }
  // A point of the frame (window coordinates) on the screen.
  POINT ScreenPoint(int x, int y) const;
  LPARAM ScreenLParam(int x, int y) const;

  // Runs on the made form before it is shown (a main menu, say).
  std::function<void(framework::testing::TTestForm&)> beforeShow_;
  std::unique_ptr<SkinEngineScope> engine_;
  std::unique_ptr<framework::testing::TTestForm> form_;
  TSkinData* skin_ = nullptr;
  std::vector<SeenMessage> seen_;
  framework::TWndMethod recorderPrevious_;
  bool recording_ = false;
};

}  // namespace lanvero::testing
