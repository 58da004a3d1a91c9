#include "UaBrowseInput.h"

#include "UaBinary.h"

TUaBrowseInput Ua_Read_Browse_Input(const QByteArray& bytes) {
  TUaBrowseInput input;
  if (bytes.isEmpty()) return input;
  input.User_Login = bytes[0] & 1;
  TUaReader r(bytes.mid(1));
  try {
    while (r.Remaining() >= 4) {
      const uint32_t length = r.UInt32();
      input.Answers.push_back(r.Bytes(qsizetype(std::min<uint32_t>(length, uint32_t(r.Remaining())))));
    }
  } catch (const EUaError&) {
  }
  return input;
}

QByteArray Ua_Write_Browse_Input(const TUaBrowseInput& input) {
  TUaWriter w;
  w.Byte(input.User_Login ? 1 : 0);
  for (const QByteArray& answer : input.Answers) {
    w.UInt32(uint32_t(answer.size()));
    w.Raw(answer);
  }
  return w.Data();
}
