#include "USet_PDO_Access.h"

#include "UGlobals.h"
#include "UProtocol_Columns.h"

namespace {
// Both tables: COB-ID, Dimension, the eight byte positions, then the table's own timing columns and Mnemonic.
// `ids` are the header ID of column 0, the hint ID of column 1 and the message IDs of the checks.
struct TPDO_Ids {
  int32_t Header, Hint, COB_ID, Dimension, Time;
};

TTable_Layout PDO_Table(const TPDO_Ids& ids, const char* section, int32_t page, bool transmit) {
  using namespace Cell_Color;
  TTable_Layout t;
  t.Columns = {Number_Column(ids.Header),
               {ids.Header + 1, ids.Hint, 65, edNormal, Frame, {}, "COB-ID", {}},
               {ids.Header + 2, ids.Hint + 1, 65, edNormal, Frame, {}, "Dimension", {}}};
  Add_Run(t.Columns, 8, {ids.Header + 3, ids.Hint + 2, 45, edNormal, Position, {}, nullptr, {}}, Address_Attributes);
  if (transmit) {
    t.Columns.push_back({ids.Header + 11, ids.Hint + 10, 65, edNormal, Timing, {}, "Send_Time", {}});
    t.Columns.push_back({ids.Header + 12, ids.Hint + 11, 68, edDataCheckBox, Timing, {}, "On_Change", {}});
    t.Columns.push_back({ids.Header + 13, ids.Hint + 12, 105, edNormal, clWhite, {}, "Mnemonic", {}});
  } else {
    t.Columns.push_back({ids.Header + 11, ids.Hint + 10, 65, edNormal, Timing, {}, "TimeOut", {}});
    t.Columns.push_back({ids.Header + 12, ids.Hint + 11, 173, edNormal, clWhite, {}, "Mnemonic", {}});
  }
  t.Data_Rows = 30;
  t.Key_Column = 1;
  t.Section = section;
  t.Page_Id = page;
  std::vector<int32_t> bytes;
  for (int32_t k = 1; k <= 8; ++k) bytes.push_back(ids.Dimension + k);
  t.Rules = {Range_Rule(1, 0, 2047, ids.COB_ID), Range_Rule(2, 1, 8, ids.Dimension)};
  for (TCheck_Rule& rule : Byte_Position_Rules(3, 2, bytes)) t.Rules.push_back(std::move(rule));
  t.Rules.push_back(Range_Rule(11, 0, transmit ? 100000000 : 65535, ids.Time));
  return t;
}
}  // namespace

const TProtocol_Layout& TFSet_PDO_Access::Window_Layout() {
  static const TProtocol_Layout layout = [] {
    TProtocol_Layout s;
    s.Width = 798;
    s.Height = 337;
    s.Look = Tahoma_Look;
    s.Tables = {PDO_Table({2116, 2143, 2169, 2170, 2179}, "Receive_PDO", 2114, false),
                PDO_Table({2129, 2155, 2180, 2181, 2190}, "Transmit_PDO", 2115, true)};
    s.Path = &Path_PDO_CANopen;
    s.Root = "PDO_CANopen";
    s.Caption_Id = 2100;
    s.Button_Hint_Id = 2108;
    s.Shown_Hints = 0;
    s.Prefix_Id = 2168;
    s.Delete_Question_Id = 2191;
    return s;
  }();
  return layout;
}

TFSet_PDO_Access::TFSet_PDO_Access(QWidget* parent) : TFCANopen_Window(Window_Layout(), parent) {}
