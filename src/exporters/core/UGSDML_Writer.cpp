#include "UGSDML_Writer.h"

#include "UExport_Maker.h"
#include "UParGenFile.h"

namespace {

// "3T 2S": three tabs, then two blanks.
QString Indent(const char* code) {
  QString out;
  const QString pattern = QString::fromLatin1(code);
  for (const QString& piece : pattern.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const int count = piece.left(piece.size() - 1).toInt();
    out += QString(count, piece.endsWith(QLatin1Char('T')) ? QLatin1Char('\t') : QLatin1Char(' '));
  }
  return out;
}

struct TLine {
  const char* Indent;
  const char* Text;
};

// Lines 4 to 25.
constexpr TLine Head[] = {
    {"1T", "<ProfileHeader>"},
    {"2T", "<ProfileIdentification>PROFINET Device Profile</ProfileIdentification>"},
    {"2T", "<ProfileRevision>1.00</ProfileRevision>"},
    {"2T", "<ProfileName>Device Profile for PROFINET Devices</ProfileName>"},
    {"2T", "<ProfileSource>PROFIBUS Nutzerorganisation e. V. (PNO)</ProfileSource>"},
    {"2T", "<ProfileClassID>Device</ProfileClassID>"},
    {"2T", "<ISO15745Reference>"},
    {"3T", "<ISO15745Part>4</ISO15745Part>"},
    {"3T", "<ISO15745Edition>1</ISO15745Edition>"},
    {"3T", "<ProfileTechnology>GSDML</ProfileTechnology>"},
    {"2T", "</ISO15745Reference>"},
    {"1T", "</ProfileHeader>"},
    {"1T", "<ProfileBody>"},
    {nullptr, nullptr},  // the device identity
    {"3T", "<InfoText TextId=\"IDT_INFO_Device\"/>"},
    {"3T", "<VendorName Value=\"Quorvane\"/>"},
    {"2T", "</DeviceIdentity>"},
    {"2T", "<DeviceFunction>"},
    {"3T", "<Family MainFamily=\"Gateway\" ProductFamily=\"HDTarn22\"/>"},
    {"2T", "</DeviceFunction>"},
    {"2T", "<ApplicationProcess>"},
    {"3T", "<DeviceAccessPointList>"},
};

// Lines 27 to 75.
constexpr TLine Access_Point[] = {
    {"5T", "<ModuleInfo>"},
    {"6T", "<Name TextId=\"IDT_NAME_DAP1\"/>"},
    {"6T", "<InfoText TextId=\"IDT_INFO_DAP1\"/>"},
    {"6T", "<VendorName Value=\"Quorvane\"/>"},
    {"6T", "<OrderNumber Value=\"HDTarn22\"/>"},
    {"5T", "</ModuleInfo>"},
    {"5T", "<SubslotList>"},
    {"6T", "<SubslotItem SubslotNumber=\"0\" TextId=\"IDT_SUBSLOT_1\"/>"},
    {"6T", "<SubslotItem SubslotNumber=\"32768\" TextId=\"IDT_SUBSLOT_Interface\"/>"},
    {"6T", "<SubslotItem SubslotNumber=\"32769\" TextId=\"IDT_SUBSLOT_Port1\"/>"},
    {"6T", "<SubslotItem SubslotNumber=\"32770\" TextId=\"IDT_SUBSLOT_Port2\"/>"},
    {"5T", "</SubslotList>"},
    {"5T", "<IOConfigData MaxInputLength=\"1440\" MaxOutputLength=\"1440\" MaxDataLength=\"2880\"/>"},
    {"5T", "<UseableModules>"},
    {"6T", "<ModuleItemRef ModuleItemTarget=\"IDM_1\" FixedInSlots=\"1\"/>"},
    {"5T", "</UseableModules>"},
    {"5T", "<VirtualSubmoduleList>"},
    {"6T", "<VirtualSubmoduleItem ID=\"IDS_V1\" SubmoduleIdentNumber=\"0x00000000\" >"},
    {"5T 4S", "<IOData IOPS_Length=\"1\" IOCS_Length=\"1\"/>"},
    {"7T", "<ModuleInfo>"},
    {"8T", "<Name TextId=\"IDT_NAME_VS1\"/>"},
    {"8T", "<InfoText TextId=\"IDT_INFO_VS1\"/>"},
    {"7T", "</ModuleInfo>"},
    {"6T", "</VirtualSubmoduleItem>"},
    {"5T", "</VirtualSubmoduleList>"},
    {"5T", "<SystemDefinedSubmoduleList>"},
    {"6T",
     "<InterfaceSubmoduleItem ID=\"IDS_I\" SubmoduleIdentNumber=\"0x00000001\" SubslotNumber=\"32768\" "
     "TextId=\"IDT_NAME_IS\" SupportedRT_Classes=\"RT_CLASS_1\" SupportedProtocols=\"SNMP;LLDP\" "
     "SupportedMibs=\"MIB2\">"},
    {"7T", "<ApplicationRelations>"},
    {"8T", "<TimingProperties SendClock=\"32\" ReductionRatio=\"1 2 4 8 16 32 64 128 256 512\"/>"},
    {"7T", "</ApplicationRelations>"},
    {"6T", "</InterfaceSubmoduleItem>"},
    {"6T",
     "<PortSubmoduleItem ID=\"IDS_P1\" SubmoduleIdentNumber=\"0x00000002\" SubslotNumber=\"32769\" "
     "TextId=\"IDT_NAME_PS1\" MaxPortRxDelay=\"350\" MaxPortTxDelay=\"160\"/>"},
    {"6T",
     "<PortSubmoduleItem ID=\"IDS_P2\" SubmoduleIdentNumber=\"0x00000002\" SubslotNumber=\"32770\" "
     "TextId=\"IDT_NAME_PS2\" MaxPortRxDelay=\"350\" MaxPortTxDelay=\"160\"/>"},
    {"5T", "</SystemDefinedSubmoduleList>"},
    {"5T",
     "<!-- This element tells the engineering tool that the DAP supports fieldbus integration (slot clusters). "
     "-->"},
    {"5T", "<!-- FieldbusIntegrationSlots MaxSupported=\"127\" Range=\"100..9999\"/-->"},
    {"4T", "</DeviceAccessPointItem>"},
    {"3T", "</DeviceAccessPointList>"},
    {"3T", "<ModuleList>"},
    {"4T", "<!-- The \"normal\" module carrying the FAP. -->"},
    {"4T", "<ModuleItem ID=\"IDM_1\" ModuleIdentNumber=\"0x00000001\">"},
    {"5T", "<ModuleInfo>"},
    {"6T", "<Name TextId=\"IDT_NAME_M1\"/>"},
    {"6T", "<InfoText TextId=\"IDT_INFO_M1\"/>"},
    {"6T", "<OrderNumber Value=\"12345-0040-M\"/>"},
    {"5T", "</ModuleInfo>"},
    {"5T", "<VirtualSubmoduleList>"},
    {"3T 2S 2T", "<VirtualSubmoduleItem ID=\"IDM_1\" SubmoduleIdentNumber=\"0x00000001\" >"},
    {"3T 2S 2T 2S", "<IOData IOPS_Length=\"1\" IOCS_Length=\"1\" >"},
};

// Lines 78 to 166.
constexpr TLine Tail[] = {
    {"3T 2S 2T 2S", "</IOData>"},
    {"3T 2S 1T 3S 1T 2S", "<RecordDataList>"},
    {"44S", "<ParameterRecordDataItem Index=\"128\" Length=\"2\" >"},
    {"6T", "<Name TextId=\"IDT_NAME_M1_IDT_REF_channel\"/>"},
    {"48S", "<Const ByteOffset=\"0\" Data=\"0x00,0x00\"/>"},
    {"48S",
     "<Ref TextId=\"IDT_REF_reaction_to_cpu_stop\" Visible=\"true\" DataType=\"BitArea\" ByteOffset=\"0\" "
     "BitOffset=\"0\" BitLength=\"2\" DefaultValue=\"2\" AllowedValues=\"0..2\" "
     "ValueItemTarget=\"IDV_reaction_to_cpu_stop\" ID=\"IDT_REF_reaction_to_cpu_stop\" />"},
    {"47S", "<MenuList>"},
    {"22S 3T 10S", "<MenuItem ID=\"IDT_NAME_M1_IDT_REF_channel\">"},
    {"7T", "<Name TextId=\"IDT_NAME_M1_IDT_REF_channel\"/>"},
    {"7T", "<MenuRef MenuTarget=\"IDT_NAME_M1_Base_Parameters\"/>"},
    {"6T 2S", "</MenuItem>"},
    {"6T 2S", "<MenuItem ID=\"IDT_NAME_M1_Base_Parameters\">"},
    {"7T", "<Name TextId=\"IDT_NAME_M1_Base_Parameters\"/>"},
    {"7T", "<ParameterRef ParameterTarget=\"IDT_REF_reaction_to_cpu_stop\"/>"},
    {"6T 2S", "</MenuItem>"},
    {"5T 7S", "</MenuList>"},
    {"43S", "</ParameterRecordDataItem>"},
    {"38S", "</RecordDataList>"},
    {"3T 2S 1T 4S", "<ModuleInfo>"},
    {"3T 2S 1T 2S 1T 2S", "<Name TextId=\"IDT_NAME_M1\"/>"},
    {"3T 2S 2T 4S", "<InfoText TextId=\"IDT_INFO_M1\"/>"},
    {"1T 3S 2T 2S 1T 2S", "</ModuleInfo>"},
    {"2T 5S 2T", "</VirtualSubmoduleItem>"},
    {"5T", "</VirtualSubmoduleList>"},
    {"4T", "</ModuleItem>"},
    {"3T", "</ModuleList>"},
    {"9S", "<ValueList>"},
    {"4T 1S", "<ValueItem ID=\"IDV_reaction_to_cpu_stop\">"},
    {"5T", "<Assignments>"},
    {"6T", "<Assign TextId=\"IDT_ASSIGN_do_set_substitude_values\" Content=\"0\"/>"},
    {"6T", "<Assign TextId=\"IDT_ASSIGN_do_values_will_hold\" Content=\"1\"/>"},
    {"6T", "<Assign TextId=\"IDT_ASSIGN_do_continue_counting\" Content=\"2\"/>"},
    {"5T", "</Assignments>"},
    {"3T 8S", "</ValueItem>"},
    {"9S", "</ValueList>"},
    {"3T", "<CategoryList>"},
    {"4T", "<CategoryItem ID=\"IDC_DI\" TextId=\"IDT_CATEGORY_DI\">"},
    {"5T", "<InfoText TextId=\"IDT_INFO_DI\"/>"},
    {"4T", "</CategoryItem>"},
    {"4T", "<CategoryItem ID=\"IDC_DO\" TextId=\"IDT_CATEGORY_DO\">"},
    {"5T", "<InfoText TextId=\"IDT_INFO_DO\"/>"},
    {"4T", "</CategoryItem>"},
    {"3T", "</CategoryList>"},
    {"3T", "<ExternalTextList>"},
    {"4T", "<PrimaryLanguage>"},
    {"5T", "<Text TextId=\"IDT_INFO_Device\" Value=\"Quorvane Gateways\"/>"},
    {"5T", "<Text TextId=\"IDT_NAME_DAP1\" Value=\"OPCUACLIENTDevice\"/>"},
    {"5T", "<Text TextId=\"IDT_INFO_DAP1\" Value=\"Profinet OPCUACLIENT Adapter\"/>"},
    {"5T", "<Text TextId=\"IDT_SUBSLOT_1\" Value=\"Subslot 1\"/>"},
    {"5T", "<Text TextId=\"IDT_SUBSLOT_Interface\" Value=\"Interface\"/>"},
    {"5T", "<Text TextId=\"IDT_SUBSLOT_Port1\" Value=\"Port 1\"/>"},
    {"5T", "<Text TextId=\"IDT_SUBSLOT_Port2\" Value=\"Port 2\"/>"},
    {"5T", "<Text TextId=\"IDT_RECORD_NAME_Head\" Value=\"Parameters of head module\"/>"},
    {"5T", "<Text TextId=\"IDT_REF_Power\" Value=\"Percent power\"/>"},
    {"5T", "<Text TextId=\"IDT_NAME_VS1\" Value=\"Submodule V1\"/>"},
    {"5T", "<Text TextId=\"IDT_INFO_VS1\" Value=\"Description of submodule V1\"/>"},
    {"5T", "<Text TextId=\"IDT_NAME_IS\" Value=\"I\"/>"},
    {"5T", "<Text TextId=\"IDT_NAME_PS1\" Value=\"P1\"/>"},
    {"5T", "<Text TextId=\"IDT_NAME_PS2\" Value=\"P2\"/>"},
    {"5T", "<Text TextId=\"IDT_NAME_M1\" Value=\"Module\"/>"},
    {"5T", "<Text TextId=\"IDT_INFO_M1\" Value=\"device OPCUACLIENT\"/>"},
    {"5T", "<Text TextId=\"IDT_NAME_FAP\" Value=\"FAP for OPCUACLIENT\"/>"},
    {"5T", "<Text TextId=\"IDT_INFO_FAP\" Value=\"Description of FAP for OPCUACLIENT\"/>"},
    {"5T", "<Text TextId=\"IDT_RECORD_NAME_SlotCluster\" Value=\"Parameters of the FAP\"/>"},
    {"5T", "<Text TextId=\"IDT_REF_SlotClusterBegin\" Value=\"Beginning of slot cluster\"/>"},
    {"5T", "<Text TextId=\"IDT_NAME_M_PB1\" Value=\"OPCUACLIENT Device \"/>"},
    {"5T", "<Text TextId=\"IDT_INFO_M_PB1\" Value=\"Description of OPCUACLIENT\"/>"},
    {"5T", "<Text TextId=\"IDT_NAME_S_PB1\" Value=\"Module of a OPCUACLIENT\"/>"},
    {"5T", "<Text TextId=\"IDT_INFO_S_PB1\" Value=\"Description of module of a OPCUACLIENT\"/>"},
    {"5T", "<Text TextId=\"IDT_PB_Input\" Value=\"Digital input OPCUACLIENT\"/>"},
    {"5T", "<Text TextId=\"IDT_PB_InputBit0\" Value=\"Digital input bit OPCUACLIENT\"/>"},
    {"5T", "<Text TextId=\"IDT_NAME_S1\" Value=\"Submodule 1\"/>"},
    {"5T", "<Text TextId=\"IDT_INFO_S1\" Value=\"Description of submodule 1\"/>"},
    {"5T", "<Text TextId=\"IDT_Input_1\" Value=\"Input byte\"/>"},
    {"5T", "<Text TextId=\"IDT_Output_1\" Value=\"Output word\"/>"},
    {"5T", "<Text TextId=\"IDT_CATEGORY_DI\" Value=\"Digital Input\"/>"},
    {"5T", "<Text TextId=\"IDT_INFO_DI\" Value=\"Description of digital input\"/>"},
    {"5T", "<Text TextId=\"IDT_CATEGORY_DO\" Value=\"Digital output\"/>"},
    {"5T", "<Text TextId=\"IDT_INFO_DO\" Value=\"Description of digital output\"/>"},
    {"5T", "<Text TextId=\"IDT_NAME_M1_IDT_REF_channel\" Value=\"Canale x\"/>"},
    {"20S", "<Text TextId=\"IDT_REF_reaction_to_cpu_stop\" Value=\"Reaction to CPU STOP\"/>"},
    {"20S", "<Text TextId=\"IDT_NAME_M1_Base_Parameters\" Value=\"Base Parameters\"/>"},
    {"20S", "<Text Value=\"Output substitute value\" TextId=\"IDT_ASSIGN_do_set_substitude_values\"/>"},
    {"5T", "<Text Value=\"Keep last value\" TextId=\"IDT_ASSIGN_do_values_will_hold\"/>"},
    {"5T", "<Text Value=\"Continue operation\" TextId=\"IDT_ASSIGN_do_continue_counting\"/>"},
    {"4T", "</PrimaryLanguage>"},
    {"3T", "</ExternalTextList>"},
    {"2T", "</ApplicationProcess>"},
    {"1T", "</ProfileBody>"},
};

const QString Profile_Namespace = QStringLiteral("http://www.profibus.com/GSDML/2003/11/DeviceProfile");
const QString Instance_Namespace = QStringLiteral("http://www.w3.org/2001/XMLSchema-instance");

template <size_t N>
void Add(QStringList& l, const TLine (&lines)[N], const QString& hole = QString()) {
  for (const TLine& line : lines) l << (line.Text ? Indent(line.Indent) + QString::fromLatin1(line.Text) : hole);
}

}  // namespace

QString Xml_Escaped(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (const QChar c : text) {
    switch (c.unicode()) {
      case '&':
        out += QStringLiteral("&amp;");
        break;
      case '<':
        out += QStringLiteral("&lt;");
        break;
      case '>':
        out += QStringLiteral("&gt;");
        break;
      case '"':
        out += QStringLiteral("&quot;");
        break;
      case '\'':
        out += QStringLiteral("&apos;");
        break;
      // Kept as typed: an attribute value turns raw tabs and line breaks into blanks.
      case '\t':
        out += QStringLiteral("&#9;");
        break;
      case '\n':
        out += QStringLiteral("&#10;");
        break;
      case '\r':
        out += QStringLiteral("&#13;");
        break;
      default:
        out += c;
    }
  }
  return out;
}

TInputLoad Read_PROFINET_Parameters(const QString& pargen_path, TProfinet_Parameters& parameters, QString& error) {
  parameters = {};
  TParGenExtraTexts texts;
  switch (Load_ParGen_Texts(pargen_path, {"PROFINET_NB_IN", "PROFINET_NB_OUT", "PROFINET_NAME_STA"}, texts)) {
    case TParGenLoadResult::Missing:
      return TInputLoad::Missing;
    case TParGenLoadResult::Unreadable:
      error = Unreadable_Input_Text(pargen_path);
      return TInputLoad::Unreadable;
    case TParGenLoadResult::Loaded:
      break;
  }
  parameters.Output_Length = Export_Int(texts[0], 1438);
  parameters.Input_Length = Export_Int(texts[1], 1438);
  if (texts[2] && !texts[2]->trimmed().isEmpty()) parameters.Station_Name = *texts[2];
  return TInputLoad::Loaded;
}

QStringList GSDML_Lines(const TProfinet_Parameters& p) {
  const QString station = Xml_Escaped(p.Station_Name);
  QStringList l;
  l << QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")
    << QStringLiteral("<!-- A fieldbus integration example. -->")
    << QStringLiteral(
           "<ISO15745Profile xmlns=\"%1\" xmlns:xsi=\"%2\" xsi:schemaLocation=\"%1 "
           "..\\xsd\\GSDML-DeviceProfile-v2.31.xsd\">")
           .arg(Profile_Namespace, Instance_Namespace);
  Add(l, Head,
      Indent("2T") + QStringLiteral("<DeviceIdentity VendorID=\"0x%1\" DeviceID=\"0x%2\">")
                         .arg(Hex_Upper(Maker::Profinet_Vendor_Id, 4), Hex_Upper(Maker::Profinet_Device_Id, 4)));
  l << Indent("3T 2S") +
           QStringLiteral(
               "<DeviceAccessPointItem PNIO_Version=\"V2.3\" RequiredSchemaVersion=\"V2.25\" ID=\"IDD_1\" "
               "PhysicalSlots=\"0..4\" ModuleIdentNumber=\"0x00000001\" MinDeviceInterval=\"64\" "
               "ImplementationType=\"%1\" DNS_CompatibleName=\"%1\" FixedInSlots=\"0\" ObjectUUID_LocalIndex=\"1\" "
               "MultipleWriteSupported=\"true\" MaxSupportedRecordSize=\"8192\" "
               "ParameterizationSpeedupSupported=\"true\" PowerOnToCommReady=\"350\" DeviceAccessSupported=\"true\" "
               "SharedDeviceSupported=\"true\" CheckDeviceID_Allowed=\"false\" "
               "NameOfStationNotTransferable=\"true\">")
               .arg(station);
  Add(l, Access_Point);
  l << Indent("3S 3T 2S 2T 5S") +
           QStringLiteral(
               "<Input> <DataItem DataType=\"OctetString\" Length=\"%1\" TextId=\"IDT_Input_1\"/> </Input>")
               .arg(p.Input_Length)
    << Indent("3T 2S 2T 5S") +
           QStringLiteral(
               "<Output><DataItem DataType=\"OctetString\" Length=\"%1\" TextId=\"IDT_Output_1\"/></Output>")
               .arg(p.Output_Length);
  Add(l, Tail);
  l << QStringLiteral("</ISO15745Profile>");
  return l;
}

QString GSDML_Date_Part(const QDate& date) {
  return QStringLiteral("-%1%2%3.xml")
      .arg(date.year())
      .arg(date.month(), 2, 10, QLatin1Char('0'))
      .arg(date.day(), 2, 10, QLatin1Char('0'));
}

QString Compose_GSDML_File_Name(const QString& fixed, const QString& user, const QString& date_part) {
  if (user.trimmed().isEmpty()) return fixed + date_part;
  if (user.startsWith(QLatin1Char('_'))) return fixed + user + date_part;
  return fixed + QStringLiteral("_") + user + date_part;
}
