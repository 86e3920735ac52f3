#include "scene/MMShapes.h"

#include <QMetaProperty>
#include <functional>

#include "platform/Picture.h"

// --- the base classes ------------------------------------------------------

TCharge::TCharge(TShapeOwner* Owner) : FOwner(Owner) {}

TCharge::~TCharge() = default;

void TCharge::NotifyOwner() {
  if (FOwner) FOwner->Changed();
}

TSShape::TSShape(TShapeOwner* Owner) : TCharge(Owner) {}

void TSShape::SetVisible(bool Value) { Store(FVisible, Value); }

void TSShape::GetHandles(const TMMPoints&, TAbsPointArray&) const {}

bool TSShape::HitTest(int, int, const TMMPoints&) { return false; }

void TSShape::Drag(TMMPoints&, int, int) {}

void TSShape::StyleChanged() { NotifyOwner(); }

TPen* TSShape::NewPen() {
  auto* Pen = new TPen(this);
  connect(Pen, &TPen::Changed, this, &TSShape::StyleChanged);
  return Pen;
}

TBrush* TSShape::NewBrush() {
  auto* Brush = new TBrush(this);
  connect(Brush, &TBrush::Changed, this, &TSShape::StyleChanged);
  return Brush;
}

TFont* TSShape::NewFont() {
  auto* Font = new TFont(this);
  connect(Font, &TFont::Changed, this, &TSShape::StyleChanged);
  return Font;
}

void TSShape::ApplyDefaults(TShapeType Kind) {
  const TShapeDefaults& D = ShapeDefaults(Kind);
  FSensible = D.Sensible;
  FVisible = D.Visible;
  FMovable = D.Movable;
  InitPoints(D.Points);
}

namespace {

// Copies a tool given to a setter; nullptr leaves the own one as it is.
template <class T>
void AssignTool(T* Own, const T* Given) {
  if (Given && Given != Own) Own->Assign(*Given);
}

}  // namespace

// --- one point -------------------------------------------------------------

TS1Point::TS1Point(TShapeOwner* Owner) : TSShape(Owner) {}

void TS1Point::SetPoint(int Value) { Store(FPoint, Value); }

bool TS1Point::HitTest(int X, int Y, const TMMPoints& Points) { return HitOnePoint(Pos(Points), X, Y); }

void TS1Point::Drag(TMMPoints& Points, int X, int Y) { OnePointDrag(Points, FPoint, DragSender(), X, Y); }

TSHotspot::TSHotspot(TShapeOwner* Owner) : TS1Point(Owner) { ApplyDefaults(stHotspot); }

bool TSHotspot::HitTest(int X, int Y, const TMMPoints& Points) { return HitHotspot(Pos(Points), X, Y); }

TSMarker::TSMarker(TShapeOwner* Owner) : TS1Point(Owner), FBrush(NewBrush()), FPen(NewPen()) {
  ApplyDefaults(stMarker);
}

void TSMarker::SetKind(int Value) { Store(FKind, Value); }
void TSMarker::SetBrush(TBrush* Value) { AssignTool(FBrush, Value); }
void TSMarker::SetPen(TPen* Value) { AssignTool(FPen, Value); }

TSImageListBMP::TSImageListBMP(TShapeOwner* Owner) : TS1Point(Owner) { ApplyDefaults(stImageListBMP); }

void TSImageListBMP::SetImageList(QObject* Value) { Store(FImageList, Value); }
void TSImageListBMP::SetImageIndex(int Value) { Store(FImageIndex, Value); }
void TSImageListBMP::SetCentered(bool Value) { Store(FCentered, Value); }

TSString::TSString(TShapeOwner* Owner) : TS1Point(Owner), FFont(NewFont()) { ApplyDefaults(stString); }

void TSString::SetFont(TFont* Value) { AssignTool(FFont, Value); }
void TSString::SetText(const QString& Value) { Store(FText, Value); }
void TSString::SetTransparent(bool Value) { Store(FTransparent, Value); }
void TSString::SetInterpreted(bool Value) { Store(FInterpreted, Value); }
void TSString::SetCentered(bool Value) { Store(FCentered, Value); }

TSCircle1::TSCircle1(TShapeOwner* Owner) : TS1Point(Owner), FBrush(NewBrush()), FPen(NewPen()) {
  ApplyDefaults(stCircle1);
}

void TSCircle1::SetRadius(int Value) { Store(FRadius, Value); }
void TSCircle1::SetBrush(TBrush* Value) { AssignTool(FBrush, Value); }
void TSCircle1::SetPen(TPen* Value) { AssignTool(FPen, Value); }

TSBitmap::TSBitmap(TShapeOwner* Owner) : TS1Point(Owner) { ApplyDefaults(stBitmap); }

TSBitmap::~TSBitmap() = default;

void TSBitmap::SetGraphic(QObject* Value) {
  FGraphic = Value;
  FBitmap.reset();
  if (const TPicture* Picture = PictureOf(Value); Picture && Picture->Graphic()) {
    FBitmap = std::make_unique<TBitmap>(Picture->Width(), Picture->Height());
    FBitmap->Canvas().Draw(0, 0, *Picture->Graphic());
    FBitmap->Canvas().EndPaint();
    FBitmap->SetTransparent(true);
  }
  NotifyOwner();
}

TSCheckBox::TSCheckBox(TShapeOwner* Owner) : TSHotspot(Owner), FFont(NewFont()) { ApplyDefaults(stCheckBox); }

void TSCheckBox::SetChecked(bool Value) { Store(FChecked, Value); }
void TSCheckBox::SetFont(TFont* Value) { AssignTool(FFont, Value); }
void TSCheckBox::SetCaption(const QString& Value) { Store(FCaption, Value); }

bool TSCheckBox::HitTest(int X, int Y, const TMMPoints& Points) {
  if (!HitCheckBox(Pos(Points), FCaptionWidth, X, Y)) return false;
  SetChecked(!FChecked);
  return true;
}

// --- two to four points ------------------------------------------------------

TS2Point::TS2Point(TShapeOwner* Owner) : TSShape(Owner) {}

void TS2Point::StorePoint(int Index, int Value) { Store(FPoints[static_cast<std::size_t>(Index)], Value); }

void TS2Point::SetPoint(int Index, int Value) {
  if (Index == 0 || Index == 1) StorePoint(Index, Value);
}

TS3Point::TS3Point(TShapeOwner* Owner) : TS2Point(Owner) {}

void TS3Point::SetPoint(int Index, int Value) {
  if (Index >= 0 && Index <= 3) StorePoint(Index, Value);
}

TS4Point::TS4Point(TShapeOwner* Owner) : TS3Point(Owner) {}

TSLine::TSLine(TShapeOwner* Owner) : TS2Point(Owner), FPen(NewPen()) { ApplyDefaults(stLine); }

void TSLine::SetPen(TPen* Value) { AssignTool(FPen, Value); }
void TSLine::SetLineEnd1(int Value) { Store(FLineEnd1, Value); }
void TSLine::SetLineEnd2(int Value) { Store(FLineEnd2, Value); }

TSTickedLine::TSTickedLine(TShapeOwner* Owner) : TSLine(Owner) { ApplyDefaults(stTickedLine); }

void TSTickedLine::SetDistance(int Value) { Store(FDistance, Value); }
void TSTickedLine::SetTickSize(int Value) { Store(FTickSize, Value); }

TSDynaLine::TSDynaLine(TShapeOwner* Owner) : TSLine(Owner) { ApplyDefaults(stDynaLine); }

void TSDynaLine::SetSelected(bool Value) {
  FGrip.SetSelected(Value);
  NotifyOwner();
}

void TSDynaLine::GetHandles(const TMMPoints& Points, TAbsPointArray& Handles) const {
  const auto H = DynaLineHandles(Corner(Points, 0), Corner(Points, 1));
  Handles.assign(H.begin(), H.end());
}

bool TSDynaLine::HitTest(int X, int Y, const TMMPoints& Points) {
  // Selecting by a hit shows in the next repaint; it needs no notification.
  return FGrip.HitTest(Corner(Points, 0), Corner(Points, 1), X, Y);
}

void TSDynaLine::Drag(TMMPoints& Points, int X, int Y) { FGrip.Drag(Points, P1(), P2(), DragSender(), X, Y); }

TSCircle::TSCircle(TShapeOwner* Owner) : TS2Point(Owner), FPen(NewPen()), FBrush(NewBrush()) {
  ApplyDefaults(stCircle);
}

void TSCircle::SetPen(TPen* Value) { AssignTool(FPen, Value); }
void TSCircle::SetBrush(TBrush* Value) { AssignTool(FBrush, Value); }

TSRectangle::TSRectangle(TShapeOwner* Owner) : TSCircle(Owner) { ApplyDefaults(stRectangle); }

bool TSRectangle::HitTest(int X, int Y, const TMMPoints& Points) {
  return HitAroundFirstCorner(Corner(Points, 0), Corner(Points, 1), X, Y);
}

TSEllipse::TSEllipse(TShapeOwner* Owner) : TSRectangle(Owner) { ApplyDefaults(stEllipse); }

TSPole::TSPole(TShapeOwner* Owner) : TSRectangle(Owner) { ApplyDefaults(stPole); }

void TSPole::SetSize(int Value) { Store(FSize, Value); }

TSForm::TSForm(TShapeOwner* Owner) : TSRectangle(Owner) { ApplyDefaults(stForm); }

void TSForm::SetKind(int Value) { Store(FKind, Value); }
void TSForm::SetParameter(int Value) { Store(FParameter, Value); }

TSHalfCircle::TSHalfCircle(TShapeOwner* Owner) : TSCircle(Owner) { ApplyDefaults(stHalfCircle); }

TSGraphic::TSGraphic(TShapeOwner* Owner) : TS2Point(Owner) { ApplyDefaults(stGraphic); }

void TSGraphic::SetImage(QObject* Value) { Store(FImage, Value); }
void TSGraphic::SetStretch(bool Value) { Store(FStretch, Value); }

TSText::TSText(TShapeOwner* Owner) : TS2Point(Owner), FFont(NewFont()) { ApplyDefaults(stText); }

void TSText::SetFont(TFont* Value) { AssignTool(FFont, Value); }
void TSText::SetText(const QString& Value) { Store(FText, Value); }
void TSText::SetTransparent(bool Value) { Store(FTransparent, Value); }

TSTextBox::TSTextBox(TShapeOwner* Owner) : TSText(Owner), FPen(NewPen()), FBrush(NewBrush()) {
  ApplyDefaults(stTextBox);
}

void TSTextBox::SetPen(TPen* Value) { AssignTool(FPen, Value); }
void TSTextBox::SetBrush(TBrush* Value) { AssignTool(FBrush, Value); }
void TSTextBox::SetPosition(int Value) { Store(FPosition, Value); }
void TSTextBox::SetCentered(bool Value) { Store(FCentered, Value); }
void TSTextBox::SetTerm(bool Value) { Store(FTerm, Value); }

bool TSTextBox::HitTest(int X, int Y, const TMMPoints& Points) {
  return HitTextBox(Corner(Points, 0), Corner(Points, 1), X, Y);
}

TSTriangle::TSTriangle(TShapeOwner* Owner) : TS3Point(Owner), FBrush(NewBrush()), FPen(NewPen()) {
  ApplyDefaults(stTriangle);
}

void TSTriangle::SetBrush(TBrush* Value) { AssignTool(FBrush, Value); }
void TSTriangle::SetPen(TPen* Value) { AssignTool(FPen, Value); }

TSHalfEllipse::TSHalfEllipse(TShapeOwner* Owner) : TSTriangle(Owner) { ApplyDefaults(stHalfEllipse); }

TSBezier::TSBezier(TShapeOwner* Owner) : TS4Point(Owner), FPen(NewPen()) { ApplyDefaults(stBezier); }

void TSBezier::SetPen(TPen* Value) { AssignTool(FPen, Value); }

TSQuadruPoint::TSQuadruPoint(TShapeOwner* Owner) : TS4Point(Owner), FPen(NewPen()), FBrush(NewBrush()) {
  ApplyDefaults(stQuadruPoint);
}

void TSQuadruPoint::SetPen(TPen* Value) { AssignTool(FPen, Value); }
void TSQuadruPoint::SetBrush(TBrush* Value) { AssignTool(FBrush, Value); }

// --- creation ----------------------------------------------------------------

namespace {

template <class T>
std::unique_ptr<TCharge> Make(TShapeOwner* Owner) {
  return std::make_unique<T>(Owner);
}

using TMaker = std::unique_ptr<TCharge> (*)(TShapeOwner*);

// In the order of TShapeType.
constexpr std::array<TMaker, ShapeTypeCount> Makers = {
    Make<TCharge>,       Make<TSMarker>,   Make<TSHotspot>,      Make<TSLine>,        Make<TSCircle>,
    Make<TSRectangle>,   Make<TSPole>,     Make<TSGraphic>,      Make<TSText>,        Make<TSTextBox>,
    Make<TSImageListBMP>, Make<TSEllipse>, Make<TSString>,       Make<TSTickedLine>,  Make<TSCircle1>,
    Make<TSTriangle>,    Make<TSDynaLine>, Make<TSBitmap>,       Make<TSBezier>,      Make<TSForm>,
    Make<TSQuadruPoint>, Make<TSCheckBox>, Make<TSHalfEllipse>,  Make<TSHalfCircle>};

}  // namespace

std::unique_ptr<TCharge> CreateShape(TShapeType Kind, TShapeOwner* Owner) {
  const auto I = static_cast<std::size_t>(Kind);
  return Makers[I < Makers.size() ? I : 0](Owner);
}

TPicture* PictureOf(QObject* Component) {
  if (!Component) return nullptr;
  if (auto* Picture = qobject_cast<TPicture*>(Component)) return Picture;
  const QMetaObject* Meta = Component->metaObject();
  const int Index = Meta->indexOfProperty("Picture");
  if (Index < 0) return nullptr;
  return qobject_cast<TPicture*>(Meta->property(Index).read(Component).value<QObject*>());
}
