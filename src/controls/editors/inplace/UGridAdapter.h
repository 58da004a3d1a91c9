#pragma once
// A stand-alone control adapted to edit the cells of one grid window: the shape every in-place editor shares.
// It starts hidden and disabled; Tab reaches its key handling when the editor asks for it; losing the
// focus to anything outside it (not to its own pop-up, not while the grid blocks it) ends the edit; once its
// window goes it reacts to nothing more. The value goes back to the cell as it closes.
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <utility>

#include "UGridCellEditor.h"
#include "UQrvStringGrid.h"

template <class TControl>
class TGridAdapter : public TControl, public TGridCellEditor {
 public:
  template <class... TArgs>
  TGridAdapter(TQrvStringGrid& grid, QWidget* view, TArgs&&... args)
      : TControl(std::forward<TArgs>(args)...), FGrid(grid), FView(view) {
    this->hide();
    this->setEnabled(false);
  }

  TEditorValue Commit(IGridEditorHost& host, TEditorType kind) override {
    TEditorValue value = CellValue(kind);
    host.PutAway(this);
    this->setEnabled(false);
    return value;
  }
  QWidget* EditControl() override { return this; }
  void Detach() override { FDetached = true; }

 protected:
  // The value the cell takes; nothing by default (the editor wrote what it had to while it was open).
  virtual TEditorValue CellValue(TEditorType /*kind*/) const { return {}; }
  // Whether Tab and Shift+Tab go to this editor's keys rather than to the focus chain.
  virtual bool WantsTab() const { return false; }

  // Opens the edit: the grid is in edit mode and the editor listens again.
  void Begin() {
    FDetached = false;
    FGrid.SetEditMode(true);
  }
  static TEditorValue Text_Value(const QString& text) {
    TEditorValue value;
    value.Kind = TEditorValue::Text;
    value.Str = text;
    return value;
  }
  // Whether this focus loss ends the edit.
  bool Leaving(const QFocusEvent* e) const {
    return !FDetached && e->reason() != Qt::PopupFocusReason && this->isVisible() && !FGrid.BlockKill() &&
           !this->isAncestorOf(QApplication::focusWidget());
  }

  bool Guarded_Event(QEvent* e) override {
    if (e->type() == QEvent::KeyPress) {
      auto* k = static_cast<QKeyEvent*>(e);
      if ((k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) && WantsTab()) {
        this->keyPressEvent(k);
        return true;
      }
    }
    return TControl::Guarded_Event(e);
  }
  void focusOutEvent(QFocusEvent* e) override {
    if (Leaving(e)) FGrid.HideInplaceEdit();
    TControl::focusOutEvent(e);
  }

  TQrvStringGrid& FGrid;
  QPointer<QWidget> FView;
  bool FDetached = false;
};
