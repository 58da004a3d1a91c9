#include "UPictureContainer.h"

THTMLPicture* THTMLPictureCache::AddPicture() {
  FPictures.push_back(std::make_unique<THTMLPicture>());
  return FPictures.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const QString& id) const {
  for (const auto& p : FPictures)
    if (p->ID() == id) return p.get();
  return nullptr;
}

bool THTMLPictureCache::Animate() {
  bool any = false;
  for (const auto& p : FPictures) any = p->Step() || any;
  return any;
}

THTMLPicture* THTMLPictureCache::Items(int32_t index) const {
  return index >= 0 && index < Count() ? FPictures[size_t(index)].get() : nullptr;
}

void THTMLPictureCache::SetItems(int32_t index, const THTMLPicture* picture) {
  if (THTMLPicture* p = Items(index)) p->Assign(picture);
}

void TPictureItem::Assign(const TPictureItem& source) {
  if (&source == this) return;
  FName = source.FName;
  FTag = source.FTag;
  FPicture->Assign(source.FPicture.get());
}

TPictureItem* TPictureCollection::Add() {
  FItems.push_back(std::make_unique<TPictureItem>());
  return FItems.back().get();
}

TPictureItem* TPictureCollection::Insert(int32_t index) {
  index = std::clamp(index, 0, Count());
  return FItems.insert(FItems.begin() + index, std::make_unique<TPictureItem>())->get();
}

TPictureItem* TPictureCollection::Items(int32_t index) const {
  return index >= 0 && index < Count() ? FItems[size_t(index)].get() : nullptr;
}

void TPictureCollection::SetItems(int32_t index, const TPictureItem& item) {
  if (TPictureItem* target = Items(index)) target->Assign(item);
}

bool TPictureCollection::Animate() {
  bool any = false;
  for (const auto& item : FItems) any = item->Picture().Step() || any;
  return any;
}

void TPictureContainer::SetItems(const TPictureCollection& items) {
  if (&items == &FItems) return;
  FItems.Clear();
  for (int32_t i = 0; i < items.Count(); ++i) FItems.Add()->Assign(*items.Items(i));
}

THTMLPicture* TPictureContainer::FindPicture(const QString& name) {
  const QString wanted = name.toUpper();
  for (int32_t i = 0; i < FItems.Count(); ++i) {
    TPictureItem* item = FItems.Items(i);
    if (item->Name().toUpper() == wanted) return &item->Picture();
  }
  return nullptr;
}
