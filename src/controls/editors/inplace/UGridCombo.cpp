#include "UGridCombo.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWheelEvent>

#include "UEditorTones.h"
#include "UGridKeys.h"
#include "UGridView.h"
#include "UQrvStringGrid.h"

TGridCombo::TGridCombo(TQrvStringGrid& grid, QWidget* view, QWidget* parent) : TGridAdapter(grid, view, parent) {
  SetButtonWidth(16);
  OnChange = [this](TQsgCustomCombo*) {
    if (FGrid.OnEditChange) FGrid.OnEditChange(&FGrid, FGrid.Col(), FGrid.Row(), Text());
  };
  // An item picked from the list is a change of the item index.
  connect(this, qOverload<int>(&QComboBox::activated), this, [this](int) {
    if (!FInKey) FireComboChange();
  });
  // Text typed into the edit part leaves no item chosen while the list is closed; with the list open the first
  // item the text begins is the one marked.
  connect(this, &QComboBox::editTextChanged, this, [this](const QString& text) {
    if (!lineEdit() || !lineEdit()->isModified() || !isVisible()) return;
    const int32_t marked = this->view()->isVisible() ? static_cast<int32_t>(findText(text, Qt::MatchStartsWith)) : -1;
    FireComboChange(marked);
    if (FGrid.OnComboChange) FGrid.OnComboChange(&FGrid, FGrid.Col(), FGrid.Row(), -1, Text());
  });
}

bool TGridCombo::Open(IGridEditorHost& host, TEditorType kind, const TEditorPlace& place) {
  FGrid.SetEditMode(true);
  host.View().SetEditor(this);
  Open(kind == edComboList, place.Col, place.Row, place.Width, place.Height, place.Color);
  move(place.Rect.Left, place.Rect.Top);
  return true;
}

void TGridCombo::ApplyTones(const TColorTones& tones, TColor gridColor) {
  Apply_Editor_Tones(tones, gridColor, *this);
}

bool TGridCombo::ListMode() const {
  return Style() == csDropDownList || view()->isVisible();
}

void TGridCombo::FireComboChange() {
  FireComboChange(ItemIndex());
}

void TGridCombo::FireComboChange(int32_t index) {
  const int32_t realCol = FGrid.DisplayToRealCol(FGrid.Col());
  const QString selection = index >= 0 && index < count() ? itemText(index) : Text();
  if (FGrid.OnComboChange) FGrid.OnComboChange(&FGrid, realCol, FGrid.Row(), index, selection);
  if (FGrid.OnComboObjectChange)
    FGrid.OnComboObjectChange(&FGrid, realCol, FGrid.Row(), index, selection, FGrid.ComboObject(index));
}

void TGridCombo::Open(bool listOnly, int32_t aCol, int32_t aRow, int32_t width, int32_t height, TColor color) {
  const int32_t realCol = FGrid.DisplayToRealCol(aCol);
  ++FOpenings;
  FEscaped = false;
  WorkMode = true;
  SetDropDownCount(FGrid.ControlLook.DropDownCount);
  FGrid.GetEditorProp(realCol, aRow, FGrid.EditLink());
  clear();
  addItems(FGrid.ComboItems());
  setEnabled(true);
  bool forced = false;
  if (!listOnly) {
    SetStyle(csDropDown);
    SetText(FGrid.GetEditText(aCol, aRow));
    if (FGrid.ComboIdx() != -1 && ItemIndex() == -1) SetItemIndex(FGrid.ComboIdx());
    SetMaxLength(FGrid.MaxComboLength());
  } else {
    SetStyle(csDropDownList);
    SetItemIndex(static_cast<int32_t>(FGrid.ComboItems().indexOf(FGrid.Cells(realCol, aRow))));
    if (ItemIndex() == -1) {
      if (FGrid.ComboIdx() == -1) {
        const int32_t i = static_cast<int32_t>(FGrid.ComboItems().indexOf(FGrid.GetEditText(aCol, aRow)));
        SetItemIndex(i >= 0 ? i : 0);
        DoChange();
        forced = true;
      } else {
        SetItemIndex(FGrid.ComboIdx());
      }
    }
  }
  resize(width, height);
  SetColor(color);
  if (FGrid.Navigation().AutoComboDropSize())
    SizeDropDownWidth();
  else if (DropWidth() > 0)
    FDroppedWidth = DropWidth();
  show();
  setFocus(Qt::OtherFocusReason);
  if (FGrid.MouseActions().DirectComboDrop() || FGrid.ControlLook.DropDownAlwaysVisible) showPopup();
  if (FGrid.MouseActions().DirectEdit() && FGrid.MouseActions().DirectComboDrop()) {
    const TGridRect sel = FGrid.Selection();
    FGrid.SelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
  }
  if (forced && count() > 0) {
    if (FGrid.OnComboChange) FGrid.OnComboChange(&FGrid, realCol, aRow, 0, itemText(0));
    if (FGrid.OnComboObjectChange)
      FGrid.OnComboObjectChange(&FGrid, realCol, aRow, 0, itemText(0), FGrid.ComboObject(0));
  }
}

QString TGridCombo::CommitText() const {
  return FEscaped ? FGrid.GetCurrentCellText() : Text();
}

void TGridCombo::SizeDropDownWidth() {
  int32_t w = width();
  const QFontMetrics metrics(font());
  for (int i = 0; i < count(); ++i) {
    const int32_t t = metrics.horizontalAdvance(itemText(i));
    if (DropDownCount() < count()) {
      if (t > w - 25) w = t + 25;
    } else if (t > w - 5) {
      w = t + 8;
    }
  }
  FDroppedWidth = w;
  view()->setMinimumWidth(w);
}

void TGridCombo::DoChange() {
  if (!WorkMode || !FGrid.Lookup || !lineEdit()) return;
  const int32_t caret = lineEdit()->cursorPosition();
  const QString typed = Text();
  const QString prefix = typed.left(caret);
  if (prefix.isEmpty()) return;
  const Qt::CaseSensitivity cs = FGrid.LookupCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
  const auto complete = [&](const QString& item, int32_t index, bool select) {
    lineEdit()->setText(typed.left(prefix.size()) + item.mid(prefix.size()).left(255));
    if (select) setCurrentIndex(index);
    lineEdit()->setText(typed.left(prefix.size()) + item.mid(prefix.size()).left(255));
    lineEdit()->setSelection(static_cast<int>(prefix.size()), static_cast<int>(lineEdit()->text().size()));
    ItemIdx = index;
    ItemChange = true;
  };
  for (int i = 0; i < count(); ++i)
    if (itemText(i).startsWith(prefix, cs)) return complete(itemText(i), i, true);
  for (int i = 0; i < FGrid.LookupItems.size(); ++i)
    if (FGrid.LookupItems[i].startsWith(prefix, cs)) return complete(FGrid.LookupItems[i], i, false);
}

bool TGridCombo::ValidateText(bool tab) {
  const QString text = Text();
  FGrid.SetCurrentCellText(text);
  if (!FGrid.ValidateCell(text)) {
    SetText(FGrid.NewCellText());
    if (Style() != csDropDownList && lineEdit()) {
      if (tab)
        lineEdit()->end(false);
      else
        lineEdit()->selectAll();
    }
    update();
    return false;
  }
  if (Style() == csDropDownList) {
    const int32_t i = static_cast<int32_t>(FGrid.ComboItems().indexOf(FGrid.GetCurrentCellText()));
    if (i >= 0 || tab) SetItemIndex(i);
  } else {
    SetText(FGrid.GetCurrentCellText());
  }
  return true;
}

void TGridCombo::keyPressEvent(QKeyEvent* e) {
  const int qtKey = e->key();
  uint16_t key = TGridView::Key_Code(qtKey == Qt::Key_Backtab ? Qt::Key_Tab : qtKey);
  TShiftState shift = TGridView::Shift_State(e->modifiers());
  if (qtKey == Qt::Key_Backtab) shift |= ssShift;
  Forced = false;
  const bool list = ListMode();
  const bool endKey = key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE;
  bool handled =
      endKey || (list ? key == VK_LEFT || key == VK_RIGHT
                      : key == VK_PRIOR || key == VK_NEXT || key == VK_END || key == VK_UP || key == VK_DOWN);
  WorkMode = key != VK_BACK && key != VK_DELETE;
  if ((key == VK_UP || key == VK_DOWN) && !FGrid.Navigation().ComboGetUpDown() && !view()->isVisible()) {
    FGrid.HideInplaceEdit();
    const bool alwaysEdit = FGrid.Navigation().AlwaysEdit();
    FGrid.Navigation().SetAlwaysEdit(false);
    FGrid.FocusGrid();
    FGrid.Navigation().SetAlwaysEdit(alwaysEdit);
    FGrid.KeyDown(key, shift);
    return;
  }
  if (key == VK_DOWN && (shift & ssAlt)) handled = false;
  if (!handled) {
    // A key that moves the selection reports it once, here, not again as a pick from the list.
    const int32_t old = ItemIndex();
    FInKey = true;
    TQsgComboBox::keyPressEvent(e);
    FInKey = false;
    if (ItemIndex() != old) FireComboChange();
    return;
  }
  if (key == VK_ESCAPE) {
    const QString cell = FGrid.GetCurrentCellText();
    const int32_t i = static_cast<int32_t>(FGrid.ComboItems().indexOf(cell));
    if (i >= 0) SetItemIndex(i);
    if (Style() != csDropDownList) SetText(cell);
    FEscaped = true;
    FGrid.HideInplaceEdit();
    FGrid.FocusGrid();
    return;
  }
  if (key == VK_RETURN || key == VK_UP || key == VK_DOWN) {
    if (!ValidateText(false)) return;
    if (key == VK_RETURN && OnReturnKey) OnReturnKey(this);
  }
  if (key == VK_TAB && FGrid.EditorWantsTab()) {
    if (!ValidateText(true)) return;
    if (FGrid.Options() & goTabs) {
      FGrid.HideInplaceEdit();
      FGrid.FocusGrid();
      FGrid.TabAdvance(shift & ssShift);
      return;
    }
    if (FView) QApplication::postEvent(FView, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, e->modifiers()));
  }
  if (list) {
    const bool directClose = FGrid.MouseActions().DirectComboClose();
    FGrid.MouseActions().SetDirectComboClose(false);
    FGrid.HideInplaceEdit();
    FGrid.MouseActions().SetDirectComboClose(directClose);
    if (key == VK_LEFT || key == VK_RIGHT) FGrid.KeyDown(key, shift);
    if (key == VK_PRIOR || key == VK_NEXT || key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN)
      key = 0;
  } else if (key == VK_END) {
    TQsgComboBox::keyPressEvent(e);
    return;
  }
  FGrid.DoneInplaceEdit(key, shift);
  if (FGrid.Navigation().AdvanceOnEnter() && FGrid.Navigation().AdvanceAutoEdit()) FGrid.ShowInplaceEdit();
}

void TGridCombo::keyReleaseEvent(QKeyEvent* e) {
  TQsgComboBox::keyReleaseEvent(e);
  if (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter && !e->text().isEmpty()) DoChange();
}

void TGridCombo::focusOutEvent(QFocusEvent* e) {
  TQsgComboBox::focusOutEvent(e);
  // The list popping up takes the focus only for a moment.
  if (e->reason() == Qt::PopupFocusReason || Focus_Inside() || !isVisible() || FGrid.BlockKill() || FDetached) return;
  if (FGrid.LookupHistory && !Text().isEmpty() && findText(Text()) < 0) addItem(Text());
  FGrid.HideInplaceEdit();
}

void TGridCombo::wheelEvent(QWheelEvent* e) {
  const int delta = e->angleDelta().y();
  if (delta < 0 && ItemIndex() < count() - 1) SetItemIndex(ItemIndex() + 1);
  if (delta > 0 && ItemIndex() > 0) SetItemIndex(ItemIndex() - 1);
  if (FGrid.OnEditChange) FGrid.OnEditChange(&FGrid, FGrid.DisplayToRealCol(FGrid.Col()), FGrid.Row(), Text());
  FireComboChange();
  e->accept();
}

void TGridCombo::showPopup() {
  // The owner may still fill the list for the cell before it shows.
  if (!FDetached) FGrid.ComboDropDown(FGrid.Row(), FGrid.DisplayToRealCol(FGrid.Col()));
  TQsgComboBox::showPopup();
}

void TGridCombo::hidePopup() {
  const bool dropped = DroppedDown();
  TQsgComboBox::hidePopup();
  if (!dropped || FDetached) return;
  // An item clicked or taken with Enter becomes the combo's item only after the list has gone, and a list closed
  // because the editor is being put away must not end that edit a second time.
  const int32_t row = FGrid.Row();
  const int32_t realCol = FGrid.DisplayToRealCol(FGrid.Col());
  const bool direct = FGrid.MouseActions().DirectComboClose() && isVisible();
  const uint32_t opening = FOpenings;
  QTimer::singleShot(0, this, [this, row, realCol, direct, opening] {
    Run_Guarded([&] { ClosedUp(row, realCol, direct && opening == FOpenings); });
  });
}

void TGridCombo::ClosedUp(int32_t row, int32_t realCol, bool direct) {
  if (FDetached) return;
  if (direct && isVisible() && FGrid.EditMode()) {
    const int32_t index = ItemIndex();
    if (index >= 0) SetText(itemText(index));
    FireComboChange(index);
    // Written back as typed text, and without the direct edit opening the cell's editor again at once.
    FGrid.SetEditControl(edComboEdit);
    FGrid.SetEditMode(true);
    const bool directEdit = FGrid.MouseActions().DirectEdit();
    FGrid.MouseActions().SetDirectEdit(false);
    FGrid.HideInplaceEdit();
    FGrid.MouseActions().SetDirectEdit(directEdit);
    FGrid.FocusGrid();
  }
  FGrid.ComboCloseUp(row, realCol);
}
