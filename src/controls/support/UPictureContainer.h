#pragma once
// Where the markup renderer finds pictures: the cache of pictures whose source holds "://" (owned by the grid) and
// the container of named pictures.
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "UHTMLPicture.h"

class THTMLPictureCache {
 public:
  THTMLPicture* AddPicture();
  // The first picture whose ID equals the text exactly.
  THTMLPicture* FindPicture(const QString& id) const;
  void ClearPictures() { FPictures.clear(); }
  bool Animate();
  int32_t Count() const { return int32_t(FPictures.size()); }
  THTMLPicture* Items(int32_t index) const;
  // Assigns the picture's data into the picture held at index.
  void SetItems(int32_t index, const THTMLPicture* picture);

 private:
  std::vector<std::unique_ptr<THTMLPicture>> FPictures;
};

class TPictureCollection;

class TPictureItem {
 public:
  THTMLPicture& Picture() { return *FPicture; }
  const THTMLPicture& Picture() const { return *FPicture; }
  void SetPicture(const THTMLPicture* picture) { FPicture->Assign(picture); }
  const QString& Name() const { return FName; }
  void SetName(const QString& value) { FName = value; }
  int32_t Tag() const { return FTag; }
  void SetTag(int32_t value) { FTag = value; }
  void Assign(const TPictureItem& source);

 private:
  std::unique_ptr<THTMLPicture> FPicture = std::make_unique<THTMLPicture>();
  QString FName;
  int32_t FTag = 0;
};

class TPictureCollection {
 public:
  explicit TPictureCollection(void* owner = nullptr) : FOwner(owner) {}
  void* Owner() const { return FOwner; }
  TPictureItem* Add();
  TPictureItem* Insert(int32_t index);
  int32_t Count() const { return int32_t(FItems.size()); }
  TPictureItem* Items(int32_t index) const;
  void SetItems(int32_t index, const TPictureItem& item);
  void Clear() { FItems.clear(); }
  bool Animate();

 private:
  void* FOwner;
  std::vector<std::unique_ptr<TPictureItem>> FItems;
};

class TPictureContainer {
 public:
  TPictureContainer() : FItems(this) {}
  virtual ~TPictureContainer() = default;
  TPictureContainer(const TPictureContainer&) = delete;
  TPictureContainer& operator=(const TPictureContainer&) = delete;
  TPictureCollection& Items() { return FItems; }
  // Copies the items of another collection; the container keeps its own one.
  void SetItems(const TPictureCollection& items);
  // Names are compared without regard to case; the first match in collection order wins.
  virtual THTMLPicture* FindPicture(const QString& name);

 private:
  TPictureCollection FItems;
};
