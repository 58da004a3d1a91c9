#pragma once
// The frame the grid places around the focused cell: a disabled, topmost, borderless window that takes no focus
// and shows only its colour; the grid sizes, shapes and places it.
#include <QWidget>

#include "UTypes.h"

class TGridFocusWindow : public QWidget {
 public:
  explicit TGridFocusWindow(QWidget* owner);
  TColor Color() const { return FColor; }
  void SetColor(TColor color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TColor FColor = clRed;
};
