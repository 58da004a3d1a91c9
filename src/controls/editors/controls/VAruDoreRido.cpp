#include "VAruDoreRido.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTextCursor>
#include <cmath>

#include "URichDocument.h"

namespace {

IRichEditGrid* GridOf(QWidget* owner) {
  auto* grid = dynamic_cast<IRichEditGrid*>(owner);
  if (!grid) throw EInvalidCast("Invalid class typecast");
  return grid;
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
  format.setProperty(RichOffsetProperty, twips);
  format.setVerticalAlignment(twips < 0   ? QTextCharFormat::AlignSubScript
                              : twips > 0 ? QTextCharFormat::AlignSuperScript
                                          : QTextCharFormat::AlignNormal);
  QTextCursor cursor = textCursor();
  cursor.mergeCharFormat(format);
  mergeCurrentCharFormat(format);
}

int32_t VAruDoreRido::SelOffset() const {
  const QTextCursor cursor = textCursor();
  if (!cursor.hasSelection()) return cursor.charFormat().intProperty(RichOffsetProperty);
  // The selection's format is that of its first character.
  QTextCursor first(document());
  first.setPosition(cursor.selectionStart() + 1);
  return first.charFormat().intProperty(RichOffsetProperty);
}

TRichRuns VAruDoreRido::Runs() const {
  return DocumentRichRuns(*document());
}

void VAruDoreRido::SetRuns(const TRichRuns& runs) {
  ReCreate();
  QTextCursor cursor(document());
  InsertRichRuns(cursor, runs);
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
