#include <gtest/gtest.h>

#include "TExport_Check.h"
#include "TTempFolder.h"
#include "UEDE_Writer.h"

namespace {

const QDateTime Stamp(QDate(2023, 2, 16), QTime(9, 5, 7));

// A ";"-separated CSV reader: fields in double quotes may hold ";", line breaks and doubled quotes.
std::vector<QStringList> Parse_Csv(const QString& text, QString& problem) {
  std::vector<QStringList> records;
  QStringList fields;
  QString field;
  bool quoted = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (quoted) {
      if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
        field += c;
        ++i;
      } else if (c == u'"') {
        quoted = false;
        if (i + 1 < text.size() && text[i + 1] != u';' && text[i + 1] != u'\r')
          problem = QStringLiteral("text after a closing quote at %1").arg(i);
      } else {
        field += c;
      }
    } else if (c == u'"' && field.isEmpty()) {
      quoted = true;
    } else if (c == u'"') {
      problem = QStringLiteral("quote inside an unquoted field at %1").arg(i);
    } else if (c == u';') {
      fields << field;
      field.clear();
    } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
      fields << field;
      field.clear();
      records.push_back(fields);
      fields.clear();
      ++i;
    } else if (c == u'\r' || c == u'\n') {
      problem = QStringLiteral("bare line break at %1").arg(i);
    } else {
      field += c;
    }
  }
  if (quoted) problem = QStringLiteral("unterminated quote");
  if (!field.isEmpty() || !fields.isEmpty()) problem = QStringLiteral("last line without CR LF");
  return records;
}

std::vector<TBACnet_EDE_Obj> Read_Rows(const TTempFolder& folder, const QByteArray& xml,
                                       const TEDE_Device_Settings& settings) {
  folder.Write("BACnet.xml", xml);
  std::vector<TBACnet_EDE_Obj> rows;
  QString error;
  EXPECT_EQ(Read_EDE_Objects(folder.File("BACnet.xml"), settings, rows, error), TInputLoad::Loaded)
      << error.toStdString();
  return rows;
}

const QByteArray Example_Xml =
    "<BACnet><BACnet_in_Read>"
    "<R Data_Type=\"Analog Input\" Eng_Unit=\"62\" Mnemonic=\"Boiler_Temperature_1\"/>"
    "<R Data_Type=\"Analog Input\" Eng_Unit=\"62\" Mnemonic=\"T2\"/>"
    "<R Data_Type=\"Multi State Value\" Eng_Unit=\"95\" Mnemonic=\"Mode\"/>"
    "</BACnet_in_Read><BACnet_in_Write>"
    "<R Data_Type=\"analog input \" Eng_Unit=\"62\" Mnemonic=\"Setpoint\"/>"
    "<R Data_Type=\"Binary Out\" Mnemonic=\"Pump\"/>"
    "</BACnet_in_Write></BACnet>";

}  // namespace

// Instances count per object type across both tables; names are cut to the name length, the key name is not.
TEST(EdeWriter, WritesTheExampleWholeAndAsCsv) {
  TTempFolder folder;
  const auto rows = Read_Rows(folder, Example_Xml, {QStringLiteral("1234"), 16});
  const QByteArray bytes = Ansi_Lines_Bytes(EDE_Lines(QStringLiteral("Plant"), rows, Stamp));
  Expect_Same_As_File(bytes, QStringLiteral("ede_example.csv"));
  QString problem;
  const auto records = Parse_Csv(QString::fromLatin1(bytes), problem);
  ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
  ASSERT_EQ(records.size(), 7u + 5u);
  EXPECT_EQ(records[6], QStringList({"# keyname", "device obj.-instance", "object-name", "object-type",
                                     "object-instance", "description", "unit-code", ""}));
  EXPECT_EQ(records[7], QStringList({"1234_Boiler_Temperature_1_0", "1234", "Boiler_Temperatu", "0", "0",
                                     "Boiler_Temperatu", "62", ""}));
  EXPECT_EQ(records[9][3] + records[9][4], QStringLiteral("190"));
  EXPECT_EQ(records[10][3] + records[10][4], QStringLiteral("02"));
  EXPECT_EQ(records[11][3] + records[11][4], QStringLiteral("40"));
}

// A ";", a double quote or a line break typed into a table cannot add columns or lines.
TEST(EdeWriter, QuotesFieldsThatWouldBreakTheList) {
  TTempFolder folder;
  const auto rows = Read_Rows(folder,
                              "<B><BACnet_in_Read><R Data_Type=\"Accumulator\" Eng_Unit=\"m;s\" "
                              "Mnemonic=\"say &quot;hi&quot;;&#10;x\"/></BACnet_in_Read><BACnet_in_Write/></B>",
                              {QStringLiteral("7"), 32});
  const QByteArray bytes = Ansi_Lines_Bytes(EDE_Lines(QStringLiteral("a;b"), rows, Stamp));
  QString problem;
  const auto records = Parse_Csv(QString::fromLatin1(bytes), problem);
  ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
  ASSERT_EQ(records.size(), 8u);
  EXPECT_EQ(records[0][1], QStringLiteral(" Quorvane-HDTarn20-a;b"));
  EXPECT_EQ(records[7],
            QStringList({"7_say \"hi\";\nx_0", "7", "say \"hi\";\nx", "23", "0", "say \"hi\";\nx", "m;s", ""}));
  EXPECT_EQ(EDE_Field(QStringLiteral("plain text")), QStringLiteral("plain text"));
}

TEST(EdeWriter, ReadsTheDeviceSettings) {
  TTempFolder folder;
  struct Case {
    QByteArray xml;
    QString instance;
    int32_t length;
  };
  const Case cases[] = {
      {"<P><BACnet_DEV_IDE>1234</BACnet_DEV_IDE><BACnet_Ser_DEV_IDE>77</BACnet_Ser_DEV_IDE></P>", "1234", 16},
      {"<P><BACnet_Type>1</BACnet_Type><BACnet_DEV_IDE>1234</BACnet_DEV_IDE><BACnet_Ser_DEV_IDE>77</"
       "BACnet_Ser_DEV_IDE>"
       "<BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></P>",
       "77", 32},
      {"<P><BACnet_Type>1</BACnet_Type><BACnet_DEV_IDE>1234</BACnet_DEV_IDE><BACnet_Desc_Chars_Limit>01"
       "</BACnet_Desc_Chars_Limit></P>",
       "", 16},
  };
  for (const Case& c : cases) {
    folder.Write("ParGen.xml", c.xml);
    TEDE_Device_Settings settings;
    QString error;
    EXPECT_EQ(Read_EDE_Device_Settings(folder.File("ParGen.xml"), settings, error), TInputLoad::Loaded);
    EXPECT_EQ(settings.Device_Instance, c.instance) << c.xml.toStdString();
    EXPECT_EQ(settings.Name_Length, c.length) << c.xml.toStdString();
  }
  TEDE_Device_Settings settings;
  QString error;
  EXPECT_EQ(Read_EDE_Device_Settings(folder.File("none.xml"), settings, error), TInputLoad::Missing);
  EXPECT_EQ(settings.Name_Length, 16);
}

TEST(EdeWriter, ObjectTypesAndInstances) {
  const std::pair<const char*, int> cases[] = {{"ANALOG INPUT", 0},       {"BINARY VALUE", 5},
                                               {"MULTI STATE VALUE", 19}, {"POSITIVE INTEGER VALUE", 48},
                                               {"ANALOG OUTPUT", 0},      {"", 0}};
  for (const auto& [name, code] : cases) EXPECT_EQ(EDE_Object_Type_Code(QLatin1String(name)), code) << name;
  TEDE_Instance_Counters counters;
  EXPECT_EQ(counters.Next_EDE_Object_Instance(19), 0);
  EXPECT_EQ(counters.Next_EDE_Object_Instance(19), 1);
  EXPECT_EQ(counters.Next_EDE_Object_Instance(0), 0);
  EXPECT_EQ(counters.Next_EDE_Object_Instance(-1), 0);
  EXPECT_EQ(EDE_Time_Stamp(Stamp), QStringLiteral("09:05:07 16/02/2023"));
}
