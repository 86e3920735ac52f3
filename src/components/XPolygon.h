#pragma once
// TXPolygon: a free polygon, polyline or Bezier curve whose points are given
// relative to the control's size. It takes the mouse only inside its outline
// (elsewhere clicks reach whatever lies below) and lights up under the mouse.
#include <QRegion>
#include <QStringList>
#include <memory>
#include <vector>

#include "common/Colors.h"
#include "components/XGraphicControl.h"
#include "platform/Graphics.h"
#include "components/XPolyPoint.h"
#include "components/XShapeTypes.h"


class TXPolygon : public TXGraphicControl {
  Q_OBJECT
  Q_PROPERTY(QStringList Points READ Points WRITE SetPoints)
  Q_PROPERTY(TXPolygonKind Kind READ Kind WRITE SetKind)
  Q_PROPERTY(TPen* Pen READ Pen WRITE SetPen)
  Q_PROPERTY(TBrush* Brush READ Brush WRITE SetBrush)
  Q_PROPERTY(int EnhancedColor READ EnhancedColor WRITE SetEnhancedColor)
  Q_PROPERTY(bool StretchRatio READ StretchRatio WRITE SetStretchRatio)

 public:
  explicit TXPolygon(QWidget* Parent = nullptr);
  ~TXPolygon() override;

  void DrawAt(int X, int Y, TCanvas& Canvas) override;
  // Builds the outline once the design is read.
  void Loaded() override;

  // One "x;y" line per point. Assigning takes at most 64 lines (see
  // XPolyPointsFromLines); malformed numbers leave those coordinates as they were.
  QStringList Points() const;
  void SetPoints(const QStringList& Lines);
  const std::vector<TXPolyPoint>& PolyPoints() const { return FPoints; }
  // Keeps the first 64 points.
  void SetPolyPoints(std::vector<TXPolyPoint> Points);

  TXPolygonKind Kind() const { return FKind; }
  void SetKind(TXPolygonKind Value);
  TPen* Pen() const { return FPen.get(); }
  void SetPen(TPen* Value);
  TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(TBrush* Value);
  TColor EnhancedColor() const { return FEnhancedColor; }
  void SetEnhancedColor(TColor Value);
  bool StretchRatio() const { return FStretchRatio; }
  void SetStretchRatio(bool Value);

  // The pixel points and the outline region (control coordinates) of the
  // current drawing, and whether the mouse is over the outline.
  const std::vector<TPoint>& PixelPoints() const { return FPixelPoints; }
  const QRegion& OutlineRegion() const { return FRegion; }
  bool Hover() const { return FHover; }
  // The brush colour of the design; a page marks a clickable figure by
  // giving it another one.
  TColor DesignColor() const { return FDesignColor; }
  bool Marked() const { return FBrush->Color() != FDesignColor; }

  // "FPoints": 32-bit count, then 20 bytes per point. Malformed data throws
  // std::runtime_error and leaves the points unchanged.
  bool ReadBinaryProperty(const QString& Name, const QByteArray& Bytes) override;
  void WriteBinaryProperties(TBinaryProperties& Out) const override;

 protected:
  bool HitTest(QPoint P) const override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void leaveEvent(QEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;

 private:
  void Rebuild();
  void DrawFigure(TCanvas& C, const std::vector<TPoint>& Pixels) const;
  void SetHover(bool Value);

  std::vector<TXPolyPoint> FPoints;
  std::vector<TPoint> FPixelPoints;
  QRegion FRegion;
  QSize FBuiltSize;
  TXPolygonKind FKind = xpPolygon;
  TColor FDesignColor = clWhite;
  std::unique_ptr<TBrush> FBrush;
  std::unique_ptr<TPen> FPen;
  TColor FEnhancedColor = clRed;
  bool FHover = false;
  bool FStretchRatio = false;
};
