#pragma once
// The objects of a scene as a published collection. Each object carries one
// shape object (ShapeData) of the class its Shape kind names; designs store
// an object as
//
//   item
//     Name = 'Nagel'
//     Shape = stCircle1
//     ShapeData.Point = 0
//     ShapeData.Radius = 4
//     ShapeData.Brush.Color = clSilver
//   end
//
// Shape comes before ShapeData, so the shape object exists when its values
// are read.
#include <QObject>
#include <QString>
#include <initializer_list>
#include <memory>
#include <span>

#include "platform/Collections.h"
#include "platform/Events.h"
#include "scene/MMShapes.h"

class TMMObject : public TCollectionItem, public TShapeOwner {
  Q_OBJECT
  Q_PROPERTY(QString Name READ Name WRITE SetName)
  Q_PROPERTY(int Shape READ Shape WRITE SetShape)
  Q_PROPERTY(TCharge* ShapeData READ ShapeData)

 public:
  TMMObject();
  ~TMMObject() override;

  // Raised when a mouse press hits the object's shape. Sender: the object.
  TNotifyEvent OnClick;

  QString Name() const { return FName; }
  void SetName(const QString& Value);
  // A TShapeType value. Writing it replaces the shape object by a new one of
  // the kind's class, even for the same kind.
  int Shape() const { return FShape; }
  void SetShape(int Value);
  // nullptr until Shape is first written.
  TCharge* ShapeData() const { return FShapeData.get(); }
  // The shape object when it is a drawing shape.
  TSShape* SShape() const { return qobject_cast<TSShape*>(FShapeData.get()); }

  // Repaints the scene.
  void Changed() override;
  // Draws the shape, when it is a drawing shape.
  virtual void Paint(TCanvas& Canvas, const TMMPoints& Points);

  // Copies the name, OnClick, the kind (a fresh shape) and the shape's values.
  void Assign(const TMMObject& Source);

 private:
  QString FName = QStringLiteral("TMMObject");
  int FShape = stNone;
  std::unique_ptr<TCharge> FShapeData;
};

class TMMObjects : public TCollection {
  Q_OBJECT
 public:
  explicit TMMObjects(QObject* Owner = nullptr);
  ~TMMObjects() override;

  TMMObject* Add() { return static_cast<TMMObject*>(TCollection::Add()); }
  TMMObject* Items(int Index) const { return static_cast<TMMObject*>(Item(Index)); }
  virtual TMMObject* FindByID(int ID) const;
  // The first object whose name is Name (case-sensitive), or nullptr.
  virtual TMMObject* FindByName(const QString& Name) const;
  // Shows or hides the shapes of the objects with the given IDs; unknown IDs
  // and objects without a drawing shape are passed over.
  virtual void SetVisible(std::span<const int> IDs, bool Visible);
  void SetVisible(std::initializer_list<int> IDs, bool Visible) {
    SetVisible(std::span<const int>(IDs.begin(), IDs.size()), Visible);
  }
};
