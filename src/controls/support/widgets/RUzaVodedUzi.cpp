#include "RUzaVodedUzi.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

#include "QrvStyleIF.h"
#include "UAccelerator.h"
#include "UFrameControl.h"
#include "UThemeBinding.h"

RUzaVodedUzi::RUzaVodedUzi(QWidget* parent) : QWidget(parent) {
  resize(98, 20);
  FIsWinXP = IsWinXpOrLater();
  SetCaption(QStringLiteral("RUzaVodedUzi"));
  setFocusPolicy(Qt::StrongFocus);
}

bool RUzaVodedUzi::Themed() const {
  return IsWinXpOrLater() && QrvXPVS().IsThemeActive() && HasComCtl6();
}

void RUzaVodedUzi::SetDown(bool value) {
  if (FDown == value) return;
  FDown = value;
  update(0, 0, 16, 16);
}

void RUzaVodedUzi::SetState(TCheckBoxState value) {
  if (FState == value) return;
  FState = value;
  Invalidate_Box_Strip();
}

void RUzaVodedUzi::SetChecked(bool value) {
  SetState(value ? cbChecked : cbUnchecked);
  update();
}

void RUzaVodedUzi::SetButtonVertAlign(TTextLayout value) {
  if (FBtnVAlign == value) return;
  FBtnVAlign = value;
  update();
}

void RUzaVodedUzi::SetAlignment(TAlignment value) {
  if (FAlignment == value) return;
  FAlignment = value;
  update();
}

void RUzaVodedUzi::SetEllipsis(bool value) {
  if (FEllipsis == value) return;
  FEllipsis = value;
  update();
}

void RUzaVodedUzi::SetCaption(const QString& value) {
  FCaption = value;
  setAccessibleName(value);
  FShortcutId = GrabAccelerator(this, FShortcutId, value);
  update();
}

void RUzaVodedUzi::SetTransparent(bool value) {
  if (FTransparent != value) {
    FTransparent = value;
    FBkgCache = false;
  }
  update();
}

void RUzaVodedUzi::SetColor(TColor value) {
  FColor = value;
  update();
}

void RUzaVodedUzi::Invalidate_Box_Strip() {
  if (FAlignment == taLeftJustify) {
    update(0, 0, 20, height());
  } else {
    update(width() - 20, 0, 20, height());
  }
}

void RUzaVodedUzi::Toggle() {
  if (FReadOnly) return;
  SetChecked(FState != cbChecked);
}

void RUzaVodedUzi::Click() {
  if (OnClick) OnClick(this);
}

bool RUzaVodedUzi::DialogChar(QChar key) {
  const QChar accelerator = AcceleratorOf(FCaption);
  const bool canFocus = isEnabled() && isVisible();
  if (accelerator.isNull() || key.toUpper() != accelerator || !canFocus) return false;
  Toggle();
  if (TabStop()) setFocus(Qt::ShortcutFocusReason);
  return true;
}

bool RUzaVodedUzi::Inside(const QPoint& p) const {
  return p.x() >= 0 && p.x() <= width() && p.y() >= 0 && p.y() <= height();
}

TRect RUzaVodedUzi::BoxRect() const {
  const bool right = FAlignment == taRightJustify;
  if (Themed()) {
    const int32_t x = right ? width() - 15 : 0;
    const int32_t y = FBtnVAlign == tlTop ? 4 : FBtnVAlign == tlCenter ? height() / 2 - 6 : height() - 14;
    return Rect(x, y, x + 14, y + 14);
  }
  const int32_t x = right ? width() - 13 : 0;
  const int32_t y = FBtnVAlign == tlTop ? 4 : FBtnVAlign == tlCenter ? height() / 2 - 6 : height() - 17;
  return Rect(x, y, x + 13, y + 13);
}

QImage RUzaVodedUzi::Parent_Background() const {
  QImage image(size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QWidget* parent = parentWidget();
  if (!parent) return image;
  // The parent draws itself (without its children) into the image, shifted so the control's place lands at 0, 0.
  QPainter p(&image);
  parent->render(&p, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
  return image;
}

void RUzaVodedUzi::paintEvent(QPaintEvent*) {
  TCanvas canvas(static_cast<QPaintDevice*>(this));
  PaintBox(canvas);
}

void RUzaVodedUzi::PaintBox(TCanvas& canvas) {
  canvas.SetFont(FFont);
  if (FTransparent) {
    if (!FTransparentCaching) {
      canvas.DrawImage(0, 0, Parent_Background());
    } else {
      if (!FBkgCache) {
        FBkgBmp = Parent_Background();
        FBkgCache = true;
      }
      canvas.DrawImage(0, 0, FBkgBmp);
    }
  } else {
    canvas.Brush().Color = FColor;
    canvas.Brush().Style = bsSolid;
    canvas.FillRect(Rect(0, 0, width(), height()));
  }
  const TRect box = BoxRect();
  bool drawn = false;
  if (Themed()) {
    const int32_t base = FState == cbChecked ? 5 : FState == cbGrayed ? 9 : 1;
    const int32_t offset = !isEnabled() ? 3 : FDown ? 2 : FHot ? 1 : 0;
    drawn = QrvXPVS().DrawPart(this, QStringLiteral("button"), canvas, 3, base + offset, box);
  }
  if (!drawn) {
    uint32_t flags = DFCS_BUTTONCHECK;
    if (!isEnabled() || FState == cbGrayed) flags |= DFCS_INACTIVE;
    if (FState == cbChecked) flags |= DFCS_CHECKED;
    DrawFrameControl(canvas, box, DFC_BUTTON, flags);
  }
  TRect text = Rect(0, 0, width(), height());
  if (FAlignment == taLeftJustify) {
    text.Left = 15;
  } else {
    text.Left = 6;
    text.Right -= 9;
  }
  text.Top += 4;
  canvas.Brush().Style = bsClear;
  const TBkMode mode = canvas.BkMode();
  canvas.SetBkMode(bkTransparent);
  const uint32_t flags = DT_LEFT | DT_SINGLELINE | (FEllipsis ? DT_END_ELLIPSIS : 0);
  if (isEnabled()) {
    canvas.DrawText(FCaption, text, flags);
  } else {
    TRect shifted = Rect(text.Left + 1, text.Top + 1, text.Right + 1, text.Bottom + 1);
    canvas.Font().Color = clWhite;
    canvas.DrawText(FCaption, shifted, flags);
    canvas.Font().Color = clGray;
    canvas.DrawText(FCaption, text, flags);
  }
  canvas.SetBkMode(mode);
  if (FFocused) {
    TRect measure = text;
    canvas.DrawText(FCaption, measure, flags | DT_CALCRECT);
    canvas.DrawFocusRect(
        Rect(text.Left - 2, text.Top, text.Left + measure.Width() + 1, text.Top + measure.Height() + 1));
  }
}

void RUzaVodedUzi::mousePressEvent(QMouseEvent* event) {
  FMouseDown = true;
  if (!hasFocus() && TabStop()) setFocus(Qt::MouseFocusReason);
  if (OnMouseDown) OnMouseDown(this, event);
  FDown = true;
  if (FIsWinXP) update(0, 0, 16, 16);
}

void RUzaVodedUzi::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton && FMouseDown) SetDown(Inside(event->position().toPoint()));
  if (OnMouseMove) OnMouseMove(this, event);
}

void RUzaVodedUzi::mouseReleaseEvent(QMouseEvent* event) {
  FDown = false;
  // The focus is this control's once a press gave it; a refused focus change keeps the box as it is.
  const bool focused = window()->focusWidget() == this || FFocused;
  if (Inside(event->position().toPoint()) && focused && FMouseDown) {
    FClicksDisabled = true;
    Toggle();
    FClicksDisabled = false;
    Click();
  }
  FMouseDown = false;
  if (OnMouseUp) OnMouseUp(this, event);
  if (FIsWinXP) update(0, 0, 16, 16);
}

void RUzaVodedUzi::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && FReturnIsTab) {
    focusNextChild();
  } else if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
    SetDown(true);
  }
  if (OnKeyDown) OnKeyDown(this, event);
}

void RUzaVodedUzi::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
    SetDown(false);
    Toggle();
    Click();
  }
  if (OnKeyUp) OnKeyUp(this, event);
}

void RUzaVodedUzi::enterEvent(QEnterEvent*) {
  FHot = true;
  update(0, 0, 16, 16);
}

void RUzaVodedUzi::leaveEvent(QEvent*) {
  FHot = false;
  update(0, 0, 16, 16);
}

void RUzaVodedUzi::focusInEvent(QFocusEvent* event) {
  FFocused = true;
  update();
  QWidget::focusInEvent(event);
}

void RUzaVodedUzi::focusOutEvent(QFocusEvent* event) {
  FFocused = false;
  update();
  QWidget::focusOutEvent(event);
}

void RUzaVodedUzi::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) update();
  QWidget::changeEvent(event);
}

void RUzaVodedUzi::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  setGeometry(left, top, width, height);
  Bounds_Changed();
}

void RUzaVodedUzi::Bounds_Changed() {
  FBkgCache = false;
  if (FTransparent) update();
}

void RUzaVodedUzi::moveEvent(QMoveEvent* event) {
  Bounds_Changed();
  QWidget::moveEvent(event);
}

void RUzaVodedUzi::resizeEvent(QResizeEvent* event) {
  Bounds_Changed();
  QWidget::resizeEvent(event);
}

bool RUzaVodedUzi::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut && static_cast<QShortcutEvent*>(event)->shortcutId() == FShortcutId) {
    DialogChar(AcceleratorOf(FCaption));
    return true;
  }
  return QWidget::event(event);
}
