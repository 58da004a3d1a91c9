#include "../UEnglishTexts.h"

void Add_English_New_Project(QStringList& t) {
  t[100] = QStringLiteral("Create New Configuration");
  t[101] = QStringLiteral("Create New Configuration");
  t[102] = QStringLiteral("Name of the new Configuration");
  t[103] = QStringLiteral("OK");
  t[104] = QStringLiteral("Cancel");
  t[105] = QStringLiteral("Error! Name project is not valid");
  t[106] = QStringLiteral("Error! Name project is not valid because directory already exists");
  t[107] = QStringLiteral("Error! Name Project is not valid");
  t[108] = QStringLiteral("Insert here the name of new configuration");
  t[109] = QStringLiteral("Confirm the Name of new Configuration");
  t[110] = QStringLiteral("Cancel the New Configuration");
}
