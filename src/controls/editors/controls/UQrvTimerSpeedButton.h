#pragma once
// A flat push button that repeats its click while held: the first repeat after 400 ms, then one every 100 ms, and
// the ordinary click when the mouse is released over it. The repeat timer is the button's own, so a click that
// raises is caught by the button's guard rather than crossing the event loop; Timer_Tick is public so tests can
// drive the repeat without waiting.
#include <QBasicTimer>
#include <QFlags>
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "UApplication.h"
#include "UButtonFaceColors.h"
#include "UTypes.h"

enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };
enum TTimeBtnStateFlag { tbFocusRect = 0x1, tbAllowTimer = 0x2 };
Q_DECLARE_FLAGS(TTimeBtnState, TTimeBtnStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TTimeBtnState)

class TQrvTimerSpeedButton : public TGuarded<QWidget> {
 public:
  explicit TQrvTimerSpeedButton(QWidget* parent = nullptr);

  TTimeBtnState TimeBtnState() const { return FTimeBtnState; }
  void SetTimeBtnState(TTimeBtnState value);
  TButtonDirection ButtonDirection() const { return FButtonDirection; }
  void SetButtonDirection(TButtonDirection value);
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  // A null picture draws the built-in arrow of the button's direction.
  const QImage& Glyph() const { return FGlyph; }
  void SetGlyph(const QImage& value);
  int32_t NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int32_t value) { FNumGlyphs = value; }
  // Where the face colours come from; without one the button draws its usual face.
  std::function<TButtonFaceColors()> Colors;

  bool Down() const { return FDown; }
  bool HasMouse() const { return FHasMouse; }
  // The repeat: running, and the wait before the next click.
  bool RepeatActive() const { return FRepeatTimer.isActive(); }
  int32_t RepeatInterval() const { return FRepeatInterval; }
  // One beat of the repeat timer: clicks while the button is still held down.
  void Timer_Tick();
  void Click();

  std::function<void(TQrvTimerSpeedButton*)> OnClick;
  std::function<void(TQrvTimerSpeedButton*)> OnMouseDown;

 protected:
  bool Guarded_Event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void timerEvent(QTimerEvent* e) override;

 private:
  void Start_Repeat(int32_t interval);
  void Stop_Repeat();
  void Repaint_Parent();

  QBasicTimer FRepeatTimer;
  int32_t FRepeatInterval = 0;
  TTimeBtnState FTimeBtnState;
  TButtonDirection FButtonDirection = bdUp;
  bool FIsWinXP = false;
  bool FHasMouse = false;
  bool FFlat = false;
  bool FTransparent = false;
  // Held down with the mouse (dragging) and, while held, whether the mouse is over the button (drawn pressed).
  bool FDragging = false;
  bool FDown = false;
  QImage FGlyph;
  int32_t FNumGlyphs = 1;
};

// The built-in 9 x 6 arrows of the spin buttons: a black triangle pointing up or down on white.
QImage SpinGlyph(bool up);
