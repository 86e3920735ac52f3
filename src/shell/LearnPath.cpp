#include "shell/LearnPath.h"

#include <filesystem>
#include <fstream>
#include <istream>

namespace {

const char* const FormatError = "Format der Lernpfaddatei stimmt nicht.";
const char* const EmptyLineError = "Leere Zeile in der Lernpfaddatei: keine Seitennummer.";
const char* const TooLongError = "Die Lernpfaddatei ist zu lang.";

constexpr int MaxDigits = 4;

// Reads lines from Next() (a character, or -1 at the end) into Items. Never
// holds more than one short line, and stops at the first bad one, so the
// input may be arbitrarily long or endless.
template <typename TNextChar>
void ReadLines(TNextChar Next, std::vector<int>& Items) {
  int C = Next();
  int Line = 0;
  while (C != -1) {
    ++Line;
    int Digits = 0;
    int Value = 0;
    while (C != -1 && C != '\n' && C != '\r') {
      if (C < '0' || C > '9' || Digits == MaxDigits) throw ELearnPathError(FormatError, Line);
      Value = Value * 10 + (C - '0');
      ++Digits;
      C = Next();
    }
    if (Digits == 0) throw ELearnPathError(EmptyLineError, Line);
    if (static_cast<int>(Items.size()) >= TLearnPath::MaxEntries) throw ELearnPathError(TooLongError, Line);
    Items.push_back(Value);
    if (C == '\r') {
      C = Next();
      if (C == '\n') C = Next();
    } else if (C == '\n') {
      C = Next();
    }
  }
}

}  // namespace

int TLearnPath::IndexOf(int Page) const {
  for (size_t I = 0; I < FItems.size(); ++I)
    if (FItems[I] == Page) return static_cast<int>(I);
  return -1;
}

void TLearnPath::ReadFromText(std::string_view Text) {
  size_t Pos = 0;
  ReadLines([&]() -> int { return Pos < Text.size() ? static_cast<unsigned char>(Text[Pos++]) : -1; }, FItems);
}

void TLearnPath::ReadFromStream(std::istream& Stream) {
  std::streambuf* Buffer = Stream.rdbuf();
  ReadLines(
      [&]() -> int {
        const auto C = Buffer->sbumpc();
        return std::char_traits<char>::eq_int_type(C, std::char_traits<char>::eof())
                   ? -1
                   : static_cast<unsigned char>(std::char_traits<char>::to_char_type(C));
      },
      FItems);
}

void TLearnPath::ReadFromFile(const std::string& FileName) {
  std::error_code Error;
  const std::filesystem::path Path(FileName);
  if (FileName.empty() || !std::filesystem::exists(Path, Error) || std::filesystem::is_directory(Path, Error))
    throw ELearnPathError(FileName + " nicht gefunden.");
  std::ifstream Stream(Path, std::ios::binary);
  if (!Stream) throw ELearnPathError(FileName + " kann nicht gelesen werden.");
  ReadFromStream(Stream);
}

std::string TLearnPath::Load(const std::string& FileName, const std::vector<int>& CoursePages) {
  Clear();
  FLoadError.clear();
  if (FileName.empty()) {
    Append(CoursePages);
    return "Standard";
  }
  try {
    ReadFromFile(FileName);
    return ExtractFileName(FileName) + (FExclusive ? "*" : "");
  } catch (const ELearnPathError& E) {
    FLoadError = E.Line() > 0 ? ExtractFileName(FileName) + ", Zeile " + std::to_string(E.Line()) + ": " + E.what()
                              : std::string(E.what());
  } catch (const std::exception& E) {
    FLoadError = E.what();
  }
  Append(CoursePages);
  return "Standard";
}

TLearnPathButtons TLearnPath::Buttons(int Page) const {
  TLearnPathButtons B;
  const int Index = IndexOf(Page);
  if (Index > 0) B.Back = {true, FItems[static_cast<size_t>(Index) - 1], "Lernweg zurück"};
  if (Index < Count() - 1)
    B.Forward = {true, FItems[static_cast<size_t>(Index + 1)], Index == -1 ? "Starte Lernweg" : "Lernweg weiter"};
  return B;
}

std::string ExtractFileName(const std::string& Path) {
  const size_t Slash = Path.find_last_of("/\\");
  return Slash == std::string::npos ? Path : Path.substr(Slash + 1);
}
