#include "UFooterPanel.h"

#include <QMouseEvent>

#include "UCanvas.h"
#include "UQrvStringGrid.h"

TFooterPanel::TFooterPanel(TQrvStringGrid& grid, QWidget* parent) : QWidget(parent), FGrid(grid) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TFooterPanel::paintEvent(QPaintEvent*) {
  TCanvas canvas(this);
  FGrid.PaintFloatingFooter(canvas, TRect{0, 0, width(), height()});
}

void TFooterPanel::mousePressEvent(QMouseEvent* e) {
  e->accept();
}

void TFooterPanel::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) FGrid.FooterClick(e->position().toPoint().x());
}
