#include "UGridFilterList.h"

#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QPointer>

#include "UQrvStringGrid.h"

void TGridFilterList::Install(QAbstractScrollArea& view, TQrvStringGrid& grid) {
  QPointer<TGridFilterList> list = new TGridFilterList(grid, view.viewport());
  grid.ShowFilterList = [list](int32_t, const TQrvStringGrid::TFilterListPlace& place) {
    if (!list) return;
    list->clear();
    list->addItems(place.Items);
    if (list->count() > 0) list->setCurrentRow(0);
    const int32_t rows = std::min(list->count(), 8);
    const int32_t height = std::max(rows, 1) * list->sizeHintForRow(0) + 2 * list->frameWidth();
    list->setGeometry(place.Bounds.Left, place.Bounds.Top, place.Bounds.Right - place.Bounds.Left, height);
    list->show();
    list->raise();
    list->setFocus(Qt::OtherFocusReason);
  };
  grid.HideFilterList = [list, &view] {
    if (!list || !list->isVisible()) return;
    const bool focused = list->hasFocus();
    list->hide();
    if (focused) view.setFocus(Qt::OtherFocusReason);
  };
}

TGridFilterList::TGridFilterList(TQrvStringGrid& grid, QWidget* parent) : QListWidget(parent), FGrid(grid) {
  hide();
  connect(this, &QListWidget::itemActivated, this, [this] { FGrid.CloseFilterList(); });
}

void TGridFilterList::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    FGrid.CloseFilterList();
    return;
  }
  QListWidget::keyPressEvent(e);
}

void TGridFilterList::focusOutEvent(QFocusEvent* e) {
  QListWidget::focusOutEvent(e);
  if (isVisible()) FGrid.CloseFilterList();
}
