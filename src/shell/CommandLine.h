#pragma once
// The program's switches: "/" + letter + value in one parameter, the letter
// in either case ("/lpfad.txt" equals "/Lpfad.txt"). A later parameter
// overrides an earlier one; values are cut to 255 bytes.
//   /A  folder of the course's programs
//   /P  picture folder (empty: "Bilder\")
//   /F  film folder (empty: "Filme\")
//   /L  learning path file
//   /X  learning path file in exclusive mode, used only without a
//       non-empty /L; a non-empty value switches exclusive mode on
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class TCommandLine {
 public:
  static constexpr size_t MaxValueLength = 255;

  TCommandLine() = default;
  // Params are the program's parameters without the program name.
  explicit TCommandLine(const std::vector<std::string>& Params) { Parse(Params); }
  // From main()'s arguments (Argv[0], the program, is skipped).
  static TCommandLine FromArgs(int Argc, const char* const* Argv);

  void Parse(const std::vector<std::string>& Params);

  // The value of the last parameter "/" + Letter (case ignored), or none.
  static std::optional<std::string> FindSwitch(const std::vector<std::string>& Params, char Letter);

  const std::string& ApplicationFolder() const { return FApplicationFolder; }
  const std::string& PictureFolder() const { return FPictureFolder; }
  const std::string& FilmFolder() const { return FFilmFolder; }
  // The learning path file to load; empty for the built-in path.
  const std::string& LearnPathFile() const { return FLearnPathFile; }
  // True when the file came from /X with a value.
  bool Exclusive() const { return FExclusive; }

 private:
  std::string FApplicationFolder;
  std::string FPictureFolder = "Bilder\\";
  std::string FFilmFolder = "Filme\\";
  std::string FLearnPathFile;
  bool FExclusive = false;
};
