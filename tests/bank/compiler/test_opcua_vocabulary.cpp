#include <gtest/gtest.h>

#include <functional>

#include "UOPCUA_Vocabulary.h"

namespace {
struct TWordCase {
  const char* table;
  std::function<int32_t(const QString&)> to_code;
  QString word;
  int32_t code;
};

struct TCodeCase {
  const char* table;
  std::function<QString(int32_t)> to_word;
  int32_t code;
  QString word;
};

std::string Describe(const char* table, const QString& s) {
  return std::string(table) + " '" + s.toStdString() + "'";
}
}  // namespace

TEST(OPCUA_Vocabulary, WordsToCodesWithTheirFallbacks) {
  const TWordCase cases[] = {
      {"auth", Text_To_Auth, "Anonymous", 0},
      {"auth", Text_To_Auth, "Username and Password", 1},
      {"auth", Text_To_Auth, "Certificate", 2},
      {"auth", Text_To_Auth, "anonymous", 2},
      {"auth", Text_To_Auth, "", 2},
      {"mode", Text_To_Sec_Type, "None", 0},
      {"mode", Text_To_Sec_Type, "Sign", 1},
      {"mode", Text_To_Sec_Type, "Sign and Encrypt", 2},
      {"mode", Text_To_Sec_Type, "sign", 2},
      {"mode", Text_To_Sec_Type, "None ", 2},
      {"policy", Text_To_Sec_Policy, "None", 0},
      {"policy", Text_To_Sec_Policy, "Basic 128 RSA 15", 1},
      {"policy", Text_To_Sec_Policy, "Basic 256", 2},
      {"policy", Text_To_Sec_Policy, "Basic 256 SHA 256", 3},
      {"policy", Text_To_Sec_Policy, "AES 128 SHA 256 RSA OAEP", 4},
      {"policy", Text_To_Sec_Policy, "AES 256 SHA 256 RSA PSS", 5},
      {"policy", Text_To_Sec_Policy, "basic 256", 5},
      {"node", Text_To_Node_Type, "Numeric", 0},
      {"node", Text_To_Node_Type, "STRING", 3},
      {"node", Text_To_Node_Type, "guid", 4},
      {"node", Text_To_Node_Type, "ByteString", 5},
      {"node", Text_To_Node_Type, "Opaque", 0},
      {"data", Text_To_Data_Type, "Boolean", 0},
      {"data", Text_To_Data_Type, "float", 9},
      {"data", Text_To_Data_Type, "DATETIME", 12},
      {"data", Text_To_Data_Type, "ByteString", 14},
      {"data", Text_To_Data_Type, "Real", 1},
      {"data", Text_To_Data_Type, "", 1},
  };
  for (const TWordCase& c : cases) EXPECT_EQ(c.to_code(c.word), c.code) << Describe(c.table, c.word);
}

TEST(OPCUA_Vocabulary, CodesToWordsWithTheirFallbacks) {
  const TCodeCase cases[] = {
      {"auth", Auth_To_Text, 0, "Anonymous"},
      {"auth", Auth_To_Text, 1, "Username and Password"},
      {"auth", Auth_To_Text, 7, "Certificate"},
      {"auth", Auth_To_Text, -1, "Certificate"},
      {"mode", Sec_Type_To_Text, 1, "Sign"},
      {"mode", Sec_Type_To_Text, 3, "Sign and Encrypt"},
      {"policy", Sec_Policy_To_Text, 4, "AES 128 SHA 256 RSA OAEP"},
      {"policy", Sec_Policy_To_Text, 9, "AES 256 SHA 256 RSA PSS"},
      {"node", Node_Type_To_Text, 0, "Numeric"},
      {"node", Node_Type_To_Text, 1, ""},
      {"node", Node_Type_To_Text, 5, "ByteString"},
      {"data", Data_Type_To_Text, 0, "Boolean"},
      {"data", Data_Type_To_Text, 14, "ByteString"},
      {"data", Data_Type_To_Text, 15, ""},
      {"data", Data_Type_To_Text, -1, ""},
  };
  for (const TCodeCase& c : cases) EXPECT_EQ(c.to_word(c.code), c.word) << c.table << " " << c.code;
}

TEST(OPCUA_Vocabulary, TextToGuidReadsFixedPositions) {
  struct Case {
    QString text;
    bool ok;
    uint32_t data1;
    uint16_t data2, data3;
    std::array<uint8_t, 8> data4;
  };
  const Case cases[] = {
      {"0123ABCD-0001-0002-0304-05060708090A", true, 0x0123ABCD, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}},
      {"0123abcd-0001-0002-0304-05060708090a", true, 0x0123ABCD, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}},
      // 35 characters: the last group is one digit long.
      {"0123ABCD-0001-0002-0304-05060708090", true, 0x0123ABCD, 1, 2, {3, 4, 5, 6, 7, 8, 9, 0}},
      // The separators are never looked at; a group that is not hexadecimal reads as 0.
      {"0123ABCDx0001x00G2x0304x05060708090A", true, 0x0123ABCD, 1, 0, {3, 4, 5, 6, 7, 8, 9, 10}},
      // Braces shift every group by one character.
      {"{0123ABCD-0001-0002-0304-05060708090A}", true, 0, 0, 0, {0, 0x30, 0, 0x50, 0x60, 0x70, 0x80, 0x90}},
      {"0123ABCD-0001-0002-0304-050607080", false, 0, 0, 0, {}},
      {"", false, 0, 0, 0, {}},
  };
  for (const Case& c : cases) {
    TOPC_UA_Guid g;
    g.data1 = 0xFFFFFFFF;
    g.data4[7] = 0xFF;
    EXPECT_EQ(Text_To_Guid(c.text, g), c.ok) << c.text.toStdString();
    EXPECT_EQ(g.data1, c.data1) << c.text.toStdString();
    EXPECT_EQ(g.data2, c.data2) << c.text.toStdString();
    EXPECT_EQ(g.data3, c.data3) << c.text.toStdString();
    for (int i = 0; i < 8; ++i) EXPECT_EQ(g.data4[i], c.data4[i]) << c.text.toStdString() << " byte " << i;
  }
}

TEST(OPCUA_Vocabulary, NodeIdToTextByIdentifierType) {
  opcua_structure numeric;
  numeric.identifierType = 0;
  numeric.numeric = 4294967295u;
  EXPECT_EQ(Node_ID_To_Text(numeric), "4294967295");

  opcua_structure text;
  text.identifierType = 3;
  text.stringname = "Caf\xE9";  // 8-bit text from the library
  text.stringLength = 99;       // the length field is not trusted
  EXPECT_EQ(Node_ID_To_Text(text), QStringLiteral("Caf\u00E9"));

  opcua_structure bytes;
  bytes.identifierType = 5;
  bytes.byteString = "raw";
  EXPECT_EQ(Node_ID_To_Text(bytes), "raw");

  opcua_structure missing;
  missing.identifierType = 3;
  EXPECT_EQ(Node_ID_To_Text(missing), "");

  opcua_structure other;
  other.identifierType = 1;
  other.numeric = 7;
  EXPECT_EQ(Node_ID_To_Text(other), "");
}

TEST(OPCUA_Vocabulary, GuidRoundTripsThroughText) {
  const QString text = QStringLiteral("0123ABCD-0001-0002-0304-05060708090A");
  TOPC_UA_Guid g;
  ASSERT_TRUE(Text_To_Guid(text, g));
  opcua_structure v;
  v.identifierType = 4;
  v.guide1 = g.data1;
  v.guide2 = g.data2;
  v.guide3 = g.data3;
  for (int i = 0; i < 8; ++i) v.guide4[i] = g.data4[i];
  EXPECT_EQ(Node_ID_To_Text(v), text);

  v.guide1 = 0xAB;
  v.guide4[7] = 0xF;
  EXPECT_EQ(Node_ID_To_Text(v), "000000AB-0001-0002-0304-05060708090F");
}
