// Reading course scripts and the program's options: what a script author
// writes, and the errors that name the line.
#include <gtest/gtest.h>

#include "shell/CourseScript.h"
#include "shell/ProgramOptions.h"

namespace {

TEST(CourseScript, ReadsEveryCommandWithItsArguments) {
  const TCourseScript S = ParseCourseScript(
      "# a comment line\n"
      "goto 120\r\n"
      "\n"
      "answer #2 7 - 0,2·t   # the rest of the line, inner blanks kept\n"
      "answer Edit1 \" 255\"\n"
      "click XPolygon2\n"
      "check\n"
      "tick Timer1 18\n"
      "tick Timer2\n"
      "key Return\n"
      "seed 7\n"
      "expect line-error -2\n"
      "expect error \"Das stimmt # noch nicht\"\n"
      "expect caption Label4 \"14.6.2000\"\n"
      "expect hidden Panel2\n"
      "screenshot shots/120.png\n");
  ASSERT_TRUE(S.Errors.empty()) << S.Errors.front().Line << ": " << S.Errors.front().Reason;
  ASSERT_EQ(S.Commands.size(), 14u);
  EXPECT_EQ(S.Commands[0].Verb, TScriptVerb::Goto);
  EXPECT_EQ(S.Commands[0].Number, 120);
  EXPECT_EQ(S.Commands[0].Line, 2);
  EXPECT_EQ(S.Commands[1].Ref, "#2");
  EXPECT_EQ(S.Commands[1].Value, "7 - 0,2·t");
  EXPECT_EQ(AnswerIndexOf(S.Commands[1].Ref), 2);
  EXPECT_EQ(S.Commands[2].Value, " 255");
  EXPECT_EQ(S.Commands[5].Number, 18);
  EXPECT_EQ(S.Commands[6].Number, 1);
  EXPECT_EQ(S.Commands[7].Ref, "Return");
  EXPECT_EQ(S.Commands[9].Expect, TExpectKind::LineError);
  EXPECT_EQ(S.Commands[9].Number, -2);
  EXPECT_EQ(S.Commands[10].Value, "Das stimmt # noch nicht");
  EXPECT_EQ(S.Commands[11].Ref, "Label4");
  EXPECT_EQ(S.Commands[11].Value, "14.6.2000");
  EXPECT_EQ(S.Commands[12].Expect, TExpectKind::Hidden);
  EXPECT_EQ(S.Commands[13].Ref, "shots/120.png");
}

TEST(CourseScript, EveryBadLineIsReportedWithItsNumber) {
  const TCourseScript S = ParseCourseScript(
      "goto 120\n"
      "chek\n"
      "goto zehn\n"
      "expect praised\n"
      "expect error Fehler\n"
      "expect error \"offen\n"
      "tick Timer1 -3\n"
      "check now\n"
      "answer\n"
      "expect line-error\n");
  ASSERT_EQ(S.Errors.size(), 9u);
  EXPECT_EQ(S.Errors[0].Line, 2);
  EXPECT_EQ(S.Errors[0].Reason, "unknown command 'chek'");
  EXPECT_EQ(S.Errors[1].Reason, "bad page number 'zehn'");
  EXPECT_EQ(S.Errors[2].Reason, "unknown expectation 'praised'");
  EXPECT_EQ(S.Errors[3].Line, 5);
  EXPECT_EQ(S.Errors[8].Line, 10);
  EXPECT_EQ(S.Commands.size(), 1u);
}

// "#k" names a control only where a command names one; anywhere else a
// "#" at the start of a word begins a comment, so a note such as "#3 next"
// never becomes part of an answer.
TEST(CourseScript, CommentsEndWhereNoControlCanBeNamed) {
  struct Case {
    const char* Line;
    const char* Ref;
    const char* Value;
    long long Number;
  } Cases[] = {
      {"answer #3 xy    # the third piece", "#3", "xy", 0},
      {"answer #2 7 #3 comes next", "#2", "7", 0},
      {"click #1 #2", "#1", "", 0},
      {"tick #4 3 # seconds", "#4", "", 3},
      {"expect visible #3  # still shown", "#3", "", 0},
      {"expect caption #2 \"a # b\" # quoted", "#2", "a # b", 0},
      {"expect page 910 #3", "", "", 910},
      {"goto 120 #7 is next", "", "", 120},
      {"expect property XShape10 Brush.Color 65535 # yellow", "XShape10", "65535", 0},
  };
  for (const Case& C : Cases) {
    const TCourseScript S = ParseCourseScript(C.Line);
    ASSERT_TRUE(S.Errors.empty()) << C.Line << ": " << S.Errors.front().Reason;
    ASSERT_EQ(S.Commands.size(), 1u) << C.Line;
    EXPECT_EQ(S.Commands[0].Ref, C.Ref) << C.Line;
    EXPECT_EQ(S.Commands[0].Value, C.Value) << C.Line;
    EXPECT_EQ(S.Commands[0].Number, C.Number) << C.Line;
  }
  const TCourseScript Dated = ParseCourseScript("expect caption lbDatum today\nexpect property XShape10 Brush.Color\n");
  ASSERT_EQ(Dated.Commands.size(), 1u);
  EXPECT_TRUE(Dated.Commands[0].Today);
  EXPECT_EQ(Dated.Commands[0].Expect, TExpectKind::Caption);
  ASSERT_EQ(Dated.Errors.size(), 1u);
  EXPECT_EQ(Dated.Errors[0].Reason, "the value is missing");
}

TEST(CourseScript, RefusesOverlongLinesAndOddReferences) {
  const TCourseScript S = ParseCourseScript(std::string(MaxScriptLine + 1, 'x') + "\ncheck\n");
  ASSERT_EQ(S.Errors.size(), 1u);
  EXPECT_EQ(S.Errors[0].Reason, "line too long");
  EXPECT_EQ(S.Commands.size(), 1u);
  EXPECT_EQ(AnswerIndexOf("#0"), 0);
  EXPECT_EQ(AnswerIndexOf("#x"), 0);
  EXPECT_EQ(AnswerIndexOf("MMTerm3"), 0);
}

TEST(ProgramOptions, KnownOptionsCourseSwitchesAndUnknownOnes) {
  using O = TProgramOptions;
  EXPECT_EQ(ParseProgramOptions({}).Action, O::Run);
  EXPECT_EQ(ParseProgramOptions({"/Llp.txt"}).Action, O::Run);
  EXPECT_EQ(ParseProgramOptions({"--help", "--bogus"}).Action, O::Help);
  EXPECT_EQ(ParseProgramOptions({"--version"}).Action, O::Version);
  const O Play = ParseProgramOptions({"/Xlp.txt", "--play", "tests/course/120.play"});
  EXPECT_EQ(Play.Action, O::Play);
  EXPECT_EQ(Play.Script, "tests/course/120.play");
  const O Check = ParseProgramOptions({"--check-forms", "a.frm", "b.frm"});
  EXPECT_EQ(Check.Action, O::CheckForms);
  EXPECT_EQ(Check.Files, (std::vector<std::string>{"a.frm", "b.frm"}));
  const O Layout = ParseProgramOptions({"--check-layout", "220", "1010"});
  EXPECT_EQ(Layout.Action, O::CheckLayout);
  EXPECT_EQ(Layout.Pages, (std::vector<int>{220, 1010}));
  EXPECT_EQ(ParseProgramOptions({"--check-layout", "2x0"}).Action, O::Unknown);
  EXPECT_EQ(ParseProgramOptions({"--screenshot", "x.png"}).Screenshot, "x.png");
  const O Bad = ParseProgramOptions({"--plya", "x"});
  EXPECT_EQ(Bad.Action, O::Unknown);
  EXPECT_EQ(Bad.Problem, "unbekannte Option --plya");
  EXPECT_EQ(ParseProgramOptions({"--play"}).Action, O::Unknown);
  EXPECT_NE(ProgramUsage().find("--play"), std::string::npos);
}

}  // namespace
