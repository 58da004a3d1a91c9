#include <gtest/gtest.h>

#include "TDialogRecorder.h"
#include "UDialogs.h"

TEST(Dialogs, RecorderSeesEveryTextAndAnswers) {
  TDialogRecorder rec;
  rec.Queue_Answer(mrNo);
  EXPECT_FALSE(Ask_Yes_No(QStringLiteral("Sure?")));
  EXPECT_TRUE(Ask_Yes_No(QStringLiteral("Again?")));
  Show_Error(QStringLiteral("Bad"));
  ASSERT_EQ(rec.Messages.size(), 3u);
  EXPECT_EQ(rec.Texts(), (QStringList{"Sure?", "Again?", "Bad"}));
  EXPECT_EQ(rec.Messages[2].Type, mtError);
  EXPECT_EQ(rec.Messages[2].Buttons, TMsgDlgButtons(mbOK));
  rec.Queue_File(QStringLiteral("/tmp/x.gsd"));
  TFileDialogRequest req;
  req.Save = true;
  EXPECT_EQ(File_Dialog(req), QStringLiteral("/tmp/x.gsd"));
  EXPECT_EQ(File_Dialog(req), QString());
}

TEST(Dialogs, FilterConversion) {
  EXPECT_EQ(Filter_To_Qt(QStringLiteral("Generic Station Description (*.gsd)|*.gsd")),
            QStringLiteral("Generic Station Description (*.gsd) (*.gsd)"));
  EXPECT_EQ(Filter_To_Qt(QStringLiteral("A|*.a;*.b|All|*.*")), QStringLiteral("A (*.a *.b);;All (*.*)"));
}
