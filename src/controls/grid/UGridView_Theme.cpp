// Theme changes reaching the grid: the shared notifier's event for the desktop's palette and the office scheme,
// and the widget's own style change; the grid adapts when its AutoThemeAdapt is on.
#include <QApplication>

#include "UGridView.h"
#include "UQrvStringGrid.h"
#include "UThemeNotifier.h"

void TGridView::WatchThemeChanges(bool on) {
  // The application owns the one notifier, so it outlives every grid that registers.
  TThemeNotifier* notifier = SharedThemeNotifier(qApp);
  if (on)
    notifier->RegisterWindow(this);
  else
    notifier->UnRegisterWindow(this);
}

void TGridView::Theme_Changed() {
  if (FAdvanced && FAdvanced->AutoThemeAdapt()) FAdvanced->ThemeAdapt();
}
