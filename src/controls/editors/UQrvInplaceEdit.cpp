#include "UQrvInplaceEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <limits>

#include "UEditorBeep.h"
#include "UGridEditorSteps.h"
#include "UGridModule.h"
#include "UQrvStringGrid.h"
#include "USysColors.h"
#include "UValueText.h"

TQrvInplaceEdit::TQrvInplaceEdit(TQrvStringGrid& grid, QWidget* view, QWidget* parent)
    : TGuarded<QLineEdit>(parent), FGrid(grid), FView(view) {
  setFrame(false);
  hide();
  connect(this, &QLineEdit::textChanged, this, [this](const QString& value) {
    if (!FGrid.NoEditChange() && FGrid.OnEditChange) FGrid.OnEditChange(&FGrid, FGrid.Col(), FGrid.Row(), value);
  });
}

void TQrvInplaceEdit::UpdateContents(TEditorType kind) {
  FKind = kind;
  FAltBack = false;
  FWorkmode = true;
  FLengthLimit = FGrid.GetEditLimit();
  setMaxLength(FLengthLimit > 0 ? FLengthLimit : std::numeric_limits<int>::max());
  setEchoMode(kind == edPassword ? QLineEdit::Password : QLineEdit::Normal);
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
  QPalette p = palette();
  p.setColor(QPalette::Base, TColorToQColor(brush.Color));
  p.setColor(QPalette::Text, TColorToQColor(font.Color));
  setPalette(p);
  setFont(ToQFont(font));
  setAlignment(hAlign == taRightJustify ? Qt::AlignRight : hAlign == taCenter ? Qt::AlignHCenter : Qt::AlignLeft);
  FColE = FGrid.Col();
  FRowE = FGrid.Row();
  FGrid.GetEditorProp(FGrid.Col(), FGrid.Row(), nullptr);
}

void TQrvInplaceEdit::Closed() {
  FAltBack = false;
}

bool TQrvInplaceEdit::Guarded_Event(QEvent* e) {
  if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
    auto* k = static_cast<QKeyEvent*>(e);
    // Alt+Backspace, the platform's undo key: while it is held, losing the focus does not end the edit.
    if (k->key() == Qt::Key_Backspace && (k->modifiers() & Qt::AltModifier))
      FAltBack = e->type() == QEvent::KeyPress;
    else if (k->key() == Qt::Key_Backspace && e->type() == QEvent::KeyRelease)
      FAltBack = false;
    // The grid may want Tab; the toolkit would otherwise move the focus before the editor sees it.
    if (e->type() == QEvent::KeyPress && (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) &&
        FGrid.EditorWantsTab()) {
      keyPressEvent(k);
      return true;
    }
  }
  return TGuarded<QLineEdit>::Guarded_Event(e);
}

void TQrvInplaceEdit::RestoreAfterRefusal(const QString& oldCellText) {
  setText(FGrid.NewCellText());
  if (FGrid.Navigation().EditSelectAll())
    selectAll();
  else
    end(false);
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
  for (const QString& lineBreak : {QStringLiteral("\r\n"), QStringLiteral("\n")}) {
    const qsizetype first = pasted.indexOf(lineBreak);
    if (first >= 0) {
      if (first == pasted.size() - lineBreak.size()) pasted.chop(lineBreak.size());
      break;
    }
  }
  const QString current = text();
  const bool hadSelection = hasSelectedText();
  const int32_t start = hadSelection ? selectionStart() : cursorPosition();
  const int32_t length = hadSelection ? static_cast<int32_t>(selectedText().size()) : 0;
  QString result = current.left(start) + pasted + current.mid(start + length);
  if (FLengthLimit >= 1 && result.size() > FLengthLimit) return;
  if (!PasteAllowedForKind(result)) return;
  if (FKind == edMixedCase) result = ProperCase(result);
  if (FKind == edLowerCase) result = result.toLower();
  if (FKind == edUpperCase) result = result.toUpper();
  setText(result);
  FGrid.SetCurrentBaseCellText(result);
  if (hadSelection)
    setSelection(start, static_cast<int>(pasted.size()));
  else
    setCursorPosition(start + static_cast<int>(pasted.size()));
  if (FGrid.OnClipboardAfterPasteCell) FGrid.OnClipboardAfterPasteCell(this, FGrid.Col(), FGrid.Row(), text());
}

// Tab, Enter and the vertical keys validate before the edit may end; true when the key was dealt with.
bool TQrvInplaceEdit::EndKey(QKeyEvent* e) {
  const QString oldCellText = FGrid.OldCellText();
  const QString current = text();
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
  if (key == Qt::Key_Up || key == Qt::Key_Down) {
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
  if (enter && !FGrid.Navigation().LineFeedOnEnter() && !(e->modifiers() & Qt::ControlModifier)) {
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

void TQrvInplaceEdit::keyPressEvent(QKeyEvent* e) {
  const int key = e->key();
  const Qt::KeyboardModifiers mods = e->modifiers();
  FSelKeyDown = cursorPosition();
  if (key == Qt::Key_Escape) {
    setText(FGrid.OriginalCellValue());
    FGrid.HideInplaceEdit();
    return;
  }
  if (key == Qt::Key_A && (mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)) {
    selectAll();
    return;
  }
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && (mods & Qt::ControlModifier)) return;
  if (EndKey(e)) return;
  if ((key == Qt::Key_Left || key == Qt::Key_Right) && !(mods & Qt::ShiftModifier) &&
      CursorWalk(key == Qt::Key_Right))
    return;
  if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
    HandToGrid(e);
    return;
  }
  if (e->matches(QKeySequence::Paste)) {
    Paste();
    return;
  }
  if (e->matches(QKeySequence::Copy) || e->matches(QKeySequence::Cut)) {
    bool allow = true;
    const bool copy = e->matches(QKeySequence::Copy);
    const auto& event = copy ? FGrid.OnClipboardCopy : FGrid.OnClipboardCut;
    if (event) event(this, allow);
    if (allow) TGuarded<QLineEdit>::keyPressEvent(e);
    return;
  }
  FWorkmode = key != Qt::Key_Backspace && key != Qt::Key_Delete;
  const QString typed = e->text();
  const bool character = typed.size() == 1 && typed[0].unicode() >= 32 && !(mods & Qt::ControlModifier);
  if (!character) {
    TGuarded<QLineEdit>::keyPressEvent(e);
    return;
  }
  // A full editor takes no more characters.
  if (FLengthLimit > 0 && text().size() >= FLengthLimit && !hasSelectedText()) return;
  QChar ch = typed[0];
  // The keypad's decimal key types the locale's separator when the grid asks for it.
  if (FGrid.ExcelStyleDecimalSeparator && ch == QLatin1Char('.') && (mods & Qt::KeypadModifier))
    ch = GetDecimalSeparator();
  if (!FilterChar(ch)) return;
  FGrid.KeyPress(ch);
  if (ch.isNull()) return;
  const int32_t caret = cursorPosition();
  insert(QString(ch));
  if (FKind == edMixedCase) {
    setText(ProperCase(text()));
    setCursorPosition(caret + 1);
  }
  const int32_t limit = FGrid.MaxEditLength();
  if (FGrid.Navigation().AdvanceAuto() && FGrid.Navigation().AdvanceOnEnter() && limit > 0 &&
      text().size() >= limit && !hasSelectedText() && cursorPosition() == text().size()) {
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
  if (!FGrid.ValidateCell(text())) return true;
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

void TQrvInplaceEdit::keyReleaseEvent(QKeyEvent* e) {
  TGuarded<QLineEdit>::keyReleaseEvent(e);
  if (e->key() != Qt::Key_Left && e->key() != Qt::Key_Right) DoChange();
}

void TQrvInplaceEdit::DoChange() {
  if (!FWorkmode || hasSelectedText() || !FGrid.Lookup || FGrid.LookupItems.isEmpty()) return;
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

void TQrvInplaceEdit::focusInEvent(QFocusEvent* e) {
  TGuarded<QLineEdit>::focusInEvent(e);
  FGotFocus = true;
  FGrid.SetNoEditChange(false);
  FLengthLimit = FGrid.GetEditLimit();
  setMaxLength(FLengthLimit > 0 ? FLengthLimit : std::numeric_limits<int>::max());
  if (FGrid.Navigation().EditSelectAll())
    selectAll();
  else
    end(false);
}

void TQrvInplaceEdit::focusOutEvent(QFocusEvent* e) {
  if (FDetached) return TGuarded<QLineEdit>::focusOutEvent(e);
  FGrid.SetStartEditChar(QChar());
  if (FGrid.LookupHistory && !text().isEmpty() && !FGrid.LookupItems.contains(text()))
    FGrid.LookupItems.append(text());
  TGuarded<QLineEdit>::focusOutEvent(e);
  if (FAltBack) return;
  QWidget* to = QApplication::focusWidget();
  const bool toGrid = to && FView && (to == FView || FView->isAncestorOf(to)) && to != this;
  if (!toGrid && FGrid.EditMode()) {
    struct THide {
      TQrvStringGrid& g;
      ~THide() {
        g.HideInplaceEdit();
        g.SetEditing(false);
        g.SetEditMode(false);
      }
    } hide{FGrid};
    FGrid.ValidateCell(text());
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
