#pragma once
// The checks of a table window as data: for each used row, in order, rules on its cells. Most rules are ranges on
// a cell read by the integer rule; a rule may apply only to some rows (a byte within the row's dimension, a cell
// holding a given text, a ticked box), let a blank cell or "None" pass, and show its limit and a suffix after its
// text. A step that is no range is a small function of the window's own. The first failure is one message:
// the window's prefix, the row number and the rule's text, then the limit and suffix where the rule shows them.
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "UQrvColumnGrid.h"

// One row of the table being checked.
class TCheck_Row {
 public:
  TCheck_Row(const TQrvColumnGrid& grid, int32_t row) : FGrid(grid), FRow(row) {}
  int32_t Row() const { return FRow; }
  QString Cell(int32_t col) const { return FGrid.Cells(col, FRow); }
  // The cell by the integer rule, untrimmed; -1 for any other text (empty, trailing blanks, letters, a number
  // beyond 32 bits), which fails every range of the tables.
  int32_t Int(int32_t col) const;
  // A check box ticked: the cell is "Y" exactly.
  bool Ticked(int32_t col) const;

 private:
  const TQrvColumnGrid& FGrid;
  int32_t FRow;
};

// What a failed rule shows.
struct TCheck_Failure {
  int32_t Message_Id = 0;
  // The window's prefix and the row number before the text; off for a message about the whole table.
  bool With_Row = true;
  std::optional<int64_t> Limit;
  int32_t Suffix_Id = 0;
};

// The running state of one table's check: the bytes the rows so far take.
struct TCheck_State {
  int64_t Total = 0;
};

using TCheck_Step = std::function<std::optional<TCheck_Failure>(const TCheck_Row& row, TCheck_State& state)>;

struct TCheck_Rule {
  int32_t Column = 0;
  int32_t Min = 0;
  int32_t Max = 0;
  int32_t Message_Id = 0;
  // The rows the rule applies to; null: every row.
  std::function<bool(const TCheck_Row&)> When;
  // When set, the value must be one of these instead of lying in the range.
  std::vector<int32_t> Values;
  // A cell blank after trimming, or "None", passes.
  bool None_Passes = false;
  // The message ends with Max, then the suffix text when there is one.
  bool Show_Limit = false;
  int32_t Suffix_Id = 0;
  // A hand-written step in place of the range.
  TCheck_Step Step;
};
using TCheck_Rules = std::vector<TCheck_Rule>;

// The range rule: Min..Max inclusive, else the message; only on the rows `when` answers true for, when given.
TCheck_Rule Range_Rule(int32_t column, int32_t min, int32_t max, int32_t message_id,
                       std::function<bool(const TCheck_Row&)> when = {});
// The value must be one of `values`.
TCheck_Rule Values_Rule(int32_t column, std::vector<int32_t> values, int32_t message_id);
// The same rule showing its limit (Max) after the text.
TCheck_Rule Limit_Rule(int32_t column, int32_t min, int32_t max, int32_t message_id);
TCheck_Rule Step_Rule(TCheck_Step step);
// The process-image positions of a frame's bytes: byte k (column first + k - 1, message ids[k - 1]) is checked only
// for k up to the row's byte count in `count_column`, against 0 .. positions - 1, the limit shown (then the
// suffix); with `none_passes` a blank cell or "None" passes.
TCheck_Rules Byte_Position_Rules(int32_t first, int32_t count_column, const std::vector<int32_t>& ids,
                                 bool none_passes = false, int32_t suffix_id = 0);
// Conditions of rules on another cell of the row.
std::function<bool(const TCheck_Row&)> When_Cell_Is(int32_t column, const QString& text);      // trimmed
std::function<bool(const TCheck_Row&)> When_Cell_Is_Not(int32_t column, const QString& text);  // trimmed
std::function<bool(const TCheck_Row&)> When_Box_Ticked(int32_t column);  // trimmed and upper-cased "Y"
std::function<bool(const TCheck_Row&)> When_Ticked(int32_t column);      // exactly "Y"

// The failure of the first rule that fails on the row; none when every rule passes.
std::optional<TCheck_Failure> Check_Row(const TCheck_Rules& rules, const TCheck_Row& row, TCheck_State& state);
// The message of a failure in `row`: prefix + row + text [+ limit] [+ suffix], or text + limit for a message
// about the whole table.
QString Check_Message(int32_t prefix_id, int32_t row, const TCheck_Failure& failure);

// The process-image positions the tables address (0..1499).
inline constexpr int32_t Process_Image_Size = 1500;
