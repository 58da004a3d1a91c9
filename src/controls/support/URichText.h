#pragma once
// The rich text the grid's rich edit stores in cells, as plain data: runs of characters with one character
// format each, read from and written to RTF. Only the subset the editor produces is kept (font, size, bold,
// italic, underline, colour, the raised/lowered offset, paragraph and line breaks, tabs); every other control
// word and destination is skipped. No widgets: URichDocument turns these runs into a text document and back, for
// the editor and for the grid's painting of rich-text cells.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Exception.h"
#include "UTypes.h"

// Hostile input is bounded, not trusted: deeper nesting, longer text or more table entries are refused.
constexpr int32_t RtfMaxGroupDepth = 64;
constexpr int32_t RtfMaxTextLength = 1 << 20;
constexpr int32_t RtfMaxTableEntries = 1024;

class ERichTextError : public Exception {
 public:
  using Exception::Exception;
};

struct TRichFormat {
  QString FontName;
  int32_t FontSize = 0;  // points; 0 = the reader's default
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  TColor Color = clNone;  // clNone = the default text colour
  int32_t Offset = 0;     // twips; negative lowers (subscript), positive raises (superscript)

  bool operator==(const TRichFormat&) const = default;
};

// Paragraph breaks are "\n", manual line breaks U+2028, tabs "\t".
struct TRichRun {
  QString Text;
  TRichFormat Format;

  bool operator==(const TRichRun&) const = default;
};

using TRichRuns = std::vector<TRichRun>;

// True when the text starts the way an RTF document does ("{\rtf").
bool IsRtfText(const QByteArray& bytes);
// Raises ERichTextError for bytes that are not RTF, unbalanced groups or input beyond the bounds above.
// Neighbouring runs of the same format are merged; empty runs are dropped.
TRichRuns ReadRtf(const QByteArray& bytes);
// Writes a complete document with its own font and colour tables; ReadRtf gives the same runs back.
QByteArray WriteRtf(const TRichRuns& runs);
// A cell stores its document one byte per character: the document's bytes are the characters' low bytes.
QByteArray StoredRichBytes(const QString& text);
// The runs of a stored cell text; raises ERichTextError as ReadRtf.
TRichRuns ReadStoredRich(const QString& text);
// The characters without formats.
QString RunsToPlainText(const TRichRuns& runs);
// Appends a run, merging it into the last one when the formats are equal.
void AppendRun(TRichRuns& runs, const QString& text, const TRichFormat& format);

// Any bytes: read; what reads must write and read back to the same runs. Aborts only when that breaks.
int Fuzz_Rtf_Reader(const uint8_t* data, size_t size);
