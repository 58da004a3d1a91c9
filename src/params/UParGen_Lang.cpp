// The window's texts from the string table. Panel captions are not among them: they are set once, at creation.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "ULang.h"
#include "UParGen.h"

namespace {
void Apply_Caption(QWidget* control, const QString& text) {
  if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(text);
    label->adjustSize();
  } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
    check->setText(text);
  }
}
}  // namespace

void TFParGen::Set_Lang() {
  setWindowTitle(Lang_Table.value(400));
  L_SW_Desc->setText(Lang_Table.value(401));
  L_SW_Desc->adjustSize();
  Btn_OK->SetCaption(Lang_Table.value(402));
  Btn_Cancel->SetCaption(Lang_Table.value(403));
  Btn_OK->SetHint(Lang_Table.value(404));
  Btn_Cancel->SetHint(Lang_Table.value(405));
  // Fields not built yet take the table's texts of the moment they are built.
  if (!FBuilt) return;

  // A list whose entries are translated is emptied before its first entry and shows its first entry after its
  // last one; the entries of one list are consecutive IDs.
  QComboBox* open_list = nullptr;
  const auto close_list = [&open_list] {
    if (open_list) open_list->setCurrentIndex(0);
    open_list = nullptr;
  };
  for (const TLangEntry& e : FBook.Lang) {
    const QString text = Lang_Table.value(e.Id);
    if (e.Target != TLangTarget::List_Item) close_list();
    switch (e.Target) {
      case TLangTarget::Caption:
        Apply_Caption(e.Control, text);
        break;
      case TLangTarget::Hint:
        e.Control->setToolTip(text);
        break;
      case TLangTarget::List_Item: {
        auto* list = static_cast<QComboBox*>(e.Control);
        if (list != open_list) {
          close_list();
          list->clear();
          open_list = list;
        }
        list->addItem(text);
        break;
      }
    }
  }
  close_list();
}
