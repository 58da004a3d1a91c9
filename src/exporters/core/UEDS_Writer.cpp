#include "UEDS_Writer.h"

#include "UExport_Maker.h"

namespace {

const char* const Receive_Prefixes[Max_PDO_Rows] = {"b",  "c",  "d",  "e",  "f",  "g",  "h",  "j",  "k",  "i",
                                                    "aa", "ab", "ac", "ad", "ae", "af", "ag", "ah", "ai", "al",
                                                    "am", "an", "ao", "ap", "aq", "ar", "as", "at", "au", "av"};
const char* const Transmit_Prefixes[Max_PDO_Rows] = {"l",  "m",  "n",  "o",  "p",  "q",  "r",  "s",  "t",  "u",
                                                     "ca", "cb", "cc", "cd", "ce", "cf", "cg", "ch", "ci", "cl",
                                                     "cm", "cn", "co", "cp", "cq", "cr", "cs", "ct", "cu", "cv"};

const QString Description = QStringLiteral("Converter OPC UA Client / CANopen");

QString H4(int64_t v) {
  return Hex_Upper(v, 4);
}
QString H2(int64_t v) {
  return Hex_Upper(v, 2);
}

// A variable's block: header, name, type and access lines, the default when there is one, then PDOMapping.
void Variable(QStringList& l, const QString& header, const QString& name, const char* type, const char* access,
              const QString& value, const char* object_type = "0x07", int mapping = 0) {
  l << QStringLiteral("[%1]").arg(header) << QStringLiteral("ParameterName=") + name
    << QStringLiteral("ObjectType=") + QLatin1String(object_type) << QStringLiteral("DataType=") + QLatin1String(type)
    << QStringLiteral("AccessType=") + QLatin1String(access);
  if (!value.isNull()) l << QStringLiteral("DefaultValue=") + value;
  l << QStringLiteral("PDOMapping=%1").arg(mapping) << QString();
}

void Record(QStringList& l, const QString& header, int64_t subs, const QString& name, const char* object_type) {
  l << QStringLiteral("[%1]").arg(header) << QStringLiteral("SubNumber=%1").arg(subs)
    << QStringLiteral("ParameterName=") + name << QStringLiteral("ObjectType=") + QLatin1String(object_type)
    << QString();
}

void Add_Head(QStringList& l, const TPDO_Table& pdos, const TSDO_Index_List& sdos, const QDateTime& now) {
  const QString t = EDS_Time_Text(now.time());
  const QString d = EDS_Date_Text(now.date());
  const int64_t rx = pdos.Receive.size();
  const int64_t tx = pdos.Transmit.size();
  l << QStringLiteral("[FileInfo]") << QStringLiteral("FileName=OPC_UA_Client_CANopen.eds")
    << QStringLiteral("FileVersion=1") << QStringLiteral("FileRevision=0") << QStringLiteral("EDSVersion=4.0")
    << QStringLiteral("Description=") + Description << QStringLiteral("CreationTime=") + t
    << QStringLiteral("CreationDate=") + d << QStringLiteral("CreatedBy=Quorvane")
    << QStringLiteral("ModificationTime=") + t << QStringLiteral("ModificationDate=") + d
    << QStringLiteral("ModifiedBy=Quorvane") << QString();
  l << QStringLiteral("[DeviceInfo]") << QStringLiteral("VendorName=Quorvane") << QStringLiteral("VendorNumber=0x00")
    << QStringLiteral("ProductName=") + Description
    << QStringLiteral("ProductNumber=") + Maker::Canopen_Product_Number << QStringLiteral("RevisionNumber=0x0")
    << QStringLiteral("OrderCode=HDTarn13");
  for (const char* rate : {"10", "20", "50", "125", "250", "500"})
    l << QStringLiteral("BaudRate_%1=1").arg(QLatin1String(rate));
  l << QStringLiteral("BaudRate_800=0") << QStringLiteral("BaudRate_1000=1")
    << QStringLiteral("DynamicChannelsSupported=0") << QStringLiteral("GroupMessaging=0")
    << QStringLiteral("LSS_Supported=0") << QStringLiteral("Granularity=0") << QStringLiteral("SimpleBootUpSlave=1")
    << QStringLiteral("SimpleBootUpMaster=0") << QStringLiteral("NrOfRXPDO=%1").arg(rx)
    << QStringLiteral("NrOfTXPDO=%1").arg(tx) << QString();
  l << QStringLiteral("[Comments]") << QStringLiteral("Lines=0") << QString() << QStringLiteral("[DummyUsage]");
  for (int i = 1; i <= 7; ++i) l << QStringLiteral("Dummy000%1=0").arg(i);
  l << QString() << QStringLiteral("[MandatoryObjects]") << QStringLiteral("SupportedObjects=3")
    << QStringLiteral("1=0x1000") << QStringLiteral("2=0x1001") << QStringLiteral("3=0x1018") << QString();
  l << QStringLiteral("[OptionalObjects]") << QStringLiteral("SupportedObjects=%1").arg(8 + 3 * rx + 3 * tx);
  int n = 0;
  for (const char* object : {"0x1005", "0x1006", "0x1008", "0x1014", "0x1016", "0x1017", "0x1029", "0x1280"})
    l << QStringLiteral("%1=%2").arg(++n).arg(QLatin1String(object));
  const auto group = [&](int base, int64_t count) {
    for (int64_t i = 0; i < count; ++i) l << QStringLiteral("%1=0x%2").arg(++n).arg(H4(base + i));
  };
  group(0x1400, rx);
  group(0x1600, rx);
  group(0x1800, tx);
  group(0x1A00, tx);
  group(0x7000, rx);
  group(0x7050, tx);
  l << QString() << QStringLiteral("[ManufacturerObjects]") << QStringLiteral("SupportedObjects=%1").arg(sdos.size());
  for (size_t k = 0; k < sdos.size(); ++k) l << QStringLiteral("%1=0x%2").arg(k + 1).arg(H4(sdos[k].Index));
  l << QString();
}

void Add_Fixed_Objects(QStringList& l) {
  const QString none;
  Variable(l, "1000", "Device Type", "0x0007", "const", "0x000101A4");
  Variable(l, "1001", "Error Register", "0x0005", "ro", "0x00");
  Variable(l, "1005", "COB-ID SYNC", "0x0007", "rw", "0x80000080");
  Variable(l, "1006", "Communication Cycle Period", "0x0007", "rw", "0x00000000");
  Variable(l, "1008", "Manufacturer Device Name", "0x0009", "const", "s1");
  Variable(l, "1014", "COB-ID EMCY", "0x0007", "ro", "$NODEID+0x80");
  Record(l, "1016", 3, "Heartbeat Consumer Entries", "0x08");
  Variable(l, "1016sub0", "Number of Entries", "0x0005", "ro", "0x02");
  Variable(l, "1016sub1", "Consumer Heartbeat Time 1", "0x0007", "rw", "0x00000000");
  Variable(l, "1016sub2", "Consumer Heartbeat Time 2", "0x0007", "rw", "0x00000000");
  Variable(l, "1017", "Producer Heartbeat Time", "0x0006", "rw", "0x000003E8");
  Record(l, "1018", 5, "Identity Object", "0x09");
  Variable(l, "1018sub0", "number of entries", "0x0005", "ro", "0x4");
  Variable(l, "1018sub1", "Vendor Id", "0x0007", "ro", none);
  Variable(l, "1018sub2", "Product Code", "0x0007", "ro", none);
  Variable(l, "1018sub3", "Revision number", "0x0007", "ro", none);
  Variable(l, "1018sub4", "Serial number", "0x0007", "ro", none);
  Record(l, "1029", 2, "Error Behaviour", "0x08");
  Variable(l, "1029sub0", "Number of Entries", "0x0005", "ro", "1");
  Variable(l, "1029sub1", "Communication Error", "0x0005", "rw", "0x0");
  Record(l, "1280", 4, "Client SDO Parameter 1", "0x09");
  Variable(l, "1280sub0", "Number of Entries", "0x0005", "ro", "0x03");
  Variable(l, "1280sub1", "COB-ID Client -> Server", "0x0007", "rw", none);
  Variable(l, "1280sub2", "COB-ID Server -> Client", "0x0007", "rw", none);
  Variable(l, "1280sub3", "Node ID of the SDO Server", "0x0005", "rw", none);
  // The last fixed block is followed by the PDO blocks without an empty line.
  l.removeLast();
}

void Add_Communication(QStringList& l, const std::vector<TPDO_Row>& rows, int base, const char* kind) {
  for (size_t i = 0; i < rows.size(); ++i) {
    const QString x = H4(base + static_cast<int64_t>(i));
    Record(l, x, 4, QStringLiteral("%1 PDO Communication Parameter %2").arg(QLatin1String(kind)).arg(i + 1), "0x09");
    Variable(l, x + "sub0", "Number of Entries", "0x0005", "ro", "0x03");
    Variable(l, x + "sub1", "COB-ID", "0x0007", "rw", "0x" + Hex_Upper(rows[i].COB_ID, 8));
    Variable(l, x + "sub2", "Transmission Type", "0x0005", "rw", "0xFE");
    Variable(l, x + "sub3", "Inhibit Time", "0x0006", "rw", "0x0");
  }
}

void Add_Mapping(QStringList& l, const std::vector<TPDO_Row>& rows, int base, int variables, bool numbered,
                 const char* kind) {
  for (size_t i = 0; i < rows.size(); ++i) {
    const QString y = H4(base + static_cast<int64_t>(i));
    const int64_t dim = rows[i].Dimension;
    QString name = QStringLiteral("%1 PDO Mapping Parameter").arg(QLatin1String(kind));
    if (numbered) name += QStringLiteral(" %1").arg(i + 1);
    Record(l, y, dim + 1, name, "0x09");
    Variable(l, y + "sub0", "Number of Entries", "0x0005", "ro", "0x" + H2(dim));
    for (int64_t j = 1; j <= dim; ++j)
      Variable(l, QStringLiteral("%1sub%2").arg(y).arg(j), QStringLiteral("Mapping Entry %1").arg(j), "0x0007", "ro",
               "0x" + H4(variables + static_cast<int64_t>(i)) + H2(j) + "08");
  }
}

void Add_Variables(QStringList& l, const std::vector<TPDO_Row>& rows, int base, const char* name,
                   const char* const* prefixes, const char* count_access, const char* access) {
  for (size_t i = 0; i < rows.size(); ++i) {
    const QString v = H4(base + static_cast<int64_t>(i));
    const int64_t dim = rows[i].Dimension;
    Record(l, v, dim + 1, QStringLiteral("%1%2").arg(QLatin1String(name)).arg(i + 1), "0x08");
    Variable(l, v + "sub0", "Number of Entries", "0x0005", count_access, "0x" + H2(dim));
    for (int64_t j = 1; j <= dim; ++j)
      Variable(l, QStringLiteral("%1sub%2").arg(v).arg(j),
               QStringLiteral("%1%2").arg(QLatin1String(prefixes[i])).arg(j), "0x0005", access, "0x00", "0x07", 1);
  }
}

void Add_SDO_Objects(QStringList& l, const TSDO_Index_List& sdos) {
  for (const TSDO_Index& index : sdos) {
    const QString i = H4(index.Index);
    const TSDO_Sub_Type& first = index.Sub_Indexs.front();
    const int64_t count = static_cast<int64_t>(index.Sub_Indexs.size());
    Record(l, i, first.Sub == 0 ? count : count + 1, "App Vars", "0x9");
    if (first.Sub != 0)
      Variable(l, i + "sub0", "Largest Sub-Index supported", "0x0005", "ro", "0x" + H2(index.Sub_Indexs.back().Sub),
               "0x7");
    for (const TSDO_Sub_Type& sub : index.Sub_Indexs) {
      l << QStringLiteral("[%1sub%2]").arg(i).arg(sub.Sub) << QStringLiteral("ParameterName=Application Variable")
        << QStringLiteral("ObjectType=0x7");
      if (sub.Quantity == 1)
        l << "DataType=0x0005"
          << "LowLimit=0x00"
          << "HighLimit=0xFF"
          << "DefaultValue=0x00";
      else if (sub.Quantity == 2)
        l << "DataType=0x0006"
          << "LowLimit=0x0000"
          << "HighLimit=0xFFFF"
          << "DefaultValue=0x0000";
      else
        l << "DataType=0x0007"
          << "LowLimit=0x00000000"
          << "HighLimit=0xFFFFFFFF"
          << "DefaultValue=0x00000000";
      l << (sub.Readonly ? QStringLiteral("AccessType=ro") : QStringLiteral("AccessType=rw"))
        << QStringLiteral("PDOMapping=0") << QString();
    }
  }
}

}  // namespace

QString EDS_Date_Text(const QDate& date) {
  return date.toString(QStringLiteral("MM-dd-")) + QString::number(date.year());
}

QString EDS_Time_Text(const QTime& time) {
  const int h = time.hour();
  const int m = time.minute();
  int hour = h;
  QString suffix = QStringLiteral("AM");
  if (h >= 13) {
    hour = h - 12;
    suffix = QStringLiteral("PM");
  } else if (h == 12 && m > 0) {
    // Kept as the file always had it: half past noon is "00:30PM".
    hour = 0;
    suffix = QStringLiteral("PM");
  }
  return QStringLiteral("%1:%2%3").arg(hour, 2, 10, QLatin1Char('0')).arg(m, 2, 10, QLatin1Char('0')).arg(suffix);
}

QStringList EDS_Lines(const TPDO_Table& pdos, const TSDO_Index_List& sdos, const QDateTime& now) {
  QStringList l;
  Add_Head(l, pdos, sdos, now);
  Add_Fixed_Objects(l);
  Add_Communication(l, pdos.Receive, 0x1400, "Receive");
  Add_Mapping(l, pdos.Receive, 0x1600, 0x7000, false, "Receive");
  Add_Communication(l, pdos.Transmit, 0x1800, "Transmit");
  Add_Mapping(l, pdos.Transmit, 0x1A00, 0x7050, true, "Transmit");
  Add_Variables(l, pdos.Receive, 0x7000, "RPDO", Receive_Prefixes, "ro", "rww");
  Add_Variables(l, pdos.Transmit, 0x7050, "TPDO", Transmit_Prefixes, "rw", "rwr");
  Add_SDO_Objects(l, sdos);
  l << QString();
  return l;
}
