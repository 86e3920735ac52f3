#pragma once
// TXShape: one of 37 figure kinds drawn inside the control's bounds: unit
// figures turned and stretched, text boxes, figures with a shadow, colour
// fields, colour bands, figures combined with the background by a raster
// operation, and a block arrow. Font, Caption and ParentFont come from the
// control base.
#include <memory>

#include "common/Colors.h"
#include "components/XGraphicControl.h"
#include "platform/Graphics.h"
#include "components/XShapeTypes.h"

struct TFigureTransform;

class TXShape : public TXGraphicControl {
  Q_OBJECT
  Q_PROPERTY(TShapeForm Shape READ Shape WRITE SetShape)
  Q_PROPERTY(int Color2 READ Color2 WRITE SetColor2)
  Q_PROPERTY(TBrush* Brush READ Brush WRITE SetBrush)
  Q_PROPERTY(TPen* Pen READ Pen WRITE SetPen)
  Q_PROPERTY(double Rotation READ Rotation WRITE SetRotation)
  Q_PROPERTY(double ScaleY READ ScaleY WRITE SetScaleY)
  Q_PROPERTY(double ScaleX READ ScaleX WRITE SetScaleX)
  Q_PROPERTY(bool Invariant READ Invariant WRITE SetInvariant)
  Q_PROPERTY(bool Description READ Description WRITE SetDescription)
  Q_PROPERTY(bool Lines READ Lines WRITE SetLines)

 public:
  explicit TXShape(QWidget* Parent = nullptr);
  ~TXShape() override;

  void DrawAt(int X, int Y, TCanvas& Canvas) override;

  TShapeForm Shape() const { return FShape; }
  void SetShape(TShapeForm Value);
  TColor Color2() const { return FColor2; }
  void SetColor2(TColor Value);
  TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(TBrush* Value);
  TPen* Pen() const { return FPen.get(); }
  void SetPen(TPen* Value);
  double Rotation() const { return static_cast<double>(FRotation); }
  void SetRotation(double Value);
  double ScaleY() const { return static_cast<double>(FScaleY); }
  void SetScaleY(double Value);
  double ScaleX() const { return static_cast<double>(FScaleX); }
  void SetScaleX(double Value);
  bool Invariant() const { return FInvariant; }
  void SetInvariant(bool Value);
  bool Description() const { return FDescription; }
  void SetDescription(bool Value);
  bool Lines() const { return FLines; }
  void SetLines(bool Value);
 private:
  TFigureTransform Transform() const;
  void DrawUnitFigure(int X, int Y, TCanvas& C);
  void DrawTextBox(int X, int Y, TCanvas& C);
  void DrawShadowKind(int X, int Y, TCanvas& C);
  void DrawShadowFigure(int X, int Y, TCanvas& C, int Dx, int Dy, bool Shadow);
  void DrawColorField(int X, int Y, TCanvas& C);
  void DrawBands(int X, int Y, TCanvas& C);
  void DrawRasterKind(int X, int Y, TCanvas& C);
  void DrawBlockArrow(int X, int Y, TCanvas& C);
  void DrawCenteredCaption(int X, int Y, TCanvas& C);

  TShapeForm FShape = TShapeForm::srRect;
  TColor FColor2 = clBlack;
  std::unique_ptr<TBrush> FBrush;
  std::unique_ptr<TPen> FPen;
  long double FRotation = 0;
  long double FScaleY = 1;
  long double FScaleX = 1;
  bool FInvariant = false;
  bool FDescription = false;
  bool FLines = false;
};
