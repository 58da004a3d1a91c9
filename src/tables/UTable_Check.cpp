#include "UTable_Check.h"

#include <algorithm>

#include "ULang.h"
#include "UStrUtils.h"

int32_t TCheck_Row::Int(int32_t col) const {
  int32_t value = -1;
  return TryStrToInt(Cell(col), value) ? value : -1;
}

bool TCheck_Row::Ticked(int32_t col) const {
  return Cell(col) == QStringLiteral("Y");
}

TCheck_Rule Range_Rule(int32_t column, int32_t min, int32_t max, int32_t message_id,
                       std::function<bool(const TCheck_Row&)> when) {
  TCheck_Rule rule;
  rule.Column = column;
  rule.Min = min;
  rule.Max = max;
  rule.Message_Id = message_id;
  rule.When = std::move(when);
  return rule;
}

TCheck_Rule Values_Rule(int32_t column, std::vector<int32_t> values, int32_t message_id) {
  TCheck_Rule rule = Range_Rule(column, 0, 0, message_id);
  rule.Values = std::move(values);
  return rule;
}

TCheck_Rule Limit_Rule(int32_t column, int32_t min, int32_t max, int32_t message_id) {
  TCheck_Rule rule = Range_Rule(column, min, max, message_id);
  rule.Show_Limit = true;
  return rule;
}

TCheck_Rule Step_Rule(TCheck_Step step) {
  TCheck_Rule rule;
  rule.Step = std::move(step);
  return rule;
}

TCheck_Rules Byte_Position_Rules(int32_t first, int32_t count_column, const std::vector<int32_t>& ids,
                                 bool none_passes, int32_t suffix_id) {
  TCheck_Rules rules;
  for (int32_t k = 1; k <= static_cast<int32_t>(ids.size()); ++k) {
    TCheck_Rule rule = Limit_Rule(first + k - 1, 0, Process_Image_Size - 1, ids[k - 1]);
    rule.None_Passes = none_passes;
    rule.Suffix_Id = suffix_id;
    rule.When = [count_column, k](const TCheck_Row& row) { return k <= row.Int(count_column); };
    rules.push_back(std::move(rule));
  }
  return rules;
}

std::function<bool(const TCheck_Row&)> When_Cell_Is(int32_t column, const QString& text) {
  return [column, text](const TCheck_Row& row) { return Trim(row.Cell(column)) == text; };
}

std::function<bool(const TCheck_Row&)> When_Cell_Is_Not(int32_t column, const QString& text) {
  return [column, text](const TCheck_Row& row) { return Trim(row.Cell(column)) != text; };
}

std::function<bool(const TCheck_Row&)> When_Box_Ticked(int32_t column) {
  return [column](const TCheck_Row& row) { return Trim(row.Cell(column)).toUpper() == QStringLiteral("Y"); };
}

std::function<bool(const TCheck_Row&)> When_Ticked(int32_t column) {
  return [column](const TCheck_Row& row) { return row.Ticked(column); };
}

namespace {
bool Passes(const TCheck_Rule& rule, const TCheck_Row& row) {
  if (rule.None_Passes) {
    const QString text = Trim(row.Cell(rule.Column));
    if (text.isEmpty() || text == QStringLiteral("None")) return true;
  }
  const int32_t value = row.Int(rule.Column);
  if (!rule.Values.empty()) return std::find(rule.Values.begin(), rule.Values.end(), value) != rule.Values.end();
  return value >= rule.Min && value <= rule.Max;
}
}  // namespace

std::optional<TCheck_Failure> Check_Row(const TCheck_Rules& rules, const TCheck_Row& row, TCheck_State& state) {
  for (const TCheck_Rule& rule : rules) {
    if (rule.When && !rule.When(row)) continue;
    if (rule.Step) {
      if (std::optional<TCheck_Failure> failure = rule.Step(row, state)) return failure;
      continue;
    }
    if (Passes(rule, row)) continue;
    TCheck_Failure failure;
    failure.Message_Id = rule.Message_Id;
    if (rule.Show_Limit) failure.Limit = rule.Max;
    failure.Suffix_Id = rule.Suffix_Id;
    return failure;
  }
  return std::nullopt;
}

QString Check_Message(int32_t prefix_id, int32_t row, const TCheck_Failure& failure) {
  QString text;
  if (failure.With_Row) text = Lang_Table.value(prefix_id) + QString::number(row);
  text += Lang_Table.value(failure.Message_Id);
  if (failure.Limit) text += QString::number(*failure.Limit);
  if (failure.Suffix_Id != 0) text += Lang_Table.value(failure.Suffix_Id);
  return text;
}
