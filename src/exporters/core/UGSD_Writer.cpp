#include "UGSD_Writer.h"

#include "UExport_Maker.h"
#include "UParGenFile.h"

namespace {

constexpr int Box_Width = 85;
constexpr int Module_Bytes = 64;

QString Rule(int width) {
  return QStringLiteral(";") + QString(width - 1, QLatin1Char('='));
}

QString Banner(const QString& title, int width) {
  QString line = QStringLiteral(";==== ") + title + QStringLiteral(" ");
  return line + QString(std::max<qsizetype>(0, width - line.size()), QLatin1Char('='));
}

QString Box(const QString& text) {
  return text.leftJustified(Box_Width - 1, QLatin1Char(' ')) + QStringLiteral("*");
}

QString Indented_Box(const QString& text) {
  return Box(QStringLiteral(";*") + QString(11, QLatin1Char(' ')) + text);
}

QString Blank_Box() {
  return Box(QStringLiteral(";*"));
}

QString Equals_Box() {
  return QStringLiteral(";* ") + QString(80, QLatin1Char('=')) + QStringLiteral(" *");
}

void Add_Section_Title(QStringList& l, const QString& title, int width) {
  l << Rule(width) << Banner(title, width) << Rule(width) << QString();
}

void Add_Head(QStringList& l) {
  l << QStringLiteral(";")
    << QStringLiteral(";******************* OPC UA Client / PROFIBUS Slave - Converter *********************")
    << Equals_Box() << Blank_Box() << Box(QStringLiteral(";* Vendor:   Quorvane")) << Indented_Box(Maker::Street)
    << Indented_Box(Maker::Town) << Indented_Box(Maker::Province_Country)
    << Indented_Box(QStringLiteral("Tel. : ") + Maker::Phone) << Indented_Box(QStringLiteral("FAX. : ") + Maker::Fax)
    << Indented_Box(QStringLiteral("eMail: ") + Maker::Support_Mail) << Blank_Box() << Equals_Box() << Blank_Box()
    << Box(QStringLiteral(";* Function:       OPC UA Client / PROFIBUS Slave - Converter")) << Blank_Box()
    << Blank_Box() << Box(QStringLiteral(";* Order Number : HDTarn07")) << Blank_Box() << Blank_Box()
    << QStringLiteral(";") + QString(84, QLatin1Char('*')) << QString() << QString() << QStringLiteral("#Profibus_DP")
    << QString() << QString();
  Add_Section_Title(l, QStringLiteral("Prm-Text-Def-List"), 85);
  l << QStringLiteral("PrmText=1") << QStringLiteral("Text(0)=\"disable\"") << QStringLiteral("Text(1)=\"enable\"")
    << QStringLiteral("EndPrmText") << QString() << QStringLiteral("PrmText  = 2")
    << QStringLiteral("Text(0)  = \"clock up\"") << QStringLiteral("Text(1)  = \"clock down\"")
    << QStringLiteral("EndPrmText") << QString() << QStringLiteral("PrmText  = 3");
  for (int i = 1; i <= 5; ++i) l << QStringLiteral("Text(%1)  = \"%2\"").arg(i).arg(i * 10);
  l << QStringLiteral("EndPrmText") << QString() << QString();
  Add_Section_Title(l, QStringLiteral("Ext-User-Prm-Data-Def-List"), 86);
  const auto prm = [&l](int n, const char* name, const char* type, const char* ref) {
    l << QStringLiteral("ExtUserPrmData=%1 \"%2\"").arg(n).arg(QLatin1String(name)) << QLatin1String(type);
    if (ref) l << QLatin1String(ref);
    l << QStringLiteral("EndExtUserPrmData") << QString();
  };
  prm(1, "[SlotNumber]", "Unsigned8 0 0-32", nullptr);
  prm(2, "Diagnostic Alarm", "Bit(0) 0 0-1", "Prm_Text_Ref=1");
  prm(3, "Process Alarm", "Bit(1) 0 0-1", "Prm_Text_Ref=1");
  prm(4, "Counter mode", "Unsigned8 0 0-1", "Prm_Text_Ref=2");
  prm(5, "Counter timebase (ms)", "Unsigned8 1 1-5", "Prm_Text_Ref=3");
  prm(6, "Counter high-limit", "Unsigned16 65535 0-65535", nullptr);
  prm(7, "Counter low-limit", "Unsigned16 0 0-65535", nullptr);
  l << QString();
  Add_Section_Title(l, QStringLiteral("General DP Keywords"), 86);
  l << QStringLiteral("GSD_Revision = 5") << QStringLiteral("Vendor_Name = \"Quorvane\"")
    << QStringLiteral("Model_Name = \"HDTarn07\"") << QStringLiteral("Revision = \"1.00\"")
    << QStringLiteral("Ident_Number = 0x") + Hex_Upper(Maker::Profibus_Ident, 4)
    << QStringLiteral("Protocol_Ident = 0") << QStringLiteral("Station_Type = 0") << QStringLiteral("FMS_supp = 0")
    << QStringLiteral("Hardware_Release = \"V1.00\"") << QStringLiteral("Software_Release = \"V1.00\"")
    << QStringLiteral("Redundancy = 0") << QStringLiteral("Repeater_Ctrl_Sig = 2") << QStringLiteral("24V_Pins = 0")
    << QString() << QString();
  Add_Section_Title(l, QStringLiteral("Supported baudrates"), 79);
  const char* rates[] = {"9.6", "19.2", "45.45", "93.75", "187.5", "500", "1.5M", "3M", "6M", "12M"};
  const int tsdr[] = {15, 15, 15, 15, 15, 15, 20, 35, 50, 95};
  for (const char* rate : rates) l << QStringLiteral("%1_supp = 1").arg(QLatin1String(rate));
  l << QString();
  for (int i = 0; i < 10; ++i) l << QStringLiteral("MaxTsdr_%1=%2").arg(QLatin1String(rates[i])).arg(tsdr[i]);
  l << QString() << QString();
  Add_Section_Title(l, QStringLiteral("Slave specific values"), 79);
}

void Add_Module(QStringList& l, const char* kind, const char* id, int64_t k, int64_t length_byte) {
  l << QStringLiteral("Module=\"%1  (PORT%2)    \" %3,0x%4,0x00,0x%5")
           .arg(QLatin1String(kind))
           .arg(k)
           .arg(QLatin1String(id), Hex_Upper(length_byte, 2), Hex_Upper(k, 2))
    << QString::number(k) << QStringLiteral("EndModule");
}

// Every module of one direction carries 64 bytes, the last one the rest.
void Add_Modules(QStringList& l, const char* kind, const char* id, int32_t bytes, int64_t first) {
  const int64_t count = GSD_Module_Count(bytes);
  for (int64_t m = 1; m <= count; ++m) {
    const int64_t carried = m < count ? Module_Bytes : bytes - Module_Bytes * (count - 1);
    Add_Module(l, kind, id, first + m - 1, carried - 1);
  }
}

}  // namespace

int64_t GSD_Module_Count(int32_t bytes) {
  return bytes <= 0 ? 0 : (static_cast<int64_t>(bytes) + Module_Bytes - 1) / Module_Bytes;
}

bool GSD_Sizes_Fit(const TGSD_Sizes& sizes) {
  return GSD_Module_Count(sizes.Input_Bytes) + GSD_Module_Count(sizes.Output_Bytes) <= Max_GSD_Modules;
}

TInputLoad Read_GSD_Sizes(const QString& pargen_path, TGSD_Sizes& sizes, QString& error) {
  sizes = {};
  TParGenExtraTexts texts;
  switch (Load_ParGen_Texts(pargen_path, {"PROFINET_NB_IN", "PROFINET_NB_OUT"}, texts)) {
    case TParGenLoadResult::Missing:
      return TInputLoad::Missing;
    case TParGenLoadResult::Unreadable:
      error = Unreadable_Input_Text(pargen_path);
      return TInputLoad::Unreadable;
    case TParGenLoadResult::Loaded:
      break;
  }
  sizes.Output_Bytes = Export_Int(texts[0], 0);
  sizes.Input_Bytes = Export_Int(texts[1], 0);
  return TInputLoad::Loaded;
}

QStringList GSD_Lines(const TGSD_Sizes& sizes) {
  QStringList l;
  Add_Head(l);
  const int64_t inputs = GSD_Module_Count(sizes.Input_Bytes);
  const int64_t modules = inputs + GSD_Module_Count(sizes.Output_Bytes);
  l << QStringLiteral("OrderNumber=\"%1\"").arg(Maker::Profibus_Order_Code)
    << QStringLiteral("Slave_Family = 9@Quorvane@HDTarn07") << QStringLiteral("Implementation_Type = \"VPC3+\"")
    << QStringLiteral("Info_Text=\"Quorvane: OPC UA Client / PROFIBUS Slave - Converter\"")
    << QStringLiteral("Bitmap_Device = \"DPV0_1N\"") << QStringLiteral("Bitmap_SF=\"DPV0_1S\"") << QString()
    << QStringLiteral("Freeze_Mode_supp=1") << QStringLiteral("Sync_Mode_supp=1") << QStringLiteral("Fail_Safe=1")
    << QStringLiteral("Auto_Baud_supp=1") << QStringLiteral("Set_Slave_Add_supp=0") << QString()
    << QStringLiteral("Min_Slave_Intervall=6") << QString() << QStringLiteral("Modular_Station=1")
    << QStringLiteral("Max_Module=%1").arg(modules) << QStringLiteral("Modul_Offset=1")
    << QStringLiteral("Max_Input_Len=%1").arg(sizes.Input_Bytes)
    << QStringLiteral("Max_Output_Len=%1").arg(sizes.Output_Bytes)
    // Summed wide: two large counts must not wrap round.
    << QStringLiteral("Max_Data_Len=%1").arg(static_cast<int64_t>(sizes.Input_Bytes) + sizes.Output_Bytes)
    << QStringLiteral("Max_Diag_Data_Len=15") << QString() << QStringLiteral("WD_Base_1ms_supp = 1")
    << QStringLiteral("Publisher_supp = 1") << QString();
  Add_Section_Title(l, QStringLiteral("User-Prm-Data"), 79);
  l << QStringLiteral("Max_User_Prm_Data_Len = 12") << QStringLiteral("Ext_User_Prm_Data_Const(0)= 0x00,0x00,0x00")
    << QString();
  Add_Section_Title(l, QStringLiteral("Modulstatus"), 79);
  for (int slot = 1; slot <= 2; ++slot) {
    l << QStringLiteral("Unit_Diag_Area = %1 - %2").arg(22 + 2 * slot).arg(23 + 2 * slot)
      << QStringLiteral("Value(1)= \"Slot %1: Module error\"").arg(slot)
      << QStringLiteral("Value(2)= \"Slot %1: Wrong module\"").arg(slot)
      << QStringLiteral("Value(3)= \"Slot %1: No module\"").arg(slot) << QStringLiteral("Unit_Diag_Area_End");
  }
  l << QString() << QString();
  Add_Section_Title(l, QStringLiteral("Module-Definition-List"), 79);
  Add_Modules(l, "DI", "0x42", sizes.Input_Bytes, 1);
  Add_Modules(l, "DO", "0x82", sizes.Output_Bytes, inputs + 1);
  l << QString() << QString() << QString() << QStringLiteral("SlotDefinition");
  for (int64_t s = 1; s <= modules; ++s) l << QStringLiteral("Slot(%1) = \"Slot %1\" %1 %1").arg(s);
  l << QStringLiteral("EndSlotDefinition") << QString() << QString() << QString() << QString();
  return l;
}
