#include "UBalloonText.h"

#include "UMarkupText.h"
#include "UQrvStringGrid.h"
#include "URichText.h"
#include "UValueText.h"

namespace {

constexpr QLatin1StringView Ellipsis("...");

QString Cut_With_Ellipsis(const QString& text, int32_t maxLength) {
  if (text.size() <= maxLength) return text;
  return text.left(maxLength - Ellipsis.size()) + Ellipsis;
}

}  // namespace

QString PrepareBalloonText(const QString& text) {
  qsizetype start = 0;
  while (start < text.size() && (text[start] == u'\t' || text[start] == u'\n' || text[start] == u'\r')) ++start;
  QString result = text.mid(start);
  result.replace(u'\t', u' ');
  return Cut_With_Ellipsis(result, BalloonTextMax);
}

QString PrepareBalloonTitle(const QString& title) {
  return Cut_With_Ellipsis(title, BalloonTitleMax);
}

QString BalloonPlainText(const QString& cellText) {
  switch (DetectCellTextKind(cellText, true)) {
    case ckMarkup:
      return MarkupToPlainText(cellText);
    case ckRichText:
      try {
        return RunsToPlainText(ReadStoredRich(cellText));
      } catch (const ERichTextError&) {
        return cellText;
      }
    case ckWidePairs:
      return DecodeWidePairs(cellText);
    default:
      return cellText;
  }
}

TCellBalloon BuildCellBalloon(TQrvStringGrid& grid, int32_t col, int32_t row, const TCellOwnBalloon& ownBalloon,
                              const TCellBalloonEvent& onCellBalloon) {
  TCellBalloon balloon;
  // The store keeps hidden columns, so cells and merges are found by real column.
  const TPoint base = grid.BaseCell(grid.RealColIndex(col), row);
  balloon.Col = grid.RealToDisplayCol(base.X);
  balloon.Row = base.Y;
  balloon.RealCol = base.X;
  balloon.Text = PrepareBalloonText(BalloonPlainText(grid.Cells(base.X, base.Y)));
  if (ownBalloon) {
    QString title = balloon.Title, text = balloon.Text;
    TBalloonIcon icon = balloon.Icon;
    if (ownBalloon(balloon.RealCol, balloon.Row, title, text, icon)) {
      balloon.Title = title;
      balloon.Text = text;
      balloon.Icon = icon;
    }
  }
  if (onCellBalloon) onCellBalloon(&grid, balloon.RealCol, balloon.Row, balloon.Title, balloon.Text, balloon.Icon);
  // The cell's own balloon and the event may hand over texts of any length; the tooltip takes them cut.
  balloon.Text = Cut_With_Ellipsis(balloon.Text, BalloonTextMax);
  balloon.Title = PrepareBalloonTitle(balloon.Title);
  return balloon;
}
