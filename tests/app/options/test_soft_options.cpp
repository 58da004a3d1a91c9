// The options window: language pages and picks, the option boxes, the immediate version check, OK and Cancel.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QTabWidget>
#include <algorithm>
#include <tuple>
#include <utility>

#include "TDialogRecorder.h"
#include "TLocalHttpServer.h"
#include "TTempFolder.h"
#include "UCheck_Version.h"
#include "UGlobals.h"
#include "ULang.h"
#include "UOpen_Link.h"
#include "USoftOptions.h"

namespace {
// Opens the protected handlers the frame would run, so a test can drive the window without its modal loop.
class TTestOptions : public TFSoftOptions {
 public:
  using TFSoftOptions::Btn_CancelClick;
  using TFSoftOptions::Btn_OKClick;
  using TFSoftOptions::FormShow;
};

class SoftOptions : public ::testing::Test {
 protected:
  void SetUp() override {
    Language = QStringLiteral("English");
    enable_internet = enable_update = enable_jump_field_tables = Double_Click_Auto_Size = false;
    Load_Default_Strings();
    Set_Link_Opener([this](const QString& url) {
      Opened.append(url);
      return true;
    });
    Window = std::make_unique<TTestOptions>();
  }
  void TearDown() override {
    Set_Link_Opener({});
    Set_Version_Service_Origin(QString());
  }
  void Add_Language(const QString& name, const QByteArray& content = "STR0 =x") {
    Folder.Write("LANGUAGE/" + name + ".lng", content);
  }
  void Add_Flag(const QString& name, Qt::GlobalColor color) {
    QImage image(48, 48, QImage::Format_RGB32);
    image.fill(color);
    QDir().mkpath(Path_Language);
    ASSERT_TRUE(image.save(Folder.File("LANGUAGE/" + name + ".bmp"), "BMP"));
  }
  QStringList Shown_Names() const {
    QStringList names;
    for (QLabel* label : Window->L_L)
      if (!label->isHidden()) names << label->text();
    return names;
  }
  QRgb Flag_Pixel(int slot) const { return Window->I_L[slot - 1]->pixmap().toImage().pixel(10, 10); }

  TTempFolder Folder;
  TDialogRecorder Dialogs;
  QStringList Opened;
  std::unique_ptr<TTestOptions> Window;
};
}  // namespace

TEST_F(SoftOptions, SevenLanguageFilesGiveTwoPagesOfSixAndOne) {
  for (const char* name : {"Greek", "Deutsch", "Francais", "English", "Italiano", "Espanol", "Cesky"})
    Add_Language(QString::fromLatin1(name));
  Window->FormShow();

  EXPECT_EQ(Shown_Names(), QStringList({"Cesky", "Deutsch", "English", "Espanol", "Francais", "Greek"}));
  EXPECT_EQ(Window->L_Page_Lang->text(), "Page 1 / 2");
  EXPECT_TRUE(Window->Btn_Prev->isHidden());
  EXPECT_FALSE(Window->Btn_Next->isHidden());
  EXPECT_EQ(Window->L_Sel_Lang->text(), "Selected Language : English");

  Window->Btn_NextClick(Window->Btn_Next);
  EXPECT_EQ(Shown_Names(), QStringList({"Italiano"}));
  EXPECT_TRUE(Window->I_L[1]->isHidden());
  EXPECT_EQ(Window->L_Page_Lang->text(), "Page 2 / 2");
  EXPECT_FALSE(Window->Btn_Prev->isHidden());
  EXPECT_TRUE(Window->Btn_Next->isHidden());

  Window->Btn_NextClick(Window->Btn_Next);  // no page 3
  EXPECT_EQ(Window->Show_Page, 2);
  Window->Btn_NextClick(Window->Btn_Prev);
  EXPECT_EQ(Window->Show_Page, 1);
  EXPECT_EQ(Shown_Names().size(), 6);
}

TEST_F(SoftOptions, NoLanguageFileShowsAnEmptySinglePage) {
  Window->FormShow();
  EXPECT_TRUE(Shown_Names().isEmpty());
  EXPECT_EQ(Window->L_Page_Lang->text(), "Page 1 / 1");
  EXPECT_TRUE(Window->Btn_Prev->isHidden());
  EXPECT_TRUE(Window->Btn_Next->isHidden());
}

TEST_F(SoftOptions, EachSlotShowsItsOwnFlagOrTheDefaultOrNone) {
  Add_Language(QStringLiteral("Deutsch"));
  Add_Language(QStringLiteral("Italiano"));
  Add_Flag(QStringLiteral("Italiano"), Qt::red);
  Add_Flag(QStringLiteral("DefaultFlag"), Qt::blue);
  Window->FormShow();
  ASSERT_FALSE(Window->I_L[0]->isHidden());
  ASSERT_FALSE(Window->I_L[1]->isHidden());
  EXPECT_EQ(Flag_Pixel(1), QColor(Qt::blue).rgb());  // Deutsch
  EXPECT_EQ(Flag_Pixel(2), QColor(Qt::red).rgb());   // Italiano

  QFile::remove(Folder.File(QStringLiteral("LANGUAGE/DefaultFlag.bmp")));
  Window->FormShow();
  EXPECT_TRUE(Window->I_L[0]->isHidden());
  EXPECT_FALSE(Window->L_L[0]->isHidden());  // the name stays and can still be picked
  EXPECT_FALSE(Window->I_L[1]->isHidden());
}

TEST_F(SoftOptions, DecliningThePickChangesNothing) {
  Add_Language(QStringLiteral("Deutsch"), "STR312 =Gut");
  Add_Language(QStringLiteral("English"));
  Window->FormShow();
  Dialogs.Queue_Answer(mrNo);
  Window->LangClick(1);

  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text, "Do you want to change the Language from English to Deutsch?");
  EXPECT_TRUE(Dialogs.Messages[0].Buttons.testFlag(mbYes));
  EXPECT_TRUE(Dialogs.Messages[0].Buttons.testFlag(mbNo));
  EXPECT_EQ(Window->Language_In_Use, "English");
  EXPECT_EQ(Lang_Table[312], "OK");
}

TEST_F(SoftOptions, ConfirmedPickLoadsTheLanguageAndRunsTheFanOutButKeepsTheSetting) {
  Add_Language(QStringLiteral("Deutsch"), "STR304 =Sprache : \nSTR312 =Gut\nSTR316 =Von \nSTR317 = nach ");
  Add_Language(QStringLiteral("English"));
  int fan_outs = 0;
  Window->On_Change_Language = [&] {
    ++fan_outs;
    Window->Set_Lang();
  };
  Window->FormShow();
  Dialogs.Queue_Answer(mrYes);
  Window->LangClick(1);

  EXPECT_EQ(fan_outs, 1);
  EXPECT_EQ(Language, "English");
  EXPECT_EQ(Window->Language_In_Use, "Deutsch");
  EXPECT_EQ(Window->Btn_OK->Caption(), "Gut");
  EXPECT_EQ(Window->L_Sel_Lang->text(), "Sprache :Deutsch");  // texts are trimmed without pilcrows

  // The next question is asked in the new language, from the language now in use.
  Dialogs.Queue_Answer(mrNo);
  Window->LangClick(2);
  ASSERT_EQ(Dialogs.Messages.size(), 2u);
  EXPECT_EQ(Dialogs.Messages[1].Text, "VonDeutschnachEnglish?");
}

TEST_F(SoftOptions, CancelAfterAPickLeavesSettingsAndFileUntouched) {
  Add_Language(QStringLiteral("Deutsch"), "STR312 =Gut");
  Folder.Write(QStringLiteral("Vandrel.xml"),
               "<Conf_Settings><lastlang><language>English</language></lastlang>"
               "</Conf_Settings>");
  const QByteArray before = Folder.Read(QStringLiteral("Vandrel.xml"));
  Window->FormShow();
  Dialogs.Queue_Answer(mrYes);
  Window->LangClick(1);
  Window->CB_En_Con->setChecked(true);
  Window->Btn_CancelClick();

  EXPECT_EQ(Window->ModalResult(), mrCancel);
  EXPECT_EQ(Folder.Read(QStringLiteral("Vandrel.xml")), before);
  EXPECT_EQ(Language, "English");
  EXPECT_FALSE(enable_internet);
  EXPECT_EQ(Lang_Table[312], "Gut");  // the applied language stays for the run

  Window->FormShow();
  EXPECT_EQ(Window->Language_In_Use, "English");
  EXPECT_FALSE(Window->CB_En_Con->isChecked());
}

TEST_F(SoftOptions, OkCommitsLanguageAndOptions) {
  Add_Language(QStringLiteral("Deutsch"));
  bool timer_on = false;
  Window->On_Enable_Timer_Update = [&](bool on) { timer_on = on; };
  Window->FormShow();
  Dialogs.Queue_Answer(mrYes);
  Window->LangClick(1);
  Window->CB_En_Con->setChecked(true);
  Window->CB_Update->setChecked(true);
  Window->CB_DoubleClick_Auto_Size->setChecked(true);
  Window->Btn_OKClick();

  EXPECT_EQ(Window->ModalResult(), mrOk);
  EXPECT_EQ(Language, "Deutsch");
  EXPECT_TRUE(enable_internet && enable_update && Double_Click_Auto_Size);
  EXPECT_FALSE(enable_jump_field_tables);
  EXPECT_TRUE(timer_on);
}

TEST_F(SoftOptions, UpdateOptionsEnableEachOtherAndKeepAHiddenTick) {
  const struct {
    bool Internet, Update;
    bool Update_Enabled, Check_Enabled;
  } cases[] = {
      {false, false, false, false},
      {false, true, false, false},
      {true, false, true, false},
      {true, true, true, true},
  };
  for (const auto& c : cases) {
    enable_internet = c.Internet;
    enable_update = c.Update;
    Window->FormShow();
    EXPECT_EQ(Window->CB_Update->isEnabled(), c.Update_Enabled) << c.Internet << c.Update;
    EXPECT_EQ(Window->Btn_Check_Update->isEnabled(), c.Check_Enabled) << c.Internet << c.Update;
    EXPECT_EQ(Window->CB_Update->isChecked(), c.Update);
  }

  // A click on the first box switches the others at once.
  enable_internet = enable_update = true;
  Window->FormShow();
  Window->CB_En_Con->click();
  EXPECT_FALSE(Window->CB_Update->isEnabled());
  EXPECT_FALSE(Window->Btn_Check_Update->isEnabled());

  // OK with the update box ticked but disabled: stored on, yet the timer stays off.
  bool timer_on = true;
  Window->On_Enable_Timer_Update = [&](bool on) { timer_on = on; };
  Window->Btn_OKClick();
  EXPECT_FALSE(enable_internet);
  EXPECT_TRUE(enable_update);
  EXPECT_FALSE(timer_on);
}

TEST_F(SoftOptions, CheckNowShowsTheLinkOrTheNoUpdateText) {
  const struct {
    QByteArray Body;
    bool Link;
  } cases[] = {{"VER. 1.010", true}, {"VER. 1.009", false}};
  for (const auto& c : cases) {
    TLocalHttpServer server(TLocalHttpServer::Reply(200, c.Body));
    Set_Version_Service_Origin(server.Origin());
    Window->FormShow();
    EXPECT_TRUE(Window->LL_Check_Update->isHidden());
    Window->Btn_Check_UpdateClick();
    server.Wait();
    EXPECT_FALSE(Window->LL_Check_Update->isHidden());
    const QString text = Window->LL_Check_Update->text();
    if (c.Link) {
      EXPECT_TRUE(text.contains(Lang_Table[314])) << text.toStdString();
      EXPECT_TRUE(text.contains("href=\"" + Download_Page_Url() + "\"")) << text.toStdString();
    } else {
      EXPECT_EQ(text, Lang_Table[315]);
    }
  }
  Window->LL_Check_UpdateLinkClick(Download_Page_Url());
  EXPECT_EQ(Opened, QStringList({Download_Page_Url()}));
}

TEST_F(SoftOptions, SetLangPutsEachTextOfTheBlockOnItsControl) {
  Window->FormShow();
  for (int32_t id = 300; id <= 321; ++id) Lang_Table[id] = QStringLiteral("T%1").arg(id);
  Window->Set_Lang();
  TTestOptions& w = *Window;
  const QTabWidget* tabs = w.PC_Options;
  const std::pair<QString, QString> cases[] = {
      {w.windowTitle(), "T300"},
      {w.L_SW_Desc->text(), "T301"},
      {tabs->tabText(tabs->indexOf(w.TS_Language)), "T302"},
      {tabs->tabText(tabs->indexOf(w.TS_Con_Options)), "T303"},
      {tabs->tabText(tabs->indexOf(w.TS_Soft_Settings)), "T319"},
      {w.L_Sel_Lang->text(), "T304English"},
      {w.L_Page_Lang->text(), "T3051T3061"},
      {w.Btn_Prev->Caption(), "T307"},
      {w.Btn_Next->Caption(), "T308"},
      {w.CB_En_Con->text(), "T309"},
      {w.CB_Update->text(), "T310"},
      {w.Btn_Check_Update->Caption(), "T311"},
      {w.Btn_OK->Caption(), "T312"},
      {w.Btn_Cancel->Caption(), "T313"},
      {w.CB_Soft_Set_Jump_Table->text(), "T320"},
      {w.CB_DoubleClick_Auto_Size->text(), "T321"},
  };
  for (const auto& [shown, expected] : cases) EXPECT_EQ(shown, expected);
}

TEST_F(SoftOptions, ControlsStandWhereTheLayoutPutsThem) {
  TTestOptions& w = *Window;
  EXPECT_EQ(w.size(), QSize(509, 373));
  EXPECT_EQ(w.PC_Options->geometry(), QRect(0, 69, 509, 373 - 69 - 40));
  const std::pair<QWidget*, QRect> boxes[] = {
      {w.Btn_OK, QRect(16, 6, 110, 28)},
      {w.Btn_Cancel, QRect(134, 6, 110, 28)},
      {w.I_L[0], QRect(24, 40, 48, 48)},
      {w.I_L[1], QRect(26, 94, 48, 48)},
      {w.I_L[2], QRect(24, 148, 48, 48)},
      {w.I_L[3], QRect(254, 40, 48, 48)},
      {w.I_L[4], QRect(254, 94, 48, 48)},
      {w.I_L[5], QRect(254, 148, 48, 48)},
      {w.Btn_Check_Update, QRect(36, 78, 204, 28)},
  };
  for (const auto& [widget, box] : boxes) EXPECT_EQ(widget->geometry(), box) << widget->objectName().toStdString();
  const std::tuple<QWidget*, QWidget*, QPoint> places[] = {
      {w.L_Sel_Lang, w.TS_Language, {12, 11}},
      {w.L_L[0], w.TS_Language, {80, 56}},
      {w.L_L[1], w.TS_Language, {80, 110}},
      {w.L_L[2], w.TS_Language, {80, 164}},
      {w.L_L[3], w.TS_Language, {310, 56}},
      {w.L_L[4], w.TS_Language, {310, 110}},
      {w.L_L[5], w.TS_Language, {310, 164}},
      {w.Btn_Prev, w.TS_Language, {12, 204}},
      {w.Btn_Next, w.TS_Language, {379, 205}},
      {w.L_Page_Lang, w.TS_Language, {220, 212}},
      {w.CB_En_Con, w.TS_Con_Options, {12, 16}},
      {w.CB_Update, w.TS_Con_Options, {36, 47}},
      {w.LL_Check_Update, w.TS_Con_Options, {40, 120}},
      {w.CB_Soft_Set_Jump_Table, w.TS_Soft_Settings, {12, 16}},
      {w.CB_DoubleClick_Auto_Size, w.TS_Soft_Settings, {12, 39}},
  };
  for (const auto& [widget, page, place] : places) {
    EXPECT_EQ(widget->parentWidget(), page) << widget->objectName().toStdString();
    EXPECT_EQ(widget->pos(), place) << widget->objectName().toStdString();
  }
  EXPECT_EQ(w.I_L[0]->parentWidget(), w.TS_Language);
  EXPECT_EQ(w.Btn_Check_Update->parentWidget(), w.TS_Con_Options);
}

TEST_F(SoftOptions, NextHasItsArrowRightOfTheCaptionAndPreviousLeftOfIt) {
  // The columns that hold the arrow glyph's blue; caption and glyph are centred together, so the arrow lies in
  // the half of the button on its own side.
  const auto Arrow_Columns = [](TLbButton* button) {
    const QImage image = button->grab().toImage();
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) == qRgb(0x00, 0x60, 0xC0)) {
          first = std::min(first, x);
          last = std::max(last, x);
        }
    return std::pair{first, last};
  };
  Window->Btn_Prev->show();
  Window->Btn_Next->show();
  const auto [prev_first, prev_last] = Arrow_Columns(Window->Btn_Prev);
  const auto [next_first, next_last] = Arrow_Columns(Window->Btn_Next);
  ASSERT_GE(prev_last, 0);
  ASSERT_GE(next_last, 0);
  EXPECT_LT(prev_last, Window->Btn_Prev->width() / 2);
  EXPECT_GT(next_first, Window->Btn_Next->width() / 2);
}

TEST_F(SoftOptions, PickingALanguageWhoseFileVanishedFallsBackToEnglishAndKeepsTheSetting) {
  Language = QStringLiteral("Deutsch");
  Add_Language(QStringLiteral("Deutsch"), "STR312 =Gut");
  Add_Language(QStringLiteral("English"), "STR312 =Okay");
  Add_Language(QStringLiteral("Italiano"), "STR312 =Bene");
  Window->FormShow();
  ASSERT_EQ(Window->L_L[2]->text(), "Italiano");
  QFile::remove(Folder.File(QStringLiteral("LANGUAGE/Italiano.lng")));
  Dialogs.Queue_Answer(mrYes);
  Window->LangClick(3);

  EXPECT_EQ(Lang_Table[312], "Okay");
  // Loading put "English" into the setting for the missing file; the stored choice must come back.
  EXPECT_EQ(Language, "Deutsch");
  EXPECT_EQ(Window->Language_In_Use, "Italiano");
}
