#include "TCategoryPanel.h"

#include <QMouseEvent>
#include <QPainter>

#include "TCategoryPanelGroup.h"
#include "USysColors.h"

namespace {
constexpr int32_t Image_Left = 4;
constexpr int32_t Text_Gap = 4;
constexpr int32_t Chevron_Width = 9;
constexpr int32_t Chevron_Right_Margin = 8;

// Two stacked arrow heads: pointing up on an expanded panel (a click folds it), down on a collapsed one.
void Paint_Chevron(QPainter& p, const QRect& header, bool collapsed, const QColor& color) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(color, 2));
  const int32_t right = header.right() - Chevron_Right_Margin;
  const int32_t left = right - Chevron_Width + 1;
  const int32_t mid = (left + right) / 2;
  const int32_t centre = header.center().y();
  for (int32_t k = 0; k < 2; ++k) {
    const int32_t y = centre - 4 + k * 5;
    if (collapsed) {
      p.drawLine(left, y, mid, y + 3);
      p.drawLine(mid, y + 3, right, y);
    } else {
      p.drawLine(left, y + 3, mid, y);
      p.drawLine(mid, y, right, y + 3);
    }
  }
  p.restore();
}
}  // namespace

TCategoryPanel::TCategoryPanel(TCategoryPanelGroup* group)
    : QWidget(nullptr), FGroup(group), FClient(new QWidget(this)) {
  setMouseTracking(true);
  group->Add_Panel(this);
}

void TCategoryPanel::SetCaption(const QString& value) {
  FCaption = value;
  update();
}

void TCategoryPanel::SetCollapsed(bool value) {
  if (FCollapsed == value) return;
  FCollapsed = value;
  FClient->setVisible(!value);
  FGroup->Restack();
  update();
  if (value && OnCollapse) OnCollapse();
  if (!value && OnExpand) OnExpand();
}

void TCategoryPanel::SetPanel_Height(int32_t value) {
  if (FPanel_Height == value) return;
  FPanel_Height = value;
  FGroup->Restack();
}

void TCategoryPanel::SetTop(int32_t value) {
  FTop = value;
  FGroup->Restack(this);
}

void TCategoryPanel::setVisible(bool visible) {
  QWidget::setVisible(visible);
  FGroup->Restack();
}

void TCategoryPanel::Set_Chevron_Hot(bool value) {
  if (FChevron_Hot == value) return;
  FChevron_Hot = value;
  update();
}

void TCategoryPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect header(0, 0, width(), FGroup->Header_Height());
  QLinearGradient gradient(header.topLeft(), header.bottomLeft());
  gradient.setColorAt(0, TColorToQColor(FGroup->Gradient_Base()));
  gradient.setColorAt(1, TColorToQColor(FGroup->Gradient_End()));
  p.fillRect(header, gradient);

  int32_t text_left = Image_Left;
  const QImage& image = FGroup->Header_Image(FCollapsed);
  if (!image.isNull()) {
    p.drawImage(Image_Left, (header.height() - image.height()) / 2, image);
    text_left += image.width() + Text_Gap;
  }
  p.setFont(FGroup->Header_Font());
  p.setPen(TColorToQColor(FGroup->Header_Font_Color()));
  const QRect text_rect(text_left, 0, header.width() - text_left - Chevron_Width - 2 * Chevron_Right_Margin,
                        header.height());
  p.drawText(text_rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, FCaption);

  const TColor chevron = FChevron_Hot ? FGroup->Chevron_Hot_Color() : FGroup->Chevron_Color();
  Paint_Chevron(p, header, FCollapsed, TColorToQColor(chevron));
}

void TCategoryPanel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && event->position().y() < FGroup->Header_Height()) {
    SetCollapsed(!FCollapsed);
    return;
  }
  QWidget::mousePressEvent(event);
}

void TCategoryPanel::mouseMoveEvent(QMouseEvent* event) {
  Set_Chevron_Hot(event->position().y() < FGroup->Header_Height());
  QWidget::mouseMoveEvent(event);
}

void TCategoryPanel::leaveEvent(QEvent* event) {
  Set_Chevron_Hot(false);
  QWidget::leaveEvent(event);
}

void TCategoryPanel::resizeEvent(QResizeEvent* event) {
  const int32_t header = FGroup->Header_Height();
  FClient->setGeometry(0, header, width(), std::max(0, height() - header));
  QWidget::resizeEvent(event);
}
