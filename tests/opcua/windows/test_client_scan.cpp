// Scan from the OPC UA client window: a server browsed in the browse window, the ticked variables imported into
// the selected server's read and write lists, the questions when the lists have variables, and a full table.
#include <gtest/gtest.h>

#include "TClientAccessFixture.h"
#include "TDialogRecorder.h"
#include "TFakeBrowse.h"
#include "TModalDriver.h"
#include "UOPC_UA_Client_File.h"
#include "UaBrowseAsync.h"

namespace {

class ClientScanTest : public TClientAccessFixture {
 protected:
  ~ClientScanTest() override {
    // A browse a test gave up on must not reach into the next test.
    Process_Until([] { return !Browse_Running(); });
  }

  // One server at `address`, selected.
  void One_Server(const QByteArray& address) {
    TOPC_UA_Server_List servers;
    servers.push_back(Server(QString::fromLatin1(address)));
    ASSERT_TRUE(Write_OPC_UA_Client_File(Path_OPC_UA_Client, servers));
    W->FormShow();
    ASSERT_EQ(W->Selected_Server(), 0);
  }

  // Scans, lets `act` work on the shown browse window, and returns the window the driver met.
  QWidget* Scan_With(const std::function<void(TFOPC_UA_Scan_Server&)>& act) {
    TModalDriver driver([&](QWidget* modal) { act(*static_cast<TFOPC_UA_Scan_Server*>(modal)); });
    W->Scan_Server();
    return driver.Shown;
  }

  static void Wait_And_Ok(TFOPC_UA_Scan_Server& scan) {
    EXPECT_TRUE(Process_Until([&] { return scan.LWaiting->isHidden(); }));
    scan.Btn_OK->Click();
  }

  static QStringList Names(const TOPC_UA_Variable_List& list) {
    QStringList names;
    for (const auto& v : list) names << v->DispalyName();
    return names;
  }
};

TEST_F(ClientScanTest, WithoutAServerScanIsRefused) {
  W->FormShow();
  TDialogRecorder dialogs;
  dialogs.Queue_Answer(mrOk);
  EXPECT_EQ(Scan_With([](TFOPC_UA_Scan_Server& scan) { scan.SetModalResult(mrCancel); }), nullptr);
  ASSERT_EQ(dialogs.Messages.size(), 1u);
  EXPECT_EQ(dialogs.Messages[0].Text,
            QStringLiteral("Error!! Select one Server OPC UA before use the Scan operation"));
  EXPECT_EQ(dialogs.Messages[0].Type, mtError);
}

TEST_F(ClientScanTest, TickedVariablesJoinTheSelectedServer) {
  TUaGuid guid{0x0A1B2C3D, 0x4E5F, 0x0607, {0x89, 0xAB, 0xCD, 0xEF, 0x01, 0x23, 0x45, 0x67}};
  const std::vector<TFakeVar> vars = {{TUaNodeId::Num(2, 1001), "Speed", uaDouble, 1},
                                      {TUaNodeId::Str(3, "Line.Valve"), "Valve", uaBoolean, 2},
                                      {TUaNodeId::Of_Guid(2, guid), "Recipe", uaString, 3},
                                      {TUaNodeId::Opaque(4, "AB12"), "Blob", uaByteString, 1}};
  // The scripted server answers one browse; each scan gets a server of its own.
  auto server = std::make_unique<TUaFakeServer>(Serving(vars));
  One_Server(server->Url());
  TOPC_UA_Server& s = *W->OPC_UA_Server_List[0];
  const auto next_server = [&] {
    server = std::make_unique<TUaFakeServer>(Serving(vars));
    s.SetServerAddress(QString::fromLatin1(server->Url()));
  };
  // The browse lists each variable ticked by its access; the user unticks Recipe for reading.
  const QByteArray address = server->Url();
  QWidget* shown = Scan_With([&](TFOPC_UA_Scan_Server& scan) {
    EXPECT_EQ(QByteArray(scan.Server.server_address), address);
    EXPECT_EQ(scan.Server.user_pass_auth_flag, 0);
    EXPECT_TRUE(Process_Until([&] { return scan.LWaiting->isHidden(); }));
    scan.ACG_OPC_UA_Scan_Var->SetCells(TFOPC_UA_Scan_Server::Col_Read, 3, QString());
    scan.Btn_OK->Click();
  });
  EXPECT_EQ(shown, Scan.get());
  EXPECT_EQ(Scan->Server.server_address, nullptr);  // the texts it pointed into are gone
  EXPECT_EQ(Names(s.Var_List_R), QStringList({"Speed", "Blob"}));
  EXPECT_EQ(Names(s.Var_List_W), QStringList({"Valve", "Recipe"}));
  EXPECT_EQ(s.Var_List_R[0]->NodeID(), QStringLiteral("1001"));
  EXPECT_EQ(s.Var_List_R[0]->VarType(), QStringLiteral("Double"));
  EXPECT_TRUE(s.Var_List_R[0]->Enable());
  EXPECT_EQ(s.Var_List_R[1]->NodeType(), QStringLiteral("ByteString"));
  EXPECT_EQ(s.Var_List_R[1]->nameSpaceIndex, 4);
  EXPECT_EQ(s.Var_List_W[0]->NodeID(), QStringLiteral("Line.Valve"));
  EXPECT_EQ(s.Var_List_W[1]->NodeID(), QStringLiteral("0A1B2C3D-4E5F-0607-89AB-CDEF01234567"));
  // The tables show them.
  EXPECT_EQ(W->Read_Table().Cells(2, 2), QStringLiteral("Blob"));
  EXPECT_EQ(W->Write_Table().Cells(4, 1), QStringLiteral("Line.Valve"));
  // A second scan: the lists have variables, so each is asked for; Yes appends, No replaces, Cancel keeps.
  TDialogRecorder dialogs;
  dialogs.Queue_Answer(mrYes);
  dialogs.Queue_Answer(mrNo);
  next_server();
  Scan_With(Wait_And_Ok);
  EXPECT_EQ(Names(s.Var_List_R), QStringList({"Speed", "Blob", "Speed", "Recipe", "Blob"}));
  EXPECT_EQ(Names(s.Var_List_W), QStringList({"Valve", "Recipe"}));
  ASSERT_EQ(dialogs.Texts(), QStringList({"Do you want to append the new variables in Read?",
                                          "Do you want to append the new variables in Write?"}));
  EXPECT_EQ(dialogs.Messages[0].Buttons, mbYes | mbNo | mbCancel);
  EXPECT_EQ(dialogs.Messages[0].Type, mtConfirmation);
  EXPECT_EQ(W->Read_Table().Cells(2, 5), QStringLiteral("Blob"));
  dialogs.Queue_Answer(mrCancel);
  dialogs.Queue_Answer(mrCancel);
  next_server();
  Scan_With(Wait_And_Ok);
  EXPECT_EQ(s.Var_List_R.size(), 5u);
  EXPECT_EQ(s.Var_List_W.size(), 2u);
  // Cancel in the browse window imports nothing and asks nothing.
  next_server();
  Scan_With([](TFOPC_UA_Scan_Server& scan) { scan.Btn_Cancel->Click(); });
  EXPECT_EQ(s.Var_List_R.size(), 5u);
}

// More ticked variables than a table holds: the table is filled and the user told how many were left out.
TEST_F(ClientScanTest, AFullTableTellsHowManyWereLeftOut) {
  One_Server(QByteArray());
  TDialogRecorder dialogs;
  dialogs.Queue_Answer(mrOk);
  Scan_With([](TFOPC_UA_Scan_Server& scan) {
    // No address: nothing is browsed; the list stands in for a browse of 1030 variables.
    scan.List_Var.assign(1030, opcua_structure{});
    TQrvColumnGrid& g = *scan.ACG_OPC_UA_Scan_Var;
    g.SetRowCount(1031);
    for (int32_t r = 1; r <= 1030; ++r) {
      scan.List_Var[size_t(r - 1)].displayName = "v";
      g.SetCells(TFOPC_UA_Scan_Server::Col_Read, r, QStringLiteral("Y"));
      g.SetCells(TFOPC_UA_Scan_Server::Col_Write, r, r <= 3 ? QStringLiteral("Y") : QString());
    }
    scan.Btn_OK->Click();
  });
  const TOPC_UA_Server& s = *W->OPC_UA_Server_List[0];
  EXPECT_EQ(s.Var_List_R.size(), 1024u);
  EXPECT_EQ(s.Var_List_W.size(), 3u);
  ASSERT_EQ(dialogs.Messages.size(), 1u);
  EXPECT_EQ(dialogs.Messages[0].Text,
            QStringLiteral("A variable table holds 1024 variables: 6 variables in Read and 0 "
                           "variables in Write were not imported"));
  EXPECT_EQ(dialogs.Messages[0].Type, mtWarning);
  EXPECT_EQ(W->Read_Table().Cells(2, 1024), QStringLiteral("v"));
}

}  // namespace
