#include "UBalloonWindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QToolTip>

#include "USysColors.h"

namespace {
constexpr int Margin = 8;
constexpr int IconSize = 16;
constexpr int IconGap = 6;
constexpr int LineGap = 4;
constexpr int Radius = 6;

bool Has_Header(const QString& title, TBalloonIcon icon) {
  return icon != biNone || !title.trimmed().isEmpty();
}
}  // namespace

TBalloonWindow::TBalloonWindow(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
  setAttribute(Qt::WA_TranslucentBackground);
  setAttribute(Qt::WA_ShowWithoutActivating);
  FShowTimer.setSingleShot(true);
  FHideTimer.setSingleShot(true);
  QObject::connect(&FShowTimer, &QTimer::timeout, this, [this] {
    TCellBalloon balloon;
    if (FAsk && FAsk(balloon)) ShowBalloon(FArmedAt, balloon);
  });
  QObject::connect(&FHideTimer, &QTimer::timeout, this, [this] { Pop(); });
}

void TBalloonWindow::SetDelays(int32_t initial, int32_t reshow, int32_t autoHide) {
  FInitial = initial;
  FReshow = reshow;
  FAutoHide = autoHide;
}

// The toolkit's wake-up delay; reshowing takes a fifth of it and a balloon stays ten times as long, the usual
// proportions of tooltip timing.
int32_t TBalloonWindow::InitialDelay() const {
  return FInitial != -1 ? FInitial : style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay);
}

int32_t TBalloonWindow::ReshowDelay() const {
  return FReshow != -1 ? FReshow : InitialDelay() / 5;
}

int32_t TBalloonWindow::AutoHideDelay() const {
  return FAutoHide != -1 ? FAutoHide : InitialDelay() * 10;
}

void TBalloonWindow::SetColors(TColor text, TColor background) {
  if (text == FTextColor && background == FBackColor) return;
  FTextColor = text;
  FBackColor = background;
  update();
}

void TBalloonWindow::SetTransparency(uint8_t transparency) {
  setWindowOpacity(transparency == 0 ? 1.0 : (255 - transparency) / 255.0);
}

QColor TBalloonWindow::TextColor() const {
  return FTextColor != clNone ? TColorToQColor(FTextColor) : QToolTip::palette().color(QPalette::ToolTipText);
}

QColor TBalloonWindow::BackgroundColor() const {
  return FBackColor != clNone ? TColorToQColor(FBackColor) : QToolTip::palette().color(QPalette::ToolTipBase);
}

void TBalloonWindow::Arm(const QPoint& at, std::function<bool(TCellBalloon&)> ask) {
  FArmedAt = at;
  FAsk = std::move(ask);
  const bool recent = isVisible() || (FSinceHidden.isValid() && FSinceHidden.elapsed() < ReshowWindow);
  FShowTimer.start(std::max(0, recent ? ReshowDelay() : InitialDelay()));
}

void TBalloonWindow::Pop() {
  FShowTimer.stop();
  FHideTimer.stop();
  if (!isVisible()) return;
  hide();
  FSinceHidden.start();
}

QFont TBalloonWindow::Title_Font() const {
  QFont bold = font();
  bold.setBold(true);
  return bold;
}

QRect TBalloonWindow::Text_Rect() const {
  const int room = MaxWidth - 2 * Margin;
  const QRect text = FText.isEmpty() ? QRect()
                                     : fontMetrics().boundingRect(QRect(0, 0, room, 1 << 16),
                                                                  Qt::TextWordWrap | Qt::TextExpandTabs, FText);
  int top = Margin;
  if (Has_Header(FTitle, FIcon)) {
    const int header = std::max(IconSize, QFontMetrics(Title_Font()).height());
    top += header + (FText.isEmpty() ? 0 : LineGap);
  }
  return QRect(Margin, top, std::min(room, text.width()), text.height());
}

QSize TBalloonWindow::Body_Size() const {
  int width = Text_Rect().width();
  if (Has_Header(FTitle, FIcon)) {
    const int title = QFontMetrics(Title_Font()).horizontalAdvance(FTitle.trimmed());
    width = std::max(width, (FIcon != biNone ? IconSize + IconGap : 0) + title + 1);
  }
  width = std::clamp(width + 2 * Margin, 2 * StemOffset + Margin, MaxWidth);
  return QSize(width, Text_Rect().bottom() + 1 + Margin);
}

QPoint TBalloonWindow::StemTip() const {
  return QPoint(x() + FStemX, FStemOnTop ? y() : y() + height() - 1);
}

void TBalloonWindow::ShowBalloon(const QPoint& at, const TCellBalloon& balloon) {
  // The window's font is settled before the texts are measured in it.
  ensurePolished();
  FTitle = balloon.Title;
  FText = balloon.Text;
  FIcon = balloon.Icon;
  const QSize body = Body_Size();
  const QSize size(body.width(), body.height() + StemHeight);
  QScreen* screen = QGuiApplication::screenAt(at);
  if (!screen) screen = QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect(at, size);
  // The stem points at the mouse; the balloon keeps on the screen, standing over the point at the bottom edge.
  int left = std::clamp(at.x() - StemOffset, area.left(), std::max(area.left(), area.right() + 1 - size.width()));
  FStemX = std::clamp(at.x() - left, Radius + 2, size.width() - Radius - 2);
  FStemOnTop = at.y() + size.height() <= area.bottom() + 1;
  const int top = FStemOnTop ? at.y() : at.y() - size.height() + 1;
  setGeometry(left, top, size.width(), size.height());
  FShowTimer.stop();
  show();
  update();
  FHideTimer.start(std::max(0, AutoHideDelay()));
}

void TBalloonWindow::Draw_Icon(QPainter& p, const QRect& box) const {
  p.save();
  p.setPen(Qt::NoPen);
  QColor fill;
  switch (FIcon) {
    case biInfo:
      fill = QColor(0x1E, 0x64, 0xC8);
      break;
    case biWarning:
      fill = QColor(0xF0, 0xB4, 0x00);
      break;
    case biError:
      fill = QColor(0xD0, 0x20, 0x20);
      break;
    default:
      p.restore();
      return;
  }
  p.setBrush(fill);
  if (FIcon == biWarning) {
    QPolygonF triangle;
    triangle << QPointF(box.center().x() + 0.5, box.top()) << QPointF(box.right() + 1, box.bottom() + 1)
             << QPointF(box.left(), box.bottom() + 1);
    p.drawPolygon(triangle);
  } else {
    p.drawEllipse(box);
  }
  QPen mark(FIcon == biWarning ? Qt::black : Qt::white, 2);
  p.setPen(mark);
  const qreal cx = box.left() + box.width() / 2.0;
  if (FIcon == biInfo) {
    p.drawLine(QPointF(cx, box.top() + 7), QPointF(cx, box.bottom() - 2));
    p.drawPoint(QPointF(cx, box.top() + 4));
  } else if (FIcon == biWarning) {
    p.drawLine(QPointF(cx, box.top() + 5), QPointF(cx, box.bottom() - 5));
    p.drawPoint(QPointF(cx, box.bottom() - 2));
  } else {
    p.drawLine(box.topLeft() + QPointF(4.5, 4.5), box.bottomRight() - QPointF(3.5, 3.5));
    p.drawLine(QPointF(box.right() - 3.5, box.top() + 4.5), QPointF(box.left() + 4.5, box.bottom() - 3.5));
  }
  p.restore();
}

void TBalloonWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const int bodyTop = FStemOnTop ? StemHeight : 0;
  const QRectF body(0.5, bodyTop + 0.5, width() - 1.0, height() - StemHeight - 1.0);
  QPainterPath shape;
  shape.addRoundedRect(body, Radius, Radius);
  QPainterPath stem;
  const qreal base = FStemOnTop ? body.top() + 1 : body.bottom() - 1;
  const qreal tip = FStemOnTop ? 0.5 : height() - 0.5;
  const qreal sx = FStemX + 0.5;
  stem.moveTo(sx, tip);
  stem.lineTo(sx + StemHeight, base);
  stem.lineTo(sx - (sx > Radius + StemHeight ? StemHeight / 2 : 0), base);
  stem.closeSubpath();
  shape = shape.united(stem);
  p.setPen(QPen(TextColor(), 1));
  p.setBrush(BackgroundColor());
  p.drawPath(shape);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.translate(0, bodyTop);
  p.setPen(TextColor());
  if (Has_Header(FTitle, FIcon)) {
    const QFontMetrics titleMetrics(Title_Font());
    const int header = std::max(IconSize, titleMetrics.height());
    int x = Margin;
    if (FIcon != biNone) {
      p.setRenderHint(QPainter::Antialiasing);
      Draw_Icon(p, QRect(x, Margin + (header - IconSize) / 2, IconSize, IconSize));
      p.setRenderHint(QPainter::Antialiasing, false);
      x += IconSize + IconGap;
    }
    p.setFont(Title_Font());
    p.drawText(QRect(x, Margin, width() - Margin - x, header), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
               titleMetrics.elidedText(FTitle.trimmed(), Qt::ElideRight, width() - Margin - x));
    p.setFont(font());
  }
  p.drawText(Text_Rect(), Qt::TextWordWrap | Qt::TextExpandTabs | Qt::AlignLeft | Qt::AlignTop, FText);
}
