#include "USet_SDO_Server_Access.h"

#include "UGlobals.h"
#include "UProtocol_Columns.h"

namespace {
// Both tables alike: index, subindex, size, four byte positions, Mnemonic. `header` is the header ID of column 0,
// `hint` the hint ID of column 1, `message` the first check message.
TTable_Layout SDO_Table(int32_t header, int32_t hint, int32_t message, const char* section, int32_t page) {
  using namespace Cell_Color;
  TTable_Layout t;
  t.Columns = {Number_Column(header),
               {header + 1, hint, 65, edNormal, Frame, {}, "Index", {}},
               {header + 2, hint + 1, 61, edNormal, Frame, {}, "SubIndex", {}},
               {header + 3, hint + 2, 55, edNormal, Frame, {}, "NByte", {}}};
  Add_Run(t.Columns, 4, {header + 4, hint + 3, 80, edNormal, Position, {}, nullptr, {}}, Address_Attributes);
  t.Columns.push_back({header + 8, hint + 7, 170, edNormal, clWhite, {}, "Mnemonic", {}});
  t.Data_Rows = 500;
  t.Key_Column = 1;
  t.Section = section;
  t.Page_Id = page;
  t.Rules = {Range_Rule(1, 0x2000, 0x5FFF, message), Range_Rule(2, 0, 255, message + 1),
             Values_Rule(3, {1, 2, 4}, message + 2)};
  for (TCheck_Rule& rule : Byte_Position_Rules(4, 3, {message + 3, message + 4, message + 5, message + 6}))
    t.Rules.push_back(std::move(rule));
  return t;
}
}  // namespace

const TProtocol_Layout& TFSet_SDO_Server_Access::Window_Layout() {
  static const TProtocol_Layout layout = [] {
    TProtocol_Layout s;
    s.Width = 749;
    s.Height = 337;
    s.Look = Tahoma_Look;
    s.Tables = {SDO_Table(2316, 2334, 2351, "SDO_Read", 2314), SDO_Table(2325, 2342, 2358, "SDO_Write", 2315)};
    s.Path = &Path_SDO_Server_CANopen;
    s.Root = "SDO_Server_CANopen";
    s.Caption_Id = 2300;
    s.Button_Hint_Id = 2308;
    s.Shown_Hints = 0;
    s.Prefix_Id = 2350;
    s.Delete_Question_Id = 2365;
    return s;
  }();
  return layout;
}

TFSet_SDO_Server_Access::TFSet_SDO_Server_Access(QWidget* parent) : TFSDO_Window(Window_Layout(), parent) {}
