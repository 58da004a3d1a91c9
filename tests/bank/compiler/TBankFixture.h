#pragma once
// A configuration folder in a temporary program folder, and builders for the two files the compiler reads.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "TTempFolder.h"
#include "UXml.h"

// Attribute or element changes: a value sets (or adds) it, nothing removes it.
using TChanges = std::vector<std::pair<std::string, std::optional<QString>>>;

// OPC_UA_Client.xml as the OPC UA window writes it; every server and variable starts enabled with valid values.
class TOpcUaFile {
 public:
  TOpcUaFile();
  // Returns the server's index for Add_Read / Add_Write.
  int Add_Server(const TChanges& changes = {});
  void Add_Read(int server, const TChanges& changes = {});
  void Add_Write(int server, const TChanges& changes = {});
  void Save(const QString& path) const;

 private:
  TXmlDocument FXml;
  pugi::xml_node FList;
  std::vector<pugi::xml_node> FServers;
};

// ParGen.xml with the given elements in the given order.
void Write_ParGen(const QString& path, const std::vector<std::pair<std::string, QString>>& elements);

// Little-endian bytes for expected images, written out independently of the compiler.
class TBytes {
 public:
  TBytes& U8(uint8_t v);
  TBytes& U16(uint16_t v);
  TBytes& U32(uint32_t v);
  TBytes& Zeros(int count);
  TBytes& Text(const char* latin1, bool terminated);
  const QByteArray& Bytes() const { return FBytes; }

 private:
  QByteArray FBytes;
};

class BankTest : public ::testing::Test {
 protected:
  BankTest();
  ~BankTest() override;
  void Copy_Data(const QString& name, const QString& target) const;
  QByteArray Read_Bank(const char* name) const;
  QString Bank_Path(const char* name) const;
  // Compiles, expecting success.
  void Compile();
  // Compiles and writes, expecting success; returns bank2.bin.
  QByteArray Compile_And_Write();

  TTempFolder Folder;
};
