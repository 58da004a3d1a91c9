// What every table window is built from: the declarative columns applied to a grid, the texts and header hints,
// the rows kept in a file, the button panel with the row buttons and their questions.
#include <gtest/gtest.h>

#include "TDialogRecorder.h"
#include "UGlobals.h"
#include "ULang.h"
#include "UTable_File.h"
#include "UTable_Window.h"
#include "UXml.h"

namespace {

// Row number, an enable box, a key with a fixed load default, a pick list keeping the erased text, a column that
// is not stored.
TTable_Columns Columns() {
  TTable_Columns c(5);
  c[0].Header_Id = 1;
  c[0].Width = 40;
  c[1] = {2, 11, 50, edDataCheckBox, 0xB0D8FF, {}, "Enable", QStringLiteral("Y")};
  c[2] = {3, 12, 90, edNormal, 0xFEFAE0, {}, "Key", QStringLiteral("0")};
  c[3] = {4, 0, 70, edComboList, 0xF4D6FC, {"One", "Two"}, "Pick", std::nullopt};
  c[4] = {5, 14, 120, edNormal, clWindow, {}, nullptr, std::nullopt};
  return c;
}

class TableKitTest : public ::testing::Test {
 protected:
  TableKitTest() {
    Load_Default_Strings();
    Lang_Table[1] = QStringLiteral("N");
    Lang_Table[2] = QStringLiteral("Enable");
    Lang_Table[3] = QStringLiteral("Key");
    Lang_Table[4] = QStringLiteral("Pick");
    Lang_Table[5] = QStringLiteral("Note");
    Lang_Table[11] = QStringLiteral("Enable the row");
    Lang_Table[12] = QStringLiteral("The key");
    Lang_Table[14] = QStringLiteral("A note");
    Apply_Table_Columns(Grid, Cols, 4);
  }

  const TTable_Columns Cols = Columns();
  TQrvColumnGrid Grid;
};

TEST_F(TableKitTest, ColumnsAppliedToTheGrid) {
  EXPECT_EQ(Grid.ColCount(), 5);
  EXPECT_EQ(Grid.RowCount(), 5);
  EXPECT_EQ(Grid.FixedRows(), 1);
  EXPECT_EQ(Grid.FixedCols(), 1);
  const int32_t widths[] = {40, 50, 90, 70, 120};
  for (int32_t c = 0; c < 5; ++c) EXPECT_EQ(Grid.ColWidths(c), widths[c]) << c;
  TEditorType kind = edNone;
  Grid.GetCellEditor(1, 1, kind);
  EXPECT_EQ(kind, edDataCheckBox);
  Grid.GetCellEditor(3, 1, kind);
  EXPECT_EQ(kind, edComboList);
  EXPECT_EQ(Grid.EditorComboItems, QStringList({"One", "Two"}));
  EXPECT_EQ(Grid.Columns().Items(2)->Color(), TColor(0xFEFAE0));
  QString yes, no;
  Grid.GetCheckTrue(1, 1, yes);
  Grid.GetCheckFalse(1, 1, no);
  EXPECT_EQ(yes, QStringLiteral("Y"));
  EXPECT_EQ(no, QStringLiteral("N"));
}

TEST_F(TableKitTest, HeaderTextsAndHints) {
  QStringList hints{"stale"};
  Set_Table_Texts(Grid, Cols, hints);
  EXPECT_EQ(Grid.Cells(0, 0), QStringLiteral("N"));
  EXPECT_EQ(Grid.Cells(4, 0), QStringLiteral("Note"));
  EXPECT_EQ(hints, QStringList({"Enable the row", "The key", "", "A note"}));
  EXPECT_EQ(Header_Hint(Grid, hints, 0, 2), QStringLiteral("The key"));
  EXPECT_EQ(Header_Hint(Grid, hints, 0, 4), QStringLiteral("A note"));
  EXPECT_EQ(Header_Hint(Grid, hints, 0, 0), QString());  // the row-number column has none
  EXPECT_EQ(Header_Hint(Grid, hints, 1, 2), QString());  // nor a data cell
}

// Headers that wrap in their column show every line: the header row grows for them, in whatever language, and
// goes back to the rows' height when the texts fit on one line again.
TEST_F(TableKitTest, TheHeaderRowShowsEveryWrappedLine) {
  struct TLanguage {
    const char* Enable;
    const char* Key;
    const char* Pick;
    bool Taller;
  };
  const TLanguage languages[] = {
      {"On", "Key", "Pick", false},
      {"On", "Name Space Index", "On Change", true},
      {"On", "Indice dello spazio dei nomi", "Cambio", true},
      {"On", "Key", "Pick", false},
  };
  for (const TLanguage& l : languages) {
    Lang_Table[2] = QString::fromLatin1(l.Enable);
    Lang_Table[3] = QString::fromLatin1(l.Key);
    Lang_Table[4] = QString::fromLatin1(l.Pick);
    QStringList hints;
    Set_Table_Texts(Grid, Cols, hints);
    if (l.Taller)
      EXPECT_GT(Grid.RowHeights(0), 22) << l.Key;
    else
      EXPECT_EQ(Grid.RowHeights(0), 22) << l.Key;
    for (int32_t c = 0; c < Grid.ColCount(); ++c)
      EXPECT_GE(Grid.RowHeights(0), Grid.GetCellTextSize(c, 0, true, false).cy + 4) << l.Key << ", column " << c;
    EXPECT_EQ(Grid.RowHeights(1), 22);
  }
}

TEST_F(TableKitTest, ErasedRowsCarryTheirNumberAndTheEnableBox) {
  Grid.SetCells(2, 3, QStringLiteral("x"));
  Erase_Table_Rows(Grid, true);
  for (int32_t r = 1; r <= 4; ++r) {
    EXPECT_EQ(Grid.Cells(0, r), QString::number(r));
    EXPECT_EQ(Grid.Cells(1, r), QStringLiteral("Y"));
    EXPECT_EQ(Grid.Cells(2, r), QString());
  }
  Erase_Table_Rows(Grid, false);
  EXPECT_EQ(Grid.Cells(1, 1), QString());
}

TEST_F(TableKitTest, RowsReadFromAndWrittenToAFile) {
  Erase_Table_Rows(Grid, false);
  Grid.SetCells(3, 2, QStringLiteral("erased"));
  TXmlDocument xml;
  ASSERT_TRUE(
      xml.Load_Bytes("<Root><row Enable=\"N\" Key=\" 7 \" Pick=\"Two\"/><row/><!--c--><row Key=\"9\"/>"
                     "<row Key=\"10\"/><row Key=\"11\"/></Root>"));
  Load_Table_Rows(Grid, Cols, xml.Doc().first_child());
  // Read as written; a missing attribute gets the column's default or keeps the erased row's text.
  EXPECT_EQ(Grid.Cells(1, 1), QStringLiteral("N"));
  EXPECT_EQ(Grid.Cells(2, 1), QStringLiteral(" 7 "));
  EXPECT_EQ(Grid.Cells(3, 1), QStringLiteral("Two"));
  EXPECT_EQ(Grid.Cells(1, 2), QStringLiteral("Y"));
  EXPECT_EQ(Grid.Cells(2, 2), QStringLiteral("0"));
  EXPECT_EQ(Grid.Cells(3, 2), QStringLiteral("erased"));
  // A child that is no element (the comment) is a row of defaults; children past the last row are left out.
  EXPECT_EQ(Grid.Cells(1, 3), QStringLiteral("Y"));
  EXPECT_EQ(Grid.Cells(2, 3), QStringLiteral("0"));
  EXPECT_EQ(Grid.Cells(2, 4), QStringLiteral("9"));

  // Used rows end at the first key that is blank after trimming.
  Grid.SetCells(2, 2, QStringLiteral("  "));
  EXPECT_EQ(Used_Table_Rows(Grid, 2), 1);
  Grid.SetCells(2, 2, QStringLiteral("8"));
  Grid.SetCells(4, 1, QStringLiteral("not stored"));
  TXmlDocument out;
  const pugi::xml_node root = Xml_Append_Element(out.Doc(), "Root");
  Save_Table_Rows(Grid, Cols, root, 2);
  EXPECT_EQ(out.Save_Bytes(), QByteArray("<Root><row Enable=\"N\" Key=\" 7 \" Pick=\"Two\"/><row Enable=\"Y\" "
                                         "Key=\"8\" Pick=\"erased\"/></Root>"));
}

// A window over one table, as the protocol windows are.
class TTestWindow : public TFTable_Window {
 public:
  TTestWindow() : TFTable_Window(700, 300) {
    Apply_Table_Columns(Grid, Columns(), 4);
    Erase_Table_Rows(Grid, true);
  }
  TQrvColumnGrid Grid;
  int Changes = 0;

 protected:
  TQrvColumnGrid* Row_Table() override { return &Grid; }
  int32_t Delete_Question_Id() const override { return 20; }
  void Rows_Changed(TQrvColumnGrid&) override { ++Changes; }
};

TEST_F(TableKitTest, RowButtonsOfTheWindow) {
  Lang_Table[20] = QStringLiteral("Are you sure to delete the Row number ");
  TTestWindow w;
  const TLbButton* buttons[] = {w.Btn_OK, w.Btn_Cancel, w.Btn_DelRow, w.Btn_InsRow, w.Btn_CopyRow, w.Btn_PasteRow};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(buttons[i]->geometry(), QRect(8 + 118 * i, 6, 110, 28)) << i;
  EXPECT_EQ(w.P_Button->geometry(), QRect(0, 260, 700, 40));

  w.Grid.SetCells(2, 1, QStringLiteral("k1"));
  w.Grid.SetCells(2, 2, QStringLiteral("k2"));
  w.Grid.MoveToCell(2, 1);
  {
    TDialogRecorder dialogs;
    dialogs.Queue_Answer(mrNo);
    dialogs.Queue_Answer(mrYes);
    w.Btn_DelRowClick();
    EXPECT_EQ(w.Grid.Cells(2, 1), QStringLiteral("k1"));
    EXPECT_EQ(w.Changes, 0);
    w.Btn_DelRowClick();
    EXPECT_EQ(w.Grid.Cells(2, 1), QStringLiteral("k2"));
    EXPECT_EQ(w.Changes, 1);
    ASSERT_EQ(dialogs.Messages.size(), 2u);
    EXPECT_EQ(dialogs.Messages[0].Text, QStringLiteral("Are you sure to delete the Row number 1"));
    EXPECT_EQ(dialogs.Messages[0].Type, mtConfirmation);
    EXPECT_EQ(dialogs.Messages[0].Buttons, mbYes | mbNo);
  }
  // Insert puts "Y" in the enable column; a copy arms the paste of this window.
  w.Btn_InsRowClick();
  EXPECT_EQ(w.Grid.Cells(1, 1), QStringLiteral("Y"));
  EXPECT_EQ(w.Grid.Cells(2, 2), QStringLiteral("k2"));
  EXPECT_FALSE(w.Do_Copy);
  w.Grid.MoveToCell(2, 2);
  w.Btn_CopyRowClick();
  EXPECT_TRUE(w.Do_Copy);
  w.Grid.MoveToCell(2, 3);
  w.Btn_PasteRowClick();
  EXPECT_EQ(w.Grid.Cells(2, 3), QStringLiteral("k2"));
  EXPECT_EQ(w.Changes, 3);
}

}  // namespace
