#include "../UEnglishTexts.h"

void Add_English_OpenConf(QStringList& t) {
  t[200] = QStringLiteral("Open Configuration");
  t[201] = QStringLiteral("Open an Existing Configuration");
  t[202] = QStringLiteral("List of Avaliable Configurations");
  t[203] = QStringLiteral("OK");
  t[204] = QStringLiteral("Cancel");
  t[205] = QStringLiteral("Select from this list the configuration to open");
  t[206] = QStringLiteral("Open the Selected Configuration");
  t[207] = QStringLiteral("Cancel open of Configuration");
}
