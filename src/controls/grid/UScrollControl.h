#pragma once
// A thin owner-drawn scroll bar laid over the edge of a grid's cells (the ssMetro scroll type): only a thumb, in
// its colour, over the cells showing through; a press before or after the thumb pages, a drag on it scrolls.
#include <QWidget>

#include "UTypes.h"

class TQrvStringGrid;

enum TScrollDirection { sdVertical, sdHorizontal };

class TScrollControl : public QWidget {
 public:
  TScrollControl(TQrvStringGrid& grid, TScrollDirection direction, QWidget* parent);
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  // Thumb thickness in pixels.
  int32_t ScrollWidth = 4;
  TScrollDirection Direction() const { return FDirection; }

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  bool Vertical() const { return FDirection == sdVertical; }
  int32_t Along(const QMouseEvent& e) const;
  void Scroll_To(int32_t first);

  TQrvStringGrid& FGrid;
  TScrollDirection FDirection;
  TColor FColor = 0xC0C0C0;
  bool FDownOnScroller = false;
  int32_t FDownPos = 0;
  int32_t FDownRow = 0;
};
