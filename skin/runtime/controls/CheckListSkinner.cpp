// Check list boxes under the skin: the list box asks its owner to draw
// every item; the skinner takes that request, so the control's own
// drawing never runs, and draws each item with the box cell of the skin's
// check strip in front of its text.
#include <algorithm>

#include "framework/controls/CheckListBox.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/win/DibSection.h"
#include "skin/runtime/controls/ButtonSkinners.h"
#include "skin/runtime/controls/ScrollbarSkinner.h"

namespace lanvero {
namespace {

using framework::TCheckBoxState;

// Gap between the box and the item's edge, and between the box and the text.
constexpr int kBoxGap = 2;

// The strip frame of a check state: unchecked 1, checked 2, grayed 4; a
// strip of 12 frames keeps checked and grayed further along.
int CheckStateFrame(TCheckBoxState state, int frames) {
  int frame = 1;
  if (state == TCheckBoxState::cbChecked) frame = 2;
  if (state == TCheckBoxState::cbGrayed) frame = 4;
  return FrameWithin(frames == 12 ? LongStripFrame(frame) : frame, frames);
}

}  // namespace

bool TSkinCheckList::BeforeProc(framework::TMessage& message) {
  if (message.Msg != framework::CN_DRAWITEM || !fsd || !dynamic_cast<framework::TCheckListBox*>(control)) {
    return TSkinScrollbar::BeforeProc(message);
  }
  DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
  message.Result = TRUE;
  return false;
}

void TSkinCheckList::DrawItem(const DRAWITEMSTRUCT& item) {
  auto* list = static_cast<framework::TCheckListBox*>(control);
  const int index = static_cast<int>(item.itemID);
  const bool real = index >= 0 && index < list->Items()->Count();
  framework::CanvasAttachment attached(itemCanvas_, item.hDC);
  itemCanvas_.Font().Assign(*list->Font());
  itemCanvas_.Brush().SetStyle(framework::TBrushStyle::bsSolid);
  const bool selected = real && (item.itemState & ODS_SELECTED);
  itemCanvas_.Brush().SetColor(selected ? framework::clHighlight : list->Color());
  if (!real || !DrawCheckListItem(item.hDC, index, item.itemState, item.rcItem)) itemCanvas_.FillRect(item.rcItem);
}

bool TSkinCheckList::DrawCheckListItem(HDC dc, int index, UINT itemState, const RECT& rc) {
  auto* list = dynamic_cast<framework::TCheckListBox*>(control);
  if (!list || !fsd || !fsd->Button || index < 0 || index >= list->Items()->Count()) return false;
  const int frames = fsd->Button->checkframe;
  const HBITMAP strip = MapHandle(fsd->Button->CheckMap);
  const SIZE stripSize = strip ? BitmapSize(strip) : SIZE{0, 0};
  if (frames < 1 || stripSize.cx / frames < 1 || stripSize.cy < 1) {
    kind = 0;
    return false;
  }
  const SIZE cell{stripSize.cx / frames, stripSize.cy};
  const int boxTop = rc.top + (rc.bottom - rc.top - cell.cy) / 2;
  const bool rightToLeft = list->UseRightToLeftAlignment();
  RECT box{}, text = rc;
  UINT flags = DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | CheckBiDi(0);
  if (rightToLeft) {
    box = RECT{rc.right - cell.cx, boxTop, rc.right, boxTop + cell.cy};
    text.right = box.left - kBoxGap;
    flags |= DT_RIGHT;
  } else {
    box = RECT{rc.left + kBoxGap, boxTop, rc.left + kBoxGap + cell.cx, boxTop + cell.cy};
    text.left = box.right + kBoxGap;
  }
  itemCanvas_.FillRect(rc);
  DrawSkinMap2(dc, box, strip, CheckStateFrame(list->State(index), frames), frames);

  // The text: the highlight's own text colour on a selected item, greyed on
  // a disabled one, so that it stays readable on every background.
  const bool enabled = list->Enabled() && list->ItemEnabled(index);
  const bool selected = (itemState & ODS_SELECTED) != 0;
  itemCanvas_.Font().SetColor(!enabled   ? framework::clGrayText
                              : selected ? framework::clHighlightText
                                         : list->Font()->Color());
  itemCanvas_.Brush().SetStyle(framework::TBrushStyle::bsClear);
  const std::wstring caption = list->Items()->Get(index);
  RECT measured = text;
  itemCanvas_.DrawText(caption, measured, flags | DT_CALCRECT);
  RECT centred = text;
  OffsetRect(&centred, 0, std::max<LONG>(0, ((text.bottom - text.top) - (measured.bottom - measured.top)) / 2));
  itemCanvas_.DrawText(caption, centred, flags);
  if (itemState & ODS_FOCUS) ::DrawFocusRect(dc, &text);
  return true;
}

}  // namespace lanvero
