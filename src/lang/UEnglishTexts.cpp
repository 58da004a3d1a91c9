#include "UEnglishTexts.h"

#include <algorithm>

#include "ULang.h"
#include "UWindow_Table.h"

void No_English_Block(QStringList&) {}

std::vector<TEnglishBlock> English_Blocks() {
  std::vector<TEnglishBlock> blocks = {Add_English_Placeholders, Add_English_Shared_Messages};
  const auto add = [&blocks](TEnglishBlock block) {
    if (std::find(blocks.begin(), blocks.end(), block) == blocks.end()) blocks.push_back(block);
  };
#define TARN_ENGLISH_BLOCK(window_class, instance, fan_out, english_block) add(english_block);
  TARN_WINDOW_TABLE(TARN_ENGLISH_BLOCK)
#undef TARN_ENGLISH_BLOCK
  return blocks;
}

namespace {
QStringList English_Table() {
  QStringList table;
  table.reserve(Lang_Size);
  for (int32_t i = 0; i < Lang_Size; ++i) table.append(QStringLiteral(" "));
  for (TEnglishBlock block : English_Blocks()) block(table);
  return table;
}
}  // namespace

void Load_Default_Strings() {
  Lang_Table = English_Table();
  Lang_Count = Lang_Size;
}

QString English_Text(int32_t id) {
  static const QStringList table = English_Table();
  return table.value(id, QStringLiteral(" "));
}
