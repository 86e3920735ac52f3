#pragma once
// TPCShape: a rectangle or ellipse on a TPCPanel, blended over the panel's
// background with a transparency that changes linearly across it. The shape
// keeps its finished picture in a buffer. A change of the shape or of what
// lies below it only marks the buffer out of date; it is blended anew once,
// when the shape is painted or its picture is needed (by a shape above it,
// or through ShapeBuffer), however many changes came in between.
#include <QRect>
#include <memory>

#include "platform/Bitmap.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "scene/PixelRows.h"

class TPCPanel;

enum TPCShapeForm : std::uint8_t { sfRectangle, sfEllipse };

class TPCShape : public TControl {
  Q_OBJECT
  Q_PROPERTY(int Color READ Color WRITE SetColor)
  Q_PROPERTY(double TransparentOX READ TransparentOX WRITE SetTransparentOX)
  Q_PROPERTY(double TransparentSX READ TransparentSX WRITE SetTransparentSX)
  Q_PROPERTY(double TransparentOY READ TransparentOY WRITE SetTransparentOY)
  Q_PROPERTY(double TransparentSY READ TransparentSY WRITE SetTransparentSY)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(TFont* Font READ Font WRITE SetFont)
  Q_PROPERTY(TPen* Pen READ Pen WRITE SetPen)
  Q_PROPERTY(bool Enhanced READ Enhanced WRITE SetEnhanced)
  Q_PROPERTY(int EnhancedColor READ EnhancedColor WRITE SetEnhancedColor)
  Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
  Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
  Q_PROPERTY(TPCShapeForm ShapeForm READ ShapeForm WRITE SetShapeForm)

 public:
  explicit TPCShape(QWidget* Parent = nullptr);
  ~TPCShape() override;

  double TransparentOX() const { return static_cast<double>(FFactors.OX); }
  void SetTransparentOX(double Value);
  double TransparentSX() const { return static_cast<double>(FFactors.SX); }
  void SetTransparentSX(double Value);
  double TransparentOY() const { return static_cast<double>(FFactors.OY); }
  void SetTransparentOY(double Value);
  double TransparentSY() const { return static_cast<double>(FFactors.SY); }
  void SetTransparentSY(double Value);
  TPen* Pen() const { return FPen; }
  void SetPen(TPen* Value);
  bool Enhanced() const { return FEnhanced; }
  void SetEnhanced(bool Value);
  TColor EnhancedColor() const { return FEnhancedColor; }
  void SetEnhancedColor(TColor Value);
  TPCShapeForm ShapeForm() const { return FShapeForm; }
  void SetShapeForm(TPCShapeForm Value);

  // The finished picture of the shape, blended first if it is out of date.
  const TBitmap& ShapeBuffer() const;
  // True from creation until loading ends or the first paint.
  bool LoadingState() const { return FLoadingState; }

  // Composes the shape buffer now (nothing while loading or off a panel).
  virtual void Render();
  // Marks the shape buffer out of date and asks for a repaint.
  void RenderLater();
  // Draws the shape buffer onto Canvas at X, Y.
  virtual void DrawTo(TCanvas& Canvas, int X, int Y) const;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // Marks the shape and the shapes above it out of date and repaints them.
  void Invalidate();
  void Loaded() override;

 protected:
  TPCPanel* Panel() const;
  // The background under the shape from the panel (shapes below included).
  std::unique_ptr<TBitmap> BackgroundPart() const;
  // The caption centred in (2, 2, width-2, height-2): grey when disabled,
  // in EnhancedColor while enhanced.
  void DrawCaption(TCanvas& Canvas) const;
  const TBlendFactors& Factors() const { return FFactors; }
  TBitmap& Buffer() { return FShapeBuffer; }

  void paintEvent(QPaintEvent* Event) override;
  void moveEvent(QMoveEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  void changeEvent(QEvent* Event) override;
  bool event(QEvent* Event) override;
  void CaptionChanged() override { Invalidate(); }
  void FontChanged() override { Invalidate(); }
  void ColorChanged() override { Invalidate(); }

 private:
  void BoundsChanged();
  // Renders when the buffer is out of date.
  void Update() const;

  TPen* FPen;  // owned (child object)
  TBitmap FShapeBuffer;
  TBlendFactors FFactors;
  TColor FEnhancedColor = 65535;
  TPCShapeForm FShapeForm = sfRectangle;
  bool FEnhanced = false;
  bool FLoadingState = true;
  bool FStale = false;  // the buffer no longer shows the shape
  QRect FLastBounds;
};
