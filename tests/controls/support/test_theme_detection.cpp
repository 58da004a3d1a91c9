#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QPalette>
#include <QTemporaryDir>
#include <QThread>

#include "FakeThemeModule.h"
#include "QrvStyleIF.h"
#include "URegistry.h"
#include "UThemeNotifier.h"

namespace {

// A registry in a temporary file and no visual-style library unless a test installs one.
class ThemeDetection : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Folder.isValid());
    SetRegistryFile(Folder.filePath(QStringLiteral("registry.ini")));
    DropFakeTheme();
  }
  void TearDown() override {
    DropFakeTheme();
    SetRegistryFile(QString());
  }
  static void Write(const QString& key, const QString& name, int value) {
    TRegistry r;
    ASSERT_TRUE(r.OpenKey(key, true));
    r.WriteInteger(name, value);
  }
  static void MakeKey(const QString& key) {
    TRegistry r;
    ASSERT_TRUE(r.OpenKey(key, true));
  }
  QTemporaryDir Folder;
};

TEST_F(ThemeDetection, FixedPlatformAnswers) {
  EXPECT_TRUE(HasComCtl6());
  EXPECT_TRUE(HasVistaApi());
  EXPECT_TRUE(IsWinXpOrLater());
  EXPECT_EQ(DefaultUiFontName(), QStringLiteral("Segoe UI"));
}

TEST_F(ThemeDetection, OfficeVersionFromTheGeneralKeys) {
  EXPECT_EQ(OfficeVersionPresent(), 0);
  MakeKey(QStringLiteral("Software\\Microsoft\\Office\\11.0\\Common\\General"));
  EXPECT_EQ(OfficeVersionPresent(), 0);
  MakeKey(OfficeGeneralKey12);
  EXPECT_EQ(OfficeVersionPresent(), 1);
  MakeKey(OfficeGeneralKey14);
  EXPECT_EQ(OfficeVersionPresent(), 2);
}

TEST_F(ThemeDetection, ReadOfficeThemeIndexIsMinusOneForMissingKeyValueOrNumber) {
  TRegistry r;
  EXPECT_EQ(ReadOfficeThemeIndex(r, OfficeCommonKey14), -1);
  MakeKey(OfficeCommonKey14);
  EXPECT_EQ(ReadOfficeThemeIndex(r, OfficeCommonKey14), -1);
  {
    TRegistry w;
    ASSERT_TRUE(w.OpenKey(OfficeCommonKey14, false));
    w.WriteString(QStringLiteral("Theme"), QStringLiteral("dark"));
  }
  EXPECT_EQ(ReadOfficeThemeIndex(r, OfficeCommonKey14), -1);
  Write(OfficeCommonKey14, QStringLiteral("Theme"), 2);
  EXPECT_EQ(ReadOfficeThemeIndex(r, OfficeCommonKey14), 2);
  EXPECT_TRUE(r.CurrentPath().isEmpty());
}

TEST_F(ThemeDetection, OfficeThemesDecideFirst) {
  struct Case {
    int theme14, theme12;  // -1: no value
    TOfficeTheme want;
  } cases[] =
      {
          {1, -1, ot2010Blue},  {2, -1, ot2010Silver}, {3, 3, ot2010Black},
          {0, 3, ot2003Blue},  // an unknown 14.0 theme ends the search
          {4, -1, ot2003Blue},  {-1, 1, ot2007Blue},   {-1, 2, ot2007Silver},
          {-1, 3, ot2007Black}, {-1, 7, ot2003Blue},
      };
  for (const Case& c : cases) {
    TRegistry r;
    r.DeleteKey(QStringLiteral("Software"));
    MakeKey(OfficeCommonKey14);  // the key, without a value, never decides
    if (c.theme14 >= 0) Write(OfficeCommonKey14, QStringLiteral("Theme"), c.theme14);
    if (c.theme12 >= 0) Write(OfficeCommonKey12, QStringLiteral("Theme"), c.theme12);
    EXPECT_EQ(DetectSystemStyle(), c.want) << c.theme14 << " " << c.theme12;
  }
}

TEST_F(ThemeDetection, DesktopSchemeDecidesWithoutOfficeThemes) {
  EXPECT_EQ(CurrentXpScheme(), 0);
  EXPECT_EQ(DetectSystemStyle(), ot2003Classic);
  UseFakeTheme(true);
  struct Case {
    const char* scheme;
    bool active;
    int xp;
    TOfficeTheme want;
  } cases[] = {
      {"NormalColor", true, 1, ot2003Blue},     {"HomeStead", true, 2, ot2003Olive},
      {"Luna Metallic", true, 3, ot2003Silver}, {"metallic", true, 0, ot2003Classic},
      {"Metallic", false, 0, ot2003Classic},
  };
  for (const Case& c : cases) {
    TFakeTheme::Scheme = QString::fromUtf8(c.scheme);
    TFakeTheme::Active = c.active;
    EXPECT_EQ(CurrentXpScheme(), c.xp) << c.scheme;
    EXPECT_EQ(DetectSystemStyle(), c.want) << c.scheme;
  }
  // The test looks up only the two entries it calls: a library lacking another still answers.
  TFakeTheme::Scheme = QStringLiteral("NormalColor");
  TFakeTheme::Active = true;
  const struct {
    const char* missing;
    int xp;
  } entries[] = {{"DrawThemeEdge", 1}, {"EnableTheming", 1}, {"IsThemeActive", 0}, {"GetCurrentThemeName", 0}};
  for (const auto& e : entries) {
    TFakeTheme::Missing = {e.missing};
    EXPECT_EQ(CurrentXpScheme(), e.xp) << e.missing;
  }
  TFakeTheme::Missing.clear();
  // The scheme test holds its own reference only while it runs.
  FreeThemeLibrary();
  EXPECT_EQ(TFakeTheme::Alive, 0);
}

TEST_F(ThemeDetection, DesktopColoursGiveAnOfficeCode) {
  struct Case {
    TColor window, highlight;
    int32_t want;
  } cases[] = {
      {0xEFEFEF, 0xC68C30, ot2010Blue},    // a light desktop with a blue highlight
      {0xFFFFFF, 0x30C030, ot2010Blue},    // any other saturated highlight
      {0xEFEFEF, 0xA0A0A0, ot2010Silver},  // a grey highlight
      {0xEFEFEF, 0x9A8C80, ot2010Silver},  // nearly grey
      {0x2D2D2D, 0xC68C30, ot2010Black},   // a dark window, whatever the highlight
      {0x7F7F7F, 0xA0A0A0, ot2010Black},   // just below half lightness
      {0x808080, 0xC68C30, ot2010Blue},    // half lightness counts as light
  };
  for (const Case& c : cases)
    EXPECT_EQ(OfficeCodeOfDesktop(c.window, c.highlight), c.want) << std::hex << c.window << " " << c.highlight;
}

TEST_F(ThemeDetection, TheDesktopAnswersAfterTheOfficeSuite) {
  int32_t desktop = ot2010Black;
  SetDesktopStyleProvider([&] { return desktop; });
  EXPECT_EQ(DetectSystemStyle(), ot2010Black);
  Write(OfficeCommonKey12, QStringLiteral("Theme"), 1);
  EXPECT_EQ(DetectSystemStyle(), ot2007Blue) << "the office suite's scheme comes first";
  TRegistry().DeleteKey(QStringLiteral("Software"));
  // An answer that is no office code leaves it to the visual style's scheme.
  for (const int32_t none : {-1, 10}) {
    desktop = none;
    EXPECT_EQ(DetectSystemStyle(), ot2003Classic) << none;
  }
  SetDesktopStyleProvider(nullptr);
}

TEST(HandleList, OperationsKeepOrderAndDuplicates) {
  THandleList list;
  list.Add(10);
  list.Add(20);
  list.Add(10);
  list.Insert(1, 15);
  EXPECT_EQ(list.Snapshot(), (std::vector<intptr_t>{10, 15, 20, 10}));
  list.DeleteValue(10);
  EXPECT_EQ(list.Snapshot(), (std::vector<intptr_t>{15, 20, 10}));
  list.DeleteValue(99);
  list.Delete(7);
  EXPECT_EQ(list.Count(), 3);
  list.SetInteger(0, 5);
  EXPECT_EQ(list.GetInteger(0), 5);
  EXPECT_TRUE(list.HasValue(20));
  list.Delete(1);
  EXPECT_FALSE(list.HasValue(20));
}

// Records the theme-change events it receives and the thread they arrive on.
class TReceiver : public QObject {
 public:
  int Received = 0;
  bool OnOwnThread = true;
  QString KeyPath;

 protected:
  bool event(QEvent* e) override {
    if (e->type() == ThemeChangeEventType) {
      ++Received;
      OnOwnThread = OnOwnThread && QThread::currentThread() == thread();
      KeyPath = static_cast<TThemeChangeEvent*>(e)->KeyPath;
      return true;
    }
    return QObject::event(e);
  }
};

bool Wait_For(const std::function<bool()>& done) {
  QDeadlineTimer deadline(10000);
  while (!done() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
  return done();
}

TEST_F(ThemeDetection, NoOfficeKeyNoThreadNorWindow) {
  QObject owner;
  TThemeNotifier* notifier = SharedThemeNotifier(&owner);
  EXPECT_EQ(notifier->RegMonitorThread(), nullptr);
  EXPECT_EQ(notifier->NotifierWindow(), nullptr);
  TReceiver receiver;
  notifier->RegisterWindow(&receiver);
  EXPECT_EQ(SharedThemeNotifier(nullptr), notifier);
}

TEST_F(ThemeDetection, AChangedThemeReachesEveryRegisteredWindowOnTheUiThread) {
  MakeKey(OfficeGeneralKey14);
  Write(OfficeCommonKey14, QStringLiteral("Theme"), 1);
  auto owner = std::make_unique<QObject>();
  TThemeNotifier* notifier = SharedThemeNotifier(owner.get());
  ASSERT_NE(notifier->RegMonitorThread(), nullptr);
  EXPECT_EQ(notifier->RegMonitorThread()->Filter(), 4);
  int fired = 0;
  notifier->OnOfficeThemeChange = [&](QObject* sender) { fired += sender == notifier; };
  TReceiver a, b;
  auto gone = std::make_unique<TReceiver>();
  notifier->RegisterWindow(&a);
  notifier->RegisterWindow(&a);
  notifier->RegisterWindow(&b);
  notifier->RegisterWindow(gone.get());
  notifier->UnRegisterWindow(&b);
  notifier->UnRegisterWindow(&b);
  EXPECT_EQ(notifier->RegMonitorThread()->WinList().Count(), 2);
  gone.reset();  // a destroyed window leaves the list
  EXPECT_EQ(notifier->RegMonitorThread()->WinList().Count(), 1);

  Write(OfficeCommonKey14, QStringLiteral("Theme"), 3);
  ASSERT_TRUE(Wait_For([&] { return a.Received > 0 && fired > 0; }));
  EXPECT_TRUE(a.OnOwnThread);
  EXPECT_EQ(a.KeyPath, OfficeCommonKey14);
  EXPECT_EQ(b.Received, 0);
  EXPECT_EQ(DetectSystemStyle(), ot2010Black);

  // Destroying the owner ends the watch and clears the shared reference.
  owner.reset();
  QObject other;
  EXPECT_NE(SharedThemeNotifier(&other)->RegMonitorThread(), nullptr);
}

TEST_F(ThemeDetection, ADesktopPaletteChangeReachesEveryRegisteredWindow) {
  auto owner = std::make_unique<QObject>();
  TThemeNotifier* notifier = SharedThemeNotifier(owner.get());
  ASSERT_EQ(notifier->RegMonitorThread(), nullptr) << "no office suite";
  int fired = 0;
  notifier->OnOfficeThemeChange = [&](QObject* sender) { fired += sender == notifier; };
  TReceiver a, b;
  notifier->RegisterWindow(&a);
  notifier->RegisterWindow(&b);
  notifier->UnRegisterWindow(&b);
  const QPalette before = QGuiApplication::palette();
  QPalette dark = before;
  dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
  QGuiApplication::setPalette(dark);
  QGuiApplication::setPalette(before);
  ASSERT_TRUE(Wait_For([&] { return a.Received > 0; }));
  QCoreApplication::processEvents();
  EXPECT_EQ(a.Received, 1) << "changes in a row are one notification";
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(b.Received, 0);
  owner.reset();
}

TEST_F(ThemeDetection, AWatchOnAMissingKeyEndsWithItsError) {
  TRegMonitorThread thread(TRootKey::HKEY_CURRENT_USER, QStringLiteral("Software\\Nowhere"), true, 0, nullptr);
  EXPECT_EQ(thread.Filter(), 15);
  thread.Resume();
  ASSERT_TRUE(Wait_For([&] { return thread.Ended(); }));
  EXPECT_EQ(thread.LastError(), QStringLiteral("Unable to open registry key Software\\Nowhere"));
}

}  // namespace
