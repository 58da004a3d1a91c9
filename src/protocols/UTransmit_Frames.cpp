#include "UTransmit_Frames.h"

#include "UFrame_Budget.h"
#include "UProtocol_Columns.h"

void Add_Send_Columns(TTable_Columns& columns, int32_t header, int32_t hint, const int (&widths)[6],
                      const std::optional<QString>& count_default) {
  using namespace Cell_Color;
  const QString no = QStringLiteral("N");
  columns.push_back({header, hint, widths[0], edNormal, Protocol, {}, "TP_NByte", count_default});
  columns.push_back({header + 1, hint + 1, widths[1], edDataCheckBox, Capture, {}, "On_Request", no});
  columns.push_back({header + 2, hint + 2, widths[2], edDataCheckBox, Capture, {}, "On_Data_Change", no});
  columns.push_back({header + 3, hint + 3, widths[3], edDataCheckBox, Capture, {}, "On_Timer", no});
  columns.push_back({header + 4, hint + 4, widths[4], edNormal, Capture, {}, "SendTimer", QString()});
  columns.push_back({header + 5, hint + 5, widths[5], edNormal, clWhite, {}, "Mnemonic", QString()});
}

TCheck_Rules Send_Rules(const int32_t (&ids)[7], int32_t max_address, int32_t budget) {
  // The columns after the data page, when the table has one, are one further right.
  const int32_t shift = ids[1] != 0 ? 1 : 0;
  TCheck_Rules rules = {Range_Rule(1, 0, 7, ids[0])};
  if (shift) rules.push_back(Filled_Rule(2, ids[1]));
  rules.push_back(Range_Rule(2 + shift, 0, 0x1FFFF, ids[2]));
  rules.push_back(Range_Rule(3 + shift, 0, max_address, ids[3]));
  rules.push_back(Limit_Rule(5, 0, budget, ids[4]));
  rules.push_back(Budget_Rule(5, budget, ids[5]));
  rules.push_back(Range_Rule(9, 1, 65535, ids[6], When_Ticked(8)));
  return rules;
}
