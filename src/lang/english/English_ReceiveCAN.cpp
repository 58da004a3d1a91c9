#include "../UEnglishTexts.h"

void Add_English_ReceiveCAN(QStringList& t) {
  t[1900] = QStringLiteral("Receive CAN Frames Set Access");
  t[1901] = QStringLiteral("Receive CAN Frames Set Access");
  Add_English_Row_Buttons(t, 1902);
  const char* const headers[] = {"N",     "Enable", "CobID", "Type",  "Dimension", "TimeOut", "Byte1",   "Byte2",
                                 "Byte3", "Byte4",  "Byte5", "Byte6", "Byte7",     "Byte8",   "Mnemonic"};
  for (int i = 0; i < 15; ++i) t[1908 + i] = QString::fromLatin1(headers[i]);
  t[1923] = QStringLiteral("Confirm and save the Receive CAN Frames List");
  t[1924] = QStringLiteral("Exit without save the Receive CAN Frames List");
  t[1925] = QStringLiteral("Delete the selected Row in the table");
  t[1926] = QStringLiteral("Insert a Row in the Table");
  t[1927] = QStringLiteral("Copy all Fields of the Selected Row");
  t[1928] = QStringLiteral("Paste the Copied Fields in the Selected Row");
  t[1929] = QStringLiteral("Enable or Disable the Rule for CAN Receive");
  t[1930] = QStringLiteral("Insert the CobID of the CAN Frame in receive");
  t[1931] =
      QStringLiteral("Select the Type of CAN for each CAN Frame (2.0A 11 bits of CobID or 2.0B 29 bits of CobID");
  t[1932] = QStringLiteral("Insert the Dimension in Byte of CAN Frame (from 1 to 8)");
  t[1934] = QStringLiteral(
      "Insert the TimeOut in milliseconds of data for each CAN frames, insert 0 do disable the function");
  for (int k = 1; k <= 8; ++k)
    t[1934 + k] = QStringLiteral("Insert the position of array where put the byte %1 of CAN frame").arg(k);
  t[1943] = QStringLiteral("Insert a description of the CAN Frame");
  t[1944] = QStringLiteral("Error row ");
  t[1945] = QStringLiteral("!! CobID must be between 0 and 2047");
  t[1946] = QStringLiteral("!! CobID must be between 0x00000000 and 0x1FFFFFFF");
  t[1947] = QStringLiteral("!! Dimension must be between 1 and 8");
  t[1948] = QStringLiteral("!! TimeOut must be between 0 and 100000000 milliseconds");
  t[1949] = QStringLiteral("!! Byte1 must be between 0 and ");
  t[1950] = QStringLiteral(" or None");
  t[1951] = QStringLiteral("!! Byte2 must be between 0 and ");
  for (int k = 3; k <= 8; ++k) t[1949 + k] = QStringLiteral("!! Byte%1 must be between 0 and ").arg(k);
  t[1958] = QStringLiteral("Are you sure to delete the Row number ");
}
