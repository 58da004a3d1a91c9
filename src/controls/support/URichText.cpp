#include "URichText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <map>

#include "UCodePage.h"

namespace {

constexpr int32_t MaxWordLength = 32;
constexpr int32_t MaxDigits = 10;
constexpr int32_t MaxFontSizeHalfPoints = 3276;
constexpr int32_t MaxOffsetHalfPoints = 10000;
constexpr char16_t LineSeparator = 0x2028;

enum class TDest { Text, FontTable, ColorTable, Skip };

struct TGroupState {
  TRichFormat Format;
  TDest Dest = TDest::Text;
  int32_t UnicodeSkip = 1;
};

class TRtfReader {
 public:
  explicit TRtfReader(const QByteArray& bytes) : FBytes(bytes) {}

  TRichRuns Read() {
    if (!IsRtfText(FBytes)) throw ERichTextError("Not a rich text document");
    while (FPos < FBytes.size()) {
      const char c = FBytes[FPos++];
      if (c == '{') {
        if (int32_t(FStack.size()) >= RtfMaxGroupDepth) throw ERichTextError("Rich text nested too deeply");
        FStack.push_back(FStack.empty() ? TGroupState{} : FStack.back());
        FIgnorableNext = false;
      } else if (c == '}') {
        if (FStack.empty()) break;
        EndGroup();
        if (FStack.empty()) break;  // the document's own group closed: what follows is not part of it
      } else if (c == '\\') {
        ControlWord();
      } else if (c == '\r' || c == '\n') {
        // line structure of the file, not of the text
      } else if (c == '\t') {
        Emit(u'\t');
      } else if (uchar(c) >= 0x20) {
        EmitAnsi(uchar(c));
      }
    }
    FlushText();
    return std::move(FRuns);
  }

 private:
  TGroupState& State() { return FStack.back(); }

  void EndGroup() {
    FlushText();
    const TDest dest = State().Dest;
    FStack.pop_back();
    if (dest == TDest::FontTable && !FFontName.isEmpty()) StoreFont();
  }

  void ControlWord() {
    if (FPos >= FBytes.size()) return;
    const char c = FBytes[FPos];
    if (!std::isalpha(uchar(c))) {
      ++FPos;
      ControlSymbol(c);
      return;
    }
    QByteArray word;
    while (FPos < FBytes.size() && std::isalpha(uchar(FBytes[FPos]))) {
      if (word.size() >= MaxWordLength) throw ERichTextError("Rich text control word too long");
      word += FBytes[FPos++];
    }
    bool hasParam = false;
    bool negative = false;
    int64_t param = 0;
    if (FPos < FBytes.size() && FBytes[FPos] == '-') {
      negative = true;
      ++FPos;
    }
    int32_t digits = 0;
    while (FPos < FBytes.size() && std::isdigit(uchar(FBytes[FPos]))) {
      if (++digits > MaxDigits) throw ERichTextError("Rich text number too long");
      param = param * 10 + (FBytes[FPos++] - '0');
      hasParam = true;
    }
    if (negative) param = -param;
    if (FPos < FBytes.size() && FBytes[FPos] == ' ') ++FPos;
    Apply(word, hasParam, int32_t(std::clamp<int64_t>(param, INT32_MIN, INT32_MAX)));
  }

  void ControlSymbol(char c) {
    switch (c) {
      case '\\':
      case '{':
      case '}':
        EmitAnsi(uchar(c));
        break;
      case '~':
        Emit(u'\u00A0');
        break;
      case '_':
        Emit(u'\u2011');
        break;
      case '*':
        FIgnorableNext = true;
        break;
      case '\r':
      case '\n':
        Emit(u'\n');
        break;
      case '\'': {
        const int32_t hi = FPos < FBytes.size() ? HexValue(FBytes[FPos]) : -1;
        const int32_t lo = FPos + 1 < FBytes.size() ? HexValue(FBytes[FPos + 1]) : -1;
        if (hi < 0 || lo < 0) return;
        FPos += 2;
        EmitAnsi(uchar(hi * 16 + lo));
        break;
      }
      default:
        break;  // optional hyphen and unknown symbols carry no text
    }
  }

  static int32_t HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  }

  void StartDestination(TDest dest) {
    FlushText();
    State().Dest = dest;
  }

  void Apply(const QByteArray& word, bool hasParam, int32_t param) {
    if (FStack.empty()) return;
    TRichFormat& f = State().Format;
    const bool on = !hasParam || param != 0;
    if (FIgnorableNext) {
      FIgnorableNext = false;
      StartDestination(TDest::Skip);
      return;
    }
    if (State().Dest == TDest::Skip) return;
    if (word == "fonttbl") {
      StartDestination(TDest::FontTable);
    } else if (word == "colortbl") {
      StartDestination(TDest::ColorTable);
      FColor = {0, 0, 0};
      FColorSet = false;
    } else if (word == "stylesheet" || word == "info" || word == "pict" || word == "object" || word == "header" ||
               word == "footer" || word == "footnote" || word == "fldinst" || word == "listtable" ||
               word == "listoverridetable" || word == "generator" || word == "themedata" || word == "datastore") {
      StartDestination(TDest::Skip);
    } else if (State().Dest == TDest::ColorTable) {
      const int32_t v = std::clamp(param, 0, 255);
      if (word == "red") FColor[0] = v, FColorSet = true;
      if (word == "green") FColor[1] = v, FColorSet = true;
      if (word == "blue") FColor[2] = v, FColorSet = true;
    } else if (word == "f") {
      if (State().Dest == TDest::FontTable) {
        if (!FFontName.isEmpty()) StoreFont();
        FFontIndex = param;
        FFontName.clear();
      } else {
        FlushText();
        const auto it = FFonts.find(param);
        f.FontName = it == FFonts.end() ? QString() : it->second;
      }
    } else if (State().Dest == TDest::FontTable) {
      if (word == "u") EmitUnicode(param);
    } else if (word == "plain") {
      FlushText();
      f = TRichFormat{};
    } else if (word == "fs") {
      FlushText();
      f.FontSize = std::clamp(hasParam ? param : 24, 0, MaxFontSizeHalfPoints) / 2;
    } else if (word == "b") {
      FlushText(), f.Bold = on;
    } else if (word == "i") {
      FlushText(), f.Italic = on;
    } else if (word == "ul") {
      FlushText(), f.Underline = on;
    } else if (word == "ulnone") {
      FlushText(), f.Underline = false;
    } else if (word == "cf") {
      FlushText();
      f.Color = param > 0 && param < int32_t(FColors.size()) ? FColors[param] : clNone;
    } else if (word == "up" || word == "dn") {
      FlushText();
      const int32_t halfPoints = std::clamp(hasParam ? param : 6, 0, MaxOffsetHalfPoints);
      f.Offset = (word == "up" ? 10 : -10) * halfPoints;
    } else if (word == "par") {
      Emit(u'\n');
    } else if (word == "line") {
      Emit(LineSeparator);
    } else if (word == "tab") {
      Emit(u'\t');
    } else if (word == "uc") {
      State().UnicodeSkip = std::clamp(param, 0, 8);
    } else if (word == "u") {
      EmitUnicode(param);
    } else if (word == "emdash") {
      Emit(u'\u2014');
    } else if (word == "endash") {
      Emit(u'\u2013');
    } else if (word == "bullet") {
      Emit(u'\u2022');
    } else if (word == "lquote") {
      Emit(u'\u2018');
    } else if (word == "rquote") {
      Emit(u'\u2019');
    } else if (word == "ldblquote") {
      Emit(u'\u201C');
    } else if (word == "rdblquote") {
      Emit(u'\u201D');
    }
  }

  void StoreFont() {
    if (FFonts.size() >= size_t(RtfMaxTableEntries)) throw ERichTextError("Rich text table too long");
    FFonts[FFontIndex] = FFontName;
    FFontName.clear();
  }

  void EmitUnicode(int32_t param) {
    EmitChar(QChar(char16_t(uint16_t(param))));
    FSkipChars = State().UnicodeSkip;
  }

  void EmitAnsi(uchar byte) {
    if (FStack.empty()) return;
    if (FSkipChars > 0) {
      --FSkipChars;
      return;
    }
    if (State().Dest == TDest::ColorTable) {
      if (byte == ';') {
        if (FColors.size() >= size_t(RtfMaxTableEntries)) throw ERichTextError("Rich text table too long");
        FColors.push_back(FColorSet ? TColor(FColor[0] | FColor[1] << 8 | FColor[2] << 16) : clNone);
        FColor = {0, 0, 0};
        FColorSet = false;
      }
      return;
    }
    if (State().Dest == TDest::FontTable && byte == ';') {
      StoreFont();
      return;
    }
    const QString text = byte < 0x80 ? QString(QChar(byte)) : Ansi_To_Unicode(QByteArray(1, char(byte)));
    for (QChar ch : text) EmitChar(ch);
  }

  void Emit(QChar ch) {
    FSkipChars = 0;
    EmitChar(ch);
  }

  void EmitChar(QChar ch) {
    if (FStack.empty()) return;
    switch (State().Dest) {
      case TDest::Text:
        if (++FLength > RtfMaxTextLength) throw ERichTextError("Rich text too long");
        FText += ch;
        break;
      case TDest::FontTable:
        if (FFontName.size() < 256) FFontName += ch;
        break;
      default:
        break;
    }
  }

  void FlushText() {
    if (FText.isEmpty()) return;
    AppendRun(FRuns, FText, FStack.empty() ? TRichFormat{} : State().Format);
    FText.clear();
  }

  const QByteArray& FBytes;
  qsizetype FPos = 0;
  std::vector<TGroupState> FStack;
  bool FIgnorableNext = false;
  int32_t FSkipChars = 0;
  int32_t FLength = 0;
  QString FText;
  TRichRuns FRuns;
  std::map<int32_t, QString> FFonts;
  int32_t FFontIndex = 0;
  QString FFontName;
  std::vector<TColor> FColors;
  std::array<int32_t, 3> FColor{};
  bool FColorSet = false;
};

void WriteEscaped(QByteArray& out, const QString& text) {
  for (QChar ch : text) {
    const char16_t u = ch.unicode();
    if (u == '\\' || u == '{' || u == '}') {
      out += '\\';
      out += char(u);
    } else if (u == '\n') {
      out += "\\par\n";
    } else if (u == LineSeparator) {
      out += "\\line ";
    } else if (u == '\t') {
      out += "\\tab ";
    } else if (u >= 0x20 && u < 0x7F) {
      out += char(u);
    } else {
      out += "\\u" + QByteArray::number(int16_t(u)) + '?';
    }
  }
}

}  // namespace

bool IsRtfText(const QByteArray& bytes) {
  return bytes.startsWith("{\\rtf");
}

TRichRuns ReadRtf(const QByteArray& bytes) {
  return TRtfReader(bytes).Read();
}

QByteArray StoredRichBytes(const QString& text) {
  QByteArray bytes(text.size(), Qt::Uninitialized);
  for (qsizetype i = 0; i < text.size(); ++i) bytes[i] = static_cast<char>(text[i].unicode() & 0xFF);
  return bytes;
}

TRichRuns ReadStoredRich(const QString& text) {
  return ReadRtf(StoredRichBytes(text));
}

void AppendRun(TRichRuns& runs, const QString& text, const TRichFormat& format) {
  if (text.isEmpty()) return;
  if (!runs.empty() && runs.back().Format == format)
    runs.back().Text += text;
  else
    runs.push_back({text, format});
}

QString RunsToPlainText(const TRichRuns& runs) {
  QString text;
  for (const TRichRun& run : runs) text += run.Text;
  return text;
}

QByteArray WriteRtf(const TRichRuns& runs) {
  std::vector<QString> fonts;
  std::vector<TColor> colors;
  for (const TRichRun& run : runs) {
    if (!run.Format.FontName.isEmpty() && std::find(fonts.begin(), fonts.end(), run.Format.FontName) == fonts.end())
      fonts.push_back(run.Format.FontName);
    if (run.Format.Color != clNone && std::find(colors.begin(), colors.end(), run.Format.Color) == colors.end())
      colors.push_back(run.Format.Color);
  }
  QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1";
  if (!fonts.empty()) {
    out += "{\\fonttbl";
    for (size_t i = 0; i < fonts.size(); ++i) {
      out += "{\\f" + QByteArray::number(qulonglong(i)) + "\\fnil ";
      WriteEscaped(out, fonts[i]);
      out += ";}";
    }
    out += '}';
  }
  if (!colors.empty()) {
    out += "{\\colortbl;";
    for (TColor c : colors)
      out += "\\red" + QByteArray::number(c & 0xFF) + "\\green" + QByteArray::number((c >> 8) & 0xFF) + "\\blue" +
             QByteArray::number((c >> 16) & 0xFF) + ';';
    out += '}';
  }
  out += '\n';
  for (const TRichRun& run : runs) {
    const TRichFormat& f = run.Format;
    out += "\\plain";
    if (!f.FontName.isEmpty())
      out += "\\f" + QByteArray::number(qlonglong(std::find(fonts.begin(), fonts.end(), f.FontName) - fonts.begin()));
    if (f.FontSize > 0) out += "\\fs" + QByteArray::number(std::min(f.FontSize, MaxFontSizeHalfPoints / 2) * 2);
    if (f.Bold) out += "\\b";
    if (f.Italic) out += "\\i";
    if (f.Underline) out += "\\ul";
    if (f.Color != clNone)
      out += "\\cf" +
             QByteArray::number(qlonglong(std::find(colors.begin(), colors.end(), f.Color) - colors.begin() + 1));
    if (f.Offset > 0) out += "\\up" + QByteArray::number(f.Offset / 10);
    if (f.Offset < 0) out += "\\dn" + QByteArray::number(-f.Offset / 10);
    out += ' ';
    WriteEscaped(out, run.Text);
  }
  out += "}\n";
  return out;
}

int Fuzz_Rtf_Reader(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  TRichRuns runs;
  try {
    runs = ReadRtf(bytes);
  } catch (const ERichTextError&) {
    return 0;
  }
  if (ReadRtf(WriteRtf(runs)) != runs) std::abort();
  return 0;
}
