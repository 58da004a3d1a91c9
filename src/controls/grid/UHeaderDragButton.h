#pragma once
// THeaderDragButton: the picture of a column header that follows the mouse while a column (row) is moved or a column
// is dragged out of the grid. A bordered window that never takes the focus, painted with the grid's fixed-cell
// background and the caption (markup when it holds "</", else one centred line cut with an ellipsis).
#include <QWidget>

class TQrvStringGrid;

class THeaderDragButton : public QWidget {
 public:
  THeaderDragButton(TQrvStringGrid& grid, QWidget* owner);

  TQrvStringGrid& Grid() const { return FGrid; }
  const QString& Caption() const { return FCaption; }
  void SetCaption(const QString& value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool value);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TQrvStringGrid& FGrid;
  QString FCaption;
  bool FFlat = false;
};
