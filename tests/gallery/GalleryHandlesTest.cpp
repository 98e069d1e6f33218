// The gallery's skin picker cycled 100 times through Paleglass, Coalrim and
// no skin, clicked as a person clicks it: afterwards the live counts of GDI
// objects (the handle owners' counters), windows (the thread's, with their
// children), frame skinners, control skinners and popup menu skinners are
// back where they started.
//
// The cycle runs the gallery's own form (its stored layout, its handlers) in
// this test's process rather than in a running SkinGallery.exe: the counts
// live inside the gallery's process, so no test-only query has to go into
// the shipped program, and each switch runs the engine's pending request at
// once instead of waiting for its timer, so 300 switches take seconds.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "framework/base/GdiObject.h"
#include "framework/controls/RadioGroup.h"
#include "framework/core/TypeInfo.h"
#include "gallery/GalleryForm.h"
#include "skin/package/SkinStore.h"
#include "skin/runtime/SkinEngine.h"
#include "skin/runtime/frame/WinSkinForm.h"
#include "skin/runtime/tracking/SkinManager.h"
#include "tests/framework/WinTestSupport.h"

namespace lanvero::gallery::testing {
namespace {

constexpr int kCycles = 100;
constexpr int kPaleglass = 0;
constexpr int kCoalrim = 1;
constexpr int kNoSkin = 2;

struct LiveCounts {
  int gdiObjects = 0;
  int windows = 0;
  int frameSkinners = 0;
  int controlSkinners = 0;
  int popupMenuSkinners = 0;
  bool operator==(const LiveCounts&) const = default;
};

void PrintTo(const LiveCounts& counts, std::ostream* out) {
  *out << "{gdi " << counts.gdiObjects << ", windows " << counts.windows << ", frame skinners " << counts.frameSkinners
       << ", control skinners " << counts.controlSkinners << ", popup menu skinners " << counts.popupMenuSkinners
       << "}";
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

BOOL CALLBACK CountWindowAndChildren(HWND window, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(window, CountWindow, count);
  return TRUE;
}

LiveCounts CountLive() {
  LiveCounts counts;
  counts.gdiObjects = framework::LiveGdiHandles();
  EnumThreadWindows(GetCurrentThreadId(), CountWindowAndChildren, reinterpret_cast<LPARAM>(&counts.windows));
  counts.frameSkinners = SkinManager().LiveFrameSkinners();
  for (const auto& frame : SkinManager().Frames()) counts.controlSkinners += static_cast<int>(frame->Controls().size());
  counts.popupMenuSkinners = static_cast<int>(SkinManager().PopupMenus().size());
  return counts;
}

void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    framework::testing::Pump();
    Sleep(5);
  } while (GetTickCount() - start < milliseconds);
  framework::testing::Pump();
}

class GalleryHandlesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    engine_ = std::make_unique<SkinEngineScope>();
    RegisterSkinStoreClass();
    framework::ClassRegistry::Register(TGalleryForm::StaticClassInfo());
    form_ = std::make_unique<TGalleryForm>(nullptr);
    form_->InitializeFromResource();
    form_->Show();
    picker_ = dynamic_cast<framework::TRadioGroup*>(form_->FindComponent(L"SkinPicker"));
    ASSERT_NE(picker_, nullptr);
    ASSERT_TRUE(Pick(kPaleglass));
  }
  void TearDown() override {
    form_.reset();
    engine_.reset();
  }

  // A click on the picker's line, as the mouse gives it, then the engine's
  // request carried out at once. True when the form ends up as the line
  // says: skinned for a skin, given back for none.
  bool Pick(int line) {
    HWND button = ButtonOfLine(line);
    if (!button) return false;
    SendMessageW(button, BM_CLICK, 0, 0);
    framework::testing::Pump();
    SkinManager().DoAction();
    PumpFor(30);
    const bool skinned = SkinManager().FrameSkinnerOf(form_->WindowHandle()) != nullptr;
    return skinned == (line != kNoSkin);
  }

  HWND ButtonOfLine(int line) const {
    int index = 0;
    for (HWND child = GetWindow(picker_->WindowHandle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (index++ == line) return child;
    }
    return nullptr;
  }

  std::unique_ptr<SkinEngineScope> engine_;
  std::unique_ptr<TGalleryForm> form_;
  framework::TRadioGroup* picker_ = nullptr;
};

TEST_F(GalleryHandlesTest, HundredSkinPickerCyclesLeaveEveryCountWhereItStarted) {
  // One cycle first, so that caches filled once are counted at the start.
  ASSERT_TRUE(Pick(kCoalrim) && Pick(kNoSkin) && Pick(kPaleglass));
  const LiveCounts start = CountLive();
  ASSERT_GT(start.frameSkinners, 0);
  ASSERT_GT(start.controlSkinners, 10) << "the gallery's controls were not skinned";
  for (int cycle = 0; cycle < kCycles; ++cycle) {
    ASSERT_TRUE(Pick(kCoalrim)) << "cycle " << cycle << ": Coalrim did not skin the form";
    ASSERT_TRUE(Pick(kNoSkin)) << "cycle " << cycle << ": the form stayed skinned";
    ASSERT_TRUE(Pick(kPaleglass)) << "cycle " << cycle << ": Paleglass did not skin the form";
  }
  PumpFor(100);
  EXPECT_EQ(CountLive(), start);
}

}  // namespace
}  // namespace lanvero::gallery::testing
