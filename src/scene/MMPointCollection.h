#pragma once
// The scene points as a published collection: every item shows one point of
// the scene core (same ID) with its properties, so designs store them as
//
//   MMPoints = <
//     item
//       X = 0
//       Y = 100
//       Name = 'P0'
//       Origin = -1
//       FixReference = -1
//       FixType = ftNone
//     end>
//
// Items and core points are created and deleted together; the shapes work
// on the core points (Points()).
#include <QObject>
#include <QString>

#include "platform/Collections.h"
#include "platform/Events.h"
#include "scene/MMPoints.h"

class TMMPointCollection;

class TMMPointItem : public TCollectionItem {
  Q_OBJECT
  Q_PROPERTY(int X READ X WRITE SetX)
  Q_PROPERTY(int Y READ Y WRITE SetY)
  Q_PROPERTY(double R READ R WRITE SetR STORED false)
  Q_PROPERTY(double PhiDegree READ PhiDegree WRITE SetPhiDegree STORED false)
  Q_PROPERTY(double PhiRadian READ PhiRadian WRITE SetPhiRadian STORED false)
  Q_PROPERTY(QString Name READ Name WRITE SetName)
  Q_PROPERTY(int Origin READ Origin WRITE SetOrigin)
  Q_PROPERTY(int FixReference READ FixReference WRITE SetFixReference)
  Q_PROPERTY(int FixType READ FixType WRITE SetFixType)
  Q_PROPERTY(double FixParam1 READ FixParam1 WRITE SetFixParam1)
  Q_PROPERTY(double FixParam2 READ FixParam2 WRITE SetFixParam2)

 public:
  TMMPointItem();
  ~TMMPointItem() override;

  // Before a drag step; the handler may change the target. Sender: the shape.
  TNotifyXYEvent OnTryToDrag;
  // After a drag step moved the point. Sender: the shape.
  TNotifyEvent OnDragging;
  // At every change of the point. Sender: this item.
  TNotifyEvent OnChanging;

  // The core point; nullptr while the item is in no point collection.
  TMMPoint* Point() const;

  int X() const;
  void SetX(int Value);
  int Y() const;
  void SetY(int Value);
  double R() const;
  void SetR(double Value);
  double PhiDegree() const;
  void SetPhiDegree(double Value);
  double PhiRadian() const;
  void SetPhiRadian(double Value);
  QString Name() const;
  void SetName(const QString& Value);
  int Origin() const;
  void SetOrigin(int Value);
  int FixReference() const;
  void SetFixReference(int Value);
  // A TFixType value.
  int FixType() const;
  void SetFixType(int Value);
  double FixParam1() const;
  void SetFixParam1(double Value);
  double FixParam2() const;
  void SetFixParam2(double Value);

  // Absolute position in box coordinates.
  TPoint AbsolutePosition() const;
  // Copies the effective X and Y, the name and the origin of Source.
  void Assign(const TMMPointItem& Source);

  // The parameters are stored only when not 0.
  bool IsStored(const QString& Property) const override;
};

class TMMPointCollection : public TCollection {
  Q_OBJECT
 public:
  explicit TMMPointCollection(QObject* Owner = nullptr);
  ~TMMPointCollection() override;

  // The core points, in the order and with the IDs of the items.
  TMMPoints& Points() { return FPoints; }
  const TMMPoints& Points() const { return FPoints; }

  TMMPointItem* Add() { return static_cast<TMMPointItem*>(TCollection::Add()); }
  TMMPointItem* Items(int Index) const { return static_cast<TMMPointItem*>(Item(Index)); }
  TMMPointItem* FindByID(int ID) const { return static_cast<TMMPointItem*>(FindItemID(ID)); }
  // The first item whose name is Name (case-sensitive), or nullptr.
  TMMPointItem* FindByName(const QString& Name) const;

 protected:
  void Update(TCollectionItem* Item) override;

 private:
  // Makes the core points follow the items: a point for every new item,
  // none for a deleted one.
  void Sync();
  void Connect(TMMPoint& Point, TMMPointItem* Item);

  TMMPoints FPoints;
};
