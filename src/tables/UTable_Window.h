#pragma once
// The frame of every table window: the dialog frame with the row buttons beside OK and Cancel, all 110 x 28
// pixels, left to right 8 pixels apart (OK, Cancel, Delete Row, Insert Row, Copy Row, Paste Row, then any
// button of the window's own), the texts as bindings, and what the row buttons do on the window's table.
#include <cstdint>

#include "LbButton.h"
#include "UDialogFrame.h"
#include "ULang_Binding.h"
#include "UQrvColumnGrid.h"

class TFTable_Window : public TFDialogFrame {
 public:
  TFTable_Window(int width, int height, QWidget* parent = nullptr);

  static constexpr int Button_Width = 110;
  static constexpr int Button_Height = 28;
  // Left edge of the button at `index` of the button panel (OK is 0, Paste Row 5).
  static int Button_Left(int index);

  TLbButton* Btn_DelRow = nullptr;
  TLbButton* Btn_InsRow = nullptr;
  TLbButton* Btn_CopyRow = nullptr;
  TLbButton* Btn_PasteRow = nullptr;
  // A row was copied in this window since it was shown.
  bool Do_Copy = false;

  void Set_Lang() override { Texts.Apply(); }

  // The row buttons, on the current row of Row_Table().
  virtual void Btn_DelRowClick();
  virtual void Btn_InsRowClick();
  virtual void Btn_CopyRowClick();
  virtual void Btn_PasteRowClick();

 protected:
  // A button of the window's own in the button panel, at `index` (6 follows Paste Row), with the shared look.
  TLbButton* New_Panel_Button(int index);

  // The table the row buttons act on; null when they have none now.
  virtual TQrvColumnGrid* Row_Table() = 0;
  // The window's text before the row number in the delete question.
  virtual int32_t Delete_Question_Id() const = 0;
  // Whether an inserted row gets "Y" in column 1 (an enable check box).
  virtual bool Insert_With_Enable() const { return true; }
  // The copy flag of a table, and the note that a row was copied from it.
  virtual bool Copy_Flag(const TQrvColumnGrid&) const { return Do_Copy; }
  virtual void Row_Copied(TQrvColumnGrid&) { Do_Copy = true; }
  // After a row was deleted, inserted or pasted.
  virtual void Rows_Changed(TQrvColumnGrid&) {}

  TLang_Binding Texts;

 private:
  // Row_Table() while its current row is a data row.
  TQrvColumnGrid* Current_Row_Table();
};
