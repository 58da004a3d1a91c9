// A form that previews keys sees the grid's keys before the grid's OnKeyDown, and may take them.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTest>
#include <QWidget>

#include "UGridView.h"
#include "UQrvStringGrid.h"

namespace {
class TPreviewForm : public QWidget {
 public:
  QStringList Seen;
  int TakeKey = 0;

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    Seen << QString::number(e->key(), 16);
    e->setAccepted(e->key() == TakeKey);
  }
};
}  // namespace

TEST(GridKeyPreview, TheFormSeesTheKeysFirstOnlyWhenItPreviewsThem) {
  struct Case {
    bool preview;
    int key;
    int take;
    QStringList seen;  // by the form, in order with the grid's OnKeyDown ("down")
    int32_t rowAfter;
  };
  const QString enter = QString::number(Qt::Key_Return, 16), down = QString::number(Qt::Key_Down, 16);
  const Case cases[] = {
      // Enter on a cell that cannot be edited: swallowed by the grid unless the form previews keys.
      {false, Qt::Key_Return, 0, {"down"}, 1},
      {true, Qt::Key_Return, 0, {enter, "down"}, 1},
      // Any other key reaches the previewing form before OnKeyDown; a key the form takes goes no further.
      {true, Qt::Key_Down, 0, {down, "down"}, 2},
      {true, Qt::Key_Down, Qt::Key_Down, {down}, 1},
      {false, Qt::Key_Down, 0, {"down"}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.preview << " " << c.key << " " << c.take);
    TPreviewForm form;
    form.setProperty("KeyPreview", c.preview);
    form.TakeKey = c.take;
    auto* view = new TGridView(std::make_unique<TQrvStringGrid>(), &form);
    TQrvStringGrid& grid = *view->AdvancedGrid();
    grid.SetRowCount(5);
    grid.SetOptions(grid.Options() & ~TGridOptions(goEditing));
    grid.OnKeyDown = [&](TQrvStringGrid*, uint16_t&, TShiftState) { form.Seen << QStringLiteral("down"); };
    view->resize(200, 120);
    form.resize(220, 140);
    form.show();
    QTest::keyClick(view, static_cast<Qt::Key>(c.key));
    EXPECT_EQ(form.Seen, c.seen);
    EXPECT_EQ(grid.Row(), c.rowAfter);
  }
}
