#include "UReceiveCAN.h"

#include "UGlobals.h"
#include "UProtocol_Columns.h"

namespace {
TTable_Layout Receive_Table() {
  using namespace Cell_Color;
  TTable_Layout t;
  t.Columns = {Number_Column(1908),
               {1909, 1929, 50, edDataCheckBox, Enable, {}, "Enable", QStringLiteral("Y")},
               {1910, 1930, 90, edNormal, Frame, {}, "COBID", {}},
               {1911, 1931, 90, edComboList, Frame, CAN_Types, "CAN_Type", {}},
               {1912, 1932, 70, edNormal, Frame, {}, "Dim", {}},
               {1913, 1934, 75, edNormal, Timing, {}, "TimeOut", QStringLiteral("0")}};
  Add_Run(t.Columns, 8, {1914, 1935, 48, edComboList, Position, {}, nullptr, {}}, Byte_Attributes);
  t.Columns.push_back({1922, 1943, 185, edNormal, clWindow, {}, "Mnemonic", QString()});
  t.Data_Rows = 512;
  t.Key_Column = 2;
  t.Enable_Column = 1;
  t.Position_Columns = {6, 7, 8, 9, 10, 11, 12, 13};
  t.Rules = {Range_Rule(2, 0, 2047, 1945, When_Cell_Is(3, CAN_Types[0])),
             Range_Rule(2, 0, 0x1FFFFFFF, 1946, When_Cell_Is_Not(3, CAN_Types[0])), Range_Rule(4, 1, 8, 1947),
             Range_Rule(5, 0, 100000000, 1948)};
  for (TCheck_Rule& rule : Byte_Position_Rules(6, 4, {1949, 1951, 1952, 1953, 1954, 1955, 1956, 1957}, true, 1950))
    t.Rules.push_back(std::move(rule));
  return t;
}
}  // namespace

const TProtocol_Layout& TFReceiveCAN::Window_Layout() {
  static const TProtocol_Layout layout = [] {
    TProtocol_Layout s;
    s.Width = 1010;
    s.Height = 337;
    s.Look = Verdana_Look;
    s.Tables = {Receive_Table()};
    s.Path = &Path_CAN_Rec_Frames;
    s.Root = "Receive_Frames";
    s.Caption_Id = 1900;
    s.Button_Hint_Id = 1923;
    s.Prefix_Id = 1944;
    s.Delete_Question_Id = 1958;
    s.Row_Click_Selects = false;
    s.Focus_After_Load = true;
    return s;
  }();
  return layout;
}

TFReceiveCAN::TFReceiveCAN(QWidget* parent) : TFProtocol_Window(Window_Layout(), parent) {}
