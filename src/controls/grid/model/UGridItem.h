#pragma once
// A hidden row parked outside the cell store: its cells (text and object slot per real column), its height, its
// real index and the filter level that hid it. The item owns the cell properties it carries until the row is shown.
#include <QString>
#include <cstdint>
#include <vector>

#include "UGridTypes.h"

struct TParkedCell {
  QString Text;
  TObject* Object = nullptr;
};

class TGridItem {
 public:
  TGridItem() = default;
  ~TGridItem();
  TGridItem(const TGridItem&) = delete;
  TGridItem& operator=(const TGridItem&) = delete;

  int32_t Idx() const { return FIdx; }
  void SetIdx(int32_t value) { FIdx = value; }
  int32_t Height() const { return FHeight; }
  void SetHeight(int32_t value) { FHeight = value; }
  int32_t Level() const { return FLevel; }
  void SetLevel(int32_t value) { FLevel = value; }
  std::vector<TParkedCell>& Items() { return FItems; }
  const std::vector<TParkedCell>& Items() const { return FItems; }
  // Empties the cell list, freeing the properties it carries.
  void ClearItems();

 private:
  int32_t FIdx = 0;
  int32_t FHeight = 0;
  std::vector<TParkedCell> FItems;
  int32_t FLevel = 0;
};
