#pragma once
// The parameter block: the device's 2048 bytes of communication parameters, the content of bank1.bin.
#include <array>
#include <cstdint>
#include <span>

inline constexpr uint32_t Par_Block_Size = 2048;
inline constexpr uint32_t Par_Block_Load_Address_Offset = 1572;
inline constexpr uint32_t Par_Block_Checksum_Offset = 2044;

// Rebuilt from scratch by every compile.
inline std::array<uint8_t, Par_Block_Size> Par_Block{};

// Every byte of Par_Block: the block's defaults, all other bytes 0.
void Init_Par_Block();
// The model's own fields between the defaults and the parameter file; this model has none.
void Compile_Model_Hook();
// Overlays Par_Block, and the NTP values of OPC_UA_Main, from the file at Path_ParGen. A missing file keeps the
// defaults; a file that does not load raises an Exception naming it.
void Read_ParGen_XML();
// Byte sum of offsets 0..2043 into the last four bytes, then the block into `image` at `position`; returns the
// position after the last byte copied.
uint32_t Store_Bank1(uint32_t position, std::span<uint8_t> image);
