#include "UEditLink.h"

#include <QApplication>
#include <QKeyEvent>
#include <memory>

#include "UGridEditorSteps.h"
#include "UGridView.h"
#include "UQrvStringGrid.h"

namespace {

const QString GridFormName = QStringLiteral("gridform");

// One popup window at a time, whichever link made it: an earlier one goes when the next is made.
QWidget* New_Grid_Form(QWidget* window) {
  for (QWidget* w : QApplication::allWidgets())
    if (w->objectName() == GridFormName) std::unique_ptr<QWidget>(w).reset();
  auto* form = new QWidget(window, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  form->setObjectName(GridFormName);
  return form;
}

}  // namespace

TEditLink::TEditLink(QObject* owner) : QObject(owner) {}

TEditLink::~TEditLink() = default;

QWidget* TEditLink::GetParent() {
  if (EditStyle == esPopup) return FPopupForm;
  return FView ? FView->viewport() : nullptr;
}

QString TEditLink::GetCellValue() const {
  return FOwner ? FOwner->Cells(FOwner->DisplayToRealCol(FOwner->Col()), FOwner->Row()) : QString();
}

void TEditLink::SetCellValue(const QString& value) {
  if (FOwner) FOwner->WriteCell(FOwner->DisplayToRealCol(FOwner->Col()), FOwner->Row(), value);
}

void TEditLink::HideEditor() {
  SetCellValue(GetEditorValue());
  if (FOwner) FOwner->HideInplaceEdit();
  RestoreWinProc();
}

void TEditLink::EditExit(QObject*) {
  HideEditor();
  if (EditStyle == esPopup && FPopupForm) {
    DestroyEditor();
    FPopupForm->hide();
  }
}

void TEditLink::FormExit(QObject* sender) {
  if (FForcedExit) {
    SetCellValue(GetEditorValue());
  } else {
    EditExit(sender);
  }
}

void TEditLink::SetFocus(bool value) {
  QWidget* control = GetEditControl();
  if (value && control) {
    control->setVisible(true);
    control->setEnabled(true);
    if (EditStyle == esInplace && !FSubClassed) {
      control->installEventFilter(this);
      FSubClassedControl = control;
      FSubClassed = true;
    }
    control->setFocus(Qt::OtherFocusReason);
  } else if (!value && FView) {
    FView->setFocus(Qt::OtherFocusReason);
  }
}

void TEditLink::RestoreWinProc() {
  if (EditStyle != esInplace) return;
  if (FSubClassedControl) {
    FSubClassedControl->removeEventFilter(this);
    FSubClassedControl->hide();
  }
  FSubClassed = false;
}

void TEditLink::SetRect(const TRect& r) {
  QWidget* control = GetEditControl();
  if (!control) return;
  const int32_t line = FOwner ? FOwner->GridLineWidth() : 0;
  control->setGeometry(r.Left, r.Top, r.Right - r.Left - line, r.Bottom - r.Top - line);
}

void TEditLink::SetVisible(bool value) {
  if (QWidget* control = GetEditControl()) control->setVisible(value);
}

void TEditLink::Open(TQrvStringGrid& grid, TGridView& view, const TEditorPlace& place) {
  grid.SetEditMode(true);
  FOwner = &grid;
  FView = &view;
  FEditCell = TPoint{place.RealCol, place.Row};
  if (EditStyle == esPopup) {
    if (AutoPopupWidth) PopupWidth = place.Rect.Right - place.Rect.Left;
    if (!FPopupForm) {
      FPopupForm = New_Grid_Form(view.window());
      FPopupForm->installEventFilter(this);
    }
    const QPoint at = PopupLeft == -1 || PopupTop == -1
                          ? view.viewport()->mapToGlobal(QPoint(place.Rect.Left, place.Rect.Top))
                          : QPoint(PopupLeft, PopupTop);
    FPopupForm->move(at);
    FPopupForm->resize(PopupWidth, PopupHeight);
    FPopupForm->show();
    FPopupForm->move(at);
    CreateEditor(FPopupForm);
    SetRect(TRect{0, 0, PopupWidth, PopupHeight});
  } else {
    CreateEditor(view.viewport());
    SetRect(place.Rect);
  }
  SetVisible(true);
  SetCellProps(place.Color, place.Font);
  SetProperties();
  grid.GetEditorProp(place.RealCol, place.Row, this);
  SetEditorValue(grid.GetEditText(place.Col, place.Row));
  SetFocus(true);
}

QString TEditLink::Commit() {
  const QString value = GetEditorValue();
  if (EditStyle != esPopup) SetVisible(false);
  RestoreWinProc();
  return value;
}

void TEditLink::EditKeyDown(QObject*, uint16_t& key, TShiftState shift) {
  if (!FOwner) return;
  TQrvStringGrid& grid = *FOwner;
  const bool arrow = key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
  bool handled = key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE || key == VK_PRIOR || key == VK_NEXT ||
                 key == VK_END || arrow || (shift & ssAlt);
  if ((WantKeyUpDown && (key == VK_UP || key == VK_DOWN)) ||
      (WantKeyLeftRight && (key == VK_LEFT || key == VK_RIGHT)) ||
      (WantKeyHomeEnd && (key == VK_HOME || key == VK_END)) ||
      (WantKeyPriorNext && (key == VK_PRIOR || key == VK_NEXT)) || (WantKeyReturn && key == VK_RETURN) ||
      (WantKeyEscape && key == VK_ESCAPE) || (WantTabs && key == VK_TAB))
    handled = false;
  FKeyHandled = handled;
  if (!handled) return;
  const auto commit = [&] {
    FForcedExit = true;
    grid.FocusGrid();
    FForcedExit = false;
    grid.CommitSpecialEditor(grid.Col(), grid.Row());
  };
  if (key == VK_TAB && grid.Navigation().TabToNextAtEnd()) {
    commit();
    const int32_t c = grid.Col(), r = grid.Row();
    if (grid.TabAdvance(shift & ssShift) && (grid.Col() != c || grid.Row() != r) &&
        !grid.IsControlCell(grid.DisplayToRealCol(grid.Col()), grid.Row()) && FView)
      QApplication::postEvent(FView, new QKeyEvent(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier));
    key = 0;
    return;
  }
  const uint16_t original = key;
  if (key == VK_TAB) key = 0;
  if (key == VK_ESCAPE) SetEditorValue(grid.OriginalCellValue());
  commit();
  if (EditStyle == esPopup) EditExit(this);
  grid.SetEditMode(false);
  const QString current = grid.GetCurrentCellText();
  grid.ValidateCell(current);
  if (grid.LastValidation()) {
    if (key == VK_RETURN) {
      grid.AdvanceCell(grid.Col(), grid.Row(), true, false, !(shift & ssShift), true, false);
      key = 0;
    } else if (key == VK_ESCAPE) {
      key = 0;
    } else {
      uint16_t move = original;
      if (move == VK_TAB || move == VK_LEFT || move == VK_RIGHT || move == VK_UP || move == VK_DOWN)
        grid.KeyDown(move, shift);
      if (QWidget* control = GetEditControl()) control->setEnabled(false);
      FForcedExit = true;
      grid.FocusGrid();
      FForcedExit = false;
      if ((grid.Options() & goTabs) && original == VK_TAB &&
          !grid.IsControlCell(grid.DisplayToRealCol(grid.Col()), grid.Row()) && FView)
        QApplication::postEvent(FView, new QKeyEvent(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier));
    }
  } else {
    grid.ShowSpecialEditor(grid.Col(), grid.Row());
  }
  grid.SetLastValidation(true);
}

bool TEditLink::eventFilter(QObject* watched, QEvent* e) {
  if (watched == FPopupForm && e->type() == QEvent::WindowDeactivate) {
    FormExit(watched);
    return false;
  }
  if (watched == FSubClassedControl && e->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(e);
    TShiftState shift;
    uint16_t key = Editor_Key(k, shift);
    // With goTabs the control keeps Tab (the grid moves on with it) instead of the focus chain.
    if (key == 0 || (key == VK_TAB && !(FOwner && (FOwner->Options() & goTabs)) && !WantTabs)) return false;
    FKeyHandled = false;
    EditKeyDown(watched, key, shift);
    if (FKeyHandled) return true;
    // A key the control keeps ends there, also when the control has no use for it.
    if (FSubClassedControl) static_cast<QObject*>(FSubClassedControl.data())->event(e);
    e->accept();
    return true;
  }
  return false;
}

void TEditLink::Forget(const TQrvStringGrid* grid) {
  if (FOwner != grid) return;
  RestoreWinProc();
  if (FPopupForm) FPopupForm->removeEventFilter(this);
  FOwner = nullptr;
  FView = nullptr;
}
