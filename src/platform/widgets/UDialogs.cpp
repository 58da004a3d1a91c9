#include "UDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
TMessageAnswerer& Message_Answerer() {
  static TMessageAnswerer answerer;
  return answerer;
}

TFileDialogAnswerer& File_Answerer() {
  static TFileDialogAnswerer answerer;
  return answerer;
}

QString Caption_For(TMsgDlgType type) {
  switch (type) {
    case mtWarning:
      return QStringLiteral("Warning");
    case mtError:
      return QStringLiteral("Error");
    case mtInformation:
      return QStringLiteral("Information");
    case mtConfirmation:
      return QStringLiteral("Confirm");
    case mtCustom:
      break;
  }
  return QApplication::applicationName();
}

QMessageBox::Icon Icon_For(TMsgDlgType type) {
  switch (type) {
    case mtWarning:
      return QMessageBox::Warning;
    case mtError:
      return QMessageBox::Critical;
    case mtInformation:
      return QMessageBox::Information;
    case mtConfirmation:
      return QMessageBox::Question;
    case mtCustom:
      break;
  }
  return QMessageBox::NoIcon;
}

TModalResult Show_Real_Message(const TMessageRequest& request) {
  QMessageBox box(Icon_For(request.Type), Caption_For(request.Type), request.Text, QMessageBox::NoButton,
                  QApplication::activeWindow());
  struct Entry {
    TMsgDlgBtn Flag;
    QMessageBox::StandardButton Button;
    TModalResult Result;
  };
  const Entry entries[] = {{mbYes, QMessageBox::Yes, mrYes},
                           {mbNo, QMessageBox::No, mrNo},
                           {mbOK, QMessageBox::Ok, mrOk},
                           {mbCancel, QMessageBox::Cancel, mrCancel}};
  for (const Entry& e : entries)
    if (request.Buttons.testFlag(e.Flag)) box.addButton(e.Button);
  box.exec();
  const auto clicked = box.standardButton(box.clickedButton());
  for (const Entry& e : entries)
    if (e.Button == clicked) return e.Result;
  return request.Buttons.testFlag(mbCancel) || !request.Buttons.testFlag(mbNo) ? mrCancel : mrNo;
}
}  // namespace

TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
  const TMessageRequest request{text, type, buttons};
  if (Message_Answerer()) return Message_Answerer()(request);
  return Show_Real_Message(request);
}

void Show_Error(const QString& text) {
  MessageDlg(text, mtError, mbOK);
}

bool Ask_Yes_No(const QString& text) {
  return MessageDlg(text, mtConfirmation, mbYes | mbNo) == mrYes;
}

QString Filter_To_Qt(const QString& filter) {
  const QStringList parts = filter.split(u'|');
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(u';', u' ');
    out << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
  }
  return out.join(QStringLiteral(";;"));
}

QString Default_Suffix(const QString& default_ext) {
  // The toolkit would keep a leading "*" and give names like "x.*.eds".
  QString suffix = default_ext;
  if (suffix.startsWith(u'*')) suffix.remove(0, 1);
  if (suffix.startsWith(u'.')) suffix.remove(0, 1);
  return suffix;
}

QString File_Dialog(const TFileDialogRequest& request) {
  if (File_Answerer()) return File_Answerer()(request);
  QFileDialog dialog(QApplication::activeWindow(), request.Title, request.InitialDir, Filter_To_Qt(request.Filter));
  dialog.setAcceptMode(request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!request.DefaultExt.isEmpty()) dialog.setDefaultSuffix(Default_Suffix(request.DefaultExt));
  if (!request.FileName.isEmpty()) dialog.selectFile(request.FileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

void Set_Message_Answerer(TMessageAnswerer answerer) {
  Message_Answerer() = std::move(answerer);
}

void Set_File_Dialog_Answerer(TFileDialogAnswerer answerer) {
  File_Answerer() = std::move(answerer);
}
