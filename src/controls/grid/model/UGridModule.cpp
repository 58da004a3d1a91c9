#include "UGridModule.h"

#include <QEvent>

#include "UFormatSettings.h"

TGridModuleState& GridModule() {
  static TGridModuleState state;
  return state;
}

void Grid_Module_Start() {
  TGridModuleState& m = GridModule();
  if (m.StartCount++ > 0) return;
  m.FocusGrid = nullptr;
  // The toolkit's own date and time pickers serve on every installation.
  m.ComCtrlOk = true;
  if (m.GridEditDoneMessage == 0) m.GridEditDoneMessage = QEvent::registerEventType();
  Grid_DTPShiftFocusMessage();
}

int32_t Grid_DTPShiftFocusMessage() {
  TGridModuleState& m = GridModule();
  if (m.DTPShiftFocusMessage == 0) m.DTPShiftFocusMessage = QEvent::registerEventType();
  return m.DTPShiftFocusMessage;
}

void Grid_Module_Shutdown() {
  TGridModuleState& m = GridModule();
  if (m.StartCount == 0 || --m.StartCount > 0) return;
  m.FocusGrid = nullptr;
  m.HintFontName.clear();
}

QChar GetTimeSeparator() {
  return FormatSettings().TimeSeparator;
}

QChar GetDateSeparator() {
  return FormatSettings().DateSeparator;
}

QChar GetThousandSeparator() {
  return FormatSettings().ThousandSeparator;
}

QChar GetDecimalSeparator() {
  return FormatSettings().DecimalSeparator;
}

QString GetShortDateFormat() {
  return FormatSettings().ShortDateFormat;
}

QString GetShortTimeFormat() {
  return FormatSettings().ShortTimeFormat;
}

QString GetLongTimeFormat() {
  return FormatSettings().LongTimeFormat;
}

int32_t GetFileVersionMS(const QString&) {
  return -1;
}
