// A press on the spin pair drawn in a spin cell opens the cell's editor already stepped once, as a click on the
// editor's own button would; a press elsewhere, or an editor opened later, leaves the value alone.
#include <QMouseEvent>

#include "GridEditorFixture.h"
#include "UGridSpin.h"

namespace {

void Press(TEditedGrid& g, QPoint p) {
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent e(type, QPointF(p), g.View->viewport()->mapToGlobal(QPointF(p)), Qt::LeftButton, buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(g.View->viewport(), &e);
  }
  QApplication::processEvents();
}

struct TSpinPressCase {
  const char* Name;
  bool Drawn;          // the grid draws the spin pair in its spin cells
  int32_t FromRight;   // the press's distance left of the cell's right edge
  bool Upper;          // the press lies in the upper half of the cell
  QString Shown;       // the editor's text once open ("" when no editor opened)
  int32_t SpinClicks;  // OnSpinClick calls: +1 up, -1 down each
};

TEST(GridSpinPress, APressOnTheDrawnPairStepsTheOpenedEditorOnce) {
  const std::vector<TSpinPressCase> cases = {
      {"upper half", true, 4, true, "6", 1},
      {"lower half", true, 4, false, "4", -1},
      {"lower half at the pair's left end", true, 17, false, "4", -1},
      {"beside the pair", true, 24, true, "5", 0},
      {"no pair drawn", false, 4, true, "5", 0},
  };
  for (const TSpinPressCase& c : cases) {
    TEditedGrid g;
    g.Grid->DefaultEditor = edSpinEdit;
    g.Grid->ControlLook.SetSpinButtonsAlwaysVisible(c.Drawn);
    int32_t clicks = 0;
    g.Grid->OnSpinClick = [&](TQrvStringGrid*, int32_t col, int32_t row, int32_t, bool up) {
      EXPECT_EQ(col, 1);
      EXPECT_EQ(row, 1);
      clicks += up ? 1 : -1;
    };
    g.Grid->SetCells(1, 1, "5");
    g.Grid->MoveToCell(1, 1);
    const TRect rect = g.Grid->CellRect(1, 1);
    Press(g, {rect.Right - c.FromRight, c.Upper ? rect.Top + 3 : rect.Bottom - 3});
    ASSERT_TRUE(g.Grid->EditMode()) << c.Name;
    ASSERT_EQ(g.Focused(), g.Factory->SpinEdit()) << c.Name;
    EXPECT_EQ(g.Factory->SpinEdit()->text(), c.Shown) << c.Name;
    EXPECT_EQ(clicks, c.SpinClicks) << c.Name;
    g.Key(Qt::Key_Return);
    EXPECT_EQ(g.Grid->Cells(1, 1), c.Shown) << c.Name;
  }
}

TEST(GridSpinPress, AnEditorOpenedAfterThePressIsNotStepped) {
  TEditedGrid g;
  g.Grid->DefaultEditor = edSpinEdit;
  g.Grid->ControlLook.SetSpinButtonsAlwaysVisible(true);
  g.Grid->SetCells(2, 2, "5");
  // The press moves the cursor to the cell; the editor is opened afterwards by other means.
  const TRect rect = g.Grid->CellRect(2, 2);
  Press(g, {rect.Right - 4, rect.Top + 3});
  ASSERT_EQ(g.Grid->Col(), 2);
  ASSERT_EQ(g.Grid->Row(), 2);
  ASSERT_FALSE(g.Grid->EditMode());
  EXPECT_EQ(g.Grid->SpinPress(), 0);
  g.Grid->ShowInplaceEdit();
  QApplication::processEvents();
  ASSERT_EQ(g.Focused(), g.Factory->SpinEdit());
  EXPECT_EQ(g.Factory->SpinEdit()->text(), "5");
}

}  // namespace
