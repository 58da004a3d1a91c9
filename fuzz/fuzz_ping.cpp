// An ICMP packet as received, read as the reply to one echo: the first byte chooses the socket kind, the next four
// the identifier and sequence number asked for. A reply is never longer than the packet.
#include "FuzzSupport.h"
#include "UPing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 5) return 0;
  const bool raw = data[0] & 1;
  const bool check_id = data[0] & 2;
  const uint16_t id = uint16_t(data[1] | data[2] << 8);
  const uint16_t seq = uint16_t(data[3] | data[4] << 8);
  const QByteArray packet = Fuzz_Bytes(data + 5, size - 5);
  const int32_t length = Echo_Reply_Length(packet, raw, check_id, id, seq);
  Fuzz_Require(length >= 0 && length <= packet.size());
  return 0;
}
