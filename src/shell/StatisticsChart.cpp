#include "shell/StatisticsChart.h"

#include <algorithm>

#include "common/Colors.h"
#include "shell/PageNumbers.h"

TStatisticsChart LayOutStatisticsChart(const std::vector<int>& Pages, const std::vector<int>& History,
                                       const std::function<std::string(int Page)>& Label,
                                       const std::function<int(const std::string& Text)>& TextWidth, int BoxWidth) {
  TStatisticsChart Chart;
  int Y = ChartTop;
  int MaxW = 0;
  // The rows: the label at the left, the row line right after it, 2 pixels wide.
  for (int Page : Pages) {
    std::string Text = Label(Page);
    const int W = TextWidth(Text);
    MaxW = std::max(MaxW, W);
    Chart.Rows.push_back({{W, Y + 4}, {ChartRowEnd, Y + 4}, ChapterColor(Page), 2});
    Chart.Labels.push_back({0, Y - 2, std::move(Text)});
    Y += ChartRowPitch;
  }
  Chart.Bottom = Y + 4;
  Chart.Frame = {{MaxW + 2, 0, BoxWidth - MaxW - 1, Y + 4}, clWhite, ChartFrameShadow, 1};

  // The way: from the frame's top edge to each visited page's row, one step
  // to the right per visit, in a 1-pixel white pen (the frame left the pen
  // that thin) with a red dot on every visit.
  int X = MaxW + 4;
  TPoint Pen{X, 0};
  for (int Page : History) {
    const auto Found = std::find(Pages.begin(), Pages.end(), Page);
    const int R = Found == Pages.end() ? 0 : static_cast<int>(Found - Pages.begin());
    const int Yr = ChartTop + R * ChartRowPitch;
    const TPoint To{X + 2, Yr + 4};
    Chart.Way.push_back({Pen, To, clWhite, 1});
    Pen = To;
    Chart.Dots.push_back({{X - 1, Yr + 1, X + 5, Yr + 7}, clWhite, clRed, 1});
    X += ChartVisitStep;
  }
  return Chart;
}
