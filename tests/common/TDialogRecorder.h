#pragma once
// Installs itself as the answerer of message dialogs and file choosers for its lifetime; records each request
// and answers from queues. Every dialog a test expects has its answer queued (mrOk for a plain message, an empty
// path for a cancelled chooser): one that finds its queue empty fails the test and is answered with Cancel, and
// answers still queued when the recorder ends fail it too, since the dialogs the test waited for never came.
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
  // Forgets the answers not used so far, for a test that stops early on purpose.
  void Drop_Queued();

  std::vector<TMessageRequest> Messages;
  std::vector<TFileDialogRequest> File_Requests;
  QStringList Texts() const;

 private:
  std::deque<TModalResult> FAnswers;
  std::deque<QString> FFiles;
};

// The answerers outside any recorder: a dialog that nobody expected fails the test at once instead of waiting
// for a click that never comes. The test mains install them before the first test.
void Refuse_Unexpected_Dialogs();
