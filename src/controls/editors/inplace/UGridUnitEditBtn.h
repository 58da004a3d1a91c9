#pragma once
// The grid's value-and-unit editor: the value and its unit are split from the cell's text when it opens and joined
// again (without a separator) when it validates and commits.
#include <QPointer>

#include "UEditorType.h"
#include "UQsgUnitEditBtn.h"

class TQrvStringGrid;

class TGridUnitEditBtn : public TQsgUnitEditBtn {
 public:
  TGridUnitEditBtn(TQrvStringGrid& grid, QWidget* view, QWidget* parent);
  void Load(TEditorType kind, const QString& text);
  // Value and unit from one text; without a matching unit the whole text is the value.
  void Split(const QString& value);
  void ClickBtn(QObject* sender) override;
  void Detach() { FDetached = true; }

 protected:
  bool Guarded_Event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  TQrvStringGrid& FGrid;
  QPointer<QWidget> FView;
  TEditorType FKind = edUnitEditBtn;
  bool FDetached = false;
};
