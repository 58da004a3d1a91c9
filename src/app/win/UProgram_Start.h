#pragma once
// The program's entry: creates every window, shows the main window and runs the message loop until the main
// window closes. The application object and Path_Exe are set up by the caller.
int Program_Start();
