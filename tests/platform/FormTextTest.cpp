#include <gtest/gtest.h>

#include <string>

#include "platform/FormText.h"

namespace {

TFormValue ParseOneValue(const std::string& ValueText) {
  TFormParseResult R = ParseFormText("object A: TA\n  P = " + ValueText + "\nend\n");
  EXPECT_TRUE(R.Ok) << ValueText << ": line " << R.ErrorLine << ": " << R.Error;
  if (!R.Ok || R.Root.Properties.empty()) return {};
  return R.Root.Properties[0].Value;
}

TEST(FormText, ReadsNumbers) {
  struct {
    const char* Text;
    std::int64_t Value;
  } Ints[] = {{"0", 0},       {"42", 42},   {"-13", -13},   {"$FF", 255},
              {"-$10", -16},  {"$7FFFFFFFFFFFFFFF", INT64_MAX}, {"-9223372036854775808", INT64_MIN}};
  for (const auto& C : Ints) {
    TFormValue V = ParseOneValue(C.Text);
    EXPECT_EQ(V.Kind, TFormValueKind::Integer) << C.Text;
    EXPECT_EQ(V.Integer, C.Value) << C.Text;
  }
  struct {
    const char* Text;
    double Value;
  } Floats[] = {{"1.5", 1.5}, {"-0.25", -0.25}, {"2E3", 2000}, {"1.5E-2", 0.015}, {"3.0e+1", 30}};
  for (const auto& C : Floats) {
    TFormValue V = ParseOneValue(C.Text);
    EXPECT_EQ(V.Kind, TFormValueKind::Float) << C.Text;
    EXPECT_DOUBLE_EQ(V.Float, C.Value) << C.Text;
  }
}

TEST(FormText, ReadsStrings) {
  struct {
    const char* Text;
    std::string Value;
  } Cases[] = {
      {"'it''s'", "it's"},
      {"''", ""},
      {"'a'#13#10'b'", "a\r\nb"},
      {"#65#66", "AB"},
      {"#$41", "A"},
      {"'Gr'#246'\xC3\x9F" "e'", "Gr\xC3\xB6\xC3\x9F" "e"},  // #246 is o-umlaut, written as UTF-8
      {"#8364", "\xE2\x82\xAC"},
      {"#55357#56832", "\xF0\x9F\x98\x80"},  // a pair of UTF-16 halves
      {"'first ' +\n    'second'", "first second"},
      {"'x' + #9 + 'y'", "x\ty"},
  };
  for (const auto& C : Cases) {
    TFormValue V = ParseOneValue(C.Text);
    EXPECT_EQ(V.Kind, TFormValueKind::String) << C.Text;
    EXPECT_EQ(V.Text, C.Value) << C.Text;
  }
}

TEST(FormText, ReadsStructuredValues) {
  TFormValue Ident = ParseOneValue("alClient");
  EXPECT_EQ(Ident.Kind, TFormValueKind::Identifier);
  EXPECT_EQ(Ident.Text, "alClient");

  TFormValue Set = ParseOneValue("[fsBold, fsItalic]");
  ASSERT_EQ(Set.Kind, TFormValueKind::Set);
  EXPECT_EQ(Set.Names, (std::vector<std::string>{"fsBold", "fsItalic"}));
  EXPECT_TRUE(ParseOneValue("[]").Names.empty());

  TFormValue List = ParseOneValue("(\n 'a'\n 'b' 3)");
  ASSERT_EQ(List.Kind, TFormValueKind::List);
  ASSERT_EQ(List.Elements.size(), 3u);
  EXPECT_EQ(List.Elements[1].Text, "b");
  EXPECT_EQ(List.Elements[2].Integer, 3);

  TFormValue Bin = ParseOneValue("{\n  0300 ff\n  0A}");
  ASSERT_EQ(Bin.Kind, TFormValueKind::Binary);
  EXPECT_EQ(Bin.Text, std::string("\x03\x00\xFF\x0A", 4));

  TFormValue Coll = ParseOneValue("<\n item\n X = 1\n Y = 2\n end\n item\n end>");
  ASSERT_EQ(Coll.Kind, TFormValueKind::Collection);
  ASSERT_EQ(Coll.Items.size(), 2u);
  ASSERT_EQ(Coll.Items[0].Properties.size(), 2u);
  EXPECT_EQ(Coll.Items[0].Properties[1].Name, "Y");
  EXPECT_EQ(Coll.Items[0].Properties[1].Line, 5);
  EXPECT_TRUE(Coll.Items[1].Properties.empty());
}

TEST(FormText, ReadsNestingInOrderWithLines) {
  const char* Text =
      "\xEF\xBB\xBF"
      "inherited fmB: TfmB\n"
      "  Font.Height = -13 // the page font\n"
      "  object P1: TPanel\n"
      "    object L1: TLabel\n"
      "    end\n"
      "  end\n"
      "  INHERITED P2: TPanel\n"
      "  END\n"
      "  object TTimer\n"
      "  end\n"
      "end\n";
  TFormParseResult R = ParseFormText(Text);
  ASSERT_TRUE(R.Ok) << R.ErrorLine << ": " << R.Error;
  EXPECT_EQ(R.Root.Kind, TFormObjectKind::Inherited);
  EXPECT_EQ(R.Root.Name, "fmB");
  ASSERT_EQ(R.Root.Properties.size(), 1u);
  EXPECT_EQ(R.Root.Properties[0].Name, "Font.Height");
  ASSERT_EQ(R.Root.Children.size(), 3u);
  EXPECT_EQ(R.Root.Children[0].Children[0].Name, "L1");
  EXPECT_EQ(R.Root.Children[0].Children[0].Line, 4);
  EXPECT_EQ(R.Root.Children[1].Kind, TFormObjectKind::Inherited);
  EXPECT_EQ(R.Root.Children[2].Name, "");
  EXPECT_EQ(R.Root.Children[2].ClassName, "TTimer");
}

TEST(FormText, ReportsErrorsWithLines) {
  struct {
    const char* Text;
    int Line;
    const char* Message;
  } Cases[] = {
      {"", 1, "'object' expected"},
      {"object A: TA\n", 2, "'end' expected"},
      {"object A: TA\n  X 1\nend", 2, "'=' expected"},
      {"object A: TA\n  X = \nend", 3, "a value expected"},
      {"object A: TA\n  X = 'abc\nend", 2, "unterminated string"},
      {"object A: TA\n\n  X = { 0 }\nend", 3, "odd number"},
      {"object A: TA\n  X = { 0G }\nend", 2, "not a hex digit"},
      {"object A: TA\n  X = {\n 00\n", 2, "unterminated binary"},
      {"object A: TA\n  X = 99999999999999999999\nend", 2, "out of range"},
      {"object A: TA\n  X = 1E999\nend", 2, "out of range"},
      {"object A: TA\n  X = 12ab\nend", 2, "malformed number"},
      {"object A: TA\n  X = #1114112\nend", 2, "character code out of range"},
      {"object A: TA\n  X = #55357\nend", 2, "pair is incomplete"},
      {"object A: TA\n  X = [a b]\nend", 2, "between set elements"},
      {"object A: TA\n  X = <\n  thing end>\nend", 3, "'item' expected"},
      {"object A: TA\n  X = 'a' +\nend", 3, "a string expected after '+'"},
      {"object A: TA\n  object B: TB\n  end\n  X = 1\nend", 4, "follows a nested object"},
      {"object A: TA\nend\nobject", 3, "text after the final"},
      {"object A.B: TA\nend", 1, "must not contain '.'"},
      {"object A: TA\n  X = ?\nend", 2, "unexpected character '?'"},
      {"object A: TA\n  X = ( < > )\nend", 2, "cannot stand in a list"},
  };
  for (const auto& C : Cases) {
    TFormParseResult R = ParseFormText(C.Text);
    EXPECT_FALSE(R.Ok) << C.Text;
    EXPECT_EQ(R.ErrorLine, C.Line) << C.Text << " -> " << R.Error;
    EXPECT_NE(R.Error.find(C.Message), std::string::npos) << C.Text << " -> " << R.Error;
  }
}

TEST(FormText, LimitsStopHostileInput) {
  std::string Deep;
  for (int I = 0; I < 200; ++I) Deep += "object A: TA\n";
  TFormParseResult R = ParseFormText(Deep);
  EXPECT_FALSE(R.Ok);
  EXPECT_NE(R.Error.find("nested too deeply"), std::string::npos);

  std::string Lists = "object A: TA\n X = " + std::string(500, '(') + "\nend";
  EXPECT_NE(ParseFormText(Lists).Error.find("nested too deeply"), std::string::npos);

  TFormTextLimits Small;
  Small.MaxString = 8;
  Small.MaxBinary = 2;
  EXPECT_NE(ParseFormText("object A: TA\n X = '123456789'\nend", Small).Error.find("too long"), std::string::npos);
  EXPECT_NE(ParseFormText("object A: TA\n X = '12345' + '6789'\nend", Small).Error.find("too long"),
            std::string::npos);
  EXPECT_NE(ParseFormText("object A: TA\n X = {010203}\nend", Small).Error.find("too long"), std::string::npos);
  Small.MaxNodes = 5;
  EXPECT_NE(ParseFormText("object A: TA\n X = (1 2 3 4 5 6)\nend", Small).Error.find("too many"), std::string::npos);
}

TEST(FormText, FormatReadsBackTheSameTree) {
  const char* Text =
      "object fmA: TfmA\n"
      "  Caption = 'It''s a '#13#10'test'#0'\xE2\x82\xAC'\n"
      "  Big = -9223372036854775808\n"
      "  F1 = 0.1\n"
      "  F2 = 1E300\n"
      "  F3 = 100\n"
      "  F4 = 5.0\n"
      "  Style = [fsBold, fsItalic]\n"
      "  Empty = []\n"
      "  Items.Strings = ('a' 'b' ('c') [x])\n"
      "  NoItems = ()\n"
      "  Data = {00FF10}\n"
      "  NoData = {}\n"
      "  Points = <item X = 1 Inner = <item end> end item end>\n"
      "  NoPoints = <>\n"
      "  object TPanel\n"
      "    object L: TLabel\n"
      "      Caption = ''\n"
      "    end\n"
      "  end\n"
      "end\n";
  TFormParseResult First = ParseFormText(Text);
  ASSERT_TRUE(First.Ok) << First.ErrorLine << ": " << First.Error;
  std::string Written = FormatFormText(First.Root);
  TFormParseResult Second = ParseFormText(Written);
  ASSERT_TRUE(Second.Ok) << Written << "\n" << Second.ErrorLine << ": " << Second.Error;
  EXPECT_EQ(FormatFormText(Second.Root), Written);
  EXPECT_EQ(Second.Root.Properties[0].Value.Text, std::string("It's a \r\ntest\0\xE2\x82\xAC", 17));
  EXPECT_EQ(Second.Root.Properties[2].Value.Float, 0.1);
  EXPECT_EQ(Second.Root.Properties[4].Value.Kind, TFormValueKind::Integer);
  EXPECT_EQ(Second.Root.Properties[5].Value.Kind, TFormValueKind::Float);
  EXPECT_NE(Written.find("  Caption = 'It''s a '#13#10'test'#0'\xE2\x82\xAC'\n"), std::string::npos) << Written;
}

TEST(FormText, LongValuesAreWrappedAndStillRead) {
  TFormObject Root;
  Root.Name = "fmA";
  Root.ClassName = "TfmA";
  TFormProperty Long;
  Long.Name = "Text";
  Long.Value.Kind = TFormValueKind::String;
  for (int I = 0; I < 100; ++I) Long.Value.Text += "\xC3\xA4" "bc";  // a-umlaut never cut in half
  TFormProperty Bin;
  Bin.Name = "Data";
  Bin.Value.Kind = TFormValueKind::Binary;
  Bin.Value.Text = std::string(100, '\x5A');
  Root.Properties = {Long, Bin};
  std::string Written = FormatFormText(Root);
  for (std::size_t Start = 0, End; Start < Written.size(); Start = End + 1) {
    End = Written.find('\n', Start);
    EXPECT_LE(End - Start, 90u) << "line too long in\n" << Written;
  }
  TFormParseResult Back = ParseFormText(Written);
  ASSERT_TRUE(Back.Ok) << Back.Error;
  EXPECT_EQ(Back.Root.Properties[0].Value.Text, Long.Value.Text);
  EXPECT_EQ(Back.Root.Properties[1].Value.Text, Bin.Value.Text);
}

}  // namespace
