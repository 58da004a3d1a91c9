// The whole browse against a server on 127.0.0.1 whose answers come from the input (UaBrowseInput.h): the
// handshake is the fake server's, every service answer the fuzzer's. The browse ends within its limits whatever
// the answers, and every record it leaves holds what its lengths say.
#include <cstring>

#include "FuzzSupport.h"
#include "OPC_UA_Search.h"
#include "TUaFakeServer.h"
#include "UaBrowseInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TUaBrowseInput input = Ua_Read_Browse_Input(Fuzz_Bytes(data, size));
  size_t next = 0;
  TUaFakeServer server([&](const TUaFakeRequest&) -> std::optional<QByteArray> {
    return next < input.Answers.size() ? input.Answers[next++] : QByteArray();
  });
  const QByteArray url = server.Url();
  opcua_server_to_discover target;
  target.server_address = url.constData();
  target.user_pass_auth_flag = input.User_Login ? 1 : 0;
  target.username = "user";
  target.password = "secret";
  TUaBrowseLimits limits;
  limits.Step_Timeout_Ms = 2000;
  limits.Total_Timeout_Ms = 5000;
  const int32_t found = Ua_Client_Begin(target, limits);
  Fuzz_Require(found >= 0 && found <= limits.Max_Variables);
  for (int32_t i = 0; i < found; ++i) {
    opcua_structure v;
    Fuzz_Require(opcua_return_variable(&v, i) == 1);
    Fuzz_Require(std::strlen(v.displayName) == v.displayNameLength && v.displayNameLength <= 2 * Ua_Max_Text_Bytes);
    Fuzz_Require(std::strlen(v.stringname) == v.stringLength && v.stringLength <= Ua_Max_Id_Bytes);
    Fuzz_Require(v.dataType >= 0 && v.dataType <= 14 &&
                 (v.accessLevel == 1 || v.accessLevel == 2 || v.accessLevel == 3));
  }
  return 0;
}
