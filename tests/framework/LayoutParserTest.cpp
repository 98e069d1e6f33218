#include <gtest/gtest.h>

#include "framework/layout/LayoutError.h"
#include "framework/layout/LayoutParser.h"
#include "framework/layout/LayoutWriter.h"

namespace lanvero::framework {
namespace {

constexpr char kSample[] = R"(object Form1: TForm1
  Left = 287
  Top = -5
  Width = $1F
  Ratio = 1.5
  Caption = 'It''s '#23435#20307'!'
  Hint = 'first ' +
    'second'
  Color = clBtnFace
  Options = [xoPreview, xoToolbarBK]
  Empty = []
  Lines.Strings = (
    '1.3'
    'two')
  Picture.Data = {
    0A54 4A50
    4547}
  Panels = <
    item
      Width = 300
    end
    item
      Text = 'x'
    end>
  OnClick = Button_CopyClick
  DataSource = DataSource1
  object Button1: TButton
    Caption = ''
  end
  object TPanel
  end
end
)";

TEST(LayoutParser, ReadsEveryKindOfValue) {
  const LayoutObject root = ParseLayout(kSample);
  EXPECT_EQ(root.name, "Form1");
  EXPECT_EQ(root.className, "TForm1");
  ASSERT_EQ(root.properties.size(), 14u);
  const auto& p = root.properties;
  EXPECT_EQ(p[0].value.integer, 287);
  EXPECT_EQ(p[1].value.integer, -5);
  EXPECT_EQ(p[2].value.integer, 31);
  EXPECT_EQ(p[3].value.kind, LayoutValue::Kind::Float);
  EXPECT_DOUBLE_EQ(p[3].value.real, 1.5);
  EXPECT_EQ(p[4].value.text, std::wstring(L"It's \u5B8B\u4F53!"));
  EXPECT_EQ(p[5].value.text, L"first second");
  EXPECT_EQ(p[6].value.identifier, "clBtnFace");
  EXPECT_EQ(p[7].value.elements, (std::vector<std::string>{"xoPreview", "xoToolbarBK"}));
  EXPECT_TRUE(p[8].value.elements.empty());
  EXPECT_EQ(p[9].name, "Lines.Strings");
  ASSERT_EQ(p[9].value.list.size(), 2u);
  EXPECT_EQ(p[9].value.list[1].text, L"two");
  EXPECT_EQ(p[10].value.bytes, (std::vector<uint8_t>{0x0A, 0x54, 0x4A, 0x50, 0x45, 0x47}));
  ASSERT_EQ(p[11].value.items.size(), 2u);
  EXPECT_EQ(p[11].value.items[0][0].name, "Width");
  EXPECT_EQ(p[11].value.items[1][0].value.text, L"x");
  EXPECT_EQ(p[12].value.identifier, "Button_CopyClick");
  EXPECT_EQ(p[12].line, 25);
  ASSERT_EQ(root.children.size(), 2u);
  EXPECT_EQ(root.children[0].name, "Button1");
  EXPECT_EQ(root.children[0].properties[0].value.text, L"");
  EXPECT_EQ(root.children[1].name, "");
  EXPECT_EQ(root.children[1].className, "TPanel");
}

TEST(LayoutParser, WrittenTextReadsBackToTheSameTree) {
  const LayoutObject root = ParseLayout(kSample);
  const std::string text = WriteLayout(root);
  EXPECT_EQ(ParseLayout(text), root);
  EXPECT_EQ(QuoteLayoutString(L"a'b\u5B8B\n"), "'a''b'#23435#10");
  EXPECT_EQ(text.find('\x80'), std::string::npos);
}

int ErrorLine(const char* text) {
  try {
    ParseLayout(text);
  } catch (const LayoutError& error) {
    return error.Line();
  }
  return -1;
}

// Every 64-bit integer the text can hold, hexadecimal or decimal, is written
// back as text that reads to the same value.
TEST(LayoutParser, ExtremeIntegersReadBackFromTheirWrittenText) {
  for (const char* number : {"$1FBBBBBBBBBBBBB0", "9223372036854775807", "-9223372036854775808", "-$8000000000000000",
                             "$FFFFFFFFFFFFFFFF", "-0009223372036854775807"}) {
    SCOPED_TRACE(number);
    const LayoutObject root = ParseLayout(std::string("object A: TA\n  X = ") + number + "\nend");
    EXPECT_EQ(ParseLayout(WriteLayout(root)), root);
  }
  EXPECT_EQ(ErrorLine("object A: TA\n  X = 9223372036854775808\nend"), 2) << "2^63 only after a minus sign";
  EXPECT_EQ(ErrorLine("object A: TA\n  X = -9223372036854775809\nend"), 2);
}

TEST(LayoutParser, FaultsNameTheirLine) {
  EXPECT_EQ(ErrorLine("object A: TA\n  X = 'open\nend"), 2);
  EXPECT_EQ(ErrorLine("object A: TA\n\n  X = 'caf\xC3\xA9'\nend"), 3);  // raw non-ASCII in a string
  EXPECT_EQ(ErrorLine("object A: TA\n  X = {0A1}\nend"), 2);
  EXPECT_EQ(ErrorLine("object A: TA\n  X = {0G}\nend"), 2);
  EXPECT_EQ(ErrorLine("object A: TA\n  X = #70000\nend"), 2);
  EXPECT_EQ(ErrorLine("object A: TA\n  X = 1\n"), 3);  // missing end
  EXPECT_EQ(ErrorLine("object A: TA\nend\nobject B: TB\nend"), 3);
  EXPECT_EQ(ErrorLine("object A: TA\n  X = [a b]\nend"), 2);
  EXPECT_EQ(ErrorLine("object A: TA\n  X = <x>\nend"), 2);
  EXPECT_EQ(ErrorLine("object A: TA\n  X = 1e999\nend"), 2);
  EXPECT_EQ(ErrorLine("object A: TA\n  X = 99999999999999999999\nend"), 2);
  EXPECT_EQ(ErrorLine("thing A: TA\nend"), 1);
  EXPECT_EQ(ErrorLine(""), 1);
}

TEST(LayoutParser, RefusesNestingBeyondTheLimit) {
  std::string deep;
  for (int i = 0; i < kMaxLayoutDepth + 1; ++i) deep += "object A: TA\n";
  for (int i = 0; i < kMaxLayoutDepth + 1; ++i) deep += "end\n";
  EXPECT_THROW(ParseLayout(deep), LayoutError);
  std::string lists = "object A: TA\n X = ";
  for (int i = 0; i < 200; ++i) lists += "(";
  EXPECT_THROW(ParseLayout(lists), LayoutError);
}

}  // namespace
}  // namespace lanvero::framework
