// The browse window: what a browse of a scripted server on 127.0.0.1 lists, the ticks the user works with, a second
// show, an empty address, and Cancel while the server is being browsed.
#include <gtest/gtest.h>
#include <netdb.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QThread>
#include <chrono>
#include <string_view>
#include <thread>

#include "TDialogRecorder.h"
#include "TFakeBrowse.h"
#include "TLoopbackServer.h"
#include "TModalDriver.h"
#include "TUaFakeServer.h"
#include "UGlobals.h"
#include "ULang.h"
#include "UOPC_UA_Scan_Server.h"
#include "UaBrowseAsync.h"
#include "UaSocket.h"

namespace {

// A result delivered to the UI thread after the browse's thread has ended has had its turn by then.
void Settle() {
  ASSERT_TRUE(Process_Until([] { return !Browse_Running(); }));
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
  Process_Until([&] { return std::chrono::steady_clock::now() > end; });
}

class ScanServerTest : public ::testing::Test {
 protected:
  ScanServerTest() {
    Load_Default_Strings();
    SW_Code = QStringLiteral("SWTarn10");
    Window = std::make_unique<TFOPC_UA_Scan_Server>();
  }
  ~ScanServerTest() override {
    // A browse a test gave up on must not reach into the next test.
    Process_Until([] { return !Browse_Running(); });
  }

  void Browse_At(const QByteArray& address) {
    Address = address;
    Window->Server.server_address = Address.constData();
  }

  // Opens the window modally, lets `act` work on it once it is shown, and returns how it closed.
  TModalResult Open(const std::function<void(TFOPC_UA_Scan_Server&)>& act) {
    TModalDriver driver([&](QWidget*) { act(*Window); });
    return Window->ShowModal();
  }

  // Opens the window, waits for the browse to be listed and closes with OK.
  void Browse_And_Ok() {
    EXPECT_EQ(Open([](TFOPC_UA_Scan_Server& w) {
                EXPECT_TRUE(Process_Until([&] { return w.LWaiting->isHidden(); }));
                w.Btn_OK->Click();
              }),
              mrOk);
  }

  QStringList Row(int32_t r) const {
    QStringList cells;
    for (int32_t c = 0; c < TFOPC_UA_Scan_Server::Col_Count; ++c) cells << Window->ACG_OPC_UA_Scan_Var->Cells(c, r);
    return cells;
  }

  QStringList Column(int32_t c) const {
    QStringList cells;
    for (int32_t r = 1; r < Window->ACG_OPC_UA_Scan_Var->RowCount(); ++r)
      cells << Window->ACG_OPC_UA_Scan_Var->Cells(c, r);
    return cells;
  }

  void Expect_Blank_Table() const {
    EXPECT_EQ(Window->ACG_OPC_UA_Scan_Var->RowCount(), 2);
    EXPECT_EQ(Row(1), QStringList(TFOPC_UA_Scan_Server::Col_Count, QString()));
  }

  QByteArray Address;
  std::unique_ptr<TFOPC_UA_Scan_Server> Window;
};

TEST_F(ScanServerTest, ABrowseListsEveryVariableWithItsAccessWhileTheWindowGoesOn) {
  TUaGuid guid{0x0A1B2C3D, 0x4E5F, 0x0607, {0x89, 0xAB, 0xCD, 0xEF, 0x01, 0x23, 0x45, 0x67}};
  TUaFakeServer server(Serving({{TUaNodeId::Num(2, 1001), "Speed", uaDouble, 1},
                                {TUaNodeId::Str(3, "Line.Valve"), "Valve", uaBoolean, 2},
                                {TUaNodeId::Of_Guid(2, guid), "Recipe", uaString, 3},
                                {TUaNodeId::Opaque(4, "AB12"), "Blob", uaByteString, 1},
                                {TUaNodeId::Num(1, 7),
                                 "Temp \xC2\xB0"
                                 "C",
                                 uaUInt16, 3}},
                               300));
  Browse_At(server.Url());
  bool waiting_shown = false, seen_running = false;
  const TModalResult result = Open([&](TFOPC_UA_Scan_Server& w) {
    waiting_shown = !w.LWaiting->isHidden();
    const QString shot = qEnvironmentVariable("TARN_SCREENSHOT");
    if (!shot.isEmpty()) w.grab().save(shot + QStringLiteral("_scan_waiting.png"));
    // The UI thread turns while the server is browsed, so the waiting text is painted and input is taken.
    EXPECT_TRUE(Process_Until([&] {
      seen_running = seen_running || Browse_Running();
      return w.LWaiting->isHidden();
    }));
    if (!shot.isEmpty()) w.grab().save(shot + QStringLiteral("_scan.png"));
    w.Btn_OK->Click();
  });
  EXPECT_EQ(result, mrOk);
  EXPECT_TRUE(waiting_shown);
  EXPECT_TRUE(seen_running);
  EXPECT_FALSE(Window->Timer_Scan->isActive());

  const QStringList expected[] = {
      {"1", "Y", "", "Speed", "Numeric", "1001", "Double", "2", "Read"},
      {"2", "", "Y", "Valve", "String", "Line.Valve", "Boolean", "3", "Write"},
      {"3", "Y", "Y", "Recipe", "Guid", "0A1B2C3D-4E5F-0607-89AB-CDEF01234567", "String", "2", "Read/Write"},
      {"4", "Y", "", "Blob", "ByteString", "AB12", "ByteString", "4", "Read"},
      {"5", "Y", "Y",
       QString::fromUtf8("Temp \xC2\xB0"
                         "C"),
       "Numeric", "7", "UInt16", "1", "Read/Write"}};
  ASSERT_EQ(Window->ACG_OPC_UA_Scan_Var->RowCount(), 6);
  for (int32_t r = 1; r <= 5; ++r) EXPECT_EQ(Row(r), expected[r - 1]) << r;
  // The caller reads the records after OK, texts included.
  ASSERT_EQ(Window->List_Var.size(), 5u);
  EXPECT_STREQ(Window->List_Var[1].stringname, "Line.Valve");
  EXPECT_EQ(Window->List_Var[2].guide1, 0x0A1B2C3Du);
  EXPECT_EQ(Window->List_Var[3].identifierType, 5);
  EXPECT_STREQ(Window->List_Var[4].displayName,
               "Temp \xB0"
               "C");
}

struct TListCase {
  uint8_t Access;
  int32_t Data_Type;
  uint16_t Id_Type;
  QStringList Expected;  // columns 1, 2, 4, 5, 6, 8
};

// What the browsing layer itself never hands over (access 0, an unknown code) still shows as the records say.
TEST_F(ScanServerTest, EveryRecordShowsByItsCodes) {
  const TListCase cases[] = {
      {0, 5, 0, {"Y", "Y", "Numeric", "42", "Int32", "Read/Write"}},
      {1, 0, 0, {"Y", "", "Numeric", "42", "Boolean", "Read"}},
      {2, 14, 0, {"", "Y", "Numeric", "42", "ByteString", "Write"}},
      {3, 15, 0, {"Y", "Y", "Numeric", "42", "", "Read/Write"}},
      {1, -1, 0, {"Y", "", "Numeric", "42", "", "Read"}},
      {1, 1, 7, {"Y", "", "", "", "Int8", "Read"}},
  };
  for (const TListCase& c : cases) {
    opcua_structure v;
    v.numeric = 42;
    v.identifierType = c.Id_Type;
    v.dataType = c.Data_Type;
    v.accessLevel = c.Access;
    v.nameSpaceIndex = 65535;
    Window->List_Var.push_back(v);
  }
  Window->Show_Variables_List();
  ASSERT_EQ(Window->ACG_OPC_UA_Scan_Var->RowCount(), int32_t(std::size(cases)) + 1);
  int32_t r = 1;
  for (const TListCase& c : cases) {
    const QStringList row = Row(r);
    EXPECT_EQ(QStringList({row[1], row[2], row[4], row[5], row[6], row[8]}), c.Expected) << r;
    EXPECT_EQ(row[0], QString::number(r));
    EXPECT_EQ(row[3], QString());  // no display name
    EXPECT_EQ(row[7], QStringLiteral("65535"));
    ++r;
  }
}

TEST_F(ScanServerTest, SelectAndClearAllSetOneColumnOfEveryRow) {
  for (uint8_t access : {1, 2, 3}) {
    opcua_structure v;
    v.accessLevel = access;
    Window->List_Var.push_back(v);
  }
  Window->Show_Variables_List();
  TFOPC_UA_Scan_Server& w = *Window;
  w.show();
  // One click on a tick cell toggles it; the read-only columns stay as the server said.
  const auto click = [&](int32_t c, int32_t r) {
    const TRect cell = w.ACG_OPC_UA_Scan_Var->CellRect(c, r);
    QTest::mouseClick(w.ACG_OPC_UA_Scan_Var_View->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2));
  };
  click(2, 1);
  EXPECT_EQ(w.ACG_OPC_UA_Scan_Var->Cells(2, 1), QStringLiteral("Y"));
  click(2, 1);
  EXPECT_EQ(w.ACG_OPC_UA_Scan_Var->Cells(2, 1), QStringLiteral("N"));
  click(8, 2);
  EXPECT_EQ(w.ACG_OPC_UA_Scan_Var->Cells(8, 2), QStringLiteral("Write"));
  EXPECT_FALSE(w.ACG_OPC_UA_Scan_Var->EditMode());
  w.hide();
  const struct {
    TLbButton* Button;
    QStringList Read, Write;
  } steps[] = {{w.Btn_ClearAllRead, {"N", "N", "N"}, {"N", "Y", "Y"}},
               {w.Btn_SelectAllWrite, {"N", "N", "N"}, {"Y", "Y", "Y"}},
               {w.Btn_SelectAllRead, {"Y", "Y", "Y"}, {"Y", "Y", "Y"}},
               {w.Btn_ClearAllWrite, {"Y", "Y", "Y"}, {"N", "N", "N"}}};
  for (const auto& s : steps) {
    s.Button->Click();
    EXPECT_EQ(Column(1), s.Read) << s.Button->Caption().toStdString();
    EXPECT_EQ(Column(2), s.Write) << s.Button->Caption().toStdString();
  }

  // Without variables the buttons leave the blank row alone.
  Browse_At(QByteArray());
  EXPECT_EQ(
      Open([](TFOPC_UA_Scan_Server& w) {
        for (TLbButton* b : {w.Btn_SelectAllRead, w.Btn_SelectAllWrite, w.Btn_ClearAllRead, w.Btn_ClearAllWrite})
          b->Click();
        w.Btn_OK->Click();
      }),
      mrOk);
  Expect_Blank_Table();
}

TEST_F(ScanServerTest, ASecondBrowseReplacesTheFirst) {
  {
    TUaFakeServer first(Serving(Named("First", {3, 3, 3})));
    Browse_At(first.Url());
    Browse_And_Ok();
    EXPECT_EQ(Column(3), QStringList({"First0", "First1", "First2"}));
  }
  TUaFakeServer second(Serving(Named("Second", {1, 2})));
  Browse_At(second.Url());
  Browse_And_Ok();
  ASSERT_EQ(Window->ACG_OPC_UA_Scan_Var->RowCount(), 3);
  // Row 2 held the first browse's ticks: none of them may come back with it.
  EXPECT_EQ(Row(1), QStringList({"1", "Y", "", "Second0", "Numeric", "100", "Int32", "2", "Read"}));
  EXPECT_EQ(Row(2), QStringList({"2", "", "Y", "Second1", "Numeric", "101", "Int32", "2", "Write"}));
  ASSERT_EQ(Window->List_Var.size(), 2u);
  EXPECT_STREQ(Window->List_Var[0].displayName, "Second0");
}

TEST_F(ScanServerTest, AnEmptyAddressShowsNoVariablesOfTheLastBrowse) {
  TUaFakeServer server(Serving(Named("Last", {3, 3})));
  Browse_At(server.Url());
  Browse_And_Ok();
  ASSERT_EQ(Window->List_Var.size(), 2u);
  for (const char* address : {"", static_cast<const char*>(nullptr)}) {
    Window->Server.server_address = address;
    EXPECT_EQ(Open([](TFOPC_UA_Scan_Server& w) {
                EXPECT_TRUE(w.LWaiting->isHidden());
                EXPECT_FALSE(w.Timer_Scan->isActive());
                w.Btn_OK->Click();
              }),
              mrOk);
    EXPECT_TRUE(Window->List_Var.empty());
    EXPECT_FALSE(Browse_Running());
    Expect_Blank_Table();
  }
}

// One name the name server does not know; every other name as the system resolves it.
int Unknown_Name(const char* host, const char* service, const addrinfo* hints, addrinfo** result) {
  if (std::string_view(host) == "no-such-plc.example") return EAI_NONAME;
  return getaddrinfo(host, service, hints, result);
}

// The list stays empty and the window says why beneath it; the next browse that lists variables says nothing.
TEST_F(ScanServerTest, ABrowseThatListsNothingSaysWhy) {
  const QByteArray closed = "opc.tcp://127.0.0.1:" + QByteArray::number(Closed_Loopback_Port());
  TUaFakeServer empty(Serving({}));
  // A scripted server answers one browse.
  TUaFakeServer listing(Serving(Named("Found", {3}))), listing_again(Serving(Named("Again", {3})));
  struct TCase {
    QByteArray Address;
    QString Said;  // empty: the reason is hidden
  };
  const TCase cases[] = {
      {closed, QStringLiteral("No OPC UA server answers at ") + QString::fromLatin1(closed)},
      {listing.Url(), QString()},
      {empty.Url(), QStringLiteral("The server answered, but holds no variables the gateway can use")},
      {"opc.tcp://no-such-plc.example:4840",
       QStringLiteral("The host name of this address is not known: opc.tcp://no-such-plc.example:4840")},
      {"http://127.0.0.1/", QStringLiteral("This is not an OPC UA address (opc.tcp://host:port): http://127.0.0.1/")},
      {listing_again.Url(), QString()},
  };
  Set_Ua_Name_Resolver(&Unknown_Name);
  for (const TCase& c : cases) {
    Browse_At(c.Address);
    bool hidden_while_waiting = false;
    EXPECT_EQ(Open([&](TFOPC_UA_Scan_Server& w) {
                hidden_while_waiting = w.LNothing_Found->isHidden();
                EXPECT_TRUE(Process_Until([&] { return w.LWaiting->isHidden(); }));
                const QString shot = qEnvironmentVariable("TARN_SCREENSHOT");
                if (!shot.isEmpty() && c.Address == closed) w.grab().save(shot + QStringLiteral("_scan_nothing.png"));
                w.Btn_OK->Click();
              }),
              mrOk)
        << c.Address.toStdString();
    EXPECT_TRUE(hidden_while_waiting) << c.Address.toStdString();
    EXPECT_EQ(Window->LNothing_Found->isHidden(), c.Said.isEmpty()) << c.Address.toStdString();
    if (c.Said.isEmpty()) {
      EXPECT_EQ(Window->List_Var.size(), 1u);
    } else {
      EXPECT_EQ(Window->LNothing_Found->text(), c.Said);
      EXPECT_TRUE(Window->List_Var.empty());
      Expect_Blank_Table();
    }
  }
  Set_Ua_Name_Resolver(nullptr);
}

// Cancel is taken while the server is browsed, and the window closes at once; the browse ends later on its own
// and its variables reach neither the closed window nor its next show.
TEST_F(ScanServerTest, CancelWhileBrowsingClosesAtOnceAndTheLateResultIsDropped) {
  TUaFakeServer slow(Serving(Named("Old", {3, 3}), 1500));
  Browse_At(slow.Url());
  EXPECT_EQ(Open([](TFOPC_UA_Scan_Server& w) {
              ASSERT_TRUE(Process_Until([] { return Browse_Running(); }));
              QTest::mouseClick(w.Btn_Cancel, Qt::LeftButton);
            }),
            mrCancel);
  EXPECT_TRUE(Browse_Running());
  Settle();
  EXPECT_TRUE(Window->List_Var.empty());
  Expect_Blank_Table();
}

TEST_F(ScanServerTest, TheNextShowWaitsForTheBrowseGivenUpAndListsOnlyItsOwn) {
  TUaFakeServer slow(Serving(Named("Old", {3, 3}), 1500));
  Browse_At(slow.Url());
  EXPECT_EQ(Open([](TFOPC_UA_Scan_Server& w) {
              ASSERT_TRUE(Process_Until([] { return Browse_Running(); }));
              w.Btn_Cancel->Click();
            }),
            mrCancel);
  ASSERT_TRUE(Browse_Running());
  TUaFakeServer next(Serving(Named("New", {1})));
  Browse_At(next.Url());
  bool old_shown = false;
  EXPECT_EQ(Open([&](TFOPC_UA_Scan_Server& w) {
              EXPECT_TRUE(Process_Until([&] {
                old_shown = old_shown || Column(3).join(QString()).contains(QStringLiteral("Old"));
                return w.LWaiting->isHidden();
              }));
              w.Btn_OK->Click();
            }),
            mrOk);
  EXPECT_FALSE(old_shown);
  EXPECT_EQ(Row(1), QStringList({"1", "Y", "", "New0", "Numeric", "100", "Int32", "2", "Read"}));
  EXPECT_EQ(Window->ACG_OPC_UA_Scan_Var->RowCount(), 2);
}

TEST_F(ScanServerTest, LayoutAndTextsFollowTheStringTable) {
  TFOPC_UA_Scan_Server& w = *Window;
  TQrvColumnGrid& g = *w.ACG_OPC_UA_Scan_Var;
  EXPECT_EQ(w.size(), QSize(1035, 337));
  EXPECT_EQ(w.Timer_Scan->interval(), 100);
  EXPECT_TRUE(w.Timer_Scan->isSingleShot());
  EXPECT_FALSE(w.Timer_Scan->isActive());
  EXPECT_TRUE(w.LWaiting->isHidden());
  ASSERT_EQ(g.ColCount(), 9);
  const int32_t widths[] = {40, 50, 50, 165, 115, 245, 115, 115, 113};
  for (int32_t c = 0; c < 9; ++c) {
    EXPECT_EQ(g.ColWidths(c), widths[c]) << c;
    bool editable = true;
    g.CanEditCell(c, 1, editable);
    EXPECT_EQ(editable, c == 1 || c == 2) << c;
    EXPECT_EQ(g.Columns().Items(c)->Editor(), c == 1 || c == 2 ? edDataCheckBox : edNormal) << c;
  }
  EXPECT_EQ(g.Cells(8, 0), QStringLiteral("Read/Write"));

  // Built-in English first, then every text again from a string table of the test's own.
  const auto texts = [&] {
    return QStringList{w.windowTitle(),
                       w.L_SW_Desc->text(),
                       w.LWaiting->text(),
                       w.Btn_OK->Caption(),
                       w.Btn_Cancel->Caption(),
                       w.Btn_SelectAllRead->Caption(),
                       w.Btn_ClearAllRead->Caption(),
                       w.Btn_SelectAllWrite->Caption(),
                       w.Btn_ClearAllWrite->Caption(),
                       w.Btn_OK->Hint(),
                       w.Btn_Cancel->Hint(),
                       w.Btn_SelectAllRead->Hint(),
                       w.Btn_ClearAllRead->Hint(),
                       w.Btn_SelectAllWrite->Hint(),
                       w.Btn_ClearAllWrite->Hint()} +
           QStringList{g.Cells(0, 0), g.Cells(1, 0), g.Cells(2, 0), g.Cells(3, 0),
                       g.Cells(4, 0), g.Cells(5, 0), g.Cells(6, 0), g.Cells(7, 0)};
  };
  const int32_t ids[] = {1500, 1501, 1523, 1502, 1503, 1504, 1505, 1526, 1527, 1506, 1507, 1508,
                         1509, 1528, 1529, 1510, 1511, 1524, 1512, 1513, 1514, 1515, 1516};
  EXPECT_EQ(texts(), QStringList({"Scan Server OPC UA",
                                  "Scan Server OPC UA",
                                  "WAITING FOR SCAN...",
                                  "OK",
                                  "Cancel",
                                  "Select All R",
                                  "Clear All R",
                                  "Select All W",
                                  "Clear All W",
                                  "Confirm and save the Variables List of OPC UA Server",
                                  "Exit without save the Variables List of OPC UA Server",
                                  "Select All Variables of OPC UA Server in Read",
                                  "Unselect All Variables of OPC UA Server in Read",
                                  "Select All Variables of OPC UA Server in Write",
                                  "Unselect All Variables of OPC UA Server in Write",
                                  "N",
                                  "Read",
                                  "Write",
                                  "Display Name",
                                  "Node Type",
                                  "Node Identifier",
                                  "Data Type",
                                  "Name Space Index"}));
  QStringList own;
  for (int32_t id : ids) {
    Lang_Table[id] = QStringLiteral("T%1").arg(id);
    own << Lang_Table[id];
  }
  w.Set_Lang();
  EXPECT_EQ(texts(), own);
  EXPECT_EQ(g.Cells(8, 0), QStringLiteral("Read/Write"));

  // The waiting text stands in the title panel's right part; the buttons side by side in the button panel.
  w.show();
  EXPECT_EQ(w.LWaiting->parentWidget(), w.P_Title);
  EXPECT_EQ(w.LWaiting->geometry().right() + 1, 1035 - 18);
  EXPECT_GT(w.LWaiting->x(), w.L_SW_Desc->geometry().right());
  int left = 18;
  for (TLbButton* b : {w.Btn_SelectAllRead, w.Btn_ClearAllRead, w.Btn_SelectAllWrite, w.Btn_ClearAllWrite}) {
    EXPECT_EQ(b->parentWidget(), w.P_Button);
    EXPECT_EQ(b->geometry(), QRect(left, 6, 110, 28));
    left += 118;
  }
  EXPECT_LT(left, w.Btn_OK->x());
  const QRect table = w.ACG_OPC_UA_Scan_Var_View->geometry();
  EXPECT_GE(table.top(), TFDialogFrame::Title_Height);
  EXPECT_LE(table.bottom(), w.P_Button->y());
  // A long list scrolls up and down only: the nine columns fit beside the vertical scroll bar.
  w.List_Var.assign(40, opcua_structure{});
  w.Show_Variables_List();
  QApplication::processEvents();
  EXPECT_TRUE(w.ACG_OPC_UA_Scan_Var_View->verticalScrollBar()->isVisible());
  EXPECT_FALSE(w.ACG_OPC_UA_Scan_Var_View->horizontalScrollBar()->isVisible());
  const QString shot = qEnvironmentVariable("TARN_SCREENSHOT");
  if (!shot.isEmpty()) w.grab().save(shot + QStringLiteral("_scan_long.png"));
}

}  // namespace
