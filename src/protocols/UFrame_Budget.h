#pragma once
// The check steps of the J1939 and NMEA 2000 tables that are no plain range: a cell that must not be empty, the
// bytes a received frame captures (transport protocol, fast packet or a single frame) and the byte budget the rows
// share.
#include <cstdint>

#include "UTable_Check.h"

// The cell, trimmed, must hold something.
TCheck_Rule Filled_Rule(int32_t column, int32_t message_id);

// Where a receive table keeps what it captures, and the messages of each limit.
struct TCapture_Layout {
  int32_t TP = 0;  // transport-protocol box
  int32_t FP = 0;  // fast-packet box; 0: the table has none
  int32_t Start = 0;
  int32_t Count = 0;
  int32_t TP_Start_Id = 0, TP_Sum_Id = 0;          // 0..1785
  int32_t FP_Start_Id = 0, FP_Sum_Id = 0;          // 0..223
  int32_t Half_Id = 0;                             // only one of start and count given
  int32_t Start_Id = 0, Count_Id = 0, Sum_Id = 0;  // a single frame's 1..8
  int32_t Budget = 0, Budget_Id = 0;
};
// The bytes a receive row captures (8 for a whole single frame), added to the table's total, which must stay
// within the budget.
TCheck_Rule Capture_Rule(const TCapture_Layout& layout);
// The byte count in `column` added to the table's total, which must stay within `budget`.
TCheck_Rule Budget_Rule(int32_t column, int32_t budget, int32_t message_id);
