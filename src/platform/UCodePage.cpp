#include "UCodePage.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace {
uint16_t Utf16_Unit_At(const QByteArray& bytes, qsizetype pos) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[pos]) | (static_cast<uint8_t>(bytes[pos + 1]) << 8));
}

// Converts one unit at a time so an unmappable character can be replaced rather than ending the conversion.
QByteArray Convert(const char* to, const char* from, const QByteArray& input, int unitSize,
                   const QByteArray& substitute) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return {};
  QByteArray out;
  std::vector<char> buffer(16);
  for (qsizetype pos = 0; pos + unitSize <= input.size(); pos += unitSize) {
    QByteArray unit = input.mid(pos, unitSize);
    // A UTF-16 high surrogate needs its partner: convert the pair together. Without a low surrogate after it, it
    // stands alone and becomes one "?", leaving the next character to be converted on its own.
    if (unitSize == 2 && pos + 4 <= input.size()) {
      const uint16_t hi = Utf16_Unit_At(input, pos);
      const uint16_t lo = Utf16_Unit_At(input, pos + 2);
      if (hi >= 0xD800 && hi <= 0xDBFF && lo >= 0xDC00 && lo <= 0xDFFF) {
        unit = input.mid(pos, 4);
        pos += 2;
      }
    }
    char* inPtr = unit.data();
    size_t inLeft = static_cast<size_t>(unit.size());
    char* outPtr = buffer.data();
    size_t outLeft = buffer.size();
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
      out += substitute;
    } else {
      out.append(buffer.data(), static_cast<qsizetype>(buffer.size() - outLeft));
    }
  }
  iconv_close(cd);
  return out;
}

QByteArray Utf16_Bytes(const QString& text) {
  return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

QString From_Utf16_Bytes(const QByteArray& bytes) {
  return QString(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2);
}

const QByteArray Question_Utf16("?\0", 2);
}  // namespace

QString Ansi_To_Unicode(const QByteArray& bytes) {
  return From_Utf16_Bytes(Convert("UTF-16LE", "WINDOWS-1252", bytes, 1, Question_Utf16));
}

QByteArray Unicode_To_Ansi(const QString& text) {
  return Convert("WINDOWS-1252", "UTF-16LE", Utf16_Bytes(text), 2, "?");
}

QString Oem_To_Unicode(const QByteArray& bytes) {
  return From_Utf16_Bytes(Convert("UTF-16LE", "CP850", bytes, 1, Question_Utf16));
}

QByteArray Unicode_To_Oem(const QString& text) {
  return Convert("CP850", "UTF-16LE", Utf16_Bytes(text), 2, "?");
}
