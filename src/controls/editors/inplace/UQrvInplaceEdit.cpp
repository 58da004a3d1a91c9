#include "UQrvInplaceEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <limits>

#include "UEditorBeep.h"
#include "UGridEditorSteps.h"
#include "UGridModule.h"
#include "UGridView.h"
#include "UMaskedInput.h"
#include "UQrvStringGrid.h"
#include "USysColors.h"
#include "UValueText.h"

namespace {

const QString CRLF = QStringLiteral("\r\n");

// The multi-line face breaks lines with a line feed; the cells keep carriage return and line feed.
QString To_Face_Lines(QString value) {
  value.replace(CRLF, QStringLiteral("\n"));
  value.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return value;
}

QString To_Cell_Lines(QString value) {
  value.replace(QLatin1Char('\n'), CRLF);
  return value;
}

}  // namespace

TQrvInplaceEdit::TQrvInplaceEdit(TQrvStringGrid& grid, QWidget* view, QWidget* parent)
    : TGuarded<QWidget>(parent), FGrid(grid), FView(view) {
  IInplaceFaceOwner& owner = *this;
  FMemo = std::make_unique<TInplaceFace<QPlainTextEdit>>(owner, this);
  FMemo->setFrameShape(QFrame::NoFrame);
  FMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  FMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  FMemo->setTabChangesFocus(true);
  FMemo->document()->setDocumentMargin(1);
  FLine = std::make_unique<TInplaceFace<QLineEdit>>(owner, this);
  FLine->setFrame(false);
  FLine->hide();
  FMaskInput = new TMaskedInput(*FLine, false);
  setFocusProxy(FMemo.get());
  hide();
  // The editor's own loading of the cell is no change: the grid hears of changes only while it allows them.
  const auto changed = [this] {
    if (FDetached || FGrid.NoEditChange()) return;
    FGrid.EditorChanged(CellText());
    if (FGrid.OnEditChange) FGrid.OnEditChange(&FGrid, FGrid.Col(), FGrid.Row(), CellText());
  };
  connect(FMemo.get(), &QPlainTextEdit::textChanged, this, changed);
  connect(FLine.get(), &QLineEdit::textChanged, this, changed);
}

TQrvInplaceEdit::~TQrvInplaceEdit() {
  // The faces' last events (their focus leaving) find an editor that commits nothing any more.
  FDetached = true;
  FMaskInput = nullptr;
  FLine.reset();
  FMemo.reset();
}

QWidget* TQrvInplaceEdit::Face() const {
  return FMultiLine ? static_cast<QWidget*>(FMemo.get()) : static_cast<QWidget*>(FLine.get());
}

bool TQrvInplaceEdit::Masked() const {
  return !FMultiLine && FMaskInput->Active();
}

void TQrvInplaceEdit::resizeEvent(QResizeEvent* e) {
  TGuarded<QWidget>::resizeEvent(e);
  FMemo->setGeometry(rect());
  FLine->setGeometry(rect());
  // A cell lower than the text shows the caret's line.
  FMemo->ensureCursorVisible();
}

void TQrvInplaceEdit::UpdateContents(TEditorType kind) {
  FKind = kind;
  FAltBack = false;
  FWorkmode = true;
  FLengthLimit = FGrid.GetEditLimit();
  // A mask the editor cannot use leaves the cell editable as plain text; the grid tells why.
  FMaskError.clear();
  const QString mask = FGrid.GetEditMask(FGrid.Col(), FGrid.Row());
  try {
    FMaskInput->SetMask(mask);
  } catch (const EEditMaskError& error) {
    FMaskError = error.Message();
    FMaskInput->SetMask(QString());
  }
  FMultiLine = kind != edPassword && !FMaskInput->Active();
  FLine->setEchoMode(kind == edPassword ? QLineEdit::Password : QLineEdit::Normal);
  if (!FMaskInput->Active()) FLine->setMaxLength(FLengthLimit > 0 ? FLengthLimit : std::numeric_limits<int>::max());
  FMemo->setVisible(FMultiLine);
  FLine->setVisible(!FMultiLine);
  setFocusProxy(Face());
  FMemo->setLineWrapMode(FGrid.WordWrap() ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  FGrid.SetNoEditChange(true);
  setText(FGrid.GetEditText(FGrid.Col(), FGrid.Row()));
  TGridDrawState state;
  TBrush brush;
  TFont font;
  TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment hAlign = taLeftJustify;
  TVAlignment vAlign = vtaTop;
  bool wordWrap = false;
  TCellGradientDirection gradient{};
  const int32_t realCol = FGrid.DisplayToRealCol(FGrid.Col());
  FGrid.GetVisualProperties(realCol, FGrid.Row(), state, false, false, true, brush, colorTo, mirror, mirrorTo, font,
                            hAlign, vAlign, wordWrap, gradient);
  for (QWidget* face : {static_cast<QWidget*>(FMemo.get()), static_cast<QWidget*>(FLine.get())}) {
    QPalette p = face->palette();
    p.setColor(QPalette::Base, TColorToQColor(brush.Color));
    p.setColor(QPalette::Text, TColorToQColor(font.Color));
    face->setPalette(p);
    face->setFont(ToQFont(font));
  }
  const Qt::Alignment align = hAlign == taRightJustify ? Qt::AlignRight
                              : hAlign == taCenter     ? Qt::AlignHCenter
                                                       : Qt::AlignLeft;
  FLine->setAlignment(align);
  QTextOption option = FMemo->document()->defaultTextOption();
  option.setAlignment(align);
  FMemo->document()->setDefaultTextOption(option);
  FColE = FGrid.Col();
  FRowE = FGrid.Row();
  FGrid.GetEditorProp(FGrid.Col(), FGrid.Row(), nullptr);
}

void TQrvInplaceEdit::Closed() {
  FAltBack = false;
}

// The faces' text and caret.

QString TQrvInplaceEdit::text() const {
  return FMultiLine ? FMemo->toPlainText() : FLine->text();
}

QString TQrvInplaceEdit::CellText() const {
  if (FMultiLine) return To_Cell_Lines(FMemo->toPlainText());
  return FMaskInput->Value();
}

void TQrvInplaceEdit::setText(const QString& value) {
  if (FMultiLine) {
    FMemo->setPlainText(To_Face_Lines(value));
    end();
  } else if (FMaskInput->Active()) {
    FMaskInput->SetValue(value);
  } else {
    FLine->setText(value);
  }
}

QString TQrvInplaceEdit::selectedText() const {
  if (!FMultiLine) return FLine->selectedText();
  return FMemo->textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

bool TQrvInplaceEdit::hasSelectedText() const {
  return FMultiLine ? FMemo->textCursor().hasSelection() : FLine->hasSelectedText();
}

void TQrvInplaceEdit::selectAll() {
  if (FMultiLine)
    FMemo->selectAll();
  else
    FLine->selectAll();
}

int32_t TQrvInplaceEdit::cursorPosition() const {
  return FMultiLine ? FMemo->textCursor().position() : FLine->cursorPosition();
}

void TQrvInplaceEdit::setCursorPosition(int32_t position) {
  if (!FMultiLine) return FLine->setCursorPosition(position);
  QTextCursor c = FMemo->textCursor();
  c.setPosition(std::clamp<int32_t>(position, 0, static_cast<int32_t>(text().size())));
  FMemo->setTextCursor(c);
}

int32_t TQrvInplaceEdit::selectionStart() const {
  return FMultiLine ? FMemo->textCursor().selectionStart() : FLine->selectionStart();
}

void TQrvInplaceEdit::setSelection(int32_t start, int32_t length) {
  if (!FMultiLine) return FLine->setSelection(start, length);
  QTextCursor c = FMemo->textCursor();
  c.setPosition(start);
  c.setPosition(start + length, QTextCursor::KeepAnchor);
  FMemo->setTextCursor(c);
}

void TQrvInplaceEdit::insert(const QString& value) {
  if (FMultiLine)
    FMemo->insertPlainText(value);
  else
    FLine->insert(value);
}

void TQrvInplaceEdit::end() {
  if (FMultiLine)
    FMemo->moveCursor(QTextCursor::End);
  else
    FLine->end(false);
}

bool TQrvInplaceEdit::CanMoveLine(bool up) const {
  if (!FMultiLine) return false;
  QTextCursor c = FMemo->textCursor();
  c.clearSelection();
  const int32_t before = c.position();
  return c.movePosition(up ? QTextCursor::Up : QTextCursor::Down) && c.position() != before;
}

// The faces' events.

bool TQrvInplaceEdit::FaceEventBefore(QEvent* e) {
  if (!FMaskInput || (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease)) return false;
  auto* k = static_cast<QKeyEvent*>(e);
  // Alt+Backspace, the platform's undo key: while it is held, losing the focus does not end the edit.
  if (k->key() == Qt::Key_Backspace && (k->modifiers() & Qt::AltModifier))
    FAltBack = e->type() == QEvent::KeyPress;
  else if (k->key() == Qt::Key_Backspace && e->type() == QEvent::KeyRelease)
    FAltBack = false;
  return e->type() == QEvent::KeyPress && KeyDown(k);
}

void TQrvInplaceEdit::FaceEventAfter(QEvent* e) {
  if (!FMaskInput) return;
  switch (e->type()) {
    case QEvent::KeyRelease:
      KeyUp(static_cast<QKeyEvent*>(e));
      break;
    case QEvent::FocusIn:
      FocusIn();
      break;
    case QEvent::FocusOut:
      FocusOut();
      break;
    default:
      break;
  }
}

void TQrvInplaceEdit::RestoreAfterRefusal(const QString& oldCellText) {
  // Part of the refusal: the refused text comes back for mending, over the cell validation restored.
  FGrid.SetValidating(true);
  setText(FGrid.NewCellText());
  FGrid.SetValidating(false);
  if (FGrid.Navigation().EditSelectAll())
    selectAll();
  else
    end();
  FGrid.SetOldCellText(oldCellText);
}

void TQrvInplaceEdit::HandToGrid(QKeyEvent* e) {
  if (!FView) return;
  QKeyEvent copy(e->type(), e->key(), e->modifiers(), e->text());
  QApplication::sendEvent(FView, &copy);
}

bool TQrvInplaceEdit::FilterChar(QChar& ch) {
  return Filter_Editor_Char(FKind, ch, text(), cursorPosition(), selectedText(), FGrid.ValidChars);
}

bool TQrvInplaceEdit::PasteAllowedForKind(const QString& value) const {
  switch (FKind) {
    case edNumeric:
    case edPositiveNumeric:
      return ClassifyNumberText(value) == ntInteger && (FKind == edNumeric || !value.contains(QLatin1Char('-')));
    case edFloat:
    case edPositiveFloat:
      return ClassifyNumberText(value) < ntNotNumber && (FKind == edFloat || !value.contains(QLatin1Char('-')));
    case edValidChars:
      for (const QChar ch : value)
        if (!FGrid.ValidChars.contains(ch)) return false;
      return true;
    default:
      return true;
  }
}

void TQrvInplaceEdit::Paste() {
  QString pasted = QApplication::clipboard()->text();
  bool allow = !pasted.isEmpty();
  if (FGrid.OnClipboardPaste) FGrid.OnClipboardPaste(this, allow);
  if (allow && FGrid.OnClipboardBeforePasteCell)
    FGrid.OnClipboardBeforePasteCell(this, FGrid.Col(), FGrid.Row(), pasted, allow);
  if (!allow || (FLengthLimit >= 1 && pasted.size() > FLengthLimit)) return;
  // A single trailing line break (a copied cell brings one) is not part of the value.
  for (const QString& lineBreak : {CRLF, QStringLiteral("\n")}) {
    const qsizetype first = pasted.indexOf(lineBreak);
    if (first >= 0) {
      if (first == pasted.size() - lineBreak.size()) pasted.chop(lineBreak.size());
      break;
    }
  }
  if (Masked()) {
    FMaskInput->Paste(pasted);
  } else {
    if (FMultiLine) pasted = To_Face_Lines(pasted);
    const QString current = text();
    const bool hadSelection = hasSelectedText();
    const int32_t start = hadSelection ? selectionStart() : cursorPosition();
    const int32_t length = hadSelection ? static_cast<int32_t>(selectedText().size()) : 0;
    QString result = current.left(start) + pasted + current.mid(start + length);
    const qsizetype stored = FMultiLine ? To_Cell_Lines(result).size() : result.size();
    if (FLengthLimit >= 1 && stored > FLengthLimit) return;
    if (!PasteAllowedForKind(result)) return;
    if (FKind == edMixedCase) result = ProperCase(result);
    if (FKind == edLowerCase) result = result.toLower();
    if (FKind == edUpperCase) result = result.toUpper();
    setText(result);
    if (hadSelection)
      setSelection(start, static_cast<int>(pasted.size()));
    else
      setCursorPosition(start + static_cast<int>(pasted.size()));
  }
  FGrid.SetCurrentBaseCellText(CellText());
  if (FGrid.OnClipboardAfterPasteCell) FGrid.OnClipboardAfterPasteCell(this, FGrid.Col(), FGrid.Row(), CellText());
}

// Tab, Enter and the vertical keys validate before the edit may end; true when the key was dealt with.
bool TQrvInplaceEdit::EndKey(QKeyEvent* e) {
  const QString oldCellText = FGrid.OldCellText();
  const QString current = CellText();
  const bool shift = e->modifiers() & Qt::ShiftModifier;
  const int key = e->key();
  if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && FGrid.EditorWantsTab()) {
    if (!FGrid.ValidateCell(current)) {
      RestoreAfterRefusal(oldCellText);
      return true;
    }
    setText(FGrid.NewCellText());
    FGrid.HideInplaceEdit();
    if (FGrid.Options() & goTabs) {
      FGrid.TabAdvance(shift || key == Qt::Key_Backtab);
    } else if (FView) {
      QApplication::postEvent(FView, new QKeyEvent(QEvent::KeyPress, key, e->modifiers()));
    }
    return true;
  }
  // Up and Down move between the lines of the text; on its first (last) line they leave the cell.
  if ((key == Qt::Key_Up || key == Qt::Key_Down) && !CanMoveLine(key == Qt::Key_Up)) {
    FGrid.SetValidating(true);
    FGrid.SetCurrentCellText(current);
    FGrid.SetValidating(false);
    if (!FGrid.ValidateCell(current)) {
      RestoreAfterRefusal(oldCellText);
      update();
      return true;
    }
    setText(FGrid.NewCellText());
    HandToGrid(e);
    return true;
  }
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  // A one-line face cannot break a line: there Enter always ends the edit.
  const bool lineFeedOnEnter = FMultiLine && FGrid.Navigation().LineFeedOnEnter();
  if (enter && !lineFeedOnEnter && !(e->modifiers() & Qt::ControlModifier)) {
    if (!FGrid.ValidateCell(current)) {
      RestoreAfterRefusal(oldCellText);
      return true;
    }
    setText(FGrid.NewCellText());
    // The key press reaches the grid, which closes the editor (and tells the form's key handler).
    QChar ch(13);
    FGrid.KeyPress(ch);
    return true;
  }
  return false;
}

void TQrvInplaceEdit::InsertLineFeed() {
  if (!FMultiLine) return;
  const qsizetype selected = To_Cell_Lines(selectedText()).size();
  if (FLengthLimit > 0 && CellText().size() - selected + CRLF.size() > FLengthLimit) return;
  insert(QStringLiteral("\n"));
}

bool TQrvInplaceEdit::KeyDown(QKeyEvent* e) {
  const int key = e->key();
  const Qt::KeyboardModifiers mods = e->modifiers();
  const TShiftState shift = TGridView::Shift_State(mods);
  FGrid.InplaceKeyMessage(TGridView::Key_Code(key), shift);
  FSelKeyDown = cursorPosition();
  if (key == Qt::Key_Escape) {
    setText(FGrid.OriginalCellValue());
    FGrid.HideInplaceEdit();
    return true;
  }
  if (key == Qt::Key_A && (mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)) {
    selectAll();
    return true;
  }
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  if (enter && (mods & Qt::ControlModifier)) {
    // Ctrl+Enter breaks the line only in a grid whose cells show more than one line, and only when allowed.
    if (FGrid.Navigation().AllowCtrlEnter() && (FGrid.WordWrap() || FGrid.Multilinecells)) InsertLineFeed();
    return true;
  }
  if (EndKey(e)) return true;
  if (enter) {
    InsertLineFeed();
    return true;
  }
  if ((key == Qt::Key_Left || key == Qt::Key_Right) && !(mods & Qt::ShiftModifier) &&
      CursorWalk(key == Qt::Key_Right))
    return true;
  if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
    HandToGrid(e);
    return true;
  }
  // Home and End go to the start and end of the whole text, not of its line.
  if ((key == Qt::Key_Home || key == Qt::Key_End) && !(mods & (Qt::ControlModifier | Qt::ShiftModifier)) &&
      FMultiLine) {
    if (key == Qt::Key_Home)
      setCursorPosition(0);
    else
      end();
    return true;
  }
  if (e->matches(QKeySequence::Paste)) {
    Paste();
    return true;
  }
  if (e->matches(QKeySequence::Copy) || e->matches(QKeySequence::Cut)) {
    bool allow = true;
    const bool copy = e->matches(QKeySequence::Copy);
    const auto& event = copy ? FGrid.OnClipboardCopy : FGrid.OnClipboardCut;
    if (event) event(this, allow);
    if (!allow) return true;
    return !copy && Masked() && FMaskInput->HandleKey(e);
  }
  FWorkmode = key != Qt::Key_Backspace && key != Qt::Key_Delete;
  uint16_t vk = TGridView::Key_Code(key);
  if (vk != 0) {
    FGrid.InplaceKeyDown(vk, shift);
    if (vk == 0) return true;
  }
  const QChar typed = Editor_Typed_Char(e);
  if (typed.isNull()) return Masked() && FMaskInput->HandleKey(e);
  TypeChar(typed, mods);
  return true;
}

void TQrvInplaceEdit::TypeChar(QChar ch, Qt::KeyboardModifiers mods) {
  // A full editor takes no more characters.
  if (!Masked() && FLengthLimit > 0 && CellText().size() >= FLengthLimit && !hasSelectedText()) return;
  // The keypad's decimal key types the locale's separator when the grid asks for it.
  if (FGrid.ExcelStyleDecimalSeparator && ch == QLatin1Char('.') && (mods & Qt::KeypadModifier))
    ch = GetDecimalSeparator();
  if (!FilterChar(ch)) return;
  FGrid.KeyPress(ch);
  if (ch.isNull()) return;
  if (Masked()) {
    if (!FMaskInput->Type(ch)) EditorBeep();
    // A filled mask is an Enter: the edit ends (and advances) by itself.
    if (FGrid.Navigation().AdvanceAuto() && FMaskInput->Mask().Full(FLine->text()) &&
        FLine->cursorPosition() == FMaskInput->Mask().Length()) {
      QChar enter(13);
      FGrid.KeyPress(enter);
    }
    return;
  }
  const int32_t caret = cursorPosition();
  insert(QString(ch));
  if (FKind == edMixedCase) {
    setText(ProperCase(text()));
    setCursorPosition(caret + 1);
  }
  const int32_t limit = FGrid.MaxEditLength();
  if (FGrid.Navigation().AdvanceAuto() && FGrid.Navigation().AdvanceOnEnter() && limit > 0 &&
      CellText().size() >= limit && !hasSelectedText() && cursorPosition() == text().size()) {
    QChar enter(13);
    FGrid.KeyPress(enter);
  }
}

// Left at the start or Right at the end of the text leaves the cell for its neighbour, after validation.
bool TQrvInplaceEdit::CursorWalk(bool forward) {
  if (!FGrid.Navigation().CursorWalkEditor() || hasSelectedText()) return false;
  if (forward ? cursorPosition() != text().size() : cursorPosition() != 0) return false;
  const int32_t col = FGrid.Col(), row = FGrid.Row();
  const int32_t next = forward ? col + FGrid.CellSpan(FGrid.DisplayToRealCol(col), row).X + 1 : col - 1;
  const bool nextIsControl =
      forward
          ? next < FGrid.ColCount() - FGrid.FixedRightCols() && FGrid.IsControlCell(FGrid.DisplayToRealCol(next), row)
          : col > FGrid.FixedCols() && FGrid.IsControlCell(FGrid.DisplayToRealCol(next), row);
  if (!FGrid.ValidateCell(CellText())) return true;
  FGrid.HideInplaceEdit();
  if (nextIsControl) {
    FGrid.SetCol(next);
    return true;
  }
  const TAdvanceDirection direction = FGrid.Navigation().AdvanceDirection();
  FGrid.Navigation().SetAdvanceDirection(adLeftRight);
  FGrid.AdvanceCell(col, row, true, false, forward, true, true);
  FGrid.Navigation().SetAdvanceDirection(direction);
  if (FGrid.Navigation().CursorWalkAlwaysEdit()) {
    if (!FGrid.EditMode()) FGrid.ShowInplaceEdit();
  } else {
    FGrid.HideInplaceEdit();
    FGrid.FocusGrid();
  }
  return true;
}

void TQrvInplaceEdit::KeyUp(QKeyEvent* e) {
  ReportTextToGrid();
  if (e->key() == Qt::Key_Left || e->key() == Qt::Key_Right) return;
  DoChange();
  if (isVisible()) GrowWhileTyping();
}

void TQrvInplaceEdit::ReportTextToGrid() {
  const QString value = text();
  const int32_t caret = cursorPosition();
  if (caret > 0) FGrid.EditTextChanged(value, CharacterPoint(caret - 1), caret);
  FGrid.FormulaEditMode(value.startsWith(QLatin1Char('=')));
}

TPoint TQrvInplaceEdit::CharacterPoint(int32_t index) const {
  QPoint at;
  if (FMultiLine) {
    QTextCursor c = FMemo->textCursor();
    c.setPosition(std::clamp<int32_t>(index, 0, static_cast<int32_t>(text().size())));
    at = FMemo->mapTo(this, FMemo->cursorRect(c).topLeft());
  } else {
    const QMargins margins = FLine->textMargins();
    const int32_t x = FLine->fontMetrics().horizontalAdvance(FLine->displayText().left(index));
    at = FLine->mapTo(this, QPoint(margins.left() + x, margins.top()));
  }
  return TPoint{at.x(), at.y()};
}

void TQrvInplaceEdit::GrowWhileTyping() {
  const TSizeWhileTyping& size = FGrid.SizeWhileTyping();
  const bool rows = size.Height && (FGrid.WordWrap() || FGrid.Multilinecells);
  if (!size.Width && !rows) return;
  const int32_t col = FGrid.Col(), row = FGrid.Row();
  // The sizing measures the cells, so the edited one holds the typed text meanwhile; Escape still puts the text
  // from before the edit back.
  FGrid.SetValidating(true);
  FGrid.SetCurrentCellText(CellText());
  FGrid.SetValidating(false);
  const bool synch = FGrid.ColumnSize().SynchWithGrid();
  FGrid.ColumnSize().SetSynchWithGrid(false);
  if (size.Width) FGrid.AutoSizeCol(col);
  if (rows) {
    if (FGrid.WordWrap()) {
      // The text wrapped at the column's width; the row only grows while typing.
      const int32_t wrapped = FGrid.GetCellTextSize(FGrid.DisplayToRealCol(col), row, true, false).cy;
      const int32_t offset = FGrid.XYOffsetTopLeftOnly ? FGrid.XYOffset.Y + 2 : 2 * FGrid.XYOffset.Y;
      const int32_t height = wrapped + offset + 2 * FGrid.GridLineWidth();
      if (height > FGrid.RowHeights(row)) FGrid.SetRowHeights(row, height);
    } else {
      int32_t lines = 1;
      for (int32_t c = 0; c < FGrid.ColCount(); ++c)
        lines = std::max(lines, FGrid.GetLinesInCell(FGrid.DisplayToRealCol(c), row));
      if (lines > 1) FGrid.SetRowHeightForLines(row, lines, 0);
    }
    if (FGrid.OnEndRowSize) FGrid.OnEndRowSize(&FGrid, row);
  }
  FGrid.ColumnSize().SetSynchWithGrid(synch);
}

void TQrvInplaceEdit::DoChange() {
  if (!FWorkmode || Masked() || hasSelectedText() || !FGrid.Lookup || FGrid.LookupItems.isEmpty()) return;
  const int32_t caret = cursorPosition();
  if (caret == 0) return;
  const Qt::CaseSensitivity cs = FGrid.LookupCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
  const QString prefix = text().left(caret);
  for (const QString& item : FGrid.LookupItems) {
    if (!item.startsWith(prefix, cs)) continue;
    const QString rest = item.mid(prefix.size()).left(255);
    setText(prefix + rest);
    setSelection(caret, static_cast<int>(rest.size()));
    return;
  }
}

void TQrvInplaceEdit::FocusIn() {
  FGotFocus = true;
  FGrid.SetNoEditChange(false);
  FLengthLimit = FGrid.GetEditLimit();
  if (!Masked()) FLine->setMaxLength(FLengthLimit > 0 ? FLengthLimit : std::numeric_limits<int>::max());
  if (Masked() && FGrid.Navigation().ImproveMaskSel()) {
    const int32_t first = std::max(0, FMaskInput->Mask().NextInput(0));
    setSelection(first, 1);
  } else if (FGrid.Navigation().EditSelectAll()) {
    selectAll();
  } else {
    end();
  }
  // Opened by a press with caret positioning: the caret goes to the character under the press, nothing selected.
  if (const TPoint press = FGrid.TakeCaretPress(); press.X >= 0 && parentWidget()) {
    const QPoint global = parentWidget()->mapToGlobal(QPoint(press.X, press.Y));
    if (FMultiLine) {
      FMemo->setTextCursor(FMemo->cursorForPosition(FMemo->viewport()->mapFromGlobal(global)));
    } else {
      FLine->deselect();
      FLine->setCursorPosition(FLine->cursorPositionAt(FLine->mapFromGlobal(global)));
    }
  }
  FMemo->ensureCursorVisible();
}

void TQrvInplaceEdit::FocusOut() {
  if (FDetached) return;
  FGrid.SetStartEditChar(QChar());
  const QString value = CellText();
  if (FGrid.LookupHistory && !value.isEmpty() && !FGrid.LookupItems.contains(value)) FGrid.LookupItems.append(value);
  FGrid.FormulaEditMode(false);
  if (FAltBack) return;
  QWidget* to = QApplication::focusWidget();
  const bool toGrid = to && FView && (to == FView || FView->isAncestorOf(to)) && to != this && !isAncestorOf(to);
  if (!toGrid && FGrid.EditMode()) {
    struct THide {
      TQrvStringGrid& g;
      ~THide() {
        g.HideInplaceEdit();
        g.SetEditing(false);
        g.SetEditMode(false);
      }
    } hide{FGrid};
    FGrid.ValidateCell(CellText());
    setText(FGrid.GetCurrentCellText());
  }
  FGrid.SetNoEditChange(true);
  setText(FGrid.GetEditText(FGrid.Col(), FGrid.Row()));
  FGrid.SetNoEditChange(false);
  if (FGotFocus) {
    FGotFocus = false;
    FGrid.PostEditDone(FGrid.DisplayToRealCol(FColE), FRowE);
  }
}
