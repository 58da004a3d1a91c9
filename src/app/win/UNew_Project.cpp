#include "UNew_Project.h"

#include "UDialogs.h"
#include "UGlobals.h"
#include "ULang.h"
#include "UWorkspace.h"

TFNew_Project::TFNew_Project(QWidget* parent) : TFDialogFrame(Client_Width, Client_Height, parent) {
  Label1 = new QLabel(this);
  Label1->move(16, 70);
  E_New_Proj = new QLineEdit(this);
  E_New_Proj->setGeometry(16, 94, 297, E_New_Proj->sizeHint().height());
  connect(E_New_Proj, &QLineEdit::returnPressed, this, [this] { Btn_OKClick(); });
  TFNew_Project::Set_Lang();
}

void TFNew_Project::Set_Lang() {
  setWindowTitle(Lang_Table.value(100));
  L_SW_Desc->setText(Lang_Table.value(101));
  L_SW_Desc->adjustSize();
  Label1->setText(Lang_Table.value(102));
  Label1->adjustSize();
  Btn_OK->SetCaption(Lang_Table.value(103));
  Btn_Cancel->SetCaption(Lang_Table.value(104));
  E_New_Proj->setToolTip(Lang_Table.value(108));
  Btn_OK->SetHint(Lang_Table.value(109));
  Btn_Cancel->SetHint(Lang_Table.value(110));
}

void TFNew_Project::FormShow() {
  E_New_Proj->clear();
  E_New_Proj->setFocus();
}

void TFNew_Project::Btn_OKClick() {
  const int32_t error_id = Create_Configuration_Folder(E_New_Proj->text());
  if (error_id != 0) {
    MessageDlg(Lang_Table.value(error_id), mtError, mbOK);
    return;
  }
  SetModalResult(mrOk);
}
