#pragma once
// What the J1939 and NMEA 2000 transmit tables share: their send-mode columns and their checks.
#include <cstdint>
#include <optional>

#include "UTable_Layout.h"

// The columns from the byte count on: N Bytes, Request, Data Change, On Timer, Send Timer, Mnemonic. `header` and
// `hint` are the IDs of the byte count's column; `widths` those of the six columns.
void Add_Send_Columns(TTable_Columns& columns, int32_t header, int32_t hint, const int (&widths)[6],
                      const std::optional<QString>& count_default);
// Priority, [data page,] PGN, source address, byte count within the budget, send timer when on a timer. `ids`:
// priority, data page (0: none), PGN, source address, byte count, budget, send timer.
TCheck_Rules Send_Rules(const int32_t (&ids)[7], int32_t max_address, int32_t budget);
