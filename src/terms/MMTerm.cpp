#include "terms/MMTerm.h"

#include <QAccessible>
#include <QImage>
#include <exception>

#include "platform/ControlAccessible.h"

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
  Canvas.Font().SetSpec(Box.Font()->FontSpec());
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
  DrawTermAt(Canvas, *Term, 4, 4);
}
