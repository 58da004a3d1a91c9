#pragma once
// The control modules' start and end, around the program block: what the controls bind once for the whole run
// rather than per window. A test that builds the windows as the program does can call these around them.

// Binds the visual-style layer (the themed painters draw through the toolkit's style from the first window on).
// Called before the first window is created.
void Start_Control_Modules();
// Releases what Start_Control_Modules bound, after the last window is gone; the painters fall back to the
// classic look.
void Stop_Control_Modules();
