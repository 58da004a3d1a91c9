#include "../UEnglishTexts.h"

void Add_English_Shared_Messages(QStringList& t) {
  t[1100] = QStringLiteral("Row Already used. Do you want to overwrite the values?");
  t[1101] = QStringLiteral("Error in the Copy values!!! Copy a valid row before Paste it");
  t[1102] = QStringLiteral("Error!!! Copy a valid row before Paste it");
  t[1103] = QStringLiteral("File already exists! Do you want to overwrite the file?");
  t[1104] = QStringLiteral("Error! Please set the Set Communication Parameter before to create the GSD file");
  t[1105] = QStringLiteral("File already exists. Do you want to overwrite?");
  // The protocol table windows' file and used-rows refusals (IDs of our own, after those language files fill).
  t[3500] = QStringLiteral(
      "Error! The table file cannot be read; the table shows the default values and OK will replace the file. File:");
  t[3501] = QStringLiteral("Error! The table file cannot be written; nothing has been saved. File:");
  t[3502] = QStringLiteral(" is empty, but this row or a row below it holds data: fill it or delete the row");
}

void Add_English_Row_Buttons(QStringList& t, int first) {
  const char* const captions[] = {"OK", "Cancel", "Delete Row", "Insert Row", "Copy Row", "Paste Row"};
  for (int i = 0; i < 6; ++i) t[first + i] = QString::fromLatin1(captions[i]);
}

void Add_English_Row_Hints(QStringList& t, int first) {
  t[first] = QStringLiteral("Delete the Selected Row in the table");
  t[first + 1] = QStringLiteral("Insert a Row in the Table");
  t[first + 2] = QStringLiteral("Copy all Fields of the Selected Row");
  t[first + 3] = QStringLiteral("Paste the Copied Fields in the Selected Row");
}
