// Page switch costs of the real course pages on the offscreen platform: one
// posted go-to request until the page is created from its design, prepared,
// shown and the previous page freed (BM_PageSwitch), and the same up to the
// new page painted once (BM_PageSwitchPainted: work a page leaves for its
// painting counts too). The way back to a neutral page is not timed.
#include <QWidget>
#include <QWindow>

#include "CourseBench.h"
#include "platform/ComponentRegistry.h"
#include "shell/MMX.h"
#include "shell/PageTable.h"

namespace {

// The timed switch, out of line so that a profiler can count it alone.
[[gnu::noinline]] void SwitchTo(TMMX& Course, int Page, bool Paint) {
  Course.PostGotoPage(Page, false);
  RunPosted();
  if (QWidget* Form = Course.CurrentPageForm(); Form && Paint) Form->repaint();
}

// Arg: the page to switch to; the switch starts from the start page (from a
// chapter start page for the start page itself).
void PageSwitch(benchmark::State& State, bool Paint) {
  TMMX& Course = CourseMainWindow()->MMX();
  const int Target = static_cast<int>(State.range(0));
  const int Neutral = Target == 10 ? 100 : 10;
  // The window must be on the (offscreen) screen before anything paints.
  const QWindow* Window = CourseMainWindow()->windowHandle();
  for (int I = 0; I < 1000 && Paint && Window && !Window->isExposed(); ++I)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  if (Paint && (!Window || !Window->isExposed())) State.SkipWithError("main window not exposed");
  for (auto _ : State) {
    State.PauseTiming();
    Course.PostGotoPage(Neutral, false);
    RunPosted();
    State.ResumeTiming();
    SwitchTo(Course, Target, Paint);
  }
  if (Course.CurrentPage() != Target) State.SkipWithError("page not shown (form not built?)");
}

void BM_PageSwitch(benchmark::State& State) { PageSwitch(State, false); }
void BM_PageSwitchPainted(benchmark::State& State) { PageSwitch(State, true); }

// One benchmark per page of the course whose page form the program has.
void RegisterPageSwitches() {
  auto* Shown = benchmark::RegisterBenchmark("BM_PageSwitch", BM_PageSwitch)->Unit(benchmark::kMillisecond);
  auto* Painted =
      benchmark::RegisterBenchmark("BM_PageSwitchPainted", BM_PageSwitchPainted)->Unit(benchmark::kMillisecond);
  // The table must outlive the loop: Rows() refers into it.
  const TPageTable Table = ShippedPageTable();
  for (const TPageRow& Row : Table.Rows()) {
    if (!TComponentRegistry::Instance().FindClass(QString::fromStdString(Row.ClassName))) continue;
    Shown->Arg(Row.Page);
    Painted->Arg(Row.Page);
  }
}

}  // namespace

int main(int argc, char** argv) { return RunCourseBenchmarks(argc, argv, RegisterPageSwitches); }
