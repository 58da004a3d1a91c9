#pragma once
// An edit that shows a value and, right-aligned beside the button, its unit; the button offers the units in a
// pop-up list, and value and unit travel together as one text.
#include <QMenu>
#include <QPointer>
#include <QStringList>

#include "UQsgEditBtn.h"

class TQsgUnitEditBtn : public TQsgEditBtn {
 public:
  explicit TQsgUnitEditBtn(QWidget* parent = nullptr);

  // Fires OnClickBtn, then offers the units in a pop-up list below the button.
  void ClickBtn(QObject* sender) override;
  // Picking entry k (1-based) of the list; numbers outside the list change nothing.
  void Unit_Command(int32_t item);
  // The list on show, if any.
  QMenu* UnitMenu() const { return FMenu; }

  const QStringList& Units() const { return FUnits; }
  void SetUnits(const QStringList& value) { FUnits = value; }
  const QString& UnitID() const { return FUnitID; }
  void SetUnitID(const QString& value);
  int32_t UnitSpace() const { return FUnitSize; }
  void SetUnitSpace(int32_t value);
  QString TextAndUnit() const { return text() + FUnitID; }
  // Splits off the first unit of the list that ends the value (its first occurrence); no match changes nothing.
  void SetTextAndUnit(const QString& value);

  std::function<void(TQsgUnitEditBtn*, const QString&)> OnUnitChanged;

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  QString FUnitID;
  QStringList FUnits;
  QPointer<QMenu> FMenu;
};
