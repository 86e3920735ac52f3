#pragma once
// Benchmarks over the real course: the program's main window on the
// offscreen platform, page 10 shown, every message and dialog answered at
// once. A benchmark program registers its benchmarks and hands over:
//
//   int main(int argc, char** argv) {
//     return RunCourseBenchmarks(argc, argv, [] { RegisterPageSwitches(); });
//   }
//
// Benchmarks that make their own main windows call RunProgramBenchmarks.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <functional>

#include "pages/PageClasses.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "shell/Main.h"
#include "shell/MessageProcs.h"

// Runs everything posted so far (navigation requests and what they post).
inline void RunPosted() {
  for (int I = 0; I < 3; ++I) QCoreApplication::sendPostedEvents();
}

// The main window of the run, while RunCourseBenchmarks runs.
inline TfmMain*& CourseMainWindow() {
  static TfmMain* Main = nullptr;
  return Main;
}

// The program's classes on the offscreen platform, every message and dialog
// answered at once; Run runs the benchmarks.
inline int RunWithProgram(int argc, char** argv, const std::function<void()>& Run) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  TApplication App(argc, argv);
  SetMessagePresenter([](const TMessageRequest&) { return mrOk; });
  SetMessageWindowPresenter([](const QString&, const QString&, const QString&) {});
  RegisterProgramClasses();
  benchmark::Initialize(&argc, argv);
  Run();
  benchmark::Shutdown();
  return 0;
}

// Benchmarks that make their own windows.
inline int RunProgramBenchmarks(int argc, char** argv) {
  return RunWithProgram(argc, argv, [] { benchmark::RunSpecifiedBenchmarks(); });
}

inline int RunCourseBenchmarks(int argc, char** argv, const std::function<void()>& Register) {
  return RunWithProgram(argc, argv, [&] {
    TfmMain Main;
    Main.show();
    RunPosted();
    CourseMainWindow() = &Main;
    Register();
    benchmark::RunSpecifiedBenchmarks();
    CourseMainWindow() = nullptr;
  });
}
