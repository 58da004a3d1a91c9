#pragma once
// The balloon of a grid cell: a small frameless window in the shape of a speech balloon whose stem points at the
// mouse, with an icon and a bold title over the text. The grid's view keeps one while balloons are enabled and
// arms it whenever the mouse rests over a cell; the window waits the initial delay (the shorter reshow delay right
// after another balloon), asks for the balloon, shows it and hides it again after the auto-hide delay.
#include <QElapsedTimer>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "UBalloonText.h"
#include "UTypes.h"

class QPainter;

class TBalloonWindow : public QWidget {
 public:
  // The widest a balloon gets, in pixels, with its frame.
  static constexpr int32_t MaxWidth = 300;
  // The stem's height and its tip's distance from the balloon's left edge.
  static constexpr int32_t StemHeight = 10;
  static constexpr int32_t StemOffset = 16;
  // How long after hiding a balloon the next one takes only the reshow delay.
  static constexpr int32_t ReshowWindow = 500;

  explicit TBalloonWindow(QWidget* owner = nullptr);

  // Times in ms; -1 keeps the toolkit's tooltip timing.
  void SetDelays(int32_t initial, int32_t reshow, int32_t autoHide);
  // The times in force.
  int32_t InitialDelay() const;
  int32_t ReshowDelay() const;
  int32_t AutoHideDelay() const;
  // clNone keeps the toolkit's tooltip colours.
  void SetColors(TColor text, TColor background);
  // 0 is opaque; otherwise the window's alpha is 255 - transparency.
  void SetTransparency(uint8_t transparency);

  // The mouse rests at the global point: after the delay, ask names the balloon to show (false shows none).
  // Arming again while waiting starts the wait again at the new point.
  void Arm(const QPoint& at, std::function<bool(TCellBalloon&)> ask);
  bool Armed() const { return FShowTimer.isActive(); }
  // Shows the balloon now with its stem at the global point; it hides after the auto-hide delay.
  void ShowBalloon(const QPoint& at, const TCellBalloon& balloon);
  // Hides the balloon and drops a pending one.
  void Pop();

  const QString& Title() const { return FTitle; }
  const QString& Text() const { return FText; }
  TBalloonIcon Icon() const { return FIcon; }
  // The tip of the stem in global coordinates, where the balloon was shown.
  QPoint StemTip() const;
  // Whether the balloon hangs under the point (stem at its top) or, at the screen's bottom, stands over it.
  bool StemOnTop() const { return FStemOnTop; }
  QColor TextColor() const;
  QColor BackgroundColor() const;

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  // The body's inner layout for the current texts: icon and title line, then the wrapped text.
  QRect Text_Rect() const;
  QSize Body_Size() const;
  QFont Title_Font() const;
  void Draw_Icon(QPainter& p, const QRect& box) const;

  QTimer FShowTimer;
  QTimer FHideTimer;
  QElapsedTimer FSinceHidden;
  QPoint FArmedAt;
  std::function<bool(TCellBalloon&)> FAsk;
  int32_t FInitial = -1, FReshow = -1, FAutoHide = -1;
  TColor FTextColor = clNone, FBackColor = clNone;
  QString FTitle, FText;
  TBalloonIcon FIcon = biNone;
  bool FStemOnTop = true;
  int32_t FStemX = StemOffset;
};
