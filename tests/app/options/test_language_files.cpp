// Which language files the options window offers, and which flag picture each one gets.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "TTempFolder.h"
#include "UGlobals.h"
#include "ULanguage_Files.h"

TEST(LanguageFiles, OffersWritableLngFilesSortedWithoutRegardToCase) {
  TTempFolder folder;
  for (const char* name : {"italiano.lng", "English.lng", "Deutsch.lng", ".hidden.lng", "Readme.txt", "Upper.LNG",
                           "Locked.lng", "English.lng.bak"})
    folder.Write(QStringLiteral("LANGUAGE/") + name, "STR0 =x");
  QDir().mkpath(folder.File(QStringLiteral("LANGUAGE/Folder.lng")));
  QFile::link(folder.File(QStringLiteral("LANGUAGE/English.lng")), folder.File(QStringLiteral("LANGUAGE/Link.lng")));
  QFile::setPermissions(folder.File(QStringLiteral("LANGUAGE/Locked.lng")),
                        QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);

  EXPECT_EQ(Find_Language_Files(Path_Language),
            QStringList({".hidden.lng", "Deutsch.lng", "English.lng", "italiano.lng"}));
}

TEST(LanguageFiles, MissingFolderGivesNoEntries) {
  TTempFolder folder;
  EXPECT_TRUE(Find_Language_Files(Path_Language).isEmpty());
}

TEST(LanguageFiles, FlagPictureFallsBackToTheDefaultFlagThenToNone) {
  const struct {
    QStringList Files;
    QString Expected;
  } cases[] = {
      {{"Italiano.bmp", "DefaultFlag.bmp"}, "Italiano.bmp"},
      {{"DefaultFlag.bmp"}, "DefaultFlag.bmp"},
      {{"Other.bmp"}, ""},
      {{}, ""},
  };
  for (const auto& c : cases) {
    TTempFolder folder;
    QDir().mkpath(Path_Language);
    for (const QString& f : c.Files) folder.Write("LANGUAGE/" + f, "BM");
    const QString expected = c.Expected.isEmpty() ? QString() : Join_Path(Path_Language, c.Expected);
    EXPECT_EQ(Flag_Picture_Path(Path_Language, QStringLiteral("Italiano")), expected)
        << c.Files.join(',').toStdString();
  }
}
