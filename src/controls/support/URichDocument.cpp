#include "URichDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

#include "USysColors.h"

QTextCharFormat RichCharFormat(const TRichFormat& f) {
  QTextCharFormat format;
  if (!f.FontName.isEmpty()) format.setFontFamilies(QStringList{f.FontName});
  if (f.FontSize > 0) format.setFontPointSize(f.FontSize);
  format.setFontWeight(f.Bold ? QFont::Bold : QFont::Normal);
  format.setFontItalic(f.Italic);
  format.setFontUnderline(f.Underline);
  if (f.Color != clNone) format.setForeground(TColorToQColor(f.Color));
  format.setProperty(RichOffsetProperty, f.Offset);
  format.setVerticalAlignment(f.Offset < 0   ? QTextCharFormat::AlignSubScript
                              : f.Offset > 0 ? QTextCharFormat::AlignSuperScript
                                             : QTextCharFormat::AlignNormal);
  return format;
}

TRichFormat RichFormatOf(const QTextCharFormat& format) {
  TRichFormat f;
  if (format.hasProperty(QTextFormat::FontFamilies)) {
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty()) f.FontName = families.front();
  }
  if (format.hasProperty(QTextFormat::FontPointSize)) f.FontSize = int32_t(std::lround(format.fontPointSize()));
  f.Bold = format.fontWeight() >= QFont::Bold;
  f.Italic = format.fontItalic();
  f.Underline = format.fontUnderline();
  if (format.hasProperty(QTextFormat::ForegroundBrush)) f.Color = QColorToTColor(format.foreground().color());
  f.Offset = format.intProperty(RichOffsetProperty);
  return f;
}

void InsertRichRuns(QTextCursor& cursor, const TRichRuns& runs) {
  for (const TRichRun& run : runs) {
    const QTextCharFormat format = RichCharFormat(run.Format);
    const QStringList paragraphs = run.Text.split(u'\n');
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
      if (i > 0) cursor.insertBlock(QTextBlockFormat(), format);
      cursor.insertText(paragraphs[i], format);
    }
  }
}

TRichRuns DocumentRichRuns(const QTextDocument& document) {
  TRichRuns runs;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    // A paragraph break carries the format the block was opened with.
    if (block != document.begin()) AppendRun(runs, QStringLiteral("\n"), RichFormatOf(block.charFormat()));
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.isValid()) AppendRun(runs, fragment.text(), RichFormatOf(fragment.charFormat()));
    }
  }
  return runs;
}

TRichLayout::TRichLayout(const TRichRuns& runs, const QFont& baseFont, TColor textColor, double width)
    : FDocument(std::make_unique<QTextDocument>()), FTextColor(textColor) {
  FDocument->setDocumentMargin(0);
  FDocument->setDefaultFont(baseFont);
  FDocument->setTextWidth(width > 0 ? width : -1);
  QTextCursor cursor(FDocument.get());
  InsertRichRuns(cursor, runs);
}

TRichLayout::~TRichLayout() = default;

QSizeF TRichLayout::Size() const {
  // Without a width the document's own size is that of its widest line.
  return FDocument->textWidth() > 0 ? FDocument->size() : QSizeF(FDocument->idealWidth(), FDocument->size().height());
}

void TRichLayout::Draw(QPainter& painter, int32_t x, int32_t y, int32_t width, int32_t height) const {
  if (width <= 0 || height <= 0) return;
  painter.save();
  painter.translate(x, y);
  const QRectF area(0, 0, width, height);
  painter.setClipRect(area, Qt::IntersectClip);
  QAbstractTextDocumentLayout::PaintContext context;
  context.palette.setColor(QPalette::Text, TColorToQColor(FTextColor));
  context.clip = area;
  FDocument->documentLayout()->draw(&painter, context);
  painter.restore();
}
