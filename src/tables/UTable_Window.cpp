#include "UTable_Window.h"

#include "UComon.h"
#include "UDialogs.h"
#include "ULang.h"

namespace {
constexpr int First_Left = 8;
constexpr int Button_Gap = 8;
constexpr int Button_Top = 6;
}  // namespace

int TFTable_Window::Button_Left(int index) {
  return First_Left + index * (Button_Width + Button_Gap);
}

TFTable_Window::TFTable_Window(int width, int height, QWidget* parent) : TFDialogFrame(width, height, parent) {
  Btn_OK->move(Button_Left(0), Button_Top);
  Btn_Cancel->move(Button_Left(1), Button_Top);
  Btn_DelRow = New_Panel_Button(2);
  Btn_InsRow = New_Panel_Button(3);
  Btn_CopyRow = New_Panel_Button(4);
  Btn_PasteRow = New_Panel_Button(5);
  Btn_DelRow->OnClick = [this] { Btn_DelRowClick(); };
  Btn_InsRow->OnClick = [this] { Btn_InsRowClick(); };
  Btn_CopyRow->OnClick = [this] { Btn_CopyRowClick(); };
  Btn_PasteRow->OnClick = [this] { Btn_PasteRowClick(); };
}

TLbButton* TFTable_Window::New_Panel_Button(int index) {
  auto* button = new TLbButton(P_Button);
  Apply_Frame_Button_Look(button);
  button->move(Button_Left(index), Button_Top);
  return button;
}

TQrvColumnGrid* TFTable_Window::Current_Row_Table() {
  TQrvColumnGrid* grid = Row_Table();
  return grid && grid->Row() >= grid->FixedRows() ? grid : nullptr;
}

void TFTable_Window::Btn_DelRowClick() {
  TQrvColumnGrid* grid = Current_Row_Table();
  if (!grid) return;
  const int32_t row = grid->Row();
  const QString question = Lang_Table.value(Delete_Question_Id()) + QString::number(row);
  if (MessageDlg(question, mtConfirmation, mbYes | mbNo) != mrYes) return;
  Grid_Delete_Row(row, *grid);
  Rows_Changed(*grid);
}

void TFTable_Window::Btn_InsRowClick() {
  TQrvColumnGrid* grid = Current_Row_Table();
  if (!grid) return;
  Grid_Insert_Row(grid->Row(), *grid, Insert_With_Enable());
  Rows_Changed(*grid);
}

void TFTable_Window::Btn_CopyRowClick() {
  TQrvColumnGrid* grid = Current_Row_Table();
  if (!grid) return;
  Grid_Copy_Row(*grid, grid->Row());
  Row_Copied(*grid);
}

void TFTable_Window::Btn_PasteRowClick() {
  TQrvColumnGrid* grid = Current_Row_Table();
  if (!grid) return;
  if (Grid_Paste_Row(*grid, grid->Row(), Copy_Flag(*grid))) Rows_Changed(*grid);
}
