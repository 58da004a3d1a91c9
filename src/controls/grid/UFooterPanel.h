#pragma once
// TFooterPanel: the strip under a grid view's cells that shows the grid's floating footer. The grid paints it and
// answers which column a click hit; the panel only hands its paint and release over.
#include <QWidget>

class TQrvStringGrid;

class TFooterPanel : public QWidget {
 public:
  TFooterPanel(TQrvStringGrid& grid, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* e) override;
  // Taken here, so a press on the strip never reaches the grid under it.
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  TQrvStringGrid& FGrid;
};
