#include <gtest/gtest.h>

#include "framework/core/Collection.h"
#include "framework/core/Component.h"
#include "framework/core/DataSet.h"
#include "framework/core/FrameworkError.h"
#include "framework/core/Strings.h"
#include "tests/framework/TableDataSet.h"

namespace lanvero::framework {
namespace {

class TWatcher : public TComponent {
 public:
  TWatcher(TComponent* owner, std::vector<std::wstring>* log) : TComponent(owner), log_(log) {}
  ~TWatcher() override { log_->push_back(L"~" + Name()); }
  TComponent* watched = nullptr;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    if (operation == TOperation::opRemove) {
      log_->push_back(Name() + L" saw " + component->Name() + L" go");
      if (component == watched) watched = nullptr;
    }
  }

 private:
  std::vector<std::wstring>* log_;
};

TEST(Component, OwnerFreesWhatItOwnsAndHearsOfRemovals) {
  std::vector<std::wstring> log;
  auto* owner = new TWatcher(nullptr, &log);
  owner->SetName(L"Owner");
  auto* a = new TWatcher(owner, &log);
  a->SetName(L"A");
  auto* b = new TWatcher(owner, &log);
  b->SetName(L"B");
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->FindComponent(L"b"), b);
  EXPECT_THROW(b->SetName(L"a"), FrameworkError);
  EXPECT_THROW(b->SetName(L"1st"), FrameworkError);

  b->FreeNotification(a);  // b holds a reference to a
  b->watched = a;
  delete a;
  EXPECT_EQ(b->watched, nullptr);
  EXPECT_EQ(owner->ComponentCount(), 1);
  delete owner;
  // The owner's own destructor body runs first; the components it owns go
  // while only its TComponent part remains.
  EXPECT_EQ(log, (std::vector<std::wstring>{L"~A", L"B saw A go", L"Owner saw A go", L"~Owner", L"~B"}));
}

TEST(Strings, ListEditsAndSplitsText) {
  TStringList list;
  int changes = 0;
  list.OnChange = [&] { ++changes; };
  list.SetText(L"one\r\ntwo\nthree\r\r\n");
  EXPECT_EQ(list.ToVector(), (std::vector<std::wstring>{L"one", L"two", L"three", L""}));
  list.Put(1, L"2");
  list.Delete(3);
  EXPECT_EQ(list.Text(), L"one\r\n2\r\nthree\r\n");
  EXPECT_EQ(list.IndexOf(L"three"), 2);
  EXPECT_THROW(list.Get(3), FrameworkError);
  EXPECT_THROW(list.Insert(-1, L"x"), FrameworkError);
  EXPECT_GT(changes, 0);
}

struct RecordingLink : TDataLink {
  std::vector<std::string> events;
  void DataSetOpened() override { events.push_back("opened"); }
  void DataSetClosed() override { events.push_back("closed"); }
  void RowChanged() override { events.push_back("row"); }
  void DataChanged() override { events.push_back("data"); }
  void DataSourceChanged() override { events.push_back("source"); }
};

TEST(DataSet, LinksHearTheDataSetThroughTheirSource) {
  TComponent owner(nullptr);
  auto* table = new testing::TTableDataSet(&owner, {L"Id", L"Title"}, {{L"1", L"Zhao"}, {L"2", L"Qian"}});
  auto* source = new TDataSource(&owner);
  RecordingLink link;
  link.SetDataSource(source);
  source->SetDataSet(table);
  EXPECT_TRUE(table->Eof());
  table->Open();
  EXPECT_FALSE(table->Eof());
  EXPECT_EQ(table->MoveBy(5), 1);
  EXPECT_EQ(table->MoveBy(1), 0);
  EXPECT_EQ(table->CurrentFieldText(1), L"Qian");
  table->SetFieldText(0, 1, L"Sun");
  table->Close();
  EXPECT_THROW(table->CurrentFieldText(1), FrameworkError);
  delete table;  // the source forgets it
  EXPECT_EQ(source->DataSet(), nullptr);
  EXPECT_EQ(link.events, (std::vector<std::string>{"source", "source", "opened", "row", "data", "closed", "source"}));
}

}  // namespace
}  // namespace lanvero::framework
