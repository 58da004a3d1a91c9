#pragma once
// The list a column's filter button opens in the grid's filter row: one entry per value the column offers. It
// closes when it is left, on Escape or when an entry is chosen; the grid decides where it shows and when it closes.
#include <QListWidget>

class QAbstractScrollArea;
class TQrvStringGrid;

class TGridFilterList : public QListWidget {
 public:
  // Makes the list on the view's viewport and lets the grid open and close it.
  static void Install(QAbstractScrollArea& view, TQrvStringGrid& grid);
  TGridFilterList(TQrvStringGrid& grid, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  TQrvStringGrid& FGrid;
};
