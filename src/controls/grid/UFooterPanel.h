#pragma once
// TFooterPanel: the strip under a grid view's cells that shows the grid's floating footer. The grid paints it and
// answers which column a click hit; the panel only hands its paint and release over. With the footer's ShowHint it
// shows the grid's OnGridHint for the footer cell under the mouse.
#include <QPointer>
#include <QWidget>

class TQrvStringGrid;
class THTMLHintWindow;

class TFooterPanel : public QWidget {
 public:
  TFooterPanel(TQrvStringGrid& grid, QWidget* parent);
  // Run once the grid's view has made the strip: its first height (the footer's when shown, else 0), then the
  // grid's OnCreatedFloatingFooter.
  void CreateWnd();

  // The column whose hint was asked last; -1 for none.
  int32_t LastHintX() const { return FLastHintX; }
  // The hint being shown; empty when none is.
  QString ShownHint() const;

 protected:
  bool event(QEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  // Taken here, so a press on the strip never reaches the grid under it.
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void Hide_Hint();
  TQrvStringGrid& FGrid;
  int32_t FLastHintX = -1;
  QPointer<THTMLHintWindow> FHint;
};
