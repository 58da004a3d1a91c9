// Loading and saving ParGen.xml through the window's fields, and the checks before a save.
#include <QCheckBox>
#include <QLineEdit>

#include "UDialogs.h"
#include "UGlobals.h"
#include "ULang.h"
#include "UParGen.h"
#include "UParGenChecks.h"

namespace {
// Message IDs of our own for the file itself, beyond the window's field checks. Language files already give
// texts of their own to the IDs up to 3468, so ours start after them.
constexpr int32_t Msg_File_Unreadable = 3469;
constexpr int32_t Msg_File_Not_Written = 3470;

QString File_Message(int32_t id, const QString& path) {
  return Lang_Table.value(id) + u'\n' + path;
}
}  // namespace

TParGenValues TFParGen::Field_Values() const {
  TParGenValues values;
  for (int32_t i = 0; i < ParGen_Field_Count; ++i) {
    if (ParGen_Elements[i].Is_Flag)
      values[i] = static_cast<const QCheckBox*>(FFields[i])->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    else
      values[i] = static_cast<const QLineEdit*>(FFields[i])->text();
  }
  return values;
}

void TFParGen::Set_Field_Values(const TParGenValues& values) {
  Ensure_Built();
  for (int32_t i = 0; i < ParGen_Field_Count; ++i) {
    if (ParGen_Elements[i].Is_Flag)
      static_cast<QCheckBox*>(FFields[i])->setChecked(values[i] == u"1");
    else
      static_cast<QLineEdit*>(FFields[i])->setText(values[i]);
  }
}

void TFParGen::FormShow() {
  Ensure_Built();
  TParGenValues values;
  const TParGenLoadResult result = Load_ParGen(Path_ParGen, values);
  // A damaged file gives the defaults, never the fields of the configuration shown before.
  Set_Field_Values(values);
  Move_GroupBoxs();
  Is_Change = false;
  if (result == TParGenLoadResult::Unreadable) Show_Error(File_Message(Msg_File_Unreadable, Path_ParGen));
}

void TFParGen::Btn_OKClick() {
  Ensure_Built();
  if (!Controllo_Dati()) return;
  if (!Save_ParGen(Path_ParGen, Field_Values())) {
    Show_Error(File_Message(Msg_File_Not_Written, Path_ParGen));
    return;
  }
  SetModalResult(mrOk);
}

bool TFParGen::Controllo_Dati() {
  Ensure_Built();
  const int32_t message = ParGen_First_Error(Field_Values(), E_GSM_GPRS_PIN->text(), E_GSM_GPRS_APN->text());
  if (message == 0) return true;
  MessageDlg(Lang_Table.value(message), mtError, mbOK);
  return false;
}

bool TFParGen::Check_Device_Name(const QString& text) {
  for (QChar c : text) {
    const char16_t u = c.unicode();
    const bool plain = (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
    if (!plain) return true;
  }
  return false;
}
