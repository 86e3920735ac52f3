#include "terms/TermLabel.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "platform/Canvas.h"
#include "terms/MMTerm.h"
#include "terms/TermFace.h"

TTermLabel::TTermLabel(const QString& Text) {
  const qsizetype Blank = Text.indexOf(QLatin1Char(' '));
  const QString Term = Blank < 0 ? Text : Text.left(Blank);
  if (Blank >= 0) FWords = Text.mid(Blank + 1).trimmed();
  std::unique_ptr<TTerm> Parsed = TTerm::ParseTerm(Term.toStdString());
  if (!Term.isEmpty() && !Parsed->IsExactly<TText>()) FTerm = std::move(Parsed);
}

TTermLabel::~TTermLabel() = default;

TSize TTermLabel::Layout(TCanvas& Canvas, const TFontSpec& Font, TSize Room) {
  if (!FTerm) return {0, 0};
  FFont = TermFont(Font);
  FFont.Style &= ~static_cast<unsigned>(fsItalic);  // the term sets its own letters in italics
  Canvas.Font().SetSpec(FFont);
  const auto Words = [&] {
    FWordsSize = FWords.isEmpty() ? TSize{0, 0} : Canvas.TextExtent(FWords);
    FGap = FWords.isEmpty() ? 0 : Canvas.TextWidth(QStringLiteral(" "));
  };
  Words();
  FitTermFont(Canvas.Core(), *FTerm, {Room.cx - FWordsSize.cx - FGap, Room.cy}, TMMTerm::MinFontHeight);
  const TFontSpec Upright = Canvas.Core().GetFont();
  FTurned = false;
  if (FWords.isEmpty() && Room.cy > Room.cx && Upright.Height != FFont.Height) {
    Canvas.Font().SetSpec(FFont);
    FitTermFont(Canvas.Core(), *FTerm, {Room.cy, Room.cx}, TMMTerm::MinFontHeight);
    FTurned = std::abs(Canvas.Core().GetFont().Height) > std::abs(Upright.Height);
  }
  if (!FTurned) Canvas.Font().SetSpec(Upright);
  FFont = Canvas.Core().GetFont();
  Words();
  FTermSize = FTerm->Measure(Canvas.Core());
  const TSize Size = {FTermSize.cx + FGap + FWordsSize.cx, std::max(FTermSize.cy, FWordsSize.cy)};
  return FTurned ? TSize{Size.cy, Size.cx} : Size;
}

void TTermLabel::Draw(TCanvas& Canvas, int X, int Y) {
  if (!FTerm) return;
  if (FTurned && Canvas.Painter()) {
    // Reads upwards: the line's start at the bottom left of the label.
    QPainter& Painter = *Canvas.Painter();
    Painter.save();
    Painter.translate(X, Y + FTermSize.cx);
    Painter.rotate(-90);
    FTurned = false;
    Draw(Canvas, 0, 0);
    FTurned = true;
    Painter.restore();
    return;
  }
  Canvas.Font().SetSpec(FFont);
  const int Height = std::max(FTermSize.cy, FWordsSize.cy);
  const int Top = Y + CentredTermTop(Canvas, *FTerm, Height, -Height);
  DrawTermAt(Canvas, *FTerm, X, Top);
  if (FWords.isEmpty()) return;
  // The words stand on the term's last line: their cell ends where its cell ends.
  Canvas.SetBkMode(bkTransparent);
  Canvas.TextOut(X + FTermSize.cx + FGap, Top + FTermSize.cy - FWordsSize.cy, FWords);
}
