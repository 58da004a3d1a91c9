// The opening of secured chunks on any bytes: the first byte chooses the policy, the mode and what is opened. Bad
// bytes may only end as EUaError; what one side seals the other opens unchanged.
#include "FuzzSupport.h"
#include "UaChunkSecurity.h"
#include "UaTransport.h"

namespace {

const TUaSymmetricKeys& Keys(const TUaSecurityPolicy& policy) {
  static TUaSymmetricKeys keys[6];
  TUaSymmetricKeys& k = keys[policy.Code];
  if (k.Signing.isEmpty()) k = Ua_Derive_Keys(policy, QByteArray(32, 's'), QByteArray(32, 'c'));
  return k;
}

// Two parties of 2048-bit keys, made once: the receiver opens what the sender sealed.
struct TParties {
  TUaOwnCertificate Client = Ua_Create_Self_Signed("urn:fuzz:client", "client", 2048, 30);
  TUaOwnCertificate Server = Ua_Create_Self_Signed("urn:fuzz:server", "server", 2048, 30);
};

const TParties& Parties() {
  static const TParties parties;
  return parties;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const uint8_t choice = data[0];
  const QByteArray bytes = Fuzz_Bytes(data + 1, size - 1);
  const TUaSecurityPolicy& policy = *Ua_Policy_Of_Code(1 + choice % 5);
  TUaChannelSecurity security;
  security.Policy = &policy;
  security.Mode = (choice / 5) % 2 ? uaModeSignAndEncrypt : uaModeSign;
  const QByteArray head = QByteArray::fromHex("0100000001000000");
  const QByteArray header = Ua_Chunk_Header("MSG", 'F', uint32_t(8 + head.size() + bytes.size()));
  try {
    switch ((choice / 10) % 4) {
      case 0: {
        QByteArray plain = bytes;
        if (Ua_Strip_Padding(plain, choice & 0x80)) Fuzz_Require(plain.size() < bytes.size());
        break;
      }
      case 1:
        Ua_Open_Symmetric(security, Keys(policy), header, head, bytes);
        break;
      case 2: {
        const QByteArray chunk = Ua_Seal_Symmetric(security, Keys(policy), "MSG", 'F', head, bytes);
        Fuzz_Require(Ua_Open_Symmetric(security, Keys(policy), chunk.left(8), head, chunk.mid(8 + head.size())) ==
                     bytes);
        break;
      }
      default: {
        security.Client_Certificate = Parties().Server.Der;
        security.Client_Key = Parties().Server.Key;
        security.Server_Certificate = Parties().Client.Der;
        Ua_Open_Asymmetric(security, header, head, bytes);
      }
    }
  } catch (const EUaError&) {
  }
  return 0;
}
