#include "UGridRichHost.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTextCursor>

#include "UGridView.h"
#include "UQrvStringGrid.h"
#include "USysColors.h"

TGridRichHost::TGridRichHost(TGridView& view, TQrvStringGrid& grid) : QWidget(&view), FView(view), FGrid(grid) {
  hide();
}

TGridRichHost::~TGridRichHost() {
  FDetached = true;
  FInplace.reset();
}

VAruDoreRido* TGridRichHost::MakeInplaceRichEdit() {
  if (!FInplace) {
    FInplace = std::make_unique<VAruDoreRido>(this);
    FInplace->setParent(FView.viewport());
    FInplace->setFrameShape(QFrame::NoFrame);
    FInplace->hide();
  }
  return FInplace.get();
}

bool TGridRichHost::Open(IGridEditorHost& host, TEditorType, const TEditorPlace& place) {
  FGrid.SetEditMode(true);
  VAruDoreRido* rich = MakeInplaceRichEdit();
  rich->ReCreate();
  // Locked while it is filled and placed: loading the cell must not grow the row.
  rich->Lock();
  FGrid.GetEditorProp(place.RealCol, place.Row, FGrid.EditLink());
  FGrid.CellToRich(place.RealCol, place.Row, *rich);
  if (FGrid.Navigation().EditSelectAll())
    rich->selectAll();
  else
    rich->moveCursor(QTextCursor::End);
  rich->document()->setDocumentMargin(2);
  QPalette palette = rich->palette();
  palette.setColor(QPalette::Base, TColorToQColor(place.Color));
  rich->setPalette(palette);
  host.Present(rich, place, 0);
  rich->Unlock();
  return true;
}

TEditorValue TGridRichHost::Commit(IGridEditorHost& host, TEditorType) {
  TEditorValue value;
  if (!FInplace) return value;
  value.Kind = TEditorValue::Text;
  value.Str = FGrid.RichToString(*FInplace);
  host.PutAway(FInplace.get());
  FInplace->setEnabled(false);
  return value;
}

QWidget* TGridRichHost::GridWidget() {
  return &FView;
}

void TGridRichHost::ShowInplaceEdit() {
  if (!FDetached) FGrid.ShowInplaceEdit();
}

void TGridRichHost::HideInplaceEdit() {
  if (!FDetached) FGrid.HideInplaceEdit();
}

void TGridRichHost::GridKeyDown(int key, Qt::KeyboardModifiers shift) {
  if (FDetached) return;
  // The editor is still open: the grid's own key handling closes it before it moves the current cell.
  QKeyEvent press(QEvent::KeyPress, key, shift);
  QApplication::sendEvent(&FView, &press);
}

int32_t TGridRichHost::Col() const {
  return FGrid.Col();
}

int32_t TGridRichHost::Row() const {
  return FGrid.Row();
}

TRect TGridRichHost::CellRect(int32_t col, int32_t row) const {
  return FGrid.CellRect(col, row);
}

int32_t TGridRichHost::RowHeights(int32_t row) const {
  return FGrid.RowHeights(row);
}

void TGridRichHost::SetRowHeights(int32_t row, int32_t height) {
  FGrid.SetRowHeights(row, height);
}

int32_t TGridRichHost::GridHeight() const {
  return FView.viewport()->height();
}

bool TGridRichHost::SizeWhileTypingHeight() const {
  return FGrid.SizeWhileTyping().Height;
}

bool TGridRichHost::WordWrap() const {
  return FGrid.WordWrap();
}

bool TGridRichHost::Multilinecells() const {
  return FGrid.Multilinecells;
}

bool TGridRichHost::HasTabsOption() const {
  return FGrid.Options() & goTabs;
}

bool TGridRichHost::InvokedFocusChange() const {
  return FDetached || FFocusMoving;
}

void TGridRichHost::EndRowSize(int32_t row) {
  if (FGrid.OnEndRowSize) FGrid.OnEndRowSize(&FGrid, row);
}
