#include "UGridPanning.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "UApplication.h"
#include "UGridPanCursors.h"
#include "UGridView.h"

namespace {
constexpr int Icon_Size = 32;

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
    Invalidate_Origin();
    FHadCursor = FView.viewport()->testAttribute(Qt::WA_SetCursor);
    FCursorBefore = FView.viewport()->cursor();
    Show_Cursor(crPanOrigin);
    FView.SetHintsOn(false);
    FTimer.start();
    FSwallowRelease = true;
    return true;
  }

 private:
  void Tick() {
    const QPoint p = FView.viewport()->mapFromGlobal(QCursor::pos());
    Run_Guarded([&] { Show_Cursor(FGrid.PanTick(TPoint{p.x(), p.y()})); });
  }
  // Set only when the direction changes: every setting is a cursor change the grid hears of.
  void Show_Cursor(int32_t cursor) {
    if (cursor == FShown) return;
    FShown = cursor;
    FView.SetScreenCursor(cursor);
  }
  void End() {
    FTimer.stop();
    FGrid.EndPanning();
    FShown = 0;
    if (FHadCursor)
      FView.viewport()->setCursor(FCursorBefore);
    else
      FView.viewport()->unsetCursor();
    FView.SetHintsOn(true);
    Invalidate_Origin();
  }
  void Invalidate_Origin() {
    FView.viewport()->update(QRect(FGrid.PanOrigin().X, FGrid.PanOrigin().Y, Icon_Size, Icon_Size));
  }

  TGridView& FView;
  TQrvStringGrid& FGrid;
  QTimer FTimer;
  bool FSwallowRelease = false;
  int32_t FShown = 0;
  // The viewport's cursor from before panning, and whether it had one of its own.
  QCursor FCursorBefore;
  bool FHadCursor = false;
};
}  // namespace

QImage Pan_Origin_Icon(TIntelliPan pan) {
  // Drawn on a key colour, which then becomes white.
  const QColor key(0xFF, 0x00, 0xFF);
  QImage icon(Icon_Size, Icon_Size, QImage::Format_RGB32);
  icon.fill(key);
  QPainter p(&icon);
  p.setRenderHint(QPainter::Antialiasing, false);
  const QColor ink(0x40, 0x40, 0x40);
  p.setPen(QPen(ink, 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPoint(16, 16), 13, 13);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawEllipse(QPoint(16, 16), 2, 2);
  const bool vertical = pan != ipHorizontal, horizontal = pan != ipVertical;
  if (vertical) {
    p.drawPolygon(QPolygon({QPoint(11, 11), QPoint(21, 11), QPoint(16, 6)}));
    p.drawPolygon(QPolygon({QPoint(11, 21), QPoint(21, 21), QPoint(16, 26)}));
  }
  if (horizontal) {
    p.drawPolygon(QPolygon({QPoint(11, 11), QPoint(11, 21), QPoint(6, 16)}));
    p.drawPolygon(QPolygon({QPoint(21, 11), QPoint(21, 21), QPoint(26, 16)}));
  }
  p.end();
  const QRgb keyed = icon.pixel(0, 0);
  for (int y = 0; y < Icon_Size; ++y)
    for (int x = 0; x < Icon_Size; ++x)
      if (icon.pixel(x, y) == keyed) icon.setPixel(x, y, qRgb(0xFF, 0xFF, 0xFF));
  return icon;
}

void Install_Panning(TGridView& view, TQrvStringGrid& grid) {
  new TPanning(view, grid);
}
