// The update window: its two layouts and texts, the remembered choices, and the
// update button's ping, recipe and external updater.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTimer>
#include <QtTest/QTest>
#include <memory>

#include "TDialogRecorder.h"
#include "TFailingDevice.h"
#include "TTempFolder.h"
#include "UBoot.h"
#include "UGlobals.h"
#include "ULang.h"
#include "UUpdate_Recipe.h"

namespace {
class TTestBoot : public TFBoot {
 public:
  using TFBoot::FormShow;
};

// Stands in for the external updater: logs its start, keeps the recipe it
// found, and ends once the test lets it (or after 10 s), then logs its end.
const QByteArray Updater_Script =
    "#!/bin/sh\n"
    "d=$(dirname \"$0\")\n"
    "echo start >> \"$d/updater.log\"\n"
    "cp \"$d/Ethernet_Update.xml\" \"$d/seen.xml\"\n"
    "i=0\n"
    "while [ ! -f \"$d/release\" ] && [ $i -lt 500 ]; do sleep 0.02; "
    "i=$((i+1)); done\n"
    "echo end >> \"$d/updater.log\"\n";

class BootTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Load_Default_Strings();
    SW_Code = Model_SW_Code;
    Last_IP_Address = Default_IP_Address;
    Update_Option_Index = uoFirmware_And_Configuration;
    Update_Read_Back = true;
    Path_Project = Folder.File(QStringLiteral("PROJECTS/Plant"));
    Boot = std::make_unique<TTestBoot>();
    Boot->Form_Type = ftEthernet;
    Boot->FormShow();
  }
  void TearDown() override {
    Path_Project.clear();
    Last_IP_Address = Default_IP_Address;
    Update_Option_Index = uoFirmware_And_Configuration;
    Update_Read_Back = false;
  }

  void Install_Updater() {
    Folder.Write(QStringLiteral("Ethernet_Update.exe"), Updater_Script);
    QFile::setPermissions(Folder.File(QStringLiteral("Ethernet_Update.exe")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  // Every echo is answered with `bytes`; counts the echoes.
  void Device_Answers(int32_t bytes) {
    Boot->Ping.SetEchoer([this, bytes](const TEchoRequest&) {
      ++Echoes;
      return bytes;
    });
  }
  void Set_Address(const char* a, const char* b, const char* c, const char* d) {
    Boot->E_IP1->setText(QString::fromLatin1(a));
    Boot->E_IP2->setText(QString::fromLatin1(b));
    Boot->E_IP3->setText(QString::fromLatin1(c));
    Boot->E_IP4->setText(QString::fromLatin1(d));
  }
  bool Recipe_Written() const { return QFile::exists(Folder.File(QStringLiteral("Ethernet_Update.xml"))); }

  TTempFolder Folder;
  TDialogRecorder Dialogs;
  std::unique_ptr<TTestBoot> Boot;
  int Echoes = 0;
};

// A simulated clock for the ping, so a silent device does not keep a test
// waiting five seconds.
TPing_Pacing Simulated_Pacing(uint32_t& now) {
  TPing_Pacing pacing;
  pacing.Tick_Count = [&now] { return now; };
  pacing.Sleep = [&now](uint32_t ms) { now += ms; };
  pacing.Process_Events = [] {};
  return pacing;
}
}  // namespace

TEST_F(BootTest, BothLayoutsStackTheirPanelsUnderTheTitle) {
  struct Case {
    int32_t form_type;
    int height;
    const char* title;
    const char* desc;
    QFrame* TFBoot::*first;
    int options_top;
  };
  const Case cases[] = {
      {ftEthernet, 230, "Update Device by Ethernet (UDP)", "Update Device Using the Ethernet Port",
       &TFBoot::P_IP_Address, 118},
      {ftSerial, 232, "Update Device by Serial", "Update Device Using the Serial Port", &TFBoot::P_Serial, 120},
  };
  for (const Case& c : cases) {
    Boot->Form_Type = c.form_type;
    Boot->FormShow();
    EXPECT_EQ(Boot->size(), QSize(449, c.height)) << c.title;
    EXPECT_EQ(Boot->windowTitle(), QString::fromLatin1(c.title));
    EXPECT_EQ(Boot->L_SW_Desc->text(), QString::fromLatin1(c.desc));
    EXPECT_EQ(Boot->L_SW_Code->text(), QStringLiteral("SWTarn10"));
    QFrame* first = (*Boot).*c.first;
    EXPECT_FALSE(first->isHidden()) << c.title;
    EXPECT_EQ(first->y(), 69) << c.title;
    EXPECT_FALSE(Boot->P_Options->isHidden());
    EXPECT_EQ(Boot->P_Options->y(), c.options_top) << c.title;
    EXPECT_EQ(Boot->P_Button->geometry(), QRect(0, c.height - 40, 449, 40)) << c.title;
    EXPECT_TRUE(Boot->P_Eth_Search->isHidden());
    EXPECT_EQ(Boot->P_Serial->isHidden(), c.form_type == ftEthernet);
    EXPECT_EQ(Boot->P_IP_Address->isHidden(), c.form_type == ftSerial);
  }
}

TEST_F(BootTest, TextsComeFromTheStringTable) {
  EXPECT_EQ(Boot->L_IP_Address->text(), QStringLiteral("Insert the IP Address of Device"));
  EXPECT_EQ(Boot->L_Update_Option->text(), QStringLiteral("Select Update Options"));
  EXPECT_EQ(Boot->CB_Update_Option_Read_Back->text(), QStringLiteral("Read Back"));
  EXPECT_EQ(Boot->Btn_Update->Caption(), QStringLiteral("Execute Update Firmware"));
  EXPECT_EQ(Boot->Btn_Cancel->Caption(), QStringLiteral("Cancel"));
  EXPECT_FALSE(Boot->Btn_OK->isVisibleTo(Boot.get()));
  EXPECT_TRUE(Boot->Btn_Update->isVisibleTo(Boot.get()));
  ASSERT_EQ(Boot->CB_Update_Options->count(), 3);
  EXPECT_EQ(Boot->CB_Update_Options->itemText(0), QStringLiteral("Firmware + Configuration"));
  EXPECT_EQ(Boot->CB_Update_Options->itemText(1), QStringLiteral("Firmware"));
  EXPECT_EQ(Boot->CB_Update_Options->itemText(2), QStringLiteral("Configuration"));
  EXPECT_EQ(Boot->E_IP3->toolTip(), QStringLiteral("Insert third byte of IP Address"));
  EXPECT_EQ(Boot->CB_Update_Option_Read_Back->toolTip(),
            QStringLiteral("Enable or disable the possibility to read back the "
                           "Firmware/Configuration"));

  // A language change rebuilds the list and selects its first entry; the next
  // showing restores the choice.
  Update_Option_Index = uoConfiguration;
  Lang_Table[1017] = QStringLiteral("Konfiguration");
  Boot->Set_Lang();
  EXPECT_EQ(Boot->CB_Update_Options->itemText(2), QStringLiteral("Konfiguration"));
  EXPECT_EQ(Boot->CB_Update_Options->currentIndex(), 0);
  Boot->FormShow();
  EXPECT_EQ(Boot->CB_Update_Options->currentIndex(), uoConfiguration);
}

TEST_F(BootTest, ShowingFillsTheAddressOnlyFromAValidLastAddressAndRestoresTheChoices) {
  struct Case {
    const char* last;
    QStringList fields;
  };
  const Case cases[] = {
      {"10.1.2.3", {"10", "1", "2", "3"}},
      {" 10 . 0 . 0 . 1 ", {"10", "0", "0", "1"}},
      {"192.168.2.300", {"7", "7", "7", "7"}},  // not accepted: the fields keep their texts
      {"", {"7", "7", "7", "7"}},
  };
  for (const Case& c : cases) {
    Set_Address("7", "7", "7", "7");
    Last_IP_Address = QString::fromLatin1(c.last);
    Boot->FormShow();
    EXPECT_EQ((QStringList{Boot->E_IP1->text(), Boot->E_IP2->text(), Boot->E_IP3->text(), Boot->E_IP4->text()}),
              c.fields)
        << c.last;
  }

  Update_Option_Index = uoFirmware;
  Update_Read_Back = false;
  Boot->FormShow();
  EXPECT_EQ(Boot->CB_Update_Options->currentIndex(), uoFirmware);
  EXPECT_FALSE(Boot->CB_Update_Option_Read_Back->isChecked());
}

TEST_F(BootTest, FullStopMovesToTheNextAddressFieldAndIsNeverTyped) {
  Boot->show();
  Boot->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Boot.get()));
  Set_Address("192", "168", "2", "205");
  Boot->E_IP2->setFocus();
  QTest::keyClick(Boot->E_IP2, Qt::Key_Period);
  EXPECT_EQ(Boot->E_IP2->text(), QStringLiteral("168"));
  EXPECT_TRUE(Boot->E_IP3->hasFocus());
  Boot->E_IP4->setFocus();
  QTest::keyClick(Boot->E_IP4, Qt::Key_Period);
  EXPECT_EQ(Boot->E_IP4->text(), QStringLiteral("205"));
  EXPECT_TRUE(Boot->E_IP4->hasFocus());
  // Every other key is the field's own: it takes any text.
  QTest::keyClicks(Boot->E_IP4, QStringLiteral("x"));
  EXPECT_EQ(Boot->E_IP4->text(), QStringLiteral("205x"));
  Boot->hide();
}

TEST_F(BootTest, ComPortListButtonShowsItsGlyphWithoutACaption) {
  Boot->Form_Type = ftSerial;
  Boot->FormShow();
  const QImage face = Boot->Btn_COM_List->grab().toImage();
  // The curved arrows are drawn in dark green; a caption-less button without its glyph is a blank face.
  int green = 0;
  for (int y = 0; y < face.height(); ++y)
    for (int x = 0; x < face.width(); ++x)
      if (face.pixelColor(x, y) == QColor(0, 128, 0)) ++green;
  EXPECT_GT(green, 10);
  EXPECT_TRUE(Boot->Btn_COM_List->Caption().isEmpty());
}

TEST_F(BootTest, AddressTypedWhileThePingRunsIsNotTaken) {
  Boot->show();
  Boot->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Boot.get()));
  Set_Address("127", "0", "0", "1");
  bool read_only = false;
  Boot->Ping.SetEchoer([&](const TEchoRequest& request) {
    if (++Echoes == 1) {
      read_only = Boot->E_IP4->isReadOnly();
      Boot->E_IP4->setFocus();
      QTest::keyClicks(Boot->E_IP4, QStringLiteral("9"));
    }
    EXPECT_EQ(request.Host, QStringLiteral("127.0.0.1"));
    return 1032;
  });
  // No updater lies in the folder: its report follows the recipe.
  Dialogs.Queue_Answer(mrOk);
  Boot->Btn_UpdateClick();
  EXPECT_TRUE(read_only);
  EXPECT_EQ(Boot->IP_Address_Text(), QStringLiteral("127.0.0.1"));
  EXPECT_EQ(Last_IP_Address, QStringLiteral("127.0.0.1"));
  EXPECT_TRUE(Folder.Read(QStringLiteral("Ethernet_Update.xml")).contains("<IP_Address_Dev>127.0.0.1<"));
  // Editable again once the click is over.
  EXPECT_FALSE(Boot->E_IP4->isReadOnly());
  QTest::keyClicks(Boot->E_IP4, QStringLiteral("9"));
  EXPECT_EQ(Boot->E_IP4->text(), QStringLiteral("19"));
  Boot->hide();
}

TEST_F(BootTest, AnsweringDeviceGetsTheRecipeAndTheUpdaterRunsOnceAndIsAwaited) {
  Install_Updater();
  Device_Answers(1032);
  Set_Address("127", "0", "0", "1");
  Boot->CB_Update_Options->setCurrentIndex(uoFirmware);
  Boot->CB_Update_Option_Read_Back->setChecked(false);

  // While the updater runs: events are processed (this timer fires), the window
  // takes no input, and neither a click on the button nor a second call of the
  // handler starts anything.
  bool probed = false;
  bool window_enabled = true;
  bool button_enabled = true;
  QTimer probe;
  probe.setInterval(10);
  QObject::connect(&probe, &QTimer::timeout, [&] {
    if (probed || !QFile::exists(Folder.File(QStringLiteral("updater.log")))) return;
    probed = true;
    window_enabled = Boot->isEnabled();
    button_enabled = Boot->Btn_Update->isEnabled();
    QTest::mouseClick(Boot->Btn_Update, Qt::LeftButton);
    Boot->Btn_UpdateClick();
    Folder.Write(QStringLiteral("release"), "");
  });
  probe.start();
  Boot->Btn_UpdateClick();
  probe.stop();

  EXPECT_TRUE(probed);
  EXPECT_FALSE(window_enabled);
  EXPECT_FALSE(button_enabled);
  EXPECT_EQ(Folder.Read(QStringLiteral("updater.log")), QByteArray("start\nend\n"));
  EXPECT_EQ(Echoes, 2);
  EXPECT_TRUE(Dialogs.Messages.empty()) << Dialogs.Texts().join(u'|').toStdString();
  EXPECT_TRUE(Boot->isEnabled());
  EXPECT_TRUE(Boot->Btn_Update->isEnabled());

  EXPECT_EQ(Last_IP_Address, QStringLiteral("127.0.0.1"));
  EXPECT_EQ(Update_Option_Index, uoFirmware);
  EXPECT_FALSE(Update_Read_Back);
  const QByteArray recipe = Folder.Read(QStringLiteral("Ethernet_Update.xml"));
  EXPECT_EQ(Folder.Read(QStringLiteral("seen.xml")), recipe) << "the recipe must be complete before the start";
  TXmlDocument expected;
  Fill_Update_Recipe(expected, Update_Recipe_For(QStringLiteral("127.0.0.1"), uoFirmware, false));
  EXPECT_EQ(recipe, expected.Save_Bytes());
}

TEST_F(BootTest, FailedPingsWarnOrReportTheAddressAndChangeNothing) {
  uint32_t now = 0;
  struct Case {
    const char* what;
    const char* fourth_octet;
    std::function<int32_t(const TEchoRequest&)> echoer;
    const char* text;
    TMsgDlgType type;
  };
  const Case cases[] = {
      {"silent device", "9", [](const TEchoRequest&) { return 0; }, "Device Not Found!", mtWarning},
      {"unresolvable address, real client", "300", nullptr, "Error!!! Check the Ip Address", mtError},
      {"echo cannot be sent", "9",
       [](const TEchoRequest&) -> int32_t { throw Exception(QStringLiteral("Network is unreachable")); },
       "Error!!! Check the Ip Address", mtError},
      // The machine's settings, not the address: the user learns the cause and how to grant the permission.
      {"no permission to send ICMP", "9",
       [](const TEchoRequest&) -> int32_t { throw EPingUnavailable(QStringLiteral("raw socket: refused")); },
       "Error!!! This user has no permission to send a ping", mtError},
  };
  Install_Updater();
  for (const Case& c : cases) {
    Dialogs.Messages.clear();
    Boot->Pacing = Simulated_Pacing(now);
    Boot->Ping.SetEchoer(c.echoer);
    Boot->CB_Update_Options->setCurrentIndex(uoConfiguration);
    Set_Address("10", "0", "0", c.fourth_octet);
    Dialogs.Queue_Answer(mrOk);
    Boot->Btn_UpdateClick();
    ASSERT_EQ(Dialogs.Messages.size(), 1u) << c.what;
    EXPECT_TRUE(Dialogs.Messages[0].Text.startsWith(QString::fromLatin1(c.text)))
        << c.what << ": " << Dialogs.Messages[0].Text.toStdString();
    // Only the missing permission names the kernel setting that grants it, with the layer's cause.
    const bool permission = Dialogs.Messages[0].Text.contains(QStringLiteral("net.ipv4.ping_group_range"));
    EXPECT_EQ(permission, Dialogs.Messages[0].Text.contains(QStringLiteral("raw socket: refused"))) << c.what;
    EXPECT_EQ(permission, std::string(c.what) == "no permission to send ICMP") << c.what;
    EXPECT_EQ(Dialogs.Messages[0].Type, c.type) << c.what;
    EXPECT_EQ(Dialogs.Messages[0].Buttons, TMsgDlgButtons(mbOK)) << c.what;
    EXPECT_EQ(Last_IP_Address, Default_IP_Address) << c.what;
    EXPECT_EQ(Update_Option_Index, uoFirmware_And_Configuration) << c.what;
    EXPECT_FALSE(Recipe_Written()) << c.what;
    EXPECT_FALSE(QFile::exists(Folder.File(QStringLiteral("updater.log")))) << c.what;
    EXPECT_TRUE(Boot->Btn_Update->isEnabled()) << c.what;
  }
}

TEST_F(BootTest, ASecondClickDuringThePingStartsNoSecondPing) {
  Install_Updater();
  Folder.Write(QStringLiteral("release"), "");
  bool button_enabled = true;
  Boot->Ping.SetEchoer([&](const TEchoRequest&) {
    if (++Echoes == 1) {
      button_enabled = Boot->Btn_Update->isEnabled();
      Boot->Btn_UpdateClick();
    }
    return 1032;
  });
  Boot->Btn_UpdateClick();
  EXPECT_FALSE(button_enabled);
  EXPECT_EQ(Echoes, 2);
  EXPECT_EQ(Folder.Read(QStringLiteral("updater.log")), QByteArray("start\nend\n"));
}

TEST_F(BootTest, CancelDuringThePingGivesTheUpdateUp) {
  Install_Updater();
  Boot->Ping.SetEchoer([&](const TEchoRequest&) {
    if (++Echoes == 1) Boot->Btn_Cancel->OnClick();
    return 1032;
  });
  Boot->Btn_UpdateClick();
  EXPECT_EQ(Boot->ModalResult(), mrCancel);
  EXPECT_FALSE(Recipe_Written());
  EXPECT_FALSE(QFile::exists(Folder.File(QStringLiteral("updater.log"))));
  EXPECT_EQ(Last_IP_Address, Default_IP_Address);
  EXPECT_TRUE(Dialogs.Messages.empty());
}

TEST_F(BootTest, RecipeThatCannotBeSavedStopsBeforeTheUpdater) {
  Install_Updater();
  Folder.Write(QStringLiteral("Ethernet_Update.xml"), "<Old/>");
  Device_Answers(1032);
  {
    TFailing_Writes failing(QStringLiteral("Ethernet_Update.xml"), 10);
    Dialogs.Queue_Answer(mrOk);
    Boot->Btn_UpdateClick();
  }
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Type, mtError);
  EXPECT_TRUE(Dialogs.Messages[0].Text.contains(QStringLiteral("Ethernet_Update.xml")));
  EXPECT_EQ(Folder.Read(QStringLiteral("Ethernet_Update.xml")), QByteArray("<Old/>"));
  EXPECT_FALSE(QFile::exists(Folder.File(QStringLiteral("updater.log"))));
  EXPECT_TRUE(Boot->isEnabled());
}

TEST_F(BootTest, AnUpdaterThatCannotStartIsReportedAfterTheRecipeWasWritten) {
  Device_Answers(1032);
  struct Case {
    const char* what;
    std::function<void()> prepare;
  };
  const Case cases[] = {
      {"missing", [] {}},
      {"not executable", [this] { Folder.Write(QStringLiteral("Ethernet_Update.exe"), "#!/bin/sh\n"); }},
  };
  for (const Case& c : cases) {
    Dialogs.Messages.clear();
    QFile::remove(Folder.File(QStringLiteral("Ethernet_Update.xml")));
    c.prepare();
    Dialogs.Queue_Answer(mrOk);
    Boot->Btn_UpdateClick();
    EXPECT_TRUE(Recipe_Written()) << c.what;
    ASSERT_EQ(Dialogs.Messages.size(), 1u) << c.what;
    EXPECT_EQ(Dialogs.Messages[0].Type, mtError);
    EXPECT_TRUE(Dialogs.Messages[0].Text.startsWith(Lang_Table[TFBoot::Msg_Updater_Not_Started]));
    EXPECT_TRUE(Dialogs.Messages[0].Text.endsWith(QStringLiteral("Ethernet_Update.exe")))
        << Dialogs.Messages[0].Text.toStdString();
    EXPECT_TRUE(Boot->isEnabled());
  }
  // A started updater is not reported, whatever it did.
  Dialogs.Messages.clear();
  Install_Updater();
  Folder.Write(QStringLiteral("release"), "");
  Boot->Btn_UpdateClick();
  EXPECT_TRUE(Dialogs.Messages.empty()) << Dialogs.Texts().join(u'|').toStdString();
}

TEST_F(BootTest, SerialModeOnlyTakesTheChoices) {
  Boot->Form_Type = ftSerial;
  Boot->FormShow();
  Device_Answers(1032);
  Boot->CB_Update_Options->setCurrentIndex(uoConfiguration);
  Boot->CB_Update_Option_Read_Back->setChecked(false);
  Boot->Btn_UpdateClick();
  EXPECT_EQ(Update_Option_Index, uoConfiguration);
  EXPECT_FALSE(Update_Read_Back);
  EXPECT_EQ(Echoes, 0);
  EXPECT_FALSE(Recipe_Written());
  EXPECT_TRUE(Dialogs.Messages.empty());
}

TEST_F(BootTest, RealPingOfLoopbackFindsTheDevice) {
  try {
    TEchoRequest probe;
    probe.Host = QStringLiteral("127.0.0.1");
    Icmp_Echo(probe);
  } catch (const EPingUnavailable& e) {
    GTEST_SKIP() << "this machine forbids both ICMP sockets: " << e.what();
  }
  Set_Address("127", "0", "0", "1");
  EXPECT_TRUE(Boot->Send_Ping());
  EXPECT_EQ(Boot->ping_res, prData);
}
