#pragma once
// Runs a blocking call (the wait for the external updater) while the window
// keeps painting but takes no input.
#include <QWidget>
#include <functional>

// The call runs on a worker thread; the UI thread meanwhile processes
// everything but user input, with the window disabled, so input that arrived
// during the call is dropped rather than acted on afterwards. An exception of
// the call is raised again here.
void Run_Without_Input(QWidget* window, const std::function<void()>& blocking_call);
