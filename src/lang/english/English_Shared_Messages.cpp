#include "../UEnglishTexts.h"

void Add_English_Shared_Messages(QStringList& t) {
  t[1100] = QStringLiteral("Row Already used. Do you want to overwrite the values?");
  t[1101] = QStringLiteral("Error in the Copy values!!! Copy a valid row before Paste it");
  t[1102] = QStringLiteral("Error!!! Copy a valid row before Paste it");
  t[1103] = QStringLiteral("File already exists! Do you want to overwrite the file?");
  t[1104] = QStringLiteral("Error! Please set the Set Communication Parameter before to create the GSD file");
  t[1105] = QStringLiteral("File already exists. Do you want to overwrite?");
}
