#pragma once
// The shapes of scene objects. Every object of a scene box carries one shape
// object: TCharge for no shape, otherwise a TSShape descendant that refers to
// one to four scene points by ID, draws itself from their absolute positions,
// answers hit tests and may be dragged. Points are looked up at every paint,
// hit test and drag; a missing point counts as (0, 0).
//
// Published values are Q_PROPERTYs, so designs can set them as
// "ShapeData.Pen.Color = clRed". Enumerations of the scene core (TLineEnd,
// TMarkerType, TFormKind) are int properties with identifier sets.
//
// Image components are referenced loosely: TSGraphic and TSBitmap take any
// component that is a TPicture or publishes one as "Picture"; TSImageListBMP
// takes a component that publishes "Width" and "Height" (of its images) and
// has Q_INVOKABLE void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled).
#include <QObject>
#include <QPointer>
#include <QString>
#include <array>
#include <memory>
#include <utility>

#include "common/Types.h"
#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Graphics.h"
#include "scene/MMPoints.h"
#include "scene/ShapeDefaults.h"
#include "scene/MMShapesGeometry.h"

class TMMObject;
class TPicture;

// Whoever owns a shape hears of its changes (the scene object, which
// invalidates its box).
class TShapeOwner {
 public:
  virtual ~TShapeOwner() = default;
  virtual void Changed() = 0;
};

// The shape of an object without a shape kind: draws nothing.
class TCharge : public QObject {
  Q_OBJECT
 public:
  explicit TCharge(TShapeOwner* Owner = nullptr);
  ~TCharge() override;

  TShapeOwner* Owner() const { return FOwner; }
  // The owning scene object, when the owner is one.
  TMMObject* OwnerObject() const;

 protected:
  // Tells the owner that something visible changed.
  void NotifyOwner();

 private:
  TShapeOwner* FOwner;
};

// A new shape object of the class of Kind (TCharge for stNone) with the
// defaults of that class.
std::unique_ptr<TCharge> CreateShape(TShapeType Kind, TShapeOwner* Owner = nullptr);

class TSShape : public TCharge {
  Q_OBJECT
  Q_PROPERTY(bool Sensible READ Sensible WRITE SetSensible)
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
  Q_PROPERTY(bool Movable READ Movable WRITE SetMovable)
 public:
  explicit TSShape(TShapeOwner* Owner = nullptr);

  bool Sensible() const { return FSensible; }
  void SetSensible(bool Value) { FSensible = Value; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  bool Movable() const { return FMovable; }
  void SetMovable(bool Value) { FMovable = Value; }

  virtual void GetHandles(const TMMPoints& Points, TAbsPointArray& Handles) const;
  // (X, Y) in box coordinates.
  virtual bool HitTest(int X, int Y, const TMMPoints& Points);
  virtual void Paint(TCanvas& Canvas, const TMMPoints& Points) = 0;
  virtual void Drag(TMMPoints& Points, int X, int Y);

 public slots:
  // The change handler of every pen, brush and font the shape owns.
  void StyleChanged();

 protected:
  // Owned drawing tools whose changes repaint the scene.
  TPen* NewPen();
  TBrush* NewBrush();
  TFont* NewFont();
  // The sender the points see in their drag events.
  void* DragSender() { return static_cast<QObject*>(this); }
  // Stores a published value and tells the owner.
  template <class T, class V>
  void Store(T& Field, V&& Value) {
    Field = std::forward<V>(Value);
    NotifyOwner();
  }
  // Flags and point IDs a new shape of Kind starts with (no notification).
  void ApplyDefaults(TShapeType Kind);
  virtual void InitPoints(const std::array<int, 4>& IDs) { (void)IDs; }

 private:
  bool FSensible = false;
  bool FVisible = true;
  bool FMovable = false;
};

// --- shapes on one point -------------------------------------------------

class TS1Point : public TSShape {
  Q_OBJECT
  Q_PROPERTY(int Point READ Point WRITE SetPoint)
 public:
  explicit TS1Point(TShapeOwner* Owner = nullptr);

  int Point() const { return FPoint; }
  void SetPoint(int Value);

  // Within 4 pixels of the point.
  bool HitTest(int X, int Y, const TMMPoints& Points) override;
  // Drags the point; nothing when it does not exist.
  void Drag(TMMPoints& Points, int X, int Y) override;

 protected:
  TPoint Pos(const TMMPoints& Points) const { return PointPos(Points, FPoint); }
  void InitPoints(const std::array<int, 4>& IDs) override { FPoint = IDs[0]; }

 private:
  int FPoint = -1;
};

// A sensible, movable handle: a dotted square around its point.
class TSHotspot : public TS1Point {
  Q_OBJECT
 public:
  explicit TSHotspot(TShapeOwner* Owner = nullptr);
  bool HitTest(int X, int Y, const TMMPoints& Points) override;
  void Paint(TCanvas& Canvas, const TMMPoints& Points) override;
};

class TSMarker : public TS1Point {
  Q_OBJECT
  Q_PROPERTY(int Kind READ Kind WRITE SetKind)
  Q_PROPERTY(TBrush* Brush READ Brush WRITE SetBrush)
  Q_PROPERTY(TPen* Pen READ Pen WRITE SetPen)
 public:
  explicit TSMarker(TShapeOwner* Owner = nullptr);

  int Kind() const { return FKind; }
  void SetKind(int Value);
  TBrush* Brush() const { return FBrush; }
  void SetBrush(TBrush* Value);
  TPen* Pen() const { return FPen; }
  void SetPen(TPen* Value);

  void Paint(TCanvas& Canvas, const TMMPoints& Points) override;

 private:
  int FKind = mtCross;
  TBrush* FBrush;
  TPen* FPen;
};

class TSImageListBMP : public TS1Point {
  Q_OBJECT
  Q_PROPERTY(QObject* ImageList READ ImageList WRITE SetImageList)
  Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
  Q_PROPERTY(bool Centered READ Centered WRITE SetCentered)
 public:
  explicit TSImageListBMP(TShapeOwner* Owner = nullptr);

  QObject* ImageList() const { return FImageList; }
  void SetImageList(QObject* Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  bool Centered() const { return FCentered; }
  void SetCentered(bool Value);

  void Paint(TCanvas& Canvas, const TMMPoints& Points) override;

 private:
  QPointer<QObject> FImageList;
  int FImageIndex = 0;
  bool FCentered = false;
};

class TSString : public TS1Point {
  Q_OBJECT
  Q_PROPERTY(TFont* Font READ Font WRITE SetFont)
  Q_PROPERTY(QString Text READ Text WRITE SetText)
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
  Q_PROPERTY(bool Interpreted READ Interpreted WRITE SetInterpreted)
  Q_PROPERTY(bool Centered READ Centered WRITE SetCentered)
 public:
  explicit TSString(TShapeOwner* Owner = nullptr);

  TFont* Font() const { return FFont; }
  void SetFont(TFont* Value);
  QString Text() const { return FText; }
  void SetText(const QString& Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  // Interpreted text is left to whoever interprets it: nothing is drawn.
  bool Interpreted() const { return FInterpreted; }
  void SetInterpreted(bool Value);
  // Centred text ends at the point (right and bottom).
  bool Centered() const { return FCentered; }
  void SetCentered(bool Value);

  void Paint(TCanvas& Canvas, const TMMPoints& Points) override;

 private:
  TFont* FFont;
  QString FText;
  bool FTransparent = false;
  bool FInterpreted = false;
  bool FCentered = false;
};

class TSCircle1 : public TS1Point {
  Q_OBJECT
  Q_PROPERTY(int Radius READ Radius WRITE SetRadius)
  Q_PROPERTY(TBrush* Brush READ Brush WRITE SetBrush)
  Q_PROPERTY(TPen* Pen READ Pen WRITE SetPen)
 public:
  explicit TSCircle1(TShapeOwner* Owner = nullptr);

  int Radius() const { return FRadius; }
  void SetRadius(int Value);
  TBrush* Brush() const { return FBrush; }
  void SetBrush(TBrush* Value);
  TPen* Pen() const { return FPen; }
  void SetPen(TPen* Value);

  void Paint(TCanvas& Canvas, const TMMPoints& Points) override;

 private:
  int FRadius = 0;
  TBrush* FBrush;
  TPen* FPen;
};

class TSBitmap : public TS1Point {
  Q_OBJECT
  Q_PROPERTY(QObject* Graphic READ Graphic WRITE SetGraphic)
 public:
  explicit TSBitmap(TShapeOwner* Owner = nullptr);
  ~TSBitmap() override;

  QObject* Graphic() const { return FGraphic; }
  // Takes a transparent copy of the component's picture as it is now.
  void SetGraphic(QObject* Value);

  void Paint(TCanvas& Canvas, const TMMPoints& Points) override;

 private:
  QPointer<QObject> FGraphic;
  std::unique_ptr<TBitmap> FBitmap;
};

// A box with a cross when checked; a hit toggles it.
class TSCheckBox : public TSHotspot {
  Q_OBJECT
  Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
  Q_PROPERTY(TFont* Font READ Font WRITE SetFont)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
 public:
  explicit TSCheckBox(TShapeOwner* Owner = nullptr);

  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  TFont* Font() const { return FFont; }
  void SetFont(TFont* Value);
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  // The caption width measured at the last paint (8 before any).
  int CaptionWidth() const { return FCaptionWidth; }

  bool HitTest(int X, int Y, const TMMPoints& Points) override;
  void Paint(TCanvas& Canvas, const TMMPoints& Points) override;

 private:
  bool FChecked = false;
  TFont* FFont;
  QString FCaption;
  int FCaptionWidth = CheckBoxInitialCaptionWidth;
};

// --- shapes on two to four points ------------------------------------------

class TS2Point : public TSShape {
  Q_OBJECT
  Q_PROPERTY(int P1 READ P1 WRITE SetP1)
  Q_PROPERTY(int P2 READ P2 WRITE SetP2)
 public:
  explicit TS2Point(TShapeOwner* Owner = nullptr);

  int P1() const { return FPoints[0]; }
  int P2() const { return FPoints[1]; }
  void SetP1(int Value) { SetPoint(0, Value); }
  void SetP2(int Value) { SetPoint(1, Value); }
  // Stores the point ID of corner Index and notifies the owner; indices
  // beyond the shape's corners are ignored.
  virtual void SetPoint(int Index, int Value);
  int PointID(int Index) const { return FPoints.at(static_cast<std::size_t>(Index)); }

 protected:
  TPoint Corner(const TMMPoints& Points, int Index) const { return PointPos(Points, PointID(Index)); }
  void StorePoint(int Index, int Value);
  void InitPoints(const std::array<int, 4>& IDs) override { FPoints = IDs; }

 private:
  std::array<int, 4> FPoints = {-1, -1, -1, -1};
};

class TS3Point : public TS2Point {
  Q_OBJECT
  Q_PROPERTY(int P3 READ P3 WRITE SetP3)
 public:
  explicit TS3Point(TShapeOwner* Owner = nullptr);
  int P3() const { return PointID(2); }
  void SetP3(int Value) { SetPoint(2, Value); }
  void SetPoint(int Index, int Value) override;
};

class TS4Point : public TS3Point {
  Q_OBJECT
  Q_PROPERTY(int P4 READ P4 WRITE SetP4)
 public:
  explicit TS4Point(TShapeOwner* Owner = nullptr);
  int P4() const { return PointID(3); }
  void SetP4(int Value) { SetPoint(3, Value); }
};

class TSLine : public TS2Point {
  Q_OBJECT
  Q_PROPERTY(TPen* Pen READ Pen WRITE SetPen)
  Q_PROPERTY(int LineEnd1 READ LineEnd1 WRITE SetLineEnd1)
  Q_PROPERTY(int LineEnd2 READ LineEnd2 WRITE SetLineEnd2)
 public:
  explicit TSLine(TShapeOwner* Owner = nullptr);

  TPen* Pen() const { return FPen; }
  void SetPen(TPen* Value);
  // TLineEnd values: the end at P1 and the one at P2.
  int LineEnd1() const { return FLineEnd1; }
  void SetLineEnd1(int Value);
  int LineEnd2() const { return FLineEnd2; }
  void SetLineEnd2(int Value);

  void Paint(TCanvas& Canvas, const TMMPoints& Points) override;
  // An arrow head at Tip for the line coming from From, Size.cx long and
  // 2 Size.cy wide, with the current pen.
  virtual void DrawLineEnd(TCanvas& Canvas, TPoint From, int Kind, TSize Size, TPoint Tip);

 private:
  TPen* FPen;
  int FLineEnd1 = leNone;
  int FLineEnd2 = leNone;
};

// A line with ruler ticks across it every Distance pixels from P1.
class TSTickedLine : public TSLine {
  Q_OBJECT
  Q_PROPERTY(int Distance READ Distance WRITE SetDistance)
  Q_PROPERTY(int TickSize READ TickSize WRITE SetTickSize)
 public:
  explicit TSTickedLine(TShapeOwner* Owner = nullptr);

  // 0 draws no ticks.
  int Distance() const { return FDistance; }
  void SetDistance(int Value);
  int TickSize() const { return FTickSize; }
  void SetTickSize(int Value);

  void Paint(TCanvas& Canvas, const TMMPoints& Points) override;

 private:
  int FDistance = TickedLineDefaultDistance;
  int FTickSize = TickedLineDefaultTickSize;
};

// A line the pupil can reshape: when selected it shows three handles (its
// ends and its middle); dragging an end moves that end, the middle the line.
class TSDynaLine : public TSLine {
  Q_OBJECT
  Q_PROPERTY(bool Selected READ Selected WRITE SetSelected)
 public:
  explicit TSDynaLine(TShapeOwner* Owner = nullptr);

  bool Selected() const { return FGrip.Selected(); }
  void SetSelected(bool Value);
  // The handle grabbed by the last hit: 0, 1, 2, or -1.
  int Grabbed() const { return FGrip.Grabbed(); }

  void GetHandles(const TMMPoints& Points, TAbsPointArray& Handles) const override;
  bool HitTest(int X, int Y, const TMMPoints& Points) override;
  void Paint(TCanvas& Canvas, const TMMPoints& Points) override;
  void Drag(TMMPoints& Points, int X, int Y) override;

 private:
  TDynaLineGrip FGrip;
};

// A circle around P1 through P2.
class TSCircle : public TS2Point {
  Q_OBJECT
  Q_PROPERTY(TPen* Pen READ Pen WRITE SetPen)
  Q_PROPERTY(TBrush* Brush READ Brush WRITE SetBrush)
 public:
  explicit TSCircle(TShapeOwner* Owner = nullptr);

  TPen* Pen() const { return FPen; }
  void SetPen(TPen* Value);
  TBrush* Brush() const { return FBrush; }
  void SetBrush(TBrush* Value);

  void Paint(TCanvas& Canvas, const TMMPoints& Points) override;

 protected:
  // Shape pen and brush onto the canvas.
  void UseTools(TCanvas& Canvas) const;

 private:
  TPen* FPen;
  TBrush* FBrush;
};

// The rectangle P1-P2. It is hit in a box around P1 twice its size.
class TSRectangle : public TSCircle {
  Q_OBJECT
 public:
  explicit TSRectangle(TShapeOwner* Owner = nullptr);
  bool HitTest(int X, int Y, const TMMPoints& Points) override;
  void Paint(TCanvas& Canvas, const TMMPoints& Points) override;
};

class TSEllipse : public TSRectangle {
  Q_OBJECT
 public:
  explicit TSEllipse(TShapeOwner* Owner = nullptr);
  void Paint(TCanvas& Canvas, const TMMPoints& Points) override;
};

// A bar 2 Size wide along P1-P2, reaching Size beyond both.
class TSPole : public TSRectangle {
  Q_OBJECT
  Q_PROPERTY(int Size READ Size WRITE SetSize)
 public:
  explicit TSPole(TShapeOwner* Owner = nullptr);
  int Size() const { return FSize; }
  void SetSize(int Value);
  void Paint(TCanvas& Canvas, const TMMPoints& Points) override;

 private:
  int FSize = PoleDefaultSize;
};

// One of the ready-made pictures (TFormKind) in the box P1-P2.
class TSForm : public TSRectangle {
  Q_OBJECT
  Q_PROPERTY(int Kind READ Kind WRITE SetKind)
  Q_PROPERTY(int Parameter READ Parameter WRITE SetParameter)
 public:
  explicit TSForm(TShapeOwner* Owner = nullptr);
  int Kind() const { return FKind; }
  void SetKind(int Value);
  // The speedometer's reading: 0 at the first tick, 100 straight up.
  int Parameter() const { return FParameter; }
  void SetParameter(int Value);
  void Paint(TCanvas& Canvas, const TMMPoints& Points) override;

 private:
  int FKind = sfSphere;
  int FParameter = 0;
};

// The half disc around P1 on the side of P2.
class TSHalfCircle : public TSCircle {
  Q_OBJECT
 public:
  explicit TSHalfCircle(TShapeOwner* Owner = nullptr);
  void Paint(TCanvas& Canvas, const TMMPoints& Points) override;
};

class TSGraphic : public TS2Point {
  Q_OBJECT
  Q_PROPERTY(QObject* Image READ Image WRITE SetImage)
  Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
 public:
  explicit TSGraphic(TShapeOwner* Owner = nullptr);

  QObject* Image() const { return FImage; }
  void SetImage(QObject* Value);
  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value);

  void Paint(TCanvas& Canvas, const TMMPoints& Points) override;

 private:
  QPointer<QObject> FImage;
  bool FStretch = false;
};

// Text at P1, clipped to the rectangle P1-P2 unless transparent.
class TSText : public TS2Point {
  Q_OBJECT
  Q_PROPERTY(TFont* Font READ Font WRITE SetFont)
  Q_PROPERTY(QString Text READ Text WRITE SetText)
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
 public:
  explicit TSText(TShapeOwner* Owner = nullptr);

  TFont* Font() const { return FFont; }
  void SetFont(TFont* Value);
  QString Text() const { return FText; }
  void SetText(const QString& Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);

  void Paint(TCanvas& Canvas, const TMMPoints& Points) override;

 private:
  TFont* FFont;
  QString FText;
  bool FTransparent = false;
};

// Framed text box P1-P2 with the text placed at (or centred on) Position.
class TSTextBox : public TSText {
  Q_OBJECT
  Q_PROPERTY(TPen* Pen READ Pen WRITE SetPen)
  Q_PROPERTY(TBrush* Brush READ Brush WRITE SetBrush)
  Q_PROPERTY(int Position READ Position WRITE SetPosition)
  Q_PROPERTY(bool Centered READ Centered WRITE SetCentered)
  Q_PROPERTY(bool Term READ Term WRITE SetTerm)
 public:
  explicit TSTextBox(TShapeOwner* Owner = nullptr);

  TPen* Pen() const { return FPen; }
  void SetPen(TPen* Value);
  TBrush* Brush() const { return FBrush; }
  void SetBrush(TBrush* Value);
  int Position() const { return FPosition; }
  void SetPosition(int Value);
  bool Centered() const { return FCentered; }
  void SetCentered(bool Value);
  // The text names a term ("(a−b)²", "a·b (fällt weg)"): it is set like the
  // term boxes set terms (TTermLabel), shrunk to fit the rectangle P1-P2.
  // A text that does not start with a term is written as plain text.
  bool Term() const { return FTerm; }
  void SetTerm(bool Value);

  bool HitTest(int X, int Y, const TMMPoints& Points) override;
  void Paint(TCanvas& Canvas, const TMMPoints& Points) override;

 private:
  TPen* FPen;
  TBrush* FBrush;
  int FPosition = 0;
  bool FCentered = TextBoxDefaultCentered;
  bool FTerm = false;
};

class TSTriangle : public TS3Point {
  Q_OBJECT
  Q_PROPERTY(TBrush* Brush READ Brush WRITE SetBrush)
  Q_PROPERTY(TPen* Pen READ Pen WRITE SetPen)
 public:
  explicit TSTriangle(TShapeOwner* Owner = nullptr);

  TBrush* Brush() const { return FBrush; }
  void SetBrush(TBrush* Value);
  TPen* Pen() const { return FPen; }
  void SetPen(TPen* Value);

  void Paint(TCanvas& Canvas, const TMMPoints& Points) override;

 protected:
  void UseTools(TCanvas& Canvas) const;

 private:
  TBrush* FBrush;
  TPen* FPen;
};

// The ellipse in the box P1-P3 (P2 is not drawn).
class TSHalfEllipse : public TSTriangle {
  Q_OBJECT
 public:
  explicit TSHalfEllipse(TShapeOwner* Owner = nullptr);
  void Paint(TCanvas& Canvas, const TMMPoints& Points) override;
};

// Bezier curve from P1 to P4 with control points P2 and P3.
class TSBezier : public TS4Point {
  Q_OBJECT
  Q_PROPERTY(TPen* Pen READ Pen WRITE SetPen)
 public:
  explicit TSBezier(TShapeOwner* Owner = nullptr);
  TPen* Pen() const { return FPen; }
  void SetPen(TPen* Value);
  void Paint(TCanvas& Canvas, const TMMPoints& Points) override;

 private:
  TPen* FPen;
};

class TSQuadruPoint : public TS4Point {
  Q_OBJECT
  Q_PROPERTY(TPen* Pen READ Pen WRITE SetPen)
  Q_PROPERTY(TBrush* Brush READ Brush WRITE SetBrush)
 public:
  explicit TSQuadruPoint(TShapeOwner* Owner = nullptr);
  TPen* Pen() const { return FPen; }
  void SetPen(TPen* Value);
  TBrush* Brush() const { return FBrush; }
  void SetBrush(TBrush* Value);
  void Paint(TCanvas& Canvas, const TMMPoints& Points) override;

 private:
  TPen* FPen;
  TBrush* FBrush;
};

// The picture of an image component: the component itself when it is a
// TPicture, else its published "Picture"; nullptr when it has none.
TPicture* PictureOf(QObject* Component);
