#include "UGridPanning.h"

#include <QCursor>
#include <QMouseEvent>
#include <QTimer>

#include "UApplication.h"
#include "UGridView.h"

namespace {
class TPanning : public QObject {
 public:
  TPanning(TGridView& view, TQrvStringGrid& grid) : QObject(&view), FView(view), FGrid(grid) {
    FTimer.setInterval(10);
    connect(&FTimer, &QTimer::timeout, this, [this] { Tick(); });
    view.viewport()->installEventFilter(this);
    view.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::KeyPress && FGrid.Panning()) {
      End();
      return false;
    }
    // The release of the press that ended panning, or of the middle press that started it, is no click.
    if (e->type() == QEvent::MouseButtonRelease && FSwallowRelease) {
      FSwallowRelease = false;
      return true;
    }
    if (e->type() != QEvent::MouseButtonPress && e->type() != QEvent::MouseButtonDblClick) return false;
    // Any press while panning only ends it.
    if (FGrid.Panning()) {
      End();
      FSwallowRelease = true;
      return true;
    }
    const auto* m = static_cast<QMouseEvent*>(e);
    if (m->button() != Qt::MiddleButton) return false;
    const QPoint p = FView.viewport()->mapFromGlobal(m->globalPosition().toPoint());
    if (!FGrid.StartPanning(TPoint{p.x(), p.y()})) return false;
    FView.SetScreenCursor(8000);
    FTimer.start();
    FSwallowRelease = true;
    return true;
  }

 private:
  void Tick() {
    const QPoint p = FView.viewport()->mapFromGlobal(QCursor::pos());
    Run_Guarded([&] { FView.SetScreenCursor(FGrid.PanTick(TPoint{p.x(), p.y()})); });
  }
  void End() {
    FTimer.stop();
    FGrid.EndPanning();
    FView.SetScreenCursor(0);
  }

  TGridView& FView;
  TQrvStringGrid& FGrid;
  QTimer FTimer;
  bool FSwallowRelease = false;
};
}  // namespace

void Install_Panning(TGridView& view, TQrvStringGrid& grid) {
  new TPanning(view, grid);
}
