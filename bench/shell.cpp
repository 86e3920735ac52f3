// Course shell costs on the offscreen platform: from creating the main
// window to the start page shown, and one navigation round trip (posted
// request, page created, prepared, shown, the old one freed).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QWidget>

#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "shell/MMX.h"
#include "shell/Main.h"
#include "shell/PageForms.h"

namespace {

// The program's page forms where they exist, plain forms for the others.
TPageFactory BenchPages() {
  return [Designed = DesignedPageFactory()](const std::string& ClassName, QWidget* Parent) {
    std::unique_ptr<QWidget> Page = Designed(ClassName, Parent);
    if (!Page) Page = std::make_unique<QWidget>(Parent);
    return Page;
  };
}

void RunPosted() {
  for (int I = 0; I < 3; ++I) QCoreApplication::sendPostedEvents();
}

void BM_StartUpToFirstPage(benchmark::State& State) {
  for (auto _ : State) {
    auto Main = std::make_unique<TfmMain>();
    Main->MMX().PageFactory = BenchPages();
    Main->show();
    RunPosted();
    if (Main->MMX().CurrentPage() != 10) State.SkipWithError("start page not shown");
    State.PauseTiming();
    Main.reset();
    State.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpToFirstPage)->Unit(benchmark::kMillisecond);

// Two pages back and forth: Arg 0 in one chapter (background reused),
// Arg 1 across chapters (background rendered anew each time).
void BM_NavigationRoundTrip(benchmark::State& State) {
  TfmMain Main;
  Main.MMX().PageFactory = BenchPages();
  Main.show();
  RunPosted();
  const int A = 110;
  const int B = State.range(0) ? 210 : 120;
  for (auto _ : State) {
    Main.MMX().PostGotoPage(A, true);
    RunPosted();
    Main.MMX().PostGotoPage(B, true);
    RunPosted();
  }
  if (Main.MMX().CurrentPage() != B) State.SkipWithError("navigation failed");
  State.SetItemsProcessed(2 * State.iterations());
}
BENCHMARK(BM_NavigationRoundTrip)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  TApplication App(argc, argv);
  SetMessagePresenter([](const TMessageRequest&) { return mrOk; });
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
