#pragma once
// The texts a cell's balloon tooltip shows: the cell's text made plain for the tooltip, the title and the icon,
// with the cell's own balloon and the grid's event having their say. Texts are cut to the tooltip's lengths with
// "..." rather than copied into a fixed buffer.
#include <QString>
#include <cstdint>
#include <functional>

#include "UGridTypes.h"
#include "UTypes.h"

class TQrvStringGrid;

// The longest balloon text and title the tooltip is given, in characters.
constexpr int32_t BalloonTextMax = 2048;
constexpr int32_t BalloonTitleMax = 100;

struct TCellBalloon {
  // The cell the balloon belongs to (the base cell of a merged cell; display column) and its real column.
  int32_t Col = -1;
  int32_t Row = -1;
  int32_t RealCol = -1;
  QString Title = QStringLiteral(" ");
  QString Text;
  TBalloonIcon Icon = biInfo;
};

// Whether the cell (real column, row) has a balloon of its own; when so, fills title, text and icon.
using TCellOwnBalloon =
    std::function<bool(int32_t realCol, int32_t row, QString& title, QString& text, TBalloonIcon& icon)>;
// The grid's OnCellBalloon (Sender, ACol, ARow, var ATitle, var AText, var AIcon).
using TCellBalloonEvent = std::function<void(TQrvStringGrid* sender, int32_t aCol, int32_t aRow, QString& aTitle,
                                             QString& aText, TBalloonIcon& aIcon)>;

// Tabs become blanks, leading tabs, line feeds and carriage returns are dropped, and a text longer than the
// tooltip takes is cut to its first 2045 characters + "...".
QString PrepareBalloonText(const QString& text);
// A title longer than 100 characters becomes its first 97 + "...".
QString PrepareBalloonTitle(const QString& title);

// The plain text of a cell as the balloon shows it: markup without its tags, rich text without its formats (as
// stored when it does not read), wide-pair text decoded, any other text as stored.
QString BalloonPlainText(const QString& cellText);

// Everything the tooltip is told for the cell (display column, row) under the mouse. The caller remembers
// (result.Col, result.Row) as the last balloon cell.
TCellBalloon BuildCellBalloon(TQrvStringGrid& grid, int32_t col, int32_t row, const TCellOwnBalloon& ownBalloon,
                              const TCellBalloonEvent& onCellBalloon);
