// The grid view's balloon window, grid timer and border frame.
#include <QApplication>
#include <QCursor>

#include "UBalloonWindow.h"
#include "UGridView.h"

void TGridView::Create_Balloon() {
  if (!FBalloon) FBalloon = new TBalloonWindow(this);
}

void TGridView::Destroy_Balloon() {
  // Later: the balloon's own timer may be what asked for it to go.
  if (FBalloon) {
    FBalloon->Pop();
    FBalloon->deleteLater();
  }
  FBalloon = nullptr;
  FBalloonCell = {-1, -1};
}

void TGridView::Track_Balloon(const QPoint& p, bool popped) {
  if (!FBalloon) return;
  if (popped) FBalloon->Pop();
  if (!FAdvanced->Balloon.Enable() || FBalloon->isVisible()) return;
  int32_t c = -1, r = -1;
  FAdvanced->MouseToCell(p.x(), p.y(), c, r);
  const TPoint cell = c >= 0 && r >= 0 ? TPoint{c, r} : TPoint{-1, -1};
  if (cell.X < 0) {
    FBalloon->Pop();
    FBalloonCell = cell;
    return;
  }
  // A balloon that came and went stays away while the mouse is over its cell.
  if (cell.X == FBalloonCell.X && cell.Y == FBalloonCell.Y) return;
  FBalloonCell = {-1, -1};
  const TBalloonSettings& s = FAdvanced->Balloon;
  FBalloon->SetDelays(s.InitialDelay, s.ReshowDelay, s.AutoHideDelay);
  FBalloon->SetColors(s.TextColor, s.BackgroundColor);
  FBalloon->SetTransparency(s.Transparency);
  // The wait starts again with every move: a balloon shows where the mouse comes to rest.
  FBalloon->Arm(viewport()->mapToGlobal(p), [this, p, cell](TCellBalloon& balloon) {
    bool shown = false;
    Run_Guarded([&] { shown = FAdvanced->BalloonAt(p.x(), p.y(), balloon); });
    if (shown) FBalloonCell = cell;
    return shown;
  });
}

void TGridView::Grid_Timer_Tick() {
  // The mouse counts only while it is over the grid's own window.
  const QPoint local = viewport()->mapFromGlobal(QCursor::pos());
  const bool over = viewport()->rect().contains(local) && QApplication::widgetAt(QCursor::pos()) == viewport();
  const TPoint mouse{local.x(), local.y()};
  FAdvanced->TimerTick(over ? &mouse : nullptr);
}

TBalloonWindow* TGridView::BalloonWindow() const {
  return FBalloon;
}

void TGridView::Sync_Border() {
  // A window shown without a frame keeps it so.
  const bool border = FAdvanced && FAdvanced->PaintsBorder() && frameShape() != QFrame::NoFrame;
  if (border && !FFrameBeforeBorder && frameWidth() < (FAdvanced->FitCellsInGrid ? 2 : 1)) {
    FFrameBeforeBorder = std::make_pair(frameStyle(), lineWidth());
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(2);
  } else if (!border && FFrameBeforeBorder) {
    // A frame the owner set meanwhile stays.
    if (frameStyle() == (QFrame::Box | QFrame::Plain) && lineWidth() == 2) {
      setFrameStyle(FFrameBeforeBorder->first);
      setLineWidth(FFrameBeforeBorder->second);
    }
    FFrameBeforeBorder.reset();
  }
}
