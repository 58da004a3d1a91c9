#include "UEnglishTexts.h"

#include "ULang.h"

namespace {
const TEnglishBlock English_Blocks[] = {
    Add_English_Shared_Messages,
};
}  // namespace

void Load_Default_Strings() {
  Lang_Table.clear();
  QStringList table;
  table.reserve(Lang_Size);
  for (int32_t i = 0; i < Lang_Size; ++i) table.append(QStringLiteral(" "));
  for (TEnglishBlock block : English_Blocks) block(table);
  Lang_Table = table;
  Lang_Count = Lang_Size;
}
