#include <gtest/gtest.h>
#include <QDir>

#include "TExport_Check.h"
#include "TTempFolder.h"
#include "UMIB_Writer.h"
#include "USaveFile.h"

namespace {

const QByteArray Example_Xml =
    "<SNMP><SNMP_Trap_Read>"
    "<R Enable=\"y\" Type=\"int\" Description=\"Temp\"/>"
    "<R Enable=\"N\" Type=\"Int\" Description=\"Off\"/>"
    "<R Enable=\"\" Type=\"Int\" Description=\"Blank\"/>"
    "<R Enable=\"Y\" Type=\"String\" Description=\"\"/>"
    "</SNMP_Trap_Read><SNMP_Trap_Write>"
    "<R Enable=\"Y\" Type=\"Int\" Description=\"Set point\"/>"
    "<R Type=\"Int\" Description=\"No enable\"/>"
    "</SNMP_Trap_Write></SNMP>";

TMIB_Objects Read_Example(const TTempFolder& folder, const QByteArray& xml = Example_Xml) {
  folder.Write("SNMP_Trap.xml", xml);
  TMIB_Objects objects;
  QString error;
  EXPECT_EQ(Read_SNMP_MIB_Objects(folder.File("SNMP_Trap.xml"), objects, error), TInputLoad::Loaded);
  return objects;
}

// smilint's report at its strictest level. It sees only the written module (no configuration file, the module's
// folder as its only search path), so the report is the same wherever the test runs: Debian ships no IETF MIB
// modules, and a machine that has them must not change the pinned text.
QString Smilint_Report(const TTempFolder& folder, const QStringList& lines) {
  const QString path = folder.File("GATEWAY.mib");
  EXPECT_TRUE(Write_File_Atomic(path, Ansi_Lines_Bytes(lines)));
  // An empty configuration file stands for the global and the user's; SMIPATH without a leading or trailing colon
  // replaces the search path instead of adding to it.
  const TCheck_Run run = Run_Checker(QStringLiteral("smilint"),
                                     {QStringLiteral("-c"), QStringLiteral("/dev/null"), QStringLiteral("-l"),
                                      QStringLiteral("9"), QStringLiteral("GATEWAY.mib")},
                                     folder.Path(), {QStringLiteral("SMIPATH=") + folder.Path()});
  EXPECT_EQ(run.Exit_Code, 0) << run.Output.toStdString();
  return run.Output;
}

}  // namespace

// Enabled rows only, numbered among themselves; a description is the object's name (as an identifier), an empty
// one gives the numbered name; every read row also gives a notification.
TEST(MibWriter, WritesTheExampleWhole) {
  TTempFolder folder;
  const TMIB_Objects objects = Read_Example(folder);
  ASSERT_EQ(objects.Read.size(), 2u);
  ASSERT_EQ(objects.Write.size(), 1u);
  const QStringList lines = MIB_Lines(objects);
  EXPECT_TRUE(
      lines.contains(QStringLiteral("temp OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current DESCRIPTION "
                                    "\"Temp\" ::= { bufferinval 1 }")));
  EXPECT_TRUE(
      lines.contains(QStringLiteral("bufferinval2 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only STATUS "
                                    "current DESCRIPTION \"\" ::= { bufferinval 2 }")));
  Expect_Same_As_File(Ansi_Lines_Bytes(lines), QStringLiteral("mib_example.mib"));
}

// The fixed text of the module mixes an SMIv1 import with SMIv2 clauses and gives its notifications the clauses of
// an object; smilint's findings on the example are pinned, so that any further problem shows.
TEST(MibWriter, SmilintFindsOnlyWhatTheFixedTextHolds) {
  TTempFolder folder;
  const QString report = Smilint_Report(folder, MIB_Lines(Read_Example(folder)));
  const QString expected = QString::fromUtf8(R"(GATEWAY.mib:4: failed to locate MIB module `SNMPv2-SMI'
GATEWAY.mib:6: failed to locate MIB module `SNMPv2-TC'
GATEWAY.mib:8: failed to locate MIB module `RFC1155-SMI'
GATEWAY.mib:31: MAX-ACCESS is SMIv2 style, use ACCESS in SMIv1 MIBs instead
GATEWAY.mib:31: invalid status `current' in SMIv1 MIB
GATEWAY.mib:31: warning: zero-length description string
GATEWAY.mib:32: MAX-ACCESS is SMIv2 style, use ACCESS in SMIv1 MIBs instead
GATEWAY.mib:32: invalid status `current' in SMIv1 MIB
GATEWAY.mib:32: warning: zero-length description string
GATEWAY.mib:33: MAX-ACCESS is SMIv2 style, use ACCESS in SMIv1 MIBs instead
GATEWAY.mib:33: invalid status `current' in SMIv1 MIB
GATEWAY.mib:33: warning: zero-length description string
GATEWAY.mib:35: MAX-ACCESS is SMIv2 style, use ACCESS in SMIv1 MIBs instead
GATEWAY.mib:35: invalid status `current' in SMIv1 MIB
GATEWAY.mib:36: MAX-ACCESS is SMIv2 style, use ACCESS in SMIv1 MIBs instead
GATEWAY.mib:36: invalid status `current' in SMIv1 MIB
GATEWAY.mib:37: MAX-ACCESS is SMIv2 style, use ACCESS in SMIv1 MIBs instead
GATEWAY.mib:37: invalid status `current' in SMIv1 MIB
GATEWAY.mib:38: MAX-ACCESS is SMIv2 style, use ACCESS in SMIv1 MIBs instead
GATEWAY.mib:38: invalid status `current' in SMIv1 MIB
GATEWAY.mib:39: MAX-ACCESS is SMIv2 style, use ACCESS in SMIv1 MIBs instead
GATEWAY.mib:39: invalid status `current' in SMIv1 MIB
GATEWAY.mib:40: MAX-ACCESS is SMIv2 style, use ACCESS in SMIv1 MIBs instead
GATEWAY.mib:40: invalid status `current' in SMIv1 MIB
GATEWAY.mib:41: MAX-ACCESS is SMIv2 style, use ACCESS in SMIv1 MIBs instead
GATEWAY.mib:41: invalid status `current' in SMIv1 MIB
GATEWAY.mib:42: MAX-ACCESS is SMIv2 style, use ACCESS in SMIv1 MIBs instead
GATEWAY.mib:42: invalid status `current' in SMIv1 MIB
GATEWAY.mib:44: MAX-ACCESS is SMIv2 style, use ACCESS in SMIv1 MIBs instead
GATEWAY.mib:44: invalid status `current' in SMIv1 MIB
GATEWAY.mib:45: MAX-ACCESS is SMIv2 style, use ACCESS in SMIv1 MIBs instead
GATEWAY.mib:45: invalid status `current' in SMIv1 MIB
GATEWAY.mib:45: warning: zero-length description string
GATEWAY.mib:47: MAX-ACCESS is SMIv2 style, use ACCESS in SMIv1 MIBs instead
GATEWAY.mib:47: invalid status `current' in SMIv1 MIB
GATEWAY.mib:48: MAX-ACCESS is SMIv2 style, use ACCESS in SMIv1 MIBs instead
GATEWAY.mib:48: invalid status `current' in SMIv1 MIB
GATEWAY.mib:49: MAX-ACCESS is SMIv2 style, use ACCESS in SMIv1 MIBs instead
GATEWAY.mib:49: invalid status `current' in SMIv1 MIB
GATEWAY.mib:50: MAX-ACCESS is SMIv2 style, use ACCESS in SMIv1 MIBs instead
GATEWAY.mib:50: invalid status `current' in SMIv1 MIB
GATEWAY.mib:51: MAX-ACCESS is SMIv2 style, use ACCESS in SMIv1 MIBs instead
GATEWAY.mib:51: invalid status `current' in SMIv1 MIB
GATEWAY.mib:52: MAX-ACCESS is SMIv2 style, use ACCESS in SMIv1 MIBs instead
GATEWAY.mib:52: invalid status `current' in SMIv1 MIB
GATEWAY.mib:53: MAX-ACCESS is SMIv2 style, use ACCESS in SMIv1 MIBs instead
GATEWAY.mib:53: invalid status `current' in SMIv1 MIB
GATEWAY.mib:54: MAX-ACCESS is SMIv2 style, use ACCESS in SMIv1 MIBs instead
GATEWAY.mib:54: invalid status `current' in SMIv1 MIB
GATEWAY.mib:56: MAX-ACCESS is SMIv2 style, use ACCESS in SMIv1 MIBs instead
GATEWAY.mib:56: invalid status `current' in SMIv1 MIB
GATEWAY.mib:59: macro `NOTIFICATION-TYPE' has not been imported from module `SNMPv2-SMI'
GATEWAY.mib:59: syntax error, unexpected SYNTAX, expecting STATUS
GATEWAY.mib:59: warning: flushing recent incorrect declaration, see previous error(s)
GATEWAY.mib:60: macro `NOTIFICATION-TYPE' has not been imported from module `SNMPv2-SMI'
GATEWAY.mib:60: syntax error, unexpected SYNTAX, expecting STATUS
GATEWAY.mib:60: warning: flushing recent incorrect declaration, see previous error(s)
GATEWAY.mib:61: warning: module name `GATEWAY' should match `*-MIB'
GATEWAY.mib:27: unknown object identifier label `enterprises'
)");
  EXPECT_EQ(report, expected) << report.toStdString();
}

// Descriptions typed by the user cannot break the module: names become identifiers (or the numbered name when
// nothing usable is left or the name is taken), and double quotes cannot end the description early.
TEST(MibWriter, DescriptionsCannotBreakTheModule) {
  TTempFolder folder;
  const TMIB_Objects objects = Read_Example(
      folder,
      "<S><SNMP_Trap_Read><R Enable=\"Y\" Description=\"Say &quot;hi&quot; now\"/><R Enable=\"Y\" "
      "Description=\"2nd\"/><R Enable=\"Y\" Description=\"countin\"/><R Enable=\"Y\" Description=\"Say hi-now\"/>"
      "<R Enable=\"Y\" Description=\"bufferinval1\"/></SNMP_Trap_Read><SNMP_Trap_Write><R Enable=\"Y\" "
      "Description=\"say-hi-now\"/></SNMP_Trap_Write></S>");
  const QStringList lines = MIB_Lines(objects);
  const QStringList names = {"sayHiNow",     "bufferinval2", "bufferinval3",
                             "bufferinval4", "bufferinval5", "bufferoutval1"};
  QStringList got;
  for (const QString& line : lines)
    if (line.contains(QStringLiteral("{ bufferinval ")) || line.contains(QStringLiteral("{ bufferoutval ")))
      got << line.section(QLatin1Char(' '), 0, 0);
  EXPECT_EQ(got, names);
  EXPECT_TRUE(
      lines.contains(QStringLiteral("sayHiNow OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only STATUS "
                                    "current DESCRIPTION \"Say 'hi' now\" ::= { bufferinval 1 }")));
  const std::pair<const char*, const char*> cases[] = {
      {"Temp", "temp"}, {"Set point", "setPoint"},
      {"a--b", "aB"},   {"-x_y-", "xY"},
      {"no 2", "no2"},  {"9lives", ""},
      {"", ""},         {"§§", ""},
      {"Ünit", "nit"},  {"ABC def", "aBCDef"},
  };
  for (const auto& [description, name] : cases)
    EXPECT_EQ(MIB_Identifier(QString::fromUtf8(description)), QLatin1String(name)) << description;
  EXPECT_EQ(MIB_Identifier(QString(70, QLatin1Char('a'))).size(), 64);
}

TEST(MibWriter, AMissingFileGivesTheFixedTree) {
  TTempFolder folder;
  TMIB_Objects objects;
  QString error;
  EXPECT_EQ(Read_SNMP_MIB_Objects(folder.File("none.xml"), objects, error), TInputLoad::Missing);
  const QStringList lines = MIB_Lines(objects);
  EXPECT_EQ(lines.size(), 59 - 3);
  EXPECT_EQ(lines.last(), QStringLiteral("END"));
  folder.Write("bad.xml", "<S><SNMP_Trap_Read>");
  EXPECT_EQ(Read_SNMP_MIB_Objects(folder.File("bad.xml"), objects, error), TInputLoad::Unreadable);
  EXPECT_TRUE(error.contains(QDir::toNativeSeparators(folder.File("bad.xml"))));
}
