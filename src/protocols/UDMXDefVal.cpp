#include "UDMXDefVal.h"

#include "UGlobals.h"
#include "UProtocol_Columns.h"
#include "UStrUtils.h"

namespace {
constexpr int32_t Default_Channels = 512;
constexpr int32_t Min_Channels = 24;

TTable_Layout Channel_Table() {
  TTable_Layout t;
  t.Columns = {Number_Column(2406, 100),
               {2407, 2409, 100, edNormal, Cell_Color::Frame, {}, "Default_Value", QStringLiteral("0")},
               {2408, 2410, 250, edNormal, clWindow, {}, "Mnemonic", QString()}};
  t.Data_Rows = Default_Channels;
  t.Rules = {Range_Rule(1, 0, 255, 2412)};
  return t;
}
}  // namespace

const TProtocol_Layout& TFDMXDefVal::Window_Layout() {
  static const TProtocol_Layout layout = [] {
    TProtocol_Layout s;
    s.Width = 475;
    s.Height = 337;
    s.Look = Verdana_Hover_Look;
    s.Tables = {Channel_Table()};
    s.Path = &Path_DMX_Default_Values;
    s.Root = "DMX_Default_Values";
    s.Row_Name = "Row";
    s.Caption_Id = 2400;
    s.Button_Hint_Id = 2404;
    s.Row_Buttons = false;
    s.Prefix_Id = 2411;
    return s;
  }();
  return layout;
}

TFDMXDefVal::TFDMXDefVal(QWidget* parent) : TFProtocol_Window(Window_Layout(), parent) {}

int32_t TFDMXDefVal::Channel_Count() {
  TXmlDocument xml;
  QString text;
  int32_t count = 0;
  if (Read_Table_File(Path_ParGen, xml) != TTable_Read::Loaded ||
      !Xml_Element_Text(xml.First_Element().child("DMX_Num_Channels"), text) || !TryStrToInt(text, count) ||
      count < Min_Channels || count > Default_Channels)
    return Default_Channels;
  return count;
}

void TFDMXDefVal::FormShow() {
  Table(0).SetRowCount(Channel_Count() + 1);
  TFProtocol_Window::FormShow();
}

void TFDMXDefVal::Initialise_Rows(int32_t table) {
  TFProtocol_Window::Initialise_Rows(table);
  TQrvColumnGrid& grid = Table(table);
  for (int32_t r = 1; r < grid.RowCount(); ++r) grid.SetCells(1, r, QStringLiteral("0"));
}
