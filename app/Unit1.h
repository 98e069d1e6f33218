// The main window of Lanvero: the record grid with its search and refresh
// commands, the record text with copying, the About page with the version
// text, and the web links. Its components come from the stored layout.
#pragma once

#include <string>

#include "app/AdoComponents.h"
#include "framework/base/Messages.h"
#include "framework/controls/Buttons.h"
#include "framework/controls/Containers.h"
#include "framework/controls/grid/DBGrid.h"
#include "framework/controls/Edits.h"
#include "framework/controls/Labels.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/StatusBar.h"
#include "framework/forms/Form.h"

namespace lanvero::app {

using framework::TMessage;
using framework::TObject;

class TForm1 : public framework::TForm {
 public:
  explicit TForm1(TComponent* owner) : TForm(owner) {}
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  // Event handlers bound by name in the stored layout.
  void FormCreate(TObject* sender);
  void FormClose(TObject* sender, framework::TCloseAction& action);
  void Button_RefreshClick(TObject* sender);
  void Button_SearchClick(TObject* sender);
  void searchkeywordClick(TObject* sender);
  void searchkeywordDblClick(TObject* sender);
  void searchkeywordEnter(TObject* sender);
  void DBGrid1CellClick(framework::TColumn* column);
  void Button_CopyClick(TObject* sender);
  void Button_WebClick(TObject* sender);
  void Button_UpdataClick(TObject* sender);
  void Label3Click(TObject* sender);
  void Label5Click(TObject* sender);
  void Label15Click(TObject* sender);
  void Button_CloseClick(TObject* sender);

  void Loaded() override;

 private:
  std::wstring SpecialFolderPath(int folder) const;
  std::wstring WriteDatabaseFile();
  void RunStatement(std::u16string_view statement);
  void ShowTitleColumnOnly();
  void SetRecordCountStatus();
  void OpenWebLink(const std::wstring& prefix);
  void GridWndProc(TMessage& message);

  framework::TImage* Image1 = nullptr;
  framework::TLabel* Label15 = nullptr;
  framework::TLabel* Label5 = nullptr;
  framework::TPageControl* PageControl1 = nullptr;
  framework::TDBGrid* DBGrid1 = nullptr;
  framework::TButton* Button_Copy = nullptr;
  framework::TButton* Button_Refresh = nullptr;
  framework::TButton* Button_Search = nullptr;
  framework::TEdit* searchkeyword = nullptr;
  framework::TMemo* Memo_Info = nullptr;
  framework::TEdit* Edit_SoftVer = nullptr;
  framework::TStatusBar* StatusBar1 = nullptr;
  framework::TButton* Button_Close = nullptr;
  TADOConnection* ADOConnection1 = nullptr;
  TADOQuery* ADOQuery1 = nullptr;

  // Where this run wrote the database file; deleted again at close.
  std::wstring DatabaseFile;

  // The grid's own handler, which every message but the wheel still reaches.
  framework::TWndMethod OldGridWnd;
};

// The main window, assigned before its creation handler runs.
extern TForm1* Form1;

}  // namespace lanvero::app
