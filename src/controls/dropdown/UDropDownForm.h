#pragma once
// The popup window of a drop-down: a top-level pop-up (a press outside closes it, as on a desktop) holding the
// drop-down's inner control inside a border. It is made once with its drop-down and shown and hidden, never made
// again. Keys and the wheel that reach the window itself go back to its drop-down.
#include <QWidget>
#include <cstdint>
#include <functional>

#include "UApplication.h"

class TQrvCustomDropDown;

class TDropDownForm : public TGuarded<QWidget> {
 public:
  explicit TDropDownForm(TQrvCustomDropDown& dropDown);

  TQrvCustomDropDown& QrvDropDown() const { return FDropDown; }
  // Tick count (ms) of the last close by losing the activation while shown.
  uint32_t DeActivateTime() const { return FDeActivate; }
  bool Shadow() const { return FShadow; }
  void SetShadow(bool value) { FShadow = value; }
  // Closing by losing the activation cancels the edit.
  bool CancelOnDeActivate() const { return FCancelOnDeActivate; }
  void SetCancelOnDeActivate(bool value) { FCancelOnDeActivate = value; }
  // The bottom-right corner sizes the popup.
  bool Sizeable() const { return FSizeable; }
  void SetSizeable(bool value) { FSizeable = value; }
  // Set while the drop-down hides the window itself: the hide is then no loss of activation.
  void SetClosing(bool value) { FClosing = value; }

  std::function<void()> OnSizing;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  bool InSizingCorner(const QPoint& p) const;

  TQrvCustomDropDown& FDropDown;
  uint32_t FDeActivate = 0;
  bool FShadow = true;
  bool FCancelOnDeActivate = true;
  bool FSizeable = false;
  bool FClosing = false;
  // A corner drag in progress: where it started and the size then.
  bool FSizing = false;
  QPoint FSizeStart;
  QSize FSizeAtStart;
};
