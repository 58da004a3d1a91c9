#pragma once
// An advanced grid in a grid view (6 columns of 40 pixels, 8 rows of 20, one fixed row and column), driven by
// mouse events sent straight to the viewport, so no press is ever taken for half of a double click.
#include <QApplication>
#include <QMouseEvent>

#include "GridViewFixture.h"
#include "UQrvStringGrid.h"

class TGridMouseTest : public TGridViewTest {
 protected:
  TGridMouseTest() : TGridViewTest(std::make_unique<TQrvStringGrid>()) {
    Q().SetRowHeights(0, 20);
    Q().OpenLink = [this](const QString& link) { Opened << link; };
  }

  TQrvStringGrid& Q() { return *View.AdvancedGrid(); }
  QPoint Middle_Of(int32_t c, int32_t r) {
    const TRect rect = Q().CellRect(c, r);
    return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
  }

  static void Send(TGridView& view, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent e(type, QPointF(p), view.viewport()->mapToGlobal(QPointF(p)), button, buttons, modifiers);
    QApplication::sendEvent(view.viewport(), &e);
  }
  void Press(QPoint p, Qt::KeyboardModifiers m = Qt::NoModifier) {
    Send(View, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton, m);
  }
  void Drag_To(QPoint p, Qt::KeyboardModifiers m = Qt::NoModifier) {
    Send(View, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton, m);
  }
  void Release(QPoint p, Qt::KeyboardModifiers m = Qt::NoModifier) {
    Send(View, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton, m);
  }
  void Click(QPoint p, Qt::KeyboardModifiers m = Qt::NoModifier) {
    Press(p, m);
    Release(p, m);
  }
  void Double_Click(QPoint p) {
    Click(p);
    Send(View, QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
    Release(p);
  }

  QStringList Opened;
};
