#pragma once
// The grid module's own start-up and shutdown and its program-wide values. On this platform no window hook is
// needed: there is no separate focus window to keep in place; the in-place editor and the controls placed in cells
// are children of the grid's viewport and move with it, and the view re-places the editor after every scroll.
#include <QChar>
#include <QString>
#include <cstdint>

class TQrvStringGrid;

// MIME type of the grid's cell clipboard format, and the names of the grid's own messages.
inline const QString GridCellsFormatName = QStringLiteral("TQrvStringGrid Cells");
inline const QString GridEditDoneName = QStringLiteral("GridEditDone");
inline const QString DTPShiftFocusName = QStringLiteral("DTPShiftFocus");

struct TGridModuleState {
  int32_t StartCount = 0;
  // The grid whose focus window is shown (set and cleared by that grid).
  TQrvStringGrid* FocusGrid = nullptr;
  // Event types registered for the two messages (0 before start-up).
  int32_t GridEditDoneMessage = 0;
  int32_t DTPShiftFocusMessage = 0;
  // The date and time picker editors are available.
  bool ComCtrlOk = false;
  // The cursor shown over links in cells (hand point).
  int32_t AnchorCursor = -21;
  QString HintFontName;
};

TGridModuleState& GridModule();
// Runs once; a second start only counts.
void Grid_Module_Start();
// Undoes the start when the last reference ends.
void Grid_Module_Shutdown();
// The event type of "DTPShiftFocus", registered on first use; the date pickers post theirs with it, so the program
// has one registration of the message.
int32_t Grid_DTPShiftFocusMessage();

// The platform's current format settings, read at every call.
QChar GetTimeSeparator();
QChar GetDateSeparator();
QChar GetThousandSeparator();
QChar GetDecimalSeparator();
QString GetShortDateFormat();
QString GetShortTimeFormat();
QString GetLongTimeFormat();

// Files here carry no version resource: every file reads as -1 ("not readable").
int32_t GetFileVersionMS(const QString& fileName);
