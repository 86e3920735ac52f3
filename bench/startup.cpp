// Start-up on the offscreen platform: from opening the course's windows to
// the main window painted with the start page, as the program does it after
// the application object exists. The first run is timed on its own: it is
// the one a pupil waits for (fonts and pictures not yet loaded); the later
// runs show what start-up costs once the process is warm.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

#include "CourseBench.h"
#include "pages/PageClasses.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "shell/CourseWindows.h"
#include "shell/MMX.h"
#include "shell/Main.h"
#include "shell/MessageProcs.h"

namespace {

// Notes the first paint of the start page (or of a control on it).
class TFirstPaint : public QObject {
 public:
  explicit TFirstPaint(const TfmMain& Main) : FMain(Main) { qApp->installEventFilter(this); }
  ~TFirstPaint() override { qApp->removeEventFilter(this); }
  bool Painted() const { return FPainted; }

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override {
    if (Event->type() == QEvent::Paint && !FPainted && !FMain.FirstShowPending()) {
      const QWidget* Page = FMain.MMX().CurrentPageForm();
      const auto* Widget = qobject_cast<QWidget*>(Watched);
      if (Page && Widget && (Widget == Page || Page->isAncestorOf(Widget))) FPainted = true;
    }
    return false;
  }

 private:
  const TfmMain& FMain;
  bool FPainted = false;
};

// Opens the windows, shows the main window and runs the event loop until
// the start page has been painted; false when that did not happen in 10 s.
bool StartUpToFirstPaint(std::unique_ptr<TCourseWindows>& Windows) {
  Windows = std::make_unique<TCourseWindows>();
  TFirstPaint Paint(Windows->Main());
  Windows->Main().show();
  QElapsedTimer Guard;
  Guard.start();
  while (!Paint.Painted() && Guard.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  return Paint.Painted();
}

void BM_StartUpToFirstPaint(benchmark::State& State) {
  for (auto _ : State) {
    std::unique_ptr<TCourseWindows> Windows;
    if (!StartUpToFirstPaint(Windows)) State.SkipWithError("start page not painted");
    State.PauseTiming();
    Windows.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    State.ResumeTiming();
  }
}
// The first start of the process alone, then the warm ones.
BENCHMARK(BM_StartUpToFirstPaint)->Name("BM_StartUpToFirstPaint/first")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpToFirstPaint)->Name("BM_StartUpToFirstPaint/warm")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunProgramBenchmarks(argc, argv); }
