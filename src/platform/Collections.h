#pragma once
// Owned, ordered lists of published items, stored in designs as
//
//   MMPoints = <
//     item
//       X = 10
//     end
//     item ... end>
//
// A component publishes a collection as a QObject-pointer Q_PROPERTY that it
// owns (READ only is enough):
//
//   Q_PROPERTY(TMMPoints* MMPoints READ MMPoints)
//
// Reading the design clears the collection, then for each item calls Add()
// and sets the item's Q_PROPERTYs (and events) in file order. Items get IDs
// from 0 in creation order.
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Streamable.h"

class TCollection;

class TCollectionItem : public QObject, public TStreamable {
  Q_OBJECT
 public:
  explicit TCollectionItem(QObject* Parent = nullptr);
  ~TCollectionItem() override;

  TCollection* Collection() const;
  int Index() const;  // position in the collection, -1 when in none
  int ID() const { return FID; }

 protected:
  // Tells the collection that one of the item's values changed.
  void Changed();

 private:
  friend class TCollection;
  int FID = -1;
};

class TCollection : public QObject {
  Q_OBJECT
 public:
  using TItemFactory = std::function<std::unique_ptr<TCollectionItem>()>;

  explicit TCollection(TItemFactory Factory, QObject* Owner = nullptr);
  ~TCollection() override;

  template <class TItem>
  static TItemFactory ItemsOf() {
    return [] { return std::make_unique<TItem>(); };
  }

  // Appends a new item of the collection's item class.
  TCollectionItem* Add();
  int Count() const { return static_cast<int>(FItems.size()); }
  TCollectionItem* Item(int Index) const;
  TCollectionItem* FindItemID(int ID) const;
  void Delete(int Index);
  void Clear();

 signals:
  // After adding, deleting or clearing, and when an item reports a change
  // (Item is null for changes of the whole list).
  void Changed(TCollectionItem* Item);

 protected:
  // Creates an unowned item; the default uses the factory.
  virtual std::unique_ptr<TCollectionItem> CreateItem();
  // Called for every change; the default emits Changed.
  virtual void Update(TCollectionItem* Item);

 private:
  friend class TCollectionItem;
  void Forget(TCollectionItem* Item);

  TItemFactory FFactory;
  std::vector<TCollectionItem*> FItems;  // owned as QObject children
  int FNextID = 0;
};
