// Shared pieces of the Windows tests of the framework: one application
// object for the test program, a form class with published handlers, the
// fixture of tests on a form made from a layout, and a recorder of the
// messages a control's handler sees.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/controls/WinControl.h"
#include "framework/core/FrameworkError.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"

namespace lanvero::framework::testing {

class TTestForm : public TForm {
 public:
  explicit TTestForm(TComponent* owner) : TForm(owner) {}
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  void FormCreate(TObject*) { calls.push_back(L"FormCreate"); }
  void ButtonClick(TObject* sender) { calls.push_back(L"click " + static_cast<TComponent*>(sender)->Name()); }
  void EditEnter(TObject* sender) { calls.push_back(L"enter " + static_cast<TComponent*>(sender)->Name()); }
  void Throwing(TObject*) { throw FrameworkError(L"handler failed"); }

  std::vector<std::wstring> calls;
};

// The component of a form with that name, as the class asked for.
template <class T>
T* FindIn(TComponent& owner, const wchar_t* name) {
  return dynamic_cast<T*>(owner.FindComponent(name));
}

// Creates a TTestForm from layout text (whose root must be "object X: TTestForm").
std::unique_ptr<TTestForm> MakeForm(const std::string& layout);

// Fixture of the tests that work on one form made from layout text:
// ShowForm makes it, shows it and lets its first messages run.
class LayoutFormTest : public ::testing::Test {
 protected:
  void ShowForm(const std::string& layout);
  // The form's component of that name, as the class asked for.
  template <class T>
  T* Find(const wchar_t* name) {
    return FindIn<T>(*form, name);
  }

  std::unique_ptr<TTestForm> form;
};

// The text of the last exception the application reported.
std::wstring LastReportedException();
void ClearReportedException();

// Lets queued and sent messages run.
void Pump();

// The type flags (MFT_*) of the item with command `id` in a native menu.
UINT MenuItemType(HMENU menu, UINT id);

// One message as a handler saw it, with its parameters.
struct SeenMessage {
  UINT msg = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

// A message expected in a recorded sequence: its number, and its wParam
// where that matters.
struct ExpectedMessage {
  ExpectedMessage(UINT message) : msg(message) {}
  ExpectedMessage(UINT message, WPARAM w) : msg(message), wParam(w) {}
  bool Matches(const SeenMessage& seen) const { return seen.msg == msg && (!wParam || seen.wParam == *wParam); }

  UINT msg;
  std::optional<WPARAM> wParam;
};

// One line per message: its number in hexadecimal and its parameters
// (expected ones show "*" for a wParam that does not matter).
std::string Describe(const std::vector<SeenMessage>& messages);
std::string Describe(const std::vector<ExpectedMessage>& messages);

// Succeeds when `expected` occurs in `received` in this order (other
// messages may come between); a failure prints both sequences.
::testing::AssertionResult SawInOrder(const std::vector<SeenMessage>& received,
                                      const std::vector<ExpectedMessage>& expected);

// Installs itself as a control's handler, records each message and passes
// it on; restores the previous handler when it goes.
class MessageRecorder {
 public:
  explicit MessageRecorder(TControl& control, bool consume = false);
  ~MessageRecorder();
  const std::vector<SeenMessage>& Messages() const { return messages_; }
  ::testing::AssertionResult SawInOrder(const std::vector<ExpectedMessage>& expected) const {
    return testing::SawInOrder(messages_, expected);
  }
  void Clear() { messages_.clear(); }

 private:
  TControl& control_;
  TWndMethod previous_;
  std::vector<SeenMessage> messages_;
};

}  // namespace lanvero::framework::testing
