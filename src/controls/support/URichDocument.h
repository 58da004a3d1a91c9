#pragma once
// Rich-text runs in a text document and back: the one conversion that the rich edit and the grid's painting and
// measuring of rich-text cells share. The character offset (subscript, superscript) rides on a format property.
#include <QSizeF>
#include <QTextCharFormat>
#include <memory>

#include "URichText.h"

class QPainter;
class QTextCursor;
class QTextDocument;

constexpr int RichOffsetProperty = QTextFormat::UserProperty + 1;

QTextCharFormat RichCharFormat(const TRichFormat& format);
TRichFormat RichFormatOf(const QTextCharFormat& format);
// Inserts the runs at the cursor; paragraph breaks start new blocks.
void InsertRichRuns(QTextCursor& cursor, const TRichRuns& runs);
// The document's text and formats as runs.
TRichRuns DocumentRichRuns(const QTextDocument& document);

// A rich-text document laid out for drawing: characters without a font or colour of their own take the base font
// and text colour. A width of 0 or less lays every paragraph out on one line.
class TRichLayout {
 public:
  TRichLayout(const TRichRuns& runs, const QFont& baseFont, TColor textColor, double width);
  ~TRichLayout();
  TRichLayout(const TRichLayout&) = delete;
  TRichLayout& operator=(const TRichLayout&) = delete;

  QSizeF Size() const;
  // Draws with the top-left corner at (x, y), clipped to width x height.
  void Draw(QPainter& painter, int32_t x, int32_t y, int32_t width, int32_t height) const;

 private:
  std::unique_ptr<QTextDocument> FDocument;
  TColor FTextColor;
};
