#include <gtest/gtest.h>

#include "TExport_Check.h"
#include "TTempFolder.h"
#include "UGSD_Writer.h"

namespace {

QStringList Module_Lines(const QStringList& lines) {
  const qsizetype start = lines.indexOf(QStringLiteral("Ext_User_Prm_Data_Const(0)= 0x00,0x00,0x00"));
  QStringList modules;
  for (qsizetype i = start; i < lines.size(); ++i)
    if (lines[i].startsWith(QStringLiteral("Module=")) || lines[i].startsWith(QStringLiteral("Slot(")))
      modules << lines[i];
  return modules;
}

}  // namespace

// The worked example (130 bytes in, 10 out) as a whole file: the fixed head, three input modules (the last with 2
// bytes), one output module, four slots.
TEST(GsdWriter, WritesTheWorkedExampleWhole) {
  const QStringList lines = GSD_Lines({130, 10});
  EXPECT_EQ(lines.size(), 189 + 12 + 4 + 4 + 5);
  EXPECT_EQ(lines[152], QStringLiteral("Max_Module=4"));
  EXPECT_EQ(lines[188], QString());
  EXPECT_EQ(lines[189], QStringLiteral("Module=\"DI  (PORT1)    \" 0x42,0x3F,0x00,0x01"));
  Expect_Same_As_File(Ansi_Lines_Bytes(lines), QStringLiteral("gsd_130_10.gsd"));
}

// Every box line of the head is 85 characters wide.
TEST(GsdWriter, HeadBoxIsEightyFiveWide) {
  const QStringList lines = GSD_Lines({0, 0});
  for (int i = 1; i <= 20; ++i) EXPECT_EQ(lines[i].size(), 85) << i + 1 << ": " << lines[i].toStdString();
  EXPECT_EQ(lines[26], QStringLiteral(";") + QString(84, QLatin1Char('=')));
  EXPECT_EQ(lines[106], QStringLiteral(";==== Supported baudrates ") + QString(79 - 26, QLatin1Char('=')));
}

TEST(GsdWriter, ModulesFollowTheByteCounts) {
  struct Case {
    int32_t in, out;
    QStringList modules;
    const char* lengths;
  };
  const Case cases[] = {
      {0, 0, {}, "Max_Input_Len=0 Max_Output_Len=0 Max_Data_Len=0"},
      {64,
       0,
       {"Module=\"DI  (PORT1)    \" 0x42,0x3F,0x00,0x01", "Slot(1) = \"Slot 1\" 1 1"},
       "Max_Input_Len=64 Max_Output_Len=0 Max_Data_Len=64"},
      {65,
       -3,
       {"Module=\"DI  (PORT1)    \" 0x42,0x3F,0x00,0x01", "Module=\"DI  (PORT2)    \" 0x42,0x00,0x00,0x02",
        "Slot(1) = \"Slot 1\" 1 1", "Slot(2) = \"Slot 2\" 2 2"},
       "Max_Input_Len=65 Max_Output_Len=-3 Max_Data_Len=62"},
      {0,
       1,
       {"Module=\"DO  (PORT1)    \" 0x82,0x00,0x00,0x01", "Slot(1) = \"Slot 1\" 1 1"},
       "Max_Input_Len=0 Max_Output_Len=1 Max_Data_Len=1"},
      // The sum of two extreme counts must not wrap round.
      {-2147483647 - 1, -1, {}, "Max_Input_Len=-2147483648 Max_Output_Len=-1 Max_Data_Len=-2147483649"},
  };
  for (const Case& c : cases) {
    const QStringList lines = GSD_Lines({c.in, c.out});
    EXPECT_EQ(Module_Lines(lines), c.modules) << c.in << "/" << c.out;
    EXPECT_EQ(QStringList({lines[154], lines[155], lines[156]}).join(' '), QLatin1String(c.lengths));
    const qsizetype slot_start = lines.indexOf(QStringLiteral("SlotDefinition"));
    EXPECT_EQ(lines[slot_start + 1 + c.modules.size() / 2], QStringLiteral("EndSlotDefinition"));
  }
}

TEST(GsdWriter, AtMost255ModulesFit) {
  EXPECT_TRUE(GSD_Sizes_Fit({255 * 64, 0}));
  EXPECT_TRUE(GSD_Sizes_Fit({128 * 64, 127 * 64 - 5}));
  EXPECT_FALSE(GSD_Sizes_Fit({128 * 64, 127 * 64 + 1}));
  EXPECT_FALSE(GSD_Sizes_Fit({0, 2147483647}));
  EXPECT_TRUE(GSD_Sizes_Fit({-2147483647 - 1, -5}));
}

TEST(GsdWriter, ReadsTheSizesFromTheConverterSide) {
  TTempFolder folder;
  struct Case {
    QByteArray xml;
    TInputLoad load;
    int32_t in, out;
  };
  const Case cases[] = {
      {"<Par_Gen><PROFINET_NB_IN>10</PROFINET_NB_IN><PROFINET_NB_OUT>130</PROFINET_NB_OUT></Par_Gen>",
       TInputLoad::Loaded, 130, 10},
      {"<?xml version=\"1.0\"?><Par_Gen><PROFINET_NB_IN> 0x20</PROFINET_NB_IN><PROFINET_NB_OUT>12a</PROFINET_NB_OUT>"
       "</Par_Gen>",
       TInputLoad::Loaded, 0, 32},
      {"<Par_Gen/>", TInputLoad::Loaded, 0, 0},
      {"<Par_Gen><PROFINET_NB_IN>5", TInputLoad::Unreadable, 0, 0},
  };
  for (const Case& c : cases) {
    folder.Write("ParGen.xml", c.xml);
    TGSD_Sizes sizes{7, 7};
    QString error;
    EXPECT_EQ(Read_GSD_Sizes(folder.File("ParGen.xml"), sizes, error), c.load) << c.xml.toStdString();
    EXPECT_EQ(sizes.Input_Bytes, c.in) << c.xml.toStdString();
    EXPECT_EQ(sizes.Output_Bytes, c.out) << c.xml.toStdString();
    if (c.load == TInputLoad::Unreadable) {
      EXPECT_TRUE(error.contains(QStringLiteral("ParGen.xml")));
    }
  }
  TGSD_Sizes sizes;
  QString error;
  EXPECT_EQ(Read_GSD_Sizes(folder.File("none.xml"), sizes, error), TInputLoad::Missing);
}
