#include "framework/controls/grid/DBGrid.h"

#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

namespace {

const EnumInfo& GridOptionElements() {
  static const EnumInfo info{"TDBGridOption",
                             {"dgEditing", "dgAlwaysShowEditor", "dgTitles", "dgIndicator", "dgColumnResize",
                              "dgColLines", "dgRowLines", "dgTabs", "dgRowSelect", "dgAlwaysShowSelection",
                              "dgConfirmDelete", "dgCancelOnExit", "dgMultiSelect"}};
  return info;
}

}  // namespace

// Tells the grid what happens to its data set.
class TDBGrid::TGridDataLink : public TDataLink {
 public:
  explicit TGridDataLink(TDBGrid& grid) : grid_(grid) {}
  void DataSetOpened() override { grid_.DataSetOpened(); }
  void DataSetClosed() override { grid_.DataSetClosed(); }
  void RowChanged() override { grid_.RowChanged(); }
  void DataChanged() override { grid_.DataChanged(); }
  void DataSourceChanged() override {
    if (Active()) {
      grid_.DataSetOpened();
    } else {
      grid_.DataSetClosed();
    }
  }

 private:
  TDBGrid& grid_;
};

const ClassInfo& TCustomGrid::StaticClassInfo() {
  static const ClassInfo info = DescribeClass("TCustomGrid", &TCustomControl::StaticClassInfo());
  return info;
}

const ClassInfo& TDBGrid::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TDBGrid>("TDBGrid", &TCustomGrid::StaticClassInfo())
          .Creatable()
          .Reference("DataSource", &TDBGrid::DataSource, &TDBGrid::SetDataSource)
          .Object("Columns", &TDBGrid::Columns)
          .Set("Options", GridOptionElements(), &TDBGrid::Options, &TDBGrid::SetOptions)
          .Object("TitleFont", &TDBGrid::TitleFont)
          .Boolean("ReadOnly", &TDBGrid::ReadOnly, &TDBGrid::SetReadOnly)
          .Integer("FixedColor", &TDBGrid::FixedColor, &TDBGrid::SetFixedColor, &ColorIdentifiers())
          .Event("OnCellClick", &TDBGrid::OnCellClick, &TDBGrid::onCellClickName)
          .Event("OnTitleClick", &TDBGrid::OnTitleClick)
          .Build();
  return info;
}

TDBGrid::TDBGrid(TComponent* owner)
    : TCustomGrid(owner),
      link_(std::make_unique<TGridDataLink>(*this)),
      columns_(std::make_unique<TOwnedCollection<TColumn>>()),
      titleFont_(std::make_unique<TFont>()),
      options_(dgEditing | dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgTabs |
               dgConfirmDelete | dgCancelOnExit) {
  SetTabStop(true);
  SetColor(clWindow);
  SetControlStyle(Style() & ~static_cast<uint32_t>(csClickEvents));
  SetBounds(0, 0, 320, 120);
  columns_->OnUpdate = [this](TCollectionItem*) {
    BindColumns();
    UpdateScrollBars();
    Invalidate();
  };
  titleFont_->OnChange = [this] {
    titleTextHeight_.reset();
    Invalidate();
  };
}

TDBGrid::~TDBGrid() {
  MarkDestroying();
  link_->SetDataSource(nullptr);
  DestroyComponents();
}

TDataSource* TDBGrid::DataSource() const { return link_->DataSource(); }

void TDBGrid::SetDataSource(TDataSource* source) {
  if (link_->DataSource()) RemoveFreeNotification(link_->DataSource());
  link_->SetDataSource(source);
  if (source) FreeNotification(source);
}

void TDBGrid::Notification(TComponent* component, TOperation operation) {
  TCustomGrid::Notification(component, operation);
  if (operation == TOperation::opRemove && component == link_->DataSource()) link_->SetDataSource(nullptr);
}

void TDBGrid::Loaded() {
  TCustomGrid::Loaded();
  // Columns stored in the layout stay; otherwise they follow the data set.
  defaultColumns_ = columns_->Count() == 0;
  if (link_->Active()) DataSetOpened();
}

void TDBGrid::SetOptions(uint32_t options) {
  options_ = options;
  UpdateScrollBars();
  Invalidate();
}

void TDBGrid::SetFixedColor(TColor color) {
  fixedColor_ = color;
  Invalidate();
}

void TDBGrid::CreateParams(TCreateParams& params) {
  TCustomGrid::CreateParams(params);
  params.style |= WS_HSCROLL | WS_VSCROLL;
  params.exStyle |= WS_EX_CLIENTEDGE;
}

void TDBGrid::CreateHandleState() {
  TCustomGrid::CreateHandleState();
  UpdateScrollBars();
}

TDataSet* TDBGrid::ActiveDataSet() const { return link_->Active() ? link_->DataSet() : nullptr; }

}  // namespace lanvero::framework
