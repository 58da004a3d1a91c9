#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "TTempFolder.h"
#include "UFormatSettings.h"
#include "UValidators.h"

TEST(CheckIPAddress, ResultAndParts) {
  struct Case {
    QString text;
    bool valid;
    QStringList parts;  // P1..P4 as far as the text gives them
  };
  const Case cases[] = {
      {"192.168.2.205", true, {"192", "168", "2", "205"}},
      {" 10 . 0 . 0 . 1 ", true, {"10", "0", "0", "1"}},
      {"0.0.0.0", true, {"0", "0", "0", "0"}},
      {"255.255.255.255", true, {"255", "255", "255", "255"}},
      {"1.2.3", false, {"1", "2", "", ""}},
      {"1.2.3.4.5", false, {"1", "2", "3", "4.5"}},
      {"256.1.1.1", false, {"256", "1", "1", "1"}},
      {"1.1.1.-1", false, {"1", "1", "1", "-1"}},
      {"a.b.c.d", false, {"a", "b", "c", "d"}},
      {"1..2.3", false, {"1", "", "2", "3"}},
      {"", false, {"", "", "", ""}},
  };
  for (const Case& c : cases) {
    QString p[4];
    EXPECT_EQ(Check_IP_Address(c.text, p[0], p[1], p[2], p[3]), c.valid) << c.text.toStdString();
    for (int i = 0; i < 4; ++i) EXPECT_EQ(p[i], c.parts[i]) << c.text.toStdString() << " part " << i + 1;
  }
}

TEST(CheckIPAddress, PartsBeyondTheFailureAreLeftAsTheCallerHadThem) {
  QString p1 = "x", p2 = "x", p3 = "x", p4 = "x";
  EXPECT_FALSE(Check_IP_Address("7.8", p1, p2, p3, p4));
  EXPECT_EQ(p1, "7");
  EXPECT_EQ(p2, "x");
  EXPECT_EQ(p4, "x");
}

TEST(CheckKNXAddress, GroupAndIndividualAddresses) {
  struct Case {
    QString text;
    bool group;
    bool allow_zero;
    int32_t result;
  };
  const Case cases[] = {
      {"0/0/1", true, false, 0},    {"31/7/255", true, false, 0},    {"0/0/0", true, false, 1},
      {"32/0/1", true, false, 1},   {"1/8/1", true, false, 1},       {"1/2047", true, false, 0},
      {"1/2048", true, false, 1},   {"0/0", true, false, 1},         {"0/1", true, false, 0},
      {"1/2/3/4", true, false, 1},  {"5", true, false, 0},           {"0", true, false, 1},
      {"65535", true, false, 0},    {"65536", true, false, 1},       {"1.2", true, false, 1},
      {"0/0/0", true, true, 1},     {" 1 / 2 / 3 ", true, false, 0}, {"a/1/1", true, false, 1},
      {"1.1.1", false, false, 0},   {"15.15.255", false, false, 0},  {"16.1.1", false, false, 1},
      {"1.16.1", false, false, 1},  {"1.1.256", false, false, 1},    {"1.1", false, false, 1},
      {"1.1.1.1", false, false, 1}, {"0.0.0", false, true, 0},       {"0.0.0", false, false, 1},
      {"1/1", false, false, 1},     {"7", false, false, 0},          {"0", false, true, 1},
      {"1. 1 .1", false, false, 0}, {"x.1.1", false, false, 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Check_KNX_Address(c.text, c.group, c.allow_zero), c.result)
        << c.text.toStdString() << (c.group ? " group" : " individual") << (c.allow_zero ? " zero allowed" : "");
}

TEST(Validators, NoDotInTextAndClearTwoStrings) {
  EXPECT_TRUE(No_Dot_In_Text("1/2/3"));
  EXPECT_FALSE(No_Dot_In_Text("1.2.3"));
  QString a = "a", b = "b";
  EXPECT_TRUE(Clear_Two_Strings(a, b));
  EXPECT_TRUE(a.isEmpty() && b.isEmpty());
}

namespace {
// Pins the user's decimal separator for one test.
class PinnedSeparator {
 public:
  explicit PinnedSeparator(QChar c) {
    Set_Format_Settings_Provider([c] {
      TFormatSettings s;
      s.DecimalSeparator = c;
      return s;
    });
  }
  ~PinnedSeparator() { Set_Format_Settings_Provider({}); }
};
}  // namespace

TEST(GetDecimalSeparator, OnlyCommaOrPoint) {
  const std::pair<QChar, QChar> cases[] = {{u'.', u'.'}, {u',', u','}, {u';', u','}, {QChar(), u','}};
  for (const auto& [user, expected] : cases) {
    PinnedSeparator pin(user);
    EXPECT_EQ(Get_Decimal_Separator(), expected) << int(user.unicode());
  }
}

TEST(StrToFloatLocal, EitherSeparatorIsAccepted) {
  struct Case {
    QChar user;  // the user's decimal separator
    QString text;
    QChar separator;
    bool ok;
    float value;
  };
  const Case cases[] = {
      {u'.', "1,5", u'.', true, 1.5f},   {u'.', "1.5", u'.', true, 1.5f},    {u'.', "abc", u'.', false, 1.0f},
      {u',', "1.5", u',', true, 1.5f},   {u',', "2,25", u',', true, 2.25f},  {u'.', "", u'.', false, 1.0f},
      {u'.', " -3 ", u'.', true, -3.0f}, {u'.', "1e3", u'.', true, 1000.0f}, {u'.', "1,2,3", u'.', false, 1.0f},
      {u'.', "1e39", u'.', false, 1.0f}, {u'.', "1.5x", u'.', false, 1.0f},  {u',', "1,5", u'.', false, 1.0f},
  };
  for (const Case& c : cases) {
    PinnedSeparator pin(c.user);
    float value = -7.0f;
    EXPECT_EQ(Str_To_Float_Local(c.text, c.separator, value), c.ok) << c.text.toStdString();
    EXPECT_FLOAT_EQ(value, c.value) << c.text.toStdString();
  }
}

TEST(ListCOMPorts, DevicesMapToPortNumbersInRisingOrder) {
  TTempFolder dev;
  for (const char* name : {"ttyACM1", "ttyS3", "ttyUSB0", "ttyS0", "ttyS64", "ttyX0", "ttyS"}) dev.Write(name, "");
  QDir(dev.Path()).mkdir("ttyS1");  // a folder is no port
  EXPECT_EQ(List_COM_Ports_In(dev.Path()), QStringList({"1", "4", "65", "130"}));
}

TEST(ListCOMPorts, NoDevicesGiveAnEmptyList) {
  TTempFolder dev;
  EXPECT_TRUE(List_COM_Ports_In(dev.Path()).isEmpty());
  // The real probe must at least run through without harm; what it finds depends on the machine.
  for (const QString& n : List_COM_Ports())
    EXPECT_FALSE(COM_Port_Device_Name(n.toInt()).isEmpty()) << n.toStdString();
}

TEST(ListCOMPorts, PortNumbersNameTheirDevices) {
  const std::pair<int32_t, QString> cases[] = {{1, "/dev/ttyS0"},
                                               {64, "/dev/ttyS63"},
                                               {65, "/dev/ttyUSB0"},
                                               {129, "/dev/ttyACM0"},
                                               {256, "/dev/ttyACM127"},
                                               {0, ""},
                                               {257, ""}};
  for (const auto& [n, device] : cases) EXPECT_EQ(COM_Port_Device_Name(n), device) << n;
}
