// The OPC UA decoders on any bytes: the first byte chooses the decoder, the second the number of results asked
// for. Bad bytes may only end as EUaError; any other exception or a crash is a fault.
#include "FuzzSupport.h"
#include "UaBrowseMessages.h"
#include "UaMessages.h"
#include "UaTransport.h"

namespace {

void Decode(uint8_t kind, uint8_t asked, const QByteArray& body) {
  TUaReader r(body);
  switch (kind % 14) {
    case 0:
      Ua_Decode_Get_Endpoints_Response(body);
      break;
    case 1:
      Ua_Decode_Create_Session_Response(body);
      break;
    case 2:
      Fuzz_Require(Ua_Decode_Activate_Session_Response(body).size() <= Ua_Max_Nonce_Bytes);
      break;
    case 3:
      Ua_Decode_Close_Session_Response(body);
      break;
    case 4:
      Ua_Decode_Open_Channel_Response(body);
      break;
    case 5:
    case 6: {
      const uint32_t type = kind % 14 == 5 ? UaId::BrowseResponse : UaId::BrowseNextResponse;
      const uint32_t max_references = asked % 4 == 0 ? 0 : asked;
      for (const TUaBrowseResult& result : Ua_Decode_Browse_Response(body, type, asked % 32, max_references))
        Fuzz_Require(result.References.size() <= size_t(max_references ? max_references : Ua_Max_References));
      break;
    }
    case 7:
      Fuzz_Require(Ua_Decode_Read_Response(body, asked).size() == asked);
      break;
    case 8:
      Ua_Decode_Acknowledge(body);
      break;
    case 9:
      Ua_Describe_Error(body);
      break;
    case 10:
      r.Variant();
      break;
    case 11:
      r.DataValue();
      break;
    case 12:
      Fuzz_Require(r.ExpandedNodeId().NodeId.Text.size() <= Ua_Max_Id_Bytes);
      break;
    default: {
      const TUaLocalizedText text = r.LocalizedText();
      Fuzz_Require(text.Text.size() <= Ua_Max_Text_Bytes && text.Locale.size() <= Ua_Max_Text_Bytes);
      r.Skip_DiagnosticInfo();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  try {
    Decode(data[0], data[1], Fuzz_Bytes(data + 2, size - 2));
  } catch (const EUaError&) {
  }
  return 0;
}
