#pragma once
// The program's windows: each created once at start, in a fixed order with the main window first, and kept until
// the program ends. Other windows' creation reads SW_Code and Lang_Table, which the main window prepares.
#include <QWidget>
#include <vector>

#include "UDialogFrame.h"

// Creates the windows of the window table (UWindow_Table.h) in its order, sets their instance pointers
// (FVandrelFirmWare, FParGen, ...) and plugs the main window into the options window. The program-wide state must
// be prepared first (Prepare_Program_State).
void Create_Windows();
// Clears the instance pointers, then destroys the main window and with it every other window.
void Destroy_Windows();
// The windows created so far, in creation order.
std::vector<QWidget*> Created_Windows();

// The dialog windows whose texts follow a language change, in the order of the table's fan-out column (they are
// refreshed after the main window); windows not created are left out.
std::vector<TFDialogFrame*> Language_Fan_Out();
