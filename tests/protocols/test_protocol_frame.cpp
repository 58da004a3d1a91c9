// The frame every protocol window shares, run over each window from its own data: size, tables, texts and hints,
// buttons, and what a file that is not plain does to the rows.
#include "TDialogRecorder.h"
#include "TProtocolFixture.h"
#include "TWindow_List.h"

namespace {

class ProtocolFrameTest : public TProtocolFixture {};

TEST_F(ProtocolFrameTest, EveryWindowIsBuiltFromItsData) {
  for (const TWindow_Maker& maker : Protocol_Windows()) {
    SCOPED_TRACE(maker.Name);
    const std::unique_ptr<TFProtocol_Window> w = maker.Make();
    const TProtocol_Layout& layout = w->Layout();
    EXPECT_EQ(w->size(), QSize(layout.Width, layout.Height));
    EXPECT_EQ(w->windowTitle(), Lang_Table[layout.Caption_Id]);
    EXPECT_EQ(w->L_SW_Desc->text(), Lang_Table[layout.Caption_Id + 1]);
    EXPECT_EQ(w->L_SW_Code->text(), QStringLiteral("SWTarn10"));
    EXPECT_EQ(w->Table_Count() == 2, w->PageControl1 != nullptr);
    // TARN_SCREENSHOT=<prefix> saves each window as shown, as <prefix><class>.png.
    if (const QByteArray prefix = qgetenv("TARN_SCREENSHOT"); !prefix.isEmpty()) {
      w->FormShow();
      w->grab().save(QString::fromLocal8Bit(prefix) + QString::fromLatin1(maker.Name) + ".png");
    }

    TLbButton* buttons[] = {w->Btn_OK, w->Btn_Cancel, w->Btn_DelRow, w->Btn_InsRow, w->Btn_CopyRow, w->Btn_PasteRow};
    for (int i = 0; i < 6; ++i) {
      SCOPED_TRACE(i);
      const bool shown = i < 2 || layout.Row_Buttons;
      EXPECT_EQ(!buttons[i]->isHidden(), shown);
      if (!shown) continue;
      EXPECT_EQ(buttons[i]->geometry(), QRect(8 + 118 * i, 6, 110, 28));
      EXPECT_EQ(buttons[i]->Caption(), Lang_Table[layout.Caption_Id + 2 + i]);
      EXPECT_EQ(buttons[i]->Hint(), Lang_Table[layout.Button_Hint_Id + i]);
      EXPECT_EQ(buttons[i]->toolTip().isEmpty(), !((layout.Shown_Hints >> i) & 1));
    }

    for (int32_t t = 0; t < w->Table_Count(); ++t) {
      SCOPED_TRACE(t);
      const TTable_Layout& table = layout.Tables[t];
      const TQrvColumnGrid& grid = w->Table(t);
      ASSERT_EQ(grid.ColCount(), static_cast<int32_t>(table.Columns.size()));
      EXPECT_EQ(grid.RowCount(), table.Data_Rows + 1);
      EXPECT_EQ(grid.FixedRows(), 1);
      EXPECT_EQ(grid.FixedCols(), 1);
      EXPECT_EQ(grid.DefaultRowHeight(), layout.Look.Row_Height);
      EXPECT_EQ(grid.Font().Name, QString::fromLatin1(layout.Look.Font_Name));
      if (w->PageControl1) {
        EXPECT_EQ(w->PageControl1->tabText(t), Lang_Table[table.Page_Id]);
      }
      for (int32_t c = 0; c < grid.ColCount(); ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(grid.ColWidths(c), table.Columns[c].Width);
        EXPECT_EQ(grid.Cells(c, 0), Lang_Table[table.Columns[c].Header_Id]);
        if (c > 0) {
          EXPECT_EQ(w->Hints(t)[c - 1], Lang_Table[table.Columns[c].Hint_Id]);
        }
      }
      // Header hints for the header row's data columns only.
      EXPECT_EQ(Header_Hint(grid, w->Hints(t), 0, 1), Lang_Table[table.Columns[1].Hint_Id]);
      EXPECT_EQ(Header_Hint(grid, w->Hints(t), 1, 1), QString());
      EXPECT_EQ(Header_Hint(grid, w->Hints(t), 0, 0), QString());
    }
  }
}

// The file each window would write with every stored cell "1", as plain text or laid out by hand: a declaration,
// a comment, indentation and line breaks between the elements.
QByteArray Table_File(const TProtocol_Layout& layout, bool laid_out) {
  const QByteArray gap = laid_out ? "\n    " : "";
  QByteArray text = laid_out ? "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- edited -->\n" : "";
  text += "<" + QByteArray(layout.Root) + ">";
  for (const TTable_Layout& table : layout.Tables) {
    if (table.Section) text += gap + "<" + table.Section + ">";
    for (int row = 0; row < 2; ++row) {
      text += gap + "  <" + layout.Row_Name;
      for (const TTable_Column& column : table.Columns)
        if (column.Attribute) text += " " + QByteArray(column.Attribute) + "=\"1\"";
      text += "/>";
    }
    if (table.Section) text += gap + "</" + table.Section + ">";
  }
  return text + (laid_out ? "\n" : "") + "</" + layout.Root + ">";
}

TEST_F(ProtocolFrameTest, AFileLaidOutByHandLoadsTheSameRows) {
  for (const TWindow_Maker& maker : Protocol_Windows()) {
    SCOPED_TRACE(maker.Name);
    const std::unique_ptr<TFProtocol_Window> w = maker.Make();
    Write(*w->Layout().Path, Table_File(w->Layout(), false));
    w->FormShow();
    std::vector<QStringList> plain;
    for (int32_t t = 0; t < w->Table_Count(); ++t)
      for (int32_t r = 1; r <= 3; ++r) plain.push_back(Row(w->Table(t), r));
    Write(*w->Layout().Path, Table_File(w->Layout(), true));
    w->FormShow();
    size_t k = 0;
    for (int32_t t = 0; t < w->Table_Count(); ++t)
      for (int32_t r = 1; r <= 3; ++r) EXPECT_EQ(Row(w->Table(t), r), plain[k++]) << t << " " << r;
    EXPECT_EQ(w->Table(0).Cells(w->Layout().Tables[0].Columns.size() - 1, 2), QStringLiteral("1"));
  }
}

// Blank rows end the list and are not saved; a blank key with data in a row at or below it is refused, naming it.
TEST_F(ProtocolFrameTest, ABlankKeyWithDataBelowIsRefused) {
  for (const TWindow_Maker& maker : Protocol_Windows()) {
    SCOPED_TRACE(maker.Name);
    const std::unique_ptr<TFProtocol_Window> w = maker.Make();
    const TProtocol_Layout& layout = w->Layout();
    if (layout.Tables[0].Key_Column == 0) continue;  // every DMX channel is a row
    for (int32_t t = 0; t < w->Table_Count(); ++t) {
      const TTable_Layout& table = layout.Tables[t];
      SCOPED_TRACE(t);
      w->FormShow();
      EXPECT_FALSE(w->First_Failure());
      const int32_t data = table.Columns.size() - 1;  // Mnemonic, the last column, is never a check box
      w->Table(t).SetCells(data, 2, QStringLiteral("x"));
      EXPECT_EQ(w->First_Failure().value_or(QString()), Lang_Table[layout.Prefix_Id] + "1!! " +
                                                            Lang_Table[table.Columns[table.Key_Column].Header_Id] +
                                                            Lang_Table[Msg_Blank_Key]);
    }
    w->FormShow();
    QFile::remove(*layout.Path);
    w->Btn_OKClick();
    EXPECT_EQ(w->ModalResult(), mrOk);
    EXPECT_EQ(Read(*layout.Path).count("<row"), 0) << Read(*layout.Path).toStdString();
  }
}

TEST_F(ProtocolFrameTest, AFileThatIsNoXmlShowsTheDefaultsAndSaysSoOnce) {
  for (const TWindow_Maker& maker : Protocol_Windows()) {
    SCOPED_TRACE(maker.Name);
    const std::unique_ptr<TFProtocol_Window> w = maker.Make();
    const QString path = *w->Layout().Path;
    Write(path, Table_File(w->Layout(), false));
    w->FormShow();
    std::vector<QStringList> defaults;
    QFile::remove(path);
    w->FormShow();
    for (int32_t t = 0; t < w->Table_Count(); ++t) defaults.push_back(Row(w->Table(t), 1));

    Write(path, Table_File(w->Layout(), false).chopped(3));
    TDialogRecorder dialogs;
    dialogs.Queue_Answer(mrOk);
    w->FormShow();
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_TRUE(dialogs.Messages[0].Text.startsWith(Lang_Table[Msg_Table_File_Unreadable] + u'\n' + path + u'\n'))
        << dialogs.Messages[0].Text.toStdString();
    EXPECT_EQ(dialogs.Messages[0].Type, mtError);
    for (int32_t t = 0; t < w->Table_Count(); ++t) EXPECT_EQ(Row(w->Table(t), 1), defaults[t]);
  }
}

}  // namespace
