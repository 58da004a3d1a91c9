#include <utility>

#include "../UEnglishTexts.h"

void Add_English_Set_PDO_Access(QStringList& t) {
  t[2100] = QStringLiteral("Set PDO Access");
  t[2101] = QStringLiteral("Set PDO Access");
  Add_English_Row_Buttons(t, 2102);
  t[2108] = QStringLiteral("Confirm and save the CANopen PDOs List");
  t[2109] = QStringLiteral("Exit without save the CANopen PDOs List");
  Add_English_Row_Hints(t, 2110);
  t[2114] = QStringLiteral("Receive PDO");
  t[2115] = QStringLiteral("Transmit PDO");
  // Headers of the receive table (2116..2128) and the transmit table (2129..2142).
  const char* const receive[] = {"N", "COB-ID", "Dimension", "TimeOut", "Mnemonic"};
  const char* const transmit[] = {"N", "COB-ID", "Dimension", "Send Time", "On Change", "Mnemonic"};
  for (int i = 0; i < 3; ++i) {
    t[2116 + i] = QString::fromLatin1(receive[i]);
    t[2129 + i] = QString::fromLatin1(transmit[i]);
  }
  for (int k = 1; k <= 8; ++k) {
    t[2118 + k] = QStringLiteral("Add B%1").arg(k);
    t[2131 + k] = QStringLiteral("Add B%1").arg(k);
  }
  t[2127] = QString::fromLatin1(receive[3]);
  t[2128] = QString::fromLatin1(receive[4]);
  for (int i = 3; i < 6; ++i) t[2137 + i] = QString::fromLatin1(transmit[i]);
  t[2143] = QStringLiteral("Insert the CobID of the CANopen PDO in Receive");
  t[2144] = QStringLiteral("Insert the Dimension in Byte of CANopen PDO Frame (from 1 to 8)");
  t[2156] = t[2144];
  for (int k = 1; k <= 8; ++k) {
    t[2144 + k] = QStringLiteral("Insert the position of array where put the byte %1 of CANopen PDO frame").arg(k);
    t[2156 + k] = QStringLiteral("Insert the position of array where place in byte %1 of CANopen PDO frame").arg(k);
  }
  t[2153] = QStringLiteral(
      "Insert the TimeOut in milliseconds of data for each CANopen PDO frames, insert 0 do disable the function");
  t[2154] = QStringLiteral("Insert a description of the CANopen PDO Frame");
  t[2167] = t[2154];
  t[2155] = QStringLiteral("Insert the CobID of the CANopen PDO in Transmit");
  t[2165] = QStringLiteral("Insert the Time in milliseconds between the sending of CANopen PDO frames");
  t[2166] = QStringLiteral("Enable or Disable the possibility to send the CANopen PDO Frame if a Data Byte changes");
  t[2168] = QStringLiteral("Error row ");
  for (const auto& [first, name] : {std::pair{2169, "Receive PDO"}, std::pair{2180, "Transmit PDO"}}) {
    const QString tag = QStringLiteral("!! [%1] ").arg(QString::fromLatin1(name));
    t[first] = tag + QStringLiteral("COB-ID must be between 0x000 and 0x7FF");
    t[first + 1] = tag + QStringLiteral("Dimension must be between 1 and 8");
    for (int k = 1; k <= 8; ++k)
      t[first + 1 + k] = tag + QStringLiteral("Address Byte%1 must be between 0 and ").arg(k);
  }
  t[2179] = QStringLiteral("!! [Receive PDO] TimeOut must be between 0 and 65535");
  t[2190] = QStringLiteral("!! [Transmit PDO] Send Time must be between 0 and 100000000");
  t[2191] = QStringLiteral("Are you sure to delete the Row number ");
}
