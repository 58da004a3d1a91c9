// The two 8-bit code pages both ways. Every byte gives one character, and every character (a surrogate pair being
// one, a lone surrogate too) gives one byte.
#include "FuzzSupport.h"
#include "UCodePage.h"

namespace {

qsizetype Characters(const QString& text) {
  qsizetype count = 0;
  for (qsizetype i = 0; i < text.size(); ++i, ++count)
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = Fuzz_Bytes(data, size);
  Fuzz_Require(Ansi_To_Unicode(bytes).size() == bytes.size());
  Fuzz_Require(Oem_To_Unicode(bytes).size() == bytes.size());
  const QString text(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2);
  Fuzz_Require(Unicode_To_Ansi(text).size() == Characters(text));
  Fuzz_Require(Unicode_To_Oem(text).size() == Characters(text));
  return 0;
}
