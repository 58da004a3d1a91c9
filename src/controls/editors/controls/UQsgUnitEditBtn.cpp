#include "UQsgUnitEditBtn.h"

#include <QMenu>

#include "UCanvas.h"
#include "USysColors.h"

TQsgUnitEditBtn::TQsgUnitEditBtn(QWidget* parent) : TQsgEditBtn(parent) {
  FUnitSize = 20;
  SetRightAlign(true);
  Set_Edit_Rect();
}

void TQsgUnitEditBtn::SetUnitID(const QString& value) {
  FUnitID = value;
  update();
}

void TQsgUnitEditBtn::SetUnitSpace(int32_t value) {
  FUnitSize = value;
  Set_Edit_Rect();
  update();
}

void TQsgUnitEditBtn::SetTextAndUnit(const QString& value) {
  for (const QString& unit : FUnits) {
    const qsizetype first = value.indexOf(unit);
    if (first >= 0 && first == value.length() - unit.length()) {
      setText(value.left(first));
      SetUnitID(unit);
      return;
    }
  }
}

void TQsgUnitEditBtn::ClickBtn(QObject*) {
  if (OnClickBtn) OnClickBtn(this);
  if (FMenu) FMenu->close();
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  for (qsizetype i = 0; i < FUnits.size(); ++i) {
    QAction* action = menu->addAction(FUnits[i]);
    const int32_t item = int32_t(i) + 1;
    QObject::connect(action, &QAction::triggered, this, [this, item] { Unit_Command(item); });
  }
  FMenu = menu;
  menu->popup(mapToGlobal(QPoint(width() - 15, height())));
}

void TQsgUnitEditBtn::Unit_Command(int32_t item) {
  if (item < 1 || item > FUnits.size()) return;
  const QString previous = FUnitID;
  SetUnitID(FUnits[item - 1]);
  if (FUnitID != previous && OnUnitChanged) OnUnitChanged(this, FUnitID);
}

void TQsgUnitEditBtn::paintEvent(QPaintEvent* e) {
  TQsgEditBtn::paintEvent(e);
  if (FUnitID.isEmpty()) return;
  TCanvas canvas(this);
  canvas.Font().Color = QColorToTColor(palette().color(QPalette::Text));
  canvas.SetBkMode(bkTransparent);
  const int32_t right = width() - (Button()->width() + 3 + (BorderStyle() == bsSingle ? 2 : 0));
  TRect r = Rect(right - FUnitSize, 2, right, height() - 2);
  canvas.DrawText(FUnitID, r, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX | DT_NOCLIP);
}
