#pragma once
// The program's own options besides the course switches ("/L file" ...):
//   --help               the usage text
//   --version            the version
//   --check-forms [F...] load every design of the program (or the files F)
//   --check-layout [P...] check the layout of every page (or the pages P)
//   --screenshot FILE    save a picture of the main window shortly after start
//   --play FILE          play a course script and exit with its status
// Any other parameter beginning with "-" is unknown: the program prints the
// usage and exits with status 2.
#include <string>
#include <vector>

struct TProgramOptions {
  enum TAction { Run, Help, Version, CheckForms, CheckLayout, Play, Unknown };
  TAction Action = Run;
  std::string Screenshot;          // --screenshot
  std::string Script;              // --play
  std::vector<std::string> Files;  // --check-forms
  std::vector<int> Pages;          // --check-layout
  std::string Problem;             // the unknown or incomplete option
};

// Params without the program name.
TProgramOptions ParseProgramOptions(const std::vector<std::string>& Params);

// The usage text, in German like the rest of the program.
std::string ProgramUsage();
