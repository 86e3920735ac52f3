#include "scene/MMObjects.h"

#include <QMetaProperty>

TMMObject* TCharge::OwnerObject() const { return dynamic_cast<TMMObject*>(FOwner); }

TMMObject::TMMObject() = default;

TMMObject::~TMMObject() {
  // The shape goes first: it must not notify an object being destroyed.
  FShapeData.reset();
}

void TMMObject::SetName(const QString& Value) {
  FName = Value;
  Changed();
}

void TMMObject::SetShape(int Value) {
  const TShapeType Kind = Value >= 0 && Value < ShapeTypeCount ? static_cast<TShapeType>(Value) : stNone;
  FShapeData.reset();
  FShape = Kind;
  FShapeData = CreateShape(Kind, this);
  // Parented for the form writer, which stores the values of owned objects;
  // the object still deletes its shape itself.
  FShapeData->setParent(this);
  Changed();
}

void TMMObject::Changed() { TCollectionItem::Changed(); }

void TMMObject::Paint(TCanvas& Canvas, const TMMPoints& Points) {
  if (TSShape* S = SShape()) S->Paint(Canvas, Points);
}

void TMMObject::Assign(const TMMObject& Source) {
  if (&Source == this) return;
  SetName(Source.FName);
  OnClick = Source.OnClick;
  SetShape(Source.FShape);
  const TCharge* From = Source.ShapeData();
  TCharge* To = ShapeData();
  if (!From || !To) return;
  // Both are of the same class: copy every published value. Pens, brushes
  // and fonts are copied by their setters.
  const QMetaObject* Meta = To->metaObject();
  for (int I = QObject::staticMetaObject.propertyCount(); I < Meta->propertyCount(); ++I) {
    const QMetaProperty P = Meta->property(I);
    if (P.isWritable()) P.write(To, P.read(From));
  }
}

TMMObjects::TMMObjects(QObject* Owner) : TCollection(ItemsOf<TMMObject>(), Owner) {}

TMMObjects::~TMMObjects() = default;

TMMObject* TMMObjects::FindByID(int ID) const { return static_cast<TMMObject*>(FindItemID(ID)); }

TMMObject* TMMObjects::FindByName(const QString& Name) const {
  for (int I = 0; I < Count(); ++I)
    if (Items(I)->Name() == Name) return Items(I);
  return nullptr;
}

void TMMObjects::SetVisible(std::span<const int> IDs, bool Visible) {
  for (int ID : IDs)
    if (TMMObject* O = FindByID(ID))
      if (TSShape* S = O->SShape()) S->SetVisible(Visible);
}
