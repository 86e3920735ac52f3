#include "shell/LernstandReport.h"

#include <QDate>
#include <QPainter>

#include "platform/Fonts.h"

namespace {

constexpr int Width = 600;
constexpr int HeadingHeight = 40;
constexpr int ColumnsHeight = 24;
constexpr int LineHeight = 20;
constexpr int TextX = 8;
constexpr int TickX = 30;  // page lines: the tick, then the page
constexpr int PageX = 50;
constexpr int SolvedX = 400;
constexpr int ChecksRight = Width - 8;
// An A4 page at 96 dpi and its margins.
constexpr int PaperWidth = 794;
constexpr int PaperHeight = 1123;
constexpr int Margin = 64;

const QColor Ink(40, 40, 60);
const QColor ChapterInk(80, 20, 16);
const QColor ChapterBand(226, 234, 248);
const QColor StripeBand(246, 246, 246);
const QColor TickInk(20, 140, 40);

QFont Tahoma(int PixelHeight, bool Bold = false) {
  TFontSpec Face;
  Face.Name = "Tahoma";
  Face.Height = -PixelHeight;
  QFont Font = MakeQFont(Face);
  Font.setBold(Bold);
  return Font;
}

}  // namespace

TLernstandReport::TLernstandReport(const TLernstand& Lernstand, const TTableOfContents& Toc, const TPageTable& Table) {
  FHeading = Lernstand.Pupil().empty() ? QStringLiteral("Lernstand")
                                       : QStringLiteral("Lernstand von %1").arg(QString::fromStdString(Lernstand.Pupil()));
  FHeading += QStringLiteral(", Stand %1").arg(QDate::currentDate().toString(QStringLiteral("d.M.yyyy")));
  for (const TChapterProgress& C : ChapterProgress(Toc, Table, Lernstand)) {
    FLines.push_back({true, false,
                      QStringLiteral("%1 (%2/%3)").arg(QString::fromStdString(C.Title)).arg(C.Solved).arg(C.Total()),
                      QString(), QString()});
    for (int Page : C.Pages) {
      const TPageProgress P = Lernstand.Progress(Page);
      FLines.push_back({false, P.Solved,
                        QStringLiteral("%1 %2").arg(Page).arg(QString::fromStdString(Toc.Node(Toc.NodeOf(Page)).Title)),
                        P.Solved ? QString::fromStdString(P.FirstSolved.GermanDate()) : QString(),
                        QString::number(P.Checks)});
    }
  }
}

QSize TLernstandReport::Size() const {
  return {Width, HeadingHeight + ColumnsHeight + static_cast<int>(FLines.size()) * LineHeight + 8};
}

void TLernstandReport::Paint(QPainter& P) const {
  P.save();
  P.setRenderHint(QPainter::Antialiasing);
  P.setRenderHint(QPainter::TextAntialiasing);
  P.setPen(Ink);
  P.setFont(Tahoma(20, true));
  P.drawText(QRect(TextX, 0, Width - 2 * TextX, HeadingHeight), Qt::AlignLeft | Qt::AlignVCenter, FHeading);

  int Y = HeadingHeight;
  P.setFont(Tahoma(13, true));
  P.drawText(QRect(TextX, Y, Width, ColumnsHeight), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Kapitel und Seite"));
  P.drawText(QRect(SolvedX, Y, 100, ColumnsHeight), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Gelöst am"));
  P.drawText(QRect(SolvedX, Y, ChecksRight - SolvedX, ColumnsHeight), Qt::AlignRight | Qt::AlignVCenter,
             QStringLiteral("Prüfungen"));
  Y += ColumnsHeight;
  P.drawLine(TextX, Y - 2, ChecksRight, Y - 2);

  bool Stripe = false;
  for (const TLine& L : FLines) {
    const QRect Row(0, Y, Width, LineHeight);
    if (L.Chapter) {
      P.fillRect(Row, ChapterBand);
      P.setPen(ChapterInk);
      P.setFont(Tahoma(14, true));
      P.drawText(Row.adjusted(TextX, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, L.Text);
      Stripe = false;
    } else {
      if (Stripe) P.fillRect(Row, StripeBand);
      Stripe = !Stripe;
      if (L.Solved) {
        P.setPen(QPen(TickInk, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        P.drawPolyline(QPolygonF({QPointF(TickX, Y + 10), QPointF(TickX + 4, Y + 14), QPointF(TickX + 11, Y + 5)}));
      }
      P.setPen(Ink);
      P.setFont(Tahoma(13));
      P.drawText(QRect(PageX, Y, SolvedX - PageX - 8, LineHeight), Qt::AlignLeft | Qt::AlignVCenter, L.Text);
      P.drawText(QRect(SolvedX, Y, 100, LineHeight), Qt::AlignLeft | Qt::AlignVCenter, L.SolvedOn);
      P.drawText(QRect(SolvedX, Y, ChecksRight - SolvedX, LineHeight), Qt::AlignRight | Qt::AlignVCenter, L.Checks);
    }
    Y += LineHeight;
  }
  P.restore();
}

QImage TLernstandReport::PagePicture() const {
  QImage Picture(PaperWidth, PaperHeight, QImage::Format_RGB32);
  Picture.fill(Qt::white);
  QPainter P(&Picture);
  const QSize S = Size();
  const double Room = PaperHeight - 2.0 * Margin;
  const double Scale = S.height() > Room ? Room / S.height() : 1.0;
  P.translate(Margin, Margin);
  P.scale(Scale, Scale);
  Paint(P);
  return Picture;
}

TPaintedTable TLernstandReport::Table() const {
  TPaintedTable T;
  T.Caption = FHeading;
  T.ColumnEdges = {0, SolvedX, SolvedX + 100, Width};
  T.Cells.push_back({QStringLiteral("Kapitel und Seite"), QStringLiteral("Gelöst am"), QStringLiteral("Prüfungen")});
  T.Rows.emplace_back(0, HeadingHeight, Width, ColumnsHeight);
  int Y = HeadingHeight + ColumnsHeight;
  for (const TLine& L : FLines) {
    T.Cells.push_back({L.Text, L.SolvedOn, L.Checks});
    T.Rows.emplace_back(0, Y, Width, LineHeight);
    Y += LineHeight;
  }
  return T;
}
