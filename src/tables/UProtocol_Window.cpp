#include "UProtocol_Window.h"

#include <QVBoxLayout>

#include "UComon.h"
#include "UDialogs.h"
#include "ULang.h"
#include "UStrUtils.h"

namespace {
const QStringList& Position_Items() {
  static const QStringList items = [] {
    QStringList list{QStringLiteral("None")};
    for (int32_t p = 0; p < Process_Image_Size; ++p) list.append(QString::number(p));
    return list;
  }();
  return items;
}

QString File_Message(int32_t id, const QString& path) {
  return Lang_Table.value(id) + u'\n' + path;
}
}  // namespace

TFProtocol_Window::TFProtocol_Window(const TProtocol_Layout& layout, QWidget* parent)
    : TFTable_Window(layout.Width, layout.Height, parent), FLayout(layout) {
  FHints.resize(layout.Tables.size());
  Create_Tables();
  if (!layout.Row_Buttons)
    for (TLbButton* button : {Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow}) button->hide();
  Bind_Texts();
  TFProtocol_Window::Set_Lang();
}

void TFProtocol_Window::Create_Tables() {
  const QRect middle(0, Title_Height, width(), height() - Title_Height - Button_Panel_Height);
  if (FLayout.Tables.size() > 1) {
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(middle);
  }
  for (size_t t = 0; t < FLayout.Tables.size(); ++t) {
    const TTable_Layout& table = FLayout.Tables[t];
    TTable_View* view;
    if (PageControl1) {
      // The table fills its page, whose size the page control decides.
      auto* page = new QWidget;
      PageControl1->addTab(page, QString());
      view = new TTable_View(page);
      auto* layout = new QVBoxLayout(page);
      layout->setContentsMargins(0, 0, 0, 0);
      layout->addWidget(view);
    } else {
      view = new TTable_View(this);
      view->setGeometry(middle);
    }
    FViews.push_back(view);
    TQrvColumnGrid& grid = view->Table();
    Apply_Table_Columns(grid, table.Columns, table.Data_Rows);
    Apply_Table_Look(grid, FLayout.Look);
    Bind_Table_Events(grid, &FHints[t]);
    if (FLayout.Row_Click_Selects)
      grid.OnClickCell = [](TQrvStringGrid* sender, int32_t row, int32_t col) {
        if (col == 0 && row >= sender->FixedRows()) sender->SelectRows(row, 1);
      };
  }
  if (PageControl1) PageControl1->setCurrentIndex(0);
}

void TFProtocol_Window::Bind_Texts() {
  Texts.Caption(this, FLayout.Caption_Id);
  Texts.Label(L_SW_Desc, FLayout.Caption_Id + 1);
  TLbButton* buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
  const int count = FLayout.Row_Buttons ? 6 : 2;
  for (int i = 0; i < count; ++i) {
    buttons[i]->SetShowHint((FLayout.Shown_Hints >> i) & 1);
    Texts.Button(buttons[i], FLayout.Caption_Id + 2 + i, FLayout.Button_Hint_Id + i);
  }
  for (int32_t t = 0; t < Table_Count(); ++t) {
    if (PageControl1) Texts.Page(PageControl1, t, FLayout.Tables[t].Page_Id);
    Texts.Table(Table(t), FLayout.Tables[t].Columns, FHints[t]);
  }
}

void TFProtocol_Window::Initialise_Rows(int32_t table) {
  Erase_Table_Rows(Table(table), FLayout.Tables[table].Enable_Column == 1);
}

void TFProtocol_Window::FormShow() {
  for (int32_t t = 0; t < Table_Count(); ++t) {
    Initialise_Rows(t);
    for (int32_t c : FLayout.Tables[t].Position_Columns) Table(t).Columns().Items(c)->SetComboItems(Position_Items());
  }
  Load_File();
  for (int32_t t = 0; t < Table_Count(); ++t) Copied(t) = false;
  if (PageControl1) PageControl1->setCurrentIndex(0);
  if (FLayout.Focus_After_Load && View(0)->focusPolicy() != Qt::NoFocus) View(0)->setFocus();
}

void TFProtocol_Window::Load_File() {
  switch (Read_Table_File(*FLayout.Path, XML1)) {
    case TTable_Read::Missing:
      return;
    case TTable_Read::Unreadable:
      // The defaults stay; the user hears once that OK will replace the file.
      MessageDlg(File_Message(Msg_Table_File_Unreadable, *FLayout.Path) + u'\n' + XML1.Error(), mtError, mbOK);
      return;
    case TTable_Read::Loaded:
      break;
  }
  // The root is the first element, so a declaration or comment before it changes nothing.
  const pugi::xml_node root = XML1.First_Element();
  for (int32_t t = 0; t < Table_Count(); ++t) {
    const TTable_Layout& table = FLayout.Tables[t];
    const pugi::xml_node rows = table.Section ? root.child(table.Section) : root;
    Load_Table_Rows(Table(t), table.Columns, rows,
                    [this, t](pugi::xml_node node, int32_t row) { Row_Loaded(t, node, row); });
  }
}

std::optional<QString> TFProtocol_Window::Blank_Key_Failure(int32_t table, int32_t used) const {
  const TTable_Layout& layout = FLayout.Tables[table];
  const TQrvColumnGrid& grid = Table(table);
  if (layout.Key_Column <= 0) return std::nullopt;
  for (int32_t r = used + 1; r < grid.RowCount(); ++r) {
    if (!Grid_Row_Used(grid, r)) continue;
    const int32_t blank = used + 1;
    return Lang_Table.value(FLayout.Prefix_Id) + QString::number(blank) + QStringLiteral("!! ") +
           Lang_Table.value(layout.Columns[layout.Key_Column].Header_Id) + Lang_Table.value(Msg_Blank_Key);
  }
  return std::nullopt;
}

std::optional<QString> TFProtocol_Window::First_Failure() const {
  for (int32_t t = 0; t < Table_Count(); ++t) {
    const TTable_Layout& layout = FLayout.Tables[t];
    const TQrvColumnGrid& grid = Table(t);
    const int32_t used = Used_Table_Rows(grid, layout.Key_Column, layout.Key_Exact);
    TCheck_State state;
    for (int32_t r = 1; r <= used; ++r) {
      const TCheck_Row row(grid, r);
      if (layout.Enable_Column > 0 && Trim(row.Cell(layout.Enable_Column)).toUpper() != QStringLiteral("Y")) continue;
      if (std::optional<TCheck_Failure> failure = Check_Row(layout.Rules, row, state))
        return Check_Message(FLayout.Prefix_Id, r, *failure);
    }
    if (std::optional<QString> failure = Blank_Key_Failure(t, used)) return failure;
  }
  return std::nullopt;
}

bool TFProtocol_Window::Controllo_dati() {
  const std::optional<QString> failure = First_Failure();
  if (failure) MessageDlg(*failure, mtError, mbOK);
  return !failure;
}

void TFProtocol_Window::Btn_OKClick() {
  // OK may come from a key while an editor is open: its text is the cell's.
  for (int32_t t = 0; t < Table_Count(); ++t)
    if (Table(t).EditMode()) Table(t).HideInplaceEdit();
  if (!Controllo_dati()) return;
  const pugi::xml_node root = Start_Table_Document(XML1, FLayout.Root, FLayout.Version);
  for (int32_t t = 0; t < Table_Count(); ++t) {
    const TTable_Layout& layout = FLayout.Tables[t];
    const pugi::xml_node rows = layout.Section ? Xml_Append_Element(root, layout.Section) : root;
    Save_Table_Rows(Table(t), layout.Columns, rows, Used_Table_Rows(Table(t), layout.Key_Column, layout.Key_Exact),
                    FLayout.Row_Name);
  }
  if (!XML1.Save_File(*FLayout.Path)) {
    MessageDlg(File_Message(Msg_Table_File_Not_Written, *FLayout.Path), mtError, mbOK);
    return;
  }
  SetModalResult(mrOk);
}

int32_t TFProtocol_Window::Index_Of(const TQrvColumnGrid& grid) const {
  for (int32_t t = 0; t < Table_Count(); ++t)
    if (&Table(t) == &grid) return t;
  return 0;
}

int32_t TFProtocol_Window::Active_Table() const {
  return PageControl1 ? std::max(0, PageControl1->currentIndex()) : 0;
}

TQrvColumnGrid* TFProtocol_Window::Row_Table() {
  return FLayout.Row_Buttons ? &Table(Active_Table()) : nullptr;
}

bool TFProtocol_Window::Insert_With_Enable() const {
  return FLayout.Tables[Active_Table()].Enable_Column == 1;
}

bool TFProtocol_Window::Copy_Flag(const TQrvColumnGrid& grid) const {
  const int32_t t = Index_Of(grid);
  return Table_Count() == 1 ? Do_Copy : FCopied[t];
}

void TFProtocol_Window::Row_Copied(TQrvColumnGrid& grid) {
  const int32_t copied = Index_Of(grid);
  for (int32_t t = 0; t < Table_Count(); ++t) Copied(t) = t == copied;
}
