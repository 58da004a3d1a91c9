#pragma once
// What the protocol windows' column tables share: their cell colours, the row-number column and runs of alike
// columns (the data bytes of a frame).
#include <cstdint>

#include "UTable_Columns.h"

namespace Cell_Color {
inline constexpr TColor Enable = 0xB0D8FF;
inline constexpr TColor Frame = 0xFEFAE0;
inline constexpr TColor Timing = 0xA8FFA8;
inline constexpr TColor Position = 0xF4D6FC;
inline constexpr TColor Protocol = 0xA8FFFF;
inline constexpr TColor Capture = 0xCAFFCA;
}  // namespace Cell_Color

inline const QStringList CAN_Types = {QStringLiteral("2.0A (11 bits)"), QStringLiteral("2.0B (29 bits)")};
inline const QStringList Data_Pages = {QStringLiteral("0"), QStringLiteral("1")};

// Column 0: the row number under its header.
TTable_Column Number_Column(int32_t header_id, int32_t width = 40);
// `count` columns alike but for their texts: header and hint IDs counting up from the first ones, attributes from
// `attributes`.
void Add_Run(TTable_Columns& columns, int32_t count, TTable_Column first, const char* const* attributes);

inline const char* const Byte_Attributes[] = {"Byte1", "Byte2", "Byte3", "Byte4", "Byte5", "Byte6", "Byte7", "Byte8"};
inline const char* const Address_Attributes[] = {"Address_B1", "Address_B2", "Address_B3", "Address_B4",
                                                 "Address_B5", "Address_B6", "Address_B7", "Address_B8"};
