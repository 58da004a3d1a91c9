#pragma once
// The grid's combo editor for the list-only and editable drop-down kinds: it validates before it lets the user
// leave, hands the navigation keys back to the grid, completes typed text from its items and the grid's lookup
// list, and commits when it loses the focus.
#include <cstdint>
#include <functional>

#include "UGridAdapter.h"
#include "UQsgCombo.h"

class TGridCombo : public TGridAdapter<TQsgComboBox> {
 public:
  TGridCombo(TQrvStringGrid& grid, QWidget* view, QWidget* parent);

  // Loads the grid's pick list and opens on the cell (display column, row) as the grid's editor kind asks.
  void Open(bool listOnly, int32_t aCol, int32_t aRow, int32_t width, int32_t height, TColor color);
  // The text the cell takes when the editor closes.
  QString CommitText() const;
  // Sets the list's dropped width from the widest item.
  void SizeDropDownWidth();
  int32_t DroppedWidth() const { return FDroppedWidth; }
  void DoChange();

  bool Forced = false;
  bool WorkMode = true;
  int32_t ItemIdx = -1;
  bool ItemChange = false;
  std::function<void(TGridCombo*)> OnReturnKey;

  bool Open(IGridEditorHost& host, TEditorType kind, const TEditorPlace& place) override;
  void ApplyTones(const TColorTones& tones, TColor gridColor) override;
  // The grid hears of the list dropping down before it shows, and of it closing up once the toolkit has taken
  // the item chosen in it.
  void showPopup() override;
  void hidePopup() override;

 protected:
  TEditorValue CellValue(TEditorType) const override { return Text_Value(CommitText()); }
  bool WantsTab() const override { return FGrid.EditorWantsTab(); }
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;

 private:
  bool ListMode() const;
  void FireComboChange();
  // The change events for the item at index (-1: none, reported with the combo's text).
  void FireComboChange(int32_t index);
  // Validates the text for Enter, the vertical keys and Tab; false when the text was refused.
  bool ValidateText(bool tab);
  // The list closed up while the cell (real column, row) was current; `direct` ends the edit with the item chosen.
  void ClosedUp(int32_t row, int32_t realCol, bool direct);

  int32_t FDroppedWidth = 0;
  // Set by Escape until the editor closes: the cell keeps the text it had.
  bool FEscaped = false;
  bool FInKey = false;
  // Counts the openings, so that a close-up handled late never ends an edit opened after it.
  uint32_t FOpenings = 0;
};
