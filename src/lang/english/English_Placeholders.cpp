#include "../UEnglishTexts.h"

// Titles of the windows whose full text blocks arrive with the windows themselves.
void Add_English_Placeholders(QStringList& t) {
  const auto pair = [&t](int id, const QString& text) {
    t[id] = text;
    t[id + 1] = text;
  };
  pair(1600, QStringLiteral("BACnet Set Access"));
  pair(1700, QStringLiteral("Select the BACnet Engineering Unit"));
  pair(1900, QStringLiteral("Receive CAN Frames Set Access"));
  pair(2000, QStringLiteral("Transmit CAN Frames Set Access"));
  pair(2100, QStringLiteral("Set PDO Access"));
  pair(2200, QStringLiteral("Set SDO Client Access"));
  pair(2300, QStringLiteral("Set SDO Server Access"));
  pair(2400, QStringLiteral("DMX Default Value"));
  pair(2500, QStringLiteral("Receive J1939 Frames"));
  pair(2600, QStringLiteral("Transmit J1939 Frames"));
  pair(2700, QStringLiteral("Receive NMEA 2000 Frames"));
  pair(2800, QStringLiteral("Transmit NMEA 2000 Frames"));
  pair(2900, QStringLiteral("Set SNMP Trap Access"));
  pair(3000, QStringLiteral("KNX Set Access"));
  pair(3100, QStringLiteral("Set MQTT Topics"));
  t[3200] = QStringLiteral("Set Topic");
  t[3201] = QStringLiteral("Set Template");
  t[3202] = QStringLiteral("Set Topic");
  t[3203] = QStringLiteral("Set Template");
}
