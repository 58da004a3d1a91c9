#pragma once
// The update recipe Ethernet_Update.xml that the external updater reads: the device's address, its ports and one
// memory operation per image to write.
#include <QString>
#include <cstdint>

#include "UXml.h"

// The update choices, as the entries of the update window's option list.
enum TUpdate_Option : int32_t { uoFirmware_And_Configuration = 0, uoFirmware = 1, uoConfiguration = 2 };

struct TUpdate_Recipe {
  // Written as it stands: the four address fields joined with ".".
  QString IP_Address;
  int32_t Option_Index = uoFirmware_And_Configuration;
  bool Read_Back = true;
  QString Firmware_File;
  QString Bank1_File;
  QString Bank2_File;
};

inline const QString Update_Recipe_File_Name = QStringLiteral("Ethernet_Update.xml");
inline const QString Updater_File_Name = QStringLiteral("Ethernet_Update.exe");
inline const QString Firmware_Image_File_Name = QStringLiteral("SimTarn10.sim");

// The recipe's files for the active configuration and the program folder.
TUpdate_Recipe Update_Recipe_For(const QString& ip_address, int32_t option_index, bool read_back);

// Empties the document and builds the recipe in it.
void Fill_Update_Recipe(TXmlDocument& doc, const TUpdate_Recipe& recipe);
