#include "app/Unit1.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include "app/res.h"
#include "db/RecordBody.h"
#include "db/SearchStatement.h"
#include "framework/core/ClassBuilder.h"
#include "framework/core/FrameworkError.h"
#include "framework/forms/Application.h"

namespace lanvero::app {

TForm1* Form1 = nullptr;

namespace {

using framework::Application;
using framework::FrameworkError;

// First part of the window caption, set when the main window is created.
std::wstring ProductName;

constexpr wchar_t kDatabaseFileName[] = L"_.dll";
constexpr wchar_t kSearchPlaceholder[] = L"请输入搜索关键词";
constexpr int kTitleColumnWidth = 300;

// The web pages: fixed prefixes to which the version text is appended.
constexpr wchar_t kOnlineVersionPage[] = L"http://down.oristel.example/Data/Lanvero/?qq=Lanvero";
constexpr wchar_t kUpdatePage[] = L"http://down.oristel.example/?qq=Lanvero";
constexpr wchar_t kMakerHomePage[] = L"http://www.oristel.example/?qq=Lanvero";
constexpr wchar_t kVelmiraPage[] = L"http://www.velmira.example/?qq=Lanvero";
constexpr wchar_t kQuarrowPage[] = L"http://www.quarrow.example/?qq=Lanvero";

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }
std::u16string Utf16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

void ShowMessage(const std::wstring& text) { Application()->ShowInformation(text); }

// Looks a component of the layout up by name; a missing one is a broken
// layout, reported like any other error.
template <class T>
void Bind(const framework::TComponent& owner, T*& field, const wchar_t* name) {
  field = dynamic_cast<T*>(owner.FindComponent(name));
  if (!field) throw FrameworkError(std::wstring(L"The layout lacks the component ") + name);
}

// An item-id list from the shell, freed with the shell's allocator.
class ShellItemList {
 public:
  ShellItemList() = default;
  ShellItemList(const ShellItemList&) = delete;
  ShellItemList& operator=(const ShellItemList&) = delete;
  ~ShellItemList() { CoTaskMemFree(list_); }
  LPITEMIDLIST* Receive() { return &list_; }
  LPCITEMIDLIST Get() const { return list_; }

 private:
  LPITEMIDLIST list_ = nullptr;
};

}  // namespace

const ClassInfo& TForm1::StaticClassInfo() {
  static const ClassInfo info = framework::ClassBuilder<TForm1>("TForm1", &TForm::StaticClassInfo())
                                    .Creatable()
                                    .Method("FormCreate", &TForm1::FormCreate)
                                    .Method("FormClose", &TForm1::FormClose)
                                    .Method("Button_RefreshClick", &TForm1::Button_RefreshClick)
                                    .Method("Button_SearchClick", &TForm1::Button_SearchClick)
                                    .Method("searchkeywordClick", &TForm1::searchkeywordClick)
                                    .Method("searchkeywordDblClick", &TForm1::searchkeywordDblClick)
                                    .Method("searchkeywordEnter", &TForm1::searchkeywordEnter)
                                    .Method("DBGrid1CellClick", &TForm1::DBGrid1CellClick)
                                    .Method("Button_CopyClick", &TForm1::Button_CopyClick)
                                    .Method("Button_WebClick", &TForm1::Button_WebClick)
                                    .Method("Button_UpdataClick", &TForm1::Button_UpdataClick)
                                    .Method("Label3Click", &TForm1::Label3Click)
                                    .Method("Label5Click", &TForm1::Label5Click)
                                    .Method("Label15Click", &TForm1::Label15Click)
                                    .Method("Button_CloseClick", &TForm1::Button_CloseClick)
                                    .Build();
  return info;
}

void TForm1::Loaded() {
  TForm::Loaded();
  Bind(*this, Image1, L"Image1");
  Bind(*this, Label15, L"Label15");
  Bind(*this, Label5, L"Label5");
  Bind(*this, PageControl1, L"PageControl1");
  Bind(*this, DBGrid1, L"DBGrid1");
  Bind(*this, Button_Copy, L"Button_Copy");
  Bind(*this, Button_Refresh, L"Button_Refresh");
  Bind(*this, Button_Search, L"Button_Search");
  Bind(*this, searchkeyword, L"searchkeyword");
  Bind(*this, Memo_Info, L"Memo_Info");
  Bind(*this, Edit_SoftVer, L"Edit_SoftVer");
  Bind(*this, StatusBar1, L"StatusBar1");
  Bind(*this, Button_Close, L"Button_Close");
  Bind(*this, ADOConnection1, L"ADOConnection1");
  Bind(*this, ADOQuery1, L"ADOQuery1");
}

// --- Start-up and close ---------------------------------------------------

std::wstring TForm1::SpecialFolderPath(int folder) const {
  ShellItemList items;
  wchar_t path[MAX_PATH + 1] = {};
  if (SUCCEEDED(SHGetSpecialFolderLocation(Application()->Handle(), folder, items.Receive()))) {
    SHGetPathFromIDListW(items.Get(), path);
  }
  return path;
}

// Writes the embedded database into the Windows directory, replacing what an
// earlier run left there, and returns its path. Where that directory refuses
// the file (a 64-bit program of a standard user is not redirected to a
// virtual store as a 32-bit one is), the file goes to the user's own
// "Lanvero" folder of local application data instead, with the same name
// and lifecycle. A file held by another running copy is not a refusal: it
// stays an error, as before.
std::wstring TForm1::WriteDatabaseFile() {
  DatabaseFile = SpecialFolderPath(CSIDL_WINDOWS) + L"\\" + kDatabaseFileName;
  DeleteFileW(DatabaseFile.c_str());
  try {
    SaveResourceToFile(L"_", L"mdb", DatabaseFile);
    return DatabaseFile;
  } catch (const FileRefusedError&) {
  }
  const std::wstring folder = SpecialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\Lanvero";
  CreateDirectoryW(folder.c_str(), nullptr);
  DatabaseFile = folder + L"\\" + kDatabaseFileName;
  DeleteFileW(DatabaseFile.c_str());
  SaveResourceToFile(L"_", L"mdb", DatabaseFile);
  return DatabaseFile;
}

void TForm1::FormCreate(TObject*) {
  try {
    ProductName = L"Lanvero";
    SetCaption(ProductName + L" " + Edit_SoftVer->Text());
    const std::wstring databaseFile = WriteDatabaseFile();
    ADOConnection1->SetConnectionString(L"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + databaseFile +
                                        L";Persist Security Info=False");
    RunStatement(db::kListAllStatement);
    SetRecordCountStatus();
    Button_Refresh->Click();
    OldGridWnd = DBGrid1->WindowProc;
    DBGrid1->WindowProc = [this](TMessage& message) { GridWndProc(message); };
  } catch (...) {
    ShowMessage(L"程序发生未知错误,请联系客服！");
  }
}

void TForm1::FormClose(TObject*, framework::TCloseAction&) {
  ADOConnection1->Close();
  if (!DatabaseFile.empty()) DeleteFileW(DatabaseFile.c_str());
}

// --- Browsing and search --------------------------------------------------

void TForm1::RunStatement(std::u16string_view statement) {
  ADOQuery1->Close();
  ADOQuery1->SQL()->Clear();
  ADOQuery1->SQL()->Add(Wide(statement));
  ADOQuery1->Open();
}

void TForm1::ShowTitleColumnOnly() {
  auto& columns = *DBGrid1->Columns();
  columns[0]->SetVisible(false);
  columns[2]->SetVisible(false);
  columns[1]->SetWidth(kTitleColumnWidth);
}

void TForm1::SetRecordCountStatus() {
  (*StatusBar1->Panels())[0]->SetText(L"共" + std::to_wstring(ADOQuery1->RecordCount()) + L"条信息");
}

void TForm1::Button_RefreshClick(TObject*) {
  RunStatement(db::kRefreshStatement);
  ShowTitleColumnOnly();
  SetRecordCountStatus();
}

void TForm1::Button_SearchClick(TObject*) {
  const std::wstring typed = searchkeyword->Text();
  if (typed.empty() || typed == kSearchPlaceholder) {
    ShowMessage(L"请输入搜索关键词！");
    return;
  }
  RunStatement(db::SearchStatement(db::CleanSearchKeyword(Utf16(typed))));
  (*StatusBar1->Panels())[0]->SetText(L"关于" + typed + L"的信息,共搜索到" + std::to_wstring(ADOQuery1->RecordCount()) +
                                      L"条");
  if (ADOQuery1->Eof()) {
    ShowMessage(L"对不起没有找到相关信息！请重新输入关键词");
    RunStatement(db::kListAllStatement);
  }
  ShowTitleColumnOnly();
}

void TForm1::searchkeywordClick(TObject*) { searchkeyword->SetText(L""); }

void TForm1::searchkeywordDblClick(TObject*) { searchkeyword->SetText(L""); }

void TForm1::searchkeywordEnter(TObject*) { Button_Search->SetDefault(true); }

// One wheel message moves the current row by exactly one, whatever the
// distance; the grid's own wheel handling never runs.
void TForm1::GridWndProc(TMessage& message) {
  if (message.Msg == WM_MOUSEWHEEL) {
    const short distance = static_cast<short>(HIWORD(message.WParam));
    ADOQuery1->MoveBy(distance < 0 ? 1 : -1);
    return;
  }
  OldGridWnd(message);
}

// --- Record text, clipboard and links ---------------------------------------

void TForm1::DBGrid1CellClick(framework::TColumn*) {
  const std::wstring field = ADOQuery1->CurrentFieldText(2);
  Memo_Info->SetText(Wide(db::RemoveBreakMarks(db::DecryptRecordBody(Utf16(field)))));
}

void TForm1::Button_CopyClick(TObject*) {
  if (Memo_Info->Text().empty()) {
    ShowMessage(L"请选择一条信息再复制！");
    return;
  }
  Memo_Info->SelectAll();
  Memo_Info->CopyToClipboard();
  ShowMessage(L"该信息已经拷贝到剪切板.");
}

void TForm1::OpenWebLink(const std::wstring& prefix) {
  const std::wstring address = prefix + Edit_SoftVer->Text();
  ShellExecuteW(WindowHandle(), nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TForm1::Button_WebClick(TObject*) { OpenWebLink(kOnlineVersionPage); }
void TForm1::Button_UpdataClick(TObject*) { OpenWebLink(kUpdatePage); }
void TForm1::Label3Click(TObject*) { OpenWebLink(kMakerHomePage); }
void TForm1::Label5Click(TObject*) { OpenWebLink(kVelmiraPage); }
void TForm1::Label15Click(TObject*) { OpenWebLink(kQuarrowPage); }

void TForm1::Button_CloseClick(TObject*) { Close(); }

}  // namespace lanvero::app
