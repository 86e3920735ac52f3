#include "components/XShape.h"

#include <algorithm>

#include "components/XShapeFields.h"
#include "components/XShapeFigures.h"
#include "components/XShapeMath.h"
#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Graphics.h"

namespace {
TCopyMode ToCopyMode(TRasterMode Mode) {
  switch (Mode) {
    case TRasterMode::Invert: return SRCINVERT;
    case TRasterMode::And: return SRCAND;
    case TRasterMode::Paint: return SRCPAINT;
    case TRasterMode::Erase: return SRCERASE;
    case TRasterMode::PatPaint: return PATPAINT;
  }
  return SRCCOPY;
}

constexpr unsigned CenteredLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP;
}  // namespace

TXShape::TXShape(QWidget* Parent)
    : TXGraphicControl(Parent),
      FBrush(std::make_unique<TBrush>()),
      FPen(std::make_unique<TPen>()) {
  resize(65, 65);
  connect(FBrush.get(), &TBrush::Changed, this, [this] { update(); });
  connect(FPen.get(), &TPen::Changed, this, [this] { update(); });
}

TXShape::~TXShape() = default;

void TXShape::SetShape(TShapeForm Value) {
  if (static_cast<int>(Value) >= ShapeFormCount) return;
  FShape = Value;
  update();
}

void TXShape::SetColor2(TColor Value) {
  FColor2 = Value;
  update();
}

void TXShape::SetBrush(TBrush* Value) {
  if (Value && Value != FBrush.get()) FBrush->Assign(*Value);
}

void TXShape::SetPen(TPen* Value) {
  if (Value && Value != FPen.get()) FPen->Assign(*Value);
}

void TXShape::SetRotation(double Value) {
  FRotation = Value;
  update();
}

void TXShape::SetScaleY(double Value) {
  FScaleY = Value;
  update();
}

void TXShape::SetScaleX(double Value) {
  FScaleX = Value;
  update();
}

void TXShape::SetInvariant(bool Value) {
  FInvariant = Value;
  update();
}

void TXShape::SetDescription(bool Value) {
  FDescription = Value;
  update();
}

void TXShape::SetLines(bool Value) {
  FLines = Value;
  update();
}

TFigureTransform TXShape::Transform() const {
  TFigureTransform T;
  T.Width = width();
  T.Height = height();
  T.Rotation = FRotation;
  T.ScaleX = FScaleX;
  T.ScaleY = FScaleY;
  T.Invariant = FInvariant;
  return T;
}

void TXShape::DrawAt(int X, int Y, TCanvas& C) {
  if (!Visible()) return;
  C.SetFont(*Font());
  C.Brush().SetStyle(bsClear);
  C.SetBkMode(bkTransparent);
  using enum TShapeForm;
  if (IsUnitFigure(FShape))
    DrawUnitFigure(X, Y, C);
  else if (FShape == stTextBox || FShape == stRdTextBox || FShape == stTextCircle)
    DrawTextBox(X, Y, C);
  else if (IsColorField(FShape))
    DrawColorField(X, Y, C);
  else if (IsShadowKind(FShape))
    DrawShadowKind(X, Y, C);
  else if (FShape == shZembo) {
    C.SetBrush(*FBrush);
    C.SetPen(*FPen);
    C.Ellipse(X, Y, X + width() - 1, Y + height() - 1);
  } else if (IsRasterOpKind(FShape))
    DrawRasterKind(X, Y, C);
  else if (FShape == stArrowRight)
    DrawBlockArrow(X, Y, C);
  else if (FShape == sfHLinear || FShape == sfVLinear)
    DrawBands(X, Y, C);
}

void TXShape::DrawUnitFigure(int X, int Y, TCanvas& C) {
  const TFigureTransform T = Transform();
  for (const TFigureLabel& L : FigureLabels(FShape, T, X, Y, FDescription, FLines))
    C.TextOut(L.At.X, L.At.Y, QString::fromStdString(L.Text));
  C.SetBrush(*FBrush);
  C.SetPen(*FPen);
  C.Polygon(TransformFigure(FShape, T, X, Y));
}

void TXShape::DrawTextBox(int X, int Y, TCanvas& C) {
  C.SetBrush(*FBrush);
  C.SetPen(*FPen);
  const int R = X + width() - 1;
  const int B = Y + height() - 1;
  switch (FShape) {
    case TShapeForm::stTextBox: C.Rectangle(X, Y, R, B); break;
    case TShapeForm::stRdTextBox: C.RoundRect(X, Y, R, B, 20, 20); break;
    default: C.Ellipse(X, Y, R, B); break;
  }
  if (FDescription) DrawCenteredCaption(X, Y, C);
}

void TXShape::DrawCenteredCaption(int X, int Y, TCanvas& C) {
  C.Brush().SetStyle(bsClear);
  C.SetBkMode(bkTransparent);
  TRect R = Rect(X, Y, X + width(), Y + height());
  C.DrawText(Caption(), R, CenteredLine);
}

void TXShape::DrawShadowKind(int X, int Y, TCanvas& C) {
  const int Dx = XRoundCoord(FScaleX);
  const int Dy = XRoundCoord(FScaleY);
  // The shadow: everything in Color2, the outline two pixels wider.
  C.SetPen(*FPen);
  C.Pen().SetColor(FColor2);
  C.Pen().SetWidth(FPen->Width() + 2);
  C.Font().SetColor(FColor2);
  C.SetBrush(*FBrush);
  if (FBrush->Style() != bsClear) C.Brush().SetColor(FColor2);
  C.SetBkMode(bkTransparent);
  DrawShadowFigure(X, Y, C, Dx, Dy, true);
  // Then the figure itself in its own colours.
  C.SetPen(*FPen);
  C.SetBrush(*FBrush);
  C.SetFont(*Font());
  C.SetBkMode(bkTransparent);
  DrawShadowFigure(X, Y, C, Dx, Dy, false);
}

void TXShape::DrawShadowFigure(int X, int Y, TCanvas& C, int Dx, int Dy, bool Shadow) {
  const TRect Box = Shadow ? Rect(X + Dx, Y + Dy, X + width() - 1, Y + height() - 1)
                           : Rect(X, Y, X + width() - Dx - 1, Y + height() - Dy - 1);
  switch (FShape) {
    case TShapeForm::shRect: C.Rectangle(Box); break;
    case TShapeForm::shEllipse: C.Ellipse(Box); break;
    case TShapeForm::shText: C.TextOut(Box.Left, Box.Top, Caption()); break;
    case TShapeForm::shText2: {
      TRect R = Box;
      C.DrawText(Caption(), R, CenteredLine);
      break;
    }
    case TShapeForm::shArrow: {
      const TSmallArrow A = ShadowArrow(width(), height(), Dx, Dy, Shadow, X, Y);
      C.MoveTo(A.ShaftFrom.X, A.ShaftFrom.Y);
      C.LineTo(A.ShaftTo.X, A.ShaftTo.Y);
      C.Polygon(A.Head);
      break;
    }
    default: break;
  }
}

void TXShape::DrawColorField(int X, int Y, TCanvas& C) {
  TColorFieldSpec S;
  S.Kind = FShape;
  S.Width = width();
  S.Height = height();
  S.ScaleX = FScaleX;
  S.ScaleY = FScaleY;
  S.Rotation = FRotation;
  S.Brush = FBrush->Color();
  S.Color2 = FColor2;
  S.Dither = FInvariant;
  S.Clip = C.ClipRect();
  C.Brush().SetStyle(bsSolid);
  ForEachColorCell(S, X, Y, [&C](const TRect& R, TColor Color) {
    C.Brush().SetColor(Color);
    C.FillRect(R);
  });
  if (FDescription) DrawCenteredCaption(X, Y, C);
}

void TXShape::DrawBands(int X, int Y, TCanvas& C) {
  const bool Horizontal = FShape == TShapeForm::sfHLinear;
  const int W = width();
  const int H = height();
  C.Brush().SetStyle(bsSolid);
  ForEachBand(Horizontal ? W : H, Horizontal ? FScaleX : FScaleY, FBrush->Color(), FColor2,
              [&](const TBand& B) {
                C.Brush().SetColor(B.Color);
                // Cut to the control: the last band reaches beyond it.
                if (Horizontal)
                  C.FillRect(Rect(X + B.From, Y, X + std::min(B.To, W), Y + H));
                else
                  C.FillRect(Rect(X, Y + B.From, X + W, Y + std::min(B.To, H)));
              });
  C.SetPen(*FPen);
  C.Brush().SetStyle(bsClear);
  C.Rectangle(X, Y, X + W, Y + H);
  if (FDescription) DrawCenteredCaption(X, Y, C);
}

void TXShape::DrawRasterKind(int X, int Y, TCanvas& C) {
  const int W = width();
  const int H = height();
  if (W <= 0 || H <= 0) return;
  const TRasterPlan Plan = RasterPlan(FShape, FScaleX, FScaleY);
  TBitmap Picture(W, H);
  TCanvas& B = Picture.Canvas();
  if (Plan.PreFill) {
    B.Brush().SetColor(FColor2);
    B.Brush().SetStyle(bsSolid);
    B.FillRect(Rect(0, 0, W, H));
  }
  B.SetBrush(*FBrush);
  B.SetPen(*FPen);
  switch (Plan.Figure) {
    case TRasterFigure::Rectangle: B.Rectangle(0, 0, W, H); break;
    case TRasterFigure::Ellipse: B.Ellipse(0, 0, W, H); break;
    case TRasterFigure::Diamond: B.Polygon(DiamondPoints(W, H, 0, 0)); break;
  }
  B.EndPaint();
  // The brush colour is the pattern of the pattern-painting mode.
  C.SetBrush(*FBrush);
  C.DrawImage(Rect(X, Y, X + W, Y + H), Picture.Image(), Rect(0, 0, W, H), ToCopyMode(Plan.Mode));
}

void TXShape::DrawBlockArrow(int X, int Y, TCanvas& C) {
  C.SetBrush(*FBrush);
  C.SetPen(*FPen);
  C.Polygon(BlockArrowPoints(width(), height(), XRoundCoord(FScaleX), XRoundCoord(FScaleY),
                             ArrowRightDirection(FRotation), X, Y));
}
