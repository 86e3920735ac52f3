#include "scene/MMPointCollection.h"

#include <QPointer>
#include <cmath>

#include "scene/MMMath.h"

namespace {

// Drag events carry the dragging shape, which is always a QObject.
QObject* SenderObject(void* Sender) { return static_cast<QObject*>(Sender); }

}  // namespace

TMMPointItem::TMMPointItem() = default;

TMMPointItem::~TMMPointItem() = default;

TMMPoint* TMMPointItem::Point() const {
  auto* Owner = qobject_cast<TMMPointCollection*>(Collection());
  return Owner ? Owner->Points().FindByID(ID()) : nullptr;
}

int TMMPointItem::X() const {
  const TMMPoint* P = Point();
  return P ? P->X() : 0;
}

void TMMPointItem::SetX(int Value) {
  if (TMMPoint* P = Point()) P->SetX(Value);
}

int TMMPointItem::Y() const {
  const TMMPoint* P = Point();
  return P ? P->Y() : 0;
}

void TMMPointItem::SetY(int Value) {
  if (TMMPoint* P = Point()) P->SetY(Value);
}

double TMMPointItem::R() const {
  const TMMPoint* P = Point();
  return P ? static_cast<double>(P->R()) : 0;
}

void TMMPointItem::SetR(double Value) {
  if (TMMPoint* P = Point()) P->SetR(Value);
}

double TMMPointItem::PhiDegree() const {
  const TMMPoint* P = Point();
  return P ? static_cast<double>(P->PhiDegree()) : 0;
}

void TMMPointItem::SetPhiDegree(double Value) {
  if (TMMPoint* P = Point()) P->SetPhiDegree(Value);
}

double TMMPointItem::PhiRadian() const {
  const TMMPoint* P = Point();
  return P ? static_cast<double>(P->PhiRadian()) : 0;
}

void TMMPointItem::SetPhiRadian(double Value) {
  if (TMMPoint* P = Point()) P->SetPhiRadian(Value);
}

QString TMMPointItem::Name() const {
  const TMMPoint* P = Point();
  return P ? QString::fromStdString(P->Name()) : QString();
}

void TMMPointItem::SetName(const QString& Value) {
  if (TMMPoint* P = Point()) P->SetName(Value.toStdString());
}

int TMMPointItem::Origin() const {
  const TMMPoint* P = Point();
  return P ? P->Origin() : -1;
}

void TMMPointItem::SetOrigin(int Value) {
  if (TMMPoint* P = Point()) P->SetOrigin(Value);
}

int TMMPointItem::FixReference() const {
  const TMMPoint* P = Point();
  return P ? P->FixReference() : -1;
}

void TMMPointItem::SetFixReference(int Value) {
  if (TMMPoint* P = Point()) P->SetFixReference(Value);
}

int TMMPointItem::FixType() const {
  const TMMPoint* P = Point();
  return P ? P->FixType() : ftNone;
}

void TMMPointItem::SetFixType(int Value) {
  // Only the kinds there are; anything else is no constraint.
  const TFixType Kind = Value >= 0 && Value < FixTypeCount ? static_cast<TFixType>(Value) : ftNone;
  if (TMMPoint* P = Point()) P->SetFixType(Kind);
}

double TMMPointItem::FixParam1() const {
  const TMMPoint* P = Point();
  return P ? static_cast<double>(P->FixParam1()) : 0;
}

void TMMPointItem::SetFixParam1(double Value) {
  if (TMMPoint* P = Point()) P->SetFixParam1(Value);
}

double TMMPointItem::FixParam2() const {
  const TMMPoint* P = Point();
  return P ? static_cast<double>(P->FixParam2()) : 0;
}

void TMMPointItem::SetFixParam2(double Value) {
  if (TMMPoint* P = Point()) P->SetFixParam2(Value);
}

TPoint TMMPointItem::AbsolutePosition() const {
  const TMMPoint* P = Point();
  return P ? P->AbsolutePosition() : TPoint{};
}

void TMMPointItem::Assign(const TMMPointItem& Source) {
  TMMPoint* P = Point();
  const TMMPoint* S = Source.Point();
  if (P && S && P != S) P->Assign(*S);
}

bool TMMPointItem::IsStored(const QString& Property) const {
  if (Property == QLatin1String("FixParam1")) return FixParam1() != 0;
  if (Property == QLatin1String("FixParam2")) return FixParam2() != 0;
  return true;
}

TMMPointCollection::TMMPointCollection(QObject* Owner) : TCollection(ItemsOf<TMMPointItem>(), Owner) {
  // A changed point repaints whoever shows the collection.
  FPoints.SetOwner(this);
  FPoints.SetOnInvalidate([this] { emit Changed(nullptr); });
}

TMMPointCollection::~TMMPointCollection() {
  // The core points go first, so no point event reaches a deleted item.
  FPoints.SetOnInvalidate(nullptr);
  FPoints.Clear();
}

TMMPointItem* TMMPointCollection::FindByName(const QString& Name) const {
  for (int I = 0; I < Count(); ++I)
    if (Items(I)->Name() == Name) return Items(I);
  return nullptr;
}

void TMMPointCollection::Update(TCollectionItem* Item) {
  if (!Item) Sync();
  TCollection::Update(Item);
}

void TMMPointCollection::Sync() {
  // Items keep their creation order and IDs grow with it, so both lists are
  // sorted by ID and one merge pass matches them.
  int Core = 0;
  for (int I = 0; I < Count(); ++I) {
    const int ID = Item(I)->ID();
    while (Core < FPoints.Count() && FPoints[Core].ID() < ID) FPoints.Delete(Core);
    if (Core < FPoints.Count() && FPoints[Core].ID() == ID) {
      ++Core;
      continue;
    }
    // A new item. IDs restart at 0 only after the collection was emptied.
    while (Core < FPoints.Count()) FPoints.Delete(Core);
    Connect(FPoints.Add(ID), Items(I));
    ++Core;
  }
  while (Core < FPoints.Count()) FPoints.Delete(Core);
}

void TMMPointCollection::Connect(TMMPoint& Point, TMMPointItem* Item) {
  QPointer<TMMPointItem> Guard(Item);
  Point.SetOnChanging([Guard](void*) {
    if (Guard) Guard->OnChanging(Guard.data());
  });
  Point.SetOnTryToDrag([Guard](void* Sender, int& X, int& Y) {
    if (Guard) Guard->OnTryToDrag(SenderObject(Sender), X, Y);
  });
  Point.SetOnDragging([Guard](void* Sender) {
    if (Guard) Guard->OnDragging(SenderObject(Sender));
  });
}
