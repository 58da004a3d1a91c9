#pragma once
// One variable of a configured OPC UA server, as the OPC UA window edits it and OPC_UA_Client.xml stores it. The
// settings are the texts of the window's cells; the node identifier and the data type are held as the codes the
// browsing library and the device use, with text views for the window and the file.
#include <QString>
#include <cstdint>

class TOPC_UA_Variable {
 public:
  bool Enable() const { return FEnable; }
  void SetEnable(bool value) { FEnable = value; }
  // Spelled so: the name the window's code has always used.
  const QString& DispalyName() const { return FDispalyName; }
  void SetDispalyName(const QString& value) { FDispalyName = value; }
  // "Y" or "N"; read variables carry "N".
  const QString& OnChange() const { return FOnChange; }
  void SetOnChange(const QString& value) { FOnChange = value; }
  const QString& OnCMD() const { return FOnCMD; }
  void SetOnCMD(const QString& value) { FOnCMD = value; }
  const QString& OnTimer() const { return FOnTimer; }
  void SetOnTimer(const QString& value) { FOnTimer = value; }
  // "Variable" or "Array" (read variables).
  const QString& VarArray() const { return FVarArray; }
  void SetVarArray(const QString& value) { FVarArray = value; }
  const QString& Start() const { return FStart; }
  void SetStart(const QString& value) { FStart = value; }
  const QString& Len() const { return FLen; }
  void SetLen(const QString& value) { FLen = value; }
  const QString& Time() const { return FTime; }
  void SetTime(const QString& value) { FTime = value; }
  const QString& Position() const { return FPosition; }
  void SetPosition(const QString& value) { FPosition = value; }
  const QString& StartBit() const { return FStartBit; }
  void SetStartBit(const QString& value) { FStartBit = value; }
  bool Swap() const { return FSwap; }
  void SetSwap(bool value) { FSwap = value; }
  bool Swap_Word() const { return FSwap_Word; }
  void SetSwap_Word(bool value) { FSwap_Word = value; }
  bool Swap_All() const { return FSwap_All; }
  void SetSwap_All(bool value) { FSwap_All = value; }
  const QString& Mnemonic() const { return FMnemonic; }
  void SetMnemonic(const QString& value) { FMnemonic = value; }

  // "Numeric", "String", "Guid", "ByteString"; the setter takes them in any letter case, anything else as numeric.
  QString NodeType() const;
  void SetNodeType(const QString& text);
  // The identifier in the form of the node type held at the time: set NodeType first.
  QString NodeID() const;
  void SetNodeID(const QString& text);
  // The data type's name; an unknown name is taken as Boolean, as an unknown code is shown.
  QString VarType() const;
  void SetVarType(const QString& text);

  uint16_t nameSpaceIndex = 0;
  uint16_t identifierType = 0;  // 0 numeric, 3 string, 4 GUID, 5 byte string
  uint32_t numeric = 0;
  QString stringname;
  uint32_t guide1 = 0;
  uint16_t guide2 = 0;
  uint16_t guide3 = 0;
  uint8_t guide4[8] = {};
  QString byteString;
  int32_t dataType = 0;  // 0..14

 private:
  bool FEnable = false;
  QString FDispalyName;
  QString FOnChange;
  QString FOnCMD;
  QString FOnTimer;
  QString FVarArray;
  QString FStart;
  QString FLen;
  QString FTime;
  QString FPosition;
  QString FStartBit = QStringLiteral("0");
  bool FSwap = false;
  bool FSwap_Word = false;
  bool FSwap_All = false;
  QString FMnemonic;
};
