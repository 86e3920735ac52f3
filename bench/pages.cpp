// Page switch costs of the real course pages on the offscreen platform: one
// posted go-to request until the page is created from its design, prepared,
// shown and the previous page freed. The way back to a neutral page is not
// timed.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "pages/PageClasses.h"
#include "platform/Application.h"
#include "platform/ComponentRegistry.h"
#include "platform/Dialogs.h"
#include "shell/MMX.h"
#include "shell/Main.h"
#include "shell/MessageProcs.h"
#include "shell/PageTable.h"

namespace {

void RunPosted() {
  for (int I = 0; I < 3; ++I) QCoreApplication::sendPostedEvents();
}

TfmMain* GMain = nullptr;  // the main window of the run, made in main()

TfmMain& MainWindow() { return *GMain; }

// Arg: the page to switch to; the switch starts from the start page (from a
// chapter start page for the start page itself).
void BM_PageSwitch(benchmark::State& State) {
  TMMX& Course = MainWindow().MMX();
  const int Target = static_cast<int>(State.range(0));
  const int Neutral = Target == 10 ? 100 : 10;
  for (auto _ : State) {
    State.PauseTiming();
    Course.PostGotoPage(Neutral, false);
    RunPosted();
    State.ResumeTiming();
    Course.PostGotoPage(Target, false);
    RunPosted();
  }
  if (Course.CurrentPage() != Target) State.SkipWithError("page not shown (form not built?)");
}

// One benchmark per page of the course whose page form the program has.
void RegisterPageSwitches() {
  auto* Bench = benchmark::RegisterBenchmark("BM_PageSwitch", BM_PageSwitch)->Unit(benchmark::kMillisecond);
  // The table must outlive the loop: Rows() refers into it.
  const TPageTable Table = ShippedPageTable();
  for (const TPageRow& Row : Table.Rows())
    if (TComponentRegistry::Instance().FindClass(QString::fromStdString(Row.ClassName))) Bench->Arg(Row.Page);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  TApplication App(argc, argv);
  SetMessagePresenter([](const TMessageRequest&) { return mrOk; });
  SetMessageWindowPresenter([](const QString&, const QString&) {});
  RegisterProgramClasses();
  TfmMain Main;
  Main.show();
  RunPosted();
  GMain = &Main;
  RegisterPageSwitches();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
