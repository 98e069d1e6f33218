#include "tests/framework/WinTestSupport.h"

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
    messages_.push_back(message.Msg);
    if (!consume) previous_(message);
  };
}

MessageRecorder::~MessageRecorder() { control_.WindowProc = previous_; }

bool MessageRecorder::SawInOrder(const std::vector<UINT>& expected) const {
  size_t next = 0;
  for (UINT message : messages_) {
    if (next < expected.size() && message == expected[next]) ++next;
  }
  return next == expected.size();
}

UINT MenuItemType(HMENU menu, UINT id) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoW(menu, id, FALSE, &info);
  return info.fType;
}

}  // namespace lanvero::framework::testing
