// Message framing and service messages: UA-TCP headers, Hello / Acknowledge / Error, the request header, Browse,
// responses cut at every length, service faults, endpoint addresses, data type codes and the server's operation
// limits.
#include <gtest/gtest.h>

#include "QByteArrayPrint.h"
#include "UaBrowseMessages.h"
#include "UaBrowseWalker.h"
#include "UaEndpointUrl.h"
#include "UaTransport.h"

namespace {

void Write_Good_Response_Header(TUaWriter& w, uint32_t type, uint32_t result = 0) {
  w.NodeId(TUaNodeId::Num(0, type));
  w.DateTime(0);
  w.UInt32(9);  // request handle
  w.UInt32(result);
  w.Byte(0);           // no diagnostics
  w.Array_Length(-1);  // string table
  w.ExtensionObject(TUaNodeId(), QByteArray());
}

QByteArray Sample_Browse_Response() {
  TUaWriter w;
  Write_Good_Response_Header(w, UaId::BrowseResponse);
  w.Array_Length(1);
  w.UInt32(0);
  w.ByteString("cp1");
  w.Array_Length(1);
  w.NodeId(TUaNodeId::Num(0, 35));  // Organizes
  w.Boolean(true);
  w.NodeId(TUaNodeId::Str(1, "Plant"));  // an expanded node id without flags
  w.UInt16(1);
  w.String("Plant");
  w.LocalizedText({QByteArray(), "Plant"});
  w.UInt32(uaClassObject);
  w.NodeId(TUaNodeId::Num(0, 61));  // FolderType
  w.Array_Length(-1);               // diagnostics
  return w.Data();
}

TEST(UaMessages, ChunkHeaderAndHello) {
  EXPECT_EQ(Ua_Chunk_Header("MSG", 'F', 0x1234).toHex(), QByteArray("4d53474634120000"));

  TUaTcpLimits limits{65536, 65536, 16777216, 4096};
  QByteArray hello = Ua_Encode_Hello(limits, "opc.tcp://h:1");
  EXPECT_EQ(hello.toHex(), QByteArray("48454c46"
                                      "2d000000"
                                      "00000000"
                                      "00000100"
                                      "00000100"
                                      "00000001"
                                      "00100000"
                                      "0d000000") +
                               QByteArray("opc.tcp://h:1").toHex());
}

TEST(UaMessages, AcknowledgeAndError) {
  TUaWriter ack;
  for (uint32_t v : {0u, 8192u, 65536u, 0u, 0u}) ack.UInt32(v);
  TUaTcpLimits peer = Ua_Decode_Acknowledge(ack.Data());
  EXPECT_EQ(peer.ReceiveBufferSize, 8192u);
  EXPECT_EQ(peer.SendBufferSize, 65536u);

  TUaWriter small;
  for (uint32_t v : {0u, 1024u, 65536u, 0u, 0u}) small.UInt32(v);
  EXPECT_THROW(Ua_Decode_Acknowledge(small.Data()), EUaError);
  EXPECT_THROW(Ua_Decode_Acknowledge(ack.Data().left(12)), EUaError);

  TUaWriter error;
  error.UInt32(0x807F0000);
  error.String("too many sessions");
  EXPECT_EQ(Ua_Describe_Error(error.Data()), QStringLiteral("OPC UA server error 0x807f0000 too many sessions"));
}

TEST(UaMessages, RequestHeaderLayout) {
  TUaRequestHeader header{TUaNodeId::Num(1, 77), 5, 3000};
  TUaReader r(Ua_Encode_Close_Session_Request(header));
  EXPECT_EQ(r.NodeId(), TUaNodeId::Num(0, UaId::CloseSessionRequest));
  EXPECT_EQ(r.NodeId(), TUaNodeId::Num(1, 77));
  EXPECT_GT(r.DateTime(), 0);
  EXPECT_EQ(r.UInt32(), 5u);  // request handle
  EXPECT_EQ(r.UInt32(), 0u);  // diagnostics asked for
  EXPECT_TRUE(r.String().isNull());
  EXPECT_EQ(r.UInt32(), 3000u);                         // timeout hint
  EXPECT_EQ(r.Bytes(3).toHex(), QByteArray("000000"));  // no additional header
  EXPECT_TRUE(r.Boolean());                             // delete subscriptions
  EXPECT_EQ(r.Remaining(), 0);
}

TEST(UaMessages, BrowseRequestBody) {
  TUaBrowseDescription d;
  d.NodeId = TUaNodeId::Num(0, 85);
  d.ReferenceTypeId = TUaNodeId::Num(0, 33);
  d.NodeClassMask = uaClassObject | uaClassVariable;
  d.ResultMask = uaResultNodeClass | uaResultDisplayName;
  QByteArray request = Ua_Encode_Browse_Request({}, 100, {d});
  // After the type id and the header (29 bytes with a null token): view, max references, one description.
  EXPECT_EQ(request.mid(4 + 29).toHex(), QByteArray("0000"
                                                    "0000000000000000"
                                                    "00000000"
                                                    "64000000"
                                                    "01000000"
                                                    "0055"
                                                    "00000000"
                                                    "0021"
                                                    "01"
                                                    "03000000"
                                                    "14000000"));
}

TEST(UaMessages, BrowseResponseDecodesAndEveryCutIsRefused) {
  const QByteArray full = Sample_Browse_Response();
  std::vector<TUaBrowseResult> results = Ua_Decode_Browse_Response(full, UaId::BrowseResponse, 1, 100);
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0].ContinuationPoint, "cp1");
  ASSERT_EQ(results[0].References.size(), 1u);
  EXPECT_EQ(results[0].References[0].Target.NodeId, TUaNodeId::Str(1, "Plant"));
  EXPECT_EQ(results[0].References[0].DisplayName.Text, "Plant");
  EXPECT_EQ(results[0].References[0].NodeClass, uint32_t(uaClassObject));

  for (qsizetype n = 0; n < full.size(); ++n)
    EXPECT_THROW(Ua_Decode_Browse_Response(full.left(n), UaId::BrowseResponse, 1, 100), EUaError) << "cut at " << n;
}

TEST(UaMessages, FaultsAndWrongResponsesAreErrors) {
  struct TCase {
    const char* Name;
    uint32_t Type;
    uint32_t Result;
  };
  const TCase cases[] = {
      {"service fault", UaId::ServiceFault, 0x80010000},
      {"bad service result", UaId::ReadResponse, 0x800D0000},
      {"another response type", UaId::BrowseResponse, 0},
  };
  for (const TCase& c : cases) {
    TUaWriter w;
    Write_Good_Response_Header(w, c.Type, c.Result);
    w.Array_Length(0);
    w.Array_Length(-1);
    EXPECT_THROW(Ua_Decode_Read_Response(w.Data(), 0), EUaError) << c.Name;
  }
  TUaWriter good;
  Write_Good_Response_Header(good, UaId::ReadResponse);
  good.Array_Length(1);
  good.Raw(QByteArray::fromHex("010307"));  // a data value holding Byte 7
  good.Array_Length(-1);
  std::vector<TUaDataValue> values = Ua_Decode_Read_Response(good.Data(), 1);
  ASSERT_EQ(values.size(), 1u);
  EXPECT_EQ(values[0].Value.Integer, 7u);
}

// A reply's count is compared with the request before a single element is decoded: the elements after a wrong count
// are garbage here, and the refusal must name the count, not the garbage. The two replies of a hostile server are
// in the table too: 16 MiB of one-byte data values, and a Browse answer with more references than asked for.
TEST(UaMessages, AnswersWithAnotherCountAreRefusedBeforeDecoding) {
  struct TCase {
    const char* Name;
    uint32_t Type;
    int32_t Count;         // results announced
    qsizetype Filler;      // bytes after the count
    size_t Asked;          // results asked for
    int32_t References;    // references announced in each Browse result (-1: none written)
    bool Counts_Mismatch;  // refused for its count, before decoding
  };
  const TCase cases[] = {
      {"read: one too many", UaId::ReadResponse, 5, 5, 4, -1, true},
      {"read: one too few", UaId::ReadResponse, 3, 3, 4, -1, true},
      {"read: none for four", UaId::ReadResponse, 0, 0, 4, -1, true},
      {"read: null array for four", UaId::ReadResponse, -1, 0, 4, -1, true},
      {"read: 16 MiB of empty data values", UaId::ReadResponse, 16 << 20, 16 << 20, 256, -1, true},
      {"browse: too many", UaId::BrowseResponse, 17, 17 * 12, 16, -1, true},
      {"browse: too few", UaId::BrowseResponse, 1, 12, 2, -1, true},
      {"browse next: too many", UaId::BrowseNextResponse, 2, 24, 1, -1, true},
      {"browse: more references than asked", UaId::BrowseResponse, 1, 0, 1, 101, false},
  };
  for (const TCase& c : cases) {
    TUaWriter w;
    Write_Good_Response_Header(w, c.Type);
    w.Int32(c.Count);
    if (c.References >= 0) {
      w.UInt32(0);
      w.ByteString(QByteArray());
      w.Int32(c.References);
      w.Raw(QByteArray(qsizetype(c.References) * 18, char(0xEE)));
    }
    w.Raw(QByteArray(c.Filler, char(0xEE)));  // no valid element starts with this byte
    try {
      if (c.Type == UaId::ReadResponse)
        Ua_Decode_Read_Response(w.Data(), c.Asked);
      else
        Ua_Decode_Browse_Response(w.Data(), c.Type, c.Asked, 100);
      ADD_FAILURE() << c.Name << ": accepted";
    } catch (const EUaError& e) {
      EXPECT_EQ(e.Message().contains("number of results"), c.Counts_Mismatch) << c.Name << ": " << e.what();
    }
  }
  // The right counts pass, diagnostics included, and more diagnostics than results do not.
  for (int32_t diagnostics : {-1, 0, 1, 2}) {
    TUaWriter w;
    Write_Good_Response_Header(w, UaId::ReadResponse);
    w.Int32(1);
    w.Byte(0);  // an empty data value
    w.Int32(diagnostics);
    w.Raw(QByteArray(std::max(diagnostics, 0), 0));
    if (diagnostics <= 1)
      EXPECT_EQ(Ua_Decode_Read_Response(w.Data(), 1).size(), 1u) << diagnostics;
    else
      EXPECT_THROW(Ua_Decode_Read_Response(w.Data(), 1), EUaError) << diagnostics;
  }
}

TEST(UaMessages, EndpointAddresses) {
  struct TCase {
    const char* Url;
    bool Ok;
    const char* Host;
    uint16_t Port;
  };
  const TCase cases[] = {
      {"opc.tcp://127.0.0.1:4841", true, "127.0.0.1", 4841},
      {"  OPC.TCP://plc-7/UA/Server ", true, "plc-7", 4840},
      {"opc.tcp://[::1]:48010/path", true, "::1", 48010},
      {"opc.tcp://host:", false, "", 0},
      {"opc.tcp://host:70000", false, "", 0},
      {"opc.tcp://host:+12", false, "", 0},
      {"opc.tcp://:4840", false, "", 0},
      {"opc.tcp://[::1", false, "", 0},
      {"http://host:4840", false, "", 0},
      {"", false, "", 0},
  };
  for (const TCase& c : cases) {
    TUaEndpointUrl url;
    ASSERT_EQ(Parse_Endpoint_Url(c.Url, url), c.Ok) << c.Url;
    if (!c.Ok) continue;
    EXPECT_EQ(url.Host, c.Host) << c.Url;
    EXPECT_EQ(url.Port, c.Port) << c.Url;
  }
}

TEST(UaMessages, DataTypeCodes) {
  struct TCase {
    const char* Name;
    TUaNodeId Type;
    int32_t Code;
  };
  const TCase cases[] = {
      {"Boolean", TUaNodeId::Num(0, 1), 0},
      {"Double", TUaNodeId::Num(0, 11), 10},
      {"ByteString", TUaNodeId::Num(0, 15), 14},
      {"Enumeration", TUaNodeId::Num(0, 29), 5},
      {"LocalizedText", TUaNodeId::Num(0, 21), -1},
      {"Structure", TUaNodeId::Num(0, 22), -1},
      {"BaseDataType", TUaNodeId::Num(0, 24), -1},
      {"null", TUaNodeId(), -1},
      {"Duration: its supertype decides", TUaNodeId::Num(0, 290), -2},
      {"a server's own type", TUaNodeId::Num(1, 1), -2},
      {"a type named by text", TUaNodeId::Str(0, "T"), -2},
  };
  for (const TCase& c : cases) EXPECT_EQ(Ua_Builtin_Type_Code(c.Type), c.Code) << c.Name;
}

// The batches are what the server announces, bounded by the largest batch we send; our own sizes where it
// announces nothing.
TEST(UaWalker, ServerOperationLimitsSetTheRequestSizes) {
  struct TCase {
    const char* Name;
    uint32_t Server_Browse;
    uint32_t Server_Read;
    int Browse_Batch;
    int Read_Batch;
  };
  TUaBrowseLimits ours;
  ours.Browse_Batch = 200;
  ours.Read_Batch = 300;
  ours.Max_Batch = 1000;
  const TCase cases[] = {
      {"the server sets no limits", 0, 0, 200, 300},
      {"limits below our batches", 5, 30, 5, 30},
      {"limits between our batches and the largest", 600, 999, 600, 999},
      {"limits above the largest batch", 5000, 100000, 1000, 1000},
      {"one node per request", 1, 1, 1, 1},
      {"only a read limit", 0, 50, 200, 50},
      {"the largest limit a server can give", 0xFFFFFFFF, 0xFFFFFFFF, 1000, 1000},
  };
  for (const TCase& c : cases) {
    TUaBrowseLimits fitted = Ua_Fit_Operation_Limits(ours, c.Server_Browse, c.Server_Read);
    EXPECT_EQ(fitted.Browse_Batch, c.Browse_Batch) << c.Name;
    EXPECT_EQ(fitted.Read_Batch, c.Read_Batch) << c.Name;
  }
}

}  // namespace
