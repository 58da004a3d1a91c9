#include "UGridItem.h"

#include "UCellProperties.h"

TGridItem::~TGridItem() {
  ClearItems();
}

void TGridItem::ClearItems() {
  for (TParkedCell& cell : FItems) delete dynamic_cast<TCellProperties*>(cell.Object);
  FItems.clear();
}
