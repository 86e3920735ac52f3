// How the scene shapes draw themselves: the integer geometry of the scene
// core taken to the canvas with the shape's own pen, brush and font.
#include <QMetaObject>
#include <QVariant>
#include <cstdlib>

#include "platform/Picture.h"
#include "scene/MMFormsGeometry.h"
#include "scene/MMShapes.h"
#include "terms/TermLabel.h"

namespace {

constexpr TColor DialGrey = 8421504;
constexpr TSize LineEndSize = {LineEndLength, LineEndHalfWidth};

void Line(TCanvas& Canvas, TPoint From, TPoint To) {
  Canvas.MoveTo(From.X, From.Y);
  Canvas.LineTo(To.X, To.Y);
}

void Line(TCanvas& Canvas, const TLineSegment& S) { Line(Canvas, S.From, S.To); }

TRect Box(TPoint A, TPoint B) { return {A.X, A.Y, B.X, B.Y}; }

}  // namespace

void TSHotspot::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  Canvas.Brush().SetColor(clWhite);
  Canvas.DrawFocusRect(HotspotFocusRect(Pos(Points)));
}

void TSMarker::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  Canvas.SetPen(*FPen);
  Canvas.SetBrush(*FBrush);
  const TPoint P = Pos(Points);
  if (FKind == mtCircle) {
    Canvas.Ellipse(MarkerCircleRect(P));
  } else {
    for (const TLineSegment& S : MarkerCross(P)) Line(Canvas, S);
  }
}

void TSImageListBMP::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  if (!FImageList) return;
  const TSize Image = {FImageList->property("Width").toInt(), FImageList->property("Height").toInt()};
  const TPoint P = ImageListOrigin(Pos(Points), Image, FCentered);
  QMetaObject::invokeMethod(FImageList.data(), "Draw", Qt::DirectConnection, Q_ARG(TCanvas*, &Canvas),
                            Q_ARG(int, P.X), Q_ARG(int, P.Y), Q_ARG(int, FImageIndex), Q_ARG(bool, true));
}

void TSString::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  Canvas.SetFont(*FFont);
  Canvas.SetBkMode(FTransparent ? bkTransparent : bkOpaque);
  if (FInterpreted) return;
  const TPoint P = StringTextOrigin(Pos(Points), Canvas.TextExtent(FText), FCentered);
  Canvas.TextOut(P.X, P.Y, FText);
}

void TSCircle1::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  Canvas.SetPen(*FPen);
  Canvas.SetBrush(*FBrush);
  Canvas.Ellipse(Circle1Rect(Pos(Points), FRadius));
}

void TSBitmap::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  if (!FGraphic || !FBitmap) return;
  const TPoint P = Pos(Points);
  Canvas.Draw(P.X, P.Y, *FBitmap);
}

void TSCheckBox::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  const TPoint P = Pos(Points);
  int CaptionHeight = 0;
  if (!FCaption.isEmpty()) {
    Canvas.SetFont(*FFont);
    const TSize Extent = Canvas.TextExtent(FCaption);
    FCaptionWidth = Extent.cx;
    CaptionHeight = Extent.cy;
  }
  const TCheckBoxGeometry G = CheckBoxGeometry(P, CaptionHeight);
  Canvas.Brush().SetColor(clWindow);
  Canvas.Pen().SetWidth(1);
  Canvas.Rectangle(G.Box);
  Canvas.Pen().SetColor(DialGrey);
  Canvas.Polyline({G.Shadow.begin(), G.Shadow.end()});
  Canvas.Pen().SetColor(clWhite);
  Canvas.Polyline({G.Light.begin(), G.Light.end()});
  if (!FCaption.isEmpty()) {
    Canvas.SetBkMode(bkTransparent);
    Canvas.TextOut(G.CaptionAt.X, G.CaptionAt.Y, FCaption);
  }
  if (FChecked) {
    Canvas.Pen().SetColor(clBlack);
    Canvas.Pen().SetWidth(2);
    for (const TLineSegment& S : G.Cross) Line(Canvas, S);
  }
}

void TSLine::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  Canvas.SetPen(*FPen);
  const TPoint A = Corner(Points, 0);
  const TPoint B = Corner(Points, 1);
  Line(Canvas, A, B);
  DrawLineEnd(Canvas, B, FLineEnd1, LineEndSize, A);
  DrawLineEnd(Canvas, A, FLineEnd2, LineEndSize, B);
}

void TSLine::DrawLineEnd(TCanvas& Canvas, TPoint From, int Kind, TSize Size, TPoint Tip) {
  const auto Outline = LineEndPolyline(static_cast<TLineEnd>(Kind), From, Tip, Size.cx, Size.cy);
  if (!Outline.empty()) Canvas.Polyline(Outline);
}

void TSTickedLine::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  TSLine::Paint(Canvas, Points);
  if (P1() < 0 || P2() < 0) return;
  for (const TLineSegment& S : TickSegments(Corner(Points, 0), Corner(Points, 1), FDistance, FTickSize))
    Line(Canvas, S);
}

void TSDynaLine::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  TSLine::Paint(Canvas, Points);
  if (!Selected()) return;
  Canvas.Brush().SetColor(clWhite);
  for (const TPoint& H : DynaLineHandles(Corner(Points, 0), Corner(Points, 1)))
    Canvas.DrawFocusRect(HandleFocusRect(H));
}

void TSCircle::UseTools(TCanvas& Canvas) const {
  Canvas.SetPen(*FPen);
  Canvas.SetBrush(*FBrush);
}

void TSCircle::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  UseTools(Canvas);
  Canvas.Ellipse(CircleRect(Corner(Points, 0), Corner(Points, 1)));
}

void TSRectangle::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  UseTools(Canvas);
  Canvas.Rectangle(Box(Corner(Points, 0), Corner(Points, 1)));
}

void TSEllipse::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  UseTools(Canvas);
  Canvas.Ellipse(Box(Corner(Points, 0), Corner(Points, 1)));
}

void TSPole::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  const auto Bar = PolePolygon(Corner(Points, 0), Corner(Points, 1), FSize);
  if (Bar.empty()) return;
  UseTools(Canvas);
  Canvas.Polygon(Bar);
}

void TSForm::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  UseTools(Canvas);
  const auto Parts = FormParts(static_cast<TFormKind>(FKind), Corner(Points, 0), Corner(Points, 1), FParameter);
  for (const TFormPart& Part : Parts) {
    UseTools(Canvas);
    switch (Part.Paint) {
      case TFormPaint::Shape:
        break;
      case TFormPaint::Highlight:
        Canvas.Brush().SetColor(clWhite);
        Canvas.Brush().SetStyle(bsSolid);
        Canvas.Pen().SetStyle(psClear);
        break;
      case TFormPaint::Wheel:
        Canvas.Brush().SetColor(clBlack);
        break;
      case TFormPaint::SolidLine:
        Canvas.Pen().SetStyle(psSolid);
        break;
      case TFormPaint::SolidWheel:
        Canvas.Pen().SetStyle(psSolid);
        Canvas.Brush().SetColor(clBlack);
        break;
      case TFormPaint::Dial:
        Canvas.Pen().SetColor(DialGrey);
        Canvas.Pen().SetStyle(psSolid);
        Canvas.Pen().SetWidth(0);
        break;
      case TFormPaint::Needle:
        Canvas.Pen().SetWidth(2);
        break;
    }
    const std::vector<TPoint>& P = Part.Points;
    switch (Part.Kind) {
      case TFormPartKind::Ellipse:
        Canvas.Ellipse(Box(P[0], P[1]));
        break;
      case TFormPartKind::Rectangle:
        Canvas.Rectangle(Box(P[0], P[1]));
        break;
      case TFormPartKind::Polygon:
        Canvas.Polygon(P);
        break;
      case TFormPartKind::Line:
        Line(Canvas, P[0], P[1]);
        break;
    }
  }
}

void TSHalfCircle::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  if (P1() < 0 || P2() < 0) return;
  UseTools(Canvas);
  Canvas.Polygon(HalfCirclePolygon(Corner(Points, 0), Corner(Points, 1)));
}

void TSGraphic::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  const TPicture* Picture = PictureOf(FImage);
  if (!Picture || !Picture->Graphic()) return;
  const TPoint A = Corner(Points, 0);
  if (FStretch)
    Canvas.StretchDraw(Box(A, Corner(Points, 1)), *Picture->Graphic());
  else
    Canvas.Draw(A.X, A.Y, *Picture->Graphic());
}

void TSText::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  Canvas.SetFont(*FFont);
  const TPoint A = Corner(Points, 0);
  if (FTransparent) {
    Canvas.SetBkMode(bkTransparent);
    Canvas.TextOut(A.X, A.Y, FText);
  } else {
    Canvas.SetBkMode(bkOpaque);
    Canvas.TextRect(Box(A, Corner(Points, 1)), A.X, A.Y, FText);
  }
}

void TSTextBox::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  Canvas.SetBrush(*FBrush);
  Canvas.SetFont(*Font());
  const TPoint A = Corner(Points, 0);
  const TPoint B = Corner(Points, 1);
  const TRect R = Box(A, B);
  TTermLabel Label(Text());
  if (FTerm && Label.IsTerm()) {
    const TSize Size = Label.Layout(Canvas, Font()->FontSpec(), {std::abs(B.X - A.X), std::abs(B.Y - A.Y)});
    if (FBrush->Style() != bsClear) Canvas.FillRect(R);
    const TPoint T = TextBoxTextOrigin(PointPos(Points, FPosition), Size, FCentered);
    Label.Draw(Canvas, T.X, T.Y);
  } else {
    const TPoint T = TextBoxTextOrigin(PointPos(Points, FPosition), Canvas.TextExtent(Text()), FCentered);
    Canvas.TextRect(R, T.X, T.Y, Text());
  }
  Canvas.Brush().SetStyle(bsClear);
  Canvas.SetPen(*FPen);
  Canvas.Rectangle(R);
}

void TSTriangle::UseTools(TCanvas& Canvas) const {
  Canvas.SetPen(*FPen);
  Canvas.SetBrush(*FBrush);
}

void TSTriangle::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  UseTools(Canvas);
  Canvas.Polygon({Corner(Points, 0), Corner(Points, 1), Corner(Points, 2)});
}

void TSHalfEllipse::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  UseTools(Canvas);
  Canvas.Ellipse(Box(Corner(Points, 0), Corner(Points, 2)));
}

void TSBezier::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  Canvas.SetPen(*FPen);
  Canvas.PolyBezier({Corner(Points, 0), Corner(Points, 1), Corner(Points, 2), Corner(Points, 3)});
}

void TSQuadruPoint::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  Canvas.SetPen(*FPen);
  Canvas.SetBrush(*FBrush);
  Canvas.Polygon({Corner(Points, 0), Corner(Points, 1), Corner(Points, 2), Corner(Points, 3)});
}
