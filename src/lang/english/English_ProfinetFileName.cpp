#include "../UEnglishTexts.h"

void Add_English_ProfinetFileName(QStringList& t) {
  t[1800] = QStringLiteral("PROFINET XML File Name");
  t[1801] = QStringLiteral("Create the PROFINET XML GSD File");
  t[1802] = QStringLiteral("OK");
  t[1803] = QStringLiteral("Cancel");
  t[1804] = QStringLiteral("Select the PROFINET XML File Name");
  t[1805] = QStringLiteral("Fixed Part");
  t[1806] = QStringLiteral("User Part");
  t[1807] = QStringLiteral("Fixed Part");
  t[1808] = QStringLiteral("Insert here the User part of GSDML file");
  t[1809] = QStringLiteral("Confirm and save the GSDML File");
  t[1810] = QStringLiteral("Exit without save the GSDML File");
  t[1811] = QStringLiteral("File already exists! Do you want to overwrite the file?");
}
