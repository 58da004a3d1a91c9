#pragma once
// The OPC UA client window under test, with the add/modify-server and browse windows it opens and its file in a
// temporary folder.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "UGlobals.h"
#include "ULang.h"
#include "UOPC_UA_Add_Server.h"
#include "UOPC_UA_Client_Access.h"
#include "UOPC_UA_Scan_Server.h"

// FormShow is the window's own step of ShowModal; the tests run it without the modal loop.
class TTestClientAccess : public TFOPC_UA_Client_Access {
 public:
  using TFOPC_UA_Client_Access::FormShow;
};

class TClientAccessFixture : public ::testing::Test {
 protected:
  TClientAccessFixture() {
    Load_Default_Strings();
    SW_Code = QStringLiteral("SWTarn10");
    Path_OPC_UA_Client = Dir.filePath(QStringLiteral("OPC_UA_Client.xml"));
    Add = std::make_unique<TFOPC_UA_Add_Server>();
    Scan = std::make_unique<TFOPC_UA_Scan_Server>();
    FOPC_UA_Add_Server = Add.get();
    FOPC_UA_Scan_Server = Scan.get();
    W = std::make_unique<TTestClientAccess>();
  }
  ~TClientAccessFixture() override {
    W.reset();
    FOPC_UA_Add_Server = nullptr;
    FOPC_UA_Scan_Server = nullptr;
    Path_OPC_UA_Client.clear();
    enable_jump_field_tables = false;
  }

  // An enabled anonymous server without security.
  static std::unique_ptr<TOPC_UA_Server> Server(const QString& address) {
    auto s = std::make_unique<TOPC_UA_Server>();
    s->SetEnable(true);
    s->SetServerAddress(address);
    s->SetAuthorization(QStringLiteral("Anonymous"));
    s->SetSecurityType(QStringLiteral("None"));
    s->SetSecurityPolicy(QStringLiteral("None"));
    return s;
  }

  QTemporaryDir Dir;
  std::unique_ptr<TFOPC_UA_Add_Server> Add;
  std::unique_ptr<TFOPC_UA_Scan_Server> Scan;
  std::unique_ptr<TTestClientAccess> W;
};
