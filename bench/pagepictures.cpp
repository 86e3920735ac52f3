// Page pictures on the offscreen platform: the two ways of bringing a page's
// picture down to 256 colours for a GIF file (libimagequant, which the
// program uses, and Qt's own 8-bit conversion), compared by time and by the
// mean colour error against the original; saving one page as a GIF file;
// the export of every page as a GIF picture.
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>

#include "CourseBench.h"
#include "components/ColourReduction.h"
#include "platform/ComponentRegistry.h"
#include "shell/About.h"
#include "shell/MMX.h"
#include "shell/PageImage.h"
#include "shell/PageTable.h"

namespace {

// The full-size picture of Page (empty when the page has no form).
QImage PagePicture(int Page) {
  TMMX& Course = CourseMainWindow()->MMX();
  Course.PostGotoPage(Page, false);
  RunPosted();
  if (Course.CurrentPage() != Page || !Course.CurrentPageForm()) return {};
  return WidgetPicture(Course.CurrentPageForm());
}

TGIFPixels PixelsOf(const QImage& Picture) {
  const QImage Rgb = Picture.convertToFormat(QImage::Format_RGB32);
  TGIFPixels Pixels(Rgb.width(), Rgb.height());
  for (int Y = 0; Y < Rgb.height(); ++Y) {
    const auto* Line = reinterpret_cast<const std::uint32_t*>(Rgb.constScanLine(Y));
    std::copy(Line, Line + Rgb.width(), Pixels.Row(Y));
  }
  return Pixels;
}

// Mean absolute difference per colour channel (0 ... 255) between two
// pictures of the same size.
double MeanError(const TGIFPixels& A, const TGIFPixels& B) {
  double Sum = 0;
  for (std::size_t I = 0; I < A.Pixels.size(); ++I)
    for (const int Shift : {0, 8, 16})
      Sum += std::abs(static_cast<int>((A.Pixels[I] >> Shift) & 0xFF) - static_cast<int>((B.Pixels[I] >> Shift) & 0xFF));
  return Sum / (static_cast<double>(A.Pixels.size()) * 3.0);
}

void SetPictureCounters(benchmark::State& State, const TGIFPixels& Original, const TGIFPixels& Reduced) {
  State.counters["colours"] = static_cast<double>(CountColours(Original, 1u << 24));
  State.counters["mean_err"] = MeanError(Original, Reduced);
  State.counters["colours_after"] = static_cast<double>(CountColours(Reduced, 1u << 24));
}

// Arg 0: page; Arg 1: percent of the page's size.
void BM_ReduceLibimagequant(benchmark::State& State) {
  const QImage Picture = PagePicture(static_cast<int>(State.range(0)));
  if (Picture.isNull()) return State.SkipWithError("page not shown");
  const int Percent = static_cast<int>(State.range(1));
  const TGIFPixels Original =
      PixelsOf(Percent == 100 ? Picture
                              : Picture.scaled(Picture.size() * Percent / 100, Qt::IgnoreAspectRatio,
                                               Qt::SmoothTransformation));
  TGIFPixels Reduced;
  for (auto _ : State) {
    Reduced = ReduceColours(Original);
    benchmark::DoNotOptimize(Reduced.Pixels.data());
  }
  SetPictureCounters(State, Original, Reduced);
}

// Qt's own conversion: with Qt's default error diffusion (Arg 2 = 0) or
// without dithering (Arg 2 = 1).
void BM_ReduceQtIndexed8(benchmark::State& State) {
  const QImage Picture = PagePicture(static_cast<int>(State.range(0)));
  if (Picture.isNull()) return State.SkipWithError("page not shown");
  const int Percent = static_cast<int>(State.range(1));
  const QImage Source = (Percent == 100 ? Picture
                                        : Picture.scaled(Picture.size() * Percent / 100, Qt::IgnoreAspectRatio,
                                                         Qt::SmoothTransformation))
                            .convertToFormat(QImage::Format_RGB32);
  const Qt::ImageConversionFlags Flags =
      State.range(2) ? Qt::ImageConversionFlags(Qt::ThresholdDither) : Qt::ImageConversionFlags(Qt::AutoColor);
  QImage Reduced;
  for (auto _ : State) {
    Reduced = Source.convertToFormat(QImage::Format_Indexed8, Flags);
    benchmark::DoNotOptimize(Reduced.constBits());
  }
  SetPictureCounters(State, PixelsOf(Source), PixelsOf(Reduced));
}

// Five pages of different chapters, as large as a PNG and as the export's pictures.
void FivePages(benchmark::internal::Benchmark* Bench, bool WithDither) {
  for (const int Page : {110, 210, 310, 860, 960})
    for (const int Percent : {100, 25}) {
      if (WithDither)
        for (const int NoDither : {0, 1}) Bench->Args({Page, Percent, NoDither});
      else
        Bench->Args({Page, Percent});
    }
  Bench->Unit(benchmark::kMillisecond);
}

// What "Seite speichern" does for a GIF: the page's picture, its thumbnail
// (Arg 1 percent: 10 for the pupil's save, 25 for the export), the colours
// reduced, encoded and written.
void BM_SavePageAsGif(benchmark::State& State) {
  const int Page = static_cast<int>(State.range(0));
  if (PagePicture(Page).isNull()) return State.SkipWithError("page not shown");
  QTemporaryDir Dir;
  const QString File = Dir.filePath(QStringLiteral("seite.gif"));
  for (auto _ : State) CourseMainWindow()->MMX().SavePageImageToFile(File, static_cast<int>(State.range(1)), true);
}

// The information window's F7: every page with a form as N.gif at 25 %.
void BM_ExportAllPages(benchmark::State& State) {
  int Written = 0;
  for (auto _ : State) {
    State.PauseTiming();
    QTemporaryDir Dir;
    State.ResumeTiming();
    Written = TfmAbout::ExportPagePictures(CourseMainWindow()->MMX(), Dir.path(), CourseMainWindow());
  }
  State.counters["pages"] = Written;
}

}  // namespace

int main(int argc, char** argv) {
  return RunCourseBenchmarks(argc, argv, [] {
    FivePages(benchmark::RegisterBenchmark("BM_ReduceLibimagequant", BM_ReduceLibimagequant), false);
    FivePages(benchmark::RegisterBenchmark("BM_ReduceQtIndexed8", BM_ReduceQtIndexed8), true);
    auto* Save = benchmark::RegisterBenchmark("BM_SavePageAsGif", BM_SavePageAsGif)->Unit(benchmark::kMillisecond);
    for (const int Page : {110, 210, 310, 860, 960})
      for (const int Percent : {10, 25}) Save->Args({Page, Percent});
    benchmark::RegisterBenchmark("BM_ExportAllPages", BM_ExportAllPages)->Unit(benchmark::kMillisecond)->Iterations(2);
  });
}
