#include "USet_SDO_Client_Access.h"

#include "UGlobals.h"
#include "UProtocol_Columns.h"

namespace {
// The header ID of column 0, the hint ID of column 1 and the first check message of a table.
struct TSDO_Ids {
  int32_t Header, Hint, Message;
};

// Both tables: device, index, subindex, size, poll time, [On Change,] four byte positions, Mnemonic.
TTable_Layout SDO_Table(const TSDO_Ids& ids, const char* section, int32_t page, bool write) {
  using namespace Cell_Color;
  TTable_Layout t;
  t.Columns = {Number_Column(ids.Header),
               {ids.Header + 1, ids.Hint, 60, edNormal, Frame, {}, "Device_ID", {}},
               {ids.Header + 2, ids.Hint + 1, 55, edNormal, Frame, {}, "Index", {}},
               {ids.Header + 3, ids.Hint + 2, 60, edNormal, Frame, {}, "SubIndex", {}},
               {ids.Header + 4, ids.Hint + 3, 45, edNormal, Frame, {}, "NByte", {}},
               {ids.Header + 5, ids.Hint + 4, 60, edNormal, Timing, {}, "Poll_Time", {}}};
  const int32_t extra = write ? 1 : 0;
  if (write) t.Columns.push_back({ids.Header + 6, ids.Hint + 5, 68, edDataCheckBox, Timing, {}, "On_Change", {}});
  Add_Run(t.Columns, 4, {ids.Header + 6 + extra, ids.Hint + 5 + extra, 70, edNormal, Position, {}, nullptr, {}},
          Address_Attributes);
  t.Columns.push_back(
      {ids.Header + 10 + extra, ids.Hint + 9 + extra, write ? 95 : 163, edNormal, clWhite, {}, "Mnemonic", {}});
  t.Data_Rows = 256;
  t.Key_Column = 1;
  t.Section = section;
  t.Page_Id = page;
  const int32_t m = ids.Message;
  t.Rules = {Range_Rule(1, 1, 127, m), Range_Rule(2, 4096, 65535, m + 1), Range_Rule(3, 0, 255, m + 2),
             Values_Rule(4, {1, 2, 4}, m + 3), Range_Rule(5, write ? 0 : 1, 100000000, m + 4)};
  for (TCheck_Rule& rule : Byte_Position_Rules(6 + extra, 4, {m + 5, m + 6, m + 7, m + 8}))
    t.Rules.push_back(std::move(rule));
  return t;
}
}  // namespace

const TProtocol_Layout& TFSet_SDO_Client_Access::Window_Layout() {
  static const TProtocol_Layout layout = [] {
    TProtocol_Layout s;
    s.Width = 798;
    s.Height = 337;
    s.Look = Tahoma_Look;
    s.Tables = {SDO_Table({2216, 2239, 2261}, "SDO_Read", 2214, false),
                SDO_Table({2227, 2249, 2270}, "SDO_Write", 2215, true)};
    s.Path = &Path_SDO_Client_CANopen;
    s.Root = "SDO_Client_CANopen";
    s.Caption_Id = 2200;
    s.Button_Hint_Id = 2208;
    s.Shown_Hints = 0;
    s.Prefix_Id = 2260;
    s.Delete_Question_Id = 2279;
    return s;
  }();
  return layout;
}

TFSet_SDO_Client_Access::TFSet_SDO_Client_Access(QWidget* parent) : TFSDO_Window(Window_Layout(), parent) {}
