#include "VAruDoreRido.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTextBlock>
#include <cmath>

#include "USysColors.h"

namespace {

// The offset in twips rides on the character format; the vertical alignment only shows it.
constexpr int OffsetProperty = QTextFormat::UserProperty + 1;

IRichEditGrid* GridOf(QWidget* owner) {
  auto* grid = dynamic_cast<IRichEditGrid*>(owner);
  if (!grid) throw EInvalidCast("Invalid class typecast");
  return grid;
}

QTextCharFormat ToCharFormat(const TRichFormat& f) {
  QTextCharFormat format;
  if (!f.FontName.isEmpty()) format.setFontFamilies(QStringList{f.FontName});
  if (f.FontSize > 0) format.setFontPointSize(f.FontSize);
  format.setFontWeight(f.Bold ? QFont::Bold : QFont::Normal);
  format.setFontItalic(f.Italic);
  format.setFontUnderline(f.Underline);
  if (f.Color != clNone) format.setForeground(TColorToQColor(f.Color));
  format.setProperty(OffsetProperty, f.Offset);
  format.setVerticalAlignment(f.Offset < 0   ? QTextCharFormat::AlignSubScript
                              : f.Offset > 0 ? QTextCharFormat::AlignSuperScript
                                             : QTextCharFormat::AlignNormal);
  return format;
}

TRichFormat FromCharFormat(const QTextCharFormat& format) {
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
  f.Offset = format.intProperty(OffsetProperty);
  return f;
}

}  // namespace

VAruDoreRido::VAruDoreRido(QWidget* owner) : TGuarded<QTextEdit>(owner), FGrid(GridOf(owner)) {
  setAcceptRichText(false);  // pasted text comes in plain; formats are the editor's own
  setTabChangesFocus(false);
  // Measured after every change of the text, shown or not: the hidden shared instance measures cells too.
  connect(document(), &QTextDocument::contentsChanged, this, [this] {
    Run_Guarded([&] {
      const QSizeF size = document()->size();
      RequestResize(int32_t(std::ceil(size.width())) + 2 * frameWidth(),
                    int32_t(std::ceil(size.height())) + 2 * frameWidth());
    });
  });
}

void VAruDoreRido::ReCreate() {
  clear();
  setCurrentCharFormat(QTextCharFormat());
}

void VAruDoreRido::LoadRich(const QByteArray& document) {
  try {
    SetRtf(document);
  } catch (const ERichTextError&) {
    LoadPlain(QString::fromLatin1(document));
  }
}

void VAruDoreRido::LoadPlain(const QString& text) {
  if (text.isEmpty())
    ReCreate();
  else
    SetRuns(TRichRuns{TRichRun{text, TRichFormat()}});
}

void VAruDoreRido::SetSelOffset(int32_t twips) {
  QTextCharFormat format;
  format.setProperty(OffsetProperty, twips);
  format.setVerticalAlignment(twips < 0   ? QTextCharFormat::AlignSubScript
                              : twips > 0 ? QTextCharFormat::AlignSuperScript
                                          : QTextCharFormat::AlignNormal);
  QTextCursor cursor = textCursor();
  cursor.mergeCharFormat(format);
  mergeCurrentCharFormat(format);
}

int32_t VAruDoreRido::SelOffset() const {
  const QTextCursor cursor = textCursor();
  if (!cursor.hasSelection()) return cursor.charFormat().intProperty(OffsetProperty);
  // The selection's format is that of its first character.
  QTextCursor first(document());
  first.setPosition(cursor.selectionStart() + 1);
  return first.charFormat().intProperty(OffsetProperty);
}

TRichRuns VAruDoreRido::Runs() const {
  TRichRuns runs;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    // A paragraph break carries the format the block was opened with.
    if (block != document()->begin()) AppendRun(runs, QStringLiteral("\n"), FromCharFormat(block.charFormat()));
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.isValid()) AppendRun(runs, fragment.text(), FromCharFormat(fragment.charFormat()));
    }
  }
  return runs;
}

void VAruDoreRido::SetRuns(const TRichRuns& runs) {
  ReCreate();
  QTextCursor cursor(document());
  for (const TRichRun& run : runs) {
    const QTextCharFormat format = ToCharFormat(run.Format);
    const QStringList paragraphs = run.Text.split(u'\n');
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
      if (i > 0) cursor.insertBlock(QTextBlockFormat(), format);
      cursor.insertText(paragraphs[i], format);
    }
  }
}

void VAruDoreRido::RequestResize(int32_t width, int32_t height) {
  if (FGrid->RichEdit() == this) {
    FReqWidth = width;
    FReqHeight = height;
  }
  if (FGrid->InplaceRichEdit() == this && FGrid->SizeWhileTypingHeight() && !FLocked) {
    const int32_t row = FGrid->Row();
    const TRect cell = FGrid->CellRect(FGrid->Col(), row);
    if (FGrid->RowHeights(row) < height + 5 && cell.Top + height + 5 < FGrid->GridHeight()) {
      resize(this->width(), height + 9);
      FGrid->SetRowHeights(row, height + 10);
      FGrid->EndRowSize(row);
    }
  }
}

void VAruDoreRido::keyPressEvent(QKeyEvent* e) {
  const int key = e->key();
  // A Tab the grid takes is not typed into the text first: the cell would keep it.
  if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && FGrid->HasTabsOption()) {
    FGrid->GridWidget()->setFocus();
    FGrid->GridKeyDown(Qt::Key_Tab, e->modifiers());
    FGrid->ShowInplaceEdit();
    return;
  }
  QTextEdit::keyPressEvent(e);
  if ((key == Qt::Key_Up || key == Qt::Key_Down) && !FGrid->WordWrap() && !FGrid->Multilinecells()) {
    FGrid->GridWidget()->setFocus();
    FGrid->GridKeyDown(key, e->modifiers());
  }
}

void VAruDoreRido::focusOutEvent(QFocusEvent* e) {
  if (FGrid->InvokedFocusChange()) return;
  if (QApplication::focusWidget() == FGrid->GridWidget()) FGrid->HideInplaceEdit();
  QTextEdit::focusOutEvent(e);
}
