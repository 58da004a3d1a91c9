#pragma once
// Compiling the active configuration into the two device images and writing them as bin/bank1.bin and
// bin/bank2.bin of the configuration folder.
#include <QString>
#include <array>
#include <cstdint>

inline constexpr uint32_t Bank_Image_Size = 131072;
inline constexpr uint32_t Bank_Image_Limit = Bank_Image_Size - 1;  // highest index an image writer may touch
inline constexpr uint32_t Bank2_Load_Address = 0x80000;

// Only the first Bank1_Len / Bank2_Len bytes are meaningful; both lengths are 0 until a compile succeeds.
inline std::array<uint8_t, Bank_Image_Size> Bank1_Image{};
inline uint32_t Bank1_Len = 0;
inline std::array<uint8_t, Bank_Image_Size> Bank2_Image{};
inline uint32_t Bank2_Len = 0;

// The outcome of a compile or a write: on failure, the text to show the user in an error dialog.
struct TBank_Result {
  bool Success = true;
  QString Error_Text;
};

// Builds both images in memory from Path_ParGen and Path_OPC_UA_Client. Every compile starts from the defaults;
// a failure leaves both lengths 0, so nothing stale can be written afterwards.
TBank_Result Compile_Banks();
// Writes the images of the last successful compile into Path_Project/bin (created when missing) as a pair: both
// files are replaced, or (on any failure) both keep their previous content.
TBank_Result Write_Banks();

// The entries the main window's update step calls, in this order; the update window opens only when both succeed.
inline TBank_Result Build_Bank_Images() {
  return Compile_Banks();
}
inline TBank_Result Save_Bank_Files() {
  return Write_Banks();
}
