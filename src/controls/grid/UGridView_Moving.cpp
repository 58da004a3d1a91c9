// What a column (row) move shows while it runs with EnhRowColMove: the moved header (the header drag button), or with
// ShowCells a picture of the moved column (row), following the mouse less where it was pressed; and the arrows on
// both sides of the fixed part that point at the edge where it would land.
#include <QLabel>

#include "UGridView.h"
#include "UHeaderDragButton.h"

THeaderDragButton& TGridView::Header_Button(int32_t c) {
  if (!FMoveButton) FMoveButton = new THeaderDragButton(*FAdvanced, this);
  const int32_t real = FAdvanced->RealColIndex(c);
  FMoveButton->SetCaption(FAdvanced->Cells(real, 0));
  FMoveButton->resize(std::max(1, FAdvanced->ColWidths(c)), std::max(1, FAdvanced->RowHeights(0)));
  return *FMoveButton;
}

THeaderDragButton* TGridView::MoveButton() const {
  return FMoveButton;
}

QWidget* TGridView::MoveForm() const {
  return FMoveForm;
}

TArrowWindow* TGridView::MoveArrow(TArrowDirection direction) const {
  return FMoveArrows[direction];
}

void TGridView::SetMoveArrowColor(TColor color) {
  for (TArrowWindow* arrow : FMoveArrows)
    if (arrow) arrow->SetColor(color);
}

void TGridView::Sync_Move_Preview() {
  if (!FAdvanced) return;
  const TGridMovePreview move = FAdvanced->MovePreview();
  const bool cells = move.Shown && FAdvanced->DragDropSettings.ShowCells;
  for (const TArrowDirection d : {arrUp, arrDown, arrLeft, arrRight})
    if (move.Shown && !FMoveArrows[d]) {
      FMoveArrows[d] = new TArrowWindow(this, d);
      FMoveArrows[d]->SetColor(FAdvanced->ArrowColor);
    }
  if (!move.Shown || cells) {
    if (FMoveButton) {
      FMoveButton->hide();
      FMoveButton->setEnabled(false);
    }
  }
  if (!cells && FMoveForm) delete FMoveForm;
  if (!move.Shown) {
    for (auto& arrow : FMoveArrows)
      if (arrow) arrow->hide();
    return;
  }
  const QPoint at = viewport()->mapToGlobal(QPoint(move.Bounds.Left, move.Bounds.Top));
  if (cells) {
    // The picture is taken once, as the move starts.
    if (!FMoveForm) {
      FMoveForm = new QLabel(
          this, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
      FMoveForm->setAttribute(Qt::WA_ShowWithoutActivating);
      FMoveForm->setAttribute(Qt::WA_TranslucentBackground);
      FMoveForm->setAttribute(Qt::WA_TransparentForMouseEvents);
      const QPixmap picture = Drag_Image(move.Cells);
      FMoveForm->setPixmap(picture);
      FMoveForm->resize(picture.size());
    }
    FMoveForm->move(at);
    FMoveForm->show();
  } else {
    THeaderDragButton& button = Header_Button(move.Columns ? FAdvanced->MovingIndex() : 0);
    // A row shows its first cell.
    if (!move.Columns) {
      button.SetCaption(move.Caption);
      button.resize(move.Bounds.Right - move.Bounds.Left, move.Bounds.Bottom - move.Bounds.Top);
    }
    button.move(at);
    button.setEnabled(true);
    button.show();
  }
  // Columns: one arrow above the fixed rows pointing down, one below them pointing up; rows alike from the sides.
  TArrowWindow* before = FMoveArrows[move.Columns ? arrDown : arrLeft];
  TArrowWindow* after = FMoveArrows[move.Columns ? arrUp : arrRight];
  FMoveArrows[move.Columns ? arrLeft : arrDown]->hide();
  FMoveArrows[move.Columns ? arrRight : arrUp]->hide();
  if (!move.EdgeShown) {
    before->hide();
    after->hide();
    return;
  }
  const QPoint from = viewport()->mapToGlobal(QPoint(move.EdgeFrom.X, move.EdgeFrom.Y));
  const QPoint to = viewport()->mapToGlobal(QPoint(move.EdgeTo.X, move.EdgeTo.Y));
  const int32_t tip = 5;  // the arrows' tips lie 5 pixels into their windows
  if (move.Columns) {
    before->move(from.x() - tip, from.y() - before->height());
    after->move(to.x() - tip, to.y());
  } else {
    before->move(from.x() - before->width(), from.y() - tip);
    after->move(to.x(), to.y() - tip);
  }
  before->show();
  after->show();
}
