#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QDialog>

#include "TDialogRecorder.h"
#include "TModalDriver.h"
#include "UDialogs.h"

TEST(Dialogs, RecorderSeesEveryTextAndAnswers) {
  TDialogRecorder rec;
  rec.Queue_Answer(mrNo);
  rec.Queue_Answer(mrYes);
  rec.Queue_Answer(mrOk);
  EXPECT_FALSE(Ask_Yes_No(QStringLiteral("Sure?")));
  EXPECT_TRUE(Ask_Yes_No(QStringLiteral("Again?")));
  Show_Error(QStringLiteral("Bad"));
  ASSERT_EQ(rec.Messages.size(), 3u);
  EXPECT_EQ(rec.Texts(), (QStringList{"Sure?", "Again?", "Bad"}));
  EXPECT_EQ(rec.Messages[2].Type, mtError);
  EXPECT_EQ(rec.Messages[2].Buttons, TMsgDlgButtons(mbOK));
  rec.Queue_File(QStringLiteral("/tmp/x.gsd"));
  rec.Queue_File(QString());
  TFileDialogRequest req;
  req.Save = true;
  EXPECT_EQ(File_Dialog(req), QStringLiteral("/tmp/x.gsd"));
  EXPECT_EQ(File_Dialog(req), QString());
  EXPECT_EQ(rec.File_Requests.size(), 2u);
}

// A dialog the test did not expect must not be answered "OK" behind its back: it fails the test, and Cancel is the
// answer, so the code under test takes its most careful path.
TEST(Dialogs, AnUnexpectedDialogFailsTheTest) {
  {
    TDialogRecorder rec;
    TModalResult answer = mrOk;
    EXPECT_NONFATAL_FAILURE(answer = MessageDlg(QStringLiteral("Overwrite?"), mtConfirmation, mbYes | mbNo),
                            "Overwrite?");
    EXPECT_EQ(answer, mrCancel);
    EXPECT_NONFATAL_FAILURE(File_Dialog({}), "unexpected file chooser");
    EXPECT_EQ(rec.Texts(), QStringList{"Overwrite?"});
  }
  // Outside any recorder, too.
  EXPECT_NONFATAL_FAILURE(Show_Error(QStringLiteral("Lost")), "Lost");
  EXPECT_NONFATAL_FAILURE(File_Dialog({}), "no dialog recorder");
}

TEST(Dialogs, AnAnswerThatWasNeverAskedForFailsTheTest) {
  EXPECT_NONFATAL_FAILURE(
      {
        TDialogRecorder rec;
        rec.Queue_Answer(mrYes);
      },
      "never asked for");
  EXPECT_NONFATAL_FAILURE(
      {
        TDialogRecorder rec;
        rec.Queue_File(QStringLiteral("/tmp/a"));
      },
      "never asked for");
  TDialogRecorder dropped;
  dropped.Queue_Answer(mrYes);
  dropped.Drop_Queued();
}

TEST(Dialogs, FilterConversion) {
  EXPECT_EQ(Filter_To_Qt(QStringLiteral("Generic Station Description (*.gsd)|*.gsd")),
            QStringLiteral("Generic Station Description (*.gsd) (*.gsd)"));
  EXPECT_EQ(Filter_To_Qt(QStringLiteral("A|*.a;*.b|All|*.*")), QStringLiteral("A (*.a *.b);;All (*.*)"));
}

TEST(ModalDriver, ActsOnceOnTheModalWindowAndNamesIt) {
  QDialog dialog;
  int acts = 0;
  TModalDriver driver([&acts](QWidget* modal) {
    ++acts;
    static_cast<QDialog*>(modal)->accept();
  });
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(driver.Shown, &dialog);
  EXPECT_EQ(acts, 1);
}

// An act that leaves the window open would otherwise hold the test until ctest kills it, with no word on why.
TEST(ModalDriver, AWindowLeftOpenFailsTheTestAndIsCancelled) {
  QDialog dialog;
  TModalDriver driver([](QWidget*) {}, 100);
  int result = -1;
  EXPECT_NONFATAL_FAILURE(result = dialog.exec(), "still open");
  EXPECT_EQ(result, QDialog::Rejected);
  EXPECT_EQ(driver.Shown, &dialog);
}
