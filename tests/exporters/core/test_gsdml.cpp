#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

#include "TExport_Check.h"
#include "TTempFolder.h"
#include "UGSDML_Writer.h"
#include "USaveFile.h"

namespace {

TCheck_Run Xmllint(const QByteArray& bytes, const TTempFolder& folder) {
  const QString path = folder.File("out.xml");
  EXPECT_TRUE(Write_File_Atomic(path, bytes));
  return Run_Checker(QStringLiteral("xmllint"), {QStringLiteral("--noout"), path});
}

}  // namespace

// A configuration without the three elements: the defaults in the template, 167 lines, BOM first.
TEST(GsdmlWriter, WritesTheDefaultConfigurationWhole) {
  const QStringList lines = GSDML_Lines({});
  EXPECT_EQ(lines.size(), 167);
  const QByteArray bytes = Utf8_Bom_Lines_Bytes(lines);
  EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"));
  EXPECT_TRUE(bytes.endsWith("</ISO15745Profile>\r\n"));
  Expect_Same_As_File(bytes, QStringLiteral("gsdml_defaults.xml"));
}

// The station name goes into two attributes: characters of the markup are escaped, and the file stays well-formed
// for an independent parser whatever the user typed.
TEST(GsdmlWriter, EscapesTheStationNameAndStaysWellFormed) {
  TTempFolder folder;
  const QString names[] = {QStringLiteral("SERIAL"), QStringLiteral("a&b <c> \"d\" 'e'"),
                           QStringLiteral("tab\there\nline"), QStringLiteral("Stazione è ü")};
  for (const QString& name : names) {
    TProfinet_Parameters p;
    p.Station_Name = name;
    const TCheck_Run run = Xmllint(Utf8_Bom_Lines_Bytes(GSDML_Lines(p)), folder);
    EXPECT_EQ(run.Exit_Code, 0) << name.toStdString() << "\n" << run.Output.toStdString();
  }
  EXPECT_EQ(Xml_Escaped(QStringLiteral("a&b <c> \"d\" 'e'\t")),
            QStringLiteral("a&amp;b &lt;c&gt; &quot;d&quot; &apos;e&apos;&#9;"));
}

TEST(GsdmlWriter, ReadsTheParametersWithTheirDefaults) {
  TTempFolder folder;
  struct Case {
    QByteArray xml;
    int32_t in, out;
    QString station;
  };
  const Case cases[] = {
      {"<Par_Gen><PROFINET_NB_IN>100</PROFINET_NB_IN><PROFINET_NB_OUT>20</PROFINET_NB_OUT></Par_Gen>", 20, 100,
       "SERIAL"},
      {"<Par_Gen><PROFINET_NB_IN>x</PROFINET_NB_IN><PROFINET_NAME_STA>   </PROFINET_NAME_STA></Par_Gen>", 1438, 1438,
       "SERIAL"},
      {"<Par_Gen><PROFINET_NAME_STA> gw 1 </PROFINET_NAME_STA><PROFINET_NB_OUT>$10</PROFINET_NB_OUT></Par_Gen>", 16,
       1438, " gw 1 "},
  };
  for (const Case& c : cases) {
    folder.Write("ParGen.xml", c.xml);
    TProfinet_Parameters p;
    QString error;
    EXPECT_EQ(Read_PROFINET_Parameters(folder.File("ParGen.xml"), p, error), TInputLoad::Loaded);
    EXPECT_EQ(p.Input_Length, c.in) << c.xml.toStdString();
    EXPECT_EQ(p.Output_Length, c.out) << c.xml.toStdString();
    EXPECT_EQ(p.Station_Name, c.station) << c.xml.toStdString();
  }
  TProfinet_Parameters p;
  p.Input_Length = 20;
  p.Output_Length = 100;
  const QStringList lines = GSDML_Lines(p);
  EXPECT_TRUE(lines[75].contains(QStringLiteral("<Input> <DataItem DataType=\"OctetString\" Length=\"20\" ")));
  EXPECT_TRUE(lines[76].contains(QStringLiteral("<Output><DataItem DataType=\"OctetString\" Length=\"100\" ")));

  folder.Write("ParGen.xml", "<Par_Gen><PROFINET_NB_IN>1");
  QString error;
  EXPECT_EQ(Read_PROFINET_Parameters(folder.File("ParGen.xml"), p, error), TInputLoad::Unreadable);
  EXPECT_TRUE(error.contains(QDir::toNativeSeparators(folder.File("ParGen.xml")))) << error.toStdString();
  EXPECT_EQ(Read_PROFINET_Parameters(folder.File("none.xml"), p, error), TInputLoad::Missing);
  EXPECT_EQ(p.Station_Name, QStringLiteral("SERIAL"));
}

TEST(GsdmlWriter, ComposesTheFileName) {
  const QString f2 = GSDML_Date_Part(QDate(2023, 2, 16));
  EXPECT_EQ(f2, QStringLiteral("-20230216.xml"));
  const std::pair<QString, QString> cases[] = {
      {"", "GSDML-V2.31-Quorvane-HDTarn22-20230216.xml"},
      {"   ", "GSDML-V2.31-Quorvane-HDTarn22-20230216.xml"},
      {"site1", "GSDML-V2.31-Quorvane-HDTarn22_site1-20230216.xml"},
      {"_abc", "GSDML-V2.31-Quorvane-HDTarn22_abc-20230216.xml"},
      {" abc", "GSDML-V2.31-Quorvane-HDTarn22_ abc-20230216.xml"},
  };
  for (const auto& [user, name] : cases) EXPECT_EQ(Compose_GSDML_File_Name(GSDML_Fixed_Part, user, f2), name);
}
