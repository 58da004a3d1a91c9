#include "UEnglishTexts.h"

#include "ULang.h"

namespace {
const TEnglishBlock English_Blocks[] = {
    // Window titles first, so a window's own full block, listed later, has the last word.
    Add_English_Placeholders,
    Add_English_Shared_Messages,
    Add_English_Boot,
    Add_English_Main,
    Add_English_New_Project,
    Add_English_OpenConf,
    Add_English_SoftOptions,
    Add_English_ParGen,
    Add_English_OPC_UA_Checks,
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
