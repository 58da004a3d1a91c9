// The OPC UA binary encoding: byte vectors of node ids, strings, variants and data values, and the refusal of
// malformed input.
#include <gtest/gtest.h>

#include "QByteArrayPrint.h"
#include "UaBinary.h"

namespace {

QByteArray Hex(const char* text) {
  return QByteArray::fromHex(text);
}

TUaGuid Sample_Guid() {
  // 72962B91-FA75-4AE6-8D28-B404DC7DAF63
  return {0x72962B91, 0xFA75, 0x4AE6, {0x8D, 0x28, 0xB4, 0x04, 0xDC, 0x7D, 0xAF, 0x63}};
}

TEST(UaBinary, NodeIdsOfEveryKind) {
  struct TCase {
    const char* Name;
    TUaNodeId Id;
    const char* Bytes;
  };
  const TCase cases[] = {
      {"two-byte numeric", TUaNodeId::Num(0, 72), "0048"},
      {"four-byte numeric", TUaNodeId::Num(5, 1025), "01050104"},
      {"numeric above 16 bits", TUaNodeId::Num(1, 70000), "0201007011 0100"},
      {"numeric in a namespace above 255", TUaNodeId::Num(300, 5), "022c0105000000"},
      {"string", TUaNodeId::Str(1, "Hot\xE6\xB0\xB4"), "030100 06000000 486f74e6b0b4"},
      {"guid", TUaNodeId::Of_Guid(1, Sample_Guid()), "040100 912b9672 75fa e64a 8d28b404dc7daf63"},
      {"byte string", TUaNodeId::Opaque(2, Hex("0100ff")), "050200 03000000 0100ff"},
  };
  for (const TCase& c : cases) {
    QByteArray expected = Hex(QByteArray(c.Bytes).replace(' ', "").constData());
    TUaWriter w;
    w.NodeId(c.Id);
    EXPECT_EQ(w.Data().toHex(), expected.toHex()) << c.Name;
    TUaReader r(expected);
    EXPECT_EQ(r.NodeId(), c.Id) << c.Name;
    EXPECT_EQ(r.Remaining(), 0) << c.Name;
  }
}

TEST(UaBinary, ExpandedNodeIdFlags) {
  // ns=1;i=7 with a namespace uri "u" and server index 3.
  TUaReader r(Hex(QByteArray("c1 01 0700 01000000 75 03000000").replace(' ', "").constData()));
  TUaExpandedNodeId id = r.ExpandedNodeId();
  EXPECT_EQ(id.NodeId, TUaNodeId::Num(1, 7));
  EXPECT_EQ(id.NamespaceUri, "u");
  EXPECT_EQ(id.ServerIndex, 3u);
  EXPECT_FALSE(id.Is_Local());
  TUaReader local(Hex("0007"));
  EXPECT_TRUE(local.ExpandedNodeId().Is_Local());
}

TEST(UaBinary, StringsKeepNullApartFromEmpty) {
  struct TCase {
    const char* Name;
    QByteArray Value;
    const char* Bytes;
  };
  const TCase cases[] = {
      {"null", QByteArray(), "ffffffff"},
      {"empty", QByteArray(""), "00000000"},
      {"text", QByteArray("Hi"), "020000004869"},
  };
  for (const TCase& c : cases) {
    TUaWriter w;
    w.String(c.Value);
    EXPECT_EQ(w.Data().toHex(), QByteArray(c.Bytes)) << c.Name;
    TUaReader r(w.Data());
    QByteArray back = r.String();
    EXPECT_EQ(back, c.Value) << c.Name;
    EXPECT_EQ(back.isNull(), c.Value.isNull()) << c.Name;
  }
}

TEST(UaBinary, Variants) {
  struct TCase {
    const char* Name;
    const char* Bytes;
    uint8_t Type;
    bool Is_Array;
    uint64_t Integer;
  };
  const TCase cases[] = {
      {"null", "00", uaNull, false, 0},
      {"Int32 -5", "06fbffffff", uaInt32, false, uint64_t(-5)},
      {"SByte -3", "02fd", uaSByte, false, uint64_t(-3)},
      {"Byte 3", "0303", uaByte, false, 3},
      {"UInt64", "090100000000000080", uaUInt64, false, 0x8000000000000001ull},
      {"string array with dimensions", "cc 02000000 0100000061 0100000062 01000000 02000000", uaString, true, 0},
      {"array of variants", "98 01000000 0601000000", uaVariant, true, 0},
      {"extension object with a body", "16 0001 01 03000000 aabbcc", uaExtensionObject, false, 0},
      {"data value inside", "17 03 0307 00003580", uaDataValue, false, 0},
  };
  for (const TCase& c : cases) {
    TUaReader r(Hex(QByteArray(c.Bytes).replace(' ', "").constData()));
    TUaVariant v = r.Variant();
    EXPECT_EQ(v.Type, c.Type) << c.Name;
    EXPECT_EQ(v.Is_Array, c.Is_Array) << c.Name;
    EXPECT_EQ(v.Integer, c.Integer) << c.Name;
    EXPECT_EQ(r.Remaining(), 0) << c.Name;
  }

  TUaReader node(Hex("11000b"));
  EXPECT_EQ(node.Variant().NodeId, TUaNodeId::Num(0, 11));
  TUaReader text(Hex("150302000000656e020000004869"));
  TUaVariant lt = text.Variant();
  EXPECT_EQ(lt.Text.Locale, "en");
  EXPECT_EQ(lt.Text.Text, "Hi");
}

TEST(UaBinary, DataValueFields) {
  // Value Byte 7, a bad status, both timestamps and both picosecond fields.
  TUaReader r(
      Hex("3f030700003580"
          "00000000000000000100"
          "00000000000000000200"));
  TUaDataValue dv = r.DataValue();
  EXPECT_TRUE(dv.Has_Value);
  EXPECT_EQ(dv.Value.Integer, 7u);
  EXPECT_EQ(dv.Status, 0x80350000u);
  EXPECT_TRUE(Ua_Is_Bad(dv.Status));
  EXPECT_EQ(r.Remaining(), 0);
}

QByteArray Nested_Variants(int depth) {
  QByteArray bytes;
  for (int i = 0; i < depth; ++i) bytes += Hex("9801000000");  // an array holding one variant, again and again
  return bytes + Hex("00");
}

TEST(UaBinary, MalformedInputIsRefused) {
  struct TCase {
    const char* Name;
    QByteArray Bytes;
    void (*Read)(TUaReader&);
  };
  auto string = [](TUaReader& r) { r.String(); };
  auto variant = [](TUaReader& r) { r.Variant(); };
  const TCase cases[] = {
      {"string longer than the message", Hex("0500000041"), string},
      {"string length below -1", Hex("feffffff"), string},
      {"array count the message cannot hold", Hex("8cffffff7f"), variant},
      {"unknown node id encoding", Hex("09"), [](TUaReader& r) { r.NodeId(); }},
      {"unknown variant type", Hex("1a"), variant},
      {"dimensions without an array", Hex("4601000000"), variant},
      {"variants nested too deeply", Nested_Variants(12), variant},
      {"diagnostic info nested too deeply", QByteArray(20, char(0x40)) + Hex("00"),
       [](TUaReader& r) { r.Skip_DiagnosticInfo(); }},
      {"localized text with unknown fields", Hex("04"), [](TUaReader& r) { r.LocalizedText(); }},
      {"extension object body past the end",
       Hex("00000110000000"
           "00"),
       [](TUaReader& r) { r.Skip_ExtensionObject(); }},
      {"guid cut short", Hex("0102030405"), [](TUaReader& r) { r.Guid(); }},
      // 3 Int32 elements announced, 9 bytes left: each takes 4, so the count is a lie before one is read.
      {"array of elements larger than the bytes left", Hex("8603000000") + QByteArray(9, 0), variant},
      {"more elements than any array may have", Hex("83") + Hex("01000100") + QByteArray(65537, 0), variant},
      {"string identifier over 4096 bytes", Hex("030100 01100000").append(QByteArray(4097, 'x')),
       [](TUaReader& r) { r.NodeId(); }},
      {"byte-string identifier over 4096 bytes", Hex("050100 01100000").append(QByteArray(4097, 'x')),
       [](TUaReader& r) { r.NodeId(); }},
  };
  for (const TCase& c : cases) {
    TUaReader r(c.Bytes);
    EXPECT_THROW(c.Read(r), EUaError) << c.Name;
  }
  TUaReader fine(Nested_Variants(8));
  EXPECT_NO_THROW(fine.Variant());
}

// Identifiers up to the protocol's 4096 bytes pass whole; texts are cut to 512 bytes at a character boundary, and
// what follows a long text is still read in its place.
TEST(UaBinary, LongTextsAreBounded) {
  TUaWriter w;
  w.NodeId(TUaNodeId::Str(1, QByteArray(4096, 'i')));
  const QByteArray accents = QByteArray(511, 'a') + QByteArray("\xC3\xA9\xC3\xA9");  // "é" at byte 511, cut through
  w.LocalizedText({QByteArray(600, 'l'), accents});
  w.LocalizedText({QByteArray(), QByteArray(1 << 20, 't')});
  w.UInt32(0xCAFE);
  TUaReader r(w.Data());
  EXPECT_EQ(r.NodeId().Text.size(), 4096);
  TUaLocalizedText first = r.LocalizedText();
  EXPECT_EQ(first.Locale, QByteArray(512, 'l'));
  EXPECT_EQ(first.Text, QByteArray(511, 'a'));
  EXPECT_EQ(r.LocalizedText().Text, QByteArray(512, 't'));
  EXPECT_EQ(r.UInt32(), 0xCAFEu);
}

TEST(UaBinary, ArrayLengthBounds) {
  struct TCase {
    const char* Name;
    int32_t Count;
    qsizetype Bytes_After;
    qsizetype Element_Size;
    int32_t Max;
    int32_t Expected;  // -2: refused
  };
  const TCase cases[] = {
      {"null array", -1, 0, 4, 10, 0},          {"fits exactly", 3, 12, 4, 10, 3},
      {"one byte short", 3, 11, 4, 10, -2},     {"at the maximum", 10, 10, 1, 10, 10},
      {"above the maximum", 11, 11, 1, 10, -2}, {"negative", -2, 8, 1, 10, -2},
  };
  for (const TCase& c : cases) {
    TUaWriter w;
    w.Int32(c.Count);
    w.Raw(QByteArray(c.Bytes_After, 0));
    TUaReader r(w.Data());
    if (c.Expected == -2)
      EXPECT_THROW(r.Array_Length(c.Element_Size, c.Max), EUaError) << c.Name;
    else
      EXPECT_EQ(r.Array_Length(c.Element_Size, c.Max), c.Expected) << c.Name;
  }
}

}  // namespace
