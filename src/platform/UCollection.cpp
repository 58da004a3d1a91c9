#include "UCollection.h"

#include <algorithm>

namespace {

[[noreturn]] void RaiseIndexError(int32_t index) {
  throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

}  // namespace

int32_t TCollectionItem::Index() const {
  return FCollection ? FCollection->IndexOf(this) : -1;
}

void TCollectionItem::SetIndex(int32_t value) {
  const int32_t current = Index();
  if (current >= 0) FCollection->Move(current, value);
}

void TCollectionItem::Assign(const TCollectionItem&) {}

void TCollectionItem::Changed(bool allItems) {
  if (FCollection && FCollection->FUpdateCount == 0 && Index() >= 0) FCollection->Update(allItems ? nullptr : this);
}

TCollection::~TCollection() = default;

TCollectionItem* TCollection::Item(int32_t index) const {
  if (index < 0 || index >= Count()) RaiseIndexError(index);
  return FItems[static_cast<size_t>(index)].get();
}

int32_t TCollection::IndexOf(const TCollectionItem* item) const {
  for (size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i].get() == item) return static_cast<int32_t>(i);
  return -1;
}

TCollectionItem* TCollection::AddItem() {
  return PlaceItem(NewItem(), Count());
}

TCollectionItem* TCollection::InsertItem(int32_t index) {
  return PlaceItem(NewItem(), index);
}

TCollectionItem* TCollection::PlaceItem(std::unique_ptr<TCollectionItem> item, int32_t index) {
  index = std::clamp(index, 0, Count());
  item->FCollection = this;
  TCollectionItem* placed = item.get();
  FItems.insert(FItems.begin() + index, std::move(item));
  Changed();
  return placed;
}

void TCollection::Delete(int32_t index) {
  if (index < 0 || index >= Count()) RaiseIndexError(index);
  // The item leaves the list before it is freed, so nothing it runs on its way out sees a half-removed entry.
  std::unique_ptr<TCollectionItem> removed = std::move(FItems[static_cast<size_t>(index)]);
  FItems.erase(FItems.begin() + index);
  removed.reset();
  Changed();
}

void TCollection::Clear() {
  if (FItems.empty()) return;
  BeginUpdate();
  while (!FItems.empty()) {
    std::unique_ptr<TCollectionItem> removed = std::move(FItems.back());
    FItems.pop_back();
  }
  EndUpdate();
}

void TCollection::Move(int32_t fromIndex, int32_t toIndex) {
  if (fromIndex < 0 || fromIndex >= Count()) RaiseIndexError(fromIndex);
  toIndex = std::clamp(toIndex, 0, Count() - 1);
  if (fromIndex == toIndex) return;
  std::unique_ptr<TCollectionItem> moved = std::move(FItems[static_cast<size_t>(fromIndex)]);
  FItems.erase(FItems.begin() + fromIndex);
  FItems.insert(FItems.begin() + toIndex, std::move(moved));
  Changed();
}

void TCollection::Assign(const TCollection& source) {
  if (&source == this) return;
  BeginUpdate();
  Clear();
  for (int32_t i = 0; i < source.Count(); ++i) {
    std::unique_ptr<TCollectionItem> item = NewItem();
    item->FCollection = this;
    item->Assign(*source.Item(i));
    FItems.push_back(std::move(item));
  }
  EndUpdate();
}

void TCollection::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Changed() {
  if (FUpdateCount == 0) Update(nullptr);
}
