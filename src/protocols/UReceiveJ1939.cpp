#include "UReceiveJ1939.h"

#include "UFrame_Budget.h"
#include "UGlobals.h"
#include "UProtocol_Columns.h"

namespace {
TTable_Layout Receive_Table() {
  using namespace Cell_Color;
  const QString no = QStringLiteral("N");
  TTable_Layout t;
  t.Columns = {Number_Column(2514),
               {2515, 2525, 65, edComboList, Frame, Data_Pages, "DP", QString()},
               {2516, 2526, 85, edNormal, Frame, {}, "PGN", QString()},
               {2517, 2527, 95, edNormal, Frame, {}, "SA", QString()},
               {2518, 2528, 113, edDataCheckBox, Protocol, {}, "TP", no},
               {2519, 2529, 65, edNormal, Capture, {}, "TP_Start", QString()},
               {2520, 2530, 55, edNormal, Capture, {}, "TP_NByte", QString()},
               {2521, 2531, 75, edDataCheckBox, Position, {}, "Delete", no},
               {2522, 2532, 75, edDataCheckBox, Enable, {}, "OnRequest", no},
               {2523, 2533, 65, edNormal, Enable, {}, "OnReq_Time", QStringLiteral("1000")},
               {2524, 2534, 120, edNormal, clWhite, {}, "Mnemonic", QString()}};
  t.Data_Rows = 512;
  t.Key_Column = 2;
  t.Key_Exact = true;
  const TCapture_Layout capture{.TP = 4,
                                .Start = 5,
                                .Count = 6,
                                .TP_Start_Id = 2539,
                                .TP_Sum_Id = 2540,
                                .Half_Id = 2541,
                                .Start_Id = 2542,
                                .Count_Id = 2543,
                                .Sum_Id = 2544,
                                .Budget = TFReceiveJ1939::NUM_BYTE_IN,
                                .Budget_Id = 2545};
  t.Rules = {Filled_Rule(1, 2536), Range_Rule(2, 0, 65535, 2537), Range_Rule(3, 0, 239, 2538), Capture_Rule(capture),
             Range_Rule(9, 0, 10000000, 2546, When_Ticked(8))};
  return t;
}
}  // namespace

const TProtocol_Layout& TFReceiveJ1939::Window_Layout() {
  static const TProtocol_Layout layout = [] {
    TProtocol_Layout s;
    s.Width = 876;
    s.Height = 337;
    s.Look = Tahoma_Look;
    s.Tables = {Receive_Table()};
    s.Path = &Path_J1939_Rec_Frames;
    s.Root = "Receive_J1939";
    s.Version = "1.001";
    s.Caption_Id = 2500;
    s.Button_Hint_Id = 2508;
    s.Prefix_Id = 2535;
    s.Delete_Question_Id = 2547;
    return s;
  }();
  return layout;
}

TFReceiveJ1939::TFReceiveJ1939(QWidget* parent) : TFProtocol_Window(Window_Layout(), parent) {}
