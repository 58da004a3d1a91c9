#include <gtest/gtest.h>

#include <QFile>

#include "TTempFolder.h"
#include "UCodePage.h"
#include "UGlobals.h"
#include "ULang.h"

namespace {
const QString Blank = QStringLiteral(" ");

class LangTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Language = QStringLiteral("English");
    Load_Default_Strings();
  }
  TTempFolder Folder;
};
}  // namespace

TEST_F(LangTest, DefaultTableHas3600TextsWithBlanksWhereNoneIsBuiltIn) {
  ASSERT_EQ(Lang_Table.size(), 3600);
  EXPECT_EQ(Lang_Count, 3600);
  EXPECT_EQ(Lang_Table[1100], QStringLiteral("Row Already used. Do you want to overwrite the values?"));
  EXPECT_EQ(Lang_Table[1106], Blank);
  EXPECT_EQ(Lang_Table[3599], Blank);
}

TEST_F(LangTest, LineGrammar) {
  struct Case {
    QString line;
    int id;  // the ID that must change, -1 when the line must change nothing
    QString text;
  };
  const QString P = QStringLiteral("\u00B6");
  const Case cases[] = {
      {"STR15 =New Configuration", 15, "New Configuration"},
      {"STR15  =x", 15, "x"},
      {"STR15=x", 1, "x"},
      {"STR16 =" + P + " Open " + P + " /#/ padded", 16, " Open "},
      {"STR17 =Update /#/ old text", 17, "Update"},
      {"  STR18 =  spaced out  ", 18, "spaced out"},
      {"STR19 =" + P + P, 19, ""},
      {"STR20 =" + P, 20, ""},
      {"STR21 =" + P + "a" + P + "b", 21, "a"},
      {"STR22 =a=b", 22, "a=b"},
      {"STR23 =/#/" + P + "x" + P, -1, ""},
      {"STR3599 =last", 3599, "last"},
      {"STR3600 =x", -1, ""},
      {"STR-1 =x", -1, ""},
      {"str15 =x", -1, ""},
      {"xSTR15 =x", -1, ""},
      {"STR5 = /#/ note", -1, ""},
      {"STR5 =   ", -1, ""},
      {"STR5 x", -1, ""},
      {"STRab =x", -1, ""},
      {"STR =x", -1, ""},
      {"comment line", -1, ""},
  };
  for (const Case& c : cases) {
    Load_Default_Strings();
    const QStringList before = Lang_Table;
    Apply_Language_Line(c.line);
    for (int i = 0; i < Lang_Size; ++i) {
      if (i == c.id)
        EXPECT_EQ(Lang_Table[i], c.text) << c.line.toStdString();
      else
        ASSERT_EQ(Lang_Table[i], before[i]) << c.line.toStdString() << " changed ID " << i;
    }
  }
}

TEST_F(LangTest, FileOverlaysDecodesAndLaterLinesWin) {
  // UTF-16 little endian with a byte-order mark, CR LF, CR and LF line ends.
  const QString text = QStringLiteral("STR1 =Uno\r\nSTR2 =Due\rSTR1 =Primo\nSTR1100 =\u00e8");
  QByteArray bytes("\xFF\xFE", 2);
  bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
  Folder.Write(QStringLiteral("LANGUAGE/Italiano.lng"), bytes);
  EXPECT_EQ(Load_Language(QStringLiteral("Italiano")), QStringLiteral("Italiano"));
  EXPECT_EQ(Lang_Table[1], QStringLiteral("Primo"));
  EXPECT_EQ(Lang_Table[2], QStringLiteral("Due"));
  EXPECT_EQ(Lang_Table[1100], QStringLiteral("\u00e8"));
  EXPECT_EQ(Lang_Table[1101], QStringLiteral("Error in the Copy values!!! Copy a valid row before Paste it"));
}

TEST_F(LangTest, FileEncodings) {
  EXPECT_EQ(Decode_Language_Bytes(QByteArray("\xEF\xBB\xBF\xC3\xA8", 5)), QStringLiteral("\u00e8"));
  EXPECT_EQ(Decode_Language_Bytes(QByteArray("\xFE\xFF\x00\xE8", 4)), QStringLiteral("\u00e8"));
  EXPECT_EQ(Decode_Language_Bytes(QByteArray("\xE8\x80", 2)), QStringLiteral("\u00e8\u20ac"));
}

TEST_F(LangTest, MissingLanguageFallsBackToEnglishFileThenBuiltIn) {
  Folder.Write(QStringLiteral("LANGUAGE/English.lng"), "STR1100 =Overwrite?\r\n");
  // The setting is the caller's: loading another language leaves it alone.
  Language = QStringLiteral("Deutsch");
  EXPECT_EQ(Load_Language(QStringLiteral("Deutsch")), QStringLiteral("English"));
  EXPECT_EQ(Language, QStringLiteral("Deutsch"));
  EXPECT_EQ(Lang_Table[1100], QStringLiteral("Overwrite?"));

  // Without English.lng only the built-in texts remain, also after an earlier overlay.
  QFile::remove(Folder.File(QStringLiteral("LANGUAGE/English.lng")));
  EXPECT_EQ(Load_Language(QStringLiteral("Deutsch")), QStringLiteral("English"));
  EXPECT_EQ(Lang_Table[1100], QStringLiteral("Row Already used. Do you want to overwrite the values?"));
}

TEST_F(LangTest, AnsiFileWithoutByteOrderMark) {
  Folder.Write(QStringLiteral("LANGUAGE/Fran\u00e7ais.lng"), Unicode_To_Ansi(QStringLiteral("STR7 =Ferm\u00e9\r\n")));
  Load_Language(QStringLiteral("Fran\u00e7ais"));
  EXPECT_EQ(Lang_Table[7], QStringLiteral("Ferm\u00e9"));
}
