#pragma once
// The small arrows (lime unless the grid sets another colour) that point at the drop position while the user moves
// grid columns or rows: borderless top-level windows shaped by a 7-point outline.
#include <QWidget>
#include <array>

#include "UTypes.h"

enum TArrowDirection { arrUp, arrDown, arrLeft, arrRight };

class TArrowWindow : public QWidget {
 public:
  // Hidden at first; the owner's window is its parent.
  TArrowWindow(QWidget* owner, TArrowDirection direction);

  TArrowDirection Dir() const { return FDir; }
  const std::array<TPoint, 7>& Arrow() const { return FArrow; }
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  static std::array<TPoint, 7> Outline(TArrowDirection direction);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TArrowDirection FDir;
  std::array<TPoint, 7> FArrow;
  TColor FColor = clLime;
};
