#include "app/AdoComponents.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/FrameworkError.h"

namespace lanvero::app {
namespace {

using framework::ClassBuilder;
using framework::FrameworkError;
using framework::TOperation;

const framework::EnumInfo kCursorTypeEnum{"TCursorType",
                                          {"ctUnspecified", "ctOpenForwardOnly", "ctKeyset", "ctDynamic", "ctStatic"}};

std::wstring Widen(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }
std::u16string Narrow16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

}  // namespace

// --- TADOConnection -------------------------------------------------------

TADOConnection::TADOConnection(TComponent* owner) : TComponent(owner) {}

TADOConnection::~TADOConnection() { connection_.Close(); }

const ClassInfo& TADOConnection::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TADOConnection>("TADOConnection", &TComponent::StaticClassInfo())
          .Creatable()
          .String("ConnectionString", &TADOConnection::ConnectionString, &TADOConnection::SetConnectionString)
          .Boolean("LoginPrompt", &TADOConnection::LoginPrompt, &TADOConnection::SetLoginPrompt)
          .String("Provider", &TADOConnection::Provider, &TADOConnection::SetProvider)
          .Build();
  return info;
}

std::wstring TADOConnection::ConnectionString() const { return Widen(connection_.ConnectionString()); }

void TADOConnection::SetConnectionString(const std::wstring& text) {
  connection_.Close();
  connection_.SetConnectionString(Narrow16(text));
}

void TADOConnection::Close() { connection_.Close(); }

// --- TCustomADODataSet ----------------------------------------------------

const ClassInfo& TCustomADODataSet::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TCustomADODataSet>("TCustomADODataSet", &framework::TDataSet::StaticClassInfo())
          .Reference("Connection", &TCustomADODataSet::Connection, &TCustomADODataSet::SetConnection)
          .Enumeration("CursorType", kCursorTypeEnum, &TCustomADODataSet::CursorType, &TCustomADODataSet::SetCursorType)
          .Build();
  return info;
}

void TCustomADODataSet::SetConnection(TADOConnection* connection) {
  if (connection_) connection_->RemoveFreeNotification(this);
  connection_ = connection;
  if (connection_) connection_->FreeNotification(this);
}

void TCustomADODataSet::Notification(TComponent* component, TOperation operation) {
  TDataSet::Notification(component, operation);
  if (operation == TOperation::opRemove && component == connection_) SetConnection(nullptr);
}

// --- TADOQuery ------------------------------------------------------------

TADOQuery::TADOQuery(TComponent* owner) : TCustomADODataSet(owner), sql_(std::make_unique<framework::TStringList>()) {}

TADOQuery::~TADOQuery() {
  if (query_) query_->RemoveListener(*this);
}

const ClassInfo& TADOQuery::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TADOQuery>("TADOQuery", &TCustomADODataSet::StaticClassInfo())
                                    .Creatable()
                                    .Object("SQL", &TADOQuery::SQL)
                                    .Build();
  return info;
}

void TADOQuery::SetConnection(TADOConnection* connection) {
  if (connection == connection_) return;
  if (query_) {
    query_->RemoveListener(*this);
    query_.reset();
    NotifyClosed();
  }
  TCustomADODataSet::SetConnection(connection);
  if (connection_) {
    query_ = std::make_unique<db::Query>(connection_->Native());
    query_->AddListener(*this);
  }
}

db::Query& TADOQuery::RequireQuery() {
  if (!query_) throw FrameworkError(L"Missing Connection or ConnectionString");
  return *query_;
}

void TADOQuery::Open() {
  db::Query& query = RequireQuery();
  query.Clear();
  for (int i = 0; i < sql_->Count(); ++i) query.Add(Narrow16(sql_->Get(i)));
  query.Open();
}

void TADOQuery::Close() {
  if (query_) query_->Close();
}

bool TADOQuery::Active() const { return query_ && query_->Active(); }

int TADOQuery::FieldCount() const { return Active() ? static_cast<int>(query_->FieldCount()) : 0; }

std::wstring TADOQuery::FieldName(int field) const {
  return Active() ? Widen(query_->FieldName(static_cast<std::size_t>(field))) : std::wstring();
}

int TADOQuery::RecordCount() const { return Active() ? static_cast<int>(query_->RecordCount()) : 0; }

int TADOQuery::RecNo() const { return RecordCount() > 0 ? static_cast<int>(query_->CurrentRow()) : -1; }

int TADOQuery::MoveBy(int distance) { return Active() ? query_->MoveBy(distance) : 0; }

std::wstring TADOQuery::FieldText(int row, int field) const {
  if (!Active()) throw FrameworkError(L"Operation is not allowed when the object is closed.");
  return Widen(query_->FieldText(static_cast<std::size_t>(row), static_cast<std::size_t>(field)));
}

bool TADOQuery::SetFieldText(int row, int field, const std::wstring& text) {
  if (!Active()) return false;
  query_->SetFieldText(static_cast<std::size_t>(row), static_cast<std::size_t>(field), Narrow16(text));
  return true;
}

void TADOQuery::QueryOpened(db::Query&) { NotifyOpened(); }
void TADOQuery::QueryClosed(db::Query&) { NotifyClosed(); }
void TADOQuery::CurrentRowChanged(db::Query&, std::size_t) { NotifyRowChanged(); }
void TADOQuery::FieldEdited(db::Query&, std::size_t, std::size_t) { NotifyDataChanged(); }

// --- TADOTable ------------------------------------------------------------

const ClassInfo& TADOTable::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TADOTable>("TADOTable", &TCustomADODataSet::StaticClassInfo())
                                    .Creatable()
                                    .String("TableName", &TADOTable::TableName, &TADOTable::SetTableName)
                                    .Reference("MasterSource", &TADOTable::MasterSource, &TADOTable::SetMasterSource)
                                    .Build();
  return info;
}

void TADOTable::SetMasterSource(framework::TDataSource* source) {
  if (masterSource_) masterSource_->RemoveFreeNotification(this);
  masterSource_ = source;
  if (masterSource_) masterSource_->FreeNotification(this);
}

void TADOTable::Notification(TComponent* component, TOperation operation) {
  TCustomADODataSet::Notification(component, operation);
  if (operation == TOperation::opRemove && component == masterSource_) masterSource_ = nullptr;
}

void RegisterAdoClasses() {
  framework::ClassRegistry::Register(TADOConnection::StaticClassInfo());
  framework::ClassRegistry::Register(TADOQuery::StaticClassInfo());
  framework::ClassRegistry::Register(TADOTable::StaticClassInfo());
}

}  // namespace lanvero::app
