#include "UGridScrollHint.h"

#include <QCursor>
#include <QScrollBar>

#include "UGridView.h"
#include "UHTMLHintWindow.h"

namespace {
bool Hints_For(const TQrvStringGrid& grid, bool vertical) {
  return grid.ScrollHints == shBoth || grid.ScrollHints == (vertical ? shVertical : shHorizontal);
}
}  // namespace

void Install_Scroll_Hints(TGridView& view, TQrvStringGrid& grid) {
  auto* hint = new THTMLHintWindow(&view);
  hint->setObjectName(QStringLiteral("ScrollHint"));
  hint->hide();
  for (const bool vertical : {true, false}) {
    QScrollBar* bar = vertical ? view.verticalScrollBar() : view.horizontalScrollBar();
    QObject::connect(bar, &QScrollBar::sliderMoved, hint, [&view, &grid, hint, vertical](int value) {
      if (!Hints_For(grid, vertical)) return;
      const QString text = grid.ScrollHintText(vertical, view.ScrollBarCell(vertical, value));
      const TRect size = hint->CalcHintRect(100, text, nullptr);
      // Beside the mouse: 10 pixels to its right, the top level with it.
      const QPoint at = QCursor::pos() + QPoint(10, 0);
      hint->SetColor(grid.HintColor);
      hint->ActivateHint(TRect{at.x(), at.y(), at.x() + size.Right, at.y() + size.Bottom}, text);
    });
    QObject::connect(bar, &QScrollBar::sliderReleased, hint, [hint] { hint->hide(); });
  }
}
