#pragma once
// TSearchPanel: the search strip over the bottom of a grid view's cells. The grid keeps what it shows and runs its
// actions; the strip draws that state and hands the user's typing, clicks and keys back to the grid.
#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class TQrvStringGrid;

class TSearchPanel : public QWidget {
 public:
  // A child of the view's viewport, which it follows in width and along its bottom edge.
  TSearchPanel(TQrvStringGrid& grid, QWidget* viewport);
  ~TSearchPanel() override;

  QLineEdit* EditControl() const { return FEdit; }
  QPushButton* ForwardButton() const { return FForward; }
  QPushButton* BackwardButton() const { return FBackward; }
  QPushButton* HiliteButton() const { return FHilite; }
  QToolButton* ExitButton() const { return FExit; }
  QCheckBox* MatchCase() const { return FMatchCase; }

  // Takes the grid's state again: place, size, texts, colours and the controls shown.
  void Sync();

 protected:
  void paintEvent(QPaintEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  // Taken here, so that a press on the strip never reaches the cells under it.
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  TQrvStringGrid& FGrid;
  QLineEdit* FEdit;
  QPushButton* FForward;
  QPushButton* FBackward;
  QPushButton* FHilite;
  QToolButton* FExit;
  QCheckBox* FMatchCase;
  // Set while the controls take the grid's state, so their change signals do not run the grid's actions.
  bool FSyncing = false;
};
