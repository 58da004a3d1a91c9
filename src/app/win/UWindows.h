#pragma once
// The program's windows: each created once at start, in a fixed order with the main window first, and kept until
// the program ends. Other windows' creation reads SW_Code and Lang_Table, which the main window prepares.
#include <QWidget>
#include <vector>

#include "UDialogFrame.h"

// Creates the 27 windows in their order and sets their instance pointers (FVandrelFirmWare, FParGen, ...).
void Create_Windows();
// Destroys them in reverse order and clears their instance pointers.
void Destroy_Windows();
// The windows created so far, in creation order.
std::vector<QWidget*> Created_Windows();

// The dialog windows whose texts follow a language change, in the order they are refreshed after the main
// window; windows not created are left out.
std::vector<TFDialogFrame*> Language_Fan_Out();
