// Controls the application placed in cells, and the live scroll bar of a scroll-bar cell: the grid says where each
// belongs, the view moves, sizes, shows and hides the widgets.
#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "UGridView.h"

namespace {
// The grid keeps the keyboard, and the wheel over a cell's bar scrolls the grid as anywhere else over the cells.
class TCellScrollBar : public QScrollBar {
 public:
  explicit TCellScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) { setFocusPolicy(Qt::NoFocus); }

 protected:
  // The bar would take the wheel in event() itself; it hands it to the cells under it instead.
  bool event(QEvent* e) override {
    if (e->type() != QEvent::Wheel || !parentWidget()) return QScrollBar::event(e);
    const auto* w = static_cast<QWheelEvent*>(e);
    QWheelEvent cells(w->position() + QPointF(pos()), w->globalPosition(), w->pixelDelta(), w->angleDelta(),
                      w->buttons(), w->modifiers(), w->phase(), w->inverted(), w->source());
    QApplication::sendEvent(parentWidget(), &cells);
    e->setAccepted(cells.isAccepted());
    return true;
  }
};
}  // namespace

void TGridView::PlaceCellControls() {
  if (!FAdvanced) return;
  const TControlList& list = FAdvanced->ControlList();
  std::vector<QPointer<QWidget>> placed;
  for (int32_t i = 0; i < list.Count(); ++i) {
    const TControlItem& item = *list.GetControl(i);
    QWidget* control = qobject_cast<QWidget*>(item.Control.data());
    if (!control) continue;
    placed.emplace_back(control);
    const TCellControlPlace place = FAdvanced->CellControlPlace(item);
    if (place.Action == TCellControlPlace::Leave) continue;
    if (place.Action == TCellControlPlace::Hide) {
      control->hide();
      continue;
    }
    // A control without a parent joins the cells; one with a parent of its own is placed in its parent's terms.
    if (!control->parentWidget()) control->setParent(viewport());
    QWidget* parent = control->parentWidget();
    const QPoint topLeft(place.Bounds.Left, place.Bounds.Top);
    const QPoint at = parent == viewport() ? topLeft : parent->mapFromGlobal(viewport()->mapToGlobal(topLeft));
    control->setGeometry(QRect(at, QSize(place.Bounds.Width(), place.Bounds.Height())));
    control->show();
    control->update();
  }
  // A control that left the list (its row removed, or taken out of its cell) no longer stands over the cells.
  for (const QPointer<QWidget>& before : FPlacedControls)
    if (before && std::find(placed.begin(), placed.end(), before) == placed.end()) before->hide();
  FPlacedControls = std::move(placed);
}

void TGridView::ShowCellScrollBar(const TRect& bar, int32_t position, int32_t maximum, int32_t page) {
  if (!FCellBar) {
    FCellBar = new TCellScrollBar(viewport());
    connect(FCellBar, &QAbstractSlider::actionTriggered, this,
            [this](int action) { Run_Guarded([&] { Cell_Bar_Action(action); }); });
  }
  FCellBar->setRange(0, maximum);
  FCellBar->setPageStep(page);
  FCellBar->setValue(position);
  FCellBar->setGeometry(bar.Left, bar.Top, bar.Width(), bar.Height());
  FCellBar->show();
  FCellBar->raise();
}

void TGridView::HideCellScrollBar() {
  if (FCellBar) FCellBar->hide();
}

void TGridView::Cell_Bar_Action(int action) {
  TQrvStringGrid::TCellScrollStep step;
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
      step = TQrvStringGrid::csLineUp;
      break;
    case QAbstractSlider::SliderSingleStepAdd:
      step = TQrvStringGrid::csLineDown;
      break;
    case QAbstractSlider::SliderPageStepSub:
      step = TQrvStringGrid::csPageUp;
      break;
    case QAbstractSlider::SliderPageStepAdd:
      step = TQrvStringGrid::csPageDown;
      break;
    case QAbstractSlider::SliderNoAction:
      return;
    default:
      // Dragged, or sent to an end: the thumb's place is the position asked for.
      step = TQrvStringGrid::csTrack;
      break;
  }
  // The bar has moved by its own steps already; the grid's steps and limits decide where it stays.
  FCellBar->setSliderPosition(FAdvanced->CellScrollBarStep(step, FCellBar->sliderPosition()));
}
