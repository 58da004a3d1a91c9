#include "TParGenRowBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

#include "TCategoryPanel.h"
#include "TCategoryPanelGroup.h"
#include "TOctetBox.h"

namespace {
// A caption stands a little lower than its input so their texts line up; a check box a little less.
constexpr int32_t Caption_Drop = 3;
constexpr int32_t Check_Drop = 2;
constexpr int32_t Heading_Check_Width = 175;
constexpr int32_t Lone_Check_Width = 415;
constexpr int32_t Bottom_Margin = 12;
constexpr int32_t Small_Check_Width = 60;
constexpr int32_t Small_Check_Gap = 20;
}  // namespace

TParGenRowBuilder::TParGenRowBuilder(TCategoryPanel* panel, int32_t first_id, TParGenBook& book)
    : FPanel(panel), FClient(panel->Client()), FBook(book), FNext_Id(first_id) {}

QLabel* TParGenRowBuilder::Make_Label(const QString& caption, int32_t left, int32_t top) {
  auto* label = new QLabel(caption, FClient);
  label->move(left, top);
  label->adjustSize();
  return label;
}

QLineEdit* TParGenRowBuilder::Make_Edit(int32_t left, int32_t top, int32_t width, const QString& text) {
  auto* edit = new QLineEdit(text, FClient);
  edit->setGeometry(left, top, width, Text_Height);
  QObject::connect(edit, &QLineEdit::textChanged, edit, [book = &FBook, edit] {
    if (book->On_Change) book->On_Change(edit);
  });
  return edit;
}

void TParGenRowBuilder::Watch_Check(QCheckBox* check) {
  QObject::connect(check, &QCheckBox::toggled, check, [book = &FBook, check] {
    if (book->On_Click) book->On_Click(check);
  });
}

void TParGenRowBuilder::Caption_Text(QWidget* control) {
  if (!FNo_Texts) FBook.Lang.push_back({FNext_Id++, control, TLangTarget::Caption});
}

void TParGenRowBuilder::Hint_Text(QWidget* control) {
  if (!FNo_Texts) FBook.Lang.push_back({FNext_Id++, control, TLangTarget::Hint});
}

void TParGenRowBuilder::Next_Row(TParRow row) {
  FBook.Rows[row.Head] = std::move(row);
  FTop += Row_Pitch;
  FNo_Texts = false;
}

QLineEdit* TParGenRowBuilder::Text(QLabel*& label, QLineEdit*& edit, const QString& caption, const QString& text,
                                   int32_t max_length, int32_t left, int32_t width) {
  label = Make_Label(caption, Caption_Left, FTop + Caption_Drop);
  edit = Make_Edit(left, FTop, width, text);
  if (max_length > 0) edit->setMaxLength(max_length);
  Caption_Text(label);
  Hint_Text(edit);
  Next_Row({label, {edit}, {}});
  return edit;
}

QComboBox* TParGenRowBuilder::List(QLabel*& label, QComboBox*& list, const QString& caption, const QStringList& items,
                                   int32_t index, bool items_from_texts) {
  label = Make_Label(caption, Caption_Left, FTop + Caption_Drop);
  auto* combo = new QComboBox(FClient);
  combo->setEditable(false);
  combo->addItems(items);
  combo->setCurrentIndex(index);
  combo->setGeometry(Input_Left, FTop, Input_Width, List_Height);
  // A choice made by the user counts as a change; one made by the program does not.
  QObject::connect(combo, &QComboBox::activated, combo, [book = &FBook, combo] {
    if (book->On_Change) book->On_Change(combo);
  });
  list = combo;
  Caption_Text(label);
  Hint_Text(combo);
  if (items_from_texts && !FNo_Texts)
    for (qsizetype i = 0; i < items.size(); ++i) FBook.Lang.push_back({FNext_Id++, combo, TLangTarget::List_Item});
  Next_Row({label, {combo}, {}});
  return combo;
}

QTextEdit* TParGenRowBuilder::Rich(QLabel*& label, QTextEdit*& edit, const QString& caption) {
  label = Make_Label(caption, Caption_Left, FTop + Caption_Drop);
  auto* rich = new QTextEdit(FClient);
  rich->setAcceptRichText(false);
  // One row high: a scroll bar would leave no room for the text.
  rich->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  rich->setGeometry(Input_Left, FTop, Input_Width, Text_Height);
  QObject::connect(rich, &QTextEdit::textChanged, rich, [book = &FBook, rich] {
    if (book->On_Change) book->On_Change(rich);
  });
  edit = rich;
  Caption_Text(label);
  Hint_Text(rich);
  Next_Row({label, {rich}, {}});
  return rich;
}

void TParGenRowBuilder::Make_Octets(const TOctetRefs& boxes, const QString& address, int32_t top, TParRow& row) {
  const QStringList parts = address.split(u'.');
  for (size_t k = 0; k < boxes.size(); ++k) {
    auto* box = new TOctetBox(FClient);
    box->setText(static_cast<qsizetype>(k) < parts.size() ? parts[static_cast<qsizetype>(k)] : QString());
    box->setGeometry(Octet_Left[k], top, Octet_Width, Text_Height);
    QObject::connect(box, &QLineEdit::textChanged, box, [book = &FBook, box] {
      if (book->On_Change) book->On_Change(box);
    });
    *boxes[k] = box;
    row.Inputs.push_back(box);
    Hint_Text(box);
  }
  for (int32_t left : Dot_Left) row.Dots.push_back(Make_Label(QStringLiteral("."), left, top + Caption_Drop));
}

void TParGenRowBuilder::Address(QLabel*& label, const TOctetRefs& boxes, const QString& caption,
                                const QString& address) {
  label = Make_Label(caption, Caption_Left, FTop + Caption_Drop);
  Caption_Text(label);
  TParRow row{label, {}, {}};
  Make_Octets(boxes, address, FTop, row);
  Next_Row(std::move(row));
}

void TParGenRowBuilder::Check_Address(QCheckBox*& check, const TOctetRefs& boxes, const QString& caption,
                                      const QString& address) {
  check = new QCheckBox(caption, FClient);
  check->setGeometry(Caption_Left, FTop + Check_Drop, Heading_Check_Width, Check_Height);
  Watch_Check(check);
  Caption_Text(check);
  Hint_Text(check);
  TParRow row{check, {}, {}};
  Make_Octets(boxes, address, FTop, row);
  Next_Row(std::move(row));
}

QCheckBox* TParGenRowBuilder::Check(QCheckBox*& check, const QString& caption) {
  check = new QCheckBox(caption, FClient);
  check->setGeometry(Caption_Left, FTop + Check_Drop, Lone_Check_Width, Check_Height);
  Watch_Check(check);
  Caption_Text(check);
  Hint_Text(check);
  Next_Row({check, {}, {}});
  return check;
}

void TParGenRowBuilder::Check_Text(QCheckBox*& check, int32_t check_width, QLineEdit*& edit, int32_t left,
                                   int32_t width, const QString& caption, const QString& text) {
  check = new QCheckBox(caption, FClient);
  check->setGeometry(Caption_Left, FTop + Check_Drop, check_width, Check_Height);
  Watch_Check(check);
  edit = Make_Edit(left, FTop, width, text);
  Caption_Text(check);
  Hint_Text(check);
  Hint_Text(edit);
  Next_Row({check, {edit}, {}});
}

void TParGenRowBuilder::Check_Group(QLabel*& label, const std::vector<QCheckBox**>& checks, const QString& caption,
                                    const QStringList& check_captions) {
  label = Make_Label(caption, Caption_Left, FTop + Caption_Drop);
  Caption_Text(label);
  TParRow row{label, {}, {}};
  int32_t left = Input_Left;
  for (size_t k = 0; k < checks.size(); ++k) {
    auto* check = new QCheckBox(check_captions.value(static_cast<qsizetype>(k)), FClient);
    check->setGeometry(left, FTop + Check_Drop, Small_Check_Width, Check_Height);
    left += Small_Check_Width + Small_Check_Gap;
    Watch_Check(check);
    Hint_Text(check);
    *checks[k] = check;
    row.Inputs.push_back(check);
  }
  Next_Row(std::move(row));
}

QLabel* TParGenRowBuilder::Heading(QLabel*& label, const QString& caption) {
  label = Make_Label(caption, Caption_Left, FTop + Caption_Drop);
  Caption_Text(label);
  Next_Row({label, {}, {}});
  return label;
}

QLineEdit* TParGenRowBuilder::Loose_Text(QLineEdit*& edit, int32_t left, int32_t top, int32_t width) {
  edit = Make_Edit(left, top, width, QString());
  return edit;
}

void TParGenRowBuilder::Finish() {
  int32_t bottom = 0;
  for (const QWidget* w : FClient->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!w->isHidden()) bottom = std::max(bottom, w->y() + w->height());
  FPanel->SetPanel_Height(bottom + Bottom_Margin + FPanel->Group()->Header_Height());
}
