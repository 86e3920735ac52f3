#include "terms/MMTerm.h"

#include <QAccessible>
#include <QImage>
#include <algorithm>
#include <exception>

#include "platform/ControlAccessible.h"
#include "terms/TermFace.h"

namespace {

constexpr TColor FrameWhite = 16777215;
constexpr TColor FrameGrey = 8421504;

}  // namespace

TMMTerm::TMMTerm(QWidget* Parent) : TMMButton(Parent) {}

void TMMTerm::CaptionChanged() {
  TMMButton::CaptionChanged();
  if (!ScreenReadersListen()) return;
  QAccessibleInterface* Interface = QAccessible::queryAccessibleInterface(this);
  QAccessibleValueChangeEvent Event(this, Interface ? Interface->text(QAccessible::Value) : Caption());
  TellScreenReaders(Event);
  // Readers on the desktop bus hear the new term through the description.
  QAccessibleEvent Described(this, QAccessible::DescriptionChanged);
  TellScreenReaders(Described);
}

std::unique_ptr<TTerm> TMMTerm::GetTerm() const { return TTerm::ParseTerm(Caption().toStdString()); }

void TMMTerm::SetTypedTerm(const QString& Typed, const QString& Caption) {
  FTyped = Typed;
  FTypedCaption = Caption;
  SetCaption(Caption);
}

QString TMMTerm::EditText() const {
  if (!FTyped.isEmpty() && Caption() == FTypedCaption) return FTyped;
  const std::unique_ptr<TTerm> Term = GetTerm();
  return Term->IsA<TText>() ? QString() : QString::fromStdString(Term->ToCompactString());
}

TSize TMMTerm::TermRoom() const {
  // From (4, 4) to the inner edge of the two-pixel frame, one pixel clear of it.
  return {Width() - 4 - 3, Height() - 4 - 3};
}

namespace {
// Sets Canvas's font to the one in which Box shows Term; true when it fits.
bool UseCaptionFont(TCanvas& Canvas, const TMMTerm& Box, const TTerm& Term) {
  Canvas.Font().SetSpec(TermFont(Box.Font()->FontSpec()));
  try {
    return FitTermFont(Canvas.Core(), Term, Box.TermRoom(), TMMTerm::MinFontHeight);
  } catch (const std::exception&) {
    return false;  // drawn as "?" anyway
  }
}
}  // namespace

TFontSpec TMMTerm::CaptionFont(bool* Fits) const {
  QImage Scratch(1, 1, QImage::Format_RGB32);
  TCanvas Canvas(&Scratch);
  const bool Fitted = UseCaptionFont(Canvas, *this, *GetTerm());
  if (Fits) *Fits = Fitted;
  return Canvas.Core().GetFont();
}

void DrawTermAt(TCanvas& Canvas, const TTerm& Term, int X, int Y) {
  Canvas.SetBkMode(bkTransparent);
  Canvas.Pen().SetStyle(psSolid);
  Canvas.Pen().SetWidth(1);
  Canvas.Pen().SetMode(pmCopy);
  try {
    Term.Draw(Canvas.Core(), X, Y);
  } catch (const std::exception&) {
    Canvas.Core().TextOut(X, Y, "?");
  }
}

int CentredTermTop(TCanvas& Canvas, const TTerm& Term, int Height, int MinTop) {
  TSize Size;
  try {
    Size = Term.Measure(Canvas.Core());
  } catch (const std::exception&) {
    return MinTop;  // drawn as "?" from the top
  }
  // Lines and leaning letters may reach a little out of the term's cells.
  constexpr int Spare = 4;
  QImage Scratch(std::max(1, Size.cx + 2 * Spare), std::max(1, Size.cy + 2 * Spare), QImage::Format_ARGB32);
  Scratch.fill(Qt::transparent);
  {
    TCanvas Ink(&Scratch);
    Ink.Font().SetSpec(Canvas.Core().GetFont());
    DrawTermAt(Ink, Term, Spare, Spare);
  }
  int First = -1, Last = -1;
  for (int Y = 0; Y < Scratch.height(); ++Y) {
    const auto* Row = reinterpret_cast<const QRgb*>(Scratch.constScanLine(Y));
    if (std::any_of(Row, Row + Scratch.width(), [](QRgb P) { return qAlpha(P) != 0; })) {
      if (First < 0) First = Y;
      Last = Y;
    }
  }
  if (First < 0) return std::max(MinTop, (Height - Size.cy) / 2);
  return std::max(MinTop, (Height - (Last - First + 1)) / 2 - (First - Spare));
}

void TMMTerm::DrawState(TCanvas& Canvas, int AState) {
  const int W = Width();
  const int H = Height();
  PrepareCanvas(Canvas);
  TRect Frame = Rect(0, 0, W, H);
  switch (AState) {
    case 1:
      DrawFace(Canvas, AState, 2, 2);
      if (Ctl3D()) Frame3D(Canvas, Frame, FrameWhite, FrameGrey, 2);
      break;
    case 2:
    case 3:
      DrawFace(Canvas, AState, 2, 2);
      if (Ctl3D()) Frame3D(Canvas, Frame, FrameGrey, FrameWhite, 2);
      break;
    default:
      DrawFace(Canvas, AState, Transparent() ? 0 : 2, Transparent() ? 0 : 2);
      Canvas.Brush().SetStyle(bsClear);
      Canvas.Pen().SetColor(FrameGrey);
      Canvas.Pen().SetWidth(2);
      Canvas.Rectangle(1, 1, W, H);
      Canvas.Pen().SetWidth(1);
      Canvas.Pen().SetColor(FrameWhite);
      if (Ctl3D()) Canvas.Polyline({{1, H - 1}, {1, 1}, {W - 1, 1}, {W - 1, H - 1}, {1, H - 1}});
      break;
  }
  if (Caption().isEmpty()) return;
  std::unique_ptr<TTerm> Term = GetTerm();
  UseCaptionFont(Canvas, *this, *Term);
  // From the left as designed, centred between the top and the bottom.
  DrawTermAt(Canvas, *Term, 4, CentredTermTop(Canvas, *Term, H, 2));
}
