#pragma once
// A menu a grid pops up (a column's menu, the header's drop-down menu): a toolkit menu that carries the number the
// grid gives it when it opens (the column it was opened for).
#include <QMenu>
#include <cstdint>

class TPopupMenu : public QMenu {
 public:
  using QMenu::QMenu;
  int32_t Tag = 0;
};
