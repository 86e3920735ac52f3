#pragma once
// TMMBox: the control that shows an interactive scene. It owns the scene's
// points and objects, paints every visible object's shape in collection
// order (optionally over a dotted grid and inside a sunken frame), and turns
// mouse input into object clicks and shape drags, clamped to the box and
// optionally snapped to the grid.
//
// Painting goes through an off-screen bitmap (DoubleBuffered) that is filled
// again only after something changed. A Transparent box combines its scene
// with what lies below by AND, so white parts of the scene show the parent.
#include <QObject>
#include <QPointer>
#include <memory>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Controls.h"
#include "platform/Events.h"
#include "platform/MouseEvent.h"
#include "scene/MMBoxGeometry.h"
#include "scene/MMObjects.h"
#include "scene/MMPointCollection.h"

class TMMBox;

// Handlers receive the canvas being painted: void Box1CanvasPaint(QObject* Sender, TCanvas* Canvas);
using TNotifyCanvasEvent = TEvent<TCanvas*>;

// The grid and snap raster of a scene box.
class TMMGrid : public QObject {
  Q_OBJECT
  Q_PROPERTY(TMMBox* Parent READ Parent WRITE SetParent)
  Q_PROPERTY(int Color READ Color WRITE SetColor)
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
  Q_PROPERTY(int XOffset READ XOffset WRITE SetXOffset)
  Q_PROPERTY(int YOffset READ YOffset WRITE SetYOffset)
  Q_PROPERTY(int XSize READ XSize WRITE SetXSize)
  Q_PROPERTY(int YSize READ YSize WRITE SetYSize)

 public:
  explicit TMMGrid(TMMBox* Parent = nullptr);

  // The box the grid belongs to and repaints.
  TMMBox* Parent() const { return FParent; }
  void SetParent(TMMBox* Value) { FParent = Value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  int XOffset() const { return FSpacing.XOffset; }
  void SetXOffset(int Value);
  int YOffset() const { return FSpacing.YOffset; }
  void SetYOffset(int Value);
  // Sizes below 1 give no grid points and no snapping along that axis.
  int XSize() const { return FSpacing.XSize; }
  void SetXSize(int Value);
  int YSize() const { return FSpacing.YSize; }
  void SetYSize(int Value);

  const TGridSpacing& Spacing() const { return FSpacing; }
  void Assign(const TMMGrid& Source);

 private:
  void Changed();

  QPointer<TMMBox> FParent;
  TColor FColor = clBlack;
  bool FVisible = false;
  TGridSpacing FSpacing;
};

class TMMBox : public TControl {
  Q_OBJECT
  Q_PROPERTY(TMMGrid* Grid READ Grid WRITE SetGrid)
  Q_PROPERTY(bool Snap READ Snap WRITE SetSnap)
  Q_PROPERTY(TMMPointCollection* MMPoints READ MMPoints)
  Q_PROPERTY(TMMObjects* MMObjects READ MMObjects)
  Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
  Q_PROPERTY(bool DoubleBuffered READ DoubleBuffered WRITE SetDoubleBuffered)

 public:
  explicit TMMBox(QWidget* Parent = nullptr);
  ~TMMBox() override;

  // At every paint, with the canvas being painted (the off-screen bitmap's
  // when double buffered).
  TNotifyCanvasEvent OnCanvasPaint;
  // After the box's own handling: a press (after the click on an object and
  // the start of its drag), a move (after the drag step), a release (after
  // one more OnMouseMove at the release point and the end of the drag).
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;

  TMMGrid* Grid() const { return FGrid; }
  // Copies the grid's values.
  void SetGrid(TMMGrid* Value);
  bool Snap() const { return FSnap; }
  void SetSnap(bool Value) { FSnap = Value; }
  TMMPointCollection* MMPoints() const { return FPoints; }
  TMMObjects* MMObjects() const { return FObjects; }
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  bool DoubleBuffered() const { return FDoubleBuffered; }
  void SetDoubleBuffered(bool Value);

  // The core points the shapes are drawn from.
  TMMPoints& Points() { return FPoints->Points(); }
  const TMMPoints& Points() const { return FPoints->Points(); }

  // Marks the scene for repainting and schedules a paint.
  void Invalidate();
  // Marks the scene for repainting and paints at once.
  virtual void Redraw();
  // Appends copies of every point and then every object of Source.
  virtual void AddFrom(const TMMBox& Source);

  // The object being dragged, or nullptr.
  TMMObject* Dragged() const { return FDragged; }
  bool Dirty() const { return FDirty; }
  // Design view: point markers with their IDs, invisible objects drawn too.
  bool Designing() const { return FDesigning; }
  void SetDesigning(bool Value);

  // The mouse rules, in box coordinates (also what the mouse events call).
  void MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void MouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, int X, int Y);
  void MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void ColorChanged() override { Invalidate(); }

 private:
  // The whole scene onto Canvas: grid, objects, markers in the designer.
  void PaintScene(TCanvas& Canvas);
  void PaintGrid(TCanvas& Canvas);
  void PaintMarkers(TCanvas& Canvas);
  void PaintFrame(TCanvas& Canvas);
  void CollectionChanged();

  TMMGrid* FGrid;                // owned (child)
  TMMPointCollection* FPoints;   // owned (child)
  TMMObjects* FObjects;          // owned (child)
  std::unique_ptr<TBitmap> FBitmap;
  QPointer<TMMObject> FDragged;
  bool FSnap = false;
  bool FCtl3D = false;
  bool FTransparent = false;
  bool FDoubleBuffered = true;
  bool FDirty = true;
  bool FDesigning = false;
};
