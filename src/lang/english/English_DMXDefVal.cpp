#include "../UEnglishTexts.h"

void Add_English_DMXDefVal(QStringList& t) {
  t[2400] = QStringLiteral("DMX Default Value");
  t[2401] = QStringLiteral("DMX Default Value");
  t[2402] = QStringLiteral("OK");
  t[2403] = QStringLiteral("Cancel");
  t[2404] = QStringLiteral("Confirm and save the DMX Default Values");
  t[2405] = QStringLiteral("Exit without save the DMX Default Values");
  t[2406] = QStringLiteral("Channel");
  t[2407] = QStringLiteral("Default Value");
  t[2408] = QStringLiteral("Mnemonic");
  t[2409] = QStringLiteral("Insert the Default Value for the DMX Channel");
  t[2410] = QStringLiteral("Insert a description of the DMX Channel");
  t[2411] = QStringLiteral("Error row ");
  t[2412] = QStringLiteral("!! Default Value must be between 0 and 255");
}
