#include "../UEnglishTexts.h"

void Add_English_SoftOptions(QStringList& t) {
  t[300] = QStringLiteral("Software Options");
  t[301] = QStringLiteral("Software Options");
  t[302] = QStringLiteral("Language");
  t[303] = QStringLiteral("Connection Options");
  t[304] = QStringLiteral("Selected Language : ");
  t[305] = QStringLiteral("Page ");
  t[306] = QStringLiteral(" / ");
  t[307] = QStringLiteral("Previous");
  t[308] = QStringLiteral("Next");
  t[309] = QStringLiteral("Enable Internet Connection");
  t[310] = QStringLiteral("Check Software Update at Start of Program");
  t[311] = QStringLiteral("Check Available Update");
  t[312] = QStringLiteral("OK");
  t[313] = QStringLiteral("Cancel");
  t[314] = QStringLiteral("New Version Available. Click Here for more Details");
  t[315] = QStringLiteral("No Update Available");
  t[316] = QStringLiteral("Do you want to change the Language from ");
  t[317] = QStringLiteral(" to ");
  t[318] = QStringLiteral("?");
  t[319] = QStringLiteral("Software Settings");
  t[320] = QStringLiteral("Jump into next field in the tables by pressing the Enter Key");
  t[321] = QStringLiteral("Enable Auto Size of Table Columns by Double Click");
}
