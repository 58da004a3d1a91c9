#include "UReceiveNMEA.h"

#include "UFrame_Budget.h"
#include "UGlobals.h"
#include "UProtocol_Columns.h"

namespace {
TTable_Layout Receive_Table() {
  using namespace Cell_Color;
  const QString no = QStringLiteral("N");
  TTable_Layout t;
  t.Columns = {Number_Column(2714),
               {2715, 2723, 80, edNormal, Frame, {}, "PGN", QString()},
               {2716, 2724, 95, edNormal, Frame, {}, "SA", QString()},
               {2717, 2725, 113, edDataCheckBox, Protocol, {}, "TP", no},
               {2718, 2726, 73, edDataCheckBox, Protocol, {}, "FP", no},
               {2719, 2727, 65, edNormal, Capture, {}, "TP_Start", QString()},
               {2720, 2728, 50, edNormal, Capture, {}, "TP_NByte", QString()},
               {2721, 2729, 74, edDataCheckBox, Position, {}, "Delete", no},
               {2722, 2730, 195, edNormal, clWhite, {}, "Mnemonic", QString()}};
  t.Data_Rows = 62;
  t.Key_Column = 1;
  t.Key_Exact = true;
  const TCapture_Layout capture{.TP = 3,
                                .FP = 4,
                                .Start = 5,
                                .Count = 6,
                                .TP_Start_Id = 2734,
                                .TP_Sum_Id = 2735,
                                .FP_Start_Id = 2736,
                                .FP_Sum_Id = 2737,
                                .Half_Id = 2738,
                                .Start_Id = 2739,
                                .Count_Id = 2740,
                                .Sum_Id = 2741,
                                .Budget = TFReceiveNMEA::NUM_BYTE_IN,
                                .Budget_Id = 2742};
  t.Rules = {Range_Rule(1, 0, 0x1FFFF, 2732), Range_Rule(2, 0, 239, 2733), Capture_Rule(capture)};
  return t;
}
}  // namespace

const TProtocol_Layout& TFReceiveNMEA::Window_Layout() {
  static const TProtocol_Layout layout = [] {
    TProtocol_Layout s;
    s.Width = 810;
    s.Height = 337;
    s.Look = Tahoma_Look;
    s.Tables = {Receive_Table()};
    s.Path = &Path_NMEA_Rec_Frames;
    s.Root = "Receive_NMEA_2000";
    s.Caption_Id = 2700;
    s.Button_Hint_Id = 2708;
    s.Shown_Hints = 0x30;
    s.Prefix_Id = 2731;
    s.Delete_Question_Id = 2743;
    return s;
  }();
  return layout;
}

TFReceiveNMEA::TFReceiveNMEA(QWidget* parent) : TFProtocol_Window(Window_Layout(), parent) {}
