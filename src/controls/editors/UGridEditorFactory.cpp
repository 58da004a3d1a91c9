#include "UGridEditorFactory.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>

#include "UGridCombo.h"
#include "UGridView.h"
#include "UQrvInplaceEdit.h"
#include "UQrvStringGrid.h"

void TGridEditorFactory::Install(TGridView& view) {
  auto* grid = dynamic_cast<TQrvStringGrid*>(&view.Grid());
  if (grid) view.SetEditors(std::make_unique<TGridEditorFactory>(view, *grid));
}

TGridEditorFactory::TGridEditorFactory(TGridView& view, TQrvStringGrid& grid)
    : FView(view), FGrid(grid), FCombo(std::make_unique<TGridCombo>(grid, &view, view.viewport())) {}

TGridEditorFactory::~TGridEditorFactory() {
  // The editors go with their window: their focus loss commits nothing and fires no event any more.
  if (FNormalEdit) FNormalEdit->Detach();
  FCombo->Detach();
  FView.SetEditor(nullptr);
}

TQrvInplaceEdit* TGridEditorFactory::NormalEdit() {
  if (!FNormalEdit) FNormalEdit = std::make_unique<TQrvInplaceEdit>(FGrid, &FView, FView.viewport());
  return FNormalEdit.get();
}

void TGridEditorFactory::PutAway(QWidget* control) {
  if (!control) return;
  if (control->hasFocus() || control->isAncestorOf(QApplication::focusWidget())) FView.setFocus();
  if (FView.Editor() == control) FView.SetEditor(nullptr);
  control->hide();
}

void TGridEditorFactory::ShowTextEditor(TEditorType kind) {
  TQrvInplaceEdit* edit = NormalEdit();
  edit->UpdateContents(kind);
  FView.SetEditor(edit);
  const TRect r = FGrid.CellRect(FGrid.Col(), FGrid.Row());
  edit->setGeometry(r.Left, r.Top, std::max(0, r.Right - r.Left - 1), std::max(0, r.Bottom - r.Top - 1));
  edit->setFocus(Qt::OtherFocusReason);
}

bool TGridEditorFactory::TextEditorShowing() const {
  return FNormalEdit && FNormalEdit->isVisible();
}

QString TGridEditorFactory::TextEditorText() const {
  return FNormalEdit ? FNormalEdit->text() : QString();
}

void TGridEditorFactory::HideTextEditor() {
  if (!FNormalEdit) return;
  FNormalEdit->Closed();
  PutAway(FNormalEdit.get());
}

bool TGridEditorFactory::ShowSpecialEditor(TEditorType kind, const TEditorPlace& place) {
  FEditCtrl = nullptr;
  switch (kind) {
    case edComboEdit:
    case edComboList:
      FGrid.SetEditMode(true);
      FView.SetEditor(FCombo.get());
      FCombo->Open(kind == edComboList, place.Col, place.Row, place.Width, place.Height, place.Color);
      FCombo->move(place.Rect.Left, place.Rect.Top);
      FEditCtrl = FCombo.get();
      return true;
    default:
      // The other kinds' controls are not made here: their cells keep their text.
      return false;
  }
}

TEditorValue TGridEditorFactory::CommitSpecialEditor(TEditorType kind) {
  TEditorValue value;
  switch (kind) {
    case edComboEdit:
    case edComboList:
      value.Kind = TEditorValue::Text;
      value.Str = FCombo->CommitText();
      PutAway(FCombo.get());
      FCombo->setEnabled(false);
      break;
    default:
      break;
  }
  FEditCtrl = nullptr;
  return value;
}

void TGridEditorFactory::PostStartChar(QChar ch) {
  QWidget* target = FEditCtrl ? FEditCtrl.data() : static_cast<QWidget*>(FNormalEdit.get());
  if (target) QApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch)));
}

void TGridEditorFactory::ShowBalloon(const QString& title, const QString& text, int32_t icon) {
  QWidget* target = nullptr;
  if (FGrid.EditMode() && !FGrid.SpecialEditorOpen()) {
    target = FNormalEdit.get();
  } else if (FEditCtrl) {
    target = FEditCtrl;
    if (FEditCtrl == FCombo.get() && FCombo->Style() != csDropDownList && FCombo->lineEdit())
      target = FCombo->lineEdit();
  }
  if (!target) return;
  FBalloon = {target, title, text, icon};
  const QString tip = title.isEmpty() ? text : text.isEmpty() ? title : title + QLatin1Char('\n') + text;
  QToolTip::showText(target->mapToGlobal(QPoint(0, target->height())), tip, target);
}

void TGridEditorFactory::FocusGrid() {
  FView.setFocus(Qt::OtherFocusReason);
}

void TGridEditorFactory::PostEditDone(int32_t realCol, int32_t row) {
  QApplication::postEvent(&FView, new TGridEditDoneEvent(realCol, row));
}
