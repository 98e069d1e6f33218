// The database components of the main window: a connection, a query and a
// table over the record store (db/), in place of the platform's database
// provider. The query is a TDataSet, so the grid shows its rows and follows
// its current row.
#pragma once

#include <memory>
#include <string>

#include "db/Connection.h"
#include "db/Query.h"
#include "db/QueryListener.h"
#include "framework/core/DataSet.h"
#include "framework/core/Strings.h"

namespace lanvero::app {

using framework::ClassInfo;
using framework::TComponent;

enum class TCursorType { ctUnspecified, ctOpenForwardOnly, ctKeyset, ctDynamic, ctStatic };

class TADOConnection : public TComponent {
 public:
  explicit TADOConnection(TComponent* owner);
  ~TADOConnection() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  std::wstring ConnectionString() const;
  // Closes an open connection first, so the next use opens the new file.
  void SetConnectionString(const std::wstring& text);
  bool LoginPrompt() const { return loginPrompt_; }
  void SetLoginPrompt(bool value) { loginPrompt_ = value; }
  std::wstring Provider() const { return provider_; }
  void SetProvider(const std::wstring& value) { provider_ = value; }
  bool Connected() const { return connection_.Connected(); }
  // Releases every query's rows and the database file.
  void Close();

  db::Connection& Native() { return connection_; }

 private:
  db::Connection connection_;
  bool loginPrompt_ = true;
  std::wstring provider_;
};

// Shared by the query and the table: the connection reference and the
// cursor type, which the record store serves as a static cursor anyway.
class TCustomADODataSet : public framework::TDataSet {
 public:
  explicit TCustomADODataSet(TComponent* owner) : TDataSet(owner) {}
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TADOConnection* Connection() const { return connection_; }
  virtual void SetConnection(TADOConnection* connection);
  TCursorType CursorType() const { return cursorType_; }
  void SetCursorType(TCursorType type) { cursorType_ = type; }

 protected:
  void Notification(TComponent* component, framework::TOperation operation) override;
  TADOConnection* connection_ = nullptr;

 private:
  TCursorType cursorType_ = TCursorType::ctKeyset;
};

class TADOQuery : public TCustomADODataSet, private db::QueryListener {
 public:
  explicit TADOQuery(TComponent* owner);
  ~TADOQuery() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  framework::TStrings* SQL() const { return sql_.get(); }
  void SetConnection(TADOConnection* connection) override;

  // Runs the statement held in SQL; errors of the record store reach the
  // caller as exceptions with the store's message.
  void Open();
  void Close();
  bool Active() const override;
  int FieldCount() const override;
  std::wstring FieldName(int field) const override;
  int RecordCount() const override;
  int RecNo() const override;
  int MoveBy(int distance) override;
  std::wstring FieldText(int row, int field) const override;
  bool SetFieldText(int row, int field, const std::wstring& text) override;

 private:
  db::Query& RequireQuery();
  void QueryOpened(db::Query&) override;
  void QueryClosed(db::Query&) override;
  void CurrentRowChanged(db::Query&, std::size_t) override;
  void FieldEdited(db::Query&, std::size_t, std::size_t) override;

  std::unique_ptr<framework::TStringList> sql_;
  std::unique_ptr<db::Query> query_;
};

// A table component bound to the connection. The main window keeps one in
// its layout but never opens it; opening is refused with a clear message.
class TADOTable : public TCustomADODataSet {
 public:
  explicit TADOTable(TComponent* owner) : TCustomADODataSet(owner) {}
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  std::wstring TableName() const { return tableName_; }
  void SetTableName(const std::wstring& name) { tableName_ = name; }
  framework::TDataSource* MasterSource() const { return masterSource_; }
  void SetMasterSource(framework::TDataSource* source);

  bool Active() const override { return false; }
  int FieldCount() const override { return 0; }
  std::wstring FieldName(int) const override { return {}; }
  int RecordCount() const override { return 0; }
  int RecNo() const override { return -1; }
  int MoveBy(int) override { return 0; }
  std::wstring FieldText(int, int) const override { return {}; }
  bool SetFieldText(int, int, const std::wstring&) override { return false; }

 protected:
  void Notification(TComponent* component, framework::TOperation operation) override;

 private:
  std::wstring tableName_;
  framework::TDataSource* masterSource_ = nullptr;
};

// Registers the classes above for stored layouts.
void RegisterAdoClasses();

}  // namespace lanvero::app
