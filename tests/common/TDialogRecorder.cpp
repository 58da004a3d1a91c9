#include "TDialogRecorder.h"

#include <gtest/gtest.h>

TDialogRecorder::TDialogRecorder() {
  Set_Message_Answerer([this](const TMessageRequest& r) {
    Messages.push_back(r);
    if (FAnswers.empty()) {
      ADD_FAILURE() << "unexpected message (no answer queued): " << r.Text.toStdString();
      return mrCancel;
    }
    const TModalResult a = FAnswers.front();
    FAnswers.pop_front();
    return a;
  });
  Set_File_Dialog_Answerer([this](const TFileDialogRequest& r) {
    File_Requests.push_back(r);
    if (FFiles.empty()) {
      ADD_FAILURE() << "unexpected file chooser (no path queued): " << r.Title.toStdString();
      return QString();
    }
    const QString f = FFiles.front();
    FFiles.pop_front();
    return f;
  });
}

TDialogRecorder::~TDialogRecorder() {
  Refuse_Unexpected_Dialogs();
  EXPECT_TRUE(FAnswers.empty()) << FAnswers.size() << " queued answer(s) never asked for";
  EXPECT_TRUE(FFiles.empty()) << FFiles.size() << " queued path(s) never asked for";
}

void TDialogRecorder::Drop_Queued() {
  FAnswers.clear();
  FFiles.clear();
}

QStringList TDialogRecorder::Texts() const {
  QStringList out;
  for (const auto& m : Messages) out << m.Text;
  return out;
}

void Refuse_Unexpected_Dialogs() {
  Set_Message_Answerer([](const TMessageRequest& r) {
    ADD_FAILURE() << "message shown with no dialog recorder: " << r.Text.toStdString();
    return mrCancel;
  });
  Set_File_Dialog_Answerer([](const TFileDialogRequest& r) {
    ADD_FAILURE() << "file chooser shown with no dialog recorder: " << r.Title.toStdString();
    return QString();
  });
}
