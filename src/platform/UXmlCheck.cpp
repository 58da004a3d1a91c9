#include "UXmlCheck.h"

#include <array>
#include <cstring>
#include <vector>

#include "UCodePage.h"

namespace {

using uchar = unsigned char;

// ---- Encodings ----

void Append_Utf8(QByteArray& out, uint32_t cp) {
  if (cp < 0x80) {
    out.append(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.append(static_cast<char>(0xC0 | (cp >> 6)));
    out.append(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.append(static_cast<char>(0xE0 | (cp >> 12)));
    out.append(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.append(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.append(static_cast<char>(0xF0 | (cp >> 18)));
    out.append(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.append(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.append(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// UTF-16 to UTF-8; an unpaired surrogate or an odd byte count makes the file unreadable rather than altered.
bool Utf16_To_Utf8(const QByteArray& bytes, qsizetype from, bool big_endian, QByteArray& out, QString& problem) {
  if ((bytes.size() - from) % 2 != 0) {
    problem = QStringLiteral("its UTF-16 text ends in half a character");
    return false;
  }
  const auto unit = [&](qsizetype i) -> uint32_t {
    const auto a = static_cast<uchar>(bytes[i]), b = static_cast<uchar>(bytes[i + 1]);
    return big_endian ? (a << 8 | b) : (b << 8 | a);
  };
  out.reserve((bytes.size() - from) / 2 * 3 / 2);
  for (qsizetype i = from; i < bytes.size(); i += 2) {
    uint32_t cp = unit(i);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < bytes.size()) {
      const uint32_t low = unit(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    if (cp >= 0xD800 && cp <= 0xDFFF) {
      problem = QStringLiteral("its UTF-16 text holds an unpaired surrogate");
      return false;
    }
    Append_Utf8(out, cp);
  }
  return true;
}

// The encoding named in a leading XML declaration, upper-cased; empty when there is none.
QByteArray Declared_Encoding(const QByteArray& bytes) {
  if (!bytes.startsWith("<?xml")) return QByteArray();
  const qsizetype end = bytes.indexOf("?>");
  const QByteArray decl = bytes.left(end < 0 ? bytes.size() : end);
  const qsizetype at = decl.indexOf("encoding");
  if (at < 0) return QByteArray();
  qsizetype i = at + 8;
  while (i < decl.size() && (decl[i] == ' ' || decl[i] == '\t' || decl[i] == '\r' || decl[i] == '\n')) ++i;
  if (i >= decl.size() || decl[i] != '=') return QByteArray();
  ++i;
  while (i < decl.size() && (decl[i] == ' ' || decl[i] == '\t' || decl[i] == '\r' || decl[i] == '\n')) ++i;
  if (i >= decl.size() || (decl[i] != '"' && decl[i] != '\'')) return QByteArray();
  const qsizetype close = decl.indexOf(decl[i], i + 1);
  if (close < 0) return QByteArray();
  const QByteArray name = decl.mid(i + 1, close - i - 1);
  // Anything but an encoding name is left to the well-formedness check, which refuses the declaration.
  for (const char c : name)
    if (!QChar::isLetterOrNumber(static_cast<uchar>(c)) && c != '.' && c != '_' && c != '-') return QByteArray();
  return name.toUpper();
}

// ---- Well-formedness ----

bool Is_Space(uchar c) {
  return c == 0x20 || c == 0x09 || c == 0x0A || c == 0x0D;
}

bool Is_Xml_Char(uint32_t cp) {
  return cp == 0x9 || cp == 0xA || cp == 0xD || (cp >= 0x20 && cp <= 0xD7FF) || (cp >= 0xE000 && cp <= 0xFFFD) ||
         (cp >= 0x10000 && cp <= 0x10FFFF);
}

// ASCII name characters: 1 may start a name, 2 may only follow.
constexpr auto Ascii_Name_Table = [] {
  std::array<uint8_t, 128> t{};
  for (int c = 'A'; c <= 'Z'; ++c) t[c] = 1;
  for (int c = 'a'; c <= 'z'; ++c) t[c] = 1;
  t['_'] = t[':'] = 1;
  for (int c = '0'; c <= '9'; ++c) t[c] = 2;
  t['-'] = t['.'] = 2;
  return t;
}();

// Bytes that text and attribute values may hold as they are: ASCII from the blank up, less the characters that
// start markup or references, end CDATA or close a value.
constexpr auto Plain_Text_Table = [] {
  std::array<bool, 256> t{};
  for (int c = 0x20; c < 0x80; ++c) t[c] = true;
  t['<'] = t['&'] = t[']'] = t['"'] = t['\''] = false;
  return t;
}();

inline bool Is_Name_Start(uint32_t c) {
  if (c < 0x80) return Ascii_Name_Table[c] == 1;
  return (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) ||
         (c >= 0x370 && c <= 0x37D) || (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D) ||
         (c >= 0x2070 && c <= 0x218F) || (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) ||
         (c >= 0xF900 && c <= 0xFDCF) || (c >= 0xFDF0 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
}

inline bool Is_Name_Char(uint32_t c) {
  if (c < 0x80) return Ascii_Name_Table[c] != 0;
  return Is_Name_Start(c) || c == 0xB7 || (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

class TWellFormed {
 public:
  explicit TWellFormed(std::string_view text)
      : FBegin(reinterpret_cast<const uchar*>(text.data())), p(FBegin), e(FBegin + text.size()) {}

  bool Document();
  QString Problem;
  bool Doctype = false;

 private:
  const uchar* FBegin;
  const uchar* p;
  const uchar* e;
  std::vector<std::string_view> FOpen;   // names of the open elements
  std::vector<std::string_view> FAttrs;  // attribute names of the tag being read

  bool Fail(const QString& what) {
    int line = 1;
    for (const uchar* q = FBegin; q < p && q < e; ++q)
      if (*q == '\n') ++line;
    Problem = QStringLiteral("line %1: %2").arg(line).arg(what);
    return false;
  }
  template <size_t N>
  bool At(const char (&literal)[N]) const {
    return static_cast<size_t>(e - p) >= N - 1 && std::memcmp(p, literal, N - 1) == 0;
  }
  bool Skip_Spaces() {
    const uchar* from = p;
    while (p < e && Is_Space(*p)) ++p;
    return p != from;
  }
  // Valid characters up to and past `end`.
  template <size_t N>
  bool Through(const char (&end)[N], const QString& unclosed) {
    while (p < e) {
      if (At(end)) {
        p += N - 1;
        return true;
      }
      if (!Char()) return false;
    }
    return Fail(unclosed);
  }
  // Decodes the character at p without moving; 0 bytes when the UTF-8 is invalid.
  int Peek(uint32_t& cp) const;
  // One character of text, which must be a valid XML character.
  bool Char();
  inline bool Name(std::string_view& name);
  bool Reference();
  bool Comment();
  bool Processing_Instruction();
  bool CData();
  bool Declaration();
  bool Misc();
  bool Start_Tag(bool& empty);
  bool Attribute_Value();
  bool Char_Data();
  bool Content();
};

int TWellFormed::Peek(uint32_t& cp) const {
  const uchar c = *p;
  if (c < 0x80) {
    cp = c;
    return 1;
  }
  int n;
  uint32_t min;
  if ((c & 0xE0) == 0xC0) {
    n = 2, cp = c & 0x1F, min = 0x80;
  } else if ((c & 0xF0) == 0xE0) {
    n = 3, cp = c & 0x0F, min = 0x800;
  } else if ((c & 0xF8) == 0xF0) {
    n = 4, cp = c & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (e - p < n) return 0;
  for (int i = 1; i < n; ++i) {
    if ((p[i] & 0xC0) != 0x80) return 0;
    cp = cp << 6 | (p[i] & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

bool TWellFormed::Char() {
  uint32_t cp;
  const int n = Peek(cp);
  if (n == 0) return Fail(QStringLiteral("bytes that are not UTF-8"));
  if (!Is_Xml_Char(cp))
    return Fail(QStringLiteral("the character U+%1, which XML does not allow").arg(cp, 4, 16, QChar(u'0')).toUpper());
  p += n;
  return true;
}

bool TWellFormed::Name(std::string_view& name) {
  const uchar* from = p;
  uint32_t cp;
  int n;
  if (p < e && *p < 0x80 && Ascii_Name_Table[*p] == 1) {
    ++p;
  } else if (p < e && (n = Peek(cp)) != 0 && Is_Name_Start(cp)) {
    p += n;
  } else {
    return Fail(QStringLiteral("a name is missing or starts with a wrong character"));
  }
  for (;;) {
    while (p < e && *p < 0x80 && Ascii_Name_Table[*p] != 0) ++p;
    if (p >= e || *p < 0x80 || (n = Peek(cp)) == 0 || !Is_Name_Char(cp)) break;
    p += n;
  }
  name = std::string_view(reinterpret_cast<const char*>(from), static_cast<size_t>(p - from));
  return true;
}

bool TWellFormed::Reference() {
  ++p;  // '&'
  if (p < e && *p == '#') {
    ++p;
    const bool hex = p < e && *p == 'x';
    if (hex) ++p;
    uint64_t value = 0;
    const uchar* digits = p;
    for (; p < e; ++p) {
      const uchar c = *p;
      int d;
      if (c >= '0' && c <= '9')
        d = c - '0';
      else if (hex && c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
      else if (hex && c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
      else
        break;
      value = value * (hex ? 16 : 10) + static_cast<uint64_t>(d);
      if (value > 0x10FFFF) value = 0x110000;  // stays invalid without overflowing
    }
    if (p == digits || p >= e || *p != ';')
      return Fail(QStringLiteral("a character reference without digits or ';'"));
    ++p;
    if (!Is_Xml_Char(static_cast<uint32_t>(value)))
      return Fail(QStringLiteral("a character reference to a character XML does not allow"));
    return true;
  }
  std::string_view name;
  if (!Name(name)) return false;
  if (p >= e || *p != ';')
    return Fail(QStringLiteral("the entity reference \"&%1\" has no ';'").arg(QString::fromUtf8(name)));
  ++p;
  for (const char* known : {"lt", "gt", "amp", "apos", "quot"})
    if (name == known) return true;
  return Fail(QStringLiteral("the entity \"&%1;\" is not defined").arg(QString::fromUtf8(name)));
}

bool TWellFormed::Comment() {
  p += 4;  // "<!--"
  while (p < e) {
    if (*p == '-' && e - p >= 2 && p[1] == '-') {
      if (e - p >= 3 && p[2] == '>') {
        p += 3;
        return true;
      }
      return Fail(QStringLiteral("\"--\" inside a comment"));
    }
    if (!Char()) return false;
  }
  return Fail(QStringLiteral("a comment that is not closed"));
}

bool TWellFormed::Processing_Instruction() {
  p += 2;  // "<?"
  std::string_view target;
  if (!Name(target)) return false;
  if (target.size() == 3 && (target[0] | 0x20) == 'x' && (target[1] | 0x20) == 'm' && (target[2] | 0x20) == 'l')
    return Fail(QStringLiteral("an XML declaration that is not at the very start of the file"));
  if (At("?>")) {
    p += 2;
    return true;
  }
  if (!Skip_Spaces()) return Fail(QStringLiteral("a processing instruction without a blank after its name"));
  return Through("?>", QStringLiteral("a processing instruction that is not closed"));
}

bool TWellFormed::CData() {
  p += 9;  // "<![CDATA["
  return Through("]]>", QStringLiteral("a CDATA section that is not closed"));
}

// <?xml version="1.x" [encoding="..."] [standalone="yes|no"] ?>
bool TWellFormed::Declaration() {
  p += 5;  // "<?xml"
  const auto pseudo_attribute = [this](const char* name, std::string_view& value) -> bool {
    const uchar* back = p;
    const size_t length = std::strlen(name);
    if (!Skip_Spaces() || static_cast<size_t>(e - p) < length || std::memcmp(p, name, length) != 0) {
      p = back;
      return false;
    }
    p += length;
    Skip_Spaces();
    if (p >= e || *p != '=') return false;
    ++p;
    Skip_Spaces();
    if (p >= e || (*p != '"' && *p != '\'')) return false;
    const uchar quote = *p++;
    const uchar* from = p;
    while (p < e && *p != quote && *p != '<' && *p != '>') ++p;
    if (p >= e || *p != quote) return false;
    value = std::string_view(reinterpret_cast<const char*>(from), static_cast<size_t>(p - from));
    ++p;
    return true;
  };
  const QString bad = QStringLiteral("an XML declaration that is not well-formed");
  std::string_view value;
  if (!pseudo_attribute("version", value)) return Fail(bad);
  if (value.size() < 3 || value.substr(0, 2) != "1.") return Fail(bad);
  for (const char c : value.substr(2))
    if (c < '0' || c > '9') return Fail(bad);
  if (pseudo_attribute("encoding", value)) {
    if (value.empty() || !((value[0] | 0x20) >= 'a' && (value[0] | 0x20) <= 'z')) return Fail(bad);
    for (const char c : value)
      if (!((c | 0x20) >= 'a' && (c | 0x20) <= 'z') && !(c >= '0' && c <= '9') && c != '.' && c != '_' && c != '-')
        return Fail(bad);
  }
  if (pseudo_attribute("standalone", value) && value != "yes" && value != "no") return Fail(bad);
  Skip_Spaces();
  if (!At("?>")) return Fail(bad);
  p += 2;
  return true;
}

// Blanks, comments and processing instructions, as they may stand around the root element.
bool TWellFormed::Misc() {
  for (;;) {
    Skip_Spaces();
    if (At("<!--")) {
      if (!Comment()) return false;
    } else if (At("<?")) {
      if (!Processing_Instruction()) return false;
    } else {
      return true;
    }
  }
}

bool TWellFormed::Attribute_Value() {
  if (p >= e || (*p != '"' && *p != '\'')) return Fail(QStringLiteral("an attribute value without quotes"));
  const uchar quote = *p++;
  while (p < e) {
    while (p < e && Plain_Text_Table[*p]) ++p;
    if (p >= e) break;
    const uchar c = *p;
    if (c == quote) {
      ++p;
      return true;
    }
    if (c == '<') return Fail(QStringLiteral("a '<' inside an attribute value"));
    if (c == '&') {
      if (!Reference()) return false;
    } else if (c == '"' || c == '\'' || c == ']') {
      ++p;
    } else if (!Char()) {
      return false;
    }
  }
  return Fail(QStringLiteral("an attribute value that is not closed"));
}

bool TWellFormed::Start_Tag(bool& empty) {
  ++p;  // '<'
  std::string_view name;
  if (!Name(name)) return false;
  FAttrs.clear();
  std::array<uint64_t, 4> signatures{};
  for (;;) {
    const bool blank = Skip_Spaces();
    if (p >= e) return Fail(QStringLiteral("the tag <%1> is not closed").arg(QString::fromUtf8(name)));
    if (*p == '>') {
      ++p;
      empty = false;
      FOpen.push_back(name);
      return true;
    }
    if (At("/>")) {
      p += 2;
      empty = true;
      return true;
    }
    if (!blank)
      return Fail(QStringLiteral("attributes of <%1> not separated by blanks").arg(QString::fromUtf8(name)));
    std::string_view attr;
    if (!Name(attr)) return false;
    // A cheap signature of each name seen in this tag; only a name whose signature was seen is compared in full.
    const auto at = [&attr](size_t i) { return static_cast<uint32_t>(static_cast<uchar>(attr[i])); };
    const uint32_t mix = static_cast<uint32_t>(attr.size()) * 0x9E3779B1u ^ at(0) * 0x85EBCA77u ^
                         at(attr.size() - 1) * 0xC2B2AE3Du ^ at(attr.size() / 2) * 0x27D4EB2Fu;
    const uint32_t slot = (mix ^ mix >> 15) & 255;
    const uint64_t bit = uint64_t(1) << (slot & 63);
    if (signatures[slot >> 6] & bit) {
      for (const std::string_view seen : FAttrs)
        if (seen == attr)
          return Fail(QStringLiteral("the attribute \"%1\" appears twice in <%2>")
                          .arg(QString::fromUtf8(attr), QString::fromUtf8(name)));
    }
    signatures[slot >> 6] |= bit;
    FAttrs.push_back(attr);
    Skip_Spaces();
    if (p >= e || *p != '=')
      return Fail(QStringLiteral("the attribute \"%1\" has no value").arg(QString::fromUtf8(attr)));
    ++p;
    Skip_Spaces();
    if (!Attribute_Value()) return false;
  }
}

bool TWellFormed::Char_Data() {
  while (p < e) {
    while (p < e && Plain_Text_Table[*p]) ++p;
    if (p >= e) break;
    const uchar c = *p;
    if (c == '<' || c == '&') return true;
    if (c == ']' && At("]]>")) return Fail(QStringLiteral("\"]]>\" in text"));
    if (c == ']' || c == '"' || c == '\'') {
      ++p;
    } else if (!Char()) {
      return false;
    }
  }
  return true;
}

// Everything from just inside the root element to its end tag; elements are followed without recursion, so no
// nesting depth can exhaust the stack.
bool TWellFormed::Content() {
  while (!FOpen.empty()) {
    if (p >= e) return Fail(QStringLiteral("the element <%1> is not closed").arg(QString::fromUtf8(FOpen.back())));
    if (*p == '&') {
      if (!Reference()) return false;
    } else if (*p != '<') {
      if (!Char_Data()) return false;
    } else if (At("</")) {
      p += 2;
      std::string_view name;
      if (!Name(name)) return false;
      if (name != FOpen.back())
        return Fail(QStringLiteral("the end tag </%1> does not match <%2>")
                        .arg(QString::fromUtf8(name), QString::fromUtf8(FOpen.back())));
      Skip_Spaces();
      if (p >= e || *p != '>')
        return Fail(QStringLiteral("the end tag </%1> is not closed").arg(QString::fromUtf8(name)));
      ++p;
      FOpen.pop_back();
    } else if (At("<!--")) {
      if (!Comment()) return false;
    } else if (At("<![CDATA[")) {
      if (!CData()) return false;
    } else if (At("<?")) {
      if (!Processing_Instruction()) return false;
    } else if (At("<!")) {
      return Fail(QStringLiteral("a declaration inside an element"));
    } else {
      bool empty;
      if (!Start_Tag(empty)) return false;
    }
  }
  return true;
}

bool TWellFormed::Document() {
  if (At("<?xml") && e - p > 5 && Is_Space(p[5]) && !Declaration()) return false;
  if (!Misc()) return false;
  if (At("<!DOCTYPE")) {
    Doctype = true;
    return Fail(QStringLiteral("a document type declaration"));
  }
  if (p >= e) return Fail(QStringLiteral("no root element"));
  if (*p != '<' || At("<!")) return Fail(QStringLiteral("text before the root element"));
  bool empty;
  if (!Start_Tag(empty) || !Content() || !Misc()) return false;
  if (p < e) {
    if (*p == '<') return Fail(QStringLiteral("a second top-level element after the root element"));
    return Fail(QStringLiteral("text after the root element"));
  }
  return true;
}

}  // namespace

bool Xml_Decode_To_Utf8(const QByteArray& bytes, QByteArray& utf8, QString& problem) {
  utf8.clear();
  if (bytes.startsWith("\xEF\xBB\xBF")) {
    utf8 = bytes.mid(3);
    return true;
  }
  if (bytes.startsWith(QByteArray("\xFF\xFE\x00\x00", 4)) || bytes.startsWith(QByteArray("\x00\x00\xFE\xFF", 4))) {
    problem = QStringLiteral("UTF-32 text is not read");
    return false;
  }
  if (bytes.startsWith("\xFF\xFE")) return Utf16_To_Utf8(bytes, 2, false, utf8, problem);
  if (bytes.startsWith("\xFE\xFF")) return Utf16_To_Utf8(bytes, 2, true, utf8, problem);
  if (bytes.startsWith(QByteArray("<\0?\0", 4))) return Utf16_To_Utf8(bytes, 0, false, utf8, problem);
  if (bytes.startsWith(QByteArray("\0<\0?", 4))) return Utf16_To_Utf8(bytes, 0, true, utf8, problem);

  const QByteArray encoding = Declared_Encoding(bytes);
  if (encoding.isEmpty() || encoding == "UTF-8" || encoding == "UTF8") return true;
  if (encoding == "ISO-8859-1" || encoding == "ISO_8859-1" || encoding == "LATIN1" || encoding == "ISO-LATIN-1") {
    utf8.reserve(bytes.size());
    for (const char c : bytes) Append_Utf8(utf8, static_cast<uchar>(c));
    return true;
  }
  if (encoding == "US-ASCII" || encoding == "ASCII") {
    for (const char c : bytes)
      if (static_cast<uchar>(c) >= 0x80) {
        problem = QStringLiteral("it is declared US-ASCII but holds other characters");
        return false;
      }
    return true;
  }
  if (encoding == "WINDOWS-1252" || encoding == "CP1252") {
    // Five bytes have no character in this code page; a conforming reader refuses them rather than guessing.
    for (const char c : bytes)
      if (const uchar b = static_cast<uchar>(c); b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) {
        problem = QStringLiteral(
                      "it is declared Windows-1252 but holds the byte 0x%1, which that code page leaves "
                      "undefined")
                      .arg(QString::number(b, 16).toUpper());
        return false;
      }
    utf8 = Ansi_To_Unicode(bytes).toUtf8();
    return true;
  }
  problem = QStringLiteral(
                "its encoding \"%1\" is not one this program reads (UTF-8, UTF-16, ISO-8859-1, "
                "Windows-1252, US-ASCII)")
                .arg(QString::fromLatin1(encoding));
  return false;
}

TXmlVerdict Xml_Check_Well_Formed(std::string_view utf8, QString& problem) {
  TWellFormed check(utf8);
  if (check.Document()) return TXmlVerdict::Well_Formed;
  problem = check.Problem;
  return check.Doctype ? TXmlVerdict::Has_Doctype : TXmlVerdict::Not_Well_Formed;
}
