#include "platform/Collections.h"

#include <algorithm>

TCollectionItem::TCollectionItem(QObject* Parent) : QObject(Parent) {}

TCollectionItem::~TCollectionItem() {
  if (TCollection* Owner = Collection()) Owner->Forget(this);
}

TCollection* TCollectionItem::Collection() const { return qobject_cast<TCollection*>(parent()); }

int TCollectionItem::Index() const {
  TCollection* Owner = Collection();
  if (!Owner) return -1;
  auto It = std::find(Owner->FItems.begin(), Owner->FItems.end(), this);
  return It == Owner->FItems.end() ? -1 : static_cast<int>(It - Owner->FItems.begin());
}

void TCollectionItem::Changed() {
  if (TCollection* Owner = Collection()) Owner->Update(this);
}

TCollection::TCollection(TItemFactory Factory, QObject* Owner) : QObject(Owner), FFactory(std::move(Factory)) {}

TCollection::~TCollection() {
  // Items are deleted here, while the list they unregister from still lives.
  std::vector<TCollectionItem*> Items;
  Items.swap(FItems);
  for (TCollectionItem* Item : Items) {
    Item->setParent(nullptr);
    delete Item;
  }
}

std::unique_ptr<TCollectionItem> TCollection::CreateItem() {
  return FFactory ? FFactory() : std::make_unique<TCollectionItem>();
}

TCollectionItem* TCollection::Add() {
  std::unique_ptr<TCollectionItem> Item = CreateItem();
  Item->FID = FNextID++;
  Item->setParent(this);
  TCollectionItem* Raw = Item.release();
  FItems.push_back(Raw);
  Update(nullptr);
  return Raw;
}

TCollectionItem* TCollection::Item(int Index) const {
  return Index >= 0 && Index < Count() ? FItems[static_cast<std::size_t>(Index)] : nullptr;
}

TCollectionItem* TCollection::FindItemID(int ID) const {
  for (TCollectionItem* Item : FItems)
    if (Item->ID() == ID) return Item;
  return nullptr;
}

void TCollection::Delete(int Index) {
  if (TCollectionItem* Victim = Item(Index)) {
    delete Victim;  // unregisters itself
    Update(nullptr);
  }
}

void TCollection::Clear() {
  if (FItems.empty()) return;
  std::vector<TCollectionItem*> Items;
  Items.swap(FItems);
  for (TCollectionItem* Item : Items) {
    Item->setParent(nullptr);
    delete Item;
  }
  FNextID = 0;  // a cleared collection numbers its items from 0 again
  Update(nullptr);
}

void TCollection::Update(TCollectionItem* Item) { emit Changed(Item); }

void TCollection::Forget(TCollectionItem* Item) {
  FItems.erase(std::remove(FItems.begin(), FItems.end(), Item), FItems.end());
}
