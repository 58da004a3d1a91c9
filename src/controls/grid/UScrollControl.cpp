#include "UScrollControl.h"

#include <QMouseEvent>
#include <QPainter>

#include "UApplication.h"
#include "UGridScrollBars.h"
#include "UQrvStringGrid.h"
#include "USysColors.h"

TScrollControl::TScrollControl(TQrvStringGrid& grid, TScrollDirection direction, QWidget* parent)
    : QWidget(parent), FGrid(grid), FDirection(direction) {
  // Not filled: the cells under the bar show around its thumb.
  setAttribute(Qt::WA_NoSystemBackground);
  setCursor(Qt::ArrowCursor);
}

void TScrollControl::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  update();
}

void TScrollControl::paintEvent(QPaintEvent*) {
  const TScrollThumb t = ScrollControlThumb(FGrid, Vertical(), Vertical() ? height() : width());
  if (!t.Shown) return;
  QPainter p(this);
  const QRect thumb =
      Vertical() ? QRect(0, t.Start, ScrollWidth, t.Length) : QRect(t.Start, 0, t.Length, ScrollWidth);
  p.fillRect(thumb, TColorToQColor(FColor));
}

int32_t TScrollControl::Along(const QMouseEvent& e) const {
  const QPoint p = e.position().toPoint();
  return Vertical() ? p.y() : p.x();
}

void TScrollControl::Scroll_To(int32_t first) {
  Run_Guarded([&] { Vertical() ? FGrid.SetTopRow(first) : FGrid.SetLeftCol(first); });
  update();
}

void TScrollControl::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const int32_t first = ScrollControlPress(FGrid, Vertical(), Vertical() ? height() : width(), Along(*e));
  if (first >= 0) {
    Scroll_To(first);
    return;
  }
  FDownOnScroller = true;
  FDownPos = Along(*e);
  FDownRow = Vertical() ? FGrid.TopRow() : FGrid.LeftCol();
}

void TScrollControl::mouseMoveEvent(QMouseEvent* e) {
  if (FDownOnScroller) Scroll_To(ScrollControlDrag(FGrid, Vertical(), FDownPos, FDownRow, Along(*e)));
}

void TScrollControl::mouseReleaseEvent(QMouseEvent*) {
  FDownOnScroller = false;
}
