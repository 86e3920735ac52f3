// Drawing speed of the page background and the glass controls.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <vector>

#include "scene/PCVGlass.h"
#include "scene/PCPanel.h"
#include "scene/PixelRows.h"

namespace {

struct TBuffer {
  int W, H;
  std::vector<std::uint32_t> Data;
  TBuffer(int Width, int Height) : W(Width), H(Height), Data(static_cast<std::size_t>(Width * Height), 0xFF808080u) {}
  TPixelRows Rows() { return {reinterpret_cast<std::uint8_t*>(Data.data()), W * 4, W, H, 4}; }
};

void SetPixelRate(benchmark::State& State, int W, int H) {
  State.counters["pixels"] =
      benchmark::Counter(static_cast<double>(W) * H * static_cast<double>(State.iterations()), benchmark::Counter::kIsRate);
}

void BM_GradientRows(benchmark::State& State) {
  TBuffer Page(736, 482);
  for (auto _ : State) {
    FillGradient(Page.Rows(), 14676718, 4149052, 482 / 50, true);
    benchmark::DoNotOptimize(Page.Data.data());
  }
  SetPixelRate(State, 736, 482);
}
BENCHMARK(BM_GradientRows);

void BM_QuadraticBlendRows(benchmark::State& State) {
  TBuffer Glass(200, 40), Background(200, 40);
  for (auto _ : State) {
    BlendRows(Glass.Rows(), Background.Rows(), 0, 0, {0.8L, 0.0L, 2.0L, 7.0L}, TBlendCurve::Quadratic);
    benchmark::DoNotOptimize(Background.Data.data());
  }
  SetPixelRate(State, 200, 40);
}
BENCHMARK(BM_QuadraticBlendRows);

void BM_LinearBlendRowsFullPage(benchmark::State& State) {
  TBuffer Shape(736, 482), Background(736, 482);
  for (auto _ : State) {
    BlendRows(Background.Rows(), Shape.Rows(), 0, 0, {1.0L, -1.0L, 1.0L, 0.0L}, TBlendCurve::Linear);
    benchmark::DoNotOptimize(Shape.Data.data());
  }
  SetPixelRate(State, 736, 482);
}
BENCHMARK(BM_LinearBlendRowsFullPage);

// A page background with glass buttons on it, as the course pages have.
struct TPage {
  TPCPanel Panel;
  std::vector<TPCVGlassButton*> Buttons;
  explicit TPage(int ButtonCount) {
    Panel.SetColor(14676718);
    Panel.SetColor2(4149052);
    Panel.SetBackgroundMode(bmVFloat);
    Panel.SetBounds(0, 0, 736, 482);
    for (int I = 0; I < ButtonCount; ++I) {
      auto* B = new TPCVGlassButton(&Panel);
      B->SetBounds(20 + (I % 3) * 230, 20 + (I / 3) * 60, 200, 40);
      B->SetCaption("&Weiter");
      B->Loaded();
      Buttons.push_back(B);
    }
  }
};

void BM_PanelGradient(benchmark::State& State) {
  TPage Page(0);
  for (auto _ : State) Page.Panel.PaintBackground();
  SetPixelRate(State, 736, 482);
}
BENCHMARK(BM_PanelGradient)->Unit(benchmark::kMicrosecond);

void BM_GlassButtonRender(benchmark::State& State) {
  TPage Page(1);
  for (auto _ : State) Page.Buttons[0]->Render();
  SetPixelRate(State, 200, 40);
}
BENCHMARK(BM_GlassButtonRender)->Unit(benchmark::kMicrosecond);

// The whole page: background and ten glass buttons (the aim is below 5 ms).
void BM_PageWithTenGlassButtons(benchmark::State& State) {
  TPage Page(10);
  for (auto _ : State) {
    Page.Panel.PaintBackground();
    for (TPCVGlassButton* B : Page.Buttons) B->Render();
  }
  SetPixelRate(State, 736 * 482 + 10 * 200 * 40, 1);
}
BENCHMARK(BM_PageWithTenGlassButtons)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication App(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
