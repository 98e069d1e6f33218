#include "tests/framework/WinTestSupport.h"

#include <sstream>

#include "framework/core/ClassBuilder.h"

namespace lanvero::framework::testing {

namespace {

class ApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    application_ = std::make_unique<TApplication>();
    application_->SetTitle(L"Framework tests");
    // Reports go to the test, not to a message box that nobody closes.
    application_->OnException = [](std::exception_ptr e) { lastException = ExceptionText(e); };
  }
  void TearDown() override { application_.reset(); }
  static inline std::wstring lastException;

 private:
  std::unique_ptr<TApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

std::wstring LastReportedException() { return ApplicationEnvironment::lastException; }
void ClearReportedException() { ApplicationEnvironment::lastException.clear(); }

const ClassInfo& TTestForm::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TTestForm>("TTestForm", &TForm::StaticClassInfo())
                                    .Method("FormCreate", &TTestForm::FormCreate)
                                    .Method("ButtonClick", &TTestForm::ButtonClick)
                                    .Method("EditEnter", &TTestForm::EditEnter)
                                    .Method("Throwing", &TTestForm::Throwing)
                                    .Build();
  return info;
}

std::unique_ptr<TTestForm> MakeForm(const std::string& layout) {
  auto form = std::make_unique<TTestForm>(nullptr);
  form->InitializeFromText(layout);
  return form;
}

void LayoutFormTest::ShowForm(const std::string& layout) {
  form = MakeForm(layout);
  form->Show();
  Pump();
}

void Pump() {
  if (Application()) Application()->ProcessMessages();
}

MessageRecorder::MessageRecorder(TControl& control, bool consume) : control_(control), previous_(control.WindowProc) {
  control.WindowProc = [this, consume](TMessage& message) {
    messages_.push_back({message.Msg, message.WParam, message.LParam});
    if (!consume) previous_(message);
  };
}

MessageRecorder::~MessageRecorder() { control_.WindowProc = previous_; }

std::string Describe(const std::vector<SeenMessage>& messages) {
  std::ostringstream out;
  out << std::hex;
  for (const SeenMessage& m : messages) out << "  0x" << m.msg << "(0x" << m.wParam << ", 0x" << m.lParam << ")\n";
  return out.str();
}

std::string Describe(const std::vector<ExpectedMessage>& messages) {
  std::ostringstream out;
  out << std::hex;
  for (const ExpectedMessage& m : messages) {
    out << "  0x" << m.msg << "(";
    if (m.wParam) {
      out << "0x" << *m.wParam;
    } else {
      out << "*";
    }
    out << ", *)\n";
  }
  return out.str();
}

::testing::AssertionResult SawInOrder(const std::vector<SeenMessage>& received,
                                      const std::vector<ExpectedMessage>& expected) {
  size_t next = 0;
  for (const SeenMessage& m : received) {
    if (next < expected.size() && expected[next].Matches(m)) ++next;
  }
  if (next == expected.size()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "expected, in this order:\n"
                                       << Describe(expected) << "received:\n"
                                       << Describe(received);
}

UINT MenuItemType(HMENU menu, UINT id) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoW(menu, id, FALSE, &info);
  return info.fType;
}

}  // namespace lanvero::framework::testing
