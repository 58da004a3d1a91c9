// The About window: its fixed texts, its links and its one button.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include "UAbout.h"
#include "UCheck_Version.h"
#include "UGlobals.h"
#include "ULang.h"
#include "UOpen_Link.h"

namespace {
class TTestAbout : public TFAbout {
 public:
  using TFAbout::FormShow;
};
}  // namespace

TEST(About, ShowsTheFixedTextsWhateverTheProgramWideValuesSay) {
  SW_Desc = Model_SW_Desc;
  SW_Code = QStringLiteral("Other");
  Load_Default_Strings();
  Lang_Table[312] = QStringLiteral("Translated");
  TTestAbout about;
  about.FormShow();
  EXPECT_EQ(about.Label2->text(), Model_SW_Desc);
  EXPECT_EQ(about.Label9->text(), "SWTarn10");
  EXPECT_EQ(about.Label10->text(), "1.009");
  EXPECT_EQ(about.Label12->text(), "MNTarn10");
  EXPECT_EQ(about.LbButton1->Caption(), "OK");
  EXPECT_EQ(about.size(), QSize(425, 148));
  EXPECT_TRUE(about.P_Title->isHidden());
  SW_Code = Model_SW_Code;
}

TEST(About, AddressAndPictureOpenTheHomePageAndOkCloses) {
  QStringList opened;
  Set_Link_Opener([&](const QString& url) {
    opened << url;
    return true;
  });
  TTestAbout about;
  about.FormShow();
  about.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
  QTest::mouseClick(about.Label4, Qt::LeftButton);
  QTest::mouseClick(about.Image2, Qt::LeftButton);
  QTest::mouseClick(about.Label4, Qt::RightButton);
  EXPECT_EQ(opened, QStringList({Home_Page_Url(), Home_Page_Url()}));

  QTest::mouseClick(about.LbButton1, Qt::LeftButton);
  EXPECT_EQ(about.ModalResult(), mrOk);
  EXPECT_FALSE(about.isVisible());
  Set_Link_Opener({});
}
