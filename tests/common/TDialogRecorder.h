#pragma once
// Installs itself as the answerer of message dialogs and file choosers for its lifetime; records each request
// and answers from queues (messages default to OK/Yes when the queue is empty, file choosers to "cancelled").
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "UDialogs.h"

class TDialogRecorder {
 public:
  TDialogRecorder();
  ~TDialogRecorder();
  TDialogRecorder(const TDialogRecorder&) = delete;
  TDialogRecorder& operator=(const TDialogRecorder&) = delete;

  void Queue_Answer(TModalResult answer) { FAnswers.push_back(answer); }
  void Queue_File(const QString& path) { FFiles.push_back(path); }

  std::vector<TMessageRequest> Messages;
  std::vector<TFileDialogRequest> File_Requests;
  QStringList Texts() const;

 private:
  std::deque<TModalResult> FAnswers;
  std::deque<QString> FFiles;
};
