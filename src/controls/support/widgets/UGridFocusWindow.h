#pragma once
// The frame the grid places around the focused cell: a disabled, topmost, borderless window that takes no focus
// and shows only its colour; the grid sizes, shapes and places it.
#include <QImage>
#include <QWidget>

#include "UTypes.h"

class TGridFocusWindow : public QWidget {
 public:
  explicit TGridFocusWindow(QWidget* owner);
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  // A picture with per-pixel opacity shown in place of the colour; the window takes its size. A null picture
  // brings the colour back.
  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return FPicture; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TColor FColor = clRed;
  QImage FPicture;
};
