#pragma once
#include <QString>
#include <functional>

class QWidget;

// Called with the main window once it is made, before it is shown.
using TBefore_Show = std::function<void(QWidget* main_window)>;

// The whole program from its entry: the application object, the font substitutes, the program folder (the
// executable's own when none is given), then Program_Start. The program and the start-up benchmark both start
// here, so what the benchmark times is the program's start.
int Program_Main(int argc, char** argv, const QString& program_folder = {}, const TBefore_Show& before_show = {});

// Starts the control modules, prepares the program-wide state, creates every window, shows the main window and
// runs the message loop until the main window closes; then frees the windows and ends the control modules. The
// application object and Path_Exe are set up by the caller.
int Program_Start(const TBefore_Show& before_show = {});

// Every program-wide value as a start finds it: the program folders (created when missing), the settings read
// from Vandrel.xml, the model's code and description, the string table in the stored language (the setting falls
// back to English when that language's file is missing), the last configuration when its folder still exists,
// the per-topic paths, the update window's choices and the empty lists. Runs before any window is created, since
// their creation reads these values.
void Prepare_Program_State();
