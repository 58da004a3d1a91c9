#include "UTransmitNMEA.h"

#include "UGlobals.h"
#include "UProtocol_Columns.h"
#include "UTransmit_Frames.h"

namespace {
TTable_Layout Transmit_Table() {
  using namespace Cell_Color;
  TTable_Layout t;
  t.Columns = {Number_Column(2814),
               {2815, 2825, 50, edNormal, Frame, {}, "Priority", QString()},
               {2816, 2826, 75, edNormal, Frame, {}, "PGN", QString()},
               {2817, 2827, 95, edNormal, Frame, {}, "SA", QString()},
               {2818, 2828, 75, edDataCheckBox, Position, {}, "FP", QStringLiteral("N")}};
  Add_Send_Columns(t.Columns, 2819, 2829, {60, 55, 80, 64, 75, 116}, QString());
  t.Data_Rows = 62;
  t.Key_Column = 2;
  t.Key_Exact = true;
  t.Rules = Send_Rules({2836, 0, 2837, 2838, 2839, 2840, 2841}, 239, TFTransmitNMEA::NUM_BYTE_OUT);
  return t;
}
}  // namespace

const TProtocol_Layout& TFTransmitNMEA::Window_Layout() {
  static const TProtocol_Layout layout = [] {
    TProtocol_Layout s;
    s.Width = 810;
    s.Height = 337;
    s.Look = Tahoma_Look;
    s.Tables = {Transmit_Table()};
    s.Path = &Path_NMEA_Send_Frames;
    // The transmit file carries the receive file's root name; files in use rely on it.
    s.Root = "Receive_NMEA_2000";
    s.Caption_Id = 2800;
    s.Button_Hint_Id = 2808;
    s.Shown_Hints = 0x30;
    s.Prefix_Id = 2835;
    s.Delete_Question_Id = 2842;
    return s;
  }();
  return layout;
}

TFTransmitNMEA::TFTransmitNMEA(QWidget* parent) : TFProtocol_Window(Window_Layout(), parent) {}
