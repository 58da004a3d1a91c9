#include "UGridUnitEditBtn.h"

#include <QApplication>
#include <QKeyEvent>

#include "UGridEditorSteps.h"
#include "UQrvStringGrid.h"

TGridUnitEditBtn::TGridUnitEditBtn(TQrvStringGrid& grid, QWidget* view, QWidget* parent)
    : TGridAdapter(grid, view, parent) {
  SetButtonCaption(QStringLiteral("..."));
  SetBorderStyle(bsNone);
  OnUnitChanged = [this](TQsgUnitEditBtn*, const QString& unit) {
    if (FGrid.OnUnitChanged) FGrid.OnUnitChanged(&FGrid, FGrid.Col(), FGrid.Row(), unit);
  };
}

bool TGridUnitEditBtn::Open(IGridEditorHost& host, TEditorType kind, const TEditorPlace& place) {
  Begin();
  // The owner's units for this cell come first, so that the cell's text splits by them.
  FGrid.GetEditorProp(place.RealCol, place.Row, FGrid.EditLink());
  Load(kind, FGrid.GetEditText(place.Col, place.Row));
  host.Present(this, place, 0);
  return true;
}

void TGridUnitEditBtn::Load(TEditorType kind, const QString& text) {
  FKind = kind;
  FDetached = false;
  const int32_t limit = FGrid.GetEditLimit();
  setMaxLength(limit > 0 ? limit : std::numeric_limits<int>::max());
  SetUnitID(QString());
  setText(QString());
  Split(text);
}

void TGridUnitEditBtn::Split(const QString& value) {
  SetTextAndUnit(value);
  // A text that ends in none of the units is all value: the cell must not lose it when the editor closes.
  if (UnitID().isEmpty()) setText(value);
}

void TGridUnitEditBtn::ClickBtn(QObject*) {
  QString s;
  FGrid.EllipsClick(text(), s);
  setText(s);
  selectAll();
  update();
}

void TGridUnitEditBtn::keyPressEvent(QKeyEvent* e) {
  TShiftState shift;
  const uint16_t key = Editor_Key(e, shift);
  const bool editorKey = key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE || key == VK_PRIOR || key == VK_NEXT ||
                         key == VK_UP || key == VK_DOWN;
  if (!editorKey) {
    QChar ch = Editor_Typed_Char(e);
    if (!ch.isNull() && (FKind == edNumericUnitEditBtn || FKind == edFloatUnitEditBtn)) {
      if (!Filter_Editor_Char(FKind == edNumericUnitEditBtn ? edNumeric : edFloat, ch, text(), cursorPosition(),
                              selectedText(), QString()))
        return;
    }
    TQsgUnitEditBtn::keyPressEvent(e);
    return;
  }
  if (key == VK_TAB || key == VK_RETURN || key == VK_UP || key == VK_DOWN) {
    if (!Validate_Editor_Text(FGrid, TextAndUnit())) {
      setText(FGrid.GetCurrentCellText());
      return;
    }
    Split(FGrid.GetCurrentCellText());
  }
  if (key == VK_RETURN && FGrid.Navigation().AdvanceOnEnter()) {
    FGrid.HideInplaceEdit();
    FGrid.FocusGrid();
    FGrid.AdvanceCell(FGrid.Col(), FGrid.Row(), true, false, true, true, false);
    return;
  }
  if (key == VK_TAB && (FGrid.Options() & goTabs)) {
    Editor_Tab_Step(FGrid, FView, shift & ssShift);
    return;
  }
  if (key == VK_ESCAPE) {
    SetUnitID(QString());
    setText(FGrid.GetCurrentCellText());
  }
  FGrid.DoneInplaceEdit(key, shift);
}
