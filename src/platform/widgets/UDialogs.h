#pragma once
// Message dialogs and file choosers. Windows call these instead of the toolkit, so tests can install an answerer
// that records every request and answers it without showing anything.
#include <QFlags>
#include <QString>
#include <functional>

#include "UTypes.h"

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes = 0x1, mbNo = 0x2, mbOK = 0x4, mbCancel = 0x8 };
Q_DECLARE_FLAGS(TMsgDlgButtons, TMsgDlgBtn)
Q_DECLARE_OPERATORS_FOR_FLAGS(TMsgDlgButtons)

struct TMessageRequest {
  QString Text;
  TMsgDlgType Type = mtInformation;
  TMsgDlgButtons Buttons;
};

// Shows a modal message and returns mrOk, mrYes, mrNo or mrCancel (closing the box counts as Cancel, or No
// when there is no Cancel button).
TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons);
void Show_Error(const QString& text);
bool Ask_Yes_No(const QString& text);

struct TFileDialogRequest {
  bool Save = false;
  QString Title;
  QString InitialDir;
  // "Description|*.ext|Other|*.a;*.b", as the windows write it.
  QString Filter;
  QString DefaultExt;
  QString FileName;
};

// The chosen path, or an empty text when the user cancelled.
QString File_Dialog(const TFileDialogRequest& request);

using TMessageAnswerer = std::function<TModalResult(const TMessageRequest&)>;
using TFileDialogAnswerer = std::function<QString(const TFileDialogRequest&)>;
// An empty answerer restores the real dialogs.
void Set_Message_Answerer(TMessageAnswerer answerer);
void Set_File_Dialog_Answerer(TFileDialogAnswerer answerer);

// "Text files|*.txt|All|*.*" -> "Text files (*.txt);;All (*.*)"
QString Filter_To_Qt(const QString& filter);
// The suffix a save dialog appends to a name without one: "*.eds", ".eds" and "eds" all give "eds".
QString Default_Suffix(const QString& default_ext);
