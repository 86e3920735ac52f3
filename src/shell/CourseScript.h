#pragma once
// Course scripts: a pupil's session as text, one command per line, played
// by the program (velotra --play FILE). "#" at the start of a word begins
// a comment, except for the "#k" that names a control; blank lines are
// skipped.
//
//   goto 120
//   answer UpDown1 18          # number field, combo item, term or text
//   answer #2 7 - 0,2·t        # the second control of the page's answer list
//   answer #3 " 255"           # quotes keep leading and trailing blanks
//   click XPolygon2
//   check
//   expect line-error 2
//   tick Timer1 18
//   key Return
//   seed 7
//   expect page 120 / visible X / hidden X / enabled X / disabled X
//   expect caption Label4 "Text"
//   expect caption lbDatum today   # today's date as the pages write it
//   expect property XShape10 Brush.Color 65535   # a design property
//   expect praise / still-wrong / field-error N / error "T" / info "T" /
//          message "T" / none
//   expect tip "Für x = 1 ergibt dein Term 3, richtig wäre 2." / tip none
//   screenshot page120.png        # relative to where the script runs
//
// Every message an action brings (goto, answer, click, check, tick, key)
// must be looked at by a message expectation before the next action; one
// expectation covers exactly one message. A goto whose page does not come
// fails, and a script without any expect line is broken.
//
// This part only reads the text; playing it needs the program.
#include <string>
#include <string_view>
#include <vector>

enum class TScriptVerb { Goto, Answer, Click, Check, Tick, Key, Seed, Expect, Screenshot };

enum class TExpectKind {
  Praise,
  StillWrong,
  LineError,
  FieldError,
  Error,
  Info,
  Message,
  None,
  Page,
  Visible,
  Hidden,
  Enabled,
  Disabled,
  Caption,
  Property,
  Tip,  // the tip line under the message; Value empty for "tip none"
};

struct TScriptCommand {
  int Line = 0;          // 1-based line in the file
  std::string Source;    // the line without comment and outer blanks
  TScriptVerb Verb = TScriptVerb::Check;
  TExpectKind Expect = TExpectKind::None;  // for Expect
  std::string Ref;       // component name or "#k"; timer name; key; file
  std::string Value;     // answer value; expected text
  long long Number = 0;  // page, seed, tick count, line or field number
  bool Today = false;    // expect caption X today
  std::string Property;  // expect property X Brush.Color 65535
};

struct TScriptError {
  int Line = 0;
  std::string Reason;
};

struct TCourseScript {
  std::vector<TScriptCommand> Commands;
  std::vector<TScriptError> Errors;  // empty when the whole text was read
};

// Reads a script. Never throws; every line that is not a command gives an
// error with its line number. Lines longer than MaxScriptLine are refused.
TCourseScript ParseCourseScript(std::string_view Text);

inline constexpr std::size_t MaxScriptLine = 4096;

// Whether a message expectation (praise ... none) or a state one.
bool IsMessageExpectation(TExpectKind Kind);
// "#3" -> 3; 0 for anything else.
int AnswerIndexOf(const std::string& Ref);
