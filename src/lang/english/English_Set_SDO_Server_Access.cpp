#include <utility>

#include "../UEnglishTexts.h"

void Add_English_Set_SDO_Server_Access(QStringList& t) {
  t[2300] = QStringLiteral("Set SDO Server Access");
  t[2301] = QStringLiteral("Set SDO Server Access");
  Add_English_Row_Buttons(t, 2302);
  t[2308] = QStringLiteral("Confirm and save the CANopen SDOs Server List");
  t[2309] = QStringLiteral("Exit without save the CANopen SDOs Server List");
  Add_English_Row_Hints(t, 2310);
  t[2314] = QStringLiteral("SDO in Read");
  t[2315] = QStringLiteral("SDO in Write");
  const char* const headers[] = {"N",         "Index",     "SubIndex",  "N Byte",  "Add Byte1",
                                 "Add Byte2", "Add Byte3", "Add Byte4", "Mnemonic"};
  for (int i = 0; i < 9; ++i) {
    t[2316 + i] = QString::fromLatin1(headers[i]);
    t[2325 + i] = QString::fromLatin1(headers[i]);
  }
  for (const auto& [base, verb] : {std::pair{2334, "read"}, std::pair{2342, "write"}}) {
    t[base] = QStringLiteral("Insert the Index of SDO");
    t[base + 1] = QStringLiteral("Insert the SubIndex of SDO");
    t[base + 2] = QStringLiteral("Insert the Number of Bytes of SDO, 1 or 2 or 4 bytes");
    for (int k = 1; k <= 4; ++k)
      t[base + 2 + k] = QStringLiteral("Insert the position of array where %1 the byte %2 of CANopen SDO Request")
                            .arg(QString::fromLatin1(verb))
                            .arg(k);
    t[base + 7] = QStringLiteral("Insert a description of the CANopen SDO Request");
  }
  t[2350] = QStringLiteral("Error row ");
  for (const auto& [first, name] : {std::pair{2351, "SDO in Read"}, std::pair{2358, "SDO in Write"}}) {
    const QString tag = QStringLiteral("!! [%1] ").arg(QString::fromLatin1(name));
    t[first] = tag + QStringLiteral("Index must be between 0x2000 and 0x5FFF");
    t[first + 1] = tag + QStringLiteral("SubIndex must be between 0x00 and 0xFF");
    t[first + 2] = tag + QStringLiteral("N Byte must be 1 or 2 or 4");
    for (int k = 1; k <= 4; ++k)
      t[first + 2 + k] = tag + QStringLiteral("Address Byte%1 must be between 0 and ").arg(k);
  }
  t[2365] = QStringLiteral("Are you sure to delete the Row number ");
}
