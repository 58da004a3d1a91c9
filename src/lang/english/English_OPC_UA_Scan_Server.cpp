#include "../UEnglishTexts.h"

// The browse window (block 1500).
void Add_English_OPC_UA_Scan_Server(QStringList& t) {
  t[1500] = QStringLiteral("Scan Server OPC UA");
  t[1501] = QStringLiteral("Scan Server OPC UA");
  t[1502] = QStringLiteral("OK");
  t[1503] = QStringLiteral("Cancel");
  t[1504] = QStringLiteral("Select All R");
  t[1505] = QStringLiteral("Clear All R");
  t[1506] = QStringLiteral("Confirm and save the Variables List of OPC UA Server");
  t[1507] = QStringLiteral("Exit without save the Variables List of OPC UA Server");
  t[1508] = QStringLiteral("Select All Variables of OPC UA Server in Read");
  t[1509] = QStringLiteral("Unselect All Variables of OPC UA Server in Read");
  t[1510] = QStringLiteral("N");
  t[1511] = QStringLiteral("Read");
  t[1512] = QStringLiteral("Display Name");
  t[1513] = QStringLiteral("Node Type");
  t[1514] = QStringLiteral("Node Identifier");
  t[1515] = QStringLiteral("Data Type");
  t[1516] = QStringLiteral("Name Space Index");
  t[1523] = QStringLiteral("WAITING FOR SCAN...");
  t[1524] = QStringLiteral("Write");
  t[1526] = QStringLiteral("Select All W");
  t[1527] = QStringLiteral("Clear All W");
  t[1528] = QStringLiteral("Select All Variables of OPC UA Server in Write");
  t[1529] = QStringLiteral("Unselect All Variables of OPC UA Server in Write");
}
