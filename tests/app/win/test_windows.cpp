#include <gtest/gtest.h>

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <map>

#include "TTempFolder.h"
#include "UAbout.h"
#include "UBACnetSlaveSetAccess.h"
#include "UBACnet_Eng_Unit.h"
#include "UBoot.h"
#include "UControl_Modules.h"
#include "UDMXDefVal.h"
#include "UGlobals.h"
#include "UKNXAccess.h"
#include "ULang.h"
#include "UMQTT_Set_Topic.h"
#include "UNew_Project.h"
#include "UOPC_UA_Add_Server.h"
#include "UOPC_UA_Client_Access.h"
#include "UOPC_UA_Scan_Server.h"
#include "UOpenConf.h"
#include "UParGen.h"
#include "UProfinetFileName.h"
#include "UProgram_Start.h"
#include "UReceiveCAN.h"
#include "UReceiveJ1939.h"
#include "UReceiveNMEA.h"
#include "USNMP_Trap_Access.h"
#include "USet_PDO_Access.h"
#include "USet_SDO_Client_Access.h"
#include "USet_SDO_Server_Access.h"
#include "USoftOptions.h"
#include "USysColors.h"
#include "UThemeBinding.h"
#include "UTopicTemplate.h"
#include "UTransmitCAN.h"
#include "UTransmitJ1939.h"
#include "UTransmitNMEA.h"
#include "UVandrelFirmWare.h"
#include "UWindow_Table.h"
#include "UWindows.h"

namespace {

class WindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SW_Code.clear();
    Language = QStringLiteral("English");
  }
  void TearDown() override { Destroy_Windows(); }
  TTempFolder Folder;
};

// Notes the place of a window in the language fan-out, when it has one.
template <int Place, class T>
void Note_Place(std::map<int, TFDialogFrame*>& places, int& refreshed, T* window) {
  if constexpr (Place > 0) {
    ++refreshed;
    places[Place] = window;
  }
}

}  // namespace

// The main window is created first, so every later window already shows the software code in its title panel.
TEST_F(WindowsTest, TheMainWindowComesFirstAndTheOthersSeeTheSoftwareCode) {
  Prepare_Program_State();
  Create_Windows();
  const std::vector<QWidget*> windows = Created_Windows();
  ASSERT_FALSE(windows.empty());
  EXPECT_EQ(windows.front(), FVandrelFirmWare);
  for (size_t i = 1; i < windows.size(); ++i) {
    auto* frame = dynamic_cast<TFDialogFrame*>(windows[i]);
    ASSERT_NE(frame, nullptr) << i;
    EXPECT_EQ(frame->L_SW_Code->text(), QStringLiteral("SWTarn10")) << frame->windowTitle().toStdString();
  }
  // In the table's order, each window in its instance pointer.
  std::vector<QWidget*> expected;
#define TARN_EXPECT_WINDOW(window_class, instance, fan_out, english_block) expected.push_back(instance);
  TARN_WINDOW_TABLE(TARN_EXPECT_WINDOW)
#undef TARN_EXPECT_WINDOW
  EXPECT_EQ(std::count(expected.begin(), expected.end(), nullptr), 0);
  EXPECT_EQ(windows, expected);
}

TEST_F(WindowsTest, DestroyingClearsEveryInstance) {
  Prepare_Program_State();
  Create_Windows();
  Destroy_Windows();
  EXPECT_TRUE(Created_Windows().empty());
#define TARN_EXPECT_CLEARED(window_class, instance, fan_out, english_block) EXPECT_EQ(instance, nullptr) << #instance;
  TARN_WINDOW_TABLE(TARN_EXPECT_CLEARED)
#undef TARN_EXPECT_CLEARED
}

// The table gives every window that a language change refreshes a place of its own, 1 to N, none left out or
// taken twice; the fan-out follows the places.
TEST_F(WindowsTest, TheLanguageFanOutFollowsItsFixedOrder) {
  Prepare_Program_State();
  Create_Windows();
  std::map<int, TFDialogFrame*> places;
  int refreshed = 0;
#define TARN_NOTE_PLACE(window_class, instance, fan_out, english_block) \
  Note_Place<fan_out>(places, refreshed, instance);
  TARN_WINDOW_TABLE(TARN_NOTE_PLACE)
#undef TARN_NOTE_PLACE
  ASSERT_EQ(places.size(), size_t(refreshed)) << "two windows share a place";
  ASSERT_FALSE(places.empty());
  EXPECT_EQ(places.begin()->first, 1);
  EXPECT_EQ(places.rbegin()->first, refreshed) << "a place is left out";
  std::vector<TFDialogFrame*> expected;
  for (const auto& [place, window] : places) {
    EXPECT_NE(window, nullptr) << place;
    expected.push_back(window);
  }
  EXPECT_EQ(Language_Fan_Out(), expected);
}

// A language change re-reads every window's texts, except the topic template window's, which keeps the language
// of the start.
TEST_F(WindowsTest, ALanguageChangeReachesEveryWindowButTheTopicTemplate) {
  Prepare_Program_State();
  Create_Windows();
  const QString topic_title = FTopicTemplate->windowTitle();
  Folder.Write("LANGUAGE/Test.lng",
               "STR0 =Anfang\nSTR100 =Neu\nSTR200 =Oeffnen\nSTR1200 =OPC\nSTR1400 =Server\nSTR1500 =Suche\n"
               "STR1600 =BACnet\nSTR1700 =Einheit\nSTR1800 =GSDML\nSTR1900 =CAN rx\nSTR2000 =CAN tx\nSTR2100 =PDO\n"
               "STR2200 =SDO c\nSTR2300 =SDO s\nSTR2400 =DMX\nSTR2500 =J rx\nSTR2600 =J tx\nSTR2700 =N rx\n"
               "STR2800 =N tx\nSTR2900 =SNMP\nSTR3000 =KNX\nSTR3100 =MQTT\nSTR3200 =Thema\n");
  Load_Language(QStringLiteral("Test"));
  FVandrelFirmWare->Change_Language();
  EXPECT_EQ(FVandrelFirmWare->L_Begin->text(), QStringLiteral("Anfang"));
  const std::pair<TFDialogFrame*, const char*> cases[] = {{FNew_Project, "Neu"},
                                                          {FOpenConf, "Oeffnen"},
                                                          {FOPC_UA_Client_Access, "OPC"},
                                                          {FOPC_UA_Add_Server, "Server"},
                                                          {FOPC_UA_Scan_Server, "Suche"},
                                                          {FBACnetSlaveSetAccess, "BACnet"},
                                                          {FBACnet_Eng_Unit, "Einheit"},
                                                          {FProfinetFileName, "GSDML"},
                                                          {FReceiveCAN, "CAN rx"},
                                                          {FTransmitCAN, "CAN tx"},
                                                          {FSet_PDO_Access, "PDO"},
                                                          {FSet_SDO_Client_Access, "SDO c"},
                                                          {FSet_SDO_Server_Access, "SDO s"},
                                                          {FDMXDefVal, "DMX"},
                                                          {FReceiveJ1939, "J rx"},
                                                          {FTransmitJ1939, "J tx"},
                                                          {FReceiveNMEA, "N rx"},
                                                          {FTransmitNMEA, "N tx"},
                                                          {FSNMP_Trap_Access, "SNMP"},
                                                          {FKNXAccess, "KNX"},
                                                          {FMQTT_Set_Topic, "MQTT"}};
  for (const auto& [window, title] : cases) EXPECT_EQ(window->windowTitle(), QString::fromUtf8(title));
  EXPECT_EQ(FTopicTemplate->windowTitle(), topic_title);
  EXPECT_EQ(FTopicTemplate->L_SW_Desc->text(), QStringLiteral("Set Topic"));
}

// Painted as the user sees it: background, the frame around the configuration lines, the separator under the
// last step, and the client size.
TEST_F(WindowsTest, TheMainWindowIsPaintedAtItsPlaces) {
  Prepare_Program_State();
  Create_Windows();
  TFVandrelFirmWare* w = FVandrelFirmWare;
  EXPECT_EQ(w->size(), QSize(694, 396));
  const QImage image = w->grab().toImage();
  if (!qEnvironmentVariableIsEmpty("TARN_SCREENSHOT")) image.save(qEnvironmentVariable("TARN_SCREENSHOT"));
  const QColor background = TColorToQColor(0xEDF7F8);
  EXPECT_EQ(image.pixelColor(450, 150), background);
  EXPECT_EQ(image.pixelColor(200, 70), TColorToQColor(clSilver)) << "top edge of the configuration frame";
  EXPECT_EQ(image.pixelColor(80, 90), TColorToQColor(clSilver)) << "left edge of the configuration frame";
  EXPECT_EQ(image.pixelColor(300, 295), QColor(Qt::black)) << "separator under step 4";
  EXPECT_EQ(image.pixelColor(300, 296), background);
  const std::pair<QWidget*, QRect> places[] = {
      {w->Btn_New, QRect(80, 112, 170, 36)},       {w->Btn_Open, QRect(258, 112, 170, 36)},
      {w->Btn_Prm_Gen, QRect(80, 156, 170, 36)},   {w->Btn_OPC_UA_Client_Access, QRect(80, 200, 170, 36)},
      {w->Btn_CreateBin, QRect(80, 244, 170, 36)}, {w->Btn_Info, QRect(516, 8, 50, 50)},
      {w->Btn_Opz, QRect(574, 8, 50, 50)},         {w->Btn_Close, QRect(632, 8, 50, 50)},
      {w->Shape2, QRect(80, 70, 348, 36)},         {w->Shape1, QRect(10, 295, 674, 1)}};
  for (const auto& [control, rect] : places) {
    EXPECT_EQ(control->geometry(), rect) << control->metaObject()->className();
    EXPECT_FALSE(control->isHidden());
  }
  const std::pair<QWidget*, QPoint> labels[] = {
      {w->L_SW_Code, {16, 8}},       {w->L_SW_Desc, {16, 42}}, {w->L_Name_Conf, {87, 75}},
      {w->L_Name_Conf_L2, {87, 88}}, {w->L_Begin, {16, 84}},   {w->L_Step_1, {16, 128}},
      {w->L_Step_2, {16, 172}},      {w->L_Step_3, {16, 216}}, {w->L_Step_4, {16, 260}},
      {w->L_Quorvane, {565, 260}},   {w->LL_Update, {208, 19}}};
  for (const auto& [label, pos] : labels) EXPECT_EQ(label->pos(), pos);
  for (QWidget* hidden : std::initializer_list<QWidget*>{w->L_Step_5, w->L_Step_8, w->Btn_PROFINET_XML,
                                                         w->Btn_BACnet_SetAccess, w->Btn_PROFIBUS_GSD, w->LL_Update})
    EXPECT_TRUE(hidden->isHidden());
  EXPECT_EQ(w->L_Step_8->pos(), QPoint(16, 436));
}

// Every row of the window table brings its window's built-in title, and the start-up wires the options window to
// the main window.
TEST_F(WindowsTest, EveryWindowHasItsTitleAndTheOptionsWindowReachesTheMainWindow) {
  Prepare_Program_State();
  Create_Windows();
  for (QWidget* window : Created_Windows()) {
    if (window == FVandrelFirmWare || window == FAbout) continue;
    EXPECT_FALSE(window->windowTitle().trimmed().isEmpty()) << window->metaObject()->className();
  }
  ASSERT_TRUE(FSoftOptions->On_Enable_Timer_Update);
  FSoftOptions->On_Enable_Timer_Update(true);
  EXPECT_TRUE(FVandrelFirmWare->Timer_Update->isActive());
  FSoftOptions->On_Enable_Timer_Update(false);
  EXPECT_FALSE(FVandrelFirmWare->Timer_Update->isActive());
}

// The main window owns the others; destroying the windows frees each once (a second owner would free it twice).
TEST_F(WindowsTest, TheMainWindowOwnsTheOthersAndDestroyingFreesThemAll) {
  Prepare_Program_State();
  Create_Windows();
  std::vector<QPointer<QWidget>> alive;
  for (QWidget* window : Created_Windows()) {
    if (window != FVandrelFirmWare) {
      EXPECT_EQ(window->parentWidget(), FVandrelFirmWare);
    }
    alive.emplace_back(window);
  }
  Destroy_Windows();
  for (const QPointer<QWidget>& window : alive) EXPECT_TRUE(window.isNull());
}

// The start-up, not the main window, sets the program-wide state: a window made later changes none of it.
TEST_F(WindowsTest, TheStartUpPreparesTheProgramStateAndTheMainWindowOnlyShowsIt) {
  Update_Read_Back = false;
  Update_Option_Index = 2;
  Name_Project = QStringLiteral("left over");
  Prepare_Program_State();
  EXPECT_TRUE(Update_Read_Back);
  EXPECT_EQ(Update_Option_Index, 0);
  EXPECT_TRUE(Name_Project.isEmpty());
  EXPECT_EQ(Lang_Table.size(), Lang_Size);

  Update_Read_Back = false;
  Lang_Table[0] = QStringLiteral("kept");
  Create_Windows();
  EXPECT_FALSE(Update_Read_Back);
  EXPECT_EQ(FVandrelFirmWare->L_Begin->text(), QStringLiteral("kept"));
}

// The whole start-up, message loop included: the visual-style layer is bound for both of its users while the
// windows live, and released once the main window has closed and the windows are gone.
TEST_F(WindowsTest, TheStartUpBindsTheStyleLayerForTheRunAndReleasesItAtTheEnd) {
  ASSERT_FALSE(QrvXPVS().IsThemeActive());
  bool windowsMade = false, themedWhileRunning = false;
  QTimer::singleShot(0, [&] {
    windowsMade = FVandrelFirmWare != nullptr;
    themedWhileRunning = QrvXPVS().IsThemeActive() && ATXPVS().IsThemeActive();
    if (windowsMade) FVandrelFirmWare->close();
  });
  EXPECT_EQ(Program_Start(), 0);
  EXPECT_TRUE(windowsMade);
  EXPECT_TRUE(themedWhileRunning);
  EXPECT_EQ(FVandrelFirmWare, nullptr);
  EXPECT_FALSE(QrvXPVS().Loaded());
  EXPECT_FALSE(ATXPVS().Loaded());
  EXPECT_FALSE(QrvXPVS().IsThemeActive());
}

// Tests that build the windows themselves start the control modules the same way, and may do so again.
TEST_F(WindowsTest, TheControlModulesCanStartAgainAfterTheyEnded) {
  for (int run = 0; run < 2; ++run) {
    Start_Control_Modules();
    EXPECT_TRUE(QrvXPVS().IsThemeActive()) << run;
    Prepare_Program_State();
    Create_Windows();
    Destroy_Windows();
    Stop_Control_Modules();
    EXPECT_FALSE(QrvXPVS().IsThemeActive()) << run;
  }
}
