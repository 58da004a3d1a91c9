#include "UOPC_UA_Client_Tables.h"

#include <algorithm>

#include "UCodePage.h"
#include "ULang.h"
#include "UOPCUA_Vocabulary.h"
#include "UStrUtils.h"

namespace {
constexpr TColor Enable_Color = 0xB0D8FF;
constexpr TColor Node_Color = 0xFEFAE0;
constexpr TColor Read_Array_Color = 0xECFEA5;
constexpr TColor Green = 0xA8FFA8;
constexpr TColor Position_Color = 0xF4D6FC;
constexpr TColor Yellow = 0xA8FFFF;

QStringList Words(QString (*word)(int32_t), int32_t count) {
  QStringList words;
  for (int32_t code = 0; code < count; ++code) words.append(word(code));
  return words;
}

QStringList Node_Types() {
  return {QStringLiteral("Numeric"), QStringLiteral("String"), QStringLiteral("Guid"), QStringLiteral("ByteString")};
}

QStringList Start_Bits() {
  QStringList bits;
  for (int bit = 0; bit <= 7; ++bit) bits.append(QString::number(bit));
  return bits;
}

// Header ID, hint ID, width, editor, colour, pick list.
TTable_Column Column(int32_t header, int32_t hint, int32_t width, TEditorType editor, TColor color,
                     const QStringList& items = {}) {
  TTable_Column c;
  c.Header_Id = header;
  c.Hint_Id = hint;
  c.Width = width;
  c.Editor = editor;
  c.Color = color;
  c.Combo_Items = items;
  return c;
}

// The columns both variable tables share, by the header and hint IDs of columns 0..16; 7..9 are the caller's.
TTable_Columns Variable_Columns(const int32_t (&headers)[17], const int32_t (&hints)[17]) {
  const auto col = [&](int c, int32_t width, TEditorType editor, TColor color, const QStringList& items = {}) {
    return Column(headers[c], hints[c], width, editor, color, items);
  };
  return {col(0, 40, edNormal, clWindow),
          col(1, 50, edDataCheckBox, Enable_Color),
          col(2, 100, edNormal, Node_Color),
          col(3, 90, edComboList, Node_Color, Node_Types()),
          col(4, 100, edNormal, Node_Color),
          col(5, 90, edComboList, Node_Color, Words(Data_Type_To_Text, 15)),
          col(6, 120, edNormal, Node_Color),
          {},
          {},
          {},
          col(10, 80, edNormal, Green),
          col(11, 70, edNormal, Position_Color),
          col(12, 70, edComboList, Position_Color, Start_Bits()),
          col(13, 40, edDataCheckBox, Yellow),
          col(14, 80, edDataCheckBox, Yellow),
          col(15, 65, edDataCheckBox, Yellow),
          col(16, 150, edNormal, clWhite)};
}

TTable_Columns Read_Columns() {
  const int32_t headers[17] = {1245, 1246, 1247, 1248, 1249, 1250, 1251, 1313, 1314,
                               1315, 1252, 1253, 1329, 1305, 1306, 1325, 1254};
  const int32_t hints[17] = {0,    1255, 1256, 1257, 1258, 1259, 1260, 1316, 1317,
                             1318, 1261, 1262, 1330, 1307, 1308, 1326, 1263};
  TTable_Columns columns = Variable_Columns(headers, hints);
  columns[7] =
      Column(1313, 1316, 75, edComboList, Read_Array_Color, {QStringLiteral("Variable"), QStringLiteral("Array")});
  columns[8] = Column(1314, 1317, 55, edNormal, Read_Array_Color);
  columns[9] = Column(1315, 1318, 55, edNormal, Read_Array_Color);
  return columns;
}

TTable_Columns Write_Columns() {
  const int32_t headers[17] = {1264, 1265, 1266, 1267, 1268, 1269, 1270, 1271, 1272,
                               1273, 1274, 1275, 1331, 1309, 1310, 1327, 1276};
  const int32_t hints[17] = {0,    1277, 1278, 1279, 1280, 1281, 1282, 1284, 1283,
                             1285, 1286, 1287, 1332, 1311, 1312, 1328, 1288};
  TTable_Columns columns = Variable_Columns(headers, hints);
  columns[7] = Column(1271, 1284, 68, edDataCheckBox, Green);
  columns[8] = Column(1272, 1283, 52, edDataCheckBox, Green);
  columns[9] = Column(1273, 1285, 70, edDataCheckBox, Green);
  return columns;
}

TTable_Columns Server_Columns() {
  return {Column(1211, 0, 40, edNormal, clWindow),           Column(1212, 1222, 50, edDataCheckBox, Enable_Color),
          Column(1213, 1223, 200, edNormal, Node_Color),     Column(1214, 1224, 100, edNormal, Node_Color),
          Column(1215, 1225, 100, edNormal, Yellow),         Column(1216, 1226, 90, edNormal, Yellow),
          Column(1217, 1227, 100, edNormal, Green),          Column(1218, 1228, 100, edNormal, Green),
          Column(1219, 1229, 100, edNormal, Position_Color), Column(1220, 1230, 100, edNormal, Position_Color),
          Column(1221, 1231, 140, edNormal, clWindow)};
}

const QString& Yes_No(bool on) {
  return on ? Check_Yes : Check_No;
}
}  // namespace

const TTable_Columns& OPC_UA_Server_Columns() {
  static const TTable_Columns columns = Server_Columns();
  return columns;
}

const TTable_Columns& OPC_UA_Read_Columns() {
  static const TTable_Columns columns = Read_Columns();
  return columns;
}

const TTable_Columns& OPC_UA_Write_Columns() {
  static const TTable_Columns columns = Write_Columns();
  return columns;
}

void Show_From_Start(TQrvColumnGrid& grid) {
  if (grid.EditMode()) grid.HideInplaceEdit();
  grid.MoveCurrent(grid.FixedCols(), grid.FixedRows(), true, false);
  grid.SetTopRow(grid.FixedRows());
  grid.SetLeftCol(grid.FixedCols());
}

void Show_Server_Row(TQrvColumnGrid& grid, int32_t row, int32_t number, const TOPC_UA_Server& server) {
  const QString texts[] = {QString::number(number), Yes_No(server.Enable()), server.ServerAddress(),
                           server.Authorization(),  server.UserName(),       server.Password(),
                           server.Certificate(),    server.PrivateKey(),     server.SecurityType(),
                           server.SecurityPolicy(), server.Mnemonic()};
  for (int32_t c = 0; c < 11; ++c) grid.SetCells(c, row, texts[c]);
}

void Show_Variable_Row(TQrvColumnGrid& grid, int32_t row, const TOPC_UA_Variable& v, bool read) {
  const QString texts[] = {Yes_No(v.Enable()),
                           v.DispalyName(),
                           v.NodeType(),
                           v.NodeID(),
                           v.VarType(),
                           QString::number(v.nameSpaceIndex),
                           read ? v.VarArray() : v.OnChange(),
                           read ? v.Start() : v.OnCMD(),
                           read ? v.Len() : v.OnTimer(),
                           v.Time(),
                           v.Position(),
                           v.StartBit(),
                           Yes_No(v.Swap()),
                           Yes_No(v.Swap_Word()),
                           Yes_No(v.Swap_All()),
                           v.Mnemonic()};
  for (int32_t c = 1; c <= 16; ++c) grid.SetCells(c, row, texts[c - 1]);
}

std::unique_ptr<TOPC_UA_Variable> Variable_From_Row(const TQrvColumnGrid& grid, int32_t row, bool read) {
  const auto cell = [&](int32_t c) { return grid.Cells(c, row); };
  auto v = std::make_unique<TOPC_UA_Variable>();
  v->SetEnable(cell(1) == Check_Yes);
  v->SetDispalyName(cell(2));
  // The identifier is read by the node type, so the type goes first.
  v->SetNodeType(cell(3));
  v->SetNodeID(cell(4));
  v->SetVarType(cell(5));
  // Kept in 16 bits, as the field is.
  v->nameSpaceIndex = static_cast<uint16_t>(StrToIntDef(cell(6), 0));
  if (read) {
    v->SetVarArray(cell(7));
    v->SetStart(cell(8));
    v->SetLen(cell(9));
    v->SetOnChange(Check_No);
    v->SetOnCMD(Check_No);
    v->SetOnTimer(Check_No);
  } else {
    v->SetOnChange(cell(7));
    v->SetOnCMD(cell(8));
    v->SetOnTimer(cell(9));
  }
  v->SetTime(cell(10));
  v->SetPosition(cell(11));
  v->SetStartBit(cell(12));
  v->SetSwap(cell(13) == Check_Yes);
  v->SetSwap_Word(cell(14) == Check_Yes);
  v->SetSwap_All(cell(15) == Check_Yes);
  v->SetMnemonic(cell(16));
  return v;
}

namespace {
QString Ansi(const char* text) {
  return text ? Ansi_To_Unicode(QByteArray(text)) : QString();
}
}  // namespace

std::unique_ptr<TOPC_UA_Variable> Variable_From_Browsed(const opcua_structure& found) {
  auto v = std::make_unique<TOPC_UA_Variable>();
  v->SetEnable(true);
  v->nameSpaceIndex = found.nameSpaceIndex;
  v->identifierType = found.identifierType;
  v->numeric = found.numeric;
  v->stringname = Ansi(found.stringname);
  v->guide1 = found.guide1;
  v->guide2 = found.guide2;
  v->guide3 = found.guide3;
  std::copy(std::begin(found.guide4), std::end(found.guide4), v->guide4);
  v->byteString = Ansi(found.byteString);
  v->dataType = found.dataType;
  v->SetDispalyName(Ansi(found.displayName));
  return v;
}

int32_t Import_Ticked(TOPC_UA_Variable_List& list, const std::vector<opcua_structure>& found,
                      const TQrvColumnGrid& ticks, int32_t column) {
  int32_t left_out = 0;
  const int32_t rows = std::min(static_cast<int32_t>(found.size()), ticks.RowCount() - 1);
  for (int32_t i = 0; i < rows; ++i) {
    if (ticks.Cells(column, i + 1) != Check_Yes) continue;
    // A table shows no more rows than it has; what it cannot show would be dropped at its next save.
    if (static_cast<int32_t>(list.size()) >= OPC_UA_Variable_Rows)
      ++left_out;
    else
      list.push_back(Variable_From_Browsed(found[static_cast<size_t>(i)]));
  }
  return left_out;
}

QString Import_Left_Out_Message(int32_t read, int32_t write) {
  if (read == 0 && write == 0) return {};
  return Lang_Message(Msg_Import_Left_Out, {OPC_UA_Variable_Rows, read, write});
}

QString Unshown_Variables_Message(const TOPC_UA_Server_List& servers) {
  QStringList lines;
  for (size_t s = 0; s < servers.size(); ++s) {
    for (const bool read : {true, false}) {
      const int32_t count = static_cast<int32_t>((read ? servers[s]->Var_List_R : servers[s]->Var_List_W).size());
      if (count <= OPC_UA_Variable_Rows) continue;
      lines << Lang_Message(read ? Msg_Unshown_Read : Msg_Unshown_Write,
                            {static_cast<int>(s) + 1, count, OPC_UA_Variable_Rows, count - OPC_UA_Variable_Rows});
    }
  }
  return lines.join(u'\n');
}
