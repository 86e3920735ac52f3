// Page switch costs of the real course pages on the offscreen platform: one
// posted go-to request until the page is created from its design, prepared,
// shown and the previous page freed. The way back to a neutral page is not
// timed.
#include "CourseBench.h"
#include "platform/ComponentRegistry.h"
#include "shell/MMX.h"
#include "shell/PageTable.h"

namespace {

// Arg: the page to switch to; the switch starts from the start page (from a
// chapter start page for the start page itself).
void BM_PageSwitch(benchmark::State& State) {
  TMMX& Course = CourseMainWindow()->MMX();
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

int main(int argc, char** argv) { return RunCourseBenchmarks(argc, argv, RegisterPageSwitches); }
