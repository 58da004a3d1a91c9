#include "../UEnglishTexts.h"

void Add_English_TransmitCAN(QStringList& t) {
  t[2000] = QStringLiteral("Transmit CAN Frames Set Access");
  t[2001] = QStringLiteral("Transmit CAN Frames Set Access");
  Add_English_Row_Buttons(t, 2002);
  const char* const headers[] = {"N",       "Enable", "CobID", "Type",  "Dimension", "OnChange",
                                 "OnTimer", "Time",   "Byte1", "Byte2", "Byte3",     "Byte4",
                                 "Byte5",   "Byte6",  "Byte7", "Byte8", "Mnemonic"};
  for (int i = 0; i < 17; ++i) t[2008 + i] = QString::fromLatin1(headers[i]);
  t[2062] = QStringLiteral("OnCMD");
  t[2025] = QStringLiteral("Confirm and save the Transmit CAN Frames List");
  t[2026] = QStringLiteral("Exit without save the Transmit CAN Frames List");
  t[2027] = QStringLiteral("Delete the selected Row in the table");
  t[2028] = QStringLiteral("Insert a Row in the Table");
  t[2029] = QStringLiteral("Copy all Fields of the Selected Row");
  t[2030] = QStringLiteral("Paste the Copied Fields in the Selected Row");
  t[2031] = QStringLiteral("Enable or Disable the Rule for CAN Transmit");
  t[2032] = QStringLiteral("Insert the CobID of the CAN Frame in Transmit");
  t[2033] =
      QStringLiteral("Select the Type of CAN for each CAN Frame (2.0A 11 bits of CobID or 2.0B 29 bits of CobID");
  t[2034] = QStringLiteral("Insert the Dimension in Byte of CAN Frame (from 1 to 8)");
  t[2035] = QStringLiteral("Enable or Disable the possibility to send the CAN Frame if a Data Byte changes");
  t[2063] = QStringLiteral("Enable or Disable the possibility to send the CAN Frame by Command");
  t[2036] = QStringLiteral("Enable or Disable the possibility to send the CAN Frame on Timer");
  t[2037] = QStringLiteral(
      "Insert the Time in milliseconds between the sending of CAN frames, only if checked the OnTimer Option");
  for (int k = 1; k <= 8; ++k)
    t[2037 + k] = QStringLiteral("Insert the position of array to place in byte %1 of CAN frame").arg(k);
  t[2046] = QStringLiteral("Insert a description of the CAN Frame");
  t[2047] = QStringLiteral("Error row ");
  t[2048] = QStringLiteral("!! CobID must be between 0 and 2047");
  t[2049] = QStringLiteral("!! CobID must be between 0x00000000 and 0x1FFFFFFF");
  t[2050] = QStringLiteral("!! Dimension must be between 1 and 8");
  t[2051] = QStringLiteral("!! Time must be between 0 and 100000000 milliseconds");
  t[2052] = QStringLiteral("!! Byte1 must be between 0 and ");
  t[2053] = QStringLiteral(" or None");
  for (int k = 2; k <= 8; ++k) t[2052 + k] = QStringLiteral("!! Byte%1 must be between 0 and ").arg(k);
  t[2061] = QStringLiteral("Are you sure to delete the Row number ");
}
