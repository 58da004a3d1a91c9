#include "UProfinetFileName.h"

#include <QDate>

#include "UGSDML_Writer.h"
#include "UGlobals.h"
#include "ULang.h"

namespace {
QLabel* New_Label(QWidget* parent, int x, int y, const QString& font_name) {
  auto* label = new QLabel(parent);
  label->move(x, y);
  QFont font(font_name);
  font.setPixelSize(11);
  label->setFont(font);
  return label;
}
}  // namespace

TFProfinetFileName::TFProfinetFileName(QWidget* parent) : TFDialogFrame(Client_Width, Client_Height, parent) {
  const QString tahoma = QStringLiteral("Tahoma");
  Label1 = New_Label(this, 16, 70, QStringLiteral("Verdana"));
  Label2 = New_Label(this, 16, 107, tahoma);
  L_XML_Fix1 = New_Label(this, 16, 126, tahoma);
  Label4 = New_Label(this, 179, 107, tahoma);
  E_XML_User = new QLineEdit(this);
  E_XML_User->setGeometry(179, 123, 267, 21);
  QFont edit_font(tahoma);
  edit_font.setPixelSize(11);
  E_XML_User->setFont(edit_font);
  Label5 = New_Label(this, 447, 107, tahoma);
  L_XML_Fix2 = New_Label(this, 447, 126, tahoma);
  Btn_OK->move(16, 6);
  Btn_Cancel->move(134, 6);
  L_XML_Fix1->setText(GSDML_Fixed_Part);
  L_XML_Fix1->adjustSize();
  // Fixed when the program starts: a session running past midnight keeps offering its first day.
  L_XML_Fix2->setText(GSDML_Date_Part(QDate::currentDate()));
  L_XML_Fix2->adjustSize();
  E_XML_User->setFocus();
  TFProfinetFileName::Set_Lang();
}

void TFProfinetFileName::Set_Lang() {
  setWindowTitle(Lang_Table.value(1800));
  L_SW_Desc->setText(Lang_Table.value(1801));
  L_SW_Desc->adjustSize();
  Btn_OK->SetCaption(Lang_Table.value(1802));
  Btn_Cancel->SetCaption(Lang_Table.value(1803));
  const std::pair<QLabel*, int> labels[] = {{Label1, 1804}, {Label2, 1805}, {Label4, 1806}, {Label5, 1807}};
  for (const auto& [label, id] : labels) {
    label->setText(Lang_Table.value(id));
    label->adjustSize();
  }
  E_XML_User->setToolTip(Lang_Table.value(1808));
  Btn_OK->SetHint(Lang_Table.value(1809));
  Btn_Cancel->SetHint(Lang_Table.value(1810));
}

void TFProfinetFileName::Btn_OKClick() {
  Name_File_XML = Compose_GSDML_File_Name(L_XML_Fix1->text(), E_XML_User->text(), L_XML_Fix2->text());
  SetModalResult(mrOk);
}
