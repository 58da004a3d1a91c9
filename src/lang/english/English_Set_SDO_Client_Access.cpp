#include <utility>

#include "../UEnglishTexts.h"

void Add_English_Set_SDO_Client_Access(QStringList& t) {
  t[2200] = QStringLiteral("Set SDO Client Access");
  t[2201] = QStringLiteral("Set SDO Client Access");
  Add_English_Row_Buttons(t, 2202);
  t[2208] = QStringLiteral("Confirm and save the CANopen SDOs Client List");
  t[2209] = QStringLiteral("Exit without save the CANopen SDOs Client List");
  Add_English_Row_Hints(t, 2210);
  t[2214] = QStringLiteral("SDO Read");
  t[2215] = QStringLiteral("SDO Write");
  const char* const read[] = {"N",         "ID Device", "Index",     "SubIndex",  "N Byte",  "Poll Time",
                              "Add Byte1", "Add Byte2", "Add Byte3", "Add Byte4", "Mnemonic"};
  const char* const write[] = {"N",         "ID Device", "Index",     "SubIndex",  "N Byte",    "Poll Time",
                               "On Change", "Add Byte1", "Add Byte2", "Add Byte3", "Add Byte4", "Mnemonic"};
  for (int i = 0; i < 11; ++i) t[2216 + i] = QString::fromLatin1(read[i]);
  for (int i = 0; i < 12; ++i) t[2227 + i] = QString::fromLatin1(write[i]);
  for (int base : {2239, 2249}) {
    t[base] = QStringLiteral("Insert the ID Device of CANopen Device of SDO Request");
    t[base + 1] = QStringLiteral("Insert the Index of SDO Request");
    t[base + 2] = QStringLiteral("Insert the SubIndex of SDO Request");
    t[base + 3] = QStringLiteral("Insert the Number of Bytes of SDO Request, 1 or 2 or 4 bytes");
    t[base + 4] = QStringLiteral("Insert the Time in milliseconds between the sending of CANopen SDO Request");
  }
  for (int k = 1; k <= 4; ++k) {
    t[2243 + k] = QStringLiteral("Insert the position of array where place in byte %1 of CANopen SDO Request").arg(k);
    t[2254 + k] = QStringLiteral("Insert the position of array where put the byte %1 of CANopen SDO Request").arg(k);
  }
  t[2248] = QStringLiteral("Insert a description of the CANopen SDO Request");
  t[2259] = t[2248];
  t[2254] =
      QStringLiteral("Enable or Disable the possibility to send the CANopen SDO Request if a Data Byte changes");
  t[2260] = QStringLiteral("Error row ");
  for (const auto& [first, name] : {std::pair{2261, "SDO Read"}, std::pair{2270, "SDO Write"}}) {
    const QString tag = QStringLiteral("!! [%1] ").arg(QString::fromLatin1(name));
    t[first] = tag + QStringLiteral("Device ID must be between 1 and 127");
    t[first + 1] = tag + QStringLiteral("Index must be between 0x1000 and 0xFFFF");
    t[first + 2] = tag + QStringLiteral("SubIndex must be between 0x00 and 0xFF");
    t[first + 3] = tag + QStringLiteral("N Byte must be 1 or 2 or 4");
    for (int k = 1; k <= 4; ++k)
      t[first + 4 + k] = tag + QStringLiteral("Address Byte%1 must be between 0 and ").arg(k);
  }
  t[2265] = QStringLiteral("!! [SDO Read] Poll Time must be between 1 and 100000000");
  t[2274] = QStringLiteral("!! [SDO Write] Poll Time must be between 0 and 100000000");
  t[2279] = QStringLiteral("Are you sure to delete the Row number ");
}
