#include <gtest/gtest.h>
#include <QDate>

#include "TDialogRecorder.h"
#include "TModalDriver.h"
#include "UGSDML_Writer.h"
#include "ULang.h"
#include "UProfinetFileName.h"

namespace {

// Types `user` into the window and closes it with `result` (OK through the OK button's handler).
TModalResult Show_And_Close(TFProfinetFileName& window, const QString& user, TModalResult result) {
  TModalDriver driver([&](QWidget* modal) {
    auto* w = static_cast<TFProfinetFileName*>(modal);
    w->E_XML_User->setText(user);
    if (result == mrOk)
      w->Btn_OKClick();
    else
      w->SetModalResult(result);
  });
  const TModalResult shown = window.ShowModal();
  EXPECT_EQ(driver.Shown, &window);
  return shown;
}

}  // namespace

TEST(ProfinetFileName, ShowsTheFixedPartsAndItsTexts) {
  Load_Default_Strings();
  TFProfinetFileName window;
  EXPECT_EQ(window.L_XML_Fix1->text(), QStringLiteral("GSDML-V2.31-Quorvane-HDTarn22"));
  EXPECT_EQ(window.L_XML_Fix2->text(), GSDML_Date_Part(QDate::currentDate()));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("PROFINET XML File Name"));
  EXPECT_EQ(window.Label1->text(), QStringLiteral("Select the PROFINET XML File Name"));
  EXPECT_EQ(window.Label4->text(), QStringLiteral("User Part"));
  EXPECT_EQ(window.E_XML_User->toolTip(), QStringLiteral("Insert here the User part of GSDML file"));
  EXPECT_EQ(window.Btn_Cancel->Caption(), QStringLiteral("Cancel"));
  EXPECT_EQ(window.width(), 540);
  EXPECT_EQ(window.height(), 205);
}

// OK composes the name; Cancel keeps the last one; the typed user part stays for the next showing.
TEST(ProfinetFileName, ComposesOnOkAndKeepsTheNameOnCancel) {
  Load_Default_Strings();
  TDialogRecorder dialogs;
  TFProfinetFileName window;
  const QString f2 = window.L_XML_Fix2->text();
  EXPECT_EQ(Show_And_Close(window, QStringLiteral("site1"), mrOk), mrOk);
  EXPECT_EQ(window.Name_File_XML, QStringLiteral("GSDML-V2.31-Quorvane-HDTarn22_site1") + f2);
  EXPECT_EQ(Show_And_Close(window, QStringLiteral("  "), mrOk), mrOk);
  EXPECT_EQ(window.Name_File_XML, QStringLiteral("GSDML-V2.31-Quorvane-HDTarn22") + f2);
  EXPECT_EQ(Show_And_Close(window, QStringLiteral("other"), mrCancel), mrCancel);
  EXPECT_EQ(window.Name_File_XML, QStringLiteral("GSDML-V2.31-Quorvane-HDTarn22") + f2);
  EXPECT_EQ(window.E_XML_User->text(), QStringLiteral("other"));
}
