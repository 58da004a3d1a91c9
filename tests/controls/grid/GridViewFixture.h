#pragma once
// A small grid shown in a grid view without frame or scroll bars, so viewport pixels are the grid's client
// coordinates: 6 columns of 40 pixels, 8 rows of 20, one fixed row and column, viewport 200 x 120.
#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWheelEvent>

#include "UGridView.h"
#include "USysColors.h"

inline QRgb Rgb(TColor color) {
  const TColor c = ColorToRGB(color);
  return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// Gives the view that grid and shows it.
inline void Show_Small_Grid(TGridView& view) {
  view.setFrameShape(QFrame::NoFrame);
  view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  TBaseGrid& g = view.Grid();
  g.SetColCount(6);
  g.SetRowCount(8);
  g.SetDefaultColWidth(40);
  g.SetDefaultRowHeight(20);
  view.resize(200, 120);
  view.show();
}

class TGridViewTest : public ::testing::Test {
 protected:
  explicit TGridViewTest(std::unique_ptr<TBaseGrid> grid = nullptr) : View(std::move(grid)) { Show_Small_Grid(View); }

  QImage Shot() { return View.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
  QRgb Pixel(int x, int y) { return Shot().pixel(x, y); }
  // The middle of a visible cell (cells are empty, so this is its background).
  QRgb Middle(int32_t c, int32_t r) {
    const TRect rect = View.Grid().CellRect(c, r);
    return Pixel((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
  }
  void Move_Mouse(int x, int y) {
    QMouseEvent move(QEvent::MouseMove, QPointF(x, y), View.viewport()->mapToGlobal(QPointF(x, y)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(View.viewport(), &move);
  }
  void Wheel(int delta) {
    QWheelEvent wheel(QPointF(50, 50), View.viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(View.viewport(), &wheel);
  }

  TGridView View;
};
