// The text views of a variable's node identifier and data type.
#include <gtest/gtest.h>

#include "UOPC_UA_Variable.h"

namespace {
struct TNodeCase {
  const char* Type;
  const char* Text;
  const char* Shown;  // what the getter gives back
};

TEST(OpcUaVariable, NodeIdentifiersAreReadByTheTypeSetFirst) {
  const TNodeCase cases[] = {
      {"Numeric", "4294967295", "4294967295"},
      {"Numeric", "4294967296", "0"},
      {"Numeric", "-1", "0"},
      {"Numeric", "abc", "0"},
      {"Numeric", "", "0"},
      {"Numeric", "  42", "42"},
      {"Numeric", "$FF", "255"},
      {"NUMERIC", "7", "7"},
      {"Opaque", "7", "7"},  // an unknown type is numeric
      {"String", " a b ", " a b "},
      {"string", "Machine.Speed", "Machine.Speed"},
      {"ByteString", "AQID", "AQID"},
      {"Guid", "72962B91-FA75-4AE6-8D28-B404DC7DAF63", "72962B91-FA75-4AE6-8D28-B404DC7DAF63"},
      {"guid", "72962b91-fa75-4ae6-8d28-b404dc7daf63", "72962B91-FA75-4AE6-8D28-B404DC7DAF63"},
      {"Guid", "  00000001-0002-0003-0405-060708090A0B  ", "00000001-0002-0003-0405-060708090A0B"},
      {"Guid", "1234", "00001234-0000-0000-0000-000000000000"},
      {"Guid", "1-2-3-4", "00000001-0002-0003-0400-000000000000"},
      {"Guid", "xyz-12345-3", "00000000-2345-0003-0000-000000000000"},  // cut to 16 bits
      {"Guid", "", "00000000-0000-0000-0000-000000000000"},
  };
  for (const TNodeCase& c : cases) {
    TOPC_UA_Variable v;
    v.SetNodeType(QString::fromLatin1(c.Type));
    v.SetNodeID(QString::fromLatin1(c.Text));
    EXPECT_EQ(v.NodeID(), QString::fromLatin1(c.Shown)) << c.Type << " " << c.Text;
  }
}

TEST(OpcUaVariable, GuidPartsLandInTheirFields) {
  TOPC_UA_Variable v;
  v.SetNodeType(QStringLiteral("Guid"));
  v.SetNodeID(QStringLiteral("1234"));
  EXPECT_EQ(v.guide1, 0x1234u);
  EXPECT_EQ(v.guide2, 0);
  EXPECT_EQ(v.guide3, 0);
  for (uint8_t b : v.guide4) EXPECT_EQ(b, 0);
  v.SetNodeID(QStringLiteral("01020304-0506-0708-090A-0B0C0D0E0F10"));
  EXPECT_EQ(v.guide1, 0x01020304u);
  EXPECT_EQ(v.guide2, 0x0506);
  EXPECT_EQ(v.guide3, 0x0708);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(v.guide4[i], 9 + i);
}

TEST(OpcUaVariable, TypeTexts) {
  TOPC_UA_Variable v;
  EXPECT_EQ(v.NodeType(), QStringLiteral("Numeric"));
  EXPECT_EQ(v.StartBit(), QStringLiteral("0"));
  v.identifierType = 2;
  EXPECT_EQ(v.NodeType(), QString());
  EXPECT_EQ(v.NodeID(), QString());
  const std::pair<const char*, const char*> types[] = {
      {"datetime", "DateTime"}, {"Real", "Boolean"},          {"int8", "Int8"},    {" UInt64 ", "UInt64"},
      {"", "Boolean"},          {"BYTESTRING", "ByteString"}, {"Int 8", "Boolean"}};
  for (const auto& [text, shown] : types) {
    v.SetVarType(QString::fromLatin1(text));
    EXPECT_EQ(v.VarType(), QString::fromLatin1(shown)) << text;
  }
  v.SetVarType(QStringLiteral("datetime"));
  EXPECT_EQ(v.dataType, 12);
  v.dataType = 99;
  EXPECT_EQ(v.VarType(), QStringLiteral("Boolean"));
}
}  // namespace
