// The glow around the edited cell: its own window above the grid, so it may reach past the cell into the
// neighbours without being painted over by them.
#include <QRegion>

#include "UGridFocusWindow.h"
#include "UGridView.h"

void TGridView::ShowFocusFrame(const QImage& glow, const TRect& frame) {
  if (!FFocusFrame) FFocusFrame = new TGridFocusWindow(this);
  FFocusFrame->hide();
  FFocusFrame->SetPicture(glow);
  // Only the ring is the window's: the cell and its editor stay reachable beneath.
  const int inset = 4;
  const QSize cell(frame.Right - frame.Left - 9, frame.Bottom - frame.Top - 9);
  FFocusFrame->setMask(QRegion(0, 0, glow.width(), glow.height()) -
                       QRegion(inset, inset, std::max(cell.width(), 0), std::max(cell.height(), 0)));
  FFocusFrame->move(viewport()->mapToGlobal(QPoint(frame.Left, frame.Top)));
  FFocusFrame->show();
  QWidget* top = window();
  if (FFocusFrameOwner != top) {
    if (FFocusFrameOwner) FFocusFrameOwner->removeEventFilter(this);
    FFocusFrameOwner = top;
    top->installEventFilter(this);
  }
}

void TGridView::HideFocusFrame() {
  if (FFocusFrameOwner) FFocusFrameOwner->removeEventFilter(this);
  FFocusFrameOwner = nullptr;
  if (FFocusFrame) FFocusFrame->hide();
}

TGridFocusWindow* TGridView::FocusFrameWindow() const {
  return FFocusFrame;
}
