#include "UGridEditorFactory.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>

#include "UEditLink.h"
#include "UGridButton.h"
#include "UGridCheckBox.h"
#include "UGridCombo.h"
#include "UGridDatePicker.h"
#include "UGridDateTimePicker.h"
#include "UGridEditBtn.h"
#include "UGridEditorRegistry.h"
#include "UGridRichHost.h"
#include "UGridSpin.h"
#include "UGridTransCombo.h"
#include "UGridTransEdit.h"
#include "UGridUnitEditBtn.h"
#include "UGridView.h"
#include "UQrvInplaceEdit.h"
#include "UQrvStringGrid.h"

void TGridEditorFactory::Install(TGridView& view) {
  auto* grid = dynamic_cast<TQrvStringGrid*>(&view.Grid());
  if (grid) view.SetEditors(std::make_unique<TGridEditorFactory>(view, *grid));
}

TGridEditorFactory::TGridEditorFactory(TGridView& view, TQrvStringGrid& grid)
    : FView(view),
      FGrid(grid),
      FTransEdit(std::make_unique<TGridTransEdit>(grid, view.viewport())),
      FTransCombo(std::make_unique<TGridTransCombo>(grid, view.viewport())) {}

TGridEditorFactory::~TGridEditorFactory() {
  // The editors go with their window: their focus loss commits nothing and fires no event any more.
  if (FNormalEdit) FNormalEdit->Detach();
  for (const auto& editor : FEditors)
    if (editor) editor->Detach();
  if (TEditLink* link = FGrid.EditLink()) link->Forget(&FGrid);
  FTransEdit->Detach();
  FTransCombo->Detach();
  FView.SetEditor(nullptr);
}

TQrvInplaceEdit* TGridEditorFactory::NormalEdit() {
  if (!FNormalEdit) FNormalEdit = std::make_unique<TQrvInplaceEdit>(FGrid, &FView, FView.viewport());
  return FNormalEdit.get();
}

TGridCellEditor* TGridEditorFactory::Made(TEditorType kind) const {
  const int32_t number = TGridEditorRegistry::Instance().MakerOf(kind);
  return number >= 0 && size_t(number) < FEditors.size() ? FEditors[size_t(number)].get() : nullptr;
}

TGridCellEditor* TGridEditorFactory::Editor(TEditorType kind) {
  const TGridEditorRegistry& registry = TGridEditorRegistry::Instance();
  const int32_t number = registry.MakerOf(kind);
  if (number < 0) return nullptr;
  if (FEditors.size() <= size_t(number)) FEditors.resize(size_t(registry.MakerCount()));
  std::unique_ptr<TGridCellEditor>& editor = FEditors[size_t(number)];
  if (!editor) {
    editor = registry.Maker(number)(*this);
    if (editor && FGrid.ColorTonesSet()) editor->ApplyTones(FGrid.ColorTones(), FGrid.Color());
  }
  return editor.get();
}

TGridCombo* TGridEditorFactory::Combobox() {
  return EditorAs<TGridCombo>(edComboEdit);
}

TGridSpin* TGridEditorFactory::SpinEdit() {
  return EditorAs<TGridSpin>(edSpinEdit);
}

TGridDatePicker* TGridEditorFactory::DateTimePicker() {
  return EditorAs<TGridDatePicker>(edDateEdit);
}

TGridDateTimePicker* TGridEditorFactory::DateAndTimePicker() {
  return EditorAs<TGridDateTimePicker>(edDateTimeEdit);
}

TGridEditBtn* TGridEditorFactory::BtnEdit() {
  return EditorAs<TGridEditBtn>(edEditBtn);
}

TGridUnitEditBtn* TGridEditorFactory::BtnUnitEdit() {
  return EditorAs<TGridUnitEditBtn>(edUnitEditBtn);
}

TGridCheckBox* TGridEditorFactory::EditCheck() {
  return EditorAs<TGridCheckBox>(edCheckBox);
}

TGridButton* TGridEditorFactory::GridButton() {
  return EditorAs<TGridButton>(edButton);
}

VAruDoreRido* TGridEditorFactory::InplaceRichEdit() const {
  auto* host = dynamic_cast<TGridRichHost*>(Made(edRichEdit));
  return host ? host->InplaceRichEdit() : nullptr;
}

void TGridEditorFactory::ApplyTones() {
  if (!FGrid.ColorTonesSet()) return;
  for (const auto& editor : FEditors)
    if (editor) editor->ApplyTones(FGrid.ColorTones(), FGrid.Color());
}

void TGridEditorFactory::Present(QWidget* control, const TEditorPlace& place, int32_t grow) {
  FView.SetEditor(control);
  control->setEnabled(true);
  control->setGeometry(place.Rect.Left - grow, place.Rect.Top - grow, place.Width + 2 * grow,
                       place.Height + 2 * grow);
  control->show();
  control->setFocus(Qt::OtherFocusReason);
}

void TGridEditorFactory::PutAway(QWidget* control) {
  if (!control) return;
  if (control->hasFocus() || control->isAncestorOf(QApplication::focusWidget())) {
    // The rich editor's own focus loss must not read this as the user leaving it.
    auto* rich = dynamic_cast<TGridRichHost*>(Made(edRichEdit));
    if (rich) rich->SetFocusMoving(true);
    FView.setFocus();
    if (rich) rich->SetFocusMoving(false);
  }
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
  if (!edit->MaskError().isEmpty()) ShowBalloon(QString(), edit->MaskError(), 3);
}

bool TGridEditorFactory::TextEditorShowing() const {
  return FNormalEdit && FNormalEdit->isVisible();
}

QString TGridEditorFactory::TextEditorText() const {
  return FNormalEdit ? FNormalEdit->CellText() : QString();
}

void TGridEditorFactory::HideTextEditor() {
  if (!FNormalEdit) return;
  FNormalEdit->Closed();
  PutAway(FNormalEdit.get());
}

bool TGridEditorFactory::ShowSpecialEditor(TEditorType kind, const TEditorPlace& place) {
  FEditCtrl = nullptr;
  // The grid's tones may have changed since the editors were last shown.
  ApplyTones();
  TGridCellEditor* editor = Editor(kind);
  if (!editor) return false;
  // An editor may already show a refusal while it opens (an edit mask it cannot use).
  FEditCtrl = editor->EditControl();
  if (!editor->Open(*this, kind, place)) {
    FEditCtrl = nullptr;
    return false;
  }
  FEditCtrl = editor->EditControl();
  return true;
}

TEditorValue TGridEditorFactory::CommitSpecialEditor(TEditorType kind) {
  // An editor never made has nothing to give back.
  TGridCellEditor* editor = Made(kind);
  const TEditorValue value = editor ? editor->Commit(*this, kind) : TEditorValue();
  FEditCtrl = nullptr;
  return value;
}

void TGridEditorFactory::PostStartChar(QChar ch) {
  QWidget* target = FEditCtrl ? FEditCtrl.data() : FNormalEdit ? FNormalEdit->Face() : nullptr;
  // Backspace arrives as its key: the editors act on the key, not on its character.
  const int key = ch == QChar(8) ? Qt::Key_Backspace : 0;
  if (target) QApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, QString(ch)));
}

void TGridEditorFactory::ShowBalloon(const QString& title, const QString& text, int32_t icon) {
  QWidget* target = nullptr;
  if (FGrid.EditMode() && !FGrid.SpecialEditorOpen()) {
    target = FNormalEdit.get();
  } else if (FEditCtrl) {
    target = FEditCtrl;
    // An editable combo shows it under its edit part.
    auto* combo = dynamic_cast<TQsgCustomCombo*>(target);
    if (combo && combo->Style() != csDropDownList && combo->lineEdit()) target = combo->lineEdit();
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

bool TGridEditorFactory::ShowFixedEditor(TGridFixedCellEditor kind, int32_t realCol, int32_t row, const TRect& rect,
                                         const QStringList& values) {
  QWidget* editor = kind == fceEdit ? static_cast<QWidget*>(FTransEdit.get()) : FTransCombo.get();
  editor->setGeometry(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top);
  if (kind == fceEdit)
    FTransEdit->Start(realCol, row);
  else
    FTransCombo->Start(realCol, row, values, kind == fceComboList);
  return true;
}

bool TGridEditorFactory::StopFixedEditor() {
  if (FTransEdit->isVisible() && !FTransEdit->StopEdit()) return false;
  if (FTransCombo->isVisible() && !FTransCombo->StopEdit()) return false;
  return true;
}
