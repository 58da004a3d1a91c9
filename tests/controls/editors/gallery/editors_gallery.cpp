// Writes PNGs to look at by eye: the date-time pickers in their looks, the rich edit with raised and lowered
// characters, a grid's text editor open on a wrapped cell and on a masked one, and its rich-text cell editor. Usage:
// editors_gallery <folder> [classic].
#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QLabel>
#include <QTextCursor>

#include "TQrvDateTimePicker.h"
#include "TQsgDateTimePicker.h"
#include "UGridEditorFactory.h"
#include "UGridView.h"
#include "UQStyleThemeModule.h"
#include "UQrvStringGrid.h"
#include "VAruDoreRido.h"

namespace {

class TGalleryGrid : public QWidget, public IRichEditGrid {
 public:
  ~TGalleryGrid() override { delete Edit; }
  QWidget* GridWidget() override { return this; }
  VAruDoreRido* RichEdit() override { return Edit; }
  VAruDoreRido* InplaceRichEdit() override { return nullptr; }
  void ShowInplaceEdit() override {}
  void HideInplaceEdit() override {}
  void GridKeyDown(int, Qt::KeyboardModifiers) override {}
  int32_t Col() const override { return 0; }
  int32_t Row() const override { return 0; }
  TRect CellRect(int32_t, int32_t) const override { return {}; }
  int32_t RowHeights(int32_t) const override { return 20; }
  void SetRowHeights(int32_t, int32_t) override {}
  int32_t GridHeight() const override { return height(); }
  bool SizeWhileTypingHeight() const override { return false; }
  bool WordWrap() const override { return false; }
  bool Multilinecells() const override { return false; }
  bool HasTabsOption() const override { return false; }
  bool InvokedFocusChange() const override { return false; }
  void EndRowSize(int32_t) override {}
  VAruDoreRido* Edit = nullptr;
};

void Save(QWidget& w, const QString& folder, const char* name) {
  w.grab().save(QDir(folder).filePath(QString::fromLatin1(name) + ".png"));
}

// A grid with the editor of `kind` open on (1, 1) holding `text`, with an edit mask when one is given.
void Save_Text_Editor(const QString& folder, const char* name, const QString& text, const QString& mask,
                      TEditorType kind = edNormal, int32_t rowHeight = 52) {
  auto model = std::make_unique<TQrvStringGrid>();
  TQrvStringGrid& grid = *model;
  TGridView view(std::move(model));
  TGridEditorFactory::Install(view);
  grid.SetColCount(3);
  grid.SetRowCount(4);
  grid.SetDefaultColWidth(90);
  grid.SetRowHeights(1, rowHeight);
  grid.SetOptions(grid.Options() | goEditing);
  grid.Multilinecells = true;
  grid.EditMask = mask;
  grid.DefaultEditor = kind;
  grid.SetCells(2, 1, QStringLiteral("beside"));
  view.resize(280, 130);
  view.show();
  QApplication::setActiveWindow(&view);
  view.setFocus();
  QApplication::processEvents();
  grid.SetCells(1, 1, text);
  grid.MoveToCell(1, 1);
  grid.ShowInplaceEdit();
  QApplication::processEvents();
  Save(view, folder, name);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  // With a visual style, as the program runs; "classic" as a second argument paints without one.
  const bool themed = !(argc > 2 && QByteArray(argv[2]) == "classic");
  if (themed) StartThemeSupport();
  const TDateTime when = EncodeDate(2026, 12, 10) + EncodeTime(17, 30, 15, 0);

  QWidget pickers;
  pickers.resize(460, 250);
  auto* qsg = new TQsgDateTimePicker(&pickers);
  qsg->setGeometry(110, 10, 160, 24);
  qsg->SetPickerDateTime(when);
  auto* custom = new TCustomDateTimePicker(&pickers);
  custom->setGeometry(290, 10, 160, 24);
  custom->SetPickerDateTime(when);
  auto* both = new TQrvDateTimePicker(&pickers);
  both->setGeometry(110, 50, 260, 24);
  both->SetDateTime(when);
  both->SetLabelCaption("Start:");
  auto* checked = new TQrvDateTimePicker(&pickers);
  checked->setGeometry(110, 90, 260, 24);
  checked->SetShowCheckbox(true);
  checked->SetDateTime(when);
  checked->SetLabelCaption("Checked:");
  auto* unchecked = new TQrvDateTimePicker(&pickers);
  unchecked->setGeometry(110, 130, 260, 24);
  unchecked->SetShowCheckbox(true);
  unchecked->SetDateTime(when);
  unchecked->SetChecked(false);
  unchecked->SetLabelCaption("Unchecked:");
  auto* metro = new TQrvDateTimePicker(&pickers);
  metro->setGeometry(110, 170, 260, 24);
  metro->SetKind(dkDate);
  metro->SetDateTime(when);
  metro->SetMetroStyle(true);
  metro->SetBorderColor(0xB99D7F);
  metro->SetButtonColor(0xF0D0B0);
  metro->SetButtonBorderColor(0xB99D7F);
  metro->SetButtonTextColor(0x402010);
  metro->SetLabelCaption("Own look:");
  auto* time = new TQrvDateTimePicker(&pickers);
  time->setGeometry(110, 210, 120, 24);
  time->SetKind(dkTime);
  time->SetDateTime(when);
  time->SetLabelCaption("Time:");
  pickers.show();
  QApplication::processEvents();
  Save(pickers, folder, "pickers");

  both->SetDroppedDown(true);
  QApplication::processEvents();
  if (both->Calendar()) Save(*both->Calendar()->window(), folder, "calendar");
  both->SetDroppedDown(false);

  TGalleryGrid grid;
  grid.resize(260, 80);
  grid.Edit = new VAruDoreRido(&grid);
  grid.Edit->setGeometry(5, 5, 250, 70);
  grid.Edit->SetRtf(
      "{\\rtf1\\ansi{\\fonttbl{\\f0 DejaVu Sans;}}{\\colortbl;\\red200\\green0\\blue0;}\\f0\\fs24 H\\dn4 2\\dn0 O "
      "and "
      "x\\up4 2\\up0 , {\\b bold} {\\cf1\\i red italic}\\par second line}");
  grid.show();
  QApplication::processEvents();
  Save(grid, folder, "richedit");
  Save_Text_Editor(folder, "text_editor_wrapped", "a text that wraps in its cell\r\nand a second line", QString());
  Save_Text_Editor(folder, "text_editor_masked", "9:05:00", "!90:00:00;1;_");
  Save_Text_Editor(folder, "text_editor_one_row", "one line, Default", QString(), edNormal, 20);
  Save_Text_Editor(folder, "rich_cell_editor",
                   "{\\rtf1\\ansi{\\fonttbl{\\f0 DejaVu Sans;}}\\f0\\fs16 x\\up4 2\\up0  and {\\b bold}}", QString(),
                   edRichEdit);
  if (themed) StopThemeSupport();
  return 0;
}
