#include "UTransmitCAN.h"

#include "UGlobals.h"
#include "UProtocol_Columns.h"

namespace {
constexpr int32_t On_Timer_Column = 7;
constexpr int32_t Time_Column = 8;

TTable_Layout Transmit_Table() {
  using namespace Cell_Color;
  const QString yes = QStringLiteral("Y");
  const QString no = QStringLiteral("N");
  TTable_Layout t;
  t.Columns = {Number_Column(2008),
               {2009, 2031, 50, edDataCheckBox, Enable, {}, "Enable", yes},
               {2010, 2032, 90, edNormal, Frame, {}, "COBID", {}},
               {2011, 2033, 90, edComboList, Frame, CAN_Types, "CAN_Type", CAN_Types[0]},
               {2012, 2034, 70, edNormal, Frame, {}, "Dim", {}},
               {2013, 2035, 65, edDataCheckBox, Timing, {}, "OnChange", yes},
               {2062, 2063, 50, edDataCheckBox, Timing, {}, "OnCMD", no},
               {2014, 2036, 55, edDataCheckBox, Timing, {}, "OnTimer", no},
               {2015, 2037, 70, edNormal, Timing, {}, "Time", {}}};
  Add_Run(t.Columns, 8, {2016, 2038, 48, edComboList, Position, {}, nullptr, {}}, Byte_Attributes);
  t.Columns.push_back({2024, 2046, 110, edNormal, clWindow, {}, "Mnemonic", QString()});
  t.Data_Rows = 512;
  t.Key_Column = 2;
  t.Enable_Column = 1;
  t.Position_Columns = {9, 10, 11, 12, 13, 14, 15, 16};
  t.Rules = {Range_Rule(2, 0, 2047, 2048, When_Cell_Is(3, CAN_Types[0])),
             Range_Rule(2, 0, 0x1FFFFFFF, 2049, When_Cell_Is_Not(3, CAN_Types[0])), Range_Rule(4, 1, 8, 2050),
             Range_Rule(Time_Column, 0, 100000000, 2051, When_Box_Ticked(On_Timer_Column))};
  for (TCheck_Rule& rule : Byte_Position_Rules(9, 4, {2052, 2054, 2055, 2056, 2057, 2058, 2059, 2060}, true, 2053))
    t.Rules.push_back(std::move(rule));
  return t;
}
}  // namespace

const TProtocol_Layout& TFTransmitCAN::Window_Layout() {
  static const TProtocol_Layout layout = [] {
    TProtocol_Layout s;
    s.Width = 1100;
    s.Height = 337;
    s.Look = Verdana_Look;
    s.Tables = {Transmit_Table()};
    s.Path = &Path_CAN_Send_Frames;
    s.Root = "Transmit_Frames";
    s.Caption_Id = 2000;
    s.Button_Hint_Id = 2025;
    s.Prefix_Id = 2047;
    s.Delete_Question_Id = 2061;
    s.Row_Click_Selects = false;
    s.Focus_After_Load = true;
    return s;
  }();
  return layout;
}

TFTransmitCAN::TFTransmitCAN(QWidget* parent) : TFProtocol_Window(Window_Layout(), parent) {}

void TFTransmitCAN::Row_Loaded(int32_t, pugi::xml_node node, int32_t row) {
  if (Xml_Has_Attr(node, "Time")) return;
  TQrvColumnGrid& grid = Table(0);
  grid.SetCells(Time_Column, row, grid.Cells(On_Timer_Column, row) == Check_Yes ? QStringLiteral("0") : QString());
}
