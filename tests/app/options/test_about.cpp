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

TEST(About, ControlsStandWhereTheLayoutPutsThem) {
  TTestAbout about;
  about.FormShow();
  EXPECT_EQ(about.Image2->geometry(), QRect(32, 24, 81, 81));
  EXPECT_TRUE(about.Image2->hasScaledContents());
  // The logo, drawn at the first show.
  EXPECT_EQ(about.Image2->pixmap().toImage().pixelColor(40, 10), QColor(0x00, 0x4A, 0x8F));
  EXPECT_EQ(about.LbButton1->geometry(), QRect(32, 115, 81, 22));
  const std::pair<QLabel*, QPoint> places[] = {
      {about.Label1, {128, 24}}, {about.Label2, {128, 39}},  {about.Label6, {128, 62}},
      {about.Label9, {240, 62}}, {about.Label3, {128, 77}},  {about.Label10, {240, 77}},
      {about.Label8, {128, 93}}, {about.Label12, {240, 93}}, {about.Label4, {316, 131}},
  };
  for (const auto& [label, place] : places) EXPECT_EQ(label->pos(), place) << label->text().toStdString();
  EXPECT_EQ(about.Label6->text(), "Software Code : ");
  EXPECT_EQ(about.Label3->text(), "Version :");
  EXPECT_EQ(about.Label8->text(), "Document Code :");
  EXPECT_EQ(about.Label4->cursor().shape(), Qt::PointingHandCursor);
  // The address must fit inside the window.
  EXPECT_LE(about.Label4->geometry().right(), about.width());
}
