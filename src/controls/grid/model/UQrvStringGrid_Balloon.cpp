// The grid's balloon tooltips: one balloon window while balloons are enabled, and the balloon of the cell under
// the mouse when the window asks for it.
#include "UQrvStringGrid.h"

void TQrvStringGrid::BalloonEnableChanged() {
  if (IsLoading()) return;
  if (Balloon.Enable())
    BalloonInit();
  else
    BalloonDone();
}

void TQrvStringGrid::BalloonInit() {
  if (FBalloonInit) return;
  if (CreateBalloonWindow) CreateBalloonWindow();
  FBalloonInit = true;
}

void TQrvStringGrid::BalloonDone() {
  if (FBalloonInit && DestroyBalloonWindow) DestroyBalloonWindow();
  FBalloonInit = false;
  FLastBalloonPos = {-1, -1};
}

bool TQrvStringGrid::BalloonAt(int32_t x, int32_t y, TCellBalloon& balloon) {
  if (!Balloon.Enable()) return false;
  int32_t c = -1, r = -1;
  MouseToCell(x, y, c, r);
  if (c < 0 || r < 0 || c >= ColCount() || r >= RowCount()) return false;
  auto own = [this](int32_t rc, int32_t row, QString& title, QString& text, TBalloonIcon& icon) {
    return IsBalloon(rc, row, title, text, icon);
  };
  balloon = BuildCellBalloon(*this, c, r, own, OnCellBalloon);
  FLastBalloonPos = {balloon.Col, balloon.Row};
  return true;
}
