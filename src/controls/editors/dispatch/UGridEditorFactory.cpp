#include "UGridEditorFactory.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextCursor>
#include <QToolTip>

#include "UEditLink.h"
#include "UEditorTones.h"
#include "UGridButton.h"
#include "UGridCheckBox.h"
#include "UGridCombo.h"
#include "UGridDatePicker.h"
#include "UGridDateTimePicker.h"
#include "UGridEditBtn.h"
#include "UGridRichHost.h"
#include "UGridSpin.h"
#include "UGridTransCombo.h"
#include "UGridTransEdit.h"
#include "UGridUnitEditBtn.h"
#include "UGridView.h"
#include "UQrvInplaceEdit.h"
#include "UQrvStringGrid.h"
#include "USysColors.h"

void TGridEditorFactory::Install(TGridView& view) {
  auto* grid = dynamic_cast<TQrvStringGrid*>(&view.Grid());
  if (grid) view.SetEditors(std::make_unique<TGridEditorFactory>(view, *grid));
}

TGridEditorFactory::TGridEditorFactory(TGridView& view, TQrvStringGrid& grid)
    : FView(view),
      FGrid(grid),
      FCombo(std::make_unique<TGridCombo>(grid, &view, view.viewport())),
      FEditBtn(std::make_unique<TGridEditBtn>(grid, &view, view.viewport())),
      FUnitEditBtn(std::make_unique<TGridUnitEditBtn>(grid, &view, view.viewport())),
      FCheck(std::make_unique<TGridCheckBox>(grid, view.viewport())),
      FButton(std::make_unique<TGridButton>(grid, &view, view.viewport())),
      FTransEdit(std::make_unique<TGridTransEdit>(grid, view.viewport())),
      FTransCombo(std::make_unique<TGridTransCombo>(grid, view.viewport())),
      FRichHost(std::make_unique<TGridRichHost>(view, grid)) {}

TGridEditorFactory::~TGridEditorFactory() {
  // The editors go with their window: their focus loss commits nothing and fires no event any more.
  if (FNormalEdit) FNormalEdit->Detach();
  if (FSpin) FSpin->Detach();
  if (FDate) FDate->Detach();
  if (FDateTime) FDateTime->Detach();
  if (TEditLink* link = FGrid.EditLink()) link->Forget(&FGrid);
  FCombo->Detach();
  FEditBtn->Detach();
  FUnitEditBtn->Detach();
  FCheck->Detach();
  FTransEdit->Detach();
  FTransCombo->Detach();
  FRichHost->Detach();
  FView.SetEditor(nullptr);
}

TQrvInplaceEdit* TGridEditorFactory::NormalEdit() {
  if (!FNormalEdit) FNormalEdit = std::make_unique<TQrvInplaceEdit>(FGrid, &FView, FView.viewport());
  return FNormalEdit.get();
}

VAruDoreRido* TGridEditorFactory::InplaceRichEdit() const {
  return FRichHost->InplaceRichEdit();
}

TGridSpin* TGridEditorFactory::SpinEdit() {
  if (!FSpin) {
    FSpin = std::make_unique<TGridSpin>(FGrid, &FView, FView.viewport());
    ApplyTones();
  }
  return FSpin.get();
}

TGridDatePicker* TGridEditorFactory::DateTimePicker() {
  if (!FDate) {
    FDate = std::make_unique<TGridDatePicker>(FGrid, &FView, FView.viewport());
    ApplyTones();
  }
  return FDate.get();
}

void TGridEditorFactory::ApplyTones() {
  if (!FGrid.ColorTonesSet()) return;
  const TColorTones& tones = FGrid.ColorTones();
  Apply_Editor_Tones(tones, FGrid.Color(), *FCombo);
  Apply_Editor_Tones(tones, *FEditBtn);
  if (FSpin) Apply_Editor_Tones(tones, *FSpin);
  if (FDate) Apply_Editor_Tones(tones, *FDate);
}

TGridDateTimePicker* TGridEditorFactory::DateAndTimePicker() {
  if (!FDateTime) FDateTime = std::make_unique<TGridDateTimePicker>(FGrid, &FView, FView.viewport());
  return FDateTime.get();
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
    FRichHost->SetFocusMoving(true);
    FView.setFocus();
    FRichHost->SetFocusMoving(false);
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
  switch (kind) {
    case edComboEdit:
    case edComboList:
      FGrid.SetEditMode(true);
      FView.SetEditor(FCombo.get());
      FCombo->Open(kind == edComboList, place.Col, place.Row, place.Width, place.Height, place.Color);
      FCombo->move(place.Rect.Left, place.Rect.Top);
      FEditCtrl = FCombo.get();
      return true;
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit:
      FGrid.SetEditMode(true);
      FGrid.GetEditorProp(place.RealCol, place.Row, FGrid.EditLink());
      SpinEdit()->Load(kind, FGrid.GetEditText(place.Col, place.Row));
      Present(FSpin.get(), place, 0);
      FEditCtrl = FSpin.get();
      // Opened by a press on the spin pair drawn in the cell: that press is the pair's first click.
      if (FGrid.SpinPress() > 0) FSpin->UpClick(nullptr);
      if (FGrid.SpinPress() < 0) FSpin->DownClick(nullptr);
      return true;
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn:
      FGrid.SetEditMode(true);
      FEditBtn->Load(kind, FGrid.GetEditText(place.Col, place.Row));
      Present(FEditBtn.get(), place, 0);
      FEditCtrl = FEditBtn.get();
      if (!FEditBtn->MaskError().isEmpty()) ShowBalloon(QString(), FEditBtn->MaskError(), 3);
      return true;
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn:
      FGrid.SetEditMode(true);
      // The owner's units for this cell come first, so that the cell's text splits by them.
      FGrid.GetEditorProp(place.RealCol, place.Row, FGrid.EditLink());
      FUnitEditBtn->Load(kind, FGrid.GetEditText(place.Col, place.Row));
      Present(FUnitEditBtn.get(), place, 0);
      FEditCtrl = FUnitEditBtn.get();
      return true;
    case edCheckBox:
      FGrid.SetEditMode(true);
      FCheck->setText(FGrid.GetEditText(place.Col, place.Row));
      FCheck->setChecked(false);
      Present(FCheck.get(), place, 0);
      return true;
    case edButton:
      FGrid.SetEditMode(true);
      FButton->setText(FGrid.GetEditText(place.Col, place.Row));
      Present(FButton.get(), place, 1);
      FEditCtrl = FButton.get();
      return true;
    case edDateEdit:
    case edDateEditUpDown:
    case edTimeEdit:
      FGrid.SetEditMode(true);
      FGrid.GetEditorProp(place.RealCol, place.Row, FGrid.EditLink());
      DateTimePicker()->Load(kind, FGrid.GetEditText(place.Col, place.Row));
      Present(FDate.get(), place, 0);
      FEditCtrl = FDate.get();
      if (kind != edTimeEdit && FGrid.MouseActions().DirectDateDrop()) FDate->SetDroppedDown(true);
      return true;
    case edDateTimeEdit:
      FGrid.SetEditMode(true);
      DateAndTimePicker()->Load(FGrid.GetEditText(place.Col, place.Row));
      FGrid.GetEditorProp(place.RealCol, place.Row, FGrid.EditLink());
      Present(FDateTime.get(), place, 0);
      return true;
    case edRichEdit: {
      FGrid.SetEditMode(true);
      VAruDoreRido* rich = FRichHost->MakeInplaceRichEdit();
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
      Present(rich, place, 0);
      rich->Unlock();
      FEditCtrl = rich;
      return true;
    }
    case edCustom:
      if (!FGrid.EditLink()) return false;
      FGrid.EditLink()->Open(FGrid, FView, place);
      FEditCtrl = FGrid.EditLink()->GetEditControl();
      return true;
    default:
      // The drop-down kinds open nothing here (their controls are the drop-down library's): the cells keep their
      // text.
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
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit:
      if (FSpin) {
        value = FSpin->CommitValue();
        PutAway(FSpin.get());
        FSpin->setEnabled(false);
      }
      break;
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn:
      value.Kind = TEditorValue::Text;
      value.Str = FEditBtn->Value();
      PutAway(FEditBtn.get());
      FEditBtn->setEnabled(false);
      break;
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn:
      value.Kind = TEditorValue::Text;
      value.Str = FUnitEditBtn->TextAndUnit();
      PutAway(FUnitEditBtn.get());
      FUnitEditBtn->setEnabled(false);
      break;
    case edDateEdit:
    case edDateEditUpDown:
    case edTimeEdit:
      if (FDate) {
        value.Kind = TEditorValue::Text;
        value.Str = FDate->CommitText();
        PutAway(FDate.get());
        FDate->setEnabled(false);
      }
      break;
    case edDateTimeEdit:
      if (FDateTime) {
        value.Kind = TEditorValue::Text;
        value.Str = FDateTime->CommitText();
        PutAway(FDateTime.get());
        FDateTime->setEnabled(false);
      }
      break;
    case edCustom:
      if (TEditLink* link = FGrid.EditLink()) {
        value.Kind = TEditorValue::Text;
        value.Str = link->Commit();
      }
      break;
    case edRichEdit:
      if (VAruDoreRido* rich = FRichHost->InplaceRichEdit()) {
        value.Kind = TEditorValue::Text;
        value.Str = FGrid.RichToString(*rich);
        PutAway(rich);
        rich->setEnabled(false);
      }
      break;
    case edCheckBox:
      PutAway(FCheck.get());
      FCheck->setEnabled(false);
      break;
    case edButton:
      PutAway(FButton.get());
      FButton->setEnabled(false);
      break;
    default:
      break;
  }
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
