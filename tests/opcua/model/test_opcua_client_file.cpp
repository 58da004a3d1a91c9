// OPC_UA_Client.xml: the exact bytes written, reading with its defaults and faults, and the bank compiler reading
// what the model wrote.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "TFailingDevice.h"
#include "TTempFolder.h"
#include "UBanks.h"
#include "UGlobals.h"
#include "ULang.h"
#include "UOPC_UA_Client_File.h"
#include "UOPC_UA_Image.h"

namespace {

std::unique_ptr<TOPC_UA_Server> Server(const QString& address, const QString& auth = QStringLiteral("Anonymous")) {
  auto s = std::make_unique<TOPC_UA_Server>();
  s->SetEnable(true);
  s->SetServerAddress(address);
  s->SetAuthorization(auth);
  s->SetSecurityType(QStringLiteral("None"));
  s->SetSecurityPolicy(QStringLiteral("None"));
  return s;
}

std::unique_ptr<TOPC_UA_Variable> Variable(const QString& name, const QString& type, const QString& id,
                                           const QString& var_type, const QString& position) {
  auto v = std::make_unique<TOPC_UA_Variable>();
  v->SetEnable(true);
  v->SetDispalyName(name);
  v->SetNodeType(type);
  v->SetNodeID(id);
  v->SetVarType(var_type);
  v->SetVarArray(QStringLiteral("Variable"));
  v->SetStart(QStringLiteral("0"));
  v->SetLen(QStringLiteral("0"));
  v->SetTime(QStringLiteral("100"));
  v->SetPosition(position);
  v->SetOnChange(QStringLiteral("N"));
  v->SetOnCMD(QStringLiteral("N"));
  v->SetOnTimer(QStringLiteral("N"));
  return v;
}

TEST(OpcUaClientFile, WrittenWithTheAttributesInTheirOrder) {
  TOPC_UA_Server_List servers;
  servers.push_back(Server(QStringLiteral("opc.tcp://plc:4840"), QStringLiteral("Username and Password")));
  servers[0]->SetUserName(QStringLiteral("op"));
  servers[0]->SetPassword(QStringLiteral("p&w"));
  servers[0]->SetCertificate(QStringLiteral("line1\nline2"));
  servers[0]->SetMnemonic(QStringLiteral("Press 1"));
  auto r =
      Variable(QStringLiteral("Speed"), QStringLiteral("guid"),
               QStringLiteral("72962b91-fa75-4ae6-8d28-b404dc7daf63"), QStringLiteral("float"), QStringLiteral("4"));
  r->nameSpaceIndex = 3;
  r->SetVarArray(QStringLiteral("Array"));
  r->SetStart(QStringLiteral("2"));
  r->SetLen(QStringLiteral("5"));
  r->SetOnTimer(QStringLiteral("Y"));  // read variables keep the flag as read from the file
  r->SetSwap_Word(true);
  servers[0]->Var_List_R.push_back(std::move(r));
  auto w = Variable(QStringLiteral("Cmd"), QStringLiteral("String"), QStringLiteral("Line.Cmd"),
                    QStringLiteral("Int16"), QStringLiteral("20"));
  w->SetEnable(false);
  w->SetVarArray(QStringLiteral("Array"));  // a write variable has no array settings
  w->SetStart(QStringLiteral("9"));
  w->SetLen(QStringLiteral("9"));
  w->SetOnChange(QStringLiteral("Y"));
  w->SetStartBit(QStringLiteral("3"));
  w->SetSwap(true);
  w->SetSwap_All(true);
  w->SetMnemonic(QStringLiteral("cmd"));
  servers[0]->Var_List_W.push_back(std::move(w));
  servers.push_back(Server(QStringLiteral("opc.tcp://other")));
  servers[1]->SetEnable(false);

  const QByteArray expected =
      "<OPC_UA_Client><OPC_UA_Server_List>"
      "<OPC_UA_Server Enable=\"1\" ServerAddress=\"opc.tcp://plc:4840\" Authorization=\"Username and Password\" "
      "UserName=\"op\" Password=\"p&amp;w\" Certificate=\"line1&#10;line2\" PrivateKey=\"\" SecurityType=\"None\" "
      "SecurityPolicy=\"None\" Mnemonic=\"Press 1\"><OPC_UA_Variables><OPC_UA_Read_Var>"
      "<Variable Enable=\"1\" DisplayName=\"Speed\" NodeType=\"Guid\" "
      "NodeID=\"72962B91-FA75-4AE6-8D28-B404DC7DAF63\" "
      "VarType=\"Float\" NameSpaceIndex=\"3\" VarArray=\"Array\" Start=\"2\" Length=\"5\" OnChange=\"0\" OnCMD=\"0\" "
      "OnTimer=\"1\" Time=\"100\" Position=\"4\" StartBit=\"0\" Swap=\"0\" Swap_Word=\"1\" Swap_All=\"0\" "
      "Mnemonic=\"\"/>"
      "</OPC_UA_Read_Var><OPC_UA_Write_Var>"
      "<Variable Enable=\"0\" DisplayName=\"Cmd\" NodeType=\"String\" NodeID=\"Line.Cmd\" VarType=\"Int16\" "
      "NameSpaceIndex=\"0\" VarArray=\"Var\" Start=\"0\" Length=\"0\" OnChange=\"1\" OnCMD=\"0\" OnTimer=\"0\" "
      "Time=\"100\" Position=\"20\" StartBit=\"3\" Swap=\"1\" Swap_Word=\"0\" Swap_All=\"1\" Mnemonic=\"cmd\"/>"
      "</OPC_UA_Write_Var></OPC_UA_Variables></OPC_UA_Server>"
      "<OPC_UA_Server Enable=\"0\" ServerAddress=\"opc.tcp://other\" Authorization=\"Anonymous\" UserName=\"\" "
      "Password=\"\" Certificate=\"\" PrivateKey=\"\" SecurityType=\"None\" SecurityPolicy=\"None\" Mnemonic=\"\">"
      "<OPC_UA_Variables><OPC_UA_Read_Var/><OPC_UA_Write_Var/></OPC_UA_Variables></OPC_UA_Server>"
      "</OPC_UA_Server_List></OPC_UA_Client>";
  const QByteArray written = OPC_UA_Client_Bytes(servers);
  EXPECT_EQ(written.toStdString(), expected.toStdString());

  // Read back and written again, the file does not change.
  TOPC_UA_Server_List again;
  const TOPC_UA_Load_Result result = Read_OPC_UA_Client_Bytes(written, again);
  EXPECT_TRUE(result.Complete) << result.Problem.toStdString();
  ASSERT_EQ(again.size(), 2u);
  EXPECT_EQ(again[0]->Certificate(), QStringLiteral("line1\nline2"));
  EXPECT_EQ(again[0]->Var_List_W[0]->VarArray(), QStringLiteral("Var"));
  EXPECT_EQ(OPC_UA_Client_Bytes(again), written);
}

TEST(OpcUaClientFile, ReadingFillsDefaultsAndFlags) {
  const QByteArray file =
      "<?xml version=\"1.0\"?><!-- saved --><OPC_UA_Client><OPC_UA_Server_List><!-- one -->"
      "<Server ServerAddress=\"a\" Authorization=\"Certificate\" UserName=\"\" Password=\"\" Certificate=\"C\" "
      "PrivateKey=\"K\" SecurityType=\"Sign\" SecurityPolicy=\"Basic 256\" Mnemonic=\"m\">"
      "<OPC_UA_Variables><OPC_UA_Write_Var>"
      "<W Enable=\"1\" DisplayName=\"w\" NodeType=\"Opaque\" NodeID=\"12\" VarType=\"datetime\" "
      "NameSpaceIndex=\"65537\" OnChange=\"1\" OnTimer=\"yes\" Time=\"\" Position=\"1\" Mnemonic=\"\"/>"
      "</OPC_UA_Write_Var><Other/><OPC_UA_Read_Var>"
      "<R DisplayName=\"r\" NodeType=\"guid\" NodeID=\"1234\" VarType=\"Real\" NameSpaceIndex=\"$10\" Swap=\"1\" "
      "Swap_All=\"true\" Time=\"5\" Position=\"7\" Mnemonic=\"x\"/>"
      "</OPC_UA_Read_Var></OPC_UA_Variables></Server></OPC_UA_Server_List></OPC_UA_Client>";
  TOPC_UA_Server_List servers;
  const TOPC_UA_Load_Result result = Read_OPC_UA_Client_Bytes(file, servers);
  ASSERT_TRUE(result.Complete) << result.Problem.toStdString();
  ASSERT_EQ(servers.size(), 1u);
  const TOPC_UA_Server& s = *servers[0];
  EXPECT_FALSE(s.Enable());  // no Enable attribute
  EXPECT_EQ(s.Authorization(), QStringLiteral("Certificate"));
  EXPECT_EQ(s.SecurityPolicy(), QStringLiteral("Basic 256"));
  ASSERT_EQ(s.Var_List_R.size(), 1u);
  ASSERT_EQ(s.Var_List_W.size(), 1u);
  const TOPC_UA_Variable& r = *s.Var_List_R[0];
  EXPECT_FALSE(r.Enable());
  EXPECT_EQ(r.identifierType, 4);
  EXPECT_EQ(r.guide1, 0x1234u);
  EXPECT_EQ(r.VarType(), QStringLiteral("Boolean"));
  EXPECT_EQ(r.nameSpaceIndex, 16);
  EXPECT_EQ(r.VarArray(), QStringLiteral("Variable"));
  EXPECT_EQ(r.Start(), QStringLiteral("0"));
  EXPECT_EQ(r.Len(), QStringLiteral("0"));
  EXPECT_EQ(r.StartBit(), QStringLiteral("0"));
  EXPECT_TRUE(r.Swap());
  EXPECT_FALSE(r.Swap_Word());
  EXPECT_FALSE(r.Swap_All());  // only "1" is on
  EXPECT_EQ(r.OnChange() + r.OnCMD() + r.OnTimer(), QStringLiteral("NNN"));
  const TOPC_UA_Variable& w = *s.Var_List_W[0];
  EXPECT_TRUE(w.Enable());
  EXPECT_EQ(w.NodeType(), QStringLiteral("Numeric"));
  EXPECT_EQ(w.numeric, 12u);
  EXPECT_EQ(w.dataType, 12);
  EXPECT_EQ(w.nameSpaceIndex, 1);  // kept in 16 bits
  EXPECT_EQ(w.OnChange() + w.OnCMD() + w.OnTimer(), QStringLiteral("YNN"));
  EXPECT_EQ(w.Time(), QString());
}

// A fault keeps the servers read before it, complete, and never a half-read one.
TEST(OpcUaClientFile, AFaultKeepsTheCompleteServersBeforeIt) {
  const QByteArray good =
      "<OPC_UA_Server Enable=\"1\" ServerAddress=\"a\" Authorization=\"Anonymous\" UserName=\"\" Password=\"\" "
      "Certificate=\"\" PrivateKey=\"\" SecurityType=\"None\" SecurityPolicy=\"None\" Mnemonic=\"\">"
      "<OPC_UA_Variables><OPC_UA_Read_Var><Variable DisplayName=\"v\" NodeType=\"Numeric\" NodeID=\"1\" "
      "VarType=\"Int8\" NameSpaceIndex=\"0\" Time=\"1\" Position=\"0\" Mnemonic=\"\"/></OPC_UA_Read_Var>"
      "<OPC_UA_Write_Var/></OPC_UA_Variables></OPC_UA_Server>";
  const auto file = [](const QByteArray& servers) {
    return "<OPC_UA_Client><OPC_UA_Server_List>" + servers + "</OPC_UA_Server_List></OPC_UA_Client>";
  };
  QByteArray no_time = good;
  no_time.replace(" Time=\"1\"", "");
  QByteArray no_writes = good;
  no_writes.replace("<OPC_UA_Write_Var/>", "");
  QByteArray bad_ns = good;
  bad_ns.replace("NameSpaceIndex=\"0\"", "NameSpaceIndex=\"two\"");
  QByteArray no_mnemonic = good;
  no_mnemonic.replace("SecurityPolicy=\"None\" Mnemonic=\"\"", "SecurityPolicy=\"None\"");
  const std::pair<QByteArray, const char*> cases[] = {
      {file(good + no_time + good), "read variable 1 of server 2 has no attribute \"Time\""},
      {file(good + no_writes), "the element \"OPC_UA_Write_Var\" is missing in server 2"},
      {file(good + bad_ns),
       "the attribute \"NameSpaceIndex\" of read variable 1 of server 2 is not an integer (\"two\")"},
      {file(good + no_mnemonic), "server 2 has no attribute \"Mnemonic\""},
      {"<OPC_UA_Client/>", "the element \"OPC_UA_Server_List\" is missing"},
      {"<Other><OPC_UA_Server_List/></Other>", "the element \"OPC_UA_Client\" is missing"},
  };
  for (const auto& [bytes, problem] : cases) {
    TOPC_UA_Server_List servers;
    const TOPC_UA_Load_Result result = Read_OPC_UA_Client_Bytes(bytes, servers);
    EXPECT_FALSE(result.Complete);
    EXPECT_EQ(result.Problem, QString::fromLatin1(problem));
    const size_t kept = bytes.count("<OPC_UA_Server ") > 1 ? 1u : 0u;
    ASSERT_EQ(servers.size(), kept) << problem;
    if (kept) {
      EXPECT_EQ(servers[0]->Var_List_R.size(), 1u);
    }
  }
}

TEST(OpcUaClientFile, MissingDamagedAndUnwritableFiles) {
  TTempFolder folder;
  Load_Default_Strings();
  TOPC_UA_Server_List servers;
  EXPECT_TRUE(Read_OPC_UA_Client_File(folder.File(QStringLiteral("none.xml")), servers).Complete);
  EXPECT_TRUE(servers.empty());

  folder.Write(QStringLiteral("bad.xml"), "<OPC_UA_Client><OPC_UA_Server_List>");
  const QString bad = folder.File(QStringLiteral("bad.xml"));
  const TOPC_UA_Load_Result result = Read_OPC_UA_Client_File(bad, servers);
  EXPECT_FALSE(result.Complete);
  EXPECT_TRUE(result.Problem.startsWith(QStringLiteral("the file is not well-formed XML")))
      << result.Problem.toStdString();
  EXPECT_TRUE(servers.empty());
  const QString message = OPC_UA_File_Unreadable_Message(bad, result);
  EXPECT_TRUE(message.startsWith(QStringLiteral("Error! The OPC UA servers file cannot be read completely")));
  EXPECT_TRUE(message.contains(bad));

  servers.push_back(Server(QStringLiteral("a")));
  const QString target = folder.File(QStringLiteral("OPC_UA_Client.xml"));
  folder.Write(QStringLiteral("OPC_UA_Client.xml"), "old");
  {
    TFailing_Writes failing(QStringLiteral("OPC_UA_Client.xml"), 40);
    EXPECT_FALSE(Write_OPC_UA_Client_File(target, servers));
    EXPECT_EQ(failing.Failed.size(), 1);
  }
  EXPECT_EQ(folder.Read(QStringLiteral("OPC_UA_Client.xml")), QByteArray("old"));
  EXPECT_EQ(
      OPC_UA_File_Not_Written_Message(target),
      QStringLiteral("Error! The OPC UA servers file cannot be written; nothing has been saved. File:\n") + target);
  EXPECT_TRUE(Write_OPC_UA_Client_File(target, servers));
  EXPECT_EQ(folder.Read(QStringLiteral("OPC_UA_Client.xml")), OPC_UA_Client_Bytes(servers));
}

// What the model writes, the bank compiler reads: servers, identifiers of every kind, flags and positions.
TEST(OpcUaClientFile, TheBankCompilerReadsTheWrittenFile) {
  TTempFolder folder;
  Load_Default_Strings();
  Path_Project = folder.File(QStringLiteral("PROJECTS/Test"));
  QDir().mkpath(Path_Project);
  Build_Topic_Paths();

  TOPC_UA_Server_List servers;
  servers.push_back(Server(QStringLiteral("opc.tcp://127.0.0.1:4840"), QStringLiteral("Username and Password")));
  servers[0]->SetUserName(QStringLiteral("user"));
  servers[0]->SetPassword(QStringLiteral("pw"));
  servers[0]->SetSecurityType(QStringLiteral("Sign"));
  servers[0]->SetSecurityPolicy(QStringLiteral("Basic 256"));
  auto& reads = servers[0]->Var_List_R;
  reads.push_back(Variable(QStringLiteral("n"), QStringLiteral("Numeric"), QStringLiteral("4294967295"),
                           QStringLiteral("Int16"), QStringLiteral("0")));
  reads.back()->nameSpaceIndex = 2;
  reads.back()->SetVarArray(QStringLiteral("Array"));
  reads.back()->SetStart(QStringLiteral("3"));
  reads.back()->SetLen(QStringLiteral("10"));
  reads.push_back(Variable(QStringLiteral("g"), QStringLiteral("Guid"),
                           QStringLiteral("01020304-0506-0708-090A-0B0C0D0E0F10"), QStringLiteral("Double"),
                           QStringLiteral("20")));
  reads.back()->SetStartBit(QStringLiteral("7"));
  reads.back()->SetSwap_All(true);
  reads.push_back(Variable(QStringLiteral("off"), QStringLiteral("Numeric"), QStringLiteral("1"),
                           QStringLiteral("Int8"), QStringLiteral("1")));
  reads.back()->SetEnable(false);
  auto& writes = servers[0]->Var_List_W;
  writes.push_back(Variable(QStringLiteral("s"), QStringLiteral("String"), QStringLiteral("ab"),
                            QStringLiteral("String"), QStringLiteral("100")));
  writes.back()->SetOnChange(QStringLiteral("Y"));
  writes.back()->SetOnTimer(QStringLiteral("Y"));
  writes.back()->SetSwap_Word(true);
  writes.push_back(Variable(QStringLiteral("b"), QStringLiteral("ByteString"), QStringLiteral("xyz"),
                            QStringLiteral("ByteString"), QStringLiteral("1499")));
  writes.back()->SetOnCMD(QStringLiteral("Y"));
  servers.push_back(Server(QStringLiteral("opc.tcp://off")));
  servers.back()->SetEnable(false);
  servers.push_back(Server(QStringLiteral("opc.tcp://third")));

  ASSERT_TRUE(Write_OPC_UA_Client_File(Path_OPC_UA_Client, servers));
  const TBank_Result result = Compile_Banks();
  ASSERT_TRUE(result.Success) << result.Error_Text.toStdString();
  const Bank::TOPC_UA_Main& main = OPC_UA_Main;
  ASSERT_EQ(main.opcua_server.size(), 2u);
  const Bank::TOPC_UA_Server& s = main.opcua_server[0];
  EXPECT_EQ(s.server_address, QStringLiteral("opc.tcp://127.0.0.1:4840"));
  EXPECT_EQ(s.user_pass_auth_flag, 1u);
  EXPECT_EQ(s.username, QStringLiteral("user"));
  EXPECT_EQ(s.password, QStringLiteral("pw"));
  EXPECT_EQ(s.security_type, 2u);
  EXPECT_EQ(s.security_policy, 2u);
  ASSERT_EQ(s.requests.size(), 4u);
  const Bank::TOPC_UA_Var& n = s.requests[0];
  EXPECT_EQ(n.identifierType, 0);
  EXPECT_EQ(n.numeric, 4294967295u);
  EXPECT_EQ(n.namespaceIndex, 2);
  EXPECT_EQ(n.Atype, 3);
  EXPECT_EQ(n.Start, 6);
  EXPECT_EQ(n.Tot, 20);
  EXPECT_EQ(n.is_read, 1);
  const Bank::TOPC_UA_Var& g = s.requests[1];
  EXPECT_EQ(g.identifierType, 4);
  EXPECT_EQ(g.Guid.data1, 0x01020304u);
  EXPECT_EQ(g.Guid.data2, 0x0506);
  EXPECT_EQ(g.Guid.data3, 0x0708);
  EXPECT_EQ(g.Guid.data4[7], 0x10);
  EXPECT_EQ(g.position, 20u);
  EXPECT_EQ(g.StartBit, 7);
  EXPECT_EQ(g.options, Bank::Opt_On_Timer | Bank::Opt_Swap_All);
  const Bank::TOPC_UA_Var& str = s.requests[2];
  EXPECT_EQ(str.identifierType, 3);
  EXPECT_EQ(str.Astring, QStringLiteral("ab"));
  EXPECT_EQ(str.is_read, 0);
  EXPECT_EQ(str.time, 100u);
  EXPECT_EQ(str.options, Bank::Opt_On_Change | Bank::Opt_On_Timer | Bank::Opt_Swap_Word);
  const Bank::TOPC_UA_Var& b = s.requests[3];
  EXPECT_EQ(b.identifierType, 5);
  EXPECT_EQ(b.byteString, QStringLiteral("xyz"));
  EXPECT_EQ(b.position, 1499u);
  EXPECT_EQ(b.options, Bank::Opt_On_CMD);
  EXPECT_EQ(main.opcua_server[1].server_address, QStringLiteral("opc.tcp://third"));
  EXPECT_TRUE(main.opcua_server[1].requests.empty());

  Path_Project.clear();
  Build_Topic_Paths();
}

}  // namespace
