// Characters typed while the grid itself has the focus, and the Enter and Escape its editors hand back: typing
// opens the cell's editor with the character, a cell holding embedded controls is never typed into, Escape
// restores the cell, and Enter advances or toggles the editor.
#include "UGridModule.h"
#include "UQrvStringGrid.h"
#include "UValueText.h"

namespace {
constexpr char16_t chBack = 8, chTab = 9, chEnter = 13, chEscape = 27;
constexpr char16_t chCopy = 3, chPaste = 22, chCut = 24;
}  // namespace

bool TQrvStringGrid::CellHoldsControlTag(int32_t realCol, int32_t aRow) const {
  const QString text = Cells(realCol, aRow);
  return DetectCellTextKind(text, EnableHTML) == ckMarkup &&
         text.contains(QLatin1String("<CONTROL"), Qt::CaseInsensitive);
}

void TQrvStringGrid::ShowEditorChar(QChar ch) {
  ShowEditor();
  if (!ch.isNull() && FEditors && FEditors->TextEditorShowing()) FEditors->PostStartChar(ch);
}

bool TQrvStringGrid::WMChar(QChar ch, TShiftState shift, bool keypadDecimal) {
  const int32_t realCol = DisplayToRealCol(Col());
  if (CellHoldsControlTag(realCol, Row())) return true;
  if (MouseActions().EditOnDblClickOnly()) {
    bool canEdit = true;
    CanEditCell(Col(), Row(), canEdit);
    if (canEdit) SetOptions(Options() | goEditing);
  }
  const char16_t code = ch.unicode();
  if (Navigation().AllowClipboardShortCuts() && (shift & ssCtrl) &&
      (code == chCopy || code == chPaste || code == chCut))
    return true;
  const bool control = IsControlCell(realCol, Row());
  if (MouseActions().RangeSelectAndEdit() && !control && IsEditable(realCol, Row()) && code != chTab &&
      code != chEscape && !(shift & ssCtrl)) {
    QChar copy = ch;
    FireKeyPress(copy);
    FStartEditChar = ch;
    SetOptions(Options() | goEditing);
    if (Col() > LeftCol() + VisibleColCount() || Row() > TopRow() + VisibleRowCount() || Col() < LeftCol() ||
        Row() < TopRow())
      ScrollInView(Col(), Row());
    SimulateCellClick(Col(), Row());
    ShowEditorChar(ch);
    return true;
  }
  if (ch == QLatin1Char('.') && ExcelStyleDecimalSeparator && keypadDecimal) ch = GetDecimalSeparator();
  if (control && code == chEnter && Navigation().AdvanceOnEnter()) {
    KeyPress(ch);
    return true;
  }
  if ((Options() & goEditing) && code != chTab && (code == chBack || (code >= 32 && code <= 255))) {
    FireKeyPress(ch);
    FStartEditChar = ch;
    if (!control) ShowEditorChar(ch);
    return true;
  }
  // The platform grid's own character step: with editing on, characters open the editor; any other goes on to
  // the key-press stage.
  if ((Options() & goEditing) && code > 255) {
    ShowEditorChar(ch);
    return true;
  }
  KeyPress(ch);
  return ch.isNull();
}

void TQrvStringGrid::FireKeyPress(QChar& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

void TQrvStringGrid::KeyPress(QChar& key) {
  const char16_t code = key.unicode();
  if (code == chEscape) {
    if ((Options() & goEditing) && FEditing) CancelCellEdit();
    FireKeyPress(key);
    return;
  }
  if (code == chEnter) {
    const int32_t startRealCol = DisplayToRealCol(Col());
    if (!Navigation().AdvanceOnEnter() && !IsEditable(startRealCol, Row())) {
      FireKeyPress(key);
      key = QChar();
      return;
    }
    // The editor hands its Enter on while it is open; the grid's own Enter on a control cell advances too.
    if (FEditMode || IsControlCell(startRealCol, Row())) {
      AdvanceCell(Col(), Row(), FEditMode, false, true, false, false);
      if (!Navigation().AdvanceAutoEdit()) {
        FireKeyPress(key);
        key = QChar();
        return;
      }
      if (IsControlCell(startRealCol, Row())) {
        FireKeyPress(key);
        if (Navigation().AdvanceOnEnter()) ShowInplaceEdit();
        return;
      }
    }
  }
  IncrementalSearchKey(key);
  FireKeyPress(key);
  TBaseGrid::KeyPress(key);
}
