#include "shell/CommandLine.h"

namespace {

// Cuts a value to at most Max bytes without splitting a UTF-8 sequence.
std::string CutValue(std::string Value, size_t Max) {
  if (Value.size() <= Max) return Value;
  size_t End = Max;
  while (End > 0 && (static_cast<unsigned char>(Value[End]) & 0xC0) == 0x80) --End;
  Value.resize(End);
  return Value;
}

// Upper case of an ASCII letter, whatever the C locale is.
char AsciiUpper(char C) { return C >= 'a' && C <= 'z' ? static_cast<char>(C - 'a' + 'A') : C; }

}  // namespace

TCommandLine TCommandLine::FromArgs(int Argc, const char* const* Argv) {
  std::vector<std::string> Params;
  for (int I = 1; I < Argc; ++I) Params.emplace_back(Argv[I] ? Argv[I] : "");
  return TCommandLine(Params);
}

std::optional<std::string> TCommandLine::FindSwitch(const std::vector<std::string>& Params, char Letter) {
  std::optional<std::string> Value;
  const char Wanted = AsciiUpper(Letter);
  for (const std::string& P : Params)
    if (P.size() >= 2 && P[0] == '/' && AsciiUpper(P[1]) == Wanted)
      Value = CutValue(P.substr(2), MaxValueLength);
  return Value;
}

void TCommandLine::Parse(const std::vector<std::string>& Params) {
  FApplicationFolder = FindSwitch(Params, 'A').value_or("");
  FPictureFolder = FindSwitch(Params, 'P').value_or("");
  if (FPictureFolder.empty()) FPictureFolder = "Bilder\\";
  FFilmFolder = FindSwitch(Params, 'F').value_or("");
  if (FFilmFolder.empty()) FFilmFolder = "Filme\\";
  FLearnPathFile = FindSwitch(Params, 'L').value_or("");
  FExclusive = false;
  if (FLearnPathFile.empty()) {
    FLearnPathFile = FindSwitch(Params, 'X').value_or("");
    FExclusive = !FLearnPathFile.empty();
  }
}
