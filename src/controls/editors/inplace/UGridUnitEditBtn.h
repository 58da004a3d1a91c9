#pragma once
// The grid's value-and-unit editor: the value and its unit are split from the cell's text when it opens and joined
// again (without a separator) when it validates and commits.
#include "UEditorType.h"
#include "UGridAdapter.h"
#include "UQsgUnitEditBtn.h"

class TGridUnitEditBtn : public TGridAdapter<TQsgUnitEditBtn> {
 public:
  TGridUnitEditBtn(TQrvStringGrid& grid, QWidget* view, QWidget* parent);
  void Load(TEditorType kind, const QString& text);
  // Value and unit from one text; without a matching unit the whole text is the value.
  void Split(const QString& value);
  void ClickBtn(QObject* sender) override;
  bool Open(IGridEditorHost& host, TEditorType kind, const TEditorPlace& place) override;

 protected:
  TEditorValue CellValue(TEditorType) const override { return Text_Value(TextAndUnit()); }
  bool WantsTab() const override { return FGrid.Options() & goTabs; }
  void keyPressEvent(QKeyEvent* e) override;

 private:
  TEditorType FKind = edUnitEditBtn;
};
