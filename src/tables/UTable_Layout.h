#pragma once
// A protocol table window as data: its size and look, its one or two tables (columns, rows, key and enable
// columns, the columns picking a process-image position, the file section, the tab page, the checks in order),
// its file (path, root, format version, row element) and the IDs of its texts and messages.
#include <QString>
#include <cstdint>
#include <vector>

#include "UTable_Check.h"
#include "UTable_Columns.h"
#include "UTable_Look.h"

struct TTable_Layout {
  TTable_Columns Columns;
  int32_t Data_Rows = 0;
  // The rows in use end before the first row whose key cell is blank after trimming (with Key_Exact: holds no
  // text); 0 makes every data row used.
  int32_t Key_Column = 0;
  bool Key_Exact = false;
  // A row whose enable cell (trimmed, upper-cased) is not "Y" is not checked; 0: no enable column. Column 1 as an
  // enable column also gets "Y" in a blank or inserted row.
  int32_t Enable_Column = 0;
  // Columns whose pick list is "None", "0".."1499", rebuilt at every show.
  std::vector<int32_t> Position_Columns;
  // The element under the root that holds the rows; null: the root itself.
  const char* Section = nullptr;
  // The caption of the table's tab page in a two-table window.
  int32_t Page_Id = 0;
  TCheck_Rules Rules;
};

struct TProtocol_Layout {
  int Width = 0;
  int Height = 0;
  TTable_Look Look;
  std::vector<TTable_Layout> Tables;
  // The window's file: the program-wide path, the root element, the format version of the comment after it and the
  // name of a row's element.
  const QString* Path = nullptr;
  const char* Root = nullptr;
  const char* Version = "1.000";
  const char* Row_Name = "row";
  // The caption; the title line is the next ID and the button captions (OK, Cancel, Delete Row, Insert Row, Copy
  // Row, Paste Row) follow it.
  int32_t Caption_Id = 0;
  // The buttons' hints, in the same order; bit i of Shown_Hints lets button i show its hint.
  int32_t Button_Hint_Id = 0;
  uint32_t Shown_Hints = 0x3F;
  // Without row buttons the window has OK and Cancel only.
  bool Row_Buttons = true;
  int32_t Prefix_Id = 0;
  int32_t Delete_Question_Id = 0;
  // A click on a row number selects the row.
  bool Row_Click_Selects = true;
  // The table takes the focus once loaded.
  bool Focus_After_Load = false;
};
