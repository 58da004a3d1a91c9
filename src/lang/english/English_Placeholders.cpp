#include "../UEnglishTexts.h"

// Titles of the windows whose full text blocks arrive with the windows themselves.
void Add_English_Placeholders(QStringList& t) {
  const auto pair = [&t](int id, const QString& text) {
    t[id] = text;
    t[id + 1] = text;
  };
  pair(1600, QStringLiteral("BACnet Set Access"));
  pair(1700, QStringLiteral("Select the BACnet Engineering Unit"));
  pair(2900, QStringLiteral("Set SNMP Trap Access"));
  pair(3000, QStringLiteral("KNX Set Access"));
  pair(3100, QStringLiteral("Set MQTT Topics"));
  t[3200] = QStringLiteral("Set Topic");
  t[3201] = QStringLiteral("Set Template");
  t[3202] = QStringLiteral("Set Topic");
  t[3203] = QStringLiteral("Set Template");
}
