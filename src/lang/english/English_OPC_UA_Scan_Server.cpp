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
  // Why a browse listed nothing (IDs of our own, after those the language files use); the address or the details
  // follow the texts that end in a colon or a blank.
  t[3480] = QStringLiteral("No OPC UA server answers at ");
  t[3481] = QStringLiteral("The host name of this address is not known: ");
  t[3482] = QStringLiteral("No answer in time from ");
  t[3483] = QStringLiteral("This is not an OPC UA address (opc.tcp://host:port): ");
  t[3484] = QStringLiteral("The server refused the user name or password");
  t[3485] = QStringLiteral("The server refused the certificate");
  t[3486] = QStringLiteral("The server refused the anonymous login");
  t[3487] = QStringLiteral("The server does not offer the chosen Authorization");
  t[3488] = QStringLiteral("The server offers no connection with the chosen Security Type and Security Policy");
  t[3489] = QStringLiteral("The chosen Security Type needs a Security Policy other than None");
  t[3490] = QStringLiteral("The certificate or the private key cannot be used: ");
  t[3491] = QStringLiteral("The server's certificate did not pass the checks: ");
  t[3492] = QStringLiteral("The browse of the server failed: ");
  t[3493] = QStringLiteral("The server answered, but holds no variables the gateway can use");
}
