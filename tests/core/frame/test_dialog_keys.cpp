// The dialog-code question: the focused control keeps the keys it wants; the others go to the default and cancel
// buttons or step the focus, and a key no one takes is left unhandled.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "Exception.h"
#include "TDialogRecorder.h"
#include "UDialogCode.h"
#include "UDialogFrame.h"

namespace {

// A control that takes every key it gets and answers the dialog-code question with Wanted.
class TKeyTaker : public QWidget, public TDialogCodeControl {
 public:
  explicit TKeyTaker(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::StrongFocus); }
  uint32_t DialogCode(const QKeyEvent&) const override { return Wanted; }
  uint32_t Wanted = 0;
  QList<int> Keys;

 protected:
  bool event(QEvent* e) override {
    // Tab included: a control that wants it must see it before the toolkit moves the focus.
    if (e->type() == QEvent::KeyPress) {
      Keys << static_cast<QKeyEvent*>(e)->key();
      e->accept();
      return true;
    }
    return QWidget::event(e);
  }
};

class DialogKeysTest : public ::testing::Test {
 protected:
  DialogKeysTest() : Frame(331, 162) {
    Taker = new TKeyTaker(&Frame);
    Taker->setGeometry(16, 94, 100, 21);
    Edit = new QLineEdit(&Frame);
    Edit->setGeometry(130, 94, 100, 21);
    Frame.Btn_OK->OnClick = [this] { ++OK_Clicks; };
    Frame.Btn_Cancel->OnClick = [this] { ++Cancel_Clicks; };
    Frame.Btn_OK->SetDefault(true);
    Frame.Btn_Cancel->SetCancel(true);
    Frame.show();
    Frame.activateWindow();
    (void)QTest::qWaitForWindowActive(&Frame);
    Taker->setFocus();
    EXPECT_TRUE(QTest::qWaitFor([this] { return Taker->hasFocus(); }, 2000));
  }
  TFDialogFrame Frame;
  TKeyTaker* Taker = nullptr;
  QLineEdit* Edit = nullptr;
  int OK_Clicks = 0, Cancel_Clicks = 0;
};

}  // namespace

TEST_F(DialogKeysTest, AControlThatWantsEnterAndEscKeepsThem) {
  Taker->Wanted = DLGC_WANTALLKEYS;
  QTest::keyClick(Taker, Qt::Key_Return);
  QTest::keyClick(Taker, Qt::Key_Escape);
  EXPECT_EQ(Taker->Keys, (QList<int>{Qt::Key_Return, Qt::Key_Escape}));
  EXPECT_EQ(OK_Clicks + Cancel_Clicks, 0);
  EXPECT_TRUE(Frame.isVisible());
}

TEST_F(DialogKeysTest, AControlThatWantsNoneLosesEnterAndEscToTheButtons) {
  // The control would take them, but the buttons are asked first.
  Taker->Wanted = DLGC_WANTARROWS | DLGC_WANTCHARS;
  QTest::keyClick(Taker, Qt::Key_Return);
  QTest::keyClick(Taker, Qt::Key_Escape);
  EXPECT_TRUE(Taker->Keys.isEmpty());
  EXPECT_EQ(OK_Clicks, 1);
  EXPECT_EQ(Cancel_Clicks, 1);
  // Keys the dialog does not route reach the control as always.
  QTest::keyClick(Taker, Qt::Key_Down);
  EXPECT_EQ(Taker->Keys, QList<int>{Qt::Key_Down});
}

TEST_F(DialogKeysTest, TabStaysWithAControlThatWantsItAndStepsTheFocusOtherwise) {
  Taker->Wanted = DLGC_WANTTAB;
  QTest::keyClick(Taker, Qt::Key_Tab);
  EXPECT_EQ(Taker->Keys, QList<int>{Qt::Key_Tab});
  EXPECT_TRUE(Taker->hasFocus());
  Taker->Wanted = 0;
  QTest::keyClick(Taker, Qt::Key_Tab);
  EXPECT_EQ(Taker->Keys, QList<int>{Qt::Key_Tab});
  EXPECT_FALSE(Taker->hasFocus());
}

TEST_F(DialogKeysTest, AKeyNoOneTakesIsLeftUnhandled) {
  Frame.Btn_OK->SetDefault(false);
  Frame.Btn_Cancel->SetCancel(false);
  // Nothing focused in the window: the frame gets the keys and leaves them unaccepted, so they travel on.
  Taker->clearFocus();
  Frame.setFocus();
  for (const int key : {int(Qt::Key_Return), int(Qt::Key_Escape)}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&Frame, &press);
    EXPECT_FALSE(press.isAccepted()) << key;
  }
  // With the focus in an edit field, which does not take Enter itself, the frame does not take it either.
  Edit->setFocus();
  EXPECT_TRUE(QTest::qWaitFor([this] { return Edit->hasFocus(); }, 2000));
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(Edit, &enter);
  EXPECT_FALSE(enter.isAccepted());
  EXPECT_EQ(OK_Clicks + Cancel_Clicks, 0);
  EXPECT_TRUE(Frame.isVisible());
  EXPECT_EQ(Frame.ModalResult(), mrNone);
}

// A window's handler that raises, run by a click or by Enter, shows its message before the exception reaches the
// toolkit's delivery (which would leak what it holds on the way out), and the window goes on working.
TEST_F(DialogKeysTest, AnExceptionFromAButtonsClickIsShownAndTheWindowGoesOn) {
  TDialogRecorder dialogs;
  dialogs.Queue_Answer(mrOk);
  dialogs.Queue_Answer(mrOk);
  Frame.Btn_OK->OnClick = [this] {
    ++OK_Clicks;
    throw Exception(QStringLiteral("The name is missing"));
  };
  QTest::mouseClick(Frame.Btn_OK, Qt::LeftButton);
  // The press took the focus to the button; the keys come from the control again.
  Taker->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([this] { return Taker->hasFocus(); }, 2000));
  QTest::keyClick(Taker, Qt::Key_Return);
  EXPECT_EQ(OK_Clicks, 2);
  EXPECT_EQ(dialogs.Texts(), QStringList(2, QStringLiteral("The name is missing.")));
  EXPECT_FALSE(Frame.Btn_OK->Down());
  QTest::keyClick(Taker, Qt::Key_Escape);
  EXPECT_EQ(Cancel_Clicks, 1);
  EXPECT_TRUE(Frame.isVisible());
}

TEST(DialogCode, MultiLineTextFieldsKeepEnterAndTheirTab) {
  QWidget parent;
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QLineEdit line(&parent);
  EXPECT_EQ(Dialog_Code(&line, enter), 0u);
  EXPECT_EQ(Dialog_Code(nullptr, enter), 0u);
  QPlainTextEdit text(&parent);
  EXPECT_EQ(Dialog_Code(&text, enter), DLGC_WANTARROWS | DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTTAB);
  text.setTabChangesFocus(true);
  EXPECT_EQ(Dialog_Code(&text, enter) & DLGC_WANTTAB, 0u);
}
