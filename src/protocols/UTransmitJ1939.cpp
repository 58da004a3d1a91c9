#include "UTransmitJ1939.h"

#include "UGlobals.h"
#include "UProtocol_Columns.h"
#include "UTransmit_Frames.h"

namespace {
constexpr int32_t Count_Column = 5;
constexpr int32_t Request_Column = 6;
constexpr int32_t Data_Change_Column = 7;
constexpr int32_t Timer_Column = 8;

TTable_Layout Transmit_Table() {
  using namespace Cell_Color;
  TTable_Layout t;
  t.Columns = {Number_Column(2614),
               {2615, 2625, 50, edNormal, Frame, {}, "Priority", QString()},
               {2616, 2626, 65, edComboList, Frame, Data_Pages, "DP", QString()},
               {2617, 2627, 85, edNormal, Frame, {}, "PGN", QString()},
               {2618, 2628, 95, edNormal, Frame, {}, "SA", QString()}};
  Add_Send_Columns(t.Columns, 2619, 2629, {60, 55, 80, 60, 70, 115}, QStringLiteral("8"));
  t.Data_Rows = 512;
  t.Key_Column = 3;
  t.Key_Exact = true;
  t.Rules = Send_Rules({2636, 2637, 2638, 2639, 2640, 2641, 2642}, 255, TFTransmitJ1939::NUM_BYTE_OUT);
  return t;
}
}  // namespace

const TProtocol_Layout& TFTransmitJ1939::Window_Layout() {
  static const TProtocol_Layout layout = [] {
    TProtocol_Layout s;
    s.Width = 800;
    s.Height = 337;
    s.Look = Tahoma_Look;
    s.Tables = {Transmit_Table()};
    s.Path = &Path_J1939_Send_Frames;
    s.Root = "Transmit_J1939";
    s.Version = "1.001";
    s.Caption_Id = 2600;
    s.Button_Hint_Id = 2608;
    s.Shown_Hints = 0x30;
    s.Prefix_Id = 2635;
    s.Delete_Question_Id = 2643;
    return s;
  }();
  return layout;
}

TFTransmitJ1939::TFTransmitJ1939(QWidget* parent) : TFProtocol_Window(Window_Layout(), parent) {}

void TFTransmitJ1939::Row_Loaded(int32_t, pugi::xml_node node, int32_t row) {
  TQrvColumnGrid& grid = Table(0);
  if (grid.Cells(Count_Column, row).isEmpty()) grid.SetCells(Count_Column, row, QStringLiteral("8"));
  if (!Xml_Has_Attr(node, "T_Type")) return;
  const QString mode = Xml_Attr(node, "T_Type", QString()).toUpper();
  for (int32_t c : {Request_Column, Data_Change_Column, Timer_Column}) grid.SetCells(c, row, Check_No);
  if (mode == QStringLiteral("ON DATA CHANGE")) grid.SetCells(Data_Change_Column, row, Check_Yes);
  if (mode == QStringLiteral("ON TIMER")) grid.SetCells(Timer_Column, row, Check_Yes);
}
