#include "UGridView.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include "UCanvas.h"
#include "UGridModule.h"
#include "UQrvStringGrid.h"

TGridView::TGridView(std::unique_ptr<TBaseGrid> grid, QWidget* parent)
    : TGuarded<QAbstractScrollArea>(parent), FGrid(grid ? std::move(grid) : std::make_unique<TBaseGrid>()) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
  // Every pixel is painted by the cells; the toolkit need not clear the viewport first.
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  FGrid->SetBounds(0, 0, viewport()->width(), viewport()->height());
  FGrid->SetHost(this);
}

TGridView::~TGridView() {
  SetEditors(nullptr);
  FGrid->SetHost(nullptr);
}

TGridEditDoneEvent::TGridEditDoneEvent(int32_t realCol, int32_t row)
    : QEvent(EventType()), RealCol(realCol), Row(row) {}

QEvent::Type TGridEditDoneEvent::EventType() {
  if (GridModule().GridEditDoneMessage == 0) Grid_Module_Start();
  return static_cast<QEvent::Type>(GridModule().GridEditDoneMessage);
}

void TGridView::SetEditors(std::unique_ptr<IGridEditors> editors) {
  auto* grid = dynamic_cast<TQrvStringGrid*>(FGrid.get());
  if (grid) grid->SetEditors(nullptr);
  FEditors = std::move(editors);
  if (grid) grid->SetEditors(FEditors.get());
}

bool TGridView::Guarded_Event(QEvent* e) {
  if (e->type() == TGridEditDoneEvent::EventType()) {
    const auto* done = static_cast<TGridEditDoneEvent*>(e);
    if (auto* grid = dynamic_cast<TQrvStringGrid*>(FGrid.get())) grid->GridEditDone(done->RealCol, done->Row);
    return true;
  }
  return TGuarded<QAbstractScrollArea>::Guarded_Event(e);
}

void TGridView::SetEditor(QWidget* editor) {
  if (FEditor && FEditor != editor) FEditor->hide();
  FEditor = editor;
  if (editor) {
    editor->setParent(viewport());
    Place_Editor();
    editor->show();
  }
}

uint16_t TGridView::Key_Code(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Left:
      return VK_LEFT;
    case Qt::Key_Right:
      return VK_RIGHT;
    case Qt::Key_Up:
      return VK_UP;
    case Qt::Key_Down:
      return VK_DOWN;
    case Qt::Key_Home:
      return VK_HOME;
    case Qt::Key_End:
      return VK_END;
    case Qt::Key_PageUp:
      return VK_PRIOR;
    case Qt::Key_PageDown:
      return VK_NEXT;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return VK_RETURN;
    case Qt::Key_Escape:
      return VK_ESCAPE;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return VK_TAB;
    case Qt::Key_Backspace:
      return VK_BACK;
    case Qt::Key_Space:
      return VK_SPACE;
    case Qt::Key_Insert:
      return VK_INSERT;
    case Qt::Key_Delete:
      return VK_DELETE;
    case Qt::Key_F2:
      return VK_F2;
    default:
      break;
  }
  // Letters and digits keep their code: the desktop's key codes for them are their upper-case characters.
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
    return static_cast<uint16_t>(qtKey);
  return 0;
}

TShiftState TGridView::Shift_State(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  TShiftState state;
  if (modifiers & Qt::ShiftModifier) state |= ssShift;
  if (modifiers & Qt::ControlModifier) state |= ssCtrl;
  if (modifiers & Qt::AltModifier) state |= ssAlt;
  if (buttons & Qt::LeftButton) state |= ssLeft;
  if (buttons & Qt::RightButton) state |= ssRight;
  if (buttons & Qt::MiddleButton) state |= ssMiddle;
  return state;
}

void TGridView::InvalidateAll() {
  viewport()->update();
}

void TGridView::InvalidateRect(const TRect& rect, bool) {
  viewport()->update(QRect(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top));
}

void TGridView::SetRedraw(bool on) {
  viewport()->setUpdatesEnabled(on);
}

bool TGridView::IsShowing() const {
  return isVisible();
}

bool TGridView::HasFocus() const {
  return hasFocus() || (FEditor && FEditor->hasFocus());
}

void TGridView::GeometryChanged() {
  Update_Scroll_Bars();
  Place_Editor();
}

void TGridView::Update_Scroll_Bars() {
  if (FSyncing) return;
  FSyncing = true;
  const TBaseGrid& g = *FGrid;
  QScrollBar* v = verticalScrollBar();
  v->setRange(g.FixedRows() < g.RowCount() ? g.FixedRows() : 0, std::max(g.FixedRows(), g.MaxTopRow()));
  v->setPageStep(g.VisibleRowCount());
  v->setValue(g.TopRow());
  QScrollBar* h = horizontalScrollBar();
  h->setRange(g.FixedCols() < g.ColCount() ? g.FixedCols() : 0, std::max(g.FixedCols(), g.MaxLeftCol()));
  h->setPageStep(g.VisibleColCount());
  h->setValue(g.LeftCol());
  FSyncing = false;
}

void TGridView::Place_Editor() {
  if (!FEditor) return;
  const TRect r = FGrid->CellRect(FGrid->Col(), FGrid->Row());
  FEditor->setGeometry(r.Left, r.Top, std::max(0, r.Right - r.Left), std::max(0, r.Bottom - r.Top));
}

bool TGridView::viewportEvent(QEvent* e) {
  // The scroll area hands the viewport's events to the handlers past event(), so they are guarded here.
  bool handled = true;
  Run_Guarded([&] {
    if (e->type() == QEvent::Leave) Set_Hover_Row(-1);
    handled = TGuarded<QAbstractScrollArea>::viewportEvent(e);
  });
  return handled;
}

void TGridView::paintEvent(QPaintEvent* e) {
  TCanvas canvas(viewport());
  const QRect area = e->rect();
  // The area right of the last column and below the last row first: the grid may paint its own background there.
  canvas.Brush().Color = FGrid->Color();
  canvas.Brush().Style = bsSolid;
  int32_t right = 0, bottom = 0;
  for (int32_t c = 0; c < FGrid->FixedCols(); ++c) right += FGrid->ColWidths(c);
  for (int32_t c = FGrid->LeftCol(); c < FGrid->ColCount() && right < viewport()->width(); ++c)
    right += FGrid->ColWidths(c);
  for (int32_t r = 0; r < FGrid->FixedRows(); ++r) bottom += FGrid->RowHeights(r);
  for (int32_t r = FGrid->TopRow(); r < FGrid->RowCount() && bottom < viewport()->height(); ++r)
    bottom += FGrid->RowHeights(r);
  if (right < viewport()->width()) canvas.FillRect(TRect{right, 0, viewport()->width(), viewport()->height()});
  if (bottom < viewport()->height()) canvas.FillRect(TRect{0, bottom, right, viewport()->height()});
  FGrid->Paint(canvas, TRect{area.left(), area.top(), area.right() + 1, area.bottom() + 1});
}

void TGridView::resizeEvent(QResizeEvent*) {
  FGrid->SetBounds(0, 0, viewport()->width(), viewport()->height());
}

void TGridView::scrollContentsBy(int, int) {
  if (FSyncing) return;
  // The grid scrolls in whole cells: the bars' values are the first scrollable row and column shown.
  FSyncing = true;
  FGrid->SetTopRow(verticalScrollBar()->value());
  FGrid->SetLeftCol(horizontalScrollBar()->value());
  FSyncing = false;
  Place_Editor();
}

void TGridView::keyPressEvent(QKeyEvent* e) {
  uint16_t key = Key_Code(e->key());
  if (key == 0) {
    QAbstractScrollArea::keyPressEvent(e);
    return;
  }
  FGrid->KeyDown(key, Shift_State(e->modifiers()));
  if (key == VK_RETURN) {
    QChar ch(VK_RETURN);
    FGrid->KeyPress(ch);
    if (ch.isNull()) key = 0;
  }
  if (key == 0)
    e->accept();
  else
    e->ignore();
}

void TGridView::mousePressEvent(QMouseEvent* e) {
  setFocus(Qt::MouseFocusReason);
  if (e->button() != Qt::LeftButton) return;
  int32_t c = -1, r = -1;
  const QPoint p = e->position().toPoint();
  if (!FGrid->MouseToCell(p.x(), p.y(), c, r) || c < FGrid->FixedCols() || r < FGrid->FixedRows()) return;
  const bool extend = (e->modifiers() & Qt::ShiftModifier) && (FGrid->Options() & goRangeSelect);
  FGrid->FocusCell(c, r, extend);
  FGrid->MoveToBaseCell();
}

void TGridView::mouseMoveEvent(QMouseEvent* e) {
  int32_t c = -1, r = -1;
  const QPoint p = e->position().toPoint();
  if (!FGrid->MouseToCell(p.x(), p.y(), c, r)) r = -1;
  Set_Hover_Row(r);
}

void TGridView::Set_Hover_Row(int32_t row) {
  if (!FGrid->HoverRow() || row == FGrid->HoverRowIdx()) return;
  FGrid->SetHoverRowIdx(row);
  viewport()->update();
}

void TGridView::wheelEvent(QWheelEvent* e) {
  const int delta = e->angleDelta().y();
  if (delta == 0) {
    e->ignore();
    return;
  }
  // A turn back the other way drops what was left of the last one.
  if ((delta > 0) != (FWheelRest > 0)) FWheelRest = 0;
  FWheelRest += delta;
  const TShiftState shift = Shift_State(e->modifiers(), e->buttons());
  for (; FWheelRest >= 120; FWheelRest -= 120) FGrid->DoMouseWheelUp(shift);
  for (; FWheelRest <= -120; FWheelRest += 120) FGrid->DoMouseWheelDown(shift);
  e->accept();
}

void TGridView::focusInEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusInEvent(e);
  viewport()->update();
}

void TGridView::focusOutEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusOutEvent(e);
  viewport()->update();
}
