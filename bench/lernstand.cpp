// The Lernstand's costs: writing the file after a page is solved; opening
// the store, and the start-up from creating the main window to the start
// page shown, both without a Lernstand (Arg 0) and with a full one (Arg 1:
// every page solved, the last 1,000 visits), each in a data folder of its
// own (VELOTRA_DATA).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "CourseBench.h"
#include "pages/PageClasses.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "shell/LernstandStore.h"
#include "shell/MMX.h"
#include "shell/Main.h"
#include "shell/MessageProcs.h"

namespace {

// Every page of the course solved, the way full of visits.
TLernstand FullLernstand() {
  TLernstand L;
  const TPageTable Table = ShippedPageTable();
  for (const TPageRow& Row : Table.Rows()) L.SetProgress(Row.Page, {true, {2026, 12, 9, 14, 3, 12}, 7});
  for (int I = 0; I < TLernstand::MaxVisits; ++I) L.AddVisit(Table.Rows()[static_cast<size_t>(I) % Table.Rows().size()].Page);
  L.SetLastPage(120);
  L.SetPupil("Anna Beispiel");
  return L;
}

void UseDataFolder(const QString& Folder) { qputenv("VELOTRA_DATA", Folder.toLocal8Bit()); }

void BM_SaveAfterSolvedPage(benchmark::State& State) {
  QTemporaryDir Dir;
  UseDataFolder(Dir.path());
  TLernstandStore Store;
  Store.Open();
  Store.Edit() = FullLernstand();
  for (auto _ : State) {
    State.PauseTiming();
    Store.Edit().SetProgress(120, {});
    State.ResumeTiming();
    Store.Edit().MarkSolved(120, TLernstandStore::Now());
    Store.Changed();
    if (!Store.Flush()) State.SkipWithError("not written");
  }
}
BENCHMARK(BM_SaveAfterSolvedPage)->Unit(benchmark::kMicrosecond);

// What a full Lernstand adds to the start-up by itself: lock, read, check.
void BM_OpenLernstand(benchmark::State& State) {
  QTemporaryDir Dir;
  UseDataFolder(Dir.path());
  QString Error;
  if (State.range(0) && !WriteLernstandFile(Dir.filePath("lernstand.json"), FullLernstand(), Error))
    State.SkipWithError("no file");
  for (auto _ : State) {
    TLernstandStore Store;
    Store.Open();
    benchmark::DoNotOptimize(Store.Lernstand().Visits().size());
  }
}
BENCHMARK(BM_OpenLernstand)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_StartUpWithLernstand(benchmark::State& State) {
  QTemporaryDir Dir;
  UseDataFolder(Dir.path());
  if (State.range(0)) {
    QString Error;
    if (!WriteLernstandFile(Dir.filePath("lernstand.json"), FullLernstand(), Error)) State.SkipWithError("no file");
  }
  for (auto _ : State) {
    auto Main = std::make_unique<TfmMain>();
    Main->show();
    RunPosted();
    if (Main->MMX().CurrentPage() != 10) State.SkipWithError("start page not shown");
    State.PauseTiming();
    Main.reset();
    // The next start finds the folder as it was (the run wrote its visit).
    QString Error;
    if (State.range(0))
      WriteLernstandFile(Dir.filePath("lernstand.json"), FullLernstand(), Error);
    else
      QFile::remove(Dir.filePath("lernstand.json"));
    State.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpWithLernstand)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunProgramBenchmarks(argc, argv); }
