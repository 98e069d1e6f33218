// The database file in the Windows folder: written fresh at every start
// whatever was left there, never changed by the program (a title edited in
// the grid lives only until the program ends), gone after a normal close;
// a second running copy that cannot write it reports one error and stays
// usable; and where the Windows folder refuses the file, the same happens
// in the user's local application data.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/e2e/driver/Desktop.h"
#include "tests/e2e/support/Expectations.h"
#include "tests/e2e/support/GridView.h"
#include "tests/e2e/support/LanveroSession.h"
#include "tests/e2e/support/SurnameData.h"

namespace lanvero::e2e {
namespace {

constexpr char kJetSignature[] = "Standard Jet DB";
constexpr size_t kJetSignatureOffset = 4;

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Reads the whole file while the program may hold it open for reading.
std::string ReadSharedFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

std::string ShippedDatabase() {
  std::ifstream file(BuildTreePath(L"assets/data/lanvero.mdb").c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

bool WriteGarbage(const std::wstring& path) {
  std::ofstream file(path.c_str(), std::ios::binary | std::ios::trunc);
  file << "left over by an earlier run, not a database";
  return static_cast<bool>(file);
}

std::wstring RecordCountText() { return L"共" + std::to_wstring(SurnameData::Shipped().Count()) + L"条信息"; }

TEST(DatabaseFileTest, LeftoverFileIsReplacedAtStartAndRemovedAfterClose) {
  const std::wstring path = DatabaseFilePath();
  if (!WriteGarbage(path)) GTEST_SKIP() << "another Lanvero holds " << testing::PrintToString(path) << "; rerun";

  auto lanvero = LanveroSession::Start();
  EXPECT_TRUE(StatusBecomes(*lanvero, RecordCountText()));
  const std::string written = ReadSharedFile(path);
  ASSERT_GT(written.size(), kJetSignatureOffset + sizeof kJetSignature);
  EXPECT_EQ(written.substr(kJetSignatureOffset, sizeof kJetSignature - 1), kJetSignature);
  EXPECT_TRUE(written == ShippedDatabase()) << "the file is not the embedded database byte for byte";

  lanvero->PressButton(L"退出");
  ASSERT_TRUE(lanvero->Program().WaitForExit(10000)) << "the exit button did not end the program";
  EXPECT_EQ(lanvero->Program().ExitCode(), 0u);
  EXPECT_FALSE(FileExists(path)) << "the database file was left behind";
}

TEST(DatabaseFileTest, SecondCopyThatCannotWriteTheFileReportsOnceAndStillCloses) {
  auto first = LanveroSession::Start();
  auto second = LanveroSession::Launch();

  EXPECT_EQ(second->AnswerMessage(), L"程序发生未知错误,请联系客服！");
  EXPECT_EQ(second->LastMessageCaption(), L"Lanvero V1.0");
  EXPECT_EQ(second->LastMessageButtonCount(), 1u) << "an information box offers OK only";
  second->WaitForMainWindow();
  EXPECT_EQ(second->AnswerMessage(1500), std::nullopt) << "more than one message box";
  EXPECT_EQ(second->Status(), L"");
  const GridView emptyGrid = ReadGrid(second->Grid());
  EXPECT_TRUE(emptyGrid.rows.empty());
  EXPECT_FALSE(emptyGrid.currentRow.has_value());
  EXPECT_EQ(WindowText(second->Form()), L"Lanvero 1.3.20130318");
  EXPECT_TRUE(second->Close()) << "the second copy did not close normally";
  EXPECT_TRUE(FileExists(DatabaseFilePath())) << "the second copy removed the file the first one uses";

  // The first copy goes on working with its file.
  first->PressButton(L"刷新");
  EXPECT_TRUE(StatusBecomes(*first, RecordCountText()));
  const GridView grid = ReadGrid(first->Grid());
  ASSERT_GE(grid.rows.size(), 2u);
  first->ClickAt(first->Grid(), grid.CellPoint(1));
  EXPECT_TRUE(MemoBecomes(*first, SurnameData::Shipped().Records()[1].shownBody));
  EXPECT_TRUE(first->Close());
  EXPECT_FALSE(FileExists(DatabaseFilePath()));
}

// Stands a directory where the database file goes, so that the Windows
// folder refuses the file as it does for a 64-bit program of a standard
// user (the tests run with every right, so permissions cannot do it).
class WindowsFolderRefusesTheFile {
 public:
  WindowsFolderRefusesTheFile() {
    DeleteFileW(DatabaseFilePath().c_str());
    made_ = CreateDirectoryW(DatabaseFilePath().c_str(), nullptr) != 0;
  }
  ~WindowsFolderRefusesTheFile() { RemoveDirectoryW(DatabaseFilePath().c_str()); }
  bool Made() const { return made_; }

 private:
  bool made_ = false;
};

TEST(DatabaseFileTest, RefusedWindowsFolderSendsTheFileToLocalAppDataWithTheSameLifecycle) {
  WindowsFolderRefusesTheFile refusal;
  ASSERT_TRUE(refusal.Made());
  const std::wstring fallback = FallbackDatabaseFilePath();
  CreateDirectoryW(fallback.substr(0, fallback.rfind(L'\\')).c_str(), nullptr);
  ASSERT_TRUE(WriteGarbage(fallback)) << "a leftover file there is replaced too";

  auto first = LanveroSession::Start();
  EXPECT_TRUE(StatusBecomes(*first, RecordCountText()));
  EXPECT_TRUE(ReadSharedFile(fallback) == ShippedDatabase()) << "no fresh database in the local application data";

  // A second copy meets the first one's file there and reports it as before.
  auto second = LanveroSession::Launch();
  EXPECT_EQ(second->AnswerMessage(), L"程序发生未知错误,请联系客服！");
  second->WaitForMainWindow();
  EXPECT_TRUE(second->Close());
  EXPECT_TRUE(FileExists(fallback)) << "the second copy removed the file the first one uses";

  const GridView grid = ReadGrid(first->Grid());
  ASSERT_GE(grid.rows.size(), 2u);
  first->ClickAt(first->Grid(), grid.CellPoint(1));
  EXPECT_TRUE(MemoBecomes(*first, SurnameData::Shipped().Records()[1].shownBody));
  EXPECT_TRUE(first->Close());
  EXPECT_FALSE(FileExists(fallback)) << "the database file was left behind";
}

TEST(DatabaseFileTest, TitleEditedInTheGridLastsOnlyForTheRun) {
  const std::wstring newTitle = L"改名测试姓";
  const std::wstring keyword = L"改名测试";
  ASSERT_TRUE(SurnameData::Shipped().TitlesContaining(keyword).empty());
  {
    auto lanvero = LanveroSession::Start();
    lanvero->ClickAt(lanvero->Grid(), ReadGrid(lanvero->Grid()).CellPoint(0));
    TypeText(newTitle);  // typing into the grid starts editing the current cell
    PressKey(VK_RETURN);
    lanvero->Settle();

    lanvero->SearchFor(keyword);
    EXPECT_EQ(lanvero->AnswerMessage(1000), std::nullopt) << "the edited title was not found";
    EXPECT_TRUE(StatusBecomes(*lanvero, L"关于" + keyword + L"的信息,共搜索到1条"));
    EXPECT_TRUE(ReadSharedFile(DatabaseFilePath()) == ShippedDatabase()) << "the edit reached the database file";
    EXPECT_TRUE(lanvero->Close());
  }
  auto nextRun = LanveroSession::Start();
  nextRun->SearchFor(keyword);
  EXPECT_EQ(nextRun->AnswerMessage(), L"对不起没有找到相关信息！请重新输入关键词") << "the edit outlived its run";
}

}  // namespace
}  // namespace lanvero::e2e
