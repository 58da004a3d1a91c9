#include "UFooterPanel.h"

#include <QHelpEvent>
#include <QMouseEvent>

#include "UCanvas.h"
#include "UHTMLHintWindow.h"
#include "UQrvStringGrid.h"

TFooterPanel::TFooterPanel(TQrvStringGrid& grid, QWidget* parent) : QWidget(parent), FGrid(grid) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void TFooterPanel::CreateWnd() {
  const TFloatingFooter& footer = FGrid.FloatingFooter();
  resize(width(), footer.Visible() ? footer.Height() : 0);
  if (FGrid.OnCreatedFloatingFooter) FGrid.OnCreatedFloatingFooter(&FGrid);
}

QString TFooterPanel::ShownHint() const {
  return FHint && FHint->isVisible() ? FHint->Caption() : QString();
}

void TFooterPanel::Hide_Hint() {
  if (FHint) FHint->hide();
}

bool TFooterPanel::event(QEvent* e) {
  if (e->type() != QEvent::ToolTip) return QWidget::event(e);
  const auto* help = static_cast<QHelpEvent*>(e);
  const int32_t c = FGrid.FooterColumnAt(help->pos().x());
  QString hint;
  if (FGrid.OnGridHint && c >= 0) FGrid.OnGridHint(&FGrid, FGrid.RowCount() - 1, c, hint);
  const bool show = FGrid.FloatingFooter().ShowHint();
  FLastHintX = show && c >= 0 ? c : -1;
  if (!show || hint.isEmpty()) {
    Hide_Hint();
    return true;
  }
  if (!FHint) FHint = new THTMLHintWindow(this);
  FHint->SetColor(FGrid.HintColor);
  const QPoint at = help->globalPos() + QPoint(0, 16);
  FHint->ActivateHint(TRect{at.x(), at.y(), at.x(), at.y()}, hint);
  return true;
}

void TFooterPanel::mouseMoveEvent(QMouseEvent* e) {
  // Another column under the mouse ends the hint of the last one.
  const int32_t c = FGrid.FooterColumnAt(e->position().toPoint().x());
  if (FGrid.FloatingFooter().ShowHint() && FLastHintX >= 0 && c != FLastHintX) {
    Hide_Hint();
    FLastHintX = c;
  }
  QWidget::mouseMoveEvent(e);
}

void TFooterPanel::leaveEvent(QEvent* e) {
  FLastHintX = -1;
  Hide_Hint();
  QWidget::leaveEvent(e);
}

void TFooterPanel::paintEvent(QPaintEvent*) {
  TCanvas canvas(this);
  FGrid.PaintFloatingFooter(canvas, TRect{0, 0, width(), height()});
}

void TFooterPanel::mousePressEvent(QMouseEvent* e) {
  e->accept();
}

void TFooterPanel::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) FGrid.FooterClick(e->position().toPoint().x());
}
