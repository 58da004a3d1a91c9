// The main road on the live OPC UA test server (tests/opcua/server, started by the ctest fixture): servers added in
// the OPC UA client window, browsed in the browse window, variables of every identifier kind ticked and imported,
// positions numbered, OK; then the banks compiled and bank2 read back record by record.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "TClientAccessFixture.h"
#include "TDialogRecorder.h"
#include "TFakeBrowse.h"
#include "TLoopbackServer.h"
#include "TModalDriver.h"
#include "UBanks.h"
#include "UaBrowseAsync.h"

namespace {

// Every variable the test server's tree lists (its folders Plant and Bulk and the one inside the cycle).
constexpr size_t Browsed_Variables = 267;
constexpr const char* Guid_Text = "72962B91-FA75-4AE6-8D28-B404DC7DAF63";

// A variable record of bank2 as text fields, so that a mismatch prints readably.
struct TBankVar {
  int Ns;
  int Id_Type;
  std::string Id;  // numeric in decimal, string and byte string as their bytes, GUID as its text
  int Data_Type;
  int Is_Read;
  int Options;
  int Position;
  int Time;
  int Tot;
  bool operator==(const TBankVar&) const = default;
};

std::ostream& operator<<(std::ostream& os, const TBankVar& v) {
  return os << "{ns " << v.Ns << ", id type " << v.Id_Type << ", id '" << v.Id << "', data " << v.Data_Type
            << ", read " << v.Is_Read << ", options " << v.Options << ", position " << v.Position << ", time "
            << v.Time << ", tot " << v.Tot << "}";
}

struct TBankServer {
  std::string Address;
  int Auth;
  std::string User;
  std::string Password;
  int Security_Type;
  int Security_Policy;
  std::vector<TBankVar> Vars;
};

// Reads bank2 as the device does: records at fixed sizes, texts and identifiers through their device addresses.
class TBank2_Reader {
 public:
  uint32_t U8(uint32_t at) const { return In(at, 1) ? Bank2_Image[at] : 0; }
  uint32_t U16(uint32_t at) const { return U8(at) | U8(at + 1) << 8; }
  uint32_t U32(uint32_t at) const { return U16(at) | U16(at + 2) << 16; }
  // The image offset of a device address.
  uint32_t Offset(uint32_t address) const {
    EXPECT_GE(address, Bank2_Load_Address);
    return address - Bank2_Load_Address;
  }
  std::string Terminated(uint32_t address) const {
    std::string text;
    for (uint32_t at = Offset(address); In(at, 1) && Bank2_Image[at] != 0; ++at) text += char(Bank2_Image[at]);
    return text;
  }
  std::string Bytes(uint32_t address, uint32_t length) const {
    const uint32_t at = Offset(address);
    if (!In(at, length)) return {};
    return std::string(reinterpret_cast<const char*>(&Bank2_Image[at]), length);
  }

  std::vector<TBankServer> Servers() const {
    std::vector<TBankServer> servers;
    const uint32_t count = U32(0);
    const uint32_t records = Offset(U32(12));
    for (uint32_t i = 0; i < count && i < 16; ++i) {
      const uint32_t r = records + 40 * i;
      TBankServer s{Terminated(U32(r)),
                    int(U32(r + 4)),
                    Terminated(U32(r + 8)),
                    Terminated(U32(r + 12)),
                    int(U32(r + 24)),
                    int(U32(r + 28)),
                    {}};
      const uint32_t vars = Offset(U32(r + 36));
      for (uint32_t k = 0; k < U32(r + 32) && k < 64; ++k) s.Vars.push_back(Var(vars + 36 * k));
      servers.push_back(s);
    }
    return servers;
  }

 private:
  static bool In(uint32_t at, uint32_t length) {
    const bool inside = uint64_t(at) + length <= Bank2_Len;
    EXPECT_TRUE(inside) << "bytes " << at << "+" << length << " past the image's " << Bank2_Len;
    return inside;
  }

  TBankVar Var(uint32_t v) const {
    const int type = int(U16(v + 2));
    std::string id;
    if (type == 0) {
      id = std::to_string(U32(v + 4));
    } else if (type == 3 || type == 5) {
      id = Bytes(U32(v + 8), U32(v + 4));
    } else if (type == 4) {
      char text[40];
      snprintf(text, sizeof text, "%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X", U32(v + 4), U16(v + 8),
               U16(v + 10), U8(v + 12), U8(v + 13), U8(v + 14), U8(v + 15), U8(v + 16), U8(v + 17), U8(v + 18),
               U8(v + 19));
      id = text;
    }
    return {int(U16(v)),
            type,
            id,
            int(U8(v + 28)),
            int(U8(v + 29)),
            int(U8(v + 30)),
            int(U32(v + 20)),
            int(U32(v + 24)),
            int(U16(v + 34))};
  }
};

// A variable to tick in the browse window, found by what the window shows of it.
struct TTick {
  QString Id;
  int Ns;
  int Column;  // TFOPC_UA_Scan_Server::Col_Read or Col_Write
};

class OpcUaLiveWindows : public TClientAccessFixture {
 protected:
  void SetUp() override {
    Address = QString::fromLatin1(Live_Server_Url(TARN_OPCUA_SERVER_STATE));
    if (Address.isEmpty())
      GTEST_SKIP() << "no OPC UA test server: ctest starts it, or tests/opcua/server/start-server.sh "
                   << TARN_OPCUA_SERVER_STATE;
    // No ParGen.xml: the compiler takes the device defaults.
    Path_ParGen = Dir.filePath(QStringLiteral("ParGen.xml"));
  }
  ~OpcUaLiveWindows() override {
    Process_Until([] { return !Browse_Running(); });
    Path_ParGen.clear();
  }

  // Fills the add-server window as the user does and confirms it.
  void Add_Server(int auth, const QString& user, const QString& password, const QString& mnemonic) {
    TModalDriver driver([&](QWidget* modal) {
      auto& add = *static_cast<TFOPC_UA_Add_Server*>(modal);
      add.CB_OPC_UA_Server_Enable->setChecked(true);
      add.E_Server_Add->setText(Address);
      add.CB_Auth->setCurrentIndex(auth);
      add.E_User->setText(user);
      add.E_Pass->setText(password);
      add.CB_Sec_Type->setCurrentIndex(0);
      add.E_Mnemonic->setText(mnemonic);
      add.Btn_OK->Click();
    });
    W->Btn_Add_Server->Click();
    EXPECT_EQ(driver.Shown, Add.get());
  }

  // Scans the selected server: waits for the browse, unticks everything, ticks `ticks` and confirms.
  void Browse_And_Tick(const std::vector<TTick>& ticks) {
    TModalDriver driver([&](QWidget* modal) {
      auto& scan = *static_cast<TFOPC_UA_Scan_Server*>(modal);
      ASSERT_TRUE(Process_Until([&] { return scan.LWaiting->isHidden(); })) << "the browse did not end";
      ASSERT_EQ(scan.List_Var.size(), Browsed_Variables) << "browsing " << Address.toStdString();
      scan.Btn_ClearAllRead->Click();
      scan.Btn_ClearAllWrite->Click();
      TQrvColumnGrid& g = *scan.ACG_OPC_UA_Scan_Var;
      for (const TTick& t : ticks) {
        int32_t row = 1;
        while (row < g.RowCount() && !(g.Cells(5, row) == t.Id && g.Cells(7, row) == QString::number(t.Ns))) ++row;
        ASSERT_LT(row, g.RowCount()) << "not listed: " << t.Id.toStdString();
        g.SetCells(t.Column, row, QStringLiteral("Y"));
      }
      scan.Btn_OK->Click();
    });
    W->Btn_Scan_Server->Click();
    EXPECT_EQ(driver.Shown, Scan.get());
  }

  // Selects a server row as a click does: the focus leaves a variable table first, which saves it.
  void Select_Server(int32_t row) {
    W->ACG_OPC_UA_Server->setFocus();
    QApplication::processEvents();
    W->Server_Table().SetRow(row);
    W->ACG_OPC_UA_ServerClickCell(row, 2);
  }

  // Types into the read table of the selected server, bound to it while the table has the focus: each row a
  // single variable with its poll time. The focus stays in the table.
  TQrvColumnGrid& Type_Poll_Times(const QStringList& times) {
    QApplication::setActiveWindow(W.get());
    W->ACG_OPC_UA_Var_R->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(W->Ind_Server, W->Selected_Server());
    TQrvColumnGrid& read = W->Read_Table();
    for (int32_t r = 1; r <= times.size(); ++r) {
      read.SetCells(7, r, QStringLiteral("Variable"));
      read.SetCells(10, r, times[r - 1]);
    }
    return read;
  }

  QString Address;
};

TEST_F(OpcUaLiveWindows, ServersBrowsedAndImportedInTheWindowsReachBank2) {
  const int R = TFOPC_UA_Scan_Server::Col_Read, Wr = TFOPC_UA_Scan_Server::Col_Write;
  const QString guid = QString::fromLatin1(Guid_Text);
  TDialogRecorder dialogs;
  TModalDriver client(
      [&](QWidget*) {
        // Server 1, anonymous: numeric, string (one with an 8-bit character) and byte-string identifiers.
        Add_Server(0, QString(), QString(), QStringLiteral("Plant A"));
        ASSERT_EQ(W->OPC_UA_Server_List.size(), 1u);
        Browse_And_Tick({{QStringLiteral("1001"), 1, R},
                         {QStringLiteral("Line1.Counter"), 1, R},
                         {QStringLiteral("RCP-01"), 1, R},
                         {QStringLiteral("Temp\u00E9rature"), 1, R},
                         {QStringLiteral("Small"), 1, Wr}});
        // Scanned again: the read list is appended to, the write list replaced by a GUID and a namespace-2 variable.
        dialogs.Queue_Answer(mrYes);
        dialogs.Queue_Answer(mrNo);
        Browse_And_Tick({{QStringLiteral("Stamp"), 1, R}, {guid, 1, Wr}, {QStringLiteral("5"), 2, Wr}});
        // Server 2 logs in with user name and password.
        Add_Server(1, QStringLiteral("operator"), QStringLiteral("s3cret-pw"), QStringLiteral("Plant B"));
        ASSERT_EQ(W->OPC_UA_Server_List.size(), 2u);
        Select_Server(2);
        Browse_And_Tick(
            {{QStringLiteral("Id"), 1, R}, {QStringLiteral("Big"), 1, Wr}, {QStringLiteral("Z\u00E9"), 1, Wr}});
        // Positions: server 2 continues where server 1 ends.
        for (int32_t row : {1, 2}) {
          Select_Server(row);
          dialogs.Queue_Answer(mrYes);
          W->Btn_AutoPosition->Click();
        }
        // What a browse cannot tell: single variables, their poll times, the string's bytes.
        Select_Server(1);
        TQrvColumnGrid& read = Type_Poll_Times({"100", "200", "500", "1000", "100"});
        read.SetCells(8, 3, QStringLiteral("0"));  // the string's bytes 0..15
        read.SetCells(9, 3, QStringLiteral("16"));
        Select_Server(2);
        // OK with the focus still in the table: its rows are saved first.
        Type_Poll_Times({"250"});
        W->Btn_OK->Click();
      },
      50000);
  EXPECT_EQ(W->ShowModal(), mrOk);
  EXPECT_EQ(client.Shown, W.get());
  const QStringList questions = {Lang_Table.value(1291), Lang_Table.value(1292), Lang_Table.value(1294),
                                 Lang_Table.value(1294)};
  EXPECT_EQ(dialogs.Texts().join(u'\n').toStdString(), questions.join(u'\n').toStdString());

  const TBank_Result compiled = Compile_Banks();
  ASSERT_TRUE(compiled.Success) << compiled.Error_Text.toStdString();
  const std::vector<TBankServer> servers = TBank2_Reader().Servers();
  ASSERT_EQ(servers.size(), 2u);
  const std::string address = Address.toStdString();
  EXPECT_EQ(servers[0].Address, address);
  EXPECT_EQ(servers[0].Auth, 0);
  EXPECT_EQ(servers[0].User, "");
  EXPECT_EQ(servers[1].Address, address);
  EXPECT_EQ(servers[1].Auth, 1);
  EXPECT_EQ(servers[1].User, "operator");
  EXPECT_EQ(servers[1].Password, "s3cret-pw");
  for (const TBankServer& s : servers) {
    EXPECT_EQ(s.Security_Type, 1);  // None
    EXPECT_EQ(s.Security_Policy, 0);
  }
  // Read variables first, then write variables; each list in browse order. Read variables go on the timer (4).
  const std::vector<std::vector<TBankVar>> expected = {
      {{1, 0, "1001", 10, 1, 4, 0, 100, 8},
       {1, 3, "Line1.Counter", 6, 1, 4, 8, 200, 4},
       {1, 5, "RCP-01", 11, 1, 4, 12, 500, 16},
       {1, 3, "Temp\xE9rature", 10, 1, 4, 32, 1000, 8},
       {1, 3, "Stamp", 12, 1, 4, 40, 100, 8},
       {1, 4, Guid_Text, 3, 0, 0, 0, 0, 0},
       {2, 0, "5", 4, 0, 0, 2, 0, 0}},
      {{1, 3, "Id", 13, 1, 4, 48, 250, 16}, {1, 3, "Big", 7, 0, 0, 4, 0, 0}, {1, 5, "Z\xE9", 2, 0, 0, 12, 0, 0}},
  };
  for (size_t s = 0; s < servers.size(); ++s) {
    ASSERT_EQ(servers[s].Vars.size(), expected[s].size()) << "server " << s + 1;
    for (size_t k = 0; k < expected[s].size(); ++k)
      EXPECT_EQ(servers[s].Vars[k], expected[s][k]) << "server " << s + 1 << ", variable " << k + 1;
  }
}

// A login the test server refuses: the browse window lists nothing and says so; the right password lists all.
TEST_F(OpcUaLiveWindows, ARefusedLoginIsNamedInTheBrowseWindow) {
  const QByteArray address = Address.toLatin1();
  TFOPC_UA_Scan_Server& scan = *Scan;
  scan.Server = opcua_server_to_discover{};
  scan.Server.server_address = address.constData();
  scan.Server.user_pass_auth_flag = 1;
  scan.Server.username = "operator";
  scan.Server.cert = "";
  scan.Server.priv_key = "";
  for (const char* password : {"not-the-password", "s3cret-pw"}) {
    scan.Server.password = password;
    TModalDriver driver([&](QWidget*) {
      EXPECT_TRUE(Process_Until([&] { return scan.LWaiting->isHidden(); }));
      const QString shot = qEnvironmentVariable("TARN_SCREENSHOT");
      if (!shot.isEmpty()) scan.grab().save(shot + QStringLiteral("_scan_") + QLatin1String(password) + ".png");
      scan.Btn_OK->Click();
    });
    EXPECT_EQ(scan.ShowModal(), mrOk);
    const bool right = password == std::string_view("s3cret-pw");
    EXPECT_EQ(scan.List_Var.size(), right ? Browsed_Variables : 0u) << password;
    EXPECT_EQ(scan.LNothing_Found->isHidden(), right) << password;
    if (!right)
      EXPECT_EQ(scan.LNothing_Found->text(), QStringLiteral("The server refused the user name or password"));
  }
  scan.Server = opcua_server_to_discover{};
}

}  // namespace
