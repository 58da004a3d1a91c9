#pragma once
// The frame every protocol table window shares, run from the window's TProtocol_Layout: creation (size, tables,
// pages, texts), the rows made blank and loaded from the file at every show, the texts, header hints and row
// buttons, the used rows, the checks and the file rewritten whole on OK. A window adds only what its data cannot
// say, through the hooks below.
#include <QStringList>
#include <QTabWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "UTable_File.h"
#include "UTable_Layout.h"
#include "UTable_View.h"
#include "UTable_Window.h"
#include "UXml.h"

class TFProtocol_Window : public TFTable_Window {
 public:
  TFProtocol_Window(const TProtocol_Layout& layout, QWidget* parent);

  const TProtocol_Layout& Layout() const { return FLayout; }
  int32_t Table_Count() const { return static_cast<int32_t>(FViews.size()); }
  TTable_View* View(int32_t table) const { return FViews[table]; }
  TQrvColumnGrid& Table(int32_t table) const { return FViews[table]->Table(); }
  QStringList& Hints(int32_t table) { return FHints[table]; }
  // The copy flag of a table (the window's Do_Copy for a one-table window).
  bool& Copied(int32_t table) { return Table_Count() == 1 ? Do_Copy : FCopied[table]; }
  // The tab pages of a two-table window; null for one table.
  QTabWidget* PageControl1 = nullptr;
  TXmlDocument XML1;

  // The first check failure as its dialog text; none when the tables may be saved.
  std::optional<QString> First_Failure() const;
  // Shows the first failure in an error dialog; true when the tables may be saved.
  bool Controllo_dati();
  void Btn_OKClick() override;
  // Rows made blank, then loaded from the file.
  void FormShow() override;

 protected:
  // Row initialisation at show: row numbers, "Y" in an enable column 1, every other cell empty.
  virtual void Initialise_Rows(int32_t table);
  // After row `row` of a table was read from `node` by its columns.
  virtual void Row_Loaded(int32_t, pugi::xml_node, int32_t) {}

  TQrvColumnGrid* Row_Table() override;
  int32_t Delete_Question_Id() const override { return FLayout.Delete_Question_Id; }
  bool Insert_With_Enable() const override;
  bool Copy_Flag(const TQrvColumnGrid& grid) const override;
  void Row_Copied(TQrvColumnGrid& grid) override;

 private:
  int32_t Index_Of(const TQrvColumnGrid& grid) const;
  int32_t Active_Table() const;
  void Create_Tables();
  void Bind_Texts();
  void Load_File();
  // A blank key cell followed by rows that hold data: the message naming its row; none otherwise.
  std::optional<QString> Blank_Key_Failure(int32_t table, int32_t used) const;

  const TProtocol_Layout& FLayout;
  std::vector<TTable_View*> FViews;
  std::vector<QStringList> FHints;
  std::array<bool, 2> FCopied{};
};

// The message IDs of the frame's own refusals (after the IDs language files already fill).
inline constexpr int32_t Msg_Table_File_Unreadable = 3500;
inline constexpr int32_t Msg_Table_File_Not_Written = 3501;
inline constexpr int32_t Msg_Blank_Key = 3502;
