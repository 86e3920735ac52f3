#include "shell/CourseScript.h"

#include <charconv>
#include <utility>

namespace {

bool IsBlank(char C) { return C == ' ' || C == '\t' || C == '\r'; }

std::string_view Trim(std::string_view S) {
  while (!S.empty() && IsBlank(S.front())) S.remove_prefix(1);
  while (!S.empty() && IsBlank(S.back())) S.remove_suffix(1);
  return S;
}

// The first word of S, and S after it (blanks before it removed).
std::pair<std::string_view, std::string_view> SplitWord(std::string_view S) {
  S = Trim(S);
  std::size_t End = 0;
  while (End < S.size() && !IsBlank(S[End])) ++End;
  return {S.substr(0, End), Trim(S.substr(End))};
}

bool ReadNumber(std::string_view S, long long& Number) {
  if (S.empty()) return false;
  const char* Last = S.data() + S.size();
  const auto [Ptr, Ec] = std::from_chars(S.data(), Last, Number);
  return Ec == std::errc() && Ptr == Last;
}

// A value: the rest of the line; in double quotes when it starts with one
// (the quotes keep leading and trailing blanks). False for an unclosed quote
// or text after the closing one.
bool ReadValue(std::string_view S, std::string& Value) {
  S = Trim(S);
  if (!S.empty() && S.front() == '"') {
    const std::size_t Close = S.rfind('"');
    if (Close == 0 || !Trim(S.substr(Close + 1)).empty()) return false;
    Value.assign(S.substr(1, Close - 1));
    return true;
  }
  Value.assign(S);
  return true;
}

// Which word of a line may name an answer control as "#k": the one after
// answer, click or tick, and the one after "expect visible" and its kin;
// -1 when no word may.
int ReferenceWord(std::string_view Line) {
  const auto [Verb, Rest] = SplitWord(Line);
  if (Verb == "answer" || Verb == "click" || Verb == "tick") return 1;
  if (Verb != "expect") return -1;
  const std::string_view Kind = SplitWord(Rest).first;
  for (std::string_view K : {"visible", "hidden", "enabled", "disabled", "caption", "property"})
    if (Kind == K) return 2;
  return -1;
}

// A line without its comment: "#" at the start of a word starts one unless
// it stands inside double quotes or is the reference ("#3") of a command
// that names a control.
std::string_view StripComment(std::string_view Line) {
  const int Reference = ReferenceWord(Line);
  bool Quoted = false;
  int Word = -1;
  for (std::size_t I = 0; I < Line.size(); ++I) {
    const char C = Line[I];
    const bool StartsWord = !IsBlank(C) && (I == 0 || IsBlank(Line[I - 1]));
    if (StartsWord && !Quoted) ++Word;
    if (C == '#' && StartsWord && !Quoted) {
      const bool Digit = I + 1 < Line.size() && Line[I + 1] >= '0' && Line[I + 1] <= '9';
      if (!(Word == Reference && Digit)) return Line.substr(0, I);
    }
    if (C == '"') Quoted = !Quoted;
  }
  return Line;
}

struct TExpectWord {
  std::string_view Word;
  TExpectKind Kind;
  enum { Nothing, Number, Text, TextOrNone, Ref, RefText, RefProperty } Argument;
};

constexpr TExpectWord ExpectWords[] = {
    {"praise", TExpectKind::Praise, TExpectWord::Nothing},
    {"still-wrong", TExpectKind::StillWrong, TExpectWord::Nothing},
    {"line-error", TExpectKind::LineError, TExpectWord::Number},
    {"field-error", TExpectKind::FieldError, TExpectWord::Number},
    {"error", TExpectKind::Error, TExpectWord::Text},
    {"info", TExpectKind::Info, TExpectWord::Text},
    {"message", TExpectKind::Message, TExpectWord::Text},
    {"none", TExpectKind::None, TExpectWord::Nothing},
    {"page", TExpectKind::Page, TExpectWord::Number},
    {"visible", TExpectKind::Visible, TExpectWord::Ref},
    {"hidden", TExpectKind::Hidden, TExpectWord::Ref},
    {"enabled", TExpectKind::Enabled, TExpectWord::Ref},
    {"disabled", TExpectKind::Disabled, TExpectWord::Ref},
    {"caption", TExpectKind::Caption, TExpectWord::RefText},
    {"property", TExpectKind::Property, TExpectWord::RefProperty},
    {"tip", TExpectKind::Tip, TExpectWord::TextOrNone},
};

// Reads "expect ..."; an empty string on success, else the reason.
std::string ReadExpect(std::string_view Rest, TScriptCommand& Command) {
  const auto [Word, Argument] = SplitWord(Rest);
  for (const TExpectWord& E : ExpectWords) {
    if (E.Word != Word) continue;
    Command.Expect = E.Kind;
    switch (E.Argument) {
      case TExpectWord::Nothing:
        return Argument.empty() ? "" : "unexpected text after 'expect " + std::string(Word) + "'";
      case TExpectWord::Number:
        return ReadNumber(Argument, Command.Number) ? "" : "bad number '" + std::string(Argument) + "'";
      case TExpectWord::TextOrNone:
        if (Argument == "none") return "";
        [[fallthrough]];
      case TExpectWord::Text:
        if (Argument.empty() || Argument.front() != '"') return "the text must be in double quotes";
        return ReadValue(Argument, Command.Value) ? "" : "unclosed or misplaced double quote";
      case TExpectWord::Ref: {
        const auto [Ref, After] = SplitWord(Argument);
        if (Ref.empty()) return "a component is missing";
        if (!After.empty()) return "unexpected text after the component";
        Command.Ref.assign(Ref);
        return "";
      }
      case TExpectWord::RefText: {
        const auto [Ref, Text] = SplitWord(Argument);
        if (Ref.empty()) return "a component is missing";
        Command.Ref.assign(Ref);
        if (Text == "today") {
          Command.Today = true;
          return "";
        }
        if (Text.empty() || Text.front() != '"') return "the caption must be in double quotes or 'today'";
        return ReadValue(Text, Command.Value) ? "" : "unclosed or misplaced double quote";
      }
      case TExpectWord::RefProperty: {
        const auto [Ref, Rest] = SplitWord(Argument);
        const auto [Name, Value] = SplitWord(Rest);
        if (Name.empty()) return "a component and a property are needed";
        Command.Ref.assign(Ref);
        Command.Property.assign(Name);
        if (Value.empty()) return "the value is missing";
        return ReadValue(Value, Command.Value) ? "" : "unclosed or misplaced double quote";
      }
    }
  }
  return "unknown expectation '" + std::string(Word) + "'";
}

// Reads one command; an empty string on success, else the reason.
std::string ReadCommand(std::string_view Text, TScriptCommand& Command) {
  // Plain variables: the lambdas below capture them.
  const std::pair<std::string_view, std::string_view> Split = SplitWord(Text);
  const std::string_view Verb = Split.first;
  const std::string_view Rest = Split.second;
  auto NoArgument = [&Rest, &Verb]() -> std::string {
    return Rest.empty() ? "" : "unexpected text after '" + std::string(Verb) + "'";
  };
  auto OneWord = [&Rest](std::string& Into, const char* What) -> std::string {
    const auto [Word, After] = SplitWord(Rest);
    if (Word.empty()) return std::string(What) + " is missing";
    if (!After.empty()) return "unexpected text after '" + std::string(Word) + "'";
    Into.assign(Word);
    return "";
  };
  if (Verb == "goto") {
    Command.Verb = TScriptVerb::Goto;
    return ReadNumber(Rest, Command.Number) ? "" : "bad page number '" + std::string(Rest) + "'";
  }
  if (Verb == "answer") {
    Command.Verb = TScriptVerb::Answer;
    const auto [Ref, Value] = SplitWord(Rest);
    if (Ref.empty()) return "a component is missing";
    Command.Ref.assign(Ref);
    return ReadValue(Value, Command.Value) ? "" : "unclosed or misplaced double quote";
  }
  if (Verb == "click") {
    Command.Verb = TScriptVerb::Click;
    return OneWord(Command.Ref, "a component");
  }
  if (Verb == "check") {
    Command.Verb = TScriptVerb::Check;
    return NoArgument();
  }
  if (Verb == "tick") {
    Command.Verb = TScriptVerb::Tick;
    const auto [Name, Count] = SplitWord(Rest);
    if (Name.empty()) return "a timer is missing";
    Command.Ref.assign(Name);
    Command.Number = 1;
    if (!Count.empty() && (!ReadNumber(Count, Command.Number) || Command.Number < 0 || Command.Number > 1000000))
      return "bad tick count '" + std::string(Count) + "'";
    return "";
  }
  if (Verb == "key") {
    Command.Verb = TScriptVerb::Key;
    return OneWord(Command.Ref, "a key");
  }
  if (Verb == "seed") {
    Command.Verb = TScriptVerb::Seed;
    return ReadNumber(Rest, Command.Number) && Command.Number >= 0 && Command.Number <= 0xFFFFFFFFLL
               ? ""
               : "bad seed '" + std::string(Rest) + "'";
  }
  if (Verb == "expect") {
    Command.Verb = TScriptVerb::Expect;
    return ReadExpect(Rest, Command);
  }
  if (Verb == "screenshot") {
    Command.Verb = TScriptVerb::Screenshot;
    Command.Ref.assign(Rest);
    return Rest.empty() ? "a file name is missing" : "";
  }
  return "unknown command '" + std::string(Verb) + "'";
}

}  // namespace

TCourseScript ParseCourseScript(std::string_view Text) {
  TCourseScript Script;
  int LineNumber = 0;
  while (!Text.empty()) {
    const std::size_t End = Text.find('\n');
    std::string_view Line = Text.substr(0, End);
    Text = End == std::string_view::npos ? std::string_view() : Text.substr(End + 1);
    ++LineNumber;
    if (Line.size() > MaxScriptLine) {
      Script.Errors.push_back({LineNumber, "line too long"});
      continue;
    }
    const std::string_view Source = Trim(StripComment(Line));
    if (Source.empty()) continue;
    TScriptCommand Command;
    Command.Line = LineNumber;
    Command.Source.assign(Source);
    if (std::string Reason = ReadCommand(Source, Command); !Reason.empty())
      Script.Errors.push_back({LineNumber, std::move(Reason)});
    else
      Script.Commands.push_back(std::move(Command));
  }
  return Script;
}

bool IsMessageExpectation(TExpectKind Kind) {
  switch (Kind) {
    case TExpectKind::Praise:
    case TExpectKind::StillWrong:
    case TExpectKind::LineError:
    case TExpectKind::FieldError:
    case TExpectKind::Error:
    case TExpectKind::Info:
    case TExpectKind::Message:
    case TExpectKind::None:
      return true;
    default:
      return false;
  }
}

int AnswerIndexOf(const std::string& Ref) {
  if (Ref.size() < 2 || Ref[0] != '#') return 0;
  long long N = 0;
  if (!ReadNumber(std::string_view(Ref).substr(1), N) || N < 1 || N > 10000) return 0;
  return static_cast<int>(N);
}
