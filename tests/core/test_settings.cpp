#include <gtest/gtest.h>

#include "TFailingDevice.h"
#include "TTempFolder.h"
#include "UGlobals.h"
#include "USettings.h"

namespace {

const QByteArray Default_Settings_Bytes =
    "<Conf_Settings><lastproj><projectname/></lastproj><lastipadd><ipaddress>192.168.2.205</ipaddress></lastipadd>"
    "<lastlang><language>English</language></lastlang><lastinternet><enable_internet>0</enable_internet>"
    "<enable_update>0</enable_update><enable_jump_field_tables>0</enable_jump_field_tables>"
    "<Double_Click_Auto_Size>0</Double_Click_Auto_Size></lastinternet></Conf_Settings>";

QByteArray Settings_With_Flags(const QByteArray& internet, const QByteArray& update, const QByteArray& jump,
                               const QByteArray& autosize) {
  return "<Conf_Settings><lastinternet><enable_internet>" + internet + "</enable_internet><enable_update>" + update +
         "</enable_update><enable_jump_field_tables>" + jump + "</enable_jump_field_tables><Double_Click_Auto_Size>" +
         autosize + "</Double_Click_Auto_Size></lastinternet></Conf_Settings>";
}

// Leaves every value off its default, so a test sees whether reading really reset or set it.
void Scramble_Values() {
  Name_Project = QStringLiteral("stale");
  Path_Project = QStringLiteral("/stale");
  Last_IP_Address = QStringLiteral("1.1.1.1");
  Language = QStringLiteral("Stale");
  enable_internet = enable_update = enable_jump_field_tables = Double_Click_Auto_Size = true;
}

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { Scramble_Values(); }
  void Expect_Defaults() const {
    EXPECT_EQ(Name_Project, QString());
    EXPECT_EQ(Path_Project, QString());
    EXPECT_EQ(Last_IP_Address, QStringLiteral("192.168.2.205"));
    EXPECT_EQ(Language, QStringLiteral("English"));
    EXPECT_FALSE(enable_internet);
    EXPECT_FALSE(enable_update);
    EXPECT_FALSE(enable_jump_field_tables);
    EXPECT_FALSE(Double_Click_Auto_Size);
  }
  TTempFolder Folder;
};

}  // namespace

TEST_F(SettingsTest, MissingFileGivesDefaultsAndSavingThemWritesTheFixedLine) {
  Read_Settings();
  Expect_Defaults();
  ASSERT_TRUE(Write_Settings());
  EXPECT_EQ(Folder.Read("Vandrel.xml"), Default_Settings_Bytes);
}

TEST_F(SettingsTest, ValuesSurviveAWriteAndARead) {
  Name_Project = QStringLiteral("Plant <A> & B");
  Last_IP_Address = QStringLiteral("10.0.0.7");
  Language = QStringLiteral("Deutsch");
  enable_internet = true;
  enable_update = false;
  enable_jump_field_tables = true;
  Double_Click_Auto_Size = false;
  ASSERT_TRUE(Write_Settings());
  Scramble_Values();
  Read_Settings();
  EXPECT_EQ(Name_Project, QStringLiteral("Plant <A> & B"));
  EXPECT_EQ(Path_Project, QString());
  EXPECT_EQ(Last_IP_Address, QStringLiteral("10.0.0.7"));
  EXPECT_EQ(Language, QStringLiteral("Deutsch"));
  EXPECT_TRUE(enable_internet);
  EXPECT_FALSE(enable_update);
  EXPECT_TRUE(enable_jump_field_tables);
  EXPECT_FALSE(Double_Click_Auto_Size);
}

TEST_F(SettingsTest, AFlagIsOnOnlyForTheExactText1) {
  struct Case {
    QByteArray text;
    bool on;
  };
  const Case cases[] = {{"1", true}, {"0", false},  {"true", false},     {" 1", false}, {"1 ", false},
                        {"", false}, {"01", false}, {"<b>1</b>", false}, {"2", false},  {"<![CDATA[1]]>", true}};
  for (const Case& c : cases) {
    // Each flag in turn, the others "1", so a flag read from the wrong element shows.
    for (int flag = 0; flag < 4; ++flag) {
      QByteArray v[4] = {"1", "1", "1", "1"};
      v[flag] = c.text;
      Folder.Write("Vandrel.xml", Settings_With_Flags(v[0], v[1], v[2], v[3]));
      Read_Settings();
      const bool got[4] = {enable_internet, enable_update, enable_jump_field_tables, Double_Click_Auto_Size};
      for (int other = 0; other < 4; ++other)
        EXPECT_EQ(got[other], other == flag ? c.on : true) << c.text.constData() << " in flag " << flag;
    }
  }
}

TEST_F(SettingsTest, ARootOfAnotherNameIsReadNormally) {
  Folder.Write("Vandrel.xml",
               "<Settings><lastproj><projectname>Line1</projectname></lastproj>"
               "<lastipadd><ipaddress>10.1.2.3</ipaddress></lastipadd></Settings>");
  Read_Settings();
  EXPECT_EQ(Name_Project, QStringLiteral("Line1"));
  EXPECT_EQ(Last_IP_Address, QStringLiteral("10.1.2.3"));
  EXPECT_EQ(Language, QStringLiteral("English"));
}

// A hand-edited file that starts with a declaration or a comment keeps its settings, and the next save writes
// them back without the declaration.
TEST_F(SettingsTest, ADeclarationOrCommentBeforeTheRootDoesNotLoseTheSettings) {
  const QByteArray heads[] = {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", "<!-- edited by hand -->",
                              "<?xml version=\"1.0\"?><!-- c -->\r\n"};
  for (const QByteArray& head : heads) {
    Scramble_Values();
    Folder.Write("Vandrel.xml", head +
                                    "<Conf_Settings><lastproj><projectname>Kept</projectname></lastproj>"
                                    "<lastlang><language>Italiano</language></lastlang></Conf_Settings>");
    Read_Settings();
    EXPECT_EQ(Name_Project, QStringLiteral("Kept")) << head.constData();
    EXPECT_EQ(Language, QStringLiteral("Italiano")) << head.constData();
    ASSERT_TRUE(Write_Settings());
    EXPECT_TRUE(Folder.Read("Vandrel.xml").startsWith("<Conf_Settings><lastproj><projectname>Kept</projectname>"));
  }
}

TEST_F(SettingsTest, EachGroupFallsBackOnItsOwn) {
  // ipaddress holds an element instead of text, lastlang is missing, the project name is an empty element.
  Folder.Write("Vandrel.xml",
               "<Conf_Settings><lastproj><projectname/></lastproj><lastipadd><ipaddress><x>1</x></ipaddress>"
               "</lastipadd><lastinternet><enable_update>1</enable_update></lastinternet></Conf_Settings>");
  Read_Settings();
  EXPECT_EQ(Name_Project, QString());
  EXPECT_EQ(Last_IP_Address, QStringLiteral("192.168.2.205"));
  EXPECT_EQ(Language, QStringLiteral("English"));
  EXPECT_FALSE(enable_internet);
  EXPECT_TRUE(enable_update);
  EXPECT_FALSE(enable_jump_field_tables);
}

TEST_F(SettingsTest, ValuesAreTakenUntrimmedAndUnchecked) {
  Folder.Write("Vandrel.xml",
               "<Conf_Settings><lastproj><projectname> A </projectname></lastproj><lastipadd>"
               "<ipaddress>not an address</ipaddress></lastipadd></Conf_Settings>");
  Read_Settings();
  EXPECT_EQ(Name_Project, QStringLiteral(" A "));
  EXPECT_EQ(Last_IP_Address, QStringLiteral("not an address"));
}

TEST_F(SettingsTest, AFileThatIsNotXmlGivesTheDefaults) {
  for (const QByteArray& bytes : {QByteArray("<Conf_Settings><lastproj>"), QByteArray("garbage"), QByteArray()}) {
    Scramble_Values();
    Folder.Write("Vandrel.xml", bytes);
    Read_Settings();
    Expect_Defaults();
  }
}

TEST_F(SettingsTest, AFailedWriteKeepsThePreviousFile) {
  Folder.Write("Vandrel.xml", "<Conf_Settings/>");
  {
    TFailing_Writes failing(QStringLiteral("Vandrel.xml"), 10);
    EXPECT_FALSE(Write_Settings());
  }
  EXPECT_EQ(Folder.Read("Vandrel.xml"), QByteArray("<Conf_Settings/>"));
}
