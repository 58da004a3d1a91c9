#include "UFrame_Budget.h"

#include "UStrUtils.h"

namespace {
constexpr int64_t Transport_Bytes = 1785;
constexpr int64_t Fast_Packet_Bytes = 223;
constexpr int64_t Frame_Bytes = 8;

std::optional<TCheck_Failure> Add_To_Budget(TCheck_State& state, int64_t bytes, int32_t budget, int32_t id) {
  state.Total += bytes;
  if (state.Total <= budget) return std::nullopt;
  return TCheck_Failure{id, false, budget, 0};
}
}  // namespace

TCheck_Rule Filled_Rule(int32_t column, int32_t message_id) {
  return Step_Rule([column, message_id](const TCheck_Row& row, TCheck_State&) -> std::optional<TCheck_Failure> {
    if (!Trim(row.Cell(column)).isEmpty()) return std::nullopt;
    return TCheck_Failure{message_id};
  });
}

TCheck_Rule Capture_Rule(const TCapture_Layout& s) {
  return Step_Rule([s](const TCheck_Row& row, TCheck_State& state) -> std::optional<TCheck_Failure> {
    const int64_t start = row.Int(s.Start);
    const int64_t count = row.Int(s.Count);
    // A protocol carrying many frames: start and count within its whole message.
    const auto in_message = [&](int64_t size, int32_t start_id, int32_t sum_id) -> std::optional<TCheck_Failure> {
      if (start < 0 || start > size) return TCheck_Failure{start_id};
      if (count < 0 || start + count > size) return TCheck_Failure{sum_id};
      return std::nullopt;
    };
    std::optional<TCheck_Failure> failure;
    int64_t bytes = count;
    if (row.Ticked(s.TP)) {
      failure = in_message(Transport_Bytes, s.TP_Start_Id, s.TP_Sum_Id);
    } else if (s.FP > 0 && row.Ticked(s.FP)) {
      failure = in_message(Fast_Packet_Bytes, s.FP_Start_Id, s.FP_Sum_Id);
    } else {
      const bool no_start = Trim(row.Cell(s.Start)).isEmpty();
      const bool no_count = Trim(row.Cell(s.Count)).isEmpty();
      if (no_start && no_count)
        bytes = Frame_Bytes;
      else if (no_start || no_count)
        failure = TCheck_Failure{s.Half_Id};
      else if (start < 1 || start > Frame_Bytes)
        failure = TCheck_Failure{s.Start_Id};
      else if (count < 1 || count > Frame_Bytes)
        failure = TCheck_Failure{s.Count_Id};
      else if (start + count > Frame_Bytes)
        failure = TCheck_Failure{s.Sum_Id};
    }
    if (failure) return failure;
    return Add_To_Budget(state, bytes, s.Budget, s.Budget_Id);
  });
}

TCheck_Rule Budget_Rule(int32_t column, int32_t budget, int32_t message_id) {
  return Step_Rule([=](const TCheck_Row& row, TCheck_State& state) {
    return Add_To_Budget(state, row.Int(column), budget, message_id);
  });
}
