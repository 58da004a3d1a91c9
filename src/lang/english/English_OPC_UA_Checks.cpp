#include "../UEnglishTexts.h"

// The messages of the OPC UA window's checks (part of block 1200, added by that window's block). The bank compiler
// refuses a hand-edited OPC_UA_Client.xml with the same texts.
void Add_English_OPC_UA_Checks(QStringList& t) {
  t[1297] = QStringLiteral("Error in Server Number %d in Read Variable %d!! Time cannot be empty");
  t[1298] = QStringLiteral("Error in Server Number %d in Read Variable %d!! Time must be major to 0");
  t[1299] = QStringLiteral("Error in Server Number %d in Read Variable %d!! Position cannot be empty");
  t[1300] = QStringLiteral("Error in Server Number %d in Read Variable %d!! Position must be between 0 and %d");
  t[1301] = QStringLiteral("Error in Server Number %d in Write Variable %d!! Time cannot be empty");
  t[1302] = QStringLiteral("Error in Server Number %d in Write Variable %d!! Time must be major to 0");
  t[1303] = QStringLiteral("Error in Server Number %d in Write Variable %d!! Position cannot be empty");
  t[1304] = QStringLiteral("Error in Server Number %d in Write Variable %d!! Position must be between 0 and %d");
  t[1319] = QStringLiteral("Error in Server Number %d in Read Variable %d!! Var/Array cannot be empty");
  t[1320] = QStringLiteral("Error in Server Number %d in Read Variable %d!! Start byte is Wrong");
  t[1321] = QStringLiteral("Error in Server Number %d in Read Variable %d!! Length is Wrong");
  t[1322] =
      QStringLiteral("Error in Server Number %d in Read Variable %d!! The String and ByteString cannot be Array");
  t[1323] = QStringLiteral("Error in Server Number %d in Read Variable %d!! Start byte is Wrong");
  t[1324] = QStringLiteral("Error in Server Number %d in Read Variable %d!! Length is Wrong");
  t[1333] = QStringLiteral("Error in Server Number %d in Read Variable %d!! StartBit cannot be empty");
  t[1334] = QStringLiteral("Error in Server Number %d in Read Variable %d!! StartBit must be between 0 and 7");
  t[1335] = QStringLiteral("Error in Server Number %d in Write Variable %d!! StartBit cannot be empty");
  t[1336] = QStringLiteral("Error in Server Number %d in Write Variable %d!! StartBit must be between 0 and 7");
  // A row without a name among the rows in use (IDs of our own, after those the language files use).
  t[3494] = QStringLiteral(
      "Error in Server Number %d, Variables in Read, row %d!! The Display Name cannot be empty: fill it in or "
      "delete the row");
  t[3495] = QStringLiteral(
      "Error in Server Number %d, Variables in Write, row %d!! The Display Name cannot be empty: fill it in or "
      "delete the row");
}
