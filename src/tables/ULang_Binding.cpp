#include "ULang_Binding.h"

#include "ULang.h"

void TLang_Binding::Caption(QWidget* window, int32_t id) {
  FSteps.push_back([window, id] { window->setWindowTitle(Lang_Table.value(id)); });
}

void TLang_Binding::Label(QLabel* label, int32_t id) {
  FSteps.push_back([label, id] {
    label->setText(Lang_Table.value(id));
    label->adjustSize();
  });
}

void TLang_Binding::Button(TLbButton* button, int32_t caption_id, int32_t hint_id) {
  FSteps.push_back([button, caption_id, hint_id] {
    button->SetCaption(Lang_Table.value(caption_id));
    if (hint_id != 0) button->SetHint(Lang_Table.value(hint_id));
  });
}

void TLang_Binding::Hint(QWidget* control, int32_t id) {
  FSteps.push_back([control, id] { control->setToolTip(Lang_Table.value(id)); });
}

void TLang_Binding::Page(QTabWidget* pages, int index, int32_t id) {
  FSteps.push_back([pages, index, id] { pages->setTabText(index, Lang_Table.value(id)); });
}

void TLang_Binding::Table(TQrvColumnGrid& grid, const TTable_Columns& columns, QStringList& hints) {
  FSteps.push_back([&grid, &columns, &hints] { Set_Table_Texts(grid, columns, hints); });
}

void TLang_Binding::Apply() const {
  for (const auto& step : FSteps) step();
}
