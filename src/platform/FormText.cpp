#include "platform/FormText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace {

bool IsIdentStart(char C) { return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_'; }
bool IsIdentChar(char C) { return IsIdentStart(C) || (C >= '0' && C <= '9'); }
bool IsDigit(char C) { return C >= '0' && C <= '9'; }
int HexDigit(char C) {
  if (C >= '0' && C <= '9') return C - '0';
  if (C >= 'A' && C <= 'F') return C - 'A' + 10;
  if (C >= 'a' && C <= 'f') return C - 'a' + 10;
  return -1;
}

bool SameWord(std::string_view A, std::string_view B) {
  if (A.size() != B.size()) return false;
  for (std::size_t I = 0; I < A.size(); ++I) {
    char X = A[I], Y = B[I];
    if (X >= 'A' && X <= 'Z') X = static_cast<char>(X - 'A' + 'a');
    if (Y >= 'A' && Y <= 'Z') Y = static_cast<char>(Y - 'A' + 'a');
    if (X != Y) return false;
  }
  return true;
}

std::string Describe(char C) {
  if (C > 32 && C < 127) return std::string("'") + C + "'";
  return "#" + std::to_string(static_cast<unsigned char>(C));
}

void AppendUtf8(std::string& Out, std::uint32_t Code) {
  if (Code < 0x80) {
    Out += static_cast<char>(Code);
  } else if (Code < 0x800) {
    Out += static_cast<char>(0xC0 | (Code >> 6));
    Out += static_cast<char>(0x80 | (Code & 0x3F));
  } else if (Code < 0x10000) {
    Out += static_cast<char>(0xE0 | (Code >> 12));
    Out += static_cast<char>(0x80 | ((Code >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (Code & 0x3F));
  } else {
    Out += static_cast<char>(0xF0 | (Code >> 18));
    Out += static_cast<char>(0x80 | ((Code >> 12) & 0x3F));
    Out += static_cast<char>(0x80 | ((Code >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (Code & 0x3F));
  }
}

struct TFailure {
  int Line;
  std::string Message;
};

enum class TTok { End, Ident, Integer, Float, String, Binary, Symbol };

struct TToken {
  TTok Kind = TTok::End;
  int Line = 1;
  std::string Text;  // identifier, string bytes, binary bytes
  std::int64_t Int = 0;
  double Float = 0;
  char Sym = 0;
};

class TParser {
 public:
  TParser(std::string_view Text, const TFormTextLimits& Limits) : FText(Text), FLimits(Limits) {
    if (FText.substr(0, 3) == "\xEF\xBB\xBF") FPos = 3;
  }

  TFormObject ParseRoot() {
    if (FText.size() > FLimits.MaxInput) throw TFailure{1, "the design is too large"};
    Next();
    TFormObject Root = ParseObject(0);
    if (FTok.Kind != TTok::End) throw TFailure{FTok.Line, "text after the final 'end'"};
    return Root;
  }

 private:
  std::string_view FText;
  const TFormTextLimits& FLimits;
  std::size_t FPos = 0;
  int FLine = 1;
  std::size_t FNodes = 0;
  TToken FTok;

  [[noreturn]] void Fail(const std::string& Message) const { throw TFailure{FTok.Line, Message}; }

  void CountNode() {
    if (++FNodes > FLimits.MaxNodes) Fail("the design has too many entries");
  }

  void Enter(int Depth) const {
    if (Depth > FLimits.MaxDepth) Fail("the design is nested too deeply");
  }

  char Peek(std::size_t Ahead = 0) const {
    return FPos + Ahead < FText.size() ? FText[FPos + Ahead] : '\0';
  }
  bool AtEnd(std::size_t Ahead = 0) const { return FPos + Ahead >= FText.size(); }

  void SkipBlanks() {
    while (!AtEnd()) {
      char C = Peek();
      if (C == '\n') {
        ++FLine;
        ++FPos;
      } else if (C == ' ' || C == '\t' || C == '\r' || C == '\f' || C == '\v') {
        ++FPos;
      } else if (C == '/' && Peek(1) == '/') {
        while (!AtEnd() && Peek() != '\n') ++FPos;
      } else {
        break;
      }
    }
  }

  void Next() {
    SkipBlanks();
    FTok = TToken{};
    FTok.Line = FLine;
    if (AtEnd()) return;
    char C = Peek();
    if (IsIdentStart(C)) return LexIdent();
    if (IsDigit(C) || C == '$' || C == '-') return LexNumber();
    if (C == '\'' || C == '#') return LexString();
    if (C == '{') return LexBinary();
    switch (C) {
      case '=': case ':': case '[': case ']': case '(': case ')': case '<': case '>': case ',':
      case '+':
        FTok.Kind = TTok::Symbol;
        FTok.Sym = C;
        ++FPos;
        return;
      default:
        throw TFailure{FLine, "unexpected character " + Describe(C)};
    }
  }

  void LexIdent() {
    std::size_t Start = FPos;
    for (;;) {
      while (!AtEnd() && IsIdentChar(Peek())) ++FPos;
      if (Peek() == '.' && IsIdentStart(Peek(1))) {
        ++FPos;
        continue;
      }
      break;
    }
    FTok.Kind = TTok::Ident;
    FTok.Text.assign(FText.substr(Start, FPos - Start));
  }

  void LexNumber() {
    std::size_t Start = FPos;
    bool Negative = false;
    if (Peek() == '-') {
      Negative = true;
      ++FPos;
      if (!IsDigit(Peek()) && Peek() != '$') throw TFailure{FLine, "a number is expected after '-'"};
    }
    if (Peek() == '$') {
      ++FPos;
      std::uint64_t Value = 0;
      int Digits = 0;
      while (HexDigit(Peek()) >= 0) {
        if (++Digits > 16) throw TFailure{FLine, "number out of range"};
        Value = Value * 16 + static_cast<unsigned>(HexDigit(Peek()));
        ++FPos;
      }
      if (Digits == 0) throw TFailure{FLine, "hex digits are expected after '$'"};
      constexpr std::uint64_t Limit = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
      if (Value > Limit + (Negative ? 1 : 0)) throw TFailure{FLine, "number out of range"};
      FTok.Int = Negative ? static_cast<std::int64_t>(0 - Value) : static_cast<std::int64_t>(Value);
      FTok.Kind = TTok::Integer;
    } else {
      bool IsFloat = false;
      while (IsDigit(Peek())) ++FPos;
      if (Peek() == '.' && IsDigit(Peek(1))) {
        IsFloat = true;
        ++FPos;
        while (IsDigit(Peek())) ++FPos;
      }
      if (Peek() == 'e' || Peek() == 'E') {
        std::size_t Save = FPos;
        ++FPos;
        if (Peek() == '+' || Peek() == '-') ++FPos;
        if (IsDigit(Peek())) {
          IsFloat = true;
          while (IsDigit(Peek())) ++FPos;
        } else {
          FPos = Save;
        }
      }
      std::string_view Digits = FText.substr(Start, FPos - Start);
      const char* First = Digits.data();
      const char* Last = Digits.data() + Digits.size();
      if (IsFloat) {
        // from_chars rejects magnitudes a double cannot hold.
        auto [Ptr, Ec] = std::from_chars(First, Last, FTok.Float);
        if (Ec != std::errc() || Ptr != Last || !std::isfinite(FTok.Float))
          throw TFailure{FLine, "number out of range"};
        FTok.Kind = TTok::Float;
      } else {
        auto [Ptr, Ec] = std::from_chars(First, Last, FTok.Int);
        if (Ec != std::errc() || Ptr != Last) throw TFailure{FLine, "number out of range"};
        FTok.Kind = TTok::Integer;
      }
    }
    if (IsIdentChar(Peek()) || Peek() == '.')
      throw TFailure{FLine, "malformed number '" + std::string(FText.substr(Start, FPos - Start + 1)) + "'"};
  }

  void LexString() {
    std::string Out;
    std::uint32_t PendingHigh = 0;  // a high surrogate waiting for its partner
    auto Append = [&](std::uint32_t Code) {
      if (PendingHigh != 0) {
        if (Code < 0xDC00 || Code > 0xDFFF) throw TFailure{FLine, "a character code pair is incomplete"};
        Code = 0x10000 + ((PendingHigh - 0xD800) << 10) + (Code - 0xDC00);
        PendingHigh = 0;
      } else if (Code >= 0xD800 && Code <= 0xDBFF) {
        PendingHigh = Code;
        return;
      } else if (Code >= 0xDC00 && Code <= 0xDFFF) {
        throw TFailure{FLine, "a character code pair is incomplete"};
      }
      AppendUtf8(Out, Code);
    };
    for (;;) {
      if (Peek() == '\'') {
        if (PendingHigh != 0) throw TFailure{FLine, "a character code pair is incomplete"};
        ++FPos;
        for (;;) {
          if (AtEnd() || Peek() == '\n' || Peek() == '\r') throw TFailure{FLine, "unterminated string"};
          char C = Peek();
          ++FPos;
          if (C == '\'') {
            if (Peek() != '\'') break;
            ++FPos;
          }
          Out += C;
          if (Out.size() > FLimits.MaxString) throw TFailure{FLine, "string too long"};
        }
      } else if (Peek() == '#') {
        ++FPos;
        std::uint32_t Code = 0;
        int Digits = 0;
        if (Peek() == '$') {
          ++FPos;
          while (HexDigit(Peek()) >= 0) {
            Code = Code * 16 + static_cast<unsigned>(HexDigit(Peek()));
            ++FPos;
            if (++Digits > 6) throw TFailure{FLine, "character code out of range"};
          }
        } else {
          while (IsDigit(Peek())) {
            Code = Code * 10 + static_cast<unsigned>(Peek() - '0');
            ++FPos;
            if (++Digits > 7) throw TFailure{FLine, "character code out of range"};
          }
        }
        if (Digits == 0) throw TFailure{FLine, "a character code is expected after '#'"};
        if (Code > 0x10FFFF) throw TFailure{FLine, "character code out of range"};
        Append(Code);
        if (Out.size() > FLimits.MaxString) throw TFailure{FLine, "string too long"};
      } else {
        break;
      }
    }
    if (PendingHigh != 0) throw TFailure{FLine, "a character code pair is incomplete"};
    FTok.Kind = TTok::String;
    FTok.Text = std::move(Out);
  }

  void LexBinary() {
    int StartLine = FLine;
    ++FPos;
    std::string Out;
    int High = -1;
    for (;;) {
      if (AtEnd()) throw TFailure{StartLine, "unterminated binary data"};
      char C = Peek();
      ++FPos;
      if (C == '}') break;
      if (C == '\n') {
        ++FLine;
        continue;
      }
      if (C == ' ' || C == '\t' || C == '\r') continue;
      int D = HexDigit(C);
      if (D < 0) throw TFailure{FLine, "binary data holds " + Describe(C) + ", not a hex digit"};
      if (High < 0) {
        High = D;
      } else {
        Out += static_cast<char>(High * 16 + D);
        High = -1;
        if (Out.size() > FLimits.MaxBinary) throw TFailure{StartLine, "binary data too long"};
      }
    }
    if (High >= 0) throw TFailure{StartLine, "binary data has an odd number of hex digits"};
    FTok.Kind = TTok::Binary;
    FTok.Line = StartLine;
    FTok.Text = std::move(Out);
  }

  bool IsSymbol(char C) const { return FTok.Kind == TTok::Symbol && FTok.Sym == C; }
  bool IsWord(std::string_view W) const { return FTok.Kind == TTok::Ident && SameWord(FTok.Text, W); }

  void Expect(char C, const char* What) {
    if (!IsSymbol(C)) Fail(std::string("'") + C + "' expected " + What + ", found " + TokenText());
    Next();
  }

  std::string TokenText() const {
    switch (FTok.Kind) {
      case TTok::End: return "end of text";
      case TTok::Ident: return "'" + FTok.Text + "'";
      case TTok::Integer: return "number " + std::to_string(FTok.Int);
      case TTok::Float: return "a number";
      case TTok::String: return "a string";
      case TTok::Binary: return "binary data";
      case TTok::Symbol: return std::string("'") + FTok.Sym + "'";
    }
    return "?";
  }

  std::string PlainName(const char* What) {
    if (FTok.Kind != TTok::Ident) Fail(std::string(What) + " expected, found " + TokenText());
    if (FTok.Text.find('.') != std::string::npos) Fail(std::string(What) + " must not contain '.'");
    std::string Name = FTok.Text;
    Next();
    return Name;
  }

  bool AtObjectKeyword() const { return IsWord("object") || IsWord("inherited") || IsWord("inline"); }

  TFormObject ParseObject(int Depth) {
    Enter(Depth);
    CountNode();
    TFormObject Obj;
    Obj.Line = FTok.Line;
    if (IsWord("object")) {
      Obj.Kind = TFormObjectKind::Object;
    } else if (IsWord("inherited")) {
      Obj.Kind = TFormObjectKind::Inherited;
    } else if (IsWord("inline")) {
      Obj.Kind = TFormObjectKind::Inline;
    } else {
      Fail("'object' expected, found " + TokenText());
    }
    Next();
    std::string First = PlainName("a component name");
    if (IsSymbol(':')) {
      Next();
      Obj.Name = std::move(First);
      Obj.ClassName = PlainName("a class name");
    } else {
      Obj.ClassName = std::move(First);
    }
    for (;;) {
      if (IsWord("end")) {
        Next();
        return Obj;
      }
      if (AtObjectKeyword()) {
        Obj.Children.push_back(ParseObject(Depth + 1));
        continue;
      }
      if (FTok.Kind == TTok::End) Fail("'end' expected for '" + (Obj.Name.empty() ? Obj.ClassName : Obj.Name) + "'");
      if (FTok.Kind != TTok::Ident) Fail("a property name expected, found " + TokenText());
      if (!Obj.Children.empty()) Fail("property '" + FTok.Text + "' follows a nested object");
      Obj.Properties.push_back(ParseProperty(Depth));
    }
  }

  TFormProperty ParseProperty(int Depth) {
    CountNode();
    TFormProperty Prop;
    Prop.Line = FTok.Line;
    Prop.Name = FTok.Text;
    Next();
    Expect('=', "after '" + Prop.Name + "'");
    Prop.Value = ParseValue(Depth + 1);
    return Prop;
  }

  void Expect(char C, const std::string& What) { Expect(C, What.c_str()); }

  TFormValue ParseValue(int Depth) {
    Enter(Depth);
    CountNode();
    TFormValue V;
    V.Line = FTok.Line;
    switch (FTok.Kind) {
      case TTok::Integer:
        V.Kind = TFormValueKind::Integer;
        V.Integer = FTok.Int;
        Next();
        return V;
      case TTok::Float:
        V.Kind = TFormValueKind::Float;
        V.Float = FTok.Float;
        Next();
        return V;
      case TTok::String:
        V.Kind = TFormValueKind::String;
        V.Text = std::move(FTok.Text);
        Next();
        while (IsSymbol('+')) {
          Next();
          if (FTok.Kind != TTok::String) Fail("a string expected after '+', found " + TokenText());
          V.Text += FTok.Text;
          if (V.Text.size() > FLimits.MaxString) Fail("string too long");
          Next();
        }
        return V;
      case TTok::Ident:
        if (IsWord("end") || AtObjectKeyword()) Fail("a value expected, found " + TokenText());
        V.Kind = TFormValueKind::Identifier;
        V.Text = std::move(FTok.Text);
        Next();
        return V;
      case TTok::Binary:
        V.Kind = TFormValueKind::Binary;
        V.Text = std::move(FTok.Text);
        Next();
        return V;
      case TTok::End:
        Fail("a value expected, found end of text");
      case TTok::Symbol:
        break;
    }
    if (IsSymbol('[')) {
      V.Kind = TFormValueKind::Set;
      Next();
      if (!IsSymbol(']')) {
        for (;;) {
          CountNode();
          if (FTok.Kind != TTok::Ident) Fail("a set element expected, found " + TokenText());
          V.Names.push_back(std::move(FTok.Text));
          Next();
          if (IsSymbol(']')) break;
          Expect(',', "between set elements");
        }
      }
      Next();
      return V;
    }
    if (IsSymbol('(')) {
      V.Kind = TFormValueKind::List;
      Next();
      while (!IsSymbol(')')) {
        if (IsSymbol('<')) Fail("a collection cannot stand in a list");
        V.Elements.push_back(ParseValue(Depth + 1));
      }
      Next();
      return V;
    }
    if (IsSymbol('<')) {
      V.Kind = TFormValueKind::Collection;
      Next();
      while (!IsSymbol('>')) {
        if (!IsWord("item")) Fail("'item' expected, found " + TokenText());
        Enter(Depth + 1);
        CountNode();
        TFormItem Item;
        Item.Line = FTok.Line;
        Next();
        while (!IsWord("end")) {
          if (FTok.Kind != TTok::Ident) Fail("a property name or 'end' expected, found " + TokenText());
          Item.Properties.push_back(ParseProperty(Depth + 1));
        }
        Next();
        V.Items.push_back(std::move(Item));
      }
      Next();
      return V;
    }
    Fail("a value expected, found " + TokenText());
  }
};

// ---------------------------------------------------------------- formatting

void Indent(std::string& Out, int N) { Out.append(static_cast<std::size_t>(N), ' '); }

std::string FormatFloat(double D) {
  if (std::isnan(D)) D = 0;
  if (std::isinf(D)) D = D > 0 ? std::numeric_limits<double>::max() : std::numeric_limits<double>::lowest();
  char Buf[64];
  auto [Ptr, Ec] = std::to_chars(Buf, Buf + sizeof Buf, D);
  std::string S(Buf, Ec == std::errc() ? Ptr : Buf);
  bool HasPoint = false;
  for (char& C : S) {
    if (C == 'e') C = 'E';
    if (C == '.' || C == 'E') HasPoint = true;
  }
  if (!HasPoint) S += ".0";
  return S;
}

// Quoted runs for printable text, #nn for control characters. Long texts are
// cut into pieces joined by '+', never inside a UTF-8 sequence.
void FormatString(std::string& Out, const std::string& Text, int Ind) {
  constexpr std::size_t Piece = 64;
  if (Text.empty()) {
    Out += "''";
    return;
  }
  std::size_t I = 0;
  bool FirstPiece = true;
  while (I < Text.size()) {
    std::size_t End = std::min(Text.size(), I + Piece);
    while (End < Text.size() && (static_cast<unsigned char>(Text[End]) & 0xC0) == 0x80 && End > I + 1) --End;
    if (!FirstPiece) {
      Out += " +\n";
      Indent(Out, Ind + 2);
    }
    FirstPiece = false;
    bool InQuote = false;
    for (std::size_t K = I; K < End; ++K) {
      unsigned char C = static_cast<unsigned char>(Text[K]);
      if (C < 32 || C == 127) {
        if (InQuote) Out += '\'';
        InQuote = false;
        Out += '#';
        Out += std::to_string(C);
      } else {
        if (!InQuote) Out += '\'';
        InQuote = true;
        if (C == '\'') Out += '\'';
        Out += static_cast<char>(C);
      }
    }
    if (InQuote) Out += '\'';
    I = End;
  }
}

void FormatValueTo(std::string& Out, const TFormValue& V, int Ind);

void FormatProperties(std::string& Out, const std::vector<TFormProperty>& Props, int Ind) {
  for (const TFormProperty& P : Props) {
    Indent(Out, Ind);
    Out += P.Name;
    Out += " = ";
    FormatValueTo(Out, P.Value, Ind);
    Out += '\n';
  }
}

void FormatValueTo(std::string& Out, const TFormValue& V, int Ind) {
  switch (V.Kind) {
    case TFormValueKind::Integer:
      Out += std::to_string(V.Integer);
      return;
    case TFormValueKind::Float:
      Out += FormatFloat(V.Float);
      return;
    case TFormValueKind::String:
      FormatString(Out, V.Text, Ind);
      return;
    case TFormValueKind::Identifier:
      Out += V.Text;
      return;
    case TFormValueKind::Set:
      Out += '[';
      for (std::size_t I = 0; I < V.Names.size(); ++I) {
        if (I > 0) Out += ", ";
        Out += V.Names[I];
      }
      Out += ']';
      return;
    case TFormValueKind::List:
      Out += '(';
      for (const TFormValue& E : V.Elements) {
        Out += '\n';
        Indent(Out, Ind + 2);
        FormatValueTo(Out, E, Ind + 2);
      }
      Out += ')';
      return;
    case TFormValueKind::Binary: {
      static const char Hex[] = "0123456789ABCDEF";
      Out += '{';
      for (std::size_t I = 0; I < V.Text.size(); ++I) {
        if (I % 32 == 0) {
          Out += '\n';
          Indent(Out, Ind + 2);
        }
        unsigned char C = static_cast<unsigned char>(V.Text[I]);
        Out += Hex[C >> 4];
        Out += Hex[C & 15];
      }
      Out += '}';
      return;
    }
    case TFormValueKind::Collection:
      Out += '<';
      for (const TFormItem& Item : V.Items) {
        Out += '\n';
        Indent(Out, Ind + 2);
        Out += "item\n";
        FormatProperties(Out, Item.Properties, Ind + 4);
        Indent(Out, Ind + 2);
        Out += "end";
      }
      Out += '>';
      return;
  }
}

void FormatObject(std::string& Out, const TFormObject& Obj, int Ind) {
  Indent(Out, Ind);
  switch (Obj.Kind) {
    case TFormObjectKind::Object: Out += "object "; break;
    case TFormObjectKind::Inherited: Out += "inherited "; break;
    case TFormObjectKind::Inline: Out += "inline "; break;
  }
  if (!Obj.Name.empty()) {
    Out += Obj.Name;
    Out += ": ";
  }
  Out += Obj.ClassName;
  Out += '\n';
  FormatProperties(Out, Obj.Properties, Ind + 2);
  for (const TFormObject& Child : Obj.Children) FormatObject(Out, Child, Ind + 2);
  Indent(Out, Ind);
  Out += "end\n";
}

}  // namespace

TFormParseResult ParseFormText(std::string_view Text, const TFormTextLimits& Limits) {
  TFormParseResult Result;
  try {
    TParser Parser(Text, Limits);
    Result.Root = Parser.ParseRoot();
    Result.Ok = true;
  } catch (const TFailure& F) {
    Result.ErrorLine = F.Line;
    Result.Error = F.Message;
  }
  return Result;
}

std::string FormatFormText(const TFormObject& Root) {
  std::string Out;
  FormatObject(Out, Root, 0);
  return Out;
}

std::string FormatFormValue(const TFormValue& Value, int Ind) {
  std::string Out;
  FormatValueTo(Out, Value, Ind);
  return Out;
}

bool IsFormIdentifier(std::string_view Name, bool AllowDots) {
  if (Name.empty()) return false;
  bool NeedStart = true;
  for (char C : Name) {
    if (NeedStart) {
      if (!IsIdentStart(C)) return false;
      NeedStart = false;
    } else if (C == '.') {
      if (!AllowDots) return false;
      NeedStart = true;
    } else if (!IsIdentChar(C)) {
      return false;
    }
  }
  return !NeedStart;
}
