#pragma once
// The drop-down button at the right edge of the edit field. It paints in the coloured look while a button colour is
// set (the colour tones), otherwise as a classic button with its arrow; a left release on it is its click.
#include <QWidget>
#include <functional>

#include "UApplication.h"
#include "UTypes.h"

class TDropDownEditButton : public TGuarded<QWidget> {
 public:
  explicit TDropDownEditButton(QWidget* parent);

  // The width the button keeps whatever its bounds.
  int32_t ButtonWidth() const { return FBWidth; }
  void SetButtonWidth(int32_t value);
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
  bool Hot() const { return FHot; }
  bool Down() const { return FDown; }

  // clNone: the classic look.
  TColor FButtonColor = clNone, FButtonColorHot = clNone, FButtonColorDown = clNone, FButtonBorderColor = clNone;
  TColor FButtonTextColor = clNone, FButtonTextColorHot = clNone, FButtonTextColorDown = clNone;
  // The frame line along the left edge in the coloured look.
  TColor LineColor = clNone;
  std::function<void()> OnClick;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void enterEvent(QEnterEvent* e) override;
  void leaveEvent(QEvent* e) override;

 private:
  int32_t FBWidth = 16;
  bool FHot = false;
  bool FDown = false;
};
