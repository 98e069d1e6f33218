#include "framework/forms/StandardClasses.h"

#include "framework/controls/Buttons.h"
#include "framework/controls/CheckListBox.h"
#include "framework/controls/Containers.h"
#include "framework/controls/DateTimePicker.h"
#include "framework/controls/grid/DBGrid.h"
#include "framework/controls/Edits.h"
#include "framework/controls/GlyphButtons.h"
#include "framework/controls/Labels.h"
#include "framework/controls/ListControls.h"
#include "framework/controls/ListViews.h"
#include "framework/controls/MediaPlayer.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/RadioGroup.h"
#include "framework/controls/RangeControls.h"
#include "framework/controls/ScrollBox.h"
#include "framework/controls/StatusBar.h"
#include "framework/controls/TabControl.h"
#include "framework/controls/TabSet.h"
#include "framework/controls/ToolBar.h"
#include "framework/controls/TreeView.h"
#include "framework/controls/UpDown.h"
#include "framework/core/DataSet.h"
#include "framework/forms/Form.h"
#include "framework/forms/Frame.h"
#include "framework/menus/Menus.h"
#include "framework/services/ImageList.h"
#include "framework/services/Timer.h"

namespace lanvero::framework {

void RegisterStandardClasses() {
  static const bool registered = [] {
    for (const ClassInfo* info : {
             &TForm::StaticClassInfo(),         &TButton::StaticClassInfo(),         &TCheckBox::StaticClassInfo(),
             &TRadioButton::StaticClassInfo(),  &TEdit::StaticClassInfo(),           &TMemo::StaticClassInfo(),
             &TGroupBox::StaticClassInfo(),     &TPanel::StaticClassInfo(),          &TLabel::StaticClassInfo(),
             &TImage::StaticClassInfo(),        &TPageControl::StaticClassInfo(),    &TTabSheet::StaticClassInfo(),
             &TTabControl::StaticClassInfo(),   &THeaderControl::StaticClassInfo(),  &TListView::StaticClassInfo(),
             &TUpDown::StaticClassInfo(),       &TDateTimePicker::StaticClassInfo(), &TRadioGroup::StaticClassInfo(),
             &TToolBar::StaticClassInfo(),      &TToolButton::StaticClassInfo(),     &TStatusBar::StaticClassInfo(),
             &TScrollBar::StaticClassInfo(),    &TProgressBar::StaticClassInfo(),    &TTrackBar::StaticClassInfo(),
             &TComboBox::StaticClassInfo(),     &TListBox::StaticClassInfo(),        &TMainMenu::StaticClassInfo(),
             &TPopupMenu::StaticClassInfo(),    &TMenuItem::StaticClassInfo(),       &TAction::StaticClassInfo(),
             &TDataSource::StaticClassInfo(),   &TDBGrid::StaticClassInfo(),         &TSpeedButton::StaticClassInfo(),
             &TBitBtn::StaticClassInfo(),       &TTimer::StaticClassInfo(),          &TImageList::StaticClassInfo(),
             &TCheckListBox::StaticClassInfo(), &TScrollBox::StaticClassInfo(),      &TFrame::StaticClassInfo(),
             &TTabSet::StaticClassInfo(),       &TTreeView::StaticClassInfo(),       &TMediaPlayer::StaticClassInfo(),
         }) {
      ClassRegistry::Register(*info);
    }
    return true;
  }();
  (void)registered;
}

}  // namespace lanvero::framework
