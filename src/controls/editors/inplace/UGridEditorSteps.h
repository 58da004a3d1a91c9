#pragma once
// Steps the grid's small editors share: validating their text against the current cell, the Tab step, and the
// desktop key code of a toolkit key.
#include <QDateTime>
#include <QKeyEvent>
#include <QString>
#include <cstdint>

#include "UEditorType.h"
#include "UGridKeys.h"

class QWidget;
class TQrvStringGrid;

// The current cell takes the editor's text, which is then validated; false when refused.
bool Validate_Editor_Text(TQrvStringGrid& grid, const QString& text);
// With goTabs the editor closes and the grid steps to the next tab stop; without, Tab goes to the grid's window.
// True when the step ended the key.
bool Editor_Tab_Step(TQrvStringGrid& grid, QWidget* view, bool backward);
// The key as the desktop's key code (Shift+Tab as Tab with Shift) and its shift state.
uint16_t Editor_Key(const QKeyEvent* e, TShiftState& shift);
// The printable character a key types, null for none (Delete, Ctrl with a key, the other control characters).
QChar Editor_Typed_Char(const QKeyEvent* e);
// The text editor's character filter of a kind: false when the character is dropped (with a beep where the kind
// beeps); case kinds convert it.
bool Filter_Editor_Char(TEditorType kind, QChar& ch, const QString& current, int32_t caret, const QString& selected,
                        const QString& validChars);
// The fixed-cell editors' ending: the grid's validation event sees the text; a refusal puts the current cell on
// the edited one and keeps the editor focused (false), an acceptance fires OnEditingDone, writes the cell and hides
// the editor (true).
bool Stop_Fixed_Cell_Edit(TQrvStringGrid& grid, QWidget& editor, int32_t aCol, int32_t aRow, const QString& text);
// The present moment, and a day-count value as the toolkit's date and time.
double Now_DateTime();
QDateTime To_QDateTime(double value);
