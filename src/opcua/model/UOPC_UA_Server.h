#pragma once
// One OPC UA server the gateway's client connects to, with the variables it reads and writes. The settings are the
// texts the add/modify-server window gives and OPC_UA_Client.xml stores.
#include <QString>
#include <memory>
#include <vector>

#include "UOPC_UA_Variable.h"

using TOPC_UA_Variable_List = std::vector<std::unique_ptr<TOPC_UA_Variable>>;

class TOPC_UA_Server {
 public:
  bool Enable() const { return FEnable; }
  void SetEnable(bool value) { FEnable = value; }
  const QString& ServerAddress() const { return FServerAddress; }
  void SetServerAddress(const QString& value) { FServerAddress = value; }
  // "Anonymous", "Username and Password" or "Certificate".
  const QString& Authorization() const { return FAuthorization; }
  void SetAuthorization(const QString& value) { FAuthorization = value; }
  const QString& UserName() const { return FUserName; }
  void SetUserName(const QString& value) { FUserName = value; }
  const QString& Password() const { return FPassword; }
  void SetPassword(const QString& value) { FPassword = value; }
  const QString& Certificate() const { return FCertificate; }
  void SetCertificate(const QString& value) { FCertificate = value; }
  const QString& PrivateKey() const { return FPrivateKey; }
  void SetPrivateKey(const QString& value) { FPrivateKey = value; }
  // "None", "Sign" or "Sign and Encrypt".
  const QString& SecurityType() const { return FSecurityType; }
  void SetSecurityType(const QString& value) { FSecurityType = value; }
  const QString& SecurityPolicy() const { return FSecurityPolicy; }
  void SetSecurityPolicy(const QString& value) { FSecurityPolicy = value; }
  const QString& Mnemonic() const { return FMnemonic; }
  void SetMnemonic(const QString& value) { FMnemonic = value; }

  TOPC_UA_Variable_List Var_List_R;
  TOPC_UA_Variable_List Var_List_W;

 private:
  bool FEnable = false;
  QString FServerAddress;
  QString FAuthorization;
  QString FUserName;
  QString FPassword;
  QString FCertificate;
  QString FPrivateKey;
  QString FSecurityType;
  QString FSecurityPolicy;
  QString FMnemonic;
};

using TOPC_UA_Server_List = std::vector<std::unique_ptr<TOPC_UA_Server>>;
