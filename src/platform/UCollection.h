#pragma once
// An owned, ordered list of items that know their position and their list, with a begin/end-update bracket that
// holds back change notifications: the container that persistent component settings (column definitions, filter
// entries, colour lists) are kept in.
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "Exception.h"

// An index outside a list.
class EListError : public Exception {
 public:
  using Exception::Exception;
};

class TCollection;

class TCollectionItem {
 public:
  // The collection is remembered so that the item can read its owner's state while it is built; the item joins
  // the collection's list only through the collection's Add or Insert.
  explicit TCollectionItem(TCollection* collection) : FCollection(collection) {}
  virtual ~TCollectionItem() = default;
  TCollectionItem(const TCollectionItem&) = delete;
  TCollectionItem& operator=(const TCollectionItem&) = delete;

  TCollection* Collection() const { return FCollection; }
  // Position in the collection; -1 while the item is in no collection's list.
  int32_t Index() const;
  // Moves the item to another position of its collection (clamped to the list) and notifies the change.
  void SetIndex(int32_t value);

  // Copies the settings of another item; an item of a kind it does not know leaves it unchanged.
  virtual void Assign(const TCollectionItem& source);
  // The text that names the item in lists of the collection's items.
  virtual QString DisplayName() const { return QString(); }

 protected:
  // Tells the collection that this item (or, with allItems, the whole list) changed.
  void Changed(bool allItems);

 private:
  friend class TCollection;
  TCollection* FCollection;
};

class TCollection {
 public:
  TCollection() = default;
  virtual ~TCollection();
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;

  int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
  // Out-of-range indexes raise EListError.
  TCollectionItem* Item(int32_t index) const;
  int32_t IndexOf(const TCollectionItem* item) const;

  // A new item of the collection's kind at the end, or at index (clamped to 0 .. Count).
  TCollectionItem* AddItem();
  TCollectionItem* InsertItem(int32_t index);
  // Frees the item at index; out-of-range indexes raise EListError.
  void Delete(int32_t index);
  void Clear();
  void Move(int32_t fromIndex, int32_t toIndex);

  // Replaces the items with copies of source's items (each through its Assign).
  virtual void Assign(const TCollection& source);

  // Notifications are held back while at least one bracket is open; closing the last one notifies once.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  int32_t UpdateCount() const { return FUpdateCount; }

  // Runs after items are added, inserted, deleted or moved (item nullptr) and when an item reports a change.
  virtual void Update(TCollectionItem* item);

 protected:
  // The collection's item kind, freshly built for this collection.
  virtual std::unique_ptr<TCollectionItem> NewItem() = 0;
  // Puts a built item into the list at index (clamped) and notifies; returns it.
  TCollectionItem* PlaceItem(std::unique_ptr<TCollectionItem> item, int32_t index);
  void Changed();

 private:
  friend class TCollectionItem;
  std::vector<std::unique_ptr<TCollectionItem>> FItems;
  int32_t FUpdateCount = 0;
};
