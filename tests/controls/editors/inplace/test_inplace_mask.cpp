// Cells with an edit mask: typing, erasing and pasting through the mask in the text editor and in the masked
// edit-with-button, the value written back, the automatic advance when the mask is full, and a mask that cannot be
// used.
#include <QClipboard>

#include "GridEditorFixture.h"
#include "UGridEditBtn.h"

namespace {

struct TMaskedTyping {
  QString Mask;
  QString Cell;
  // Typed one by one; "<" is Backspace, "^" Ctrl+V (the clipboard holds "9876"), "]" End.
  QString Keys;
  QString Written;
  int Beeps;
};

void Press(TEditedGrid& g, const QString& keys) {
  for (const QChar k : keys) {
    if (k == u'<')
      g.Key(Qt::Key_Backspace);
    else if (k == u'^')
      g.Key(Qt::Key_V, Qt::ControlModifier);
    else if (k == u']')
      g.Key(Qt::Key_End);
    else
      g.Type(QString(k));
  }
}

const std::vector<TMaskedTyping>& Masked_Cases() {
  static const std::vector<TMaskedTyping> cases = {
      {"00:00;1;_", "", "1234", "12:34", 0}, {"00:00;0;_", "", "1234", "1234", 0},
      {"00:00", "", "1a2", "12", 1},         {"00:00", "12:34", "]<", "12:3", 0},
      {"00:00", "12:34", "]<<<", "1", 0},    {"!90:00:00;1; ", "9:05:00", "123456", "12:34:56", 0},
      {">LL-000", "", "ab-12", "AB-12", 0},  {"00:00", "", "^", "98:76", 0},
  };
  return cases;
}

TEST(InplaceMask, TypingGoesThroughTheCellsMask) {
  QApplication::clipboard()->setText("9876");
  for (const TMaskedTyping& c : Masked_Cases()) {
    TEditedGrid g;
    g.Grid->EditMask = c.Mask;
    g.Open(1, 1, c.Cell);
    ASSERT_TRUE(g.Edit()->Masked()) << c.Mask.toStdString();
    EXPECT_FALSE(g.Edit()->MultiLine());
    Press(g, c.Keys);
    g.Key(Qt::Key_Return);
    EXPECT_EQ(g.Grid->Cells(1, 1), c.Written) << c.Mask.toStdString() << " typing " << c.Keys.toStdString();
    EXPECT_EQ(g.Beeps, c.Beeps) << c.Mask.toStdString() << " typing " << c.Keys.toStdString();
  }
}

// The masked edit-with-button speaks the same mask language.
TEST(InplaceMask, TheMaskedEditWithButtonTakesTheSameMask) {
  QApplication::clipboard()->setText("9876");
  for (const TMaskedTyping& c : Masked_Cases()) {
    if (c.Beeps) continue;  // the button edit drops refused characters without a sound
    TEditedGrid g;
    g.Grid->DefaultEditor = edMaskEditBtn;
    g.Grid->EditMask = c.Mask;
    g.Open(1, 1, c.Cell);
    ASSERT_EQ(g.Focused(), g.Factory->BtnEdit()) << c.Mask.toStdString();
    Press(g, c.Keys);
    g.Key(Qt::Key_Return);
    EXPECT_EQ(g.Grid->Cells(1, 1), c.Written) << c.Mask.toStdString() << " typing " << c.Keys.toStdString();
  }
}

TEST(InplaceMask, AFullMaskEndsTheEditWithAdvanceAuto) {
  TEditedGrid g;
  g.Grid->EditMask = "00:00";
  g.Grid->Navigation().SetAdvanceAuto(true);
  g.Grid->Navigation().SetAdvanceOnEnter(true);
  g.Open(1, 1, "");
  g.Type("123");
  EXPECT_TRUE(g.Edit()->isVisible());
  EXPECT_EQ(g.Grid->Col(), 1);
  g.Type("4");
  EXPECT_EQ(g.Grid->Cells(1, 1), "12:34");
  EXPECT_EQ(g.Grid->Col(), 2);
}

// A mask that cannot be used leaves the cell editable as it stands, and the balloon names the fault.
TEST(InplaceMask, AnUnusableMaskIsNamedAndTheCellStaysPlain) {
  for (const TEditorType kind : {edNormal, edMaskEditBtn}) {
    TEditedGrid g;
    g.Grid->DefaultEditor = kind;
    g.Grid->EditMask = "00;2";
    g.Open(1, 1, "12:34");
    EXPECT_TRUE(g.Factory->LastBalloon().Text.contains("Invalid edit mask")) << kind;
    EXPECT_TRUE(g.Factory->LastBalloon().Text.contains("00;2")) << kind;
    g.Key(Qt::Key_End);
    g.Type("x");
    g.Key(Qt::Key_Return);
    EXPECT_EQ(g.Grid->Cells(1, 1), "12:34x") << kind;
  }
}

}  // namespace
