// The selection to and from the clipboard as text: cells separated by Tab, rows by line breaks. The window gives
// the clipboard; a grid without one keeps the copied text itself.
#include <algorithm>

#include "UQrvStringGrid.h"

void TQrvStringGrid::CopySelectionToClipboard() {
  const QString text = SelectedText();
  if (WriteClipboard)
    WriteClipboard(text);
  else
    FOwnClipboard = text;
}

void TQrvStringGrid::CutSelectionToClipboard() {
  CopySelectionToClipboard();
  const TGridRect s = Selection();
  for (int32_t r = std::min(s.Top, s.Bottom); r <= std::max(s.Top, s.Bottom); ++r)
    for (int32_t c = std::min(s.Left, s.Right); c <= std::max(s.Left, s.Right); ++c)
      SetCells(DisplayToRealCol(c), r, QString());
  FGridModified = true;
}

// The block lands at the selection's top-left cell; what would fall outside the grid is left out.
void TQrvStringGrid::PasteSelectionFromClipboard() {
  QString text = ReadClipboard ? ReadClipboard() : FOwnClipboard;
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  if (text.isEmpty()) return;
  const TGridRect s = Selection();
  const int32_t left = std::min(s.Left, s.Right), top = std::min(s.Top, s.Bottom);
  const QStringList lines = text.split(QLatin1Char('\n'));
  for (int32_t i = 0; i < lines.size() && top + i < RowCount(); ++i) {
    const QStringList cells = lines[i].split(QLatin1Char('\t'));
    for (int32_t j = 0; j < cells.size() && left + j < ColCount(); ++j)
      SetCells(DisplayToRealCol(left + j), top + i, cells[j]);
  }
  FGridModified = true;
}
