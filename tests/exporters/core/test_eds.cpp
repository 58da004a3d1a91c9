#include <gtest/gtest.h>
#include <QMap>
#include <QRegularExpression>

#include "TExport_Check.h"
#include "TTempFolder.h"
#include "UEDS_Writer.h"

namespace {

const QDateTime Noon_Past(QDate(2023, 2, 16), QTime(12, 30));

using TIni = QMap<QString, QMap<QString, QString>>;

// A strict reader: every line is empty, a section header or key=value inside a section; no section or key twice.
TIni Strict_Ini(const QStringList& lines, QString& problem) {
  TIni ini;
  QString section;
  static const QRegularExpression header(QStringLiteral("^\\[([^\\]]+)\\]$"));
  static const QRegularExpression entry(QStringLiteral("^([A-Za-z0-9_]+)=(.*)$"));
  for (qsizetype i = 0; i < lines.size() && problem.isEmpty(); ++i) {
    const QString& line = lines[i];
    if (line.isEmpty()) continue;
    if (const auto m = header.match(line); m.hasMatch()) {
      section = m.captured(1).toUpper();
      if (ini.contains(section)) problem = QStringLiteral("section twice: ") + line;
      ini[section];
    } else if (const auto e = entry.match(line); e.hasMatch() && !section.isEmpty()) {
      if (ini[section].contains(e.captured(1))) problem = QStringLiteral("key twice: ") + line;
      ini[section][e.captured(1)] = e.captured(2);
    } else {
      problem = QStringLiteral("line %1 is no INI line: %2").arg(i + 1).arg(line);
    }
  }
  return ini;
}

// What an EDS of version 4.0 must hold: its head sections, and a section (with its sub-sections) for every object
// that the object lists name.
void Expect_Valid_EDS(const QStringList& lines) {
  QString problem;
  const TIni ini = Strict_Ini(lines, problem);
  ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
  for (const char* section : {"FILEINFO", "DEVICEINFO", "MANDATORYOBJECTS", "OPTIONALOBJECTS", "MANUFACTUREROBJECTS"})
    ASSERT_TRUE(ini.contains(QLatin1String(section))) << section;
  EXPECT_EQ(ini["FILEINFO"]["EDSVersion"], QStringLiteral("4.0"));
  for (const char* list : {"MANDATORYOBJECTS", "OPTIONALOBJECTS", "MANUFACTUREROBJECTS"}) {
    const auto& objects = ini[QLatin1String(list)];
    const int count = objects["SupportedObjects"].toInt();
    EXPECT_EQ(objects.size(), count + 1) << list;
    for (int k = 1; k <= count; ++k) {
      const QString object = objects.value(QString::number(k)).mid(2).toUpper();
      ASSERT_TRUE(ini.contains(object)) << list << " names " << object.toStdString() << " without a section";
      const auto& body = ini[object];
      EXPECT_TRUE(body.contains(QStringLiteral("ParameterName")) && body.contains(QStringLiteral("ObjectType")));
      if (!body.contains(QStringLiteral("SubNumber"))) continue;
      // The sub-sections present, sub0 included, make up SubNumber.
      int subs = 0;
      for (auto it = ini.begin(); it != ini.end(); ++it)
        if (it.key().startsWith(object + QStringLiteral("SUB"))) ++subs;
      EXPECT_EQ(subs, body[QStringLiteral("SubNumber")].toInt()) << object.toStdString();
    }
  }
}

TPDO_Table Example_PDOs() {
  TPDO_Table t;
  t.Receive = {{0x201, 2}, {0x202, 0}};
  t.Transmit = {{0x181, 1}};
  return t;
}

TSDO_Index_List Example_SDOs() {
  // Rows (0x2000, 3, 1 byte, read), (0x2000, 1, 4 bytes, write) and (0x2001, 0, 2 bytes, write), sorted.
  TSDO_Index_List list = {{0x2000, {{3, 1, true}, {1, 4, false}}}, {0x2001, {{0, 2, false}}}};
  Sort_SDO_Sub_Indexs(list);
  return list;
}

}  // namespace

TEST(EdsWriter, WritesTheExampleWholeAndAsValidEds) {
  const QStringList lines = EDS_Lines(Example_PDOs(), Example_SDOs(), Noon_Past);
  Expect_Same_As_File(Ansi_Lines_Bytes(lines), QStringLiteral("eds_example.eds"));
  Expect_Valid_EDS(lines);
}

// Without PDO and SDO files: head, fixed blocks and one empty line after the last of them.
TEST(EdsWriter, WithoutTablesWritesTheFixedObjectsOnly) {
  const QStringList lines = EDS_Lines({}, {}, Noon_Past);
  EXPECT_TRUE(lines.contains(QStringLiteral("SupportedObjects=8")));
  EXPECT_TRUE(lines.contains(QStringLiteral("SupportedObjects=0")));
  ASSERT_GE(lines.size(), 3);
  EXPECT_EQ(lines.mid(lines.size() - 3), QStringList({"AccessType=rw", "PDOMapping=0", ""}));
  EXPECT_EQ(lines[lines.size() - 7], QStringLiteral("[1280sub3]"));
  Expect_Valid_EDS(lines);
}

// The file's own 12-hour clock, kept as it always was (half past noon is 00:30PM).
TEST(EdsWriter, TimeAndDateTexts) {
  const std::pair<QTime, const char*> cases[] = {
      {QTime(14, 5), "02:05PM"}, {QTime(12, 0), "12:00AM"},  {QTime(12, 30), "00:30PM"},
      {QTime(0, 15), "00:15AM"}, {QTime(11, 59), "11:59AM"}, {QTime(23, 0), "11:00PM"},
  };
  for (const auto& [time, text] : cases) EXPECT_EQ(EDS_Time_Text(time), QLatin1String(text));
  EXPECT_EQ(EDS_Date_Text(QDate(2023, 2, 16)), QStringLiteral("02-16-2023"));
}

TEST(EdsWriter, ReadsThePdoAndSdoTables) {
  TTempFolder folder;
  folder.Write("PDO_CANopen.xml",
               "<PDO><Receive_PDO><R COB-ID=\"0x201\" Dimension=\"2\"/><R COB-ID=\"bad\"/><R Dimension=\"12\"/>"
               "</Receive_PDO></PDO>");
  TPDO_Table pdos;
  QString error;
  ASSERT_EQ(Read_PDO_List(folder.File("PDO_CANopen.xml"), pdos, error), TInputLoad::Loaded);
  ASSERT_EQ(pdos.Receive.size(), 3u);
  EXPECT_TRUE(pdos.Transmit.empty());
  EXPECT_EQ(pdos.Receive[0].COB_ID, 0x201);
  EXPECT_EQ(pdos.Receive[0].Dimension, 2);
  EXPECT_EQ(pdos.Receive[1].COB_ID, 0);
  EXPECT_EQ(pdos.Receive[1].Dimension, 8);
  EXPECT_EQ(pdos.Receive[2].Dimension, 8);

  folder.Write("SDO.xml",
               "<SDO><SDO_Read><R Index=\"0x2000\" SubIndex=\"3\" NByte=\"1\"/><R Index=\"$2001\" SubIndex=\"0\" "
               "NByte=\"2\"/></SDO_Read><SDO_Write><R Index=\"8192\" SubIndex=\"1\" NByte=\"4\"/>"
               "<R Index=\"0x2000\" SubIndex=\"1\" NByte=\"1\"/></SDO_Write></SDO>");
  TSDO_Index_List sdos;
  ASSERT_EQ(Read_SDO_Server_List(folder.File("SDO.xml"), sdos, error), TInputLoad::Loaded);
  ASSERT_EQ(sdos.size(), 2u);
  EXPECT_EQ(Find_SDO_Index(sdos, 0x2001), 1);
  EXPECT_EQ(Find_SDO_Index(sdos, 0x3000), -1);
  Sort_SDO_Sub_Indexs(sdos);
  ASSERT_EQ(sdos[0].Sub_Indexs.size(), 3u);
  // Equal sub-indexes stay in their order: the 4-byte write row before the 1-byte one.
  EXPECT_EQ(sdos[0].Sub_Indexs[0].Quantity, 4);
  EXPECT_EQ(sdos[0].Sub_Indexs[1].Quantity, 1);
  EXPECT_EQ(sdos[0].Sub_Indexs[2].Sub, 3);
  EXPECT_TRUE(sdos[0].Sub_Indexs[2].Readonly);

  folder.Write("SDO.xml",
               "<SDO><SDO_Read/><SDO_Write><R Index=\"0x2000\" SubIndex=\"one\" NByte=\"4\"/></SDO_Write></SDO>");
  EXPECT_EQ(Read_SDO_Server_List(folder.File("SDO.xml"), sdos, error), TInputLoad::Unreadable);
  EXPECT_TRUE(sdos.empty());
  EXPECT_TRUE(error.contains(QStringLiteral("SubIndex of row 1 of SDO_Write"))) << error.toStdString();
  folder.Write("SDO.xml", "<SDO>");
  EXPECT_EQ(Read_SDO_Server_List(folder.File("SDO.xml"), sdos, error), TInputLoad::Unreadable);
  EXPECT_TRUE(error.contains(QStringLiteral("SDO.xml"))) << error.toStdString();
  EXPECT_EQ(Read_PDO_List(folder.File("none.xml"), pdos, error), TInputLoad::Missing);
}

// More rows than the table holds are left out rather than written beyond its 30 PDOs.
TEST(EdsWriter, KeepsAtMostThirtyPdosPerDirection) {
  TTempFolder folder;
  QByteArray xml = "<PDO><Transmit_PDO>";
  for (int i = 0; i < 31; ++i) xml += "<T COB-ID=\"1\" Dimension=\"1\"/>";
  folder.Write("PDO.xml", xml + "</Transmit_PDO></PDO>");
  TPDO_Table pdos;
  QString error;
  ASSERT_EQ(Read_PDO_List(folder.File("PDO.xml"), pdos, error), TInputLoad::Loaded);
  EXPECT_EQ(pdos.Transmit.size(), 30u);
  Expect_Valid_EDS(EDS_Lines(pdos, {}, Noon_Past));
}
