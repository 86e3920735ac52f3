#include "shell/Statistik.h"

#include <QFontMetrics>

#include "platform/Canvas.h"
#include "platform/PaintBox.h"
#include "platform/ScrollBox.h"
#include "shell/MMX.h"
#include "shell/NavigationKeys.h"

TfmStatistik::TfmStatistik(QWidget* Parent) : TForm(Parent) { setWindowFlags(Qt::Dialog); }

TfmStatistik::~TfmStatistik() = default;

TScrollBox* TfmStatistik::ScrollBox1() const { return Component<TScrollBox>(QStringLiteral("ScrollBox1")); }
TPaintBox* TfmStatistik::PaintBox1() const { return Component<TPaintBox>(QStringLiteral("PaintBox1")); }

void TfmStatistik::FormCreate(QObject*) {
  FPages = MMX->Model().Contents().WalkPages();
  // The way across lessons may run past the design's width: the box grows
  // so that the scroll box reaches its end.
  const TStatisticsChart C = Chart();
  if (!C.Dots.empty() && C.Dots.back().Box.Right + ChartVisitStep > PaintBox1()->Width())
    PaintBox1()->SetWidth(C.Dots.back().Box.Right + ChartVisitStep);
  PaintBox1()->SetTable(ChartTable(C, MMX->WayAcrossLessons()));
}

TPaintedTable TfmStatistik::ChartTable(const TStatisticsChart& C, const std::vector<int>& Way) const {
  TPaintedTable T;
  T.Caption = QStringLiteral("Dein Weg durch den Kurs");
  T.Cells.push_back({QStringLiteral("Seite"), QStringLiteral("Besuche"), QStringLiteral("Besuch Nummer")});
  T.Rows.emplace_back();
  for (std::size_t I = 0; I < FPages.size() && I < C.Labels.size(); ++I) {
    QStringList Numbers;
    for (std::size_t K = 0; K < Way.size(); ++K)
      if (Way[K] == FPages[I]) Numbers << QString::number(K + 1);
    T.Cells.push_back({QString::fromStdString(C.Labels[I].Text), QString::number(Numbers.size()),
                       Numbers.join(QStringLiteral(", "))});
    T.Rows.emplace_back(0, C.Labels[I].Y, ChartRowEnd, ChartRowPitch);
  }
  return T;
}

void TfmStatistik::FormKeyDown(QObject*, int& Key, int) {
  // Nothing to go to here: Enter closes like Escape.
  HandleNavigationKey(*this, Key, [this] {
    SetModalResult(mrOk);
    hide();
  });
}

TStatisticsChart TfmStatistik::Chart() const {
  const TTableOfContents& Toc = MMX->Model().Contents();
  const QFontMetrics Metrics(PaintBox1()->Font()->ToQFont());
  return LayOutStatisticsChart(
      FPages, MMX->WayAcrossLessons(), [&](int Page) { return Toc.ShortPath(Page); },
      [&](const std::string& Text) { return Metrics.horizontalAdvance(QString::fromStdString(Text)); },
      PaintBox1()->Width());
}

void TfmStatistik::PaintBox1Paint(QObject*) {
  TCanvas& Canvas = *PaintBox1()->Canvas();
  const TStatisticsChart C = Chart();
  Canvas.Font().SetColor(clWhite);
  Canvas.SetBkMode(bkTransparent);
  for (size_t I = 0; I < C.Rows.size(); ++I) {
    const TChartLine& Row = C.Rows[I];
    Canvas.Pen().SetWidth(Row.Width);
    Canvas.Pen().SetColor(Row.Color);
    Canvas.MoveTo(Row.From.X, Row.From.Y);
    Canvas.LineTo(Row.To.X, Row.To.Y);
    Canvas.TextOut(C.Labels[I].X, C.Labels[I].Y, QString::fromStdString(C.Labels[I].Text));
  }
  TRect Frame = C.Frame.Rect;
  Frame3D(Canvas, Frame, C.Frame.TopLeft, C.Frame.BottomRight, C.Frame.Width);
  Canvas.Brush().SetColor(clRed);
  for (size_t I = 0; I < C.Way.size(); ++I) {
    const TChartLine& Step = C.Way[I];
    Canvas.Pen().SetWidth(Step.Width);
    Canvas.Pen().SetColor(Step.Color);
    Canvas.MoveTo(Step.From.X, Step.From.Y);
    Canvas.LineTo(Step.To.X, Step.To.Y);
    const TChartDot& Dot = C.Dots[I];
    Canvas.Pen().SetWidth(Dot.PenWidth);
    Canvas.Pen().SetColor(Dot.Pen);
    Canvas.Brush().SetColor(Dot.Brush);
    Canvas.Ellipse(Dot.Box);
  }
}
