#include "TDialogRecorder.h"

TDialogRecorder::TDialogRecorder() {
  Set_Message_Answerer([this](const TMessageRequest& r) {
    Messages.push_back(r);
    if (!FAnswers.empty()) {
      const TModalResult a = FAnswers.front();
      FAnswers.pop_front();
      return a;
    }
    return r.Buttons.testFlag(mbYes) ? mrYes : mrOk;
  });
  Set_File_Dialog_Answerer([this](const TFileDialogRequest& r) {
    File_Requests.push_back(r);
    if (FFiles.empty()) return QString();
    const QString f = FFiles.front();
    FFiles.pop_front();
    return f;
  });
}

TDialogRecorder::~TDialogRecorder() {
  Set_Message_Answerer({});
  Set_File_Dialog_Answerer({});
}

QStringList TDialogRecorder::Texts() const {
  QStringList out;
  for (const auto& m : Messages) out << m.Text;
  return out;
}
