#include "../UEnglishTexts.h"

// The add/modify-server window (block 1400).
void Add_English_OPC_UA_Add_Server(QStringList& t) {
  t[1400] = QStringLiteral("Add OPC UA Server");
  t[1401] = QStringLiteral("Add OPC UA Server");
  t[1402] = QStringLiteral("Modify OPC UA Server");
  t[1403] = QStringLiteral("Modify OPC UA Server");
  t[1404] = QStringLiteral("Enable OPC UA Server");
  t[1405] = QStringLiteral("Enable/Disable OPC UA Server");
  t[1406] = QStringLiteral("Server Address");
  t[1407] = QStringLiteral("Insert the URL of OPC UA Server");
  t[1408] = QStringLiteral("Authorization");
  t[1409] = QStringLiteral("Select the Authorization of OPC UA Server");
  t[1410] = QStringLiteral("Username");
  t[1411] = QStringLiteral("Insert the Username of OPC UA Server");
  t[1412] = QStringLiteral("Password");
  t[1413] = QStringLiteral("Insert the Password of OPC UA Server");
  t[1414] = QStringLiteral("Certificate");
  t[1415] = QStringLiteral("Insert the Certificate of OPC UA Server");
  t[1416] = QStringLiteral("Private Key");
  t[1417] = QStringLiteral("Insert the Private Key of OPC UA Server");
  t[1418] = QStringLiteral("Security Type");
  t[1419] = QStringLiteral("Select the Security Type of OPC UA Server");
  t[1420] = QStringLiteral("Security Policy");
  t[1421] = QStringLiteral("Select the Security Policy of OPC UA Server");
  t[1422] = QStringLiteral("Mnemonic");
  t[1423] = QStringLiteral("Insert the Mnemonic of OPC UA Server");
  t[1424] = QStringLiteral("OK");
  t[1425] = QStringLiteral("Confirm and Save the OPC UA Server");
  t[1426] = QStringLiteral("Cancel");
  t[1427] = QStringLiteral("Exit and Discard the current OPC UA Server");
  t[1428] = QStringLiteral("Error!! The Server Address cannot be empty");
  t[1429] = QStringLiteral("Error!! The Username cannot be empty");
  t[1430] = QStringLiteral("Error!! The Password cannot be empty");
  t[1431] = QStringLiteral("Error!! The Certificate cannot be empty");
  t[1432] = QStringLiteral("Error!! The Private Key cannot be empty");
}
