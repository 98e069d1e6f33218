// Scroll boxes and frames: ranges that follow the children, the window's
// scroll bars, scrolling that moves the children, and frames with a layout
// of their own.
#include <windows.h>

#include "framework/controls/Buttons.h"
#include "framework/controls/ScrollBox.h"
#include "framework/core/ClassBuilder.h"
#include "framework/core/PropertyAccess.h"
#include "framework/forms/Frame.h"
#include "tests/framework/WinTestSupport.h"

namespace lanvero::framework::testing {
namespace {

constexpr char kLayout[] = R"(object F: TTestForm
  ClientWidth = 400
  ClientHeight = 300
  object Box: TScrollBox
    Width = 200
    Height = 150
    BorderStyle = bsNone
    object Near: TButton
      Left = 10
      Top = 10
    end
  end
end
)";

class ScrollBoxTest : public LayoutFormTest {
 protected:
  void SetUp() override {
    ShowForm(kLayout);
    box = Find<TScrollBox>(L"Box");
  }
  bool HasStyle(LONG_PTR bit) const { return (GetWindowLongPtrW(box->WindowHandle(), GWL_STYLE) & bit) != 0; }
  RECT WindowBoundsInBox(TWinControl* control) const {
    RECT rect{};
    GetWindowRect(control->WindowHandle(), &rect);
    MapWindowPoints(nullptr, box->WindowHandle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
  TScrollBox* box = nullptr;
};

TEST_F(ScrollBoxTest, BarsAppearWhenTheChildrenOverflow) {
  EXPECT_EQ(GetEnumProperty(box, "AutoScroll"), "True");
  EXPECT_FALSE(HasStyle(WS_HSCROLL));
  EXPECT_FALSE(HasStyle(WS_VSCROLL));

  auto* distant = new TButton(form.get());
  distant->SetBounds(50, 300, 75, 25);
  distant->SetParent(box);
  EXPECT_TRUE(HasStyle(WS_VSCROLL));
  EXPECT_FALSE(HasStyle(WS_HSCROLL));
  EXPECT_EQ(box->VertScrollBar()->Range(), 325);
  EXPECT_EQ(GetIntegerProperty(box, "VertScrollBar.Range"), 325);
  EXPECT_TRUE(box->VertScrollBar()->IsScrollBarVisible());

  distant->SetLeft(400);  // now wider too
  EXPECT_TRUE(HasStyle(WS_HSCROLL));
  EXPECT_EQ(box->HorzScrollBar()->Range(), 475);
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE};
  GetScrollInfo(box->WindowHandle(), SB_HORZ, &info);
  EXPECT_EQ(info.nMax, 474);
  EXPECT_EQ(static_cast<int>(info.nPage), box->ClientWidth());

  distant->SetBounds(20, 20, 75, 25);  // back inside: the bars go
  EXPECT_FALSE(HasStyle(WS_HSCROLL));
  EXPECT_FALSE(HasStyle(WS_VSCROLL));

  // Without AutoScroll only the given ranges count.
  distant->SetTop(500);
  box->SetAutoScroll(false);
  box->VertScrollBar()->SetRange(100);
  EXPECT_FALSE(HasStyle(WS_VSCROLL));
  EXPECT_TRUE(SetPropertyFromText(box, "VertScrollBar.Range", L"900"));
  EXPECT_TRUE(HasStyle(WS_VSCROLL));
  box->VertScrollBar()->SetVisible(false);
  EXPECT_FALSE(HasStyle(WS_VSCROLL));
}

TEST_F(ScrollBoxTest, ScrollingMovesTheChildren) {
  auto* close = FindIn<TButton>(*form, L"Near");
  auto* distant = new TButton(form.get());
  distant->SetBounds(10, 400, 75, 25);
  distant->SetParent(box);
  const int page = box->ClientHeight();

  SendMessageW(box->WindowHandle(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(box->VertScrollBar()->Position(), 8);
  EXPECT_EQ(close->Top(), 2);
  EXPECT_EQ(WindowBoundsInBox(close).top, 2);  // the window moved as well
  SendMessageW(box->WindowHandle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(box->VertScrollBar()->Position(), 8 + page);
  SendMessageW(box->WindowHandle(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(box->VertScrollBar()->Position(), 425 - page);
  EXPECT_EQ(distant->Top() + distant->Height(), page);  // the last child ends at the bottom
  EXPECT_EQ(GetScrollPos(box->WindowHandle(), SB_VERT), 425 - page);
  // The range stays that of the children, wherever they are scrolled to.
  EXPECT_EQ(box->VertScrollBar()->Range(), 425);

  box->VertScrollBar()->SetPosition(-50);  // clamped
  EXPECT_EQ(close->Top(), 10);
  box->ScrollInView(distant);
  EXPECT_EQ(distant->Top() + distant->Height(), page);
  box->ScrollInView(close);
  EXPECT_EQ(close->Top(), 0);

  // The child that went away gives its room back.
  delete distant;
  EXPECT_EQ(box->VertScrollBar()->Position(), 0);
  EXPECT_FALSE(HasStyle(WS_VSCROLL));
}

// A frame class of the program reading its own layout.
class TTestFrame : public TFrame {
 public:
  explicit TTestFrame(TComponent* owner) : TFrame(owner) {
    InitializeFromText(R"(object PartFrame: TTestFrame
  Width = 180
  Height = 60
  object Inside: TButton
    Left = 8
    Top = 8
    Caption = 'inside'
  end
end
)");
  }
  static const ClassInfo& StaticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TTestFrame>("TTestFrame", &TFrame::StaticClassInfo()).Creatable().Build();
    return info;
  }
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }
};

TEST(FrameTest, FrameBringsItsOwnComponentsIntoAForm) {
  ClassRegistry::Register(TTestFrame::StaticClassInfo());
  auto form = MakeForm(R"(object F: TTestForm
  object First: TTestFrame
    Left = 10
  end
  object Second: TTestFrame
    Top = 100
  end
  object Plain: TFrame
    Top = 200
    object Own: TButton
    end
  end
end
)");
  form->Show();
  Pump();
  auto* first = FindIn<TTestFrame>(*form, L"First");
  auto* second = FindIn<TTestFrame>(*form, L"Second");
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(first->ClassType().InheritsFrom(TScrollingWinControl::StaticClassInfo()));
  // The frame's layout sized it; the form's layout placed it.
  EXPECT_EQ(first->Width(), 180);
  EXPECT_EQ(first->Left(), 10);
  EXPECT_EQ(second->Top(), 100);
  // Each frame owns its own copy of its components.
  auto* inside = FindIn<TButton>(*first, L"Inside");
  ASSERT_NE(inside, nullptr);
  EXPECT_NE(FindIn<TButton>(*second, L"Inside"), inside);
  EXPECT_EQ(inside->Parent(), first);
  EXPECT_EQ(GetParent(inside->WindowHandle()), first->WindowHandle());
  wchar_t name[32]{};
  GetClassNameW(first->WindowHandle(), name, 32);
  EXPECT_STREQ(name, L"TTestFrame");
  // A plain frame holds the form's components.
  auto* plain = FindIn<TFrame>(*form, L"Plain");
  EXPECT_EQ(FindIn<TButton>(*form, L"Own")->Parent(), plain);
  GetClassNameW(plain->WindowHandle(), name, 32);
  EXPECT_STREQ(name, L"TFrame");
}

}  // namespace
}  // namespace lanvero::framework::testing
