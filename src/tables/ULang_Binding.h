#pragma once
// A window's texts as a list of bindings from string-table IDs to its controls, headers and hints, filled once
// when the window is built; Set_Lang applies them all again after a change of language.
#include <QLabel>
#include <QStringList>
#include <QTabWidget>
#include <cstdint>
#include <functional>
#include <vector>

#include "LbButton.h"
#include "UTable_Columns.h"

class TLang_Binding {
 public:
  void Caption(QWidget* window, int32_t id);
  // The label is sized to its new text.
  void Label(QLabel* label, int32_t id);
  // Hint 0: the button keeps its hint.
  void Button(TLbButton* button, int32_t caption_id, int32_t hint_id = 0);
  void Hint(QWidget* control, int32_t id);
  void Page(QTabWidget* pages, int index, int32_t id);
  // The table's header row and its header-hint list (which must outlive the binding).
  void Table(TQrvColumnGrid& grid, const TTable_Columns& columns, QStringList& hints);
  void Apply() const;

 private:
  std::vector<std::function<void()>> FSteps;
};
