// Controls written into a markup cell: the shared edit and combo of the view over them (their Enter and Tab, a
// masked field's mask, the combo's list and length limit), and a press switching a check box in the cell text.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <vector>

#include "GridMouseFixture.h"

namespace {
QString Tag(const char* id, const QString& value, const char* width, const char* type) {
  return QStringLiteral("<CONTROL ID=\"%1\" VALUE=\"%2\" WIDTH=\"%3\" TYPE=\"%4\">")
      .arg(QLatin1String(id), value, QLatin1String(width), QLatin1String(type));
}
QString Cell_Text(const QString& edit, const QString& password, const QString& check) {
  return QStringLiteral("Name ") + Tag("e1", edit, "50", "EDIT") + QStringLiteral(" key ") +
         Tag("p1", password, "40", "PASSWORD") + QStringLiteral(" ok ") + Tag("c1", check, "16", "CHECK");
}
}  // namespace

class TGridControlsTest : public TGridMouseTest {
 protected:
  TGridControlsTest() {
    View.resize(420, 160);
    Q().SetColWidths(1, 360);
    Q().SetRowHeights(2, 40);
    Q().SetOptions(Q().Options() | goEditing);
    Q().SetCells(1, 2, Cell_Text("abc", "", "FALSE"));
  }
};

TEST_F(TGridControlsTest, EditsWalkTheCellsControlsAndWriteTheirValuesBack) {
  std::vector<QString> done;
  Q().OnControlEditDone = [&](TQrvStringGrid*, int32_t r, int32_t c, const QString& id, const QString& type,
                              const QString& value) {
    done.push_back(QStringLiteral("%1,%2,%3,%4,%5").arg(r).arg(c).arg(id, type, value));
  };
  ASSERT_TRUE(Q().FocusNextCellControl(1, 2, QString()));
  QLineEdit* edit = View.CellControlEdit();
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(edit->isVisible());
  EXPECT_EQ(edit->text(), QStringLiteral("abc"));
  EXPECT_EQ(edit->echoMode(), QLineEdit::Normal);
  edit->setText(QStringLiteral("xyz"));
  // The next editable control is the password field: the first edit's value lands in its tag only.
  ASSERT_TRUE(Q().FocusNextCellControl(1, 2, QStringLiteral("e1")));
  EXPECT_EQ(Q().Cells(1, 2), Cell_Text("xyz", "", "FALSE"));
  EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
  edit->setText(QStringLiteral("s3cret"));
  // After the last editable control (a check box is switched, not edited) the grid takes the focus back.
  EXPECT_FALSE(Q().FocusNextCellControl(1, 2, QStringLiteral("p1")));
  EXPECT_FALSE(edit->isVisible());
  EXPECT_FALSE(Q().CellControlEditing());
  EXPECT_EQ(Q().Cells(1, 2), Cell_Text("xyz", "s3cret", "FALSE"));
  EXPECT_EQ(done, (std::vector<QString>{"2,1,e1,EDIT,xyz", "2,1,p1,PASSWORD,s3cret"}));
}

TEST_F(TGridControlsTest, APressOnACheckControlFlipsItsValue) {
  std::vector<QString> clicks;
  Q().OnControlClick = [&](TQrvStringGrid*, int32_t r, int32_t c, const QString& id, const QString& type,
                           const QString& value) {
    clicks.push_back(QStringLiteral("%1,%2,%3,%4,%5").arg(r).arg(c).arg(id, type, value));
  };
  const TRect box = Q().CellControlRect(1, 2, QStringLiteral("c1"));
  ASSERT_GT(box.Right, box.Left);
  const QPoint at((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
  Click(at);
  EXPECT_EQ(Q().Cells(1, 2), Cell_Text("abc", "", "TRUE"));
  Click(at);
  EXPECT_EQ(Q().Cells(1, 2), Cell_Text("abc", "", "FALSE"));
  EXPECT_EQ(clicks, (std::vector<QString>{"2,1,c1,CHECK,TRUE", "2,1,c1,CHECK,FALSE"}));
  // Without editing the press switches nothing.
  Q().SetOptions(Q().Options() & ~TGridOptions(goEditing));
  Click(at);
  EXPECT_EQ(Q().Cells(1, 2), Cell_Text("abc", "", "FALSE"));
}

TEST_F(TGridControlsTest, AComboListHandlerCanMakeTheComboListOnly) {
  Q().SetCells(1, 3, Tag("k1", "b", "80", "COMBO"));
  Q().SetRowHeights(3, 40);
  Q().OnControlComboList = [](TQrvStringGrid*, int32_t, int32_t, const QString&, const QString&, const QString&,
                              QStringList& values, bool& edit, int32_t& dropCount) {
    values = {"a", "b", "c"};
    edit = false;
    dropCount = 3;
  };
  ASSERT_TRUE(Q().FocusNextCellControl(1, 3, QString()));
  QComboBox* combo = View.CellControlCombo();
  ASSERT_NE(combo, nullptr);
  EXPECT_FALSE(combo->isEditable());
  EXPECT_EQ(combo->count(), 3);
  EXPECT_EQ(combo->currentText(), QStringLiteral("b"));
  EXPECT_EQ(combo->maxVisibleItems(), 3);
  combo->setCurrentIndex(2);
  EXPECT_FALSE(Q().FocusNextCellControl(1, 3, QStringLiteral("k1")));
  EXPECT_EQ(Q().Cells(1, 3), Tag("k1", "c", "80", "COMBO"));
}

// A COMBO control opens with its list down; the list taking the focus keeps the edit, and the typed value is held
// to the tag's MAXLEN (no limit without one).
TEST_F(TGridControlsTest, AComboControlDropsDownAndTakesItsMaxLen) {
  const auto cell = [](const QString& value, const QString& maxLen) {
    QString tag = QStringLiteral("<CONTROL ID=\"k1\" VALUE=\"%1\" WIDTH=\"80\" TYPE=\"COMBO\"").arg(value);
    if (!maxLen.isEmpty()) tag += QStringLiteral(" MAXLEN=\"%1\"").arg(maxLen);
    return tag + u'>';
  };
  Q().SetRowHeights(3, 40);
  Q().OnControlComboList = [](TQrvStringGrid*, int32_t, int32_t, const QString&, const QString&, const QString&,
                              QStringList& values, bool&, int32_t&) {
    values = {"ab", "xyz"};
  };
  struct TCase {
    QString MaxLen;
    int Limit;
    QString Typed, Value;
  };
  const std::vector<TCase> cases = {{"4", 4, "cdef", "abcd"}, {"", 32767, "cdef", "abcdef"}};
  for (const TCase& c : cases) {
    View.setFocus();
    Q().SetCells(1, 3, cell("ab", c.MaxLen));
    ASSERT_TRUE(Q().FocusNextCellControl(1, 3, QString()));
    QComboBox* combo = View.CellControlCombo();
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->view()->isVisible()) << "the list is down";
    EXPECT_TRUE(combo->isVisible()) << "the list taking the focus keeps the edit";
    EXPECT_TRUE(Q().CellControlEditing());
    QTest::keyClick(combo->view(), Qt::Key_Escape);
    ASSERT_NE(combo->lineEdit(), nullptr);
    EXPECT_EQ(combo->lineEdit()->maxLength(), c.Limit) << c.MaxLen.toStdString();
    combo->lineEdit()->end(false);
    QTest::keyClicks(combo->lineEdit(), c.Typed);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    EXPECT_FALSE(Q().CellControlEditing());
    EXPECT_EQ(Q().Cells(1, 3).toStdString(), cell(c.Value, c.MaxLen).toStdString());
  }
}

namespace {
QString Masked_Cell(const QString& value, const char* mask) {
  return QStringLiteral("<CONTROL ID=\"m1\" VALUE=\"%1\" WIDTH=\"60\" TYPE=\"MASK\" PROP=\"%2\">")
      .arg(value, QLatin1String(mask));
}
}  // namespace

// Enter ends the control's edit; Tab goes on to the cell's next control, or with the
// automatic advance to the next cell.
TEST_F(TGridControlsTest, EnterAndTabEndTheControlsEdit) {
  View.setFocus();
  ASSERT_TRUE(Q().FocusNextCellControl(1, 2, QString()));
  QLineEdit* edit = View.CellControlEdit();
  ASSERT_NE(edit, nullptr);
  QTest::keyClicks(edit, QStringLiteral("d"));
  QTest::keyClick(edit, Qt::Key_Tab);
  EXPECT_EQ(Q().Cells(1, 2), Cell_Text("abcd", "", "FALSE"));
  EXPECT_TRUE(edit->isVisible()) << "the password field is next";
  EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
  QTest::keyClicks(edit, QStringLiteral("pw"));
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_FALSE(edit->isVisible());
  EXPECT_FALSE(Q().CellControlEditing());
  EXPECT_EQ(Q().Cells(1, 2), Cell_Text("abcd", "pw", "FALSE"));

  Q().Navigation().SetAdvanceAuto(true);
  Q().Navigation().SetAdvanceDirection(adTopBottom);
  Q().MoveToCell(1, 2);
  ASSERT_TRUE(Q().FocusNextCellControl(1, 2, QString()));
  QTest::keyClick(edit, Qt::Key_Tab);
  EXPECT_FALSE(Q().CellControlEditing());
  EXPECT_EQ(Q().Row(), 3) << "the advance leaves the cell";
}

// A MASK control types through its mask; one that cannot be used leaves the value plain and intact.
TEST_F(TGridControlsTest, AMaskControlTypesThroughItsMask) {
  View.setFocus();
  Q().SetCells(1, 2, Masked_Cell("", "00:00;0"));
  ASSERT_TRUE(Q().FocusNextCellControl(1, 2, QString()));
  QLineEdit* edit = View.CellControlEdit();
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->text(), QStringLiteral("__:__"));
  QTest::keyClicks(edit, QStringLiteral("12x34"));
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(Q().Cells(1, 2), Masked_Cell("1234", "00:00;0"));

  Q().SetCells(1, 2, Masked_Cell("12:34", "00;9"));
  ASSERT_TRUE(Q().FocusNextCellControl(1, 2, QString()));
  EXPECT_EQ(edit->text(), QStringLiteral("12:34"));
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(Q().Cells(1, 2), Masked_Cell("12:34", "00;9"));
}
